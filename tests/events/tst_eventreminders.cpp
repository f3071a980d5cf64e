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

namespace {

const QDate kDay(2026, 12, 6);
using PopupAction = std::function<void(ReminderDialog &)>;

constexpr int at(int hour, int minute)
{
    return hour * 60 + minute;
}

EventRow eventNamed(const QString &title, int time, int remindAt, int interval, const QString &sound = " ")
{
    return {kDay, time, title, "", sound, {kDay, remindAt}, interval, 0};
}

void escape(ReminderDialog &popup)
{
    QTest::keyClick(&popup, Qt::Key_Escape);
}

} // namespace

// Runs on a real SQLite file, with the virtual clock; the pop-ups are answered as they open.
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
        m_reminders.reset();
    }

    void cleanup() { QVERIFY(m_prompts->allShown()); }

    void twoEventsInOneMinute_data()
    {
        QTest::addColumn<DataSource::Kind>("kind");
        QTest::addColumn<int>("firstOpen"); // seconds
        QTest::newRow("SQLite file") << DataSource::Kind::Embedded << 0;
        QTest::newRow("ODBC") << DataSource::Kind::Odbc << 0; // dates bound as dates there too
        QTest::newRow("first open a minute") << DataSource::Kind::Embedded << int(EventReminders::kRunSeconds);
    }

    // The second pop-up follows the first, unless the run has gone on a minute. The first event's
    // file cannot be played: the second's sound still follows once its opens have been tried. OK:
    // W + S + elapsed minutes, interval S, one snooze more than the default 0.
    void twoEventsInOneMinute()
    {
        QFETCH(DataSource::Kind, kind);
        QFETCH(int, firstOpen);
        m_db = std::make_unique<EventTestDb>(kind);
        m_sound->failCommandsStartingWith("open \"/s/gone.wav\"");
        m_db->insert(eventNamed("Alpha", at(9, 0), at(9, 0), 5, "/s/gone.wav"));
        const EventRow beta = eventNamed("Beta", at(9, 30), at(8, 59), 5, "/s/beta.wav");
        m_db->insert(beta);
        const auto alpha = [&](ReminderDialog &popup) {
            m_time.advance(firstOpen);
            escape(popup);
        };
        runAt(at(9, 0), {alpha, [this](ReminderDialog &popup) {
                             m_time.advance(190);
                             popup.findChild<QLineEdit *>("snoozeEdit")->setText("10");
                             popup.findChild<QPushButton *>("okButton")->click();
                         }}, firstOpen ? 1 : 2);
        const EventRow snoozed{kDay, at(9, 30), "Beta", "", "/s/beta.wav", {kDay, at(9, 12)}, 10, 1};
        QCOMPARE(m_db->rows(kDay),
                 QList({eventNamed("Alpha", at(9, 0), at(9, 5), 5, "/s/gone.wav"), firstOpen ? beta : snoozed}));
        if (firstOpen)
            return;
        QCOMPARE(m_sound->sent.filter("open "),
                 QStringList(10, "open \"/s/gone.wav\" type waveaudio alias myalarmsound buffer 6 ")
                     << "open \"/s/beta.wav\" type waveaudio alias myalarmsound buffer 6 ");
        QCOMPARE(m_stop.text(), QString("&Stop Event"));
        QCOMPARE(m_time.now(), moment(at(9, 0)) + 190);
    }

    // A minute later the row is due again: its reminder moves on, its open pop-up only comes forward.
    void nestedRunFindsThePopupOpen()
    {
        m_db->insert(eventNamed("Alpha", at(9, 30), at(9, 0), 1));
        runAt(at(9, 0), {[this](ReminderDialog &popup) {
                  m_time.advance(60);
                  reminders().checkEventReminders(second(at(9, 1)));
                  escape(popup);
              }}, 1);
        QCOMPARE(m_db->rows(kDay), QList{eventNamed("Alpha", at(9, 30), at(9, 2), 1)});
    }

    // A database that fails at every run says so once, and again after it worked in between.
    void failingDatabaseIsReportedOnce()
    {
        const QString error = "no such table: TOLVEX_EVENT Unable to execute statement";
        m_db->setTableThere(false);
        m_prompts->expectMessage(error, "Chimewise");
        for (int minute = 0; minute < 3; ++minute)
            reminders().checkEventReminders(second(at(9, minute)));
        m_db->setTableThere(true);
        reminders().checkEventReminders(second(at(9, 3)));
        m_db->setTableThere(false);
        m_prompts->expectMessage(error, "Chimewise");
        reminders().checkEventReminders(second(at(9, 4)));
    }

private:
    static qint64 moment(int minutes) { return VirtualTimeSource::fromLocal(2026, 12, 6, 0, minutes, 0); }
    static TickSecond second(int minutes) { return {moment(minutes), TimeSource::toLocal(moment(minutes))}; }

    EventReminders &reminders()
    {
        if (!m_reminders) // made on first use, on the table the test chose
            m_reminders = std::make_unique<EventReminders>(m_db->source(), *m_channel, m_time, *m_prompts);
        return *m_reminders;
    }

    // Runs the check of that minute; each pop-up it opens gets the next action (one too many is
    // closed), acted on outside the poll's own call so that it sees a nested pop-up. The first
    // pop-up must be "Alpha", the second "Beta".
    void runAt(int minutes, QList<PopupAction> actions, int popups)
    {
        int shown = 0;
        m_time.set(moment(minutes));
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *popup = qobject_cast<ReminderDialog *>(QApplication::activeModalWidget());
            if (!popup || popup->property("handled").toBool())
                return;
            popup->setProperty("handled", true);
            QCOMPARE(popup->windowTitle(), QString(shown++ ? "Beta" : "Alpha"));
            const PopupAction action = actions.isEmpty() ? escape : actions.takeFirst();
            QTimer::singleShot(0, popup, [popup, action] { action(*popup); });
        });
        poll.start(5);
        reminders().checkEventReminders(second(minutes));
        QCOMPARE(shown, popups);
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
};

QTEST_MAIN(TestEventReminders)
#include "tst_eventreminders.moc"
