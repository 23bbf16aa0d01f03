// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report.h"

#include <memory>

class QDialog;
class QPrinter;
class QWidget;
class RecordingCanvas;
struct ReportSetupChoice;

// The report object a dialog owns (`ReportSystem1`): the page model plus the windows that ask where
// the output goes and show it on its way.
//
//   ReportSystem1.setPrintoutName(QStringLiteral("Winnings"));
//   useStandardHeader(ReportSystem1, header);
//   ReportSystem1.setOnPrint([this](Report& r) { ReportSystem1Print(r); });
//   ReportSystem1.execute(this);  // from the dialog's Print button
class ReportSystem : public Report {
public:
    ReportSystem();
    ~ReportSystem() override;

    // Shows the set-up window and, unless it is cancelled, produces the pages for the chosen
    // destination: the printer or a PDF file with a status window, or the preview. Returns false
    // when nothing was produced (cancelled, stopped or refused).
    bool execute(QWidget* parent = nullptr);

    // The printer of every report of the program, kept across runs so that the choices of the
    // printer set-up (File > Print Setup or a report's own Setup) hold for all printouts.
    static QPrinter& printer();

private:
    bool toPrinter(QWidget* parent);
    bool toFile(const ReportSetupChoice& choice, QWidget* parent);
    bool toPreview(QWidget* parent);
    bool printPages(const RecordingCanvas& pages, QWidget* parent);
};
