#pragma once

#include <array>

// Six prayer times in minutes since midnight, in the order the per-day
// table stores them. A 0 means no time.
struct PrayerTimes
{
    enum Index { Fajr, Zohor, Asr, Magreb, Isha, Jumma };
    static constexpr int Count = 6;

    std::array<int, Count> minutes{};

    // The Friday prayer's time: Zohor's when none is stored.
    int fridayTime() const
    {
        const int jumma = minutes[Jumma];
        return jumma <= 0 || jumma >= 1440 ? minutes[Zohor] : jumma;
    }

    int &operator[](Index i) { return minutes[i]; }
    int operator[](Index i) const { return minutes[i]; }
    bool operator==(const PrayerTimes &) const = default;
};
