#include "alarms/csoundchannel.h"
#include "app/sound/sdlsounddevice.h"
#include "app/sound/wavewriter.h"
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
    void init();
    void alarmStartShowsStopAndSlider();
    void prayerCallStartShowsNoSlider();
    void busyChannelDropsTheSoundAfterTenOpens();
    void refusedPlayClosesSilently();
    void pollClosesOnlyAnEndedSound_data();
    void pollClosesOnlyAnEndedSound();
    void failedCloseIsShown();
    void stopLeavesTheControlsUntilThePoll();
    void trackingMovesTheSlider();
    void releasingTheThumbSeeks_data();
    void releasingTheThumbSeeks();
    void failedSeekIsShown();
    void endedSoundFreesTheChannel();

private:
    void start(bool showPosition = true);

    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<QWidget> m_dialog;
    QPushButton *m_stop = nullptr;
    QSlider *m_slider = nullptr;
    std::unique_ptr<CSoundChannel> m_channel;
};

void TestSoundChannel::init()
{
    m_device = RecordingSoundDevice();
    m_time.set(1796526900);
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_dialog = std::make_unique<QWidget>();
    m_stop = new QPushButton("&Stop Alarm", m_dialog.get());
    m_slider = new QSlider(Qt::Horizontal, m_dialog.get());
    m_stop->hide();
    m_slider->hide();
    m_channel = std::make_unique<CSoundChannel>(m_device, m_time, *m_prompts, m_stop, m_slider);
    m_device.reply("status myalarmsound length wait", "2500");
}

void TestSoundChannel::start(bool showPosition)
{
    QVERIFY(m_channel->StartChannelSound("/home/u/My Alarms/wake.wav", "&Stop Alarm", 1000,
                                         showPosition));
    m_device.sent.clear();
}

void TestSoundChannel::alarmStartShowsStopAndSlider()
{
    QVERIFY(m_channel->StartChannelSound("/home/u/My Alarms/wake.wav", "&Stop Alarm", 1000, true));
    QCOMPARE(m_device.sent, QStringList({
                                "open \"/home/u/My Alarms/wake.wav\" type waveaudio alias "
                                "myalarmsound buffer 6 ",
                                "set myalarmsound time format ms wait",
                                "status myalarmsound length wait",
                                "play myalarmsound ",
                            }));
    QVERIFY(m_channel->active());
    QVERIFY(!m_stop->isHidden());
    QCOMPARE(m_stop->text(), QString("&Stop Alarm"));
    QVERIFY(!m_slider->isHidden());
    QCOMPARE(m_slider->maximum(), 2500);
}

void TestSoundChannel::prayerCallStartShowsNoSlider()
{
    m_slider->setRange(0, 777);
    QVERIFY(m_channel->StartChannelSound("Aazan.WAV", "&Stop Aazan", 1000, false));
    QVERIFY(m_device.sent.filter("length").isEmpty());
    QCOMPARE(m_stop->text(), QString("&Stop Aazan"));
    QVERIFY(!m_stop->isHidden());
    QVERIFY(m_slider->isHidden());
    QCOMPARE(m_slider->maximum(), 777);
}

// Another sound still holds the alias: ten opens a second apart, then nothing.
void TestSoundChannel::busyChannelDropsTheSoundAfterTenOpens()
{
    m_device.failCommandsStartingWith("open");
    const qint64 before = m_time.now();
    QVERIFY(!m_channel->StartChannelSound("wake.wav", "&Stop Alarm", 1000, true));
    QCOMPARE(m_device.sent.size(), 10);
    QCOMPARE(m_time.now() - before, 10);
    QVERIFY(!m_channel->active());
    QVERIFY(m_stop->isHidden());
}

void TestSoundChannel::refusedPlayClosesSilently()
{
    m_device.failCommandsStartingWith("play");
    QVERIFY(!m_channel->StartChannelSound("wake.wav", "&Stop Alarm", 1000, true));
    QCOMPARE(m_device.sent.last(), QString("close myalarmsound wait"));
    QVERIFY(!m_channel->active());
    QVERIFY(m_stop->isHidden());
}

void TestSoundChannel::pollClosesOnlyAnEndedSound_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("closed");
    QTest::newRow("playing") << "playing" << false;
    QTest::newRow("stopped") << "stopped" << true;
    QTest::newRow("paused") << "paused" << true;
}

void TestSoundChannel::pollClosesOnlyAnEndedSound()
{
    QFETCH(QString, mode);
    QFETCH(bool, closed);
    start();
    m_device.reply("status myalarmsound mode wait", mode);
    m_channel->PollChannel();
    QCOMPARE(m_channel->active(), !closed);
    QCOMPARE(m_stop->isHidden(), closed);
    QCOMPARE(m_slider->isHidden(), closed);
    QCOMPARE(m_device.sent.contains("close myalarmsound wait"), closed);
}

void TestSoundChannel::failedCloseIsShown()
{
    start();
    m_device.failCommandsStartingWith("close");
    m_prompts->expectMessage(m_device.errorText(RecordingSoundDevice::kFailure), "Chimewise");
    m_channel->PollChannel();
    QVERIFY(m_prompts->allShown());
    QVERIFY(!m_channel->active());
}

void TestSoundChannel::stopLeavesTheControlsUntilThePoll()
{
    start();
    m_stop->click();
    QCOMPARE(m_device.sent, QStringList({"stop myalarmsound wait"}));
    QVERIFY(!m_stop->isHidden());
    m_channel->PollChannel();
    QVERIFY(m_stop->isHidden());
    QVERIFY(!m_channel->active());
}

void TestSoundChannel::trackingMovesTheSlider()
{
    start();
    m_device.reply("status myalarmsound position wait", "1234");
    m_channel->TrackChannelPosition();
    QCOMPARE(m_slider->value(), 1234);
    m_device.failCommandsStartingWith("status myalarmsound position");
    m_channel->TrackChannelPosition();
    QCOMPARE(m_slider->value(), 1234);
}

void TestSoundChannel::releasingTheThumbSeeks_data()
{
    QTest::addColumn<int>("thumb");
    QTest::addColumn<QString>("play");
    QTest::newRow("middle") << 1200 << "play myalarmsound from 1200";
    QTest::newRow("right end starts again") << 2500 << "play myalarmsound from 0";
}

void TestSoundChannel::releasingTheThumbSeeks()
{
    QFETCH(int, thumb);
    QFETCH(QString, play);
    start();
    m_slider->setSliderDown(true);
    QVERIFY(!m_channel->following());
    m_slider->setValue(thumb);
    m_slider->setSliderDown(false);
    QVERIFY(m_channel->following());
    QCOMPARE(m_device.sent, QStringList({play}));
}

void TestSoundChannel::failedSeekIsShown()
{
    start();
    m_device.failCommandsStartingWith("play");
    m_prompts->expectMessage(m_device.errorText(RecordingSoundDevice::kFailure), "Playing ");
    m_slider->setSliderDown(true);
    m_slider->setValue(100);
    m_slider->setSliderDown(false);
    QVERIFY(m_prompts->allShown());
}

// Through the real sound layer (silent driver): once the sound has played,
// the next poll closes the alias and the next sound opens at the first try.
void TestSoundChannel::endedSoundFreesTheChannel()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir dir;
    const QString clip = dir.filePath("short beep.wav");
    const RecordingFormat format;
    QString reason;
    QVERIFY2(WaveWriter::write(clip, format, QByteArray(format.samplesPerSecond / 5, '\x90'),
                               &reason),
             qPrintable(reason));
    SdlSoundDevice device;
    CSoundChannel channel(device, m_time, *m_prompts, m_stop, m_slider);

    QVERIFY(channel.StartChannelSound(clip, "&Stop Alarm", 1000, true));
    QCOMPARE(m_slider->maximum(), 200);
    QElapsedTimer played;
    played.start();
    while (channel.active() && played.elapsed() < 5000) {
        QTest::qWait(50);
        channel.PollChannel();
    }
    QVERIFY(!channel.active());
    QVERIFY(m_stop->isHidden());
    QVERIFY(played.elapsed() >= 150);

    const qint64 before = m_time.now();
    QVERIFY(channel.StartChannelSound(clip, "&Stop Alarm", 1000, true));
    QCOMPARE(m_time.now(), before); // no retry pause
    channel.StopChannelSound();
    channel.PollChannel();
    QVERIFY(!channel.active());
}

QTEST_MAIN(TestSoundChannel)
#include "tst_soundchannel.moc"
