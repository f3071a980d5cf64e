#include "app/desktopshellopener.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTest>

// What reaches the desktop: a local path only ever as a local file, a link as itself.
class TestDesktopShellOpener : public QObject
{
    Q_OBJECT

public slots:
    void take(const QUrl &url) { m_handed << url; }

private slots:
    void handsOver_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("handed");
        const QString here = m_dir.path() + '/';
        QTest::newRow("missing file named like a web address")
            << "example.com/x?y=1" << QUrl::fromLocalFile(here + "example.com/x?y=1");
        QTest::newRow("file named like a link") << "http:song.mp3" << QUrl::fromLocalFile(here + "http:song.mp3");
        QTest::newRow("link") << "https://example.com/a?b=1" << QUrl("https://example.com/a?b=1");
    }

    void handsOver()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, handed);
        QVERIFY(QDir::setCurrent(m_dir.path()) && QFile("http:song.mp3").open(QIODevice::WriteOnly));
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "take");
        QVERIFY(DesktopShellOpener().open(target));
        QCOMPARE(m_handed, QList<QUrl>{handed});
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
        m_handed.clear();
    }

private:
    QTemporaryDir m_dir;
    QList<QUrl> m_handed;
};

QTEST_MAIN(TestDesktopShellOpener)
#include "tst_desktopshellopener.moc"
