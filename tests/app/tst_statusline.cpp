#include "app/statusline.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

namespace {

// A window holding one status line, as the main dialog's form places it.
struct ShownLine
{
    QWidget window;
    StatusLine *line = new StatusLine(&window);

    explicit ShownLine(const QString &text)
    {
        window.setFixedSize(285, 22);
        line->setGeometry(5, 5, 275, 12);
        line->setText(text);
        window.show();
    }
    // What the screen shows, after the repaints that the last changes asked for.
    QImage onScreen()
    {
        QCoreApplication::processEvents();
        return QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage();
    }
};

// Columns of the line's area that hold a dark pixel.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = image.width(), last = -1;
    for (int y = 5; y < 17; ++y) {
        for (int x = 5; x < 280; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class TestStatusLine : public QObject
{
    Q_OBJECT

private slots:
    // Changed piece by piece, the line shows exactly what it shows when drawn
    // afresh with the last text: no stale digits, nothing shifted.
    void showsWhatAFreshLineShows_data()
    {
        QTest::addColumn<QStringList>("texts");
        // From the third text on, only the end of the line is laid out and repainted.
        QTest::newRow("seconds") << QStringList{"Mon Dec 07 11:15:01 2026", "Mon Dec 07 11:15:02 2026",
                                                "Mon Dec 07 11:15:03 2026"};
        QTest::newRow("seconds, then the minute turns")
            << QStringList{"Mon Dec 07 11:15:57 2026", "Mon Dec 07 11:15:58 2026", "Mon Dec 07 11:15:59 2026",
                           "Mon Dec 07 11:16:00 2026", "Mon Dec 07 11:16:01 2026", "Mon Dec 07 11:16:02 2026"};
        QTest::newRow("the day turns, a narrower weekday")
            << QStringList{"Wed Dec 09 23:59:58 2026", "Wed Dec 09 23:59:59 2026", "Thu Dec 10 00:00:00 2026",
                           "Thu Dec 10 00:00:01 2026", "Thu Dec 10 00:00:02 2026"};
        QTest::newRow("wide digits, then narrow ones")
            << QStringList{"Mon Dec 07 11:15:07 2026", "Mon Dec 07 11:15:08 2026", "Mon Dec 07 11:15:11 2026"};
        QTest::newRow("a shorter text") << QStringList{"Mon Dec 07 11:15:02 2026", "Mon Dec 07 11:15"};
        QTest::newRow("a longer text") << QStringList{"Msg", "Mon Dec 07 11:15:02 2026"};
        QTest::newRow("text beyond ASCII and back")
            << QStringList{"Mon Dec 07 11:15:02 2026", "সময় 11:15:03", "Mon Dec 07 11:15:04 2026"};
        QTest::newRow("nothing in common") << QStringList{"Mon Dec 07 11:15:02 2026", "Database busy"};
    }
    void showsWhatAFreshLineShows()
    {
        QFETCH(QStringList, texts);
        ShownLine changed(texts.first());
        QVERIFY(QTest::qWaitForWindowExposed(&changed.window));
        changed.onScreen();
        for (const QString &text : texts.mid(1)) {
            changed.line->setText(text);
            changed.onScreen();
        }

        ShownLine fresh(texts.last());
        QVERIFY(QTest::qWaitForWindowExposed(&fresh.window));
        const QImage expected = fresh.onScreen();
        QCOMPARE(changed.onScreen(), expected);

        // The text is there, centred in its area.
        const auto [first, last] = inkColumns(expected);
        QVERIFY2(last > first, "no text drawn");
        QVERIFY2(qAbs((first - 5) - (279 - last)) <= 3,
                 qPrintable(QString("ink from %1 to %2 is not centred").arg(first).arg(last)));
    }

    void followsTheFont()
    {
        ShownLine changed("Mon Dec 07 11:15:02 2026");
        QVERIFY(QTest::qWaitForWindowExposed(&changed.window));
        const auto [narrowFirst, narrowLast] = inkColumns(changed.onScreen());
        QFont bold = changed.line->font();
        bold.setPixelSize(11);
        bold.setBold(true);
        changed.line->setFont(bold);
        changed.line->setText("Mon Dec 07 11:15:03 2026");

        ShownLine fresh("Mon Dec 07 11:15:03 2026");
        fresh.line->setFont(bold);
        QVERIFY(QTest::qWaitForWindowExposed(&fresh.window));
        const QImage expected = fresh.onScreen();
        QCOMPARE(changed.onScreen(), expected);
        const auto [boldFirst, boldLast] = inkColumns(expected);
        QVERIFY(boldLast - boldFirst != narrowLast - narrowFirst);
    }
};

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
