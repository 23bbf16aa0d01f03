// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

// One record of a CSV file and the line it starts on (1-based), so that a refusal can name it.
struct CsvRow {
    int line = 0;
    QStringList cells;
};

// The CSV of published drawing histories: "," or ";" between fields, fields in double quotes
// (a doubled quote inside is one quote, and a quoted field may run over line ends), lines ending
// in LF or CRLF. Blank lines are left out; their numbers are still counted.
namespace Csv {
std::vector<CsvRow> parse(QStringView text, QChar separator);

// The rows of a text one at a time, for files too large to hold as rows. The row handed back
// keeps its strings for the next one, so a file of a million rows allocates next to nothing.
class Reader {
public:
    Reader(QStringView text, QChar separator);
    // The next row (blank lines left out); false at the end of the text.
    bool next(CsvRow& row);
    // How much of the text has been read, in characters.
    qsizetype position() const { return m_pos; }

private:
    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// The text of a file's bytes: UTF-8 (a byte-order mark is dropped), or Windows-1252 when the
// bytes are not valid UTF-8, as older exports often are.
QString decode(const QByteArray& bytes);
// The separator of the first line, "," or ";" (whichever is more frequent outside quotes).
QChar guessSeparator(QStringView text);
// One line of fields joined by the separator, quoting the fields that need it.
QString joinLine(const QStringList& cells, QChar separator);
// A row of only blanks or separators: spreadsheets pad files with them, and they hold no data.
bool isBlank(const CsvRow& row);
} // namespace Csv
