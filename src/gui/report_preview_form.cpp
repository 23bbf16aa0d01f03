// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report_preview_form.h"

#include "report/painter_canvas.h"
#include "report/recording_canvas.h"
#include "report/report.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

} // namespace

TReportPreviewForm::TReportPreviewForm(const ReportSettings& settings, const RecordingCanvas& pages,
                                       QPrinter& printer, std::function<void()> print, QWidget* parent)
    : QDialog(parent), m_pages(pages), m_print(std::move(print)) {
    setObjectName(QStringLiteral("TReportPreviewForm"));
    setWindowTitle(settings.TitlePreview);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    ZoomInBtn = toolButton(this, "ZoomInBtn", QStringLiteral("Zoom In"), QStringLiteral("Zoom in"));
    ZoomOutBtn = toolButton(this, "ZoomOutBtn", QStringLiteral("Zoom Out"), QStringLiteral("Zoom out"));
    PageWidthBtn =
        toolButton(this, "PageWidthBtn", QStringLiteral("Page Width"), QStringLiteral("Zoom to page width"));
    WholePageBtn =
        toolButton(this, "WholePageBtn", QStringLiteral("Whole Page"), QStringLiteral("Zoom to whole page"));
    ZoomEdit = new QSpinBox(this);
    ZoomEdit->setObjectName(QStringLiteral("ZoomEdit"));
    ZoomEdit->setRange(10, 800);
    ZoomEdit->setSuffix(QStringLiteral(" %"));
    ZoomEdit->setKeyboardTracking(false);
    PrevPageBtn =
        toolButton(this, "PrevPageBtn", QStringLiteral("Previous"), QStringLiteral("Previous page"));
    NextPageBtn = toolButton(this, "NextPageBtn", QStringLiteral("Next"), QStringLiteral("Next page"));
    PageEdit = new QSpinBox(this);
    PageEdit->setObjectName(QStringLiteral("PageEdit"));
    PageEdit->setRange(1, std::max(1, pages.pageCount()));
    PageEdit->setKeyboardTracking(false);
    PageLabel = new QLabel(this);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PrintBtn = new QPushButton(QStringLiteral("&Print"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setEnabled(static_cast<bool>(m_print));
    DoneBtn = new QPushButton(QStringLiteral("&Done"), this);
    DoneBtn->setObjectName(QStringLiteral("DoneBtn"));

    printer.setFullPage(true);
    PreviewWidget = new QPrintPreviewWidget(&printer, this);
    PreviewWidget->setObjectName(QStringLiteral("PreviewWidget"));
    PreviewWidget->setViewMode(QPrintPreviewWidget::SinglePageView);
    PreviewWidget->setZoomMode(QPrintPreviewWidget::CustomZoom);
    PreviewWidget->setZoomFactor(settings.previewZoomPercent / 100.0);

    auto* tools = new QHBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ZoomInBtn, ZoomOutBtn, PageWidthBtn, WholePageBtn, ZoomEdit})
        tools->addWidget(widget);
    tools->addSpacing(16);
    for (QWidget* widget : std::initializer_list<QWidget*>{PrevPageBtn, PageEdit, NextPageBtn, PageLabel})
        tools->addWidget(widget);
    tools->addStretch();
    tools->addWidget(PrintBtn);
    tools->addWidget(DoneBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(PreviewWidget, 1);
    resize(900, 760);

    connect(PreviewWidget, &QPrintPreviewWidget::paintRequested, this,
            &TReportPreviewForm::PreviewWidgetPaintRequested);
    connect(PreviewWidget, &QPrintPreviewWidget::previewChanged, this,
            &TReportPreviewForm::PreviewWidgetChanged);
    // The widget does not report zoom changes of its own, so every zoom button refreshes the field.
    connect(ZoomInBtn, &QToolButton::clicked, this, [this] {
        PreviewWidget->zoomIn();
        PreviewWidgetChanged();
    });
    connect(ZoomOutBtn, &QToolButton::clicked, this, [this] {
        PreviewWidget->zoomOut();
        PreviewWidgetChanged();
    });
    connect(PageWidthBtn, &QToolButton::clicked, this, [this] {
        PreviewWidget->fitToWidth();
        PreviewWidgetChanged();
    });
    connect(WholePageBtn, &QToolButton::clicked, this, [this] {
        PreviewWidget->fitInView();
        PreviewWidgetChanged();
    });
    connect(ZoomEdit, &QSpinBox::valueChanged, this, &TReportPreviewForm::ZoomEditChanged);
    connect(PageEdit, &QSpinBox::valueChanged, this, &TReportPreviewForm::PageEditChanged);
    connect(PrevPageBtn, &QToolButton::clicked, this, &TReportPreviewForm::PrevPageBtnClick);
    connect(NextPageBtn, &QToolButton::clicked, this, &TReportPreviewForm::NextPageBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TReportPreviewForm::PrintBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);

    // The widget lays its pages out when it is first shown; until then the label speaks for it.
    PreviewWidget->updatePreview();
    PreviewWidgetChanged();
}

void TReportPreviewForm::PreviewWidgetPaintRequested(QPrinter* printer) {
    QPainter painter(printer);
    PainterCanvas canvas(painter, *printer);
    m_pages.replay(canvas);
}

void TReportPreviewForm::PreviewWidgetChanged() {
    const int count = std::max(1, m_pages.pageCount());
    const int page = std::clamp(PreviewWidget->currentPage(), 1, count);
    {
        const QSignalBlocker blockPage(PageEdit);
        PageEdit->setValue(page);
        const QSignalBlocker blockZoom(ZoomEdit);
        ZoomEdit->setValue(static_cast<int>(std::lround(PreviewWidget->zoomFactor() * 100.0)));
    }
    PageLabel->setText(QStringLiteral("Page %1 of %2").arg(page).arg(count));
    PrevPageBtn->setEnabled(page > 1);
    NextPageBtn->setEnabled(page < count);
}

void TReportPreviewForm::ZoomEditChanged(int percent) {
    PreviewWidget->setZoomFactor(percent / 100.0);
}

void TReportPreviewForm::PageEditChanged(int page) {
    PreviewWidget->setCurrentPage(page);
    PreviewWidgetChanged();
}

void TReportPreviewForm::PrevPageBtnClick() {
    PreviewWidget->setCurrentPage(PreviewWidget->currentPage() - 1);
    PreviewWidgetChanged();
}

void TReportPreviewForm::NextPageBtnClick() {
    PreviewWidget->setCurrentPage(PreviewWidget->currentPage() + 1);
    PreviewWidgetChanged();
}

void TReportPreviewForm::PrintBtnClick() {
    if (m_print)
        m_print();
}
