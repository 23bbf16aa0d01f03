// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Shown while pages are printed or generated: the status text of the page at hand and Cancel.
class TReportStatusForm final : public QDialog {
    Q_OBJECT

public:
    // `statusText` is the report's text with %p for the page number.
    TReportStatusForm(const QString& title, const QString& statusText, QWidget* parent = nullptr);

    // Shows the page's status and lets a click on Cancel through; false once Cancel was pressed.
    bool pageStarted(int pageNumber);
    // For the report's output functions.
    ReportPageStarted progress();
    bool cancelled() const { return m_cancelled; }

    QLabel* StatusLabel;
    QPushButton* CancelBtn;

private:
    void CancelBtnClick();

    QString m_statusText;
    bool m_cancelled = false;
};
