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

int graphFieldWidth(int largestValue, int least) {
    return qMax(least, int(QString::number(qMax(0, largestValue)).size()));
}

bool writeGraphTable(const QString& path, const std::vector<GraphTableField>& fields,
                     const std::vector<GraphTableRecord>& records, QString* error) {
    DbfTable::Creator creator;
    bool ok = creator.CreateTable(path, int(fields.size()));
    for (const GraphTableField& field : fields)
        ok = ok && creator.AddField(field.name, field.type, field.width, 0);
    ok = ok && creator.CommitCreate();
    if (!ok) {
        if (error)
            *error = creator.errorText();
        return false;
    }
    DbfTable table;
    table.open(path, true);
    for (const GraphTableRecord& record : records) {
        table.append();
        if (fields.front().type == 'D')
            table.setFieldDate(fields.front().name, record.label);
        else
            table.SetField(fields.front().name, record.label);
        for (size_t i = 0; i < record.values.size() && i + 1 < fields.size(); ++i)
            table.setFieldInteger(fields[i + 1].name, record.values[i]);
        table.post();
    }
    table.close();
    return true;
}

QStringList graphTableLines(const QString& path) {
    DbfTable table;
    table.open(path);
    const std::vector<DbfField>& fields = table.fields();
    QStringList lines;
    if (table.RecordCount() > 0)
        table.GoTop();
    for (int r = 0; r < table.RecordCount(); ++r) {
        QStringList values;
        for (int i = 0; i < int(fields.size()); ++i)
            values << (fields[size_t(i)].type == 'D' ? table.DateText(i) : table.FieldText(i).trimmed());
        lines << values.join(QLatin1Char(','));
        table.Skip(1);
    }
    table.close();
    return lines;
}
