#include "prayer/prayerstore.h"

#include "timetext/leadingdecimal.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <QCoreApplication>

namespace {

// Statement texts of the prayer tables; values are bound in the order of the
// '?'. Plain names and standard SQL only, so that each runs as it stands on
// the SQLite file and on a server through ODBC.
const char *const LoadDayRowStatement = "Select * from Naamaz where Days = ? ";
const char *const UpdateDayRowStatement =
    "UPDATE Naamaz SET fajr=?, zohor=?, asr=?, magreb=?, isha=?, jumma=? WHERE Days = ?";
const char *const AnyDayRowsStatement = "Select * from Naamaz ";
const char *const InsertGeneratedDayStatement =
    "INSERT INTO Naamaz (Days, Fajr, Zohor, Asr, Magreb, Isha)VALUES (? , ? , ? , ? , ? , ? ) ";
const char *const UpdateGeneratedDayStatement =
    "UPDATE Naamaz SET Fajr = ? , Zohor = ? , Asr = ? , Magreb = ? , Isha = ?  WHERE Days=? ";
const char *const SelectDayRangeStatement = "Select * from Naamaz where Days >= ? and Days <= ?";
const char *const InsertEmptyDayStatement = "INSERT INTO Naamaz (Days) VALUES (?) ";
// %1 is a column name from prayerColumns(), never user text.
const char *const UpdateOnePrayerStatement = "UPDATE Naamaz  SET %1=? WHERE Days = ? ";
const char *const ListCitiesStatement = "Select * from CITY";
const char *const LoadCityStatement = "Select * from CITY where City = ?";
const char *const CityExistsStatement = "Select * from CITY WHERE City = ?";
const char *const DeleteCityStatement = "DELETE FROM CITY WHERE City =?";
const char *const InsertCityStatement =
    "INSERT INTO CITY (City, longitude, Latitude, FajrByInterval, FajrDepr, Interval, TimeZone, "
    "HasDayLt, ByRatio, Ratio )  VALUES ( ?, ?, ?, ?, ?, ?, ?, ?, ?, ? )";
const char *const SaveCityMethodStatement =
    "UPDATE CITY SET ZoneName = ?, Preset = ?, HighLat = ?, FajrOffset = ?, ZohorOffset = ?, AsrOffset = ?, "
    "MagrebOffset = ?, IshaOffset = ? WHERE City = ?";
constexpr int kMaxOffset = 30;

// Times are read as text, so an empty field reads as 0.
PrayerDayRow readDayRow(const DbRow &row)
{
    PrayerDayRow day;
    day.day = leadingDecimal(row.text(0));
    for (int i = 0; i < PrayerTimes::Count; ++i)
        day.times.minutes[i] = leadingDecimal(row.text(i + 1));
    return day;
}

// A stored double truncated to an int; NaN reads as 0 and values beyond
// an int as its nearest end, since the field may hold anything.
int truncated(const QVariant &field)
{
    const double value = field.toDouble();
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

// Fields by position: the method, the daylight flag, the Asr choice and the
// ratio are truncated; the angle counts only when the field holds a double.
CityRecord readCity(const DbRow &row)
{
    const QVariant angle = row.value(4);
    CityRecord city;
    city.city = row.text(0);
    city.longitude = row.text(1);
    city.latitude = row.text(2);
    city.fajrMethod = truncated(row.value(3));
    city.fajrAngle = angle.typeId() == QMetaType::Double && !angle.isNull() ? angle.toDouble() : 0.0;
    city.interval = row.value(5).toDouble();
    city.timeZone = row.value(6).toDouble();
    city.daylightSaving = truncated(row.value(7));
    city.byRatio = truncated(row.value(8));
    city.ratioIndex = truncated(row.value(9));
    // A row of a database not yet given these columns reads as the defaults.
    city.zoneName = row.text(10).trimmed();
    if (const QString preset = row.text(11).trimmed(); !preset.isEmpty())
        city.preset = preset;
    city.highLatitude = truncated(row.value(12));
    for (int i = 0; i < 5; ++i)
        city.offsets[i] = std::clamp(truncated(row.value(13 + i)), -kMaxOffset, kMaxOffset);
    return city;
}


} // namespace

const QStringList &PrayerStore::prayerColumns()
{
    static const QStringList columns{"Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma"};
    return columns;
}

DbResult<std::optional<PrayerDayRow>> PrayerStore::loadDayRow(DbSession &session, int day) const
{
    std::optional<PrayerDayRow> found;
    const DbStatus status = session.select(LoadDayRowStatement, {day}, [&found](const DbRow &row) {
        if (!found)
            found = readDayRow(row);
    });
    if (!status.ok())
        return status;
    return found;
}

DbStatus PrayerStore::updateDayRow(DbSession &session, int day, const PrayerTimes &times) const
{
    QVariantList values;
    for (int minutes : times.minutes)
        values << minutes;
    values << day;
    return session.execute(UpdateDayRowStatement, values);
}

DbResult<bool> PrayerStore::anyDayRows(DbSession &session) const
{
    return session.hasRows(AnyDayRowsStatement);
}

DbStatus PrayerStore::writeGeneratedDays(DbSession &session, bool overRows,
                                         const QList<std::array<int, 5>> &fajrToIsha,
                                         const std::function<void(int day)> &afterDay) const
{
    // Values in the order of the statement's '?': the day first to insert, last to update.
    QList<int> values;
    values.reserve(fajrToIsha.size() * 6);
    for (qsizetype i = 0; i < fajrToIsha.size(); ++i) {
        const int day = int(i) + 1;
        if (!overRows)
            values << day;
        for (const int minutes : fajrToIsha[i])
            values << minutes;
        if (overRows)
            values << day;
    }
    return session.executeRows(overRows ? UpdateGeneratedDayStatement : InsertGeneratedDayStatement, 6,
                               values, [&afterDay](int row) {
                                   if (afterDay)
                                       afterDay(row + 1);
                               });
}

DbResult<QList<PrayerDayRow>> PrayerStore::selectDayRange(DbSession &session, int first, int last) const
{
    QList<PrayerDayRow> rows;
    const DbStatus status = session.select(SelectDayRangeStatement, {first, last},
                                           [&rows](const DbRow &row) { rows << readDayRow(row); });
    if (!status.ok())
        return status;
    return rows;
}

DbStatus PrayerStore::insertEmptyDay(DbSession &session, int day) const
{
    return session.execute(InsertEmptyDayStatement, {day});
}

DbStatus PrayerStore::updateOnePrayer(DbSession &session, const QString &column, int minutes,
                                      int day) const
{
    if (!prayerColumns().contains(column))
        return DbStatus::failure(QCoreApplication::translate("PrayerStore", "There is no prayer named \"%1\". Choose one of %2.")
                                     .arg(column, prayerColumns().join(", ")));
    return session.execute(QString(UpdateOnePrayerStatement).arg(column), {minutes, day});
}

DbResult<int> PrayerStore::insertMissingDays(DbSession &session, int first, int last) const
{
    const DbResult<QList<PrayerDayRow>> existing = selectDayRange(session, first, last);
    if (!existing.ok())
        return DbStatus(existing);
    QSet<int> present;
    for (const PrayerDayRow &row : existing.value())
        present.insert(row.day);
    int inserted = 0;
    for (int day = qMax(first, 1); day <= qMin(last, LastDay); ++day) {
        if (present.contains(day))
            continue;
        const DbStatus status = insertEmptyDay(session, day);
        if (!status.ok())
            return status;
        ++inserted;
    }
    return inserted;
}

DbResult<QStringList> PrayerStore::listCities(DbSession &session) const
{
    QStringList cities;
    const DbStatus status = session.select(ListCitiesStatement, {}, [&cities](const DbRow &row) {
        cities << row.text(0);
    });
    if (!status.ok())
        return status;
    return cities;
}

DbResult<std::optional<CityRecord>> PrayerStore::loadCity(DbSession &session, const QString &city) const
{
    std::optional<CityRecord> found;
    const DbStatus status = session.select(LoadCityStatement, {city}, [&found](const DbRow &row) {
        if (!found)
            found = readCity(row);
    });
    if (!status.ok())
        return status;
    return found;
}

DbResult<bool> PrayerStore::cityExists(DbSession &session, const QString &city) const
{
    return session.hasRows(CityExistsStatement, {city});
}

DbStatus PrayerStore::deleteCity(DbSession &session, const QString &city) const
{
    return session.execute(DeleteCityStatement, {city});
}

DbStatus PrayerStore::insertCity(DbSession &session, const CityRecord &record) const
{
    const DbStatus inserted =
        session.execute(InsertCityStatement,
                        {record.city, record.longitude, record.latitude, double(record.fajrMethod),
                         record.fajrAngle, record.interval, record.timeZone, record.daylightSaving,
                         record.byRatio, double(record.ratioIndex)});
    if (!inserted.ok())
        return inserted;
    QVariantList method{record.zoneName, record.preset, record.highLatitude};
    for (const int minutes : record.offsets)
        method << minutes;
    method << record.city;
    return session.execute(SaveCityMethodStatement, method);
}
