// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_system.h"

#include "app/prompts.h"
#include "report/recording_canvas.h"
#include "report/report_output.h"
#include "report/report_preview_form.h"
#include "report/report_setup_form.h"
#include "report/report_status_form.h"

#include <QPrinter>

ReportSystem::ReportSystem() = default;
ReportSystem::~ReportSystem() = default;

QPrinter& ReportSystem::printer() {
    static QPrinter* shared = [] {
        auto* made = new QPrinter(QPrinter::HighResolution); // lives as long as the program
        // Without a printer to say otherwise, pages are laid out on Letter paper as the PDF files are.
        if (made->printerName().isEmpty())
            made->setPageSize(QPageSize(QPageSize::Letter));
        return made;
    }();
    return *shared;
}

int ReportSystem::runModal(QDialog& dialog) {
    return dialog.exec();
}

bool ReportSystem::execute(QWidget* parent) {
    // The shared printer keeps what the last printout set; each printout states its own.
    printer().setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    TReportSetupForm setup(
        settings, printer(), [this](QDialog& dialog) { return runModal(dialog); }, parent);
    if (runModal(setup) != QDialog::Accepted)
        return false;
    const ReportSetupChoice choice = setup.choice();
    setup.applyTo(printer());
    switch (choice.destination) {
    case ReportDestination::Printer:
        return toPrinter(parent);
    case ReportDestination::File:
        return toFile(choice, parent);
    case ReportDestination::Preview:
        return toPreview(parent);
    }
    return false;
}

bool ReportSystem::toPrinter(QWidget* parent) {
    if (!TReportSetupForm::printerUsable(printer())) {
        Prompts::instance().error(parent, QStringLiteral("No printer is installed."));
        return false;
    }
    TReportStatusForm status(settings.TitleStatus, settings.printerStatusText, parent);
    status.show();
    const ReportOutcome outcome = printReport(*this, printer(), status.progress());
    if (outcome == ReportOutcome::Failed)
        Prompts::instance().error(parent, QStringLiteral("The printer could not be started."));
    return outcome == ReportOutcome::Done;
}

bool ReportSystem::toFile(const ReportSetupChoice& choice, QWidget* parent) {
    TReportStatusForm status(settings.TitleStatus, settings.fileStatusText, parent);
    status.show();
    const ReportOutcome outcome =
        writeReportPdf(*this, choice.fileName, status.progress(), choice.fromPage, choice.toPage);
    if (outcome == ReportOutcome::Failed)
        Prompts::instance().error(
            parent,
            QStringLiteral("Cannot write the report file \"%1\".").arg(reportPdfPath(choice.fileName)));
    return outcome == ReportOutcome::Done;
}

bool ReportSystem::toPreview(QWidget* parent) {
    // The pages are laid out once; the preview and its Print button show the same pages.
    RecordingCanvas pages(printer().pageLayout().fullRect(QPageLayout::Inch).size());
    {
        TReportStatusForm status(settings.TitleStatus, settings.fileStatusText, parent);
        status.show();
        if (!run(pages, status.progress()))
            return false;
    }
    std::function<void()> print;
    if (TReportSetupForm::printerUsable(printer()))
        print = [this, &pages, parent] { printPages(pages, parent); };
    TReportPreviewForm preview(settings, pages, printer(), print, parent);
    runModal(preview);
    return true;
}

bool ReportSystem::printPages(const RecordingCanvas& pages, QWidget* parent) {
    TReportStatusForm status(settings.TitleStatus, settings.printerStatusText, parent);
    status.show();
    const ReportOutcome outcome = printRecording(pages, printer(), settings.printJobTitle, status.progress());
    if (outcome == ReportOutcome::Failed)
        Prompts::instance().error(parent, QStringLiteral("The printer could not be started."));
    return outcome == ReportOutcome::Done;
}
