#include "prayer/cityinfodialog.h"

#include "dialogfields.h"
#include "db/schema.h"
#include "naamaztestdb.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

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
        QCOMPARE(dlg.focusWidget(), find<QLineEdit>(dlg, field));
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
            QVERIFY(!generate || dlg.generatePrayerYear());
        }

        QCOMPARE(db.days(), range(1, 366));
        const PrayerTimes kept = *db.times(15);
        QCOMPARE(kept[PrayerTimes::Jumma], 800);
        QVERIFY(kept[PrayerTimes::Fajr] > 240);
        QCOMPARE(db.times(366), old); // not a day of 2002
        QCOMPARE(db.times(1), times(320, 722, 947, 1043, 1123, 0)); // Asr 15:47, not the 15:03 of ratio 1
    }

    // The settings of a city come back as generated; generating it again replaces its row.
    void cityRoundTrip()
    {
        NaamazTestDb db;
        CityInfoDialog first(db.store(), m_prompts, m_time);
        type(first, place("Abu Dhabi", "4", "54 22 E", "24 28 N"));
        QVERIFY(first.generatePrayerYear());
        type(first, place("Cox's Bazar", "5.75", "120 59 E", "21 27 S"));
        type(first, {{"daylightCheck", ""}, {"byMaxIntervalRadio", ""}, {"angleEdit", "15.5"},
                     {"intervalEdit", "45"}, {"ratioRadio", ""}});
        choose(first, "ratioList", "2");
        QVERIFY(first.generatePrayerYear());
        QVERIFY(first.generatePrayerYear());
        // The list is rebuilt in order, each city once, and keeps the city just generated.
        QComboBox *list = find<QComboBox>(first, "cityCombo");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), "Abu Dhabi");
        QCOMPARE(list->currentText(), "Cox's Bazar");
        const CitySettings generated = first.settings();
        QCOMPARE(generated.longitudeDegrees, 120);

        CityInfoDialog again(db.store(), m_prompts, m_time);
        choose(again, "cityCombo", "Cox's Bazar");
        QCOMPARE(again.settings(), generated);
        QCOMPARE(find<QLineEdit>(again, "longitudeDegreesEdit")->text(), "120");
        QCOMPARE(find<QComboBox>(again, "fiqhList")->currentText(), "Hanafi");
        QVERIFY(find<QRadioButton>(again, "byMaxIntervalRadio")->isChecked());
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
