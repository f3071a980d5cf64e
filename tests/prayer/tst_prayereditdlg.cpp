#include "dialogfields.h"
#include "naamaztestdb.h"
#include "prayer/cprayereditdlg.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QPushButton>
#include <QSpinBox>

namespace {

const PrayerTimes kStored = Times(300, 720, 930, 1090, 1170, 750);

QStringList ShownTimes(const CPrayerEditDlg &dialog)
{
    QStringList texts;
    for (const char *name : {"fajrEdit", "zohorEdit", "asrEdit", "magrebEdit", "ishaEdit", "jummaEdit"})
        texts << Find<QLineEdit>(dialog, name)->text();
    return texts;
}

} // namespace

class TestPrayerEditDlg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<NaamazTestDb>();
        m_prompts = ScriptedPrompts();
    }

    void cleanup() { QVERIFY(m_prompts.allShown()); }

    void startShowsTheFirstOfJanuary()
    {
        m_db->fill(1, 1, Times(285, 720, 930, 1090, 1170, 0));
        m_time.set(VirtualTimeSource::FromLocal(2026, 6, 15, 12, 0, 0));
        CPrayerEditDlg dialog(m_db->store(), m_prompts, m_time);
        QCOMPARE(dialog.windowTitle(), "View and Edit Prayer Timings");
        QCOMPARE(Find<QComboBox>(dialog, "monthList")->currentText(), "January");
        QCOMPARE(Find<QSpinBox>(dialog, "daySpin")->value(), 1);
        // An empty Jumma reads as 0 and shows as midnight.
        QCOMPARE(ShownTimes(dialog), QStringList({"04:45 AM", "12:00 PM", "03:30 PM", "06:10 PM", "07:30 PM", "00:00 AM"}));
    }

    void monthLength_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("lastDay");

        QTest::newRow("February") << 2026 << 2 << 28;
        QTest::newRow("February, leap year") << 2028 << 2 << 29;
        QTest::newRow("April") << 2026 << 4 << 30;
    }

    // Choosing a shorter month moves day 31 to the month's last day and shows that day's row.
    void monthLength()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, lastDay);
        m_db->fill(1, 366, kStored);
        {
            DbSession session = m_db->session();
            QVERIFY(m_db->store().UpdateOnePrayer(session, "Fajr", 301, DayCalendar(year).dayNumber(month, lastDay)).ok());
        }
        const auto dialog = open(year, 1, 31);
        auto *spin = Find<QSpinBox>(*dialog, "daySpin");
        Find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        QCOMPARE(spin->maximum(), lastDay);
        QCOMPARE(spin->value(), lastDay);
        QCOMPARE(ShownTimes(*dialog).first(), "05:01 AM");
    }

    void leapDayShownAndEdited()
    {
        m_db->fill(1, 366, kStored);
        {
            const auto dialog = open(2028, 2, 29);
            Type(*dialog, {{"zohorEdit", "12:10 pm"}});
            Find<QPushButton>(*dialog, "updateButton")->click();
        }
        QCOMPARE(m_db->times(60), Times(300, 730, 930, 1090, 1170, 750));
        QCOMPARE(m_db->times(61), kStored); // 1 March
        QCOMPARE(ShownTimes(*open(2028, 2, 29)),
                 QStringList({"05:00 AM", "12:10 PM", "03:30 PM", "06:10 PM", "07:30 PM", "12:30 PM"}));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("escape"); // else Done
        QTest::addColumn<int>("isha");    // stored afterwards

        QTest::newRow("Escape updates and stays open") << true << 1200;
        QTest::newRow("Done closes without writing") << false << 1170;
    }

    void closing()
    {
        QFETCH(bool, escape);
        QFETCH(int, isha);
        m_db->fill(1, 1, kStored);
        const auto dialog = open(2026);
        dialog->show();
        Type(*dialog, {{"ishaEdit", "08:00 PM"}});
        if (escape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            Find<QPushButton>(*dialog, "doneButton")->click();
        QCOMPARE(dialog->isVisible(), escape);
        QCOMPARE(dialog->result(), escape ? 0 : int(QDialog::Accepted));
        QCOMPARE(m_db->times(1), Times(300, 720, 930, 1090, isha, 750));
    }

    void invalidDay()
    {
        m_db->fill(1, 366, kStored);
        const auto dialog = open(2026, 2);
        for (int day : {29, 0}) {
            m_prompts.expectMessage("Invalid Data", "Day Value");
            QVERIFY(!dialog->ShowDay(day));
        }
    }

    void dayWithoutRow()
    {
        m_db->fill(1, 1, kStored);
        m_prompts.expectMessage("Can not update\nEmpty records", "Database Operation");
        const auto dialog = open(2026, 1, 2);
        QCOMPARE(m_prompts.shown().size(), 1);
        // Updating the missing day adds no row.
        Find<QPushButton>(*dialog, "updateButton")->click();
        QCOMPARE(m_db->days(), QList<int>{1});
    }

    void badTimeText()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = open(2026);
        Type(*dialog, {{"fajrEdit", "05:00 AM"}, {"asrEdit", "24:00"}});
        m_prompts.expectMessage("Error in Time value", "Check your Time Value");
        Find<QPushButton>(*dialog, "updateButton")->click();
        QCOMPARE(m_db->times(1), kStored);
        QCOMPARE(dialog->focusWidget(), Find<QLineEdit>(*dialog, "asrEdit"));
    }

    void databaseError()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = open(2026);
        m_db->drop("Naamaz");
        DbSession session = m_db->session();
        const QString loadError = m_db->store().LoadDayRow(session, 2).errorText();
        const QString updateError = m_db->store().UpdateDayRow(session, 2, {}).errorText();
        QVERIFY(!loadError.isEmpty() && !updateError.isEmpty());

        m_prompts.expectMessage(loadError, "Chimewise");
        Find<QSpinBox>(*dialog, "daySpin")->setValue(2);
        QCOMPARE(ShownTimes(*dialog).first(), "05:00 AM");
        m_prompts.expectMessage(updateError, "Chimewise");
        Find<QPushButton>(*dialog, "updateButton")->click();
    }

private:
    // The dialog of the given year, moved to the given day.
    std::unique_ptr<CPrayerEditDlg> open(int year, int month = 1, int day = 1)
    {
        m_time.set(VirtualTimeSource::FromLocal(year, 6, 15, 12, 0, 0));
        auto dialog = std::make_unique<CPrayerEditDlg>(m_db->store(), m_prompts, m_time);
        Find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        Find<QSpinBox>(*dialog, "daySpin")->setValue(day);
        return dialog;
    }

    ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestPrayerEditDlg)
#include "tst_prayereditdlg.moc"
