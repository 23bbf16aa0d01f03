// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

// 25 cells of "00" with the given ones set, as the skip-and-hit grid row lists them.
QString skipRow(const QString& label, std::initializer_list<std::pair<int, const char*>> cells) {
    QStringList row(25, QStringLiteral("00"));
    for (const auto& [k, text] : cells)
        row[k] = QLatin1String(text);
    return label + QLatin1Char(' ') + row.join(QLatin1Char(' '));
}

// Four drawings of 4 of 1..10 and a bonus number. (Four drawn would make one-digit fields.)
void buildSmallLottery(const TempHome& home) {
    LotteryBuilder(home.dataDir(), QStringLiteral("TS410"))
        .numbers(5, 10, 1)
        .description(QStringLiteral("Test 4/10"))
        .drawing(QStringLiteral("01/01/2020"), {"01", "02", "05", "06", "03"})
        .drawing(QStringLiteral("01/02/2020"), {"01", "03", "07", "08", "04"})
        .drawing(QStringLiteral("01/03/2020"), {"02", "03", "09", "10", "01"})
        .drawing(QStringLiteral("01/04/2020"), {"01", "02", "07", "09", "04"})
        .build();
}

// A TEMP.DBT line: the label and 25 values, zero but for the given ones.
QString graphLine(int number, std::initializer_list<std::pair<int, int>> values) {
    QStringList line(26, QStringLiteral("0"));
    line[0] = QString::number(number);
    for (const auto& [k, value] : values)
        line[k + 1] = QString::number(value);
    return line.join(QLatin1Char(','));
}

} // namespace

class TestCliCharts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The grid worked out by hand, then TEMP.DBT as written; a cutoff above the drawings uses all.
    void skipHitLines() {
        TempHome home;
        buildSmallLottery(home);
        const CliRun run = runCli(home, {"skiphit", "--lottery", "TS410.DBF", "--cutoff", "9"});
        QCOMPARE(run.status, 0);
        QStringList header{QString()};
        for (int k = 0; k < 24; ++k)
            header << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        header << QStringLiteral("24+");
        const QStringList expected{header.join(QLatin1Char(' ')),
                                   skipRow(QStringLiteral("01"), {{0, "01"}, {1, "01"}}),
                                   skipRow(QStringLiteral("02"), {{0, "01"}, {1, "01"}}),
                                   skipRow(QStringLiteral("03"), {{0, "01"}}),
                                   skipRow(QStringLiteral("04"), {}),
                                   skipRow(QStringLiteral("05"), {}),
                                   skipRow(QStringLiteral("06"), {}),
                                   skipRow(QStringLiteral("07"), {{1, "01"}}),
                                   skipRow(QStringLiteral("08"), {}),
                                   skipRow(QStringLiteral("09"), {{0, "01"}}),
                                   skipRow(QStringLiteral("10"), {}),
                                   QStringLiteral("[Graph]"),
                                   graphLine(1, {{0, 1}, {1, 1}}),
                                   graphLine(2, {{0, 1}, {1, 1}}),
                                   graphLine(3, {{0, 1}}),
                                   graphLine(4, {}),
                                   graphLine(5, {}),
                                   graphLine(6, {}),
                                   graphLine(7, {{1, 1}}),
                                   graphLine(8, {}),
                                   graphLine(9, {{0, 1}}),
                                   graphLine(10, {})};
        QCOMPARE(run.out, expected);
        // The header's empty first cell keeps its blank.
        QVERIFY(run.output.startsWith(QLatin1String(" 00 01")));

        const CliRun withBonus = runCli(home, {"skiphit", "--lottery", "TS410.DBF", "--bonus", "1"});
        QCOMPARE(withBonus.out.mid(1, 4), (QStringList{skipRow(QStringLiteral("01"), {{0, "03"}}),
                                                       skipRow(QStringLiteral("02"), {{0, "01"}, {1, "01"}}),
                                                       skipRow(QStringLiteral("03"), {{0, "02"}}),
                                                       skipRow(QStringLiteral("04"), {{1, "01"}})}));
    }

    // Cells of two characters, empty ones blank, as the grid shows four drawings; then TEMP.DBT.
    void sequenceLines() {
        TempHome home;
        buildSmallLottery(home);
        const CliRun run = runCli(home, {"sequence", "--lottery", "TS410.DBF", "--bonus", "1"});
        QCOMPARE(run.status, 0);
        const QString blanks = QStringLiteral("   ").repeated(21); // 21 empty cells and their blanks
        QStringList header{QStringLiteral("  ")};
        for (int k = 25; k >= 1; --k)
            header << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        QCOMPARE(run.out.first(), header.join(QLatin1Char(' ')));
        QCOMPARE(run.out.mid(1, 4),
                 (QStringList{QStringLiteral("01 ") + blanks + QStringLiteral("## ## BB ##"),
                              QStringLiteral("02 ") + blanks + QStringLiteral("## 01 ## ##"),
                              QStringLiteral("03 ") + blanks + QStringLiteral("BB ## ## 01"),
                              QStringLiteral("04 ") + blanks + QStringLiteral("01 BB 01 BB")}));
        const int graph = run.out.indexOf(QStringLiteral("[Graph]"));
        QCOMPARE(graph, 11);
        QCOMPARE(run.out.at(graph + 1),
                 QStringLiteral("1") + QStringLiteral(",0").repeated(21) + QStringLiteral(",2,1,2,2"));
        QCOMPARE(run.out.at(graph + 4),
                 QStringLiteral("4") + QStringLiteral(",0").repeated(21) + QStringLiteral(",1,0,1,0"));
    }

    // The drop-down lines, then each count's list in the same order; --bonus counts the fifth field.
    void pairsAndTriplesLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pairs") << QStringList{"pairs"}
                               << QStringList{"[Occurrences]",     "   02              (003)",
                                              "[Count 02]",        "          01 - 02",
                                              "          01 - 07", "          02 - 09"};
        QTest::newRow("pairs with the bonus")
            << QStringList{"pairs", "--bonus"}
            << QStringList{"[Occurrences]",     "   03              (002)", "   02              (006)",
                           "[Count 03]",        "          01 - 02",        "          01 - 03",
                           "[Count 02]",        "          01 - 04",        "          01 - 07",
                           "          01 - 09", "          02 - 03",        "          02 - 09",
                           "          04 - 07"};
        QTest::newRow("triples, cutoff 3")
            << QStringList{"triples", "--cutoff", "3"} << QStringList{"[Occurrences]"};
        QTest::newRow("triples with the bonus")
            << QStringList{"triples", "--bonus"}
            << QStringList{"[Occurrences]",        "   02              (003)", "[Count 02]",
                           "        01 - 02 - 03", "        01 - 02 - 09",     "        01 - 04 - 07"};
    }
    void pairsAndTriplesLines() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        TempHome home;
        buildSmallLottery(home);
        const CliRun run = runCli(home, arguments + QStringList{"--lottery", "TS410.DBF"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, expected);
    }

    // Rows of TEMP.DBT (every band, dates as MM/DD/YYYY), then the grid's average and percent.
    void summaryLines() {
        TempHome home;
        buildSmallLottery(home);
        const CliRun run = runCli(home, {"summary", "--lottery", "TS410.DBF", "--hot", "1"});
        QCOMPARE(run.status, 0);
        // Rows 2 to 4 (Hc 1), all numbers up to 10. 01/02: 01 prior, 03 and 07 due (F 3 - 1 >= 9 div
        // 4), 08 cold; 01/03: 03 prior, the rest below 16 div 4; 01/04: 02, 09 prior, 01, 07 due.
        QCOMPARE(run.out, (QStringList{"[Rows]", "01/02/2020,4,0,0,0,0,0,0,0,0,0,0,1,1,2,3,1,19",
                                       "01/03/2020,4,0,0,0,0,0,0,0,0,0,0,1,3,0,2,2,24",
                                       "01/04/2020,4,0,0,0,0,0,0,0,0,0,0,2,0,2,3,1,19",
                                       "Average:   4.0  0.0  1.3  1.3  1.3  2.7  1.3 20.7",
                                       "Percent: 100.0  0.0 33.3 33.3 33.3 66.7 33.3 100.0"}));
    }

    // Bad input ends with a message and the right status, never a crash.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank field") << QStringList{"skiphit", "--lottery", "BAD.DBF"} << 1
                                     << "Drawing 00002 (01/02/2020): field P2 is blank.";
        QTest::newRow("bonus not offered") << QStringList{"skiphit", "--lottery", "BAD.DBF", "--bonus", "1"}
                                           << 2 << "offers no bonus-number choice";
        QTest::newRow("bonus out of range")
            << QStringList{"skiphit", "--lottery", "TS410.DBF", "--bonus", "3"} << 2 << "takes 0, 1 or 2";
        QTest::newRow("pairs: bonus not offered")
            << QStringList{"pairs", "--lottery", "BAD.DBF", "--bonus"} << 2 << "Include Bonus #";
        QTest::newRow("pairs: blank field") << QStringList{"pairs", "--lottery", "BAD.DBF"} << 1
                                            << "Drawing 00002 (01/02/2020): field P2 is blank.";
        QTest::newRow("triples: no such count")
            << QStringList{"triples", "--lottery", "TS410.DBF", "--pdf", "x.pdf", "--count", "7"} << 2
            << "--count";
        QTest::newRow("summary: not enough drawings")
            << QStringList{"summary", "--lottery", "TS410.DBF", "--hot", "4"} << 1
            << "There are not enough drawings in your drawing file for the Drawing Summary Chart.";
        QTest::newRow("summary: negative hot cutoff")
            << QStringList{"summary", "--lottery", "TS410.DBF", "--hot", "-2"} << 2 << "--hot";
        QTest::newRow("negative cutoff")
            << QStringList{"skiphit", "--lottery", "TS410.DBF", "--cutoff", "-1"} << 2 << "--cutoff";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempHome home;
        buildSmallLottery(home);
        LotteryBuilder(home.dataDir(), QStringLiteral("BAD"))
            .numbers(5, 20)
            .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05"})
            .drawing(QStringLiteral("01/02/2020"), {"03", "", "06", "07", "08"})
            .build();
        const CliRun run = runCli(home, arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // --pdf writes the printout beside the listing.
    void printouts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("skiphit") << QStringList{"skiphit"};
        QTest::newRow("sequence") << QStringList{"sequence"};
        QTest::newRow("pairs") << QStringList{"pairs"};
        QTest::newRow("summary") << QStringList{"summary", "--hot", "1"};
        QTest::newRow("triples, a chosen count") << QStringList{"triples", "--bonus", "--count", "2"};
    }
    void printouts() {
        QFETCH(QStringList, arguments);
        TempHome home;
        buildSmallLottery(home);
        const QString pdf = home.path(QStringLiteral("chart.pdf"));
        const CliRun run = runCli(home, arguments + QStringList{"--lottery", "TS410.DBF", "--pdf", pdf});
        QCOMPARE(run.status, 0);
        QVERIFY(home.readFile(QStringLiteral("chart.pdf")).startsWith("%PDF"));
    }
};

QTEST_GUILESS_MAIN(TestCliCharts)
#include "test_cli_charts.moc"
