// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_tables.h"

#include "db/dbf_table.h"

#include <QDate>
#include <QTest>

namespace GraphTables {

void write(const QString& path, const QList<Field>& fields, const QList<QStringList>& rows) {
    DbfTable::Creator creator;
    creator.CreateTable(path, int(fields.size()));
    for (const Field& field : fields)
        creator.AddField(field.name, field.type, field.width, 0);
    creator.CommitCreate();
    DbfTable table;
    table.open(path);
    for (const QStringList& row : rows) {
        table.append();
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (!row.at(i).isEmpty())
                table.SetField(fields.at(i).name, row.at(i));
        }
        table.post();
    }
    table.close();
}

int frequencyOf(int n) {
    return (n * 7) % 11 + 1;
}

QString classOf(int n) {
    static const QStringList classes{QStringLiteral("HOT"), QStringLiteral("PRIOR"), QStringLiteral("COLD"),
                                     QStringLiteral("DUE")};
    return classes.at(n % 4);
}

void writeFrequency(const QString& path, int count, const QList<int>& blank) {
    const QList<Field> fields{{QStringLiteral("NUMBER"), 'C', 3},
                              {QStringLiteral("HOT"), 'N', 3},
                              {QStringLiteral("PRIOR"), 'N', 3},
                              {QStringLiteral("COLD"), 'N', 3},
                              {QStringLiteral("DUE"), 'N', 3}};
    QList<QStringList> rows;
    for (int n = 1; n <= count; ++n) {
        QStringList row(5);
        if (!blank.contains(n)) {
            row[0] = QString::number(n);
            row[1 + n % 4] = QString::number(frequencyOf(n));
        }
        rows << row;
    }
    write(path, fields, rows);
}

void writeNumberCounts(const QString& path, int count, const QString& prefix, int firstField) {
    QList<Field> fields{{QStringLiteral("NUMBER"), 'C', 3}};
    for (int i = 0; i < 25; ++i)
        fields << Field{prefix + QString::number(firstField + i), 'N', 3};
    QList<QStringList> rows;
    for (int n = 1; n <= count; ++n) {
        QStringList row{QString::number(n)};
        for (int i = 0; i < 25; ++i)
            row << QString::number((n + i) % 5);
        rows << row;
    }
    write(path, fields, rows);
}

void writeDrawingSummary(const QString& path, int count) {
    QList<Field> fields{{QStringLiteral("DRAWDATE"), 'D', 8}};
    const QStringList ranges{QStringLiteral("R0TO10"),  QStringLiteral("R11TO20"), QStringLiteral("R21TO30"),
                             QStringLiteral("R31TO40"), QStringLiteral("R41TO50"), QStringLiteral("R51TO60"),
                             QStringLiteral("R61TO70"), QStringLiteral("R71TO80"), QStringLiteral("R81TO90"),
                             QStringLiteral("R91TO99")};
    for (const QString& range : ranges)
        fields << Field{range, 'N', 1};
    for (const char* name : {"HOT", "PRIOR", "COLD", "DUE", "ODD", "EVEN"})
        fields << Field{QLatin1String(name), 'N', 2};
    fields << Field{QStringLiteral("SUM"), 'N', 4};
    QList<QStringList> rows;
    for (int d = 0; d < count; ++d) {
        QStringList row{QDate(2020, 1, 1).addDays(d).toString(QStringLiteral("MM/dd/yyyy"))};
        for (int r = 0; r < ranges.size(); ++r)
            row << QString::number((d + r) % 3);
        row << QStringLiteral("2") << QStringLiteral("1") << QStringLiteral("2") << QStringLiteral("1")
            << QString::number(d % 7) << QString::number(6 - d % 7) << QString::number(100 + d);
        rows << row;
    }
    write(path, fields, rows);
}

} // namespace GraphTables
