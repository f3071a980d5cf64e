#include "voice/saycommand.h"

#include "core/datafiles.h"
#include "sound/soundcommand.h"
#include "sound/sounddevice.h"
#include "timetext/leadingdecimal.h"
#include "timetext/timeofday.h"
#include "voice/timeannouncer.h"
#include "voice/voicetables.h"

#include <QEventLoop>
#include <QTextStream>

#include <variant>

namespace {

const char kUsage[] = "usage: chimewise --say HH:MM [--english|--bangla]";
const char kCheckAlias[] = "saycheck";

// The recording's length in ms, or what the device says is wrong with it.
std::variant<qint64, QString> recordingLength(SoundDevice &device, const QString &path)
{
    const QString open =
        QString("open %1 type waveaudio alias %2 wait").arg(SoundCommand::quoted(path), kCheckAlias);
    if (const int code = device.send(open))
        return device.errorText(code);
    QString length;
    const int code = device.send(QString("status %1 length wait").arg(kCheckAlias), &length);
    device.send(QString("close %1 wait").arg(kCheckAlias));
    if (code)
        return device.errorText(code);
    return qint64(leadingDecimal(length));
}

// The first stretch of the table that the recording cannot play, named as
// in the voice definition file; empty when every one can.
QString segmentProblem(const VoiceTable &table, qint64 lengthMs, const QString &recording)
{
    QList<std::pair<QString, VoiceSegment>> named{{"starter", table.starter}};
    auto add = [&named](const char *key, const auto &segments) {
        for (std::size_t i = 0; i < segments.size(); ++i)
            named.append({QString("%1[%2]").arg(key).arg(i), segments[i]});
    };
    add("hour", table.hour);
    add("min", table.min);
    add("zone", table.zone);
    add("ampm", table.ampm);
    for (const auto &[name, segment] : named) {
        const QString stretch =
            QString("%1 %2 (%3 to %4 ms)").arg(table.name, name).arg(segment.from).arg(segment.to);
        if (segment.from < 0 || segment.to < 0)
            return stretch + " has a negative position";
        if (segment.from > segment.to)
            return stretch + " runs backwards";
        if (segment.to > lengthMs)
            return stretch + QString(" ends beyond %1, which lasts %2 ms").arg(recording).arg(lengthMs);
    }
    return {};
}

// Why the language cannot be spoken from the recording, naming the file at
// fault; empty when it can. The clock itself stays silent in these cases.
QString speakingProblem(SoundDevice &device, const VoiceTables &voice, int english,
                        const QString &definition, const QString &recording)
{
    const auto length = recordingLength(device, recording);
    if (const QString *failure = std::get_if<QString>(&length))
        return *failure;
    const QString problem = segmentProblem(voice.language(english), std::get<qint64>(length), recording);
    if (problem.isEmpty())
        return {};
    return (definition.isEmpty() ? QString("the built-in voice") : definition) + ": " + problem;
}

} // namespace

int runSayCommand(const QStringList &arguments, int storedEnglish, SoundDevice &device,
                  QTextStream &err, const QString &recordingPath)
{
    if (arguments.size() < 3 || arguments.size() > 4) {
        err << kUsage << Qt::endl;
        return 2;
    }
    const QString timeText = arguments.at(2);
    const TimeOfDay time = parseTimeOfDay(timeText);
    if (time == kNoTime) {
        err << "chimewise: \"" << timeText << "\" is not a time of day; give HH:MM, e.g. 09:15"
            << Qt::endl;
        return 2;
    }
    int english = storedEnglish;
    if (arguments.size() == 4) {
        if (arguments.at(3) == "--english") {
            english = 1;
        } else if (arguments.at(3) == "--bangla") {
            english = 0;
        } else {
            err << "chimewise: unknown option " << arguments.at(3) << "\n" << kUsage << Qt::endl;
            return 2;
        }
    }

    VoiceTables voice;
    const QString definition = voice.loadAtStartUp();
    const QString recording =
        recordingPath.isEmpty() ? DataFiles::find(kRecordingFile, false) : recordingPath;
    const QString problem = speakingProblem(device, voice, english, definition, recording);
    if (!problem.isEmpty()) {
        err << "chimewise: nothing was spoken: " << problem << Qt::endl;
        return 1;
    }
    voice.selectVoiceLanguage(english);
    QEventLoop loop;
    bool spoken = false;
    announceTime(device, voice.current(), time / 60, time % 60,
                 recording, &loop, [&] {
                     spoken = true;
                     loop.quit();
                 });
    if (!spoken)
        loop.exec();
    return 0;
}
