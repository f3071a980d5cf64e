#include "core/timesource.h"
#include "support/scopedtimezone.h"
#include "timetext/angletext.h"
#include "timetext/clocktext.h"
#include "timetext/timeofday.h"

#include <QTest>

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void parseTimeOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes");

        QTest::newRow("lower-case suffix") << "12:30am" << 30;
        QTest::newRow("hour 0 with AM") << "00:15 AM" << 15;
        QTest::newRow("hour 0 with PM is refused") << "00:15 PM" << -1;
        QTest::newRow("13 without suffix") << "13:00" << 780;
        QTest::newRow("13 with AM stays") << "13:00 AM" << 780;
        QTest::newRow("13 with PM is 25 hours") << "13:00 PM" << -1;
        QTest::newRow("no blank before PM") << "09:30PM" << 1290;
        QTest::newRow("anything before the suffix") << "09:30xxAM" << 570;
        QTest::newRow("unknown suffix") << "09:30 XY" << -1;
        QTest::newRow("blanks and tabs around") << "\t 09:30 \n" << 570;
        QTest::newRow("one-digit hour") << "9:30" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("colon elsewhere") << "093:0" << -1;
        QTest::newRow("second colon after the first") << "09:3:" << 543;
        QTest::newRow("hour 24") << "24:00" << -1;
        QTest::newRow("minute 60") << "23:60" << -1;
        QTest::newRow("letters only") << "ab:cd" << -1;
        QTest::newRow("digits up to a letter") << "1a:30" << 90;
        QTest::newRow("five characters ending in a suffix") << "12:AM" << 0;
        QTest::newRow("negative hour") << "-1:30" << -1;
        QTest::newRow("negative minute") << "01:-5" << -1;
        QTest::newRow("plus sign") << "+1:30" << -1;
    }

    void parseTimeOfDay()
    {
        QFETCH(QString, text);
        QFETCH(int, minutes);
        QCOMPARE(::parseTimeOfDay(text), minutes);
    }

    // Every minute of the day reads back as written; these rows pin the text itself.
    void formatTimeOfDay12_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");

        QTest::newRow("midnight") << 0 << "12:00 AM";
        QTest::newRow("morning") << 545 << "09:05 AM";
        QTest::newRow("last minute") << 1439 << "11:59 PM";
        QTest::newRow("1440 wraps to midnight") << 1440 << "12:00 AM";
        QTest::newRow("beyond a day keeps AM") << 1500 << "01:00 AM";
    }

    void formatTimeOfDay12()
    {
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(::formatTimeOfDay12(minutes), text);
    }

    void parseReadsWhatFormatWrites()
    {
        for (int minutes = 0; minutes < 1440; ++minutes)
            QCOMPARE(::parseTimeOfDay(::formatTimeOfDay12(minutes)), minutes);
    }

    void dateTimeLine_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("calendar");
        QTest::addColumn<QString>("line");

        // 2026-12-05 15:07:16 UTC in a half-hour zone.
        QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata") << qint64(1796483236) << "Sat Dec 05 20:37:16 2026";
        // 2024-02-29 00:00:05 in Dhaka: a leap day just after midnight.
        QTest::newRow("leap day") << QByteArray("Asia/Dhaka") << qint64(1709143205) << "Thu Feb 29 00:00:05 2024";
        // 2026-03-29 01:00:00 UTC: London has just moved to summer time.
        QTest::newRow("London after DST") << QByteArray("Europe/London") << qint64(1774746000)
                                          << "Sun Mar 29 02:00:00 2026";
        QTest::newRow("London before DST") << QByteArray("Europe/London") << qint64(1774745999)
                                           << "Sun Mar 29 00:59:59 2026";
    }

    void dateTimeLine()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, calendar);
        QFETCH(QString, line);
        const ScopedTimeZone tz(zone.constData());
        QCOMPARE(formatDateTimeLine(TimeSource::toLocal(calendar)), line);
    }

    // An angle that can be written reads back as it was given.
    void formatAngleText_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("maxDegrees");
        QTest::addColumn<QString>("text");

        const int lat = kLatitudeMaxDegrees;
        const int lon = kLongitudeMaxDegrees;
        QTest::newRow("latitude") << 23 << 43 << "N" << lat << "23 43 N";
        QTest::newRow("lower-case direction") << 5 << 7 << "n" << lat << "05 07 N";
        QTest::newRow("longitude of 120") << 120 << 59 << "E" << lon << "120 59 E";
        QTest::newRow("longitude of 180") << 180 << 0 << "w" << lon << "180 00 W";
        QTest::newRow("latitude above 90") << 91 << 0 << "N" << lat << "";
        QTest::newRow("longitude above 180") << 181 << 0 << "E" << lon << "";
        QTest::newRow("60 minutes") << 23 << 60 << "N" << lat << "";
        QTest::newRow("no direction") << 23 << 43 << "" << lat << "";
        QTest::newRow("negative degrees") << -1 << 0 << "S" << lat << "";
    }

    void formatAngleText()
    {
        QFETCH(int, degrees);
        QFETCH(int, minutes);
        QFETCH(QString, direction);
        QFETCH(int, maxDegrees);
        QFETCH(QString, text);
        QCOMPARE(::formatAngleText(degrees, minutes, direction, maxDegrees), text);
        if (text.isEmpty())
            return;
        const AngleText angle = ::parseAngleText(text);
        QCOMPARE(int(angle.degrees), degrees);
        QCOMPARE(int(angle.minutes), minutes);
        QCOMPARE(angle.direction, direction.toUpper());
    }

    // What a user may have typed instead, read as "degrees minutes direction".
    void parseAngleText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("angle");

        QTest::newRow("blanks around") << "  90 25 E " << "90 25 E";
        QTest::newRow("single-digit degrees keep two columns") << "5  07 N" << "5 7 N";
        QTest::newRow("too short") << "23 43" << "0 0 ";
    }

    void parseAngleText()
    {
        QFETCH(QString, text);
        QFETCH(QString, angle);
        const AngleText read = ::parseAngleText(text);
        QCOMPARE(QString("%1 %2 %3").arg(read.degrees).arg(read.minutes).arg(read.direction), angle);
    }
};

QTEST_GUILESS_MAIN(TestTimeText)
#include "tst_timetext.moc"
