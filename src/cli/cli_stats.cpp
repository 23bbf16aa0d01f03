// SPDX-License-Identifier: GPL-3.0-or-later
// stats: the number statistics of the open lottery as the statistics window lists them, the
// TEMP.DBT it writes for the frequency graph, and with --pdf its printout.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/program_home.h"
#include "report/report.h"
#include "stats/bonus_options.h"
#include "stats/number_stats_run.h"
#include "stats/stats_printout.h"

namespace {

void printSection(QTextStream& out, const char* heading, const QStringList& lines) {
    out << '[' << heading << "]\n";
    for (const QString& line : lines)
        out << line << '\n';
}

// The records as they stand in the file, so the listing shows what the graph will read.
void printGraphTable(QTextStream& out, const QString& path) {
    DbfTable table;
    table.open(path);
    const QStringList fields{QStringLiteral("NUMBER"), QStringLiteral("HOT"), QStringLiteral("PRIOR"),
                             QStringLiteral("COLD"), QStringLiteral("DUE")};
    table.GoTop();
    for (int i = 0; i < table.RecordCount(); ++i) {
        QStringList values;
        for (const QString& field : fields)
            values << table.FieldText(field).trimmed();
        out << values.join(QLatin1Char(',')) << '\n';
        table.Skip(1);
    }
    table.close();
}

} // namespace

int cliStats(const QStringList& words) {
    CliOptions args(QStringLiteral("stats"),
                    QStringLiteral("Prints the number statistics of a lottery as the statistics window lists "
                                   "them (frequency, hit index, hot, cold) and writes the rows of its "
                                   "frequency graph, which follow under [Graph]."));
    args.addLottery();
    args.addValue({QStringLiteral("cutoff")}, QStringLiteral("N"),
                  QStringLiteral("How many of the latest drawings to count (default: the lottery's drawing "
                                 "cutoff)."));
    args.addValue({QStringLiteral("hot")}, QStringLiteral("N"),
                  QStringLiteral("The hot-number cutoff (default: the one of the settings)."));
    args.addValue({QStringLiteral("bonus")}, QStringLiteral("0|1|2"),
                  QStringLiteral("0 counts the regular numbers only, 1 the regular and bonus numbers, 2 the "
                                 "bonus numbers only (default 0)."));
    args.addPdf(QStringLiteral("the printout of the lists"));
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const int total = lottery.TotalDrawings();
    const int cutoff = args.integer(QStringLiteral("cutoff"), lottery.DrawingCutoffCount());
    const int hot = args.integer(QStringLiteral("hot"), lottery.HotNumberCutoff());
    const int bonus = args.integer(QStringLiteral("bonus"), 0);
    if (cutoff < 0 || cutoff > total)
        throw UsageError(
            QStringLiteral("option --cutoff takes a count from 0 to %1 (the drawings on file)").arg(total));
    if (hot < 0)
        throw UsageError(QStringLiteral("option --hot takes a count of 0 or more"));
    if (bonus < 0 || bonus > 2)
        throw UsageError(QStringLiteral("option --bonus takes 0, 1 or 2"));
    if (bonus != 0 && !BonusOptions::offered(BonusChart::NumberStatistics, lottery))
        throw UsageError(QStringLiteral("option --bonus takes only 0 for this lottery: it has no bonus "
                                        "numbers the statistics can count"));
    // The window's refusal sends the user to the Options menu; here the option is --cutoff.
    if (total == 0)
        throw VantoroError(QStringLiteral("The lottery has no drawings on file to count."));
    if (cutoff == 0)
        throw UsageError(
            QStringLiteral(
                "The drawing cutoff must be greater than zero: give --cutoff N (N from 1 to %1; with "
                "more than 50 drawings, 50 is recommended).")
                .arg(total));

    const QString graphPath = ProgramHome(lottery.homeDir()).tempGraphPath();
    const NumberStatsRun run =
        runNumberStats(lottery.table(), lottery.definition(), bonus, hot, cutoff, total, graphPath);
    const NumberStats& stats = run.stats;

    QTextStream& out = cliOut();
    printSection(out, "Frequency", stats.FrequencyList);
    printSection(out, "Hit Index", stats.HitIndexList);
    printSection(out, "Hot", stats.HotList);
    printSection(out, "Cold", stats.ColdList);
    out << stats.AverageLabel << '\n';
    if (!stats.UncountedNote.isEmpty())
        out << stats.UncountedNote << '\n';
    out << "[Graph]\n";
    int status = 0;
    if (run.graphProblem.isEmpty()) {
        printGraphTable(out, graphPath);
    } else {
        out.flush();
        cliErr() << run.graphProblem << '\n';
        cliErr().flush();
        status = 1;
    }

    if (args.has(QStringLiteral("pdf"))) {
        StatsPrintoutFacts facts;
        facts.Description = lottery.definition().Description;
        facts.DrawingCutoffCount = cutoff;
        facts.HotNumberCutoff = hot;
        Report report;
        setUpStatsPrintout(report, stats, facts);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
    return status;
}
