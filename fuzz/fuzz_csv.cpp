// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a published history: the CSV and JSON readers, the proposed mapping and the row checks
// never fail, row lines only grow, and every accepted drawing fits the lottery.
#include "db/vantoro_error.h"
#include "drawings/csv_reader.h"
#include "drawings/drawing_import.h"
#include "drawings/import_layout.h"

#include <cstdint>
#include <cstdlib>

namespace {

LotteryDefinition lotto() {
    LotteryDefinition d;
    d.NumbersDrawn = 7;
    d.BonusNumbers = 1;
    d.HighestNumber = 49;
    d.HighestBonus = 49;
    return d;
}

LotteryDefinition pick3() {
    LotteryDefinition d;
    d.GameType = 5;
    d.NumbersDrawn = 3;
    d.LowestNumber = 0;
    d.HighestNumber = 9;
    return d;
}

void check(const QString& text, const DrawingImport::Target& target) {
    const ImportLayout layout = ImportLayout::propose(text, target.definition, target.digitGame());
    try {
        const ImportPreview preview = DrawingImport::preview(text, layout, target);
        for (const ImportedDrawing& drawing : preview.accepted) {
            if (!drawing.date.isValid() || drawing.fields.size() != target.definition.NumbersDrawn)
                std::abort();
        }
    } catch (const VantoroError&) {
        // A mapping the file could not supply (no number column found) is refused, never misread.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        Csv::decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';')}) {
        int line = 0;
        for (const CsvRow& row : Csv::parse(text, separator)) {
            if (row.line <= line)
                std::abort();
            line = row.line;
        }
    }
    check(text, {QStringLiteral("CN649"), lotto()});
    check(text, {QStringLiteral("NY3"), pick3()});
    return 0;
}
