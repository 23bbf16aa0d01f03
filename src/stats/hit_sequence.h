// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_drawings.h"
#include "stats/graph_table.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The Hit Sequence Chart: every number's last 25 drawings, "##" where it was drawn, "BB" where it
// was drawn as a bonus number, and between hits the drawings since it last came up.
struct HitSequenceChart {
    static constexpr int Columns = 25;
    static constexpr int MatrixDrawings = 100; // the counts run over at most this many drawings

    QString UseBonusLabel;
    // The grid, header row first (an empty cell, "25" down to "01"), then one row per number: its
    // label and 25 cells, empty where the cutoff leaves fewer than 25 drawings.
    QList<QStringList> rows;
    // TEMP.DBT: NUMBER, HIT_1 .. HIT_25 (2 regular hit, 1 bonus hit, 0 none), one record per row.
    std::vector<GraphTableRecord> graphRecords;
    QString UncountedNote;

    std::vector<GraphTableField> graphFields() const;
};

// The chart of the `used()` latest drawings. Positions after `regularNumbers` are bonus hits in
// the standard variant; the three-set and card games mark regular hits only.
HitSequenceChart hitSequenceChart(const ChartDrawings& drawings, int regularNumbers);

// Reads the table and builds the chart, for the callers that have the open drawing table.
HitSequenceChart computeHitSequence(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                    int drawingCutoffCount, int totalDrawings);
