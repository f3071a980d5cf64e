#include "app/clockmenus.h"
#include "app/commandids.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// "Menu/Submenu/Item #command", "Menu/-" for a separator.
QStringList Outline(const QList<QAction *> &actions, const QString &path = {})
{
    QStringList lines;
    for (QAction *action : actions) {
        const QString here = path.isEmpty() ? QString() : path + "/";
        if (action->isSeparator())
            lines << here + "-";
        else if (action->menu())
            lines << Outline(action->menu()->actions(), here + action->text());
        else
            lines << QString("%1%2 #%3").arg(here, action->text()).arg(action->data().toInt());
    }
    return lines;
}

QList<QAction *> AllActions(const QList<QAction *> &actions)
{
    QList<QAction *> all;
    for (QAction *action : actions) {
        if (action->menu())
            all << AllActions(action->menu()->actions());
        else if (!action->isSeparator())
            all << action;
    }
    return all;
}

} // namespace

class TestClockMenus : public QObject
{
    Q_OBJECT

private slots:
    void menuBarHasEveryItemInOrder();
    void popupHasEveryItemInOrder();
    void captionsInstallNoShortcuts();
    void greyedCommandsAreGreyedEverywhere();
    void checkMarksLiveInTheMenuBarOnly();
    void itemsSendTheirCommand();
};

void TestClockMenus::menuBarHasEveryItemInOrder()
{
    QWidget owner;
    ClockMenus menus(&owner);
    const QStringList expected = {
        "&Clock/E&xit #32771",
        "&Clock/-",
        "&Clock/Repair Databases #32789",
        "&Clock/-",
        "&Clock/&About Chimewise #32775",
        "T&ools  /&View Alarms #32772",
        "T&ools  /Clear All Alarm #32778",
        "T&ools  /-",
        "T&ools  /&Aazan/&Enable Announcing #32779",
        "T&ools  /&Aazan/Set Aa&zan Timings #32780",
        "T&ools  /&Aazan/&View and Edit Timings  #32785",
        "T&ools  /&Aazan/&Timings by City info #32786",
        "T&ools  /Event &Schedules\tCtrl+S/&Add A New Event\tCtrl+A #32787",
        "T&ools  /Event &Schedules\tCtrl+S/V&iew Events\tCtrl+V #32788",
        "T&ools  /-",
        "T&ools  /&English\tCtrl+E #32777",
        "T&ools  /Open Web Browser #32790",
        "E&vents/&Add #32787",
        "E&vents/&View #32788",
        "&Help/&Help #32792",
        "&Help/-",
        "&Help/&About Chimewise #32775",
        "&Minimize #1009",
    };
    QCOMPARE(Outline(menus.menuBar()->actions()), expected);
}

void TestClockMenus::popupHasEveryItemInOrder()
{
    QWidget owner;
    ClockMenus menus(&owner);
    const QStringList expected = {
        "E&xit #32771", "-", "&About #32775", "-", "Repair Databases #32789", "-",
        "&Toggle Language #32777", "&Enable Aazan #32779", "-", "View &Alarms #32772",
        "&Web Browser #32790", "View E&vents #32788", "-",
    };
    QCOMPARE(menus.trayPopup()->title(), QString("Clock"));
    QCOMPARE(Outline(menus.trayPopup()->actions()), expected);
    const std::unique_ptr<QMenu> fresh(menus.createPopup(&owner));
    QCOMPARE(Outline(fresh->actions()), expected);
}

void TestClockMenus::captionsInstallNoShortcuts()
{
    QWidget owner;
    ClockMenus menus(&owner);
    for (QAction *action : AllActions(menus.menuBar()->actions()) + menus.trayPopup()->actions())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
}

void TestClockMenus::greyedCommandsAreGreyedEverywhere()
{
    QWidget owner;
    ClockMenus menus(&owner);
    menus.setEnabled(Command::Exit, true);
    menus.setEnabled(Command::ToggleLanguage, true);
    menus.setEnabled(Command::ToggleLanguage, false);
    const std::unique_ptr<QMenu> fresh(menus.createPopup(&owner));

    const QList<QAction *> everywhere = AllActions(menus.menuBar()->actions())
        + AllActions(menus.trayPopup()->actions()) + AllActions(fresh->actions());
    for (QAction *action : everywhere) {
        const bool exit = action->data().toInt() == Command::Exit;
        QVERIFY2(action->isEnabled() == exit, qPrintable(action->text()));
    }
}

void TestClockMenus::checkMarksLiveInTheMenuBarOnly()
{
    QWidget owner;
    ClockMenus menus(&owner);
    menus.setChecked(Command::ToggleLanguage, true);
    menus.setChecked(Command::EnablePrayerCall, true);
    QVERIFY(menus.isChecked(Command::ToggleLanguage));
    QVERIFY(menus.isChecked(Command::EnablePrayerCall));
    for (QAction *action : menus.trayPopup()->actions())
        QVERIFY(!action->isCheckable());

    menus.setChecked(Command::ToggleLanguage, false);
    QVERIFY(!menus.isChecked(Command::ToggleLanguage));
    QVERIFY(!menus.isChecked(Command::Exit)); // not a checkable item
}

void TestClockMenus::itemsSendTheirCommand()
{
    QWidget owner;
    ClockMenus menus(&owner);
    menus.setEnabled(Command::ToggleLanguage, true);
    menus.setEnabled(Command::AddEvent, true);
    QSignalSpy commands(&menus, &ClockMenus::command);
    for (QAction *action : AllActions(menus.menuBar()->actions()) + menus.trayPopup()->actions()) {
        if (action->text().contains("Language") || action->text().contains("Add"))
            action->trigger();
    }
    QList<int> sent;
    for (const QList<QVariant> &arguments : std::as_const(commands))
        sent << arguments.at(0).toInt();
    // Tools > Event Schedules > Add, Events > Add, then the popup's Toggle Language.
    QCOMPARE(sent, (QList<int>{Command::AddEvent, Command::AddEvent, Command::ToggleLanguage}));
}

QTEST_MAIN(TestClockMenus)
#include "tst_clockmenus.moc"
