#include "events/evententry.h"

#include "core/fieldinput.h"
#include "core/promptservice.h"
#include "events/eventrules.h"
#include "events/eventstore.h"
#include "timetext/timeofday.h"
#include "timetext/localdigits.h"
#include <QCoreApplication>

namespace {

const char kSoundCaption[] = QT_TRANSLATE_NOOP("EventEntry", "Music or Voice for Reminder");

bool ask(PromptService &prompts, const QString &question, const QString &caption)
{
    return prompts.messageBox(question, caption, PromptService::Buttons::YesNo,
                              PromptService::Icon::Question)
           == PromptService::Answer::Yes;
}

// An empty path is fine once the user says no sound is wanted.
bool soundFileAccepted(const QString &path, PromptService &prompts)
{
    if (path.isEmpty())
        return !ask(prompts, QCoreApplication::translate("EventEntry", "Do you want a music or voice message to remind your event?"), QCoreApplication::translate("EventEntry", kSoundCaption));
    if (isEventSoundFile(path))
        return true;
    warn(prompts,
         QCoreApplication::translate("EventEntry", "Music/voice file can not be fond\nOr,\n The file may not be a WAVEFORM audio (.wav) file"),
         QCoreApplication::translate("EventEntry", kSoundCaption));
    return false;
}

bool updateAccepted(PromptService &prompts)
{
    return ask(prompts,
               QCoreApplication::translate("EventEntry", "Event with same date, time, and title is already in database\n\n"
                                                         "Do you want to update the previoud one?"),
               QCoreApplication::translate("EventEntry", "Similar Entry"));
}

bool entryAccepted(const EventEntry &entry, int eventMinutes, const QDate &today, PromptService &prompts)
{
    if (eventMinutes == kNoTime) {
        warn(prompts,
             QCoreApplication::translate("EventEntry", "Your entered time %1 evaluates to %2\nPlease correct it")
                 .arg(entry.timeText)
                 .arg(kNoTime),
             QCoreApplication::translate("EventEntry", "Event Time"));
        return false;
    }
    if (entry.date < today) {
        warn(prompts,
             QCoreApplication::translate("EventEntry", "Better not to schedule for past days[%1]")
                 .arg(localDigits(QString::asprintf("%02d/%02d/%d", entry.date.day(), entry.date.month(),
                                                    entry.date.year()))),
             QCoreApplication::translate("EventEntry", "Event Date"));
        return false;
    }
    if (entry.title.isEmpty() || entry.message.isEmpty()) {
        warn(prompts, QCoreApplication::translate("EventEntry", "You should put something for \nthe title of the event and a message for the event"),
             QCoreApplication::translate("EventEntry", "Title or Message"));
        return false;
    }
    return soundFileAccepted(entry.file.trimmed(), prompts);
}

} // namespace

EventEntry newEventEntry(const QDate &today, int nowMinutes)
{
    const int minutes = nowMinutes + 15;
    EventEntry entry;
    entry.date = minutes >= 1440 ? today.addDays(1) : today;
    entry.timeText = formatTimeOfDay12(minutes % 1440);
    return entry;
}

bool storeEventEntry(EventEntry entry, const QDate &today, const EventStore &store,
                     PromptService &prompts)
{
    const int eventMinutes = parseTimeOfDay(entry.timeText);
    if (!entryAccepted(entry, eventMinutes, today, prompts))
        return false;

    EventRow row;
    row.date = entry.date;
    row.time = eventMinutes;
    row.title = entry.title;
    row.message = entry.message;
    row.playFile = entry.file.trimmed().isEmpty() ? QString(" ") : entry.file.trimmed();
    row.reminder = firstReminder(entry.date, eventMinutes, entry.leadMinutes);
    row.interval = entry.intervalMinutes;

    DbSession session = store.openSession();
    const DbResult<bool> similar = store.exists(session, row.key());
    if (!reportDbError(similar, prompts))
        return false;
    if (similar.value())
        return updateAccepted(prompts) && reportDbError(store.update(session, row), prompts);
    const DbStatus inserted = store.insert(session, row);
    if (inserted.ok())
        return true;
    // Another clock stored the same event since: the key's unique index refused this one.
    const DbResult<bool> raced = store.exists(session, row.key());
    if (raced.ok() && raced.value())
        return updateAccepted(prompts) && reportDbError(store.update(session, row), prompts);
    return reportDbError(inserted, prompts);
}
