// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_filter.h"

#include "db/vantoro_error.h"

#include <cmath>
#include <limits>

namespace TicketFilters {

int value(const TicketKind& kind, const Ticket& ticket, TicketFilter filter) {
    const TicketCounts counts = ticket.counts(kind);
    return filter == TicketFilter::Sum ? counts.sum : counts.odd;
}

Tickets keep(const TicketKind& kind, const Tickets& all, TicketFilter filter, const TicketRange& range) {
    Tickets kept;
    for (const Ticket& ticket : all) {
        if (range.contains(value(kind, ticket, filter)))
            kept.append(ticket);
    }
    return kept;
}

void narrow(const TicketKind& kind, Tickets& tickets, TicketFilter filter, const TicketRange& range) {
    for (qsizetype i = tickets.size() - 1; i >= 0; --i) {
        if (!range.contains(value(kind, tickets.at(i), filter)))
            tickets.removeAt(i);
    }
}

int boundFromText(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > std::numeric_limits<int>::max())
        throw VantoroError(TicketEntries::conversionError(text));
    return static_cast<int>(std::lround(number));
}

} // namespace TicketFilters
