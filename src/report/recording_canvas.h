// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"

#include <QImage>
#include <QList>

// One piece of text as it stands on a page.
struct TextRun {
    int page = 0;
    double x = 0.0;   // inches from the left edge of the paper to the start of the text
    double top = 0.0; // inches from the top of the paper to the top of its line
    double ascent = 0.0;
    QString text;
    ReportFont font;
};

// One picture as it stands on a page.
struct ImageRun {
    int page = 0;
    QRectF rect; // inches from the top left corner of the paper
    QImage image;
};

// Keeps every page of a report as text runs: what the tests assert on, and what the preview shows
// and prints without laying the report out again.
class RecordingCanvas final : public ReportCanvas {
public:
    explicit RecordingCanvas(QSizeF paperInches = QSizeF(8.5, 11.0));

    QSizeF paperSize() const override { return m_paper; }
    void beginPage(int pageNumber) override;
    void endPage() override;
    void drawText(double x, double top, double ascent, const QString& text, const ReportFont& font) override;
    void drawImage(const QRectF& inches, const QImage& image) override;

    int pageCount() const { return m_pageCount; }
    const QList<TextRun>& runs() const { return m_runs; }
    const QList<ImageRun>& images() const { return m_images; }
    QList<TextRun> runsOnPage(int page) const;
    // The first run with exactly this text, or nullptr.
    const TextRun* find(const QString& text, int page = 0) const; // page 0: any page

    // Hands pages `fromPage` to `toPage` (0: to the last) to another canvas, page by page.
    // Returns false when `pageStarted` stopped it.
    bool replay(ReportCanvas& target, int fromPage = 1, int toPage = 0,
                const ReportPageStarted& pageStarted = {}) const;

private:
    QSizeF m_paper;
    int m_pageCount = 0;
    QList<TextRun> m_runs;
    QList<ImageRun> m_images;
};
