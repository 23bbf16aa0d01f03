// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What a ticket file's header says about its tickets: how many regular columns, and the game type
// that decides the field width, the bonus column and the texts the editor shows.
struct TicketKind {
    int numbersPerTicket = 6; // regular columns, 1..10
    int gameType = 7;

    bool isCardGame() const { return gameType == 2 || gameType == 9; }
    int fieldWidth() const { return isCardGame() ? 3 : 2; }
    bool hasBonus() const;
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

// The form a ticket has in every ticket list: "00012. " (the label), each regular field followed by
// a blank, then for bonus kinds one more blank and the two-character bonus. An empty field keeps its
// place as blanks, so the fields always stand at their fixed positions.
namespace TicketLine {
inline constexpr int kLabelWidth = 7;

QString label(int number);
// The ticket number of a line (its first five characters); 0 when they are not a number.
int number(const QString& line);
// Field i (from 1) of a line, as it stands (blanks included).
QString regularField(const TicketKind& kind, const QString& line, int i);
QString bonusField(const TicketKind& kind, const QString& line);

// A list line from its parts: the label of ticket `number`, each field followed by a blank, then,
// when `bonus` is not empty, one more blank and the bonus. The lines a wheel expands to are made so.
QString compose(int number, const QStringList& fields, const QString& bonus = {});
// The list line of one ticket line of the file. A number field that is not a number throws
// VantoroError with the standard conversion message, `where` naming the file and line.
QString fromFileLine(const TicketKind& kind, const QString& fileLine, int number, const QString& where = {});
// The ticket line of the file for a list line: the fields packed without separators.
QString toFileLine(const TicketKind& kind, const QString& line);

// Counts of the line's regular numbers; a field that is not a number throws VantoroError.
TicketCounts counts(const TicketKind& kind, const QString& line);

// An entry of the editor's boxes as it is stored: a single character zero-padded to two, a card
// entry of two characters given its leading "0" and every card entry upper-cased.
QString normaliseEntry(const TicketKind& kind, const QString& entry, bool cardColumn);
// The bonus box's entry as it is stored: zero-padded likewise; the Tri-State bonus is a card rank
// ("0J"), upper-cased.
QString normaliseBonus(const TicketKind& kind, const QString& entry);
// The line the editor stores from its boxes: the label of `line`, then `entries` (one per regular
// column, already normalised), then `bonus` for bonus kinds. Empty entries become blanks.
QString fromEntries(const TicketKind& kind, const QString& line, const QStringList& entries,
                    const QString& bonus);

// The standard message when a text is not a whole number.
QString conversionError(const QString& text);
// A whole number, or VantoroError with the conversion message.
int toInteger(const QString& text);
} // namespace TicketLine
