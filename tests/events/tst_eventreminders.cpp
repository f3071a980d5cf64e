#include "core/secondcatchup.h"
#include "events/eventreminders.h"
#include "events/reminderdialog.h"
#include "eventtestdb.h"
#include "sound/soundchannel.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QDate kDay(2026, 12, 6);

constexpr int at(int hour, int minute)
{
    return hour * 60 + minute;
}

EventRow eventNamed(const QString &title, int time, int remindAt, int interval, const QString &sound = " ")
{
    return {kDay, time, title, "", sound, {kDay, remindAt}, interval, 0};
}

qint64 moment(int minutes)
{
    return VirtualTimeSource::fromLocal(2026, 12, 6, 0, minutes, 0);
}

TickSecond second(int minutes)
{
    return {moment(minutes), TimeSource::toLocal(moment(minutes)), Timeliness::OnTime};
}

QStringList openPopups()
{
    QStringList titles;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<ReminderDialog *>(window) && window->isVisible())
            titles << window->windowTitle();
    }
    titles.sort();
    return titles;
}

ReminderDialog *popup(const QString &title)
{
    ReminderDialog *open = ReminderDialog::openFor(title);
    if (!open)
        qFatal("no pop-up %s", qPrintable(title));
    return open;
}

} // namespace

// Runs on a real SQLite file, with the virtual clock; the pop-ups stay open while the test goes on,
// as they do while the clock ticks.
class TestEventReminders : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<EventTestDb>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_sound = std::make_unique<RecordingSoundDevice>();
        m_channel = std::make_unique<SoundChannel>(*m_sound, m_time);
        m_reminders.reset();
    }

    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ReminderDialog *>(window))
                delete window;
        }
        QVERIFY(m_prompts->allShown());
    }

    void twoEventsInOneMinute_data()
    {
        QTest::addColumn<DataSource::Kind>("kind");
        QTest::newRow("SQLite file") << DataSource::Kind::Embedded;
        QTest::newRow("ODBC") << DataSource::Kind::Odbc; // dates bound as dates there too
    }

    // Both pop-ups open at once. The first event's file cannot be played: the second's sound still
    // follows once its opens have been tried. OK, answered 3 minutes 10 seconds later with 10:
    // ten minutes from the answer, interval 10, one snooze more than the default 0.
    void twoEventsInOneMinute()
    {
        QFETCH(DataSource::Kind, kind);
        m_db = std::make_unique<EventTestDb>(kind);
        m_sound->failCommandsStartingWith("open \"/s/gone.wav\"");
        m_db->insert(eventNamed("Alpha", at(9, 0), at(9, 0), 5, "/s/gone.wav"));
        const EventRow beta = eventNamed("Beta", at(9, 30), at(8, 59), 5, "/s/beta.wav");
        m_db->insert(beta);
        runAt(at(9, 0));
        QCOMPARE(openPopups(), QStringList({"Alpha", "Beta"}));

        m_time.advance(190);
        QTest::keyClick(popup("Alpha"), Qt::Key_Escape);
        popup("Beta")->findChild<QLineEdit *>("snoozeEdit")->setText("10");
        popup("Beta")->findChild<QPushButton *>("okButton")->click();
        QTRY_COMPARE(openPopups(), QStringList());
        const EventRow snoozed{kDay, at(9, 30), "Beta", "", "/s/beta.wav", {kDay, at(9, 13)}, 10, 1};
        QCOMPARE(m_db->rows(kDay), QList({eventNamed("Alpha", at(9, 0), at(9, 5), 5, "/s/gone.wav"), snoozed}));
        QCOMPARE(m_sound->sent.filter("open "),
                 QStringList(10, "open \"/s/gone.wav\" type waveaudio alias myalarmsound buffer 6 ")
                     << "open \"/s/beta.wav\" type waveaudio alias myalarmsound buffer 6 ");
    }

    // A minute later the row is due again: its reminder moves on, its open pop-up only comes forward;
    // another title opens its own. No Reminder on the first deletes it.
    void laterRunFindsThePopupOpen()
    {
        m_db->insert(eventNamed("Alpha", at(9, 30), at(9, 0), 1));
        runAt(at(9, 0));
        m_db->insert(eventNamed("Gamma", at(9, 40), at(9, 1), 1));
        runAt(at(9, 1));
        QCOMPARE(openPopups(), QStringList({"Alpha", "Gamma"}));
        QCOMPARE(m_db->rows(kDay).first().reminder.minutes, at(9, 1)); // moved on by the run of 09:01
        m_time.advanceMs(EventReminders::kClaimDelayMs);
        QCOMPARE(m_db->rows(kDay).first().reminder.minutes, at(9, 2));
        popup("Alpha")->findChild<QPushButton *>("noReminderButton")->click();
        QTRY_COMPARE(openPopups(), QStringList({"Gamma"}));
        QCOMPARE(m_db->rows(kDay), QList{eventNamed("Gamma", at(9, 40), at(9, 2), 1)});
    }

    // Another program holds the database while the reminder is to move on: the pop-up is there,
    // the failure is told once, and the move is made by the next run, which finds the row moved.
    void lockedDatabaseIsTriedAgain()
    {
        m_db->insert(eventNamed("Alpha", at(9, 30), at(9, 0), 5));
        QSignalSpy failed(&reminders(), &EventReminders::failed);
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
            locker.setDatabaseName(m_db->source().name());
            QVERIFY(locker.open());
            QSqlQuery hold(locker);
            QVERIFY(hold.exec("BEGIN EXCLUSIVE"));
            QVERIFY(hold.exec("UPDATE TOLVEX_EVENT SET EvMessage = 'held'"));
            runAt(at(9, 0));
            QCOMPARE(openPopups(), QStringList({"Alpha"}));
            m_time.advanceMs(EventReminders::kClaimDelayMs);
            QCOMPARE(failed.size(), 1);
            QVERIFY(failed.first().first().toString().contains("locked"));
            QVERIFY(hold.exec("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase("locker");
        delete popup("Alpha");
        runAt(at(9, 1));
        QCOMPARE(openPopups(), QStringList());
        QCOMPARE(m_db->rows(kDay).first().reminder.minutes, at(9, 5));
        QCOMPARE(failed.size(), 1);
    }

    // A database that fails at every run says so once, and again after it worked in between.
    void failingDatabaseIsToldOnce()
    {
        QSignalSpy failed(&reminders(), &EventReminders::failed);
        m_db->setTableThere(false);
        for (int minute = 0; minute < 3; ++minute)
            runAt(at(9, minute));
        QCOMPARE(failed.size(), 1);
        m_db->setTableThere(true);
        m_time.advanceMs(EventReminders::kRetryMs);
        m_db->setTableThere(false);
        runAt(at(9, 4));
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.last().first().toString(), "no such table: TOLVEX_EVENT Unable to execute statement");
    }

    void missedWhileAway()
    {
        m_db->insert(eventNamed("Gone by", at(9, 20), at(9, 5), 5));
        m_db->insert(eventNamed("Still to come", at(9, 40), at(9, 5), 5));
        const auto missed = reminders().missedBetween(second(at(9, 0)).local, second(at(9, 30)).local);
        QCOMPARE(missed.size(), 1);
        QCOMPARE(missed.first().name, "Event — Gone by");
        QCOMPARE(missed.first().due.minute, 5);
    }

private:
    EventReminders &reminders()
    {
        if (!m_reminders) // made on first use, on the table the test chose
            m_reminders = std::make_unique<EventReminders>(m_db->source(), *m_channel, m_time, *m_prompts);
        return *m_reminders;
    }

    void runAt(int minutes)
    {
        m_time.set(moment(minutes));
        reminders().checkEventReminders(second(minutes));
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    VirtualTimeSource m_time;
    std::unique_ptr<EventTestDb> m_db;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<RecordingSoundDevice> m_sound;
    std::unique_ptr<SoundChannel> m_channel;
    std::unique_ptr<EventReminders> m_reminders;
};

QTEST_MAIN(TestEventReminders)
#include "tst_eventreminders.moc"
