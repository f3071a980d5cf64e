#include "app/clocktray.h"

#include "app/statusnotifieritem.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

// The program's icon with a red dot in its upper right corner.
QIcon ringingIcon(const QIcon &normal)
{
    QIcon ringing;
    for (const int size : {16, 22, 24, 32, 48}) {
        QPixmap pixmap = normal.pixmap(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, size / 16.0));
        painter.setBrush(QColor(220, 0, 0));
        const qreal dot = size * 0.55;
        painter.drawEllipse(QRectF(size - dot, 0, dot, dot).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.end();
        ringing.addPixmap(pixmap);
    }
    return ringing;
}

qsizetype longestLine(QStringView text)
{
    qsizetype longest = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return longest;
}

} // namespace

ClockTray::ClockTray(const QIcon &icon, QMenu *popup, std::function<QString()> tipNow, QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(icon, this))
    , m_item(new StatusNotifierItem(icon, popup, this))
    , m_popup(popup)
    , m_normalIcon(icon)
    , m_ringingIcon(ringingIcon(icon))
    , m_stopAction(new QAction(tr("Stop sound"), this))
    , m_snoozeAction(new QAction(this))
    , m_stopSeparator(new QAction(this))
    , m_tipNow(std::move(tipNow))
{
    // Qt's X11 icon hands its tooltip request to the icon before it shows the tip.
    m_icon->installEventFilter(this);
    // The popup opens on a right click by itself.
    m_icon->setContextMenu(popup);
    m_stopSeparator->setSeparator(true);
    connect(m_stopAction, &QAction::triggered, this, &ClockTray::stopRequested);
    connect(m_snoozeAction, &QAction::triggered, this, &ClockTray::snoozeRequested);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit leftClicked();
    });
    // The icon's own message stands in for a notification, whose click opens the window.
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &ClockTray::leftClicked);
    connect(m_item, &StatusNotifierItem::activated, this, &ClockTray::leftClicked);
    connect(m_item, &StatusNotifierItem::contextMenuRequested, popup, [popup](const QPoint &at) { popup->popup(at); });
    // A panel that comes after the clock takes the icon over from Qt's own.
    connect(m_item, &StatusNotifierItem::watcherAppeared, this, [this] {
        if (m_present)
            showInHost();
    });
}

bool ClockTray::available()
{
    return StatusNotifierItem::watcherPresent() || QSystemTrayIcon::isSystemTrayAvailable();
}

void ClockTray::add()
{
    if (m_present)
        return;
    m_present = true;
    showInHost();
}

// Qt picks its kind of icon once for the whole run; the item follows the watcher.
void ClockTray::showInHost()
{
    if (m_item->isShown() || StatusNotifierItem::watcherPresent()) {
        m_icon->hide();
        showTipInItem();
        m_item->show();
    } else {
        m_icon->setToolTip(tip());
        m_icon->show();
    }
    emit tipFollowingChanged();
}

void ClockTray::remove()
{
    m_present = false;
    m_icon->hide();
    m_item->hide();
    emit tipFollowingChanged();
}

void ClockTray::tipChanged()
{
    if (m_item->isShown())
        showTipInItem();
}

bool ClockTray::tipFollowsTheTime() const
{
    return m_item->isShown();
}

bool ClockTray::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_icon && event->type() == QEvent::ToolTip)
        m_icon->setToolTip(tip());
    return QObject::eventFilter(watched, event);
}

void ClockTray::showTipInItem()
{
    // The item's tip has a title line and the lines under it.
    const QString lines = tip();
    const qsizetype end = lines.indexOf(u'\n');
    m_item->setToolTip(lines.left(end), end < 0 ? QString() : lines.mid(end + 1));
}

bool ClockTray::isPresent() const
{
    return m_present;
}

QString ClockTray::tip() const
{
    const QString tip = m_tipNow();
    if (longestLine(tip) <= kMaxTipLineLength)
        return tip;
    QStringList lines = tip.split(u'\n');
    for (QString &line : lines)
        line.truncate(kMaxTipLineLength);
    return lines.join(u'\n');
}

QString ClockTray::status() const
{
    return m_item->statusText();
}

void ClockTray::showRinging(const QString &snoozeCaption)
{
    m_icon->setIcon(m_ringingIcon);
    if (!isRinging())
        m_item->setIcon(m_ringingIcon);
    m_item->setNeedsAttention(true);
    m_snoozeAction->setText(snoozeCaption);
    m_snoozeAction->setVisible(!snoozeCaption.isEmpty());
    if (isRinging())
        return;
    QAction *first = m_popup->actions().value(0);
    m_popup->insertActions(first, {m_stopAction, m_snoozeAction, m_stopSeparator});
}

void ClockTray::endRinging()
{
    m_icon->setIcon(m_normalIcon);
    m_item->setIcon(m_normalIcon);
    m_item->setNeedsAttention(false);
    for (QAction *action : {m_stopAction, m_snoozeAction, m_stopSeparator})
        m_popup->removeAction(action);
}

bool ClockTray::isRinging() const
{
    return m_popup->actions().contains(m_stopAction);
}

void ClockTray::showMessage(const QString &text, const QString &detail)
{
    // Shown until taken away: the sound it tells of rings on.
    m_icon->showMessage(text, detail, QSystemTrayIcon::Information, 0);
}
