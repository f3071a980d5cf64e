#include "sound/soundchannel.h"

#include "core/promptservice.h"
#include "sound/soundcommand.h"
#include "sound/sounddevice.h"
#include "core/timesource.h"
#include "timetext/leadingdecimal.h"

#include <QFileInfo>
#include <QPushButton>
#include <QSlider>
#include <QStringList>

#include <algorithm>

namespace {

const char kAlias[] = "myalarmsound";

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

void SoundChannel::startChannelSound(const QString &path, const QString &stopCaption,
                                      int retryPauseMs, bool showPosition, const QString &ringing)
{
    m_waiting.push_back({path, stopCaption, retryPauseMs, showPosition,
                         ringing.isEmpty() ? QFileInfo(path).fileName() : ringing, m_time.now()});
    startNext();
}

void SoundChannel::startNext()
{
    dropOverdue();
    if (m_active || m_opening || m_waiting.empty())
        return;
    m_opening = true;
    m_attempts = 0;
    tryOpen();
}

void SoundChannel::tryOpen()
{
    const Sound &next = m_waiting.front();
    const QString open =
        QString("open %1 type waveaudio alias %2 buffer 6 ").arg(SoundCommand::quoted(next.path), kAlias);
    const int refused = m_device.send(open);
    if (refused && ++m_attempts < kOpenAttempts) {
        m_time.callAfter(next.retryPauseMs, this, [this] { tryOpen(); });
        return;
    }
    const Sound sound = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_opening = false;
    if (const int error = refused ? refused : play(sound)) {
        emit soundLost("Could not play " + sound.path,
                       sound.ringing + ". " + m_device.errorText(error));
        startNext();
    }
}

int SoundChannel::play(const Sound &sound)
{
    int error = m_device.send(channelCommand("set %s time format ms wait"));
    if (!error && sound.showPosition) {
        QString length;
        error = m_device.send(channelCommand("status %s length wait"), &length);
        if (!error)
            m_slider->setRange(0, leadingDecimal(length));
    }
    if (!error)
        error = m_device.send(channelCommand("play %s "));
    if (error) {
        m_device.send(channelCommand("close %s wait"));
        return error;
    }
    m_active = true;
    m_stopButton->setText(sound.stopCaption);
    m_stopButton->show();
    if (sound.showPosition)
        m_slider->show();
    emit ringingStarted(sound.ringing);
    return 0;
}

// Ringing long after its time would only confuse: such a sound is reported instead.
void SoundChannel::dropOverdue()
{
    const qint64 now = m_time.now();
    const auto overdue = [now](const Sound &sound) { return now - sound.dueAt > kLongestWaitSeconds; };
    // The sound being opened has its turn already.
    const auto first = m_waiting.begin() + (m_opening ? 1 : 0);
    QStringList missed;
    for (auto sound = first; sound != m_waiting.end(); ++sound) {
        if (overdue(*sound))
            missed << sound->ringing;
    }
    m_waiting.erase(std::remove_if(first, m_waiting.end(), overdue), m_waiting.end());
    for (const QString &what : missed)
        emit soundLost("Missed: " + what, "Another sound rang for more than 10 minutes after it was due.");
}

void SoundChannel::pollChannel()
{
    QString mode;
    if (m_device.send(channelCommand("status %s mode wait"), &mode) == 0 && mode == "playing") {
        dropOverdue();
        return;
    }
    m_active = false;
    hideControls();
    emit ringingEnded();
    const int error = m_device.send(channelCommand("close %s wait"));
    const QString closeError = error ? m_device.errorText(error) : QString();
    // Before the message: a sound coming due while it shows must not go first.
    startNext();
    if (error)
        m_prompts.messageBox(closeError, "Chimewise", PromptService::Buttons::Ok, PromptService::Icon::Error);
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
