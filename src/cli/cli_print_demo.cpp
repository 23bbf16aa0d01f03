// SPDX-License-Identifier: GPL-3.0-or-later
// print-demo: the page model on paper without a lottery, written as a PDF file.
#include "cli/cli_commands.h"
#include "cli/cli_pdf.h"
#include "report/report.h"
#include "report/report_output.h"
#include "report/sample_printout.h"

int cliPrintDemo(const QStringList& words) {
    CliOptions args(QStringLiteral("print-demo"),
                    QStringLiteral("Writes a sample printout without a lottery, to try the page layout on "
                                   "paper, and says how many pages it has."));
    args.addPdf(QStringLiteral("the sample printout"));
    args.addValue({QStringLiteral("lines")}, QStringLiteral("N"),
                  QStringLiteral("How many numbered lines it holds."));
    args.addValue({QStringLiteral("columns")}, QStringLiteral("C"),
                  QStringLiteral("How many columns of lines a page holds (default 1)."));
    if (!args.parse(words))
        return 0;
    const QString file = args.required(QStringLiteral("pdf"));
    const int lines = args.requiredInteger(QStringLiteral("lines"));
    const int columns = args.integer(QStringLiteral("columns"), 1);
    if (lines < 0)
        throw UsageError(QStringLiteral("option --lines takes a count of 0 or more"));
    if (columns < 1)
        throw UsageError(QStringLiteral("option --columns takes a count of 1 or more"));

    Report report;
    setUpSamplePrintout(report, lines, columns);
    const int pages = writeCliPdf(report, file);
    const QString path = reportPdfPath(file);
    cliOut() << path << ": " << pages << (pages == 1 ? " page" : " pages") << "\n";
    return 0;
}
