#include "app/dbusmenuexporter.h"

#include <QAction>
#include <QActionGroup>
#include <QActionEvent>
#include <QMenu>
#include <QTimer>

DBusMenuExporter::DBusMenuExporter(QMenu *menu, QObject *host)
    : QDBusAbstractAdaptor(host)
    , m_menu(menu)
{
    registerTrayItemTypes();
    watch(menu);
}

QString DBusMenuExporter::hostCaption(const QString &text)
{
    QString caption;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&' && i + 1 < text.size()) {
            ++i;
            caption += text[i] == u'&' ? QStringLiteral("&") : QStringLiteral("_") + text[i];
        } else if (c == u'_') {
            caption += QStringLiteral("__");
        } else if (c == u'\t') {
            break; // "\tCtrl+A" is a caption for the menu bar's eyes only
        } else {
            caption += c;
        }
    }
    return caption;
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &, TrayMenuLayout &layout)
{
    layout = layoutOf(parentId, menuOf(parentId), recursionDepth);
    return m_revision;
}

TrayMenuItems DBusMenuExporter::GetGroupProperties(const QList<int> &ids, const QStringList &)
{
    TrayMenuItems items;
    for (const int id : ids) {
        if (id == 0 || actionOf(id))
            items << TrayMenuItem{id, propertiesOf(id)};
    }
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    return QDBusVariant(propertiesOf(id).value(name));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    QAction *action = actionOf(id);
    if (eventId != QLatin1String("clicked") || !action || !action->isEnabled() || action->menu())
        return;
    // After the host's call has had its answer: the command may open a dialog.
    QTimer::singleShot(0, action, [action] { action->trigger(); });
}

bool DBusMenuExporter::AboutToShow(int id)
{
    if (QMenu *menu = menuOf(id))
        emit menu->aboutToShow();
    return false;
}

bool DBusMenuExporter::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (auto *added = static_cast<QActionEvent *>(event)->action(); added->menu())
            watch(added->menu());
        changed();
        break;
    case QEvent::ActionRemoved:
    case QEvent::ActionChanged:
        changed();
        break;
    default:
        break;
    }
    return false;
}

int DBusMenuExporter::idOf(QAction *action)
{
    if (const auto known = m_ids.constFind(action); known != m_ids.constEnd())
        return *known;
    const int id = m_nextId++;
    m_ids.insert(action, id);
    m_actions.insert(id, action);
    connect(action, &QObject::destroyed, this, [this, action, id] {
        m_ids.remove(action);
        m_actions.remove(id);
    });
    return id;
}

QAction *DBusMenuExporter::actionOf(int id) const
{
    return m_actions.value(id);
}

QMenu *DBusMenuExporter::menuOf(int id) const
{
    if (id == 0)
        return m_menu;
    const QAction *action = actionOf(id);
    return action ? action->menu() : nullptr;
}

// depth -1: every level below.
TrayMenuLayout DBusMenuExporter::layoutOf(int id, QMenu *menu, int depth)
{
    TrayMenuLayout layout{id, propertiesOf(id), {}};
    if (!menu || depth == 0)
        return layout;
    for (QAction *action : menu->actions()) {
        const int child = idOf(action);
        layout.children << layoutOf(child, action->menu(), depth < 0 ? -1 : depth - 1);
    }
    return layout;
}

QVariantMap DBusMenuExporter::propertiesOf(int id) const
{
    if (id == 0)
        return {{"children-display", QStringLiteral("submenu")}};
    const QAction *action = actionOf(id);
    if (!action)
        return {};
    QVariantMap properties;
    if (!action->isVisible())
        properties.insert("visible", false);
    if (action->isSeparator()) {
        properties.insert("type", QStringLiteral("separator"));
        return properties;
    }
    properties.insert("label", hostCaption(action->text()));
    if (!action->isEnabled())
        properties.insert("enabled", false);
    if (action->menu())
        properties.insert("children-display", QStringLiteral("submenu"));
    if (action->isCheckable()) {
        const bool radio = action->actionGroup() && action->actionGroup()->isExclusive();
        properties.insert("toggle-type", radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
        properties.insert("toggle-state", action->isChecked() ? 1 : 0);
    }
    return properties;
}

void DBusMenuExporter::watch(QMenu *menu)
{
    menu->installEventFilter(this);
    for (QAction *action : menu->actions()) {
        if (action->menu())
            watch(action->menu());
    }
}

// Changes come in bursts (the ringing adds three entries): one notice for them all.
void DBusMenuExporter::changed()
{
    if (std::exchange(m_changePending, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_changePending = false;
        emit LayoutUpdated(++m_revision, 0);
    });
}
