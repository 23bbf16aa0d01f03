// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/favorite_numbers.h"

#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "play/wheel_expansion.h"

namespace FavoriteNumbers {

namespace {
using Game = GameTypeCode;
}

OwnLayout ownLayout(const LotteryDefinition& lottery) {
    int regular = generatorRegularNumbers(lottery);
    // The games whose tickets have a fixed shape, whatever the definition says it draws.
    switch (static_cast<Game>(lottery.GameType)) {
    case Game::BigGame:
    case Game::Powerball:
        regular = 5;
        break;
    case Game::DailyMillions:
    case Game::Keystone:
        regular = 6;
        break;
    case Game::CardReserved:
        regular = 4;
        break;
    case Game::NYLuckyDay:
        regular = 3;
        break;
    default:
        break;
    }
    OwnLayout layout;
    layout.kind = {regular, lottery.GameType};
    layout.regular = regular;
    layout.boxes = regular + (layout.kind.hasBonus() ? 1 : 0);
    return layout;
}

QString normaliseBox(const OwnLayout& layout, int box, const QString& entry) {
    if (box > layout.regular)
        return TicketEntries::normaliseBonus(layout.kind, entry);
    return TicketEntries::normalise(layout.kind, entry, box <= 5);
}

Ticket ownTicket(const OwnLayout& layout, int number, const QStringList& boxes) {
    QStringList entries;
    for (int box = 1; box <= layout.regular; ++box)
        entries << normaliseBox(layout, box, boxes.value(box - 1));
    const QString bonus = layout.boxes > layout.regular
                              ? normaliseBox(layout, layout.boxes, boxes.value(layout.boxes - 1))
                              : QString();
    return Ticket::fromEntries(layout.kind, number, entries, bonus);
}

QString regularRefusal(const LotteryDefinition& lottery, const QString& entry) {
    // Only the games of today whose bonus starts below their regular numbers: the own tickets of
    // every other lottery have always taken what was typed.
    const int lowest = lottery.lowestRegular();
    if (lowest <= lottery.LowestNumber || GameTypes::isCardGame(lottery.GameType))
        return {};
    bool ok = false;
    const int value = entry.trimmed().toInt(&ok);
    if (!ok || value >= lowest)
        return {};
    return QStringLiteral("%1 is not a regular number of %2, whose regular numbers run from %3 to %4; only "
                          "its bonus starts at %5.")
        .arg(entry.trimmed(), lottery.Description)
        .arg(lowest)
        .arg(lottery.HighestNumber)
        .arg(lottery.LowestNumber);
}

QString ownTicketsNote(const LotteryDefinition& lottery) {
    switch (static_cast<Game>(lottery.GameType)) {
    case Game::BigGame:
    case Game::NYLuckyDay:
        return QStringLiteral("The last column is the bonus number");
    case Game::Powerball:
        return QStringLiteral("The last column is the Powerball");
    case Game::DailyMillions:
        return QStringLiteral("The columns represent R R W W B B");
    case Game::Keystone:
        return QStringLiteral("The last column is the Key ball");
    case Game::TriState:
        return lottery.regularNumbers() == 5 ? QStringLiteral("The last column is the bonus number")
                                             : QString();
    default:
        return {};
    }
}

bool wheelNeedsBonus(const LotteryDefinition& lottery) {
    return wheelTicketsHaveBonus(lottery);
}

QString bonusRequest(const LotteryDefinition& lottery) {
    switch (static_cast<Game>(lottery.GameType)) {
    case Game::Keystone:
        return QStringLiteral("Enter a favorite number for the Key ball number:");
    case Game::Powerball:
        return QStringLiteral("Enter a favorite number for the Powerball number:");
    default:
        return QStringLiteral("Enter a favorite number for the bonus number:");
    }
}

QStringList wheelRefusals(const LotteryDefinition& lottery, const QStringList& boxes, const QString& bonus) {
    QStringList refusals;
    for (const QString& box : boxes)
        if (box.trimmed().isEmpty())
            refusals << QLatin1String(kEnterAllNumbers);
    if (refusals.isEmpty() && wheelNeedsBonus(lottery) && bonus.trimmed().isEmpty())
        refusals << QLatin1String(kEnterBonus);
    return refusals;
}

GeneratedTickets wheel(const LotteryDefinition& lottery, const QString& wheelPath, const QStringList& boxes,
                       const QString& bonus) {
    const bool cards = GameTypes::isCardGame(lottery.GameType);
    QStringList chosen;
    QString played;
    for (const QString& box : boxes) {
        if (const QString refusal = regularRefusal(lottery, box); !refusal.isEmpty())
            throw VantoroError(refusal);
        const QString text = box.trimmed().toUpper();
        // Every favourite is converted before the wheel is read, so a bad one leaves no tickets.
        chosen << (cards ? text : QString::number(TicketEntries::toInteger(box)));
        played += text + QLatin1Char(' ');
    }
    const QString fixed = bonus.trimmed().toUpper();
    const WheelExpansion expansion =
        WheelExpansion::expand(wheelPath, chosen, lottery, [fixed](int) { return fixed; });
    return GeneratedTickets::fromWheel(expansion, played);
}

} // namespace FavoriteNumbers
