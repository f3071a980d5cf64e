#include "db/databasesetup.h"

#include "db/dbsession.h"

#include <QFileInfo>

bool databaseExists(const DataSource &source)
{
    if (source.kind() == DataSource::Kind::Embedded)
        return QFileInfo::exists(source.name());
    DbSession session(source);
    return session.openStatus().ok();
}

DbStatus createDatabase(const DataSource &source)
{
    if (source.kind() == DataSource::Kind::Embedded && QFileInfo::exists(source.name()))
        return {};
    // An embedded session creates the tables itself when it makes the file.
    DbSession session(source);
    if (!session.openStatus().ok() || source.kind() == DataSource::Kind::Embedded)
        return session.openStatus();
    return session.createTables();
}
