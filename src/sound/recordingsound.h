#pragma once

#include "sound/aliassound.h"
#include "sound/recordingformat.h"
#include "sound/sdlaudiolink.h"

#include <QByteArray>

#include <memory>
#include <mutex>

// A new recording opened under an alias. Recording opens the default input
// device until stopped; without one it records silence in real time.
// Position and length are both the recorded time.
class RecordingSound final : public AliasSound
{
public:
    ~RecordingSound() override;

    qint64 lengthMs() override;
    qint64 positionMs() override { return lengthMs(); }
    QString mode() override;
    void stop() override;

    const RecordingFormat &format() const { return m_format; }
    // False for a change once anything has been recorded: the frames would not match.
    bool setFormat(const RecordingFormat &format);
    // Goes on after what was recorded before.
    void record();
    bool save(const QString &path, QString *reason);

private:
    void take(const Uint8 *bytes, int length); // on the audio thread
    void addSilence();                         // with m_mutex held
    void goSilentIfDeviceLost();

    RecordingFormat m_format;
    std::mutex m_mutex;
    // Guarded by m_mutex.
    QByteArray m_frames;
    bool m_recording = false;
    // Without a device: when silent recording started and how much was added.
    std::chrono::steady_clock::time_point m_silentStart;
    qint64 m_silentFrames = 0;
    // Main thread only; destroyed first.
    std::unique_ptr<SdlAudioLink> m_link;
};
