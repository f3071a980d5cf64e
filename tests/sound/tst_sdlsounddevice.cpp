#include "sound/sdlsounddevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>

#include <sys/stat.h>

#include <algorithm>

namespace {

// Writes a clip of distinct, non-zero samples that survive 8-bit storage; returns them.
QList<short> writeClip(const QString &path, int format, int rate, int channels, int ms)
{
    SF_INFO info{0, rate, channels, SF_FORMAT_WAV | format, 0, 0};
    QList<short> samples;
    QList<float> scaled; // float files hold -1..1 as they are; shorts would go in unscaled
    for (qint64 i = 0; i < qint64(rate) * ms / 1000 * channels; ++i) {
        samples << short(256 * (i * 37 % 120 + 1) * (i % 2 ? -1 : 1));
        scaled << samples.last() / 32768.0f;
    }
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    if (format == SF_FORMAT_FLOAT)
        sf_write_float(file, scaled.constData(), scaled.size());
    else
        sf_write_short(file, samples.constData(), samples.size());
    sf_close(file);
    return samples;
}

// The 200 ms clip with another sample rate in its header, cut after 100 ms.
void writeCutClip(const QString &path, int rate)
{
    writeClip(path, SF_FORMAT_PCM_16, 8000, 1, 200);
    QFile wave(path);
    if (!wave.open(QIODevice::ReadWrite))
        qFatal("cannot change %s", qPrintable(path));
    wave.seek(24); // the rate in the header
    const quint32 littleEndian = qToLittleEndian(quint32(rate));
    wave.write(reinterpret_cast<const char *>(&littleEndian), 4);
    wave.resize(44 + 1600);
}

// As the callers send it, blank at the end included.
QString open(const QString &path, const QString &alias)
{
    return QString("open \"%1\" type waveaudio alias %2 buffer 6 ").arg(path, alias);
}

const QString kOpenNew = "open new type waveaudio alias essound buffer 6 wait";

QString reply(SdlSoundDevice &device, const QString &command)
{
    QString reply;
    if (const int code = device.send(command, &reply))
        qWarning("%s: %s", qPrintable(command), qPrintable(device.errorText(code)));
    return reply;
}

// The raw sample bytes of a saved recording, with its format in info.
QByteArray readRecording(const QString &path, SF_INFO *info)
{
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, info);
    if (!file)
        return QByteArray();
    QByteArray bytes(info->frames * info->channels * 4, Qt::Uninitialized);
    bytes.resize(sf_read_raw(file, bytes.data(), bytes.size()));
    sf_close(file);
    return bytes;
}

} // namespace

class TestSdlSoundDevice : public QObject
{
    Q_OBJECT

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    const QString m_clip = path("my sounds/clip.wav");          // 300 ms, 16-bit mono 8000 Hz
    const QString m_longClip = path("my sounds/long clip.wav"); // 2000 ms, 16-bit mono 8000 Hz
    const QString m_cutClip = path("my sounds/cut clip.wav");   // 100 ms of 200, 16-bit mono 8000 Hz

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("my sounds"));
        writeClip(m_clip, SF_FORMAT_PCM_16, 8000, 1, 300);
        writeClip(m_longClip, SF_FORMAT_PCM_16, 8000, 1, 2000);
        writeCutClip(m_cutClip, 8000);
    }

    void init()
    {
        // SDL's disk driver plays into and records from plain files, in real time.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path("out.raw")));
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(path("in.raw")));
    }

    void commandReplies_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reply"); // or, for a failure, its error text
        using E = SdlSoundDevice;
        const QString text = path("notes.txt");
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a sound\n");
        const QString missing = path("my sounds/missing.wav");
        const QString badFormat = "The recording format of essound is not supported: use 8 or 16 bits "
                                  "per sample, 1 or 2 channels and 1000 to 192000 samples per second";

        QTest::newRow("keywords and alias in any case, tabs and runs of blanks")
            << "\tSTATUS   Clip\t LENGTH  " << 0 << "300";
        QTest::newRow("position at open") << "status clip position wait" << 0 << "0";
        QTest::newRow("mode at open") << "status clip mode wait" << 0 << "stopped";
        QTest::newRow("empty stretch") << "play clip from 0 to 0 wait" << 0 << "";
        QTest::newRow("start beyond the end") << "play clip from 301" << int(E::PositionOutOfRange)
                                              << "The position 301 lies beyond the end of clip (300 ms)";
        QTest::newRow("end beyond the end") << "play clip from 0 to 400 wait" << int(E::PositionOutOfRange)
                                            << "The position 400 lies beyond the end of clip (300 ms)";
        QTest::newRow("stretch backwards") << "play clip from 200 to 100 wait" << int(E::PositionOutOfRange)
                                           << "The stretch of clip from 200 to 100 ms runs backwards";
        QTest::newRow("record into a file") << "record clip" << int(E::NotPossibleForAlias)
                                            << "The alias clip plays a file and cannot record; open new to record";
        QTest::newRow("format of a file") << "set clip bitspersample 16" << int(E::NotPossibleForAlias)
                                          << "The alias clip plays a file, whose format cannot be set";
        QTest::newRow("12 bits") << "set essound bitspersample 12" << int(E::FormatNotSupported) << badFormat;
        QTest::newRow("no samples per second") << "set essound samplespersec 0" << int(E::FormatNotSupported)
                                               << badFormat;
        QTest::newRow("alias not open") << "status nosuch length" << int(E::AliasNotOpen)
                                        << "The alias nosuch is not open";
        QTest::newRow("alias already open") << open(m_clip, "CLIP") << int(E::AliasAlreadyOpen)
                                            << "The alias CLIP is already open";
        QTest::newRow("missing file") << open(missing, "other") << int(E::FileUnreadable)
                                      << "The file " + missing + " cannot be read as wave audio: No such file or directory";
        QTest::newRow("not wave audio") << open(text, "other") << int(E::FileUnreadable)
                                        << "The file " + text + " cannot be read as wave audio: Format not recognised.";
        QTest::newRow("truncated file: plays what is there") << "status cut length" << 0 << "100";
        // Each would hold the clock for minutes, days or for ever: the sample rate
        // sets every wait, and a FIFO blocks its reader until someone writes.
        auto hostile = [this](const char *name, int rate, const QString &reason) {
            const QString file = path(QString("hostile %1.wav").arg(name));
            if (rate < 0)
                QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            else
                writeCutClip(file, rate);
            QTest::newRow(name) << open(file, "other") << int(E::FileUnreadable)
                                << "The file " + file + " cannot be read as wave audio: " + reason;
        };
        hostile("rate 0", 0, "Internal error : SF_INFO struct incomplete.");
        for (const int rate : {1, 10, 500000}) {
            hostile(qPrintable(QString("rate %1").arg(rate)), rate,
                    QString("its sample rate of %1 Hz lies outside 1000 to 192000 Hz").arg(rate));
        }
        hostile("FIFO", -1, "it is not a regular file");
        // A command that does not read whole is refused before any alias is looked at.
        auto refused = [](const char *name, const QString &command) {
            QTest::newRow(name) << command << int(E::CommandNotUnderstood)
                                << QString("The command \"%1\" is not understood").arg(command.trimmed());
        };
        refused("empty", "");
        refused("unknown verb", "jump clip to 5 ");
        refused("no alias", "play");
        refused("from without a number", "play clip from");
        refused("negative position", "play clip from -1");
        refused("number with letters", "play clip from 12x");
        refused("too many digits", "play clip from 1234567890");
        refused("unknown option", "play clip for 3");
        refused("status without item", "status clip");
        refused("unknown status item", "status clip volume");
        refused("unterminated quote", "open \"/tmp/a.wav type waveaudio alias other");
        refused("other device type", "open \"a.avi\" type avivideo alias other");
        refused("open without alias", "open \"a.wav\" type waveaudio buffer 6");
        refused("empty path", "open \"\" type waveaudio alias other");
        refused("record and wait", "record essound wait");
        refused("save without path", "save essound");
        refused("close with junk", "close clip now");
        refused("time format in frames", "set clip time format frames");
        refused("setting without value", "set essound bitspersample");
    }

    void commandReplies()
    {
        QFETCH(QString, command);
        QFETCH(int, code);
        QFETCH(QString, reply);
        SdlSoundDevice device;
        QCOMPARE(device.send(open(m_clip, "clip")), 0);
        QCOMPARE(device.send(kOpenNew), 0);
        QCOMPARE(device.send(open(m_cutClip, "cut")), 0);
        QString answer = "untouched";
        QCOMPARE(device.send(command, &answer), code);
        QCOMPARE(code == 0 ? answer : device.errorText(code), reply);
        // A failed open leaves the alias free.
        QCOMPARE(device.send("close other"), int(SdlSoundDevice::AliasNotOpen));
    }

    void playedStretchLandsSampleExact_data()
    {
        QTest::addColumn<QList<int>>("clip"); // format, rate, channels
        QTest::addColumn<QString>("stretch");
        QTest::addColumn<int>("fromMs");
        QTest::addColumn<int>("toMs");
        QTest::newRow("16-bit mono") << QList<int>{SF_FORMAT_PCM_16, 8000, 1} << "from 100 to 250" << 100 << 250;
        QTest::newRow("8-bit stereo") << QList<int>{SF_FORMAT_PCM_U8, 11025, 2} << "from 0 to 120" << 0 << 120;
        QTest::newRow("float mono") << QList<int>{SF_FORMAT_FLOAT, 22050, 1} << "from 100 to 200" << 100 << 200;
        QTest::newRow("24-bit, whole clip") << QList<int>{SF_FORMAT_PCM_24, 16000, 1} << "" << 0 << 300;
        QTest::newRow("32-bit, from to the end") << QList<int>{SF_FORMAT_PCM_32, 8000, 1} << "from 200" << 200 << 300;
    }

    void playedStretchLandsSampleExact()
    {
        QFETCH(QList<int>, clip);
        QFETCH(QString, stretch);
        QFETCH(int, fromMs);
        QFETCH(int, toMs);
        const int rate = clip[1], channels = clip[2];
        const QString file = path("my sounds/stretch.wav");
        const QList<short> samples = writeClip(file, clip[0], rate, channels, 300);

        SdlSoundDevice device;
        QCOMPARE(device.send(open(file, "mysound")), 0);
        QCOMPARE(device.send("set mysound time format ms wait"), 0);
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(device.send(QString("play mysound %1 wait").arg(stretch)), 0);
        QVERIFY(elapsed.elapsed() >= toMs - fromMs);
        QCOMPARE(reply(device, "status mysound position"), QString::number(toMs));
        QCOMPARE(reply(device, "status mysound mode"), "stopped");
        QCOMPARE(device.send("close mysound wait"), 0);

        // The device runs in 32-bit float at the clip's rate and channels. SDL may
        // play a buffer of silence before the first one it asks for.
        QFile outFile(path("out.raw"));
        QVERIFY(outFile.open(QIODevice::ReadOnly));
        const QByteArray out = outFile.readAll();
        const auto *begin = reinterpret_cast<const float *>(out.constData());
        const auto *end = begin + out.size() / qint64(sizeof(float));
        const auto *played = std::find_if(begin, end, [](float sample) { return sample != 0.0f; });
        const qint64 first = qint64(fromMs) * rate / 1000 * channels;
        const qint64 count = qint64(toMs - fromMs) * rate / 1000 * channels;
        QVERIFY(end - played >= count);
        for (qint64 i = 0; i < count; ++i)
            QCOMPARE(played[i], samples.at(first + i) / 32768.0f);
        QVERIFY(std::all_of(played + count, end, [](float sample) { return sample == 0.0f; }));
    }

    void recordingSavesTheCapturedSamples_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::newRow("voice message format") << "time format ms bitspersample 8 channels 1 samplespersec 11025"
                                              << int(SF_FORMAT_PCM_U8) << 1 << 11025;
        QTest::newRow("16-bit stereo") << "bitspersample 16 channels 2 samplespersec 8000"
                                       << int(SF_FORMAT_PCM_16) << 2 << 8000;
    }

    void recordingSavesTheCapturedSamples()
    {
        QFETCH(QString, setting);
        QFETCH(int, format);
        QFETCH(int, channels);
        QFETCH(int, rate);
        // One second of input in the device format, which is the recording's.
        const int frameBytes = (format == SF_FORMAT_PCM_U8 ? 1 : 2) * channels;
        QByteArray microphone;
        for (int i = 0; i < rate * frameBytes; ++i)
            microphone.append(char(i * 7 % 251));
        QFile in(path("in.raw"));
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write(microphone);
        in.close();
        const QString note = path("my sounds/voice note.wav");

        SdlSoundDevice device;
        QCOMPARE(device.send(kOpenNew), 0);
        QCOMPARE(device.send(QString("set essound %1 wait").arg(setting)), 0);
        QCOMPARE(device.send("record essound"), 0);
        QCOMPARE(reply(device, "status essound mode"), "recording");
        QTRY_VERIFY_WITH_TIMEOUT(reply(device, "status essound position").toInt() >= 200, 5000);
        // Once recording has begun only the same format may be set again.
        QCOMPARE(device.send(QString("set essound %1 wait").arg(setting)), 0);
        const int changed = device.send("set essound samplespersec 22050");
        QCOMPARE(changed, int(SdlSoundDevice::NotPossibleForAlias));
        QCOMPARE(device.errorText(changed), "The format of essound cannot change once recording has begun");
        QCOMPARE(device.send("stop essound"), 0);
        QCOMPARE(reply(device, "status essound mode"), "stopped");
        const int lengthMs = reply(device, "status essound length").toInt();
        QCOMPARE(device.send("save essound \"" + note + "\""), 0);
        QCOMPARE(device.send("close essound"), 0);

        SF_INFO info{};
        const QByteArray saved = readRecording(note, &info);
        QCOMPARE(info.format, SF_FORMAT_WAV | format);
        QCOMPARE(info.channels, channels);
        QCOMPARE(info.samplerate, rate);
        QCOMPARE(saved.size(), info.frames * frameBytes);
        QCOMPARE((info.frames * 1000 + rate / 2) / rate, sf_count_t(lengthMs));
        QVERIFY(saved.size() <= microphone.size());
        QCOMPARE(saved, microphone.left(saved.size()));

        // The saved recording opens again as a sound of the same length.
        QCOMPARE(device.send(open(note, "essound")), 0);
        QCOMPARE(device.send("set essound time format ms wait"), 0);
        QCOMPARE(reply(device, "status essound length wait").toInt(), lengthMs);
    }

    // Whoever waits on plays sent without waiting is told as soon as nothing more of them can be
    // heard: long before the four seconds the two would have played.
    void waitsEndWhenThePlayIsCutShort()
    {
        for (const char *command : {"stop long", "close long wait"}) {
            SdlSoundDevice device;
            QCOMPARE(device.send(open(m_longClip, "long")), 0);
            int ended = 0;
            for (int i = 0; i < 2; ++i)
                QCOMPARE(device.sendAndNotify("play long from 0 to 2000 wait", this, [&ended] { ++ended; }), 0);
            QCOMPARE(device.send(command), 0);
            QTRY_COMPARE_WITH_TIMEOUT(ended, 2, 1500);
        }
    }

    // On every driver, and on none: sounds and a recording side by side, stop holds the
    // position, play without a start goes on from there; without an input the recording
    // is timed silence.
    void aliasesRunSideBySide_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::newRow("no such driver") << QByteArray("nosuchdriver");
        QTest::newRow("disk driver without an input file") << QByteArray("disk");
        QTest::newRow("dummy driver") << QByteArray("dummy");
    }

    void aliasesRunSideBySide()
    {
        QFETCH(QByteArray, driver);
        qputenv("SDL_AUDIODRIVER", driver);
        QFile::remove(path("in.raw"));
        const QString note = path("my sounds/silence.wav");

        SdlSoundDevice device;
        QCOMPARE(device.send(open(m_longClip, "myalarmsound")), 0);
        QCOMPARE(device.send("play myalarmsound from 1234"), 0);
        QCOMPARE(device.send(open(m_clip, "mysound")), 0);
        QCOMPARE(device.send(kOpenNew), 0);
        QCOMPARE(device.send("record essound"), 0);
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(device.send("play mysound from 0 to 200 wait"), 0);
        QVERIFY(elapsed.elapsed() >= 200);
        QCOMPARE(reply(device, "status mysound position"), "200");
        QCOMPARE(device.send("close mysound wait"), 0);
        QCOMPARE(reply(device, "status myalarmsound mode wait"), "playing");
        QCOMPARE(reply(device, "status essound mode"), "recording");
        QTRY_VERIFY_WITH_TIMEOUT(reply(device, "status essound length").toInt() >= 100, 5000);

        QCOMPARE(device.send("stop myalarmsound wait"), 0);
        QCOMPARE(reply(device, "status myalarmsound mode"), "stopped");
        const int stoppedAt = reply(device, "status myalarmsound position").toInt();
        QVERIFY(stoppedAt >= 1234 && stoppedAt < 2000);
        QCOMPARE(reply(device, "status myalarmsound position").toInt(), stoppedAt);
        QCOMPARE(device.send("play myalarmsound"), 0);
        QVERIFY(reply(device, "status myalarmsound position").toInt() >= stoppedAt);
        QCOMPARE(reply(device, "status myalarmsound mode"), "playing");
        // Played to its end, a sound starts again from the beginning.
        QCOMPARE(device.send(open(m_clip, "short")), 0);
        QCOMPARE(device.send("play short from 100"), 0);
        QCOMPARE(reply(device, "status short mode"), "playing");
        QTRY_COMPARE_WITH_TIMEOUT(reply(device, "status short mode"), "stopped", 5000);
        QCOMPARE(reply(device, "status short position"), "300");
        QCOMPARE(device.send("play short "), 0);
        QVERIFY(reply(device, "status short position wait").toInt() < 300);

        QCOMPARE(device.send("stop essound"), 0);
        QCOMPARE(device.send("save essound \"" + note + "\""), 0);
        SF_INFO info{};
        const QByteArray saved = readRecording(note, &info);
        QVERIFY(saved.size() >= 11025 / 10);
        QCOMPARE(saved, QByteArray(saved.size(), char(0x80)));
    }
};

QTEST_GUILESS_MAIN(TestSdlSoundDevice)
#include "tst_sdlsounddevice.moc"
