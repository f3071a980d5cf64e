#pragma once

// Minutes since local midnight. The parser gives 0..1439, or -1 for text
// that is not a time; stored values may be anything (1440 occurs).
using TimeOfDay = int;

inline constexpr TimeOfDay kNoTime = -1;

// Whether a stored time rings at this second since midnight: only at
// second 0 of its minute, and never for a value outside the day.
constexpr bool ringsAt(TimeOfDay stored, int secondOfDay)
{
    return stored >= 0 && stored < 24 * 60 && stored * 60 == secondOfDay;
}
