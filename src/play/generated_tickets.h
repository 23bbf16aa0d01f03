// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QString>

struct LotteryDefinition;
struct WheelExpansion;

// What a generator (random or favourite numbers) made: the tickets of its list and, when a wheel
// made them, what the wheel's page and printout say about it. The kind's numbers per ticket is
// what the ticket file's line 2 records: the generator's count, or the wheel's P.
struct GeneratedTickets {
    TicketKind kind;
    Tickets tickets;
    bool wheel = false;
    QString guarantee;     // "If <C> numbers played are correct, ..."
    QString numbersPlayed; // the chosen numbers as the window shows them, each followed by a blank
    int wheelNumbers = 0;  // K
    int wheelTickets = 0;  // T
    bool fullWheel = false;

    // The wheel's tickets and header; `numbersPlayed` as the caller shows its choice.
    static GeneratedTickets fromWheel(const WheelExpansion& expansion, const QString& numbersPlayed);
    // The list as the window and vantoro-cli show it.
    QStringList lines() const;
    // The ticket file of the list, for the lottery it was made for.
    void save(const QString& path, const LotteryDefinition& lottery) const;
};

// The note under a generator's ticket list (the wheel tickets of favourite numbers too); empty for
// the games that need none.
QString generatorColumnNote(const LotteryDefinition& lottery);
// The regular numbers of a generator's ticket: n = NumbersDrawn - BonusNumbers, keno taken as 10.
int generatorRegularNumbers(const LotteryDefinition& lottery);
