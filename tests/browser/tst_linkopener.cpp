#include "browser/aboutdialog.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "support/loadedbrowser.h"
#include "support/recordingshellopener.h"
#include "support/scriptedprompts.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <unistd.h>

namespace {

const char kNoBrowser[] = "no-such-browser";
const QString kHelp = "Chime_Wise.html";
const QString kStart = "Chimewise.html";

bool writePage(const QString &path, const QString &title)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write(QString("<html><head><title>%1</title></head><body>%1</body></html>")
                             .arg(title).toUtf8()) > 0;
}

} // namespace

class TestLinkOpener : public QObject
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
        m_prompts = std::make_unique<ScriptedPrompts>();
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        QVERIFY(m_prompts->allShown());
    }

    // Root with the engine's sandbox on would lose the whole clock.
    void rootWithTheSandboxOnOpensThroughTheDesktop()
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

    // With no browser to load, what the browser would open goes to the desktop.
    void pagesAreLookedForInOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("placedIn");
        QTest::addColumn<bool>("workingDirectoryGone");
        QTest::addColumn<QString>("opened"); // <dir> stands for that directory; empty: nothing
        QTest::addColumn<QString>("message");
        const QStringList all = {"work", "program", "installed"};
        QTest::newRow("help, working directory first") << kHelp << all << false << "<work>/Chime_Wise.html" << "";
        QTest::newRow("help next to the program") << kHelp << all.mid(1) << false << "<program>/Chime_Wise.html" << "";
        QTest::newRow("help installed") << kHelp << all.mid(2) << false << "<installed>/Chime_Wise.html" << "";
        QTest::newRow("help nowhere") << kHelp << QStringList() << false << "" << "Can not find the HTML Help file(s).";
        QTest::newRow("help installed, working directory gone")
            << kHelp << all.mid(2) << true << "<installed>/Chime_Wise.html" << "";
        QTest::newRow("help nowhere, working directory gone")
            << kHelp << QStringList() << true << "" << "There was an error occured, can not find the path.";
        QTest::newRow("start page installed") << kStart << all.mid(2) << false << "file://<installed>/Chimewise.html" << "";
        // The start page is opened whether it exists or not.
        QTest::newRow("start page nowhere") << kStart << QStringList() << false << "file://<work>/Chimewise.html" << "";
        QTest::newRow("start page nowhere, working directory gone")
            << kStart << QStringList() << true << "about:blank" << "";
    }

    void pagesAreLookedForInOrder()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, placedIn);
        QFETCH(bool, workingDirectoryGone);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        for (const QString &where : placedIn)
            QVERIFY(writePage(dir(where) + '/' + page, "Page"));
        const QString work = dir("work");
        if (workingDirectoryGone)
            QVERIFY(QDir(work).removeRecursively());
        if (!message.isEmpty())
            m_prompts->expectMessage(message, "Chimewise");

        BrowserLauncher browser(kNoBrowser);
        LinkOpener links = opener(browser);
        if (page == kHelp)
            links.openHelp();
        else
            links.openWebBrowser();
        QCOMPARE(m_shell.opened, opened.isEmpty() ? QStringList() : QStringList{expand(opened)});
    }

    void linksOpenInTheBrowserOrTheDesktop_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("browserLoads");
        QTest::addColumn<QString>("browserCaption"); // empty: the desktop opens the link
        // E-mail links never reach the browser, whatever their case.
        for (const char *link : {"mailto:a@example.org", "MAILTO:A@EXAMPLE.ORG", "MailTo:a@example.org"})
            QTest::newRow(link) << link << true << "";
        QTest::newRow("page, no browser") << "https://example.org/" << false << "";
        QTest::newRow("page in the browser") << "file://<work>/page.html" << true << "Page -- Norvik ";
    }

    void linksOpenInTheBrowserOrTheDesktop()
    {
        QFETCH(QString, link);
        QFETCH(bool, browserLoads);
        QFETCH(QString, browserCaption);
        QVERIFY(writePage(dir("work") + "/page.html", "Page"));
        BrowserLauncher browser(browserLoads ? BrowserLauncher::kPluginName : kNoBrowser);
        LinkOpener links = opener(browser);

        QString caption;
        closeDialogWhenShown(caption);
        links.openLink(expand(link));
        QCOMPARE(caption, browserCaption);
        QCOMPARE(m_shell.opened, browserCaption.isEmpty() ? QStringList{expand(link)} : QStringList());
    }

    // The link text opens the home page; the rest of the box does not.
    void aboutBoxLinksToTheHomePage()
    {
        QVERIFY(writePage(dir("installed") + '/' + kStart, "Home"));
        const QString home = expand("file://<installed>/Chimewise.html");
        BrowserLauncher browser(kNoBrowser);
        LinkOpener links = opener(browser);
        AboutDialog about(links);
        about.show();
        QCOMPARE(about.findChild<QLabel *>("versionLabel")->text(), QString("Chimewise, Version 3.37"));
        auto *link = about.findChild<QLabel *>("homePageLink");
        QVERIFY(link->text().endsWith(home));

        QTest::mouseClick(about.findChild<QLabel *>("creditLabel"), Qt::LeftButton);
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(m_shell.opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList{home});
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
        return LinkOpener(m_shell, *m_prompts, browser, nullptr, {dir("program"), dir("installed")});
    }

    const QString m_previousDir = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_root;
    RecordingShellOpener m_shell;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

QTEST_MAIN(TestLinkOpener)
#include "tst_linkopener.moc"
