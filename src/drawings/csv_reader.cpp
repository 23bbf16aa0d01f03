// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/csv_reader.h"

#include "db/windows1252.h"

#include <QStringDecoder>
#include <algorithm>

namespace Csv {

std::vector<CsvRow> parse(QStringView text, QChar separator) {
    std::vector<CsvRow> rows;
    Reader reader(text, separator);
    CsvRow row;
    while (reader.next(row)) {
        rows.push_back(std::move(row));
        row = CsvRow();
    }
    return rows;
}

Reader::Reader(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

bool Reader::next(CsvRow& row) {
    const qsizetype size = m_text.size();
    qsizetype cells = 0;     // cells of this row so far, the one being read included
    QString* cell = nullptr; // the cell being read, a reused string of row.cells
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current cell began with a quote: it counts even when empty
    bool rowStarted = false;
    row.line = m_line;

    const auto startCell = [&] {
        if (cells < row.cells.size()) {
            cell = &row.cells[cells];
            cell->resize(0); // keeps its capacity for this row's text
        } else {
            row.cells.append(QString());
            cell = &row.cells.last();
        }
        ++cells;
    };
    const auto currentCell = [&]() -> QString& {
        if (!cell)
            startCell();
        return *cell;
    };
    const auto endCell = [&] {
        currentCell();
        cell = nullptr;
        wasQuoted = false;
    };
    // True when the row held anything; blank lines give nothing.
    const auto endRow = [&] {
        if (!rowStarted && !wasQuoted)
            return false;
        endCell();
        row.cells.resize(cells);
        return true;
    };

    for (; m_pos < size; ++m_pos) {
        const QChar c = m_text[m_pos];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (m_pos + 1 < size && m_text[m_pos + 1] == QLatin1Char('"')) {
                    currentCell() += c;
                    ++m_pos;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++m_line;
                currentCell() += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && (!cell || cell->isEmpty()) && !wasQuoted) {
            currentCell();
            quoted = wasQuoted = rowStarted = true;
        } else if (c == m_separator) {
            rowStarted = true;
            endCell();
        } else if (c == QLatin1Char('\r') && m_pos + 1 < size && m_text[m_pos + 1] == QLatin1Char('\n')) {
            continue; // the LF ends the row
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            const bool any = endRow();
            ++m_line;
            if (any) {
                ++m_pos;
                return true;
            }
            row.line = m_line; // a blank line: the row starts on the next one
        } else {
            // Everything up to the next separator or line end is this cell's text: a quote that
            // does not open the cell is an ordinary character.
            qsizetype end = m_pos + 1;
            while (end < size && m_text[end] != m_separator && m_text[end] != QLatin1Char('\n') &&
                   m_text[end] != QLatin1Char('\r'))
                ++end;
            rowStarted = true;
            currentCell().append(m_text.sliced(m_pos, end - m_pos));
            m_pos = end - 1;
        }
    }
    return endRow();
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
