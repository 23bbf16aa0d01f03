// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/random_numbers.h"

#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "play/card_code.h"
#include "play/random_source.h"
#include "play/wheel_expansion.h"
#include "play/wheel_file.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace {

using Game = GameTypeCode;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A value from 1 to range - 1: draws from 0 .. range - 1 until one is not 0.
int nonZero(RandomSource& random, int range) {
    for (;;) {
        const int value = int(random.draw(std::uint32_t(range)));
        if (value != 0)
            return value;
    }
}

// `count` different numbers from 1 .. highest, in ascending order. The caller has made sure there
// are that many.
QList<int> distinctAscending(RandomSource& random, int count, int highest) {
    std::bitset<256> chosen;
    QList<int> numbers;
    numbers.reserve(count);
    while (numbers.size() < count) {
        const int value = int(random.draw(std::uint32_t(highest + 1)));
        if (value == 0 || chosen.test(std::size_t(value)))
            continue;
        chosen.set(std::size_t(value));
        numbers << value;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The games that draw distinct numbers from 1 .. H must have n of them, or the draws never end.
void checkEnough(const LotteryDefinition& lottery, int count, const QString& what) {
    if (lottery.HighestNumber < count || lottery.HighestNumber > 255)
        throw VantoroError(QStringLiteral("%1 needs %2 different numbers, but %3 numbers go from 1 to %4.")
                               .arg(what)
                               .arg(count)
                               .arg(lottery.Description)
                               .arg(lottery.HighestNumber));
}

bool isCardRankBonus(const LotteryDefinition& lottery) {
    return GameTypes::bonusIsCardRank(lottery.GameType, lottery.regularNumbers());
}

bool hasNumberBonus(const LotteryDefinition& lottery) {
    const auto game = static_cast<Game>(lottery.GameType);
    return game == Game::BigGame || game == Game::Keystone || game == Game::Powerball;
}

void checkBonus(const LotteryDefinition& lottery) {
    if (hasNumberBonus(lottery) && lottery.HighestBonus < 1)
        throw VantoroError(QStringLiteral("%1 has no highest bonus number to draw the bonus from.")
                               .arg(lottery.Description));
}

Ticket ownTicket(const LotteryDefinition& lottery, RandomSource& random, int number) {
    Ticket ticket;
    ticket.number = number;
    switch (static_cast<Game>(lottery.GameType)) {
    case Game::DailyMillions:
        // Red, white and blue pairs from drums of their own: a number may stand in two pairs.
        for (int group = 0; group < 3; ++group)
            for (int value : distinctAscending(random, 2, 21))
                ticket.fields << twoDigits(value);
        return ticket;
    case Game::CardReserved: {
        // One card of each suit, hearts first; cards number suit by suit from clubs.
        constexpr std::array suits{2, 0, 1, 3};
        for (int suit : suits)
            ticket.fields << CardCode::fromNumber(suit * 13 + nonZero(random, 14));
        return ticket;
    }
    case Game::NYLuckyDay:
        ticket.fields << twoDigits(nonZero(random, 13)) << twoDigits(nonZero(random, 32))
                      << twoDigits(int(random.draw(100)));
        ticket.bonus = twoDigits(nonZero(random, 31));
        return ticket;
    default:
        break;
    }
    const int n = generatorRegularNumbers(lottery);
    if (GameTypes::isPickGame(lottery.GameType)) {
        for (int i = 0; i < n; ++i)
            ticket.fields << twoDigits(int(random.draw(std::uint32_t(lottery.HighestNumber + 1))));
    } else {
        const bool cards = GameTypes::isCardGame(lottery.GameType);
        for (int value : distinctAscending(random, n, lottery.HighestNumber))
            ticket.fields << (cards ? CardCode::fromNumber(value) : twoDigits(value));
    }
    const QString bonus = RandomNumbers::bonus(lottery, random);
    if (!bonus.isEmpty())
        ticket.bonus = bonus;
    return ticket;
}

} // namespace

namespace RandomNumbers {

int numbersPerTicket(const LotteryDefinition& lottery) {
    switch (static_cast<Game>(lottery.GameType)) {
    case Game::DailyMillions:
        return 6;
    case Game::CardReserved:
        return 4;
    case Game::NYLuckyDay:
        return 3;
    default:
        return generatorRegularNumbers(lottery);
    }
}

QString bonus(const LotteryDefinition& lottery, RandomSource& random) {
    if (hasNumberBonus(lottery))
        return twoDigits(nonZero(random, lottery.HighestBonus + 1));
    if (isCardRankBonus(lottery)) {
        static const std::array<QString, 5> ranks{QStringLiteral("10"), QStringLiteral("0J"),
                                                  QStringLiteral("0Q"), QStringLiteral("0K"),
                                                  QStringLiteral("0A")};
        return ranks.at(std::size_t(nonZero(random, 6) - 1));
    }
    return {};
}

GeneratedTickets tickets(const LotteryDefinition& lottery, int count, std::uint32_t seed) {
    const auto game = static_cast<Game>(lottery.GameType);
    if (game != Game::DailyMillions && game != Game::CardReserved && game != Game::NYLuckyDay &&
        !GameTypes::isPickGame(lottery.GameType))
        checkEnough(lottery, generatorRegularNumbers(lottery), QStringLiteral("A ticket"));
    checkBonus(lottery);
    RandomSource random(seed);
    GeneratedTickets out;
    out.kind = {numbersPerTicket(lottery), lottery.GameType};
    out.tickets.reserve(count);
    for (int t = 1; t <= count; ++t)
        out.tickets << ownTicket(lottery, random, t);
    return out;
}

GeneratedTickets wheel(const LotteryDefinition& lottery, const QString& wheelPath, std::uint32_t seed) {
    const WheelFile file = WheelFile::read(wheelPath);
    bool ok = false;
    const int k = file.Numbers.trimmed().toInt(&ok);
    // A header that is not a number is refused by the expansion, with the file's line named.
    if (ok && k > 0)
        checkEnough(lottery, k, QStringLiteral("The wheel"));
    checkBonus(lottery);
    RandomSource random(seed);
    const bool cards = GameTypes::isCardGame(lottery.GameType);
    QStringList chosen;
    QString played;
    if (ok && k > 0) {
        for (int value : distinctAscending(random, k, lottery.HighestNumber)) {
            const QString entry = cards ? CardCode::fromNumber(value) : QString::number(value);
            chosen << entry;
            played += entry + QLatin1Char(' ');
        }
    }
    const WheelExpansion expansion = WheelExpansion::expand(
        file, wheelPath, chosen, lottery, [&lottery, &random](int) { return bonus(lottery, random); });
    return GeneratedTickets::fromWheel(expansion, played);
}

} // namespace RandomNumbers
