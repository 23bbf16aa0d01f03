// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// One bonus number of a drawing: its range, and whether it comes from a drum of its own (so it
// may equal a regular number) or from the regular drum after the regular numbers.
struct BonusDrum {
    int lowest = 1;
    int highest = 0;
    bool separate = false;
    bool operator==(const BonusDrum&) const = default;
};

// What a game of today needs beyond the 289-byte definition: the ranges of each bonus number, the
// lowest regular number when the definition's LowestNumber is 0 only for a bonus, and whether a
// drawing may lack its bonus numbers (published histories from before the bonus existed). Kept
// beside the definition as CODE.GAM (JSON), so older definition files stay exactly as they were.
struct GameExtras {
    QString game; // the name of today's game the lottery was made from
    int regularLowest = 1;
    QList<BonusDrum> bonus;
    bool bonusMayBeMissing = false;

    QJsonObject toJson() const;
    static std::optional<GameExtras> fromJson(const QJsonObject& object);
    bool operator==(const GameExtras&) const = default;
};

namespace GameExtrasFile {
// The extras of the lottery `code` in dataDir; nullopt when it has none (every lottery made
// before today's games, or by hand) or its file cannot be read as extras.
std::optional<GameExtras> read(const QString& dataDir, const QString& code);
// Written through a temporary file; throws VantoroError naming the file on failure.
void write(const QString& dataDir, const QString& code, const GameExtras& extras);
// Removes the extras of a lottery defined again by hand; a missing file is no failure.
void remove(const QString& dataDir, const QString& code);
} // namespace GameExtrasFile

// A lottery game as it is played today, with the public page its figures were checked against.
struct TodaysGame {
    QString name;    // as `vantoro-cli games` lists it and `--game` takes it
    QString place;   // the country or the group of countries that plays it
    int country = 6; // the definition's Country; a place not in that list keeps United States
    QString state;   // the state abbreviation of a game of one US state
    int regular = 6;
    int lowest = 1;
    int highest = 49;
    QList<BonusDrum> bonus;
    std::array<bool, 7> days{}; // Sunday .. Saturday
    bool bonusMayBeMissing = false;
    QString changed; // the date and nature of the last change of matrix, when it matters
    QString source;  // the page its figures were checked against
    bool sourceIsOperator = false;

    // "5 of 1 to 69, plus 1 of 1 to 26 from a separate drum; Monday, Wednesday and Saturday"
    QString figures() const;
    // The definition the game fills in: type "Pick 5, 6, or 7 Lotto", its numbers, days and
    // state (with its commission); Description is the game's name cut to 30 characters.
    LotteryDefinition definition() const;
    GameExtras extras() const;
    // The code by the rules every lottery's code follows.
    QString code() const;
};

namespace TodaysGames {
const QList<TodaysGame>& all();
// The game of this name, whatever its letter case; nullptr when there is none.
const TodaysGame* find(const QString& name);
QStringList names();
} // namespace TodaysGames
