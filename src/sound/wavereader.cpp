#include "sound/wavereader.h"

#include <QFile>

#include <sndfile.h>

WaveReader::WaveReader(SNDFILE *file, int rate, int channels, qint64 frames)
    : m_file(file), m_rate(rate), m_channels(channels), m_frames(frames)
{
}

WaveReader::~WaveReader()
{
    sf_close(m_file);
}

std::unique_ptr<WaveReader> WaveReader::open(const QString &path, QString *reason)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        *reason = QString::fromLocal8Bit(sf_strerror(nullptr));
        return nullptr;
    }
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0) {
        sf_close(file);
        *reason = QStringLiteral("it has no usable sample rate or channels");
        return nullptr;
    }
    return std::unique_ptr<WaveReader>(
        new WaveReader(file, info.samplerate, info.channels, info.frames));
}

bool WaveReader::seek(qint64 frame)
{
    return sf_seek(m_file, frame, SEEK_SET) == frame;
}

qint64 WaveReader::read(float *interleaved, qint64 frames)
{
    return sf_readf_float(m_file, interleaved, frames);
}
