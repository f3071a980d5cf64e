#pragma once

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
               && samplesPerSecond >= 1000 && samplesPerSecond <= 192000;
    }
};
