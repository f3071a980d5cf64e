#pragma once

#include "core/datafiles.h"

#include <QMetaObject>
#include <QString>
#include <QStringList>

class BrowserLauncher;
class PromptService;
class ShellOpener;

// The ways out of the clock: links, the web browser and the help page open
// in the clock's own browser, or through the desktop when it is not
// installed, cannot start or stops; e-mail links always go to the desktop.
class LinkOpener
{
public:
    // The pages are looked for in the directory the clock was started from,
    // then in shippedDirectories (next to the program, then installed).
    LinkOpener(ShellOpener &shell, PromptService &prompts, BrowserLauncher &browser,
               QStringList shippedDirectories = DataFiles::shippedDirectories());
    ~LinkOpener();
    LinkOpener(const LinkOpener &) = delete;
    LinkOpener &operator=(const LinkOpener &) = delete;

    void openLink(const QString &url);
    // "Open Web Browser": the browser on its start page.
    void openWebBrowser();
    // The help page in the browser, or a message saying why there is none;
    // without the browser package, in the desktop's browser after a word on
    // what to install.
    void openHelp();

    // The start page as a URL: the shipped one wherever it lies, else the
    // name in the current directory, else "about:blank".
    QString homePage() const;

private:
    struct Page
    {
        QString path;             // empty when no directory has the file
        QString workingDirectory; // empty when it cannot be read
    };
    Page locate(const QString &name) const;
    // In the browser, else on the desktop; for the help, said once when
    // the browser is not installed.
    void browse(const QString &address, bool isHelp);
    void onBrowserFailed(const QString &address);

    ShellOpener &m_shell;
    PromptService &m_prompts;
    BrowserLauncher &m_browser;
    QStringList m_shippedDirectories;
    bool m_toldBrowserMissing = false;
    QMetaObject::Connection m_browserFailed;
};
