#include "sound/soundchannel.h"
#include "sound/sdlsounddevice.h"
#include "sound/wavewriter.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QPushButton>
#include <QElapsedTimer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

class TestSoundChannel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_device = RecordingSoundDevice();
        m_time.set(1796526900);
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_dialog = std::make_unique<QWidget>();
        m_stop = new QPushButton("&Stop Alarm", m_dialog.get());
        m_slider = new QSlider(Qt::Horizontal, m_dialog.get());
        m_stop->hide();
        m_slider->hide();
        m_slider->setRange(0, 777);
        m_channel = std::make_unique<SoundChannel>(m_device, m_time, *m_prompts, m_stop, m_slider);
        m_device.reply("status myalarmsound length wait", "2500");
    }

    void startShowsTheControls_data()
    {
        QTest::addColumn<bool>("showPosition");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("maximum");
        const QString open = "open \"/home/u/My Alarms/wake.wav\" type waveaudio alias myalarmsound buffer 6 ";
        QTest::newRow("alarm: stop and slider")
            << true << "&Stop Alarm"
            << QStringList{open, "set myalarmsound time format ms wait", "status myalarmsound length wait",
                           "play myalarmsound "}
            << 2500;
        QTest::newRow("prayer call: no slider")
            << false << "&Stop Aazan"
            << QStringList{open, "set myalarmsound time format ms wait", "play myalarmsound "} << 777;
    }

    void startShowsTheControls()
    {
        QFETCH(bool, showPosition);
        QFETCH(QString, caption);
        QFETCH(QStringList, sent);
        QFETCH(int, maximum);
        QVERIFY(m_channel->startChannelSound("/home/u/My Alarms/wake.wav", caption, 1000, showPosition));
        QCOMPARE(m_device.sent, sent);
        QVERIFY(m_channel->active());
        QVERIFY(!m_stop->isHidden());
        QCOMPARE(m_stop->text(), caption);
        QCOMPARE(m_slider->isHidden(), !showPosition);
        QCOMPARE(m_slider->maximum(), maximum);
    }

    void failedStartDropsTheSound_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("seconds");
        // Another sound still holds the alias: ten opens a second apart, then nothing.
        QTest::newRow("busy channel") << "open" << 10 << "open \"wake.wav\" type waveaudio alias myalarmsound buffer 6 " << 10;
        QTest::newRow("refused play closes silently") << "play" << 5 << "close myalarmsound wait" << 0;
    }

    void failedStartDropsTheSound()
    {
        QFETCH(QString, failing);
        QFETCH(int, sent);
        QFETCH(QString, last);
        QFETCH(int, seconds);
        m_device.failCommandsStartingWith(failing);
        const qint64 before = m_time.now();
        QVERIFY(!m_channel->startChannelSound("wake.wav", "&Stop Alarm", 1000, true));
        QCOMPARE(m_device.sent.size(), sent);
        QCOMPARE(m_device.sent.last(), last);
        QCOMPARE(m_time.now() - before, seconds);
        QVERIFY(!m_channel->active());
        QVERIFY(m_stop->isHidden());
    }

    void pollClosesOnlyAnEndedSound_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("stopFirst");
        QTest::addColumn<bool>("failClose");
        QTest::addColumn<bool>("closed");
        QTest::newRow("playing") << "playing" << false << false << false;
        QTest::newRow("stopped") << "stopped" << false << false << true;
        QTest::newRow("paused") << "paused" << false << false << true;
        QTest::newRow("Stop leaves the controls until the poll") << "" << true << false << true;
        QTest::newRow("failed close is shown") << "stopped" << false << true << true;
    }

    void pollClosesOnlyAnEndedSound()
    {
        QFETCH(QString, mode);
        QFETCH(bool, stopFirst);
        QFETCH(bool, failClose);
        QFETCH(bool, closed);
        start();
        if (stopFirst) {
            m_stop->click();
            QCOMPARE(m_device.sent, QStringList({"stop myalarmsound wait"}));
            QVERIFY(!m_stop->isHidden());
        }
        if (failClose) {
            m_device.failCommandsStartingWith("close");
            m_prompts->expectMessage(m_device.errorText(RecordingSoundDevice::kFailure), "Chimewise");
        }
        m_device.reply("status myalarmsound mode wait", mode);
        m_channel->pollChannel();
        QVERIFY(m_prompts->allShown());
        QCOMPARE(m_channel->active(), !closed);
        QCOMPARE(m_stop->isHidden(), closed);
        QCOMPARE(m_slider->isHidden(), closed);
        QCOMPARE(m_device.sent.contains("close myalarmsound wait"), closed);
    }

    void trackingMovesTheSlider()
    {
        start();
        m_device.reply("status myalarmsound position wait", "1234");
        m_channel->trackChannelPosition();
        QCOMPARE(m_slider->value(), 1234);
        m_device.failCommandsStartingWith("status myalarmsound position");
        m_channel->trackChannelPosition();
        QCOMPARE(m_slider->value(), 1234);
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
        start();
        if (fails) {
            m_device.failCommandsStartingWith("play");
            m_prompts->expectMessage(m_device.errorText(RecordingSoundDevice::kFailure), "Playing ");
        }
        m_slider->setSliderDown(true);
        QVERIFY(!m_channel->following());
        m_slider->setValue(thumb);
        m_slider->setSliderDown(false);
        QVERIFY(m_channel->following());
        QCOMPARE(m_device.sent, QStringList({play}));
        QVERIFY(m_prompts->allShown());
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
        SdlSoundDevice device;
        SoundChannel channel(device, m_time, *m_prompts, m_stop, m_slider);

        QVERIFY(channel.startChannelSound(clip, "&Stop Alarm", 1000, true));
        QCOMPARE(m_slider->maximum(), 200);
        QElapsedTimer played;
        played.start();
        while (channel.active() && played.elapsed() < 5000) {
            QTest::qWait(50);
            channel.pollChannel();
        }
        QVERIFY(!channel.active());
        QVERIFY(m_stop->isHidden());
        QVERIFY(played.elapsed() >= 150);

        const qint64 before = m_time.now();
        QVERIFY(channel.startChannelSound(clip, "&Stop Alarm", 1000, true));
        QCOMPARE(m_time.now(), before); // no retry pause
        channel.stopChannelSound();
        channel.pollChannel();
        QVERIFY(!channel.active());
    }

private:
    void start()
    {
        QVERIFY(m_channel->startChannelSound("/home/u/My Alarms/wake.wav", "&Stop Alarm", 1000, true));
        m_device.sent.clear();
    }

    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<QWidget> m_dialog;
    QPushButton *m_stop = nullptr;
    QSlider *m_slider = nullptr;
    std::unique_ptr<SoundChannel> m_channel;
};

QTEST_MAIN(TestSoundChannel)
#include "tst_soundchannel.moc"
