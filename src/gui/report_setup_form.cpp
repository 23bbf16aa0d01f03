// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report_setup_form.h"

#include "gui/modal.h"
#include "gui/prompts.h"
#include "report/report.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TReportSetupForm::TReportSetupForm(const ReportSettings& settings, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer) {
    setObjectName(QStringLiteral("TReportSetupForm"));
    setWindowTitle(settings.TitleSetup);

    auto* destination = new QGroupBox(QStringLiteral("Destination"), this);
    PrinterRadio = named(new QRadioButton(QStringLiteral("&Printer"), destination), "PrinterRadio");
    PreviewRadio = named(new QRadioButton(QStringLiteral("Pre&view"), destination), "PreviewRadio");
    FileRadio = named(new QRadioButton(QStringLiteral("&File"), destination), "FileRadio");
    FileNameEdit = named(new QLineEdit(settings.reportFileName, destination), "FileNameEdit");
    BrowseBtn = named(new QToolButton(destination), "BrowseBtn");
    BrowseBtn->setText(QStringLiteral("..."));
    auto* destinationLayout = new QGridLayout(destination);
    destinationLayout->addWidget(PrinterRadio, 0, 0);
    destinationLayout->addWidget(PreviewRadio, 1, 0);
    destinationLayout->addWidget(FileRadio, 2, 0);
    destinationLayout->addWidget(FileNameEdit, 2, 1);
    destinationLayout->addWidget(BrowseBtn, 2, 2);

    auto* range = new QGroupBox(QStringLiteral("Print Range"), this);
    AllRadio = named(new QRadioButton(QStringLiteral("All"), range), "AllRadio");
    SelectionRadio = named(new QRadioButton(QStringLiteral("Selection"), range), "SelectionRadio");
    PagesRadio = named(new QRadioButton(QStringLiteral("Pages"), range), "PagesRadio");
    FromPageEdit = named(new QSpinBox(range), "FromPageEdit");
    ToPageEdit = named(new QSpinBox(range), "ToPageEdit");
    for (QSpinBox* edit : {FromPageEdit, ToPageEdit})
        edit->setRange(1, 9999);
    // A printout has no selection of its own: every page is laid out from the body.
    SelectionRadio->setEnabled(false);
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(AllRadio, 0, 0);
    rangeLayout->addWidget(SelectionRadio, 1, 0);
    rangeLayout->addWidget(PagesRadio, 2, 0);
    rangeLayout->addWidget(new QLabel(QStringLiteral("from"), range), 2, 1);
    rangeLayout->addWidget(FromPageEdit, 2, 2);
    rangeLayout->addWidget(new QLabel(QStringLiteral("to"), range), 2, 3);
    rangeLayout->addWidget(ToPageEdit, 2, 4);

    auto* copies = new QGroupBox(QStringLiteral("Copies"), this);
    CopiesEdit = named(new QSpinBox(copies), "CopiesEdit");
    CopiesEdit->setRange(1, 999);
    auto* copiesLabel = new QLabel(QStringLiteral("&Copies"), copies);
    copiesLabel->setBuddy(CopiesEdit);
    CollateCheck = named(new QCheckBox(QStringLiteral("C&ollate"), copies), "CollateCheck");
    DuplexCheck = named(new QCheckBox(QStringLiteral("&Duplex"), copies), "DuplexCheck");
    auto* copiesLayout = new QHBoxLayout(copies);
    copiesLayout->addWidget(copiesLabel);
    copiesLayout->addWidget(CopiesEdit);
    copiesLayout->addWidget(CollateCheck);
    copiesLayout->addWidget(DuplexCheck);
    copiesLayout->addStretch();

    auto* printerBox = new QGroupBox(QStringLiteral("Printer"), this);
    PrinterLabel = named(new QLabel(printerBox), "PrinterLabel");
    SetupBtn = named(new QPushButton(QStringLiteral("&Setup"), printerBox), "SetupBtn");
    auto* printerLayout = new QHBoxLayout(printerBox);
    printerLayout->addWidget(PrinterLabel, 1);
    printerLayout->addWidget(SetupBtn);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "OKBtn");
    CancelBtn =
        named(buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    OKBtn->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(destination);
    layout->addWidget(range);
    layout->addWidget(copies);
    layout->addWidget(printerBox);
    layout->addWidget(buttons);

    PreviewRadio->setChecked(true);
    AllRadio->setChecked(true);
    CopiesEdit->setValue(std::max(1, printer.copyCount()));
    CollateCheck->setChecked(printer.collateCopies());
    DuplexCheck->setChecked(printer.duplex() != QPrinter::DuplexNone);
    showPrinter();

    connect(BrowseBtn, &QToolButton::clicked, this, &TReportSetupForm::BrowseBtnClick);
    connect(SetupBtn, &QPushButton::clicked, this, &TReportSetupForm::SetupBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TReportSetupForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* radio : {PrinterRadio, PreviewRadio, FileRadio, AllRadio, PagesRadio})
        connect(radio, &QRadioButton::toggled, this, &TReportSetupForm::updateControls);
    updateControls();
}

bool TReportSetupForm::printerUsable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

void TReportSetupForm::showPrinter() {
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        PrinterLabel->setText(QStringLiteral("File: ") + m_printer.outputFileName());
    else if (!m_printer.printerName().isEmpty())
        PrinterLabel->setText(m_printer.printerName());
    else
        PrinterLabel->setText(QStringLiteral("(no printer installed)"));
    const bool usable = printerUsable(m_printer);
    PrinterRadio->setEnabled(usable);
    if (!usable && PrinterRadio->isChecked())
        PreviewRadio->setChecked(true);
}

void TReportSetupForm::updateControls() {
    const bool toFile = FileRadio->isChecked();
    FileNameEdit->setEnabled(toFile);
    BrowseBtn->setEnabled(toFile);
    FromPageEdit->setEnabled(PagesRadio->isChecked());
    ToPageEdit->setEnabled(PagesRadio->isChecked());
    // A file is one copy; copies and duplex are the printer's business.
    CopiesEdit->setEnabled(!toFile);
    CollateCheck->setEnabled(!toFile);
    DuplexCheck->setEnabled(!toFile);
}

void TReportSetupForm::BrowseBtnClick() {
    FileDialogSpec request;
    request.title = QStringLiteral("Report File");
    request.filter = QStringLiteral("PDF Files (*.pdf)");
    request.fileName = FileNameEdit->text();
    request.defaultSuffix = QStringLiteral("pdf");
    const QString name = Prompts::instance().saveFileName(this, request);
    if (!name.isEmpty())
        FileNameEdit->setText(name);
}

void TReportSetupForm::SetupBtnClick() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (Modal::run(dialog) == QDialog::Accepted) {
        CopiesEdit->setValue(std::max(1, m_printer.copyCount()));
        CollateCheck->setChecked(m_printer.collateCopies());
        DuplexCheck->setChecked(m_printer.duplex() != QPrinter::DuplexNone);
    }
    showPrinter();
}

void TReportSetupForm::OKBtnClick() {
    if (FileRadio->isChecked() && FileNameEdit->text().trimmed().isEmpty()) {
        Prompts::instance().information(this, QStringLiteral("Please enter the name of the report file."));
        return;
    }
    if (PagesRadio->isChecked() && FromPageEdit->value() > ToPageEdit->value()) {
        Prompts::instance().information(this,
                                        QStringLiteral("The first page must not come after the last page."));
        return;
    }
    accept();
}

ReportSetupChoice TReportSetupForm::choice() const {
    ReportSetupChoice result;
    if (PrinterRadio->isChecked())
        result.destination = ReportDestination::Printer;
    else if (FileRadio->isChecked())
        result.destination = ReportDestination::File;
    result.fileName = FileNameEdit->text().trimmed();
    if (PagesRadio->isChecked()) {
        result.fromPage = FromPageEdit->value();
        result.toPage = ToPageEdit->value();
    }
    result.copies = CopiesEdit->value();
    result.collate = CollateCheck->isChecked();
    result.duplex = DuplexCheck->isChecked();
    return result;
}

void TReportSetupForm::applyTo(QPrinter& printer) const {
    const ReportSetupChoice chosen = choice();
    printer.setCopyCount(chosen.copies);
    printer.setCollateCopies(chosen.collate);
    printer.setDuplex(chosen.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    if (chosen.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(chosen.fromPage, chosen.toPage);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
        printer.setFromTo(0, 0);
    }
}
