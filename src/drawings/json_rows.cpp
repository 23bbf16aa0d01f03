// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/json_rows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

bool holdsRecord(const QJsonArray& array) {
    return std::any_of(array.begin(), array.end(), [](const QJsonValue& v) { return v.isObject(); });
}

// The line on which each element of the records array begins. QJsonDocument keeps no positions,
// so the text is walked once more: it is valid JSON by now, which keeps the walk simple.
// `key` names the array inside a top-level object; empty for a top-level array.
std::vector<int> elementLines(QStringView text, const QString& key) {
    std::vector<int> lines;
    int depth = 0;
    int line = 1;
    int arrayDepth = -1; // the depth of the records array's elements, once it is entered
    bool expectElement = false;
    QStringView lastString;
    QStringView currentKey;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (c.isSpace())
            continue;
        if (arrayDepth >= 0 && depth == arrayDepth && expectElement && c != QLatin1Char(']')) {
            lines.push_back(line);
            expectElement = false;
        }
        if (c == QLatin1Char('"')) {
            const qsizetype start = ++i;
            while (i < size && text[i] != QLatin1Char('"'))
                i += text[i] == QLatin1Char('\\') ? 2 : 1;
            lastString = text.mid(start, std::min(i, size) - start);
        } else if (c == QLatin1Char(':')) {
            if (depth == 1)
                currentKey = lastString;
        } else if (c == QLatin1Char(',')) {
            expectElement = arrayDepth >= 0 && depth == arrayDepth;
        } else if (c == QLatin1Char('[') || c == QLatin1Char('{')) {
            ++depth;
            if (arrayDepth < 0 && c == QLatin1Char('[') &&
                (key.isEmpty() ? depth == 1 : depth == 2 && currentKey == key)) {
                arrayDepth = depth;
                expectElement = true;
            }
        } else if (c == QLatin1Char(']') || c == QLatin1Char('}')) {
            --depth;
            if (arrayDepth >= 0 && depth < arrayDepth)
                break;
        }
    }
    return lines;
}

// A value as the text of a cell: strings as written, whole numbers without a fraction.
QString scalarText(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString().trimmed();
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::floor(number) == number && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 17);
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        return {};
    }
}

// Portals write a date as a timestamp ("2024-01-06T00:00:00.000"); the drawing keeps the day.
QString dateText(const QJsonValue& value) {
    static const QRegularExpression timestamp(QStringLiteral(
        R"(^(\d{4}-\d{1,2}-\d{1,2})[T ]\d{1,2}:\d{2}(:\d{2}(\.\d+)?)?(Z|[+-]\d{2}:?\d{2})?$)"));
    const QString text = scalarText(value);
    const QRegularExpressionMatch match = timestamp.match(text);
    return match.hasMatch() ? match.captured(1) : text;
}

// The numbers of a value: an array of numbers or of strings, or one string with the numbers
// between blanks or commas ("05 11 22 23 69").
QStringList numberTokens(const QJsonValue& value) {
    static const QRegularExpression between(QStringLiteral(R"([\s,;]+)"));
    QStringList tokens;
    if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            tokens << scalarText(element);
    } else if (value.isString()) {
        tokens = value.toString().split(between, Qt::SkipEmptyParts);
    } else {
        tokens << scalarText(value);
    }
    tokens.removeAll(QString());
    return tokens;
}

// As the CSV cells hold them: numbers between blanks, or a pick game's digits side by side, so
// that "0 0 7" reads as the drawing 007 just as "007" does.
QString numbersCell(const QJsonValue& value, bool digitGame) {
    const QStringList tokens = numberTokens(value);
    const bool digits = digitGame && tokens.size() > 1 &&
                        std::all_of(tokens.begin(), tokens.end(),
                                    [](const QString& t) { return t.size() == 1 && t.front().isDigit(); });
    return tokens.join(digits ? QString() : QStringLiteral(" "));
}

QString normalised(const QString& key) {
    QString name = key.toLower();
    name.remove(QRegularExpression(QStringLiteral(R"([\s_.\-])")));
    return name;
}

// The first key named as one of `names`, else the first whose name contains `part`.
QString keyNamed(const QStringList& keys, const QStringList& names, const QString& part,
                 const QSet<QString>& taken) {
    for (const QString& name : names) {
        for (const QString& key : keys) {
            if (!taken.contains(key) && normalised(key) == name)
                return key;
        }
    }
    if (!part.isEmpty()) {
        for (const QString& key : keys) {
            if (!taken.contains(key) && normalised(key).contains(part))
                return key;
        }
    }
    return {};
}

} // namespace

namespace JsonRows {

QStringList Records::keys() const {
    QStringList all;
    QSet<QString> seen;
    for (const QJsonValue& value : values) {
        const QJsonObject record = value.toObject();
        for (auto it = record.begin(); it != record.end(); ++it) {
            if (!seen.contains(it.key())) {
                seen.insert(it.key());
                all << it.key();
            }
        }
    }
    return all;
}

bool isJson(QStringView text) {
    for (const QChar c : text) {
        if (c.isSpace() || c == QChar(0xFEFF))
            continue;
        return c == QLatin1Char('[') || c == QLatin1Char('{');
    }
    return false;
}

Records read(QStringView text) {
    Records records;
    if (!isJson(text))
        return records;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return records;
    QJsonArray array;
    QString key;
    if (document.isArray()) {
        array = document.array();
    } else {
        // The object of a portal's answer holds the records beside its metadata: take the
        // largest array of records.
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QJsonArray candidate = it.value().toArray();
            if (holdsRecord(candidate) && candidate.size() > array.size()) {
                array = candidate;
                key = it.key();
            }
        }
    }
    if (!holdsRecord(array))
        return records;
    records.values.assign(array.begin(), array.end());
    records.lines = elementLines(text, key);
    if (records.lines.size() != records.values.size()) {
        // A key written with escapes is not found again by the walk: number the records instead.
        records.lines.resize(records.values.size());
        for (size_t i = 0; i < records.lines.size(); ++i)
            records.lines[i] = int(i) + 1;
    }
    return records;
}

void proposeKeys(const Records& records, const LotteryDefinition& definition, ImportLayout& layout) {
    const QStringList keys = records.keys();
    QJsonObject first;
    for (const QJsonValue& value : records.values) {
        if (value.isObject()) {
            first = value.toObject();
            break;
        }
    }
    QSet<QString> taken;
    layout.jsonDate = keyNamed(keys, {"date", "drawdate", "drawingdate", "drawndate", "datum", "fecha"},
                               QStringLiteral("date"), taken);
    taken.insert(layout.jsonDate);
    layout.jsonNumbers =
        keyNamed(keys,
                 {"numbers", "winningnumbers", "winningnumber", "drawnnumbers", "mainnumbers", "balls",
                  "mainballs", "whiteballs", "results", "result", "nums"},
                 QString(), taken);
    if (layout.jsonNumbers.isEmpty()) {
        // No telling name: the first field that holds several numbers.
        static const QRegularExpression number(QStringLiteral(R"(^\d{1,2}$)"));
        for (const QString& key : keys) {
            const QStringList tokens = numberTokens(first.value(key));
            if (!taken.contains(key) && tokens.size() >= 2 &&
                std::all_of(tokens.begin(), tokens.end(),
                            [](const QString& t) { return number.match(t).hasMatch(); })) {
                layout.jsonNumbers = key;
                break;
            }
        }
    }
    taken.insert(layout.jsonNumbers);
    // A bonus key only where the lottery has bonus numbers and the numbers do not hold them already.
    layout.jsonBonus.clear();
    if (definition.BonusNumbers > 0 &&
        numberTokens(first.value(layout.jsonNumbers)).size() < qsizetype(definition.NumbersDrawn)) {
        layout.jsonBonus = keyNamed(keys,
                                    {"bonus",
                                     "bonusnumber",
                                     "bonusnumbers",
                                     "bonusball",
                                     "bonusballs",
                                     "powerball",
                                     "megaball",
                                     "redball",
                                     "cashball",
                                     "luckyball",
                                     "luckystars",
                                     "stars",
                                     "starnumbers",
                                     "thunderball",
                                     "supplementary",
                                     "additional",
                                     "additionalnumber",
                                     "specialnumber",
                                     "extra",
                                     "pb",
                                     "mb"},
                                    QStringLiteral("bonus"), taken);
    }
}

std::vector<CsvRow> rows(const Records& records, const ImportLayout& layout, bool digitGame) {
    std::vector<CsvRow> out;
    out.reserve(records.values.size());
    for (size_t i = 0; i < records.values.size(); ++i) {
        const QJsonValue& value = records.values[i];
        CsvRow row;
        row.line = records.lines[i];
        if (!value.isObject()) {
            row.cells << scalarText(value); // not a record: its text is refused as the date
        } else {
            const QJsonObject record = value.toObject();
            row.cells << dateText(record.value(layout.jsonDate))
                      << numbersCell(record.value(layout.jsonNumbers), digitGame);
            if (!layout.jsonBonus.isEmpty())
                row.cells << numbersCell(record.value(layout.jsonBonus), digitGame);
        }
        out.push_back(std::move(row));
    }
    return out;
}

ImportLayout rowLayout(ImportLayout layout) {
    layout.separator = QLatin1Char(',');
    layout.headerRows = 0;
    layout.dateColumns = {1};
    layout.numberColumns = layout.jsonBonus.isEmpty() ? QList<int>{2} : QList<int>{2, 3};
    return layout;
}

} // namespace JsonRows
