// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket.h"

#include "db/vantoro_error.h"

QString TicketKind::note() const {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::BigGame:
        return QStringLiteral(
            "The number in the last column is the bonus number. It is not included in the sum, "
            "odd, or even numbers.");
    case GameTypeCode::DailyMillions:
        return QStringLiteral("The columns represent R R W W B B");
    case GameTypeCode::Keystone:
        return QStringLiteral("The number in the last column is the Key ball. It is not included in the sum, "
                              "odd, or even numbers.");
    case GameTypeCode::Powerball:
        return QStringLiteral(
            "The number in the last column is the Powerball. It is not included in the sum, "
            "odd, or even numbers.");
    case GameTypeCode::TriState:
        if (numbersPerTicket == 5)
            return QStringLiteral(
                "The last column is the bonus. It is not included in the sum, odd, or even numbers.");
        return {};
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral(
            "The last column is the Lucky number. It is not included in the sum, odd, or even "
            "numbers.");
    default:
        return {};
    }
}

QString TicketKind::typeCaption() const {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::BigGame:
        return QStringLiteral("Game Type: Big Game");
    case GameTypeCode::DailyMillions:
        return QStringLiteral("Game Type; Daily Millions");
    case GameTypeCode::CardReserved:
        return QStringLiteral("Game Type: California Decco");
    case GameTypeCode::Keno:
        return QStringLiteral("Game Type: Keno");
    case GameTypeCode::Keystone:
        return QStringLiteral("Game Type: PA Keystone");
    case GameTypeCode::PickDaily:
    case GameTypeCode::PickMidday:
        return numbersPerTicket == 3 ? QStringLiteral("Game Type: Pick 3")
                                     : QStringLiteral("Game Type: Pick 4");
    case GameTypeCode::Lotto:
        return numbersPerTicket == 5 ? QStringLiteral("Game Type: Pick 5")
                                     : QStringLiteral("Game Type: Pick 6");
    case GameTypeCode::Powerball:
        return QStringLiteral("Game Type: Powerball");
    case GameTypeCode::Quinto:
        return QStringLiteral("Game Type: Quinto");
    case GameTypeCode::TriState:
        return QStringLiteral("Game Type: Tri-State");
    case GameTypeCode::TriWest:
        return QStringLiteral("Game Type: Tri-West");
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral("Game Type: NY Lucky Day");
    default:
        return {};
    }
}

namespace {
// Blanks only pad a field to its width: without them the field is what was entered.
QString withoutPadding(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}
} // namespace

TicketCounts Ticket::counts(const TicketKind& kind) const {
    TicketCounts result;
    if (kind.isCardGame())
        result.complete = false;
    for (int i = 0; i < kind.numbersPerTicket; ++i) {
        const QString text = field(i).trimmed();
        if (text.isEmpty()) {
            result.complete = false;
            continue;
        }
        if (kind.isCardGame())
            continue;
        const int value = TicketEntries::toInteger(text);
        result.sum += value;
        if (value % 2 != 0)
            ++result.odd;
        else
            ++result.even;
    }
    return result;
}

Ticket Ticket::fromEntries(const TicketKind& kind, int number, const QStringList& entries,
                           const QString& bonus) {
    Ticket ticket;
    ticket.number = number;
    for (int i = 0; i < kind.numbersPerTicket; ++i)
        ticket.fields << withoutPadding(entries.value(i).left(kind.fieldWidth()));
    if (kind.hasBonus())
        ticket.bonus = withoutPadding(bonus.left(2));
    return ticket;
}

namespace TicketEntries {

QString normalise(const TicketKind& kind, const QString& entry, bool cardColumn) {
    if (entry.size() == 1)
        return QStringLiteral("0") + (kind.isCardGame() ? entry.toUpper() : entry);
    if (kind.isCardGame()) {
        if (cardColumn && entry.size() == 2)
            return QStringLiteral("0") + entry.toUpper();
        return entry.toUpper();
    }
    return entry;
}

QString normaliseBonus(const TicketKind& kind, const QString& entry) {
    const QString padded = entry.size() == 1 ? QStringLiteral("0") + entry : entry;
    return GameTypes::bonusIsCardRank(kind.gameType, kind.numbersPerTicket) ? padded.toUpper() : padded;
}

QString conversionError(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value.").arg(text);
}

int toInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw VantoroError(conversionError(text));
    return value;
}

} // namespace TicketEntries
