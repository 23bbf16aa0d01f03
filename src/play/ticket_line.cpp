// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_line.h"

#include "db/vantoro_error.h"

bool TicketKind::hasBonus() const {
    switch (gameType) {
    case 0:
    case 4:
    case 8:
    case 12:
        return true;
    case 10:
        return numbersPerTicket == 5;
    default:
        return false;
    }
}

QString TicketKind::note() const {
    switch (gameType) {
    case 0:
        return QStringLiteral(
            "The number in the last column is the bonus number. It is not included in the sum, "
            "odd, or even numbers.");
    case 1:
        return QStringLiteral("The columns represent R R W W B B");
    case 4:
        return QStringLiteral("The number in the last column is the Key ball. It is not included in the sum, "
                              "odd, or even numbers.");
    case 8:
        return QStringLiteral(
            "The number in the last column is the Powerball. It is not included in the sum, "
            "odd, or even numbers.");
    case 10:
        if (numbersPerTicket == 5)
            return QStringLiteral(
                "The last column is the bonus. It is not included in the sum, odd, or even numbers.");
        return {};
    case 12:
        return QStringLiteral(
            "The last column is the Lucky number. It is not included in the sum, odd, or even "
            "numbers.");
    default:
        return {};
    }
}

QString TicketKind::typeCaption() const {
    switch (gameType) {
    case 0:
        return QStringLiteral("Game Type: Big Game");
    case 1:
        return QStringLiteral("Game Type; Daily Millions");
    case 2:
        return QStringLiteral("Game Type: California Decco");
    case 3:
        return QStringLiteral("Game Type: Keno");
    case 4:
        return QStringLiteral("Game Type: PA Keystone");
    case 5:
    case 6:
        return numbersPerTicket == 3 ? QStringLiteral("Game Type: Pick 3")
                                     : QStringLiteral("Game Type: Pick 4");
    case 7:
        return numbersPerTicket == 5 ? QStringLiteral("Game Type: Pick 5")
                                     : QStringLiteral("Game Type: Pick 6");
    case 8:
        return QStringLiteral("Game Type: Powerball");
    case 9:
        return QStringLiteral("Game Type: Quinto");
    case 10:
        return QStringLiteral("Game Type: Tri-State");
    case 11:
        return QStringLiteral("Game Type: Tri-West");
    case 12:
        return QStringLiteral("Game Type: NY Lucky Day");
    default:
        return {};
    }
}

namespace TicketLine {

namespace {
int fieldStart(const TicketKind& kind, int i) {
    return kLabelWidth + (i - 1) * (kind.fieldWidth() + 1);
}
int bonusStart(const TicketKind& kind) {
    return fieldStart(kind, kind.numbersPerTicket + 1) + 1;
}
QString padded(const QString& text, int width) {
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}
// Everything after the label; the one place that knows how fields and the bonus are spaced.
QString body(const QStringList& fields, const QString* bonus) {
    QString out;
    for (const QString& field : fields)
        out += field + QLatin1Char(' ');
    if (bonus)
        out += QLatin1Char(' ') + *bonus;
    return out;
}
} // namespace

QString label(int number) {
    return QStringLiteral("%1. ").arg(number, 5, 10, QLatin1Char('0'));
}

QString compose(int number, const QStringList& fields, const QString& bonus) {
    return label(number) + body(fields, bonus.isEmpty() ? nullptr : &bonus);
}

int number(const QString& line) {
    bool ok = false;
    const int n = QStringView(line).left(5).toInt(&ok);
    return ok ? n : 0;
}

QString regularField(const TicketKind& kind, const QString& line, int i) {
    return line.mid(fieldStart(kind, i), kind.fieldWidth());
}

QString bonusField(const TicketKind& kind, const QString& line) {
    return kind.hasBonus() ? line.mid(bonusStart(kind), 2) : QString();
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

QString fromFileLine(const TicketKind& kind, const QString& fileLine, int number, const QString& where) {
    const int width = kind.fieldWidth();
    QStringList fields;
    for (int i = 0; i < kind.numbersPerTicket; ++i) {
        const QString field = padded(fileLine.mid(i * width, width), width);
        if (!kind.isCardGame() && !field.trimmed().isEmpty()) {
            bool ok = false;
            field.trimmed().toInt(&ok);
            if (!ok)
                throw VantoroError(where.isEmpty() ? conversionError(field)
                                                   : where + QStringLiteral(": ") + conversionError(field));
        }
        fields << field;
    }
    const QString bonus = padded(fileLine.mid(kind.numbersPerTicket * width, 2), 2);
    return label(number) + body(fields, kind.hasBonus() ? &bonus : nullptr);
}

QString toFileLine(const TicketKind& kind, const QString& line) {
    QString out;
    for (int i = 1; i <= kind.numbersPerTicket; ++i)
        out += padded(regularField(kind, line, i), kind.fieldWidth());
    if (kind.hasBonus())
        out += padded(bonusField(kind, line), 2);
    return out;
}

TicketCounts counts(const TicketKind& kind, const QString& line) {
    TicketCounts result;
    if (kind.isCardGame())
        result.complete = false;
    for (int i = 1; i <= kind.numbersPerTicket; ++i) {
        const QString field = regularField(kind, line, i).trimmed();
        if (field.isEmpty()) {
            result.complete = false;
            continue;
        }
        if (kind.isCardGame())
            continue;
        const int value = toInteger(field);
        result.sum += value;
        if (value % 2 != 0)
            ++result.odd;
        else
            ++result.even;
    }
    return result;
}

QString normaliseEntry(const TicketKind& kind, const QString& entry, bool cardColumn) {
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
    return kind.gameType == 10 ? padded.toUpper() : padded;
}

QString fromEntries(const TicketKind& kind, const QString& line, const QStringList& entries,
                    const QString& bonus) {
    QStringList fields;
    for (int i = 0; i < kind.numbersPerTicket; ++i)
        fields << padded(entries.value(i), kind.fieldWidth());
    const QString bonusText = padded(bonus, 2);
    return padded(line.left(kLabelWidth), kLabelWidth) + body(fields, kind.hasBonus() ? &bonusText : nullptr);
}

} // namespace TicketLine
