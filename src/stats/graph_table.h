// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class DbfTable;

// The figures of a temporary graph table as the graph draws them: one row per record (in
// record order), one category per numeric field (in field order).
struct GraphData {
    QStringList rowLabels;       // the label field's text, trimmed; dates as MM/DD/YYYY
    QStringList categoryNames;   // the numeric fields' names
    QList<QList<double>> values; // values[row][category]; a blank field counts 0

    int rowCount() const { return int(rowLabels.size()); }
    int categoryCount() const { return int(categoryNames.size()); }
};

// Reads every record of the open table from its first one, labelling the rows by `labelField`
// (a character or date field). Throws VantoroError when the table has no such field.
GraphData readGraphTable(DbfTable& table, const QString& labelField);

// One field of a graph table as a chart lays it out: the first field labels the rows (character
// or date), the others are numeric without decimals.
struct GraphTableField {
    QString name;
    char type = 'N';
    int width = 3;
};

// One record a chart appends: the label (a date as MM/DD/YYYY) and the numeric fields in order.
struct GraphTableRecord {
    QString label;
    std::vector<int> values;
};

// The width of a numeric graph field for values up to `largestValue`: `least` digits or as many as
// the value needs (a long history counts well past 999).
int graphFieldWidth(int largestValue, int least = 3);

// Creates the table at `path` anew and empty with `fields` (an old one is replaced) and appends
// `records`. False when it cannot be created; `error` then says why, naming the file. A table
// that cannot be written once created throws VantoroError.
bool writeGraphTable(const QString& path, const std::vector<GraphTableField>& fields,
                     const std::vector<GraphTableRecord>& records, QString* error = nullptr);

// Every record of the table at `path` as its fields' trimmed texts joined by commas (dates as
// MM/DD/YYYY): what the graph will read, as vantoro-cli lists it.
QStringList graphTableLines(const QString& path);
