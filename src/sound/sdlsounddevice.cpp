#include "sound/sdlsounddevice.h"

#include "sound/filesound.h"
#include "sound/recordingsound.h"
#include "sound/soundcommand.h"
#include "sound/wavereader.h"

#include <algorithm>

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

namespace {
constexpr auto kWaitMargin = 2s;
} // namespace

SdlSoundDevice::SdlSoundDevice()
{
    m_waitTimer.setSingleShot(true);
    m_waitTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_waitTimer, &QTimer::timeout, &m_waitTimer, [this] { endWaits(); });
}

SdlSoundDevice::~SdlSoundDevice() = default;

int SdlSoundDevice::send(const QString &command, QString *reply)
{
    if (reply)
        reply->clear();
    SoundCommand parsed;
    if (const int error = parse(command, parsed))
        return error;
    return run(parsed, reply);
}

int SdlSoundDevice::sendAndNotify(const QString &command, QObject *context, std::function<void()> ended)
{
    SoundCommand parsed;
    if (const int error = parse(command, parsed))
        return error;
    const auto found = m_aliases.find(parsed.alias.toLower());
    auto *file = parsed.verb == SoundCommand::Verb::Play && parsed.wait && found != m_aliases.end()
                     ? dynamic_cast<FileSound *>(found->second.get())
                     : nullptr;
    if (!file) {
        // Nothing to wait for beyond the command itself.
        const int code = run(parsed, nullptr);
        if (code == 0)
            QTimer::singleShot(0, context, std::move(ended));
        return code;
    }
    qint64 from = 0;
    qint64 to = 0;
    if (const int error = stretch(parsed, *file, from, to))
        return error;
    const qint64 number = file->queue(from, to);
    const auto deadline = SteadyClock::now() + file->untilHeard(number) + kWaitMargin;
    m_waiting.push_back({found->first, number, deadline, context, std::move(ended)});
    endWaitsSoon();
    return 0;
}

QString SdlSoundDevice::errorText(int code) const
{
    return m_errorTexts.value(code, QStringLiteral("The sound device knows no error %1").arg(code));
}

int SdlSoundDevice::parse(const QString &command, SoundCommand &parsed)
{
    for (auto &[alias, sound] : m_aliases)
        sound->releaseIdleDevice();
    const auto taken = SoundCommand::parse(command);
    if (!taken) {
        return fail(CommandNotUnderstood,
                    QStringLiteral("The command \"%1\" is not understood").arg(command.trimmed()));
    }
    parsed = *taken;
    return 0;
}

int SdlSoundDevice::run(const SoundCommand &command, QString *reply)
{
    using Verb = SoundCommand::Verb;
    if (command.verb == Verb::Open)
        return open(command);

    const auto found = m_aliases.find(command.alias.toLower());
    if (found == m_aliases.end())
        return fail(AliasNotOpen, QStringLiteral("The alias %1 is not open").arg(command.alias));
    AliasSound &sound = *found->second;

    switch (command.verb) {
    case Verb::Set:
        return set(command, sound);
    case Verb::Status:
        return status(command, sound, reply);
    case Verb::Play:
        return play(command, sound);
    case Verb::Record:
        return record(command, sound);
    case Verb::Stop:
        sound.stop();
        endWaitsSoon();
        return 0;
    case Verb::Save:
        return save(command, sound);
    case Verb::Close:
        return close(found);
    case Verb::Open: // taken before the alias is looked up
        break;
    }
    return 0;
}

int SdlSoundDevice::open(const SoundCommand &command)
{
    const QString key = command.alias.toLower();
    if (m_aliases.count(key))
        return fail(AliasAlreadyOpen, QStringLiteral("The alias %1 is already open").arg(command.alias));

    if (command.newRecording) {
        m_aliases.emplace(key, std::make_unique<RecordingSound>());
        return 0;
    }
    QString reason;
    auto reader = WaveReader::open(command.path, &reason);
    if (!reader) {
        return fail(FileUnreadable, QStringLiteral("The file %1 cannot be read as wave audio: %2")
                                        .arg(command.path, reason));
    }
    m_aliases.emplace(key, std::make_unique<FileSound>(std::move(reader)));
    return 0;
}

int SdlSoundDevice::set(const SoundCommand &command, AliasSound &sound)
{
    // Every time is in milliseconds already; only a recording's format can change.
    if (!command.bitsPerSample && !command.channels && !command.samplesPerSecond)
        return 0;
    auto *recording = dynamic_cast<RecordingSound *>(&sound);
    if (!recording) {
        return fail(NotPossibleForAlias,
                    QStringLiteral("The alias %1 plays a file, whose format cannot be set")
                        .arg(command.alias));
    }
    RecordingFormat format = recording->format();
    format.bitsPerSample = command.bitsPerSample.value_or(format.bitsPerSample);
    format.channels = command.channels.value_or(format.channels);
    format.samplesPerSecond = command.samplesPerSecond.value_or(format.samplesPerSecond);
    if (!format.isSupported()) {
        return fail(FormatNotSupported,
                    QStringLiteral("The recording format of %1 is not supported: use 8 or 16 bits "
                                   "per sample, 1 or 2 channels and 1000 to 192000 samples per second")
                        .arg(command.alias));
    }
    if (!recording->setFormat(format)) {
        return fail(NotPossibleForAlias,
                    QStringLiteral("The format of %1 cannot change once recording has begun")
                        .arg(command.alias));
    }
    return 0;
}

int SdlSoundDevice::status(const SoundCommand &command, AliasSound &sound, QString *reply)
{
    QString answer;
    switch (command.item) {
    case SoundCommand::Item::Length:
        answer = QString::number(sound.lengthMs());
        break;
    case SoundCommand::Item::Position:
        answer = QString::number(sound.positionMs());
        break;
    case SoundCommand::Item::Mode:
    case SoundCommand::Item::None:
        answer = sound.mode();
        break;
    }
    if (reply)
        *reply = answer;
    return 0;
}

int SdlSoundDevice::play(const SoundCommand &command, AliasSound &sound)
{
    auto *file = dynamic_cast<FileSound *>(&sound);
    if (!file) {
        return fail(NotPossibleForAlias,
                    QStringLiteral("The alias %1 holds a recording; save it and open the file to play it")
                        .arg(command.alias));
    }
    qint64 from = 0;
    qint64 to = 0;
    if (const int error = stretch(command, *file, from, to))
        return error;
    file->play(from, to, command.wait);
    endWaitsSoon(); // a play in place of queued ones ends their waits
    return 0;
}

// The stretch a play names, in milliseconds, checked against the file's length.
int SdlSoundDevice::stretch(const SoundCommand &command, FileSound &file, qint64 &from, qint64 &to)
{
    const qint64 length = file.lengthMs();
    for (const auto &bound : {command.from, command.to}) {
        if (bound && *bound > length) {
            return fail(PositionOutOfRange,
                        QStringLiteral("The position %1 lies beyond the end of %2 (%3 ms)")
                            .arg(QString::number(*bound), command.alias,
                                 QString::number(length)));
        }
    }
    // Without a start it goes on from where it stands, or from the start once at the end.
    const qint64 here = file.positionMs();
    from = command.from.value_or(here < length ? here : 0);
    to = command.to.value_or(length);
    if (from > to) {
        return fail(PositionOutOfRange,
                    QStringLiteral("The stretch of %1 from %2 to %3 ms runs backwards")
                        .arg(command.alias, QString::number(from), QString::number(to)));
    }
    return 0;
}

int SdlSoundDevice::record(const SoundCommand &command, AliasSound &sound)
{
    auto *recording = dynamic_cast<RecordingSound *>(&sound);
    if (!recording) {
        return fail(NotPossibleForAlias,
                    QStringLiteral("The alias %1 plays a file and cannot record; open new to record")
                        .arg(command.alias));
    }
    recording->record();
    return 0;
}

int SdlSoundDevice::save(const SoundCommand &command, AliasSound &sound)
{
    auto *recording = dynamic_cast<RecordingSound *>(&sound);
    if (!recording) {
        return fail(NotPossibleForAlias,
                    QStringLiteral("The alias %1 plays a file; only a recording can be saved")
                        .arg(command.alias));
    }
    QString reason;
    if (!recording->save(command.path, &reason)) {
        return fail(SaveFailed, QStringLiteral("The recording cannot be saved to %1: %2")
                                    .arg(command.path, reason));
    }
    return 0;
}

// Whoever waits on the alias is told at once: nothing of it will play.
int SdlSoundDevice::close(std::map<QString, std::unique_ptr<AliasSound>>::iterator alias)
{
    for (Waiting &waiting : m_waiting) {
        if (waiting.alias == alias->first)
            waiting.alias.clear();
    }
    m_aliases.erase(alias);
    endWaitsSoon();
    return 0;
}

void SdlSoundDevice::endWaitsSoon()
{
    if (!m_waiting.empty())
        m_waitTimer.start(0);
}

void SdlSoundDevice::endWaits()
{
    std::vector<Waiting> ended;
    auto soonest = std::chrono::milliseconds::max();
    const auto now = SteadyClock::now();
    for (auto waiting = m_waiting.begin(); waiting != m_waiting.end();) {
        const auto found = m_aliases.find(waiting->alias);
        auto *file = found == m_aliases.end() ? nullptr : dynamic_cast<FileSound *>(found->second.get());
        const auto untilDeadline = std::chrono::ceil<std::chrono::milliseconds>(waiting->deadline - now);
        const auto toHear = file && untilDeadline > 0ms ? file->untilHeard(waiting->number) : 0ms;
        const auto rest = std::min(toHear, untilDeadline);
        if (rest > 0ms) {
            soonest = std::min(soonest, rest);
            ++waiting;
        } else {
            ended.push_back(std::move(*waiting));
            waiting = m_waiting.erase(waiting);
        }
    }
    if (!m_waiting.empty())
        m_waitTimer.start(soonest);
    // Last, as an end may send the next command.
    for (Waiting &waiting : ended) {
        if (waiting.context)
            waiting.ended();
    }
}

int SdlSoundDevice::fail(Error code, const QString &text)
{
    m_errorTexts.insert(code, text);
    return code;
}
