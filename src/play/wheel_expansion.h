// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct LotteryDefinition;
struct WheelFile;

// The chosen numbers L[1 .. K] expanded through a wheel file into tickets.
struct WheelExpansion {
    // The caller's bonus rule, asked once per ticket (0-based ticket index): a new random bonus,
    // or one fixed favourite, as the ticket shows it ("07", or a card rank such as "0K" for
    // Tri-State); a one-character bonus is zero-padded. Only called for games whose wheel
    // tickets carry a bonus.
    using BonusRule = std::function<QString(int ticketIndex)>;

    int P = 0;
    int K = 0;
    int T = 0;
    int M = 0;
    int C = 0;
    // The lottery's kind of ticket, for showing the tickets (TicketLine).
    TicketKind kind;
    // In the order of the file's lines, numbered from 1: the chosen entries at each line's
    // positions (see wheelEntryText), and for the bonus games the rule's bonus, zero-padded.
    Tickets tickets;

    // "If <C> numbers played are correct, at least 1 ticket will match <M> numbers"
    QString guaranteeText() const;
    // Full when M = P and C = P (the generators' printed titles say which).
    bool isFull() const { return M == P && C == P; }
    // Reads `path` and expands `chosen` through it. Every line is checked before any ticket is
    // made: a position that is not a number, is 0 or is above K, a line without positions, a
    // header that is not a number, or fewer chosen entries than K throws VantoroError naming the
    // file and the line. Lines with more or fewer than P positions are expanded as they stand.
    static WheelExpansion expand(const QString& path, const QStringList& chosen,
                                 const LotteryDefinition& lottery, const BonusRule& bonusRule = {});
    // The same over a file already read; `path` names it in the messages.
    static WheelExpansion expand(const WheelFile& file, const QString& path, const QStringList& chosen,
                                 const LotteryDefinition& lottery, const BonusRule& bonusRule = {});
};

// The games whose wheel tickets end with a bonus: Big Game, Keystone, Powerball and Tri-State
// with five regular numbers.
bool wheelTicketsHaveBonus(const LotteryDefinition& lottery);
// A chosen number or card in the form tickets show it: numbers as two digits, card codes
// (card games) as three characters with a leading "0" for a two-character code.
QString wheelEntryText(const QString& entry, const LotteryDefinition& lottery);
