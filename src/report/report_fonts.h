// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <memory>

class QFontMetricsF;

// The printouts ask for "Times New Roman" and "Courier New". Where those are missing they resolve
// to the metric-compatible Liberation Serif and Liberation Mono, so a page breaks at the same line
// on every machine. The substitution table is set here and nowhere else.
void installReportFontSubstitutions();

// The QFont for a report font at its point size (substitutions installed).
QFont reportQFont(const ReportFont& font);

// Text measurement in inches, independent of any device: the layout of a page must not depend on
// whether it goes to a 600 dpi printer, a PDF or the screen. Glyphs are measured unhinted at a large
// reference size and scaled down.
class ReportMetrics {
public:
    ReportMetrics();
    ~ReportMetrics();

    double textWidth(const QString& text, const ReportFont& font);
    double lineHeight(const ReportFont& font);
    double ascent(const ReportFont& font);

private:
    QFontMetricsF& metricsFor(const ReportFont& font);
    static double scale(const ReportFont& font);

    QHash<QString, std::shared_ptr<QFontMetricsF>> m_cache;
};
