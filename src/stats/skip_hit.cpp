// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/skip_hit.h"

#include <algorithm>

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<GraphTableField> SkipHitChart::graphFields() const {
    int largest = 0;
    for (const GraphTableRecord& record : graphRecords)
        for (int value : record.values)
            largest = std::max(largest, value);
    std::vector<GraphTableField> fields{{QStringLiteral("NUMBER"), 'C', 3}};
    for (int k = 0; k < WaitClasses; ++k)
        fields.push_back({QStringLiteral("SKIP_%1").arg(k), 'N', graphFieldWidth(largest)});
    return fields;
}

SkipHitChart skipHitChart(const ChartDrawings& drawings) {
    const NumberStatsInput& input = drawings.input;
    const NumberWindow& window = drawings.window;
    SkipHitChart chart;
    chart.UseBonusLabel = input.UseBonusLabel;
    chart.UncountedNote = uncountedNote(window, input);

    QStringList header{QString()};
    for (int k = 0; k + 1 < SkipHitChart::WaitClasses; ++k)
        header << twoDigits(k);
    header << QStringLiteral("24+");
    chart.rows << header;

    const size_t ids = size_t(numberIdCount(input.variant));
    std::vector<int> counts(ids * SkipHitChart::WaitClasses, 0);
    std::vector<int> lastSeen(ids, 0); // drawing ordinal of the latest draw, 0 = not yet drawn
    const int used = drawings.used();
    // Oldest first; ordinal s counts up from 1 so that a gap of g drawings is s - lastSeen - 1.
    for (int d = used - 1; d >= 0; --d) {
        const int s = used - d;
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int id = numberId(input, p, window.at(d, p));
            if (id < 0 || lastSeen[size_t(id)] == s) // twice in one drawing counts once
                continue;
            if (lastSeen[size_t(id)] != 0) {
                const int wait = std::min(s - lastSeen[size_t(id)] - 1, SkipHitChart::WaitClasses - 1);
                ++counts[size_t(id) * SkipHitChart::WaitClasses + size_t(wait)];
            }
            lastSeen[size_t(id)] = s;
        }
    }

    for (const NumberStat& number : rangeNumbers(input)) {
        QStringList row{number.text};
        GraphTableRecord record{number.graphText, {}};
        for (int k = 0; k < SkipHitChart::WaitClasses; ++k) {
            const int count = counts[size_t(number.id) * SkipHitChart::WaitClasses + size_t(k)];
            row << twoDigits(count);
            record.values.push_back(count);
        }
        chart.rows << row;
        chart.graphRecords.push_back(std::move(record));
    }
    return chart;
}

SkipHitChart computeSkipHit(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                            int drawingCutoffCount, int totalDrawings) {
    return skipHitChart(readChartDrawings(table, definition, bonusOption, drawingCutoffCount, totalDrawings));
}
