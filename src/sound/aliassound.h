#pragma once

#include <QString>

#include <chrono>

// What an open alias holds: a wave file to play or a recording.
// Positions and lengths are milliseconds.
class AliasSound
{
public:
    virtual ~AliasSound() = default;

    virtual qint64 lengthMs() = 0;
    virtual qint64 positionMs() = 0;
    // "playing", "recording" or "stopped"
    virtual QString mode() = 0;
    virtual void stop() = 0;
    // Gives the audio device back once the sound has been over for a while.
    virtual void releaseIdleDevice() {}

    // Rounded both ways, so that a position sent in comes back unchanged.
    static qint64 framesForMs(qint64 ms, int rate) { return (ms * rate + 500) / 1000; }
    static qint64 msForFrames(qint64 frames, int rate) { return (frames * 1000 + rate / 2) / rate; }

    // Frames that pass in real time since a moment, for sounds without a device.
    static qint64 framesSince(std::chrono::steady_clock::time_point start, int rate)
    {
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        return elapsed.count() * rate / 1000000;
    }
};
