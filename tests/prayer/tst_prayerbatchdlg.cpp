#include "naamaztestdb.h"
#include "prayer/cprayerbatchdlg.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <numeric>

namespace {

using Fields = QMap<QString, QString>; // objectName -> text typed

const int kSeed = 100; // every seeded time, so untouched days show

PrayerTimes Seeded()
{
    PrayerTimes times;
    times.minutes.fill(kSeed);
    return times;
}

QList<int> Range(int first, int last)
{
    QList<int> days(last - first + 1);
    std::iota(days.begin(), days.end(), first);
    return days;
}

enum class Table { Full, Empty, HoleOnFirstDay, OtherMonthOnly };

} // namespace

class TestPrayerBatchDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startChoices();
    void batch_data();
    void batch();
    void refused_data();
    void refused();
    void databaseError();

private:
    std::unique_ptr<CPrayerBatchDlg> open(int year);
    void type(CPrayerBatchDlg &dialog, const Fields &fields);
    void seed(Table table, int periodFirst);

    std::unique_ptr<ScopedTimeZone> m_zone;
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

void TestPrayerBatchDlg::init()
{
    m_zone = std::make_unique<ScopedTimeZone>("Asia/Dhaka");
    m_db = std::make_unique<NaamazTestDb>();
    m_prompts = ScriptedPrompts();
}

void TestPrayerBatchDlg::cleanup()
{
    QVERIFY(m_prompts.allShown());
    m_db.reset();
    m_zone.reset();
}

std::unique_ptr<CPrayerBatchDlg> TestPrayerBatchDlg::open(int year)
{
    m_time.set(VirtualTimeSource::FromLocal(year, 6, 15, 12, 0, 0));
    return std::make_unique<CPrayerBatchDlg>(m_db->store(), m_prompts, m_time);
}

void TestPrayerBatchDlg::type(CPrayerBatchDlg &dialog, const Fields &fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (auto *edit = dialog.findChild<QLineEdit *>(it.key()))
            edit->setText(it.value());
        else if (auto *list = dialog.findChild<QComboBox *>(it.key()))
            list->setCurrentText(it.value());
        else if (auto *mode = dialog.findChild<QRadioButton *>(it.key()))
            mode->setChecked(true);
        else
            QFAIL(qPrintable("no field " + it.key()));
    }
}

void TestPrayerBatchDlg::seed(Table table, int periodFirst)
{
    switch (table) {
    case Table::Full:
        m_db->fill(1, 366, Seeded());
        break;
    case Table::Empty:
        break;
    case Table::HoleOnFirstDay:
        m_db->fill(1, periodFirst - 1, Seeded());
        m_db->fill(periodFirst + 1, 366, Seeded());
        break;
    case Table::OtherMonthOnly:
        m_db->fill(1, 31, Seeded());
        break;
    }
}

void TestPrayerBatchDlg::startChoices()
{
    const auto dialog = open(2026);
    QCOMPARE(dialog->windowTitle(), "Update Prayer Time in Batch");
    QCOMPARE(dialog->findChild<QComboBox *>("prayerList")->currentText(), "Fajr");
    QVERIFY(dialog->findChild<QRadioButton *>("fixedRadio")->isChecked());
    QCOMPARE(dialog->findChild<QLineEdit *>("timeEdit")->text(), "00:00 AM");
    QCOMPARE(dialog->findChild<QLineEdit *>("stepEdit")->text(), "0");
    QCOMPARE(dialog->findChild<QLineEdit *>("toMonthEdit")->text(), "0");
    QCOMPARE(dialog->findChild<QLabel *>("statusLabel")->text(), "");
}

// Zohor, 1/3 to 10/3, from 01:15 PM ascending by a minute a day.
void TestPrayerBatchDlg::batch_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("first");   // day number of 1 March
    QTest::addColumn<int>("outside"); // Zohor of the days just before and after

    QTest::newRow("full table") << 2026 << Table::Full << 60 << kSeed;
    QTest::newRow("leap year") << 2028 << Table::Full << 61 << kSeed;
    QTest::newRow("empty table") << 2026 << Table::Empty << 60 << 0;
    QTest::newRow("period without rows") << 2026 << Table::OtherMonthOnly << 60 << 0;
    QTest::newRow("period missing a row") << 2026 << Table::HoleOnFirstDay << 60 << kSeed;
}

void TestPrayerBatchDlg::batch()
{
    QFETCH(int, year);
    QFETCH(Table, table);
    QFETCH(int, first);
    QFETCH(int, outside);
    seed(table, first);

    const auto dialog = open(year);
    type(*dialog, {{"prayerList", "Zohor"}, {"fromDayEdit", "1"}, {"fromMonthEdit", "3"},
                   {"toDayEdit", "10"}, {"toMonthEdit", "3"}, {"ascendingRadio", ""},
                   {"timeEdit", "01:15 PM"}, {"stepEdit", "1"}});
    dialog->findChild<QPushButton *>("nextButton")->click();

    // One row for every day, however the table began.
    QCOMPARE(m_db->days(), Range(1, 366));
    const auto zohor = [this](int day) {
        return m_db->times(day).value_or(PrayerTimes{}).minutes[PrayerTimes::Zohor];
    };
    for (int i = 0; i < 10; ++i)
        QCOMPARE(zohor(first + i), 795 + i);
    QCOMPARE(zohor(first - 1), outside);
    QCOMPARE(zohor(first + 10), outside);
    QCOMPARE(dialog->findChild<QLabel *>("statusLabel")->text(),
             QString("Current record is %1").arg(first + 9));
}

void TestPrayerBatchDlg::refused_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("focus"); // the field that gets it, if one does

    const Fields march = {{"fromDayEdit", "1"}, {"fromMonthEdit", "3"}, {"toDayEdit", "2"},
                          {"toMonthEdit", "3"}, {"timeEdit", "05:00 AM"}};
    const auto with = [&march](const Fields &changes) {
        Fields fields = march;
        fields.insert(changes);
        return fields;
    };
    const QString period = "Please check your Day and Month figures.";
    QTest::newRow("time text")
        << with({{"timeEdit", "5:00 AM"}})
        << "Time format [5:00 AM] may not be correct\nOr you might have entered wrong time values\n"
           "Format should be HH:MM or HH:MM [AM or PM]"
        << "Time Value" << "";
    QTest::newRow("30 February") << with({{"fromDayEdit", "30"}, {"fromMonthEdit", "2"}}) << period
                                 << "Error in data period" << "";
    QTest::newRow("month 13") << with({{"fromMonthEdit", "13"}}) << "Please enter an integer between 0 and 12."
                              << "Chimewise" << "fromMonthEdit";
    QTest::newRow("day not a number") << with({{"toDayEdit", "x"}})
                                      << "Please enter an integer between 0 and 31." << "Chimewise"
                                      << "toDayEdit";
}

void TestPrayerBatchDlg::refused()
{
    QFETCH(Fields, fields);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QString, focus);
    m_db->fill(1, 366, Seeded());
    const QList<PrayerTimes> before = m_db->allTimes();

    const auto dialog = open(2026);
    dialog->show();
    type(*dialog, fields);
    m_prompts.expectMessage(text, caption);
    dialog->findChild<QPushButton *>("nextButton")->click();

    QCOMPARE(m_db->allTimes(), before);
    // Only a time that does not read stays in the status line.
    QCOMPARE(dialog->findChild<QLabel *>("statusLabel")->text(), caption == "Time Value" ? text : "");
    if (!focus.isEmpty())
        QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit *>(focus));
}

void TestPrayerBatchDlg::databaseError()
{
    m_db->dropDayTable();
    DbSession session = m_db->store().openSession();
    const QString error = m_db->store().SelectDayRange(session, 60, 60).errorText();
    QVERIFY(!error.isEmpty());

    const auto dialog = open(2026);
    type(*dialog, {{"fromDayEdit", "1"}, {"fromMonthEdit", "3"}});
    m_prompts.expectMessage(error, "Chimewise");
    dialog->findChild<QPushButton *>("nextButton")->click();
    QCOMPARE(dialog->findChild<QLabel *>("statusLabel")->text(), "");
}

QTEST_MAIN(TestPrayerBatchDlg)
#include "tst_prayerbatchdlg.moc"
