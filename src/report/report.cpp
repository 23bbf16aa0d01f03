// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report.h"

#include <algorithm>
#include <cmath>

namespace {

// Positions come from sums of font metrics; a line that fits exactly must not be lost to rounding.
constexpr double kEpsilon = 1e-6;

} // namespace

ReportCanvas::~ReportCanvas() = default;

QString ReportSettings::statusFor(const QString& text, int pageNumber) {
    QString result = text;
    return result.replace(QStringLiteral("%p"), QString::number(pageNumber));
}

Report::Report() = default;
Report::~Report() = default;

void Report::setPrintoutName(const QString& name) {
    settings.TitleSetup = name + QStringLiteral(" Setup");
    settings.TitleStatus = name + QStringLiteral(" Status");
    settings.TitlePreview = name + QStringLiteral(" Preview");
}

bool Report::run(ReportCanvas& canvas, const PageStarted& pageStarted) {
    m_canvas = &canvas;
    m_pageStarted = pageStarted;
    m_paper = canvas.paperSize();
    m_font = ReportFont();
    m_leftMargin = m_rightMargin = m_topMargin = m_bottomMargin = 0.5;
    m_page = 0;
    m_pageOpen = false;
    m_inHeader = false;
    m_tabs.clear();
    m_tab = -1;
    m_columnCount = 1;
    m_columnGap = 0.0;
    m_column = 1;
    m_x = m_leftMargin;
    m_y = m_topMargin;

    bool finished = true;
    try {
        startPage();
        if (m_onPrint)
            m_onPrint(*this);
    } catch (const Aborted&) {
        finished = false;
    } catch (...) {
        if (m_pageOpen)
            endPage();
        m_canvas = nullptr;
        m_pageStarted = {};
        throw;
    }
    if (m_pageOpen)
        endPage();
    m_canvas = nullptr;
    m_pageStarted = {};
    return finished;
}

void Report::ensurePage() {
    if (!m_pageOpen && !m_inHeader && m_canvas)
        startPage();
}

void Report::startPage() {
    if (m_pageStarted && !m_pageStarted(m_page + 1))
        throw Aborted{};
    ++m_page;
    m_canvas->beginPage(m_page);
    m_pageOpen = true;
    const ReportFont bodyFont = m_font;
    m_column = 1;
    m_tab = -1;
    m_y = m_topMargin;
    m_x = columnLeft(1);
    if (m_onPrintHeader) {
        m_inHeader = true;
        try {
            m_onPrintHeader(*this);
        } catch (...) {
            m_inHeader = false;
            throw;
        }
        m_inHeader = false;
    }
    // The body's font survives the header of every later page; the first page's body starts
    // from what the header left.
    if (m_page > 1)
        m_font = bodyFont;
}

void Report::endPage() {
    m_canvas->endPage();
    m_pageOpen = false;
}

void Report::newPage() {
    if (m_inHeader || !m_pageOpen)
        return;
    endPage();
}

void Report::setFont(const QString& name, double points) {
    m_font.name = name;
    m_font.size = points;
}

void Report::setBold(bool on) {
    m_font.bold = on;
}

void Report::setUnderline(bool on) {
    m_font.underline = on;
}

double Report::lineHeight() {
    return m_metrics.lineHeight(m_font);
}

void Report::home() {
    m_column = 1;
    m_y = m_topMargin;
    m_x = columnLeft(1);
    m_tab = -1;
}

void Report::restartAtTopMargin() {
    m_y = m_topMargin;
    m_x = columnLeft(m_column);
    m_tab = -1;
}

void Report::drawAt(double x, const QString& text) {
    if (text.isEmpty() || !m_canvas || !m_pageOpen)
        return;
    m_canvas->drawText(x, m_y, m_metrics.ascent(m_font), text, m_font);
}

void Report::printImage(const QImage& image, double x, double top, double width, double height) {
    ensurePage();
    if (m_canvas && m_pageOpen)
        m_canvas->drawImage(QRectF(x, top, width, height), image);
}

void Report::printLeft(const QString& text, double x) {
    ensurePage();
    drawAt(x, text);
}

void Report::printCenter(const QString& text, double x) {
    ensurePage();
    drawAt(x - m_metrics.textWidth(text, m_font) / 2.0, text);
}

void Report::printRight(const QString& text, double x) {
    ensurePage();
    drawAt(x - m_metrics.textWidth(text, m_font), text);
}

void Report::printPlain(const QString& text) {
    drawAt(m_x, text);
    m_x += m_metrics.textWidth(text, m_font);
}

void Report::print(const QString& text) {
    ensurePage();
    const QStringList parts = text.split(QLatin1Char('\t'));
    printPlain(parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        tab();
        printInCell(parts.at(i), false);
    }
}

void Report::printLine(const QString& text) {
    print(text);
    newLine();
}

void Report::tab() {
    ensurePage();
    if (m_tab + 1 < m_tabs.size()) {
        ++m_tab;
        m_x = columnLeft(m_column) + m_tabs.at(m_tab).position;
    } else {
        m_tab = static_cast<int>(m_tabs.size());
    }
}

void Report::printTab(const QString& text) {
    tab();
    printInCell(text, true);
}

void Report::printInCell(const QString& text, bool shorten) {
    if (m_tab < 0 || m_tab >= m_tabs.size()) {
        printPlain(text);
        return;
    }
    const TabStop& stop = m_tabs.at(m_tab);
    const double cellLeft = columnLeft(m_column) + stop.position;
    const double inner = stop.width - 2.0 * stop.margin;
    QString shown = text;
    if (shorten) {
        while (!shown.isEmpty() && m_metrics.textWidth(shown, m_font) > inner + kEpsilon)
            shown.chop(1);
    }
    const double width = m_metrics.textWidth(shown, m_font);
    switch (stop.justification) {
    case Justification::Left:
        drawAt(cellLeft + stop.margin, shown);
        break;
    case Justification::Right:
        drawAt(cellLeft + stop.width - stop.margin - width, shown);
        break;
    case Justification::Center:
        drawAt(cellLeft + (stop.width - width) / 2.0, shown);
        break;
    case Justification::Block: {
        // Spread the words over the inner width; a single word or an overfull text stays left.
        const QStringList words = shown.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2 || width >= inner) {
            drawAt(cellLeft + stop.margin, shown);
            break;
        }
        double wordsWidth = 0.0;
        for (const QString& word : words)
            wordsWidth += m_metrics.textWidth(word, m_font);
        const double gap = (inner - wordsWidth) / static_cast<double>(words.size() - 1);
        double x = cellLeft + stop.margin;
        for (const QString& word : words) {
            drawAt(x, word);
            x += m_metrics.textWidth(word, m_font) + gap;
        }
        break;
    }
    }
    m_x = cellLeft + stop.width;
}

void Report::newLine() {
    ensurePage();
    const double height = lineHeight();
    if (m_column >= m_columnCount || linesLeft() > 1) {
        m_y += height;
    } else {
        ++m_column;
        m_y = m_topMargin;
    }
    m_x = columnLeft(m_column);
    m_tab = -1;
    if (!m_inHeader && m_y + height > bodyBottom() + kEpsilon)
        endPage();
}

void Report::setTab(double position, Justification justification, double width, double margin) {
    if (position < 0.0)
        position = m_tabs.isEmpty() ? 0.0 : m_tabs.last().position + m_tabs.last().width;
    m_tabs.append(TabStop{position, justification, width, margin});
}

void Report::clearTabs() {
    m_tabs.clear();
    m_tab = -1;
}

void Report::setColumns(int count, double gap) {
    m_columnCount = std::max(1, count);
    m_columnGap = gap;
    m_column = 1;
    m_x = columnLeft(1);
    m_tab = -1;
}

double Report::columnWidth() const {
    const double body = rightMarginPosition() - m_leftMargin;
    return (body - (m_columnCount - 1) * m_columnGap) / m_columnCount;
}

double Report::columnLeft(int column) const {
    return m_leftMargin + (column - 1) * (columnWidth() + m_columnGap);
}

int Report::linesFittingFrom(double top) {
    const double lines = std::floor((bodyBottom() - top) / lineHeight() + kEpsilon);
    return std::max(0, static_cast<int>(lines));
}

int Report::linesLeft() {
    // Between pages the answer is that of the page to come: the body starts at line 1 of column 1.
    if (!m_pageOpen && !m_inHeader)
        return std::max(0, linesFittingFrom(m_topMargin) - 1);
    return linesFittingFrom(m_y + lineHeight());
}

int Report::linesLeftInAllColumns() {
    const int column = m_pageOpen || m_inHeader ? m_column : 1;
    return linesLeft() + (m_columnCount - column) * linesFittingFrom(m_topMargin);
}
