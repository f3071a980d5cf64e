#include "support/recordingsounddevice.h"
#include "voice/saycommand.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestSayCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    void recognisesTheOption()
    {
        QVERIFY(isSayCommand({"chimewise", "--say", "09:15"}));
        QVERIFY(!isSayCommand({"chimewise"}));
        QVERIFY(!isSayCommand({"chimewise", "09:15", "--say"}));
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("storedEnglish");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // the hour played, or what the error names
        QTest::newRow("--english") << QStringList{"09:15", "--english"} << 0 << 0
                                   << "play mysound from 39530 to 40070 wait";
        QTest::newRow("--bangla") << QStringList{"09:15", "--bangla"} << 1 << 0
                                  << "play mysound from 11276 to 12276 wait";
        QTest::newRow("stored language") << QStringList{"21:15"} << 1 << 0
                                         << "play mysound from 39530 to 40070 wait";
        QTest::newRow("no time") << QStringList{} << 0 << 2 << "usage";
        QTest::newRow("not a time") << QStringList{"9.15"} << 0 << 2 << "\"9.15\"";
        QTest::newRow("hour 24") << QStringList{"24:00"} << 0 << 2 << "\"24:00\"";
        QTest::newRow("unknown language") << QStringList{"09:15", "--french"} << 0 << 2 << "--french";
    }

    void run()
    {
        QFETCH(QStringList, options);
        QFETCH(int, storedEnglish);
        QFETCH(int, status);
        QFETCH(QString, expected);
        RecordingSoundDevice device;
        QString errors;
        QTextStream err(&errors);

        QCOMPARE(runSayCommand(QStringList{"chimewise", "--say"} + options, storedEnglish, device, err), status);
        if (status != 0) {
            QVERIFY2(errors.contains(expected), qPrintable(errors));
            QVERIFY(device.sent.isEmpty());
            return;
        }
        QVERIFY(errors.isEmpty());
        QVERIFY(device.sent.first().endsWith("/tolvex.wav\" type waveaudio alias mysound buffer 6 "));
        QCOMPARE(device.sent.at(4), expected);
        QCOMPARE(device.sent.last(), QString("close mysound wait"));
    }

private:
    QTemporaryDir m_dir; // a current directory without a voice definition
    QString m_previousDir;
};

QTEST_GUILESS_MAIN(TestSayCommand)
#include "tst_saycommand.moc"
