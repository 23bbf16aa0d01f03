// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/drawing_table.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"

#include <QFileInfo>

namespace {

struct Companion {
    const char* code;
    const char* file;
    int fields;
};

// Three state games keep a second, one-digit game in a table beside the main one.
constexpr Companion companions[] = {
    {"NJ646", "NJK.DBF", 5},
    {"OH647", "OHK.DBF", 6},
    {"VA644", "VAK.DBF", 6},
};

struct FieldSpec {
    QString name;
    int width;
};

void createTable(const QString& path, const std::vector<FieldSpec>& numberFields) {
    DbfTable::Creator creator;
    creator.CreateTable(path, static_cast<int>(numberFields.size()) + 1);
    creator.AddField(DrawingTable::DateField, 'D', 8, 0);
    for (const FieldSpec& field : numberFields)
        creator.AddField(field.name, 'C', field.width, 0);
    creator.CommitCreate();
    DbfTable table;
    table.open(path, true);
    table.CreateIndexTag(DrawingTable::DateTag, DrawingTable::DateField);
    table.close();
}

} // namespace

namespace DrawingTable {

QString numberField(int i) {
    return QStringLiteral("P%1").arg(i);
}

int numberFieldWidth(const QString& code, const LotteryDefinition& definition, int i) {
    const bool small = definition.NumbersDrawn <= 4 && code != QLatin1String("NYL");
    if (small) {
        if (i == 1)
            return (code == QLatin1String("CAD") || code == QLatin1String("WAD")) ? 3 : 1;
        return code == QLatin1String("CAD") ? 3 : 1;
    }
    if (i <= 5 && (code == QLatin1String("DEQ") || code == QLatin1String("WAD")))
        return 3;
    return 2;
}

void CreateDrawingTable(const QString& dataDir, const QString& code, const LotteryDefinition& definition) {
    std::vector<FieldSpec> fields;
    for (int i = 1; i <= definition.NumbersDrawn; ++i)
        fields.push_back({numberField(i), numberFieldWidth(code, definition, i)});
    createTable(dataDir + code + QStringLiteral(".DBF"), fields);
    for (const Companion& companion : companions) {
        if (code != QLatin1String(companion.code))
            continue;
        std::vector<FieldSpec> digits;
        for (int i = 1; i <= companion.fields; ++i)
            digits.push_back({numberField(i), 1});
        createTable(dataDir + QLatin1String(companion.file), digits);
    }
}

} // namespace DrawingTable

std::vector<Drawing> readRecentDrawings(DbfTable& table, int numbersDrawn, int count) {
    std::vector<Drawing> drawings;
    if (count <= 0 || table.RecordCount() == 0)
        return drawings;
    const int wanted = qMin(count, table.RecordCount());
    drawings.reserve(static_cast<size_t>(wanted));
    table.GoBottom();
    int position = table.RecordCount();
    while (static_cast<int>(drawings.size()) < wanted) {
        Drawing drawing;
        drawing.position = position--;
        drawing.date = table.DateText(DrawingTable::DateField);
        for (int i = 1; i <= numbersDrawn; ++i)
            drawing.numbers << table.FieldText(DrawingTable::numberField(i)).trimmed();
        drawings.push_back(std::move(drawing));
        if (table.Skip(-1) == 0)
            break;
    }
    return drawings;
}

std::vector<int> drawingNumbers(const Drawing& drawing) {
    std::vector<int> numbers;
    numbers.reserve(static_cast<size_t>(drawing.numbers.size()));
    for (int i = 0; i < drawing.numbers.size(); ++i) {
        bool ok = false;
        const int value = drawing.numbers.at(i).toInt(&ok);
        if (!ok || value < 0 || value > 99) {
            const QString what = drawing.numbers.at(i).isEmpty()
                                     ? QStringLiteral("is blank")
                                     : QStringLiteral("holds \"%1\", which is not a number from 0 to 99")
                                           .arg(drawing.numbers.at(i));
            throw VantoroError(QStringLiteral("Drawing %1 (%2): field P%3 %4.")
                                   .arg(drawing.position, 5, 10, QLatin1Char('0'))
                                   .arg(drawing.date.isEmpty() ? QStringLiteral("no date") : drawing.date)
                                   .arg(i + 1)
                                   .arg(what));
        }
        numbers.push_back(value);
    }
    return numbers;
}
