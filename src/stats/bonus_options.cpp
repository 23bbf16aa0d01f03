// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/bonus_options.h"

#include "db/dbf_table.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"

namespace BonusOptions {

bool offered(BonusChart chart, const LotteryDefinition& definition, const QString& lotteryFile,
             int firstFieldWidth) {
    if (definition.BonusNumbers <= 0)
        return false;
    const bool triState = definition.GameType == int(GameTypeCode::TriState);
    switch (chart) {
    case BonusChart::NumberStatistics:
        // Tri-State 5 Card Cash draws a card rank as its bonus, which the statistics cannot count.
        return lotteryFile.compare(QLatin1String("TS531.DBF"), Qt::CaseInsensitive) != 0;
    case BonusChart::RepeatingPairs:
    case BonusChart::RepeatingTriples:
        return !triState;
    case BonusChart::SkipAndHit:
    case BonusChart::HitSequence:
    case BonusChart::DrawingSummary:
        // The colour-ball and card layouts count regular numbers only.
        if (firstFieldWidth == 3 || GameTypes::isThreeSet(definition.GameType))
            return false;
        return !(triState && definition.NumbersDrawn == 6);
    }
    return false;
}

bool offered(BonusChart chart, CurrentLottery& lottery) {
    const int width = lottery.table().isOpen() ? lottery.table().FieldWidth(DrawingTable::numberField(1)) : 2;
    return offered(chart, lottery.definition(), lottery.LotteryFile(), width);
}

} // namespace BonusOptions
