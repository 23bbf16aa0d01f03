// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winnings/winnings_table.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <vector>

class Report;

struct WinningsPrintoutFacts {
    QString fileName;                     // the ledger's file name, without its directory
    std::vector<Winnings::Entry> entries; // in date order
    QLocale locale;                       // whose currency format the amounts take
    QDate date;                           // today when not set
};

// Makes `report` the "Winnings" printout: the standard header with the title "Winnings (<file>)"
// and the headings Date, Comment, Won and Lost, then one line per entry in date order. No totals.
void setUpWinningsPrintout(Report& report, const WinningsPrintoutFacts& facts);
