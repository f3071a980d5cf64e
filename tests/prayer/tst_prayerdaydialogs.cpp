#include "dialogfields.h"
#include "naamaztestdb.h"
#include "prayer/prayerbatchdialog.h"
#include "prayer/prayereditdialog.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QLabel>
#include <QSpinBox>

namespace {

const PrayerTimes kStored = times(300, 720, 930, 1090, 1170, 750);
const int kSeed = 100; // every time of a batch's table before it runs, so untouched days show
using Seeded = QList<std::pair<int, int>>; // day ranges filled before the batch

QStringList shownTimes(const PrayerEditDialog &dialog)
{
    QStringList texts;
    for (const char *name : {"fajrEdit", "zohorEdit", "asrEdit", "magrebEdit", "ishaEdit", "jummaEdit"})
        texts << find<QLineEdit>(dialog, name)->text();
    return texts;
}

} // namespace

// The two dialogs that write the day table: one day at a time, and a period of days at once.
class TestPrayerDayDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<NaamazTestDb>();
        m_prompts = ScriptedPrompts();
    }

    void cleanup() { QVERIFY(m_prompts.allShown()); }

    void editMonthEnd_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("lastDay");
        QTest::newRow("February") << 2026 << 2 << 28;
        QTest::newRow("February, leap year") << 2028 << 2 << 29;
        QTest::newRow("April") << 2026 << 4 << 30;
    }

    // Choosing a shorter month moves day 31 to the month's last day, which is shown and written.
    void editMonthEnd()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, lastDay);
        const int day = DayCalendar(year).dayNumber(month, lastDay);
        m_db->fill(1, 366, kStored);
        m_db->fill(day, day, times(301, 720, 930, 1090, 1170, 750));
        const auto dialog = openEdit(year, 1, 31);
        auto *spin = find<QSpinBox>(*dialog, "daySpin");
        find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        QCOMPARE(spin->maximum(), lastDay);
        QCOMPARE(spin->value(), lastDay);
        QCOMPARE(shownTimes(*dialog).first(), "05:01 AM");

        type(*dialog, {{"zohorEdit", "12:10 pm"}});
        click(*dialog, "updateButton");
        QCOMPARE(m_db->times(day), times(301, 730, 930, 1090, 1170, 750));
        QCOMPARE(m_db->times(day + 1), kStored);
    }

    void editClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape") << "Escape" << int(QDialog::Rejected);
        QTest::newRow("close box") << "close box" << int(QDialog::Rejected);
        QTest::newRow("Done") << "Done" << int(QDialog::Accepted);
    }

    // Only "&Update" writes: a half-edited day is never stored by closing the dialog.
    void editClosing()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        m_db->fill(1, 1, kStored);
        const auto dialog = openEdit(2026);
        dialog->show();
        type(*dialog, {{"ishaEdit", "08:00 PM"}, {"jummaEdit", ""}});
        if (how == "Escape")
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else if (how == "close box")
            dialog->close();
        else
            click(*dialog, "doneButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), result);
        QCOMPARE(m_db->times(1), kStored);
    }

    // A day without a row says so and shows no times, not those of the day before; times typed
    // for it make its row. A day the month lacks is refused.
    void editRefusedDays()
    {
        m_db->fill(1, 1, kStored);
        m_prompts.expectMessage("This day has no times yet: type them and press Update to store them.",
                                "Database Operation");
        const auto dialog = openEdit(2026, 1, 2);
        QVERIFY(m_prompts.allShown());
        QCOMPARE(shownTimes(*dialog), QStringList(6, QString()));
        m_prompts.expectMessage("Error in Time value", "Check your Time Value");
        click(*dialog, "updateButton");
        QCOMPARE(m_db->days(), QList<int>{1});
        type(*dialog, {{"fajrEdit", "05:00 AM"}, {"zohorEdit", "12:05 PM"}, {"asrEdit", "03:30 PM"},
                       {"magrebEdit", "05:40 PM"}, {"ishaEdit", "07:00 PM"}, {"jummaEdit", "01:00 PM"}});
        click(*dialog, "updateButton");
        QCOMPARE(m_db->times(2), times(300, 725, 930, 1060, 1140, 780));
        for (int day : {32, 0}) {
            m_prompts.expectMessage("Invalid Data", "Day Value");
            QVERIFY(!dialog->showDay(day));
        }
    }

    void editBadTimeText()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = openEdit(2026);
        type(*dialog, {{"fajrEdit", "05:00 AM"}, {"asrEdit", "24:00"}});
        m_prompts.expectMessage("Error in Time value", "Check your Time Value");
        click(*dialog, "updateButton");
        QCOMPARE(m_db->times(1), kStored);
        QCOMPARE(dialog->focusWidget(), find<QLineEdit>(*dialog, "asrEdit"));
    }

    void editDatabaseError()
    {
        m_db->fill(1, 1, kStored);
        const auto dialog = openEdit(2026);
        m_db->drop("Naamaz");
        DbSession session = m_db->session();
        const QString loadError = m_db->store().loadDayRow(session, 2).errorText();
        const QString updateError = m_db->store().updateDayRow(session, 2, {}).errorText();
        QVERIFY(!loadError.isEmpty() && !updateError.isEmpty());

        m_prompts.expectMessage(loadError, "Chimewise");
        find<QSpinBox>(*dialog, "daySpin")->setValue(2);
        QCOMPARE(shownTimes(*dialog).first(), "05:00 AM");
        m_prompts.expectMessage(updateError, "Chimewise");
        click(*dialog, "updateButton");
    }

    // Zohor, 1/3 to 10/3, from 01:15 PM ascending by a minute a day.
    void batch_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<Seeded>("seeded");
        QTest::addColumn<int>("first");   // day number of 1 March
        QTest::addColumn<int>("outside"); // Zohor of the days just before and after
        QTest::newRow("full table") << 2026 << Seeded{{1, 366}} << 60 << kSeed;
        QTest::newRow("leap year") << 2028 << Seeded{{1, 366}} << 61 << kSeed;
        QTest::newRow("empty table") << 2026 << Seeded{} << 60 << 0;
        QTest::newRow("period without rows") << 2026 << Seeded{{1, 31}} << 60 << 0;
        QTest::newRow("period missing a row") << 2026 << Seeded{{1, 59}, {61, 366}} << 60 << kSeed;
    }

    void batch()
    {
        QFETCH(int, year);
        QFETCH(Seeded, seeded);
        QFETCH(int, first);
        QFETCH(int, outside);
        for (const auto &[from, to] : seeded)
            m_db->fill(from, to, times(kSeed, kSeed, kSeed, kSeed, kSeed, kSeed));
        const auto dialog = open<PrayerBatchDialog>(year);
        type(*dialog, {{"prayerList", "Zohor"}, {"fromDayEdit", "1"}, {"fromMonthEdit", "3"},
                       {"toDayEdit", "10"}, {"toMonthEdit", "3"}, {"ascendingRadio", ""},
                       {"timeEdit", "01:15 PM"}, {"stepEdit", "1"}});
        click(*dialog, "nextButton");

        // One row for every day, however the table began.
        QCOMPARE(m_db->days(), range(1, 366));
        const auto zohor = [this](int day) { return m_db->times(day).value_or(PrayerTimes{})[PrayerTimes::Zohor]; };
        for (int i = 0; i < 10; ++i)
            QCOMPARE(zohor(first + i), 795 + i);
        QCOMPARE(zohor(first - 1), outside);
        QCOMPARE(zohor(first + 10), outside);
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), QString("Current record is %1").arg(first + 9));
    }

    // Typed over 1/3 to 2/3 from 05:00 AM.
    void batchRefused_data()
    {
        QTest::addColumn<Fields>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("focus"); // the field that gets it, if one does
        QTest::newRow("time text") << Fields{{"timeEdit", "5:00 AM"}}
                                   << "Time format [5:00 AM] may not be correct\nOr you might have entered wrong "
                                      "time values\nFormat should be HH:MM or HH:MM [AM or PM]"
                                   << "Time Value" << "";
        QTest::newRow("30 February") << Fields{{"fromDayEdit", "30"}, {"fromMonthEdit", "2"}}
                                     << "Please check your Day and Month figures." << "Error in data period" << "";
        QTest::newRow("month 13") << Fields{{"fromMonthEdit", "13"}} << "Please enter an integer between 0 and 12."
                                  << "Chimewise" << "fromMonthEdit";
        QTest::newRow("day not a number") << Fields{{"toDayEdit", "x"}} << "Please enter an integer between 0 and 31."
                                          << "Chimewise" << "toDayEdit";
        QTest::newRow("below midnight") << Fields{{"timeEdit", "12:05 AM"}, {"descendingRadio", ""}, {"stepEdit", "10"}}
                                        << "On 2 March the time would be -5 minutes from midnight, outside the day. "
                                           "Choose another time or a smaller step; nothing was written."
                                        << "Time Value" << "";
    }

    void batchRefused()
    {
        QFETCH(Fields, typed);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, focus);
        m_db->fill(1, 366, kStored);
        const auto dialog = open<PrayerBatchDialog>(2026);
        dialog->show();
        type(*dialog, {{"fromDayEdit", "1"}, {"fromMonthEdit", "3"}, {"toDayEdit", "2"}, {"toMonthEdit", "3"},
                       {"timeEdit", "05:00 AM"}});
        type(*dialog, typed);
        m_prompts.expectMessage(text, caption);
        click(*dialog, "nextButton");

        QCOMPARE(m_db->times(60), kStored); // the period typed
        QCOMPARE(m_db->times(61), kStored);
        // Only a time that does not read stays in the status line.
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), text.startsWith("Time format") ? text : "");
        if (!focus.isEmpty())
            QCOMPARE(dialog->focusWidget(), find<QLineEdit>(*dialog, focus));
    }

    // 20 December to 10 January: the end of this year's table and its beginning.
    void batchAcrossTheNewYear()
    {
        m_db->fill(1, 366, kStored);
        const auto dialog = open<PrayerBatchDialog>(2026);
        type(*dialog, {{"prayerList", "Isha"}, {"fromDayEdit", "20"}, {"fromMonthEdit", "12"}, {"toDayEdit", "10"},
                       {"toMonthEdit", "1"}, {"timeEdit", "07:00 PM"}});
        click(*dialog, "nextButton");
        const auto isha = [this](int day) { return m_db->times(day)->minutes[PrayerTimes::Isha]; };
        for (int day : {354, 365, 1, 10})
            QCOMPARE(isha(day), 1140);
        QCOMPARE(isha(353), kStored[PrayerTimes::Isha]);
        QCOMPARE(isha(11), kStored[PrayerTimes::Isha]);
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), "Current record is 10");
    }

    void batchDatabaseError()
    {
        m_db->drop("Naamaz");
        DbSession session = m_db->session();
        const QString error = m_db->store().selectDayRange(session, 60, 60).errorText();
        QVERIFY(!error.isEmpty());
        const auto dialog = open<PrayerBatchDialog>(2026);
        type(*dialog, {{"fromDayEdit", "1"}, {"fromMonthEdit", "3"}});
        m_prompts.expectMessage(error, "Chimewise");
        click(*dialog, "nextButton");
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), "");
    }

private:
    // The dialog as it opens in the given year.
    template <typename Dialog>
    std::unique_ptr<Dialog> open(int year)
    {
        m_time.set(VirtualTimeSource::fromLocal(year, 6, 15, 12, 0, 0));
        return std::make_unique<Dialog>(m_db->store(), m_prompts, m_time);
    }

    // The edit dialog moved to the given day.
    std::unique_ptr<PrayerEditDialog> openEdit(int year, int month = 1, int day = 1)
    {
        auto dialog = open<PrayerEditDialog>(year);
        find<QComboBox>(*dialog, "monthList")->setCurrentIndex(month - 1);
        find<QSpinBox>(*dialog, "daySpin")->setValue(day);
        return dialog;
    }

    ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestPrayerDayDialogs)
#include "tst_prayerdaydialogs.moc"
