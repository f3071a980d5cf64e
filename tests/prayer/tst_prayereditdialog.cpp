#include "dialogfields.h"
#include "naamaztestdb.h"
#include "prayer/prayereditdialog.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QPushButton>
#include <QSpinBox>

namespace {

const PrayerTimes kStored = times(300, 720, 930, 1090, 1170, 750);

QStringList shownTimes(const PrayerEditDialog &dialog)
{
    QStringList texts;
    for (const char *name : {"fajrEdit", "zohorEdit", "asrEdit", "magrebEdit", "ishaEdit", "jummaEdit"})
        texts << find<QLineEdit>(dialog, name)->text();
    return texts;
}

} // namespace

class TestPrayerEditDialog : public QObject
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
        m_db->fill(1, 1, times(285, 720, 930, 1090, 1170, 0));
        m_time.set(VirtualTimeSource::fromLocal(2026, 6, 15, 12, 0, 0));
        PrayerEditDialog dialog(m_db->store(), m_prompts, m_time);
        QCOMPARE(dialog.windowTitle(), "View and Edit Prayer Timings");
        QCOMPARE(find<QComboBox>(dialog, "monthList")->currentText(), "January");
        QCOMPARE(find<QSpinBox>(dialog, "daySpin")->value(), 1);
        // An empty Jumma reads as 0 and shows as midnight.
        QCOMPARE(shownTimes(dialog), QStringList({"04:45 AM", "12:00 PM", "03:30 PM", "06:10 PM", "07:30 PM", "00:00 AM"}));
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
            QVERIFY(m_db->store().updateOnePrayer(session, "Fajr", 301, DayCalendar(year).dayNumber(month, lastDay)).ok());
        }
        const auto dialog = open(year, 1, 31);
        auto *spin = find<QSpinBox>(*dialog, "daySpin");
        find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        QCOMPARE(spin->maximum(), lastDay);
        QCOMPARE(spin->value(), lastDay);
        QCOMPARE(shownTimes(*dialog).first(), "05:01 AM");
    }

    void leapDayShownAndEdited()
    {
        m_db->fill(1, 366, kStored);
        {
            const auto dialog = open(2028, 2, 29);
            type(*dialog, {{"zohorEdit", "12:10 pm"}});
            find<QPushButton>(*dialog, "updateButton")->click();
        }
        QCOMPARE(m_db->times(60), times(300, 730, 930, 1090, 1170, 750));
        QCOMPARE(m_db->times(61), kStored); // 1 March
        QCOMPARE(shownTimes(*open(2028, 2, 29)),
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
        type(*dialog, {{"ishaEdit", "08:00 PM"}});
        if (escape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            find<QPushButton>(*dialog, "doneButton")->click();
        QCOMPARE(dialog->isVisible(), escape);
        QCOMPARE(dialog->result(), escape ? 0 : int(QDialog::Accepted));
        QCOMPARE(m_db->times(1), times(300, 720, 930, 1090, isha, 750));
    }

    void invalidDay()
    {
        m_db->fill(1, 366, kStored);
        const auto dialog = open(2026, 2);
        for (int day : {29, 0}) {
            m_prompts.expectMessage("Invalid Data", "Day Value");
            QVERIFY(!dialog->showDay(day));
        }
    }

    void dayWithoutRow()
    {
        m_db->fill(1, 1, kStored);
        m_prompts.expectMessage("Can not update\nEmpty records", "Database Operation");
        const auto dialog = open(2026, 1, 2);
        QCOMPARE(m_prompts.shown().size(), 1);
        // Updating the missing day adds no row.
        find<QPushButton>(*dialog, "updateButton")->click();
        QCOMPARE(m_db->days(), QList<int>{1});
    }

    void badTimeText()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = open(2026);
        type(*dialog, {{"fajrEdit", "05:00 AM"}, {"asrEdit", "24:00"}});
        m_prompts.expectMessage("Error in Time value", "Check your Time Value");
        find<QPushButton>(*dialog, "updateButton")->click();
        QCOMPARE(m_db->times(1), kStored);
        QCOMPARE(dialog->focusWidget(), find<QLineEdit>(*dialog, "asrEdit"));
    }

    void databaseError()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = open(2026);
        m_db->drop("Naamaz");
        DbSession session = m_db->session();
        const QString loadError = m_db->store().loadDayRow(session, 2).errorText();
        const QString updateError = m_db->store().updateDayRow(session, 2, {}).errorText();
        QVERIFY(!loadError.isEmpty() && !updateError.isEmpty());

        m_prompts.expectMessage(loadError, "Chimewise");
        find<QSpinBox>(*dialog, "daySpin")->setValue(2);
        QCOMPARE(shownTimes(*dialog).first(), "05:00 AM");
        m_prompts.expectMessage(updateError, "Chimewise");
        find<QPushButton>(*dialog, "updateButton")->click();
    }

private:
    // The dialog of the given year, moved to the given day.
    std::unique_ptr<PrayerEditDialog> open(int year, int month = 1, int day = 1)
    {
        m_time.set(VirtualTimeSource::fromLocal(year, 6, 15, 12, 0, 0));
        auto dialog = std::make_unique<PrayerEditDialog>(m_db->store(), m_prompts, m_time);
        find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        find<QSpinBox>(*dialog, "daySpin")->setValue(day);
        return dialog;
    }

    ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestPrayerEditDialog)
#include "tst_prayereditdialog.moc"
