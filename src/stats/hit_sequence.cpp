// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/hit_sequence.h"

#include <algorithm>

namespace {

constexpr int RegularHit = -2;
constexpr int BonusHit = -1;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<GraphTableField> HitSequenceChart::graphFields() const {
    std::vector<GraphTableField> fields{{QStringLiteral("NUMBER"), 'C', 3}};
    for (int k = 1; k <= Columns; ++k)
        fields.push_back({QStringLiteral("HIT_%1").arg(k), 'N', 3});
    return fields;
}

HitSequenceChart hitSequenceChart(const ChartDrawings& drawings, int regularNumbers) {
    const NumberStatsInput& input = drawings.input;
    const NumberWindow& window = drawings.window;
    HitSequenceChart chart;
    chart.UseBonusLabel = input.UseBonusLabel;
    chart.UncountedNote = uncountedNote(window, input);

    QStringList header{QString()};
    for (int k = HitSequenceChart::Columns; k >= 1; --k)
        header << twoDigits(k);
    chart.rows << header;

    // Column 0 stays 0 so that a number not yet drawn counts up from the oldest drawing; column
    // `span` is the latest drawing.
    const int span = std::min(drawings.used(), HitSequenceChart::MatrixDrawings);
    const size_t width = size_t(span) + 1;
    const size_t ids = size_t(numberIdCount(input.variant));
    std::vector<int> cells(ids * width, 0);
    const bool bonusHits = input.variant == NumberVariant::Standard;
    for (int d = 0; d < span; ++d) {
        const size_t column = size_t(span - d);
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int id = numberId(input, p, window.at(d, p));
            if (id < 0)
                continue;
            int& cell = cells[size_t(id) * width + column];
            // A number drawn both ways in one drawing (a separate bonus drum) shows its regular hit.
            if (bonusHits && p > regularNumbers)
                cell = cell == RegularHit ? RegularHit : BonusHit;
            else
                cell = RegularHit;
        }
    }
    for (size_t id = 0; id < ids; ++id)
        for (size_t c = 0; c < size_t(span); ++c) {
            int& next = cells[id * width + c + 1];
            const int here = cells[id * width + c];
            if (next >= 0)
                next = here < 0 ? 1 : here + 1;
        }

    const int shown = std::min(span, HitSequenceChart::Columns);
    for (const NumberStat& number : rangeNumbers(input)) {
        QStringList row{number.text};
        for (int c = 0; c < HitSequenceChart::Columns - shown; ++c)
            row << QString();
        GraphTableRecord record{number.graphText, std::vector<int>(HitSequenceChart::Columns, 0)};
        for (int i = 1; i <= shown; ++i) {
            const int cell = cells[size_t(number.id) * width + size_t(span - shown + i)];
            row << (cell == RegularHit ? QStringLiteral("##")
                    : cell == BonusHit ? QStringLiteral("BB")
                                       : twoDigits(cell));
            // The oldest shown drawing goes to HIT_25, the newer ones count down towards HIT_1.
            record.values[size_t(HitSequenceChart::Columns - i)] = cell == RegularHit ? 2
                                                                   : cell == BonusHit ? 1
                                                                                      : 0;
        }
        chart.rows << row;
        chart.graphRecords.push_back(std::move(record));
    }
    return chart;
}

HitSequenceChart computeHitSequence(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                    int drawingCutoffCount, int totalDrawings) {
    return hitSequenceChart(
        readChartDrawings(table, definition, bonusOption, drawingCutoffCount, totalDrawings),
        definition.regularNumbers());
}
