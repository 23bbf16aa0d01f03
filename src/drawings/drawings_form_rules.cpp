// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawings_form_rules.h"

namespace DrawingEntry {

namespace {
constexpr int CaptionNameLength = 45;
} // namespace

std::optional<QDate> nextDrawingDate(const QDate& last, const LotteryDefinition& definition) {
    if (!last.isValid())
        return std::nullopt;
    // Seven steps cover the week, so a lottery drawn only on the last drawing's weekday gets a week on.
    for (int days = 1; days <= 7; ++days) {
        const QDate candidate = last.addDays(days);
        if (definition.drawnOn(candidate.dayOfWeek()))
            return candidate;
    }
    return std::nullopt;
}

QString padNumber(const QString& text, int fieldWidth) {
    if (fieldWidth == 2 && text.size() == 1)
        return QLatin1Char('0') + text;
    return text;
}

QString editorCaption(const QString& description) {
    return QStringLiteral("Edit Drawings (") + description.left(CaptionNameLength) + QLatin1Char(')');
}

QString drawLabel(int number) {
    return QStringLiteral("Draw #: ") + QString::number(number);
}

QString deleteQuestion(const QString& dateText) {
    return QStringLiteral("Are you sure you want to delete the drawing on ") + dateText + QLatin1Char('?');
}

QString changedElsewhereMessage(const QString& tableFile) {
    return QStringLiteral("%1 was changed by another Vantoro after this window read it. Its drawings have "
                          "been read again; please make your change once more.")
        .arg(tableFile);
}

int nextEntryField(int field, int regular, int bonus) {
    if (field >= 1 && field < regular)
        return field + 1;
    if (field == regular && bonus >= 1 && (regular == 3 || (regular >= 5 && regular <= 7)))
        return B1Field;
    if (field == B1Field && bonus >= 2)
        return B2Field;
    return SaveButtonField;
}

} // namespace DrawingEntry
