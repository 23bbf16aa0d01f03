// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_list.h"

#include "db/dbf_table.h"
#include "lottery/drawing_table.h"

namespace DrawingList {

std::vector<DrawingListLine> lines(DbfTable& table, int numbersDrawn, int from, int to) {
    std::vector<DrawingListLine> result;
    if (table.RecordCount() == 0 || from > to)
        return result;
    const DbfTable::Bookmark place = table.bookmark();
    std::vector<int> fields;
    for (int i = 1; i <= numbersDrawn; ++i) {
        const int field = table.fieldIndex(DrawingTable::numberField(i));
        if (field >= 0)
            fields.push_back(field);
    }
    const int dateField = table.fieldIndex(DrawingTable::DateField);

    table.GoTop();
    if (from > 1)
        table.Skip(from - 1);
    while (!table.eof() && table.OrderPosition() <= to) {
        DrawingListLine line;
        line.position = QStringLiteral("%1)  ").arg(table.OrderPosition(), 5, 10, QLatin1Char('0'));
        line.text = table.DateText(dateField) + QStringLiteral("  ");
        for (int field : fields)
            line.text += table.FieldText(field) + QLatin1Char(' ');
        result.push_back(line);
        table.Skip(1);
    }
    table.goToBookmark(place);
    return result;
}

int columnsFor(int numbersDrawn) {
    if (numbersDrawn <= 4)
        return 3;
    if (numbersDrawn <= 8)
        return 2;
    return 1;
}

} // namespace DrawingList
