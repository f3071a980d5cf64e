#include "browser/browserfactory.h"
#include "browser/browserlauncher.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const char kEnding[] = " -- Norvik ";

} // namespace

// The browser dialog of the plugin, on local pages.
class TestBrowserDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::addLibraryPath(CHIMEWISE_PLUGIN_DIR);
        QVERIFY(m_launcher.factory());
    }

    void cleanup() { m_browser.reset(); }

    void historyKeepsEachAddressOnce_data()
    {
        QTest::addColumn<QStringList>("visits");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("a second visit selects") << QStringList{"bravo", "alpha", "bravo"}
                                                << QStringList{"alpha", "bravo"};
        QTest::newRow("sorted without regard to case") << QStringList{"Zulu", "alpha"}
                                                       << QStringList{"alpha", "Zulu"};
    }

    // Every visit after the first is typed into the address field and
    // opened with Enter, the default button.
    void historyKeepsEachAddressOnce()
    {
        QFETCH(QStringList, visits);
        QFETCH(QStringList, history);
        open(visits.first());
        for (const QString &page : visits.mid(1)) {
            addressField()->setEditText(pagePath(page));
            QTest::keyClick(addressField()->lineEdit(), Qt::Key_Return);
            QTRY_COMPARE(m_browser->windowTitle(), page + kEnding);
        }
        QStringList shown;
        for (int i = 0; i < addressField()->count(); ++i)
            shown << QUrl(addressField()->itemText(i)).fileName().chopped(5);
        QCOMPARE(shown, history);
        QCOMPARE(addressField()->currentText(), pageUrl(visits.last()));
    }

    void backAndNextFollowThePageHistory()
    {
        open("alpha");
        QVERIFY(!button("backButton")->isEnabled() && !button("nextButton")->isEnabled());
        addressField()->setEditText(pagePath("bravo"));
        button("openButton")->click();
        QTRY_COMPARE(m_browser->windowTitle(), QString("bravo") + kEnding);
        QTRY_VERIFY(button("backButton")->isEnabled());
        QVERIFY(!button("nextButton")->isEnabled());

        button("backButton")->click();
        QTRY_COMPARE(m_browser->windowTitle(), QString("alpha") + kEnding);
        QCOMPARE(addressField()->currentText(), pageUrl("alpha"));
        QTRY_VERIFY(button("nextButton")->isEnabled());
        QVERIFY(!button("backButton")->isEnabled());
        button("nextButton")->click();
        QTRY_COMPARE(m_browser->windowTitle(), QString("bravo") + kEnding);
    }

    void pageGrowsWithTheDialogKeepingItsMargins()
    {
        open("alpha");
        QWidget *page = m_browser->findChild<QWidget *>("pageView");
        const QPoint corner = page->pos();
        const QSize margins = m_browser->size() - page->size();
        m_browser->resize(m_browser->size() + QSize(200, 120));
        QCOMPARE(m_browser->size() - page->size(), margins);
        QCOMPARE(page->pos(), corner);
    }

    void escapeInThePageClosesTheDialog()
    {
        open("alpha");
        m_browser->activateWindow();
        m_browser->findChild<QWidget *>("pageView")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!m_browser->isVisible());
        QCOMPARE(m_browser->result(), int(QDialog::Rejected));
    }

private:
    QString pagePath(const QString &name)
    {
        const QString path = m_pages.filePath(name + ".html");
        QFile file(path);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write(QString("<html><head><title>%1</title></head><body>%1</body></html>").arg(name).toUtf8());
        return path;
    }
    QString pageUrl(const QString &name) { return QUrl::fromLocalFile(pagePath(name)).toString(); }

    void open(const QString &name)
    {
        m_browser.reset(m_launcher.factory()->createBrowser(pagePath(name), pagePath("alpha"), nullptr));
        m_browser->show();
        QTRY_COMPARE(m_browser->windowTitle(), name + kEnding);
    }
    QComboBox *addressField() const { return m_browser->findChild<QComboBox *>("addressCombo"); }
    QPushButton *button(const char *name) const { return m_browser->findChild<QPushButton *>(name); }

    BrowserLauncher m_launcher;
    QTemporaryDir m_pages;
    std::unique_ptr<QDialog> m_browser;
};

QTEST_MAIN(TestBrowserDialog)
#include "tst_browserdialog.moc"
