// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"

#include <QFont>
#include <QHash>

class QPagedPaintDevice;
class QPainter;

// Paints report pages on a printer, a PDF file or the preview (all QPagedPaintDevices). The device
// is used full-page: the report's own margins are measured from the edge of the paper. Pages outside
// `fromPage`..`toPage` (0: no limit) are laid out by the report but not painted.
class PainterCanvas final : public ReportCanvas {
public:
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

    QSizeF paperSize() const override;
    void beginPage(int pageNumber) override;
    void endPage() override;
    void drawText(double x, double top, double ascent, const QString& text, const ReportFont& font) override;
    void drawImage(const QRectF& inches, const QImage& image) override;

    int pagesPainted() const { return m_painted; }

private:
    bool wanted(int page) const;

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_from;
    int m_to;
    int m_painted = 0;
    bool m_painting = false;
    double m_dpiX;
    double m_dpiY;
};
