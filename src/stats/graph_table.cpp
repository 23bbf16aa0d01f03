// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_table.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"

GraphData readGraphTable(DbfTable& table, const QString& labelField) {
    const int label = table.fieldIndex(labelField);
    if (label < 0)
        throw VantoroError(
            QStringLiteral("The graph table \"%1\" has no field %2.").arg(table.path(), labelField));

    GraphData data;
    QList<int> numeric;
    const std::vector<DbfField>& fields = table.fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        if (fields[size_t(i)].type == 'N' && i != label) {
            numeric << i;
            data.categoryNames << fields[size_t(i)].name;
        }
    }
    const bool dateLabel = fields[size_t(label)].type == 'D';

    if (table.RecordCount() == 0)
        return data;
    table.GoTop();
    while (!table.eof()) {
        data.rowLabels << (dateLabel ? table.DateText(label) : table.FieldText(label).trimmed());
        QList<double> row;
        row.reserve(numeric.size());
        for (int field : numeric) {
            // Numeric fields never hold fractions here; a blank one is "no value", drawn as 0.
            row << table.FieldText(field).trimmed().toDouble();
        }
        data.values << row;
        table.Skip(1);
    }
    table.GoTop();
    return data;
}
