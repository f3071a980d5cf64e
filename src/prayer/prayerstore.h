#pragma once

#include "db/datasource.h"
#include "db/dbresult.h"
#include "db/dbsession.h"
#include "core/prayertimes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// One row of the per-day table "Naamaz".
struct PrayerDayRow
{
    int day = 0; // 1 = January 1, up to 366
    PrayerTimes times;
};

// One row of the city table "CITY": a place and its calculation settings.
struct CityRecord
{
    QString city;      // at most 35 characters
    QString longitude; // coordinate text, e.g. "90 25 E"; may be empty
    QString latitude;  // e.g. "23 43 N"
    int fajrMethod = 0;      // 0 by angle, 1 by interval, 2 by maximum interval
    double fajrAngle = 0.0;  // depression in degrees
    double interval = 0.0;   // minutes
    double timeZone = 0.0;   // hours east of GMT
    int daylightSaving = 0;  // 0 or 1
    int byRatio = 0;         // 0 Asr by fiqh, 1 by shadow ratio
    int ratioIndex = 0;      // 0 means shadow factor 1, 1 means factor 2
    // Kept by the columns a database made before them gains with these values.
    QString zoneName{};      // IANA zone, e.g. "Asia/Dhaka"; empty: timeZone and daylightSaving
    QString preset = "custom"; // a CalcPreset key
    int highLatitude = 0;    // a HighLatitudeRule
    std::array<int, 5> offsets{}; // minutes added to Fajr, Zohor, Asr, Magreb, Isha, -30..30

    bool operator==(const CityRecord &) const = default;
};

// The statements on the prayer tables. Each runs on a session the caller
// opens (openSession()) for the length of one operation; a generation runs
// its hundreds of statements on one session.
class PrayerStore
{
public:
    static constexpr const char *DayTable = "Naamaz";
    static constexpr const char *CityTable = "CITY";
    static constexpr int LastDay = 366;

    explicit PrayerStore(const DataSource &source) : m_source(source) {}

    const DataSource &dataSource() const { return m_source; }
    DbSession openSession() const { return DbSession(m_source); }

    // Per-day table. Fajr..Isha are the five generated times; Jumma is never
    // written by the generation.
    DbResult<std::optional<PrayerDayRow>> loadDayRow(DbSession &session, int day) const;
    DbStatus updateDayRow(DbSession &session, int day, const PrayerTimes &times) const;
    DbResult<bool> anyDayRows(DbSession &session) const;
    // The five generated times of days 1, 2, ... in order: new rows into an
    // empty table (overRows false), or over the rows there. `afterDay` is
    // told each day number once it is written.
    DbStatus writeGeneratedDays(DbSession &session, bool overRows, const QList<std::array<int, 5>> &fajrToIsha,
                                const std::function<void(int day)> &afterDay) const;
    DbResult<QList<PrayerDayRow>> selectDayRange(DbSession &session, int first, int last) const;
    DbStatus insertEmptyDay(DbSession &session, int day) const;
    // column is one of "Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma";
    // any other text fails without touching the database.
    DbStatus updateOnePrayer(DbSession &session, const QString &column, int minutes, int day) const;
    // Inserts an empty row for each day of first..last that has none, so no
    // day ever gets a second row. Gives the number of rows inserted.
    DbResult<int> insertMissingDays(DbSession &session, int first, int last) const;

    // City table; city names are compared as stored (trim them first).
    DbResult<QStringList> listCities(DbSession &session) const;
    DbResult<std::optional<CityRecord>> loadCity(DbSession &session, const QString &city) const;
    DbResult<bool> cityExists(DbSession &session, const QString &city) const;
    DbStatus deleteCity(DbSession &session, const QString &city) const;
    // The row with every column, the zone, method and offsets included.
    DbStatus insertCity(DbSession &session, const CityRecord &record) const;

    static const QStringList &prayerColumns();

private:
    const DataSource &m_source;
};
