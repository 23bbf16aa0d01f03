// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class DbfTable;

// One line of the "Drawing List" printout: the bold position and the regular rest.
struct DrawingListLine {
    QString position; // "00003)  ": at least five digits, zero-filled
    QString text;     // "MM/DD/YYYY  05 09 12 20 41 44 ": the date, two spaces, each field and a space
};

namespace DrawingList {
// The lines of positions from..to in date order, bonus numbers included. The table's place is
// kept: it is back on the record it was on when the lines are read.
std::vector<DrawingListLine> lines(DbfTable& table, int numbersDrawn, int from, int to);

// Columns on the page: three for 3 or 4 numbers a drawing, two for 5 to 8, one from 9 on.
// The search list flows the same way.
int columnsFor(int numbersDrawn);
} // namespace DrawingList
