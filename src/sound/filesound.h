#pragma once

#include "sound/aliassound.h"
#include "sound/sdlaudiolink.h"
#include "sound/wavereader.h"

#include <condition_variable>
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

    // Plays the stretch fromMs..toMs, both within the length. With wait it
    // returns once the last frame has left the device, or once a stalled
    // device has had the stretch's length and a margin.
    void play(qint64 fromMs, qint64 toMs, bool wait);

private:
    void fill(Uint8 *bytes, int length); // on the audio thread
    void advanceSilently();              // with m_mutex held
    void goSilentIfDeviceLost();
    void waitUntilPlayedOut(std::chrono::steady_clock::time_point giveUpAt);

    const std::unique_ptr<WaveReader> m_reader;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    // Guarded by m_mutex: the next frame to hand out and the stretch's end.
    qint64 m_next = 0;
    qint64 m_end = 0;
    bool m_playing = false;
    std::chrono::steady_clock::time_point m_endedAt;
    // Without a device: the frame and moment silent playing started from.
    qint64 m_silentFrom = 0;
    std::chrono::steady_clock::time_point m_silentStart;
    // Touched on the main thread only; destroyed first, so the audio
    // thread is gone before anything it uses.
    std::unique_ptr<SdlAudioLink> m_link;
};
