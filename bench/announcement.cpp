// Speaks one time through the real sound layer while a 10 ms timer runs, and
// prints how long the event loop went without serving it. Under SDL's disk
// driver it also prints the silence the device put between the stretches;
// given what another program played (--played), it prints only that.
//
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/out.raw build/bench_announcement 09:15 --english
//   build/bench_announcement 09:15 --english --played /tmp/say.raw
#include "core/datafiles.h"
#include "sound/sdlsounddevice.h"
#include "sound/wavereader.h"
#include "timetext/timeofday.h"
#include "voice/timeannouncer.h"
#include "voice/voicetables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Where the stretch's samples begin in what the device played, or -1. The
// search starts at the stretch's first sound, since silence matches anywhere.
qint64 findStretch(const QList<float> &played, const QList<float> &stretch, qint64 from)
{
    const qint64 lead = std::find_if(stretch.begin(), stretch.end(), [](float s) { return s != 0.0f; })
                        - stretch.begin();
    const qint64 probe = std::min<qint64>(stretch.size() - lead, 256);
    if (probe <= 0)
        return -1;
    for (qint64 i = from + lead; i + probe <= played.size(); ++i) {
        if (std::equal(stretch.begin() + lead, stretch.begin() + lead + probe, played.begin() + i))
            return i - lead;
    }
    return -1;
}

QList<float> readStretch(WaveReader &reader, const VoiceSegment &segment)
{
    const qint64 from = (qint64(segment.from) * reader.rate() + 500) / 1000;
    const qint64 to = (qint64(segment.to) * reader.rate() + 500) / 1000;
    QList<float> samples(to - from);
    reader.seek(from);
    samples.resize(reader.read(samples.data(), to - from));
    return samples;
}

// The device runs in 32-bit float mono at the recording's rate.
void printSilences(const QString &outPath, const QString &recording, const QList<VoiceSegment> &spoken)
{
    QFile out(outPath);
    if (!out.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = out.readAll();
    QList<float> played(bytes.size() / qsizetype(sizeof(float)));
    std::memcpy(played.data(), bytes.constData(), played.size() * sizeof(float));

    QString reason;
    const auto reader = WaveReader::open(recording, &reason);
    if (!reader) {
        std::printf("cannot read %s: %s\n", qPrintable(recording), qPrintable(reason));
        return;
    }
    std::printf("silence between stretches (ms):");
    qint64 end = -1;
    for (const VoiceSegment &segment : spoken) {
        const QList<float> stretch = readStretch(*reader, segment);
        if (stretch.isEmpty())
            continue;
        const qint64 start = findStretch(played, stretch, std::max<qint64>(0, end));
        if (start < 0) {
            std::printf(" [stretch %d-%d not found]", segment.from, segment.to);
            continue;
        }
        if (end >= 0)
            std::printf(" %.1f", (start - end) * 1000.0 / reader->rate());
        end = start + stretch.size();
    }
    std::printf("\n");
}

} // namespace

// The 10 ms timer's longest wait while the time is spoken.
void measureEventLoop(QCoreApplication &app, const VoiceTable &table, TimeOfDay time, const QString &recording)
{
    SdlSoundDevice device;
    QElapsedTimer clock;
    qint64 last = -1, longest = 0, firings = 0, spokenFrom = -1, spokenTo = -1;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (spokenFrom >= 0 && last >= 0)
            longest = std::max(longest, now - last);
        last = now;
        firings += spokenFrom >= 0;
    });
    clock.start();
    timer.start(10);
    QTimer::singleShot(200, [&] {
        spokenFrom = clock.elapsed();
        announceTime(device, table, time / 60, time % 60, recording, &app, [&] {
            spokenTo = clock.elapsed();
            QTimer::singleShot(100, &app, &QCoreApplication::quit);
        });
    });
    app.exec();
    std::printf("announcement of %02d:%02d took %lld ms\n", time / 60, time % 60, spokenTo - spokenFrom);
    std::printf("longest wait of the 10 ms timer: %lld ms (%lld firings)\n", longest, firings);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const TimeOfDay time = parseTimeOfDay(args.value(1, "09:15"));
    const int english = args.value(2) == "--bangla" ? 0 : 1;
    const QString played = args.value(3) == "--played" ? args.value(4) : QString();
    if (time == kNoTime) {
        std::fprintf(stderr, "usage: bench_announcement HH:MM [--english|--bangla] [--played FILE]\n");
        return 2;
    }
    VoiceTables voice;
    voice.loadAtStartUp();
    voice.selectVoiceLanguage(english);
    const VoiceTable &table = voice.current();
    const QString recording = DataFiles::find(kRecordingFile, false);
    if (played.isEmpty())
        measureEventLoop(app, table, time, recording);

    const int hour = time / 60, minute = time % 60;
    const QList<VoiceSegment> spoken = {table.starter, table.zone[periodOfDay(hour)], table.hour[hour % 12],
                                        table.min[minute / 15], table.ampm[hour >= 12 ? 1 : 0]};
    if (!played.isEmpty())
        printSilences(played, recording, spoken);
    else if (qgetenv("SDL_AUDIODRIVER") == "disk")
        printSilences(qEnvironmentVariable("SDL_DISKAUDIOFILE", "sdlaudio.raw"), recording, spoken);
    return 0;
}
