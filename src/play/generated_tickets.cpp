// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/generated_tickets.h"

#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "play/wheel_expansion.h"

GeneratedTickets GeneratedTickets::fromWheel(const WheelExpansion& expansion, const QString& numbersPlayed) {
    GeneratedTickets out;
    out.kind = expansion.kind;
    out.tickets = expansion.tickets;
    out.wheel = true;
    out.guarantee = expansion.guaranteeText();
    out.numbersPlayed = numbersPlayed;
    out.wheelNumbers = expansion.K;
    out.wheelTickets = expansion.T;
    out.fullWheel = expansion.isFull();
    return out;
}

QStringList GeneratedTickets::lines() const {
    return TicketLine::format(kind, tickets);
}

void GeneratedTickets::save(const QString& path, const LotteryDefinition& lottery) const {
    TicketFile::write(path, kind, lottery.Description, tickets);
}

QString generatorColumnNote(const LotteryDefinition& lottery) {
    switch (static_cast<GameTypeCode>(lottery.GameType)) {
    case GameTypeCode::BigGame:
        return QStringLiteral("The last column is the bonus number");
    case GameTypeCode::DailyMillions:
        return QStringLiteral("The columns represent R R W W B B");
    case GameTypeCode::Keystone:
        return QStringLiteral("The last column is the Key ball");
    case GameTypeCode::Powerball:
        return QStringLiteral("The last column is the Powerball");
    case GameTypeCode::TriState:
        return lottery.regularNumbers() == 5 ? QStringLiteral("The last column is the bonus") : QString();
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral("The last column is the Lucky Number");
    default:
        return {};
    }
}

int generatorRegularNumbers(const LotteryDefinition& lottery) {
    const int n = lottery.regularNumbers();
    return n > 19 ? 10 : n;
}
