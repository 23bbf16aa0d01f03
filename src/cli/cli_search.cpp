// SPDX-License-Identifier: GPL-3.0-or-later
// search: the drawings that hold at least --min of the numbers given, as the result window lists them.
#include "cli/cli_search.h"

#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "lottery/drawing_table.h"

namespace {
constexpr int MaxSearchNumbers = 35;
constexpr int MaxHits = 22;
} // namespace

void addCliRangeOptions(CliOptions& args) {
    args.addValue({QStringLiteral("from")}, QStringLiteral("N"),
                  QStringLiteral("The position of the first drawing, counted from 1 (default 1)."));
    args.addValue({QStringLiteral("to")}, QStringLiteral("N"),
                  QStringLiteral("The position of the last drawing (default the last on file)."));
}

void addCliSearchOptions(CliOptions& args) {
    args.addValue({QStringLiteral("numbers")}, QStringLiteral("LIST"),
                  QStringLiteral("The numbers to look for, separated by commas (05,12,33), up to %1.")
                      .arg(MaxSearchNumbers));
    args.addValue({QStringLiteral("min")}, QStringLiteral("M"),
                  QStringLiteral("How many of them a drawing must hold, from 1 to %1 (default %2).")
                      .arg(MaxHits)
                      .arg(DrawingSearchOptions().minimumHits));
    args.addFlag({QStringLiteral("bonus")}, QStringLiteral("Counts the bonus numbers of the drawings too."));
    addCliRangeOptions(args);
}

void cliRange(const CliOptions& args, int recordCount, int& from, int& to) {
    from = args.integer(QStringLiteral("from"), 1);
    to = args.integer(QStringLiteral("to"), recordCount);
    if (from < 1 || to < 0)
        throw UsageError(QStringLiteral("options --from and --to take positions of 1 or more"));
}

DrawingSearchOptions cliSearchOptions(const CliOptions& args, CurrentLottery& lottery) {
    const QStringList entries = args.required(QStringLiteral("numbers")).split(QLatin1Char(','));
    if (entries.size() > MaxSearchNumbers)
        throw UsageError(QStringLiteral("option --numbers takes at most %1 numbers").arg(MaxSearchNumbers));
    DrawingSearchOptions options;
    const int fieldWidth = lottery.table().FieldWidth(DrawingTable::numberField(1));
    options.numbers = DrawingSearch::searchNumbers(entries, fieldWidth);
    options.minimumHits = args.integer(QStringLiteral("min"), options.minimumHits);
    if (options.minimumHits < 1 || options.minimumHits > MaxHits)
        throw UsageError(QStringLiteral("option --min takes a count from 1 to %1").arg(MaxHits));
    options.includeBonus = args.has(QStringLiteral("bonus"));
    cliRange(args, lottery.table().RecordCount(), options.from, options.to);
    return options;
}

int cliSearch(const QStringList& words) {
    CliOptions args(QStringLiteral("search"),
                    QStringLiteral("Lists the drawings that hold at least --min of the numbers given, as "
                                   "the search result window does."));
    args.addLottery();
    addCliSearchOptions(args);
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const DrawingSearchOptions options = cliSearchOptions(args, lottery);
    const DrawingSearchResult result = DrawingSearch::run(lottery.table(), lottery.definition(), options);
    QTextStream& out = cliOut();
    out << result.numbersLabel << "\n" << result.drawingsLabel << "\n";
    for (const QString& line : result.lines)
        out << line << "\n";
    return 0;
}
