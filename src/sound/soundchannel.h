#pragma once

#include <QObject>
#include <QString>

#include <deque>

class PromptService;
class QPushButton;
class QSlider;
class SoundDevice;
class TimeSource;

// The one playback channel that alarms, the prayer call and reminders share,
// on the alias "myalarmsound". Sounds take turns in the order they came due,
// and nothing here waits on the thread. While a sound plays the dialog shows
// the Stop button and, when asked, a slider that follows and seeks the sound.
class SoundChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int kOpenAttempts = 10;
    // A sound still waiting for its turn this long after it came due is missed.
    static constexpr qint64 kLongestWaitSeconds = 600;

    SoundChannel(SoundDevice &device, TimeSource &time, PromptService &prompts,
                  QPushButton *stopButton, QSlider *positionSlider, QObject *parent = nullptr);

    // Plays the file once the sounds before it are done. A refused open is
    // tried again after the pause, at most kOpenAttempts opens in all.
    // `ringing` says what rings ("Alarm 3 — 07:00 AM"); by default the file's name.
    void startChannelSound(const QString &path, const QString &stopCaption, int retryPauseMs,
                           bool showPosition, const QString &ringing = QString());

    // Closes the channel once its sound no longer plays; the next sound then starts.
    void pollChannel();
    // Moves the slider to the play position.
    void trackChannelPosition();
    void stopChannelSound();

    bool active() const { return m_active; }
    // False while the user holds the slider's thumb.
    bool following() const { return m_following; }

signals:
    // Once a sound plays, and once the channel is closed after it.
    void ringingStarted(const QString &what);
    void ringingEnded();
    // A sound that will not be heard: it could not be played or waited too long.
    void soundLost(const QString &summary, const QString &detail);

private:
    struct Sound
    {
        QString path;
        QString stopCaption;
        int retryPauseMs;
        bool showPosition;
        QString ringing;
        qint64 dueAt; // calendar seconds
    };

    void startNext();
    void tryOpen();
    // 0 once the opened sound plays; otherwise the error, the channel closed again.
    int play(const Sound &sound);
    void dropOverdue();
    void onThumbPressed();
    void onThumbReleased();
    void hideControls();

    SoundDevice &m_device;
    TimeSource &m_time;
    PromptService &m_prompts;
    QPushButton *m_stopButton;
    QSlider *m_slider;
    std::deque<Sound> m_waiting;
    bool m_opening = false; // the first waiting sound is between its opens
    int m_attempts = 0;     // its opens so far
    bool m_active = false;
    bool m_following = true;
};
