// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/current_lottery.h"
#include "lottery/game_type.h"
#include "stats/bonus_options.h"
#include "stats/chart_drawings.h"
#include "stats/drawing_summary.h"
#include "stats/hit_sequence.h"
#include "stats/repeating_sets.h"
#include "stats/skip_hit.h"

#include <QTest>

namespace {

using Numbers = std::vector<int>;

// A hand-made history, given oldest first as it reads on paper; drawing i (from 0) is dated
// 01/01/2000 + i days.
NumberWindow history(const std::vector<Numbers>& oldestFirst) {
    NumberWindow w;
    w.positions = oldestFirst.empty() ? 0 : int(oldestFirst.front().size());
    for (size_t i = oldestFirst.size(); i-- > 0;) {
        std::vector<qint8> values;
        for (int n : oldestFirst[i])
            values.push_back(qint8(n));
        w.append(QDate(2000, 1, 1).addDays(qint64(i)).toString(QStringLiteral("MM/dd/yyyy")), values);
    }
    return w;
}

LotteryDefinition lotto(int drawn, int highest, int bonus = 0, int lowest = 1, int highestBonus = 0) {
    LotteryDefinition d;
    d.NumbersDrawn = qint16(drawn);
    d.HighestNumber = qint16(highest);
    d.BonusNumbers = qint16(bonus);
    d.LowestNumber = qint16(lowest);
    d.HighestBonus = qint16(highestBonus > 0 ? highestBonus : highest);
    return d;
}

ChartDrawings chartDrawings(const std::vector<Numbers>& oldestFirst, const LotteryDefinition& definition,
                            int cutoff, int bonusOption = 0) {
    ChartDrawings drawings;
    const int width = definition.LowestNumber == 0 ? 1 : 2;
    drawings.input =
        NumberStatsInput::forLottery(definition, width, bonusOption, 0, cutoff, int(oldestFirst.size()));
    drawings.window = history(oldestFirst);
    return drawings;
}

// The grid row of `label`, its label left out.
QStringList rowOf(const QList<QStringList>& rows, const QString& label) {
    for (const QStringList& row : rows)
        if (row.value(0) == label)
            return row.mid(1);
    return {};
}

// 25 two-digit cells, zero but for the given wait classes.
QStringList waits(std::initializer_list<std::pair<int, int>> counts) {
    QStringList cells(25, QStringLiteral("00"));
    for (const auto& [k, count] : counts)
        cells[k] = QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0'));
    return cells;
}

} // namespace

class TestCharts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Number 1 is drawn after gaps of the listed lengths; 2 and 3 fill the other drawings.
    void skipHitWaits_data() {
        QTest::addColumn<QList<int>>("gaps");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("drawn twice in a row") << QList<int>{0} << waits({{0, 1}});
        QTest::newRow("drawn once: no wait") << QList<int>{} << waits({});
        QTest::newRow("23 and 24 either side of 24+") << QList<int>{23, 24} << waits({{23, 1}, {24, 1}});
        QTest::newRow("24, 30 and 100 all in 24+") << QList<int>{24, 30, 100, 2} << waits({{2, 1}, {24, 3}});
    }
    void skipHitWaits() {
        QFETCH(QList<int>, gaps);
        QFETCH(QStringList, row);
        std::vector<Numbers> drawings{{1, 2}};
        for (int gap : gaps) {
            for (int i = 0; i < gap; ++i)
                drawings.push_back({2, 3});
            drawings.push_back({3, 1});
        }
        drawings.push_back({2, 3}); // the time since the latest draw is not a wait
        const int cutoff = int(drawings.size());
        const SkipHitChart chart = skipHitChart(chartDrawings(drawings, lotto(2, 3), cutoff));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("01")), row);
        QCOMPARE(chart.rows.size(), 4);
        QCOMPARE(chart.rows.first().first(), QString());
        QCOMPARE(chart.rows.first().at(1), QStringLiteral("00"));
        QCOMPARE(chart.rows.first().last(), QStringLiteral("24+"));
        QCOMPARE(chart.graphRecords.front().label, QStringLiteral("1"));
        QCOMPARE(int(chart.graphRecords.front().values.size()), 25);
        for (int k = 0; k < 25; ++k)
            QCOMPARE(chart.graphRecords.front().values[size_t(k)], row.at(k).toInt());
    }

    // Only the cutoff's latest drawings count; a cutoff of 0 or 1 leaves every count 0.
    void skipHitCutoff_data() {
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("all four") << 4 << waits({{0, 1}, {1, 1}});
        QTest::newRow("latest three") << 3 << waits({{0, 1}});
        QTest::newRow("one drawing") << 1 << waits({});
        QTest::newRow("none") << 0 << waits({});
    }
    void skipHitCutoff() {
        QFETCH(int, cutoff);
        QFETCH(QStringList, row);
        const SkipHitChart chart =
            skipHitChart(chartDrawings({{5, 6}, {7, 8}, {5, 7}, {6, 5}}, lotto(2, 9), cutoff));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("05")), row);
    }

    // A number twice in one drawing (a pick game) counts once for it; the range starts at 00.
    void skipHitFromZero() {
        const SkipHitChart chart =
            skipHitChart(chartDrawings({{0, 0, 4}, {0, 9, 9}, {4, 0, 0}}, lotto(3, 9, 0, 0), 3));
        QCOMPARE(chart.rows.size(), 11);
        QCOMPARE(chart.rows.at(1).first(), QStringLiteral("00"));
        QCOMPARE(chart.graphRecords.front().label, QStringLiteral("0"));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("00")), waits({{0, 2}}));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("04")), waits({{1, 1}}));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("09")), waits({}));
    }

    // Bonus only: the bonus position alone, rows up to HighestBonus; with the bonus, all positions.
    void skipHitBonusOptions_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("row8");
        QTest::newRow("regular only") << 0 << 20 << "Use Bonus: No" << waits({});
        QTest::newRow("regular and bonus") << 1 << 20 << "Use Bonus: Yes" << waits({{0, 1}});
        QTest::newRow("bonus only") << 2 << 9 << "Use Bonus: Yes (No regular numbers)" << waits({{0, 1}});
    }
    void skipHitBonusOptions() {
        QFETCH(int, option);
        QFETCH(int, rows);
        QFETCH(QString, label);
        QFETCH(QStringList, row8);
        const SkipHitChart chart =
            skipHitChart(chartDrawings({{1, 2, 8}, {3, 4, 8}}, lotto(3, 20, 1, 1, 9), 2, option));
        QCOMPARE(chart.rows.size() - 1, rows);
        QCOMPARE(chart.UseBonusLabel, label);
        QCOMPARE(rowOf(chart.rows, QStringLiteral("08")), row8);
    }

    // Cards and the three sets each get their own rows and waits.
    void skipHitVariants() {
        LotteryDefinition millions = lotto(6, 21);
        millions.GameType = 1;
        const SkipHitChart sets =
            skipHitChart(chartDrawings({{7, 1, 7, 2, 3, 4}, {7, 5, 6, 8, 9, 10}}, millions, 2));
        QCOMPARE(sets.rows.size(), 64);
        QCOMPARE(sets.rows.at(1).first(), QStringLiteral("01R"));
        QCOMPARE(sets.rows.at(3).first(), QStringLiteral("01B"));
        QCOMPARE(rowOf(sets.rows, QStringLiteral("07R")), waits({{0, 1}}));
        QCOMPARE(rowOf(sets.rows, QStringLiteral("07W")), waits({}));
        QCOMPARE(sets.graphRecords[size_t(3 * 6)].label, QStringLiteral("7R"));
    }

    // The wait fields grow past three digits only when a count needs it.
    void skipHitGraphWidth() {
        SkipHitChart chart;
        chart.graphRecords.push_back({QStringLiteral("1"), std::vector<int>(25, 999)});
        QCOMPARE(chart.graphFields().at(25).width, 3);
        QCOMPARE(chart.graphFields().at(25).name, QStringLiteral("SKIP_24"));
        chart.graphRecords.back().values[3] = 1000;
        QCOMPARE(chart.graphFields().at(1).width, 4);
    }

    // Number 1 in the latest drawing and four before it; number 3 never in 50 drawings.
    void hitSequenceCounts() {
        std::vector<Numbers> drawings(50, Numbers{2, 4});
        drawings[45] = {1, 2};
        drawings[49] = {2, 1};
        const HitSequenceChart chart = hitSequenceChart(chartDrawings(drawings, lotto(2, 4), 50), 2);
        QCOMPARE(chart.rows.first().mid(1, 3), (QStringList{"25", "24", "23"}));
        QCOMPARE(chart.rows.first().last(), QStringLiteral("01"));
        QCOMPARE(rowOf(chart.rows, QStringLiteral("01")).mid(20),
                 (QStringList{"##", "01", "02", "03", "##"}));
        QStringList counts;
        for (int c = 26; c <= 50; ++c)
            counts << QString::number(c);
        QCOMPARE(rowOf(chart.rows, QStringLiteral("03")), counts);
        QCOMPARE(chart.graphRecords.front().values[0], 2); // HIT_1: the latest drawing
        QCOMPARE(chart.graphRecords.front().values[1], 0);
        QCOMPARE(chart.graphRecords.front().values[4], 2);  // HIT_5
        QCOMPARE(chart.graphRecords.front().values[24], 0); // HIT_25: 25 drawings back
    }

    // A cutoff of 10 fills the grid's last ten columns, and HIT_25 (oldest) down to HIT_16.
    void hitSequenceShortCutoff() {
        std::vector<Numbers> drawings(10, Numbers{2, 3});
        drawings[0] = {1, 2};
        drawings[9] = {1, 3};
        const HitSequenceChart chart = hitSequenceChart(chartDrawings(drawings, lotto(2, 4), 10), 2);
        const QStringList row = rowOf(chart.rows, QStringLiteral("01"));
        QCOMPARE(row.mid(0, 15), QStringList(15, QString()));
        QCOMPARE(row.mid(15), (QStringList{"##", "01", "02", "03", "04", "05", "06", "07", "08", "##"}));
        std::vector<int> hits(25, 0);
        hits[24] = 2; // the oldest shown drawing
        hits[15] = 2; // the latest
        QCOMPARE(chart.graphRecords.front().values, hits);
        QCOMPARE(rowOf(chart.rows, QStringLiteral("04")).last(), QStringLiteral("10"));
    }

    // With the bonus number the bonus position shows BB (hit value 1); bonus only, every hit is BB.
    void hitSequenceBonus_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("cell5");
        QTest::addColumn<QString>("cell1");
        QTest::addColumn<int>("value5");
        QTest::newRow("regular only") << 0 << "02"
                                      << "##" << 0;
        QTest::newRow("regular and bonus") << 1 << "BB"
                                           << "##" << 1;
        QTest::newRow("bonus only") << 2 << "BB"
                                    << "01" << 1;
    }
    void hitSequenceBonus() {
        QFETCH(int, option);
        QFETCH(QString, cell5);
        QFETCH(QString, cell1);
        QFETCH(int, value5);
        const LotteryDefinition definition = lotto(3, 9, 1, 1, 9);
        const HitSequenceChart chart =
            hitSequenceChart(chartDrawings({{1, 2, 3}, {4, 6, 5}}, definition, 2, option), 2);
        QCOMPARE(rowOf(chart.rows, QStringLiteral("05")).last(), cell5);
        QCOMPARE(rowOf(chart.rows, QStringLiteral("01")).at(23), cell1);
        QCOMPARE(chart.graphRecords[4].values[23], value5); // two drawings: the latest is HIT_24
    }

    // Pairs are formed from the sorted drawing: (05, 17), never (17, 05), and all 15 of them.
    void pairsSorted() {
        RepeatingSetsCounter counter(false);
        const NumberWindow w = history({{3, 17, 5, 22, 41, 9}, {3, 17, 5, 22, 41, 9}});
        const RepeatingSets sets = counter.count(w, 2, 6, 1, 49);
        QCOMPARE(sets.OccurencesList, QStringList{QStringLiteral("   02              (015)")});
        QCOMPARE(sets.PairLists.size(), 1);
        QCOMPARE(sets.PairLists.first().size(), 15);
        QCOMPARE(sets.PairLists.first().mid(0, 3),
                 (QStringList{QStringLiteral("          03 - 05"), QStringLiteral("          03 - 09"),
                              QStringLiteral("          03 - 17")}));
        QVERIFY(sets.PairLists.first().contains(QStringLiteral("          05 - 17")));
        QCOMPARE(sets.Label3, QStringLiteral("Pairs"));
    }

    // Only the cutoff's drawings count, and a count is never held in a byte: 600 of one pair.
    // The counter is used again, as a window does for every click, and starts from zero.
    void pairsCutoff_data() {
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<QString>("entry");
        QTest::newRow("ten newest") << 10 << "   10              (001)";
        QTest::newRow("six hundred") << 600 << "   600              (001)";
    }
    void pairsCutoff() {
        QFETCH(int, cutoff);
        QFETCH(QString, entry);
        std::vector<Numbers> drawings(610, Numbers{1, 2});
        for (int i = 0; i < 10; ++i)
            drawings[size_t(i)] = {3, 4}; // the oldest ten
        RepeatingSetsCounter counter(false);
        const NumberWindow w = history(drawings);
        counter.count(w, 610, 2, 1, 9);
        const RepeatingSets sets = counter.count(w, cutoff, 2, 1, 9);
        QCOMPARE(sets.OccurencesList, QStringList{entry});
        QCOMPARE(sets.PairLists.first(), QStringList{QStringLiteral("          01 - 02")});
    }

    // Counts 5, 3 and 2 but none of 4: pairs list only counts with sets, triples list them all.
    void occurrencesWithoutSets_data() {
        QTest::addColumn<bool>("triples");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("topList");
        QTest::newRow("pairs") << false
                               << QStringList{"   05              (001)", "   03              (001)",
                                              "   02              (001)"}
                               << QStringList{"          01 - 02"};
        QTest::newRow("triples") << true
                                 << QStringList{"   05              (001)", "   04              (000)",
                                                "   03              (001)", "   02              (001)"}
                                 << QStringList{"        01 - 02 - 07"};
    }
    void occurrencesWithoutSets() {
        QFETCH(bool, triples);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, topList);
        std::vector<Numbers> drawings;
        for (int i = 0; i < 5; ++i)
            drawings.push_back(triples ? Numbers{7, 2, 1} : Numbers{2, 1, 10 + i});
        for (int i = 0; i < 3; ++i)
            drawings.push_back(triples ? Numbers{3, 4, 8} : Numbers{3, 4, 20 + i});
        for (int i = 0; i < 2; ++i)
            drawings.push_back(triples ? Numbers{5, 6, 9} : Numbers{5, 6, 30 + i});
        RepeatingSetsCounter counter(triples);
        const RepeatingSets sets = counter.count(history(drawings), 10, 3, 1, 49);
        QCOMPARE(sets.OccurencesList, entries);
        QCOMPARE(sets.PairLists.first(), topList);
        if (triples) {
            QVERIFY(sets.PairLists.at(1).isEmpty());
            QCOMPARE(sets.caption, QStringLiteral("Repeating Triples Chart"));
        }
    }

    // Too few numbers per drawing, or no count reaching 2: both lists stay empty.
    void repeatingSetsEmpty() {
        RepeatingSetsCounter triples(true);
        QVERIFY(triples.count(history({{1, 2}, {1, 2}}), 2, 2, 1, 9).OccurencesList.isEmpty());
        RepeatingSetsCounter pairs(false);
        QVERIFY(pairs.count(history({{1, 2}, {3, 4}}), 2, 2, 1, 9).OccurencesList.isEmpty());
    }

    // R = the cutoff, but at most T - Hc; 0 or less is refused.
    void summaryRowCount_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<int>("hot");
        QTest::addColumn<int>("rows");
        QTest::newRow("T 60, C 50, Hc 15") << 60 << 50 << 15 << 45;
        QTest::newRow("T 100, C 50, Hc 15") << 100 << 50 << 15 << 50;
        QTest::newRow("T 10, Hc 10: not enough") << 10 << 10 << 10 << 0;
        QTest::newRow("cutoff above the drawings") << 20 << 80 << 0 << 20;
    }
    void summaryRowCount() {
        QFETCH(int, total);
        QFETCH(int, cutoff);
        QFETCH(int, hot);
        QFETCH(int, rows);
        QCOMPARE(CurrentLottery::summaryDrawings(cutoff, hot, total), rows);
    }

    // Hot, prior, cold and due per row: "HOT PRIOR COLD DUE" of each row, oldest first.
    void summaryClasses_data() {
        QTest::addColumn<QList<QList<int>>>("drawings");
        QTest::addColumn<int>("hot");
        QTest::addColumn<QStringList>("rows");
        // B: 01 was in A (prior), 03 due from F 3 - 1 >= 9 / 4; C: 03 prior, 04 cold (3 - 1 < 12 / 4).
        QTest::newRow("prior, due and cold") << QList<QList<int>>{{1, 2}, {1, 3}, {3, 4}, {4, 5}} << 1
                                             << QStringList{"0 1 0 1", "0 1 1 0", "0 1 1 0"};
        // 01 two drawings back is hot; 04 is due from F 2 - 1 >= 6 / 4.
        QTest::newRow("hot two back")
            << QList<QList<int>>{{1, 2}, {3, 5}, {1, 4}} << 2 << QStringList{"1 0 0 1"};
        QTest::newRow("Hc 0: never hot or prior")
            << QList<QList<int>>{{1, 2}, {1, 2}, {1, 2}} << 0 << QStringList{"0 0 0 2", "0 0 0 2", "0 0 0 2"};
    }
    void summaryClasses() {
        QFETCH(QList<QList<int>>, drawings);
        QFETCH(int, hot);
        QFETCH(QStringList, rows);
        std::vector<Numbers> history;
        for (const QList<int>& drawing : drawings)
            history.push_back(Numbers(drawing.begin(), drawing.end()));
        const int rowCount = CurrentLottery::summaryDrawings(int(history.size()), hot, int(history.size()));
        const DrawingSummary summary =
            drawingSummary(chartDrawings(history, lotto(2, 9), int(history.size())), rowCount, hot, 9);
        QStringList got;
        for (const DrawingSummaryRow& row : summary.rows)
            got << QStringLiteral("%1 %2 %3 %4").arg(row.HOT).arg(row.PRIOR).arg(row.COLD).arg(row.DUE);
        QCOMPARE(got, rows);
        QCOMPARE(
            summary.rows.back().DRAWDATE,
            QDate(2000, 1, 1).addDays(qint64(history.size()) - 1).toString(QStringLiteral("MM/dd/yyyy")));
    }

    // 03 14 25 36 47 49: one number in each band to 31-40, two in 41-50, odd 4, even 2, sum 174;
    // 1 to 49 shows the bands to 41 - 50 only. Alone, each number is due (F 2 - 1 >= 6 / 4).
    void summaryBands() {
        const DrawingSummary summary =
            drawingSummary(chartDrawings({{3, 14, 25, 36, 47, 49}}, lotto(6, 49), 1), 1, 0, 49);
        const DrawingSummaryRow& row = summary.rows.front();
        QCOMPARE(std::vector<int>(row.bands.begin(), row.bands.end()),
                 (std::vector<int>{1, 1, 1, 1, 2, 0, 0, 0, 0, 0}));
        QCOMPARE(row.ODD, 4);
        QCOMPARE(row.EVEN, 2);
        QCOMPARE(row.SUM, 174);
        QCOMPARE(summary.headings,
                 (QStringList{"     Date", "0 - 10", "11 - 20", "21 - 30", "31 - 40", "41 - 50", " Hot",
                              "Prior", "Cold", " Due", " Odd", "Even", "Sum"}));
        QCOMPARE(summary.averages, (QStringList{"  1.0", "  1.0", "  1.0", "  1.0", "  2.0", " 0.0", " 0.0",
                                                " 0.0", " 6.0", " 4.0", " 2.0", "174.0"}));
        QCOMPARE(summary.percents, (QStringList{" 16.7", " 16.7", " 16.7", " 16.7", " 33.3", " 0.0", " 0.0",
                                                " 0.0", "100.0", "66.7", "33.3", "100.0"}));
        QVERIFY(!summary.landscape());
        const std::vector<GraphTableField> fields = DrawingSummary::graphFields();
        QCOMPARE(fields.size(), size_t(18));
        QCOMPARE(fields[1].name, QStringLiteral("R0TO10"));
        QCOMPARE(fields[10].name, QStringLiteral("R91TO99"));
        QCOMPARE(fields[1].width, 2); // a keno drawing may hold ten numbers in one band
    }

    // Bonus only, one bonus number: every row classifies exactly one number, percentages over one.
    void summaryBonusOnly() {
        const std::vector<Numbers> history{{1, 2, 3, 7}, {4, 5, 6, 7}, {1, 2, 3, 8}, {4, 5, 6, 9}};
        const DrawingSummary summary =
            drawingSummary(chartDrawings(history, lotto(4, 80, 1, 1, 9), 4, 2), 3, 1, 9);
        QCOMPARE(summary.numbersPerDrawing, 1);
        QCOMPARE(summary.UseBonusLabel, QStringLiteral("Use Bonus: Yes (No regular numbers)"));
        for (const DrawingSummaryRow& row : summary.rows) {
            QCOMPARE(row.HOT + row.PRIOR + row.COLD + row.DUE, 1);
            QCOMPARE(row.ODD + row.EVEN, 1);
        }
        QCOMPARE(summary.rows.front().PRIOR, 1);                   // 7 after 7
        QCOMPARE(summary.percents.at(0), QStringLiteral("100.0")); // every bonus number is in 0-10
        QCOMPARE(summary.percents.at(5), QStringLiteral("66.7"));  // odd: 7 and 9 of three
        QCOMPARE(summary.headings.size(), 9);                      // top 9: the first band only
        const DrawingSummary keno =
            drawingSummary(chartDrawings(history, lotto(4, 80, 1, 1, 9), 4, 0), 3, 1, 80);
        QVERIFY(keno.landscape());
        QCOMPARE(keno.headings.at(8), QStringLiteral("71 - 80"));
        QCOMPARE(keno.headings.at(9), QStringLiteral(" Hot"));
    }
    // Which charts let the user count bonus numbers, one letter a chart: Number statistics, sKip and
    // hit, hit seQuence, drawing sUmmary, Pairs, Triples.
    void bonusChoiceOffered_data() {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fieldWidth");
        QTest::addColumn<QString>("offered");
        const int triState = int(GameTypeCode::TriState);
        QTest::newRow("lotto with a bonus")
            << int(GameTypeCode::Lotto) << 7 << 1 << "ON649.DBF" << 2 << "NKQUPT";
        QTest::newRow("lotto without a bonus")
            << int(GameTypeCode::Lotto) << 6 << 0 << "ON649.DBF" << 2 << "";
        QTest::newRow("powerball") << int(GameTypeCode::Powerball) << 6 << 1 << "PB545.DBF" << 2 << "NKQUPT";
        QTest::newRow("tri-state 5 card cash") << triState << 6 << 1 << "TS531.DBF" << 2 << "";
        QTest::newRow("tri-state 5/31 in lower case") << triState << 6 << 1 << "ts531.dbf" << 2 << "";
        QTest::newRow("tri-state 6/42 with a bonus") << triState << 7 << 1 << "TS642.DBF" << 2 << "NKQU";
        QTest::newRow("tri-state of 6 under another file") << triState << 6 << 2 << "MY.DBF" << 2 << "N";
        QTest::newRow("daily millions with a bonus")
            << int(GameTypeCode::DailyMillions) << 7 << 1 << "DM621.DBF" << 2 << "NPT";
        QTest::newRow("cards with a bonus")
            << int(GameTypeCode::CardReserved) << 6 << 1 << "CAD.DBF" << 3 << "NPT";
        QTest::newRow("keno of 6 drawn")
            << int(GameTypeCode::Keno) << 6 << 1 << "NYKENO.DBF" << 2 << "NKQUPT";
    }

    void bonusChoiceOffered() {
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QString, file);
        QFETCH(int, fieldWidth);
        QFETCH(QString, offered);
        LotteryDefinition definition = lotto(drawn, 49, bonus);
        definition.GameType = qint16(gameType);
        const std::pair<BonusChart, QChar> charts[] = {
            {BonusChart::NumberStatistics, u'N'}, {BonusChart::SkipAndHit, u'K'},
            {BonusChart::HitSequence, u'Q'},      {BonusChart::DrawingSummary, u'U'},
            {BonusChart::RepeatingPairs, u'P'},   {BonusChart::RepeatingTriples, u'T'},
        };
        QString got;
        for (const auto& [chart, letter] : charts)
            if (BonusOptions::offered(chart, definition, file, fieldWidth))
                got += letter;
        QCOMPARE(got, offered);
    }
};

QTEST_GUILESS_MAIN(TestCharts)
#include "test_charts.moc"
