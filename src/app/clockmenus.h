#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menu bar of the main dialog and the "Clock" popup of the tray and of
// right clicks. Every item sends its command number through command().
// The "\tCtrl+A" texts are captions only: no shortcuts are installed.
class ClockMenus : public QObject
{
    Q_OBJECT

public:
    explicit ClockMenus(QWidget *owner);

    QMenuBar *menuBar() const { return m_menuBar; }
    // The popup kept for the whole run (the tray's).
    QMenu *trayPopup() const { return m_trayPopup; }
    // A fresh copy of the popup, for one right click; the caller deletes it.
    QMenu *createPopup(QWidget *parent);

    // Commands not enabled are greyed in every menu.
    void setEnabled(int command, bool enabled);
    bool isEnabled(int command) const { return m_enabled.contains(command); }

    // Check marks live in the menu bar; "Start at login" has its mark in the popups too.
    void setChecked(int command, bool checked);
    bool isChecked(int command) const;
    void setMenuBarText(int command, const QString &text);
    QString menuBarText(int command) const;

    struct Item; // one entry of a menu table

signals:
    void command(int id);

private:
    template <typename Menu>
    void addItems(Menu *menu, const QList<Item> &items, QList<QAction *> &created);
    void applyEnabled(const QList<QAction *> &actions);
    void applyPopupChecks(const QList<QAction *> &actions);
    QAction *menuBarAction(int command) const;

    QMenuBar *m_menuBar;
    QMenu *m_trayPopup = nullptr;
    QList<QAction *> m_menuBarActions;
    QList<QAction *> m_trayActions;
    QSet<int> m_enabled;
    QSet<int> m_popupChecked;
};
