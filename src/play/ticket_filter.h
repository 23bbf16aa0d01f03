// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket_file.h"

#include <QString>
#include <QStringList>

// The ticket editor's two filters: by the sum of the regular numbers and by their odd count.
enum class TicketFilter { Sum, Odd };

namespace TicketFilters {
// The value a filter tests: the sum or the odd count of the regular fields (bonus and blanks left out).
int value(const TicketKind& kind, const QString& line, TicketFilter filter);
// The lines of `all` whose value lies in `range` (inclusive), copied as they are, labels included.
QStringList keep(const TicketKind& kind, const QStringList& all, TicketFilter filter,
                 const TicketRange& range);
// Removes from `lines` (last to first) those outside `range`: how a filter narrows the other one's list.
void narrow(const TicketKind& kind, QStringList& lines, TicketFilter filter, const TicketRange& range);
// A From/To entry: read as a decimal number and rounded to the nearest whole number ("12.6" is 13).
// Not a number: VantoroError with the conversion message.
int boundFromText(const QString& text);
} // namespace TicketFilters
