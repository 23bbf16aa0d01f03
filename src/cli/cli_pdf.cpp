// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "report/report.h"
#include "report/report_output.h"

int writeCliPdf(Report& report, const QString& file) {
    int pages = 0;
    const ReportOutcome outcome = writeReportPdf(report, file, [&pages](int page) {
        pages = page;
        return true;
    });
    if (outcome != ReportOutcome::Done)
        throw VantoroError(QStringLiteral("Cannot write the PDF file \"%1\".").arg(reportPdfPath(file)));
    return pages;
}
