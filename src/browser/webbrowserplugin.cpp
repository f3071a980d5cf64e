#include "browser/webbrowserplugin.h"

#include "browser/browserdialog.h"

QDialog *WebBrowserPlugin::createBrowser(const QString &address, const QString &home, QWidget *parent)
{
    return new BrowserDialog(address, home, parent);
}
