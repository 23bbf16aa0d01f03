// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_search.h"

#include "db/dbf_table.h"
#include "drawings/drawings_form_rules.h"
#include "lottery/drawing_table.h"

#include <vector>

namespace DrawingSearch {

QStringList searchNumbers(const QStringList& entries, int fieldWidth) {
    QStringList numbers;
    for (const QString& entry : entries) {
        const QString text = entry.trimmed().toUpper();
        if (!text.isEmpty())
            numbers << DrawingEntry::padNumber(text, fieldWidth);
    }
    return numbers;
}

DrawingSearchResult run(DbfTable& table, const LotteryDefinition& definition,
                        const DrawingSearchOptions& options) {
    DrawingSearchResult result;
    result.numbers = options.numbers;
    result.numbersLabel = QStringLiteral("Search Numbers: ");
    for (const QString& number : options.numbers)
        result.numbersLabel += number + QLatin1Char(' ');
    result.drawingsLabel = QStringLiteral("Drawings: %1 to %2").arg(options.from).arg(options.to);

    if (table.RecordCount() == 0 || options.from > options.to)
        return result;
    const int examined = options.includeBonus ? definition.NumbersDrawn : definition.regularNumbers();
    std::vector<int> fields;
    for (int i = 1; i <= examined; ++i)
        fields.push_back(table.fieldIndex(DrawingTable::numberField(i)));
    const int dateField = table.fieldIndex(DrawingTable::DateField);

    table.GoTop();
    if (options.from > 1)
        table.Skip(options.from - 1);
    if (table.eof())
        return result;
    while (true) {
        int hits = 0;
        QString matches;
        for (int field : fields) {
            if (field < 0)
                continue;
            QString text = table.FieldText(field);
            const qsizetype blank = text.indexOf(QLatin1Char(' '));
            if (blank >= 0)
                text.remove(blank, 1);
            for (const QString& number : options.numbers) {
                if (text == number) {
                    ++hits;
                    matches += text + QLatin1Char(' ');
                }
            }
        }
        if (hits >= options.minimumHits)
            result.lines << table.DateText(dateField) + QStringLiteral("  ") + matches;
        if (table.OrderPosition() >= options.to)
            break;
        table.Skip(1);
        if (table.eof())
            break;
    }
    return result;
}

} // namespace DrawingSearch
