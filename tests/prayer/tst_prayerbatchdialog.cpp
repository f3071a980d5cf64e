#include "dialogfields.h"
#include "naamaztestdb.h"
#include "prayer/prayerbatchdialog.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const int kSeed = 100; // every seeded time, so untouched days show
const PrayerTimes kSeeded = times(kSeed, kSeed, kSeed, kSeed, kSeed, kSeed);
using Seeded = QList<std::pair<int, int>>; // day ranges filled before the batch

} // namespace

class TestPrayerBatchDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<NaamazTestDb>();
        m_prompts = ScriptedPrompts();
    }

    void cleanup() { QVERIFY(m_prompts.allShown()); }

    void startChoices()
    {
        const auto dialog = open(2026);
        QCOMPARE(dialog->windowTitle(), "Update Prayer Time in Batch");
        QCOMPARE(find<QComboBox>(*dialog, "prayerList")->currentText(), "Fajr");
        QVERIFY(find<QRadioButton>(*dialog, "fixedRadio")->isChecked());
        QStringList texts;
        for (const char *name : {"timeEdit", "stepEdit", "toMonthEdit"})
            texts << find<QLineEdit>(*dialog, name)->text();
        QCOMPARE(texts, QStringList({"00:00 AM", "0", "0"}));
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), "");
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
            m_db->fill(from, to, kSeeded);
        const auto dialog = open(year);
        type(*dialog, {{"prayerList", "Zohor"}, {"fromDayEdit", "1"}, {"fromMonthEdit", "3"},
                       {"toDayEdit", "10"}, {"toMonthEdit", "3"}, {"ascendingRadio", ""},
                       {"timeEdit", "01:15 PM"}, {"stepEdit", "1"}});
        find<QPushButton>(*dialog, "nextButton")->click();

        // One row for every day, however the table began.
        QCOMPARE(m_db->days(), range(1, 366));
        const auto zohor = [this](int day) {
            return m_db->times(day).value_or(PrayerTimes{}).minutes[PrayerTimes::Zohor];
        };
        for (int i = 0; i < 10; ++i)
            QCOMPARE(zohor(first + i), 795 + i);
        QCOMPARE(zohor(first - 1), outside);
        QCOMPARE(zohor(first + 10), outside);
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(),
                 QString("Current record is %1").arg(first + 9));
    }

    void refused_data()
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

    void refused()
    {
        QFETCH(Fields, fields);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, focus);
        m_db->fill(1, 366, kSeeded);
        const QList<PrayerTimes> before = m_db->allTimes();
        const auto dialog = open(2026);
        dialog->show();
        type(*dialog, fields);
        m_prompts.expectMessage(text, caption);
        find<QPushButton>(*dialog, "nextButton")->click();

        QCOMPARE(m_db->allTimes(), before);
        // Only a time that does not read stays in the status line.
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), caption == "Time Value" ? text : "");
        if (!focus.isEmpty())
            QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit *>(focus));
    }

    void databaseError()
    {
        m_db->drop("Naamaz");
        DbSession session = m_db->session();
        const QString error = m_db->store().selectDayRange(session, 60, 60).errorText();
        QVERIFY(!error.isEmpty());
        const auto dialog = open(2026);
        type(*dialog, {{"fromDayEdit", "1"}, {"fromMonthEdit", "3"}});
        m_prompts.expectMessage(error, "Chimewise");
        find<QPushButton>(*dialog, "nextButton")->click();
        QCOMPARE(find<QLabel>(*dialog, "statusLabel")->text(), "");
    }

private:
    std::unique_ptr<PrayerBatchDialog> open(int year)
    {
        m_time.set(VirtualTimeSource::fromLocal(year, 6, 15, 12, 0, 0));
        return std::make_unique<PrayerBatchDialog>(m_db->store(), m_prompts, m_time);
    }

    ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<NaamazTestDb> m_db;
    ScriptedPrompts m_prompts;
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestPrayerBatchDialog)
#include "tst_prayerbatchdialog.moc"
