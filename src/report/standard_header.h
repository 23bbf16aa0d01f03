// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The page header that every printout shares. A printout states its title, tab stops, headings and
// body top; the rest (product name, date, page number, publisher line) is the same everywhere.
struct StandardHeader {
    QString title;
    // Replaces the blank line under the publisher line when set, e.g. "Drawing Cutoff: 50".
    QString cutoffLine;
    bool cutoffLineLeft = false; // at the left margin rather than centred (the pairs and triples)
    // Centred lines between that line and the title, followed by a blank line (the ticket filters).
    QStringList linesBeforeTitle;
    // Blank lines straight before the title (the wheel printout's line under its guarantee).
    int blankLinesBeforeTitle = 0;
    // Blank lines between the title and the headings (the charts use two).
    int blankLinesAfterTitle = 1;
    // Centred, bold, not underlined, printed after those blank lines ("Number of Skips").
    QStringList linesBeforeHeadings;
    // The tab stops of the page; the header clears the old ones and sets these, and the body uses them.
    QList<TabStop> tabs;
    QStringList headings; // one per tab stop, printed in the cells
    bool underlineHeadings = false;
    double bodyTop = 1.7;
    // The body starts no higher than the end of the header, when the lines above push it down.
    bool bodyBelowHeader = false;
    double bottomMargin = 0.5;
    QDate date; // today when not set
};

inline constexpr const char* kProductName = "Vantoro";
inline constexpr const char* kPublisherLine = "Vantoro lottery analysis";

// Prints the header on the current page and leaves the report at line 1 of the body, with bold and
// underline off and the header's tab stops set.
void printStandardHeader(Report& report, const StandardHeader& header);

// Makes `header` the report's header call-back.
void useStandardHeader(Report& report, const StandardHeader& header);
