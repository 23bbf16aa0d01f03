// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"
#include "stats/number_stats.h"

#include <QString>

class DbfTable;

// Number Statistics as the statistics window and vantoro-cli stats both run it.

struct NumberStatsRun {
    NumberStats stats;
    // Why TEMP.DBT could not be written ("Could not create the temporary graph file. (<reason>)"
    // when it could not be made); empty when the graph has its rows. The statistics stand either way.
    QString graphProblem;
};

// Computes the statistics of the open drawing table (order 1), then makes TEMP.DBT at graphPath,
// its fields wide enough for the largest count, and writes the graph rows to it. A drawing table
// that cannot be read throws VantoroError.
NumberStatsRun runNumberStats(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                              int hotNumberCutoff, int drawingCutoffCount, int totalDrawings,
                              const QString& graphPath);
