#include "voice/saycommand.h"

#include "core/datafiles.h"
#include "timetext/timeofday.h"
#include "voice/timeannouncer.h"
#include "voice/voicetables.h"

#include <QEventLoop>
#include <QTextStream>

namespace {

const char kUsage[] = "usage: chimewise --say HH:MM [--english|--bangla]";

} // namespace

bool isSayCommand(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == "--say";
}

int runSayCommand(const QStringList &arguments, int storedEnglish, SoundDevice &device,
                  QTextStream &err)
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
    voice.loadAtStartUp();
    voice.selectVoiceLanguage(english);
    QEventLoop loop;
    bool spoken = false;
    announceTime(device, voice.current(), time / 60, time % 60,
                 DataFiles::find(kRecordingFile, false), &loop, [&] {
                     spoken = true;
                     loop.quit();
                 });
    if (!spoken)
        loop.exec();
    return 0;
}
