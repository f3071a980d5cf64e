#include "app/sound/sdlsounddevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <algorithm>

namespace {

using Script = QList<std::pair<QString, QString>>; // command, pattern of its reply

// Distinct, non-zero samples that survive 8-bit storage unchanged.
QList<short> Pattern(qint64 samples)
{
    QList<short> values;
    for (qint64 i = 0; i < samples; ++i)
        values << short(256 * (i * 37 % 120 + 1) * (i % 2 ? -1 : 1));
    return values;
}

// Writes a clip of the given length and sample format; returns its samples.
QList<short> WriteClip(const QString &path, int format, int rate, int channels, int ms)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | format;
    const QList<short> samples = Pattern(qint64(rate) * ms / 1000 * channels);
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    if (format == SF_FORMAT_FLOAT) {
        // Float files hold -1..1 as they are; shorts would go in unscaled.
        QList<float> scaled;
        for (const short sample : samples)
            scaled << sample / 32768.0f;
        sf_write_float(file, scaled.constData(), scaled.size());
    } else {
        sf_write_short(file, samples.constData(), samples.size());
    }
    sf_close(file);
    return samples;
}

QString Open(const QString &path, const QString &alias)
{
    // As the callers send it, blank at the end included.
    return QStringLiteral("open \"%1\" type waveaudio alias %2 buffer 6 ").arg(path, alias);
}

QString Reply(SdlSoundDevice &device, const QString &command)
{
    QString reply;
    const int code = device.send(command, &reply);
    if (code != 0)
        qWarning("%s: %s", qPrintable(command), qPrintable(device.errorText(code)));
    return reply;
}

// The raw sample bytes of a saved recording, with its format in info.
QByteArray ReadRecording(const QString &path, SF_INFO *info)
{
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, info);
    if (!file)
        return QByteArray();
    QByteArray bytes(info->frames * info->channels * 4, Qt::Uninitialized);
    bytes.resize(sf_read_raw(file, bytes.data(), bytes.size()));
    sf_close(file);
    return bytes;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSdlSoundDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void commandReplies_data();
    void commandReplies();
    void callerScripts_data();
    void callerScripts();
    void playedStretchLandsSampleExact_data();
    void playedStretchLandsSampleExact();
    void asyncPlayRunsOnUntilItsEnd();
    void stopHoldsThePosition();
    void aliasesAreIndependentDevices();
    void recordingSavesTheCapturedSamples_data();
    void recordingSavesTheCapturedSamples();
    void recordingFormat_data();
    void recordingFormat();
    void withoutDeviceSoundsKeepTheirTime_data();
    void withoutDeviceSoundsKeepTheirTime();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_clip;     // 300 ms, 16-bit mono 8000 Hz
    QString m_longClip; // 2000 ms, 16-bit mono 8000 Hz
};

void TestSdlSoundDevice::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("my sounds")));
    m_clip = path(QStringLiteral("my sounds/clip.wav"));
    m_longClip = path(QStringLiteral("my sounds/long clip.wav"));
    WriteClip(m_clip, SF_FORMAT_PCM_16, 8000, 1, 300);
    WriteClip(m_longClip, SF_FORMAT_PCM_16, 8000, 1, 2000);
}

void TestSdlSoundDevice::init()
{
    // SDL's disk driver plays into and records from plain files, in real time.
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path(QStringLiteral("out.raw"))));
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(path(QStringLiteral("in.raw"))));
}

void TestSdlSoundDevice::commandReplies_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reply"); // or, for a failure, its error text
    using E = SdlSoundDevice;
    const QString text = path(QStringLiteral("notes.txt"));
    QFile notes(text);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a sound\n");
    const QString missing = path(QStringLiteral("my sounds/missing.wav"));

    QTest::newRow("length") << "status clip length wait" << 0 << "300";
    QTest::newRow("keywords and alias in other case") << "STATUS Clip LENGTH" << 0 << "300";
    QTest::newRow("position at open") << "status clip position wait" << 0 << "0";
    QTest::newRow("mode at open") << "status clip mode wait" << 0 << "stopped";
    QTest::newRow("time format") << "set clip time format ms wait" << 0 << "";
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
    QTest::newRow("alias not open") << "status nosuch length" << int(E::AliasNotOpen)
                                    << "The alias nosuch is not open";
    QTest::newRow("garbage") << "jump clip to 5 " << int(E::CommandNotUnderstood)
                             << "The command \"jump clip to 5\" is not understood";
    QTest::newRow("alias already open") << Open(m_clip, QStringLiteral("CLIP")) << int(E::AliasAlreadyOpen)
                                        << "The alias CLIP is already open";
    QTest::newRow("missing file") << Open(missing, QStringLiteral("other")) << int(E::FileUnreadable)
                                  << "The file " + missing + " cannot be read as wave audio: System error : No such file or directory.";
    QTest::newRow("not wave audio") << Open(text, QStringLiteral("other")) << int(E::FileUnreadable)
                                    << "The file " + text + " cannot be read as wave audio: Format not recognised.";
}

void TestSdlSoundDevice::commandReplies()
{
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QString, reply);
    SdlSoundDevice device;
    QCOMPARE(device.send(Open(m_clip, QStringLiteral("clip"))), 0);
    QString answer = QStringLiteral("untouched");
    QCOMPARE(device.send(command, &answer), code);
    QCOMPARE(code == 0 ? answer : device.errorText(code), reply);
    // A failed open leaves the alias free.
    QCOMPARE(device.send(QStringLiteral("close other")), int(SdlSoundDevice::AliasNotOpen));
}

void TestSdlSoundDevice::callerScripts_data()
{
    QTest::addColumn<Script>("script");
    const QString tolvex = m_longClip;
    const QString note = path(QStringLiteral("my sounds/note.wav"));

    QTest::newRow("spoken time") << Script{
        {Open(tolvex, QStringLiteral("mysound")), ""},
        {"set mysound time format ms wait", ""},
        {"play mysound from 0 to 40 wait", ""},
        {"play mysound from 0 to 0 wait", ""},
        {"play mysound from 300 to 360 wait", ""},
        {"play mysound from 1900 to 2000 wait", ""},
        {"status mysound position", "2000"},
        {"play mysound from 0 to 0 wait", ""},
        {"close mysound wait", ""}};
    QTest::newRow("sound channel") << Script{
        {Open(tolvex, QStringLiteral("myalarmsound")), ""},
        {"set myalarmsound time format ms wait", ""},
        {"status myalarmsound length wait", "2000"},
        {"play myalarmsound ", ""},
        {"status myalarmsound mode wait", "playing"},
        {"status myalarmsound position wait", "\\d+"},
        {"play myalarmsound from 1234", ""},
        {"status myalarmsound position wait", "1[2-9]\\d\\d"},
        {"stop myalarmsound wait", ""},
        {"status myalarmsound mode wait", "stopped"},
        {"close myalarmsound wait", ""}};
    QTest::newRow("recorder") << Script{
        {"open new type waveaudio alias essound buffer 6 wait", ""},
        {"set essound time format ms bitspersample 8 channels 1 samplespersec 11025 wait", ""},
        {"record essound", ""},
        {"status essound mode", "recording"},
        {"status essound position", "\\d+"},
        {"stop essound", ""},
        {"save essound \"" + note + "\"", ""},
        {"close essound", ""},
        {"open \"" + note + "\" type waveaudio alias essound buffer 6 wait", ""},
        {"set essound time format ms wait", ""},
        {"status essound length wait", "\\d+"},
        {"play essound from 0", ""},
        {"status essound position", "\\d+"},
        {"stop essound", ""},
        {"close essound wait", ""}};
}

void TestSdlSoundDevice::callerScripts()
{
    QFETCH(Script, script);
    SdlSoundDevice device;
    for (const auto &[command, pattern] : script) {
        QString reply;
        const int code = device.send(command, &reply);
        QVERIFY2(code == 0, qPrintable(command + ": " + device.errorText(code)));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(reply).hasMatch(),
                 qPrintable(command + " replied " + reply));
    }
}

void TestSdlSoundDevice::playedStretchLandsSampleExact_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("stretch");
    QTest::addColumn<int>("fromMs");
    QTest::addColumn<int>("toMs");

    QTest::newRow("16-bit mono") << int(SF_FORMAT_PCM_16) << 8000 << 1 << "from 100 to 250" << 100 << 250;
    QTest::newRow("8-bit stereo") << int(SF_FORMAT_PCM_U8) << 11025 << 2 << "from 0 to 120" << 0 << 120;
    QTest::newRow("float mono") << int(SF_FORMAT_FLOAT) << 22050 << 1 << "from 100 to 200" << 100 << 200;
    QTest::newRow("24-bit, whole clip") << int(SF_FORMAT_PCM_24) << 16000 << 1 << "" << 0 << 300;
    QTest::newRow("32-bit, from to the end") << int(SF_FORMAT_PCM_32) << 8000 << 1 << "from 200" << 200 << 300;
}

void TestSdlSoundDevice::playedStretchLandsSampleExact()
{
    QFETCH(int, format);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QString, stretch);
    QFETCH(int, fromMs);
    QFETCH(int, toMs);
    const QString clip = path(QStringLiteral("my sounds/stretch.wav"));
    const QList<short> samples = WriteClip(clip, format, rate, channels, 300);

    SdlSoundDevice device;
    QCOMPARE(device.send(Open(clip, QStringLiteral("mysound"))), 0);
    QCOMPARE(device.send(QStringLiteral("set mysound time format ms wait")), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(device.send(QStringLiteral("play mysound %1 wait").arg(stretch)), 0);
    QVERIFY(elapsed.elapsed() >= toMs - fromMs);
    QCOMPARE(Reply(device, QStringLiteral("status mysound position")), QString::number(toMs));
    QCOMPARE(Reply(device, QStringLiteral("status mysound mode")), QStringLiteral("stopped"));
    QCOMPARE(device.send(QStringLiteral("close mysound wait")), 0);

    // The device runs in 32-bit float at the clip's rate and channels. SDL may
    // play a buffer of silence before the first one it asks for.
    const QByteArray out = ReadAll(path(QStringLiteral("out.raw")));
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

void TestSdlSoundDevice::asyncPlayRunsOnUntilItsEnd()
{
    SdlSoundDevice device;
    QCOMPARE(device.send(Open(m_clip, QStringLiteral("myalarmsound"))), 0);
    QCOMPARE(device.send(QStringLiteral("play myalarmsound ")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status myalarmsound mode wait")), QStringLiteral("playing"));
    QTRY_COMPARE_WITH_TIMEOUT(Reply(device, QStringLiteral("status myalarmsound mode wait")),
                              QStringLiteral("stopped"), 5000);
    QCOMPARE(Reply(device, QStringLiteral("status myalarmsound position wait")), QStringLiteral("300"));
    // Played to the end, it starts again from the beginning.
    QCOMPARE(device.send(QStringLiteral("play myalarmsound ")), 0);
    QVERIFY(Reply(device, QStringLiteral("status myalarmsound position wait")).toInt() < 300);
}

void TestSdlSoundDevice::stopHoldsThePosition()
{
    SdlSoundDevice device;
    QCOMPARE(device.send(Open(m_longClip, QStringLiteral("a"))), 0);
    QCOMPARE(device.send(QStringLiteral("play a from 1234")), 0);
    QCOMPARE(device.send(QStringLiteral("stop a wait")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status a mode")), QStringLiteral("stopped"));
    const int stoppedAt = Reply(device, QStringLiteral("status a position")).toInt();
    QVERIFY(stoppedAt >= 1234 && stoppedAt < 2000);
    QCOMPARE(Reply(device, QStringLiteral("status a position")).toInt(), stoppedAt);
    // Play without a start goes on from there.
    QCOMPARE(device.send(QStringLiteral("play a")), 0);
    QVERIFY(Reply(device, QStringLiteral("status a position")).toInt() >= stoppedAt);
    QCOMPARE(Reply(device, QStringLiteral("status a mode")), QStringLiteral("playing"));
}

void TestSdlSoundDevice::aliasesAreIndependentDevices()
{
    SdlSoundDevice device;
    QCOMPARE(device.send(Open(m_longClip, QStringLiteral("myalarmsound"))), 0);
    QCOMPARE(device.send(QStringLiteral("play myalarmsound ")), 0);
    QCOMPARE(device.send(Open(m_clip, QStringLiteral("mysound"))), 0);
    QCOMPARE(device.send(QStringLiteral("open new type waveaudio alias essound buffer 6 wait")), 0);
    QCOMPARE(device.send(QStringLiteral("record essound")), 0);
    QCOMPARE(device.send(QStringLiteral("play mysound from 0 to 100 wait")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status mysound position")), QStringLiteral("100"));
    QCOMPARE(device.send(QStringLiteral("close mysound wait")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status myalarmsound mode wait")), QStringLiteral("playing"));
    QCOMPARE(Reply(device, QStringLiteral("status essound mode")), QStringLiteral("recording"));
    QCOMPARE(device.send(QStringLiteral("stop myalarmsound wait")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status essound mode")), QStringLiteral("recording"));
}

void TestSdlSoundDevice::recordingSavesTheCapturedSamples_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");

    QTest::newRow("voice message format")
        << "time format ms bitspersample 8 channels 1 samplespersec 11025"
        << int(SF_FORMAT_PCM_U8) << 1 << 11025;
    QTest::newRow("16-bit stereo") << "bitspersample 16 channels 2 samplespersec 8000"
                                   << int(SF_FORMAT_PCM_16) << 2 << 8000;
}

void TestSdlSoundDevice::recordingSavesTheCapturedSamples()
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
    QFile in(path(QStringLiteral("in.raw")));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(microphone);
    in.close();
    const QString note = path(QStringLiteral("my sounds/voice note.wav"));

    SdlSoundDevice device;
    QCOMPARE(device.send(QStringLiteral("open new type waveaudio alias essound buffer 6 wait")), 0);
    QCOMPARE(device.send(QStringLiteral("set essound %1 wait").arg(setting)), 0);
    QCOMPARE(device.send(QStringLiteral("record essound")), 0);
    QTRY_VERIFY_WITH_TIMEOUT(Reply(device, QStringLiteral("status essound position")).toInt() >= 200, 5000);
    QCOMPARE(device.send(QStringLiteral("stop essound")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status essound mode")), QStringLiteral("stopped"));
    const int lengthMs = Reply(device, QStringLiteral("status essound length")).toInt();
    QCOMPARE(device.send("save essound \"" + note + "\""), 0);
    QCOMPARE(device.send(QStringLiteral("close essound")), 0);

    SF_INFO info{};
    const QByteArray saved = ReadRecording(note, &info);
    QCOMPARE(info.format, SF_FORMAT_WAV | format);
    QCOMPARE(info.channels, channels);
    QCOMPARE(info.samplerate, rate);
    QCOMPARE(saved.size(), info.frames * frameBytes);
    QCOMPARE((info.frames * 1000 + rate / 2) / rate, sf_count_t(lengthMs));
    QVERIFY(saved.size() <= microphone.size());
    QCOMPARE(saved, microphone.left(saved.size()));
}

void TestSdlSoundDevice::recordingFormat_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("afterRecording");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");

    const QString same = QStringLiteral("bitspersample 8 channels 1 samplespersec 11025");
    QTest::newRow("16-bit stereo before recording") << "bitspersample 16 channels 2" << false << 0 << "";
    QTest::newRow("same format after recording") << same << true << 0 << "";
    QTest::newRow("other format after recording")
        << "bitspersample 16" << true << int(SdlSoundDevice::NotPossibleForAlias)
        << "The format of essound cannot change once recording has begun";
    QTest::newRow("12 bits") << "bitspersample 12" << false << int(SdlSoundDevice::FormatNotSupported)
                             << "The recording format of essound is not supported: use 8 or 16 bits "
                                "per sample, 1 or 2 channels and 1000 to 192000 samples per second";
    QTest::newRow("no samples per second") << "samplespersec 0" << false
                                           << int(SdlSoundDevice::FormatNotSupported) << "";
}

void TestSdlSoundDevice::recordingFormat()
{
    QFETCH(QString, setting);
    QFETCH(bool, afterRecording);
    QFETCH(int, code);
    QFETCH(QString, error);
    SdlSoundDevice device;
    QCOMPARE(device.send(QStringLiteral("open new type waveaudio alias essound buffer 6 wait")), 0);
    if (afterRecording) {
        QCOMPARE(device.send(QStringLiteral("record essound")), 0);
        QTRY_VERIFY_WITH_TIMEOUT(Reply(device, QStringLiteral("status essound length")).toInt() > 0, 5000);
    }
    QCOMPARE(device.send(QStringLiteral("set essound %1 wait").arg(setting)), code);
    if (!error.isEmpty())
        QCOMPARE(device.errorText(code), error);
}

void TestSdlSoundDevice::withoutDeviceSoundsKeepTheirTime_data()
{
    QTest::addColumn<QByteArray>("driver");
    QTest::newRow("no such driver") << QByteArray("nosuchdriver");
    QTest::newRow("disk driver without an input file") << QByteArray("disk");
    QTest::newRow("dummy driver") << QByteArray("dummy");
}

void TestSdlSoundDevice::withoutDeviceSoundsKeepTheirTime()
{
    QFETCH(QByteArray, driver);
    qputenv("SDL_AUDIODRIVER", driver);
    QFile::remove(path(QStringLiteral("in.raw")));
    const QString note = path(QStringLiteral("my sounds/silence.wav"));

    SdlSoundDevice device;
    QCOMPARE(device.send(Open(m_clip, QStringLiteral("mysound"))), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(device.send(QStringLiteral("play mysound from 0 to 200 wait")), 0);
    QVERIFY(elapsed.elapsed() >= 200);
    QCOMPARE(device.send(QStringLiteral("play mysound from 100")), 0);
    QCOMPARE(Reply(device, QStringLiteral("status mysound mode")), QStringLiteral("playing"));
    QTRY_COMPARE_WITH_TIMEOUT(Reply(device, QStringLiteral("status mysound mode")),
                              QStringLiteral("stopped"), 5000);
    QCOMPARE(Reply(device, QStringLiteral("status mysound position")), QStringLiteral("300"));

    QCOMPARE(device.send(QStringLiteral("open new type waveaudio alias essound buffer 6 wait")), 0);
    QCOMPARE(device.send(QStringLiteral("record essound")), 0);
    QTRY_VERIFY_WITH_TIMEOUT(Reply(device, QStringLiteral("status essound length")).toInt() >= 100, 5000);
    QCOMPARE(device.send(QStringLiteral("stop essound")), 0);
    QCOMPARE(device.send("save essound \"" + note + "\""), 0);
    SF_INFO info{};
    const QByteArray saved = ReadRecording(note, &info);
    QVERIFY(saved.size() >= 1102);
    QCOMPARE(saved, QByteArray(saved.size(), char(0x80)));
}

QTEST_GUILESS_MAIN(TestSdlSoundDevice)
#include "tst_sdlsounddevice.moc"
