// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/drawing_averages.h"

#include "lottery/drawing_table.h"
#include "lottery/lottery_definition.h"

namespace {

QString average(const char* caption, int used, double value) {
    const QString text = QLatin1String(caption);
    if (used == 0)
        return text;
    return text + QStringLiteral(" %1").arg(value, 4, 'f', 1);
}

} // namespace

QString DrawingAverages::sumText() const {
    return average("Drawing Average Sum:", used, sum);
}

QString DrawingAverages::oddText() const {
    return average("Drawing Average Odd:", used, odd);
}

QString DrawingAverages::note() const {
    if (skipped == 0)
        return QString();
    return QStringLiteral("(%1 %2 skipped: not all numbers could be read)")
        .arg(skipped)
        .arg(skipped == 1 ? QStringLiteral("drawing") : QStringLiteral("drawings"));
}

DrawingAverages computeDrawingAverages(DbfTable& table, const LotteryDefinition& definition, int drawings) {
    DrawingAverages averages;
    qint64 sum = 0;
    qint64 odd = 0;
    for (const Drawing& drawing : readRecentDrawings(table, definition.regularNumbers(), drawings)) {
        qint64 drawingSum = 0;
        qint64 drawingOdd = 0;
        bool readable = true;
        for (const QString& text : drawing.numbers) {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (!ok || value < 0 || value > 99) {
                readable = false;
                break;
            }
            drawingSum += value;
            drawingOdd += value % 2;
        }
        if (!readable) {
            ++averages.skipped;
            continue;
        }
        ++averages.used;
        sum += drawingSum;
        odd += drawingOdd;
    }
    if (averages.used > 0) {
        averages.sum = static_cast<double>(sum) / averages.used;
        averages.odd = static_cast<double>(odd) / averages.used;
    }
    return averages;
}
