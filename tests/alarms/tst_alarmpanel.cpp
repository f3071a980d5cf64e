#include "alarms/alarmpanel.h"
#include "sound/soundchannel.h"
#include "core/profilesettings.h"
#include "core/profilestore.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

class TestAlarmPanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_iniPath = m_dir->filePath("Chimewise.conf");
        m_profile = ProfileStore::openIniFile(m_iniPath);
        m_settings = std::make_unique<ProfileSettings>(*m_profile);
        m_settings->load();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_shell.opened.clear();
        m_device = RecordingSoundDevice();
        m_group = std::make_unique<QWidget>();
        auto *list = new QComboBox(m_group.get());
        for (int slot = 1; slot <= kAlarmSlots; ++slot)
            list->addItem(QString::number(slot));
        auto button = [this](const char *text) { return new QPushButton(text, m_group.get()); };
        m_controls = {list, new QLineEdit(m_group.get()), new QLineEdit(m_group.get()), button("&Set"),
                      button("&Play File ( Browse )"), button("Cl&ear"), button("&Alarm#")};
        m_channel = std::make_unique<SoundChannel>(m_device, m_time, *m_prompts, button(""),
                                                    new QSlider(m_group.get()));
        m_panel = std::make_unique<AlarmPanel>(m_controls, *m_settings, *m_prompts, m_shell, *m_channel);
    }

    void cleanup() { QVERIFY(m_prompts->allShown()); }

    void setChecksInOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no slot") << -1 << "bad" << "" << "Select one of the 16 alarm items";
        QTest::newRow("empty file, bad time") << 4 << "bad" << ""
                                              << "File to play field can not be empty :: Alarm ID = 5";
        QTest::newRow("bad time before missing file")
            << 0 << "25:00" << "/nowhere/x.wav"
            << "Time format [25:00] may not be correct\nOr you might have entered wrong "
               "time values\nFormat should be HH:MM or HH:MM [AM or PM]";
        QTest::newRow("missing file") << 0 << "07:30 AM" << "/nowhere/x.wav"
                                      << "File [/nowhere/x.wav] does not exists";
    }

    void setChecksInOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, time);
        QFETCH(QString, file);
        QFETCH(QString, message);
        m_prompts->expectMessage(message, "Chimewise");
        setSlot(index, time, file);
        QVERIFY(!stored("Alarms/Alarm1").isValid());
        QVERIFY(!stored("Alarms/Alarm5").isValid());
    }

    // Set stores at once; Next walks 16 -> 1 showing each slot; Clear and Clear all free them.
    void setShowClearAndNext()
    {
        const QString file = existingFile("My Wake Up.wav");
        setSlot(15, "07:30 pm", file);
        QCOMPARE(stored("Alarms/Alarm16").toInt(), 19 * 60 + 30);
        QCOMPARE(stored("Alarms/Alarm16_file").toString(), file);
        QCOMPARE(m_controls.timeEdit->text(), QString("07:30 pm")); // left as typed
        setSlot(6, "06:00", existingFile("a.wav"));
        m_controls.clearButton->click();
        QCOMPARE(stored("Alarms/Alarm7").toInt(), -1);
        QCOMPARE(stored("Alarms/Alarm7_file").toString(), QString());
        QCOMPARE(m_controls.timeEdit->text(), QString());
        QCOMPARE(m_controls.fileEdit->text(), QString());
        for (int press = 7; press <= 15; ++press)
            m_controls.nextButton->click();
        QCOMPARE(m_controls.slotList->currentText(), QString("16"));
        QCOMPARE(m_controls.timeEdit->text(), QString("07:30 PM"));
        QCOMPARE(m_controls.fileEdit->text(), file);
        m_controls.nextButton->click();
        QCOMPARE(m_controls.slotList->currentText(), QString("1"));
        QCOMPARE(m_controls.timeEdit->text(), QString());

        m_panel->clearAllAlarms();
        const QSettings profile(m_iniPath, QSettings::IniFormat);
        for (int slot = 1; slot <= kAlarmSlots; ++slot) {
            QCOMPARE(profile.value(QString("Alarms/Alarm%1").arg(slot)).toInt(), -1);
            QVERIFY(profile.contains(QString("Alarms/Alarm%1_file").arg(slot)));
        }
    }

    void browseFillsTheFileField()
    {
        m_prompts->expectOpenFile("/music/chosen.wav");
        m_controls.browseButton->click();
        QCOMPARE(m_prompts->shown().last().text,
                 QString("WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|"));
        QCOMPARE(m_controls.fileEdit->text(), QString("/music/chosen.wav"));
        QVERIFY(!stored("Alarms/Alarm1_file").isValid()); // the slot changes only on Set
    }

    void firedAlarms_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("secondOfDay");
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("opened");
        QTest::newRow("wave at midnight") << "00:00" << "wake.WAV" << 0 << "wake.WAV" << "";
        QTest::newRow("wave, trailing blank") << "07:00" << "wake.wav " << 25200 << "wake.wav" << "";
        QTest::newRow("song to the desktop") << "07:00" << "song.mp3" << 25200 << "" << "song.mp3";
        QTest::newRow("two slots at one time: lower plays") << "08:15" << "five.wav" << 29700 << "five.wav" << "";
    }

    void firedAlarms()
    {
        QFETCH(QString, time);
        QFETCH(QString, file);
        QFETCH(int, secondOfDay);
        QFETCH(QString, played);
        QFETCH(QString, opened);
        setSlot(9, "08:15", existingFile("ten.wav"));
        setSlot(3, time, existingFile(file));
        m_device.reply("status myalarmsound length wait", "3000");

        m_panel->checkAlarms(secondOfDay);

        const QStringList opens = m_device.sent.filter("open ");
        if (played.isEmpty()) {
            QVERIFY(opens.isEmpty());
        } else {
            QCOMPARE(opens, QStringList({QString("open \"%1\" type waveaudio alias myalarmsound buffer 6 ")
                                             .arg(m_dir->filePath(played))}));
            QVERIFY(m_channel->active());
        }
        QCOMPARE(m_shell.opened, opened.isEmpty() ? QStringList() : QStringList({m_dir->filePath(opened)}));
    }

private:
    QString existingFile(const QString &name)
    {
        QFile file(m_dir->filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }
    QVariant stored(const QString &key) const
    {
        return QSettings(m_iniPath, QSettings::IniFormat).value(key);
    }

    void setSlot(int index, const QString &time, const QString &file)
    {
        m_controls.slotList->setCurrentIndex(index);
        m_controls.timeEdit->setText(time);
        m_controls.fileEdit->setText(file);
        m_panel->onSet();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_iniPath;
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<ProfileSettings> m_settings;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    RecordingShellOpener m_shell;
    RecordingSoundDevice m_device;
    VirtualTimeSource m_time;
    std::unique_ptr<QWidget> m_group;
    AlarmControls m_controls{};
    std::unique_ptr<SoundChannel> m_channel;
    std::unique_ptr<AlarmPanel> m_panel;
};

QTEST_MAIN(TestAlarmPanel)
#include "tst_alarmpanel.moc"
