// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/game_presets.h"

#include "lottery/game_type.h"

#include <vector>

namespace {

constexpr bool F = true;  // fixed: the control is disabled after the preset
constexpr bool L = false; // free: it stays enabled

using Days = std::array<bool, 7>; // Sunday first
constexpr Days noDays{};
constexpr Days everyDay{true, true, true, true, true, true, true};
constexpr Days mondayToSaturday{false, true, true, true, true, true, true};
constexpr Days wednesdayAndSaturday{false, false, false, true, false, false, true};
constexpr Days fridayOnly{false, false, false, false, false, true, false};
constexpr Days saturdayOnly{false, false, false, false, false, false, true};
constexpr Days mondayOnly{false, true, false, false, false, false, false};

using Matches = std::array<bool, 7>;
constexpr Matches noMatches{};
constexpr Matches upToFive{true, true, true, true, true, true, false};
constexpr Matches allMatches{true, true, true, true, true, true, true};
constexpr Matches fiveOnly{false, false, false, false, false, true, false};
constexpr Matches allFixed{F, F, F, F, F, F, F};
constexpr Matches allFree{L, L, L, L, L, L, L};
constexpr Matches firstFixed{F, L, L, L, L, L, L};

constexpr int unitedStates = Countries::UnitedStates;
constexpr int noState = 0;

GamePreset row(const char* description, int state, bool countryFixed, bool stateFixed, int drawn,
               bool drawnFixed, int bonus, bool bonusFixed, int highest, bool highestFixed, int lowest,
               bool lowestFixed, Days days, bool daysFixed, Matches matches, Matches matchesFixed,
               bool duplicates, bool duplicatesFixed, int highestBonus, bool highestBonusFixed,
               const CommissionPreset* commission) {
    GamePreset preset;
    preset.Description = QString::fromLatin1(description);
    preset.Country = unitedStates;
    preset.countryFixed = countryFixed;
    preset.State = state;
    preset.stateFixed = stateFixed;
    preset.NumbersDrawn = drawn;
    preset.drawnFixed = drawnFixed;
    preset.BonusNumbers = bonus;
    preset.bonusFixed = bonusFixed;
    preset.HighestNumber = highest;
    preset.highestFixed = highestFixed;
    preset.LowestNumber = lowest;
    preset.lowestFixed = lowestFixed;
    preset.days = days;
    preset.daysFixed = daysFixed;
    preset.matches = matches;
    preset.matchesFixed = matchesFixed;
    preset.AllowDuplicates = duplicates;
    preset.duplicatesFixed = duplicatesFixed;
    preset.HighestBonus = highestBonus;
    preset.highestBonusFixed = highestBonusFixed;
    preset.commission = commission;
    return preset;
}

// Indexed by game type; the card game "Reserved for Future Use" (2) has no row of its own.
const std::vector<GamePreset>& table() {
    static const std::vector<GamePreset> presets = [] {
        const int pa = States::indexOf(QStringLiteral("PA"));
        const int ny = States::indexOf(QStringLiteral("NY"));
        // clang-format off
        std::vector<GamePreset> rows;
        //            description, state, country fixed, state fixed, drawn, bonus, highest, lowest (value, fixed),
        //            days, days fixed, matches, matches fixed, duplicates, highest bonus, commission
        rows.push_back(row("Big Game", noState, F, F, 6, F, 1, F, 50, F, 1, F, fridayOnly, F, upToFive, allFixed, true,
                           F, 25, F, nullptr));
        rows.push_back(row("Daily Millions", noState, F, F, 6, F, 0, F, 21, F, 1, F, everyDay, F, noMatches, allFixed,
                           false, F, 0, F, nullptr));
        rows.push_back(GamePreset{}); // 2: placeholder, never handed out
        rows.push_back(row("Keno", noState, F, L, 20, L, 0, F, 60, L, 1, F, mondayToSaturday, L, noMatches, allFixed,
                           false, F, 0, F, nullptr));
        rows.push_back(row("Pensylvania Keystone", pa, F, F, 7, F, 1, F, 33, F, 1, F, saturdayOnly, F, allMatches,
                           allFixed, true, F, 33, F, &CommissionPresets::pennsylvaniaRevenue()));
        rows.push_back(row("Daily Lotto", noState, L, L, 3, L, 0, F, 9, F, 0, F, everyDay, L, noMatches, allFixed,
                           false, F, 0, F, nullptr));
        rows.push_back(row("Midday Daily Lotto", noState, L, L, 3, L, 0, F, 9, F, 0, F, mondayToSaturday, L, noMatches,
                           allFixed, false, F, 0, F, nullptr));
        rows.push_back(row("Lotto", noState, L, L, 6, L, 0, L, 49, L, 1, F, noDays, L, noMatches, allFree, false, L, 0,
                           L, nullptr));
        rows.push_back(row("Powerball", noState, L, F, 6, F, 1, F, 45, F, 1, F, wednesdayAndSaturday, F, upToFive,
                           allFixed, true, F, 45, F, &CommissionPresets::multiState()));
        rows.push_back(row("Quinto", noState, L, L, 5, F, 0, F, 52, F, 1, F, noDays, L, noMatches, allFixed, false, F,
                           0, F, nullptr));
        rows.push_back(row("Tri-State", noState, L, F, 7, L, 1, L, 42, L, 1, L, wednesdayAndSaturday, L, fiveOnly,
                           firstFixed, false, L, 42, L, &CommissionPresets::triState()));
        rows.push_back(row("Tri-West Lotto", noState, L, F, 6, L, 0, F, 33, F, 1, F, wednesdayAndSaturday, F,
                           noMatches, allFixed, false, F, 0, F, nullptr));
        rows.push_back(row("New York Lucky Day", ny, L, F, 4, F, 1, F, 99, F, 1, F, mondayOnly, F, noMatches, allFixed,
                           true, F, 99, F, &CommissionPresets::newYork()));
        // clang-format on
        return rows;
    }();
    return presets;
}

} // namespace

namespace GamePresets {

const GamePreset* forGameType(int gameType) {
    if (gameType < 0 || gameType >= GameTypes::Count ||
        gameType == static_cast<int>(GameTypeCode::CardReserved))
        return nullptr;
    return &table().at(static_cast<size_t>(gameType));
}

void apply(int gameType, const GamePreset& preset, LotteryDefinition& definition) {
    definition.GameType = static_cast<qint16>(gameType);
    definition.Description = preset.Description;
    definition.Country = static_cast<qint16>(preset.Country);
    definition.State = static_cast<qint16>(preset.State);
    definition.NumbersDrawn = static_cast<qint16>(preset.NumbersDrawn);
    definition.BonusNumbers = static_cast<qint16>(preset.BonusNumbers);
    definition.HighestNumber = static_cast<qint16>(preset.HighestNumber);
    definition.LowestNumber = static_cast<qint16>(preset.LowestNumber);
    bool* days[] = {&definition.Sunday,   &definition.Monday, &definition.Tuesday, &definition.Wednesday,
                    &definition.Thursday, &definition.Friday, &definition.Saturday};
    for (size_t i = 0; i < 7; ++i)
        *days[i] = preset.days[i];
    definition.BonusMatches = preset.matches;
    definition.AllowDuplicates = preset.AllowDuplicates;
    definition.HighestBonus = static_cast<qint16>(preset.HighestBonus);
    CommissionPresets::apply(preset.commission, definition);
}

} // namespace GamePresets
