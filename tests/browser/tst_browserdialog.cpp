#include "browser/browserdialog.h"
#include "browserpages.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kEnding = " -- Norvik ";

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

} // namespace

// The browser dialog of chimewise-browser, with the web engine in the test's own process.
class TestBrowserDialog : public QObject
{
    Q_OBJECT

private slots:
    // Addresses are typed and opened with Enter, the default button.
    void browsingFollowsThePageHistory()
    {
        BrowserDialog browser(page("bravo"), "");
        browser.show();
        QVERIFY(waitForCaption(&browser, "bravo" + kEnding));
        auto *address = browser.findChild<QComboBox *>("addressCombo");
        auto *back = browser.findChild<QPushButton *>("backButton");
        auto *next = browser.findChild<QPushButton *>("nextButton");
        QVERIFY(!back->isEnabled() && !next->isEnabled());
        for (const char *title : {"alpha", "Zulu", "bravo"}) {
            address->setEditText(page(title));
            QTest::keyClick(address->lineEdit(), Qt::Key_Return);
            QVERIFY(waitForCaption(&browser, title + kEnding));
        }
        // Each address once, sorted without regard to case; the current one selected.
        QStringList history;
        for (int i = 0; i < address->count(); ++i)
            history << QUrl(address->itemText(i)).fileName();
        QCOMPARE(history, (QStringList{"alpha.html", "bravo.html", "Zulu.html"}));
        QCOMPARE(address->currentText(), QUrl::fromLocalFile(page("bravo")).toString());
        QVERIFY(back->isEnabled() && !next->isEnabled());
        back->click();
        QVERIFY(waitForCaption(&browser, "Zulu" + kEnding));
        QVERIFY(next->isEnabled());
        next->click();
        QVERIFY(waitForCaption(&browser, "bravo" + kEnding));

        // The page grows with the dialog; Escape closes it, also from the page.
        QWidget *view = browser.findChild<QWidget *>("pageView");
        const QRect placed = view->geometry();
        browser.resize(browser.size() + QSize(200, 120));
        QCOMPARE(view->geometry(), placed.adjusted(0, 0, 200, 120));
        view->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!browser.isVisible());
    }

    // Another address given to the open browser shows in the same window.
    void navigateShowsTheNextAddress()
    {
        BrowserDialog browser(page("alpha"), "");
        browser.show();
        QVERIFY(waitForCaption(&browser, "alpha" + kEnding));
        browser.navigate(page("bravo"));
        QVERIFY(waitForCaption(&browser, "bravo" + kEnding));
        QCOMPARE(browser.findChild<QComboBox *>("addressCombo")->currentText(),
                 QUrl::fromLocalFile(page("bravo")).toString());
    }

    // Escape in the open address history closes the list only; the next one the browser.
    void escapeClosesTheHistoryListFirst()
    {
        BrowserDialog browser(page("alpha"), "");
        browser.show();
        QVERIFY(waitForCaption(&browser, "alpha" + kEnding));
        QVERIFY(QTest::qWaitForWindowActive(&browser));
        auto *address = browser.findChild<QComboBox *>("addressCombo");
        // Offscreen, waiting would let the list close itself: the key comes at once.
        address->showPopup();
        QAbstractItemView *list = address->view();
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(browser.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!browser.isVisible());
    }

private:
    QString page(const QString &title) const { return writePage(m_dir.filePath(title + ".html"), title); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestBrowserDialog)
#include "tst_browserdialog.moc"
