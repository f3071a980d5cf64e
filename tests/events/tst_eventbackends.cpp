#include "core/secondcatchup.h"
#include "events/eventreminders.h"
#include "events/eventstore.h"
#include "events/reminderdialog.h"
#include "sound/soundchannel.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/storebackends.h"
#include "support/virtualtimesource.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

const QDate kDay(2026, 12, 6);

EventRow eventNamed(const QString &title, int time, int remindAt, int interval)
{
    return {kDay, time, title, "It's time", "/s/" + title + ".wav", {kDay, remindAt}, interval, 0};
}

qint64 moment(int minutes)
{
    return VirtualTimeSource::fromLocal(2026, 12, 6, 0, minutes, 0);
}

// One clock of a household: its own sound and reminders, on the shared store.
struct Clock
{
    Clock(const DataSource &source, VirtualTimeSource &time, PromptService &prompts)
        : channel(device, time), reminders(source, channel, time, prompts)
    {
    }
    int opens(const QString &title) const
    {
        return int(device.sent.filter(QString("open \"/s/%1.wav\"").arg(title)).size());
    }

    RecordingSoundDevice device;
    SoundChannel channel;
    EventReminders reminders;
};

} // namespace

// The event statements and the reminders of several clocks, on the SQLite file, SQLite through
// ODBC and PostgreSQL through psqlODBC.
class TestEventBackends : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { StoreBackends::instance(); }

    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ReminderDialog *>(window))
                delete window;
        }
    }

    void statements_data() { addBackendRows(); }

    // Dates are bound as dates; the same date, time and title are one row; a claim moves the
    // reminder on only from the value it read.
    void statements()
    {
        QFETCH(QString, backend);
        const EventStore store(StoreBackends::instance().fresh(backend));
        DbSession session = store.openSession();
        const EventRow alpha = eventNamed("Alpha", 600, 590, 5);
        QVERIFY(store.insert(session, alpha).ok());
        QVERIFY(store.insert(session, eventNamed("Beta", 700, 690, 5)).ok());
        QVERIFY(!store.insert(session, alpha).ok());
        QCOMPARE(store.dayList(session, kDay).value().size(), 2);
        QVERIFY(store.exists(session, alpha.key()).value());
        QCOMPARE(store.dueEvents(session, kDay, 592).value(), QList{alpha});

        QVERIFY(store.claimReminder(session, alpha.key(), 590, {kDay, 595}).value());
        QVERIFY(!store.claimReminder(session, alpha.key(), 590, {kDay, 595}).value());
        QCOMPARE(store.details(session, alpha.key()).value()->reminder, (ReminderTime{kDay, 595}));
        QVERIFY(store.dueEvents(session, kDay, 592).value().isEmpty());

        EventRow changed = alpha;
        changed.message = "Bring the card";
        QVERIFY(store.update(session, changed).ok());
        QCOMPARE(store.eventsFromTo(session, kDay, kDay.addDays(1)).value().first().message, "Bring the card");
        QVERIFY(store.remove(session, alpha.key()).ok());
        QCOMPARE(store.allEvents(session).value().size(), 1);
    }

    void clocksShareTheStore_data() { addBackendRows(); }

    // Three clocks check the same minutes: each plays and shows every reminder, the row moves on
    // once per due minute, and a snooze from one is the row's for all.
    void clocksShareTheStore()
    {
        QFETCH(QString, backend);
        const DataSource &source = StoreBackends::instance().fresh(backend);
        const EventStore store(source);
        {
            DbSession session = store.openSession();
            QVERIFY(store.insert(session, eventNamed("Alpha", 540, 530, 5)).ok());
            QVERIFY(store.insert(session, eventNamed("Beta", 545, 535, 10)).ok());
        }
        ScriptedPrompts prompts;
        std::vector<std::unique_ptr<Clock>> clocks;
        for (int i = 0; i < 3; ++i)
            clocks.push_back(std::make_unique<Clock>(source, m_time, prompts));
        QList<ReminderTime> alphaReminders;
        for (int minute = 528; minute <= 546; ++minute) {
            m_time.set(moment(minute));
            // One after another within the minute, as clocks of a household do.
            for (auto &clock : clocks) {
                clock->reminders.checkEventReminders({moment(minute), TimeSource::toLocal(moment(minute)), Timeliness::OnTime});
                m_time.advanceMs(5000);
            }
            m_time.advanceMs(EventReminders::kClaimDelayMs);
            QCoreApplication::processEvents(); // the sounds end, as the schedule's polls find
            for (auto &clock : clocks)
                clock->channel.pollChannel();
            DbSession session = store.openSession();
            alphaReminders << store.details(session, {"Alpha", 540, kDay}).value()->reminder;
        }
        QList<ReminderTime> expected;
        for (int minute = 528; minute <= 546; ++minute)
            expected << ReminderTime{kDay, minute < 530 ? 530 : minute < 535 ? 535 : minute < 540 ? 540 : 545};
        QCOMPARE(alphaReminders, expected);
        for (auto &clock : clocks) {
            QCOMPARE(clock->opens("Alpha"), 3); // 08:50, 08:55, 09:00
            QCOMPARE(clock->opens("Beta"), 2);  // 08:55, 09:05
        }
    }

    // A server that fails is told once, not asked again every few seconds (each try may wait
    // for its login timeout) but at the next minute, which still shows the reminder, late.
    void failingServerIsTriedAtTheNextMinute()
    {
        const DataSource &source = StoreBackends::instance().fresh(StoreBackends::PostgresOdbc);
        const EventStore store(source);
        DbSession session = store.openSession();
        QVERIFY(store.insert(session, eventNamed("Alpha", 560, 540, 5)).ok());
        ScriptedPrompts prompts;
        Clock clock(source, m_time, prompts);
        QSignalSpy failed(&clock.reminders, &EventReminders::failed);
        QVERIFY(session.execute("ALTER TABLE TOLVEX_EVENT RENAME TO TOLVEX_GONE").ok());
        m_time.set(moment(540));
        clock.reminders.checkEventReminders({moment(540), TimeSource::toLocal(moment(540)), Timeliness::OnTime});
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed.first().first().toString().contains("tolvex_event"), qPrintable(failed.first().first().toString()));
        QVERIFY(session.execute("ALTER TABLE TOLVEX_GONE RENAME TO TOLVEX_EVENT").ok());
        m_time.advanceMs(EventReminders::kRetryMs);
        QCOMPARE(clock.opens("Alpha"), 0);
        m_time.advanceMs(EventReminders::kServerRetryMs - EventReminders::kRetryMs);
        QCOMPARE(clock.opens("Alpha"), 1);
        QCOMPARE(failed.size(), 1);
    }

private:
    static void addBackendRows()
    {
        QTest::addColumn<QString>("backend");
        for (const QString &name : StoreBackends::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    VirtualTimeSource m_time;
};

QTEST_MAIN(TestEventBackends)
#include "tst_eventbackends.moc"
