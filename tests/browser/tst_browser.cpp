#include "app/clockdialog.h"
#include "app/clocksurface.h"
#include "app/commandids.h"
#include "browser/aboutdialog.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "browser/productlinks.h"
#include "browserpages.h"
#include "core/loginstart.h"
#include "core/profilestore.h"
#include "db/datasource.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSet>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <unistd.h>

namespace {

const QString kHelp = "Chime_Wise.html";
const QString kNoBrowser = "The help browser is not installed, so the help opens in your web browser. To read it in "
                           "Chimewise, install the package chimewise-browser (sudo apt install chimewise-browser).";
const QString kBrowserFailed =
    "The help browser (%1) stopped or could not start, so the page opens in your web browser. If this happens "
    "again, reinstall the package chimewise-browser (sudo apt install --reinstall chimewise-browser).";

bool webEngineLoaded()
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

// Runs command and returns the caption of the dialog it runs modally; empty when it runs none.
QString dialogCaption(const std::function<void()> &command)
{
    QString caption;
    QTimer::singleShot(0, [&caption] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            caption = dialog->windowTitle();
            dialog->close();
        }
    });
    command();
    return caption;
}

// A web server on the loopback that answers every request with an empty
// page and keeps the paths asked for.
class PageServer : public QTcpServer
{
public:
    PageServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    QString address(const QString &path) const { return QString("http://127.0.0.1:%1/%2").arg(serverPort()).arg(path); }

    QStringList asked;

private:
    void answer(QTcpSocket *socket)
    {
        if (!socket->canReadLine())
            return;
        const QList<QByteArray> request = socket->readLine().split(' '); // GET /path HTTP/1.1
        if (request.size() > 1)
            asked << QString::fromUtf8(request[1]);
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n<title>page</title>");
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
};

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        for (const char *name : {"work", "program", "installed"})
            QVERIFY(QDir(m_root->path()).mkdir(name));
        QVERIFY(QDir::setCurrent(dir("work")));
        qputenv("CHIMEWISE_STANDIN_LOG", m_root->filePath("standin.log").toUtf8());
        m_shell.opened.clear();
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        QVERIFY(m_prompts.allShown());
    }

    // The clock never loads the engine; beside a test, where no browser is
    // installed, its help goes to the desktop.
    void clockRunsWithoutTheEngine()
    {
        VirtualTimeSource time;
        time.set(1796526900);
        const auto profile = ProfileStore::openIniFile(dir("work") + "/Chimewise.conf");
        const DataSource data = DataSource::embeddedFile(dir("work") + "/KTXDB.sqlite");
        RecordingSoundDevice sound;
        const LoginStart loginStart(dir("work") + "/autostart", "/usr/bin/chimewise");
        ClockDialog clock({time, m_prompts, *profile, m_shell, sound, data, loginStart});
        QCOMPARE(dialogCaption([&] { clock.onCommand(Command::About); }), QString("About Chimewise"));

        // The footer's rows, 256 to 273 of the surface, are the e-mail link, also beside its text.
        for (const int y : {255, 256, 273, 274})
            QTest::mouseClick(clock.findChild<ClockSurface *>(), Qt::LeftButton, {}, QPoint(2, y));
        // From the keyboard too.
        QTest::keyClick(clock.findChild<QWidget *>("footerLink"), Qt::Key_Return);
        QCOMPARE(m_shell.opened, QStringList(3, ProductLinks::emailLink()));
        m_shell.opened.clear();

        const QString help = writePage(dir("work") + '/' + kHelp, "Guide");
        m_prompts.expectMessage(kNoBrowser, "Chimewise");
        clock.onCommand(Command::Help);
        QCOMPARE(m_shell.opened, QStringList{help});
        QVERIFY(!webEngineLoaded());
    }

    // Run by root with its sandbox on, the engine would refuse to start.
    void rootWithTheSandboxOnGetsNoBrowser()
    {
        if (::geteuid() != 0)
            QSKIP("only root meets the engine's refusal");
        const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        BrowserLauncher browser(STANDIN_BROWSER);
        const bool shown = browser.show("about:blank", "about:blank");
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
        QVERIFY(!shown);
        QTest::qWait(200);
        QVERIFY(logged().isEmpty());
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
        BrowserLauncher browser(missingBrowser());
        LinkOpener links(m_shell, m_prompts, browser, shipped());
        name == kHelp ? links.openHelp() : links.openWebBrowser();
        QCOMPARE(m_shell.opened, opened.isEmpty() ? QStringList() : QStringList{expand(opened)});
    }

    // Without the browser package the help opens on the desktop, and says once what to install.
    void helpWithoutTheBrowserSaysWhatToInstall()
    {
        const QString help = writePage(dir("installed") + '/' + kHelp, "Guide");
        m_prompts.expectMessage(kNoBrowser, "Chimewise");
        BrowserLauncher browser(missingBrowser());
        QVERIFY(browser.isMissing());
        LinkOpener links(m_shell, m_prompts, browser, shipped());
        links.openHelp();
        links.openHelp();
        QCOMPARE(m_shell.opened, QStringList(2, help));
    }

    void linksOpenInTheBrowserOrTheDesktop_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("inBrowser"); // else on the desktop
        for (const char *link : {"MAILTO:A@EXAMPLE.ORG", "MailTo:a@example.org"})
            QTest::newRow(link) << link << true << false;
        QTest::newRow("no browser") << "https://example.org/" << false << false;
        QTest::newRow("browser") << "https://example.org/" << true << true;
    }

    void linksOpenInTheBrowserOrTheDesktop()
    {
        QFETCH(QString, link);
        QFETCH(bool, installed);
        QFETCH(bool, inBrowser);
        BrowserLauncher browser(installed ? STANDIN_BROWSER : missingBrowser());
        LinkOpener(m_shell, m_prompts, browser, shipped()).openLink(link);
        QCOMPARE(m_shell.opened, inBrowser ? QStringList() : QStringList{link});
        if (inBrowser)
            QTRY_COMPARE(addresses(), QStringList{link});
        else
            QVERIFY(!QTest::qWaitFor([this] { return !logged().isEmpty(); }, 300));
    }

    // The first page starts the browser in the clock's language; the next
    // go to the same one's window, until that is closed.
    void oneBrowserShowsEveryPage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "en";
        QTest::newRow("Bangla") << QLocale(QLocale::Bengali, QLocale::Bangladesh) << "bn";
    }

    void oneBrowserShowsEveryPage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        const QLocale previous;
        QLocale::setDefault(locale); // as the clock's interface language leaves it
        const QString help = writePage(dir("installed") + '/' + kHelp, "Guide");
        const QString home = writePage(dir("installed") + "/Chimewise.html", "Home");
        BrowserLauncher browser(STANDIN_BROWSER);
        LinkOpener links(m_shell, m_prompts, browser, shipped());
        links.openHelp();
        QLocale::setDefault(previous);
        links.openLink("https://example.org/");
        links.openWebBrowser();
        const QString homeUrl = QUrl::fromLocalFile(home).toString();
        QTRY_COMPARE(logged().size(), 3);
        QCOMPARE(addresses(), (QStringList{help, "https://example.org/", homeUrl}));
        QCOMPARE(logged().constFirst().section(' ', 1),
                 QString("--language %1 --home %2 --listen %3").arg(language, homeUrl, help));
        QCOMPARE(processes().size(), 1);

        links.openLink("quit"); // as if its window closed
        QTRY_COMPARE(logged().size(), 4);
        QTRY_VERIFY(!QFileInfo::exists("/proc/" + *processes().cbegin())); // reaped: the launcher knows
        links.openHelp();
        QTRY_COMPARE(logged().size(), 5);
        QCOMPARE(lastAddress(), help);
        QCOMPARE(processes().size(), 2);
        QCOMPARE(m_shell.opened, QStringList());
    }

    // A browser that does not start, fails or crashes is told of, and the
    // desktop shows its page; the next page starts it again.
    void failedBrowserFallsBackToTheDesktop_data()
    {
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<bool>("runs"); // whether the program can be started at all
        QTest::newRow("crash at once") << QStringList{"crash"} << true;
        QTest::newRow("crash later") << QStringList{"https://example.org/", "crash"} << true;
        QTest::newRow("error status") << QStringList{"https://example.org/", "fail"} << true;
        QTest::newRow("cannot start") << QStringList{"https://example.org/"} << false;
    }

    void failedBrowserFallsBackToTheDesktop()
    {
        QFETCH(QStringList, links);
        QFETCH(bool, runs);
        QString program = STANDIN_BROWSER;
        if (!runs) { // there, but not a program
            program = writePage(dir("program") + "/chimewise-browser", "not a program");
        }
        BrowserLauncher browser(program);
        LinkOpener opener(m_shell, m_prompts, browser, shipped());
        m_prompts.expectMessage(kBrowserFailed.arg(program), "Chimewise");
        for (const QString &link : std::as_const(links)) {
            opener.openLink(link);
            if (runs)
                QTRY_COMPARE(lastAddress(), link);
        }
        QTRY_VERIFY(m_prompts.allShown());
        QCOMPARE(m_shell.opened, QStringList{links.constLast()});
        if (!runs)
            return;
        opener.openLink("https://example.org/again");
        QTRY_COMPARE(processes().size(), 2);
    }

    // The real program shows the first address and, in the same window, the next.
    void realBrowserShowsEachAddress()
    {
        PageServer server;
        QVERIFY(server.isListening());
        BrowserLauncher browser(REAL_BROWSER);
        QSignalSpy failed(&browser, &BrowserLauncher::failed);
        QVERIFY(browser.show(server.address("first"), "about:blank"));
        QTRY_VERIFY_WITH_TIMEOUT(server.asked.contains("/first"), 30000);
        QVERIFY(browser.show(server.address("second"), "about:blank"));
        QTRY_VERIFY_WITH_TIMEOUT(server.asked.contains("/second"), 10000);
        QTest::qWait(500);
        QCOMPARE(failed.count(), 0);
        QVERIFY(!webEngineLoaded());
    }

    // The link text opens the home page, the rest of the box nothing.
    void aboutBoxLinksToTheHomePage()
    {
        writePage(dir("installed") + "/Chimewise.html", "Home");
        BrowserLauncher browser(missingBrowser());
        LinkOpener links(m_shell, m_prompts, browser, shipped());
        AboutDialog about(links);
        for (const char *label : {"creditLabel", "homePageLink"})
            QTest::mouseClick(about.findChild<QLabel *>(label), Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList{expand("file://<installed>/Chimewise.html")});
    }

private:
    QString dir(const QString &name) const { return m_root->filePath(name); }
    QString expand(QString text) const
    {
        for (const char *name : {"work", "program", "installed"})
            text.replace(QString("<%1>").arg(name), dir(name));
        return text;
    }
    QStringList shipped() const { return {dir("program"), dir("installed")}; }
    QString missingBrowser() const { return dir("program") + "/chimewise-browser"; }

    // What the stand-in browser noted: "<pid> <arguments or address>" a line.
    QStringList logged() const
    {
        QFile log(m_root->filePath("standin.log"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QStringList addresses() const
    {
        QStringList shown;
        for (const QString &line : logged())
            shown << line.section(' ', -1);
        return shown;
    }
    QString lastAddress() const
    {
        const QStringList shown = addresses();
        return shown.isEmpty() ? QString() : shown.constLast();
    }
    QSet<QString> processes() const
    {
        QSet<QString> ids;
        for (const QString &line : logged())
            ids << line.section(' ', 0, 0);
        return ids;
    }

    const QString m_previousDir = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_root;
    RecordingShellOpener m_shell;
    ScriptedPrompts m_prompts;
};

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
