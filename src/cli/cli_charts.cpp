// SPDX-License-Identifier: GPL-3.0-or-later
// skiphit, sequence, pairs, triples and summary: the charts of the Statistics menu as their
// windows show them, the TEMP.DBT each writes for its graph, and with --pdf its printout.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "lottery/program_home.h"
#include "report/report.h"
#include "stats/bonus_options.h"
#include "stats/chart_drawings.h"
#include "stats/chart_printouts.h"
#include "stats/drawing_summary.h"
#include "stats/graph_table.h"
#include "stats/hit_sequence.h"
#include "stats/repeating_sets.h"
#include "stats/skip_hit.h"

#include <functional>

namespace {

// The options every chart shares, checked against the open lottery.
struct ChartOptions {
    int cutoff = 0; // never more than the drawings on file
    int bonus = 0;
    int total = 0;
    int fieldWidth = 2;
};

ChartOptions chartOptions(const CliOptions& args, CurrentLottery& lottery, BonusChart chart) {
    ChartOptions options;
    options.total = lottery.TotalDrawings();
    options.fieldWidth = lottery.table().FieldWidth(DrawingTable::numberField(1));
    const int cutoff = args.integer(QStringLiteral("cutoff"), lottery.DrawingCutoffCount());
    if (cutoff < 0)
        throw UsageError(QStringLiteral("option --cutoff takes a count of 0 or more"));
    // A cutoff above the drawings on file uses the drawings there are, as the windows do.
    options.cutoff = qMin(cutoff, options.total);
    // Pairs and triples take --bonus as a flag of their own.
    if (chart != BonusChart::RepeatingPairs && chart != BonusChart::RepeatingTriples) {
        options.bonus = args.integer(QStringLiteral("bonus"), 0);
        if (options.bonus < 0 || options.bonus > 2)
            throw UsageError(QStringLiteral("option --bonus takes 0, 1 or 2"));
        if (options.bonus != 0 && !BonusOptions::offered(chart, lottery))
            throw UsageError(QStringLiteral("this lottery offers no bonus-number choice: leave out --bonus"));
    }
    return options;
}

// Writes TEMP.DBT and lists its records under [Graph]; false (with the window's message on
// standard error) when it cannot be created.
bool writeAndListGraph(const CurrentLottery& lottery, const std::vector<GraphTableField>& fields,
                       const std::vector<GraphTableRecord>& records, const char* heading) {
    const QString path = ProgramHome(lottery.homeDir()).tempGraphPath();
    QTextStream& out = cliOut();
    if (heading)
        out << '[' << heading << "]\n";
    try {
        writeGraphTable(path, fields, records);
    } catch (const VantoroError& failure) {
        out.flush();
        cliErr() << "Could not create the temporary graph file. (" << failure.message() << ")\n";
        cliErr().flush();
        return false;
    }
    for (const QString& line : graphTableLines(path))
        out << line << '\n';
    return true;
}

void writePdf(const CliOptions& args, const std::function<void(Report&)>& setUp) {
    if (!args.has(QStringLiteral("pdf")))
        return;
    Report report;
    setUp(report);
    writeCliPdf(report, args.value(QStringLiteral("pdf")));
}

// The options every chart takes; `bonusChoice` for the charts with the window's bonus drop-down.
void addChartOptions(CliOptions& args, bool bonusChoice) {
    args.addLottery();
    args.addValue({QStringLiteral("cutoff")}, QStringLiteral("N"),
                  QStringLiteral("How many of the latest drawings to count (default: the lottery's drawing "
                                 "cutoff; more than the drawings on file counts them all)."));
    if (bonusChoice)
        args.addValue({QStringLiteral("bonus")}, QStringLiteral("0|1|2"),
                      QStringLiteral("0 counts the regular numbers only, 1 the regular and bonus numbers, 2 "
                                     "the bonus numbers only (default 0), where the lottery offers the "
                                     "choice."));
    args.addPdf(QStringLiteral("the chart's printout"));
}

ChartPrintoutFacts printoutFacts(const CurrentLottery& lottery, int cutoff) {
    ChartPrintoutFacts facts;
    facts.Description = lottery.definition().Description;
    facts.DrawingCutoffCount = cutoff;
    return facts;
}

void printNote(const QString& note) {
    if (!note.isEmpty())
        cliOut() << note << '\n';
}

} // namespace

int cliSkipHit(const QStringList& words) {
    CliOptions args(QStringLiteral("skiphit"),
                    QStringLiteral("Prints the Skip and Hit grid of a lottery as its window shows it, then "
                                   "the rows it writes for the graph under [Graph]."));
    addChartOptions(args, true);
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const ChartOptions options = chartOptions(args, lottery, BonusChart::SkipAndHit);
    const SkipHitChart chart =
        computeSkipHit(lottery.table(), lottery.definition(), options.bonus, options.cutoff, options.total);

    QTextStream& out = cliOut();
    for (const QStringList& row : chart.rows)
        out << row.join(QLatin1Char(' ')) << '\n';
    printNote(chart.UncountedNote);
    const bool graph = writeAndListGraph(lottery, chart.graphFields(), chart.graphRecords, "Graph");
    writePdf(args, [&](Report& report) {
        setUpSkipHitPrintout(report, chart, printoutFacts(lottery, options.cutoff));
    });
    return graph ? 0 : 1;
}

int cliSequence(const QStringList& words) {
    CliOptions args(QStringLiteral("sequence"),
                    QStringLiteral("Prints the Hit Sequence grid of a lottery as its window shows it (## a "
                                   "regular hit, BB a bonus hit), then the rows it writes for the graph "
                                   "under [Graph]."));
    addChartOptions(args, true);
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const ChartOptions options = chartOptions(args, lottery, BonusChart::HitSequence);
    const HitSequenceChart chart = computeHitSequence(lottery.table(), lottery.definition(), options.bonus,
                                                      options.cutoff, options.total);

    QTextStream& out = cliOut();
    for (const QStringList& row : chart.rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << cell.leftJustified(2);
        out << cells.join(QLatin1Char(' ')) << '\n';
    }
    printNote(chart.UncountedNote);
    const bool graph = writeAndListGraph(lottery, chart.graphFields(), chart.graphRecords, "Graph");
    writePdf(args, [&](Report& report) {
        setUpHitSequencePrintout(report, chart, printoutFacts(lottery, options.cutoff));
    });
    return graph ? 0 : 1;
}

namespace {

int repeatingSets(const QStringList& words, bool triples) {
    const QString kind = triples ? QStringLiteral("triples") : QStringLiteral("pairs");
    CliOptions args(kind, QStringLiteral("Prints how often the %1 of numbers of a lottery came up: the "
                                         "counts under [Occurrences], then the %1 of each count.")
                              .arg(kind));
    addChartOptions(args, false);
    args.addFlag({QStringLiteral("bonus")},
                 QStringLiteral("Includes the bonus number, as \"Include Bonus #\" does, where the lottery "
                                "offers it."));
    args.addValue(
        {QStringLiteral("count")}, QStringLiteral("N"),
        QStringLiteral("The occurrence count whose %1 the printout shows (default the highest).").arg(kind));
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const BonusChart chart = triples ? BonusChart::RepeatingTriples : BonusChart::RepeatingPairs;
    const ChartOptions options = chartOptions(args, lottery, chart);
    const bool includeBonus = args.has(QStringLiteral("bonus"));
    if (includeBonus && !BonusOptions::offered(chart, lottery))
        throw UsageError(QStringLiteral("this lottery offers no \"Include Bonus #\": leave out --bonus"));
    if (options.fieldWidth == 3)
        throw VantoroError(
            QStringLiteral("The lottery draws playing cards: it has no pairs or triples of numbers."));
    RepeatingSetsCounter counter(triples);
    const RepeatingSets sets =
        counter.count(lottery.table(), lottery.definition(), includeBonus, options.cutoff, options.total);

    QTextStream& out = cliOut();
    out << "[Occurrences]\n";
    for (const QString& line : sets.OccurencesList)
        out << line << '\n';
    for (qsizetype i = 0; i < sets.counts.size(); ++i) {
        out << "[Count " << QStringLiteral("%1").arg(sets.counts.at(i), 2, 10, QLatin1Char('0')) << "]\n";
        for (const QString& line : sets.PairLists.at(i))
            out << line << '\n';
    }

    // The window prints the count chosen in its drop-down, at first the highest.
    int entry = 0;
    if (args.has(QStringLiteral("count"))) {
        entry = sets.entryOf(args.integer(QStringLiteral("count"), 0));
        if (entry < 0)
            throw UsageError(QStringLiteral("option --count takes one of the occurrence counts listed"));
    }
    writePdf(args, [&](Report& report) {
        setUpRepeatingSetsPrintout(report, sets, entry, printoutFacts(lottery, options.cutoff));
    });
    return 0;
}

} // namespace

int cliPairs(const QStringList& words) {
    return repeatingSets(words, false);
}

int cliTriples(const QStringList& words) {
    return repeatingSets(words, true);
}

int cliSummary(const QStringList& words) {
    CliOptions args(QStringLiteral("summary"),
                    QStringLiteral("Prints the Drawing Summary rows of a lottery under [Rows], then their "
                                   "average and percent."));
    addChartOptions(args, true);
    args.addValue({QStringLiteral("hot")}, QStringLiteral("N"),
                  QStringLiteral("The hot-number cutoff (default: the one of the settings)."));
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const ChartOptions options = chartOptions(args, lottery, BonusChart::DrawingSummary);
    const int hot = args.integer(QStringLiteral("hot"), lottery.HotNumberCutoff());
    if (hot < 0)
        throw UsageError(QStringLiteral("option --hot takes a count of 0 or more"));
    if (options.fieldWidth == 3)
        throw VantoroError(
            QStringLiteral("The lottery draws playing cards: it has no numbers to summarise."));
    const DrawingSummary summary = computeDrawingSummary(lottery.table(), lottery.definition(), options.bonus,
                                                         options.cutoff, hot, options.total);

    const bool graph =
        writeAndListGraph(lottery, DrawingSummary::graphFields(), summary.graphRecords(), "Rows");
    QTextStream& out = cliOut();
    out << "Average: " << summary.averages.join(QLatin1Char(' ')) << '\n';
    out << "Percent: " << summary.percents.join(QLatin1Char(' ')) << '\n';
    writePdf(args, [&](Report& report) {
        setUpDrawingSummaryPrintout(report, summary, printoutFacts(lottery, options.cutoff));
    });
    return graph ? 0 : 1;
}
