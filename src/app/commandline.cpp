#include "app/commandline.h"

#include <QCommandLineParser>

namespace {

QString versionLine()
{
    return QStringLiteral("chimewise " CHIMEWISE_VERSION "\n");
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Chimewise, a talking clock with prayer times, alarms and event reminders.\n"
                                     "Started without options, the clock starts (or the running one comes "
                                     "to the front).");
    const QCommandLineOption help({"h", "help"}, "Show this help and end.");
    const QCommandLineOption version({"v", "version"}, "Show the version and end.");
    const QCommandLineOption say("say", "Speak the time HH:MM the way the clock would, and end.", "HH:MM");
    const QCommandLineOption english("english", "With --say: speak in English.");
    const QCommandLineOption bangla("bangla", "With --say: speak in Bangla.");
    const QCommandLineOption import("import", "Add the events of a calendar file to the clock's events, and end.",
                                    "FILE.ics");
    const QCommandLineOption exportEvents("export-events", "Write the clock's events into a calendar file, and end.",
                                          "FILE.ics");
    parser.addOptions({help, version, say, english, bangla, import, exportEvents});

    CommandLine line;
    const auto wrong = [&](const QString &problem) {
        line.action = Action::Wrong;
        line.text = "chimewise: " + problem + "\n\n" + parser.helpText();
        return line;
    };
    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return wrong(QString("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst()));

    const QList<const QCommandLineOption *> commands{&help, &version, &say, &import, &exportEvents};
    const auto given = std::count_if(commands.cbegin(), commands.cend(),
                                     [&](const QCommandLineOption *option) { return parser.isSet(*option); });
    if (given > 1)
        return wrong("give one of --help, --version, --say, --import and --export-events");
    if ((parser.isSet(english) || parser.isSet(bangla)) && !parser.isSet(say))
        return wrong("--english and --bangla go with --say");
    if (parser.isSet(english) && parser.isSet(bangla))
        return wrong("give --english or --bangla, not both");

    if (parser.isSet(help)) {
        line.action = Action::Help;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = Action::Version;
        line.text = versionLine();
    } else if (parser.isSet(say)) {
        line.action = Action::Say;
        line.say = QStringList{arguments.value(0), "--say", parser.value(say)};
        if (parser.isSet(english))
            line.say << "--english";
        if (parser.isSet(bangla))
            line.say << "--bangla";
    } else if (parser.isSet(import)) {
        line.action = Action::Import;
        line.file = parser.value(import);
    } else if (parser.isSet(exportEvents)) {
        line.action = Action::ExportEvents;
        line.file = parser.value(exportEvents);
    }
    return line;
}
