#pragma once

#include <QObject>

class PromptService;
class QPushButton;
class QSlider;
class SoundChannel;

// The window's Stop button and position slider follow the sound channel:
// shown while it plays, with the sound's caption and length; Stop stops
// it, and the slider's thumb seeks it.
class ChannelControls : public QObject
{
    Q_OBJECT

public:
    ChannelControls(SoundChannel &channel, QPushButton *stopButton, QSlider *slider, PromptService &prompts,
                    QObject *parent = nullptr);

private:
    void onStarted(const QString &stopCaption, int lengthMs);
    void onThumbReleased();

    SoundChannel &m_channel;
    QPushButton *m_stopButton;
    QSlider *m_slider;
    PromptService &m_prompts;
};
