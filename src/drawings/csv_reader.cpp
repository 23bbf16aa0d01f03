// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/csv_reader.h"

#include "db/windows1252.h"

#include <QStringDecoder>
#include <algorithm>

namespace Csv {

std::vector<CsvRow> parse(QStringView text, QChar separator) {
    std::vector<CsvRow> rows;
    CsvRow row;
    QString cell;
    int line = 1;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current cell began with a quote: it counts even when empty
    bool rowStarted = false;
    row.line = 1;

    const auto endCell = [&] {
        row.cells << cell;
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        if (rowStarted || !cell.isEmpty() || wasQuoted) {
            endCell();
            rows.push_back(std::move(row));
        }
        row = CsvRow();
        cell.clear();
        wasQuoted = false;
        rowStarted = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && cell.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = rowStarted = true;
        } else if (c == separator) {
            rowStarted = true;
            endCell();
        } else if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n')) {
            continue; // the LF ends the row
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            endRow();
            ++line;
            row.line = line;
        } else {
            if (!rowStarted)
                row.line = line;
            rowStarted = true;
            cell += c;
        }
    }
    endRow();
    return rows;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = Windows1252::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QChar guessSeparator(QStringView text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QString joinLine(const QStringList& cells, QChar separator) {
    QStringList out;
    out.reserve(cells.size());
    for (const QString& cell : cells) {
        if (cell.contains(separator) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n')) ||
            cell.contains(QLatin1Char('\r'))) {
            QString escaped = cell;
            escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            out << QLatin1Char('"') + escaped + QLatin1Char('"');
        } else {
            out << cell;
        }
    }
    return out.join(separator);
}

bool isBlank(const CsvRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const QString& cell) { return cell.trimmed().isEmpty(); });
}

} // namespace Csv
