// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up, status and preview windows of a report, driven without ever blocking on a modal window.
#include "gui/report_preview_form.h"
#include "gui/report_setup_form.h"
#include "gui/report_status_form.h"
#include "gui/report_system.h"
#include "report/recording_canvas.h"
#include "report/report_output.h"
#include "report/sample_printout.h"
#include "support/pdf_pages.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Answers every modal window of the report with a scripted function and records the titles asked.
class ScriptedReportSystem final : public ReportSystem {
public:
    std::function<int(QDialog&)> onModal;

private:
    ScriptedModal m_modal{
        [this](QDialog& dialog) { return onModal ? onModal(dialog) : int(QDialog::Rejected); }};

public:
    const QStringList& asked = m_modal.asked;
};

// Chooses the file destination in the set-up window and presses OK or Cancel there.
std::function<int(QDialog&)> chooseFile(const QString& name, bool ok, int fromPage = 0, int toPage = 0) {
    return [=](QDialog& dialog) {
        auto* setup = qobject_cast<TReportSetupForm*>(&dialog);
        if (!setup)
            return int(QDialog::Rejected);
        setup->show(); // a button takes clicks only when it is laid out on screen
        QTest::mouseClick(setup->FileRadio, Qt::LeftButton);
        setup->FileNameEdit->setText(name);
        if (fromPage > 0) {
            setup->PagesRadio->setChecked(true);
            setup->FromPageEdit->setValue(fromPage);
            setup->ToPageEdit->setValue(toPage);
        }
        QTest::mouseClick(ok ? setup->OKBtn : setup->CancelBtn, Qt::LeftButton);
        return dialog.result();
    };
}

} // namespace

class TestReportWindows final : public QObject {
    Q_OBJECT

private slots:
    void setupWindowControls();
    void setupRefusesWhatCannotBePrinted();
    void browseAsksThroughPrompts();
    void setupButtonOpensThePrinterDialog();
    void cancellingTheSetupProducesNothing();
    void fileDestinationWritesTheChosenPages_data();
    void fileDestinationWritesTheChosenPages();
    void cancelInTheStatusWindowStopsTheOutput();
    void previewPagesAndZooms();
    void printerDestinationWithoutPrinterIsRefused();
};

void TestReportWindows::setupWindowControls() {
    ReportSystem report;
    setUpSamplePrintout(report, 10, 1);
    TReportSetupForm setup(report.settings, report.printer());
    setup.show();
    QCOMPARE(setup.windowTitle(), QStringLiteral("Sample Printout Setup"));
    QCOMPARE(setup.PrinterRadio->text(), QStringLiteral("&Printer"));
    QCOMPARE(setup.PreviewRadio->text(), QStringLiteral("Pre&view"));
    QCOMPARE(setup.FileRadio->text(), QStringLiteral("&File"));
    QCOMPARE(setup.CollateCheck->text(), QStringLiteral("C&ollate"));
    QCOMPARE(setup.DuplexCheck->text(), QStringLiteral("&Duplex"));
    QCOMPARE(setup.SetupBtn->text(), QStringLiteral("&Setup"));
    QVERIFY(setup.PreviewRadio->isChecked());
    QVERIFY(setup.AllRadio->isChecked());
    QVERIFY(!setup.SelectionRadio->isEnabled());
    QCOMPARE(setup.FileNameEdit->text(), QStringLiteral("temp"));
    QVERIFY(!setup.FileNameEdit->isEnabled());
    QVERIFY(!setup.FromPageEdit->isEnabled());
    QVERIFY(!setup.PrinterLabel->text().isEmpty());

    QTest::mouseClick(setup.FileRadio, Qt::LeftButton);
    QVERIFY(setup.FileNameEdit->isEnabled());
    QVERIFY(!setup.CopiesEdit->isEnabled());
    QTest::mouseClick(setup.PagesRadio, Qt::LeftButton);
    QVERIFY(setup.FromPageEdit->isEnabled() && setup.ToPageEdit->isEnabled());
    setup.FromPageEdit->setValue(2);
    setup.ToPageEdit->setValue(5);
    QTest::mouseClick(setup.PreviewRadio, Qt::LeftButton);
    setup.CopiesEdit->setValue(3);
    setup.CollateCheck->setChecked(true);
    setup.DuplexCheck->setChecked(true);

    const ReportSetupChoice choice = setup.choice();
    QCOMPARE(choice.destination, ReportDestination::Preview);
    QCOMPARE(choice.fromPage, 2);
    QCOMPARE(choice.toPage, 5);
    QCOMPARE(choice.copies, 3);
    QVERIFY(choice.collate && choice.duplex);
    QPrinter printer;
    setup.applyTo(printer);
    QCOMPARE(printer.printRange(), QPrinter::PageRange);
    QCOMPARE(printer.fromPage(), 2);
    QCOMPARE(printer.toPage(), 5);
    QCOMPARE(printer.copyCount(), 3);
    QVERIFY(printer.collateCopies());
}

void TestReportWindows::setupRefusesWhatCannotBePrinted() {
    ScriptedPrompts prompts;
    ReportSystem report;
    TReportSetupForm setup(report.settings, report.printer());
    setup.show();
    setup.FileRadio->setChecked(true);
    setup.FileNameEdit->clear();
    QTest::mouseClick(setup.OKBtn, Qt::LeftButton);
    QCOMPARE(setup.result(), int(QDialog::Rejected));
    setup.FileNameEdit->setText(QStringLiteral("out"));
    setup.PagesRadio->setChecked(true);
    setup.FromPageEdit->setValue(4);
    setup.ToPageEdit->setValue(2);
    QTest::mouseClick(setup.OKBtn, Qt::LeftButton);
    QCOMPARE(setup.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.shown,
             (QStringList{QStringLiteral("Please enter the name of the report file."),
                          QStringLiteral("The first page must not come after the last page.")}));
    setup.ToPageEdit->setValue(4);
    QTest::mouseClick(setup.OKBtn, Qt::LeftButton);
    QCOMPARE(setup.result(), int(QDialog::Accepted));
}

void TestReportWindows::browseAsksThroughPrompts() {
    ScriptedPrompts prompts;
    prompts.fileNames = {QStringLiteral("/tmp/chosen.pdf"), QString()};
    ReportSystem report;
    TReportSetupForm setup(report.settings, report.printer());
    setup.show();
    QTest::mouseClick(setup.FileRadio, Qt::LeftButton);
    QTest::mouseClick(setup.BrowseBtn, Qt::LeftButton);
    QCOMPARE(setup.FileNameEdit->text(), QStringLiteral("/tmp/chosen.pdf"));
    QTest::mouseClick(setup.BrowseBtn, Qt::LeftButton); // cancelled: the name stays
    QCOMPARE(setup.FileNameEdit->text(), QStringLiteral("/tmp/chosen.pdf"));
    QCOMPARE(prompts.fileDialogs.size(), 2);
    QCOMPARE(prompts.fileDialogs.first().defaultSuffix, QStringLiteral("pdf"));
}

void TestReportWindows::setupButtonOpensThePrinterDialog() {
    ReportSystem report;
    QStringList opened;
    ScriptedModal modal([&](QDialog& dialog) {
        opened << QString::fromLatin1(dialog.metaObject()->className());
        return int(QDialog::Rejected);
    });
    TReportSetupForm setup(report.settings, report.printer());
    setup.show();
    QTest::mouseClick(setup.SetupBtn, Qt::LeftButton);
    QCOMPARE(opened, QStringList{QStringLiteral("QPrintDialog")});
}

void TestReportWindows::cancellingTheSetupProducesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("never.pdf"));
    ScriptedReportSystem report;
    setUpSamplePrintout(report, 10, 1);
    bool bodyRan = false;
    report.setOnPrint([&](Report&) { bodyRan = true; });
    report.onModal = chooseFile(path, false);
    QVERIFY(!report.execute());
    QCOMPARE(report.asked, QStringList{QStringLiteral("Sample Printout Setup")});
    QVERIFY(!bodyRan);
    QVERIFY(!QFile::exists(path));
}

void TestReportWindows::fileDestinationWritesTheChosenPages_data() {
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<int>("pages");
    QTest::newRow("all") << 0 << 0 << 4;
    QTest::newRow("pages 2 to 3") << 2 << 3 << 2;
    QTest::newRow("past the end") << 4 << 9 << 1;
}

void TestReportWindows::fileDestinationWritesTheChosenPages() {
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(int, pages);
    QTemporaryDir dir;
    ScriptedReportSystem report;
    setUpSamplePrintout(report, 400, 3);
    report.onModal = chooseFile(dir.filePath(QStringLiteral("sample")), true, fromPage, toPage);
    QVERIFY(report.execute());
    QCOMPARE(pdfPageCount(dir.filePath(QStringLiteral("sample.pdf"))), pages);
}

void TestReportWindows::cancelInTheStatusWindowStopsTheOutput() {
    QTemporaryDir dir;
    Report report;
    setUpSamplePrintout(report, 400, 1);
    TReportStatusForm status(QStringLiteral("Sample Printout Status"), report.settings.fileStatusText);
    status.show();
    QCOMPARE(status.windowTitle(), QStringLiteral("Sample Printout Status"));
    QStringList seen;
    const ReportPageStarted progress = [&](int page) {
        if (page == 3)
            QTest::mouseClick(status.CancelBtn, Qt::LeftButton);
        const bool goOn = status.pageStarted(page);
        seen << status.StatusLabel->text();
        return goOn;
    };
    const QString path = dir.filePath(QStringLiteral("stopped.pdf"));
    QCOMPARE(writeReportPdf(report, path, progress), ReportOutcome::Cancelled);
    QCOMPARE(seen.mid(0, 2),
             (QStringList{QStringLiteral("Generating page 1"), QStringLiteral("Generating page 2")}));
    QCOMPARE(seen.size(), 3);
    QVERIFY(status.cancelled());
    QVERIFY(!QFile::exists(path));
}

// Pages through and zooms a preview of the 4-page sample printout; QTest macros need a void function.
void drivePreview(TReportPreviewForm& preview, bool printerUsable, QStringList& labels) {
    preview.show();
    QCOMPARE(preview.PreviewWidget->pageCount(), 4);
    labels << preview.PageLabel->text();
    QVERIFY(!preview.PrevPageBtn->isEnabled());
    QTest::mouseClick(preview.NextPageBtn, Qt::LeftButton);
    labels << preview.PageLabel->text();
    QCOMPARE(preview.PageEdit->value(), 2);
    preview.PageEdit->setValue(4);
    labels << preview.PageLabel->text();
    QCOMPARE(preview.PreviewWidget->currentPage(), 4);
    QVERIFY(!preview.NextPageBtn->isEnabled());
    QTest::mouseClick(preview.PrevPageBtn, Qt::LeftButton);
    labels << preview.PageLabel->text();

    QCOMPARE(preview.ZoomEdit->value(), 100);
    QTest::mouseClick(preview.ZoomInBtn, Qt::LeftButton);
    const int zoomedIn = preview.ZoomEdit->value();
    QVERIFY(zoomedIn > 100);
    QTest::mouseClick(preview.ZoomOutBtn, Qt::LeftButton);
    QVERIFY(preview.ZoomEdit->value() < zoomedIn);
    preview.ZoomEdit->setValue(150);
    QCOMPARE(qRound(preview.PreviewWidget->zoomFactor() * 100), 150);
    QTest::mouseClick(preview.WholePageBtn, Qt::LeftButton);
    QCOMPARE(preview.PreviewWidget->zoomMode(), QPrintPreviewWidget::FitInView);
    QVERIFY(preview.ZoomEdit->value() != 150);
    QTest::mouseClick(preview.PageWidthBtn, Qt::LeftButton);
    QCOMPARE(preview.PreviewWidget->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QCOMPARE(preview.PrintBtn->isEnabled(), printerUsable);
}

void TestReportWindows::previewPagesAndZooms() {
    ScriptedReportSystem report;
    setUpSamplePrintout(report, 400, 3);
    QStringList labels;
    bool previewByDefault = false;
    bool previewShown = false;
    report.onModal = [&](QDialog& dialog) {
        if (auto* setup = qobject_cast<TReportSetupForm*>(&dialog)) {
            previewByDefault = setup->PreviewRadio->isChecked();
            setup->show();
            QTest::mouseClick(setup->OKBtn, Qt::LeftButton);
            return dialog.result();
        }
        auto* preview = qobject_cast<TReportPreviewForm*>(&dialog);
        if (!preview)
            return int(QDialog::Rejected);
        previewShown = true;
        drivePreview(*preview, TReportSetupForm::printerUsable(report.printer()), labels);
        QTest::mouseClick(preview->DoneBtn, Qt::LeftButton);
        return dialog.result();
    };
    QVERIFY(report.execute());
    if (QTest::currentTestFailed())
        return;
    QVERIFY(previewByDefault);
    QVERIFY(previewShown);
    QCOMPARE(report.asked, (QStringList{QStringLiteral("Sample Printout Setup"),
                                        QStringLiteral("Sample Printout Preview")}));
    QCOMPARE(labels, (QStringList{QStringLiteral("Page 1 of 4"), QStringLiteral("Page 2 of 4"),
                                  QStringLiteral("Page 4 of 4"), QStringLiteral("Page 3 of 4")}));
}

void TestReportWindows::printerDestinationWithoutPrinterIsRefused() {
    ScriptedPrompts prompts;
    ScriptedReportSystem report;
    if (TReportSetupForm::printerUsable(report.printer()))
        QSKIP("a printer is installed on this machine");
    setUpSamplePrintout(report, 10, 1);
    bool disabled = false;
    report.onModal = [&](QDialog& dialog) {
        auto* setup = qobject_cast<TReportSetupForm*>(&dialog);
        if (!setup)
            return int(QDialog::Rejected);
        disabled = !setup->PrinterRadio->isEnabled();
        setup->show();
        setup->PrinterRadio->setChecked(true); // what an enabled radio would have allowed
        QTest::mouseClick(setup->OKBtn, Qt::LeftButton);
        return dialog.result();
    };
    QVERIFY(!report.execute());
    QVERIFY(disabled);
    QCOMPARE(prompts.shown, QStringList{QStringLiteral("No printer is installed.")});
}

QTEST_MAIN(TestReportWindows)
#include "test_report_windows.moc"
