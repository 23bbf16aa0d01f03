// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/game_type.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a ticket file's header says about its tickets: how many regular columns, and the game type
// that decides the field width, the bonus column and the texts the editor shows.
struct TicketKind {
    int numbersPerTicket = 6; // regular columns, 1..10
    int gameType = 7;

    bool isCardGame() const { return GameTypes::isCardGame(gameType); }
    bool isThreeSet() const { return GameTypes::isThreeSet(gameType); }
    int fieldWidth() const { return GameTypes::ticketFieldWidth(gameType); }
    bool hasBonus() const { return GameTypes::ticketsHaveBonus(gameType, numbersPerTicket); }
    // The number of the editor's bonus box (the one after the last regular column); 0 without bonus.
    int bonusBox() const { return hasBonus() ? numbersPerTicket + 1 : 0; }
    // The note under the ticket list; empty for the kinds that need none.
    QString note() const;
    // "Game Type: Powerball" and the rest of the game-type captions.
    QString typeCaption() const;
    // Characters of one ticket line in the file: the regular fields and the bonus field.
    int fileLineWidth() const { return numbersPerTicket * fieldWidth() + (hasBonus() ? 2 : 0); }
};

// Sum and odd/even counts of a ticket's regular numbers: blank fields are left out, the bonus
// never counts. A ticket with a blank field (and every card ticket) is incomplete.
struct TicketCounts {
    int sum = 0;
    int odd = 0;
    int even = 0;
    bool complete = true;
};

// One ticket: its number in its list, its regular fields in column order and, for the bonus kinds,
// its bonus. A field is kept as it was entered or read, without the blanks that pad it to its
// width; a blank field is empty. A ticket just added has no fields yet.
struct Ticket {
    int number = 0;
    QStringList fields;
    std::optional<QString> bonus;

    bool operator==(const Ticket&) const = default;

    // Field i (from 0), empty when the ticket has no such field.
    QString field(int i) const { return fields.value(i); }
    // Counts of the regular numbers (the kind's columns); a field that is not a number throws
    // VantoroError.
    TicketCounts counts(const TicketKind& kind) const;

    // The ticket the editor's boxes hold: `entries` (one per regular column, already normalised,
    // cut to the field width), and `bonus` for the bonus kinds.
    static Ticket fromEntries(const TicketKind& kind, int number, const QStringList& entries,
                              const QString& bonus);
};

using Tickets = QList<Ticket>;

namespace TicketEntries {
// An entry of the editor's boxes as it is stored: a single character zero-padded to two, a card
// entry of two characters given its leading "0" and every card entry upper-cased.
QString normalise(const TicketKind& kind, const QString& entry, bool cardColumn);
// The bonus box's entry as it is stored: zero-padded likewise; a card-rank bonus ("0J") upper-cased.
QString normaliseBonus(const TicketKind& kind, const QString& entry);
// The standard message when a text is not a whole number.
QString conversionError(const QString& text);
// A whole number, or VantoroError with the conversion message.
int toInteger(const QString& text);
} // namespace TicketEntries
