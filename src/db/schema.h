#pragma once

#include <QStringList>

// The statements of data/schema.sql, the one schema shared with people who
// set up a data source themselves.
QStringList schemaStatements();

// The tables the schema creates, in order.
QStringList schemaTables();

// The table a statement of the schema creates or indexes.
QString schemaTableOf(const QString &statement);

// One column of a table the schema creates: its name and its whole
// definition ("ZoneName VARCHAR(64) DEFAULT ''").
struct SchemaColumn
{
    QString name;
    QString definition;
};

// The columns of a CREATE TABLE statement of the schema, in order.
QList<SchemaColumn> schemaColumnsOf(const QString &statement);
