#pragma once

#include "db/datasource.h"
#include "prayer/prayerastronomy.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

// A temporary folder with the database file of a benchmark.
class BenchFolder
{
public:
    const DataSource &source() const { return m_source; }

private:
    QTemporaryDir m_dir;
    DataSource m_source = DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite"));
};

inline PrayerCalcParams dhaka2026()
{
    PrayerCalcParams dhaka;
    dhaka.year = 2026;
    dhaka.latitude = (23 + 43 / 60.0) * M_PI / 180;
    dhaka.longitudeWest = -(90 + 25 / 60.0) * M_PI / 180;
    dhaka.timeZone = 6;
    return dhaka;
}
