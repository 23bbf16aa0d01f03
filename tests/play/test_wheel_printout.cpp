// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_printout.h"
#include "report/recording_canvas.h"
#include "report/report.h"

#include <QSet>
#include <QTest>

namespace {

WheelFile wheelOf(int numbers, int perTicket) {
    return WheelFile::full(numbers, perTicket);
}

RecordingCanvas print(const WheelFile& wheel, int numbersDrawn) {
    Report report;
    setUpWheelPrintout(report, wheel, numbersDrawn, QDate(2024, 5, 26));
    RecordingCanvas canvas;
    report.run(canvas);
    return canvas;
}

// The x positions where row labels start on a page: one per column.
QList<double> labelColumns(const RecordingCanvas& canvas, int page) {
    QList<double> xs;
    for (const TextRun& run : canvas.runsOnPage(page)) {
        if (run.font.bold && run.text.endsWith(QLatin1String(".  ")) &&
            std::none_of(xs.begin(), xs.end(), [&run](double x) { return qAbs(x - run.x) < 0.01; }))
            xs << run.x;
    }
    return xs;
}

} // namespace

class TestWheelPrintout final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerLines() {
        WheelFile wheel = wheelOf(4, 3);
        const RecordingCanvas full = print(wheel, 6);
        const TextRun* title = full.find(QStringLiteral("Full Wheeling System - 4 numbers, 4 tickets"), 1);
        QVERIFY(title);
        QVERIFY(title->font.bold && title->font.underline);
        const TextRun* guarantee = full.find(
            QStringLiteral(
                "Prize Guarantee: If 3 of the 4 numbers are correct, at least 1 ticket will match 3 numbers"),
            1);
        QVERIFY(guarantee);
        QVERIFY(guarantee->top < title->top);
        // The title stays clear of the body, which starts 1.5 inches down.
        QVERIFY(title->top + 0.19 <= 1.5);
        QVERIFY(full.find(QStringLiteral("Vantoro"), 1));

        wheel.Match = QStringLiteral("2");
        QVERIFY(
            print(wheel, 6).find(QStringLiteral("Abbreviated Wheeling System - 4 numbers, 4 tickets"), 1));
    }

    void rowsBoldLabelThenRegularCells() {
        const RecordingCanvas canvas = print(wheelOf(4, 3), 6);
        const TextRun* label = canvas.find(QStringLiteral("0001.  "), 1);
        QVERIFY(label);
        QVERIFY(label->font.bold);
        QVERIFY(label->top >= 1.5 - 0.001);
        const TextRun* cells = canvas.find(QStringLiteral("01 02 03 "), 1);
        QVERIFY(cells);
        QVERIFY(!cells->font.bold);
        QCOMPARE(cells->top, label->top);
        QVERIFY(cells->x > label->x);
    }

    void columnsByNumbersDrawn_data() {
        QTest::addColumn<int>("numbersDrawn");
        QTest::addColumn<int>("columns");
        QTest::newRow("pick 3") << 3 << 4;
        QTest::newRow("pick 4") << 4 << 4;
        QTest::newRow("lotto 6") << 6 << 3;
        QTest::newRow("8 drawn") << 8 << 3;
        QTest::newRow("keno 20") << 20 << 2;
    }
    void columnsByNumbersDrawn() {
        QFETCH(int, numbersDrawn);
        QFETCH(int, columns);
        // 792 rows fill every column of the first page and go on to more pages, each with its header.
        const RecordingCanvas canvas = print(wheelOf(12, 7), numbersDrawn);
        QCOMPARE(labelColumns(canvas, 1).size(), columns);
        QVERIFY(canvas.pageCount() > 1);
        QVERIFY(canvas.find(QStringLiteral("Page 2"), 2));
        QVERIFY(canvas.find(QStringLiteral("Full Wheeling System - 12 numbers, 792 tickets"), 2));
    }
};

QTEST_MAIN(TestWheelPrintout)
#include "test_wheel_printout.moc"
