#pragma once

#include "db/datasource.h"
#include "db/dbresult.h"

// Embedded: the file exists. ODBC: a connection can be made.
bool databaseExists(const DataSource &source);
// Creates the tables of data/schema.sql (for the embedded default also the
// file and its directory).
DbStatus createDatabase(const DataSource &source);
