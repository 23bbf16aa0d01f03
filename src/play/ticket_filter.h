// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket_file.h"

#include <QString>

// The ticket editor's two filters: by the sum of the regular numbers and by their odd count.
enum class TicketFilter { Sum, Odd };

namespace TicketFilters {
// The value a filter tests: the sum or the odd count of the regular fields (bonus and blanks left out).
int value(const TicketKind& kind, const Ticket& ticket, TicketFilter filter);
// The tickets of `all` whose value lies in `range` (inclusive), copied as they are, numbers included.
Tickets keep(const TicketKind& kind, const Tickets& all, TicketFilter filter, const TicketRange& range);
// Removes from `tickets` (last to first) those outside `range`: how a filter narrows the other one's list.
void narrow(const TicketKind& kind, Tickets& tickets, TicketFilter filter, const TicketRange& range);
// A From/To entry: read as a decimal number and rounded to the nearest whole number ("12.6" is 13).
// Not a number: VantoroError with the conversion message.
int boundFromText(const QString& text);
} // namespace TicketFilters
