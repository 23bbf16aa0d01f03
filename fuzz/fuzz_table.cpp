// SPDX-License-Identifier: GPL-3.0-or-later
// Opens arbitrary bytes as a table and reads every record and field in both orders. The engine
// may refuse the bytes with VantoroError; any other exception, a crash or a sanitizer report is a bug.
#include "db/dbf_table.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void readRecord(const DbfTable& table) {
    for (int f = 0; f < int(table.fields().size()); ++f) {
        try {
            const DbfField& field = table.fields()[size_t(f)];
            (void)table.FieldText(f);
            if (field.type == 'D')
                (void)table.DateText(f);
            else
                (void)table.fieldNumber(field.name);
        } catch (const VantoroError&) {
            // A malformed value in one field is reported to the user; the rest must still read.
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = QDir(dir.path()).filePath(QStringLiteral("FUZZ.DBF"));
    static const QString index = QDir(dir.path()).filePath(QStringLiteral("FUZZ.NSX"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    QFile::remove(index);
    DbfTable table;
    try {
        table.open(path);
        for (table.GoTop(); table.RecordCount() > 0 && !table.eof(); table.Skip())
            readRecord(table);
        if (!table.fields().empty()) {
            table.CreateIndexTag(QStringLiteral("TAG"), table.fields().front().name);
            table.SetOrder(1);
            for (table.GoBottom(); table.RecordCount() > 0 && !table.bof(); table.Skip(-1))
                readRecord(table);
        }
    } catch (const VantoroError&) {
    }
    return 0;
}
