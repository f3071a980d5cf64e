#include "sound/wavewriter.h"

#include <QFile>

#include <sndfile.h>

bool WaveWriter::write(const QString &path, const RecordingFormat &format, const QByteArray &frames,
                       QString *reason)
{
    SF_INFO info{};
    info.samplerate = format.samplesPerSecond;
    info.channels = format.channels;
    info.format = SF_FORMAT_WAV | (format.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        *reason = QString::fromLocal8Bit(sf_strerror(nullptr));
        return false;
    }
    // Wave files hold 8-bit samples unsigned, as recorded, so those go out raw.
    const sf_count_t bytes = frames.size() - frames.size() % format.bytesPerFrame();
    const sf_count_t written = format.bitsPerSample == 8
        ? sf_write_raw(file, frames.constData(), bytes)
        : sf_write_short(file, reinterpret_cast<const short *>(frames.constData()), bytes / 2)
              * 2;
    const QString writeError = QString::fromLocal8Bit(sf_strerror(file));
    const bool closed = sf_close(file) == 0;
    if (written != bytes || !closed) {
        *reason = written != bytes ? writeError : QStringLiteral("the file could not be completed");
        return false;
    }
    return true;
}
