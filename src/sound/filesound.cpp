#include "sound/filesound.h"

#include <algorithm>
#include <cstring>
#include <thread>

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

namespace {
// An ended sound keeps its device this long, so that back-to-back
// stretches play without reopening it.
constexpr auto kIdleDeviceTime = 500ms;
// How much longer than its length a waited stretch may take before the
// device counts as stalled and the wait ends anyway.
constexpr auto kStallMargin = 1000ms;
} // namespace

FileSound::FileSound(std::unique_ptr<WaveReader> reader) : m_reader(std::move(reader)) {}

FileSound::~FileSound()
{
    m_link.reset();
}

qint64 FileSound::lengthMs()
{
    return msForFrames(m_reader->frames(), m_reader->rate());
}

qint64 FileSound::positionMs()
{
    goSilentIfDeviceLost();
    std::lock_guard lock(m_mutex);
    advanceSilently();
    return msForFrames(m_next, m_reader->rate());
}

QString FileSound::mode()
{
    goSilentIfDeviceLost();
    std::lock_guard lock(m_mutex);
    advanceSilently();
    return m_playing ? QStringLiteral("playing") : QStringLiteral("stopped");
}

void FileSound::stop()
{
    {
        std::lock_guard lock(m_mutex);
        advanceSilently();
        m_playing = false;
    }
    m_link.reset();
}

void FileSound::releaseIdleDevice()
{
    if (!m_link)
        return;
    bool idle = false;
    {
        std::lock_guard lock(m_mutex);
        idle = !m_playing && SteadyClock::now() - m_endedAt >= 2 * m_link->bufferTime() + kIdleDeviceTime;
    }
    if (idle)
        m_link.reset(); // never with m_mutex held: closing waits for the audio thread
}

void FileSound::play(qint64 fromMs, qint64 toMs, bool wait)
{
    goSilentIfDeviceLost();
    const int rate = m_reader->rate();
    const qint64 to = std::min(framesForMs(toMs, rate), m_reader->frames());
    const qint64 from = std::min(framesForMs(fromMs, rate), to);
    {
        std::lock_guard lock(m_mutex);
        m_reader->seek(from);
        m_next = from;
        m_end = to;
        m_playing = from < to;
        m_silentFrom = from;
        m_silentStart = SteadyClock::now();
    }
    if (from == to)
        return;
    if (!m_link) {
        m_link = SdlAudioLink::open(SdlAudioLink::Direction::Output, AUDIO_F32SYS, rate,
                                    m_reader->channels(),
                                    [this](Uint8 *bytes, int length) { fill(bytes, length); });
        if (!m_link) {
            std::lock_guard lock(m_mutex);
            m_silentStart = SteadyClock::now();
        }
    }
    if (wait) {
        auto longest = std::chrono::milliseconds(msForFrames(to - from, rate)) + kStallMargin;
        if (m_link)
            longest += 2 * m_link->bufferTime();
        waitUntilPlayedOut(SteadyClock::now() + longest);
    }
}

void FileSound::fill(Uint8 *bytes, int length)
{
    std::lock_guard lock(m_mutex);
    const int frameBytes = int(sizeof(float)) * m_reader->channels();
    qint64 got = 0;
    if (m_playing) {
        const qint64 wanted = std::min<qint64>(length / frameBytes, m_end - m_next);
        got = std::max<qint64>(0, m_reader->read(reinterpret_cast<float *>(bytes), wanted));
        m_next = got < wanted ? m_end : m_next + got; // a file shorter than its header ends here
        if (m_next >= m_end) {
            m_playing = false;
            m_endedAt = SteadyClock::now();
            m_ended.notify_all();
        }
    }
    std::memset(bytes + got * frameBytes, 0, size_t(length - got * frameBytes));
}

void FileSound::advanceSilently()
{
    if (m_link || !m_playing)
        return;
    m_next = std::min(m_end, m_silentFrom + framesSince(m_silentStart, m_reader->rate()));
    m_playing = m_next < m_end;
}

void FileSound::goSilentIfDeviceLost()
{
    if (!m_link || !m_link->lost())
        return;
    m_link.reset();
    std::lock_guard lock(m_mutex);
    m_silentFrom = m_next;
    m_silentStart = SteadyClock::now();
}

void FileSound::waitUntilPlayedOut(SteadyClock::time_point giveUpAt)
{
    for (;;) {
        goSilentIfDeviceLost();
        std::unique_lock lock(m_mutex);
        advanceSilently();
        if (!m_playing)
            break;
        const auto now = SteadyClock::now();
        if (now >= giveUpAt) {
            m_playing = false;
            m_endedAt = now;
            break;
        }
        if (m_link) {
            // Woken by the audio thread; the timeout only notices a lost device.
            m_ended.wait_until(lock, std::min(giveUpAt, now + 200ms), [this] { return !m_playing; });
        } else {
            const auto rest = std::chrono::milliseconds(
                msForFrames(m_end - m_next, m_reader->rate()) + 1);
            lock.unlock();
            std::this_thread::sleep_until(std::min(giveUpAt, now + rest));
        }
    }
    if (m_link) {
        // The last frames are still in the device's buffers.
        std::chrono::steady_clock::time_point endedAt;
        {
            std::lock_guard lock(m_mutex);
            endedAt = m_endedAt;
        }
        std::this_thread::sleep_until(endedAt + 2 * m_link->bufferTime());
    }
}
