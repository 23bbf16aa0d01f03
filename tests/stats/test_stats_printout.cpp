// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/recording_canvas.h"
#include "report/report.h"
#include "stats/stats_printout.h"

#include <QTest>

namespace {

// Lists of `rows` numbers with a shorter hot list and a still shorter cold list.
NumberStats lists(int rows) {
    NumberStats stats;
    for (int n = 1; n <= rows; ++n) {
        stats.FrequencyList << QStringLiteral(" %1 (03) 05/25/2024").arg(n, 2, 10, QLatin1Char('0'));
        stats.HitIndexList << QStringLiteral(" %1 (1.2)").arg(n, 2, 10, QLatin1Char('0'));
        if (n <= 3)
            stats.HotList << QStringLiteral(" *%1 (2)").arg(n, 2, 10, QLatin1Char('0'));
        if (n <= 2)
            stats.ColdList << QStringLiteral(" #%1 (07)").arg(n, 2, 10, QLatin1Char('0'));
    }
    stats.AverageLabel = QStringLiteral("Average # Draws: 6.1");
    return stats;
}

RecordingCanvas print(int rows) {
    Report report;
    StatsPrintoutFacts facts;
    facts.Description = QStringLiteral("Canada 6/49");
    facts.DrawingCutoffCount = 50;
    facts.HotNumberCutoff = 10;
    facts.date = QDate(2024, 5, 26);
    setUpStatsPrintout(report, lists(rows), facts);
    RecordingCanvas canvas;
    report.run(canvas);
    return canvas;
}

// Body rows on a page: the frequency cells, at the left margin in Courier New.
QList<TextRun> bodyRows(const RecordingCanvas& canvas, int page) {
    QList<TextRun> rows;
    for (const TextRun& run : canvas.runsOnPage(page))
        if (run.font.name == QLatin1String("Courier New") && !run.font.bold && qAbs(run.x - 0.5) < 0.01)
            rows << run;
    return rows;
}

} // namespace

class TestStatsPrintout final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerAndRows() {
        const RecordingCanvas canvas = print(49);
        QCOMPARE(canvas.pageCount(), 2);
        for (int page = 1; page <= 2; ++page) {
            const TextRun* title = canvas.find(QStringLiteral("Canada 6/49 Number Statistics"), page);
            QVERIFY(title);
            QVERIFY(title->font.underline && title->font.bold);
            QCOMPARE(title->font.name, QStringLiteral("Times New Roman"));
            QVERIFY(canvas.find(QStringLiteral("Page %1").arg(page), page));
            const char* headings[] = {"Frequency", "Hit Index", "Hot", "Cold"};
            const double columns[] = {0.5, 3.0, 4.9, 6.5};
            for (int i = 0; i < 4; ++i) {
                const TextRun* heading = canvas.find(QLatin1String(headings[i]), page);
                QVERIFY2(heading, headings[i]);
                QCOMPARE(qRound(heading->x * 100), qRound(columns[i] * 100));
                QVERIFY(heading->font.bold && !heading->font.underline);
            }
        }
        const QList<TextRun> first = bodyRows(canvas, 1);
        QVERIFY(!first.isEmpty());
        QCOMPARE(qRound(first.first().top * 100), 170);
        QCOMPARE(first.first().text, QStringLiteral(" 01 (03) 05/25/2024"));
        QCOMPARE(first.size() + bodyRows(canvas, 2).size(), 49);

        // Row 0 holds item 0 of all four lists; the cold list stops after its two lines.
        const double top = first.first().top;
        QStringList row0, row2;
        for (const TextRun& run : canvas.runsOnPage(1)) {
            if (qAbs(run.top - top) < 0.001)
                row0 << run.text;
            if (qAbs(run.top - first.at(2).top) < 0.001)
                row2 << run.text;
        }
        QCOMPARE(row0, (QStringList{" 01 (03) 05/25/2024", " 01 (1.2)", " *01 (2)", " #01 (07)"}));
        QCOMPARE(row2.mid(0, 3), (QStringList{" 03 (03) 05/25/2024", " 03 (1.2)", " *03 (2)"}));
        QCOMPARE(row2.size(), 3);
    }

    // The footer: a blank line, then the average and marks, then the cutoffs; all bold.
    void footerAfterTheRows() {
        const RecordingCanvas canvas = print(5);
        QCOMPARE(canvas.pageCount(), 1);
        const QList<TextRun> rows = bodyRows(canvas, 1);
        const double line = rows.at(1).top - rows.at(0).top;
        const TextRun* average = canvas.find(QStringLiteral("Average # Draws: 6.1"));
        QVERIFY(average);
        QVERIFY(average->font.bold);
        QCOMPARE(qRound((average->top - rows.last().top) / line), 2);
        const TextRun* mark = canvas.find(QStringLiteral("* = Last Drawing"));
        QVERIFY(mark);
        QCOMPARE(qRound(mark->x * 100), 300);
        const TextRun* due = canvas.find(QStringLiteral("# = Due"));
        QVERIFY(due);
        QCOMPARE(qRound(due->x * 100), 650);
        QVERIFY(!canvas.find(QStringLiteral("* = Prior Drawing")));
        const TextRun* cutoff = canvas.find(QStringLiteral("Drawing Cutoff: 50"));
        const TextRun* hot = canvas.find(QStringLiteral("Hot # Cutoff: 10"));
        QVERIFY(cutoff && hot);
        QVERIFY(cutoff->font.bold);
        QCOMPARE(qRound((cutoff->top - average->top) / line), 1);
        QCOMPARE(qRound(hot->top * 100), qRound(cutoff->top * 100));
    }

    // With fewer than three lines left below the line after the rows (the page model's lines
    // left) the footer starts a page of its own and the mark reads "Prior Drawing"; three still
    // take it.
    void footerAtThePageEnd() {
        const int perPage = bodyRows(print(60), 1).size();
        QVERIFY(perPage > 10);

        const RecordingCanvas fits = print(perPage - 4);
        QCOMPARE(fits.pageCount(), 1);
        QVERIFY(fits.find(QStringLiteral("* = Last Drawing"), 1));

        const RecordingCanvas breaks = print(perPage - 3);
        QCOMPARE(breaks.pageCount(), 2);
        const TextRun* mark = breaks.find(QStringLiteral("* = Prior Drawing"), 2);
        QVERIFY(mark);
        QCOMPARE(qRound(mark->top * 100), 170);
        QVERIFY(breaks.find(QStringLiteral("Canada 6/49 Number Statistics"), 2));
        QVERIFY(breaks.find(QStringLiteral("Drawing Cutoff: 50"), 2));
    }
};

QTEST_MAIN(TestStatsPrintout)
#include "test_stats_printout.moc"
