// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/csv_reader.h"
#include "drawings/import_layout.h"
#include "lottery/lottery_definition.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// Published histories as JSON, as open-data portals serve them: an array of records (or an object
// holding one such array under some key), each giving a drawing's date, its numbers and perhaps
// its bonus numbers under keys the user chooses (ImportLayout::jsonDate and the others).
// The records become the rows the CSV import reads, so both kinds of file pass the same checks:
// cell 1 is the date, cell 2 the numbers, cell 3 the bonus numbers.
namespace JsonRows {

// The records of a file and the line each begins on, so that a refusal can name it.
struct Records {
    std::vector<QJsonValue> values; // an element that is not an object is kept, to be refused
    std::vector<int> lines;
    bool empty() const { return values.empty(); }
    // Every key of the records, in the order first seen.
    QStringList keys() const;
};

// True when the text is JSON rather than CSV: it begins with "[" or "{".
bool isJson(QStringView text);
// The records of the file; none when it is not JSON or holds no array of records.
Records read(QStringView text);

// The keys whose names (or, failing that, values) say what they hold. A bonus key is proposed
// only for a lottery with bonus numbers; a key not found stays empty.
void proposeKeys(const Records& records, const LotteryDefinition& definition, ImportLayout& layout);

// The records as rows: the date (a time of day after it dropped), then the numbers and the bonus
// numbers, each written as the CSV cells are (numbers between blanks, a pick game's digits together).
std::vector<CsvRow> rows(const Records& records, const ImportLayout& layout, bool digitGame);
// The layout that reads those rows: the date form and keys of `layout`, the columns of the rows.
ImportLayout rowLayout(ImportLayout layout);

} // namespace JsonRows
