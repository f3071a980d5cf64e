#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program. Any option is a command of its
// own that prints or acts and ends without starting a clock; with none, the
// clock starts.
struct CommandLine
{
    enum class Action { StartClock, Help, Version, Say, Import, ExportEvents, Wrong };

    Action action = Action::StartClock;
    QString text;      // Help: the usage; Version: the version line; Wrong: what was wrong, then the usage
    QStringList say;   // Say: the arguments as the say command takes them
    QString file;      // Import, ExportEvents: the calendar file

    // arguments: as QCoreApplication::arguments() gives them.
    static CommandLine parse(const QStringList &arguments);
};
