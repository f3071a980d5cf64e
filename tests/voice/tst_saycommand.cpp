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
    void initTestCase();
    void cleanupTestCase();
    void recognisesTheOption();
    void speaksTheGivenTime_data();
    void speaksTheGivenTime();
    void refusesWhatItCannotUse_data();
    void refusesWhatItCannotUse();

private:
    QTemporaryDir m_dir; // a current directory without a voice definition
    QString m_previousDir;
};

void TestSayCommand::initTestCase()
{
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestSayCommand::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
}

void TestSayCommand::recognisesTheOption()
{
    QVERIFY(IsSayCommand({"chimewise", "--say", "09:15"}));
    QVERIFY(!IsSayCommand({"chimewise"}));
    QVERIFY(!IsSayCommand({"chimewise", "09:15", "--say"}));
}

void TestSayCommand::speaksTheGivenTime_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("storedEnglish");
    QTest::addColumn<QString>("hourPlayed");
    QTest::newRow("--english") << QStringList{"09:15", "--english"} << 0
                               << "play mysound from 39530 to 40070 wait";
    QTest::newRow("--bangla") << QStringList{"09:15", "--bangla"} << 1
                              << "play mysound from 11276 to 12276 wait";
    QTest::newRow("stored language") << QStringList{"21:15"} << 1
                                     << "play mysound from 39530 to 40070 wait";
}

void TestSayCommand::speaksTheGivenTime()
{
    QFETCH(QStringList, options);
    QFETCH(int, storedEnglish);
    QFETCH(QString, hourPlayed);
    RecordingSoundDevice device;
    QString errors;
    QTextStream err(&errors);

    const int status =
        RunSayCommand(QStringList{"chimewise", "--say"} + options, storedEnglish, device, err);

    QCOMPARE(status, 0);
    QVERIFY(errors.isEmpty());
    QVERIFY(device.sent.first().endsWith("/tolvex.wav\" type waveaudio alias mysound buffer 6 "));
    QCOMPARE(device.sent.at(4), hourPlayed);
    QCOMPARE(device.sent.last(), QString("close mysound wait"));
}

void TestSayCommand::refusesWhatItCannotUse_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("named");
    QTest::newRow("no time") << QStringList{} << "usage";
    QTest::newRow("not a time") << QStringList{"9.15"} << "\"9.15\"";
    QTest::newRow("hour 24") << QStringList{"24:00"} << "\"24:00\"";
    QTest::newRow("unknown language") << QStringList{"09:15", "--french"} << "--french";
}

void TestSayCommand::refusesWhatItCannotUse()
{
    QFETCH(QStringList, options);
    QFETCH(QString, named);
    RecordingSoundDevice device;
    QString errors;
    QTextStream err(&errors);
    QCOMPARE(RunSayCommand(QStringList{"chimewise", "--say"} + options, 0, device, err), 2);
    QVERIFY2(errors.contains(named), qPrintable(errors));
    QVERIFY(device.sent.isEmpty());
}

QTEST_GUILESS_MAIN(TestSayCommand)
#include "tst_saycommand.moc"
