#include "sound/sdlsounddevice.h"
#include "sound/soundchannel.h"
#include "sound/wavewriter.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kWake = "/home/u/My Alarms/wake.wav";
const QString kOpen = "open \"/home/u/My Alarms/wake.wav\" type waveaudio alias myalarmsound buffer 6 ";
const QString kClose = "close myalarmsound wait";

// The dialog's Stop button and slider, hidden as the form has them, on a channel whose
// device plays a sound of 2500 ms.
struct Dialog
{
    Dialog()
    {
        stop->hide();
        slider->hide();
        slider->setRange(0, 777);
        device.reply("status myalarmsound length wait", "2500");
    }

    // Starts the alarm and forgets the commands it took.
    void start()
    {
        QVERIFY(channel.startChannelSound(kWake, "&Stop Alarm", 1000, true));
        device.sent.clear();
    }

    QWidget window;
    QPushButton *stop = new QPushButton(&window);
    QSlider *slider = new QSlider(Qt::Horizontal, &window);
    RecordingSoundDevice device;
    VirtualTimeSource time;
    ScriptedPrompts prompts;
    SoundChannel channel{device, time, prompts, stop, slider};
};

} // namespace

class TestSoundChannel : public QObject
{
    Q_OBJECT

private slots:
    void start_data()
    {
        QTest::addColumn<QString>("failing"); // the commands the device refuses
        QTest::addColumn<bool>("showPosition");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("seconds");
        const QString set = "set myalarmsound time format ms wait";
        const QString length = "status myalarmsound length wait";
        const QString play = "play myalarmsound ";
        QTest::newRow("alarm: stop and slider") << "" << true << QStringList{kOpen, set, length, play} << 0;
        QTest::newRow("prayer call: no slider") << "" << false << QStringList{kOpen, set, play} << 0;
        // Another sound still holds the alias: ten opens a second apart, then nothing.
        QTest::newRow("busy channel") << "open" << true << QStringList(10, kOpen) << 10;
        QTest::newRow("refused play closes silently")
            << "play" << true << QStringList{kOpen, set, length, play, kClose} << 0;
    }

    void start()
    {
        QFETCH(QString, failing);
        QFETCH(bool, showPosition);
        QFETCH(QStringList, sent);
        QFETCH(int, seconds);
        const bool started = failing.isEmpty();
        Dialog d;
        if (!started)
            d.device.failCommandsStartingWith(failing);
        QCOMPARE(d.channel.startChannelSound(kWake, "&Stop Alarm", 1000, showPosition), started);
        QCOMPARE(d.device.sent, sent);
        QCOMPARE(d.time.now(), seconds);
        QCOMPARE(d.channel.active(), started);
        QCOMPARE(d.stop->isHidden(), !started);
        QCOMPARE(d.slider->isHidden(), !(started && showPosition));
        if (started) {
            QCOMPARE(d.stop->text(), "&Stop Alarm");
            QCOMPARE(d.slider->maximum(), showPosition ? 2500 : 777);
        }
    }

    void pollClosesOnlyAnEndedSound_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("stopFirst");
        QTest::addColumn<bool>("failClose");
        QTest::addColumn<bool>("closed");
        QTest::newRow("playing") << "playing" << false << false << false;
        QTest::newRow("stopped") << "stopped" << false << false << true;
        QTest::newRow("Stop leaves the controls until the poll") << "" << true << false << true;
        QTest::newRow("failed close is shown") << "stopped" << false << true << true;
    }

    void pollClosesOnlyAnEndedSound()
    {
        QFETCH(QString, mode);
        QFETCH(bool, stopFirst);
        QFETCH(bool, failClose);
        QFETCH(bool, closed);
        Dialog d;
        d.start();
        if (stopFirst) {
            d.stop->click();
            QCOMPARE(d.device.sent, QStringList({"stop myalarmsound wait"}));
            QVERIFY(!d.stop->isHidden());
        }
        if (failClose) {
            d.device.failCommandsStartingWith("close");
            d.prompts.expectMessage(d.device.errorText(RecordingSoundDevice::kFailure), "Chimewise");
        }
        d.device.reply("status myalarmsound mode wait", mode);
        d.channel.pollChannel();
        QVERIFY(d.prompts.allShown());
        QCOMPARE(d.channel.active(), !closed);
        QCOMPARE(d.stop->isHidden(), closed);
        QCOMPARE(d.slider->isHidden(), closed);
        QCOMPARE(d.device.sent.contains(kClose), closed);
    }

    void trackingMovesTheSlider()
    {
        Dialog d;
        d.start();
        d.device.reply("status myalarmsound position wait", "1234");
        d.channel.trackChannelPosition();
        QCOMPARE(d.slider->value(), 1234);
        d.device.failCommandsStartingWith("status myalarmsound position");
        d.channel.trackChannelPosition();
        QCOMPARE(d.slider->value(), 1234);
    }

    void releasingTheThumbSeeks_data()
    {
        QTest::addColumn<int>("thumb");
        QTest::addColumn<QString>("play");
        QTest::addColumn<bool>("fails");
        QTest::newRow("middle") << 1200 << "play myalarmsound from 1200" << false;
        QTest::newRow("right end starts again") << 2500 << "play myalarmsound from 0" << false;
        QTest::newRow("failed seek is shown") << 100 << "play myalarmsound from 100" << true;
    }

    void releasingTheThumbSeeks()
    {
        QFETCH(int, thumb);
        QFETCH(QString, play);
        QFETCH(bool, fails);
        Dialog d;
        d.start();
        if (fails) {
            d.device.failCommandsStartingWith("play");
            d.prompts.expectMessage(d.device.errorText(RecordingSoundDevice::kFailure), "Playing ");
        }
        d.slider->setSliderDown(true);
        QVERIFY(!d.channel.following());
        d.slider->setValue(thumb);
        d.slider->setSliderDown(false);
        QVERIFY(d.channel.following());
        QCOMPARE(d.device.sent, QStringList({play}));
        QVERIFY(d.prompts.allShown());
    }

    // Through the real sound layer: whatever a file name holds, the sound opens
    // at the first try.
    void anyFileNamePlays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("double quotes") << "my \"best\" ring.wav";
        QTest::newRow("quote at the end") << "ring\"";
        QTest::newRow("two quotes together") << "a\"\"b.wav";
        QTest::newRow("single quote, blanks around") << "  Rahim's ring .wav ";
        QTest::newRow("newline, Bangla") << "আজান\nঘণ্টা.wav";
    }

    void anyFileNamePlays()
    {
        QFETCH(QString, name);
        qputenv("SDL_AUDIODRIVER", "dummy");
        QTemporaryDir dir;
        QString reason;
        QVERIFY2(WaveWriter::write(dir.filePath(name), RecordingFormat(), QByteArray(1000, '\x90'), &reason),
                 qPrintable(reason));
        Dialog d;
        SdlSoundDevice device;
        SoundChannel channel(device, d.time, d.prompts, d.stop, d.slider);
        QVERIFY(channel.startChannelSound(dir.filePath(name), "&Stop Alarm", 1000, true));
        QCOMPARE(d.time.now(), 0);
    }

    // Through the real sound layer (silent driver): once the sound has played,
    // the next poll closes the alias and the next sound opens at the first try.
    void endedSoundFreesTheChannel()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        QTemporaryDir dir;
        const QString clip = dir.filePath("short beep.wav");
        const RecordingFormat format;
        QString reason;
        QVERIFY2(WaveWriter::write(clip, format, QByteArray(format.samplesPerSecond / 5, '\x90'), &reason),
                 qPrintable(reason));
        Dialog d;
        SdlSoundDevice device;
        SoundChannel channel(device, d.time, d.prompts, d.stop, d.slider);

        QVERIFY(channel.startChannelSound(clip, "&Stop Alarm", 1000, true));
        QCOMPARE(d.slider->maximum(), 200);
        QElapsedTimer played;
        played.start();
        while (channel.active() && played.elapsed() < 5000) {
            QTest::qWait(50);
            channel.pollChannel();
        }
        QVERIFY(!channel.active());
        QVERIFY(d.stop->isHidden());
        QVERIFY(played.elapsed() >= 150);

        QVERIFY(channel.startChannelSound(clip, "&Stop Alarm", 1000, true));
        QCOMPARE(d.time.now(), 0); // no retry pause
        channel.stopChannelSound();
        channel.pollChannel();
        QVERIFY(!channel.active());
    }
};

QTEST_MAIN(TestSoundChannel)
#include "tst_soundchannel.moc"
