#include "prayer/cityinfodialog.h"

#include "dialogfields.h"
#include "db/schema.h"
#include "naamaztestdb.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

Fields place(const QString &city, const QString &zone, const QString &longitude, const QString &latitude)
{
    const QStringList lon = longitude.split(' '), lat = latitude.split(' ');
    return {{"cityCombo", city}, {"timeZoneEdit", zone},
            {"longitudeDegreesEdit", lon[0]}, {"longitudeMinutesEdit", lon[1]}, {"longitudeDirectionList", lon[2]},
            {"latitudeDegreesEdit", lat[0]}, {"latitudeMinutesEdit", lat[1]}, {"latitudeDirectionList", lat[2]}};
}

const Fields kDhaka = place("Dhaka", "6", "90 25 E", "23 43 N");

// Picks an entry the way a click does.
void choose(const QWidget &dlg, const QString &name, const QString &text)
{
    QComboBox *list = find<QComboBox>(dlg, name);
    list->setCurrentIndex(list->findText(text));
    emit list->activated(list->currentIndex());
}

QStringList cities(const NaamazTestDb &db)
{
    DbSession session = db.session();
    return db.store().listCities(session).value();
}

const char kReplace2002[] = "Replace the prayer times of all 365 days of 2002?";

// The columns a database made before zones, presets and offsets were kept lacks.
const char *const kNewCityColumns[] = {"ZoneName", "Preset", "HighLat", "FajrOffset", "ZohorOffset",
                                       "AsrOffset", "MagrebOffset", "IshaOffset"};

} // namespace

class TestCityInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_time.set(VirtualTimeSource::fromLocal(2002, 3, 5, 10, 0, 0));
        m_prompts = ScriptedPrompts();
    }

    void cleanup() { QVERIFY(m_prompts.allShown()); }

    void refusedValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("zone above 12") << "timeZoneEdit" << "12.5" << "Illegal Time Zone Value";
        QTest::newRow("zone below -12") << "timeZoneEdit" << "-13" << "Illegal Time Zone Value";
        QTest::newRow("zone not a number") << "timeZoneEdit" << "GMT" << "Please enter a number.";
        QTest::newRow("longitude above 180")
            << "longitudeDegreesEdit" << "181" << "Please enter an integer between 0 and 180.";
        QTest::newRow("latitude above 90") << "latitudeDegreesEdit" << "91" << "Please enter an integer between 0 and 90.";
        QTest::newRow("60 minutes") << "latitudeMinutesEdit" << "60" << "Please enter an integer between 0 and 59.";
        QTest::newRow("angle above 30") << "angleEdit" << "30.5" << "Please enter a number between 0 and 30.";
        QTest::newRow("negative interval") << "intervalEdit" << "-1" << "Please enter a number between 0 and 60.";
        QTest::newRow("no city name") << "cityCombo" << "  "
                                      << "Type the name of the city first: its settings are kept under it.";
        QTest::newRow("unknown zone") << "zoneCombo" << "Mars/Olympus"
                                      << "There is no zone named \"Mars/Olympus\". Type part of the name, such as "
                                         "Dhaka or London, and pick it from the list; or leave it empty to use the "
                                         "offset and the daylight box.";
    }

    void refusedValues()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        NaamazTestDb db;
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        type(dlg, kDhaka);
        type(dlg, {{field, value}});
        m_prompts.expectMessage(message, "Chimewise");
        QVERIFY(!dlg.generatePrayerYear());
        const QWidget *refused = find<QWidget>(dlg, field);
        QVERIFY(dlg.focusWidget() == refused || refused->isAncestorOf(dlg.focusWidget()));
        QVERIFY(db.days().isEmpty());
        QVERIFY(cities(db).isEmpty());
    }

    // Choosing the school sets the shadow ratio, and choosing the ratio sets the school.
    void fiqhAndRatioAgree()
    {
        NaamazTestDb db;
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        QComboBox *fiqh = find<QComboBox>(dlg, "fiqhList"), *ratio = find<QComboBox>(dlg, "ratioList");
        choose(dlg, "fiqhList", "Hanafi");
        QCOMPARE(ratio->currentText(), "2");
        choose(dlg, "fiqhList", "SHafi'i");
        QCOMPARE(ratio->currentText(), "1");
        choose(dlg, "ratioList", "2");
        QCOMPARE(fiqh->currentText(), "Hanafi");
        choose(dlg, "ratioList", "1");
        QCOMPARE(fiqh->currentText(), "SHafi'i");
    }

    // Opening the dialog makes the database, or the tables a creation cut short left
    // out; the generation fills the empty table, a leap year's 366 days.
    void generateIntoMissingDatabase_data()
    {
        QTest::addColumn<int>("tablesMade"); // before the clock was killed; -1: no file
        QTest::newRow("no file") << -1;
        QTest::newRow("empty file") << 0;
        QTest::newRow("only the day table") << 1;
    }

    void generateIntoMissingDatabase()
    {
        QFETCH(int, tablesMade);
        m_time.set(VirtualTimeSource::fromLocal(2004, 12, 31, 23, 0, 0));
        NaamazTestDb db(false, "data/KTXDB.sqlite");
        if (tablesMade >= 0) {
            QVERIFY(QDir().mkpath(QFileInfo(db.source().name()).path()));
            QFile empty(db.source().name());
            QVERIFY(empty.open(QIODevice::WriteOnly));
            empty.close();
            for (const QString &statement : schemaStatements().mid(0, tablesMade))
                QVERIFY(db.session().execute(statement).ok());
        }
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        QCOMPARE(find<QLabel>(dlg, "statusLabel")->text(), "Database not found. Creating Database");
        QVERIFY(db.exists());
        type(dlg, kDhaka);
        click(dlg, "generateButton");

        QCOMPARE(db.days(), range(1, 366));
        QCOMPARE(cities(db), QStringList{"Dhaka"});
        QCOMPARE(find<QLabel>(dlg, "statusLabel")->text(), "Processing Record 366");
        const PrayerTimes last = *db.times(366);
        QCOMPARE(last[PrayerTimes::Jumma], 0);
        QVERIFY(last[PrayerTimes::Fajr] > 0 && last[PrayerTimes::Isha] > last[PrayerTimes::Magreb]);
    }

    // Over a table already there: the rows of the year are rewritten, the Jumma times kept.
    // With no city yet the dialog shows Hanafi with ratio 2, stores Asr by that rule, and
    // shows it again on reopening.
    void generateKeepsJummaAndFillsMissingDays()
    {
        NaamazTestDb db;
        const PrayerTimes old = times(1, 2, 3, 4, 5, 800);
        db.fill(10, 20, old);
        db.fill(366, 366, old);
        for (const bool generate : {true, false}) {
            CityInfoDialog dlg(db.store(), m_prompts, m_time);
            QCOMPARE(find<QComboBox>(dlg, "fiqhList")->currentText(), "Hanafi");
            QCOMPARE(find<QComboBox>(dlg, "ratioList")->currentText(), "2");
            type(dlg, kDhaka);
            if (generate)
                m_prompts.expectMessage(kReplace2002, "Chimewise", PromptService::Answer::Yes);
            QVERIFY(!generate || dlg.generatePrayerYear());
        }

        QCOMPARE(db.days(), range(1, 366));
        const PrayerTimes kept = *db.times(15);
        QCOMPARE(kept[PrayerTimes::Jumma], 800);
        QVERIFY(kept[PrayerTimes::Fajr] > 240);
        QCOMPARE(db.times(366), old); // not a day of 2002
        QCOMPARE(db.times(1), times(320, 722, 947, 1043, 1123, 0)); // Asr 15:47, not the 15:03 of ratio 1
    }

    // The settings of a city come back as generated, its zone, method and offsets with them;
    // generating it again replaces its row.
    void cityRoundTrip()
    {
        NaamazTestDb db;
        CityInfoDialog first(db.store(), m_prompts, m_time);
        type(first, place("Abu Dhabi", "4", "54 22 E", "24 28 N"));
        type(first, {{"zoneCombo", "asia/dubai"}, {"presetList", "Umm al-Qura"}, {"fajrOffsetSpin", "2"},
                     {"ishaOffsetSpin", "-3"}});
        QVERIFY(first.generatePrayerYear());
        type(first, place("Cox's Bazar", "5.75", "120 59 E", "21 27 S"));
        type(first, {{"zoneCombo", ""}, {"presetList", "Custom"}, {"highLatitudeList", "Middle of the night"},
                     {"daylightCheck", ""}, {"byMaxIntervalRadio", ""}, {"angleEdit", "15.5"}, {"intervalEdit", "45"},
                     {"ratioRadio", ""}, {"fajrOffsetSpin", "0"}, {"ishaOffsetSpin", "0"}, {"zohorOffsetSpin", "30"}});
        choose(first, "ratioList", "2");
        for (int time = 0; time < 2; ++time) {
            // 121 degrees east has its noon near GMT+8, over two hours from the zone typed.
            m_prompts.expectMessage("At longitude 120° 59′ E the Sun is highest near noon of GMT+8, but the zone is "
                                    "GMT+5:45: Zohor would come hours away from midday. Check the longitude's "
                                    "direction (E or W) and the zone.\n\nGenerate the times anyway?",
                                    "Chimewise", PromptService::Answer::Yes);
            m_prompts.expectMessage(kReplace2002, "Chimewise", PromptService::Answer::Yes);
            QVERIFY(first.generatePrayerYear());
        }
        // The list is rebuilt in order, each city once, and keeps the city just generated.
        QComboBox *list = find<QComboBox>(first, "cityCombo");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), "Abu Dhabi");
        QCOMPARE(list->currentText(), "Cox's Bazar");
        const CitySettings generated = first.settings();
        QCOMPARE(generated.longitudeDegrees, 120);
        QCOMPARE(generated.offsets, (std::array<int, 5>{0, 30, 0, 0, 0}));

        CityInfoDialog again(db.store(), m_prompts, m_time);
        choose(again, "cityCombo", "Cox's Bazar");
        QCOMPARE(again.settings(), generated);
        QCOMPARE(find<QLineEdit>(again, "longitudeDegreesEdit")->text(), "120");
        QCOMPARE(find<QComboBox>(again, "fiqhList")->currentText(), "Hanafi");
        QVERIFY(find<QRadioButton>(again, "byMaxIntervalRadio")->isChecked());
        QCOMPARE(find<QComboBox>(again, "highLatitudeList")->currentIndex(), int(HighLatitudeRule::MiddleOfNight));
        choose(again, "cityCombo", "Abu Dhabi");
        QCOMPARE(again.settings().zoneName, "Asia/Dubai");
        QCOMPARE(again.settings().preset, "ummalqura");
        QCOMPARE(again.settings().offsets, (std::array<int, 5>{2, 0, 0, 0, -3}));
        QVERIFY(!find<QLineEdit>(again, "timeZoneEdit")->isEnabled());
        QVERIFY(!find<QWidget>(again, "fajrGroup")->isEnabled()); // the preset sets the angles
    }

    // Every regeneration adds the city's minutes again, so a mosque's timetable matched once stays matched.
    void offsetsKeptAcrossRegeneration()
    {
        NaamazTestDb db;
        const QList<int> days{1, 200};
        const auto generate = [&](const Fields &fields, bool over) -> QList<PrayerTimes> {
            CityInfoDialog dlg(db.store(), m_prompts, m_time);
            choose(dlg, "cityCombo", "Dhaka");
            type(dlg, fields);
            if (over)
                m_prompts.expectMessage(kReplace2002, "Chimewise", PromptService::Answer::Yes);
            if (!dlg.generatePrayerYear())
                return {};
            QList<PrayerTimes> times;
            for (int day : days)
                times << *db.times(day);
            return times;
        };
        const QList<PrayerTimes> plain = generate(kDhaka, false);
        QCOMPARE(plain.size(), days.size());
        const std::array<int, 5> offsets{2, 1, 0, 3, -4};
        const QList<PrayerTimes> matched =
            generate({{"fajrOffsetSpin", "2"}, {"zohorOffsetSpin", "1"}, {"magrebOffsetSpin", "3"}, {"ishaOffsetSpin", "-4"}},
                     true);
        QCOMPARE(generate({}, true), matched); // the city's saved minutes, not typed again
        for (int d = 0; d < days.size(); ++d) {
            for (int p = 0; p < 5; ++p)
                QCOMPARE(matched[d].minutes[p] - plain[d].minutes[p], offsets[p]);
        }
    }

    void answeredNo_data()
    {
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("question");
        QTest::newRow("replacing a year") << "90 25 E" << QString(kReplace2002);
        // Dhaka's numbers typed over W: solar noon six hours west of a zone six hours east.
        QTest::newRow("longitude against the zone")
            << "90 25 W"
            << "At longitude 90° 25′ W the Sun is highest near noon of GMT-6, but the zone is GMT+6: Zohor would "
               "come hours away from midday. Check the longitude's direction (E or W) and the zone.\n\n"
               "Generate the times anyway?";
    }

    // Nothing is written, not even the city, when a question is answered No.
    void answeredNo()
    {
        QFETCH(QString, longitude);
        QFETCH(QString, question);
        NaamazTestDb db;
        const PrayerTimes old = times(1, 2, 3, 4, 5, 6);
        db.fill(1, 365, old);
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        type(dlg, place("Dhaka", "6", longitude, "23 43 N"));
        m_prompts.expectMessage(question, "Chimewise", PromptService::Answer::No);
        QVERIFY(!dlg.generatePrayerYear());
        QCOMPARE(db.times(100), old);
        QVERIFY(cities(db).isEmpty());
    }

    // A zone picked for a new place gives its offset and summer time, and the directions east of Greenwich.
    void zoneChosen()
    {
        NaamazTestDb db;
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        type(dlg, place("Sydney", "0", "151 12 W", "33 52 S"));
        choose(dlg, "zoneCombo", "Australia/Sydney");
        QCOMPARE(find<QLineEdit>(dlg, "timeZoneEdit")->text(), "10");
        QVERIFY(!find<QCheckBox>(dlg, "daylightCheck")->isEnabled());
        QCOMPARE(find<QComboBox>(dlg, "longitudeDirectionList")->currentText(), "E");
        QCOMPARE(find<QComboBox>(dlg, "latitudeDirectionList")->currentText(), "N"); // S is typed again by hand
        type(dlg, {{"latitudeDirectionList", "S"}});
        QVERIFY(dlg.generatePrayerYear());
        QCOMPARE(dlg.settings().zoneName, "Australia/Sydney");
        // 5 March 2002 is summer time there: Zohor near 13:10, not 12:10.
        QVERIFY(std::abs(db.times(64)->minutes[PrayerTimes::Zohor] - (13 * 60 + 10)) <= 5);
    }

    // A place far north: the year ends with what came from the high-latitude rule.
    void highLatitudeSummary()
    {
        NaamazTestDb db;
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        type(dlg, place("Oslo", "1", "10 45 E", "59 55 N"));
        type(dlg, {{"zoneCombo", "Europe/Oslo"}, {"presetList", "Muslim World League"}});
        m_prompts.expectMessageStartingWith("365 days (1 Jan–31 Dec) take Fajr or Isha from a seventh of the night",
                                            "Chimewise");
        QVERIFY(dlg.generatePrayerYear());
        QVERIFY(db.times(172)->minutes[PrayerTimes::Fajr] > 0); // the Sun stays above 18 degrees then
    }

    // A database from before zones were kept gains the columns with today's values, keeps every
    // stored value, and its cities still follow their offset and daylight box, with a hint.
    void oldDatabaseGainsTheColumns()
    {
        NaamazTestDb db;
        for (const char *column : kNewCityColumns)
            QVERIFY(db.session().execute(QString("ALTER TABLE CITY DROP COLUMN %1").arg(column)).ok());
        QVERIFY(db.session()
                    .execute("INSERT INTO CITY (City, longitude, Latitude, FajrByInterval, FajrDepr, Interval, "
                             "TimeZone, HasDayLt, ByRatio, Ratio) VALUES ('Dhaka', '90 25 E', '23 43 N', 0, 18.0, "
                             "0, 6.0, 1, 0, 1)")
                    .ok());
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        QCOMPARE(find<QLabel>(dlg, "statusLabel")->text(),
                 "Choose the zone of Dhaka, so that its summer time follows the zone's own rules.");
        QStringList row;
        db.session().select("SELECT * FROM CITY", {}, [&row](const DbRow &r) {
            for (int i = 0; i < 18; ++i)
                row << r.text(i);
        });
        QCOMPARE(row, QStringList({"Dhaka", "90 25 E", "23 43 N", "0", "18", "0", "6", "1", "0", "1", "", "custom",
                                   "0", "0", "0", "0", "0", "0"}));
        QVERIFY(dlg.generatePrayerYear());
        // The fixed rule's summer begins on 7 April 2002, day 97.
        const auto zohor = [&db](int day) { return db.times(day)->minutes[PrayerTimes::Zohor]; };
        QVERIFY(std::abs(zohor(97) - zohor(96) - 60) <= 1);
    }

    void loadErrorClosesDialog()
    {
        NaamazTestDb db;
        {
            DbSession session = db.session();
            QVERIFY(db.store().insertCity(session, CityRecord{"Dhaka", "90 25 E", "23 43 N"}).ok());
        }
        CityInfoDialog dlg(db.store(), m_prompts, m_time);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        db.drop("CITY");
        m_prompts.expectMessage("no such table: CITY Unable to execute statement", "Chimewise");
        choose(dlg, "cityCombo", "Dhaka");
        QVERIFY(m_prompts.allShown());
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

private:
    ScopedTimeZone m_zone{"Asia/Dhaka"};
    VirtualTimeSource m_time;
    ScriptedPrompts m_prompts;
};

QTEST_MAIN(TestCityInfoDialog)
#include "tst_cityinfodialog.moc"
