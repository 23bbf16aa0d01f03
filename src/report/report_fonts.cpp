// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_fonts.h"

#include <QFontMetricsF>
#include <mutex>

namespace {

// Measuring at 1000 pixels to the em keeps rounding far below a hundredth of an inch.
constexpr int kReferencePixels = 1000;

QString cacheKey(const ReportFont& font) {
    return font.name + QLatin1Char('|') + (font.bold ? QLatin1Char('b') : QLatin1Char('-')) +
           (font.underline ? QLatin1Char('u') : QLatin1Char('-'));
}

} // namespace

void installReportFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    });
}

QFont reportQFont(const ReportFont& font) {
    installReportFontSubstitutions();
    QFont result(font.name);
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setUnderline(font.underline);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setStyleStrategy(QFont::PreferOutline);
    return result;
}

ReportMetrics::ReportMetrics() = default;
ReportMetrics::~ReportMetrics() = default;

double ReportMetrics::scale(const ReportFont& font) {
    return font.size / 72.0 / kReferencePixels;
}

QFontMetricsF& ReportMetrics::metricsFor(const ReportFont& font) {
    const QString key = cacheKey(font);
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        QFont reference = reportQFont(font);
        reference.setPixelSize(kReferencePixels);
        it = m_cache.insert(key, std::make_shared<QFontMetricsF>(reference));
    }
    return *it.value();
}

double ReportMetrics::textWidth(const QString& text, const ReportFont& font) {
    if (text.isEmpty())
        return 0.0;
    return metricsFor(font).horizontalAdvance(text) * scale(font);
}

double ReportMetrics::lineHeight(const ReportFont& font) {
    return metricsFor(font).lineSpacing() * scale(font);
}

double ReportMetrics::ascent(const ReportFont& font) {
    return metricsFor(font).ascent() * scale(font);
}
