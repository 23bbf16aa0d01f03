// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DbfTable;

// The drawings of a table as the plain CSV that the import reads back without options: a header
// row "DRAWDATE,P1,...,Pn", then one line per drawing in date order, the date as YYYY-MM-DD and
// the numbers as the table stores them.
namespace DrawingExport {
QString csvText(DbfTable& table, int numbersDrawn);
// Writes the text to `path` through a temporary file; returns the number of drawings written.
// A file that cannot be written throws VantoroError naming it.
int write(DbfTable& table, int numbersDrawn, const QString& path);
} // namespace DrawingExport
