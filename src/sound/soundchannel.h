#pragma once

#include <QObject>
#include <QString>

#include <deque>

class SoundDevice;
class TimeSource;

// A sound for the channel: what plays, what the Stop button then says, and
// what rings, as the notification names it.
struct ChannelSound
{
    QString path;
    QString stopCaption;
    int retryPauseMs = 1000; // between refused opens
    bool showPosition = false; // a slider follows and seeks the sound
    QString ringing;         // "Alarm 3 — 07:00 AM"; empty: the file's name
    qint64 dueAt = 0;        // calendar seconds it came due; 0: now
    bool notice = true;      // the desktop is told what rings; false: its owner tells it
};

// The one playback channel that alarms, the prayer call and reminders share,
// on the alias "myalarmsound". Sounds take turns in the order they came due,
// and nothing here waits on the thread. It owns no widget: it says what it
// plays, and the window's Stop button and slider follow.
class SoundChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int kOpenAttempts = 10;
    // A sound still waiting for its turn this long after it came due is missed.
    static constexpr qint64 kLongestWaitSeconds = 600;

    SoundChannel(SoundDevice &device, TimeSource &time, QObject *parent = nullptr);

    // Plays the sound once the sounds before it are done. A refused open is
    // tried again after the pause, at most kOpenAttempts opens in all.
    void startChannelSound(const ChannelSound &sound);

    // Closes the channel once its sound no longer plays; the next sound then starts.
    void pollChannel();
    // Tells where the sound is, unless the user holds the slider's thumb.
    void trackChannelPosition();
    void stopChannelSound();
    // While the user holds the slider's thumb, the position is not told.
    void holdPosition();
    // Plays on from there (at the very end, from the start); the device's
    // error text, or empty.
    QString seek(int positionMs);

    bool active() const { return m_active; }
    bool following() const { return m_following; }

signals:
    // Once a sound plays. lengthMs: the slider's range, or -1 for no slider.
    void ringingStarted(const QString &what, const QString &stopCaption, int lengthMs, bool notice);
    // Once the channel is closed after it.
    void ringingEnded();
    void positionChanged(int positionMs);
    // A sound that will not be heard: it could not be played or waited too long.
    void soundLost(const QString &summary, const QString &detail);
    // The device would not close the ended sound.
    void deviceFailed(const QString &errorText);

private:
    void startNext();
    void tryOpen();
    // 0 once the opened sound plays; otherwise the error, the channel closed again.
    int play(const ChannelSound &sound);
    void dropOverdue();

    SoundDevice &m_device;
    TimeSource &m_time;
    std::deque<ChannelSound> m_waiting;
    bool m_opening = false; // the first waiting sound is between its opens
    int m_attempts = 0;     // its opens so far
    bool m_active = false;
    bool m_following = true;
    int m_lengthMs = 0;
};
