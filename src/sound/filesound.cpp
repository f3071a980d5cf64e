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
        dropQueued();
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
    {
        std::lock_guard lock(m_mutex);
        dropQueued();
    }
    const Stretch stretch = framesOf(fromMs, toMs);
    start(stretch);
    if (wait && stretch.from < stretch.to) {
        const auto length = std::chrono::milliseconds(msForFrames(stretch.to - stretch.from, m_reader->rate()));
        waitUntilPlayedOut(SteadyClock::now() + length + kStallMargin + latency());
    }
}

qint64 FileSound::queue(qint64 fromMs, qint64 toMs)
{
    goSilentIfDeviceLost();
    Stretch stretch = framesOf(fromMs, toMs);
    {
        std::lock_guard lock(m_mutex);
        stretch.number = ++m_lastNumber;
        advanceSilently();
        if (m_playing) {
            m_queued.push_back(stretch);
            return stretch.number;
        }
    }
    start(stretch);
    return stretch.number;
}

std::chrono::milliseconds FileSound::untilHeard(qint64 number)
{
    goSilentIfDeviceLost();
    std::lock_guard lock(m_mutex);
    advanceSilently();
    if (number <= m_endedNumber) {
        const auto rest = std::chrono::ceil<std::chrono::milliseconds>(m_endedAt + latency() - SteadyClock::now());
        return std::max(rest, 0ms);
    }
    qint64 frames = m_end - m_next;
    for (const Stretch &stretch : m_queued) {
        if (stretch.number > number)
            break;
        frames += stretch.to - stretch.from;
    }
    return std::chrono::milliseconds(msForFrames(frames, m_reader->rate()) + 1) + latency();
}

FileSound::Stretch FileSound::framesOf(qint64 fromMs, qint64 toMs) const
{
    const int rate = m_reader->rate();
    const qint64 to = std::min(framesForMs(toMs, rate), m_reader->frames());
    return {0, std::min(framesForMs(fromMs, rate), to), to};
}

void FileSound::start(const Stretch &stretch)
{
    {
        std::lock_guard lock(m_mutex);
        m_reader->seek(stretch.from);
        m_next = stretch.from;
        m_end = stretch.to;
        m_playingNumber = stretch.number;
        m_playing = true;
        if (stretch.from == stretch.to)
            endStretch(SteadyClock::now());
        m_silentFrom = stretch.from;
        m_silentStart = SteadyClock::now();
    }
    if (stretch.from == stretch.to || m_link)
        return;
    m_link = SdlAudioLink::open(SdlAudioLink::Direction::Output, AUDIO_F32SYS, m_reader->rate(),
                                m_reader->channels(),
                                [this](Uint8 *bytes, int length) { fill(bytes, length); });
    if (!m_link) {
        std::lock_guard lock(m_mutex);
        m_silentStart = SteadyClock::now();
    }
}

void FileSound::fill(Uint8 *bytes, int length)
{
    std::lock_guard lock(m_mutex);
    const int channels = m_reader->channels();
    const qint64 frames = length / (int(sizeof(float)) * channels);
    auto *samples = reinterpret_cast<float *>(bytes);
    qint64 got = 0;
    // Queued stretches follow each other within one buffer.
    while (m_playing && got < frames) {
        const qint64 wanted = std::min(frames - got, m_end - m_next);
        const qint64 read = std::max<qint64>(0, m_reader->read(samples + got * channels, wanted));
        got += read;
        m_next = read < wanted ? m_end : m_next + read; // a file shorter than its header ends here
        if (m_next >= m_end)
            endStretch(SteadyClock::now());
    }
    std::memset(samples + got * channels, 0, size_t((frames - got) * channels) * sizeof(float));
}

void FileSound::endStretch(SteadyClock::time_point at)
{
    for (;;) {
        m_endedNumber = std::max(m_endedNumber, m_playingNumber);
        m_endedAt = at;
        if (m_queued.empty()) {
            m_playing = false;
            m_ended.notify_all();
            return;
        }
        const Stretch next = m_queued.front();
        m_queued.pop_front();
        m_reader->seek(next.from);
        m_next = next.from;
        m_end = next.to;
        m_playingNumber = next.number;
        if (next.from < next.to)
            return;
    }
}

// What was queued counts as heard: nobody waits for a stretch that will never play.
void FileSound::dropQueued()
{
    m_queued.clear();
    m_endedNumber = m_lastNumber;
}

void FileSound::advanceSilently()
{
    if (m_link || !m_playing)
        return;
    const int rate = m_reader->rate();
    for (;;) {
        const qint64 reached = m_silentFrom + framesSince(m_silentStart, rate);
        if (reached < m_end) {
            m_next = reached;
            return;
        }
        // The next queued stretch began the moment this one ran out.
        const auto endedAt = m_silentStart + std::chrono::microseconds((m_end - m_silentFrom) * 1000000 / rate);
        m_next = m_end;
        endStretch(endedAt);
        if (!m_playing)
            return;
        m_silentFrom = m_next;
        m_silentStart = endedAt;
    }
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
            dropQueued();
            endStretch(now);
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
        std::this_thread::sleep_until(endedAt + latency());
    }
}

std::chrono::milliseconds FileSound::latency() const
{
    return m_link ? 2 * m_link->bufferTime() : 0ms;
}
