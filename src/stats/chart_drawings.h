// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"
#include "stats/number_stats.h"

class DbfTable;

// The drawings a chart reads, and how it reads them: the variant, positions and range of the
// number classification, and the latest drawings those name, newest first.
struct ChartDrawings {
    NumberStatsInput input;
    NumberWindow window;
    // How many of the window's drawings the chart uses: its cutoff, never more than were read.
    int used() const { return qMax(0, qMin(input.DrawingCutoffCount, window.count())); }
};

// Reads the `drawingCount` latest drawings of the table (order 1 selected) for the bonus option.
// `standardOnly` reads every game's fields as plain numbers, as the drawing summary does; else
// the three-set and card games are told apart as the number statistics tell them. A field that is
// not a number throws VantoroError naming the drawing and the field.
ChartDrawings readChartDrawings(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                                int drawingCount, int totalDrawings, bool standardOnly = false);
