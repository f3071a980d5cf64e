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
#include <QSlider>
#include <QTimer>

#include <functional>

namespace {

const QDate kDay(2026, 12, 6);

int at(int hour, int minute)
{
    return hour * 60 + minute;
}

EventRow eventNamed(const QString &title, int time, int remindAt, int interval, const QString &sound = " ")
{
    return {kDay, time, title, "Message of " + title, sound, {kDay, remindAt}, interval, 0};
}

using PopupAction = std::function<void(ReminderDialog &)>;

} // namespace

class TestEventReminders : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<EventTestDb>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_sound = std::make_unique<RecordingSoundDevice>();
        m_channel = std::make_unique<SoundChannel>(*m_sound, m_time, *m_prompts, &m_stop, &m_slider);
        m_reminders = std::make_unique<EventReminders>(m_db->source(), *m_channel, m_time, *m_prompts);
        m_shown.clear();
    }

    void cleanup() { QVERIFY(m_prompts->allShown()); }

    // The same run on the SQLite file and through ODBC, where dates are bound as dates too.
    void twoEventsInOneMinute_data()
    {
        QTest::addColumn<DataSource::Kind>("kind");
        QTest::newRow("SQLite file") << DataSource::Kind::Embedded;
        QTest::newRow("ODBC") << DataSource::Kind::Odbc;
    }

    // The second pop-up follows the first; only an event with a file gets a sound, and
    // an event without one costs no wait. A new row starts with no snoozes.
    void twoEventsInOneMinute()
    {
        QFETCH(DataSource::Kind, kind);
        m_db = std::make_unique<EventTestDb>(kind);
        m_reminders = std::make_unique<EventReminders>(m_db->source(), *m_channel, m_time, *m_prompts);
        m_db->insert(eventNamed("Alpha", at(9, 0), at(9, 0), 5));
        m_db->insert(eventNamed("Beta", at(9, 30), at(8, 59), 5, "/s/beta.wav"));
        runAt(9, 0, {escape(), [this](ReminderDialog &popup) {
                         m_time.advance(190);
                         snoozeWith(popup, "10");
                     }});
        QCOMPARE(m_shown, QStringList({"Alpha", "Beta"}));
        QCOMPARE(m_db->rows(), QList({eventNamed("Alpha", at(9, 0), at(9, 5), 5),
                                      EventRow{kDay, at(9, 30), "Beta", "Message of Beta", "/s/beta.wav",
                                               {kDay, at(9, 12)}, 10, 1}}));
        QCOMPARE(m_sound->sent.filter("open "),
                 QStringList{"open \"/s/beta.wav\" type waveaudio alias myalarmsound buffer 6 "});
        QCOMPARE(m_stop.text(), QString("&Stop Event"));
        QCOMPARE(m_time.now(), start(9, 0) + 190);
    }

    void runStopsTakingRowsAfterAMinute()
    {
        m_db->insert(eventNamed("Alpha", at(9, 0), at(9, 0), 5));
        m_db->insert(eventNamed("Beta", at(9, 30), at(9, 0), 5));
        runAt(9, 0, {[this](ReminderDialog &popup) {
            m_time.advance(EventReminders::kRunSeconds);
            QTest::keyClick(&popup, Qt::Key_Escape);
        }});
        QCOMPARE(m_shown, QStringList{"Alpha"});
        QCOMPARE(m_db->rows().last(), eventNamed("Beta", at(9, 30), at(9, 0), 5));
    }

    // A minute later the row is due again: its reminder moves on, its open pop-up only comes forward.
    void nestedRunFindsThePopupOpen()
    {
        m_db->insert(eventNamed("Alpha", at(9, 30), at(9, 0), 1));
        runAt(9, 0, {[this](ReminderDialog &popup) {
            m_time.advance(60);
            m_reminders->checkEventReminders(second(9, 1));
            QTest::keyClick(&popup, Qt::Key_Escape);
        }});
        QCOMPARE(m_shown, QStringList{"Alpha"});
        QCOMPARE(m_db->rows(), QList{eventNamed("Alpha", at(9, 30), at(9, 2), 1)});
    }

    void choices_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("remindAt"); // -1: the row is gone
        QTest::addColumn<int>("snoozes");
        QTest::newRow("Escape: only the advance") << "escape" << at(9, 5) << 0;
        // Enter asks again after the minutes shown; it never deletes.
        QTest::newRow("Enter") << "enter" << at(9, 5) << 1;
        QTest::newRow("16 refused, then 0") << "16 then 0" << at(9, 0) << 1;
        QTest::newRow("No Reminder") << "no reminder" << -1 << 0;
    }

    void choices()
    {
        QFETCH(QString, choice);
        QFETCH(int, remindAt);
        QFETCH(int, snoozes);
        m_db->insert(eventNamed("Alpha", at(9, 30), at(9, 0), 5));
        runAt(9, 0, {[&](ReminderDialog &popup) {
            auto *minutes = popup.findChild<QLineEdit *>("snoozeEdit");
            QCOMPARE(minutes->text(), QString("5"));
            if (choice == "escape") {
                QTest::keyClick(&popup, Qt::Key_Escape);
            } else if (choice == "enter") {
                QTest::keyClick(minutes, Qt::Key_Return);
            } else if (choice == "no reminder") {
                popup.findChild<QPushButton *>("noReminderButton")->click();
            } else {
                m_prompts->expectMessage("Please enter an integer between 0 and 15.", "Chimewise");
                snoozeWith(popup, "16");
                QVERIFY(popup.isVisible());
                snoozeWith(popup, "0");
            }
        }});
        const QList<EventRow> rows = m_db->rows();
        QCOMPARE(rows.size(), remindAt < 0 ? 0 : 1);
        if (remindAt >= 0) {
            QCOMPARE(rows[0].reminder.minutes, remindAt);
            QCOMPARE(rows[0].howManyTimes, snoozes);
        }
    }

    // A database that fails at every run says so once, and again after it worked in between.
    void failingDatabaseIsReportedOnce()
    {
        m_db->setTableThere(false);
        const QString error = "no such table: TOLVEX_EVENT Unable to execute statement";
        m_prompts->expectMessage(error, "Chimewise");
        for (int minute = 0; minute < 3; ++minute)
            m_reminders->checkEventReminders(second(9, minute));
        m_db->setTableThere(true);
        m_reminders->checkEventReminders(second(9, 3));
        m_db->setTableThere(false);
        m_prompts->expectMessage(error, "Chimewise");
        m_reminders->checkEventReminders(second(9, 4));
    }

private:
    qint64 start(int hour, int minute) const { return VirtualTimeSource::fromLocal(2026, 12, 6, hour, minute, 0); }
    TickSecond second(int hour, int minute) const
    {
        return {start(hour, minute), TimeSource::toLocal(start(hour, minute))};
    }

    static PopupAction escape()
    {
        return [](ReminderDialog &popup) { QTest::keyClick(&popup, Qt::Key_Escape); };
    }

    static void snoozeWith(ReminderDialog &popup, const QString &minutes)
    {
        popup.findChild<QLineEdit *>("snoozeEdit")->setText(minutes);
        popup.findChild<QPushButton *>("okButton")->click();
    }

    // Runs the check of that minute; each pop-up it opens gets the next action, in order.
    void runAt(int hour, int minute, QList<PopupAction> actions)
    {
        m_time.set(start(hour, minute));
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *popup = qobject_cast<ReminderDialog *>(QApplication::activeModalWidget());
            if (!popup || popup->property("handled").toBool())
                return;
            popup->setProperty("handled", true);
            m_shown << popup->windowTitle();
            // Acted on outside this timer's own call, so that it can see a pop-up opened meanwhile.
            QTimer::singleShot(0, popup, [popup, action = actions.isEmpty() ? PopupAction() : actions.takeFirst()] {
                if (action)
                    action(*popup);
                else
                    popup->reject(); // one too many: kept in m_shown
            });
        });
        poll.start(5);
        m_reminders->checkEventReminders(second(hour, minute));
        QVERIFY(actions.isEmpty());
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    VirtualTimeSource m_time;
    QPushButton m_stop;
    QSlider m_slider;
    std::unique_ptr<EventTestDb> m_db;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<RecordingSoundDevice> m_sound;
    std::unique_ptr<SoundChannel> m_channel;
    std::unique_ptr<EventReminders> m_reminders;
    QStringList m_shown;
};

QTEST_MAIN(TestEventReminders)
#include "tst_eventreminders.moc"
