// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "drawings/drawing_list.h"
#include "drawings/drawing_search.h"
#include "lottery/drawing_table.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDate>
#include <QTest>

namespace {

using Drawings = QList<QStringList>; // date first, then the numbers

struct Opened {
    TempHome home;
    DbfTable table;
    LotteryDefinition definition;
};

// A lottery of `drawn` numbers (`bonus` of them bonus numbers) holding `drawings`, opened in date order.
void open(Opened& o, int drawn, int highest, int bonus, const Drawings& drawings) {
    LotteryBuilder builder(o.home.dataDir(), QStringLiteral("TS649"));
    builder.numbers(drawn, highest, bonus);
    for (const QStringList& d : drawings)
        builder.drawing(d.first(), d.mid(1));
    o.table.open(o.home.dataDir(), builder.build());
    o.table.SetOrder(1);
    o.definition = builder.def();
}

// `count` drawings on consecutive days from 01/01/2020, every one 01 02 03 04 05 06.
Drawings sameDrawings(int count) {
    Drawings drawings;
    for (int i = 0; i < count; ++i)
        drawings << (QStringList{QDate(2020, 1, 1).addDays(i).toString(QStringLiteral("MM/dd/yyyy"))}
                     << QStringList{"01", "02", "03", "04", "05", "06"});
    return drawings;
}

} // namespace

class TestDrawingSearch final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void searchLines_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QStringList>("drawing");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<bool>("includeBonus");
        QTest::addColumn<QStringList>("lines");

        const QStringList six{"01/02/2020", "05", "09", "12", "20", "41", "44"};
        QTest::newRow("two of three reach two") << 6 << 0 << six << QStringList{"05", "12", "33"} << 2
                                                << false << QStringList{"01/02/2020  05 12 "};
        QTest::newRow("two of three miss three")
            << 6 << 0 << six << QStringList{"05", "12", "33"} << 3 << false << QStringList{};
        QTest::newRow("matches in field order")
            << 6 << 0 << six << QStringList{"44", "09"} << 1 << false << QStringList{"01/02/2020  09 44 "};
        QTest::newRow("7 is not 07") << 6 << 0 << six << QStringList{"5"} << 1 << false << QStringList{};
        QTest::newRow("a number twice counts twice")
            << 6 << 0 << six << QStringList{"05", "05"} << 2 << false << QStringList{"01/02/2020  05 05 "};
        QTest::newRow("no numbers, no drawing")
            << 6 << 0 << six << QStringList{} << 1 << false << QStringList{};
        const QStringList withBonus{"01/02/2020", "05", "09", "12", "20", "41", "44", "33"};
        QTest::newRow("bonus field not examined")
            << 7 << 1 << withBonus << QStringList{"05", "33"} << 2 << false << QStringList{};
        QTest::newRow("bonus field examined") << 7 << 1 << withBonus << QStringList{"05", "33"} << 2 << true
                                              << QStringList{"01/02/2020  05 33 "};
        const QStringList pick{"01/02/2020", "7", "0", "7"};
        QTest::newRow("one-digit fields")
            << 3 << 0 << pick << QStringList{"7"} << 2 << false << QStringList{"01/02/2020  7 7 "};
        // A number stored as typed into a two-character field ("7 ") loses its blank before comparing.
        const QStringList unpadded{"01/02/2020", "7", "09", "12", "20", "41", "44"};
        QTest::newRow("stored without its zero")
            << 6 << 0 << unpadded << QStringList{"7"} << 1 << false << QStringList{"01/02/2020  7 "};
    }

    void searchLines() {
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QStringList, drawing);
        QFETCH(QStringList, numbers);
        QFETCH(int, minimum);
        QFETCH(bool, includeBonus);
        QFETCH(QStringList, lines);
        Opened o;
        open(o, drawn, drawn == 3 ? 9 : 49, bonus, {drawing});
        DrawingSearchOptions options;
        options.numbers = numbers;
        options.minimumHits = minimum;
        options.includeBonus = includeBonus;
        options.to = 1;
        QCOMPARE(DrawingSearch::run(o.table, o.definition, options).lines, lines);
    }

    void rangeExaminesOnlyItsPositions() {
        Opened o;
        open(o, 6, 49, 0, sameDrawings(25));
        DrawingSearchOptions options;
        options.numbers = {"01", "02"};
        options.minimumHits = 2;
        options.from = 10;
        options.to = 20;
        const DrawingSearchResult result = DrawingSearch::run(o.table, o.definition, options);
        QCOMPARE(result.lines.size(), 11);
        QCOMPARE(result.lines.first(), QStringLiteral("01/10/2020  01 02 "));
        QCOMPARE(result.lines.last(), QStringLiteral("01/20/2020  01 02 "));
        QCOMPARE(result.numbersLabel, QStringLiteral("Search Numbers: 01 02 "));
        QCOMPARE(result.drawingsLabel, QStringLiteral("Drawings: 10 to 20"));
        QCOMPARE(o.table.OrderPosition(), 20); // left at the last drawing examined

        options.from = 24;
        options.to = 99;
        QCOMPARE(DrawingSearch::run(o.table, o.definition, options).lines.size(), 2);
        options.from = 26;
        QVERIFY(DrawingSearch::run(o.table, o.definition, options).lines.isEmpty());
    }

    void searchNumbersAreCleanedAsTheFieldsDo_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two characters") << 2 << QStringList{"07", "AB", "12", "00"};
        QTest::newRow("one character") << 1 << QStringList{"7", "AB", "12", "0"};
    }

    void searchNumbersAreCleanedAsTheFieldsDo() {
        QFETCH(int, width);
        QFETCH(QStringList, expected);
        QCOMPARE(DrawingSearch::searchNumbers({"7", "", "ab", " ", "12", "0"}, width), expected);
    }

    void drawingListRange() {
        Opened o;
        Drawings drawings = sameDrawings(6);
        drawings[3] = QStringList{"01/04/2020", "05", "09", "12", "20", "41", "44", "33"};
        open(o, 7, 49, 1, drawings);
        o.table.GoTop();
        o.table.Skip(1);
        const int place = o.table.recordNumber();

        const std::vector<DrawingListLine> lines = DrawingList::lines(o.table, 7, 3, 5);
        QCOMPARE(int(lines.size()), 3);
        QCOMPARE(lines[0].position, QStringLiteral("00003)  "));
        QCOMPARE(lines[1].position, QStringLiteral("00004)  "));
        QCOMPARE(lines[2].position, QStringLiteral("00005)  "));
        QCOMPARE(lines[1].text, QStringLiteral("01/04/2020  05 09 12 20 41 44 33 "));
        QCOMPARE(o.table.recordNumber(), place);

        QCOMPARE(int(DrawingList::lines(o.table, 7, 5, 50).size()), 2);
        QVERIFY(DrawingList::lines(o.table, 7, 7, 9).empty());
        QVERIFY(DrawingList::lines(o.table, 7, 4, 3).empty());
    }

    void drawingListPositionsKeepFiveDigitsAtLeast() {
        Opened o;
        open(o, 3, 9, 0, {});
        DbfTable& t = o.table;
        for (int i = 0; i < 3; ++i) {
            t.append();
            t.setFieldDate(DrawingTable::DateField,
                           QDate(2001, 1, 1).addDays(i).toString(QStringLiteral("MM/dd/yyyy")));
            t.SetField(QStringLiteral("P1"), QStringLiteral("7"));
            t.post();
        }
        const std::vector<DrawingListLine> lines = DrawingList::lines(t, 3, 1, 3);
        QCOMPARE(lines.back().position, QStringLiteral("00003)  "));
        // One-character fields come back blank-padded to their width: nothing to pad here.
        QCOMPARE(lines.front().text, QStringLiteral("01/01/2001  7     "));
    }

    void columnsByNumbersDrawn_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("columns");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("4") << 4 << 3;
        QTest::newRow("5") << 5 << 2;
        QTest::newRow("8") << 8 << 2;
        QTest::newRow("9") << 9 << 1;
        QTest::newRow("22") << 22 << 1;
    }

    void columnsByNumbersDrawn() {
        QFETCH(int, drawn);
        QFETCH(int, columns);
        QCOMPARE(DrawingList::columnsFor(drawn), columns);
    }
};

QTEST_GUILESS_MAIN(TestDrawingSearch)
#include "test_drawing_search.moc"
