#include "app/channelcontrols.h"

#include "core/promptservice.h"
#include "sound/soundchannel.h"

#include <QPushButton>
#include <QSlider>

ChannelControls::ChannelControls(SoundChannel &channel, QPushButton *stopButton, QSlider *slider,
                                 PromptService &prompts, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
    , m_stopButton(stopButton)
    , m_slider(slider)
    , m_prompts(prompts)
{
    connect(&m_channel, &SoundChannel::ringingStarted, this,
            [this](const QString &, const QString &stopCaption, int lengthMs) { onStarted(stopCaption, lengthMs); });
    connect(&m_channel, &SoundChannel::ringingEnded, this, [this] {
        m_stopButton->hide();
        m_slider->hide();
    });
    connect(&m_channel, &SoundChannel::positionChanged, m_slider, &QSlider::setValue);
    connect(m_stopButton, &QPushButton::clicked, &m_channel, &SoundChannel::stopChannelSound);
    connect(m_slider, &QSlider::sliderPressed, &m_channel, &SoundChannel::holdPosition);
    connect(m_slider, &QSlider::sliderReleased, this, &ChannelControls::onThumbReleased);
}

void ChannelControls::onStarted(const QString &stopCaption, int lengthMs)
{
    m_stopButton->setText(stopCaption);
    m_stopButton->show();
    if (lengthMs >= 0) {
        m_slider->setRange(0, lengthMs);
        m_slider->show();
    }
}

// Playback goes on from where the thumb was let go.
void ChannelControls::onThumbReleased()
{
    const QString error = m_channel.seek(m_slider->value());
    if (!error.isEmpty())
        m_prompts.messageBox(error, tr("Playing "), PromptService::Buttons::Ok, PromptService::Icon::Error);
}
