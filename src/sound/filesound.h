#pragma once

#include "sound/aliassound.h"
#include "sound/sdlaudiolink.h"
#include "sound/wavereader.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

// A wave file opened under an alias. Playing opens the default output
// device for as long as the sound lasts; the position is the frames handed
// to the device. Without a device the sound plays silently in real time.
class FileSound final : public AliasSound
{
public:
    explicit FileSound(std::unique_ptr<WaveReader> reader);
    ~FileSound() override;

    qint64 lengthMs() override;
    qint64 positionMs() override;
    QString mode() override;
    void stop() override;
    void releaseIdleDevice() override;

    // Plays the stretch fromMs..toMs, both within the length, in place of
    // whatever plays. With wait it returns once the last frame has left the
    // device, or once a stalled device has had the stretch's length and a margin.
    void play(qint64 fromMs, qint64 toMs, bool wait);

    // Plays the stretch right after those queued before it, without a gap,
    // or at once when nothing plays. Returns its number for untilHeard().
    qint64 queue(qint64 fromMs, qint64 toMs);
    // How long until the queued stretch has been heard to its end: zero once
    // it has, or once it was stopped or replaced.
    std::chrono::milliseconds untilHeard(qint64 number);

private:
    struct Stretch
    {
        qint64 number = 0; // 0: not queued
        qint64 from = 0;   // frames
        qint64 to = 0;
    };

    Stretch framesOf(qint64 fromMs, qint64 toMs) const;
    void start(const Stretch &stretch);
    void fill(Uint8 *bytes, int length); // on the audio thread
    // With m_mutex held: the playing stretch has ended at that moment; the next queued one follows.
    void endStretch(std::chrono::steady_clock::time_point at);
    void dropQueued();                   // with m_mutex held
    void advanceSilently();              // with m_mutex held
    void goSilentIfDeviceLost();
    void waitUntilPlayedOut(std::chrono::steady_clock::time_point giveUpAt);
    std::chrono::milliseconds latency() const;

    const std::unique_ptr<WaveReader> m_reader;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    // Guarded by m_mutex: the next frame to hand out and the stretch's end.
    qint64 m_next = 0;
    qint64 m_end = 0;
    bool m_playing = false;
    std::chrono::steady_clock::time_point m_endedAt;
    // Queued stretches: the one playing, those after it, the newest that has ended.
    qint64 m_playingNumber = 0;
    std::deque<Stretch> m_queued;
    qint64 m_endedNumber = 0;
    qint64 m_lastNumber = 0;
    // Without a device: the frame and moment silent playing started from.
    qint64 m_silentFrom = 0;
    std::chrono::steady_clock::time_point m_silentStart;
    // Touched on the main thread only; destroyed first, so the audio
    // thread is gone before anything it uses.
    std::unique_ptr<SdlAudioLink> m_link;
};
