// SPDX-License-Identifier: GPL-3.0-or-later
// check: a ticket file checked against one drawing, as the Check Tickets window shows it.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "lottery/program_home.h"
#include "play/check_printout.h"
#include "play/ticket_check.h"
#include "play/ticket_file.h"
#include "report/report.h"

#include <QFileInfo>

namespace {

// A ticket file named without a folder that is not in the current one is looked up in the home,
// where the window's open dialog starts.
QString ticketPath(const CliOptions& args) {
    const QString name = args.required(QStringLiteral("tickets"));
    if (QFileInfo::exists(name) || name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).dir() + QLatin1Char('/') + name;
}

// Moves the table, in date order, to the drawing the options name: the latest by default.
void goToDrawing(const CliOptions& args, DbfTable& table) {
    if (args.has(QStringLiteral("date")) && args.has(QStringLiteral("position")))
        throw UsageError(QStringLiteral("give --date or --position, not both"));
    table.SetOrder(1);
    if (table.RecordCount() == 0)
        throw VantoroError(
            QStringLiteral("The lottery %1 holds no drawings to check against.").arg(table.fileName()));
    if (args.has(QStringLiteral("position"))) {
        const int position = args.integer(QStringLiteral("position"), 0);
        if (position < 1 || position > table.RecordCount())
            throw UsageError(
                QStringLiteral("option --position takes a drawing from 1 to %1").arg(table.RecordCount()));
        table.GoTop();
        table.Skip(position - 1);
        return;
    }
    table.GoBottom();
    if (!args.has(QStringLiteral("date")))
        return;
    const QString wanted = args.value(QStringLiteral("date"));
    if (!QDate::fromString(wanted, QStringLiteral("MM/dd/yyyy")).isValid())
        throw UsageError(QStringLiteral("option --date takes a date as MM/DD/YYYY, not '%1'").arg(wanted));
    // The latest drawing of that day, walking back from the end as most checks are of recent ones.
    do {
        if (table.DateText(DrawingTable::DateField) == wanted)
            return;
    } while (table.Skip(-1) != 0);
    throw VantoroError(QStringLiteral("The lottery %1 has no drawing on %2.").arg(table.fileName(), wanted));
}

} // namespace

int cliCheck(const QStringList& words) {
    CliOptions args(
        QStringLiteral("check"),
        QStringLiteral("Checks a ticket file against one drawing and prints the lines of the Check "
                       "Tickets window: the drawn numbers, every ticket with its count of "
                       "matches, then the summary of how many tickets reached each count."));
    args.addLottery();
    args.addValue({QStringLiteral("tickets")}, QStringLiteral("FILE.tic"),
                  QStringLiteral("The ticket file; a name without a folder that is not in the current one is "
                                 "taken from the program home."));
    args.addValue({QStringLiteral("date")}, QStringLiteral("MM/DD/YYYY"),
                  QStringLiteral("The drawing of that day (default the latest drawing)."));
    args.addValue({QStringLiteral("position")}, QStringLiteral("N"),
                  QStringLiteral("The drawing at that position in date order, counted from 1."));
    args.addValue({QStringLiteral("min")}, QStringLiteral("N"),
                  QStringLiteral("Lists only the tickets with at least N matches, 0 to 9 (default 0)."));
    args.addPdf(QStringLiteral("the window's printout of the lines listed"));
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    const int minimum = args.integer(QStringLiteral("min"), 0);
    if (minimum < 0 || minimum > 9)
        throw UsageError(QStringLiteral("option --min takes a single digit, 0 to 9"));

    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const QString path = ticketPath(args);
    TicketFile file;
    const TicketCheck check = TicketCheck::read(path, file);
    const QString refusal = ticketFileRefusal(lottery.definition(), file.kind);
    if (!refusal.isEmpty())
        throw VantoroError(refusal);
    goToDrawing(args, lottery.table());
    const CheckDrawing drawn = CheckDrawing::read(lottery.table(), lottery.definition(), file.kind.gameType);
    const CheckResult result = check.run(drawn, lottery.definition());
    const QStringList lines = result.linesWithAtLeast(minimum);

    QTextStream& out = cliOut();
    out << result.numbersLabel << '\n';
    if (!result.bonusLabel.isEmpty())
        out << result.bonusLabel << '\n';
    for (const QString& line : lines)
        out << line << '\n';
    out << "[Summary]\n";
    for (const QString& item : result.summary)
        out << item << '\n';
    out.flush();

    if (args.has(QStringLiteral("pdf"))) {
        CheckPrintoutFacts facts;
        facts.note = result.note;
        facts.numbersLabel = result.numbersLabel;
        facts.bonusLabel = result.bonusLabel;
        facts.drawDate = result.date;
        facts.lotteryName = lottery.definition().Description;
        facts.numbersDrawn = lottery.definition().NumbersDrawn;
        facts.lines = lines;
        facts.summary = result.summary;
        Report report;
        setUpCheckPrintout(report, facts);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
    return 0;
}
