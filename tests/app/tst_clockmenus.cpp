#include "app/clockmenus.h"
#include "app/commandids.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// "Menu/Submenu/Item #command", "Menu/-" for a separator.
QStringList outline(const QList<QAction *> &actions, const QString &path = {})
{
    QStringList lines;
    for (QAction *action : actions) {
        const QString here = path.isEmpty() ? QString() : path + "/";
        if (action->isSeparator())
            lines << here + "-";
        else if (action->menu())
            lines << outline(action->menu()->actions(), here + action->text());
        else
            lines << QString("%1%2 #%3").arg(here, action->text()).arg(action->data().toInt());
    }
    return lines;
}

QList<QAction *> allActions(const QList<QAction *> &actions)
{
    QList<QAction *> all;
    for (QAction *action : actions) {
        if (action->menu())
            all << allActions(action->menu()->actions());
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
    void init() { m_menus = std::make_unique<ClockMenus>(&m_owner); }
    void cleanup() { m_menus.reset(); }
    void everyItemInOrderWithoutShortcuts();
    void greyedCommandsAreGreyedEverywhere();
    void checkMarksLiveInTheMenuBarOnly();
    void itemsSendTheirCommand();

private:
    QList<QAction *> barAndPopupActions() const
    {
        return allActions(m_menus->menuBar()->actions()) + allActions(m_menus->trayPopup()->actions());
    }

    QWidget m_owner;
    std::unique_ptr<ClockMenus> m_menus;
};

void TestClockMenus::everyItemInOrderWithoutShortcuts()
{
    QCOMPARE(outline(m_menus->menuBar()->actions()), (QStringList{
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
    }));

    const QStringList popup = {
        "E&xit #32771", "-", "&About #32775", "-", "Repair Databases #32789", "-",
        "&Toggle Language #32777", "&Enable Aazan #32779", "-", "View &Alarms #32772",
        "&Web Browser #32790", "View E&vents #32788", "-",
    };
    QCOMPARE(m_menus->trayPopup()->title(), QString("Clock"));
    QCOMPARE(outline(m_menus->trayPopup()->actions()), popup);
    const std::unique_ptr<QMenu> fresh(m_menus->createPopup(&m_owner));
    QCOMPARE(outline(fresh->actions()), popup);

    // The "Ctrl+" texts are captions only.
    for (QAction *action : barAndPopupActions())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
}

void TestClockMenus::greyedCommandsAreGreyedEverywhere()
{
    m_menus->setEnabled(Command::Exit, true);
    m_menus->setEnabled(Command::ToggleLanguage, true);
    m_menus->setEnabled(Command::ToggleLanguage, false);
    const std::unique_ptr<QMenu> fresh(m_menus->createPopup(&m_owner));
    for (QAction *action : barAndPopupActions() + allActions(fresh->actions()))
        QVERIFY2(action->isEnabled() == (action->data().toInt() == Command::Exit), qPrintable(action->text()));
}

void TestClockMenus::checkMarksLiveInTheMenuBarOnly()
{
    m_menus->setChecked(Command::ToggleLanguage, true);
    m_menus->setChecked(Command::EnablePrayerCall, true);
    for (QAction *action : m_menus->trayPopup()->actions())
        QVERIFY(!action->isCheckable());
    m_menus->setChecked(Command::ToggleLanguage, false);
    QVERIFY(!m_menus->isChecked(Command::ToggleLanguage));
    QVERIFY(m_menus->isChecked(Command::EnablePrayerCall));
    QVERIFY(!m_menus->isChecked(Command::Exit)); // not a checkable item
}

void TestClockMenus::itemsSendTheirCommand()
{
    m_menus->setEnabled(Command::ToggleLanguage, true);
    m_menus->setEnabled(Command::AddEvent, true);
    QSignalSpy commands(m_menus.get(), &ClockMenus::command);
    for (QAction *action : barAndPopupActions()) {
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
