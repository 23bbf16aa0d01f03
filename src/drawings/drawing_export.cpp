// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_export.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"

#include "db/atomic_file.h"
#include <QDate>
#include <QDir>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace DrawingExport {

QString csvText(DbfTable& table, int numbersDrawn) {
    QStringList header{DrawingTable::DateField};
    std::vector<int> fields;
    for (int i = 1; i <= numbersDrawn; ++i) {
        header << DrawingTable::numberField(i);
        fields.push_back(table.fieldIndex(DrawingTable::numberField(i)));
    }
    const int dateField = table.fieldIndex(DrawingTable::DateField);
    if (dateField < 0 || std::find(fields.begin(), fields.end(), -1) != fields.end())
        throw VantoroError(QStringLiteral("The table %1 is not a drawing table.").arg(table.fileName()));

    QString text = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    if (table.RecordCount() == 0)
        return text;
    const int order = table.order();
    const DbfTable::Bookmark mark = table.bookmark();
    if (table.tagCount() > 0)
        table.SetOrder(1);
    table.GoTop();
    do {
        const QDate date = QDate::fromString(table.DateText(dateField), QStringLiteral("MM/dd/yyyy"));
        text += date.toString(QStringLiteral("yyyy-MM-dd"));
        for (int field : fields)
            text += QLatin1Char(',') + table.FieldText(field).trimmed();
        text += QStringLiteral("\r\n");
    } while (table.Skip(1) == 1);
    table.SetOrder(order);
    table.goToBookmark(mark);
    return text;
}

int write(DbfTable& table, int numbersDrawn, const QString& path) {
    const QByteArray bytes = csvText(table, numbersDrawn).toUtf8();
    const QString cause = AtomicFile::writeFile(path, bytes);
    if (!cause.isEmpty())
        throw VantoroError(
            QStringLiteral("The file %1 cannot be written: %2.").arg(QDir::toNativeSeparators(path), cause));
    return table.RecordCount();
}

} // namespace DrawingExport
