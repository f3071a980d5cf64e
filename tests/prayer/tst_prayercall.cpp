#include "sound/soundchannel.h"
#include "core/timesource.h"
#include "naamaztestdb.h"
#include "prayer/prayercall.h"
#include "prayer/prayerschedule.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kThursday = 4;
constexpr int kFriday = 5;
constexpr int kToday = 340; // 2026-12-06
const PrayerTimes kTimes = times(320, 730, 903, 1043, 1123, 780);

LocalTime at(int dayOfYear, int weekday, int hour, int minute, int second)
{
    return LocalTime{2026, 12, 6, weekday, dayOfYear, hour, minute, second};
}

} // namespace

class TestPrayerCall : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<NaamazTestDb>();
        m_device = RecordingSoundDevice();
        m_dialog = std::make_unique<QWidget>();
        m_channel = std::make_unique<SoundChannel>(m_device, m_time, m_prompts, new QPushButton(m_dialog.get()),
                                                    new QSlider(m_dialog.get()));
    }

    void duePrayer_data()
    {
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("secondOfDay");
        QTest::addColumn<int>("prayer");
        // Fajr 05:20, Zohor 12:10, Asr 15:03, Magreb 17:23, Isha 18:43, Jumma 13:00
        QTest::newRow("Friday at Zohor") << kFriday << 730 * 60 << -1;
        QTest::newRow("Friday at Jumma") << kFriday << 780 * 60 << int(PrayerTimes::Jumma);
        QTest::newRow("Thursday at Zohor") << kThursday << 730 * 60 << int(PrayerTimes::Zohor);
        QTest::newRow("Thursday at Jumma") << kThursday << 780 * 60 << -1;
        QTest::newRow("Fajr") << kThursday << 320 * 60 << int(PrayerTimes::Fajr);
        QTest::newRow("a second after Fajr") << kThursday << 320 * 60 + 1 << -1;
        QTest::newRow("Isha") << kFriday << 1123 * 60 << int(PrayerTimes::Isha);
    }

    void duePrayer()
    {
        QFETCH(int, weekday);
        QFETCH(int, secondOfDay);
        QFETCH(int, prayer);
        QCOMPARE(::duePrayer(kTimes, secondOfDay, weekday), prayer);
        // Two prayers on one minute: only the first sounds.
        QCOMPARE(::duePrayer(times(320, 903, 903, 1043, 1123, 903), 903 * 60, kThursday), int(PrayerTimes::Zohor));
    }

    void callPlaysItsFile_data()
    {
        QTest::addColumn<int>("jumma");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("file");
        QTest::newRow("Fajr") << 780 << kThursday << 5 << 20 << "/FAazan.WAV";
        QTest::newRow("Asr") << 780 << kThursday << 15 << 3 << "/Aazan.WAV";
        QTest::newRow("Friday, Jumma empty: Zohor") << 0 << kFriday << 12 << 10 << "/Aazan.WAV";
    }

    void callPlaysItsFile()
    {
        QFETCH(int, jumma);
        QFETCH(int, weekday);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, file);
        m_db->fill(kToday, kToday, times(320, 730, 903, 1043, 1123, jumma));
        PrayerSchedule schedule(m_db->source(), *m_channel);
        schedule.loadToday(at(kToday, weekday, 0, 0, 5));

        schedule.checkPrayerCall(at(kToday, weekday, hour, minute, 0));

        QCOMPARE(m_device.sent.size(), 3); // open, time format, play: no length, no slider
        QVERIFY2(m_device.sent.first().contains(file + "\" type waveaudio alias myalarmsound"),
                 qPrintable(m_device.sent.first()));
        QVERIFY(m_channel->active());
    }

    void midnightReloadsAndPlaysNothing()
    {
        m_db->fill(kToday, kToday, kTimes);
        m_db->fill(kToday + 1, kToday + 1, times(0, 731, 904, 1044, 1124, 781));
        PrayerSchedule schedule(m_db->source(), *m_channel);
        schedule.loadToday(at(kToday, 0, 0, 0, 5));

        schedule.checkPrayerCall(at(kToday + 1, 1, 0, 0, 0));

        QCOMPARE(schedule.today(), times(0, 731, 904, 1044, 1124, 781));
        QVERIFY(m_device.sent.isEmpty());
    }

    void missingDatabaseKeepsTheTimesAndCreatesNothing()
    {
        const NaamazTestDb missing(false);
        PrayerSchedule schedule(missing.source(), *m_channel);
        schedule.loadToday(at(kToday, 0, 0, 0, 5));
        QCOMPARE(schedule.today(), PrayerTimes());
        QVERIFY(!missing.exists());
    }

private:
    std::unique_ptr<NaamazTestDb> m_db;
    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    ScriptedPrompts m_prompts;
    std::unique_ptr<QWidget> m_dialog;
    std::unique_ptr<SoundChannel> m_channel;
};

QTEST_MAIN(TestPrayerCall)
#include "tst_prayercall.moc"
