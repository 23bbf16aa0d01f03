// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "play/favorite_numbers.h"
#include "play/generated_tickets_printout.h"
#include "play/random_numbers.h"
#include "play/ticket_line.h"
#include "play/wheel_file.h"
#include "report/recording_canvas.h"
#include "report/report.h"
#include "support/temp_home.h"

#include <QSet>
#include <QTest>

namespace {

LotteryDefinition lottery(int gameType, int drawn, int highest, int bonus = 0, int highestBonus = 0) {
    LotteryDefinition d;
    d.GameType = qint16(gameType);
    d.NumbersDrawn = qint16(drawn);
    d.HighestNumber = qint16(highest);
    d.BonusNumbers = qint16(bonus);
    d.HighestBonus = qint16(highestBonus);
    d.Description = QStringLiteral("Test");
    return d;
}

QList<int> numbers(const QStringList& fields) {
    QList<int> out;
    for (const QString& field : fields)
        out << field.toInt();
    return out;
}

// A wheel of K numbers whose tickets are the given lines of positions.
QString writeWheel(const TempHome& home, int p, int k, int m, int c, const QStringList& rows) {
    QByteArray bytes = QStringLiteral("%1\r\n%2\r\n%3\r\n%4\r\n%5\r\n")
                           .arg(p)
                           .arg(k)
                           .arg(rows.size())
                           .arg(m)
                           .arg(c)
                           .toLatin1();
    for (const QString& row : rows)
        bytes += row.toLatin1() + "\r\n";
    home.writeFile(QStringLiteral("wheels/TEST.A06"), bytes);
    return home.path(QStringLiteral("wheels/TEST.A06"));
}

constexpr int kMany = 400;

} // namespace

class TestGenerators final : public QObject {
    Q_OBJECT
private slots:
    void ordinaryTickets_data();
    void ordinaryTickets();
    void pickTicketsHoldZeroAndRepeats();
    void threeSetPairs();
    void powerballBonusIsDrawnApart();
    void cardGames();
    void luckyDayAndTriStateBonus();
    void sameSeedSameTickets();
    void tooFewNumbersIsRefused();
    void randomWheel();
    void favoriteWheelKeepsTheOrder();
    void favoriteRefusals();
    void ownTicketLayout_data();
    void ownTicketLayout();
    void printout();
};

void TestGenerators::ordinaryTickets_data() {
    QTest::addColumn<LotteryDefinition>("definition");
    QTest::addColumn<int>("perTicket");
    QTest::newRow("lotto 6/49") << lottery(7, 6, 49) << 6;
    QTest::newRow("6/49 with a bonus ball") << lottery(7, 7, 49, 1) << 6;
    QTest::newRow("6 of 6: every number") << lottery(7, 6, 6) << 6;
    QTest::newRow("keno 20 of 80") << lottery(3, 20, 80) << 10;
    QTest::newRow("keno 22 of 99") << lottery(3, 22, 99) << 10;
}

// n different numbers from 1 .. H in ascending order, never 0, no bonus column.
void TestGenerators::ordinaryTickets() {
    QFETCH(LotteryDefinition, definition);
    QFETCH(int, perTicket);
    const GeneratedTickets made = RandomNumbers::tickets(definition, kMany, 4711);
    QCOMPARE(made.kind.numbersPerTicket, perTicket);
    QCOMPARE(made.tickets.size(), kMany);
    for (const Ticket& ticket : made.tickets) {
        const QList<int> values = numbers(ticket.fields);
        QCOMPARE(values.size(), perTicket);
        QVERIFY(!ticket.bonus);
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY(values.at(i) >= 1 && values.at(i) <= definition.HighestNumber);
            if (i > 0)
                QVERIFY2(values.at(i - 1) < values.at(i), qPrintable(ticket.fields.join(u' ')));
        }
    }
    QCOMPARE(made.lines().first().left(7), QStringLiteral("00001. "));
}

void TestGenerators::pickTicketsHoldZeroAndRepeats() {
    const GeneratedTickets made = RandomNumbers::tickets(lottery(5, 3, 9), kMany, 99);
    bool zero = false;
    bool repeat = false;
    bool unordered = false;
    for (const Ticket& ticket : made.tickets) {
        QCOMPARE(ticket.fields.size(), 3);
        for (const QString& field : ticket.fields)
            QVERIFY(field.size() == 2 && field.at(0) == u'0' && field.at(1).isDigit());
        const QList<int> v = numbers(ticket.fields);
        zero = zero || v.contains(0);
        repeat = repeat || v.at(0) == v.at(1) || v.at(1) == v.at(2) || v.at(0) == v.at(2);
        unordered = unordered || v.at(0) > v.at(1) || v.at(1) > v.at(2);
    }
    QVERIFY(zero);
    QVERIFY(repeat);
    QVERIFY(unordered); // in the order drawn
}

void TestGenerators::threeSetPairs() {
    const GeneratedTickets made = RandomNumbers::tickets(lottery(1, 6, 21), kMany, 5);
    QCOMPARE(made.kind.numbersPerTicket, 6);
    bool sharedAcrossPairs = false;
    for (const Ticket& ticket : made.tickets) {
        const QList<int> v = numbers(ticket.fields);
        QCOMPARE(v.size(), 6);
        for (int pair = 0; pair < 3; ++pair) {
            QVERIFY(v.at(2 * pair) >= 1 && v.at(2 * pair + 1) <= 21);
            QVERIFY(v.at(2 * pair) < v.at(2 * pair + 1));
        }
        sharedAcrossPairs = sharedAcrossPairs || QSet<int>(v.begin(), v.end()).size() < 6;
    }
    QVERIFY(sharedAcrossPairs);
}

void TestGenerators::powerballBonusIsDrawnApart() {
    const GeneratedTickets made = RandomNumbers::tickets(lottery(8, 6, 59, 1, 35), kMany, 77);
    bool equalsARegular = false;
    for (const Ticket& ticket : made.tickets) {
        QCOMPARE(ticket.fields.size(), 5);
        QVERIFY(ticket.bonus);
        const int bonus = ticket.bonus->toInt();
        QVERIFY(bonus >= 1 && bonus <= 35);
        equalsARegular = equalsARegular || numbers(ticket.fields).contains(bonus);
    }
    QVERIFY(equalsARegular);
    QVERIFY(made.lines().first().endsWith(QStringLiteral("  ") + *made.tickets.first().bonus));
}

void TestGenerators::cardGames() {
    // California Decco: one card of each suit, hearts, clubs, diamonds, spades.
    for (const Ticket& ticket : RandomNumbers::tickets(lottery(2, 4, 52), 50, 3).tickets) {
        QCOMPARE(ticket.fields.size(), 4);
        QString suits;
        for (const QString& card : ticket.fields)
            suits += card.right(1);
        QCOMPARE(suits, QStringLiteral("HCDS"));
    }
    // Quinto: five different cards as codes, in card order.
    const GeneratedTickets quinto = RandomNumbers::tickets(lottery(9, 5, 52), 50, 3);
    QCOMPARE(quinto.kind.fieldWidth(), 3);
    for (const Ticket& ticket : quinto.tickets) {
        QCOMPARE(ticket.fields.size(), 5);
        for (const QString& card : ticket.fields)
            QVERIFY2(card.size() == 3 && card.at(0) != u' ', qPrintable(card));
    }
}

void TestGenerators::luckyDayAndTriStateBonus() {
    for (const Ticket& ticket : RandomNumbers::tickets(lottery(12, 4, 99, 1, 30), 200, 8).tickets) {
        const QList<int> v = numbers(ticket.fields);
        QVERIFY(v.at(0) >= 1 && v.at(0) <= 12);
        QVERIFY(v.at(1) >= 1 && v.at(1) <= 31);
        QVERIFY(v.at(2) >= 0 && v.at(2) <= 99);
        QVERIFY(ticket.bonus->toInt() >= 1 && ticket.bonus->toInt() <= 30);
    }
    QSet<QString> ranks;
    for (const Ticket& ticket : RandomNumbers::tickets(lottery(10, 6, 39, 1, 5), 200, 8).tickets)
        ranks << *ticket.bonus;
    QCOMPARE(ranks, (QSet<QString>{"10", "0J", "0Q", "0K", "0A"}));
}

void TestGenerators::sameSeedSameTickets() {
    const LotteryDefinition pb = lottery(8, 6, 59, 1, 35);
    QCOMPARE(RandomNumbers::tickets(pb, 20, 43200123).lines(),
             RandomNumbers::tickets(pb, 20, 43200123).lines());
    QVERIFY(RandomNumbers::tickets(pb, 20, 43200123).lines() !=
            RandomNumbers::tickets(pb, 20, 43200124).lines());
}

// Drawing distinct numbers from too few would never end.
void TestGenerators::tooFewNumbersIsRefused() {
    QVERIFY_THROWS_EXCEPTION(VantoroError, RandomNumbers::tickets(lottery(7, 6, 5), 1, 1));
    QVERIFY_THROWS_EXCEPTION(VantoroError, RandomNumbers::tickets(lottery(8, 6, 59, 1, 0), 1, 1));
    TempHome home;
    const QString wheel = writeWheel(home, 3, 10, 3, 3, {"010203"});
    QVERIFY_THROWS_EXCEPTION(VantoroError, RandomNumbers::wheel(lottery(7, 3, 9), wheel, 1));
}

void TestGenerators::randomWheel() {
    TempHome home;
    const QString path =
        writeWheel(home, 6, 10, 3, 4, {"010203040506", "050607080910", "010305070910", "020406080910"});
    const GeneratedTickets made = RandomNumbers::wheel(lottery(8, 6, 59, 1, 35), path, 1234);
    QVERIFY(made.wheel);
    QCOMPARE(made.guarantee,
             QStringLiteral("If 4 numbers played are correct, at least 1 ticket will match 3 numbers"));
    QCOMPARE(made.kind.numbersPerTicket, 6);
    QVERIFY(made.numbersPlayed.endsWith(u' '));
    const QList<int> played = numbers(made.numbersPlayed.split(u' ', Qt::SkipEmptyParts));
    QCOMPARE(played.size(), 10);
    for (int i = 1; i < played.size(); ++i)
        QVERIFY(played.at(i - 1) < played.at(i));
    QCOMPARE(made.tickets.size(), 4);
    for (const Ticket& ticket : made.tickets) {
        for (int value : numbers(ticket.fields))
            QVERIFY(played.contains(value));
        QVERIFY(ticket.bonus && ticket.bonus->toInt() >= 1 && ticket.bonus->toInt() <= 35);
    }
    QCOMPARE(RandomNumbers::wheel(lottery(8, 6, 59, 1, 35), path, 1234).lines(), made.lines());
}

void TestGenerators::favoriteWheelKeepsTheOrder() {
    TempHome home;
    const QString path = writeWheel(home, 3, 4, 3, 3, {"010203", "020304"});
    const GeneratedTickets made =
        FavoriteNumbers::wheel(lottery(8, 4, 59, 1, 35), path, {"40", "3", "17", "7"}, QStringLiteral("9"));
    QCOMPARE(made.lines(), (QStringList{"00001. 40 03 17  09", "00002. 03 17 07  09"}));
    QCOMPARE(made.numbersPlayed, QStringLiteral("40 3 17 7 "));
    QVERIFY_THROWS_EXCEPTION(VantoroError,
                             FavoriteNumbers::wheel(lottery(7, 3, 49), path, {"40", "x", "17", "7"}, {}));
}

void TestGenerators::favoriteRefusals() {
    const LotteryDefinition pb = lottery(8, 6, 59, 1, 35);
    const QString all = QLatin1String(FavoriteNumbers::kEnterAllNumbers);
    QCOMPARE(FavoriteNumbers::wheelRefusals(pb, {"1", "", " ", "4", ""}, {}), (QStringList{all, all, all}));
    QCOMPARE(FavoriteNumbers::wheelRefusals(pb, {"1", "2"}, {}),
             QStringList{QLatin1String(FavoriteNumbers::kEnterBonus)});
    QVERIFY(FavoriteNumbers::wheelRefusals(pb, {"1", "2"}, QStringLiteral("5")).isEmpty());
    QVERIFY(FavoriteNumbers::wheelRefusals(lottery(7, 6, 49), {"1", "2"}, {}).isEmpty());
}

void TestGenerators::ownTicketLayout_data() {
    QTest::addColumn<LotteryDefinition>("definition");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("boxCount");
    QTest::addColumn<QString>("line");
    // Big Game has six boxes, the sixth the bonus, whatever the definition draws.
    QTest::newRow("big game") << lottery(0, 7, 50, 2, 36) << QStringList{"1", "2", "13", "24", "35", "7"} << 6
                              << "00003. 01 02 13 24 35  07";
    QTest::newRow("keystone") << lottery(4, 7, 40, 1, 40) << QStringList{"1", "2", "3", "4", "5", "6", "9"}
                              << 7 << "00003. 01 02 03 04 05 06  09";
    QTest::newRow("tri-state rank") << lottery(10, 6, 39, 1, 5) << QStringList{"1", "2", "3", "4", "5", "k"}
                                    << 6 << "00003. 01 02 03 04 05  0K";
    QTest::newRow("quinto cards") << lottery(9, 5, 52) << QStringList{"ah", "10s", "2c", "", "qd"} << 5
                                  << "00003. 0AH 10S 02C     0QD ";
    QTest::newRow("keno of 20") << lottery(3, 20, 80) << QStringList{"7"} << 10
                                << "00003. 07                            ";
}

void TestGenerators::ownTicketLayout() {
    QFETCH(LotteryDefinition, definition);
    QFETCH(QStringList, boxes);
    QFETCH(int, boxCount);
    QFETCH(QString, line);
    const FavoriteNumbers::OwnLayout layout = FavoriteNumbers::ownLayout(definition);
    QCOMPARE(layout.boxes, boxCount);
    QCOMPARE(TicketLine::format(layout.kind, FavoriteNumbers::ownTicket(layout, 3, boxes)), line);
}

void TestGenerators::printout() {
    TempHome home;
    const QString path = writeWheel(home, 6, 10, 3, 4, {"010203040506"});
    GeneratedPrintoutFacts facts;
    facts.generator = QStringLiteral("Random Number");
    facts.lotteryName = QStringLiteral("Powerball");
    facts.numbersDrawn = 6;
    facts.note = QStringLiteral("The last column is the Powerball");
    facts.generated = RandomNumbers::wheel(lottery(8, 6, 59, 1, 35), path, 1);
    facts.date = QDate(2024, 5, 26);
    QCOMPARE(generatedPrintoutTitle(facts),
             QStringLiteral("Random Number Abbreviated Wheel - 10 numbers, 1 tickets (Powerball)"));
    Report report;
    setUpGeneratedTicketsPrintout(report, facts);
    RecordingCanvas canvas;
    report.run(canvas);
    const TextRun* title = canvas.find(generatedPrintoutTitle(facts));
    QVERIFY(title && title->font.bold && title->font.underline);
    const TextRun* note = canvas.find(QStringLiteral(
        "The last column is the Powerball. It is not included in the prize guarantee for the wheel."));
    QVERIFY(note && note->top < title->top);
    QVERIFY(canvas.find(QStringLiteral("Numbers Played: ") + facts.generated.numbersPlayed));
    QVERIFY(canvas.find(QStringLiteral("00001.  ")));

    facts.generated = RandomNumbers::tickets(lottery(7, 6, 49), 3, 1);
    facts.generator = QStringLiteral("Favorite Number");
    QCOMPARE(generatedPrintoutTitle(facts), QStringLiteral("Favorite Number Tickets (Powerball)"));
    QCOMPARE(generatedPrintoutLines(facts), QStringList{facts.note});
}

QTEST_MAIN(TestGenerators)
#include "test_generators.moc"
