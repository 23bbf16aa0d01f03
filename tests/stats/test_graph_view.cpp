// SPDX-License-Identifier: GPL-3.0-or-later
// What the graph windows draw from a temporary graph table, without a window: reading the four
// layouts, the part in view and how the tool bar moves it, the plot, the layout file and the rules
// for the caption and the rows shown at once.
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "stats/graph_config.h"
#include "stats/graph_table.h"
#include "stats/graph_tables.h"
#include "stats/graph_view.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

GraphData sample(int rows, int categories) {
    GraphData data;
    for (int c = 0; c < categories; ++c)
        data.categoryNames << QStringLiteral("C%1").arg(c);
    for (int r = 0; r < rows; ++r) {
        data.rowLabels << QString::number(r + 1);
        QList<double> values;
        for (int c = 0; c < categories; ++c)
            values << 10.0 * r + c;
        data.values << values;
    }
    return data;
}

LotteryDefinition lottery(int gameType, int lowest, int highest, int bonus, int highestBonus) {
    LotteryDefinition definition;
    definition.GameType = qint16(gameType);
    definition.LowestNumber = qint16(lowest);
    definition.HighestNumber = qint16(highest);
    definition.BonusNumbers = qint16(bonus);
    definition.HighestBonus = qint16(highestBonus);
    definition.Description = QStringLiteral("Test Lotto");
    return definition;
}

} // namespace

class TestGraphView final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheFourLayouts_data();
    void readsTheFourLayouts();
    void blankRecordsReadAsEmptyRowsOfZeros();
    void refusesATableWithoutTheLabelField();
    void rowNavigation_data();
    void rowNavigation();
    void categoryNavigation_data();
    void categoryNavigation();
    void plotOfTheWindowInView();
    void invertedPlotSwapsRowsAndCategories();
    void labelsAreMadeDistinct();
    void pieAndStockFigures();
    void layoutRoundTripsThroughJson();
    void badLayoutTextIsRefused_data();
    void badLayoutTextIsRefused();
    void storedLayoutIsBroughtWithinTheTable();
    void countOfNumbers_data();
    void countOfNumbers();
    void captionsCutTheName_data();
    void captionsCutTheName();
    void configurationsOfTheFourWindows();
};

void TestGraphView::readsTheFourLayouts_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("labelField");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("firstCategories");
    QTest::addColumn<int>("categories");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QList<double>>("firstValues");
    QTest::newRow("frequency") << "frequency"
                               << "NUMBER" << 49 << QStringList{"HOT", "PRIOR", "COLD", "DUE"} << 4 << "1"
                               << QList<double>{0, double(GraphTables::frequencyOf(1)), 0, 0};
    QTest::newRow("skip and hit") << "skip"
                                  << "NUMBER" << 10 << QStringList{"SKIP_0", "SKIP_1"} << 25 << "1"
                                  << QList<double>{1, 2, 3, 4, 0};
    QTest::newRow("hit sequence") << "hit"
                                  << "NUMBER" << 10 << QStringList{"HIT_1", "HIT_2"} << 25 << "1"
                                  << QList<double>{1, 2, 3, 4, 0};
    QTest::newRow("drawing summary") << "summary"
                                     << "DRAWDATE" << 30 << QStringList{"R0TO10", "R11TO20"} << 17
                                     << "01/01/2020" << QList<double>{0, 1, 2, 0, 1};
}

void TestGraphView::readsTheFourLayouts() {
    QFETCH(QString, kind);
    QFETCH(QString, labelField);
    QFETCH(int, rows);
    QFETCH(QStringList, firstCategories);
    QFETCH(int, categories);
    QFETCH(QString, firstLabel);
    QFETCH(QList<double>, firstValues);
    TempHome home;
    const QString path = home.path(QStringLiteral("TEMP.DBT"));
    if (kind == QLatin1String("frequency"))
        GraphTables::writeFrequency(path, rows);
    else if (kind == QLatin1String("skip"))
        GraphTables::writeNumberCounts(path, rows, QStringLiteral("SKIP_"), 0);
    else if (kind == QLatin1String("hit"))
        GraphTables::writeNumberCounts(path, rows, QStringLiteral("HIT_"), 1);
    else
        GraphTables::writeDrawingSummary(path, rows);

    DbfTable table;
    table.open(path);
    const GraphData data = readGraphTable(table, labelField);
    QCOMPARE(data.rowCount(), rows);
    QCOMPARE(data.categoryCount(), categories);
    QCOMPARE(data.categoryNames.mid(0, firstCategories.size()), firstCategories);
    QCOMPARE(data.rowLabels.first(), firstLabel);
    QCOMPARE(data.values.first().mid(0, firstValues.size()), firstValues);
    QCOMPARE(data.values.size(), qsizetype(rows));
    for (const QList<double>& row : data.values)
        QCOMPARE(row.size(), qsizetype(categories));
    if (kind == QLatin1String("summary")) {
        QCOMPARE(data.categoryNames.last(), QStringLiteral("SUM"));
        QCOMPARE(data.rowLabels.last(), QStringLiteral("01/30/2020"));
        QCOMPARE(data.values.last().last(), 129.0);
    }
}

void TestGraphView::blankRecordsReadAsEmptyRowsOfZeros() {
    TempHome home;
    const QString path = home.path(QStringLiteral("TEMP.DBT"));
    GraphTables::writeFrequency(path, 5, {2, 4});
    DbfTable table;
    table.open(path);
    const GraphData data = readGraphTable(table, QStringLiteral("NUMBER"));
    QCOMPARE(data.rowLabels, (QStringList{"1", "", "3", "", "5"}));
    QCOMPARE(data.values.at(1), (QList<double>{0, 0, 0, 0}));
    QCOMPARE(data.values.at(2), (QList<double>{0, 0, 0, double(GraphTables::frequencyOf(3))}));
}

void TestGraphView::refusesATableWithoutTheLabelField() {
    TempHome home;
    const QString path = home.path(QStringLiteral("TEMP.DBT"));
    GraphTables::writeFrequency(path, 3);
    DbfTable table;
    table.open(path);
    QVERIFY_THROWS_EXCEPTION(VantoroError, readGraphTable(table, QStringLiteral("DRAWDATE")));
}

void TestGraphView::rowNavigation_data() {
    QTest::addColumn<int>("rowsShown");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("visible");
    // 30 rows. Moves: f first, p prev, n next, l last, - fewer, + more.
    QTest::newRow("opens at the top") << 10 << "" << 0 << 10;
    QTest::newRow("next twice") << 10 << "nn" << 2 << 10;
    QTest::newRow("prev stops at the first") << 10 << "npp" << 0 << 10;
    QTest::newRow("last shows the last row") << 10 << "l" << 29 << 1;
    QTest::newRow("next stops at the last") << 10 << "lnn" << 29 << 1;
    QTest::newRow("near the end fewer remain") << 10 << "lpppp" << 25 << 5;
    QTest::newRow("first after last") << 10 << "lf" << 0 << 10;
    QTest::newRow("fewer") << 10 << "--" << 0 << 8;
    QTest::newRow("fewer stops at one") << 2 << "---" << 0 << 1;
    QTest::newRow("more") << 10 << "+" << 0 << 11;
    QTest::newRow("more than the table holds") << 40 << "" << 0 << 30;
}

void TestGraphView::rowNavigation() {
    QFETCH(int, rowsShown);
    QFETCH(QString, moves);
    QFETCH(int, firstRow);
    QFETCH(int, visible);
    GraphView view(30, 4);
    view.setRowsShown(rowsShown);
    for (QChar move : moves) {
        switch (move.toLatin1()) {
        case 'f':
            view.firstRow();
            break;
        case 'p':
            view.prevRow();
            break;
        case 'n':
            view.nextRow();
            break;
        case 'l':
            view.lastRow();
            break;
        case '-':
            view.fewerRows();
            break;
        case '+':
            view.moreRows();
            break;
        }
    }
    QCOMPARE(view.layout().firstRow, firstRow);
    QCOMPARE(view.visibleRows(), visible);
}

void TestGraphView::categoryNavigation_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("firstCategory");
    QTest::addColumn<int>("visible");
    // 25 categories, all shown at first. a: show all.
    QTest::newRow("all at first") << "" << 0 << 25;
    QTest::newRow("more stops at all") << "+" << 0 << 25;
    QTest::newRow("fewer, then next") << "-----n" << 1 << 20;
    QTest::newRow("next near the end") << "nnnnnnnnnnnnnnnnnnnnnnn" << 23 << 2;
    QTest::newRow("last") << "l" << 24 << 1;
    QTest::newRow("next stops at the last") << "lnn" << 24 << 1;
    QTest::newRow("prev stops at the first") << "p" << 0 << 25;
    QTest::newRow("first") << "nnnf" << 0 << 25;
    QTest::newRow("show all after moving and fewer") << "---nna" << 0 << 25;
    QTest::newRow("fewer stops at one") << QString(30, QLatin1Char('-')) << 0 << 1;
}

void TestGraphView::categoryNavigation() {
    QFETCH(QString, moves);
    QFETCH(int, firstCategory);
    QFETCH(int, visible);
    GraphView view(49, 25);
    for (QChar move : moves) {
        switch (move.toLatin1()) {
        case 'f':
            view.firstCategory();
            break;
        case 'p':
            view.prevCategory();
            break;
        case 'n':
            view.nextCategory();
            break;
        case 'l':
            view.lastCategory();
            break;
        case '-':
            view.fewerCategories();
            break;
        case '+':
            view.moreCategories();
            break;
        case 'a':
            view.showAllCategories();
            break;
        }
    }
    QCOMPARE(view.layout().firstCategory, firstCategory);
    QCOMPARE(view.visibleCategories(), visible);
}

void TestGraphView::plotOfTheWindowInView() {
    const GraphData data = sample(8, 4);
    GraphLayout layout;
    layout.firstRow = 2;
    layout.rowsShown = 3;
    layout.firstCategory = 1;
    layout.categoriesShown = 2;
    const GraphPlot plot = buildGraphPlot(data, layout);
    QCOMPARE(plot.axisLabels, (QStringList{"3", "4", "5"}));
    QCOMPARE(plot.series.size(), 2);
    QCOMPARE(plot.series.at(0).name, QStringLiteral("C1"));
    QCOMPARE(plot.series.at(0).values, (QList<double>{21, 31, 41}));
    QCOMPARE(plot.series.at(1).name, QStringLiteral("C2"));
    QCOMPARE(plot.series.at(1).values, (QList<double>{22, 32, 42}));

    // A window running past the end holds what is left.
    layout.firstRow = 6;
    QCOMPARE(buildGraphPlot(data, layout).axisLabels, (QStringList{"7", "8"}));
    // An empty table draws nothing.
    const GraphPlot empty = buildGraphPlot(GraphData(), layout);
    QVERIFY(empty.axisLabels.isEmpty());
    QVERIFY(empty.series.isEmpty());
}

void TestGraphView::invertedPlotSwapsRowsAndCategories() {
    const GraphData data = sample(5, 3);
    GraphLayout layout;
    layout.rowsShown = 2;
    layout.firstRow = 1;
    layout.categoriesShown = 3;
    layout.inverted = true;
    const GraphPlot plot = buildGraphPlot(data, layout);
    QCOMPARE(plot.axisLabels, (QStringList{"C0", "C1", "C2"}));
    QCOMPARE(plot.series.size(), 2);
    QCOMPARE(plot.series.at(0).name, QStringLiteral("2"));
    QCOMPARE(plot.series.at(0).values, (QList<double>{10, 11, 12}));
    QCOMPARE(plot.series.at(1).values, (QList<double>{20, 21, 22}));
}

void TestGraphView::labelsAreMadeDistinct() {
    GraphData data = sample(5, 1);
    data.rowLabels = QStringList{"1", "", "1", "", "3"};
    GraphLayout layout;
    layout.rowsShown = 5;
    const QStringList labels = buildGraphPlot(data, layout).axisLabels;
    QCOMPARE(labels, (QStringList{"1", " ", "1 ", "  ", "3"}));
    layout.inverted = true;
    QStringList names;
    for (const GraphSeries& series : buildGraphPlot(data, layout).series)
        names << series.name;
    QCOMPARE(names, labels);
}

void TestGraphView::pieAndStockFigures() {
    GraphPlot plot;
    plot.axisLabels = QStringList{"a", "b"};
    plot.series = {
        {QStringLiteral("x"), {3, 9}}, {QStringLiteral("y"), {7, 1}}, {QStringLiteral("z"), {5, 4}}};
    const QList<GraphSlice> slices = pieSlices(plot);
    QCOMPARE(slices.size(), 2);
    QCOMPARE(slices.at(0).label, QStringLiteral("a"));
    QCOMPARE(slices.at(0).value, 15.0);
    QCOMPARE(slices.at(1).value, 14.0);

    const QList<GraphStockBar> bars = stockBars(plot);
    QCOMPARE(bars.size(), 2);
    QCOMPARE(bars.at(0).open, 3.0);
    QCOMPARE(bars.at(0).close, 5.0);
    QCOMPARE(bars.at(0).low, 3.0);
    QCOMPARE(bars.at(0).high, 7.0);
    QCOMPARE(bars.at(1).open, 9.0);
    QCOMPARE(bars.at(1).close, 4.0);
    QCOMPARE(bars.at(1).low, 1.0);
    QCOMPARE(bars.at(1).high, 9.0);
    QVERIFY(stockBars(GraphPlot{plot.axisLabels, {}}).isEmpty());
}

void TestGraphView::layoutRoundTripsThroughJson() {
    GraphLayout layout;
    layout.type = GraphType::PercentStacked;
    layout.effect3D = true;
    layout.inverted = true;
    layout.firstRow = 7;
    layout.rowsShown = 12;
    layout.firstCategory = 2;
    layout.categoriesShown = 3;
    const std::optional<GraphLayout> back = GraphLayout::fromJson(layout.toJson());
    QVERIFY(back.has_value());
    QCOMPARE(*back, layout);
    for (int type = 0; type <= int(GraphType::Pie); ++type) {
        layout.type = GraphType(type);
        QCOMPARE(GraphLayout::fromJson(layout.toJson())->type, layout.type);
    }
    // Keys left out keep their defaults.
    const std::optional<GraphLayout> partial = GraphLayout::fromJson(R"({"type": "line", "filled": true})");
    QVERIFY(partial.has_value());
    QCOMPARE(partial->type, GraphType::Line);
    QVERIFY(partial->filled);
    QVERIFY(!partial->effect3D);
}

void TestGraphView::badLayoutTextIsRefused_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not json") << QByteArray("type=bar");
    QTest::newRow("an array") << QByteArray("[1, 2]");
    QTest::newRow("unknown type") << QByteArray(R"({"type": "radar"})");
}

void TestGraphView::badLayoutTextIsRefused() {
    QFETCH(QByteArray, json);
    QVERIFY(!GraphLayout::fromJson(json).has_value());
}

void TestGraphView::storedLayoutIsBroughtWithinTheTable() {
    GraphLayout stored;
    stored.firstRow = 80;
    stored.rowsShown = -3;
    stored.firstCategory = 9;
    stored.categoriesShown = 40;
    GraphView view(49, 4);
    view.setLayout(stored);
    QCOMPARE(view.layout().firstRow, 48);
    QCOMPARE(view.layout().rowsShown, 1);
    QCOMPARE(view.layout().firstCategory, 3);
    QCOMPARE(view.layout().categoriesShown, 4);
}

void TestGraphView::countOfNumbers_data() {
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("highestBonus");
    QTest::addColumn<int>("bonusOption");
    QTest::addColumn<int>("count");
    QTest::newRow("1 to 49") << 7 << 1 << 49 << 0 << 0 << 49;
    QTest::newRow("1 to 49, regular and bonus") << 7 << 1 << 49 << 0 << 1 << 49;
    QTest::newRow("0 to 9 daily game") << 5 << 0 << 9 << 0 << 0 << 10;
    QTest::newRow("bonus numbers only, highest bonus 42") << 8 << 1 << 59 << 42 << 2 << 42;
    QTest::newRow("bonus numbers only, 0 to 9") << 7 << 0 << 49 << 9 << 2 << 10;
    QTest::newRow("bonus only wins over Daily Millions") << 1 << 1 << 21 << 15 << 2 << 15;
    QTest::newRow("Daily Millions") << 1 << 1 << 21 << 0 << 0 << 63;
    QTest::newRow("Daily Millions with bonus") << 1 << 1 << 21 << 0 << 1 << 63;
    QTest::newRow("keno 1 to 80") << 3 << 1 << 80 << 0 << 0 << 80;
}

void TestGraphView::countOfNumbers() {
    QFETCH(int, gameType);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, highestBonus);
    QFETCH(int, bonusOption);
    QFETCH(int, count);
    const LotteryDefinition definition =
        lottery(gameType, lowest, highest, highestBonus > 0 ? 1 : 0, highestBonus);
    QCOMPARE(graphNumberCount(definition, bonusOption), count);
    QCOMPARE(frequencyGraphConfig(definition, bonusOption).rowsShown, count);
    QCOMPARE(skipHitGraphConfig(definition, bonusOption).rowsShown, count);
    QCOMPARE(hitSequenceGraphConfig(definition, bonusOption).rowsShown, count);
}

void TestGraphView::captionsCutTheName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("skipHit");
    QTest::addColumn<QString>("summary");
    QTest::newRow("short") << "Canada 6/49"
                           << "Frequency Graph (Canada 6/49)"
                           << "Skip and Hit Graph (Canada 6/49)"
                           << "Drawing Summary Graph (Canada 6/49)";
    // 30 characters: the frequency graph keeps 30 of them (17 + 30 = 47), the others 30 too.
    const QString thirty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    QTest::newRow("thirty") << thirty << "Frequency Graph (" + thirty + ")"
                            << "Skip and Hit Graph (" + thirty + ")"
                            << "Drawing Summary Graph (" + thirty + ")";
    // A longer name (a definition edited by another tool) is cut at the window's limit.
    const QString forty = thirty + QStringLiteral("abcdefghij");
    QTest::newRow("forty") << forty << "Frequency Graph (" + forty.left(30) + ")"
                           << "Skip and Hit Graph (" + forty.left(30) + ")"
                           << "Drawing Summary Graph (" + forty.left(30) + ")";
    QTest::newRow("empty") << ""
                           << "Frequency Graph ()"
                           << "Skip and Hit Graph ()"
                           << "Drawing Summary Graph ()";
}

void TestGraphView::captionsCutTheName() {
    QFETCH(QString, name);
    QFETCH(QString, frequency);
    QFETCH(QString, skipHit);
    QFETCH(QString, summary);
    LotteryDefinition definition = lottery(7, 1, 49, 0, 0);
    definition.Description = name;
    QCOMPARE(frequencyGraphConfig(definition, 0).caption, frequency);
    QCOMPARE(skipHitGraphConfig(definition, 0).caption, skipHit);
    QCOMPARE(hitSequenceGraphConfig(definition, 0).caption,
             QString(skipHit).replace(QStringLiteral("Skip and Hit"), QStringLiteral("Hit Sequence")));
    QCOMPARE(drawingSummaryGraphConfig(definition).caption, summary);
    QCOMPARE(graphCaption(QStringLiteral("Frequency Graph ("), name + name, 47).size(),
             std::min(qsizetype(47), 17 + 2 * name.size()) + 1);
}

void TestGraphView::configurationsOfTheFourWindows() {
    const LotteryDefinition definition = lottery(7, 1, 49, 0, 0);
    const GraphConfig frequency = frequencyGraphConfig(definition, 0);
    const GraphConfig skip = skipHitGraphConfig(definition, 0);
    const GraphConfig hit = hitSequenceGraphConfig(definition, 0);
    const GraphConfig summary = drawingSummaryGraphConfig(definition);
    QCOMPARE(frequency.className, QStringLiteral("TGraphForm"));
    QCOMPARE(skip.className, QStringLiteral("TGraph2Form"));
    QCOMPARE(hit.className, QStringLiteral("TGraph3Form"));
    QCOMPARE(summary.className, QStringLiteral("TGraph4Form"));
    for (const GraphConfig* config : {&frequency, &skip, &hit, &summary})
        QCOMPARE(config->hints.size(), 27);
    QCOMPARE(frequency.opens, GraphConfig::Opens::OnCreation);
    QCOMPARE(skip.opens, GraphConfig::Opens::OnActivation);
    QCOMPARE(summary.closes, GraphConfig::Closes::ReleasedWithWindow);
    QCOMPARE(frequency.closes, GraphConfig::Closes::ClosesTable);
    QCOMPARE(summary.labelField, QStringLiteral("DRAWDATE"));
    QCOMPARE(summary.rowsFromEnd, 10);
    QVERIFY(summary.fewerMoreRows && !frequency.fewerMoreRows);
    QVERIFY(frequency.firstButtonShowsAll && !skip.firstButtonShowsAll);
    // Each window keeps its own layout.
    QStringList files{frequency.layoutFile, skip.layoutFile, hit.layoutFile, summary.layoutFile};
    files.removeDuplicates();
    QCOMPARE(files.size(), 4);
}

QTEST_GUILESS_MAIN(TestGraphView)
#include "test_graph_view.moc"
