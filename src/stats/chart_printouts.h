// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

class Report;
struct SkipHitChart;
struct HitSequenceChart;
struct RepeatingSets;
struct DrawingSummary;

// What a chart printout shows besides the chart.
struct ChartPrintoutFacts {
    QString Description; // the lottery's
    int DrawingCutoffCount = 0;
    QDate date; // today when not set
};

// Makes `report` the "Skip and Hit Chart" printout: the header with the drawing cutoff, the title
// "<Description> Skip and Hit Chart", "Number of Skips" over the 25 underlined wait headings, then
// one line per number, its label and ")" in bold and its counts in the wait columns.
void setUpSkipHitPrintout(Report& report, const SkipHitChart& chart, const ChartPrintoutFacts& facts);

// Makes `report` the "Hit Sequence Chart" printout: the header with the drawing cutoff, the title
// "<Description> Hit Sequence Chart", the legend over the underlined headings 25 down to 01, then
// one line per number, its label and ")" in bold and its 25 cells.
void setUpHitSequencePrintout(Report& report, const HitSequenceChart& chart, const ChartPrintoutFacts& facts);

// Makes `report` the "Repeating Pairs" (or "Repeating Triples") printout of the list of entry
// `entry` of the drop-down: the header with the drawing cutoff at the left, the title
// "<Description> Repeating Pairs (<count> Occurrences)", then the list lines as shown, leading
// blanks kept, in seven columns a quarter inch apart.
void setUpRepeatingSetsPrintout(Report& report, const RepeatingSets& sets, int entry,
                                const ChartPrintoutFacts& facts);

// Makes `report` the "Drawing Summary Chart" printout: the header with the drawing cutoff, the
// title "<Description> Drawing Summary Chart", the headings of the visible columns, one line per
// drawing, then the bold "Average:" and "Percent:" lines; landscape when the range goes above 60.
void setUpDrawingSummaryPrintout(Report& report, const DrawingSummary& summary,
                                 const ChartPrintoutFacts& facts);
