#pragma once

#include "browser/browserfactory.h"

#include <QObject>

// The entry of the browser plugin.
class WebBrowserPlugin : public QObject, public BrowserFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserFactory_iid)
    Q_INTERFACES(BrowserFactory)

public:
    QDialog *createBrowser(const QString &address, const QString &home, QWidget *parent) override;
};
