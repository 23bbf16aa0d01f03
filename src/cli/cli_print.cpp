// SPDX-License-Identifier: GPL-3.0-or-later
// print drawings|search: the "Drawing List" and "Search List" printouts of the open lottery as PDF files.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_search.h"
#include "db/vantoro_error.h"
#include "drawings/drawing_list.h"
#include "drawings/drawing_list_printout.h"
#include "drawings/drawing_search_printout.h"
#include "report/report.h"
#include "report/report_output.h"

int cliPrint(const QStringList& words) {
    const CliOptions args(words, {QStringLiteral("bonus")});
    const QString kind = args.positional().value(0);
    if (args.positional().size() != 1 ||
        (kind != QStringLiteral("drawings") && kind != QStringLiteral("search")))
        throw UsageError(QStringLiteral("say what to print: drawings or search"));
    const bool search = kind == QStringLiteral("search");
    QStringList allowed{QStringLiteral("lottery"), QStringLiteral("pdf"), QStringLiteral("from"),
                        QStringLiteral("to")};
    if (search)
        allowed << QStringLiteral("numbers") << QStringLiteral("min") << QStringLiteral("bonus");
    args.allowOnly(allowed);
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
    int pages = 0;
    const ReportOutcome outcome = writeReportPdf(report, file, [&pages](int page) {
        pages = page;
        return true;
    });
    const QString path = reportPdfPath(file);
    if (outcome != ReportOutcome::Done)
        throw VantoroError(QStringLiteral("Cannot write the PDF file \"%1\".").arg(path));
    cliOut() << path << ": " << pages << (pages == 1 ? " page" : " pages") << "\n";
    return 0;
}
