// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a table with Vantoro's engine for check_with_dbfread.py, which reads it with an
// independent dBASE reader and compares the values below.
#include "db/dbf_table.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    try {
        DbfTable::Creator creator;
        creator.CreateTable(QDir(dir).filePath("SAMPLE.DBF"), 5);
        creator.AddField("DRAWDATE", 'D', 8, 0);
        creator.AddField("P1", 'C', 2, 0);
        creator.AddField("COMMENT", 'C', 20, 0);
        creator.AddField("WON", 'N', 15, 2);
        creator.AddField("CNT", 'N', 3, 0);
        creator.CommitCreate();
        DbfTable table;
        table.open(dir, "SAMPLE.DBF");
        table.CreateIndexTag("DATETAG", "DRAWDATE");
        const struct {
            const char* date;
            const char* p1;
            const char* comment;
            double won;
            qint64 count;
        } rows[] = {
            {"01/07/1997", "05", "Señor €", 1234567.89, 5},
            {"12/31/59", "49", "naïve – “quoted”", -42.5, -7},
            {"", "07", "deleted", 0, 0},
            {"02/29/2000", "1", "", -0.01, 999},
        };
        for (const auto& row : rows) {
            table.append();
            table.setFieldDate("DRAWDATE", QString::fromUtf8(row.date));
            table.SetField("P1", QString::fromUtf8(row.p1));
            table.SetField("COMMENT", QString::fromUtf8(row.comment));
            table.setFieldDouble("WON", row.won);
            table.setFieldInteger("CNT", row.count);
            table.post();
        }
        table.GoToRecord(3);
        table.DeleteRecord();
    } catch (const VantoroError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
