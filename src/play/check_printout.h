// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Report;

// What the "Print Tickets" printout of a ticket check shows: the labels above the list, the list
// as it is shown (all tickets or those the minimum keeps) and the summary.
struct CheckPrintoutFacts {
    QString note;         // empty when none is shown
    QString numbersLabel; // "Numbers Drawn: ..."
    QString bonusLabel;   // empty when none is shown
    QString drawDate;
    QString lotteryName;
    int numbersDrawn = 6; // more than 8 narrows the list to two columns
    QStringList lines;
    QStringList summary;
    QDate date; // today when not set
};

// Makes `report` the printout: the standard header with the labels and the underlined title
// "Check Tickets with Drawing on <date> (<lottery>)", the lines flowing down columns with their
// labels in bold, then "Summary: " and its items, kept together in one column.
void setUpCheckPrintout(Report& report, const CheckPrintoutFacts& facts);
