#include "app/clockdialog.h"
#include "app/clocksurface.h"
#include "app/commandids.h"
#include "browser/aboutdialog.h"
#include "browser/browserfactory.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "browser/productlinks.h"
#include "core/loginstart.h"
#include "core/profilestore.h"
#include "db/datasource.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <unistd.h>

namespace {

const QString kEnding = " -- Norvik ";
const QString kHelp = "Chime_Wise.html";
const QString kNoBrowser = "The help browser is not installed, so the help opens in your web browser. To read it in "
                           "Chimewise, install the package chimewise-browser (sudo apt install chimewise-browser).";

bool webEngineLoaded()
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

QString writePage(const QString &path, const QString &title)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(("<title>" + title + "</title>").toUtf8()) <= 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Waits for a caption in a running event loop, where the engine's work goes
// on (the QTRY_ macros' short sleeps slow it down a hundredfold).
bool waitForCaption(QWidget *window, const QString &awaited)
{
    QSignalSpy changed(window, &QWidget::windowTitleChanged);
    while (window->windowTitle() != awaited) {
        if (!changed.wait(5000))
            return false;
    }
    return true;
}

// Runs command and returns the caption of the dialog it runs modally, once
// that shows the awaited caption (a browser's: once its page has loaded);
// empty when it runs none.
QString dialogCaption(const std::function<void()> &command, const QString &awaited)
{
    QString caption;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&caption, awaited] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            waitForCaption(dialog, awaited);
            caption = dialog->windowTitle();
            dialog->close();
        }
    });
    closer.start(0);
    command();
    return caption;
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::addLibraryPath(CHIMEWISE_PLUGIN_DIR); }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        for (const char *name : {"work", "program", "installed"})
            QVERIFY(QDir(m_root->path()).mkdir(name));
        QVERIFY(QDir::setCurrent(dir("work")));
        m_shell.opened.clear();
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        QVERIFY(m_prompts.allShown());
    }

    // Runs first: no case before it may have loaded the engine.
    void clockStartsWithoutTheEngine()
    {
        VirtualTimeSource time;
        time.set(1796526900);
        const auto profile = ProfileStore::openIniFile(dir("work") + "/Chimewise.conf");
        const DataSource data = DataSource::embeddedFile(dir("work") + "/KTXDB.sqlite");
        RecordingSoundDevice sound;
        const LoginStart loginStart(dir("work") + "/autostart", "/usr/bin/chimewise");
        ClockDialog clock({time, m_prompts, *profile, m_shell, sound, data, loginStart});
        const auto about = [&] { clock.onCommand(Command::About); };
        QCOMPARE(dialogCaption(about, "About Chimewise"), QString("About Chimewise"));

        // The footer's rows, 256 to 273 of the surface, are the e-mail link, also beside its text.
        for (const int y : {255, 256, 273, 274})
            QTest::mouseClick(clock.findChild<ClockSurface *>(), Qt::LeftButton, {}, QPoint(2, y));
        // From the keyboard too.
        QTest::keyClick(clock.findChild<QWidget *>("footerLink"), Qt::Key_Return);
        QCOMPARE(m_shell.opened, QStringList(3, ProductLinks::emailLink()));
        m_shell.opened.clear();
        QVERIFY(!webEngineLoaded());

        writePage(dir("work") + '/' + kHelp, "Guide");
        const auto help = [&] { clock.onCommand(Command::Help); };
        QCOMPARE(dialogCaption(help, "Guide" + kEnding), "Guide" + kEnding);
        QVERIFY(webEngineLoaded());
    }

    // Run by root with its sandbox on, the engine would end the whole clock.
    void rootWithTheSandboxOnGetsNoBrowser()
    {
        if (::geteuid() != 0)
            QSKIP("only root meets the engine's refusal");
        const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        BrowserLauncher browser;
        const int result = browser.run("about:blank", "about:blank", nullptr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
        QCOMPARE(result, -1);
    }

    // Without a browser, what it would open goes to the desktop.
    void pagesAreLookedForInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("placedIn");
        QTest::addColumn<bool>("workGone"); // the working directory no longer exists
        QTest::addColumn<QString>("opened"); // <dir> stands for that directory
        QTest::addColumn<QString>("message");
        const QString start = "Chimewise.html";
        const QStringList all = {"work", "program", "installed"};
        QTest::newRow("help, working directory first") << kHelp << all << false << "<work>/" + kHelp << kNoBrowser;
        QTest::newRow("help next to the program") << kHelp << all.mid(1) << false << "<program>/" + kHelp << kNoBrowser;
        QTest::newRow("help nowhere") << kHelp << QStringList() << false << "" << "Can not find the HTML Help file(s).";
        QTest::newRow("help installed, work gone") << kHelp << all.mid(2) << true << "<installed>/" + kHelp << kNoBrowser;
        QTest::newRow("help nowhere, work gone")
            << kHelp << QStringList() << true << "" << "There was an error occured, can not find the path.";
        QTest::newRow("start page nowhere") << start << QStringList() << false << "file://<work>/" + start << "";
        QTest::newRow("start page nowhere, work gone") << start << QStringList() << true << "about:blank" << "";
    }

    void pagesAreLookedForInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, placedIn);
        QFETCH(bool, workGone);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        for (const QString &where : placedIn)
            writePage(dir(where) + '/' + name, "Page");
        if (workGone)
            QVERIFY(QDir(dir("work")).removeRecursively());
        if (!message.isEmpty())
            m_prompts.expectMessage(message, "Chimewise");
        BrowserLauncher browser("no-such-browser");
        LinkOpener links = opener(browser);
        name == kHelp ? links.openHelp() : links.openWebBrowser();
        QCOMPARE(m_shell.opened, opened.isEmpty() ? QStringList() : QStringList{expand(opened)});
    }

    // Without the browser package the help opens on the desktop, and says once what to install.
    void helpWithoutTheBrowserSaysWhatToInstall()
    {
        const QString help = writePage(dir("installed") + '/' + kHelp, "Guide");
        m_prompts.expectMessage(kNoBrowser, "Chimewise");
        BrowserLauncher browser("no-such-browser");
        LinkOpener links = opener(browser);
        links.openHelp();
        links.openHelp();
        QCOMPARE(m_shell.opened, QStringList(2, help));
    }

    void linksOpenInTheBrowserOrTheDesktop_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("browserLoads");
        QTest::addColumn<QString>("browserCaption"); // empty: the desktop opens the link
        for (const char *link : {"MAILTO:A@EXAMPLE.ORG", "MailTo:a@example.org"})
            QTest::newRow(link) << link << true << "";
        QTest::newRow("no browser") << "https://example.org/" << false << "";
        QTest::newRow("browser") << "file://<work>/Page.html" << true << "Page" + kEnding;
    }

    void linksOpenInTheBrowserOrTheDesktop()
    {
        QFETCH(QString, link);
        QFETCH(bool, browserLoads);
        QFETCH(QString, browserCaption);
        page("Page");
        BrowserLauncher browser(browserLoads ? BrowserLauncher::kPluginName : "no-such-browser");
        const auto open = [&] { opener(browser).openLink(expand(link)); };
        QCOMPARE(dialogCaption(open, browserCaption), browserCaption);
        QCOMPARE(m_shell.opened, browserCaption.isEmpty() ? QStringList{expand(link)} : QStringList());
    }

    // The link text opens the home page, the rest of the box nothing.
    void aboutBoxLinksToTheHomePage()
    {
        writePage(dir("installed") + "/Chimewise.html", "Home");
        BrowserLauncher browser("no-such-browser");
        LinkOpener links = opener(browser);
        AboutDialog about(links);
        for (const char *label : {"creditLabel", "homePageLink"})
            QTest::mouseClick(about.findChild<QLabel *>(label), Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList{expand("file://<installed>/Chimewise.html")});
    }

    // Addresses are typed and opened with Enter, the default button.
    void browsingFollowsThePageHistory()
    {
        const std::unique_ptr<QDialog> browser(m_browsers.factory()->createBrowser(page("bravo"), "", nullptr));
        browser->show();
        QVERIFY(waitForCaption(browser.get(), "bravo" + kEnding));
        auto *address = browser->findChild<QComboBox *>("addressCombo");
        auto *back = browser->findChild<QPushButton *>("backButton");
        auto *next = browser->findChild<QPushButton *>("nextButton");
        QVERIFY(!back->isEnabled() && !next->isEnabled());
        for (const char *title : {"alpha", "Zulu", "bravo"}) {
            address->setEditText(page(title));
            QTest::keyClick(address->lineEdit(), Qt::Key_Return);
            QVERIFY(waitForCaption(browser.get(), title + kEnding));
        }
        // Each address once, sorted without regard to case; the current one selected.
        QStringList history;
        for (int i = 0; i < address->count(); ++i)
            history << QUrl(address->itemText(i)).fileName();
        QCOMPARE(history, (QStringList{"alpha.html", "bravo.html", "Zulu.html"}));
        QCOMPARE(address->currentText(), QUrl::fromLocalFile(page("bravo")).toString());
        QVERIFY(back->isEnabled() && !next->isEnabled());
        back->click();
        QVERIFY(waitForCaption(browser.get(), "Zulu" + kEnding));
        QVERIFY(next->isEnabled());
        next->click();
        QVERIFY(waitForCaption(browser.get(), "bravo" + kEnding));

        // The page grows with the dialog; Escape closes it, also from the page.
        QWidget *view = browser->findChild<QWidget *>("pageView");
        const QRect placed = view->geometry();
        browser->resize(browser->size() + QSize(200, 120));
        QCOMPARE(view->geometry(), placed.adjusted(0, 0, 200, 120));
        view->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!browser->isVisible());
    }

    // Escape in the open address history closes the list only; the next one the browser.
    void escapeClosesTheHistoryListFirst()
    {
        const std::unique_ptr<QDialog> browser(m_browsers.factory()->createBrowser(page("alpha"), "", nullptr));
        browser->show();
        QVERIFY(waitForCaption(browser.get(), "alpha" + kEnding));
        QVERIFY(QTest::qWaitForWindowActive(browser.get()));
        auto *address = browser->findChild<QComboBox *>("addressCombo");
        // Offscreen, waiting would let the list close itself: the key comes at once.
        address->showPopup();
        QAbstractItemView *list = address->view();
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(browser->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!browser->isVisible());
    }

private:
    QString dir(const QString &name) const { return m_root->filePath(name); }
    QString expand(QString text) const
    {
        for (const char *name : {"work", "program", "installed"})
            text.replace(QString("<%1>").arg(name), dir(name));
        return text;
    }
    LinkOpener opener(BrowserLauncher &browser)
    {
        return LinkOpener(m_shell, m_prompts, browser, nullptr, {dir("program"), dir("installed")});
    }
    QString page(const QString &title) const { return writePage(dir("work") + '/' + title + ".html", title); }

    const QString m_previousDir = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_root;
    RecordingShellOpener m_shell;
    ScriptedPrompts m_prompts;
    BrowserLauncher m_browsers;
};

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
