// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_code.h"

#include "lottery/game_type.h"

namespace LotteryCodes {

namespace {

QString quotedType(int gameType) {
    return QStringLiteral("Game Type \"%1\"").arg(GameTypes::name(gameType));
}

QString stateText(const QString& state) {
    return state.isEmpty() ? QStringLiteral("State is blank") : QStringLiteral("State is ") + state;
}

Derivation none(QString problem) {
    return {QString(), std::move(problem)};
}

Derivation unitedStates(const LotteryDefinition& d) {
    const int drawn = d.NumbersDrawn;
    const int regular = d.regularNumbers();
    const QString highest = QString::number(d.HighestNumber);
    const QString state = States::abbreviation(d.State);
    switch (static_cast<GameTypeCode>(d.GameType)) {
    case GameTypeCode::BigGame:
        return {QStringLiteral("BG550"), {}};
    case GameTypeCode::DailyMillions:
        return {QStringLiteral("DM621"), {}};
    case GameTypeCode::CardReserved:
        return {QStringLiteral("CAD"), {}};
    case GameTypeCode::Keno:
        // A keno file is known by its state alone; without one it would have no name of its own.
        if (state.isEmpty())
            return none(quotedType(d.GameType) + QStringLiteral(" needs a State (State is blank)"));
        return {state + QStringLiteral("KENO"), {}};
    case GameTypeCode::Keystone:
        return {QStringLiteral("PA633"), {}};
    case GameTypeCode::PickDaily:
    case GameTypeCode::PickMidday: {
        if (drawn != 3 && drawn != 4) {
            return none(quotedType(d.GameType) +
                        QStringLiteral(" needs 3 or 4 Numbers Drawn (Numbers Drawn is %1)").arg(drawn));
        }
        const QString midday =
            d.GameType == static_cast<int>(GameTypeCode::PickMidday) ? QStringLiteral("MD") : QString();
        return {state + midday + QString::number(drawn), {}};
    }
    case GameTypeCode::Lotto:
        if (regular == 5 || regular == 6 || regular == 7)
            return {state + QString::number(regular) + highest, {}};
        return none(quotedType(d.GameType) +
                    QStringLiteral(" needs 5, 6 or 7 regular numbers, Numbers Drawn less Bonus Numbers "
                                   "(Numbers Drawn is %1, Bonus Numbers is %2)")
                        .arg(drawn)
                        .arg(d.BonusNumbers));
    case GameTypeCode::Powerball:
        return {QStringLiteral("PB545"), {}};
    case GameTypeCode::Quinto:
        if (state == QLatin1String("DE"))
            return {QStringLiteral("DEQ"), {}};
        if (state == QLatin1String("WA"))
            return {QStringLiteral("WAD"), {}};
        return none(quotedType(d.GameType) + QStringLiteral(" has a file code only with State DE or WA (") +
                    stateText(state) + QStringLiteral(")"));
    case GameTypeCode::TriState:
        if (regular == 6)
            return {QStringLiteral("TS642"), {}};
        if (regular == 5)
            return {QStringLiteral("TS531"), {}};
        if (drawn == 3 || drawn == 4)
            return {QStringLiteral("TS") + QString::number(drawn), {}};
        return none(quotedType(d.GameType) +
                    QStringLiteral(" needs 5 or 6 regular numbers, or 3 or 4 Numbers Drawn "
                                   "(Numbers Drawn is %1, Bonus Numbers is %2)")
                        .arg(drawn)
                        .arg(d.BonusNumbers));
    case GameTypeCode::TriWest:
        return {QStringLiteral("TW633"), {}};
    case GameTypeCode::NYLuckyDay:
        return {QStringLiteral("NYL"), {}};
    }
    return none(QStringLiteral("Game Type %1 is not a known game type").arg(d.GameType));
}

} // namespace

Derivation derive(const LotteryDefinition& d) {
    const QString regularAndHighest = QString::number(d.regularNumbers()) + QString::number(d.HighestNumber);
    switch (d.Country) {
    case 0:
        return {QStringLiteral("AU") + regularAndHighest, {}};
    case 1:
        if (d.NumbersDrawn == 3)
            return {QStringLiteral("CN3"), {}};
        return {QStringLiteral("CN") + regularAndHighest, {}};
    case 2:
        return {QStringLiteral("GE") + regularAndHighest, {}};
    case 3:
        return {QStringLiteral("IR") + regularAndHighest, {}};
    case 4:
        return {QStringLiteral("NZ") + regularAndHighest, {}};
    case 5:
        return {QStringLiteral("SP") + regularAndHighest, {}};
    case Countries::UnitedStates:
        return unitedStates(d);
    case 7:
        return {QStringLiteral("UK") + regularAndHighest, {}};
    default:
        return none(QStringLiteral("Country %1 is not a known country").arg(d.Country));
    }
}

QString noCodeMessage(const QString& problem) {
    return QStringLiteral("These settings have no file code, so the lottery's files cannot be named: ") +
           problem + QStringLiteral(".");
}

} // namespace LotteryCodes
