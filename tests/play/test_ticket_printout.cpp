// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_printout.h"
#include "report/recording_canvas.h"
#include "report/report.h"

#include <QTest>

namespace {

TicketPrintoutFacts facts(const TicketKind& kind, int tickets) {
    TicketPrintoutFacts f;
    f.kind = kind;
    f.fileName = QStringLiteral("PB.tic");
    f.fromSum = QStringLiteral("120");
    f.toSum = QStringLiteral("150");
    f.fromOdd = QStringLiteral("0");
    f.toOdd = QStringLiteral("5");
    f.date = QDate(2024, 5, 26);
    for (int i = 1; i <= tickets; ++i) {
        Ticket ticket{i, {}, {}};
        for (int c = 1; c <= kind.numbersPerTicket; ++c)
            ticket.fields << QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
        if (kind.hasBonus())
            ticket.bonus = QStringLiteral("07");
        f.tickets << ticket;
    }
    return f;
}

RecordingCanvas print(const TicketPrintoutFacts& f) {
    Report report;
    setUpTicketPrintout(report, f);
    RecordingCanvas canvas;
    report.run(canvas);
    return canvas;
}

QList<TextRun> labels(const RecordingCanvas& canvas, int page) {
    QList<TextRun> runs;
    for (const TextRun& run : canvas.runsOnPage(page))
        if (run.font.bold && run.text.size() == 8 && run.text.at(5) == QLatin1Char('.'))
            runs << run;
    return runs;
}

} // namespace

class TestTicketPrintout final : public QObject {
    Q_OBJECT
private slots:
    void header();
    void cardGameHeader();
    void columns_data();
    void columns();
};

void TestTicketPrintout::header() {
    const RecordingCanvas canvas = print(facts(TicketKind{5, 8}, 2));
    const TextRun* title = canvas.find(QStringLiteral("Edit Tickets (PB.tic)"));
    QVERIFY(title);
    QVERIFY(title->font.bold && title->font.underline);
    QVERIFY(canvas.find(
        QStringLiteral("Sum Filter: 120 to 150     Odd Filter: 0 to 5     Game Type: Powerball")));
    const TextRun* note = canvas.find(TicketKind{5, 8}.note());
    QVERIFY(note);
    QVERIFY(note->top < title->top);
    // The body starts 1.5 inch from the top: the label bold, the numbers regular.
    const QList<TextRun> body = labels(canvas, 1);
    QCOMPARE(body.size(), 2);
    QCOMPARE(body.first().text, QStringLiteral("00001.  "));
    // Below the title, never higher than 1.5 inch from the top.
    QVERIFY(body.first().top >= 1.5 - 0.001);
    QVERIFY(body.first().top > title->top + title->ascent);
    const TextRun* numbers = canvas.find(QStringLiteral("01 02 03 04 05  07"));
    QVERIFY(numbers);
    QVERIFY(!numbers->font.bold);
}

void TestTicketPrintout::cardGameHeader() {
    const RecordingCanvas canvas = print(facts(TicketKind{5, 9}, 1));
    // Without the note line the body moves up by one line.
    const RecordingCanvas withNote = print(facts(TicketKind{5, 8}, 1));
    QVERIFY(labels(canvas, 1).first().top < labels(withNote, 1).first().top);
    QVERIFY(canvas.find(QStringLiteral("Game Type: Quinto")));
    for (const TextRun& run : canvas.runs())
        QVERIFY(!run.text.startsWith(QStringLiteral("Sum Filter")));
}

void TestTicketPrintout::columns_data() {
    QTest::addColumn<int>("numbers");
    QTest::addColumn<int>("columns");
    QTest::newRow("8 numbers") << 8 << 3;
    QTest::newRow("9 numbers") << 9 << 2;
}

void TestTicketPrintout::columns() {
    QFETCH(int, numbers);
    QFETCH(int, columns);
    const RecordingCanvas canvas = print(facts(TicketKind{numbers, 3}, 200));
    QList<double> lefts;
    for (const TextRun& run : labels(canvas, 1))
        if (!lefts.contains(run.x))
            lefts << run.x;
    QCOMPARE(lefts.size(), columns);
    QVERIFY(canvas.pageCount() > 1);
    // Every page repeats the header with its own number.
    QVERIFY(canvas.find(QStringLiteral("Page 2"), 2));
    QCOMPARE(labels(canvas, 2).first().text,
             QStringLiteral("%1.  ").arg(labels(canvas, 1).size() + 1, 5, 10, QLatin1Char('0')));
}

QTEST_MAIN(TestTicketPrintout)
#include "test_ticket_printout.moc"
