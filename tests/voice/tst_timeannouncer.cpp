#include "support/recordingsounddevice.h"
#include "voice/timeannouncer.h"
#include "voice/voicetables.h"

#include <QTest>

namespace {

const QString kRecording = "/opt/Talking Clock/tolvex.wav";

VoiceTable Language(int english)
{
    VoiceTables voice;
    voice.SelectVoiceLanguage(english);
    return voice.current();
}

QString Play(const VoiceSegment &segment)
{
    return QString("play mysound from %1 to %2 wait").arg(segment.from).arg(segment.to);
}

} // namespace

class TestTimeAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    void speaksFiveSegmentsInOrder_data();
    void speaksFiveSegmentsInOrder();
    void englishNineFifteenPlaysTheDefaultStretches();
    void missingRecordingGivesUpAfterTenOpens();
    void openThatSucceedsOnARetry();
    void refusedSegmentEndsTheAnnouncement();
    void announcementSeconds_data();
    void announcementSeconds();
};

void TestTimeAnnouncer::speaksFiveSegmentsInOrder_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("hourIndex");
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("amPm");
    for (const int english : {0, 1}) {
        const char *language = english ? "English" : "Bangla";
        QTest::addRow("%s 00:00", language) << english << 0 << 0 << 5 << 0 << 0 << 0;
        QTest::addRow("%s 12:30", language) << english << 12 << 30 << 2 << 0 << 2 << 1;
        QTest::addRow("%s 17:45", language) << english << 17 << 45 << 3 << 5 << 3 << 1;
        QTest::addRow("%s 04:15", language) << english << 4 << 15 << 0 << 4 << 1 << 0;
        QTest::addRow("%s 03:59", language) << english << 3 << 59 << 5 << 3 << 3 << 0;
        QTest::addRow("%s 19:00", language) << english << 19 << 0 << 4 << 7 << 0 << 1;
        QTest::addRow("%s 11:44", language) << english << 11 << 44 << 1 << 11 << 2 << 0;
    }
}

void TestTimeAnnouncer::speaksFiveSegmentsInOrder()
{
    QFETCH(int, english);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, zone);
    QFETCH(int, hourIndex);
    QFETCH(int, quarter);
    QFETCH(int, amPm);
    const VoiceTable table = Language(english);
    RecordingSoundDevice device;

    AnnounceTime(device, table, hour, minute, kRecording);

    const QStringList expected = {
        "open \"/opt/Talking Clock/tolvex.wav\" type waveaudio alias mysound buffer 6 ",
        "set mysound time format ms wait",
        Play(table.starter),
        Play(table.zone[zone]),
        Play(table.hour[hourIndex]),
        Play(table.min[quarter]),
        Play(table.ampm[amPm]),
        "close mysound wait",
    };
    QCOMPARE(device.sent, expected);
}

void TestTimeAnnouncer::englishNineFifteenPlaysTheDefaultStretches()
{
    RecordingSoundDevice device;
    AnnounceTime(device, Language(1), 9, 15, kRecording);
    QCOMPARE(device.sent.mid(2, 5), QStringList({
                                        "play mysound from 44414 to 45324 wait",
                                        "play mysound from 0 to 0 wait",
                                        "play mysound from 39530 to 40070 wait",
                                        "play mysound from 41572 to 42187 wait",
                                        "play mysound from 43356 to 43953 wait",
                                    }));
}

void TestTimeAnnouncer::missingRecordingGivesUpAfterTenOpens()
{
    RecordingSoundDevice device;
    device.failCommandsStartingWith("open");
    AnnounceTime(device, Language(0), 9, 15, kRecording);
    QCOMPARE(device.sent.size(), 10);
    QCOMPARE(device.sent.filter(QRegularExpression("^open ")).size(), 10);
}

void TestTimeAnnouncer::openThatSucceedsOnARetry()
{
    RecordingSoundDevice device;
    device.failCommandsStartingWith("open", 9);
    AnnounceTime(device, Language(0), 9, 15, kRecording);
    QCOMPARE(device.sent.filter(QRegularExpression("^open ")).size(), 10);
    QCOMPARE(device.sent.filter(QRegularExpression("^play ")).size(), 5);
}

void TestTimeAnnouncer::refusedSegmentEndsTheAnnouncement()
{
    const VoiceTable bangla = Language(0);
    RecordingSoundDevice device;
    device.failCommandsStartingWith(Play(bangla.zone[1]));
    AnnounceTime(device, bangla, 9, 15, kRecording);
    QCOMPARE(device.sent.size(), 5);
    QCOMPARE(device.sent.last(), QString("close mysound wait"));
}

void TestTimeAnnouncer::announcementSeconds_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("secondOfDay");
    QTest::addColumn<bool>("speaks");
    QTest::newRow("15 min, midnight") << 0 << 0 << true;
    QTest::newRow("15 min, 09:45:00") << 0 << 35100 << true;
    QTest::newRow("15 min, 09:45:01") << 0 << 35101 << false;
    QTest::newRow("30 min, 09:45:00") << 1 << 35100 << false;
    QTest::newRow("30 min, 09:30:00") << 1 << 34200 << true;
    QTest::newRow("60 min, 09:30:00") << 2 << 34200 << false;
    QTest::newRow("60 min, 23:00:00") << 2 << 82800 << true;
    QTest::newRow("none, 23:00:00") << 3 << 82800 << false;
    QTest::newRow("no button, 23:00:00") << -1 << 82800 << false;
}

void TestTimeAnnouncer::announcementSeconds()
{
    QFETCH(int, interval);
    QFETCH(int, secondOfDay);
    QFETCH(bool, speaks);
    QCOMPARE(IsAnnouncementSecond(interval, secondOfDay), speaks);
}

QTEST_GUILESS_MAIN(TestTimeAnnouncer)
#include "tst_timeannouncer.moc"
