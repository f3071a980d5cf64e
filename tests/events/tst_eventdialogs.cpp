#include "events/eventadddialog.h"
#include "events/evententry.h"
#include "events/eventviewdialog.h"
#include "events/voicerecorder.h"
#include "eventtestdb.h"
#include "prayer/dialogfields.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

const QDate kToday(2026, 12, 6);
const QString kSoundCaption = "Music or Voice for Reminder";
const QString kWantSound = "Do you want a music or voice message to remind your event?";
const QString kBadFile = "Music/voice file can not be fond\nOr,\n The file may not be a WAVEFORM audio (.wav) file";
using Answer = PromptService::Answer;

QStringList listed(const QWidget &dialog)
{
    QStringList items;
    const QTreeWidget *list = find<QTreeWidget>(dialog, "eventList");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        items << list->topLevelItem(i)->text(0);
    return items;
}

} // namespace

class TestEventDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<EventTestDb>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_sound = RecordingSoundDevice();
    }

    void cleanup() { QVERIFY(m_prompts->allShown()); }

    // The checks in their order, each with its own message; the first that fails ends the procedure.
    void storeChecksInOrder_data()
    {
        QTest::addColumn<EventEntry>("entry");
        QTest::addColumn<QString>("message"); // with its caption after a '|'; empty: none
        QTest::addColumn<QString>("stored");  // the file stored; empty: nothing stored
        EventEntry e{kToday.addDays(-1), "25:00", "", "Bring the card", "/nowhere/a.mp3", 15, 5};
        QTest::newRow("time first") << e << "Your entered time 25:00 evaluates to -1\nPlease correct it|Event Time" << "";
        e.timeText = "10:00 am";
        QTest::newRow("past day next") << e << "Better not to schedule for past days[05/12/2026]|Event Date" << "";
        e.date = kToday;
        QTest::newRow("title next") << e << "You should put something for \nthe title of the event and a message "
                                           "for the event|Title or Message" << "";
        e.title = " ";
        QTest::newRow("not a wave file") << e << kBadFile + '|' + kSoundCaption << "";
        e.file = "/nowhere/a.wav";
        QTest::newRow("missing wave file") << e << kBadFile + '|' + kSoundCaption << "";
        e.file = "  ";
        QTest::newRow("no file, but wanted") << e << kWantSound + '|' + kSoundCaption << "";
        QTest::newRow("no file wanted") << e << kWantSound + '|' + kSoundCaption << " ";
        e.file = " " + m_wave + " ";
        QTest::newRow("upper-case wave file") << e << "" << m_wave;
    }

    void storeChecksInOrder()
    {
        QFETCH(EventEntry, entry);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        const Answer answer = stored.isEmpty() ? Answer::Yes : Answer::No; // to "Do you want a music ..."
        if (!message.isEmpty())
            m_prompts->expectMessage(message.section('|', 0, 0), message.section('|', 1), answer);
        QCOMPARE(storeEventEntry(entry, kToday, m_db->store(), *m_prompts), !stored.isEmpty());
        const QList<EventRow> rows = m_db->rows(kToday);
        QCOMPARE(rows.size(), int(!stored.isEmpty()));
        if (!rows.isEmpty())
            QCOMPARE(rows[0].playFile, stored);
    }

    void similarEntry_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << Answer::Yes;
        QTest::newRow("No") << Answer::No;
    }

    // A second store of the same title, time and date asks; Yes writes over the first row.
    // Quotes and letters beyond ASCII go in and come out exactly.
    void similarEntry()
    {
        QFETCH(Answer, answer);
        const QDate day = kToday.addDays(1);
        EventEntry entry{day, "12:10 AM", "Cox's \"Bazar\" যাত্রা", "Pack", m_wave, 15, 5};
        QVERIFY(storeEventEntry(entry, kToday, m_db->store(), *m_prompts));
        const EventRow first{day, 10, entry.title, "Pack", m_wave, {kToday, 1435}, 5, 0};
        entry.message = "Pack the tent";
        entry.leadMinutes = 0;
        entry.intervalMinutes = 30;
        m_prompts->expectMessage("Event with same date, time, and title is already in database\n\n"
                                 "Do you want to update the previoud one?", "Similar Entry", answer);
        QCOMPARE(storeEventEntry(entry, kToday, m_db->store(), *m_prompts), answer == Answer::Yes);
        const EventRow updated{day, 10, entry.title, "Pack the tent", m_wave, {day, 10}, 30, 0};
        QCOMPARE(m_db->rows(day), QList{answer == Answer::Yes ? updated : first});
    }

    // Opened at 23:50 it offers 12:05 AM tomorrow. A database that refuses the row keeps the
    // dialog open with what was typed; then Store writes what the dialog shows.
    void addDialog()
    {
        m_time.set(VirtualTimeSource::fromLocal(2026, 12, 6, 23, 50, 0));
        EventAddDialog dialog(m_db->store(), *m_prompts, m_time, m_sound);
        QCOMPARE(find<QDateEdit>(dialog, "dateEdit")->date(), kToday.addDays(1));
        QCOMPARE(find<QLineEdit>(dialog, "timeEdit")->text(), QString("12:05 AM"));
        type(dialog, {{"titleEdit", "Call home"}, {"fileEdit", m_wave}});
        find<QPlainTextEdit>(dialog, "messageEdit")->setPlainText("Morning there");
        m_db->setTableThere(false);
        m_prompts->expectMessage("no such table: TOLVEX_EVENT Unable to execute statement", "Chimewise");
        click(dialog, "storeButton");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(find<QLineEdit>(dialog, "titleEdit")->text(), QString("Call home"));
        m_db->setTableThere(true);
        click(dialog, "storeButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const EventRow stored{kToday.addDays(1), 5, "Call home", "Morning there", m_wave, {kToday, 1430}, 5, 0};
        QCOMPARE(m_db->rows(kToday.addDays(1)), QList{stored});
    }

    void recorder_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("chosen");  // in the Save As or Open choice
        QTest::addColumn<QString>("failing"); // commands starting so are refused
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("file");    // the path field at the end
        const QStringList recording{"open new type waveaudio alias essound buffer 6 wait",
                                    "set essound time format ms bitspersample 8 channels 1 samplespersec 11025 wait",
                                    "record essound"};
        const QStringList measuring{"open \"/v/a b.wav\" type waveaudio alias essound buffer 6 wait",
                                    "set essound time format ms wait", "status essound length wait"};
        // A quote in the chosen name is doubled, so the layer reads the whole path.
        QTest::newRow("record and save") << QStringList{"record", "timer", "stop"} << "/v/\"memo\".wav" << ""
                                         << recording + QStringList{"status essound position", "stop essound",
                                                                    "save essound \"/v/\"\"memo\"\".wav\"",
                                                                    "close essound"}
                                         << "/v/\"memo\".wav";
        // Escape while recording gives the device back for the next opening; so does a refused record.
        QTest::newRow("escape while recording") << QStringList{"record", "escape"} << "" << ""
                                                << recording + QStringList{"stop essound", "close essound"} << "";
        QTest::newRow("refused recording") << QStringList{"record"} << "" << "record"
                                           << recording + QStringList{"close essound"} << "";
        // A cancelled choice keeps the path there was.
        QTest::newRow("browse cancelled") << QStringList{"browse"} << "" << ""
                                          << measuring + QStringList{"close essound wait"} << "/v/a b.wav";
        QTest::newRow("play to the end") << QStringList{"play", "timer"} << "" << ""
                                         << measuring + QStringList{"play essound from 0", "status essound position",
                                                                    "stop essound", "close essound"}
                                         << "/v/a b.wav";
    }

    // The exact commands on the recorder's own alias; Store and Close wait while it is busy.
    void recorder()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, chosen);
        QFETCH(QString, failing);
        QFETCH(QStringList, sent);
        QFETCH(QString, file);
        EventAddDialog dialog(m_db->store(), *m_prompts, m_time, m_sound);
        auto *recorder = dialog.findChild<VoiceRecorder *>();
        find<QLineEdit>(dialog, "fileEdit")->setText("/v/a b.wav");
        m_sound.reply("status essound length wait", "1500");
        m_sound.reply("status essound position", "1500");
        if (actions.contains("stop"))
            m_prompts->expectSaveFile(chosen);
        if (actions.contains("browse"))
            m_prompts->expectOpenFile(chosen);
        if (!failing.isEmpty()) {
            m_sound.failCommandsStartingWith(failing);
            m_prompts->expectMessage(m_sound.errorText(RecordingSoundDevice::kFailure), "RECord");
        }
        for (const QString &action : actions) {
            if (action == "timer")
                recorder->onTimer();
            else if (action == "escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                click(dialog, action + "Button");
            QCOMPARE(find<QPushButton>(dialog, "closeButton")->isEnabled(), !recorder->busy());
        }
        QCOMPARE(m_sound.sent, sent);
        QVERIFY(!recorder->busy());
        QCOMPARE(find<QLineEdit>(dialog, "fileEdit")->text(), file);
    }

    // The day's events sorted by their text, the top one's details shown and deleted at once.
    void viewDialog()
    {
        const QDate day(2028, 1, 30);
        m_db->insert({day, 9 * 60, "Breakfast", "Eggs", " ", {day, 525}, 5, 0});
        m_db->insert({day, 13 * 60, "Lunch", "Rice", " ", {day, 765}, 5, 0});
        m_db->insert({day, 10, "Tea", "Green", "/v/tea.wav", {day.addDays(-1), 1435}, 5, 0});
        m_db->insert({QDate(2028, 2, 29), 13 * 60, "Leap", "Day", " ", {QDate(2028, 2, 29), 775}, 5, 0});
        m_time.set(VirtualTimeSource::fromLocal(2028, 1, 30, 9, 0, 0));
        EventViewDialog dialog(m_db->store(), *m_prompts, m_time);
        QCOMPARE(listed(dialog), QStringList({"01:00 PM :: Lunch", "09:00 AM :: Breakfast", "12:10 AM :: Tea"}));
        click(dialog, "deleteButton");
        QCOMPARE(listed(dialog), QStringList({"09:00 AM :: Breakfast", "12:10 AM :: Tea"}));
        auto *list = find<QTreeWidget>(dialog, "eventList");
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(find<QLineEdit>(dialog, "remindTimeEdit")->text(), QString("11:55 PM"));
        QCOMPARE(find<QLineEdit>(dialog, "remindDateEdit")->text(), QString("29/01/2028"));

        find<QComboBox>(dialog, "monthList")->setCurrentIndex(1); // leap February: day 30 becomes 29
        QCOMPARE(listed(dialog), QStringList{"01:00 PM :: Leap"});
        find<QSpinBox>(dialog, "daySpin")->setValue(28);
        QCOMPARE(listed(dialog), QStringList{QString(31, u' ')});
        QCOMPARE(find<QPlainTextEdit>(dialog, "messageEdit")->toPlainText(), QString());
    }

    // A data source that cannot be reached is reported, and the dialog does not open.
    void viewWithoutDatabase()
    {
        const DataSource missing = DataSource::odbc("NOSUCHDSN");
        const EventStore store(missing);
        m_prompts->expectMessage(DbSession(missing).openStatus().errorText(), "Chimewise");
        EventViewDialog dialog(store, *m_prompts, m_time);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

private:
    // Only its name and that it exists count on storing.
    QString emptyFile(const QString &name) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<EventTestDb> m_db;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    RecordingSoundDevice m_sound;
    VirtualTimeSource m_time{VirtualTimeSource::fromLocal(2026, 12, 6, 9, 15, 0)};
    QTemporaryDir m_dir;
    const QString m_wave = emptyFile("Memo.WAV");
};

QTEST_MAIN(TestEventDialogs)
#include "tst_eventdialogs.moc"
