#include "alarms/alarmpanel.h"
#include "alarms/alarmringer.h"
#include "core/duerules.h"
#include "core/secondcatchup.h"
#include "core/profilesettings.h"
#include "core/profilestore.h"
#include "sound/soundchannel.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The alarm group's controls on a real profile file; a due alarm plays on a recording device.
struct Panel
{
    Panel()
    {
        for (int slot = 1; slot <= kAlarmSlots; ++slot)
            controls.slotList->addItem(QString::number(slot));
        settings.load();
    }

    QPushButton *button(const char *text) { return new QPushButton(text, &group); }
    QToolButton *day()
    {
        auto *button = new QToolButton(&group);
        button->setCheckable(true);
        return button;
    }
    QVariant stored(const QString &key) const { return QSettings(iniPath, QSettings::IniFormat).value(key); }

    QString existingFile(const QString &name)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }

    void set(int index, const QString &time, const QString &file, int days = kEveryDay)
    {
        controls.slotList->setCurrentIndex(index);
        controls.timeEdit->setText(time);
        controls.fileEdit->setText(file);
        for (int day = 0; day < 7; ++day)
            controls.dayButtons[day]->setChecked(days & (1 << day));
        panel.onSet();
    }

    QTemporaryDir dir;
    const QString iniPath = dir.filePath("Chimewise.conf");
    const std::unique_ptr<ProfileStore> profile = ProfileStore::openIniFile(iniPath);
    ProfileSettings settings{*profile};
    ScriptedPrompts prompts;
    RecordingShellOpener shell;
    RecordingSoundDevice device;
    VirtualTimeSource time;
    QWidget group;
    const AlarmControls controls{new QComboBox(&group), new QLineEdit(&group), new QLineEdit(&group),
                                 button("&Set"), button("&Play File ( Browse )"), button("Cl&ear"),
                                 button("&Alarm#"), new QLineEdit(&group),
                                 {day(), day(), day(), day(), day(), day(), day()},
                                 new QCheckBox("Once", &group), new QSpinBox(&group)};
    SoundChannel channel{device, time};
    AlarmPanel panel{controls, settings, prompts};
    AlarmRinger ringer{settings, shell, channel};
    QSignalSpy changed{&panel, &AlarmPanel::slotChanged};
};

} // namespace

class TestAlarmPanel : public QObject
{
    Q_OBJECT

private slots:
    void setChecksInOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("message");
        QTest::newRow("no slot") << -1 << "bad" << "" << kEveryDay << "Select one of the 16 alarm items";
        QTest::newRow("empty file, bad time") << 4 << "bad" << "" << 0
                                              << "File to play field can not be empty :: Alarm ID = 5";
        QTest::newRow("bad time before missing file")
            << 0 << "25:00" << "/nowhere/x.wav" << 0
            << "Time format [25:00] may not be correct\nOr you might have entered wrong "
               "time values\nFormat should be HH:MM or HH:MM [AM or PM]";
        QTest::newRow("missing file") << 0 << "07:30 AM" << "/nowhere/x.wav" << 0
                                      << "File [/nowhere/x.wav] does not exists";
        QTest::newRow("no day") << 0 << "07:30 AM" << "existing" << 0
                                << "Alarm 1 rings on no day: tick at least one day, Mo to Su";
    }

    void setChecksInOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, time);
        QFETCH(QString, file);
        QFETCH(int, days);
        QFETCH(QString, message);
        Panel p;
        p.prompts.expectMessage(message, "Chimewise");
        p.set(index, time, file == "existing" ? p.existingFile("a.wav") : file, days);
        QVERIFY(p.prompts.allShown());
        QVERIFY(!p.stored("Alarms/Alarm1").isValid());
        QVERIFY(!p.stored("Alarms/Alarm5").isValid());
        QVERIFY(p.changed.isEmpty());
    }

    // The name, days and "once" are stored with the rest and shown again; Clear puts back every
    // day; the snooze minutes are one setting for all slots, written when changed.
    void nameDaysAndOnce()
    {
        Panel p;
        p.controls.nameEdit->setText(" Work ");
        p.controls.onceBox->setChecked(true);
        p.set(2, "07:00", p.existingFile("a.wav"), 0x1f);
        QCOMPARE((QStringList{p.stored("Alarms/Alarm3_days").toString(), p.stored("Alarms/Alarm3_name").toString()}),
                 (QStringList{"1111100", "Work"}));
        QCOMPARE(p.stored("Alarms/Alarm3_once").toInt(), 1);
        p.controls.nextButton->click(); // a free slot: every day
        QCOMPARE(p.controls.dayButtons[6]->isChecked(), true);
        p.controls.slotList->setCurrentIndex(2);
        p.panel.showSelectedSlot();
        QCOMPARE((std::tuple{p.controls.nameEdit->text(), p.controls.dayButtons[4]->isChecked(),
                             p.controls.dayButtons[5]->isChecked(), p.controls.onceBox->isChecked()}),
                 (std::tuple{QString("Work"), true, false, true}));
        p.controls.clearButton->click();
        QCOMPARE(p.controls.nameEdit->text(), QString());
        QCOMPARE((std::tuple{p.controls.dayButtons[5]->isChecked(), p.controls.onceBox->isChecked()}),
                 (std::tuple{true, false}));
        QCOMPARE(p.stored("Alarms/Alarm3_days").toString(), QString("1111111"));
        QCOMPARE(p.changed, (QList<QVariantList>{{2}, {2}}));

        QVERIFY(!p.stored("Alarms/SnoozeMinutes").isValid()); // shown, not written
        QCOMPARE(p.controls.snoozeSpin->value(), 5);
        p.controls.snoozeSpin->setValue(12);
        QCOMPARE(p.stored("Alarms/SnoozeMinutes").toInt(), 12);
    }

    void nameAndOnceWhenRung_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("once");
        QTest::addColumn<QString>("ringing");
        QTest::newRow("unnamed, every time") << "" << false << "Alarm 4 — 07:00 AM";
        QTest::newRow("named, once") << "Work" << true << "Alarm 4 — Work — 07:00 AM";
    }

    // A one-time alarm frees its slot once it came due, and the panel showing it follows.
    void nameAndOnceWhenRung()
    {
        QFETCH(QString, name);
        QFETCH(bool, once);
        QFETCH(QString, ringing);
        Panel p;
        p.controls.nameEdit->setText(name);
        p.controls.onceBox->setChecked(once);
        p.set(3, "07:00 AM", p.existingFile("wake.wav"));
        QSignalSpy freed(&p.ringer, &AlarmRinger::slotFreed);
        connect(&p.ringer, &AlarmRinger::slotFreed, &p.panel, &AlarmPanel::onSlotFreed);
        QSignalSpy rang(&p.channel, &SoundChannel::ringingStarted);
        const LocalTime seven = LocalTime::fromWallSecond(QDate(2026, 12, 7).toJulianDay() * 86400 + 7 * 3600);
        p.ringer.ring(3, {0, seven, Timeliness::OnTime});
        p.ringer.endIfOnce(3);
        QCOMPARE(rang.value(0).value(0).toString(), ringing);
        QCOMPARE(p.ringer.ringing(ringing).value_or(SnoozedAlarm{}).slot, 3);
        QCOMPARE(p.settings.alarms()[3].time, once ? kNoTime : 420);
        QCOMPARE(p.stored("Alarms/Alarm4").toInt(), once ? -1 : 420);
        QCOMPARE(p.controls.timeEdit->text(), once ? QString() : QString("07:00 AM"));
        QCOMPARE(freed.size(), int(once));
    }

    // Browse fills the field, Set stores at once; Next walks 16 -> 1 showing each slot; Clear and
    // Clear all free them.
    void browseSetShowClearAndNext()
    {
        Panel p;
        const QString file = p.existingFile("My Wake Up.wav");
        p.prompts.expectOpenFile(file);
        p.controls.browseButton->click();
        QVERIFY(p.prompts.allShown());
        QVERIFY(!p.stored("Alarms/Alarm16_file").isValid()); // the slot changes only on Set
        p.set(15, "07:30 pm", p.controls.fileEdit->text());
        QCOMPARE(p.stored("Alarms/Alarm16").toInt(), 19 * 60 + 30);
        QCOMPARE(p.stored("Alarms/Alarm16_file").toString(), file);
        QCOMPARE(p.controls.timeEdit->text(), QString("07:30 pm")); // left as typed
        p.set(6, "06:00", p.existingFile("a.wav"));
        p.controls.clearButton->click();
        QCOMPARE(p.stored("Alarms/Alarm7").toInt(), -1);
        QCOMPARE(p.stored("Alarms/Alarm7_file").toString(), QString());
        QCOMPARE(p.controls.timeEdit->text(), QString());
        QCOMPARE(p.controls.fileEdit->text(), QString());
        for (int press = 7; press <= 15; ++press)
            p.controls.nextButton->click();
        QCOMPARE(p.controls.slotList->currentText(), QString("16"));
        QCOMPARE(p.controls.timeEdit->text(), QString("07:30 PM"));
        QCOMPARE(p.controls.fileEdit->text(), file);
        p.controls.nextButton->click();
        QCOMPARE(p.controls.slotList->currentText(), QString("1"));
        QCOMPARE(p.controls.timeEdit->text(), QString());

        p.panel.clearAllAlarms();
        for (int slot = 1; slot <= kAlarmSlots; ++slot) {
            QCOMPARE(p.stored(QString("Alarms/Alarm%1").arg(slot)).toInt(), -1);
            QVERIFY(p.stored(QString("Alarms/Alarm%1_file").arg(slot)).isValid());
        }
    }

    // Slot 10 always holds 08:15; the path keeps its case, since "Wake.WaV" and "WAKE.WAV" differ here.
    void firedAlarms_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("secondOfDay");
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("opened");
        QTest::newRow("wave at midnight") << 0 << "/m/Wake.WaV" << 0 << "/m/Wake.WaV" << "";
        QTest::newRow("trailing blanks") << 420 << "/m/wake.wav \t" << 25200 << "/m/wake.wav" << "";
        QTest::newRow("no extension but wav ending") << 420 << "/m/nowav" << 25200 << "/m/nowav" << "";
        QTest::newRow("song to the desktop") << 420 << "/m/song.mp3 " << 25200 << "" << "/m/song.mp3";
        QTest::newRow("two slots at one time: lower plays") << 495 << "/m/five.wav" << 29700 << "/m/five.wav" << "";
        QTest::newRow("second 1 of the minute") << 420 << "/m/wake.wav" << 25201 << "" << "";
        QTest::newRow("1440 never fires") << 1440 << "/m/wake.wav" << 0 << "" << "";
        // Stored values may be anything: none wraps round to a second of the day.
        QTest::newRow("71582789 not at 00:00:44") << 71582789 << "/m/wake.wav" << 44 << "" << "";
        QTest::newRow("-71582788 not at 00:00:16") << -71582788 << "/m/wake.wav" << 16 << "" << "";
    }

    void firedAlarms()
    {
        QFETCH(int, minutes);
        QFETCH(QString, file);
        QFETCH(int, secondOfDay);
        QFETCH(QString, played);
        QFETCH(QString, opened);
        Panel p;
        p.settings.setAlarm(9, {{}, "/m/ten.wav", 495, kEveryDay, false, {}});
        p.settings.setAlarm(3, {{}, file, minutes, kEveryDay, false, {}});
        p.device.reply("status myalarmsound length wait", "3000");

        const LocalTime second = LocalTime::fromWallSecond(QDate(2026, 12, 6).toJulianDay() * 86400 + secondOfDay);
        if (const int due = dueAlarm(p.settings.alarms(), second); due >= 0)
            p.ringer.ring(due, {0, second, Timeliness::OnTime});

        const QString open = QString("open \"%1\" type waveaudio alias myalarmsound buffer 6 ").arg(played);
        QCOMPARE(p.device.sent.filter("open "), played.isEmpty() ? QStringList() : QStringList{open});
        QCOMPARE(p.channel.active(), !played.isEmpty());
        QCOMPARE(p.shell.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
    }
};

QTEST_MAIN(TestAlarmPanel)
#include "tst_alarmpanel.moc"
