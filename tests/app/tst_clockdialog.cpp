#include "app/clockmenus.h"
#include "core/clockschedule.h"
#include "app/clocksurface.h"
#include "app/clocktray.h"
#include "app/commandids.h"
#include "app/runningclock.h"
#include "app/statusline.h"
#include "db/databasesetup.h"
#include "prayer/prayeralertdialog.h"
#include "prayer/prayerstore.h"
#include "support/scopedtimezone.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Sunday 2026-12-06 09:15:00 in Dhaka.
const qint64 kMorning = 1796526900;
const char *const kIntervalButtons[] = {"interval15Radio", "interval30Radio", "interval60Radio",
                                        "noAnnouncementRadio"};
const QString kCityTitle = "Update Prayer Timings from City Information";
const QStringList kFirstStartKeys{"AnnounceInterval/Interval", "Startup/LoginStartOffered"};

// Languages named "Bhasha" and "Angrezi", whose starters begin at 0 and 1.
bool writeVoiceDefinition()
{
    QStringList lines;
    for (const int english : {0, 1}) {
        lines << (english ? "English {" : "Bangla {") << (english ? "language = Angrezi" : "language = Bhasha")
              << QString("starter = %1, 2").arg(english) << QStringList(12, "hour[] = 3, 4")
              << QStringList(3, "min[] = 5, 6") << QStringList(6, "zone[] = 7, 8") << "ampm[] = 9, 10"
              << "ampm[] = 11, 12" << "}";
    }
    QFile file("Tolvex.def"); // looked for in the current directory first
    return file.open(QIODevice::WriteOnly) && file.write(lines.join('\n').toUtf8()) > 0;
}

} // namespace

class TestClockDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_clock = std::make_unique<RunningClock>("/opt/My \"Clock\"/chimewise");
        QVERIFY(QDir::setCurrent(m_clock->dir.path()));
        m_clock->time.set(kMorning);
    }

    void cleanup()
    {
        m_clock->dialog.reset();
        QVERIFY(m_clock->prompts.allShown());
        QVERIFY(m_clock->shell.opened.isEmpty());
        QDir::setCurrent(m_previousDir);
    }

    // The first start shows the window, neither hidden nor minimised (offscreen there is no tray to
    // hide in), and writes only the interval; its own timer then refreshes the dialog every second.
    void startUpAndTick()
    {
        ClockDialog &dialog = startClock();
        QCOMPARE(storedKeys(), kFirstStartKeys);
        QCOMPARE(stored("AnnounceInterval/Interval").toInt(), 0);
        QVERIFY(dialog.isVisible() && !dialog.isMinimized());
        QVERIFY(dialog.tray().isPresent());
        auto *alarmSlots = control<QComboBox>("alarmSlotCombo");
        QCOMPARE(alarmSlots->count(), 16);
        QCOMPARE(alarmSlots->currentText(), QString("1"));
        QVERIFY(interval(0)->isChecked());
        QCOMPARE(control<QPushButton>("languageButton")->text(), QString("Announce in Bangla"));
        QVERIFY(control<QCheckBox>("prayerCallCheck")->isChecked());
        QVERIFY(dialog.menus().isChecked(Command::EnablePrayerCall));
        // Every command is offered but repairing.
        for (int command : {Command::Exit, Command::ToggleLanguage, Command::Minimize, Command::ClearAllAlarms,
                            Command::EnablePrayerCall, Command::SetPrayerTimings, Command::EditPrayerTimings,
                            Command::TimingsByCity, Command::ViewAlarms, Command::AddEvent,
                            Command::ViewEvents, Command::ImportCalendar, Command::ExportCalendar,
                            Command::ExportTimings, Command::About, Command::WebBrowser, Command::Help})
            QVERIFY(dialog.menus().isEnabled(command));
        QVERIFY(!dialog.menus().isEnabled(Command::RepairDatabases));

        control<QLineEdit>("creditIdeaEdit")->setText("typed by the user");
        control<QLineEdit>("creditVoiceEdit")->clear();
        control<QLineEdit>("alarmFileEdit")->setText("/tmp/kept.wav");
        QTRY_COMPARE_WITH_TIMEOUT(control<QLineEdit>("creditIdeaEdit")->text(), QString("Idea->Chimewise"), 2500);
        QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:15:00"));
        QCOMPARE(status(), QString("Sun Dec 06 09:15:00 2026"));
        QCOMPARE(dialog.tray().tip(), QString("Chimewise 09:15:00"));
        QCOMPARE(control<QLineEdit>("creditVoiceEdit")->text(), QString("Voice->eSpeak NG"));
        // The tick writes the credits back; what the user typed into the other fields stays.
        QCOMPARE(control<QLineEdit>("alarmFileEdit")->text(), QString("/tmp/kept.wav"));

        // "Repairing Databases" shows until the next tick.
        dialog.onCommand(Command::RepairDatabases);
        QCOMPARE(status(), QString("Repairing Databases"));
        m_clock->time.advance(3600 * 15 + 45 * 60 + 59);
        dialog.schedule().tick();
        QCOMPARE(status(), QString("Mon Dec 07 01:00:59 2026"));
        QCOMPARE(dialog.windowTitle(), QString("Chimewise 01:00:59"));
    }

    // Hidden, only the tip follows the time; shown again, the window is brought up to date at once.
    void hiddenWindowIsBroughtUpToDateWhenShown()
    {
        ClockDialog &dialog = startClock();
        dialog.schedule().tick();
        const QString shownTitle = dialog.windowTitle(), shownStatus = status();
        dialog.hide();
        m_clock->time.advance(75);
        dialog.schedule().tick();
        QCOMPARE(dialog.tray().tip(), QString("Chimewise 09:16:15"));
        // Qt's X11 icon takes its tip as the pointer rests on it, from the time of that moment.
        auto *icon = dialog.tray().findChild<QSystemTrayIcon *>();
        QVERIFY(icon);
        m_clock->time.advance(3);
        QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(icon, &hover);
        QCOMPARE(icon->toolTip(), QString("Chimewise 09:16:18"));
        QCOMPARE(dialog.windowTitle(), shownTitle);
        QCOMPARE(status(), shownStatus);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:16:18"));
        QCOMPARE(status(), QString("Sun Dec 06 09:16:18 2026"));
        // and follows the ticks again
        m_clock->time.advance(1);
        dialog.schedule().tick();
        QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:16:19"));
    }

    void announcementFollowsTheInterval_data()
    {
        QTest::addColumn<int>("storedInterval");
        QTest::addColumn<int>("clicked"); // -1: no button clicked
        QTest::addColumn<int>("minutesAfter9"); // where the boundary lies
        QTest::addColumn<bool>("late");
        QTest::addColumn<int>("announcements");
        QTest::newRow("15 min at a quarter") << 3 << 0 << 15 << false << 1;
        QTest::newRow("30 min at a quarter") << 0 << 1 << 15 << false << 0;
        QTest::newRow("30 min at half past") << 0 << 1 << 30 << false << 1;
        QTest::newRow("60 min at half past") << 0 << 2 << 30 << false << 0;
        QTest::newRow("60 min on the hour") << 0 << 2 << 60 << false << 1;
        QTest::newRow("no announcement on the hour") << 0 << 3 << 60 << false << 0;
        QTest::newRow("stored 60 min on the hour") << 2 << -1 << 60 << false << 1;
        QTest::newRow("unknown stored 7 checks none") << 7 << -1 << 60 << false << 0;
        // Caught up 90 s late after a stall: the alarms' seconds still run, the time is not spoken.
        QTest::newRow("boundary caught up late") << 0 << -1 << 15 << true << 0;
    }

    // A stored interval checks its button, a click writes at once, and the ticks keep both; the
    // time is then spoken once, in the second its boundary falls on.
    void announcementFollowsTheInterval()
    {
        QFETCH(int, storedInterval);
        QFETCH(int, clicked);
        QFETCH(int, minutesAfter9);
        QFETCH(bool, late);
        QFETCH(int, announcements);
        store("AnnounceInterval/Interval", storedInterval);
        m_clock->time.set(kMorning + (minutesAfter9 - 15) * 60 - (late ? 60 : 3));
        ClockDialog &dialog = startClock();
        auto *group = control<QRadioButton>(kIntervalButtons[0])->group();
        QCOMPARE(group->checkedButton(), storedInterval < 4 ? interval(storedInterval) : nullptr);
        if (clicked >= 0)
            interval(clicked)->click();
        const int chosen = clicked >= 0 ? clicked : storedInterval;
        QCOMPARE(stored("AnnounceInterval/Interval").toInt(), chosen);

        dialog.schedule().tick();
        m_clock->time.advance(late ? 150 : 5);
        dialog.schedule().tick();
        QCOMPARE(group->checkedButton(), chosen < 4 ? interval(chosen) : nullptr);
        QCOMPARE(stored("AnnounceInterval/Interval").toInt(), chosen);
        // What an announcement sends is the announcer's own test; here only how many.
        QCOMPARE(m_clock->sound.sent.filter("alias mysound").size(), announcements);
        if (!announcements)
            QCOMPARE(m_clock->sound.sent, QStringList());
    }

    void languageSwitch_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("storedEnglish");
        for (const char *entry : {"menu command", "Announce in button", "hidden check box"}) {
            QTest::addRow("%s from Bangla", entry) << QString(entry) << 0;
            QTest::addRow("%s from English", entry) << QString(entry) << 1;
        }
    }

    // The captions name the languages of the voice definition; the choice is stored at once.
    void languageSwitch()
    {
        QFETCH(QString, entry);
        QFETCH(int, storedEnglish);
        QVERIFY(writeVoiceDefinition());
        store("AnnounceInterval/IsEnglish", storedEnglish);
        ClockDialog &dialog = startClock();
        const auto expectLanguage = [&](int english) {
            QCOMPARE(dialog.menus().isChecked(Command::ToggleLanguage), bool(english));
            QCOMPARE(control<QPushButton>("languageButton")->text(),
                     QString(english ? "Announce in Angrezi" : "Announce in Bhasha"));
            QCOMPARE(dialog.voice().current().starter, (VoiceSegment{english, 2}));
            // The menu text names the second language whichever is in use.
            QCOMPARE(dialog.menus().menuBarText(Command::ToggleLanguage), QString("Announce in Angrezi"));
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
        dialog.schedule().tick();
        QCOMPARE(control<QCheckBox>("announceInEnglishCheck")->isChecked(), bool(english));
    }

    void prayerCommands_data()
    {
        QTest::addColumn<int>("storedOn");
        QTest::addColumn<int>("command"); // 0: a click on the check box
        QTest::addColumn<bool>("databaseThere");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("callOn");
        const QStringList none, city{kCityTitle};
        // Switching the call on without a database brings up the city dialog that makes one.
        QTest::newRow("box on, no database") << 0 << 0 << false << city << 1;
        QTest::newRow("menu on, no database") << 0 << int(Command::EnablePrayerCall) << false << city << 1;
        QTest::newRow("box on, database there") << 0 << 0 << true << none << 1;
        QTest::newRow("box off, no database") << 1 << 0 << false << none << 0;
        QTest::newRow("menu off, no database") << 1 << int(Command::EnablePrayerCall) << false << none << 0;
        // The batch and edit dialogs open only while the call is on; they are greyed while it is off.
        QTest::newRow("batch, call on") << 1 << int(Command::SetPrayerTimings) << true
                                        << QStringList{"Update Prayer Time in Batch"} << 1;
        QTest::newRow("batch, call off") << 0 << int(Command::SetPrayerTimings) << true << none << 0;
        QTest::newRow("edit, call on") << 1 << int(Command::EditPrayerTimings) << true
                                       << QStringList{"View and Edit Prayer Timings"} << 1;
        QTest::newRow("edit, call off") << 0 << int(Command::EditPrayerTimings) << true << none << 0;
        QTest::newRow("city, call off") << 0 << int(Command::TimingsByCity) << true << city << 0;
        QTest::newRow("add event") << 0 << int(Command::AddEvent) << true << QStringList{"Add a new event"} << 0;
        QTest::newRow("view events") << 0 << int(Command::ViewEvents) << true
                                     << QStringList{"Display Previously Entered Events"} << 0;
        QTest::newRow("export timings") << 0 << int(Command::ExportTimings) << true
                                        << QStringList{"Export Timings"} << 0;
    }

    void prayerCommands()
    {
        QFETCH(int, storedOn);
        QFETCH(int, command);
        QFETCH(bool, databaseThere);
        QFETCH(QStringList, opened);
        QFETCH(int, callOn);
        store("AnnounceInterval/Aazan_Announce", storedOn);
        if (databaseThere)
            QVERIFY(createDatabase(m_clock->data).ok());
        ClockDialog &dialog = startClock();
        auto *box = control<QCheckBox>("prayerCallCheck");
        QVERIFY(box->isEnabled());
        QCOMPARE(box->isChecked(), bool(storedOn));
        if (command == Command::EditPrayerTimings && callOn) // it opens on 1 January
            m_clock->prompts.expectMessage("This day has no times yet: type them and press Update to store them.",
                                           "Database Operation");

        QCOMPARE(modalDialogsOpenedBy([&] { command ? dialog.onCommand(command) : box->click(); }), opened);
        QCOMPARE(stored("AnnounceInterval/Aazan_Announce").toInt(), callOn);
        QCOMPARE(box->isChecked(), bool(callOn));
        QCOMPARE(dialog.menus().isChecked(Command::EnablePrayerCall), bool(callOn));
        // With the call off the two commands that would do nothing are greyed.
        QCOMPARE(dialog.menus().isEnabled(Command::SetPrayerTimings), bool(callOn));
        QCOMPARE(dialog.menus().isEnabled(Command::EditPrayerTimings), bool(callOn));
        QCOMPARE(databaseExists(m_clock->data), databaseThere || !opened.isEmpty());
    }

    void clockFaceExtension_data()
    {
        QTest::addColumn<QVariant>("visible");
        QTest::addColumn<int>("extraHeight");
        QTest::newRow("not stored") << QVariant() << 0;
        QTest::newRow("hidden") << QVariant(0) << 0;
        QTest::newRow("shown") << QVariant(1) << 110;
    }

    // The picked-time field and the AM button lie in the extension below the normal area; the footer
    // painted by the surface stays centred in the area the form gives it.
    void clockFaceExtension()
    {
        QFETCH(QVariant, visible);
        QFETCH(int, extraHeight);
        if (visible.isValid())
            store("AnalogClock/VISIBLE", visible);
        ClockDialog &dialog = startClock();
        auto *surface = dialog.findChild<ClockSurface *>();
        const int normalHeight = 302; // the form: 150 dialog units and the rows of the alarms and sleep timer added
        QCOMPARE(surface->size(), QSize(293, normalHeight + extraHeight));
        QCOMPARE(control<QLineEdit>("pickedTimeEdit")->geometry(), QRect(5, normalHeight + 38, 60, 24));
        QCOMPARE(control<QPushButton>("amPmButton")->geometry(), QRect(67, normalHeight + 38, 37, 24));
        QCOMPARE(dialog.height(), dialog.menus().menuBar()->sizeHint().height() + surface->height());

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

        // Only a face shown picks the time under the pointer and sets it into the alarm field on a click.
        const bool shown = extraHeight > 0;
        const QPointF belowTheCentre(233, normalHeight + 90);
        QMouseEvent move(QEvent::MouseMove, belowTheCentre, surface->mapToGlobal(belowTheCentre), Qt::NoButton, {}, {});
        QApplication::sendEvent(surface, &move);
        QCOMPARE(surface->cursor().shape() == Qt::BitmapCursor, shown);
        QTest::mouseClick(surface, Qt::LeftButton, {}, belowTheCentre.toPoint());
        QCOMPARE(control<QLineEdit>("alarmTimeEdit")->text(), QString(shown ? "06:00 AM" : ""));

        // "&Time" turns the face the other way, the window with it, and stores that.
        control<QPushButton>("clockFaceButton")->click();
        QCOMPARE(surface->height(), normalHeight + (shown ? 0 : 110));
        QCOMPARE(dialog.height(), dialog.menus().menuBar()->sizeHint().height() + surface->height());
        QCOMPARE(stored("AnalogClock/VISIBLE").toInt(), int(!shown));
    }

    // "View all ALARMS" reads the profile: a slot stored at 24:00 shows as 12:00 AM, an empty one blank.
    // A set slot's name, days and "once" are edited in place and stored at once, never down to no day;
    // the alarm panel shows the edit once the list is closed.
    void alarmListShowsTheProfile()
    {
        store("Alarms/Alarm1", 1440);
        store("Alarms/Alarm1_file", "/sounds/wake.wav");
        store("Alarms/Alarm1_days", "1111100");
        store("Alarms/Alarm1_name", "Gym");
        store("Alarms/Alarm16", 60);
        store("Alarms/Alarm16_days", "0000001");
        ClockDialog &dialog = startClock();
        QStringList rows;
        const auto readList = [&rows](QWidget *modal) {
            const auto *list = modal->findChild<QTreeWidget *>();
            for (const int row : {0, 1, 15}) {
                const QTreeWidgetItem *item = list->topLevelItem(row);
                QString ticks;
                for (int column = 3; column <= 10; ++column)
                    ticks += item->data(column, Qt::CheckStateRole).isValid() ? item->checkState(column) ? "x" : "-" : "";
                rows << QStringList{item->text(0), item->text(1), item->text(2), ticks, item->text(11)}.join('|');
            }
            list->topLevelItem(0)->setCheckState(8, Qt::Checked); // Saturday
            list->topLevelItem(0)->setText(2, " Run ");
            list->topLevelItem(15)->setCheckState(9, Qt::Unchecked); // its only day
            rows << list->topLevelItem(15)->data(9, Qt::CheckStateRole).toString();
        };
        QCOMPARE(modalDialogsOpenedBy([&] { dialog.onCommand(Command::ViewAlarms); }, readList),
                 QStringList{"View all ALARMS"});
        QCOMPARE(rows, (QStringList{"Alarm1|12:00 AM|Gym|xxxxx---|/sounds/wake.wav", "Alarm2||||",
                                    "Alarm16|01:00 AM||------x-|", "2"}));
        QCOMPARE(stored("Alarms/Alarm1_days").toString(), QString("1111110"));
        QCOMPARE(stored("Alarms/Alarm1_name").toString(), QString("Run"));
        QCOMPARE(stored("Alarms/Alarm16_days").toString(), QString("0000001"));
        QCOMPARE(control<QLineEdit>("alarmNameEdit")->text(), QString("Run"));
    }

    // The window and the tip tell the next alarm (each line of the tip cut at the tray's limit) and
    // forget it the second after it is cleared, and
    // every caption of the form fits its control, the sleep timer's fields shown too.
    void nextAlarmAndCaptionsFit()
    {
        store("Alarms/Alarm2", 7 * 60);
        store("Alarms/Alarm2_days", "1111100");
        store("Alarms/Alarm2_name", "Work at the bakery on the corner of Station Road");
        ClockDialog &dialog = startClock();
        dialog.schedule().tick();
        const QString line = "Next alarm: Mon 07:00 AM — Work at the bakery on the corner of Station Road";
        const QLabel *label = control<QLabel>("nextAlarmLabel");
        QCOMPARE(label->toolTip(), line);
        QVERIFY(label->text().endsWith(u'…') && line.startsWith(label->text().chopped(1)));
        QCOMPARE(dialog.tray().tip(), "Chimewise 09:15:00\n" + line.left(ClockTray::kMaxTipLineLength));
        // Cleared within the same minute: the next second's tip and window know.
        dialog.onCommand(Command::ClearAllAlarms);
        m_clock->time.advance(1);
        dialog.schedule().tick();
        QCOMPARE(dialog.tray().tip(), QString("Chimewise 09:15:01"));
        QCOMPARE(label->toolTip(), QString());

        control<QCheckBox>("sleepTimerCheck")->click();
        QStringList cut;
        // A push button's hint asks for more than its text needs: its text and a frame are what must fit.
        for (QWidget *widget : dialog.findChild<ClockSurface *>()->findChildren<QWidget *>()) {
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            const bool framed = button && !qobject_cast<QCheckBox *>(widget) && !qobject_cast<QRadioButton *>(widget);
            const int needed = framed ? widget->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 6
                                      : widget->sizeHint().width();
            if ((button || qobject_cast<QLabel *>(widget)) && widget->isVisible() && needed > widget->width())
                cut << widget->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable("cut: " + cut.join(", ")));
    }

    // "Import Calendar…" and "Export Calendar…" ask for the file and say what they did.
    void calendarCommands()
    {
        ClockDialog &dialog = startClock();
        const QString in = m_clock->dir.filePath("dentist.ics");
        const QString out = m_clock->dir.filePath("out.ics");
        QVERIFY(writeFile(in, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\nBEGIN:VEVENT\r\n"
                              "UID:1\r\nSUMMARY:Dentist\r\nDTSTART:20261207T100000\r\nEND:VEVENT\r\n"
                              "END:VCALENDAR\r\n"));
        m_clock->prompts.expectSaveFile(out);
        m_clock->prompts.expectMessage("There are no events to export.", "Export Calendar");
        dialog.onCommand(Command::ExportCalendar);
        m_clock->prompts.expectOpenFile(in);
        m_clock->prompts.expectMessage("1 event imported", "Import Calendar");
        dialog.onCommand(Command::ImportCalendar);
        m_clock->prompts.expectSaveFile(out);
        m_clock->prompts.expectMessage("1 event exported to " + out, "Export Calendar");
        dialog.onCommand(Command::ExportCalendar);
        QVERIFY(readFile(out).contains("SUMMARY:Dentist"));
    }

    // An alarm of the spoken minute rings once the time has been heard; the title ticks meanwhile.
    void alarmWaitsForTheSpokenTime()
    {
        m_clock->sound.holdWaits = true;
        store("Alarms/Alarm1", 9 * 60 + 15);
        store("Alarms/Alarm1_file", "/home/u/wake.wav");
        m_clock->time.set(kMorning - 1);
        ClockDialog &dialog = startClock();
        m_clock->time.advance(1);
        dialog.schedule().tick();
        QCOMPARE(m_clock->sound.heldWaits(), 5);
        m_clock->time.advance(3);
        dialog.schedule().tick();
        QCOMPARE(dialog.windowTitle(), QString("Chimewise 09:15:03"));
        QCOMPARE(m_clock->sound.sent.filter("wake.wav"), QStringList());

        m_clock->sound.endWaits();
        const qsizetype closed = m_clock->sound.sent.indexOf("close mysound wait");
        QVERIFY(closed > 0);
        QVERIFY(m_clock->sound.sent.value(closed + 1).startsWith("open \"/home/u/wake.wav\""));
    }

    void windowCommands_data()
    {
        QTest::addColumn<int>("command"); // as the menus send it; 0: keys, or the close box if none
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("exits");
        // Hiding keeps the clock reachable from the tray.
        QTest::newRow("close box") << 0 << "" << true << false;
        QTest::newRow("Escape") << 0 << "Esc" << true << false;
        QTest::newRow("Minimize") << int(Command::Minimize) << "" << true << false;
        QTest::newRow("Exit") << int(Command::Exit) << "" << false << true;
        // The menus' shortcut captions install no shortcut.
        for (const char *keys : {"Ctrl+A", "Ctrl+V", "Ctrl+E", "Ctrl+S"})
            QTest::newRow(keys) << 0 << keys << false << false;
    }

    void windowCommands()
    {
        QFETCH(int, command);
        QFETCH(QString, keys);
        QFETCH(bool, minimised);
        QFETCH(bool, exits);
        ClockDialog &dialog = startClock();
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.restoreAndRaise();
        QVERIFY(dialog.isVisible() && !dialog.isMinimized());

        if (command)
            dialog.onCommand(command);
        else if (!keys.isEmpty())
            QTest::keySequence(&dialog, QKeySequence(keys));
        else
            dialog.close();

        QCOMPARE(finished.size(), int(exits));
        QCOMPARE(dialog.tray().isPresent(), !exits);
        if (exits) {
            QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(dialog.isMinimized(), minimised);
        QCOMPARE(storedKeys(), kFirstStartKeys);
        QVERIFY(!dialog.menus().isChecked(Command::ToggleLanguage));
        dialog.restoreAndRaise();
        QVERIFY(dialog.isVisible() && !dialog.isMinimized());
    }

    void rightClickOnTheSurfaceOpensTheClockPopup()
    {
        ClockDialog &dialog = startClock();
        dialog.restoreAndRaise();
        auto *surface = dialog.findChild<ClockSurface *>();
        // Between the interval buttons and the language button, where the form shows no control.
        const QPoint empty(160, 30);
        QVERIFY(!surface->childAt(empty));

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
        QCOMPARE(shown.size(), 14);
    }

    // Today's times and the next prayer under the window and as the tip's second line, the Hijri
    // date moved a day as chosen; 5 minutes before Zohor the short chime plays on the channel.
    void todayInSight()
    {
        QVERIFY(createDatabase(m_clock->data).ok());
        {
            const PrayerStore store(m_clock->data);
            DbSession session = store.openSession();
            for (const int day : {340, 341}) // 6 and 7 December
                QVERIFY(store.insertEmptyDay(session, day).ok()
                        && store.updateDayRow(session, day, {{311 + day - 340, 722, 936, 1060, 1140, 0}}).ok());
        }
        store("Prayer/HijriAdjust", 1);
        store("Prayer/AlertZohor", 5);
        store("AnnounceInterval/Interval", 3); // no spoken time to wait for
        ClockDialog &dialog = startClock();
        dialog.schedule().tick();
        const QString times = "Fajr 05:11 Zohor 12:02 Asr 15:36 Magreb 17:40 Isha 19:00";
        QCOMPARE(dialog.tray().tip(), "Chimewise 09:15:00\nZohor 12:02 — in 2 h 47 min (" + times + ")");
        QCOMPARE(control<QLabel>("prayerLine")->text(), times + "\nZohor 12:02 — in 2 h 47 min · 26 Jumada II 1448 AH");
        QVERIFY(!control<QLabel>("prayerLine")->isHidden());

        m_clock->time.advance(2 * 3600 + 42 * 60); // 11:57:00
        dialog.schedule().tick();
        QCOMPARE(m_clock->sound.sent.filter("PrayerAlert.WAV").size(), 1);
        m_clock->time.advance(9 * 3600 + 3 * 60); // 21:00:00: tomorrow's Fajr is a minute later
        dialog.schedule().tick();
        QCOMPARE(dialog.tray().tip().section(u'\n', 1), "Fajr 05:12 — in 8 h 12 min (" + times + ")");
    }

    // The alert minutes and the Hijri adjustment go to the profile on OK; out of range they read as 0.
    void prayerAlertsDialog()
    {
        ProfileSettings settings(*m_clock->profile);
        PrayerAlertDialog dialog(settings);
        dialog.findChild<QSpinBox *>("asrAlertSpin")->setValue(10);
        dialog.findChild<QSpinBox *>("hijriAdjustSpin")->setValue(-2);
        dialog.accept();
        QCOMPARE(stored("Prayer/AlertAsr").toInt(), 10);
        QCOMPARE(stored("Prayer/AlertFajr").toInt(), 0);
        QCOMPARE(stored("Prayer/HijriAdjust").toInt(), -2);
        store("Prayer/AlertIsha", 121);
        store("Prayer/HijriAdjust", 3);
        ProfileSettings again(*m_clock->profile);
        again.load();
        QCOMPARE(again.prayerAlerts(), (PrayerAlerts{0, 0, 10, 0, 0}));
        QCOMPARE(again.hijriAdjustment(), 0);
    }

    void startAtLogin_data()
    {
        QTest::addColumn<bool>("offered"); // by an earlier start
        QTest::addColumn<QString>("entry"); // what the autostart folder holds at start
        QTest::addColumn<bool>("onAtStart");
        QTest::addColumn<QString>("problem"); // shown when the item is chosen; then nothing changes
        const QString written = LoginStart("", "/opt/My \"Clock\"/chimewise").entryText();
        QTest::newRow("first start, unanswered") << false << "" << false << "";
        QTest::newRow("turned off earlier") << true << "" << false << "";
        QTest::newRow("on from earlier") << true << written << true << "";
        QTest::newRow("desktop told to skip it") << true << written + "Hidden=true\n" << false << "";
        QTest::newRow("a file where the folder goes") << true << "folder" << false
            << "Could not make the folder %1.\nMove away whatever is in its place, then choose \"Start at login\" again.";
    }

    // The first start only asks (with no notification service here, in the tray's message); "Start at
    // login" in the Clock menu and the popups shows and flips it, and the choice stands at the next start.
    void startAtLogin()
    {
        QFETCH(bool, offered);
        QFETCH(QString, entry);
        QFETCH(bool, onAtStart);
        QFETCH(QString, problem);
        const QString folder = m_clock->dir.filePath("autostart");
        if (offered)
            store("Startup/LoginStartOffered", 1);
        if (entry == "folder")
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        else if (!entry.isEmpty())
            QVERIFY(writeFile(m_clock->loginStart.entryPath(), entry));
        const auto expectOn = [&](bool on) {
            QCOMPARE(m_clock->dialog->menus().isChecked(Command::StartAtLogin), on);
            QCOMPARE(m_clock->dialog->menus().trayPopup()->actions().last()->isChecked(), on);
            QCOMPARE(m_clock->loginStart.isOn(), on);
            if (on)
                QCOMPARE(readFile(m_clock->loginStart.entryPath()), m_clock->loginStart.entryText());
        };
        startClock();
        expectOn(onAtStart);
        QVERIFY(m_clock->loginStart.entryText().contains("\nExec=\"/opt/My \\\\\"Clock\\\\\"/chimewise\"\n"));

        if (!problem.isEmpty())
            m_clock->prompts.expectMessage(problem.arg(folder), "Chimewise");
        m_clock->dialog->onCommand(Command::StartAtLogin);
        const bool on = problem.isEmpty() != onAtStart;
        expectOn(on);
        m_clock->dialog.reset();
        startClock();
        expectOn(on);
    }

private:
    ClockDialog &startClock() { return m_clock->start(); }
    static bool writeFile(const QString &path, const QString &text)
    {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
    }
    static QString readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    template <typename T>
    T *control(const char *name) const
    {
        T *widget = m_clock->dialog->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QAbstractButton *interval(int index) const { return control<QRadioButton>(kIntervalButtons[index]); }
    QString status() const { return control<StatusLine>("statusLabel")->text(); }
    QString iniPath() const { return m_clock->dir.filePath("Chimewise.conf"); }
    QVariant stored(const QString &key) const { return QSettings(iniPath(), QSettings::IniFormat).value(key); }
    QStringList storedKeys() const { return QSettings(iniPath(), QSettings::IniFormat).allKeys(); }
    void store(const QString &key, const QVariant &value)
    {
        QSettings(iniPath(), QSettings::IniFormat).setValue(key, value);
    }
    // Closes every modal dialog the action opens, keeping their titles; each is read before.
    QStringList modalDialogsOpenedBy(const std::function<void()> &action,
                                     const std::function<void(QWidget *)> &read = [](QWidget *) {})
    {
        QStringList titles;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&titles, &read] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                titles << modal->windowTitle();
                read(modal);
                modal->close();
            }
        });
        closer.start(10);
        action();
        return titles;
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    const QString m_previousDir = QDir::currentPath();
    std::unique_ptr<RunningClock> m_clock;
};

QTEST_MAIN(TestClockDialog)
#include "tst_clockdialog.moc"
