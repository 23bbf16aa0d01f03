// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/number_stats.h"

#include <QString>
#include <vector>

// TEMP.DBT as the number statistics write it for the frequency graph: NUMBER (character 3), then
// HOT, PRIOR, COLD and DUE (numeric 3), one record per row; a number's frequency goes into the
// field of its class.
namespace NumberGraphTable {
// Creates the table anew and empty (an old one is replaced). False when it cannot be created;
// `error` then says why, naming the file.
bool create(const QString& path, QString* error = nullptr);
// Appends the rows to the table made by create(). A value that does not fit its field, or a
// table that cannot be written, throws VantoroError.
void writeRows(const QString& path, const std::vector<NumberGraphRow>& rows);
// The field a class's value goes to; empty for NumberClass::None.
QString fieldFor(NumberClass numberClass);
} // namespace NumberGraphTable
