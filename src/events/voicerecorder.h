#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class PromptService;
class QLineEdit;
class QPushButton;
class QSlider;
class SoundDevice;

// The add dialog's controls the recorder works with.
struct RecorderControls
{
    QPushButton *recordButton;
    QPushButton *stopButton;
    QPushButton *browseButton;
    QPushButton *playButton;
    QSlider *slider;        // play position, milliseconds
    QLineEdit *positionText;
    QLineEdit *lengthText;
    QLineEdit *fileEdit;    // the wave file the event plays
    QList<QPushButton *> lockedWhileBusy; // Store and Close
};

// Records a spoken reminder (8-bit mono, 11025 Hz) and plays wave files on
// the sound device alias "essound", polling it every 100 ms. Device errors
// are shown with a caption naming the step.
class VoiceRecorder : public QObject
{
    Q_OBJECT

public:
    VoiceRecorder(const RecorderControls &controls, SoundDevice &device, PromptService &prompts,
                  QObject *parent = nullptr);

    void onRecord();
    void onStop();
    void onBrowse();
    void onPlay();
    void onTimer();
    // The dialog is going: a recording or playback still running is
    // dropped and the device given back, so the next opening can use it.
    void shutDown();

    bool busy() const { return m_recording || m_playing; }

private:
    // Opens the file, measures it and shows its length; false when it cannot be opened.
    bool openAndMeasure(const QString &path, const QString &caption);
    void saveRecording();
    void onThumbReleased();
    void lockDialog(bool locked);
    // Sends the command; on failure shows the device's error text under the caption.
    bool send(const QString &command, const QString &caption, QString *reply = nullptr);

    RecorderControls m_controls;
    SoundDevice &m_device;
    PromptService &m_prompts;
    QTimer m_timer;

    bool m_recording = false;
    bool m_playing = false;
    qint64 m_position = 0; // milliseconds
    qint64 m_length = 1;   // of the file last opened
    bool m_fromStart = true; // the next Play starts at 0, not at the slider
    bool m_following = true; // false while the user holds the thumb
};
