// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report_status_form.h"

#include "report/report.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TReportStatusForm::TReportStatusForm(const QString& title, const QString& statusText, QWidget* parent)
    : QDialog(parent), m_statusText(statusText) {
    setObjectName(QStringLiteral("TReportStatusForm"));
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumWidth(240);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelBtn, 0, Qt::AlignHCenter);
    connect(CancelBtn, &QPushButton::clicked, this, &TReportStatusForm::CancelBtnClick);
}

void TReportStatusForm::CancelBtnClick() {
    m_cancelled = true;
    StatusLabel->setText(QStringLiteral("Cancelling..."));
}

bool TReportStatusForm::pageStarted(int pageNumber) {
    if (!m_cancelled)
        StatusLabel->setText(ReportSettings::statusFor(m_statusText, pageNumber));
    // Output runs in this thread: the Cancel click has to be let through between pages.
    QCoreApplication::processEvents();
    return !m_cancelled;
}

ReportPageStarted TReportStatusForm::progress() {
    return [this](int pageNumber) { return pageStarted(pageNumber); };
}
