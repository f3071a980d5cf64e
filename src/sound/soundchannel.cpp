#include "sound/soundchannel.h"

#include "core/timesource.h"
#include "sound/soundcommand.h"
#include "sound/sounddevice.h"
#include "timetext/leadingdecimal.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

const char kAlias[] = "myalarmsound";

QString channelCommand(const char *format)
{
    return QString::asprintf(format, kAlias);
}

} // namespace

SoundChannel::SoundChannel(SoundDevice &device, TimeSource &time, QObject *parent)
    : QObject(parent)
    , m_device(device)
    , m_time(time)
{
}

void SoundChannel::startChannelSound(const ChannelSound &sound)
{
    ChannelSound waiting = sound;
    if (waiting.ringing.isEmpty())
        waiting.ringing = QFileInfo(sound.path).fileName();
    if (waiting.dueAt == 0)
        waiting.dueAt = m_time.now();
    m_waiting.push_back(std::move(waiting));
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
    const ChannelSound &next = m_waiting.front();
    const QString open =
        QString("open %1 type waveaudio alias %2 buffer 6 ").arg(SoundCommand::quoted(next.path), kAlias);
    const int refused = m_device.send(open);
    if (refused && ++m_attempts < kOpenAttempts) {
        m_time.callAfter(next.retryPauseMs, this, [this] { tryOpen(); });
        return;
    }
    const ChannelSound sound = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_opening = false;
    if (const int error = refused ? refused : play(sound)) {
        emit soundLost("Could not play " + sound.path, sound.ringing + ". " + m_device.errorText(error));
        startNext();
    }
}

int SoundChannel::play(const ChannelSound &sound)
{
    int error = m_device.send(channelCommand("set %s time format ms wait"));
    int lengthMs = -1;
    if (!error && sound.showPosition) {
        QString length;
        error = m_device.send(channelCommand("status %s length wait"), &length);
        lengthMs = leadingDecimal(length);
    }
    if (!error)
        error = m_device.send(channelCommand("play %s "));
    if (error) {
        m_device.send(channelCommand("close %s wait"));
        return error;
    }
    m_active = true;
    m_lengthMs = lengthMs;
    emit ringingStarted(sound.ringing, sound.stopCaption, lengthMs, sound.notice);
    return 0;
}

// Ringing long after its time would only confuse: such a sound is reported instead.
void SoundChannel::dropOverdue()
{
    const qint64 now = m_time.now();
    const auto overdue = [now](const ChannelSound &sound) { return now - sound.dueAt > kLongestWaitSeconds; };
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
    emit ringingEnded();
    const int error = m_device.send(channelCommand("close %s wait"));
    // Before the report: a sound coming due meanwhile must not go first.
    startNext();
    if (error)
        emit deviceFailed(m_device.errorText(error));
}

void SoundChannel::trackChannelPosition()
{
    QString position;
    if (m_following && m_device.send(channelCommand("status %s position wait"), &position) == 0)
        emit positionChanged(leadingDecimal(position));
}

void SoundChannel::stopChannelSound()
{
    m_device.send(channelCommand("stop %s wait"));
}

void SoundChannel::holdPosition()
{
    m_following = false;
}

QString SoundChannel::seek(int positionMs)
{
    m_following = true;
    if (!m_active)
        return {};
    const int from = positionMs >= m_lengthMs ? 0 : positionMs;
    const int error = m_device.send(QString("play %1 from %2").arg(kAlias).arg(from));
    return error ? m_device.errorText(error) : QString();
}
