// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"
#include "stats/number_class.h"

#include <QString>
#include <QStringList>
#include <vector>

class DbfTable;

// The number classification behind Number Statistics, the drawing summary, smart numbers and the
// ticket editor: per number its counts in the hot window and the analysis window, its skip, its
// class, and the four lists the statistics window shows, line for line.
//
//   NumberStatsInput input = NumberStatsInput::forLottery(definition, table.FieldWidth("P1"), bonus,
//                                                          hot, cutoff, total);
//   NumberStats stats = classifyNumbers(readNumberWindow(table, input), input);

// How the numbers of a game are told apart.
enum class NumberVariant {
    Standard, // numbers low..high at the positions of the bonus option
    ThreeSet, // Daily Millions: P1-P2 set "R", P3-P4 set "W", P5-P6 set "B", 1..21 each
    Cards,    // three-character fields: 52 playing cards
};

// Everything the classification needs besides the drawings.
struct NumberStatsInput {
    NumberVariant variant = NumberVariant::Standard;
    int firstPosition = 1; // the position range, 1-based field numbers P<first>..P<last>
    int lastPosition = 1;
    int low = 1; // the number range (standard and three-set variants)
    int high = 1;
    int numberCount = 1;    // N of the hit index and the average
    int hitIndexFactor = 1; // D = hitIndexFactor x DrawingCutoffCount
    // Fields after this many may be blank: a drawing kept without its bonus, counted nowhere.
    // 0 reads every blank field as damage.
    int regularPositions = 0;
    int HotNumberCutoff = 0;
    int DrawingCutoffCount = 0;
    int TotalDrawings = 0;
    QString UseBonusLabel;

    // Chooses the variant by the width of "P1" and the game type, and the ranges by the bonus
    // option (0 regular numbers only, 1 regular and bonus, 2 bonus only; ignored by the variants).
    static NumberStatsInput forLottery(const LotteryDefinition& definition, int firstFieldWidth,
                                       int bonusOption, int hotNumberCutoff, int drawingCutoffCount,
                                       int totalDrawings);
    // The standard variant whatever the game: the positions and numbers of the bonus option, for
    // the charts that read every game's numbers as plain numbers (the drawing summary).
    static NumberStatsInput standardForLottery(const LotteryDefinition& definition, int firstFieldWidth,
                                               int bonusOption, int drawingCutoffCount, int totalDrawings);
    // How many of the latest drawings the classification reads.
    int drawingsNeeded() const;
};

// The latest drawings, newest first, as the numbers at every position: a number (0..99), or for
// the card games the card as suit x 13 + rank - 1 (suits C, D, H, S; ranks ace = 1 .. king = 13).
struct NumberWindow {
    int positions = 0; // fields per drawing
    std::vector<qint8> values;
    QStringList dates; // DRAWDATE of each drawing, as the engine gives it

    static constexpr qint8 Missing = -1; // a blank bonus field
    int count() const { return static_cast<int>(dates.size()); }
    int at(int drawing, int position) const { // drawing 0 = latest, position 1-based
        return values[static_cast<size_t>(drawing) * static_cast<size_t>(positions) +
                      static_cast<size_t>(position - 1)];
    }
    void append(const QString& date, const std::vector<qint8>& numbers);
};

// Reads the input's drawingsNeeded() latest drawings of the drawing table (order 1 selected), every
// position of the range. A field that is not an integer (or not a card) throws VantoroError naming
// the drawing and the field.
NumberWindow readNumberWindow(DbfTable& table, const NumberStatsInput& input);
// The card of a three-character field ("0AC", "10H", " QS"), as in NumberWindow; -1 when it is not one.
int parseCard(const QString& text);

// One number (or card) of the analysis.
struct NumberStat {
    int id = 0;        // index of the working tables: the number; set x 100 + number; the card
    int number = 0;    // the number, or the card's rank
    int group = -1;    // the set (0 R, 1 W, 2 B) or the suit (0 C .. 3 S); -1 for the standard variant
    QString text;      // as in the lists: "07", "07R", "0AC"
    QString graphText; // as in TEMP.DBT's NUMBER: "7", "7R", "AC"
    int HotCount = 0;
    int SkipLength = 0;
    int Frequency = 0;
    QString LastHitDate;
    NumberClass numberClass = NumberClass::None;
};

// One record of TEMP.DBT: NUMBER empty and no class for a number without one.
struct NumberGraphRow {
    QString NUMBER;
    NumberClass numberClass = NumberClass::None;
    int value = 0; // the analysis-window frequency, stored in the class's field
};

struct NumberStats {
    NumberVariant variant = NumberVariant::Standard;
    std::vector<NumberStat> numbers; // every number of the range, in ascending list order
    int hotMax = 0;
    int skipMax = 0;
    int freqMax = 0;
    // The class lists as ids of `numbers`, hot and prior in hot-list order, cold and due in
    // cold-list order.
    std::vector<int> hot, prior, cold, due;

    QStringList FrequencyList, HitIndexList, HotList, ColdList;
    QString AverageLabel;  // "Average # Draws: 6.1"
    QString UseBonusLabel; // "Use Bonus: No", ...
    // Says which stored numbers fell outside the range and were left out of every count; empty
    // when all were counted.
    QString UncountedNote;
    std::vector<NumberGraphRow> graphRows;

    // The number of this id; nullptr when the id is not in the range.
    const NumberStat* stat(int id) const;
};

// The working-table id of the value read at a position (see NumberStat::id); -1 when the value
// lies outside the range and is counted nowhere.
int numberId(const NumberStatsInput& input, int position, int value);
// How many ids the working tables of a variant need (ids run from 0 to this less one).
int numberIdCount(NumberVariant variant);
// Every number (or card) of the range in list order, as the charts' rows run: numbers ascending,
// the three sets "R", "W", "B" of each number, the four suits of each rank. Only id, number,
// group, text and graphText are set.
std::vector<NumberStat> rangeNumbers(const NumberStatsInput& input);
// Says which stored numbers of `drawings` fell outside the range and were left out of every
// count; empty when all were counted.
QString uncountedNote(const NumberWindow& drawings, const NumberStatsInput& input);
// `value` in fixed notation, halves rounded away from zero as the lists have always shown them.
QString fixedNotation(double value, int decimals);

// Steps 3 to 12 of the statistics on the drawings read for `input`.
NumberStats classifyNumbers(const NumberWindow& drawings, const NumberStatsInput& input);

// The refusal of Number Statistics while the drawing cutoff is 0.
QString drawingCutoffRefusal();

// Reads and classifies in one go, for the callers that have the open drawing table.
NumberStats computeNumberStats(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                               int hotNumberCutoff, int drawingCutoffCount, int totalDrawings);
