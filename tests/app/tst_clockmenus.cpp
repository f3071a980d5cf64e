#include "app/clockmenus.h"
#include "app/commandids.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// "Menu/Submenu/Item #command", "Menu/-" for a separator, "[check]" after an item with a check mark.
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
            lines << QString("%1%2 #%3%4").arg(here, action->text()).arg(action->data().toInt())
                         .arg(action->isCheckable() ? " [check]" : "");
    }
    return lines;
}

// The items that send a command, submenus opened.
QList<QAction *> commandItems(const QList<QAction *> &actions)
{
    QList<QAction *> items;
    for (QAction *action : actions) {
        if (action->menu())
            items << commandItems(action->menu()->actions());
        else if (!action->isSeparator())
            items << action;
    }
    return items;
}

} // namespace

class TestClockMenus : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_menus = std::make_unique<ClockMenus>(&m_owner); }

    // Check marks live in the menu bar, but for "Start at login"; the "Ctrl+" texts are captions only.
    void everyItemInOrder()
    {
        QCOMPARE(outline(m_menus->menuBar()->actions()), (QStringList{
            "&Clock/E&xit #32771",
            "&Clock/-",
            "&Clock/Repair Databases #32789",
            "&Clock/-",
            "&Clock/&About Chimewise #32775",
            "&Clock/-",
            "&Clock/Start at login #32793 [check]",
            "&Clock/Interface language/System #32811 [check]",
            "&Clock/Interface language/বাংলা #32812 [check]",
            "&Clock/Interface language/English #32813 [check]",
            "T&ools  /&View Alarms #32772",
            "T&ools  /Clear All Alarm #32778",
            "T&ools  /-",
            "T&ools  /&Aazan/&Enable Announcing #32779 [check]",
            "T&ools  /&Aazan/Set Aa&zan Timings #32780",
            "T&ools  /&Aazan/&View and Edit Timings  #32785",
            "T&ools  /&Aazan/&Timings by City info #32786",
            "T&ools  /&Aazan/Export Timings… #32796",
            "T&ools  /&Aazan/&Alerts and Hijri Date #32810",
            "T&ools  /Event &Schedules\tCtrl+S/&Add A New Event\tCtrl+A #32787",
            "T&ools  /Event &Schedules\tCtrl+S/V&iew Events\tCtrl+V #32788",
            "T&ools  /-",
            "T&ools  /&English\tCtrl+E #32777 [check]",
            "T&ools  /Open Web Browser #32790",
            "E&vents/&Add #32787",
            "E&vents/&View #32788",
            "E&vents/-",
            "E&vents/Import Calendar… #32794",
            "E&vents/Export Calendar… #32795",
            "&Help/&Help #32792",
            "&Help/-",
            "&Help/&About Chimewise #32775",
            "&Minimize #1009",
        }));

        const QStringList popup = {
            "E&xit #32771", "-", "&About #32775", "-", "Repair Databases #32789", "-",
            "&Toggle Language #32777", "&Enable Aazan #32779", "-", "View &Alarms #32772",
            "&Web Browser #32790", "View E&vents #32788", "-", "Start at login #32793 [check]",
        };
        QCOMPARE(outline(m_menus->trayPopup()->actions()), popup);
        QCOMPARE(outline(freshPopup()->actions()), popup);

        for (QAction *action : everyItem())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
    }

    void greyedCommandsAreGreyedEverywhere()
    {
        m_menus->setEnabled(Command::Exit, true);
        m_menus->setEnabled(Command::ToggleLanguage, true);
        m_menus->setEnabled(Command::ToggleLanguage, false);
        for (QAction *action : everyItem()) {
            const bool exit = action->data().toInt() == Command::Exit;
            QVERIFY2(action->isEnabled() == exit, qPrintable(action->text()));
        }
    }

    void everyItemSendsItsCommand()
    {
        for (QAction *action : everyItem())
            m_menus->setEnabled(action->data().toInt(), true);
        QSignalSpy commands(m_menus.get(), &ClockMenus::command);
        for (QAction *action : everyItem()) {
            action->trigger();
            QCOMPARE(commands.size(), 1);
            QCOMPARE(commands.takeFirst().at(0).toInt(), action->data().toInt());
        }
    }

private:
    QMenu *freshPopup()
    {
        m_fresh.reset(m_menus->createPopup(&m_owner));
        return m_fresh.get();
    }
    // The menu bar's, the tray popup's and those of a popup made now.
    QList<QAction *> everyItem()
    {
        return commandItems(m_menus->menuBar()->actions()) + commandItems(m_menus->trayPopup()->actions())
            + commandItems(freshPopup()->actions());
    }

    QWidget m_owner;
    std::unique_ptr<ClockMenus> m_menus;
    std::unique_ptr<QMenu> m_fresh;
};

QTEST_MAIN(TestClockMenus)
#include "tst_clockmenus.moc"
