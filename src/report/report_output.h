// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"

#include <QString>

class QPrinter;
class RecordingCanvas;
class Report;

enum class ReportOutcome { Done, Cancelled, Failed };

// Runs `report` onto `printer` (a real printer or PDF output), painting only the printer's
// fromPage()..toPage() when it names a range. The job is titled with the report's print-job title.
// A cancelled job is aborted on the printer.
ReportOutcome printReport(Report& report, QPrinter& printer, const ReportPageStarted& pageStarted = {});

// Prints pages laid out before (the preview's), with the same page range rule.
ReportOutcome printRecording(const RecordingCanvas& pages, QPrinter& printer, const QString& jobTitle,
                             const ReportPageStarted& pageStarted = {});

// Writes the report as a PDF file on Letter paper; a name without a suffix gets ".pdf". Only pages
// `fromPage`..`toPage` are written when a range is given (0: no limit). A cancelled or failed file
// is removed.
ReportOutcome writeReportPdf(Report& report, const QString& fileName,
                             const ReportPageStarted& pageStarted = {}, int fromPage = 0, int toPage = 0);

// The file a report file name stands for: "temp" becomes "temp.pdf".
QString reportPdfPath(const QString& fileName);
