// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/recording_canvas.h"

#include <algorithm>

RecordingCanvas::RecordingCanvas(QSizeF paperInches) : m_paper(paperInches) {}

void RecordingCanvas::beginPage(int pageNumber) {
    m_pageCount = pageNumber;
}

void RecordingCanvas::endPage() {}

void RecordingCanvas::drawText(double x, double top, double ascent, const QString& text,
                               const ReportFont& font) {
    m_runs.append(TextRun{m_pageCount, x, top, ascent, text, font});
}

void RecordingCanvas::drawImage(const QRectF& inches, const QImage& image) {
    m_images.append(ImageRun{m_pageCount, inches, image});
}

QList<TextRun> RecordingCanvas::runsOnPage(int page) const {
    QList<TextRun> result;
    for (const TextRun& run : m_runs) {
        if (run.page == page)
            result.append(run);
    }
    return result;
}

const TextRun* RecordingCanvas::find(const QString& text, int page) const {
    for (const TextRun& run : m_runs) {
        if (run.text == text && (page == 0 || run.page == page))
            return &run;
    }
    return nullptr;
}

bool RecordingCanvas::replay(ReportCanvas& target, int fromPage, int toPage,
                             const ReportPageStarted& pageStarted) const {
    const int last = toPage <= 0 ? m_pageCount : std::min(toPage, m_pageCount);
    qsizetype next = 0;
    for (int page = std::max(1, fromPage); page <= last; ++page) {
        if (pageStarted && !pageStarted(page))
            return false;
        target.beginPage(page);
        while (next < m_runs.size() && m_runs.at(next).page < page)
            ++next;
        for (; next < m_runs.size() && m_runs.at(next).page == page; ++next) {
            const TextRun& run = m_runs.at(next);
            target.drawText(run.x, run.top, run.ascent, run.text, run.font);
        }
        for (const ImageRun& picture : m_images) {
            if (picture.page == page)
                target.drawImage(picture.rect, picture.image);
        }
        target.endPage();
    }
    return true;
}
