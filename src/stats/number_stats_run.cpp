// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/number_stats_run.h"

#include "db/vantoro_error.h"
#include "stats/number_graph_table.h"

NumberStatsRun runNumberStats(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                              int hotNumberCutoff, int drawingCutoffCount, int totalDrawings,
                              const QString& graphPath) {
    NumberStatsRun run;
    run.stats = computeNumberStats(table, definition, bonusOption, hotNumberCutoff, drawingCutoffCount,
                                   totalDrawings);
    // The graph table is made once the counts are known, so its fields fit the largest.
    try {
        NumberGraphTable::create(graphPath, run.stats.freqMax);
    } catch (const VantoroError& failure) {
        run.graphProblem = QStringLiteral("Could not create the temporary graph file. (") +
                           failure.message() + QLatin1Char(')');
        return run;
    }
    try {
        NumberGraphTable::writeRows(graphPath, run.stats.graphRows);
    } catch (const VantoroError& failure) {
        run.graphProblem = failure.message();
    }
    return run;
}
