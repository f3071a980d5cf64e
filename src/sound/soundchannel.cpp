#include "sound/soundchannel.h"

#include "core/promptservice.h"
#include "sound/soundcommand.h"
#include "sound/sounddevice.h"
#include "core/timesource.h"
#include "timetext/leadingdecimal.h"

#include <QFileInfo>
#include <QPushButton>
#include <QSlider>

namespace {

const char kAlias[] = "myalarmsound";
constexpr int kOpenAttempts = 10;

QString channelCommand(const char *format)
{
    return QString::asprintf(format, kAlias);
}

} // namespace

SoundChannel::SoundChannel(SoundDevice &device, TimeSource &time, PromptService &prompts,
                             QPushButton *stopButton, QSlider *positionSlider, QObject *parent)
    : QObject(parent)
    , m_device(device)
    , m_time(time)
    , m_prompts(prompts)
    , m_stopButton(stopButton)
    , m_slider(positionSlider)
{
    connect(m_stopButton, &QPushButton::clicked, this, &SoundChannel::stopChannelSound);
    connect(m_slider, &QSlider::sliderPressed, this, &SoundChannel::onThumbPressed);
    connect(m_slider, &QSlider::sliderReleased, this, &SoundChannel::onThumbReleased);
}

bool SoundChannel::startChannelSound(const QString &path, const QString &stopCaption,
                                      int retryPauseMs, bool showPosition, const QString &ringing)
{
    const QString open =
        QString("open %1 type waveaudio alias %2 buffer 6 ").arg(SoundCommand::quoted(path), kAlias);
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
        opened = m_device.send(open) == 0;
        if (!opened)
            m_time.sleep(retryPauseMs);
    }
    if (!opened)
        return false;

    bool started = m_device.send(channelCommand("set %s time format ms wait")) == 0;
    if (started && showPosition) {
        QString length;
        started = m_device.send(channelCommand("status %s length wait"), &length) == 0;
        if (started)
            m_slider->setRange(0, leadingDecimal(length));
    }
    if (started)
        started = m_device.send(channelCommand("play %s ")) == 0;
    if (!started) {
        m_device.send(channelCommand("close %s wait"));
        return false;
    }

    m_active = true;
    m_stopButton->setText(stopCaption);
    m_stopButton->show();
    if (showPosition)
        m_slider->show();
    emit ringingStarted(ringing.isEmpty() ? QFileInfo(path).fileName() : ringing);
    return true;
}

void SoundChannel::pollChannel()
{
    QString mode;
    if (m_device.send(channelCommand("status %s mode wait"), &mode) == 0 && mode == "playing")
        return;
    m_active = false;
    hideControls();
    emit ringingEnded();
    if (const int error = m_device.send(channelCommand("close %s wait")))
        m_prompts.messageBox(m_device.errorText(error), "Chimewise", PromptService::Buttons::Ok,
                             PromptService::Icon::Error);
}

void SoundChannel::trackChannelPosition()
{
    QString position;
    if (m_device.send(channelCommand("status %s position wait"), &position) == 0)
        m_slider->setValue(leadingDecimal(position));
}

void SoundChannel::stopChannelSound()
{
    m_device.send(channelCommand("stop %s wait"));
}

void SoundChannel::onThumbPressed()
{
    m_following = false;
}

// Playback goes on from where the thumb was let go; at the very end it starts again.
void SoundChannel::onThumbReleased()
{
    m_following = true;
    if (!m_active)
        return;
    int position = m_slider->value();
    if (position >= m_slider->maximum())
        position = 0;
    const QString play = QString("play %1 from %2").arg(kAlias).arg(position);
    if (const int error = m_device.send(play))
        m_prompts.messageBox(m_device.errorText(error), "Playing ", PromptService::Buttons::Ok,
                             PromptService::Icon::Error);
}

void SoundChannel::hideControls()
{
    m_stopButton->hide();
    m_slider->hide();
}
