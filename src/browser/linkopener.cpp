#include "browser/linkopener.h"

#include "browser/browserlauncher.h"
#include "browser/productlinks.h"
#include "core/promptservice.h"
#include "core/shellopener.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QCoreApplication>

#include <utility>

namespace {

const char kCaption[] = "Chimewise";
const char kNoPath[] = QT_TRANSLATE_NOOP("LinkOpener", "There was an error occured, can not find the path.");
const char kNoHelp[] = QT_TRANSLATE_NOOP("LinkOpener", "Can not find the HTML Help file(s).");
const char kNoBrowser[] = QT_TRANSLATE_NOOP(
    "LinkOpener", "The help browser is not installed, so the help opens in your web browser. To read it in "
                  "Chimewise, install the package chimewise-browser (sudo apt install chimewise-browser).");
const char kBrowserFailed[] = QT_TRANSLATE_NOOP(
    "LinkOpener", "The help browser (%1) stopped or could not start, so the page opens in your web browser. If "
                  "this happens again, reinstall the package chimewise-browser (sudo apt install --reinstall "
                  "chimewise-browser).");

bool isMailLink(const QString &url)
{
    return url.startsWith("mailto:", Qt::CaseInsensitive);
}

} // namespace

LinkOpener::LinkOpener(ShellOpener &shell, PromptService &prompts, BrowserLauncher &browser,
                       QStringList shippedDirectories)
    : m_shell(shell)
    , m_prompts(prompts)
    , m_browser(browser)
    , m_shippedDirectories(std::move(shippedDirectories))
{
    // Queued: the message waits until the process's own signal is done.
    m_browserFailed = QObject::connect(
        &m_browser, &BrowserLauncher::failed, &m_browser, [this](const QString &address) { onBrowserFailed(address); },
        Qt::QueuedConnection);
}

LinkOpener::~LinkOpener()
{
    QObject::disconnect(m_browserFailed);
}

LinkOpener::Page LinkOpener::locate(const QString &name) const
{
    Page page{{}, QDir::currentPath()}; // empty when the directory is gone or unreadable
    QStringList directories = m_shippedDirectories;
    if (!page.workingDirectory.isEmpty())
        directories.prepend(page.workingDirectory);
    for (const QString &directory : std::as_const(directories)) {
        const QString path = QDir(directory).filePath(name);
        if (QFileInfo(path).isFile()) {
            page.path = path;
            break;
        }
    }
    return page;
}

QString LinkOpener::homePage() const
{
    const Page page = locate(ProductLinks::kStartPage);
    if (!page.path.isEmpty())
        return QUrl::fromLocalFile(page.path).toString();
    if (!page.workingDirectory.isEmpty()) // opened whether it exists or not
        return QUrl::fromLocalFile(page.workingDirectory + '/' + ProductLinks::kStartPage).toString();
    return "about:blank";
}

void LinkOpener::browse(const QString &address, bool isHelp)
{
    if (m_browser.show(address, homePage()))
        return;
    // Said once a session: the desktop's browser does the job meanwhile.
    if (isHelp && m_browser.isMissing() && !std::exchange(m_toldBrowserMissing, true))
        m_prompts.messageBox(QCoreApplication::translate("LinkOpener", kNoBrowser), kCaption,
                             PromptService::Buttons::Ok, PromptService::Icon::Information);
    m_shell.open(address);
}

void LinkOpener::onBrowserFailed(const QString &address)
{
    m_prompts.messageBox(QCoreApplication::translate("LinkOpener", kBrowserFailed).arg(m_browser.program()),
                         kCaption, PromptService::Buttons::Ok, PromptService::Icon::Warning);
    m_shell.open(address);
}

void LinkOpener::openLink(const QString &url)
{
    if (isMailLink(url))
        m_shell.open(url);
    else
        browse(url, false);
}

void LinkOpener::openWebBrowser()
{
    browse(homePage(), false);
}

void LinkOpener::openHelp()
{
    const Page page = locate(ProductLinks::kHelpPage);
    if (page.path.isEmpty()) {
        m_prompts.messageBox(QCoreApplication::translate("LinkOpener", page.workingDirectory.isEmpty() ? kNoPath : kNoHelp), kCaption,
                             PromptService::Buttons::Ok, PromptService::Icon::Warning);
        return;
    }
    browse(page.path, true);
}
