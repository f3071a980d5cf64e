#pragma once

#include <QStringList>

// The statements of data/schema.sql, the one schema shared with people who
// set up a data source themselves.
QStringList schemaStatements();
