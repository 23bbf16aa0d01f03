// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_printouts.h"

#include "report/report.h"
#include "report/standard_header.h"
#include "stats/drawing_summary.h"
#include "stats/hit_sequence.h"
#include "stats/repeating_sets.h"
#include "stats/skip_hit.h"

namespace {

// 25 left-aligned columns a quarter inch wide (the last half an inch) from `first` inches right of
// the margin, room for the row label before them.
QList<TabStop> gridTabs(double first) {
    QList<TabStop> tabs;
    for (int i = 0; i < 25; ++i)
        tabs << TabStop{first + 0.25 * i, Justification::Left, i == 24 ? 0.5 : 0.25, 0.0};
    return tabs;
}

StandardHeader chartHeader(const ChartPrintoutFacts& facts, const QString& chartName) {
    StandardHeader header;
    header.title = facts.Description + QLatin1Char(' ') + chartName;
    header.cutoffLine = QStringLiteral("Drawing Cutoff: ") + QString::number(facts.DrawingCutoffCount);
    header.blankLinesAfterTitle = 2;
    header.bottomMargin = 0.5;
    // Two blank lines, a caption and the headings need more than the stated body top.
    header.bodyBelowHeader = true;
    header.date = facts.date;
    return header;
}

// The rows of a number grid (header row left out): the label and ")" in bold at the margin, the
// cells in the tab columns. A smaller body font keeps three-digit counts within a quarter inch.
void printGridRows(Report& r, const QList<QStringList>& rows) {
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList& row = rows.at(i);
        r.setFont(QStringLiteral("Times New Roman"), 10);
        r.setBold(true);
        r.printLeft(row.value(0) + QLatin1Char(')'), r.leftMarginPosition());
        r.setBold(false);
        for (qsizetype c = 1; c < row.size(); ++c)
            r.printTab(row.at(c));
        r.newLine();
    }
}

} // namespace

namespace {

// The skip-and-hit and hit-sequence printouts: a caption over the grid's column headings, then
// its rows.
void setUpGridPrintout(Report& report, const QString& chartName, const QString& caption, double firstTab,
                       const QList<QStringList>& rows, const ChartPrintoutFacts& facts) {
    report.setPrintoutName(chartName);
    StandardHeader header = chartHeader(facts, chartName);
    header.linesBeforeHeadings = QStringList{caption};
    header.tabs = gridTabs(firstTab);
    header.headings = rows.value(0).mid(1);
    header.underlineHeadings = true;
    header.bodyTop = 1.75;
    useStandardHeader(report, header);
    report.setOnPrint([rows](Report& r) { printGridRows(r, rows); });
}

} // namespace

void setUpSkipHitPrintout(Report& report, const SkipHitChart& chart, const ChartPrintoutFacts& facts) {
    setUpGridPrintout(report, QStringLiteral("Skip and Hit Chart"), QStringLiteral("Number of Skips"), 0.75,
                      chart.rows, facts);
}

void setUpHitSequencePrintout(Report& report, const HitSequenceChart& chart,
                              const ChartPrintoutFacts& facts) {
    setUpGridPrintout(report, QStringLiteral("Hit Sequence Chart"),
                      QStringLiteral("Hit Performance (## = Regular Hit, BB = Bonus Hit)"), 1.0, chart.rows,
                      facts);
}

void setUpRepeatingSetsPrintout(Report& report, const RepeatingSets& sets, int entry,
                                const ChartPrintoutFacts& facts) {
    const QString name =
        sets.triples ? QStringLiteral("Repeating Triples") : QStringLiteral("Repeating Pairs");
    report.setPrintoutName(name);
    StandardHeader header;
    const int count = sets.counts.value(entry);
    header.title = facts.Description + QLatin1Char(' ') + name + QStringLiteral(" (") +
                   QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0')) + QStringLiteral(" Occurrences)");
    header.cutoffLine = QStringLiteral("Drawing Cutoff: ") + QString::number(facts.DrawingCutoffCount);
    header.cutoffLineLeft = true;
    header.bodyTop = 1.5;
    header.bodyBelowHeader = true;
    header.bottomMargin = 0.5;
    header.date = facts.date;
    useStandardHeader(report, header);
    const QStringList lines = sets.PairLists.value(entry);
    // Seven columns leave under nine tenths of an inch each: the font is sized so that a line
    // with its leading blanks fits.
    const double points = sets.triples ? 8 : 10;
    report.setOnPrint([lines, points](Report& r) {
        r.setColumns(7, 0.25);
        r.setFont(QStringLiteral("Times New Roman"), points);
        for (const QString& line : lines)
            r.printLine(line);
    });
}

namespace {

void printSummary(Report& r, const DrawingSummary& summary) {
    r.setFont(QStringLiteral("Times New Roman"), 12);
    for (const DrawingSummaryRow& row : summary.rows) {
        for (const QString& cell : summary.cells(row))
            r.printTab(cell);
        r.newLine();
    }
    if (r.linesLeft() < 3)
        r.newPage();
    r.newLine();
    r.setBold(true);
    for (const auto& [word, cells] : {std::pair{QStringLiteral("Average:"), summary.averages},
                                      std::pair{QStringLiteral("Percent:"), summary.percents}}) {
        r.printTab(word);
        for (const QString& cell : cells)
            r.printTab(cell.trimmed());
        r.newLine();
    }
    r.setBold(false);
}

} // namespace

void setUpDrawingSummaryPrintout(Report& report, const DrawingSummary& summary,
                                 const ChartPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Drawing Summary Chart"));
    report.settings.landscape = summary.landscape();
    StandardHeader header = chartHeader(facts, QStringLiteral("Drawing Summary Chart"));
    header.tabs << TabStop{0.5, Justification::Center, 1.0, 0.0};
    header.headings << QStringLiteral("Date");
    for (int b = 0; b < DrawingSummaryRow::Bands; ++b)
        if (summary.bandShown(b))
            header.headings << (b == 0
                                    ? QStringLiteral("0-10")
                                    : QStringLiteral("%1-%2").arg(b * 10 + 1).arg(b == 9 ? 99 : b * 10 + 10));
    header.headings << QStringLiteral("Hot") << QStringLiteral("Prior") << QStringLiteral("Cold")
                    << QStringLiteral("Due") << QStringLiteral("Odd") << QStringLiteral("Even")
                    << QStringLiteral("Sum");
    while (header.tabs.size() < header.headings.size())
        header.tabs << TabStop{-1.0, Justification::Center, 0.5, 0.0};
    header.bodyTop = 1.5;
    useStandardHeader(report, header);
    report.setOnPrint([summary](Report& r) { printSummary(r, summary); });
}
