// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QImage;

// The font of one text run as a printout asks for it: the family by the name the printouts use
// ("Times New Roman", "Courier New"), the size in points and the two styles the reports know.
struct ReportFont {
    QString name = QStringLiteral("Times New Roman");
    double size = 12.0;
    bool bold = false;
    bool underline = false;

    bool operator==(const ReportFont&) const = default;
};

// Where a report's pages go. The report lays out every page itself (in inches from the top left
// corner of the paper) and only hands finished text runs to the canvas, so the printer, the PDF
// file, the preview and the tests see the same layout.
class ReportCanvas {
public:
    virtual ~ReportCanvas();

    // The paper in inches; the report places its margins on it.
    virtual QSizeF paperSize() const = 0;
    // Pages arrive in order, numbered from 1; every beginPage is followed by one endPage.
    virtual void beginPage(int pageNumber) = 0;
    virtual void endPage() = 0;
    // `x` is the left end of the text, `top` the top of its line; `ascent` (inches) is the
    // distance from the top of the line to the baseline for this font.
    virtual void drawText(double x, double top, double ascent, const QString& text,
                          const ReportFont& font) = 0;
    // A picture scaled into `inches` (from the top left corner of the paper), e.g. a graph.
    virtual void drawImage(const QRectF& inches, const QImage& image) = 0;
};

// Told the number of each page as it begins; returning false stops the output there.
using ReportPageStarted = std::function<bool(int pageNumber)>;
