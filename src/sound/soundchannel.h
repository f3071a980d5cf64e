#pragma once

#include <QObject>
#include <QString>

class PromptService;
class QPushButton;
class QSlider;
class SoundDevice;
class TimeSource;

// The one playback channel that alarms, the prayer call and reminders share,
// on the alias "myalarmsound". While a sound plays the dialog shows the Stop
// button and, when asked, a slider that follows and seeks the sound.
class SoundChannel : public QObject
{
    Q_OBJECT

public:
    SoundChannel(SoundDevice &device, TimeSource &time, PromptService &prompts,
                  QPushButton *stopButton, QSlider *positionSlider, QObject *parent = nullptr);

    // Opens and plays the file, retrying a refused open after a pause (at
    // most ten opens); false when the sound was dropped. `ringing` says what
    // rings ("Alarm 3 — 07:00 AM"); by default the file's name.
    bool startChannelSound(const QString &path, const QString &stopCaption, int retryPauseMs,
                           bool showPosition, const QString &ringing = QString());

    // Closes the channel once its sound no longer plays.
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

private:
    void onThumbPressed();
    void onThumbReleased();
    void hideControls();

    SoundDevice &m_device;
    TimeSource &m_time;
    PromptService &m_prompts;
    QPushButton *m_stopButton;
    QSlider *m_slider;
    bool m_active = false;
    bool m_following = true;
};
