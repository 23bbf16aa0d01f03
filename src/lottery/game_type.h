// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Game types in the order of the definition editor's list; the code is the list position.
enum class GameTypeCode : int {
    BigGame = 0,
    DailyMillions = 1,
    CardReserved = 2, // "Reserved for Future Use": a card game
    Keno = 3,
    Keystone = 4,
    PickDaily = 5,
    PickMidday = 6,
    Lotto = 7,
    Powerball = 8,
    Quinto = 9,
    TriState = 10,
    TriWest = 11,
    NYLuckyDay = 12,
};

namespace GameTypes {
constexpr int Count = 13;
QString name(int gameType); // the list text, empty for a code out of range
const QStringList& names();
// Card games: their drawing fields hold playing cards, and pairs, triples, the drawing summary
// and smart numbers do not apply to them.
bool isCardGame(int gameType);
// The commands of the game-dependent group (pairs, triples, summary, smart numbers) apply.
bool supportsNumberAnalysis(int gameType);
// Red, white and blue pairs drawn from three drums of 21 (Daily Millions).
bool isThreeSet(int gameType);
// Pick 3 or 4 (daily or midday): single digits, 0 counts as a number.
bool isPickGame(int gameType);
// Characters of one ticket field: a card code takes three, a number two.
int ticketFieldWidth(int gameType);
// Tickets carry a bonus column after their `regularNumbers` regular ones.
bool ticketsHaveBonus(int gameType, int regularNumbers);
// The bonus is a card rank ("0J"), not a number: Tri-State with five regular numbers.
bool bonusIsCardRank(int gameType, int regularNumbers);
// Wheeled tickets end with a bonus: the ticket bonus games except NY Lucky Day, whose lucky number
// is not wheeled.
bool wheelTicketsHaveBonus(int gameType, int regularNumbers);
} // namespace GameTypes

namespace Countries {
constexpr int UnitedStates = 6;
const QStringList& names(); // index = the definition's Country
QString name(int country);
} // namespace Countries

namespace States {
const QStringList& abbreviations(); // index = the definition's State; 0 is blank
QString abbreviation(int state);
int indexOf(const QString& abbreviation); // -1 when unknown
} // namespace States
