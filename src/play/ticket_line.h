// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QString>

// The text forms of a ticket. In every ticket list (window, printout, command line) a ticket reads
// "00012. " (the label), each regular field padded to its width and followed by a blank, then for a
// ticket with a bonus one more blank and the two-character bonus. An empty field keeps its place
// as blanks, so the fields of a file's tickets stand at their fixed positions. In the file the
// fields are packed without label or separators.
namespace TicketLine {
inline constexpr int kLabelWidth = 7;

QString label(int number);
// The list line of a ticket. A field wider than the kind's width is written whole: the lines a
// wheel expands to show what was chosen, as it was chosen.
QString format(const TicketKind& kind, const Ticket& ticket);
QStringList format(const TicketKind& kind, const Tickets& tickets);

// The ticket of one ticket line of the file, numbered `number`. A number field that is not a
// number throws VantoroError with the standard conversion message, `where` naming the file and line.
Ticket fromFileLine(const TicketKind& kind, const QString& fileLine, int number, const QString& where = {});
// The ticket line of the file: each of the kind's fields (and its bonus) padded or cut to its width.
QString toFileLine(const TicketKind& kind, const Ticket& ticket);
} // namespace TicketLine
