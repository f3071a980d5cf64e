#include "events/calendarimport.h"

#include "core/profilesettings.h"
#include "core/timesource.h"
#include "events/eventimport.h"
#include "events/eventstore.h"
#include "events/voicememo.h"
#include "timetext/calendarreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QCoreApplication>

namespace {

// Larger files are not calendars a person keeps.
constexpr qint64 kMostFileBytes = 64 << 20;

QString notImported(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("CalendarImport", "%1 could not be imported: %2. Nothing was stored.").arg(path, reason);
}

// Empty when the file was read into `text`; a FIFO or a device would never end.
QString readFile(const QString &path, QByteArray &text)
{
    const QFileInfo info(path);
    if (!info.exists())
        return notImported(path, QCoreApplication::translate("CalendarImport", "there is no such file"));
    if (!info.isFile())
        return notImported(path, QCoreApplication::translate("CalendarImport", "it is not a file"));
    if (info.size() > kMostFileBytes)
        return notImported(path, QCoreApplication::translate("CalendarImport", "it is too large to be a calendar"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return notImported(path, file.errorString());
    text = file.readAll();
    return {};
}

class Import
{
public:
    Import(const EventStore &store, const CalendarImportSettings &settings, const ImportMoment &moment)
        : m_store(store), m_settings(settings), m_moment(moment), m_session(store.openSession())
    {
    }

    // False when the database refused; the session's transaction is then rolled back.
    DbStatus store(const QList<CalendarEntry> &entries);
    const ImportCounts &counts() const { return m_counts; }

private:
    DbStatus storeOne(const CalendarEntry &entry);
    void restoreMemo(const CalendarEntry &entry, EventRow &row);

    const EventStore &m_store;
    const CalendarImportSettings &m_settings;
    const ImportMoment m_moment;
    DbSession m_session;
    ImportCounts m_counts;
    QStringList m_memosWritten;
};

DbStatus Import::store(const QList<CalendarEntry> &entries)
{
    const DbStatus status = m_session.transaction([this, &entries] {
        for (const CalendarEntry &entry : entries) {
            if (const DbStatus stored = storeOne(entry); !stored.ok())
                return stored;
        }
        return DbStatus();
    });
    if (!status.ok()) {
        for (const QString &memo : std::as_const(m_memosWritten))
            QFile::remove(memo);
    }
    return status;
}

DbStatus Import::storeOne(const CalendarEntry &entry)
{
    std::optional<ImportedEvent> imported = importedEvent(entry, m_moment);
    if (!imported) {
        ++(entry.hasStart ? m_counts.passed : m_counts.noStart);
        return {};
    }
    EventRow &row = imported->row;
    const DbResult<bool> there = m_store.exists(m_session, row.key());
    if (!there.ok())
        return there;
    if (there.value()) {
        ++m_counts.alreadyThere;
        return {};
    }
    restoreMemo(entry, row);
    DbStatus status = m_store.insert(m_session, row);
    if (status.ok() && row.howManyTimes > 0)
        status = m_store.storeReminder(m_session, row);
    if (!status.ok())
        return status;
    ++m_counts.imported;
    m_counts.repeating += entry.repeats;
    m_counts.clamped += imported->clamped;
    m_counts.unknownZone += entry.zoneUnknown;
    return {};
}

// A voice message whose file is not on this machine comes from the calendar.
void Import::restoreMemo(const CalendarEntry &entry, EventRow &row)
{
    const QByteArray memo = entry.extra(kVoiceMemoProperty);
    if (row.hasSound() || memo.isEmpty())
        return;
    QString name;
    for (const CalendarAlarm &alarm : entry.alarms) {
        if (alarm.action == CalendarAlarm::Action::Audio)
            name = QUrl(alarm.attach).fileName();
    }
    const QString path = restoreVoiceMemo(memo, name, m_settings.memoFolder);
    if (path.isEmpty())
        return;
    row.playFile = path;
    m_memosWritten << path;
}

} // namespace

CalendarImportSettings CalendarImportSettings::forUser(const ProfileSettings &profile)
{
    CalendarImportSettings settings;
    settings.allDayMinutes = profile.readAllDayReminder();
    settings.memoFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("Voice memos");
    return settings;
}

CalendarOutcome importEventCalendar(const QString &path, const EventStore &store,
                                    const CalendarImportSettings &settings, qint64 now)
{
    QByteArray text;
    if (const QString fault = readFile(path, text); !fault.isEmpty())
        return {false, fault};
    const LocalTime local = TimeSource::toLocal(now);
    const ImportMoment moment{local.date(), local.hour * 60 + local.minute, settings.allDayMinutes};
    const CalendarReading reading = readCalendar(text, {moment.today, moment.nowMinutes, moment.allDayMinutes});
    if (!reading.error.isEmpty())
        return {false, notImported(path, reading.error) + QCoreApplication::translate("CalendarImport", " Save it again from the program it comes from.")};
    Import import(store, settings, moment);
    const DbStatus stored = import.store(reading.entries);
    if (!stored.ok())
        return {false, notImported(path, stored.errorText())};
    return {true, importReport(import.counts())};
}
