// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QDate>
#include <QString>

class Report;

// What the "Edit Tickets" printout shows: the visible ticket list and the filter boxes as they stand.
struct TicketPrintoutFacts {
    TicketKind kind;
    QString fileName; // of the file opened, without its directory
    QString fromSum, toSum, fromOdd, toOdd;
    Tickets tickets;
    QDate date; // today when not set
};

// The header's line with the two filter ranges and the game type caption (the caption alone for
// the card games).
QString ticketFilterLine(const TicketPrintoutFacts& facts);

// Makes `report` the ticket printout: the standard header lines, the filter line, the column note,
// the underlined title "Edit Tickets (<file>)", then the tickets flowing down columns (2 when a
// ticket has more than 8 numbers, else 3), each label in bold.
void setUpTicketPrintout(Report& report, const TicketPrintoutFacts& facts);

// The body every ticket printout shares: the tickets as TicketLines flowing down `columns` columns
// 0.5 inch apart, each label and a blank in bold, the rest in regular type.
void printTicketColumns(Report& report, const TicketKind& kind, const Tickets& tickets, int columns);
