#include "sound/wavereader.h"

#include "sound/recordingformat.h"

#include <QFile>

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

WaveReader::WaveReader(int descriptor, SNDFILE *file, int rate, int channels, qint64 frames)
    : m_descriptor(descriptor), m_file(file), m_rate(rate), m_channels(channels), m_frames(frames)
{
}

WaveReader::~WaveReader()
{
    sf_close(m_file);
    ::close(m_descriptor);
}

std::unique_ptr<WaveReader> WaveReader::open(const QString &path, QString *reason)
{
    // Opened without blocking and checked before reading: a FIFO or a device
    // would otherwise hold the clock until something writes to it.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        *reason = qt_error_string(errno);
        return nullptr;
    }
    struct stat status{};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        *reason = QStringLiteral("it is not a regular file");
        return nullptr;
    }

    SF_INFO info{};
    SNDFILE *file = sf_open_fd(descriptor, SFM_READ, &info, SF_FALSE);
    if (!file) {
        *reason = QString::fromLocal8Bit(sf_strerror(nullptr));
        ::close(descriptor);
        return nullptr;
    }
    if (!isSupportedSampleRate(info.samplerate) || info.channels <= 0 || info.frames < 0) {
        *reason = info.channels <= 0 || info.frames < 0
            ? QStringLiteral("it has no usable channels")
            : QStringLiteral("its sample rate of %1 Hz lies outside %2 to %3 Hz")
                  .arg(info.samplerate).arg(kLowestSampleRate).arg(kHighestSampleRate);
        sf_close(file);
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<WaveReader>(
        new WaveReader(descriptor, file, info.samplerate, info.channels, info.frames));
}

bool WaveReader::seek(qint64 frame)
{
    return sf_seek(m_file, frame, SEEK_SET) == frame;
}

qint64 WaveReader::read(float *interleaved, qint64 frames)
{
    return sf_readf_float(m_file, interleaved, frames);
}
