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
    {QT_TRANSLATE_NOOP("ClockMenus", "&Clock"), 0, {
        {QT_TRANSLATE_NOOP("ClockMenus", "E&xit"), Command::Exit, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "Repair Databases"), Command::RepairDatabases, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "&About Chimewise"), Command::About, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "Start at login"), Command::StartAtLogin, {}},
        // Each language named in its own words, as language menus do.
        {QT_TRANSLATE_NOOP("ClockMenus", "Interface language"), 0, {
            {QT_TRANSLATE_NOOP("ClockMenus", "System"), Command::InterfaceSystem, {}},
            {"বাংলা", Command::InterfaceBangla, {}},
            {"English", Command::InterfaceEnglish, {}},
        }},
    }},
    {QT_TRANSLATE_NOOP("ClockMenus", "T&ools  "), 0, {
        {QT_TRANSLATE_NOOP("ClockMenus", "&View Alarms"), Command::ViewAlarms, {}},
        {QT_TRANSLATE_NOOP("ClockMenus", "Clear All Alarm"), Command::ClearAllAlarms, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "&Aazan"), 0, {
            {QT_TRANSLATE_NOOP("ClockMenus", "&Enable Announcing"), Command::EnablePrayerCall, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "Set Aa&zan Timings"), Command::SetPrayerTimings, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "&View and Edit Timings "), Command::EditPrayerTimings, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "&Timings by City info"), Command::TimingsByCity, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "Export Timings…"), Command::ExportTimings, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "&Alerts and Hijri Date"), Command::PrayerAlerts, {}},
        }},
        {QT_TRANSLATE_NOOP("ClockMenus", "Event &Schedules\tCtrl+S"), 0, {
            {QT_TRANSLATE_NOOP("ClockMenus", "&Add A New Event\tCtrl+A"), Command::AddEvent, {}},
            {QT_TRANSLATE_NOOP("ClockMenus", "V&iew Events\tCtrl+V"), Command::ViewEvents, {}},
        }},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "&English\tCtrl+E"), Command::ToggleLanguage, {}},
        {QT_TRANSLATE_NOOP("ClockMenus", "Open Web Browser"), Command::WebBrowser, {}},
    }},
    {QT_TRANSLATE_NOOP("ClockMenus", "E&vents"), 0, {
        {QT_TRANSLATE_NOOP("ClockMenus", "&Add"), Command::AddEvent, {}},
        {QT_TRANSLATE_NOOP("ClockMenus", "&View"), Command::ViewEvents, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "Import Calendar…"), Command::ImportCalendar, {}},
        {QT_TRANSLATE_NOOP("ClockMenus", "Export Calendar…"), Command::ExportCalendar, {}},
    }},
    {QT_TRANSLATE_NOOP("ClockMenus", "&Help"), 0, {
        {QT_TRANSLATE_NOOP("ClockMenus", "&Help"), Command::Help, {}},
        kSeparator,
        {QT_TRANSLATE_NOOP("ClockMenus", "&About Chimewise"), Command::About, {}},
    }},
    {QT_TRANSLATE_NOOP("ClockMenus", "&Minimize"), Command::Minimize, {}},
};

// The first submenu of menu 160.
const QList<Item> kClockPopup = {
    {QT_TRANSLATE_NOOP("ClockMenus", "E&xit"), Command::Exit, {}},
    kSeparator,
    {QT_TRANSLATE_NOOP("ClockMenus", "&About"), Command::About, {}},
    kSeparator,
    {QT_TRANSLATE_NOOP("ClockMenus", "Repair Databases"), Command::RepairDatabases, {}},
    kSeparator,
    {QT_TRANSLATE_NOOP("ClockMenus", "&Toggle Language"), Command::ToggleLanguage, {}},
    {QT_TRANSLATE_NOOP("ClockMenus", "&Enable Aazan"), Command::EnablePrayerCall, {}},
    kSeparator,
    {QT_TRANSLATE_NOOP("ClockMenus", "View &Alarms"), Command::ViewAlarms, {}},
    {QT_TRANSLATE_NOOP("ClockMenus", "&Web Browser"), Command::WebBrowser, {}},
    {QT_TRANSLATE_NOOP("ClockMenus", "View E&vents"), Command::ViewEvents, {}},
    kSeparator,
    {QT_TRANSLATE_NOOP("ClockMenus", "Start at login"), Command::StartAtLogin, {}},
};

// Commands that carry a check mark in the menu bar; the last also in the popups.
const QSet<int> kCheckable = {Command::ToggleLanguage, Command::EnablePrayerCall, Command::StartAtLogin,
                              Command::InterfaceSystem, Command::InterfaceBangla, Command::InterfaceEnglish};
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
            addItems(menu->addMenu(tr(item.caption)), item.children, created);
        } else {
            QAction *action = menu->addAction(tr(item.caption));
            action->setData(item.command);
            const int id = item.command;
            connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
            created << action;
        }
    }
}

QMenu *ClockMenus::createPopup(QWidget *parent)
{
    auto *popup = new QMenu(tr("Clock"), parent);
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
