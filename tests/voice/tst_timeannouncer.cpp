#include "numberedtable.h"
#include "sound/aliassound.h"
#include "sound/sdlsounddevice.h"
#include "sound/wavewriter.h"
#include "support/recordingsounddevice.h"
#include "voice/saycommand.h"
#include "voice/timeannouncer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {

const QString kRecording = "/opt/Talking Clock/tolvex.wav";
const QString kOpen = "open \"/opt/Talking Clock/tolvex.wav\" type waveaudio alias mysound buffer 6 ";
const VoiceTable kTable = numberedTable({}, 1000);

QString play(const VoiceSegment &segment)
{
    return QString("play mysound from %1 to %2 wait").arg(segment.from).arg(segment.to);
}

// Speaks; the alias stays open until every stretch queued has been heard.
void announce(RecordingSoundDevice &device, int hour, int minute)
{
    QObject context;
    bool spoken = false;
    device.holdWaits = true;
    announceTime(device, kTable, hour, minute, kRecording, &context, [&] { spoken = true; });
    if (device.heldWaits() > 0) {
        QVERIFY(!spoken);
        QVERIFY(!device.sent.last().startsWith("close"));
        device.endWaits();
    }
    QVERIFY(spoken);
}

} // namespace

// The spoken time, from the clock and from the command line.
class TestTimeAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    // --say reads the voice definition of the current directory first: this one has none.
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    void speaksFiveSegmentsInOrder_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QList<int>>("indexes"); // zone, hour, quarter, AM/PM
        QTest::newRow("00:00") << 0 << 0 << QList<int>{5, 0, 0, 0};
        QTest::newRow("12:30") << 12 << 30 << QList<int>{2, 0, 2, 1};
        QTest::newRow("17:45") << 17 << 45 << QList<int>{3, 5, 3, 1};
        QTest::newRow("04:15") << 4 << 15 << QList<int>{0, 4, 1, 0};
        QTest::newRow("03:59") << 3 << 59 << QList<int>{5, 3, 3, 0};
        QTest::newRow("19:00") << 19 << 0 << QList<int>{4, 7, 0, 1};
        QTest::newRow("11:44") << 11 << 44 << QList<int>{1, 11, 2, 0};
    }

    void speaksFiveSegmentsInOrder()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QList<int>, indexes);
        RecordingSoundDevice device;

        announce(device, hour, minute);

        QCOMPARE(device.sent, QStringList({
                                  kOpen,
                                  "set mysound time format ms wait",
                                  play(kTable.starter),
                                  play(kTable.zone[indexes[0]]),
                                  play(kTable.hour[indexes[1]]),
                                  play(kTable.min[indexes[2]]),
                                  play(kTable.ampm[indexes[3]]),
                                  "close mysound wait",
                              }));
    }

    void failuresEndTheAnnouncement_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("opens");
        QTest::addColumn<int>("plays");
        QTest::addColumn<QString>("last");
        QTest::newRow("missing recording: ten opens") << "open" << -1 << 10 << 0 << kOpen;
        QTest::newRow("open succeeds on the tenth try") << "open" << 9 << 10 << 5 << "close mysound wait";
        QTest::newRow("refused segment") << play(kTable.zone[1]) << -1 << 1 << 2 << "close mysound wait";
    }

    void failuresEndTheAnnouncement()
    {
        QFETCH(QString, failing);
        QFETCH(int, times);
        QFETCH(int, opens);
        QFETCH(int, plays);
        QFETCH(QString, last);
        RecordingSoundDevice device;
        device.failCommandsStartingWith(failing, times);
        announce(device, 9, 15);
        QCOMPARE(device.sent.filter(QRegularExpression("^open ")).size(), opens);
        QCOMPARE(device.sent.filter(QRegularExpression("^play ")).size(), plays);
        QCOMPARE(device.sent.size(), opens + plays + (plays ? 2 : 0));
        QCOMPARE(device.sent.last(), last);
    }

    // Through the real sound layer (disk driver): the event loop runs on while the time is spoken,
    // and the stretches follow each other sample for sample, with no silence between them.
    void spokenWithoutBlockingOrGaps()
    {
        const QString clip = m_dir.filePath("voice.wav"), out = m_dir.filePath("out.raw");
        const RecordingFormat format; // 8-bit mono, 11025 Hz
        QByteArray frames;
        for (int i = 0; i < format.samplesPerSecond * 2; ++i)
            frames.append(char(129 + i * 7 % 120)); // never 128, the silence of 8-bit audio
        QString reason;
        QVERIFY2(WaveWriter::write(clip, format, frames, &reason), qPrintable(reason));
        VoiceTable table; // 09:15 in English: no period of the day
        table.starter = {0, 400};
        table.hour[9] = {500, 900};
        table.min[1] = {1000, 1300};
        table.ampm[0] = {1500, 1900};
        QList<float> expected; // as the device plays 8-bit audio
        for (const VoiceSegment &segment : {table.starter, table.hour[9], table.min[1], table.ampm[0]}) {
            for (qint64 i = AliasSound::framesForMs(segment.from, format.samplesPerSecond);
                 i < AliasSound::framesForMs(segment.to, format.samplesPerSecond); ++i)
                expected << (uchar(frames[i]) - 128) / 128.0f;
        }

        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
        SdlSoundDevice device;
        QTimer timer;
        int firings = 0;
        connect(&timer, &QTimer::timeout, [&firings] { ++firings; });
        timer.start(10);
        bool spoken = false;
        announceTime(device, table, 9, 15, clip, &timer, [&spoken] { spoken = true; });
        QTRY_VERIFY_WITH_TIMEOUT(spoken, 10000);
        // 1.5 s of speech; a blocked event loop serves the timer once.
        QVERIFY2(firings >= 20, qPrintable(QString("%1 firings").arg(firings)));

        QFile played(out);
        QVERIFY(played.open(QIODevice::ReadOnly));
        const QByteArray bytes = played.readAll();
        QList<float> samples(bytes.size() / qsizetype(sizeof(float)));
        std::memcpy(samples.data(), bytes.constData(), bytes.size());
        // Silence may come before the first stretch and after the last, never between.
        const auto first = std::find_if(samples.cbegin(), samples.cend(), [](float f) { return f != 0; });
        QCOMPARE(samples.mid(first - samples.cbegin(), expected.size()), expected);
        QVERIFY(std::all_of(first + expected.size(), samples.cend(), [](float f) { return f == 0; }));
    }

    // The built-in voices speak the hour from the shipped recording.
    void sayCommand_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("storedEnglish");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // the hour played, or what the error names
        QTest::newRow("--english") << QStringList{"09:15", "--english"} << 0 << 0
                                   << "play mysound from 39530 to 40070 wait";
        QTest::newRow("--bangla") << QStringList{"09:15", "--bangla"} << 1 << 0
                                  << "play mysound from 11276 to 12276 wait";
        QTest::newRow("stored language") << QStringList{"21:15"} << 1 << 0
                                         << "play mysound from 39530 to 40070 wait";
        QTest::newRow("no time") << QStringList{} << 0 << 2 << "usage";
        QTest::newRow("not a time") << QStringList{"9.15"} << 0 << 2 << "\"9.15\"";
        QTest::newRow("hour 24") << QStringList{"24:00"} << 0 << 2 << "\"24:00\"";
        QTest::newRow("unknown language") << QStringList{"09:15", "--french"} << 0 << 2 << "--french";
    }

    void sayCommand()
    {
        QFETCH(QStringList, options);
        QFETCH(int, storedEnglish);
        QFETCH(int, status);
        QFETCH(QString, expected);
        RecordingSoundDevice device;
        device.reply("status saycheck length wait", "45400");
        QString errors;
        QTextStream err(&errors);

        QCOMPARE(runSayCommand(QStringList{"chimewise", "--say"} + options, storedEnglish, device, err), status);
        if (status != 0) {
            QVERIFY2(errors.contains(expected), qPrintable(errors));
            QVERIFY(device.sent.isEmpty());
            return;
        }
        QVERIFY(errors.isEmpty());
        const QStringList spoken = device.sent.mid(3); // after the look at the recording's length
        QVERIFY(spoken.first().endsWith("/tolvex.wav\" type waveaudio alias mysound buffer 6 "));
        QCOMPARE(spoken.at(4), expected);
        QCOMPARE(spoken.last(), QString("close mysound wait"));
    }

    // Through the real sound layer: what cannot be spoken is named with the file at
    // fault, and nothing plays; a recording in any directory plays.
    void sayCommandNamesWhatCannotBeSpoken_data()
    {
        QTest::addColumn<QString>("recording"); // "shipped", "missing" or its first 20000 bytes
        QTest::addColumn<QString>("starter");   // the English starter line of a Tolvex.def, or none
        QTest::addColumn<QString>("says");      // empty: spoken
        QTest::newRow("missing") << "missing" << "" << "tolvex.wav cannot be read as wave audio: No such file";
        QTest::newRow("truncated") << "truncated" << ""
                                   << "the built-in voice: English starter (44414 to 45324 ms) ends beyond ";
        QTest::newRow("negative") << "shipped" << "starter = -5, 700"
                                  << "Tolvex.def: English starter (-5 to 700 ms) has a negative position";
        QTest::newRow("reversed") << "shipped" << "starter = 900, 100"
                                  << "Tolvex.def: English starter (900 to 100 ms) runs backwards";
        QTest::newRow("beyond the end") << "shipped" << "starter = 44414, 99999999"
                                        << "Tolvex.def: English starter (44414 to 99999999 ms) ends beyond ";
        QTest::newRow("directory with quotes") << "shipped" << "starter = 44414, 44500" << "";
    }

    void sayCommandNamesWhatCannotBeSpoken()
    {
        QFETCH(QString, recording);
        QFETCH(QString, starter);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("my \"voice\""));
        const QString wave = dir.filePath("my \"voice\"/tolvex.wav");
        QFile shipped(CHIMEWISE_DATA_DIR "/tolvex.wav"), copy(wave);
        if (recording != "missing") {
            QVERIFY(shipped.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly));
            copy.write(shipped.read(recording == "shipped" ? shipped.size() : 20000));
            copy.close();
        }
        const QString definition = QDir::current().filePath("Tolvex.def");
        if (!starter.isEmpty()) {
            QFile original(CHIMEWISE_DATA_DIR "/Tolvex.def"), file(definition);
            QVERIFY(original.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly));
            static const QRegularExpression englishStarter("(\nEnglish \\{\n.*\n)starter[^\n]*");
            file.write(QString::fromUtf8(original.readAll()).replace(englishStarter, "\\1" + starter).toUtf8());
        }
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("out.raw")));
        SdlSoundDevice device;
        QString errors;
        QTextStream err(&errors);

        const int status = runSayCommand({"chimewise", "--say", "09:15", "--english"}, 0, device, err, wave);
        QFile::remove(definition);
        QCOMPARE(status, says.isEmpty() ? 0 : 1);
        QVERIFY2(says.isEmpty() ? errors.isEmpty() : errors.contains(says), qPrintable(errors));
        QVERIFY(says.isEmpty() || errors.contains(starter.isEmpty() ? wave : definition));
        QCOMPARE(QFileInfo(dir.filePath("out.raw")).size() > 0, says.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestTimeAnnouncer)
#include "tst_timeannouncer.moc"
