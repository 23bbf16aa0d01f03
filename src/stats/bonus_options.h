// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>

class CurrentLottery;

// The charts of the Statistics menu that may let the user count bonus numbers.
enum class BonusChart {
    NumberStatistics,
    SkipAndHit,
    HitSequence,
    DrawingSummary,
    RepeatingPairs,
    RepeatingTriples,
};

// Whether a chart offers the bonus choice for a lottery: the windows show their bonus button or
// check box by it, and vantoro-cli refuses --bonus by it, so both forbid the same.
namespace BonusOptions {

// `lotteryFile` is the drawing table's file name; `firstFieldWidth` the width of its "P1" field,
// 3 when the drawings hold playing cards.
bool offered(BonusChart chart, const LotteryDefinition& definition, const QString& lotteryFile,
             int firstFieldWidth);
// The same for the open lottery.
bool offered(BonusChart chart, CurrentLottery& lottery);

} // namespace BonusOptions
