// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>
#include <QStringList>

class DbfTable;

// What the player asked for in the search dialogs.
struct DrawingSearchOptions {
    QStringList numbers; // as entered, in entry order; empty entries are skipped
    int minimumHits = 3; // a drawing is listed when it holds at least this many
    bool includeBonus = false;
    int from = 1; // positions in date order, 1 = the oldest drawing
    int to = 0;
};

// What the result window shows.
struct DrawingSearchResult {
    QStringList numbers;   // the search numbers actually used
    QString numbersLabel;  // "Search Numbers: 05 12 33 "
    QString drawingsLabel; // "Drawings: 1 to 120"
    QStringList lines;     // "MM/DD/YYYY  05 12 ": the date, two spaces, each matched number and a space
};

namespace DrawingSearch {
// The entries in order with the empty ones dropped, upper case, zero-filled for a two-character
// table as the entry fields do when they are left.
QStringList searchNumbers(const QStringList& entries, int fieldWidth);

// Walks positions from..to of the table in date order (the table is left at the last drawing
// examined). Field texts lose their first blank and are compared as text, so "7" never matches "07";
// a number entered twice counts twice.
DrawingSearchResult run(DbfTable& table, const LotteryDefinition& definition,
                        const DrawingSearchOptions& options);
} // namespace DrawingSearch
