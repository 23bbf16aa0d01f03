// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
struct ReportSettings;

enum class ReportDestination { Printer, Preview, File };

// What the set-up window was told.
struct ReportSetupChoice {
    ReportDestination destination = ReportDestination::Preview;
    QString fileName;
    int fromPage = 0; // 0, 0: all pages
    int toPage = 0;
    int copies = 1;
    bool collate = false;
    bool duplex = false;
};

// Where a printout goes: printer, preview or file, which pages, copies, and the printer itself.
class TReportSetupForm final : public QDialog {
    Q_OBJECT

public:
    TReportSetupForm(const ReportSettings& settings, QPrinter& printer, QWidget* parent = nullptr);

    ReportSetupChoice choice() const;
    // Copies, collation, duplex and page range onto the printer.
    void applyTo(QPrinter& printer) const;
    // Whether the printer can take a job: a printer is installed, or the system dialog chose a file.
    static bool printerUsable(const QPrinter& printer);

    QRadioButton* PrinterRadio;
    QRadioButton* PreviewRadio;
    QRadioButton* FileRadio;
    QLineEdit* FileNameEdit;
    QToolButton* BrowseBtn;
    QRadioButton* AllRadio;
    QRadioButton* SelectionRadio;
    QRadioButton* PagesRadio;
    QSpinBox* FromPageEdit;
    QSpinBox* ToPageEdit;
    QSpinBox* CopiesEdit;
    QCheckBox* CollateCheck;
    QCheckBox* DuplexCheck;
    QLabel* PrinterLabel;
    QPushButton* SetupBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void BrowseBtnClick();
    void SetupBtnClick();
    void OKBtnClick();
    void updateControls();
    void showPrinter();

    QPrinter& m_printer;
};
