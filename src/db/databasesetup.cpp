#include "db/databasesetup.h"

#include "db/dbsession.h"

#include <QFileInfo>

bool embeddedFileMissing(const DataSource &source)
{
    return source.kind() == DataSource::Kind::Embedded && !QFileInfo::exists(source.name());
}

bool databaseExists(const DataSource &source)
{
    if (embeddedFileMissing(source))
        return false;
    // A file is not enough: one made by an older clock that was killed while
    // making it may be empty or hold only some of the tables.
    DbSession session(source);
    return session.openStatus().ok() && session.missingTables().isEmpty();
}

DbStatus createDatabase(const DataSource &source)
{
    // An embedded file that is not there yet is made whole by opening it.
    DbSession session(source);
    const DbStatus tables = session.createMissingTables();
    if (!tables.ok())
        return tables;
    session.addMissingIndexes();
    return session.addMissingColumns();
}
