// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/recording_canvas.h"
#include "report/report.h"
#include "stats/chart_printouts.h"
#include "stats/drawing_summary.h"
#include "stats/hit_sequence.h"
#include "stats/repeating_sets.h"
#include "stats/skip_hit.h"

#include <QTest>

namespace {

ChartPrintoutFacts facts() {
    ChartPrintoutFacts f;
    f.Description = QStringLiteral("Canada 6/49");
    f.DrawingCutoffCount = 50;
    f.date = QDate(2024, 5, 26);
    return f;
}

RecordingCanvas run(Report& report, QSizeF paper = QSizeF(8.5, 11.0)) {
    RecordingCanvas canvas(paper);
    report.run(canvas);
    return canvas;
}

int hundredths(double inches) {
    return qRound(inches * 100);
}

// A grid of `rows` numbers whose cells read their column index, three digits in the last one.
QList<QStringList> grid(const QStringList& headings, int rows) {
    QList<QStringList> cells{QStringList{QString()} + headings};
    for (int n = 1; n <= rows; ++n) {
        QStringList row{QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))};
        for (int c = 1; c <= 25; ++c)
            row << (c == 25 ? QStringLiteral("100") : QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0')));
        cells << row;
    }
    return cells;
}

} // namespace

class TestChartPrintouts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void skipHit() {
        QStringList headings;
        for (int k = 0; k < 24; ++k)
            headings << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        headings << QStringLiteral("24+");
        SkipHitChart chart;
        chart.rows = grid(headings, 49);
        Report report;
        setUpSkipHitPrintout(report, chart, facts());
        QCOMPARE(report.settings.TitlePreview, QStringLiteral("Skip and Hit Chart Preview"));
        const RecordingCanvas canvas = run(report);
        QCOMPARE(canvas.pageCount(), 1);
        const TextRun* title = canvas.find(QStringLiteral("Canada 6/49 Skip and Hit Chart"));
        QVERIFY(title && title->font.underline && title->font.bold);
        QVERIFY(canvas.find(QStringLiteral("Drawing Cutoff: 50")));
        const TextRun* caption = canvas.find(QStringLiteral("Number of Skips"));
        QVERIFY(caption && caption->font.bold && !caption->font.underline);
        const TextRun* last = canvas.find(QStringLiteral("24+"));
        QVERIFY(last && last->font.underline && last->top > caption->top);
        QCOMPARE(hundredths(last->x), hundredths(0.5 + 0.75 + 24 * 0.25));

        // A row: its label bold at the margin, its counts normal in the heading's columns, all
        // below the headings; a three-digit count is printed whole.
        const TextRun* label = canvas.find(QStringLiteral("49)"));
        QVERIFY(label && label->font.bold);
        QCOMPARE(hundredths(label->x), 50);
        const TextRun* first = canvas.find(QStringLiteral("01)"));
        QVERIFY(first && first->top > last->top);
        int cells = 0;
        for (const TextRun& cell : canvas.runs())
            if (qAbs(cell.top - label->top) < 0.001 && cell.x > label->x) {
                QVERIFY(!cell.font.bold);
                ++cells;
                if (cell.text == QLatin1String("100"))
                    QCOMPARE(hundredths(cell.x), hundredths(last->x));
            }
        QCOMPARE(cells, 25);
        QVERIFY(canvas.find(QStringLiteral("100")));
    }

    void hitSequence() {
        QStringList headings;
        for (int k = 25; k >= 1; --k)
            headings << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        HitSequenceChart chart;
        chart.rows = grid(headings, 80);
        chart.rows[80] = QStringList{QStringLiteral("80")} + QStringList(24, QString()) + QStringList{"##"};
        Report report;
        setUpHitSequencePrintout(report, chart, facts());
        QCOMPARE(report.settings.TitleStatus, QStringLiteral("Hit Sequence Chart Status"));
        const RecordingCanvas canvas = run(report);
        QCOMPARE(canvas.pageCount(), 2);
        for (int page = 1; page <= 2; ++page) {
            QVERIFY(canvas.find(QStringLiteral("Canada 6/49 Hit Sequence Chart"), page));
            QVERIFY(canvas.find(QStringLiteral("Hit Performance (## = Regular Hit, BB = Bonus Hit)"), page));
            const TextRun* first = canvas.find(QStringLiteral("25"), page);
            QVERIFY(first && first->font.underline);
            QCOMPARE(hundredths(first->x), 150); // an inch from the margin
        }
        // The last row: its label and its one filled cell in the last column.
        const TextRun* label = canvas.find(QStringLiteral("80)"), 2);
        QVERIFY(label);
        int cells = 0;
        for (const TextRun& cell : canvas.runsOnPage(2))
            if (qAbs(cell.top - label->top) < 0.001 && cell.x > label->x) {
                ++cells;
                QCOMPARE(cell.text, QStringLiteral("##"));
                QCOMPARE(hundredths(cell.x), hundredths(0.5 + 1.0 + 24 * 0.25));
            }
        QCOMPARE(cells, 1);
    }

    // The chosen entry's list, leading blanks kept, flowing down seven columns.
    void repeatingPairs() {
        RepeatingSets sets;
        sets.counts = {7, 4};
        sets.PairLists = {QStringList{QStringLiteral("          01 - 02")}, {}};
        for (int i = 0; i < 200; ++i)
            sets.PairLists[1] << QStringLiteral("          %1 - 50").arg(i % 49 + 1, 2, 10, QLatin1Char('0'));
        Report report;
        setUpRepeatingSetsPrintout(report, sets, 1, facts());
        QCOMPARE(report.settings.TitleSetup, QStringLiteral("Repeating Pairs Setup"));
        const RecordingCanvas canvas = run(report);
        QCOMPARE(canvas.pageCount(), 1);
        QVERIFY(canvas.find(QStringLiteral("Canada 6/49 Repeating Pairs (04 Occurrences)")));
        const TextRun* cutoff = canvas.find(QStringLiteral("Drawing Cutoff: 50"));
        QVERIFY(cutoff);
        QCOMPARE(hundredths(cutoff->x), 50);
        QList<int> columns;
        int lines = 0;
        for (const TextRun& run : canvas.runs())
            if (run.text.endsWith(QLatin1String(" - 50"))) {
                QVERIFY(run.text.startsWith(QLatin1String("          ")));
                QVERIFY(run.top >= 1.5);
                if (!columns.contains(hundredths(run.x)))
                    columns << hundredths(run.x);
                ++lines;
            }
        QCOMPARE(lines, 200);
        QVERIFY(columns.size() >= 4 && columns.size() <= 7);
        QCOMPARE(columns.first(), 50);
        // Column width (7.5 - 6 x 0.25) / 7 and the quarter-inch gap.
        QCOMPARE(columns.at(1) - columns.at(0), qRound((7.5 - 1.5) / 7 * 100 + 25));
    }

    // Portrait to 60, landscape above; the visible bands only; the footer in bold under the rows.
    void drawingSummary_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("lastBand");
        QTest::newRow("1 to 49") << 49 << false << "41-50";
        QTest::newRow("1 to 80") << 80 << true << "71-80";
    }
    void drawingSummary() {
        QFETCH(int, top);
        QFETCH(bool, landscape);
        QFETCH(QString, lastBand);
        DrawingSummary summary;
        summary.top = top;
        for (int i = 0; i < 30; ++i) {
            DrawingSummaryRow row;
            row.DRAWDATE = QDate(2024, 1, 1).addDays(i).toString(QStringLiteral("MM/dd/yyyy"));
            row.bands[0] = 3;
            row.SUM = 1234;
            summary.rows.push_back(row);
        }
        summary.averages = QStringList(10, QStringLiteral("  3.0"));
        summary.percents = QStringList(10, QStringLiteral(" 50.0"));
        Report report;
        setUpDrawingSummaryPrintout(report, summary, facts());
        QCOMPARE(report.settings.landscape, landscape);
        QCOMPARE(report.settings.TitlePreview, QStringLiteral("Drawing Summary Chart Preview"));
        const RecordingCanvas canvas = run(report, landscape ? QSizeF(11.0, 8.5) : QSizeF(8.5, 11.0));
        QVERIFY(canvas.find(QStringLiteral("Canada 6/49 Drawing Summary Chart")));
        const TextRun* band = canvas.find(lastBand);
        QVERIFY(band && band->font.bold);
        const int bands = lastBand.section(QLatin1Char('-'), 1).toInt() / 10;
        QVERIFY(!canvas.find(QStringLiteral("%1-%2").arg(bands * 10 + 1).arg(bands * 10 + 10)));
        const TextRun* sum = canvas.find(QStringLiteral("Sum"));
        QVERIFY(sum && sum->x + 0.3 < canvas.paperSize().width() - 0.5);
        const TextRun* date = canvas.find(QStringLiteral("01/30/2024"));
        QVERIFY(date && date->top > band->top && !date->font.bold);
        const TextRun* average = canvas.find(QStringLiteral("Average:"));
        // After an empty line, or on a page of its own when the rows leave too little room.
        QVERIFY(average && average->font.bold);
        QVERIFY(average->page > date->page || average->top > date->top + 0.3);
        QVERIFY(canvas.find(QStringLiteral("Percent:")));
    }
};

QTEST_MAIN(TestChartPrintouts)
#include "test_chart_printouts.moc"
