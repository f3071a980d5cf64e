#pragma once

// Sample rates the sound layer plays and records, in Hz: outside them a
// file's rate is nonsense, and every wait derived from it would be too.
inline constexpr int kLowestSampleRate = 1000;
inline constexpr int kHighestSampleRate = 192000;

inline bool isSupportedSampleRate(int samplesPerSecond)
{
    return samplesPerSecond >= kLowestSampleRate && samplesPerSecond <= kHighestSampleRate;
}

// The sample format of a recording: unsigned 8-bit or signed 16-bit PCM.
struct RecordingFormat
{
    int bitsPerSample = 8;
    int channels = 1;
    int samplesPerSecond = 11025;

    int bytesPerFrame() const { return bitsPerSample / 8 * channels; }
    // What a frame of silence is made of, byte by byte.
    char silenceByte() const { return bitsPerSample == 8 ? char(0x80) : char(0); }

    bool operator==(const RecordingFormat &) const = default;

    bool isSupported() const
    {
        return (bitsPerSample == 8 || bitsPerSample == 16) && (channels == 1 || channels == 2)
               && isSupportedSampleRate(samplesPerSecond);
    }
};
