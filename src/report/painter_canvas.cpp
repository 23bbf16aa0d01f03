// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/painter_canvas.h"

#include "report/report_fonts.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device, int fromPage, int toPage)
    : m_painter(painter), m_device(device), m_from(fromPage), m_to(toPage), m_dpiX(device.logicalDpiX()),
      m_dpiY(device.logicalDpiY()) {}

QSizeF PainterCanvas::paperSize() const {
    return m_device.pageLayout().fullRect(QPageLayout::Inch).size();
}

bool PainterCanvas::wanted(int page) const {
    return (m_from <= 0 || page >= m_from) && (m_to <= 0 || page <= m_to);
}

void PainterCanvas::beginPage(int pageNumber) {
    m_painting = wanted(pageNumber);
    if (!m_painting)
        return;
    if (m_painted > 0)
        m_device.newPage();
    ++m_painted;
}

void PainterCanvas::endPage() {
    m_painting = false;
}

void PainterCanvas::drawText(double x, double top, double ascent, const QString& text,
                             const ReportFont& font) {
    if (!m_painting)
        return;
    // Point sizes are resolved against the device's resolution by QPainter itself.
    m_painter.setFont(reportQFont(font));
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(x * m_dpiX, (top + ascent) * m_dpiY), text);
}

void PainterCanvas::drawImage(const QRectF& inches, const QImage& image) {
    if (!m_painting)
        return;
    const QRectF target(inches.x() * m_dpiX, inches.y() * m_dpiY, inches.width() * m_dpiX,
                        inches.height() * m_dpiY);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(target, image);
}
