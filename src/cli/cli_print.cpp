// SPDX-License-Identifier: GPL-3.0-or-later
// print drawings|search: the "Drawing List" and "Search List" printouts of the open lottery as PDF files.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"
#include "cli/cli_search.h"
#include "drawings/drawing_list.h"
#include "drawings/drawing_list_printout.h"
#include "drawings/drawing_search_printout.h"
#include "report/report.h"
#include "report/report_output.h"

int cliPrint(const QStringList& words) {
    CliOptions args(
        QStringLiteral("print"),
        QStringLiteral("Writes the \"Drawing List\" (print drawings) or the \"Search List\" of the "
                       "numbers given (print search) of a lottery as a PDF document, and says "
                       "how many pages it has."));
    args.addPositional(QStringLiteral("drawings|search"), QStringLiteral("The list to print."));
    args.addLottery();
    args.addPdf(QStringLiteral("the list"));
    addCliSearchOptions(args);
    if (!args.parse(words))
        return 0;
    const QString kind = args.positional().value(0);
    if (args.positional().size() != 1 ||
        (kind != QStringLiteral("drawings") && kind != QStringLiteral("search")))
        throw UsageError(QStringLiteral("say what to print: drawings or search"));
    const bool search = kind == QStringLiteral("search");
    for (const QString& name : {QStringLiteral("numbers"), QStringLiteral("min"), QStringLiteral("bonus")}) {
        if (!search && args.has(name))
            throw UsageError(QStringLiteral("option --%1 is for print search").arg(name));
    }
    const QString file = args.required(QStringLiteral("pdf"));

    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const LotteryDefinition& definition = lottery.definition();
    Report report;
    if (search) {
        const DrawingSearchOptions options = cliSearchOptions(args, lottery);
        setUpSearchListPrintout(report, definition.Description, definition.NumbersDrawn,
                                DrawingSearch::run(lottery.table(), definition, options));
    } else {
        int from = 1;
        int to = 0;
        cliRange(args, lottery.table().RecordCount(), from, to);
        setUpDrawingListPrintout(report, definition.Description, definition.NumbersDrawn,
                                 DrawingList::lines(lottery.table(), definition.NumbersDrawn, from, to));
    }
    const int pages = writeCliPdf(report, file);
    const QString path = reportPdfPath(file);
    cliOut() << path << ": " << pages << (pages == 1 ? " page" : " pages") << "\n";
    return 0;
}
