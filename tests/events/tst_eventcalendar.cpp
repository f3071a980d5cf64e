#include "calendarfixtures.h"
#include "eventtestdb.h"

#include "events/calendarimport.h"
#include "events/evententry.h"
#include "events/eventexport.h"
#include "support/calendarcheck.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "sound/wavewriter.h"
#include "support/virtualtimesource.h"

#include <QFileInfo>
#include <QUrl>


using namespace CalendarFixtures;

namespace {

// "2026-03-12 15:30 Dentist | Bring the card | - | 2026-03-12 15:15 every 10 | 0":
// a row in one line, its sound by file name.
QString described(const EventRow &row)
{
    const auto clock = [](int minutes) { return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60); };
    return QString("%1 %2 %3 | %4 | %5 | %6 %7 every %8 | %9")
        .arg(row.date.toString(Qt::ISODate), clock(row.time), row.title, row.message,
             row.hasSound() ? QFileInfo(row.playFile).fileName() : QString("-"),
             row.reminder.date.toString(Qt::ISODate), clock(row.reminder.minutes))
        .arg(row.interval)
        .arg(row.howManyTimes);
}

qsizetype lineOf(const QByteArray &text, const QByteArray &line)
{
    return text.left(text.indexOf(line)).count('\n') + 1;
}

} // namespace

class TestEventCalendar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<EventTestDb>();
        QVERIFY(WaveWriter::write(m_sound, RecordingFormat(), QByteArray(2000, '\x90'), nullptr));
    }

    void importsFixtures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("times"); // imported once, or twice
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("mail client") << mailClient(QUrl::fromLocalFile(m_sound).toString()) << 1
            << "3 events imported; 1 had already passed; "
               "1 reminder was more than 30 minutes ahead and comes 30 minutes before"
            << QStringList{"2026-03-10 10:00 Team call | Team call | - | 2026-03-10 09:35 every 5 | 0",
                           "2026-03-12 15:30 Dentist | Bring the card | - | 2026-03-12 15:15 every 10 | 0",
                           "2026-04-01 14:00 Passport office | Take the old passport | chime.wav | "
                           "2026-04-01 13:30 every 30 | 0"};
        const QStringList web{"2026-03-11 09:00 Standup | Daily sync | - | 2026-03-11 08:50 every 5 | 0",
                              "2026-03-23 18:00 Gym | Gym | - | 2026-03-23 17:50 every 5 | 0"};
        QTest::newRow("web calendar") << webCalendar() << 1 << "2 events imported; 1 repeats: its next time was imported"
                                      << web;
        QTest::newRow("web calendar again") << webCalendar() << 2 << "0 events imported; 2 were already there" << web;
        QTest::newRow("mail server") << mailServer() << 1 << "3 events imported; 1 repeats: its next time was imported"
            << QStringList{"2026-03-10 09:00 Bank holiday | Bank holiday | - | 2026-03-10 09:00 every 5 | 0",
                           "2026-03-13 20:00 Quarterly review | Agenda attached\n | - | 2026-03-13 20:00 every 5 | 0",
                           "2026-03-16 09:00 Bin day | Bin day | - | 2026-03-16 09:00 every 5 | 0"};
        QTest::newRow("own zone") << ownZone() << 1
            << "3 events imported; 1 has no start time; 1 reminder was more than 30 minutes ahead and comes "
               "30 minutes before; 1 is in a time zone the clock does not know and was taken as local time"
            << QStringList{"2026-03-10 12:00 Lunch | Lunch | - | 2026-03-10 11:40 every 5 | 0",
                           "2026-03-12 10:30 Site visit | Site visit | - | 2026-03-12 10:15 every 5 | 0",
                           "2026-03-14 07:00 Call Tokyo | Call Tokyo | - | 2026-03-14 07:00 every 5 | 0"};
        QTest::newRow("other scripts") << otherScripts() << 1 << "2 events imported"
            << QStringList{"2026-03-15 18:30 বৈঠক: পরিকল্পনা | সভাকক্ষ ৩, দুপুরে — Zürich 😀 | - | "
                           "2026-03-15 18:10 every 5 | 0",
                           "2026-03-20 18:00 Γενέθλια της γιαγιάς στο χωριό — φέρτε γλυκά και  | "
                           "Γενέθλια της γιαγιάς στο χωριό — φέρτε γλυκά και 🎂 λουλούδια\nΣτις έξι | - | "
                           "2026-03-20 18:00 every 5 | 0"};
    }

    void importsFixtures()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, times);
        QFETCH(QString, report);
        QFETCH(QStringList, rows);
        const QString path = write("fixture.ics", file);
        CalendarOutcome outcome;
        for (int i = 0; i < times; ++i)
            outcome = importEventCalendar(path, m_db->store(), m_settings, kNow);
        qInfo().noquote() << QTest::currentDataTag() << "->" << outcome.text;
        QVERIFY(outcome.done);
        QCOMPARE(outcome.text, report);
        QCOMPARE(storedRows(), rows);
    }

    // Nothing is stored from a file that fails, not even the events before the fault.
    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("comma-separated values") << QByteArray("Subject,Start Date\r\nDentist,12/03/2026\r\n")
                                                << "Line 1 is not the beginning of a calendar (BEGIN:VCALENDAR)";
        QTest::newRow("empty") << QByteArray("\r\n") << "The file is empty";
        const QByteArray mail = mailClient("file:///nowhere/chime.wav");
        const QByteArray cut = mail.left(mail.indexOf("SUMMARY:Plumber"));
        QTest::newRow("cut off half-way")
            << cut << QString("The file stops at line %1 inside the VEVENT begun at line %2: it was cut off")
                          .arg(lineOf(cut, "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e003"))
                          .arg(lineOf(cut, "UID:5e1c4c1a-0b7e-4d61-9d0b-1f0a6ce2e003") - 2);
        const QByteArray badDate = QByteArray(webCalendar()).replace("DTSTART:20260302T120000Z", "DTSTART:2026030T1200");
        QTest::newRow("unreadable start") << badDate << QString("Line %1 cannot be read: DTSTART:2026030T1200")
                                                           .arg(lineOf(badDate, "DTSTART:2026030T1200"));
        const QByteArray crossed = QByteArray(webCalendar()).replace("TRIGGER:-P0DT0H30M0S\r\nEND:VALARM", "END:VEVENT");
        QTest::newRow("ends the wrong component")
            << crossed << QString("Line %1 ends a VEVENT, but the VALARM begun at line %2 is still open")
                              .arg(lineOf(crossed, "END:VEVENT"))
                              .arg(lineOf(crossed, "ACTION:EMAIL") - 1);
        const QByteArray latin1 = QByteArray(webCalendar()).replace("SUMMARY:Gym", "SUMMARY:Caf\xe9");
        QTest::newRow("not UTF-8") << latin1
                                   << QString("Line %1 is not UTF-8 text").arg(lineOf(latin1, "SUMMARY:Caf"));
    }

    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const QString path = write("broken.ics", file);
        const CalendarOutcome outcome = importEventCalendar(path, m_db->store(), m_settings, kNow);
        qInfo().noquote() << QTest::currentDataTag() << "->" << outcome.text;
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.text, path + " could not be imported: " + reason
                                   + ". Nothing was stored. Save it again from the program it comes from.");
        QCOMPARE(storedRows(), QStringList());
    }

    // A database that refuses the second event takes the first back too.
    void storesAllOrNothing()
    {
        QVERIFY(m_db->store().openSession().execute(
            "CREATE TRIGGER refuse BEFORE INSERT ON TOLVEX_EVENT WHEN NEW.EvTitle = 'Gym' "
            "BEGIN SELECT RAISE(ABORT, 'disk full'); END").ok());
        const CalendarOutcome outcome =
            importEventCalendar(write("web.ics", webCalendar()), m_db->store(), m_settings, kNow);
        QVERIFY(!outcome.done);
        QVERIFY2(outcome.text.contains("disk full"), qPrintable(outcome.text));
        QCOMPARE(storedRows(), QStringList());
    }

    // The row the add dialog stores from the same date, time, texts, lead and interval.
    void importsAsTheAddDialogStores()
    {
        ScriptedPrompts prompts;
        const EventEntry typed{QDate(2026, 3, 12), "03:30 PM", "Dentist", "Bring the card", m_sound, 15, 10};
        EventTestDb added;
        QVERIFY(storeEventEntry(typed, QDate(2026, 3, 10), added.store(), prompts));
        const QByteArray file = lines({
            "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN",
            "BEGIN:VEVENT", "UID:d1", "DTSTAMP:20260301T101010Z", "SUMMARY:Dentist", "DESCRIPTION:Bring the card",
            "DTSTART:20260312T093000Z",
            "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER:-PT15M", "DESCRIPTION:Dentist", "END:VALARM",
            "BEGIN:VALARM", "ACTION:AUDIO", "TRIGGER:-PT5M", "ATTACH:" + QUrl::fromLocalFile(m_sound).toString(),
            "END:VALARM", "END:VEVENT", "END:VCALENDAR"});
        QVERIFY(importEventCalendar(write("mail.ics", file), m_db->store(), m_settings, kNow).done);
        QCOMPARE(m_db->rows(QDate(2026, 3, 12)), added.rows(QDate(2026, 3, 12)));
    }

    // Exported under each zone and imported into an empty store: the same rows.
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("start"); // how the first event's start is written
        QTest::newRow("Dhaka") << QByteArray("Asia/Dhaka") << "DTSTART;TZID=Asia/Dhaka:20260312T153000";
        QTest::newRow("London") << QByteArray("Europe/London") << "DTSTART;TZID=Europe/London:20260312T153000";
        QTest::newRow("UTC") << QByteArray("UTC") << "DTSTART:20260312T153000Z";
    }

    void roundTrip()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, start);
        const ScopedTimeZone pinned(zone.constData());
        const qint64 now = VirtualTimeSource::fromLocal(2026, 3, 10, 8, 0, 0);
        const QList<EventRow> rows{
            {QDate(2026, 3, 12), 930, "Dentist", "Bring the card", m_sound, {QDate(2026, 3, 12), 915}, 5, 2},
            {QDate(2026, 3, 13), 10, "Night bus", "Platform 4", " ", {QDate(2026, 3, 12), 1435}, 0, 0},
            {QDate(2026, 7, 1), 600, "বৈঠক", "সভাকক্ষ ৩, দুপুরে", " ", {QDate(2026, 7, 1), 580}, 30, 0},
        };
        DbSession session = m_db->store().openSession();
        for (const EventRow &row : rows) // with its snooze count, which an insert leaves at 0
            QVERIFY(m_db->store().insert(session, row).ok() && m_db->store().storeReminder(session, row).ok());
        const QString path = m_dir.filePath("out.ics");
        const CalendarOutcome exported = exportEventCalendar(path, m_db->store(), now);
        QCOMPARE(exported.text, "3 events exported to " + path);
        const QByteArray first = read(path);
        QVERIFY2(first.contains(start.toUtf8() + "\r\n"), first.constData());
        QCOMPARE(libicalErrors(first), 0);

        QVERIFY(exportEventCalendar(path, m_db->store(), now + 3600).done);
        QCOMPARE(uids(read(path)), uids(first));

        EventTestDb empty;
        QCOMPARE(importEventCalendar(path, empty.store(), m_settings, now).text, "3 events imported");
        for (const EventRow &row : rows)
            QCOMPARE(empty.rows(row.date), QList<EventRow>{row});
    }

    // A recording travels inside the calendar to where its file is not.
    void carriesVoiceMessages()
    {
        m_db->insert({QDate(2026, 3, 12), 930, "Dentist", "Bring the card", m_sound, {QDate(2026, 3, 12), 915}, 5, 0});
        const QString path = m_dir.filePath("memo.ics");
        QVERIFY(exportEventCalendar(path, m_db->store(), kNow).done);
        const QByteArray recording = read(m_sound);
        QVERIFY(QFile::remove(m_sound));

        EventTestDb elsewhere;
        QVERIFY(importEventCalendar(path, elsewhere.store(), m_settings, kNow).done);
        const QString restored = elsewhere.rows(QDate(2026, 3, 12)).value(0).playFile;
        QCOMPARE(restored, m_settings.memoFolder + "/chime.wav");
        QCOMPARE(read(restored), recording);
    }

private:
    QString write(const QString &name, const QByteArray &text)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList storedRows() const
    {
        DbSession session = m_db->store().openSession();
        const auto stored = m_db->store().allEvents(session);
        QStringList rows;
        for (const EventRow &row : stored.value())
            rows << described(row);
        return rows;
    }

    static QByteArrayList uids(const QByteArray &text)
    {
        QByteArrayList found;
        for (const QByteArray &line : text.split('\n')) {
            if (line.startsWith("UID:"))
                found << line;
        }
        return found;
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    const qint64 kNow = VirtualTimeSource::fromLocal(2026, 3, 10, 8, 0, 0);
    QTemporaryDir m_dir;
    const QString m_sound = m_dir.filePath("chime.wav");
    const CalendarImportSettings m_settings{9 * 60, m_dir.filePath("Voice memos")};
    std::unique_ptr<EventTestDb> m_db;
};

QTEST_GUILESS_MAIN(TestEventCalendar)
#include "tst_eventcalendar.moc"
