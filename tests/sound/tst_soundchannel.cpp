#include "sound/sdlsounddevice.h"
#include "sound/soundchannel.h"
#include "sound/wavewriter.h"
#include "support/recordingsounddevice.h"
#include "support/virtualtimesource.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kWake = "/home/u/My Alarms/wake.wav";
const QString kOpen = "open \"/home/u/My Alarms/wake.wav\" type waveaudio alias myalarmsound buffer 6 ";
const QString kClose = "close myalarmsound wait";

ChannelSound alarm(const QString &path, bool showPosition = true, const QString &ringing = QString())
{
    return {path, "&Stop Alarm", 1000, showPosition, ringing, 0};
}

// A channel on a device that plays a sound of 2500 ms, with what it says of itself.
struct Channel
{
    Channel() { device.reply("status myalarmsound length wait", "2500"); }

    // Starts the alarm and forgets the commands it took.
    void start()
    {
        channel.startChannelSound(alarm(kWake));
        QVERIFY(channel.active());
        device.sent.clear();
    }

    RecordingSoundDevice device;
    VirtualTimeSource time;
    SoundChannel channel{device, time};
    QSignalSpy started{&channel, &SoundChannel::ringingStarted};
    QSignalSpy ended{&channel, &SoundChannel::ringingEnded};
    QSignalSpy lost{&channel, &SoundChannel::soundLost};
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
        const bool played = failing.isEmpty() || (failing == "open" && refusals < SoundChannel::kOpenAttempts);
        Channel c;
        if (refusals)
            c.device.failCommandsStartingWith(failing, refusals);
        c.channel.startChannelSound(alarm(kWake, showPosition));
        QCOMPARE(c.device.sent.count(kOpen), 1);
        c.time.advanceMs(999);
        QCOMPARE(c.device.sent.count(kOpen), 1);
        c.time.advance(60);
        QCOMPARE(c.device.sent, sent);
        QCOMPARE(c.channel.active(), played);
        // What rings, the Stop caption, the slider's range (-1: none) and that the desktop is told.
        if (played)
            QCOMPARE(c.started.takeFirst(), QVariantList({"wake.wav", "&Stop Alarm", showPosition ? 2500 : -1, true}));
        QCOMPARE(c.lost.size(), int(!played));
        if (!played)
            QCOMPARE(c.lost.first(), QVariantList({"Could not play " + kWake, "wake.wav. The device failed with code 263"}));
    }

    void pollClosesOnlyAnEndedSound_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("failClose");
        QTest::addColumn<bool>("closed");
        QTest::newRow("playing") << "playing" << false << false;
        QTest::newRow("stopped") << "stopped" << false << true;
        QTest::newRow("failed close is told") << "stopped" << true << true;
    }

    void pollClosesOnlyAnEndedSound()
    {
        QFETCH(QString, mode);
        QFETCH(bool, failClose);
        QFETCH(bool, closed);
        Channel c;
        c.start();
        QSignalSpy failed(&c.channel, &SoundChannel::deviceFailed);
        if (failClose)
            c.device.failCommandsStartingWith("close");
        c.device.reply("status myalarmsound mode wait", mode);
        c.channel.pollChannel();
        QCOMPARE(c.channel.active(), !closed);
        QCOMPARE(c.ended.size(), int(closed));
        QCOMPARE(c.device.sent.contains(kClose), closed);
        QCOMPARE(failed.size(), int(failClose));
    }

    // The position is told while the user leaves the thumb alone; letting it go seeks there,
    // from the start at the right end.
    void thumbSeeks_data()
    {
        QTest::addColumn<int>("thumb");
        QTest::addColumn<QString>("play");
        QTest::addColumn<bool>("fails");
        QTest::newRow("middle") << 1200 << "play myalarmsound from 1200" << false;
        QTest::newRow("right end starts again") << 2500 << "play myalarmsound from 0" << false;
        QTest::newRow("failed seek is told") << 100 << "play myalarmsound from 100" << true;
    }

    void thumbSeeks()
    {
        QFETCH(int, thumb);
        QFETCH(QString, play);
        QFETCH(bool, fails);
        Channel c;
        c.start();
        QSignalSpy position(&c.channel, &SoundChannel::positionChanged);
        c.device.reply("status myalarmsound position wait", "1234");
        c.channel.holdPosition();
        c.channel.trackChannelPosition();
        QCOMPARE(position.size(), 0);
        if (fails)
            c.device.failCommandsStartingWith("play");
        QCOMPARE(c.channel.seek(thumb), fails ? c.device.errorText(RecordingSoundDevice::kFailure) : QString());
        QCOMPARE(c.device.sent, QStringList({play}));
        c.channel.trackChannelPosition();
        QCOMPARE(position.takeFirst(), QVariantList({1234}));
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
        VirtualTimeSource time;
        SdlSoundDevice device;
        SoundChannel channel(device, time);
        channel.startChannelSound(alarm(dir.filePath(name)));
        QVERIFY(channel.active());
    }

    void soundsTakeTurns_data()
    {
        QTest::addColumn<QStringList>("sounds"); // what rings, due a second apart
        QTest::addColumn<int>("waited"); // seconds from the last one's time to the first poll
        QTest::addColumn<bool>("stopped"); // else each plays to its end
        QTest::addColumn<int>("missed"); // how many after the first are given up without ringing
        QTest::addColumn<int>("dueEarlier"); // seconds before it was handed over that the last one came due
        const QStringList three{"Prayer call — Fajr", "Alarm 1 — 05:00 AM", "Event — Dentist"};
        QTest::newRow("an alarm and an event due while the prayer call plays") << three << 0 << false << 0 << 0;
        QTest::newRow("Stop starts the next") << three << 0 << true << 0 << 0;
        QTest::newRow("ten minutes' wait still rings") << three.mid(1) << 600 << true << 0 << 0;
        QTest::newRow("a longer wait is missed") << three.mid(1) << 601 << true << 1 << 0;
        // Caught up after a sleep: the wait counts from when it came due.
        QTest::newRow("late sound waits less") << three.mid(1) << 300 << true << 1 << 301;
    }

    // Through the real sound layer (silent driver): each sound starts in the poll that closes the
    // one before it, in the order they came due, unless it has waited too long.
    void soundsTakeTurns()
    {
        QFETCH(QStringList, sounds);
        QFETCH(int, waited);
        QFETCH(bool, stopped);
        QFETCH(int, missed);
        QFETCH(int, dueEarlier);
        QTemporaryDir dir;
        VirtualTimeSource time(1796493605);
        SdlSoundDevice device;
        SoundChannel channel(device, time);
        QStringList heard;
        connect(&channel, &SoundChannel::ringingStarted, [&](const QString &what) { heard << what; });
        connect(&channel, &SoundChannel::ringingEnded, [&] { heard << "ended"; });
        connect(&channel, &SoundChannel::soundLost, [&](const QString &summary) { heard << summary; });
        for (const QString &what : sounds) {
            time.advance(what == sounds.first() ? 0 : 1);
            const qint64 due = time.now() - (what == sounds.last() ? dueEarlier : 0);
            channel.startChannelSound({clip(dir, stopped ? 5000 : 100), "&Stop", 1000, true, what, due});
        }
        time.advance(waited);
        QElapsedTimer played;
        played.start();
        // The loop ends once the channel is idle after a poll.
        do {
            if (stopped)
                channel.stopChannelSound();
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
