#include "naamaztestdb.h"
#include "prayer/cprayereditdlg.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

const QStringList kTimeEdits = {"fajrEdit", "zohorEdit", "asrEdit", "magrebEdit", "ishaEdit", "jummaEdit"};

PrayerTimes Times(int fajr, int zohor, int asr, int magreb, int isha, int jumma)
{
    PrayerTimes times;
    times.minutes = {fajr, zohor, asr, magreb, isha, jumma};
    return times;
}

} // namespace

class TestPrayerEditDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startShowsTheFirstOfJanuary();
    void monthLength_data();
    void monthLength();
    void leapDayShownAndEdited();
    void escapeUpdatesAndStaysOpen();
    void doneClosesWithoutWriting();
    void invalidDay();
    void dayWithoutRow();
    void badTimeText();
    void databaseError();

private:
    QStringList shownTimes(const CPrayerEditDlg &dialog) const;
    void setTimeText(CPrayerEditDlg &dialog, const QString &edit, const QString &text);
    std::unique_ptr<CPrayerEditDlg> open(int year);

    std::unique_ptr<ScopedTimeZone> m_zone;
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

void TestPrayerEditDlg::init()
{
    m_zone = std::make_unique<ScopedTimeZone>("Asia/Dhaka");
    m_db = std::make_unique<NaamazTestDb>();
    m_prompts = ScriptedPrompts();
}

void TestPrayerEditDlg::cleanup()
{
    QVERIFY(m_prompts.allShown());
    m_db.reset();
    m_zone.reset();
}

std::unique_ptr<CPrayerEditDlg> TestPrayerEditDlg::open(int year)
{
    m_time.set(VirtualTimeSource::FromLocal(year, 6, 15, 12, 0, 0));
    return std::make_unique<CPrayerEditDlg>(m_db->store(), m_prompts, m_time);
}

QStringList TestPrayerEditDlg::shownTimes(const CPrayerEditDlg &dialog) const
{
    QStringList texts;
    for (const QString &name : kTimeEdits)
        texts << dialog.findChild<QLineEdit *>(name)->text();
    return texts;
}

void TestPrayerEditDlg::setTimeText(CPrayerEditDlg &dialog, const QString &edit, const QString &text)
{
    dialog.findChild<QLineEdit *>(edit)->setText(text);
}

void TestPrayerEditDlg::startShowsTheFirstOfJanuary()
{
    m_db->fill(1, 1, Times(285, 720, 930, 1090, 1170, 0));
    const auto dialog = open(2026);
    QCOMPARE(dialog->windowTitle(), "View and Edit Prayer Timings");
    QCOMPARE(dialog->findChild<QComboBox *>("monthList")->currentText(), "January");
    QCOMPARE(dialog->findChild<QSpinBox *>("daySpin")->value(), 1);
    // An empty Jumma reads as 0 and shows as midnight.
    QCOMPARE(shownTimes(*dialog),
             QStringList({"04:45 AM", "12:00 PM", "03:30 PM", "06:10 PM", "07:30 PM", "00:00 AM"}));
}

void TestPrayerEditDlg::monthLength_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("lastDay");

    QTest::newRow("February") << 2026 << 1 << 28;
    QTest::newRow("February, leap year") << 2028 << 1 << 29;
    QTest::newRow("April") << 2026 << 3 << 30;
}

// Choosing a shorter month moves day 31 to the month's last day and shows that day's row.
void TestPrayerEditDlg::monthLength()
{
    QFETCH(int, year);
    QFETCH(int, monthIndex);
    QFETCH(int, lastDay);
    m_db->fill(1, 366, Times(300, 720, 930, 1090, 1170, 750));
    const int lastDayNumber = DayCalendar(year).dayNumber(monthIndex + 1, lastDay);
    {
        DbSession session = m_db->store().openSession();
        QVERIFY(m_db->store().UpdateOnePrayer(session, "Fajr", 301, lastDayNumber).ok());
    }

    const auto dialog = open(year);
    auto *spin = dialog->findChild<QSpinBox *>("daySpin");
    spin->setValue(31);
    dialog->findChild<QComboBox *>("monthList")->setCurrentIndex(monthIndex);
    QCOMPARE(spin->maximum(), lastDay);
    QCOMPARE(spin->value(), lastDay);
    QCOMPARE(shownTimes(*dialog).first(), "05:01 AM");
}

void TestPrayerEditDlg::leapDayShownAndEdited()
{
    m_db->fill(1, 366, Times(300, 720, 930, 1090, 1170, 750));
    {
        const auto dialog = open(2028);
        dialog->findChild<QComboBox *>("monthList")->setCurrentIndex(1);
        dialog->findChild<QSpinBox *>("daySpin")->setValue(29);
        setTimeText(*dialog, "zohorEdit", "12:10 pm");
        dialog->findChild<QPushButton *>("updateButton")->click();
    }
    QCOMPARE(m_db->times(60), Times(300, 730, 930, 1090, 1170, 750));
    QCOMPARE(m_db->times(61), Times(300, 720, 930, 1090, 1170, 750)); // 1 March

    const auto reopened = open(2028);
    reopened->findChild<QComboBox *>("monthList")->setCurrentIndex(1);
    reopened->findChild<QSpinBox *>("daySpin")->setValue(29);
    QCOMPARE(shownTimes(*reopened),
             QStringList({"05:00 AM", "12:10 PM", "03:30 PM", "06:10 PM", "07:30 PM", "12:30 PM"}));
}

void TestPrayerEditDlg::escapeUpdatesAndStaysOpen()
{
    m_db->fill(1, 1, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    dialog->show();
    setTimeText(*dialog, "ishaEdit", "08:00 PM");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(m_db->times(1), Times(300, 720, 930, 1090, 1200, 750));
}

void TestPrayerEditDlg::doneClosesWithoutWriting()
{
    m_db->fill(1, 1, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    dialog->show();
    setTimeText(*dialog, "ishaEdit", "08:00 PM");
    dialog->findChild<QPushButton *>("doneButton")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_db->times(1), Times(300, 720, 930, 1090, 1170, 750));
}

void TestPrayerEditDlg::invalidDay()
{
    m_db->fill(1, 366, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    dialog->findChild<QComboBox *>("monthList")->setCurrentIndex(1);
    m_prompts.expectMessage("Invalid Data", "Day Value");
    QVERIFY(!dialog->ShowDay(29));
    m_prompts.expectMessage("Invalid Data", "Day Value");
    QVERIFY(!dialog->ShowDay(0));
}

void TestPrayerEditDlg::dayWithoutRow()
{
    m_db->fill(1, 1, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    m_prompts.expectMessage("Can not update\nEmpty records", "Database Operation");
    dialog->findChild<QSpinBox *>("daySpin")->setValue(2);
    QCOMPARE(m_prompts.shown().size(), 1);

    // Updating the missing day adds no row.
    dialog->findChild<QPushButton *>("updateButton")->click();
    QCOMPARE(m_db->days(), QList<int>{1});
}

void TestPrayerEditDlg::badTimeText()
{
    m_db->fill(1, 1, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    setTimeText(*dialog, "fajrEdit", "05:00 AM");
    setTimeText(*dialog, "asrEdit", "24:00");

    m_prompts.expectMessage("Error in Time value", "Check your Time Value");
    dialog->findChild<QPushButton *>("updateButton")->click();
    QCOMPARE(m_db->times(1), Times(300, 720, 930, 1090, 1170, 750));
    QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit *>("asrEdit"));
}

void TestPrayerEditDlg::databaseError()
{
    m_db->fill(1, 1, Times(300, 720, 930, 1090, 1170, 750));
    const auto dialog = open(2026);
    m_db->dropDayTable();
    DbSession session = m_db->store().openSession();
    const QString loadError = m_db->store().LoadDayRow(session, 2).errorText();
    const QString updateError = m_db->store().UpdateDayRow(session, 2, {}).errorText();
    QVERIFY(!loadError.isEmpty() && !updateError.isEmpty());

    m_prompts.expectMessage(loadError, "Chimewise");
    dialog->findChild<QSpinBox *>("daySpin")->setValue(2);
    QCOMPARE(shownTimes(*dialog).first(), "05:00 AM");
    m_prompts.expectMessage(updateError, "Chimewise");
    dialog->findChild<QPushButton *>("updateButton")->click();
}

QTEST_MAIN(TestPrayerEditDlg)
#include "tst_prayereditdlg.moc"
