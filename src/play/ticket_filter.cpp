// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_filter.h"

#include "db/vantoro_error.h"

#include <cmath>
#include <limits>

namespace TicketFilters {

int value(const TicketKind& kind, const QString& line, TicketFilter filter) {
    const TicketCounts counts = TicketLine::counts(kind, line);
    return filter == TicketFilter::Sum ? counts.sum : counts.odd;
}

QStringList keep(const TicketKind& kind, const QStringList& all, TicketFilter filter,
                 const TicketRange& range) {
    QStringList kept;
    for (const QString& line : all) {
        if (range.contains(value(kind, line, filter)))
            kept.append(line);
    }
    return kept;
}

void narrow(const TicketKind& kind, QStringList& lines, TicketFilter filter, const TicketRange& range) {
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (!range.contains(value(kind, lines.at(i), filter)))
            lines.removeAt(i);
    }
}

int boundFromText(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > std::numeric_limits<int>::max())
        throw VantoroError(TicketLine::conversionError(text));
    return static_cast<int>(std::lround(number));
}

} // namespace TicketFilters
