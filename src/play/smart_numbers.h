// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"
#include "play/ticket.h"

#include <QString>
#include <QStringList>
#include <array>

class DbfTable;
class RandomSource;
struct NumberWindow;
struct WheelFile;

// Smart numbers: how the numbers of past drawings were spread over the hot, prior, cold and due
// classes when they were drawn, the class lists of today, and the tickets built from a mix of them.
//
//   SmartNumbers smart = SmartNumbers::compute(table, definition, hot, cutoff, total);
//   SmartCounts counts = smart.recommendedCounts(smart.ownTicketSize(), SmartFlow::OwnTickets);
//   SmartTickets tickets = makeOwnTickets(smart, counts, 10, smart.suggestedBonus, random);

// The classes in the order every list, label and breakdown takes them.
enum SmartClass { SmartHot = 0, SmartPrior = 1, SmartCold = 2, SmartDue = 3 };
inline constexpr int kSmartClasses = 4;
using SmartCounts = std::array<int, kSmartClasses>;

enum class SmartFlow { OwnTickets, Wheel };

// "Hot", "Prior", "Cold", "Due".
QString smartClassName(int smartClass);

// The class shares of one drawing's regular numbers over the recommendation window of `window`
// drawings: the latest `window` drawings of `drawings` (newest first), each compared with the
// `hotNumberCutoff` drawings before it, so `drawings` must hold window + hotNumberCutoff of them.
// The four shares add up to 1.
std::array<double, kSmartClasses> smartRatios(const NumberWindow& drawings, int regularCount,
                                              int hotNumberCutoff, int window);

// The count a share gives for a ticket or wheel of `size` numbers: share x size rounded to the
// nearest whole number, halves to the even neighbour.
int smartRoundedCount(double ratio, int size);

// Brings the sum of `counts` towards `size`: raises due, hot, prior and cold by one each, in that
// order, while the sum is below (only a class below its `available` count); then lowers hot,
// prior, cold and due by one each while it is above (only a class above 0). The result may still
// miss `size`: the check before generating catches it.
void balanceSmartCounts(SmartCounts& counts, const SmartCounts& available, int size);

// The refusal of a breakdown that does not add up to `size`; empty when it does.
QString smartBreakdownProblem(const SmartCounts& counts, int size, SmartFlow flow);
// "You have entered a value greater than the number of Hot numbers that are available."
QString smartAvailableProblem(int smartClass);

struct SmartNumbers {
    LotteryDefinition definition;
    int regularCount = 0; // R: positions 1..R hold the regular numbers
    int window = 0;       // W: the drawings the recommendation studies

    // The recommendation; without one (card games, too few drawings) the shares are 0 and
    // ratioNote says why.
    bool hasRatios = false;
    std::array<double, kSmartClasses> ratios{};
    QString ratioNote;

    // The class lists as number texts of two digits, in the lists' order. For the three-set game
    // the lists are per set ("R", "W", "B"): setLists[class][set], and lists[class] holds them
    // together, each number followed by its set letter ("07R").
    std::array<QStringList, kSmartClasses> lists;
    std::array<std::array<QStringList, 3>, kSmartClasses> setLists;
    bool threeSet = false;
    // Card games have no class lists; this says so where the lists would stand.
    QString classNote;

    // The most frequent bonus of the drawing cutoff, as the tickets show it ("07", "0K"); empty
    // for the games whose tickets have no bonus column.
    QString suggestedBonus;

    // Reads the open drawing table (order 1) and computes the shares, the lists and the bonus;
    // the table is left on the drawing it was on. A drawing field that is not a number throws
    // VantoroError naming the drawing.
    static SmartNumbers compute(DbfTable& table, const LotteryDefinition& definition, int hotNumberCutoff,
                                int drawingCutoffCount, int totalDrawings);

    int available(int smartClass) const;
    SmartCounts availableCounts() const;
    // The share as the page shows it: one decimal, right-aligned in four characters (" 5.0").
    QString percentText(int smartClass) const;
    // S for the player's own tickets: the regular count, 10 for Keno.
    int ownTicketSize() const;
    // The tickets carry a bonus column: Big Game, Keystone, Powerball, NY Lucky Day, Tri-State
    // with five regular numbers.
    bool ticketsHaveBonus() const;
    // Wheel tickets end with the bonus as well (all of those but NY Lucky Day).
    bool wheelTicketsHaveBonus() const;
    // A wheel can be filled from the class lists: not for the three-set game (its lists are per
    // set, which a wheel's positions cannot keep apart) nor for the card games.
    bool wheelOffered() const;
    // Why a wheel cannot be played; empty when it can.
    QString wheelRefusal() const;
    // The note on the ticket list's last column ("The last column is the Powerball"); empty for the
    // games that need none.
    QString columnNote() const;
    // Only the pick order is shown (NY Lucky Day: month and day come first).
    bool pickOrderOnly() const;
    // The recommended breakdown for `size` numbers: the rounded shares, for own tickets lowered to
    // the available counts, then balanced.
    SmartCounts recommendedCounts(int size, SmartFlow flow) const;
    // The first `counts` numbers of each class list, hot, prior, cold, due: the numbers a wheel plays.
    QStringList chosenNumbers(const SmartCounts& counts) const;
};

// Tickets as the fourth page lists them: in pick order and sorted, the same tickets in both.
struct SmartTickets {
    TicketKind kind;
    Tickets pickOrder;
    Tickets sorted;
    // Wheels only.
    bool wheel = false;
    QString guarantee;     // "If 6 numbers played are correct, at least 1 ticket will match 6 numbers"
    QString numbersPlayed; // the chosen numbers, each followed by a blank
    int wheelNumbers = 0;  // K
    int wheelTickets = 0;  // T, as the header says
    bool fullWheel = false;
};

// `ticketCount` tickets of ownTicketSize() numbers, `counts` of each class drawn at random from its
// list (from its three set lists for the three-set game) with `random`, already seeded. `bonus` is
// the bonus box's text. A breakdown that does not add up, a count above its class's numbers, or a
// class that holds no number a column needs (NY Lucky Day's month and day, a three-set column's
// set) in any class still to pick throws VantoroError and makes nothing.
SmartTickets makeOwnTickets(const SmartNumbers& smart, const SmartCounts& counts, int ticketCount,
                            const QString& bonus, RandomSource& random);

// The chosen numbers (chosenNumbers) played through the wheel file at `wheelPath`. The wheel file's
// refusals, and a breakdown that does not fill the wheel, throw VantoroError.
SmartTickets makeWheelTickets(const SmartNumbers& smart, const SmartCounts& counts, const QString& wheelPath,
                              const QString& bonus);

// The numbers a wheel plays (line 2 of its header); a line that is not a number throws VantoroError.
int smartWheelSize(const WheelFile& file, const QString& path);

// Bonus box text as the tickets carry it: upper case, a single character given a leading "0".
QString smartBonusText(const QString& text);
