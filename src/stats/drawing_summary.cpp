// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/drawing_summary.h"

#include "db/vantoro_error.h"
#include "lottery/current_lottery.h"

#include <algorithm>

namespace {

constexpr int Numbers = 100; // 0..99
constexpr int Columns = 7;   // HOT, PRIOR, COLD, DUE, ODD, EVEN, SUM

int bandOf(int number) {
    if (number <= 10)
        return 0;
    if (number >= 91)
        return 9;
    return (number - 1) / 10;
}

int bandLow(int band) {
    return band == 0 ? 0 : band * 10 + 1;
}

QString bandName(int band, const QString& separator) {
    return QString::number(bandLow(band)) + separator + QString::number(band == 9 ? 99 : band * 10 + 10);
}

QString cell(double value, int width) {
    return fixedNotation(value, 1).rightJustified(width);
}

} // namespace

bool DrawingSummary::bandShown(int band) const {
    return top >= bandLow(band);
}

std::vector<GraphTableField> DrawingSummary::graphFields() {
    std::vector<GraphTableField> fields{{QStringLiteral("DRAWDATE"), 'D', 8}};
    for (int b = 0; b < DrawingSummaryRow::Bands; ++b)
        fields.push_back({QStringLiteral("R") + bandName(b, QStringLiteral("TO")), 'N', 2});
    for (const char* name : {"HOT", "PRIOR", "COLD", "DUE", "ODD", "EVEN"})
        fields.push_back({QLatin1String(name), 'N', 2});
    fields.push_back({QStringLiteral("SUM"), 'N', 4});
    return fields;
}

QStringList DrawingSummary::cells(const DrawingSummaryRow& row) const {
    QStringList cells{row.DRAWDATE};
    for (int b = 0; b < DrawingSummaryRow::Bands; ++b)
        if (bandShown(b))
            cells << QString::number(row.bands[size_t(b)]);
    for (int value : {row.HOT, row.PRIOR, row.COLD, row.DUE, row.ODD, row.EVEN, row.SUM})
        cells << QString::number(value);
    return cells;
}

std::vector<GraphTableRecord> DrawingSummary::graphRecords() const {
    std::vector<GraphTableRecord> records;
    for (const DrawingSummaryRow& row : rows) {
        GraphTableRecord record{row.DRAWDATE, std::vector<int>(row.bands.begin(), row.bands.end())};
        record.values.insert(record.values.end(),
                             {row.HOT, row.PRIOR, row.COLD, row.DUE, row.ODD, row.EVEN, row.SUM});
        records.push_back(std::move(record));
    }
    return records;
}

QString summaryRefusal() {
    return QStringLiteral(
        "There are not enough drawings in your drawing file for the Drawing Summary Chart.");
}

DrawingSummary drawingSummary(const ChartDrawings& drawings, int rowCount, int hotNumberCutoff, int top) {
    const NumberStatsInput& input = drawings.input;
    const NumberWindow& window = drawings.window;
    DrawingSummary summary;
    summary.UseBonusLabel = input.UseBonusLabel;
    summary.top = top;
    const int first = input.firstPosition;
    const int n = input.lastPosition - input.firstPosition + 1;
    summary.numbersPerDrawing = n;
    const int rowsCount = std::clamp(rowCount, 0, window.count());
    const int lookBack = std::max(0, hotNumberCutoff);

    // F starts with every row drawing's numbers; each row then adds its own once more, so a row
    // sees the whole range plus the rows up to itself.
    std::vector<int> frequency(Numbers, 0);
    int highest = 0;
    // A bonus that was not drawn (a blank field) is no number of its drawing: it counts in no
    // band, sum or class, and the row's numbers are the ones that were drawn.
    const auto drawn = [&window](int d, int p) { return window.at(d, p) != NumberWindow::Missing; };
    for (int d = 0; d < rowsCount; ++d)
        for (int p = first; p <= input.lastPosition; ++p)
            if (drawn(d, p))
                highest = std::max(highest, ++frequency[size_t(window.at(d, p))]);

    std::array<qint64, DrawingSummaryRow::Bands + Columns> totals{};
    qint64 numbersDrawn = 0;
    std::vector<int> matches(size_t(n), 0);
    std::vector<char> prior(size_t(n), 0);
    for (int d = rowsCount - 1; d >= 0; --d) {
        DrawingSummaryRow row;
        row.DRAWDATE = window.dates.at(d);
        int rowNumbers = 0;
        for (int p = first; p <= input.lastPosition; ++p) {
            if (!drawn(d, p))
                continue;
            ++rowNumbers;
            const int x = window.at(d, p);
            ++row.bands[size_t(bandOf(x))];
            row.SUM += x;
            ++(x % 2 ? row.ODD : row.EVEN);
        }
        std::fill(matches.begin(), matches.end(), 0);
        std::fill(prior.begin(), prior.end(), 0);
        for (int k = 1; k <= lookBack && d + k < window.count(); ++k)
            for (int i = 0; i < n; ++i)
                for (int p = first; p <= input.lastPosition; ++p)
                    if (drawn(d, first + i) && window.at(d, first + i) == window.at(d + k, p)) {
                        ++matches[size_t(i)];
                        if (k == 1)
                            prior[size_t(i)] = 1;
                    }
        for (int p = first; p <= input.lastPosition; ++p)
            if (drawn(d, p))
                highest = std::max(highest, ++frequency[size_t(window.at(d, p))]);
        const int dueFrom = (3 * highest) / 4;
        for (int i = 0; i < n; ++i) {
            if (!drawn(d, first + i))
                continue;
            if (prior[size_t(i)])
                ++row.PRIOR;
            else if (matches[size_t(i)] > 0)
                ++row.HOT;
            else if (frequency[size_t(window.at(d, first + i))] - 1 >= dueFrom)
                ++row.DUE;
        }
        row.COLD = rowNumbers - row.HOT - row.PRIOR - row.DUE;
        numbersDrawn += rowNumbers;

        for (int b = 0; b < DrawingSummaryRow::Bands; ++b)
            totals[size_t(b)] += row.bands[size_t(b)];
        const int values[Columns] = {row.HOT, row.PRIOR, row.COLD, row.DUE, row.ODD, row.EVEN, row.SUM};
        for (int c = 0; c < Columns; ++c)
            totals[size_t(DrawingSummaryRow::Bands + c)] += values[c];
        summary.rows.push_back(std::move(row));
    }

    summary.headings << QStringLiteral("     Date");
    const double rows = std::max(1, rowsCount);
    // Shares of the numbers drawn, which a bonus not drawn leaves fewer than rows x n.
    const double numbers = double(std::max<qint64>(1, numbersDrawn)) / rows;
    for (int b = 0; b < DrawingSummaryRow::Bands; ++b) {
        if (!summary.bandShown(b))
            continue;
        summary.headings << bandName(b, QStringLiteral(" - "));
        summary.averages << cell(double(totals[size_t(b)]) / rows, 5);
        summary.percents << cell(double(totals[size_t(b)]) / rows / numbers * 100.0, 5);
    }
    summary.headings << QStringLiteral(" Hot") << QStringLiteral("Prior") << QStringLiteral("Cold")
                     << QStringLiteral(" Due") << QStringLiteral(" Odd") << QStringLiteral("Even")
                     << QStringLiteral("Sum");
    for (int c = 0; c < Columns; ++c) {
        const double total = double(totals[size_t(DrawingSummaryRow::Bands + c)]);
        summary.averages << cell(total / rows, 4);
        summary.percents << (c == Columns - 1 ? QStringLiteral("100.0")
                                              : cell(total / rows / numbers * 100.0, 4));
    }
    return summary;
}

DrawingSummary computeDrawingSummary(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                     int drawingCutoffCount, int hotNumberCutoff, int totalDrawings) {
    const int rows = CurrentLottery::summaryDrawings(drawingCutoffCount, hotNumberCutoff, totalDrawings);
    if (rows <= 0)
        throw VantoroError(summaryRefusal());
    const int hot = std::max(0, hotNumberCutoff);
    const ChartDrawings drawings =
        readChartDrawings(table, definition, bonusOption, rows + hot, totalDrawings, true);
    const int top = bonusOption == 2 ? definition.HighestBonus : definition.HighestNumber;
    return drawingSummary(drawings, rows, hot, top);
}
