#pragma once

#include <QPluginLoader>
#include <QString>

class BrowserFactory;
class QWidget;

// Opens browser dialogs from the browser plugin, loaded on first use only.
class BrowserLauncher
{
public:
    static constexpr char kPluginName[] = "chimewise-browser";

    // The plugin is looked for in the library paths: next to the program,
    // then in the installation's library directory.
    explicit BrowserLauncher(const QString &pluginName = kPluginName);

    // Runs a browser dialog modally on address: its result, or -1 when the
    // browser cannot be loaded.
    int run(const QString &address, const QString &home, QWidget *parent);

    // The plugin's browsers, loaded on the first call; null when they
    // cannot be loaded.
    BrowserFactory *factory();

    // Whether the plugin is not installed at all (the package
    // chimewise-browser), rather than refused or broken.
    bool isMissing();

private:
    QPluginLoader m_loader;
    QString m_pluginName;
    bool m_tried = false;
    bool m_missing = false;
};
