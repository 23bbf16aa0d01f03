// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_drawings.h"
#include "stats/graph_table.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One drawing of the Drawing Summary Chart, as its TEMP.DBT record holds it.
struct DrawingSummaryRow {
    static constexpr int Bands = 10; // 0-10, 11-20, ... 81-90, 91-99

    QString DRAWDATE; // MM/DD/YYYY
    std::array<int, Bands> bands{};
    int HOT = 0, PRIOR = 0, COLD = 0, DUE = 0, ODD = 0, EVEN = 0, SUM = 0;
};

// The Drawing Summary Chart: each recent drawing by its numbers per band of ten, how many were
// hot, prior, cold or due when it was drawn, odd and even, and their sum; and the average and
// share of every column.
struct DrawingSummary {
    QString UseBonusLabel;
    int top = 0;               // the top of the range: HighestNumber, or HighestBonus for bonus only
    int numbersPerDrawing = 0; // n
    std::vector<DrawingSummaryRow> rows; // oldest first
    QStringList headings;                // the grid's visible headings: "     Date", "0 - 10", ... "Sum"
    QStringList averages;                // StringGrid1's "Average:" cells under the visible columns
    QStringList percents;                // and its "Percent:" cells

    // A band is shown when the top of the range reaches its lower end.
    bool bandShown(int band) const;
    // The printout lies on its side when the bands above 60 are in it.
    bool landscape() const { return top > 60; }
    // The cells of a row under the visible headings: the date, the shown bands, HOT .. SUM.
    QStringList cells(const DrawingSummaryRow& row) const;
    std::vector<GraphTableRecord> graphRecords() const;
    // DRAWDATE, the ten bands (two digits: a keno drawing may hold ten numbers in one band), HOT
    // to EVEN, SUM.
    static std::vector<GraphTableField> graphFields();
};

// The refusal when that is 0 or less.
QString summaryRefusal();

// The summary of the `rowCount` latest drawings of `drawings`, which holds `hotNumberCutoff` older
// ones besides. `top` is the top of the range for the shown bands.
DrawingSummary drawingSummary(const ChartDrawings& drawings, int rowCount, int hotNumberCutoff, int top);

// Reads the table and summarises; throws VantoroError with summaryRefusal() when there are not
// enough drawings.
DrawingSummary computeDrawingSummary(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                     int drawingCutoffCount, int hotNumberCutoff, int totalDrawings);
