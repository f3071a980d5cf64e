#include "prayer/zonelist.h"

#include <QComboBox>
#include <QCompleter>
#include <QTimeZone>

void fillZoneList(QComboBox *list)
{
    QStringList zones{QString()};
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
        // The plain offsets ("UTC+06:00") have no summer time of their own to follow.
        if (id.contains('/'))
            zones << QString::fromUtf8(id);
    }
    list->addItems(zones);
    auto *completer = new QCompleter(zones, list);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    list->setCompleter(completer);
}

QString knownZone(const QComboBox *list, const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const int index = list->findText(text, Qt::MatchFixedString);
    return index > 0 ? list->itemText(index) : QString();
}
