#include "app/commandline.h"

#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("detail"); // in the text, the say arguments or the file
        using A = CommandLine::Action;
        QTest::newRow("none") << QStringList{} << A::StartClock << "";
        QTest::newRow("--help") << QStringList{"--help"} << A::Help << "--export-events <FILE.ics>";
        QTest::newRow("-h") << QStringList{"-h"} << A::Help << "--say <HH:MM>";
        QTest::newRow("--version") << QStringList{"--version"} << A::Version << "chimewise 3.";
        QTest::newRow("--say") << QStringList{"--say", "09:15"} << A::Say << "chimewise --say 09:15";
        QTest::newRow("--say --english") << QStringList{"--say", "09:15", "--english"} << A::Say
                                         << "chimewise --say 09:15 --english";
        QTest::newRow("--bangla first") << QStringList{"--bangla", "--say=21:00"} << A::Say
                                        << "chimewise --say 21:00 --bangla";
        QTest::newRow("--import") << QStringList{"--import", "a b.ics"} << A::Import << "a b.ics";
        QTest::newRow("--export-events") << QStringList{"--export-events", "out.ics"} << A::ExportEvents
                                         << "out.ics";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << A::Wrong << "Unknown option 'frobnicate'";
        QTest::newRow("missing value") << QStringList{"--import"} << A::Wrong << "Missing value after '--import'";
        QTest::newRow("two commands") << QStringList{"--version", "--say", "09:15"} << A::Wrong << "give one of";
        QTest::newRow("language alone") << QStringList{"--english"} << A::Wrong << "go with --say";
        QTest::newRow("both languages") << QStringList{"--say", "09:15", "--english", "--bangla"} << A::Wrong
                                        << "not both";
        QTest::newRow("stray argument") << QStringList{"09:15"} << A::Wrong << "unexpected argument \"09:15\"";
    }

    void parse()
    {
        QFETCH(QStringList, options);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, detail);

        const CommandLine line = CommandLine::parse(QStringList{"chimewise"} + options);

        QCOMPARE(line.action, action);
        switch (action) {
        case CommandLine::Action::Say:
            QCOMPARE(line.say.join(' '), detail);
            break;
        case CommandLine::Action::Import:
        case CommandLine::Action::ExportEvents:
            QCOMPARE(line.file, detail);
            break;
        case CommandLine::Action::Wrong:
            // The problem first, then the usage to mend it by.
            QVERIFY2(line.text.startsWith("chimewise: ") && line.text.contains(detail), qPrintable(line.text));
            QVERIFY(line.text.contains("--help"));
            break;
        default:
            QVERIFY2(line.text.contains(detail), qPrintable(line.text));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
