#include "core/duerules.h"
#include "core/secondcatchup.h"
#include "naamaztestdb.h"
#include "prayer/prayerschedule.h"
#include "prayer/todayprayertimes.h"
#include "sound/soundchannel.h"
#include "support/recordingsounddevice.h"
#include "support/virtualtimesource.h"

namespace {

const QDate kThursday(2026, 12, 3);
const QDate kFriday(2026, 12, 4);

LocalTime at(const QDate &day, int secondOfDay)
{
    return LocalTime::fromWallSecond(day.toJulianDay() * 86400 + secondOfDay);
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
        m_channel = std::make_unique<SoundChannel>(m_device, m_time);
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
        PrayerTimes today = before;
        const DbResult<bool> loaded = loadTodayPrayerTimes(db.source(), day, today);
        QCOMPARE(loaded.ok(), database != "no table");
        QCOMPARE(loaded.ok() && loaded.value(), expected != PrayerTimes{});
        QCOMPARE(today, expected == PrayerTimes{} ? before : expected);
        QCOMPARE(db.exists(), database != "no file");
    }

    void prayerCall_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("fajr");     // as stored
        QTest::addColumn<int>("jumma");
        QTest::addColumn<int>("second");   // of the day
        QTest::addColumn<QString>("file"); // the call that sounds, if any
        // Fajr 05:20, Zohor 12:10, Asr 15:03, Magreb 17:23, Isha 18:43, Jumma 13:00
        QTest::newRow("Fajr") << kThursday << 320 << 780 << 320 * 60 << "FAazan.WAV";
        QTest::newRow("a second after Fajr") << kThursday << 320 << 780 << 320 * 60 + 1 << "";
        QTest::newRow("a stored 0 never rings at midnight") << kThursday << 0 << 780 << 0 << "";
        QTest::newRow("Thursday at Zohor") << kThursday << 320 << 780 << 730 * 60 << "Aazan.WAV";
        QTest::newRow("Thursday at Jumma") << kThursday << 320 << 780 << 780 * 60 << "";
        QTest::newRow("Friday at Zohor") << kFriday << 320 << 780 << 730 * 60 << "";
        QTest::newRow("Friday at Jumma") << kFriday << 320 << 780 << 780 * 60 << "Aazan.WAV";
        QTest::newRow("Friday, Jumma empty: at Zohor") << kFriday << 320 << 0 << 730 * 60 << "Aazan.WAV";
        QTest::newRow("Isha") << kFriday << 320 << 780 << 1123 * 60 << "Aazan.WAV";
    }

    // The day's stored times decide; the call plays on the channel without a slider.
    void prayerCall()
    {
        QFETCH(QDate, day);
        QFETCH(int, fajr);
        QFETCH(int, jumma);
        QFETCH(int, second);
        QFETCH(QString, file);
        m_db->fill(day.dayOfYear(), day.dayOfYear(), times(fajr, 730, 903, 1043, 1123, jumma));
        PrayerSchedule schedule(m_db->source(), *m_channel);
        const std::optional<PrayerTimes> stored = schedule.timesOn(day);
        QVERIFY(stored);
        const int prayer = duePrayer({{}, *stored, {}}, at(day, second));
        QCOMPARE(prayer >= 0, !file.isEmpty());
        if (prayer < 0)
            return;
        schedule.call(prayer, {0, at(day, second), Timeliness::OnTime});
        QCOMPARE(m_device.sent.size(), 3); // open, time format, play: no length, no slider
        QVERIFY2(m_device.sent.first().contains("/" + file + "\" type waveaudio alias myalarmsound"),
                 qPrintable(m_device.sent.first()));
        QVERIFY(m_channel->active());
    }

private:
    std::unique_ptr<NaamazTestDb> m_db;
    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    std::unique_ptr<SoundChannel> m_channel;
};

QTEST_MAIN(TestPrayerStore)
#include "tst_prayerstore.moc"
