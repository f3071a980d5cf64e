#include "app/clockdialog.h"
#include "app/clockmenus.h"
#include "app/clocksurface.h"
#include "app/clocktray.h"
#include "app/commandids.h"
#include "db/databasesetup.h"
#include "db/datasource.h"
#include "core/profilestore.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scopedtimezone.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Checked
{
    qint64 calendar;
    int secondOfDay;
    friend bool operator==(const Checked &, const Checked &) = default;
};

// Sunday 2026-12-06 09:15:00 in Dhaka.
const qint64 kMorning = 1796526900;
const int kNine15 = 9 * 3600 + 15 * 60;
const char *const kIntervalButtons[] = {"interval15Radio", "interval30Radio", "interval60Radio",
                                        "noAnnouncementRadio"};
const QString kCityTitle = "Update Prayer Timings from City Information";

} // namespace

class TestClockDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpState();
    void intervalButtons_data();
    void intervalButtons();
    void tickRefreshesTheDialog();
    void announcementFollowsTheInterval_data();
    void announcementFollowsTheInterval();
    void unbuiltCommandsAreGreyedAndIgnored();
    void languageSwitch_data();
    void languageSwitch();
    void voiceDefinitionNamesTheLanguages();
    void prayerCallSwitch_data();
    void prayerCallSwitch();
    void prayerDialogsNeedThePrayerCall_data();
    void prayerDialogsNeedThePrayerCall();
    void clockFaceExtension_data();
    void clockFaceExtension();
    void footerIsCentredInItsArea();
    void skippedSecondsAreCheckedOnceInOrder();
    void longGapRunsOnlyTheCurrentSecond_data();
    void longGapRunsOnlyTheCurrentSecond();
    void nestedTicksNeverRepeatASecond();
    void checksSeeLocalTimeAcrossDstChange();
    void windowCommands_data();
    void windowCommands();
    void rightClickOnTheSurfaceOpensTheClockPopup();

private:
    ClockDialog &startClock()
    {
        m_profile = ProfileStore::openIniFile(m_iniPath);
        m_dialog = std::make_unique<ClockDialog>(
            ClockServices{m_time, *m_prompts, *m_profile, m_shell, *m_sound, *m_data});
        return *m_dialog;
    }
    template <typename T>
    T *control(const char *name) const
    {
        T *widget = m_dialog->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString status() const { return control<QLabel>("statusLabel")->text(); }
    QVariant stored(const QString &key) const { return QSettings(m_iniPath, QSettings::IniFormat).value(key); }
    void store(const QString &key, const QVariant &value)
    {
        QSettings(m_iniPath, QSettings::IniFormat).setValue(key, value);
    }
    void recordChecks(ClockDialog &dialog)
    {
        dialog.addSecondCheck([this](const TickSecond &s) { m_checked << Checked{s.calendar, s.local.secondOfDay()}; });
    }
    // Closes every modal dialog the next call opens, keeping their titles.
    QStringList modalDialogsOpenedBy(const std::function<void()> &action);

    std::unique_ptr<ScopedTimeZone> m_zone;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_iniPath;
    QString m_previousDir;
    VirtualTimeSource m_time;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    RecordingShellOpener m_shell;
    std::unique_ptr<RecordingSoundDevice> m_sound;
    std::unique_ptr<DataSource> m_data;
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<ClockDialog> m_dialog;
    QList<Checked> m_checked;
};

void TestClockDialog::initTestCase()
{
    m_zone = std::make_unique<ScopedTimeZone>("Asia/Dhaka");
    m_previousDir = QDir::currentPath();
}

void TestClockDialog::init()
{
    // The voice definition file is looked for in the current directory.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_iniPath = m_dir->filePath("Chimewise.conf");
    m_time.set(kMorning);
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_sound = std::make_unique<RecordingSoundDevice>();
    m_data = std::make_unique<DataSource>(DataSource::embeddedFile(m_dir->filePath("KTXDB.sqlite")));
    m_checked.clear();
}

void TestClockDialog::cleanup()
{
    m_dialog.reset();
    m_profile.reset();
    QVERIFY(m_prompts->allShown());
    QVERIFY(m_shell.opened.isEmpty());
    QDir::setCurrent(m_previousDir);
}

QStringList TestClockDialog::modalDialogsOpenedBy(const std::function<void()> &action)
{
    QStringList titles;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&titles] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            titles << modal->windowTitle();
            // The edit dialog's close box writes the day instead of closing.
            if (auto *done = modal->findChild<QPushButton *>("doneButton"))
                done->click();
            else
                modal->close();
        }
    });
    closer.start(10);
    action();
    return titles;
}

void TestClockDialog::startUpState()
{
    QVERIFY(!QFile::exists(m_iniPath));
    ClockDialog &dialog = startClock();
    // The first start writes the interval and nothing else.
    QCOMPARE(stored("AnnounceInterval/Interval").toInt(), 0);
    QVERIFY(!stored("AnnounceInterval/IsEnglish").isValid());

    // No tray here (offscreen): the window waits minimised instead of hidden.
    QVERIFY(!ClockTray::available());
    QVERIFY(dialog.isMinimized());
    QVERIFY(dialog.tray().isPresent());
    QCOMPARE(dialog.tray().tip(), QString("Chimewise"));
    QCOMPARE(dialog.windowTitle(), QString("Chimewise"));

    auto *alarmSlots = control<QComboBox>("alarmSlotCombo");
    QCOMPARE(alarmSlots->count(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(alarmSlots->itemText(i), QString::number(i + 1));
    QCOMPARE(alarmSlots->currentIndex(), 0);

    QCOMPARE(control<QLineEdit>("creditIdeaEdit")->text(), QString("Idea->Chimewise"));
    QCOMPARE(control<QLineEdit>("creditVoiceEdit")->text(), QString("Voice->eSpeak NG"));
    QCOMPARE(status(), QString());
    QVERIFY(control<QRadioButton>("interval15Radio")->isChecked());
    QVERIFY(control<QCheckBox>("prayerCallCheck")->isChecked());
    QVERIFY(dialog.menus().isChecked(Command::EnablePrayerCall));
    for (const char *hidden : {"announceInEnglishCheck", "shutdownTimeEdit", "powerOffCheck", "stopSoundButton",
                               "setShutdownButton", "soundPositionSlider", "footerLabel"})
        QVERIFY2(control<QWidget>(hidden)->isHidden(), hidden);
    QVERIFY(!control<QWidget>("intervalGroup")->isHidden());
    QCOMPARE(control<QLineEdit>("alarmTimeEdit")->maxLength(), 10);
    QCOMPARE(control<QLineEdit>("shutdownTimeEdit")->maxLength(), 10);

    // The clock's own timer keeps it ticking.
    QTRY_COMPARE_WITH_TIMEOUT(dialog.windowTitle(), QString("Chimewise 09:15:00"), 2500);
}

void TestClockDialog::intervalButtons_data()
{
    QTest::addColumn<int>("storedInterval");
    QTest::addColumn<int>("clicked");
    QTest::newRow("15 min") << 3 << 0;
    QTest::newRow("30 min") << 0 << 1;
    QTest::newRow("60 min") << 0 << 2;
    QTest::newRow("No Announcement") << 0 << 3;
    QTest::newRow("unknown stored 7 checks none") << 7 << 1;
}

// A stored interval checks its button and survives the tick; a click writes at once.
void TestClockDialog::intervalButtons()
{
    QFETCH(int, storedInterval);
    QFETCH(int, clicked);
    store("AnnounceInterval/Interval", storedInterval);
    ClockDialog &dialog = startClock();
    auto *group = control<QRadioButton>(kIntervalButtons[0])->group();
    QAbstractButton *expected = storedInterval < 4 ? control<QRadioButton>(kIntervalButtons[storedInterval]) : nullptr;
    QCOMPARE(group->checkedButton(), expected);
    dialog.clockTick();
    QCOMPARE(group->checkedButton(), expected);
    QCOMPARE(stored("AnnounceInterval/Interval").toInt(), storedInterval);

    control<QRadioButton>(kIntervalButtons[clicked])->click();
    QCOMPARE(stored("AnnounceInterval/Interval").toInt(), clicked);
    dialog.clockTick();
    QVERIFY(control<QRadioButton>(kIntervalButtons[clicked])->isChecked());
}

void TestClockDialog::tickRefreshesTheDialog()
{
    ClockDialog &dialog = startClock();
    control<QLineEdit>("creditIdeaEdit")->setText("typed by the user");
    control<QLineEdit>("creditVoiceEdit")->clear();
    control<QLineEdit>("alarmFileEdit")->setText("/tmp/kept.wav");

    dialog.clockTick();
    QCOMPARE(status(), QString("Sun Dec 06 09:15:00 2026"));
    QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:15:00"));
    QCOMPARE(dialog.tray().tip(), QString("Chimewise 09:15:00"));
    QCOMPARE(control<QLineEdit>("creditIdeaEdit")->text(), QString("Idea->Chimewise"));
    QCOMPARE(control<QLineEdit>("creditVoiceEdit")->text(), QString("Voice->eSpeak NG"));
    // What the user typed into the other fields stays.
    QCOMPARE(control<QLineEdit>("alarmFileEdit")->text(), QString("/tmp/kept.wav"));

    // "Repairing Databases" shows until the next tick.
    QVERIFY(!dialog.menus().isEnabled(Command::RepairDatabases));
    dialog.onCommand(Command::RepairDatabases);
    QCOMPARE(status(), QString("Repairing Databases"));
    m_time.advance(3600 * 15 + 45 * 60 + 59);
    dialog.clockTick();
    QCOMPARE(status(), QString("Mon Dec 07 01:00:59 2026"));
    QCOMPARE(dialog.windowTitle(), QString("Chimewise 01:00:59"));
}

void TestClockDialog::announcementFollowsTheInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("minutesAfter9");
    QTest::addColumn<int>("secondsBefore"); // the first tick, before the boundary
    QTest::addColumn<int>("secondsToNextTick");
    QTest::addColumn<int>("announcements");
    QTest::newRow("15 min at a quarter") << 0 << 15 << 3 << 5 << 1;
    QTest::newRow("30 min at a quarter") << 1 << 15 << 3 << 5 << 0;
    QTest::newRow("30 min at half past") << 1 << 30 << 3 << 5 << 1;
    QTest::newRow("60 min at half past") << 2 << 30 << 3 << 5 << 0;
    QTest::newRow("60 min on the hour") << 2 << 60 << 3 << 5 << 1;
    QTest::newRow("no announcement on the hour") << 3 << 60 << 3 << 5 << 0;
    QTest::newRow("unknown interval on the hour") << 7 << 60 << 3 << 5 << 0;
    // Caught up 90 s late after a stall: the alarms' seconds still run, the time is not spoken.
    QTest::newRow("boundary caught up late") << 0 << 15 << 60 << 150 << 0;
}

// The time is spoken once, in the second its boundary falls on.
void TestClockDialog::announcementFollowsTheInterval()
{
    QFETCH(int, interval);
    QFETCH(int, minutesAfter9);
    QFETCH(int, secondsBefore);
    QFETCH(int, secondsToNextTick);
    QFETCH(int, announcements);
    store("AnnounceInterval/Interval", interval);
    m_time.set(kMorning + (minutesAfter9 - 15) * 60 - secondsBefore);
    ClockDialog &dialog = startClock();
    dialog.clockTick();
    m_time.advance(secondsToNextTick);
    dialog.clockTick();
    QCOMPARE(m_sound->sent.filter("alias mysound").size(), announcements);
    QCOMPARE(m_sound->sent.filter("close mysound wait").size(), announcements);
    if (!announcements)
        QCOMPARE(m_sound->sent, QStringList());
}

void TestClockDialog::unbuiltCommandsAreGreyedAndIgnored()
{
    ClockDialog &dialog = startClock();
    for (int command : {Command::Exit, Command::ToggleLanguage, Command::Minimize, Command::ClearAllAlarms,
                        Command::EnablePrayerCall, Command::SetPrayerTimings, Command::EditPrayerTimings,
                        Command::TimingsByCity})
        QVERIFY(dialog.menus().isEnabled(command));
    QSignalSpy finished(&dialog, &QDialog::finished);
    for (int command : {Command::ViewAlarms, Command::About, Command::AddEvent, Command::ViewEvents,
                        Command::WebBrowser, Command::Help}) {
        QVERIFY(!dialog.menus().isEnabled(command));
        dialog.onCommand(command);
    }
    QVERIFY(finished.isEmpty());
    QVERIFY(!stored("AnnounceInterval/IsEnglish").isValid());
}

void TestClockDialog::languageSwitch_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("storedEnglish");
    for (const char *entry : {"menu command", "Announce in button", "hidden check box"}) {
        QTest::addRow("%s from Bangla", entry) << QString(entry) << 0;
        QTest::addRow("%s from English", entry) << QString(entry) << 1;
    }
}

void TestClockDialog::languageSwitch()
{
    QFETCH(QString, entry);
    QFETCH(int, storedEnglish);
    store("AnnounceInterval/IsEnglish", storedEnglish);
    ClockDialog &dialog = startClock();
    const auto expectLanguage = [&](int english) {
        QCOMPARE(dialog.menus().isChecked(Command::ToggleLanguage), bool(english));
        QCOMPARE(control<QPushButton>("languageButton")->text(),
                 QString(english ? "Announce in English" : "Announce in Bangla"));
        QCOMPARE(dialog.voice().current().starter, dialog.voice().language(english).starter);
        QCOMPARE(dialog.voice().current().hour, dialog.voice().language(english).hour);
        // The menu text names the second language whichever is in use.
        QCOMPARE(dialog.menus().menuBarText(Command::ToggleLanguage), QString("Announce in English"));
    };
    expectLanguage(storedEnglish);

    if (entry == "menu command")
        dialog.onCommand(Command::ToggleLanguage);
    else if (entry == "Announce in button")
        control<QPushButton>("languageButton")->click();
    else
        control<QCheckBox>("announceInEnglishCheck")->click();

    const int english = 1 - storedEnglish;
    QCOMPARE(stored("AnnounceInterval/IsEnglish").toInt(), english);
    expectLanguage(english);
    // The choice survives the tick's exchange with the controls.
    dialog.clockTick();
    QCOMPARE(control<QCheckBox>("announceInEnglishCheck")->isChecked(), bool(english));
}

void TestClockDialog::voiceDefinitionNamesTheLanguages()
{
    QStringList lines;
    for (const QString name : {"Bhasha", "Angrezi"}) {
        lines << (name == "Bhasha" ? "Bangla {" : "English {") << "language = " + name << "starter = 1, 2";
        lines << QStringList(12, "hour[] = 3, 4") << QStringList(3, "min[] = 5, 6")
              << QStringList(6, "zone[] = 7, 8") << "ampm[] = 9, 10" << "ampm[] = 11, 12" << "}";
    }
    QFile file("Tolvex.def");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join('\n').toUtf8());
    file.close();

    ClockDialog &dialog = startClock();
    QCOMPARE(dialog.menus().menuBarText(Command::ToggleLanguage), QString("Announce in Angrezi"));
    QCOMPARE(control<QPushButton>("languageButton")->text(), QString("Announce in Bhasha"));
    QCOMPARE(dialog.voice().current().starter, (VoiceSegment{1, 2}));
    dialog.onCommand(Command::ToggleLanguage);
    QCOMPARE(control<QPushButton>("languageButton")->text(), QString("Announce in Angrezi"));
}

void TestClockDialog::prayerCallSwitch_data()
{
    QTest::addColumn<int>("storedOn");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("databaseThere");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("box on, no database") << 0 << false << false << QStringList{kCityTitle};
    QTest::newRow("menu on, no database") << 0 << true << false << QStringList{kCityTitle};
    QTest::newRow("box on, database there") << 0 << false << true << QStringList();
    QTest::newRow("box off, no database") << 1 << false << false << QStringList();
    QTest::newRow("menu off, no database") << 1 << true << false << QStringList();
}

// Switching the call on without a database brings up the city dialog that makes one.
void TestClockDialog::prayerCallSwitch()
{
    QFETCH(int, storedOn);
    QFETCH(bool, viaMenu);
    QFETCH(bool, databaseThere);
    QFETCH(QStringList, opened);
    store("AnnounceInterval/Aazan_Announce", storedOn);
    if (databaseThere)
        QVERIFY(createDatabase(*m_data).ok());
    ClockDialog &dialog = startClock();
    auto *box = control<QCheckBox>("prayerCallCheck");
    QVERIFY(box->isEnabled());
    QCOMPARE(box->isChecked(), bool(storedOn));

    QCOMPARE(modalDialogsOpenedBy([&] { viaMenu ? dialog.onCommand(Command::EnablePrayerCall) : box->click(); }),
             opened);
    QCOMPARE(stored("AnnounceInterval/Aazan_Announce").toInt(), 1 - storedOn);
    QCOMPARE(box->isChecked(), !storedOn);
    QCOMPARE(dialog.menus().isChecked(Command::EnablePrayerCall), !storedOn);
    QCOMPARE(databaseExists(*m_data), databaseThere || !opened.isEmpty());
}

void TestClockDialog::prayerDialogsNeedThePrayerCall_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("prayerCallOn");
    QTest::addColumn<QString>("opened");
    QTest::newRow("batch, call on") << int(Command::SetPrayerTimings) << 1 << "Update Prayer Time in Batch";
    QTest::newRow("batch, call off") << int(Command::SetPrayerTimings) << 0 << "";
    QTest::newRow("edit, call on") << int(Command::EditPrayerTimings) << 1 << "View and Edit Prayer Timings";
    QTest::newRow("edit, call off") << int(Command::EditPrayerTimings) << 0 << "";
    QTest::newRow("city, call off") << int(Command::TimingsByCity) << 0 << kCityTitle;
}

void TestClockDialog::prayerDialogsNeedThePrayerCall()
{
    QFETCH(int, command);
    QFETCH(int, prayerCallOn);
    QFETCH(QString, opened);
    store("AnnounceInterval/Aazan_Announce", prayerCallOn);
    QVERIFY(createDatabase(*m_data).ok());
    ClockDialog &dialog = startClock();
    if (command == Command::EditPrayerTimings && prayerCallOn) // it opens on 1 January
        m_prompts->expectMessage("Can not update\nEmpty records", "Database Operation");
    const QStringList titles = modalDialogsOpenedBy([&] { dialog.onCommand(command); });
    QCOMPARE(titles, opened.isEmpty() ? QStringList() : QStringList{opened});
}

void TestClockDialog::clockFaceExtension_data()
{
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("extraHeight");
    QTest::newRow("hidden") << 0 << 0;
    QTest::newRow("shown") << 1 << 110;
}

void TestClockDialog::clockFaceExtension()
{
    QFETCH(int, visible);
    QFETCH(int, extraHeight);
    store("AnalogClock/VISIBLE", visible);
    startClock();
    auto *surface = m_dialog->findChild<ClockSurface *>();
    const int normalHeight = 225; // the form's 150 dialog units
    QCOMPARE(surface->size(), QSize(293, normalHeight + extraHeight));
    // The picked-time field and the AM button lie below the normal area.
    QCOMPARE(control<QLineEdit>("pickedTimeEdit")->geometry(), QRect(5, normalHeight + 38, 60, 24));
    QCOMPARE(control<QPushButton>("amPmButton")->geometry(), QRect(67, normalHeight + 38, 37, 24));
    QCOMPARE(m_dialog->height(), m_dialog->menus().menuBar()->sizeHint().height() + surface->height());
}

void TestClockDialog::footerIsCentredInItsArea()
{
    ClockDialog &dialog = startClock();
    auto *surface = dialog.findChild<ClockSurface *>();
    const QImage painted = surface->grab().toImage();
    const QRect area = control<QLabel>("footerLabel")->geometry();
    const QRect bounds = surface->footerBounds();
    QVERIFY(!bounds.isEmpty());
    QVERIFY(area.contains(bounds.center()));
    QVERIFY(qAbs(bounds.center().x() - area.center().x()) <= 1);
    // Text is smoothed, so count the pixels that are mostly its blue.
    int footerPixels = 0;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const QColor c = painted.pixelColor(x, y);
            footerPixels += c.blue() > 150 && c.red() < 100 && c.green() < 100;
        }
    }
    QVERIFY2(footerPixels > 20, "the footer is drawn in its blue");
}

void TestClockDialog::skippedSecondsAreCheckedOnceInOrder()
{
    ClockDialog &dialog = startClock();
    recordChecks(dialog);
    m_time.advance(1);
    dialog.clockTick();
    QCOMPARE(m_checked, (QList<Checked>{{kMorning, kNine15}, {kMorning + 1, kNine15 + 1}}));
    dialog.clockTick(); // the timer fired twice in one second
    QCOMPARE(m_checked.size(), 2);

    m_time.advance(4); // the thread was busy
    dialog.clockTick();
    QCOMPARE(m_checked.mid(2), (QList<Checked>{{kMorning + 2, kNine15 + 2}, {kMorning + 3, kNine15 + 3},
                                               {kMorning + 4, kNine15 + 4}, {kMorning + 5, kNine15 + 5}}));
    QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:15:05"));
}

void TestClockDialog::longGapRunsOnlyTheCurrentSecond_data()
{
    QTest::addColumn<qint64>("jump");
    QTest::newRow("two hours forward") << qint64(7200);
    QTest::newRow("just over five minutes") << qint64(301);
    QTest::newRow("clock set back") << qint64(-600);
}

void TestClockDialog::longGapRunsOnlyTheCurrentSecond()
{
    QFETCH(qint64, jump);
    ClockDialog &dialog = startClock();
    m_time.advance(1);
    dialog.clockTick();
    recordChecks(dialog);
    m_time.advance(jump);
    dialog.clockTick();
    const qint64 now = kMorning + 1 + jump;
    QCOMPARE(m_checked, (QList<Checked>{{now, TimeSource::toLocal(now).secondOfDay()}}));
    // The next second after the jump runs from the new time.
    m_time.advance(1);
    dialog.clockTick();
    QCOMPARE(m_checked.size(), 2);
    QCOMPARE(m_checked.last().calendar, now + 1);
}

void TestClockDialog::nestedTicksNeverRepeatASecond()
{
    ClockDialog &dialog = startClock();
    bool nested = false;
    // The first check opens a "modal window" for three seconds, in which the timer keeps ticking.
    dialog.addSecondCheck([&](const TickSecond &s) {
        m_checked << Checked{s.calendar, s.local.secondOfDay()};
        if (std::exchange(nested, true))
            return;
        for (int i = 0; i < 3; ++i) {
            m_time.advance(1);
            dialog.clockTick();
        }
    });
    m_time.advance(2);
    dialog.clockTick();
    QList<Checked> expected;
    for (int i = 0; i <= 5; ++i)
        expected << Checked{kMorning + i, kNine15 + i};
    QCOMPARE(m_checked, expected);
}

void TestClockDialog::checksSeeLocalTimeAcrossDstChange()
{
    const ScopedTimeZone london("Europe/London");
    // 00:59:57 on the night the clocks go forward.
    m_time.set(VirtualTimeSource::fromLocal(2026, 3, 29, 0, 59, 57));
    ClockDialog &dialog = startClock();
    m_time.advance(1);
    dialog.clockTick();
    recordChecks(dialog);
    m_time.advance(3);
    dialog.clockTick();
    QList<int> local;
    for (const Checked &c : std::as_const(m_checked))
        local << c.secondOfDay;
    // 00:59:59, then 02:00:00 and 02:00:01 summer time.
    QCOMPARE(local, (QList<int>{3599, 7200, 7201}));
    QCOMPARE(dialog.windowTitle(), QString("Chimewise 02:00:01"));
}

void TestClockDialog::windowCommands_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("exits");
    // Hiding keeps the clock reachable from the tray.
    for (const char *how : {"close box", "Escape", "Minimize command"})
        QTest::newRow(how) << how << true << false;
    // The menus' shortcut captions install no shortcut.
    for (const char *how : {"Ctrl+A", "Ctrl+V", "Ctrl+E", "Ctrl+S"})
        QTest::newRow(how) << how << false << false;
    QTest::newRow("Exit command") << "Exit command" << false << true;
}

void TestClockDialog::windowCommands()
{
    QFETCH(QString, how);
    QFETCH(bool, minimised);
    QFETCH(bool, exits);
    ClockDialog &dialog = startClock();
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.restoreAndRaise();
    QVERIFY(dialog.isVisible() && !dialog.isMinimized());

    if (how == "close box")
        dialog.close();
    else if (how == "Escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else if (how.startsWith("Ctrl+"))
        QTest::keyClick(&dialog, Qt::Key(how.back().unicode()), Qt::ControlModifier);
    else
        dialog.onCommand(how == "Exit command" ? Command::Exit : Command::Minimize);

    QCOMPARE(finished.size(), int(exits));
    QCOMPARE(dialog.tray().isPresent(), !exits);
    if (exits) {
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(dialog.isMinimized(), minimised);
    QVERIFY(!stored("AnnounceInterval/IsEnglish").isValid());
    QVERIFY(!dialog.menus().isChecked(Command::ToggleLanguage));
    dialog.restoreAndRaise();
    QVERIFY(dialog.isVisible() && !dialog.isMinimized());
}

void TestClockDialog::rightClickOnTheSurfaceOpensTheClockPopup()
{
    ClockDialog &dialog = startClock();
    dialog.restoreAndRaise();
    auto *surface = dialog.findChild<ClockSurface *>();
    QPoint empty;
    for (int y = 5; y < surface->height() && empty.isNull(); y += 5)
        for (int x = 150; x < surface->width() && empty.isNull(); x += 5)
            if (!surface->childAt(x, y))
                empty = QPoint(x, y);
    QVERIFY(!empty.isNull());

    QStringList shown;
    QTimer::singleShot(50, [&] {
        if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : popup->actions())
                shown << (action->isSeparator() ? "-" : action->text());
            popup->close();
        }
    });
    QTest::mouseClick(surface, Qt::RightButton, {}, empty);
    QCOMPARE(shown.value(0), QString("E&xit"));
    QCOMPARE(shown.value(6), QString("&Toggle Language"));
    QCOMPARE(shown.size(), 13);
}

QTEST_MAIN(TestClockDialog)
#include "tst_clockdialog.moc"
