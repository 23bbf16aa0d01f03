// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/number_stats.h"

#include <QString>
#include <vector>

// TEMP.DBT as the number statistics write it for the frequency graph: NUMBER (character 3), then
// HOT, PRIOR, COLD and DUE (numeric, 3 digits or as many as the largest value needs), one record
// per row; a number's frequency goes into the field of its class.
namespace NumberGraphTable {
// Creates the table anew and empty (an old one is replaced), its numeric fields wide enough for
// `largestValue` (a long keno history counts a number well over 999 times). Throws VantoroError
// naming the file when it cannot be created.
void create(const QString& path, int largestValue);
// The width of the numeric fields for values up to `largestValue`: at least 3.
int valueWidth(int largestValue);
// Appends the rows to the table made by create(). A value that does not fit its field, or a
// table that cannot be written, throws VantoroError.
void writeRows(const QString& path, const std::vector<NumberGraphRow>& rows);
// The field a class's value goes to; empty for NumberClass::None.
QString fieldFor(NumberClass numberClass);
} // namespace NumberGraphTable
