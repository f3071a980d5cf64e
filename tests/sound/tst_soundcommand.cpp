#include "sound/soundcommand.h"

#include <QTest>

namespace {

// Every field of a parsed command in one line, so rows can say what they expect.
QString describe(const SoundCommand &command)
{
    static const char *const verbs[] = {"open", "set", "status", "play",
                                        "record", "stop", "save", "close"};
    static const char *const items[] = {"", " length", " position", " mode"};
    QString text = QLatin1String(verbs[int(command.verb)]) + u' ' + command.alias;
    if (command.newRecording)
        text += QStringLiteral(" new");
    if (!command.path.isEmpty())
        text += QStringLiteral(" path=") + command.path;
    text += QLatin1String(items[int(command.item)]);
    if (command.from)
        text += QStringLiteral(" from=%1").arg(*command.from);
    if (command.to)
        text += QStringLiteral(" to=%1").arg(*command.to);
    if (command.bitsPerSample)
        text += QStringLiteral(" bits=%1").arg(*command.bitsPerSample);
    if (command.channels)
        text += QStringLiteral(" channels=%1").arg(*command.channels);
    if (command.samplesPerSecond)
        text += QStringLiteral(" rate=%1").arg(*command.samplesPerSecond);
    if (command.wait)
        text += QStringLiteral(" wait");
    return text;
}

} // namespace

class TestSoundCommand : public QObject
{
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed");

        QTest::newRow("open, path with blanks, trailing blank")
            << "open \"/opt/my clock/tolvex.wav\" type waveaudio alias mysound buffer 6 "
            << "open mysound path=/opt/my clock/tolvex.wav";
        QTest::newRow("open and wait")
            << "open \"/tmp/a.wav\" type waveaudio alias essound buffer 6 wait"
            << "open essound path=/tmp/a.wav wait";
        QTest::newRow("recording format")
            << "set essound time format ms bitspersample 8 channels 1 samplespersec 11025 wait"
            << "set essound bits=8 channels=1 rate=11025 wait";
        QTest::newRow("stretch and wait")
            << "play mysound from 44414 to 45324 wait" << "play mysound from=44414 to=45324 wait";
        QTest::newRow("save") << "save essound \"/home/u/voice note.wav\""
                              << "save essound path=/home/u/voice note.wav";
        QTest::newRow("keywords in any case")
            << "PLAY MySound FROM 1 To 2 Wait" << "play MySound from=1 to=2 wait";
        QTest::newRow("tabs and runs of blanks") << "\tclose   mysound\t wait  " << "close mysound wait";
    }

    void parses()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        const auto command = SoundCommand::parse(text);
        QVERIFY(command);
        QCOMPARE(describe(*command), parsed);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("unknown verb") << "jump mysound";
        QTest::newRow("no alias") << "play";
        QTest::newRow("from without a number") << "play a from";
        QTest::newRow("negative position") << "play a from -1";
        QTest::newRow("number with letters") << "play a from 12x";
        QTest::newRow("too many digits") << "play a from 1234567890";
        QTest::newRow("unknown option") << "play a for 3";
        QTest::newRow("status without item") << "status a";
        QTest::newRow("unknown status item") << "status a volume";
        QTest::newRow("unterminated quote") << "open \"/tmp/a.wav type waveaudio alias a";
        QTest::newRow("other device type") << "open \"a.avi\" type avivideo alias a";
        QTest::newRow("open without alias") << "open \"a.wav\" type waveaudio buffer 6";
        QTest::newRow("empty path") << "open \"\" type waveaudio alias a";
        QTest::newRow("record and wait") << "record a wait";
        QTest::newRow("save without path") << "save a";
        QTest::newRow("close with junk") << "close a now";
        QTest::newRow("time format in frames") << "set a time format frames";
        QTest::newRow("setting without value") << "set a bitspersample";
    }

    void rejects()
    {
        QFETCH(QString, text);
        QVERIFY(!SoundCommand::parse(text));
    }
};

QTEST_APPLESS_MAIN(TestSoundCommand)
#include "tst_soundcommand.moc"
