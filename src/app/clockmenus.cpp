#include "app/clockmenus.h"

#include "app/commandids.h"

#include <QMenu>
#include <QMenuBar>

// command 0 with no caption is a separator; items with children are submenus.
struct ClockMenus::Item
{
    const char *caption = nullptr;
    int command = 0;
    QList<Item> children;
};

namespace {

using Item = ClockMenus::Item;
const Item kSeparator{};

// Menu 131.
const QList<Item> kMenuBar = {
    {"&Clock", 0, {
        {"E&xit", Command::Exit, {}},
        kSeparator,
        {"Repair Databases", Command::RepairDatabases, {}},
        kSeparator,
        {"&About Chimewise", Command::About, {}},
        kSeparator,
        {"Start at login", Command::StartAtLogin, {}},
    }},
    {"T&ools  ", 0, {
        {"&View Alarms", Command::ViewAlarms, {}},
        {"Clear All Alarm", Command::ClearAllAlarms, {}},
        kSeparator,
        {"&Aazan", 0, {
            {"&Enable Announcing", Command::EnablePrayerCall, {}},
            {"Set Aa&zan Timings", Command::SetPrayerTimings, {}},
            {"&View and Edit Timings ", Command::EditPrayerTimings, {}},
            {"&Timings by City info", Command::TimingsByCity, {}},
            {"Export Timings…", Command::ExportTimings, {}},
        }},
        {"Event &Schedules\tCtrl+S", 0, {
            {"&Add A New Event\tCtrl+A", Command::AddEvent, {}},
            {"V&iew Events\tCtrl+V", Command::ViewEvents, {}},
        }},
        kSeparator,
        {"&English\tCtrl+E", Command::ToggleLanguage, {}},
        {"Open Web Browser", Command::WebBrowser, {}},
    }},
    {"E&vents", 0, {
        {"&Add", Command::AddEvent, {}},
        {"&View", Command::ViewEvents, {}},
        kSeparator,
        {"Import Calendar…", Command::ImportCalendar, {}},
        {"Export Calendar…", Command::ExportCalendar, {}},
    }},
    {"&Help", 0, {
        {"&Help", Command::Help, {}},
        kSeparator,
        {"&About Chimewise", Command::About, {}},
    }},
    {"&Minimize", Command::Minimize, {}},
};

// The first submenu of menu 160.
const QList<Item> kClockPopup = {
    {"E&xit", Command::Exit, {}},
    kSeparator,
    {"&About", Command::About, {}},
    kSeparator,
    {"Repair Databases", Command::RepairDatabases, {}},
    kSeparator,
    {"&Toggle Language", Command::ToggleLanguage, {}},
    {"&Enable Aazan", Command::EnablePrayerCall, {}},
    kSeparator,
    {"View &Alarms", Command::ViewAlarms, {}},
    {"&Web Browser", Command::WebBrowser, {}},
    {"View E&vents", Command::ViewEvents, {}},
    kSeparator,
    {"Start at login", Command::StartAtLogin, {}},
};

// Commands that carry a check mark in the menu bar; the last also in the popups.
const QSet<int> kCheckable = {Command::ToggleLanguage, Command::EnablePrayerCall, Command::StartAtLogin};
const QSet<int> kCheckedInPopups = {Command::StartAtLogin};

} // namespace

ClockMenus::ClockMenus(QWidget *owner)
    : QObject(owner)
    , m_menuBar(new QMenuBar(owner))
{
    m_trayPopup = createPopup(owner);
    addItems(m_menuBar, kMenuBar, m_menuBarActions);
    for (QAction *action : std::as_const(m_menuBarActions))
        action->setCheckable(kCheckable.contains(action->data().toInt()));
    m_trayActions = m_trayPopup->actions();
    applyEnabled(m_menuBarActions);
}

template <typename Menu>
void ClockMenus::addItems(Menu *menu, const QList<Item> &items, QList<QAction *> &created)
{
    for (const Item &item : items) {
        if (!item.caption) {
            menu->addSeparator();
        } else if (!item.children.isEmpty()) {
            addItems(menu->addMenu(item.caption), item.children, created);
        } else {
            QAction *action = menu->addAction(item.caption);
            action->setData(item.command);
            const int id = item.command;
            connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
            created << action;
        }
    }
}

QMenu *ClockMenus::createPopup(QWidget *parent)
{
    auto *popup = new QMenu("Clock", parent);
    QList<QAction *> actions;
    addItems(popup, kClockPopup, actions);
    applyEnabled(actions);
    applyPopupChecks(actions);
    return popup;
}

void ClockMenus::setEnabled(int command, bool enabled)
{
    if (enabled)
        m_enabled.insert(command);
    else
        m_enabled.remove(command);
    applyEnabled(m_menuBarActions);
    applyEnabled(m_trayActions);
}

void ClockMenus::applyEnabled(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (!action->isSeparator())
            action->setEnabled(m_enabled.contains(action->data().toInt()));
    }
}

QAction *ClockMenus::menuBarAction(int command) const
{
    for (QAction *action : m_menuBarActions) {
        if (action->data().toInt() == command)
            return action;
    }
    return nullptr;
}

void ClockMenus::setChecked(int command, bool checked)
{
    if (QAction *action = menuBarAction(command))
        action->setChecked(checked);
    if (!kCheckedInPopups.contains(command))
        return;
    if (checked)
        m_popupChecked.insert(command);
    else
        m_popupChecked.remove(command);
    applyPopupChecks(m_trayActions);
}

void ClockMenus::applyPopupChecks(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        const int command = action->data().toInt();
        if (kCheckedInPopups.contains(command)) {
            action->setCheckable(true);
            action->setChecked(m_popupChecked.contains(command));
        }
    }
}

bool ClockMenus::isChecked(int command) const
{
    const QAction *action = menuBarAction(command);
    return action && action->isChecked();
}

void ClockMenus::setMenuBarText(int command, const QString &text)
{
    if (QAction *action = menuBarAction(command))
        action->setText(text);
}

QString ClockMenus::menuBarText(int command) const
{
    const QAction *action = menuBarAction(command);
    return action ? action->text() : QString();
}
