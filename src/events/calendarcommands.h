#pragma once

#include <QString>

class EventStore;
class PromptService;
class QTextStream;
struct CalendarImportSettings;

// Events in from and out to other calendars, as the command line asks:
// `chimewise --import FILE.ics` and `chimewise --export-events FILE.ics`.
// 0 when done, with the report on `out`; 1 when not, with the reason on `err`.
int runImportCommand(const QString &path, const EventStore &store, const CalendarImportSettings &settings,
                     qint64 now, QTextStream &out, QTextStream &err);
int runExportCommand(const QString &path, const EventStore &store, qint64 now, QTextStream &out,
                     QTextStream &err);

// The same from the menu: "Import Calendar…" and "Export Calendar…" ask for
// the file and tell the outcome in a message.
void importCalendarFromMenu(const EventStore &store, const CalendarImportSettings &settings, qint64 now,
                            PromptService &prompts);
void exportCalendarFromMenu(const EventStore &store, qint64 now, PromptService &prompts);
