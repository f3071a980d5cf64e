#pragma once

#include "db/datasource.h"
#include "db/dbresult.h"

// The embedded file is not there yet: readers find nothing and make nothing
// (opening a session would create it).
bool embeddedFileMissing(const DataSource &source);
// A connection can be made and it reaches every table of data/schema.sql;
// a missing embedded file is not made for this.
bool databaseExists(const DataSource &source);
// Creates the tables of data/schema.sql that are missing (for the embedded
// default also the file and its directory) and adds the indexes and the
// columns a table made by an older clock lacks: the city dialog repairs a
// half-made or old database this way before the user writes to it.
DbStatus createDatabase(const DataSource &source);
