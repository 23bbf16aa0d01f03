// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/generated_tickets.h"

#include <QStringList>
#include <cstdint>

struct LotteryDefinition;
class RandomSource;

// Random tickets for the open lottery, each generation from one seed: the windows take the time of
// day, vantoro-cli --seed S takes S, and the same seed gives the same tickets.
namespace RandomNumbers {

// The regular fields of an own random ticket: six for Daily Millions (three pairs), four cards for
// California Decco, three for NY Lucky Day, otherwise the lottery's regular numbers (keno: 10).
int numbersPerTicket(const LotteryDefinition& lottery);

// `count` tickets, each drawn by the lottery's game rule: ordinary games n different numbers in
// ascending order, pick games digits with 0 and repeats in the order drawn, a bonus drawn apart
// from the regular numbers. Throws VantoroError when the lottery has too few numbers to fill a
// ticket (which would never end).
GeneratedTickets tickets(const LotteryDefinition& lottery, int count, std::uint32_t seed);

// K different random numbers in ascending order (card codes for Quinto) expanded through the wheel
// at `wheelPath`, each ticket with a new random bonus. Throws VantoroError for a wheel that cannot
// be read or expanded, or one wheeling more numbers than the lottery has.
GeneratedTickets wheel(const LotteryDefinition& lottery, const QString& wheelPath, std::uint32_t seed);

// One random bonus as a ticket shows it: 1 .. HighestBonus in two digits, or for Tri-State with five
// numbers a card rank ("10", "0J", "0Q", "0K", "0A"); empty for games without a bonus.
QString bonus(const LotteryDefinition& lottery, RandomSource& random);

} // namespace RandomNumbers
