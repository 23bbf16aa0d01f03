// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/number_graph_table.h"

#include "db/dbf_table.h"

namespace NumberGraphTable {

QString fieldFor(NumberClass numberClass) {
    switch (numberClass) {
    case NumberClass::Hot:
        return QStringLiteral("HOT");
    case NumberClass::Prior:
        return QStringLiteral("PRIOR");
    case NumberClass::Cold:
        return QStringLiteral("COLD");
    case NumberClass::Due:
        return QStringLiteral("DUE");
    case NumberClass::None:
        break;
    }
    return QString();
}

int valueWidth(int largestValue) {
    return qMax(3, int(QString::number(qMax(0, largestValue)).size()));
}

void create(const QString& path, int largestValue) {
    DbfTable::Creator creator;
    const int width = valueWidth(largestValue);
    creator.CreateTable(path, 5);
    creator.AddField(QStringLiteral("NUMBER"), 'C', 3, 0);
    for (NumberClass numberClass :
         {NumberClass::Hot, NumberClass::Prior, NumberClass::Cold, NumberClass::Due})
        creator.AddField(fieldFor(numberClass), 'N', width, 0);
    creator.CommitCreate();
}

void writeRows(const QString& path, const std::vector<NumberGraphRow>& rows) {
    DbfTable table;
    table.open(path, true);
    for (const NumberGraphRow& row : rows) {
        table.append();
        if (row.numberClass != NumberClass::None) {
            table.SetField(QStringLiteral("NUMBER"), row.NUMBER);
            table.setFieldInteger(fieldFor(row.numberClass), row.value);
        }
        table.post();
    }
    table.close();
}

} // namespace NumberGraphTable
