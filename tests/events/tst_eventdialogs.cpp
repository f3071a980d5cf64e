#include "events/eventadddialog.h"
#include "events/evententry.h"
#include "events/eventviewdialog.h"
#include "events/voicerecorder.h"
#include "eventtestdb.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

const QDate kToday(2026, 12, 6);
const QString kSoundQuestion = "Do you want a music or voice message to remind your event?";
const QString kSoundCaption = "Music or Voice for Reminder";
const QString kBadFile = "Music/voice file can not be fond\nOr,\n The file may not be a WAVEFORM audio (.wav) file";

struct Prompt
{
    QString text;
    QString caption;
    PromptService::Answer answer = PromptService::Answer::Ok;
};
using Prompts = QList<Prompt>;

template <typename T>
T *control(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QStringList listed(const QWidget &dialog)
{
    QStringList items;
    const QTreeWidget *list = control<QTreeWidget>(dialog, "eventList");
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

    // Each check in its order, each with its own message; the first failing one ends the procedure.
    void storeChecksInOrder_data()
    {
        QTest::addColumn<EventEntry>("entry");
        QTest::addColumn<Prompts>("prompts");
        QTest::addColumn<QString>("storedFile"); // empty: nothing stored
        const QString wav = m_wavePath;
        const EventEntry good{kToday, "10:00 am", "Dentist", "Bring the card", wav, 15, 5};
        EventEntry e = good;
        e.timeText = "25:00";
        e.date = kToday.addDays(-1);
        e.title.clear();
        QTest::newRow("time first") << e << Prompts{{"Your entered time 25:00 evaluates to -1\nPlease correct it",
                                                     "Event Time"}} << "";
        e.timeText = good.timeText;
        QTest::newRow("past day next") << e << Prompts{{"Better not to schedule for past days[05/12/2026]",
                                                        "Event Date"}} << "";
        e.date = kToday;
        e.file = "/nowhere/a.mp3";
        QTest::newRow("title next") << e << Prompts{{"You should put something for \nthe title of the event and a "
                                                     "message for the event", "Title or Message"}} << "";
        e.title = " ";
        QTest::newRow("not a wave file") << e << Prompts{{kBadFile, kSoundCaption}} << "";
        e.file = "/nowhere/a.wav";
        QTest::newRow("missing wave file") << e << Prompts{{kBadFile, kSoundCaption}} << "";
        e.file = "  ";
        QTest::newRow("no file, but wanted") << e << Prompts{{kSoundQuestion, kSoundCaption,
                                                              PromptService::Answer::Yes}} << "";
        QTest::newRow("no file wanted") << e << Prompts{{kSoundQuestion, kSoundCaption, PromptService::Answer::No}}
                                        << " ";
        e.file = "  " + m_upperCasePath + " ";
        QTest::newRow("upper-case wave file") << e << Prompts{} << m_upperCasePath;
    }

    void storeChecksInOrder()
    {
        QFETCH(EventEntry, entry);
        QFETCH(Prompts, prompts);
        QFETCH(QString, storedFile);
        for (const Prompt &p : prompts)
            m_prompts->expectMessage(p.text, p.caption, p.answer);
        QCOMPARE(storeEventEntry(entry, kToday, m_db->store(), *m_prompts), !storedFile.isEmpty());
        const QList<EventRow> rows = m_db->rows();
        QCOMPARE(rows.size(), storedFile.isEmpty() ? 0 : 1);
        if (!rows.isEmpty())
            QCOMPARE(rows[0].playFile, storedFile);
    }

    // A second store of the same title, time and date asks; Yes writes over the first row.
    void similarEntry_data()
    {
        QTest::addColumn<PromptService::Answer>("answer");
        QTest::newRow("Yes") << PromptService::Answer::Yes;
        QTest::newRow("No") << PromptService::Answer::No;
    }

    void similarEntry()
    {
        QFETCH(PromptService::Answer, answer);
        // Quotes and letters beyond ASCII go in and come out exactly.
        EventEntry entry{kToday.addDays(1), "12:10 AM", "Cox's \"Bazar\" যাত্রা", "Pack", m_wavePath, 15, 5};
        QVERIFY(storeEventEntry(entry, kToday, m_db->store(), *m_prompts));
        const EventRow first{kToday.addDays(1), 10, entry.title, "Pack", m_wavePath, {kToday, 1435}, 5, 0};
        QCOMPARE(m_db->rows(), QList{first});

        entry.message = "Pack the tent";
        entry.leadMinutes = 0;
        entry.intervalMinutes = 30;
        m_prompts->expectMessage("Event with same date, time, and title is already in database\n\n"
                                 "Do you want to update the previoud one?", "Similar Entry", answer);
        const bool yes = answer == PromptService::Answer::Yes;
        QCOMPARE(storeEventEntry(entry, kToday, m_db->store(), *m_prompts), yes);
        const EventRow updated{first.date, 10, entry.title, "Pack the tent", m_wavePath, {first.date, 10}, 30, 0};
        QCOMPARE(m_db->rows(), QList{yes ? updated : first});
    }

    // The database's refusal is shown, and the dialog keeps what was typed.
    void refusedStoreKeepsTheDialogOpen()
    {
        m_db->setTableThere(false);
        EventAddDialog dialog(m_db->store(), *m_prompts, m_time, m_sound);
        control<QLineEdit>(dialog, "titleEdit")->setText("Dentist");
        control<QPlainTextEdit>(dialog, "messageEdit")->setPlainText("Bring the card");
        control<QLineEdit>(dialog, "fileEdit")->setText(m_wavePath);
        m_prompts->expectMessage("no such table: TOLVEX_EVENT Unable to execute statement", "Chimewise");
        dialog.show();
        control<QPushButton>(dialog, "storeButton")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(control<QLineEdit>(dialog, "titleEdit")->text(), QString("Dentist"));
    }

    void newEntry_data()
    {
        QTest::addColumn<int>("now");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDate>("date");
        QTest::newRow("morning") << 9 * 60 + 15 << "09:30 AM" << kToday;
        QTest::newRow("before noon") << 11 * 60 + 50 << "12:05 PM" << kToday;
        // Past midnight it is tomorrow's time, so the date is tomorrow's.
        QTest::newRow("late evening") << 23 * 60 + 50 << "12:05 AM" << kToday.addDays(1);
    }

    void newEntry()
    {
        QFETCH(int, now);
        QFETCH(QString, time);
        QFETCH(QDate, date);
        const EventEntry entry = newEventEntry(kToday, now);
        QCOMPARE(entry.timeText, time);
        QCOMPARE(entry.date, date);
    }

    // The dialog opens with the new entry and stores what it shows.
    void addDialogStoresItsFields()
    {
        m_time.set(VirtualTimeSource::fromLocal(2026, 12, 6, 23, 50, 0));
        EventAddDialog dialog(m_db->store(), *m_prompts, m_time, m_sound);
        QCOMPARE(control<QDateEdit>(dialog, "dateEdit")->date(), kToday.addDays(1));
        QCOMPARE(control<QLineEdit>(dialog, "timeEdit")->text(), QString("12:05 AM"));
        control<QLineEdit>(dialog, "titleEdit")->setText("Call home");
        control<QPlainTextEdit>(dialog, "messageEdit")->setPlainText("It is morning there");
        control<QLineEdit>(dialog, "leadEdit")->setText("31");
        m_prompts->expectMessage("Please enter an integer between 0 and 30.", "Chimewise");
        dialog.store();
        control<QLineEdit>(dialog, "leadEdit")->setText("15");
        m_prompts->expectMessage(kSoundQuestion, kSoundCaption, PromptService::Answer::No);
        dialog.store();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const EventRow stored{kToday.addDays(1), 5, "Call home", "It is morning there", " ", {kToday, 1430}, 5, 0};
        QCOMPARE(m_db->rows(), QList{stored});
    }

    void recorder_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("chosen"); // in the Save As or Open choice
        QTest::addColumn<QString>("failing"); // commands starting so are refused
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("file"); // the path field at the end
        const QStringList recording{"open new type waveaudio alias essound buffer 6 wait",
                                    "set essound time format ms bitspersample 8 channels 1 samplespersec 11025 wait",
                                    "record essound"};
        QTest::newRow("record and save") << QStringList{"record", "timer", "stop"} << "/v/memo.wav" << ""
                                         << recording + QStringList{"status essound position", "stop essound",
                                                                    "save essound \"/v/memo.wav\"", "close essound"}
                                         << "/v/memo.wav";
        QTest::newRow("record, save cancelled") << QStringList{"record", "stop"} << "" << ""
                                                << recording + QStringList{"stop essound", "close essound"} << "";
        // Escape while recording gives the device back for the next opening.
        QTest::newRow("escape while recording") << QStringList{"record", "escape"} << "" << ""
                                                << recording + QStringList{"stop essound", "close essound"} << "";
        // Left open, the alias would refuse every later recording.
        QTest::newRow("refused recording") << QStringList{"record"} << "" << "record"
                                           << recording + QStringList{"close essound"} << "";
        const QStringList measuring{"open \"/v/a b.wav\" type waveaudio alias essound buffer 6 wait",
                                    "set essound time format ms wait", "status essound length wait"};
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
        auto *store = control<QPushButton>(dialog, "storeButton");
        control<QLineEdit>(dialog, "fileEdit")->setText("/v/a b.wav");
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
            if (action == "record")
                control<QPushButton>(dialog, "recordButton")->click();
            else if (action == "play")
                control<QPushButton>(dialog, "playButton")->click();
            else if (action == "stop")
                control<QPushButton>(dialog, "stopButton")->click();
            else if (action == "timer")
                recorder->onTimer();
            else if (action == "browse")
                control<QPushButton>(dialog, "browseButton")->click();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(store->isEnabled(), !recorder->busy());
        }
        QCOMPARE(m_sound.sent, sent);
        QVERIFY(!recorder->busy());
        QCOMPARE(control<QLineEdit>(dialog, "fileEdit")->text(), file);
    }

    // The day's events sorted by their text, the top one's details shown, and Delete acts on it at once.
    void viewListsAndDeletes()
    {
        const QDate day(2028, 1, 30);
        m_db->insert({day, 9 * 60, "Breakfast", "Eggs", " ", {day, 8 * 60 + 45}, 5, 0});
        m_db->insert({day, 10, "Tea", "Green", "/v/tea.wav", {day.addDays(-1), 1435}, 5, 0});
        m_db->insert({day, 13 * 60, "Lunch", "Rice", " ", {day, 12 * 60 + 45}, 5, 0});
        m_db->insert({QDate(2028, 2, 29), 13 * 60, "Leap", "Day", " ", {QDate(2028, 2, 29), 775}, 5, 0});
        m_time.set(VirtualTimeSource::fromLocal(2028, 1, 30, 9, 0, 0));
        EventViewDialog dialog(m_db->store(), *m_prompts, m_time);
        QCOMPARE(control<QComboBox>(dialog, "yearList")->itemText(control<QComboBox>(dialog, "yearList")->count() - 1),
                 QString("2038"));
        QCOMPARE(listed(dialog), QStringList({"01:00 PM :: Lunch", "09:00 AM :: Breakfast", "12:10 AM :: Tea"}));
        QCOMPARE(control<QPlainTextEdit>(dialog, "messageEdit")->toPlainText(), QString("Rice"));

        control<QPushButton>(dialog, "deleteButton")->click();
        QCOMPARE(listed(dialog), QStringList({"09:00 AM :: Breakfast", "12:10 AM :: Tea"}));
        QCOMPARE(m_db->rows().size(), 3);
        auto *list = control<QTreeWidget>(dialog, "eventList");
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(control<QLineEdit>(dialog, "fileEdit")->text(), QString("/v/tea.wav"));
        QCOMPARE(control<QLineEdit>(dialog, "remindTimeEdit")->text(), QString("11:55 PM"));
        QCOMPARE(control<QLineEdit>(dialog, "remindDateEdit")->text(), QString("29/01/2028"));
        m_prompts->expectMessage("In the return Title", "Chimewise");
        QTest::keyClick(list, Qt::Key_Return);

        // February of a leap year takes day 30 down to 29.
        control<QComboBox>(dialog, "monthList")->setCurrentIndex(1);
        QCOMPARE(control<QSpinBox>(dialog, "daySpin")->value(), 29);
        QCOMPARE(listed(dialog), QStringList{"01:00 PM :: Leap"});
        control<QSpinBox>(dialog, "daySpin")->setValue(28);
        QCOMPARE(listed(dialog), QStringList{QString(31, u' ')});
        QCOMPARE(control<QPlainTextEdit>(dialog, "messageEdit")->toPlainText(), QString());
        control<QPushButton>(dialog, "deleteButton")->click();
        QCOMPARE(m_db->rows().size(), 3);
    }

    // A data source that cannot be reached is reported and the dialog does not open.
    void viewWithoutDatabase()
    {
        const DataSource missing = DataSource::odbc("NOSUCHDSN");
        const EventStore store(missing);
        m_prompts->expectMessage(DbSession(missing).openStatus().errorText(), "Chimewise");
        EventViewDialog dialog(store, *m_prompts, m_time);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

private:
    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    std::unique_ptr<EventTestDb> m_db;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    RecordingSoundDevice m_sound;
    VirtualTimeSource m_time{VirtualTimeSource::fromLocal(2026, 12, 6, 9, 15, 0)};
    QTemporaryDir m_dir;
    // Only names and existence are checked on storing.
    QString emptyFile(const QString &name) const
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }
    const QString m_wavePath = emptyFile("memo.wav");
    const QString m_upperCasePath = emptyFile("Memo.WAV");
};

QTEST_MAIN(TestEventDialogs)
#include "tst_eventdialogs.moc"
