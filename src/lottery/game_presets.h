// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/commission_presets.h"
#include "lottery/lottery_definition.h"

#include <QString>
#include <array>

// What choosing a game type in the definition editor fills in, and which of those controls the
// user may still change (free) or not (fixed). One row per game type; "Reserved for Future Use"
// has none and changes nothing.
struct GamePreset {
    QString Description;
    int Country = 6;
    bool countryFixed = false;
    int State = 0;
    bool stateFixed = false;
    int NumbersDrawn = 6;
    bool drawnFixed = false;
    int BonusNumbers = 0;
    bool bonusFixed = false;
    int HighestNumber = 49;
    bool highestFixed = false;
    int LowestNumber = 1;
    bool lowestFixed = false;
    std::array<bool, 7> days{}; // Sunday .. Saturday
    bool daysFixed = false;
    std::array<bool, 7> matches{}; // BonusMatches 0 .. 6
    std::array<bool, 7> matchesFixed{};
    bool AllowDuplicates = false;
    bool duplicatesFixed = false;
    int HighestBonus = 0;
    bool highestBonusFixed = false;
    const CommissionPreset* commission = nullptr; // nullptr: the commission fields are cleared
};

namespace GamePresets {
// The preset of a game type; nullptr for "Reserved for Future Use" and codes out of range.
const GamePreset* forGameType(int gameType);
// Writes the preset's values (and GameType) into the definition; the bet-slip layout is kept.
void apply(int gameType, const GamePreset& preset, LotteryDefinition& definition);
} // namespace GamePresets
