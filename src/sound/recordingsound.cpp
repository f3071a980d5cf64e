#include "sound/recordingsound.h"

#include "sound/wavewriter.h"

using SteadyClock = std::chrono::steady_clock;

RecordingSound::~RecordingSound()
{
    m_link.reset();
}

qint64 RecordingSound::lengthMs()
{
    goSilentIfDeviceLost();
    std::lock_guard lock(m_mutex);
    addSilence();
    return msForFrames(m_frames.size() / m_format.bytesPerFrame(), m_format.samplesPerSecond);
}

QString RecordingSound::mode()
{
    goSilentIfDeviceLost();
    std::lock_guard lock(m_mutex);
    return m_recording ? QStringLiteral("recording") : QStringLiteral("stopped");
}

void RecordingSound::stop()
{
    {
        std::lock_guard lock(m_mutex);
        addSilence();
        m_recording = false;
    }
    m_link.reset();
}

bool RecordingSound::setFormat(const RecordingFormat &format)
{
    std::lock_guard lock(m_mutex);
    if (format != m_format && (m_recording || !m_frames.isEmpty()))
        return false;
    m_format = format;
    return true;
}

void RecordingSound::record()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_recording)
            return;
        m_recording = true;
        m_silentFrames = 0;
    }
    m_link = SdlAudioLink::open(SdlAudioLink::Direction::Capture,
                                m_format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS,
                                m_format.samplesPerSecond, m_format.channels,
                                [this](Uint8 *bytes, int length) { take(bytes, length); });
    std::lock_guard lock(m_mutex);
    m_silentStart = SteadyClock::now();
}

bool RecordingSound::save(const QString &path, QString *reason)
{
    QByteArray frames;
    {
        std::lock_guard lock(m_mutex);
        addSilence();
        frames = m_frames;
    }
    return WaveWriter::write(path, m_format, frames, reason);
}

void RecordingSound::take(const Uint8 *bytes, int length)
{
    std::lock_guard lock(m_mutex);
    if (m_recording)
        m_frames.append(reinterpret_cast<const char *>(bytes), length - length % m_format.bytesPerFrame());
}

void RecordingSound::addSilence()
{
    if (m_link || !m_recording)
        return;
    const qint64 due = framesSince(m_silentStart, m_format.samplesPerSecond);
    if (due > m_silentFrames) {
        m_frames.append((due - m_silentFrames) * m_format.bytesPerFrame(), m_format.silenceByte());
        m_silentFrames = due;
    }
}

void RecordingSound::goSilentIfDeviceLost()
{
    if (!m_link || !m_link->lost())
        return;
    m_link.reset();
    std::lock_guard lock(m_mutex);
    m_silentStart = SteadyClock::now();
    m_silentFrames = 0;
}
