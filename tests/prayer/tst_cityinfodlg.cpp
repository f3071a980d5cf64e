#include "prayer/ccityinfodlg.h"

#include "naamaztestdb.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Dhaka on 1 January 2002, as the yearly generation stores it.
const std::array<int, 5> kDhakaFirstOfJanuary{320, 722, 903, 1043, 1123};

struct Place
{
    QString city;
    QString timeZone;
    QString longitude[3]; // degrees, minutes, direction
    QString latitude[3];
};

const Place kDhaka{"Dhaka", "6", {"90", "25", "E"}, {"23", "43", "N"}};

template <typename T>
T *Find(const QDialog &dlg, const char *name)
{
    T *widget = dlg.findChild<T *>(name);
    if (!widget)
        QTest::qFail(qPrintable(QString("no control ") + name), __FILE__, __LINE__);
    return widget;
}

void SetText(const QDialog &dlg, const char *name, const QString &text)
{
    Find<QLineEdit>(dlg, name)->setText(text);
}

void Choose(const QDialog &dlg, const char *name, const QString &text)
{
    QComboBox *list = Find<QComboBox>(dlg, name);
    list->setCurrentIndex(list->findText(text));
    emit list->activated(list->currentIndex());
}

void Enter(const QDialog &dlg, const Place &place)
{
    Find<QComboBox>(dlg, "cityCombo")->setEditText(place.city);
    SetText(dlg, "timeZoneEdit", place.timeZone);
    SetText(dlg, "longitudeDegreesEdit", place.longitude[0]);
    SetText(dlg, "longitudeMinutesEdit", place.longitude[1]);
    Find<QComboBox>(dlg, "longitudeDirectionList")->setCurrentText(place.longitude[2]);
    SetText(dlg, "latitudeDegreesEdit", place.latitude[0]);
    SetText(dlg, "latitudeMinutesEdit", place.latitude[1]);
    Find<QComboBox>(dlg, "latitudeDirectionList")->setCurrentText(place.latitude[2]);
}

QStringList Cities(const NaamazTestDb &db)
{
    DbSession session = db.store().openSession();
    return db.store().ListCities(session).value();
}

} // namespace

class TestCityInfoDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusedValues_data();
    void refusedValues();
    void fiqhAndRatioAgree_data();
    void fiqhAndRatioAgree();
    void generateIntoEmptyTable_data();
    void generateIntoEmptyTable();
    void generateKeepsJummaAndFillsMissingDays();
    void cityRoundTrip();
    void loadErrorClosesDialog();
    void missingDatabaseIsCreated();

private:
    ScopedTimeZone m_zone{"Asia/Dhaka"};
    VirtualTimeSource m_time;
};

void TestCityInfoDlg::init()
{
    m_time.set(VirtualTimeSource::FromLocal(2002, 3, 5, 10, 0, 0));
}

void TestCityInfoDlg::refusedValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    QTest::newRow("zone above 12") << "timeZoneEdit" << "12.5" << "Illegal Time Zone Value";
    QTest::newRow("zone below -12") << "timeZoneEdit" << "-13" << "Illegal Time Zone Value";
    QTest::newRow("zone not a number") << "timeZoneEdit" << "GMT" << "Please enter a number.";
    QTest::newRow("longitude above 180")
        << "longitudeDegreesEdit" << "181" << "Please enter an integer between 0 and 180.";
    QTest::newRow("latitude above 90")
        << "latitudeDegreesEdit" << "91" << "Please enter an integer between 0 and 90.";
    QTest::newRow("60 minutes") << "latitudeMinutesEdit" << "60"
                                << "Please enter an integer between 0 and 59.";
    QTest::newRow("angle above 30") << "angleEdit" << "30.5" << "Please enter a number between 0 and 30.";
    QTest::newRow("negative interval") << "intervalEdit" << "-1" << "Please enter a number between 0 and 60.";
}

void TestCityInfoDlg::refusedValues()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    NaamazTestDb db;
    ScriptedPrompts prompts;
    CCityInfoDlg dlg(db.store(), prompts, m_time);
    Enter(dlg, kDhaka);
    SetText(dlg, qPrintable(field), value);
    prompts.expectMessage(message, "Chimewise");
    QVERIFY(!dlg.GeneratePrayerYear());
    QVERIFY(prompts.allShown());
    QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(dlg, qPrintable(field)));
    QVERIFY(db.days().isEmpty());
    QVERIFY(Cities(db).isEmpty());
}

void TestCityInfoDlg::fiqhAndRatioAgree_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("fiqh");
    QTest::addColumn<QString>("ratio");

    QTest::newRow("Hanafi gives 2") << "fiqhList" << "Hanafi" << "Hanafi" << "2";
    QTest::newRow("Shafi'i gives 1") << "fiqhList" << "SHafi'i" << "SHafi'i" << "1";
    QTest::newRow("1 gives Shafi'i") << "ratioList" << "1" << "SHafi'i" << "1";
    QTest::newRow("2 gives Hanafi") << "ratioList" << "2" << "Hanafi" << "2";
}

void TestCityInfoDlg::fiqhAndRatioAgree()
{
    QFETCH(QString, list);
    QFETCH(QString, choice);
    QFETCH(QString, fiqh);
    QFETCH(QString, ratio);
    NaamazTestDb db;
    ScriptedPrompts prompts;
    CCityInfoDlg dlg(db.store(), prompts, m_time);
    // Start from the opposite pair.
    Find<QComboBox>(dlg, "fiqhList")->setCurrentText(fiqh == "Hanafi" ? "SHafi'i" : "Hanafi");
    Find<QComboBox>(dlg, "ratioList")->setCurrentText(ratio == "2" ? "1" : "2");
    Choose(dlg, qPrintable(list), choice);
    QCOMPARE(Find<QComboBox>(dlg, "fiqhList")->currentText(), fiqh);
    QCOMPARE(Find<QComboBox>(dlg, "ratioList")->currentText(), ratio);
}

void TestCityInfoDlg::generateIntoEmptyTable_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");

    QTest::newRow("2002") << 2002 << 365;
    QTest::newRow("leap year 2004") << 2004 << 366;
}

void TestCityInfoDlg::generateIntoEmptyTable()
{
    QFETCH(int, year);
    QFETCH(int, days);
    m_time.set(VirtualTimeSource::FromLocal(year, 12, 31, 23, 0, 0));
    NaamazTestDb db;
    ScriptedPrompts prompts;
    CCityInfoDlg dlg(db.store(), prompts, m_time);
    Enter(dlg, kDhaka);
    QTest::mouseClick(Find<QPushButton>(dlg, "generateButton"), Qt::LeftButton);

    QList<int> expected;
    for (int day = 1; day <= days; ++day)
        expected << day;
    QCOMPARE(db.days(), expected);
    QCOMPARE(Find<QLabel>(dlg, "statusLabel")->text(), QString("Processing Record %1").arg(days));
    const PrayerTimes last = *db.times(days);
    QCOMPARE(last[PrayerTimes::Jumma], 0);
    QVERIFY(last[PrayerTimes::Fajr] > 0 && last[PrayerTimes::Isha] > last[PrayerTimes::Magreb]);
    if (year == 2002) {
        const PrayerTimes first = *db.times(1);
        QCOMPARE((std::array<int, 5>{first[PrayerTimes::Fajr], first[PrayerTimes::Zohor],
                                     first[PrayerTimes::Asr], first[PrayerTimes::Magreb],
                                     first[PrayerTimes::Isha]}),
                 kDhakaFirstOfJanuary);
    }
}

void TestCityInfoDlg::generateKeepsJummaAndFillsMissingDays()
{
    NaamazTestDb db;
    PrayerTimes old;
    old.minutes = {1, 2, 3, 4, 5, 800};
    db.fill(10, 20, old);
    db.fill(366, 366, old);
    ScriptedPrompts prompts;
    CCityInfoDlg dlg(db.store(), prompts, m_time);
    Enter(dlg, kDhaka);
    QVERIFY(dlg.GeneratePrayerYear());

    QList<int> expected;
    for (int day = 1; day <= 366; ++day)
        expected << day;
    QCOMPARE(db.days(), expected);
    const PrayerTimes kept = *db.times(15);
    QCOMPARE(kept[PrayerTimes::Jumma], 800);
    QVERIFY(kept[PrayerTimes::Fajr] > 240);
    QCOMPARE(db.times(366)->minutes, old.minutes); // not a day of 2002
    QCOMPARE(db.times(1)->minutes[PrayerTimes::Fajr], kDhakaFirstOfJanuary[0]);
    QCOMPARE(db.times(1)->minutes[PrayerTimes::Jumma], 0);
}

void TestCityInfoDlg::cityRoundTrip()
{
    NaamazTestDb db;
    ScriptedPrompts prompts;
    CCityInfoDlg first(db.store(), prompts, m_time);
    Enter(first, {"Abu Dhabi", "4", {"54", "22", "E"}, {"24", "28", "N"}});
    QVERIFY(first.GeneratePrayerYear());
    Enter(first, {"Cox's Bazar", "5.75", {"120", "59", "E"}, {"21", "27", "S"}});
    first.findChild<QCheckBox *>("daylightCheck")->setChecked(true);
    first.findChild<QRadioButton *>("byMaxIntervalRadio")->setChecked(true);
    SetText(first, "angleEdit", "15.5");
    SetText(first, "intervalEdit", "45");
    first.findChild<QRadioButton *>("ratioRadio")->setChecked(true);
    Choose(first, "ratioList", "2");
    QVERIFY(first.GeneratePrayerYear());
    // The list is rebuilt in order and keeps the city just generated.
    QComboBox *cities = Find<QComboBox>(first, "cityCombo");
    QCOMPARE(cities->count(), 2);
    QCOMPARE(cities->itemText(0), "Abu Dhabi");
    QCOMPARE(cities->currentText(), "Cox's Bazar");
    const CitySettings generated = first.settings();
    QCOMPARE(generated.longitudeDegrees, 120);

    CCityInfoDlg again(db.store(), prompts, m_time);
    Choose(again, "cityCombo", "Cox's Bazar");
    QCOMPARE(again.settings(), generated);
    QCOMPARE(Find<QLineEdit>(again, "longitudeDegreesEdit")->text(), "120");
    QCOMPARE(Find<QComboBox>(again, "fiqhList")->currentText(), "Hanafi");
    QVERIFY(Find<QRadioButton>(again, "byMaxIntervalRadio")->isChecked());
}

void TestCityInfoDlg::loadErrorClosesDialog()
{
    NaamazTestDb db;
    ScriptedPrompts prompts;
    {
        CCityInfoDlg setUp(db.store(), prompts, m_time);
        Enter(setUp, kDhaka);
        QVERIFY(setUp.GeneratePrayerYear());
    }
    CCityInfoDlg dlg(db.store(), prompts, m_time);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    {
        DbSession session = db.store().openSession();
        QVERIFY(session.execute("DROP TABLE CITY").ok());
    }
    prompts.expectMessage("no such table: CITY Unable to execute statement", "Chimewise");
    Choose(dlg, "cityCombo", "Dhaka");
    QVERIFY(prompts.allShown());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestCityInfoDlg::missingDatabaseIsCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data/KTXDB.sqlite");
    const DataSource source = DataSource::embeddedFile(path);
    const PrayerStore store(source);
    ScriptedPrompts prompts;
    CCityInfoDlg dlg(store, prompts, m_time);
    QCOMPARE(Find<QLabel>(dlg, "statusLabel")->text(), "Database not found. Creating Database");
    QVERIFY(QFileInfo::exists(path));
    Enter(dlg, kDhaka);
    QVERIFY(dlg.GeneratePrayerYear());
    DbSession session = store.openSession();
    QCOMPARE(store.ListCities(session).value(), QStringList{"Dhaka"});
}

QTEST_MAIN(TestCityInfoDlg)
#include "tst_cityinfodlg.moc"
