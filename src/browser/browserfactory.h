#pragma once

#include <QtPlugin>

class QDialog;
class QString;
class QWidget;

// What the program asks of the browser plugin, the one part that brings in
// the web engine. The program loads it on the first browser it opens, so
// that starting the clock never pays for the engine.
class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;

    // A browser dialog that opens on address (a URL or a local path) and
    // whose Home button goes to home.
    virtual QDialog *createBrowser(const QString &address, const QString &home, QWidget *parent) = 0;
};

#define BrowserFactory_iid "org.chimewise.BrowserFactory/1"
Q_DECLARE_INTERFACE(BrowserFactory, BrowserFactory_iid)
