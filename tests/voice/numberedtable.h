#pragma once

#include "voice/voicetables.h"

// A table whose segments all differ, so that a word taken from the wrong place
// shows: starter base..base+1, hour i at base+10+2i, min at base+40 (min[0]
// stays empty, as in every voice), zone at base+50, ampm at base+70.
inline VoiceTable numberedTable(const QString &name, int base)
{
    VoiceTable table;
    table.name = name;
    table.starter = {base, base + 1};
    auto number = [](auto &segments, int first, int start) {
        for (int i = first; i < int(segments.size()); ++i)
            segments[i] = {start + 2 * i, start + 1 + 2 * i};
    };
    number(table.hour, 0, base + 10);
    number(table.min, 1, base + 40);
    number(table.zone, 0, base + 50);
    number(table.ampm, 0, base + 70);
    return table;
}
