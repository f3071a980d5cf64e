#include "events/calendarcommands.h"

#include "core/promptservice.h"
#include "events/calendarimport.h"
#include "events/eventexport.h"

#include <QTextStream>
#include <QCoreApplication>

namespace {

PromptService::FileChoice calendarFiles()
{
    return {"ics", "Chimewise.ics",
            QCoreApplication::translate("CalendarCommands", "Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||")};
}

int finish(const CalendarOutcome &outcome, QTextStream &out, QTextStream &err)
{
    (outcome.done ? out : err) << outcome.text << Qt::endl;
    return outcome.done ? 0 : 1;
}

void tell(const CalendarOutcome &outcome, const QString &caption, PromptService &prompts)
{
    prompts.messageBox(outcome.text, caption, PromptService::Buttons::Ok,
                       outcome.done ? PromptService::Icon::Information : PromptService::Icon::Warning);
}

} // namespace

int runImportCommand(const QString &path, const EventStore &store, const CalendarImportSettings &settings,
                     qint64 now, QTextStream &out, QTextStream &err)
{
    return finish(importEventCalendar(path, store, settings, now), out, err);
}

int runExportCommand(const QString &path, const EventStore &store, qint64 now, QTextStream &out,
                     QTextStream &err)
{
    return finish(exportEventCalendar(path, store, now), out, err);
}

void importCalendarFromMenu(const EventStore &store, const CalendarImportSettings &settings, qint64 now,
                            PromptService &prompts)
{
    PromptService::FileChoice choice = calendarFiles();
    choice.initialName = "*.ics";
    const QString path = prompts.openFile(choice);
    if (!path.isEmpty())
        tell(importEventCalendar(path, store, settings, now), QCoreApplication::translate("CalendarCommands", "Import Calendar"), prompts);
}

void exportCalendarFromMenu(const EventStore &store, qint64 now, PromptService &prompts)
{
    const QString path = prompts.saveFile(calendarFiles());
    if (!path.isEmpty())
        tell(exportEventCalendar(path, store, now), QCoreApplication::translate("CalendarCommands", "Export Calendar"), prompts);
}
