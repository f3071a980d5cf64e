#include "app/desktopshellopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

// "mailto:…", "https://…": a scheme of two letters or more. Anything else,
// a relative name such as "example.com/x?y=1" included, is a path.
bool isLink(const QString &target)
{
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

} // namespace

bool DesktopShellOpener::open(const QString &target)
{
    // A path that exists is a file, whatever it looks like; so is a missing
    // one, which is never handed over as a web address.
    const QUrl url = QFileInfo::exists(target) || !isLink(target)
        ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
        : QUrl(target, QUrl::StrictMode);
    return QDesktopServices::openUrl(url);
}
