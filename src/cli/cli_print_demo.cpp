// SPDX-License-Identifier: GPL-3.0-or-later
// print-demo: the page model on paper without a lottery, written as a PDF file.
#include "cli/cli_commands.h"
#include "db/vantoro_error.h"
#include "report/report.h"
#include "report/report_output.h"
#include "report/sample_printout.h"

int cliPrintDemo(const QStringList& words) {
    const CliOptions args(words);
    args.allowOnly({QStringLiteral("pdf"), QStringLiteral("lines"), QStringLiteral("columns")});
    const QString file = args.required(QStringLiteral("pdf"));
    const int lines = args.requiredInteger(QStringLiteral("lines"));
    const int columns = args.integer(QStringLiteral("columns"), 1);
    if (lines < 0)
        throw UsageError(QStringLiteral("option --lines takes a count of 0 or more"));
    if (columns < 1)
        throw UsageError(QStringLiteral("option --columns takes a count of 1 or more"));

    Report report;
    setUpSamplePrintout(report, lines, columns);
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
