#include "prayer/timesarguments.h"

#include <QProcess>
#include <QTest>

#include <cmath>

namespace {
const QStringList kDhaka{"--lat", "23:43N", "--lon", "90:25E", "--tz", "6"};
}

class TestTimesArguments : public QObject
{
    Q_OBJECT

private slots:
    void acceptedArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("latitude");      // degrees, north positive
        QTest::addColumn<double>("longitudeWest"); // degrees
        QTest::addColumn<double>("timeZone");
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("year");

        QTest::newRow("defaults") << kDhaka << 23 + 43 / 60.0 << -(90 + 25 / 60.0) << 6.0
                                  << int(FajrMethod::ByAngle) << 2026;
        QTest::newRow("far east, south, quarter-hour zone")
            << QStringList{"--lat", "36:51s", "--lon=174:46E", "--tz", "5.75", "--year", "2004"}
            << -(36 + 51 / 60.0) << -(174 + 46 / 60.0) << 5.75 << int(FajrMethod::ByAngle) << 2004;
        QTest::newRow("date line, whole degrees, interval")
            << QStringList{"--lat", "90N", "--lon", "180W", "--tz", "-12", "--method", "interval"}
            << 90.0 << 180.0 << -12.0 << int(FajrMethod::ByInterval) << 2026;
    }

    void acceptedArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(double, latitude);
        QFETCH(double, longitudeWest);
        QFETCH(double, timeZone);
        QFETCH(int, method);
        QFETCH(int, year);
        const TimesParseResult parsed = parseTimesArguments(arguments, 2026);
        QVERIFY2(parsed.request, qPrintable(parsed.error));
        const PrayerCalcParams &p = parsed.request->params;
        QVERIFY(std::fabs(p.latitude - qDegreesToRadians(latitude)) < 1e-12);
        QVERIFY(std::fabs(p.longitudeWest - qDegreesToRadians(longitudeWest)) < 1e-12);
        QCOMPARE(p.timeZone, timeZone);
        QCOMPARE(int(p.fajrMethod), method);
        QCOMPARE(p.year, year);
    }

    void rejectedArguments_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("named");

        QTest::newRow("latitude above 90") << QStringList{"--lat", "90:01N"} << "--lat";
        QTest::newRow("latitude with E") << QStringList{"--lat", "23:43E"} << "--lat";
        QTest::newRow("longitude above 180") << QStringList{"--lon", "181:00E"} << "--lon";
        QTest::newRow("60 minutes") << QStringList{"--lon", "90:60E"} << "--lon";
        QTest::newRow("zone beyond 12") << QStringList{"--tz", "12.5"} << "--tz";
        QTest::newRow("zone not a number") << QStringList{"--tz", "six"} << "--tz";
        QTest::newRow("unknown method") << QStringList{"--method", "moon"} << "--method";
        QTest::newRow("asr factor 3") << QStringList{"--asr", "3"} << "--asr";
        QTest::newRow("interval above 60") << QStringList{"--interval", "61"} << "--interval";
        QTest::newRow("year outside the theory") << QStringList{"--year", "2100"} << "--year";
        QTest::newRow("value missing") << QStringList{"--angle"} << "--angle";
        QTest::newRow("unknown option") << QStringList{"--latitude", "1"} << "--latitude";
    }

    void rejectedArguments()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, named);
        // Later values replace the valid ones given first.
        const TimesParseResult parsed = parseTimesArguments(kDhaka + extra, 2026);
        QVERIFY(!parsed.request);
        QVERIFY2(parsed.error.startsWith(named + ":"), qPrintable(parsed.error));
    }

    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("named"); // the option the error names

        QTest::newRow("Dhaka 2002") << kDhaka + QStringList{"--year", "2002", "--clock"} << 0 << "";
        QTest::newRow("latitude missing") << QStringList{"--lon", "90:25E", "--tz", "6"} << 2 << "--lat";
        QTest::newRow("bad zone") << kDhaka + QStringList{"--tz", "13"} << 2 << "--tz";
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, named);
        QProcess program;
        program.start(CHIMEWISE_TIMES, arguments);
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), exitCode);
        const QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        if (exitCode != 0) {
            QVERIFY(lines.isEmpty());
            QVERIFY2(error.contains(named + ":"), qPrintable(error));
            return;
        }
        QCOMPARE(lines.size(), 366);
        QCOMPARE(lines[0], "day,fajr,zohor,asr,magreb,isha");
        QCOMPARE(lines[1], "1,05:20,12:02,15:03,17:23,18:43");
        QVERIFY(lines[365].startsWith("365,"));
    }
};

QTEST_GUILESS_MAIN(TestTimesArguments)
#include "tst_timesarguments.moc"
