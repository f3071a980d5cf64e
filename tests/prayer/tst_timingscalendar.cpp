#include "naamaztestdb.h"

#include "prayer/timingscalendar.h"
#include "prayer/timingsexportdialog.h"
#include "support/calendarcheck.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"
#include "timetext/calendarreader.h"

#include <QDateEdit>
#include <QFile>
#include <QProcess>
#include <QPushButton>

namespace {

// "2026-03-13 12:10 Jumma" for each event of a calendar file.
QStringList eventsIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"cannot read " + path};
    const CalendarReading reading = readCalendar(file.readAll(), {QDate(2000, 1, 1), 0, 0});
    QStringList events{reading.error};
    for (const CalendarEntry &entry : reading.entries)
        events << QString::asprintf("%s %02d:%02d ", qPrintable(entry.date.toString(Qt::ISODate)),
                                    entry.minutes / 60, entry.minutes % 60)
                      + entry.summary;
    return events;
}

} // namespace

class TestTimingsCalendar : public QObject
{
    Q_OBJECT

private slots:
    // Thursday 12 to Sunday 15 March 2026: a Friday without its own time,
    // a day without Fajr, a day with no row.
    void exportsStoredPeriod()
    {
        m_db.fill(71, 71, times(300, 730, 950, 1090, 1170, 0));
        m_db.fill(72, 72, times(299, 731, 951, 1091, 1171, 0));
        m_db.fill(73, 73, times(0, 732, 952, 1092, 1440, 0));
        const QString path = m_dir.filePath("prayers.ics");
        const CalendarOutcome outcome =
            exportPrayerTimings(path, m_db.store(), QDate(2026, 3, 12), QDate(2026, 3, 15), kNow);
        QCOMPARE(outcome.text, "13 prayer times exported to " + path);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(libicalErrors(written.readAll()), 0);
        QCOMPARE(eventsIn(path), (QStringList{
            "", "2026-03-12 05:00 Fajr", "2026-03-12 12:10 Zohor", "2026-03-12 15:50 Asr", "2026-03-12 18:10 Magreb",
            "2026-03-12 19:30 Isha", "2026-03-13 04:59 Fajr", "2026-03-13 12:11 Jumma", "2026-03-13 15:51 Asr",
            "2026-03-13 18:11 Magreb", "2026-03-13 19:31 Isha", "2026-03-14 12:12 Zohor", "2026-03-14 15:52 Asr",
            "2026-03-14 18:12 Magreb"}));
    }

    void acrossTheNewYear()
    {
        m_db.fill(1, 1, times(320, 720, 900, 1050, 1130, 750));
        m_db.fill(365, 365, times(321, 721, 901, 1051, 1131, 0));
        const QString path = m_dir.filePath("new-year.ics");
        QVERIFY(exportPrayerTimings(path, m_db.store(), QDate(2026, 12, 31), QDate(2027, 1, 1), kNow).done);
        QCOMPARE(eventsIn(path).mid(1, 7), (QStringList{"2026-12-31 05:21 Fajr", "2026-12-31 12:01 Zohor",
                                                      "2026-12-31 15:01 Asr", "2026-12-31 17:31 Magreb",
                                                      "2026-12-31 18:51 Isha", "2027-01-01 05:20 Fajr",
                                                      "2027-01-01 12:30 Jumma"}));
    }

    // The dialog opens on a month from today, warns of a period it cannot
    // take without asking for a file, and closes once the file is written.
    void dialog()
    {
        ScriptedPrompts prompts;
        VirtualTimeSource time(kNow);
        TimingsExportDialog dialog(m_db.store(), prompts, time);
        auto *from = dialog.findChild<QDateEdit *>("fromEdit");
        auto *to = dialog.findChild<QDateEdit *>("toEdit");
        QCOMPARE(from->date(), QDate(2026, 3, 10));
        QCOMPARE(to->date(), QDate(2026, 4, 9));
        to->setDate(QDate(2026, 3, 9));
        prompts.expectMessage("The period ends before it begins. Choose a last day after the first.", "Export Timings");
        dialog.findChild<QPushButton *>("exportButton")->click();
        QVERIFY(prompts.allShown());

        to->setDate(QDate(2026, 3, 12));
        const QString path = m_dir.filePath("dialog.ics");
        prompts.expectSaveFile(path);
        prompts.expectMessage("5 prayer times exported to " + path, "Export Timings");
        dialog.findChild<QPushButton *>("exportButton")->click();
        QVERIFY(prompts.allShown());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void refusesPeriod_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("text");
        QTest::newRow("backwards") << QDate(2026, 3, 12) << QDate(2026, 3, 11)
                                   << "The period ends before it begins. Choose a last day after the first.";
        QTest::newRow("longer than a year")
            << QDate(2026, 1, 1) << QDate(2027, 1, 2)
            << "Choose a period of at most a year: the clock keeps one row of times per day of the year.";
        QTest::newRow("nothing stored")
            << QDate(2026, 1, 1) << QDate(2026, 12, 31)
            << "No prayer times are stored for that period. Compute them with \"Timings by City info\" first.";
    }

    void refusesPeriod()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, text);
        const QString path = m_dir.filePath("refused.ics");
        const NaamazTestDb empty;
        const CalendarOutcome outcome = exportPrayerTimings(path, empty.store(), first, last, kNow);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.text, text);
        QVERIFY(!QFile::exists(path));
    }

    // chimewise-times writes the year it computes, as the generation would store it.
    void timesProgram()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", "Asia/Dhaka");
        program.setProcessEnvironment(environment);
        const QString path = m_dir.filePath("2002.ics");
        program.start(CHIMEWISE_TIMES, {"--lat", "23:43N", "--lon", "90:25E", "--tz", "6", "--year", "2002",
                                        "--asr", "2", "--ics", path});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        const QStringList events = eventsIn(path);
        QCOMPARE(events.size(), 1 + 365 * 5);
        QCOMPARE(events.mid(1, 5), (QStringList{"2002-01-01 05:20 Fajr", "2002-01-01 12:02 Zohor",
                                               "2002-01-01 15:47 Asr", "2002-01-01 17:23 Magreb",
                                               "2002-01-01 18:43 Isha"}));
        const QStringList friday = events.filter("2002-01-04 "); // Jumma instead of Zohor
        QCOMPARE(friday.size(), 5);
        QVERIFY(friday[1].endsWith(" Jumma"));

        program.start(CHIMEWISE_TIMES, {"--lat", "23:43N", "--lon", "90:25E", "--tz", "6", "--ics",
                                        m_dir.filePath("no/such/folder/x.ics")});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("could not be written"));
    }

private:
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    const qint64 kNow = VirtualTimeSource::fromLocal(2026, 3, 10, 8, 0, 0);
    NaamazTestDb m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestTimingsCalendar)
#include "tst_timingscalendar.moc"
