// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_drawings.h"
#include "stats/graph_table.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The Skip and Hit Chart: for every number, how often it waited 0, 1, ... 23 drawings (and 24 or
// more) between two draws inside the analysis window.
struct SkipHitChart {
    static constexpr int WaitClasses = 25; // 0..23 and "24+"

    QString UseBonusLabel;
    // The grid, header row first (an empty cell, "00" .. "23", "24+"), then one row per number:
    // its label ("07", "07R", "0AC") and the 25 counts in at least two digits.
    QList<QStringList> rows;
    // TEMP.DBT: NUMBER, SKIP_0 .. SKIP_24, one record per grid row in grid order.
    std::vector<GraphTableRecord> graphRecords;
    QString UncountedNote; // numbers outside the range, left out of every count

    // The fields of TEMP.DBT, the counts wide enough for the largest one.
    std::vector<GraphTableField> graphFields() const;
};

// Counts the waits over the `used()` latest drawings of `drawings`.
SkipHitChart skipHitChart(const ChartDrawings& drawings);

// Reads the table and counts, for the callers that have the open drawing table.
SkipHitChart computeSkipHit(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                            int drawingCutoffCount, int totalDrawings);
