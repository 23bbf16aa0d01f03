// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/generated_tickets.h"

#include <QStringList>

struct LotteryDefinition;

// The player's own favourite numbers made into tickets: typed box by box, or played through a wheel.
namespace FavoriteNumbers {

// How an own ticket is typed for the lottery: R regular boxes, then for the bonus games one more
// box (B = R + 1) for the bonus. The kind's numbers per ticket is R.
struct OwnLayout {
    TicketKind kind;
    int regular = 0; // R
    int boxes = 0;   // B
};
OwnLayout ownLayout(const LotteryDefinition& lottery);

// A box's entry as it is stored: a single character zero-padded, a two-character card entry (in the
// first five boxes of a card game) given its leading "0", card entries upper-cased. `box` counts
// from 1; box B of a bonus game is the bonus box.
QString normaliseBox(const OwnLayout& layout, int box, const QString& entry);
// The own ticket numbered `number` from its boxes (B entries, fewer meaning empty boxes), each
// normalised; empty boxes are left empty. No range or duplicate check is made.
Ticket ownTicket(const OwnLayout& layout, int number, const QStringList& boxes);

// Why a regular favourite cannot be played: a number below the regular ones in a game whose bonus
// alone starts at 0 (a Superzahl of 0 to 9 beside regular numbers from 1). Empty when it can.
QString regularRefusal(const LotteryDefinition& lottery, const QString& entry);

// The note over the own tickets' list and printout; empty for the games that need none.
QString ownTicketsNote(const LotteryDefinition& lottery);

// Whether the wheel's tickets take the one favourite bonus, and the request beside its box.
bool wheelNeedsBonus(const LotteryDefinition& lottery);
QString bonusRequest(const LotteryDefinition& lottery);

inline constexpr const char* kEnterAllNumbers = "All favorite numbers must be entered before proceeding.";
inline constexpr const char* kEnterBonus = "A bonus number must be entered before proceeding.";

// Why the wheel's tickets cannot be made yet: the message once for every empty favourite box; when
// every box is filled, the bonus message if the wheel needs a bonus and none was typed. Empty when
// the tickets can be made.
QStringList wheelRefusals(const LotteryDefinition& lottery, const QStringList& boxes, const QString& bonus);

// The favourites in the order typed expanded through the wheel at `wheelPath`, every ticket with the
// one `bonus`. The boxes must all be filled (wheelRefusals); a favourite that is not a whole number
// (other than a Quinto card) throws VantoroError with the conversion message, as does one that is
// no regular number (regularRefusal), and nothing is made.
GeneratedTickets wheel(const LotteryDefinition& lottery, const QString& wheelPath, const QStringList& boxes,
                       const QString& bonus);

} // namespace FavoriteNumbers
