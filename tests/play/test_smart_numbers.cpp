// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "play/random_source.h"
#include "play/smart_numbers.h"
#include "play/wheel_file.h"
#include "stats/number_stats.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QSet>
#include <QTest>

using Ratios = std::array<double, kSmartClasses>;
Q_DECLARE_METATYPE(Ratios)
Q_DECLARE_METATYPE(SmartCounts)

namespace {

// Drawings given newest first, as the study reads them.
NumberWindow window(const std::vector<std::vector<qint8>>& newestFirst) {
    NumberWindow w;
    w.positions = static_cast<int>(newestFirst.front().size());
    for (const auto& numbers : newestFirst)
        w.append(QStringLiteral("01/01/2000"), numbers);
    return w;
}

SmartNumbers handMade(int gameType, int regular, const std::array<QStringList, kSmartClasses>& lists) {
    SmartNumbers smart;
    smart.definition.GameType = static_cast<qint16>(gameType);
    smart.definition.NumbersDrawn = static_cast<qint16>(regular);
    smart.definition.BonusNumbers = 0;
    smart.regularCount = regular;
    smart.lists = lists;
    return smart;
}

QString thrownBy(const std::function<void()>& run) {
    try {
        run();
    } catch (const VantoroError& error) {
        return error.message();
    }
    return {};
}

// A lottery in `home` opened as the windows read it.
struct Opened {
    DbfTable table;
    LotteryDefinition definition;
    Opened(const TempHome& home, LotteryBuilder builder) : definition(builder.def()) {
        table.open(home.dataDir(), builder.build());
        table.SetOrder(1);
    }
    SmartNumbers compute(int hot, int cutoff) {
        return SmartNumbers::compute(table, definition, hot, cutoff, table.RecordCount());
    }
};

} // namespace

class TestSmartNumbers final : public QObject {
    Q_OBJECT
private slots:
    void windowStudy_data();
    void windowStudy();
    void breakdown_data();
    void breakdown();
    void seededTicketsWorkedByHand();
    void ticketsKeepTheBreakdown();
    void luckyDayMonthAndDay();
    void threeSetColumns();
    void kenoTicketsHoldTen();
    void wheelPlaysTheTopsOfTheLists();
    void withoutRecommendation();
    void suggestedBonus_data();
    void suggestedBonus();
};

void TestSmartNumbers::windowStudy_data() {
    QTest::addColumn<NumberWindow>("drawings");
    QTest::addColumn<int>("hot");
    QTest::addColumn<int>("windowSize");
    QTest::addColumn<Ratios>("expected");
    // Window (1 2), (2 3); (4 5) before it. Oldest (2 3) meets nothing; freq 2:3 3:2, max 3, due
    // from 2: 2 is due (3-1 >= 2), 3 cold. Latest (1 2): 2 was in the drawing before, prior; freq
    // 1:2 2:4, max 4, due from 3: 1 is cold (2-1 < 3). H 0, P 1, C 2, U 1 over 2 x 2 numbers.
    QTest::newRow("prior, cold, due")
        << window({{1, 2}, {2, 3}, {4, 5}}) << 1 << 2 << Ratios{0, .25, .5, .25};
    // One drawing (1 2) with two before it: 1 came two drawings back (hot, not prior); 2 is new
    // and freq 2:2 of max 2 makes it due from 1.
    QTest::newRow("hot two back") << window({{1, 2}, {3, 4}, {1, 5}}) << 2 << 1 << Ratios{.5, 0, 0, .5};
}

void TestSmartNumbers::windowStudy() {
    QFETCH(NumberWindow, drawings);
    QFETCH(int, hot);
    QFETCH(int, windowSize);
    QFETCH(Ratios, expected);
    QCOMPARE(smartRatios(drawings, 2, hot, windowSize), expected);
}

void TestSmartNumbers::breakdown_data() {
    QTest::addColumn<Ratios>("ratios");
    QTest::addColumn<SmartCounts>("available");
    QTest::addColumn<int>("flow");
    QTest::addColumn<int>("size");
    QTest::addColumn<SmartCounts>("expected");
    QTest::addColumn<QString>("problem");
    const int own = int(SmartFlow::OwnTickets);
    const int wheel = int(SmartFlow::Wheel);
    // 2.1, 1.5, 1.5, 0.9: both halves go to the even 2, sum 7, hot is lowered.
    QTest::newRow("halves to even") << Ratios{.35, .25, .25, .15} << SmartCounts{9, 9, 9, 9} << wheel << 6
                                    << SmartCounts{1, 2, 2, 1} << QString();
    // 2.5 each: all four go down to the even 2, then due and hot are raised.
    QTest::newRow("2.5 to even") << Ratios{.25, .25, .25, .25} << SmartCounts{9, 9, 9, 9} << wheel << 10
                                 << SmartCounts{3, 2, 2, 3} << QString();
    // No cold numbers: own tickets lower cold to 0 and due makes up the sum.
    QTest::newRow("own lowered") << Ratios{.35, .25, .25, .15} << SmartCounts{9, 9, 0, 9} << own << 6
                                 << SmartCounts{2, 2, 0, 2} << QString();
    // A wheel keeps the count the entry check then refuses.
    QTest::newRow("wheel kept") << Ratios{.35, .25, .25, .15} << SmartCounts{9, 9, 0, 9} << wheel << 6
                                << SmartCounts{1, 2, 2, 1} << QString();
    // Raised once each, due first, only below the available count: still short.
    QTest::newRow("raised once") << Ratios{.5, 0, 0, .5} << SmartCounts{2, 9, 9, 0} << own << 6
                                 << SmartCounts{2, 1, 1, 0} << "You must select a minimum of 6 numbers.";
    // Lowered once each from hot: 6 x 0.3 = 1.8 each, four 2s make 8, two lowered.
    QTest::newRow("lowered once") << Ratios{.3, .3, .3, .3} << SmartCounts{9, 9, 9, 9} << own << 6
                                  << SmartCounts{1, 1, 2, 2} << QString();
    QTest::newRow("too many, own") << Ratios{.5, .5, .5, .5} << SmartCounts{9, 9, 9, 9} << own << 6
                                   << SmartCounts{2, 2, 2, 2}
                                   << "You have selected too many numbers. You must select only 6 numbers.";
    QTest::newRow("too many, wheel")
        << Ratios{.5, .5, .5, .5} << SmartCounts{9, 9, 9, 9} << wheel << 6 << SmartCounts{2, 2, 2, 2}
        << "You have selected more numbers than are in the wheel. You must select only 6 numbers.";
}

void TestSmartNumbers::breakdown() {
    QFETCH(Ratios, ratios);
    QFETCH(SmartCounts, available);
    QFETCH(int, flow);
    QFETCH(int, size);
    QFETCH(SmartCounts, expected);
    QFETCH(QString, problem);
    std::array<QStringList, kSmartClasses> lists;
    for (int c = 0; c < kSmartClasses; ++c)
        for (int n = 0; n < available[static_cast<size_t>(c)]; ++n)
            lists[static_cast<size_t>(c)] << QString::number(c * 10 + n + 10);
    SmartNumbers smart = handMade(7, 6, lists);
    smart.hasRatios = true;
    smart.ratios = ratios;
    const SmartCounts counts = smart.recommendedCounts(size, SmartFlow(flow));
    QCOMPARE(counts, expected);
    QCOMPARE(smartBreakdownProblem(counts, size, SmartFlow(flow)), problem);
    if (SmartFlow(flow) == SmartFlow::OwnTickets)
        for (int c = 0; c < kSmartClasses; ++c)
            QVERIFY(counts[static_cast<size_t>(c)] <= available[static_cast<size_t>(c)]);
}

void TestSmartNumbers::seededTicketsWorkedByHand() {
    const SmartNumbers smart =
        handMade(7, 2, {QStringList{"05", "10", "15", "20", "25", "30", "35", "40", "45", "49"}});
    // Seed 1, draws from 0..10 (pool of 10 and the rejected 0), the high 32 bits of seed x 11:
    //   134775814 x 11 = 1482533954 -> 0, rejected
    //   3698175007 x 11 = 40679925077 = 9 x 2^32 + ... -> entry 9, "45"
    //   3698175007 x 134775813 + 1 = 870078620 (mod 2^32); x 11 = 9570864820 -> 2, "10"
    //   870078620 x 134775813 + 1 = 1172187917; x 11 = 12894067087 -> 3, "15"
    //   1172187917 x 134775813 + 1 = 2884733762; x 11 = 31732071382 -> 7, "35"
    RandomSource random(1);
    const SmartTickets tickets = makeOwnTickets(smart, {2, 0, 0, 0}, 2, QString(), random);
    QCOMPARE(tickets.pickOrder.at(0).fields, (QStringList{"45", "10"}));
    QCOMPARE(tickets.sorted.at(0).fields, (QStringList{"10", "45"}));
    QCOMPARE(tickets.pickOrder.at(1).fields, (QStringList{"15", "35"}));
    QCOMPARE(tickets.sorted.at(1).number, 2);
}

void TestSmartNumbers::ticketsKeepTheBreakdown() {
    SmartNumbers smart = handMade(int(GameTypeCode::Powerball), 5,
                                  {QStringList{"01", "02", "03"}, QStringList{"10", "11"},
                                   QStringList{"20", "21", "22", "23"}, QStringList{"30"}});
    smart.definition.NumbersDrawn = 6;
    smart.definition.BonusNumbers = 1;
    RandomSource random(20261209);
    const SmartCounts counts{2, 1, 1, 1};
    const SmartTickets tickets = makeOwnTickets(smart, counts, 300, QStringLiteral("7"), random);
    QCOMPARE(tickets.pickOrder.size(), 300);
    QSet<QString> distinctTickets;
    for (const Ticket& ticket : tickets.pickOrder) {
        // Picks come class by class: two hot, one prior, one cold, one due, none twice.
        const QStringList& f = ticket.fields;
        QCOMPARE(f.size(), 5);
        QVERIFY(smart.lists[SmartHot].contains(f[0]) && smart.lists[SmartHot].contains(f[1]));
        QVERIFY(f[0] != f[1]);
        QVERIFY(smart.lists[SmartPrior].contains(f[2]));
        QVERIFY(smart.lists[SmartCold].contains(f[3]));
        QCOMPARE(f[4], QStringLiteral("30"));
        QCOMPARE(ticket.bonus, std::optional<QString>(QStringLiteral("07")));
        distinctTickets << f.join(QLatin1Char(' '));
    }
    // 3 x 2 x 4 = 24 possible tickets: a fair draw reaches most of them.
    QVERIFY(distinctTickets.size() > 20);
    // A count above its class is refused before anything is drawn.
    QCOMPARE(thrownBy([&] {
                 makeOwnTickets(smart, {1, 1, 1, 2}, 1, QString(), random);
             }),
             smartAvailableProblem(SmartDue));
    QCOMPARE(thrownBy([&] {
                 makeOwnTickets(smart, {3, 1, 1, 1}, 1, QString(), random);
             }),
             QStringLiteral("You have selected too many numbers. You must select only 5 numbers."));
}

void TestSmartNumbers::luckyDayMonthAndDay() {
    const int luckyDay = int(GameTypeCode::NYLuckyDay);
    SmartNumbers smart = handMade(
        luckyDay, 3, {QStringList{"40", "07", "31", "55", "12", "29", "32", "01", "13"}, {}, {}, {}});
    QVERIFY(smart.pickOrderOnly());
    RandomSource random(99);
    bool laterMonth = false;
    for (const Ticket& ticket :
         makeOwnTickets(smart, {3, 0, 0, 0}, 200, QStringLiteral("5"), random).pickOrder) {
        const int month = ticket.field(0).toInt();
        const int day = ticket.field(1).toInt();
        QVERIFY2(month >= 1 && month <= 12, qPrintable(ticket.field(0)));
        QVERIFY2(day >= 1 && day <= 31, qPrintable(ticket.field(1)));
        laterMonth = laterMonth || ticket.field(2).toInt() <= 12;
    }
    QVERIFY(laterMonth); // the third pick is not held to the month

    // Hot has no month or day: the cold picks take those turns and the counts still hold.
    smart.lists = {QStringList{"40", "50", "60"}, {}, QStringList{"03", "25"}, {}};
    for (const Ticket& ticket : makeOwnTickets(smart, {1, 0, 2, 0}, 20, QString(), random).pickOrder) {
        QCOMPARE(ticket.field(0), QStringLiteral("03"));
        QCOMPARE(ticket.field(1), QStringLiteral("25"));
        QVERIFY(smart.lists[SmartHot].contains(ticket.field(2)));
    }
    // No class holds a month at all: refused, not drawn for ever.
    smart.lists = {QStringList{"40", "50", "60"}, {}, {}, {}};
    QVERIFY(thrownBy([&] { makeOwnTickets(smart, {3, 0, 0, 0}, 1, QString(), random); }).contains("month"));
}

void TestSmartNumbers::threeSetColumns() {
    SmartNumbers smart = handMade(int(GameTypeCode::DailyMillions), 6, {});
    smart.threeSet = true;
    // Hot holds only R and B numbers; cold holds W numbers and one R.
    smart.setLists[SmartHot] = {QStringList{"01", "02", "03"}, {}, QStringList{"07", "08"}};
    smart.setLists[SmartCold] = {QStringList{"04"}, QStringList{"10", "11", "12"}, {}};
    smart.lists[SmartHot] = {"01R", "02R", "03R", "07B", "08B"};
    smart.lists[SmartCold] = {"04R", "10W", "11W", "12W"};
    RandomSource random(5);
    for (const Ticket& ticket : makeOwnTickets(smart, {4, 0, 2, 0}, 100, QString(), random).sorted) {
        // R R W W B B, each pair ascending and distinct; the W columns come from cold, whose turns
        // the hot picks hand over.
        const QStringList& f = ticket.fields;
        QCOMPARE(f.size(), 6);
        for (int set = 0; set < 3; ++set) {
            const QStringList pool = smart.setLists[SmartHot][set] + smart.setLists[SmartCold][set];
            QVERIFY2(pool.contains(f[2 * set]) && pool.contains(f[2 * set + 1]), qPrintable(f.join(' ')));
            QVERIFY(f[2 * set].toInt() < f[2 * set + 1].toInt());
        }
        QVERIFY(smart.setLists[SmartCold][1].contains(f[2]) && smart.setLists[SmartCold][1].contains(f[3]));
    }
    // Only one W number in all the classes chosen: refused.
    smart.setLists[SmartCold] = {QStringList{"04"}, QStringList{"10"}, QStringList{"09"}};
    smart.lists[SmartCold] = {"04R", "10W", "09B"};
    QCOMPARE(thrownBy([&] {
                 makeOwnTickets(smart, {3, 0, 3, 0}, 1, QString(), random);
             }),
             QStringLiteral("The classes chosen hold too few numbers of set W to fill its columns. Choose "
                            "other counts."));
    QVERIFY(!smart.wheelOffered());
}

void TestSmartNumbers::kenoTicketsHoldTen() {
    TempHome home;
    Opened keno(home,
                LotteryBuilder(home.dataDir(), QStringLiteral("KENO")).numbers(20, 80, 0, 3).drawings(60));
    const SmartNumbers smart = keno.compute(10, 50);
    QCOMPARE(smart.ownTicketSize(), 10);
    const SmartCounts counts = smart.recommendedCounts(10, SmartFlow::OwnTickets);
    QCOMPARE(counts[0] + counts[1] + counts[2] + counts[3], 10);
    RandomSource random(3);
    const SmartTickets tickets = makeOwnTickets(smart, counts, 5, QString(), random);
    QCOMPARE(tickets.kind.numbersPerTicket, 10);
    for (const Ticket& ticket : tickets.sorted) {
        QCOMPARE(ticket.fields.size(), 10);
        QCOMPARE(QSet<QString>(ticket.fields.begin(), ticket.fields.end()).size(), 10);
    }
}

void TestSmartNumbers::wheelPlaysTheTopsOfTheLists() {
    TempHome home;
    const QString wheel = home.path(QStringLiteral("wheels/FULL08.F06"));
    WheelFile::full(8, 6).write(wheel);
    LotteryBuilder builder(home.dataDir(), QStringLiteral("PB"));
    builder.numbers(7, 49, 1, int(GameTypeCode::Powerball)).drawings(80);
    Opened lottery(home, builder);
    const SmartNumbers first = lottery.compute(10, 50);
    const SmartNumbers again = lottery.compute(10, 50);
    const SmartCounts counts = first.recommendedCounts(8, SmartFlow::Wheel);
    const SmartTickets a = makeWheelTickets(first, counts, wheel, first.suggestedBonus);
    const SmartTickets b = makeWheelTickets(again, counts, wheel, again.suggestedBonus);
    QCOMPARE(a.pickOrder, b.pickOrder);
    QCOMPARE(a.pickOrder.size(), 28);
    const QStringList chosen = first.chosenNumbers(counts);
    QCOMPARE(chosen.size(), 8);
    QCOMPARE(a.numbersPlayed, chosen.join(QLatin1Char(' ')) + QLatin1Char(' '));
    QCOMPARE(chosen.mid(0, counts[SmartHot]), first.lists[SmartHot].mid(0, counts[SmartHot]));
    // The first line of a full wheel holds positions 1 to 6; the bonus follows every ticket.
    QCOMPARE(a.pickOrder.first().fields, chosen.mid(0, 6));
    QCOMPARE(a.pickOrder.first().bonus, std::optional<QString>(first.suggestedBonus));
    QVERIFY(std::is_sorted(a.sorted.first().fields.begin(), a.sorted.first().fields.end()));
    QCOMPARE(a.guarantee,
             QStringLiteral("If 6 numbers played are correct, at least 1 ticket will match 6 numbers"));
    QVERIFY(a.fullWheel);

    // A count above what its class holds is refused with the page's message.
    SmartCounts tooMany = counts;
    tooMany[SmartDue] = first.available(SmartDue) + 1;
    QCOMPARE(thrownBy([&] { makeWheelTickets(first, tooMany, wheel, QString()); }),
             smartAvailableProblem(SmartDue));
}

void TestSmartNumbers::withoutRecommendation() {
    TempHome home;
    // Eight drawings and a hot-number cutoff of 10: no drawing has ten before it.
    Opened few(home, LotteryBuilder(home.dataDir(), QStringLiteral("FEW")).numbers(6, 49).drawings(8));
    const SmartNumbers smart = few.compute(10, 8);
    QVERIFY(!smart.hasRatios);
    QVERIFY2(
        smart.ratioNote.contains(QStringLiteral("more drawings on file (8) than the Hot Number Cutoff (10)")),
        qPrintable(smart.ratioNote));
    QVERIFY(smart.available(SmartHot) + smart.available(SmartPrior) > 0);
    QCOMPARE(smart.recommendedCounts(6, SmartFlow::OwnTickets), (SmartCounts{1, 1, 0, 0}));

    // Card games have no class lists and say so.
    Opened cards(home, LotteryBuilder(home.dataDir(), QStringLiteral("CAD")).numbers(4, 13, 0, 2));
    const SmartNumbers none = cards.compute(10, 0);
    QVERIFY(!none.classNote.isEmpty());
    QVERIFY(!none.wheelOffered());
    QCOMPARE(thrownBy([&] {
                 RandomSource random(1);
                 makeOwnTickets(none, {0, 0, 0, 0}, 1, QString(), random);
             }),
             none.classNote);
}

void TestSmartNumbers::suggestedBonus_data() {
    QTest::addColumn<int>("gameType");
    QTest::addColumn<QStringList>("bonuses"); // newest last
    QTest::addColumn<QString>("expected");
    const int powerball = int(GameTypeCode::Powerball);
    const int triState = int(GameTypeCode::TriState);
    QTest::newRow("most frequent") << powerball << QStringList{"07", "12", "12", "03"} << "12";
    QTest::newRow("tie to lowest") << powerball << QStringList{"09", "04", "09", "04"} << "04";
    // Only the drawing cutoff counts: the old 09s are beyond it.
    QTest::newRow("within cutoff") << powerball << QStringList{"09", "09", "09", "02", "05", "05"} << "05";
    QTest::newRow("card rank") << triState << QStringList{"J ", "10", "K ", "K "} << "0K";
    QTest::newRow("ten") << triState << QStringList{"A ", "10", "10", "A "} << "10";
}

void TestSmartNumbers::suggestedBonus() {
    QFETCH(int, gameType);
    QFETCH(QStringList, bonuses);
    QFETCH(QString, expected);
    TempHome home;
    const bool triState = gameType == int(GameTypeCode::TriState);
    LotteryBuilder builder(home.dataDir(), QStringLiteral("BONUS"));
    builder.numbers(6, 42, 1, gameType);
    if (triState) {
        LotteryDefinition definition = builder.def();
        definition.HighestBonus = 5;
        builder.definition(definition);
    }
    for (int i = 0; i < bonuses.size(); ++i)
        builder.drawing(QStringLiteral("01/%1/2001").arg(i + 1, 2, 10, QLatin1Char('0')),
                        {"01", "02", "03", "04", "05", bonuses.at(i)});
    Opened lottery(home, builder);
    QCOMPARE(lottery.compute(1, 4).suggestedBonus, expected);
}

QTEST_GUILESS_MAIN(TestSmartNumbers)
#include "test_smart_numbers.moc"
