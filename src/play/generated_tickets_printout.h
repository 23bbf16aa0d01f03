// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/generated_tickets.h"

#include <QDate>

class Report;

// What a generator's "Print Tickets" printout shows.
struct GeneratedPrintoutFacts {
    QString generator; // "Random Number", "Favorite Number"
    QString lotteryName;
    int numbersDrawn = 6; // the lottery's: more than 8 gives two columns, else three
    QString note;         // the column note of the list printed, empty when none is shown
    GeneratedTickets generated;
    QDate date; // today when not set
};

// "Random Number Full Wheel - <K> numbers, <T> tickets (<lottery>)", "... Abbreviated Wheel ...",
// or for own tickets "Random Number Tickets (<lottery>)".
QString generatedPrintoutTitle(const GeneratedPrintoutFacts& facts);
// The centred lines between the standard header and the title: for a wheel the guarantee, the
// numbers played and the note (saying the bonus is not in the guarantee); otherwise the note alone.
QStringList generatedPrintoutLines(const GeneratedPrintoutFacts& facts);

void setUpGeneratedTicketsPrintout(Report& report, const GeneratedPrintoutFacts& facts);
