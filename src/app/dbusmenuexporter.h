#pragma once

#include "app/trayitemtypes.h"

#include <QDBusAbstractAdaptor>
#include <QHash>
#include <QPointer>

class QAction;
class QMenu;

// A menu exported over the session bus (com.canonical.dbusmenu), the way a
// StatusNotifierItem host draws it: entries with their captions, checks and
// greying, submenus, and a click that triggers the entry's action. A change
// to the menu tells the host to read it again.
class DBusMenuExporter : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    // host: the object registered at the menu's path; it owns the exporter.
    DBusMenuExporter(QMenu *menu, QObject *host);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // "&Stop" as the host writes it: "_Stop" ("_" underlines, "__" is a plain one).
    static QString hostCaption(const QString &text);

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, TrayMenuLayout &layout);
    TrayMenuItems GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    bool AboutToShow(int id);

signals:
    void LayoutUpdated(uint revision, int parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int idOf(QAction *action);
    QAction *actionOf(int id) const;
    QMenu *menuOf(int id) const;
    TrayMenuLayout layoutOf(int id, QMenu *menu, int depth);
    QVariantMap propertiesOf(int id) const;
    void watch(QMenu *menu);
    void changed();

    QPointer<QMenu> m_menu;
    QHash<int, QPointer<QAction>> m_actions; // 0 is the menu itself
    QHash<QAction *, int> m_ids;
    int m_nextId = 1;
    uint m_revision = 1;
    bool m_changePending = false;
};
