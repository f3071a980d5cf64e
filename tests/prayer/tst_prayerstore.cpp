#include "naamaztestdb.h"
#include "prayer/prayercall.h"
#include "prayer/prayerschedule.h"
#include "sound/soundchannel.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kThursday = 4;
constexpr int kFriday = 5;
constexpr int kToday = 340; // 2026-12-06

LocalTime at(int dayOfYear, int weekday, int secondOfDay)
{
    return LocalTime{2026, 12, 6, weekday, dayOfYear, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

} // namespace

// The prayer statements against a real SQLite file, today's times read from it, and the call at them.
class TestPrayerStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<NaamazTestDb>();
        m_device = RecordingSoundDevice();
        m_channel = std::make_unique<SoundChannel>(m_device, m_time, m_prompts, new QPushButton(&m_controls),
                                                    new QSlider(&m_controls));
    }

    void onePrayerColumnComesFromTheList_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Zohor") << "Zohor" << true;
        QTest::newRow("Jumma") << "Jumma" << true;
        QTest::newRow("lower case") << "zohor" << false;
        QTest::newRow("day column") << "Days" << false;
        QTest::newRow("injection") << "Fajr=1, Days" << false;
    }

    void onePrayerColumnComesFromTheList()
    {
        QFETCH(QString, column);
        QFETCH(bool, accepted);
        DbSession session = m_db->session();
        QVERIFY(m_db->store().insertMissingDays(session, 60, 61).ok());
        QCOMPARE(m_db->store().updateOnePrayer(session, column, 795, 60).ok(), accepted);
        const int index = PrayerStore::prayerColumns().indexOf(column);
        QCOMPARE((*m_db->times(60))[PrayerTimes::Index(qMax(index, 0))], accepted ? 795 : 0);
        QCOMPARE(m_db->days(), (QList<int>{60, 61}));
        QCOMPARE(m_db->times(61), PrayerTimes{});
    }

    // The angle counts only when stored as a double; the ratio is truncated.
    void cityFieldsReadAsStored()
    {
        DbSession session = m_db->session();
        QVERIFY(session.execute("INSERT INTO CITY (City, FajrDepr, Ratio) VALUES ('Sylhet', 'steep', 1.9)").ok());
        const CityRecord sylhet{"Sylhet", "", "", 0, 0.0, 0.0, 0.0, 0, 0, 1};
        QCOMPARE(m_db->store().loadCity(session, "Sylhet").value(), sylhet);
        // Numbers beyond an int, or none at all, are clamped rather than left undefined.
        QVERIFY(session.execute("INSERT INTO CITY (City, FajrByInterval, HasDayLt, ByRatio, Ratio) "
                                "VALUES ('Nowhere', 1e300, 'NaN', -1e300, 'inf')").ok());
        const CityRecord nowhere = *m_db->store().loadCity(session, "Nowhere").value();
        QCOMPARE(nowhere.fajrMethod, std::numeric_limits<int>::max());
        QCOMPARE(nowhere.daylightSaving, 0);
        QCOMPARE(nowhere.byRatio, std::numeric_limits<int>::min());
        QCOMPARE(nowhere.ratioIndex, std::numeric_limits<int>::max());
        QVERIFY(!m_db->store().loadCity(session, "Dhaka").value().has_value());
    }

    void todayTimes_data()
    {
        QTest::addColumn<QVariant>("jumma");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("database");     // "ok", "no table" or "no file"
        QTest::addColumn<PrayerTimes>("expected"); // all 0: the times held before stay
        const PrayerTimes kept = times(290, 730, 940, 1100, 1180, 780);
        const PrayerTimes zohor = times(290, 730, 940, 1100, 1180, 730);
        QTest::newRow("Jumma kept") << QVariant(780) << 100 << "ok" << kept;
        QTest::newRow("Jumma empty") << QVariant() << 100 << "ok" << zohor;
        QTest::newRow("Jumma 0") << QVariant(0) << 100 << "ok" << zohor;
        QTest::newRow("Jumma 1440") << QVariant(1440) << 100 << "ok" << zohor;
        QTest::newRow("Jumma negative") << QVariant(-5) << 100 << "ok" << zohor;
        QTest::newRow("no row: day 366") << QVariant(780) << 366 << "ok" << PrayerTimes{};
        QTest::newRow("table gone") << QVariant(780) << 100 << "no table" << PrayerTimes{};
        QTest::newRow("no file: none is made") << QVariant(780) << 100 << "no file" << PrayerTimes{};
    }

    void todayTimes()
    {
        QFETCH(QVariant, jumma);
        QFETCH(int, day);
        QFETCH(QString, database);
        QFETCH(PrayerTimes, expected);
        const NaamazTestDb db(database != "no file");
        if (db.exists()) {
            DbSession session = db.session();
            QVERIFY(session.execute("INSERT INTO Naamaz VALUES (100, 290, 730, 940, 1100, 1180, ?)", {jumma}).ok());
        }
        if (database == "no table")
            db.drop("Naamaz");
        const PrayerTimes before = times(1, 2, 3, 4, 5, 6);
        TodayPrayerTimes today = before;
        const DbResult<bool> loaded = loadTodayPrayerTimes(db.source(), day, today);
        QCOMPARE(loaded.ok(), database != "no table");
        QCOMPARE(loaded.ok() && loaded.value(), expected != PrayerTimes{});
        QCOMPARE(today, expected == PrayerTimes{} ? before : expected);
        QCOMPARE(db.exists(), database != "no file");
    }

    void prayerCall_data()
    {
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("jumma");    // as stored
        QTest::addColumn<int>("second");   // of the day
        QTest::addColumn<int>("prayer");   // due, or -1
        QTest::addColumn<QString>("file"); // the call that sounds
        // Fajr 05:20, Zohor 12:10, Asr 15:03, Magreb 17:23, Isha 18:43, Jumma 13:00
        const int fajr = PrayerTimes::Fajr, zohor = PrayerTimes::Zohor, jumma = PrayerTimes::Jumma;
        QTest::newRow("Fajr") << kThursday << 780 << 320 * 60 << fajr << "FAazan.WAV";
        QTest::newRow("a second after Fajr") << kThursday << 780 << 320 * 60 + 1 << -1 << "";
        QTest::newRow("Thursday at Zohor") << kThursday << 780 << 730 * 60 << zohor << "Aazan.WAV";
        QTest::newRow("Thursday at Jumma") << kThursday << 780 << 780 * 60 << -1 << "";
        QTest::newRow("Friday at Zohor") << kFriday << 780 << 730 * 60 << -1 << "";
        QTest::newRow("Friday at Jumma") << kFriday << 780 << 780 * 60 << jumma << "Aazan.WAV";
        QTest::newRow("Friday, Jumma empty: at Zohor") << kFriday << 0 << 730 * 60 << jumma << "Aazan.WAV";
        QTest::newRow("Friday, Jumma on Asr: the first") << kFriday << 903 << 903 * 60 << int(PrayerTimes::Asr)
                                                         << "Aazan.WAV";
        QTest::newRow("Isha") << kFriday << 780 << 1123 * 60 << int(PrayerTimes::Isha) << "Aazan.WAV";
    }

    void prayerCall()
    {
        QFETCH(int, weekday);
        QFETCH(int, jumma);
        QFETCH(int, second);
        QFETCH(int, prayer);
        QFETCH(QString, file);
        m_db->fill(kToday, kToday, times(320, 730, 903, 1043, 1123, jumma));
        PrayerSchedule schedule(m_db->source(), *m_channel);
        schedule.loadToday(at(kToday, weekday, 5));
        QCOMPARE(duePrayer(schedule.today(), second, weekday), prayer);

        schedule.checkPrayerCall(at(kToday, weekday, second));
        if (file.isEmpty()) {
            QVERIFY(m_device.sent.isEmpty());
            return;
        }
        QCOMPARE(m_device.sent.size(), 3); // open, time format, play: no length, no slider
        QVERIFY2(m_device.sent.first().contains("/" + file + "\" type waveaudio alias myalarmsound"),
                 qPrintable(m_device.sent.first()));
        QVERIFY(m_channel->active());
    }

    void midnightReloadsAndPlaysNothing()
    {
        const PrayerTimes tomorrow = times(0, 731, 904, 1044, 1124, 781);
        m_db->fill(kToday, kToday, times(320, 730, 903, 1043, 1123, 780));
        m_db->fill(kToday + 1, kToday + 1, tomorrow);
        PrayerSchedule schedule(m_db->source(), *m_channel);
        schedule.loadToday(at(kToday, 0, 5));

        schedule.checkPrayerCall(at(kToday + 1, 1, 0));

        QCOMPARE(schedule.today(), tomorrow);
        QVERIFY(m_device.sent.isEmpty());
    }

private:
    std::unique_ptr<NaamazTestDb> m_db;
    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    ScriptedPrompts m_prompts;
    QWidget m_controls;
    std::unique_ptr<SoundChannel> m_channel;
};

QTEST_MAIN(TestPrayerStore)
#include "tst_prayerstore.moc"
