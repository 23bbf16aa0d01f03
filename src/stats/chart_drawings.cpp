// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_drawings.h"

#include "db/dbf_table.h"
#include "lottery/drawing_table.h"

ChartDrawings readChartDrawings(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                int drawingCount, int totalDrawings, bool standardOnly) {
    const int width = table.FieldWidth(DrawingTable::numberField(1));
    const int count = qMax(0, qMin(drawingCount, totalDrawings));
    ChartDrawings drawings;
    drawings.input =
        standardOnly
            ? NumberStatsInput::standardForLottery(definition, width, bonusOption, count, totalDrawings)
            : NumberStatsInput::forLottery(definition, width, bonusOption, 0, count, totalDrawings);
    drawings.window = readNumberWindow(table, drawings.input);
    return drawings;
}
