// SPDX-License-Identifier: GPL-3.0-or-later
// Golden checks of the page model on the recording canvas: what text stands where, on which page,
// in which font. Positions are compared in hundredths of an inch.
#include "report/recording_canvas.h"
#include "report/report.h"
#include "report/report_output.h"
#include "report/sample_printout.h"
#include "report/standard_header.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int hundredths(double inches) {
    return qRound(inches * 100.0);
}

// Lines of Times New Roman 12 point (Liberation Serif) between a body top of 1.7 inch and a bottom
// margin of 0.5 inch on Letter paper.
constexpr int kLinesPerColumn = 45;

QString sampleLine(int number) {
    return QStringLiteral("%1)  Sample line").arg(number, 5, 10, QLatin1Char('0'));
}

double textWidth(const QString& text, const ReportFont& font) {
    ReportMetrics metrics;
    return metrics.textWidth(text, font);
}

// A header that prints only the page number, so the body's layout is easy to see.
void markPages(Report& report, double bodyTop) {
    report.setOnPrintHeader([bodyTop](Report& r) {
        r.setTopMargin(0.5);
        r.home();
        r.printLeft(QStringLiteral("Header %1").arg(r.currentPage()), r.leftMarginPosition());
        r.setTopMargin(bodyTop);
        r.restartAtTopMargin();
        r.home();
    });
}

} // namespace

class TestReport final : public QObject {
    Q_OBJECT

private slots:
    void fontsResolveToMetricCompatibleFamilies_data();
    void fontsResolveToMetricCompatibleFamilies();
    void linesFlowDownColumnsThenOntoNewPages_data();
    void linesFlowDownColumnsThenOntoNewPages();
    void headerRunsFirstOnEveryPageWithItsOwnNumber();
    void standardHeaderLayout();
    void negativeTabPositionFollowsPreviousStop();
    void justificationInCells_data();
    void justificationInCells();
    void printInTabShortensFromTheEnd_data();
    void printInTabShortensFromTheEnd();
    void tabCharactersPlaceTextInCells();
    void linesLeftCountsBelowTheCurrentLine();
    void newPageBeginsOnlyWithTheNextOutput();
    void bodyFontSurvivesLaterHeaders();
    void stoppingAtAPageEndsTheRun();
    void samplePrintoutGolden();
    void pdfFileHasEveryPage();
    void picturesArePlacedOnTheirPageAndReplayed();
};

void TestReport::fontsResolveToMetricCompatibleFamilies_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("family");
    QTest::newRow("serif") << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
    QTest::newRow("mono") << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
}

void TestReport::fontsResolveToMetricCompatibleFamilies() {
    QFETCH(QString, asked);
    QFETCH(QString, family);
    ReportFont font;
    font.name = asked;
    QCOMPARE(QFontInfo(reportQFont(font)).family(), family);
}

void TestReport::linesFlowDownColumnsThenOntoNewPages_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("pages");
    // Every column but the last gives up its bottom line: the flow moves on once only one is left.
    QTest::newRow("one column, exactly full") << kLinesPerColumn << 1 << 1;
    QTest::newRow("one column, one over") << kLinesPerColumn + 1 << 1 << 2;
    QTest::newRow("two columns, fills first") << kLinesPerColumn - 1 << 2 << 1;
    QTest::newRow("two columns, into second") << kLinesPerColumn << 2 << 1;
    QTest::newRow("three columns, full page") << 3 * kLinesPerColumn - 2 << 3 << 1;
    QTest::newRow("three columns, next page") << 3 * kLinesPerColumn - 1 << 3 << 2;
    QTest::newRow("count below one is one") << kLinesPerColumn + 1 << 0 << 2;
}

void TestReport::linesFlowDownColumnsThenOntoNewPages() {
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(int, pages);
    Report report;
    markPages(report, 1.7);
    report.setOnPrint([&](Report& r) {
        r.setColumns(columns, 0.25);
        for (int i = 1; i <= lines; ++i)
            r.printLine(sampleLine(i));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(canvas.pageCount(), pages);

    const int columnCount = std::max(1, columns);
    const double columnStep = (7.5 + 0.25) / columnCount;
    int page = 1;
    int column = 0;
    int row = 0;
    for (int i = 1; i <= lines; ++i) {
        const TextRun* run = canvas.find(sampleLine(i));
        QVERIFY2(run, qPrintable(sampleLine(i)));
        const int capacity = column == columnCount - 1 ? kLinesPerColumn : kLinesPerColumn - 1;
        if (row == capacity) {
            row = 0;
            if (++column == columnCount) {
                column = 0;
                ++page;
            }
        }
        QCOMPARE(run->page, page);
        QCOMPARE(hundredths(run->x), hundredths(0.5 + column * columnStep));
        QCOMPARE(hundredths(run->top), hundredths(1.7 + row * report.lineHeight()));
        QVERIFY(run->top + report.lineHeight() <= 10.5 + 1e-6);
        ++row;
    }
}

void TestReport::headerRunsFirstOnEveryPageWithItsOwnNumber() {
    Report report;
    StandardHeader header;
    header.title = QStringLiteral("Winnings (LEDGER)");
    header.date = QDate(2026, 3, 7);
    useStandardHeader(report, header);
    report.setOnPrint([](Report& r) {
        for (int i = 1; i <= 2 * kLinesPerColumn + 3; ++i)
            r.printLine(sampleLine(i));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(canvas.pageCount(), 3);
    for (int page = 1; page <= 3; ++page) {
        const QList<TextRun> runs = canvas.runsOnPage(page);
        QVERIFY(runs.size() > 5);
        // The header comes before any body line of its page.
        QCOMPARE(runs.first().text, QLocale().toString(header.date, QLocale::ShortFormat));
        QCOMPARE(runs.at(1).text, QStringLiteral("Vantoro"));
        const QString number = QStringLiteral("Page %1").arg(page);
        QCOMPARE(runs.at(2).text, number);
        QCOMPARE(hundredths(runs.at(2).x + textWidth(number, runs.at(2).font)), 800);
        QCOMPARE(runs.at(4).text, header.title);
        QCOMPARE(runs.at(5).text, sampleLine((page - 1) * kLinesPerColumn + 1));
        QCOMPARE(hundredths(runs.at(5).top), 170);
    }
}

void TestReport::standardHeaderLayout() {
    Report report;
    StandardHeader header;
    header.title = QStringLiteral("Lotto Skip and Hit Chart");
    header.cutoffLine = QStringLiteral("Drawing Cutoff: 50");
    header.blankLinesAfterTitle = 2;
    header.linesBeforeHeadings = {QStringLiteral("Number of Skips")};
    header.tabs = {TabStop{0.5, Justification::Left, 1.0, 0.0}, TabStop{-1, Justification::Center, 0.5, 0.0}};
    header.headings = {QStringLiteral("Date"), QStringLiteral("Hot")};
    header.underlineHeadings = true;
    header.bodyTop = 1.75;
    header.date = QDate(2026, 1, 2);
    useStandardHeader(report, header);
    report.setOnPrint([](Report& r) {
        r.printTab(QStringLiteral("01/02/2026"));
        r.printTab(QStringLiteral("7"));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));

    struct Expected {
        QString text;
        int x; // hundredths of an inch; -1: centred on the page
        int line;
        bool bold;
        bool underline;
    };
    const QList<Expected> expected = {
        {QLocale().toString(header.date, QLocale::ShortFormat), 50, 0, true, false},
        {QStringLiteral("Vantoro"), -1, 0, true, false},
        {QStringLiteral("Vantoro lottery analysis"), -1, 1, true, false},
        {QStringLiteral("Drawing Cutoff: 50"), -1, 2, true, false},
        {header.title, -1, 3, true, true},
        {QStringLiteral("Number of Skips"), -1, 6, true, false},
        {QStringLiteral("Date"), 100, 7, true, true},
    };
    const double line = report.lineHeight();
    for (const Expected& e : expected) {
        const TextRun* run = canvas.find(e.text, 1);
        QVERIFY2(run, qPrintable(e.text));
        QCOMPARE(run->font.name, QStringLiteral("Times New Roman"));
        QCOMPARE(run->font.size, 12.0);
        QCOMPARE(run->font.bold, e.bold);
        QCOMPARE(run->font.underline, e.underline);
        QCOMPARE(hundredths(run->top), hundredths(0.5 + e.line * line));
        if (e.x < 0)
            QCOMPARE(hundredths(run->x + textWidth(run->text, run->font) / 2), 425);
        else
            QCOMPARE(hundredths(run->x), e.x);
    }
    const TextRun* hot = canvas.find(QStringLiteral("Hot"));
    QVERIFY(hot);
    QCOMPARE(hundredths(hot->x + textWidth(hot->text, hot->font) / 2), 225); // cell 2.0 .. 2.5
    const TextRun* body = canvas.find(QStringLiteral("01/02/2026"));
    QVERIFY(body);
    QCOMPARE(hundredths(body->top), 175);
    QCOMPARE(hundredths(body->x), 100);
    QVERIFY(!body->font.bold);
    QVERIFY(!body->font.underline);
    QVERIFY(canvas.find(QStringLiteral("7")));
}

void TestReport::negativeTabPositionFollowsPreviousStop() {
    Report report;
    QList<double> lefts;
    report.setOnPrint([&](Report& r) {
        r.setTab(-1.0, Justification::Left, 0.75); // the first stop has nothing before it
        r.setTab(1.0, Justification::Left, 1.25);
        r.setTab(-0.5, Justification::Left, 0.5);
        r.setTab(-2.0, Justification::Left, 1.0);
        for (const TabStop& stop : r.tabs())
            lefts << stop.position;
        for (int i = 0; i < 4; ++i)
            r.printTab(QStringLiteral("c%1").arg(i));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(lefts, (QList<double>{0.0, 1.0, 2.25, 2.75}));
    QCOMPARE(hundredths(canvas.find(QStringLiteral("c2"))->x), 275);
    QCOMPARE(hundredths(canvas.find(QStringLiteral("c3"))->x), 325);
}

void TestReport::justificationInCells_data() {
    QTest::addColumn<int>("justification");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<double>("lastEnd");
    // The cell runs from 1.5 to 3.5 inch on the paper, inner margin 0.1.
    QTest::newRow("left") << 1 << QStringLiteral("12") << 1.6 << -1.0;
    QTest::newRow("right") << 2 << QStringLiteral("12") << -1.0 << 3.4;
    QTest::newRow("centre") << 0 << QStringLiteral("12") << -1.0 << -1.0;
    QTest::newRow("block spreads words") << 3 << QStringLiteral("one two three") << 1.6 << 3.4;
    QTest::newRow("block single word") << 3 << QStringLiteral("alone") << 1.6 << -1.0;
}

void TestReport::justificationInCells() {
    QFETCH(int, justification);
    QFETCH(QString, text);
    QFETCH(double, firstX);
    QFETCH(double, lastEnd);
    Report report;
    report.setOnPrint([&](Report& r) {
        r.setTab(1.0, static_cast<Justification>(justification), 2.0, 0.1);
        r.printTab(text);
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    const QList<TextRun> runs = canvas.runs();
    QVERIFY(!runs.isEmpty());
    const TextRun& first = runs.first();
    const TextRun& last = runs.last();
    if (firstX >= 0)
        QCOMPARE(hundredths(first.x), hundredths(firstX));
    if (lastEnd >= 0)
        QCOMPARE(hundredths(last.x + textWidth(last.text, last.font)), hundredths(lastEnd));
    if (firstX < 0 && lastEnd < 0)
        QCOMPARE(hundredths(first.x + textWidth(first.text, first.font) / 2), 250);
    if (justification == 3 && text.contains(QLatin1Char(' ')))
        QCOMPARE(runs.size(), 3);
    else
        QCOMPARE(runs.size(), 1);
}

void TestReport::printInTabShortensFromTheEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("margin");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("fits") << QStringLiteral("Won") << 1.0 << 0.05 << false;
    QTest::newRow("too wide") << QStringLiteral("A comment far too long for its cell") << 1.0 << 0.0 << true;
    QTest::newRow("fits only without margins") << QStringLiteral("MMMMM") << 0.85 << 0.1 << true;
    QTest::newRow("nothing fits") << QStringLiteral("W") << 0.1 << 0.05 << true;
}

void TestReport::printInTabShortensFromTheEnd() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(double, margin);
    QFETCH(bool, shortened);
    Report report;
    report.setOnPrint([&](Report& r) {
        r.setTab(0.0, Justification::Left, width, margin);
        r.printTab(text);
        r.newLine();
        r.print(QStringLiteral("\t") + text); // plain print into the same cell keeps it whole
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    const QList<TextRun> runs = canvas.runs();
    const ReportFont font;
    QCOMPARE(runs.last().text, text);
    if (!shortened) {
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs.first().text, text);
        return;
    }
    const double inner = width - 2 * margin;
    if (runs.size() == 1) { // not even one character fits
        QVERIFY(textWidth(text.left(1), font) > inner);
        return;
    }
    const QString shown = runs.first().text;
    QVERIFY(shown.size() < text.size());
    QVERIFY(text.startsWith(shown));
    QVERIFY(textWidth(shown, font) <= inner + 1e-6);
    QVERIFY(textWidth(text.left(shown.size() + 1), font) > inner);
}

void TestReport::tabCharactersPlaceTextInCells() {
    Report report;
    report.setOnPrint([](Report& r) {
        r.setTab(1.0, Justification::Left, 1.0);
        r.setTab(-1, Justification::Right, 1.0);
        r.print(QStringLiteral("A\tB\tC"));
        r.print(QStringLiteral("D"));
        r.newLine();
        r.tab();
        r.print(QStringLiteral("E"));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    const ReportFont font;
    QCOMPARE(hundredths(canvas.find(QStringLiteral("A"))->x), 50);
    QCOMPARE(hundredths(canvas.find(QStringLiteral("B"))->x), 150);
    const TextRun* c = canvas.find(QStringLiteral("C"));
    QCOMPARE(hundredths(c->x + textWidth(QStringLiteral("C"), font)), 350);
    QCOMPARE(hundredths(canvas.find(QStringLiteral("D"))->x), 350); // after the cell
    const TextRun* e = canvas.find(QStringLiteral("E"));
    QCOMPARE(hundredths(e->x), 150);
    QVERIFY(e->top > c->top);
}

void TestReport::linesLeftCountsBelowTheCurrentLine() {
    Report report;
    markPages(report, 1.7);
    QList<int> left;
    QList<int> leftInAll;
    report.setOnPrint([&](Report& r) {
        r.setColumns(3, 0.25);
        left << r.linesLeft();
        leftInAll << r.linesLeftInAllColumns();
        for (int i = 0; i < kLinesPerColumn - 2; ++i)
            r.newLine();
        left << r.linesLeft(); // on line 44 of column 1: the flow moves on at the next new line
        r.newLine();
        left << r.linesLeft();
        leftInAll << r.linesLeftInAllColumns();
        r.newPage();
        left << r.linesLeft(); // between pages: the page to come
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(left, (QList<int>{kLinesPerColumn - 1, 1, kLinesPerColumn - 1, kLinesPerColumn - 1}));
    QCOMPARE(leftInAll,
             (QList<int>{kLinesPerColumn - 1 + 2 * kLinesPerColumn, kLinesPerColumn - 1 + kLinesPerColumn}));
}

void TestReport::newPageBeginsOnlyWithTheNextOutput() {
    Report report;
    markPages(report, 1.7);
    report.setOnPrint([](Report& r) {
        r.printLine(QStringLiteral("first"));
        r.newPage();
        r.newPage();
        r.printLine(QStringLiteral("second"));
        r.newPage();
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(canvas.pageCount(), 2);
    QCOMPARE(canvas.find(QStringLiteral("second"))->page, 2);
    QCOMPARE(hundredths(canvas.find(QStringLiteral("second"))->top), 170);
    QVERIFY(canvas.find(QStringLiteral("Header 2"), 2));
    QVERIFY(!canvas.find(QStringLiteral("Header 3")));

    Report empty;
    markPages(empty, 1.7);
    RecordingCanvas emptyCanvas;
    QVERIFY(empty.run(emptyCanvas));
    QCOMPARE(emptyCanvas.pageCount(), 1); // a printout with no lines still has its header page
}

void TestReport::bodyFontSurvivesLaterHeaders() {
    Report report;
    StandardHeader header;
    header.title = QStringLiteral("Number Statistics");
    useStandardHeader(report, header);
    report.setOnPrint([](Report& r) {
        r.setFont(QStringLiteral("Courier New"), 12);
        for (int i = 1; i <= 100; ++i)
            r.printLine(sampleLine(i));
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QVERIFY(canvas.pageCount() >= 2);
    for (int page = 1; page <= canvas.pageCount(); ++page) {
        const TextRun* title = canvas.find(header.title, page);
        QVERIFY(title);
        QCOMPARE(title->font.name, QStringLiteral("Times New Roman"));
        QVERIFY(title->font.bold);
    }
    const TextRun* later = canvas.find(sampleLine(100));
    QVERIFY(later && later->page >= 2);
    QCOMPARE(later->font.name, QStringLiteral("Courier New"));
    QVERIFY(!later->font.bold);
    QVERIFY(!later->font.underline);
}

void TestReport::stoppingAtAPageEndsTheRun() {
    Report report;
    setUpSamplePrintout(report, 400, 1);
    QList<int> asked;
    RecordingCanvas canvas;
    QVERIFY(!report.run(canvas, [&](int page) {
        asked << page;
        return page < 3;
    }));
    QCOMPARE(asked, (QList<int>{1, 2, 3}));
    QCOMPARE(canvas.pageCount(), 2);
    QVERIFY(!canvas.find(QStringLiteral("Page 3")));

    // The same report runs again from a clean state.
    RecordingCanvas again;
    QVERIFY(report.run(again));
    QCOMPARE(again.pageCount(), 9);
    QCOMPARE(hundredths(again.find(sampleLine(1))->top), 170);
}

void TestReport::samplePrintoutGolden() {
    Report report;
    setUpSamplePrintout(report, 400, 3);
    QCOMPARE(report.settings.TitleSetup, QStringLiteral("Sample Printout Setup"));
    QCOMPARE(report.settings.TitleStatus, QStringLiteral("Sample Printout Status"));
    QCOMPARE(report.settings.TitlePreview, QStringLiteral("Sample Printout Preview"));
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    QCOMPARE(canvas.pageCount(), 4); // 133 lines to the page

    struct Golden {
        int number;
        int page;
        int x;
        int top;
    };
    const QList<Golden> golden = {
        {1, 1, 50, 170},     {44, 1, 50, 994},  {45, 1, 308, 170}, {89, 1, 567, 170},
        {133, 1, 567, 1013}, {134, 2, 50, 170}, {400, 4, 50, 170},
    };
    for (const Golden& g : golden) {
        const TextRun* run = canvas.find(sampleLine(g.number));
        QVERIFY2(run, qPrintable(sampleLine(g.number)));
        QCOMPARE(run->page, g.page);
        QCOMPARE(hundredths(run->x), g.x);
        QCOMPARE(hundredths(run->top), g.top);
        QCOMPARE(run->font.name, QStringLiteral("Times New Roman"));
        QVERIFY(!run->font.bold);
    }
    QCOMPARE(canvas.find(QStringLiteral("Sample Printout"), 4)->font.underline, true);
    QCOMPARE(sampleLine(1), QStringLiteral("00001)  Sample line"));
}

void TestReport::pdfFileHasEveryPage() {
    QTemporaryDir dir;
    Report report;
    setUpSamplePrintout(report, 400, 3);
    const QString path = dir.filePath(QStringLiteral("demo"));
    QCOMPARE(writeReportPdf(report, path), ReportOutcome::Done);
    QFile pdf(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    const QRegularExpression count(QStringLiteral("/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"));
    const QRegularExpressionMatch match = count.match(QString::fromLatin1(bytes));
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(1).toInt(), 4);
    QByteArray title; // the document title is stored as UTF-16
    for (const char c : QByteArrayLiteral("ReportPrinter Report"))
        title.append('\0').append(c);
    QVERIFY(bytes.contains(title));

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    QCOMPARE(writeReportPdf(report, cancelled, [](int page) { return page < 2; }), ReportOutcome::Cancelled);
    QVERIFY(!QFile::exists(cancelled));
}

void TestReport::picturesArePlacedOnTheirPageAndReplayed() {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    Report report;
    report.setOnPrintHeader([](Report& r) { r.printLine(QStringLiteral("Page %1").arg(r.currentPage())); });
    report.setOnPrint([&](Report& r) {
        r.printLine(QStringLiteral("first"));
        r.newPage();
        r.printImage(picture, 1.0, 2.0, 4.0, 2.0);
    });
    RecordingCanvas canvas;
    QVERIFY(report.run(canvas));
    // The picture alone begins the second page, with its header.
    QCOMPARE(canvas.pageCount(), 2);
    QVERIFY(canvas.find(QStringLiteral("Page 2"), 2));
    QCOMPARE(canvas.images().size(), 1);
    QCOMPARE(canvas.images().first().page, 2);
    QCOMPARE(canvas.images().first().rect, QRectF(1.0, 2.0, 4.0, 2.0));
    QCOMPARE(canvas.images().first().image, picture);

    RecordingCanvas copy;
    QVERIFY(canvas.replay(copy, 2, 2));
    QCOMPARE(copy.images().size(), 1);
    QCOMPARE(copy.images().first().rect, QRectF(1.0, 2.0, 4.0, 2.0));
    RecordingCanvas firstOnly;
    QVERIFY(canvas.replay(firstOnly, 1, 1));
    QVERIFY(firstOnly.images().isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.pdf"));
    QCOMPARE(writeReportPdf(report, path), ReportOutcome::Done);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().contains("/Subtype /Image"));
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
