// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_line.h"

#include "db/vantoro_error.h"

namespace TicketLine {

namespace {
QString padded(const QString& text, int width) {
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}
QString fileField(const QString& fileLine, qsizetype start, int width) {
    QString field = fileLine.mid(start, width);
    while (field.endsWith(QLatin1Char(' ')))
        field.chop(1);
    return field;
}
} // namespace

QString label(int number) {
    return QStringLiteral("%1. ").arg(number, 5, 10, QLatin1Char('0'));
}

QString format(const TicketKind& kind, const Ticket& ticket) {
    QString out = label(ticket.number);
    for (const QString& field : ticket.fields)
        out += field.leftJustified(kind.fieldWidth(), QLatin1Char(' ')) + QLatin1Char(' ');
    if (ticket.bonus)
        out += QLatin1Char(' ') + ticket.bonus->leftJustified(2, QLatin1Char(' '));
    return out;
}

QStringList format(const TicketKind& kind, const Tickets& tickets) {
    QStringList lines;
    lines.reserve(tickets.size());
    for (const Ticket& ticket : tickets)
        lines << format(kind, ticket);
    return lines;
}

Ticket fromFileLine(const TicketKind& kind, const QString& fileLine, int number, const QString& where) {
    const int width = kind.fieldWidth();
    Ticket ticket;
    ticket.number = number;
    for (int i = 0; i < kind.numbersPerTicket; ++i) {
        const QString field = fileField(fileLine, qsizetype(i) * width, width);
        if (!kind.isCardGame() && !field.trimmed().isEmpty()) {
            bool ok = false;
            field.trimmed().toInt(&ok);
            if (!ok) {
                // The message shows the field as it stands in the file, blanks included.
                const QString error = TicketEntries::conversionError(padded(field, width));
                throw VantoroError(where.isEmpty() ? error : where + QStringLiteral(": ") + error);
            }
        }
        ticket.fields << field;
    }
    if (kind.hasBonus())
        ticket.bonus = fileField(fileLine, qsizetype(kind.numbersPerTicket) * width, 2);
    return ticket;
}

QString toFileLine(const TicketKind& kind, const Ticket& ticket) {
    QString out;
    for (int i = 0; i < kind.numbersPerTicket; ++i)
        out += padded(ticket.field(i), kind.fieldWidth());
    if (kind.hasBonus())
        out += padded(ticket.bonus.value_or(QString()), 2);
    return out;
}

} // namespace TicketLine
