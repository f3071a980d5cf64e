#include "app/clockdialog.h"
#include "app/clocksurface.h"
#include "app/commandids.h"
#include "browser/productlinks.h"
#include "core/profilestore.h"
#include "db/datasource.h"
#include "support/loadedbrowser.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

const qint64 kMorning = 1796526900; // 2026-12-06
const QString kEmailLink = ProductLinks::emailLink();

// The offscreen platform moves no pointer: the move is sent as the window would.
void moveTo(QWidget *widget, const QPoint &point)
{
    QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton, {}, {});
    QApplication::sendEvent(widget, &move);
}

} // namespace

// The clock's ways out: Help, About and the footer line, and the web
// engine kept out of the clock until a browser is first opened.
class TestClockLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::addLibraryPath(CHIMEWISE_PLUGIN_DIR); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_time.set(kMorning);
        m_shell.opened.clear();
        m_profile = ProfileStore::openIniFile(m_dir->filePath("Chimewise.conf"));
        m_data = std::make_unique<DataSource>(DataSource::embeddedFile(m_dir->filePath("KTXDB.sqlite")));
        m_dialog = std::make_unique<ClockDialog>(
            ClockServices{m_time, m_prompts, *m_profile, m_shell, m_sound, *m_data});
    }

    void cleanup()
    {
        m_dialog.reset();
        QDir::setCurrent(m_previousDir);
        QVERIFY(m_prompts.allShown());
    }

    // Runs first: no other case may have loaded the engine before.
    void webEngineLoadsWithTheFirstBrowserOnly()
    {
        QVERIFY(!webEngineLoaded());
        QString caption;
        closeDialogWhenShown(caption, "About Chimewise");
        m_dialog->onCommand(Command::About);
        QCOMPARE(caption, QString("About Chimewise"));
        QVERIFY(!webEngineLoaded());

        QFile help("Chime_Wise.html");
        QVERIFY(help.open(QIODevice::WriteOnly) && help.write("<title>Guide</title>Guide") > 0);
        help.close();
        closeDialogWhenShown(caption);
        m_dialog->onCommand(Command::Help);
        QCOMPARE(caption, QString("Guide -- Norvik "));
        QVERIFY(webEngineLoaded());
        QVERIFY(m_shell.opened.isEmpty());
    }

    // The footer is drawn in rows 179 to 196 of the surface.
    void footerBandOpensTheEmailLink_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("on the text") << QPoint(146, 188) << Qt::LeftButton << true;
        QTest::newRow("left of the text, top row") << QPoint(2, 179) << Qt::LeftButton << true;
        QTest::newRow("right of the text, bottom row") << QPoint(290, 196) << Qt::LeftButton << true;
        QTest::newRow("above the band") << QPoint(146, 178) << Qt::LeftButton << false;
        QTest::newRow("below the band") << QPoint(146, 197) << Qt::LeftButton << false;
        QTest::newRow("right button") << QPoint(146, 188) << Qt::RightButton << false;
    }

    void footerBandOpensTheEmailLink()
    {
        QFETCH(QPoint, point);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        auto *surface = m_dialog->findChild<ClockSurface *>();
        m_dialog->restoreAndRaise();
        if (button == Qt::RightButton) // the right click's popup
            QTimer::singleShot(0, [] { if (QWidget *popup = QApplication::activePopupWidget()) popup->close(); });
        QTest::mouseClick(surface, button, {}, point);
        QCOMPARE(m_shell.opened, opens ? QStringList{kEmailLink} : QStringList());
    }

    void handOverTheFooterText()
    {
        auto *surface = m_dialog->findChild<ClockSurface *>();
        m_dialog->restoreAndRaise();
        QTRY_VERIFY(!surface->footerBounds().isNull()); // painted
        moveTo(surface, QPoint(146, 188));
        QCOMPARE(surface->cursor().shape(), Qt::PointingHandCursor);
        moveTo(surface, QPoint(2, 188)); // in the band, beside the text
        QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
    }

private:
    const QString m_previousDir = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_dir;
    VirtualTimeSource m_time;
    ScriptedPrompts m_prompts;
    RecordingShellOpener m_shell;
    RecordingSoundDevice m_sound;
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<DataSource> m_data;
    std::unique_ptr<ClockDialog> m_dialog;
};

QTEST_MAIN(TestClockLinks)
#include "tst_clocklinks.moc"
