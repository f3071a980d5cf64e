#include "app/desktopshellopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopShellOpener::open(const QString &target)
{
    // A path that exists is a file, whatever it looks like; anything else is read as a URL.
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                               : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}
