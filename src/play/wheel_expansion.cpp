// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_expansion.h"

#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "play/wheel_file.h"

#include <QDir>
#include <algorithm>

namespace {

int headerValue(const QString& path, const QString& text, int line) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0)
        throw VantoroError(QStringLiteral("The wheeling system file %1 has no number on line %2: \"%3\".")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(line)
                               .arg(text.left(20)));
    return value;
}

} // namespace

bool wheelTicketsHaveBonus(const LotteryDefinition& lottery) {
    return GameTypes::wheelTicketsHaveBonus(lottery.GameType, lottery.regularNumbers());
}

QString wheelEntryText(const QString& entry, const LotteryDefinition& lottery) {
    const int width = GameTypes::ticketFieldWidth(lottery.GameType);
    return entry.trimmed().toUpper().rightJustified(width, QLatin1Char('0'));
}

QString WheelExpansion::guaranteeText() const {
    return QStringLiteral("If %1 numbers played are correct, at least 1 ticket will match %2 numbers")
        .arg(C)
        .arg(M);
}

WheelExpansion WheelExpansion::expand(const QString& path, const QStringList& chosen,
                                      const LotteryDefinition& lottery, const BonusRule& bonusRule) {
    return expand(WheelFile::read(path), path, chosen, lottery, bonusRule);
}

WheelExpansion WheelExpansion::expand(const WheelFile& file, const QString& path, const QStringList& chosen,
                                      const LotteryDefinition& lottery, const BonusRule& bonusRule) {
    WheelExpansion result;
    result.P = headerValue(path, file.NumbersPerTicket, 1);
    // The tickets hold the wheel's P numbers: for keno that is the ticket size, not the draw.
    result.kind = {result.P, lottery.GameType};
    result.K = headerValue(path, file.Numbers, 2);
    result.T = headerValue(path, file.Tickets, 3);
    result.M = headerValue(path, file.Match, 4);
    result.C = headerValue(path, file.Correct, 5);
    if (chosen.size() < result.K)
        throw VantoroError(
            QStringLiteral("The wheeling system file %1 wheels %2 numbers, but %3 were chosen.")
                .arg(QDir::toNativeSeparators(path))
                .arg(result.K)
                .arg(chosen.size()));

    // All positions first: a bad line must not leave half a ticket list behind.
    const QList<QList<int>> positions = file.positions(path, result.K);

    QStringList entries;
    entries.reserve(chosen.size());
    for (const QString& entry : chosen)
        entries << wheelEntryText(entry, lottery);
    const bool bonus = wheelTicketsHaveBonus(lottery) && bonusRule;
    result.tickets.reserve(positions.size());
    for (qsizetype t = 0; t < positions.size(); ++t) {
        Ticket ticket;
        const int index = static_cast<int>(t);
        ticket.number = index + 1;
        ticket.fields.reserve(positions.at(t).size());
        for (int p : positions.at(t))
            ticket.fields << entries.at(p - 1);
        if (bonus)
            ticket.bonus = bonusRule(index).trimmed().toUpper().rightJustified(2, QLatin1Char('0'));
        result.tickets << ticket;
    }
    return result;
}
