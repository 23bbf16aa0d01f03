// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_output.h"

#include "report/painter_canvas.h"
#include "report/recording_canvas.h"
#include "report/report.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

void prepare(QPrinter& printer, const QString& jobTitle) {
    // Our margins are measured from the edge of the paper, not from the printable area.
    printer.setFullPage(true);
    printer.setDocName(jobTitle);
    printer.setCreator(QStringLiteral("Vantoro"));
}

int fromPage(const QPrinter& printer) {
    return printer.printRange() == QPrinter::PageRange ? printer.fromPage() : 0;
}

int toPage(const QPrinter& printer) {
    return printer.printRange() == QPrinter::PageRange ? printer.toPage() : 0;
}

} // namespace

ReportOutcome printReport(Report& report, QPrinter& printer, const ReportPageStarted& pageStarted) {
    prepare(printer, report.settings.printJobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return ReportOutcome::Failed;
    PainterCanvas canvas(painter, printer, fromPage(printer), toPage(printer));
    const bool finished = report.run(canvas, pageStarted);
    if (!finished)
        printer.abort();
    painter.end();
    return finished ? ReportOutcome::Done : ReportOutcome::Cancelled;
}

ReportOutcome printRecording(const RecordingCanvas& pages, QPrinter& printer, const QString& jobTitle,
                             const ReportPageStarted& pageStarted) {
    prepare(printer, jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return ReportOutcome::Failed;
    PainterCanvas canvas(painter, printer);
    const int from = fromPage(printer);
    const bool finished = pages.replay(canvas, from > 0 ? from : 1, toPage(printer), pageStarted);
    if (!finished)
        printer.abort();
    painter.end();
    return finished ? ReportOutcome::Done : ReportOutcome::Cancelled;
}

QString reportPdfPath(const QString& fileName) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".pdf") : fileName;
}

ReportOutcome writeReportPdf(Report& report, const QString& fileName, const ReportPageStarted& pageStarted,
                             int fromPage, int toPage) {
    const QString path = reportPdfPath(fileName);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(report.settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (fromPage > 0 || toPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(std::max(1, fromPage), toPage > 0 ? toPage : 99999);
    }
    const ReportOutcome outcome = printReport(report, printer, pageStarted);
    if (outcome != ReportOutcome::Done)
        QFile::remove(path);
    return outcome;
}
