#include "support/recordingsounddevice.h"
#include "voice/timeannouncer.h"
#include "voice/voicetables.h"

#include <QTest>

namespace {

const QString kRecording = "/opt/Talking Clock/tolvex.wav";

VoiceTable language(int english)
{
    VoiceTables voice;
    voice.selectVoiceLanguage(english);
    return voice.current();
}

QString play(const VoiceSegment &segment)
{
    return QString("play mysound from %1 to %2 wait").arg(segment.from).arg(segment.to);
}

} // namespace

class TestTimeAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    void speaksFiveSegmentsInOrder_data()
    {
        QTest::addColumn<int>("english");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QList<int>>("indexes"); // zone, hour, quarter, AM/PM
        for (const int english : {0, 1}) {
            const char *language = english ? "English" : "Bangla";
            QTest::addRow("%s 00:00", language) << english << 0 << 0 << QList<int>{5, 0, 0, 0};
            QTest::addRow("%s 12:30", language) << english << 12 << 30 << QList<int>{2, 0, 2, 1};
            QTest::addRow("%s 17:45", language) << english << 17 << 45 << QList<int>{3, 5, 3, 1};
            QTest::addRow("%s 04:15", language) << english << 4 << 15 << QList<int>{0, 4, 1, 0};
            QTest::addRow("%s 03:59", language) << english << 3 << 59 << QList<int>{5, 3, 3, 0};
            QTest::addRow("%s 19:00", language) << english << 19 << 0 << QList<int>{4, 7, 0, 1};
            QTest::addRow("%s 11:44", language) << english << 11 << 44 << QList<int>{1, 11, 2, 0};
        }
    }

    void speaksFiveSegmentsInOrder()
    {
        QFETCH(int, english);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QList<int>, indexes);
        const VoiceTable table = language(english);
        RecordingSoundDevice device;

        announceTime(device, table, hour, minute, kRecording);

        QCOMPARE(device.sent, QStringList({
                                  "open \"/opt/Talking Clock/tolvex.wav\" type waveaudio alias mysound buffer 6 ",
                                  "set mysound time format ms wait",
                                  play(table.starter),
                                  play(table.zone[indexes[0]]),
                                  play(table.hour[indexes[1]]),
                                  play(table.min[indexes[2]]),
                                  play(table.ampm[indexes[3]]),
                                  "close mysound wait",
                              }));
    }

    void englishNineFifteenPlaysTheDefaultStretches()
    {
        RecordingSoundDevice device;
        announceTime(device, language(1), 9, 15, kRecording);
        QCOMPARE(device.sent.mid(2, 5), QStringList({
                                            "play mysound from 44414 to 45324 wait",
                                            "play mysound from 0 to 0 wait",
                                            "play mysound from 39530 to 40070 wait",
                                            "play mysound from 41572 to 42187 wait",
                                            "play mysound from 43356 to 43953 wait",
                                        }));
    }

    void failuresEndTheAnnouncement_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("opens");
        QTest::addColumn<int>("plays");
        QTest::addColumn<QString>("last");
        const QString open = "open \"" + kRecording + "\" type waveaudio alias mysound buffer 6 ";
        QTest::newRow("missing recording: ten opens") << "open" << -1 << 10 << 0 << open;
        QTest::newRow("open succeeds on the tenth try") << "open" << 9 << 10 << 5 << "close mysound wait";
        QTest::newRow("refused segment") << play(language(0).zone[1]) << -1 << 1 << 2 << "close mysound wait";
    }

    void failuresEndTheAnnouncement()
    {
        QFETCH(QString, failing);
        QFETCH(int, times);
        QFETCH(int, opens);
        QFETCH(int, plays);
        QFETCH(QString, last);
        RecordingSoundDevice device;
        device.failCommandsStartingWith(failing, times);
        announceTime(device, language(0), 9, 15, kRecording);
        QCOMPARE(device.sent.filter(QRegularExpression("^open ")).size(), opens);
        QCOMPARE(device.sent.filter(QRegularExpression("^play ")).size(), plays);
        QCOMPARE(device.sent.size(), opens + plays + (plays ? 2 : 0));
        QCOMPARE(device.sent.last(), last);
    }

    void announcementSeconds_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("secondOfDay");
        QTest::addColumn<bool>("speaks");
        QTest::newRow("15 min, midnight") << 0 << 0 << true;
        QTest::newRow("no button, 23:00:00") << -1 << 82800 << false;
    }

    void announcementSeconds()
    {
        QFETCH(int, interval);
        QFETCH(int, secondOfDay);
        QFETCH(bool, speaks);
        QCOMPARE(isAnnouncementSecond(interval, secondOfDay), speaks);
    }
};

QTEST_GUILESS_MAIN(TestTimeAnnouncer)
#include "tst_timeannouncer.moc"
