#pragma once

#include <QStringList>

// The statements of data/schema.sql, the one schema shared with people who
// set up a data source themselves.
QStringList schemaStatements();

// The tables the schema creates, in order.
QStringList schemaTables();

// The table a statement of the schema creates or indexes.
QString schemaTableOf(const QString &statement);
