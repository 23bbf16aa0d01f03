// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
