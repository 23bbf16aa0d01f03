// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Report;
struct SmartTickets;

// What the smart-number printout shows: the list that is visible on the tickets page and the
// lines above it.
struct SmartPrintoutFacts {
    QString Description;  // the lottery's name
    int NumbersDrawn = 6; // two columns of tickets from 9 numbers a drawing, else three
    bool wheel = false;
    QString guarantee;     // wheels: the prize guarantee text
    QString numbersPlayed; // wheels: the chosen numbers
    int wheelNumbers = 0;
    int wheelTickets = 0;
    bool fullWheel = false;
    QString columnNote; // the note on the last column, empty when the page shows none
    QStringList lines;  // the visible ticket list, line for line
    QDate date;         // today when not set

    static SmartPrintoutFacts from(const SmartTickets& tickets, const QStringList& lines);
};

// "Smart Number Tickets (<lottery>)", or "Smart Number Full Wheel - <K> numbers, <T> tickets
// (<lottery>)" and its abbreviated twin.
QString smartPrintoutTitle(const SmartPrintoutFacts& facts);
// The lines between the header and the title: the guarantee and the numbers played (with the column
// note) for a wheel, the column note alone for own tickets.
QStringList smartPrintoutLines(const SmartPrintoutFacts& facts);

// Makes `report` the "Print Tickets" printout of the smart-number tickets: the standard header, the
// lines and the title, then the tickets flowing down newspaper columns, each label in bold.
void setUpSmartPrintout(Report& report, const SmartPrintoutFacts& facts);
