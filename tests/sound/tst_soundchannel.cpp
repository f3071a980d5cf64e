#include "sound/sdlsounddevice.h"
#include "sound/soundchannel.h"
#include "sound/wavewriter.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
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
        channel.startChannelSound(kWake, "&Stop Alarm", 1000, true);
        QVERIFY(channel.active());
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
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void start_data()
    {
        QTest::addColumn<QString>("failing"); // the commands the device refuses
        QTest::addColumn<int>("refusals");
        QTest::addColumn<bool>("showPosition");
        QTest::addColumn<QStringList>("sent");
        const QString set = "set myalarmsound time format ms wait";
        const QString length = "status myalarmsound length wait";
        const QString play = "play myalarmsound ";
        QTest::newRow("alarm: stop and slider") << "" << 0 << true << QStringList{kOpen, set, length, play};
        QTest::newRow("prayer call: no slider") << "" << 0 << false << QStringList{kOpen, set, play};
        QTest::newRow("opens at the fourth try")
            << "open" << 3 << true << QStringList(4, kOpen) + QStringList{set, length, play};
        QTest::newRow("ten refused opens") << "open" << 10 << true << QStringList(10, kOpen);
        QTest::newRow("refused play closes") << "play" << 1 << true << QStringList{kOpen, set, length, play, kClose};
    }

    // Opens are tried a second apart from the event loop; a sound that cannot be played is reported.
    void start()
    {
        QFETCH(QString, failing);
        QFETCH(int, refusals);
        QFETCH(bool, showPosition);
        QFETCH(QStringList, sent);
        const bool started = failing.isEmpty() || (failing == "open" && refusals < SoundChannel::kOpenAttempts);
        Dialog d;
        QSignalSpy lost(&d.channel, &SoundChannel::soundLost);
        if (refusals)
            d.device.failCommandsStartingWith(failing, refusals);
        d.channel.startChannelSound(kWake, "&Stop Alarm", 1000, showPosition);
        QCOMPARE(d.device.sent.count(kOpen), 1);
        d.time.advanceMs(999);
        QCOMPARE(d.device.sent.count(kOpen), 1);
        d.time.advance(60);
        QCOMPARE(d.device.sent, sent);
        QCOMPARE(d.channel.active(), started);
        QCOMPARE(d.stop->isHidden(), !started);
        QCOMPARE(d.slider->isHidden(), !(started && showPosition));
        if (started) {
            QCOMPARE(d.stop->text(), "&Stop Alarm");
            QCOMPARE(d.slider->maximum(), showPosition ? 2500 : 777);
        }
        QCOMPARE(lost.size(), int(!started));
        if (!started)
            QCOMPARE(lost.first(), QVariantList({"Could not play " + kWake, "wake.wav. The device failed with code 263"}));
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
        QTemporaryDir dir;
        QString reason;
        QVERIFY2(WaveWriter::write(dir.filePath(name), RecordingFormat(), QByteArray(1000, '\x90'), &reason),
                 qPrintable(reason));
        Dialog d;
        SdlSoundDevice device;
        SoundChannel channel(device, d.time, d.prompts, d.stop, d.slider);
        channel.startChannelSound(dir.filePath(name), "&Stop Alarm", 1000, true);
        QVERIFY(channel.active());
    }

    void soundsTakeTurns_data()
    {
        QTest::addColumn<QStringList>("sounds"); // what rings, due a second apart
        QTest::addColumn<int>("waited"); // seconds from the last one's time to the first poll
        QTest::addColumn<bool>("stopped"); // else each plays to its end
        QTest::addColumn<int>("missed"); // how many after the first are given up without ringing
        const QStringList three{"Prayer call — Fajr", "Alarm 1 — 05:00 AM", "Event — Dentist"};
        QTest::newRow("an alarm and an event due while the prayer call plays") << three << 0 << false << 0;
        QTest::newRow("Stop starts the next") << three << 0 << true << 0;
        QTest::newRow("ten minutes' wait still rings") << three.mid(1) << 600 << true << 0;
        QTest::newRow("a longer wait is missed") << three.mid(1) << 601 << true << 1;
    }

    // Through the real sound layer (silent driver): each sound starts in the poll that closes the
    // one before it, in the order they came due, unless it has waited too long.
    void soundsTakeTurns()
    {
        QFETCH(QStringList, sounds);
        QFETCH(int, waited);
        QFETCH(bool, stopped);
        QFETCH(int, missed);
        QTemporaryDir dir;
        Dialog d;
        SdlSoundDevice device;
        SoundChannel channel(device, d.time, d.prompts, d.stop, d.slider);
        QStringList heard;
        connect(&channel, &SoundChannel::ringingStarted, [&](const QString &what) { heard << what; });
        connect(&channel, &SoundChannel::ringingEnded, [&] { heard << "ended"; });
        connect(&channel, &SoundChannel::soundLost, [&](const QString &summary) { heard << summary; });
        for (const QString &what : sounds) {
            d.time.advance(what == sounds.first() ? 0 : 1);
            channel.startChannelSound(clip(dir, stopped ? 5000 : 100), "&Stop", 1000, true, what);
        }
        d.time.advance(waited);
        QElapsedTimer played;
        played.start();
        // The loop ends once the channel is idle after a poll.
        do {
            if (stopped)
                d.stop->click();
            else
                QTest::qWait(20);
            channel.pollChannel();
        } while (channel.active() && played.elapsed() < 5000);
        QStringList expected{sounds.first(), "ended"};
        for (const QString &what : sounds.mid(1, missed))
            expected << "Missed: " + what;
        for (const QString &what : sounds.mid(1 + missed))
            expected << what << "ended";
        QCOMPARE(heard, expected);
        QVERIFY(d.stop->isHidden());
        QVERIFY(stopped || played.elapsed() >= 100 * sounds.size());
    }

private:
    // Silence of that length, through the real layer.
    static QString clip(const QTemporaryDir &dir, int ms)
    {
        const RecordingFormat format;
        const QString path = dir.filePath(QString("%1 ms.wav").arg(ms));
        QString reason;
        if (!QFile::exists(path))
            WaveWriter::write(path, format, QByteArray(format.samplesPerSecond * ms / 1000, '\x90'), &reason);
        return path;
    }
};

QTEST_MAIN(TestSoundChannel)
#include "tst_soundchannel.moc"
