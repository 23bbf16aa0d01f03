// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/game_type.h"

namespace GameTypes {

const QStringList& names() {
    static const QStringList list{
        QStringLiteral("Big Game"),
        QStringLiteral("Daily Millions"),
        QStringLiteral("Reserved for Future Use"),
        QStringLiteral("Keno"),
        QStringLiteral("Keystone"),
        QStringLiteral("Pick 3 or 4 Daily Lotto"),
        QStringLiteral("Pick 3 or 4 Midday Lotto"),
        QStringLiteral("Pick 5, 6, or 7 Lotto"),
        QStringLiteral("Powerball"),
        QStringLiteral("Quinto"),
        QStringLiteral("Tri-State"),
        QStringLiteral("Tri-West"),
        QStringLiteral("NY Lucky Day"),
    };
    return list;
}

QString name(int gameType) {
    return gameType >= 0 && gameType < Count ? names().at(gameType) : QString();
}

bool isCardGame(int gameType) {
    return gameType == static_cast<int>(GameTypeCode::CardReserved) ||
           gameType == static_cast<int>(GameTypeCode::Quinto);
}

bool supportsNumberAnalysis(int gameType) {
    return !isCardGame(gameType);
}

bool isThreeSet(int gameType) {
    return gameType == static_cast<int>(GameTypeCode::DailyMillions);
}

bool isPickGame(int gameType) {
    return gameType == static_cast<int>(GameTypeCode::PickDaily) ||
           gameType == static_cast<int>(GameTypeCode::PickMidday);
}

int ticketFieldWidth(int gameType) {
    return isCardGame(gameType) ? 3 : 2;
}

bool bonusIsCardRank(int gameType, int regularNumbers) {
    return gameType == static_cast<int>(GameTypeCode::TriState) && regularNumbers == 5;
}

bool ticketsHaveBonus(int gameType, int regularNumbers) {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::BigGame:
    case GameTypeCode::Keystone:
    case GameTypeCode::Powerball:
    case GameTypeCode::NYLuckyDay:
        return true;
    default:
        return bonusIsCardRank(gameType, regularNumbers);
    }
}

bool wheelTicketsHaveBonus(int gameType, int regularNumbers) {
    return ticketsHaveBonus(gameType, regularNumbers) &&
           gameType != static_cast<int>(GameTypeCode::NYLuckyDay);
}

} // namespace GameTypes

namespace Countries {

const QStringList& names() {
    static const QStringList list{
        QStringLiteral("Australia"),     QStringLiteral("Canada"),         QStringLiteral("Germany"),
        QStringLiteral("Ireland"),       QStringLiteral("New Zealand"),    QStringLiteral("Spain"),
        QStringLiteral("United States"), QStringLiteral("United Kingdom"),
    };
    return list;
}

QString name(int country) {
    return country >= 0 && country < names().size() ? names().at(country) : QString();
}

} // namespace Countries

namespace States {

const QStringList& abbreviations() {
    static const QStringList list = [] {
        QStringList states{QString()};
        states << QStringLiteral(
                      "AL,AK,AZ,AR,CA,CO,CT,DE,DC,FL,GA,HI,ID,IL,IN,IA,KS,KY,LA,ME,MD,MA,MI,MN,MS,MO,"
                      "MT,NE,NV,NH,NJ,NM,NY,NC,ND,OH,OK,OR,PA,PR,RI,SC,SD,TN,TX,UT,VT,VA,WA,WV,WI,WY")
                      .split(QLatin1Char(','));
        return states;
    }();
    return list;
}

QString abbreviation(int state) {
    return state >= 0 && state < abbreviations().size() ? abbreviations().at(state) : QString();
}

int indexOf(const QString& abbreviation) {
    return static_cast<int>(abbreviations().indexOf(abbreviation.toUpper()));
}

} // namespace States
