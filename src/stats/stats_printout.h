// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/number_stats.h"

#include <QDate>
#include <QString>

class Report;

// What the "Number Statistics" printout shows besides the lists.
struct StatsPrintoutFacts {
    QString Description; // the lottery's
    int DrawingCutoffCount = 0;
    int HotNumberCutoff = 0;
    QDate date; // today when not set
};

// Makes `report` the "Number Statistics" printout of `stats`: the standard header titled
// "<Description> Number Statistics" over the four list columns, one body row per number in
// Courier New, and the bold footer with the average, the marks and the two cutoffs.
void setUpStatsPrintout(Report& report, const NumberStats& stats, const StatsPrintoutFacts& facts);
