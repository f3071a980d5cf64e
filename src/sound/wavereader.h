#pragma once

#include <QString>

#include <memory>

typedef struct sf_private_tag SNDFILE;

// A wave file opened for playing: frames come out as interleaved floats in
// -1..1 whatever the file's sample format (8/16/24/32-bit PCM or float).
class WaveReader
{
public:
    ~WaveReader();
    WaveReader(const WaveReader &) = delete;
    WaveReader &operator=(const WaveReader &) = delete;

    // Nothing when the path is not a regular file that reads as wave audio
    // at a supported sample rate; reason then says why.
    static std::unique_ptr<WaveReader> open(const QString &path, QString *reason);

    int rate() const { return m_rate; }
    int channels() const { return m_channels; }
    qint64 frames() const { return m_frames; }

    bool seek(qint64 frame);
    // Returns the frames actually read (fewer at the end of the file).
    qint64 read(float *interleaved, qint64 frames);

private:
    WaveReader(int descriptor, SNDFILE *file, int rate, int channels, qint64 frames);

    int m_descriptor;
    SNDFILE *m_file;
    int m_rate;
    int m_channels;
    qint64 m_frames;
};
