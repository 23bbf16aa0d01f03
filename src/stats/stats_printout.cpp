// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stats_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

namespace {

// Four left-aligned columns wide enough for the longest line of each list in Courier New 12
// ("*07 (05) 05/25/2024", "* = Prior Drawing").
const QList<TabStop> StatsTabs{
    {0.0, Justification::Left, 2.4, 0.0},
    {2.5, Justification::Left, 1.8, 0.0},
    {4.4, Justification::Left, 1.5, 0.0},
    {6.0, Justification::Left, 1.5, 0.0},
};

void printBody(Report& r, const NumberStats& stats, const StatsPrintoutFacts& facts) {
    r.setFont(QStringLiteral("Courier New"), 12);
    r.setBold(false);
    const qsizetype rows = stats.FrequencyList.size();
    for (qsizetype i = 0; i < rows; ++i) {
        r.printTab(stats.FrequencyList.at(i));
        r.printTab(stats.HitIndexList.value(i));
        r.printTab(stats.HotList.value(i));
        if (i < stats.ColdList.size())
            r.printTab(stats.ColdList.at(i));
        r.newLine();
    }

    // The footer stays in one piece: when its lines would not fit, it goes to a page of its own,
    // without the blank line above it, and there the mark is worded "Prior Drawing".
    r.setBold(true);
    QString mark = QStringLiteral("* = Last Drawing");
    if (r.linesLeft() < 3) {
        r.newPage();
        mark = QStringLiteral("* = Prior Drawing");
    } else {
        r.newLine();
    }
    r.printTab(stats.AverageLabel);
    r.printTab(mark);
    r.printTab(QString());
    r.printTab(QStringLiteral("# = Due"));
    r.newLine();
    r.printTab(QStringLiteral("Drawing Cutoff: ") + QString::number(facts.DrawingCutoffCount));
    r.printTab(QStringLiteral("Hot # Cutoff: ") + QString::number(facts.HotNumberCutoff));
    r.newLine();
    r.setBold(false);
}

} // namespace

void setUpStatsPrintout(Report& report, const NumberStats& stats, const StatsPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Number Statistics"));
    StandardHeader header;
    header.title = facts.Description + QStringLiteral(" Number Statistics");
    header.tabs = StatsTabs;
    header.headings = QStringList{QStringLiteral("Frequency"), QStringLiteral("Hit Index"),
                                  QStringLiteral("Hot"), QStringLiteral("Cold")};
    header.bodyTop = 1.7;
    header.bottomMargin = 0.5;
    header.date = facts.date;
    useStandardHeader(report, header);
    report.setOnPrint([stats, facts](Report& r) { printBody(r, stats, facts); });
}
