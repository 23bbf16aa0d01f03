// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QSpinBox;
class QToolButton;
class RecordingCanvas;
struct ReportSettings;

// Shows pages laid out before, with zoom and paging, and prints them on request.
class TReportPreviewForm final : public QDialog {
    Q_OBJECT

public:
    // `pages` and `printer` must outlive the window; `print` prints the pages (empty: no printing).
    TReportPreviewForm(const ReportSettings& settings, const RecordingCanvas& pages, QPrinter& printer,
                       std::function<void()> print, QWidget* parent = nullptr);

    QToolButton* ZoomInBtn;
    QToolButton* ZoomOutBtn;
    QToolButton* PageWidthBtn;
    QToolButton* WholePageBtn;
    QSpinBox* ZoomEdit;
    QToolButton* PrevPageBtn;
    QToolButton* NextPageBtn;
    QSpinBox* PageEdit;
    QLabel* PageLabel;
    QPushButton* PrintBtn;
    QPushButton* DoneBtn;
    QPrintPreviewWidget* PreviewWidget;

private:
    void PreviewWidgetPaintRequested(QPrinter* printer);
    void PreviewWidgetChanged();
    void ZoomEditChanged(int percent);
    void PageEditChanged(int page);
    void PrevPageBtnClick();
    void NextPageBtnClick();
    void PrintBtnClick();

    const RecordingCanvas& m_pages;
    std::function<void()> m_print;
};
