// SPDX-License-Identifier: GPL-3.0-or-later
// The graph windows over hand-made TEMP.DBT tables of each layout, driven through their tool bars.
#include "gui/report_preview_form.h"
#include "gui/report_setup_form.h"
#include "gui/report_system.h"
#include "lottery/current_lottery.h"
#include "report/recording_canvas.h"
#include "stats/graph_form.h"
#include "stats/graph_tables.h"
#include "stats/graph_window.h"
#include "support/pdf_pages.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPieSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

using Button = TGraphWindow::Button;

// Answers the report's set-up window (file or preview destination) and whatever comes after it.
class ScriptedReportSystem final : public ReportSystem {
public:
    QString fileName; // empty: the preview

private:
    int answer(QDialog& dialog) {
        if (auto* setup = qobject_cast<TReportSetupForm*>(&dialog)) {
            QTest::mouseClick(fileName.isEmpty() ? setup->PreviewRadio : setup->FileRadio, Qt::LeftButton);
            if (!fileName.isEmpty())
                setup->FileNameEdit->setText(fileName);
            QTest::mouseClick(setup->OKBtn, Qt::LeftButton);
            return dialog.result();
        }
        return QDialog::Accepted; // the preview, looked at and closed
    }
    ScriptedModal m_modal{[this](QDialog& dialog) { return answer(dialog); }};

public:
    const QStringList& asked = m_modal.asked;
};

LotteryDefinition sixFortyNine() {
    LotteryDefinition definition;
    definition.GameType = 7;
    definition.Description = QStringLiteral("Canada 6/49");
    definition.NumbersDrawn = 7;
    definition.BonusNumbers = 1;
    definition.LowestNumber = 1;
    definition.HighestNumber = 49;
    definition.HighestBonus = 49;
    return definition;
}

void click(TGraphWindow& window, Button button) {
    auto* tool = window.findChild<QToolButton*>(TGraphWindow::buttonName(button));
    QVERIFY2(tool, qPrintable(TGraphWindow::buttonName(button)));
    QTest::mouseClick(tool, Qt::LeftButton);
}

QStringList seriesNames(const GraphPlot& plot) {
    QStringList names;
    for (const GraphSeries& series : plot.series)
        names << series.name;
    return names;
}

const QStringList CommonFirst{"Copy To Clipboard", "Print Graph"};
const QStringList CommonLast{"Display Bar Graph",
                             "Display StockBar Graph",
                             "Display Line Graph",
                             "Display Stacked Graph",
                             "Display Percent Stacked Graph",
                             "Display Horiz Bar Graph",
                             "Display GANTT",
                             "Display Pie Graph",
                             "Effect 3D For All Columns",
                             "Effect Filled For All Columns",
                             "Invert Row/Column Access Methods",
                             "About The Graph Engine",
                             "Load Graph Layout",
                             "Save Graph Layout",
                             "No Function"};

} // namespace

class TestGraphForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void captionAndHints_data();
    void captionAndHints();
    void rowsShownAtOnce_data();
    void rowsShownAtOnce();
    void numberNavigationMovesTheRows();
    void categoryButtonsOfTheFrequencyGraph();
    void categoryButtonsOfTheSkipGraph();
    void drawingSummaryOpensOnTheLastTenDates();
    void typeButtonsSwitchTheGraph_data();
    void typeButtonsSwitchTheGraph();
    void effectsAndInvert();
    void layoutIsSavedAndRestored();
    void loadLayoutWithoutOneSaysSo();
    void unreadableLayoutIsReportedAndIgnored();
    void copyPutsTheGraphOnTheClipboard();
    void printWritesTheGraphAsAPdfPage();
    void printPreviewShowsTheGraph();
    void aboutAndNoFunction();
    void tableOpensAndClosesAsConfigured();
    void missingTableIsReportedWithoutAWindow();
    void showFrequencyGraphOpensMaximisedAndModal();
    void secondChartReplacesTheFirstTable();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<CurrentLottery> m_lottery;
    QString tempPath() const { return m_home->path(QStringLiteral("TEMP.DBT")); }
    GraphConfig configFor(const QString& kind) const;
    void writeTableFor(const QString& kind, int rows = 0);
};

void TestGraphForm::init() {
    m_prompts.reset();
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_lottery = std::make_unique<CurrentLottery>();
    m_lottery->setHomeDir(m_home->dir());
    m_lottery->setDefinition(sixFortyNine());
}

GraphConfig TestGraphForm::configFor(const QString& kind) const {
    const LotteryDefinition& definition = m_lottery->definition();
    if (kind == QLatin1String("skip"))
        return skipHitGraphConfig(definition, 0);
    if (kind == QLatin1String("hit"))
        return hitSequenceGraphConfig(definition, 0);
    if (kind == QLatin1String("summary"))
        return drawingSummaryGraphConfig(definition);
    return frequencyGraphConfig(definition, 0);
}

void TestGraphForm::writeTableFor(const QString& kind, int rows) {
    if (kind == QLatin1String("skip"))
        GraphTables::writeNumberCounts(tempPath(), rows ? rows : 49, QStringLiteral("SKIP_"), 0);
    else if (kind == QLatin1String("hit"))
        GraphTables::writeNumberCounts(tempPath(), rows ? rows : 49, QStringLiteral("HIT_"), 1);
    else if (kind == QLatin1String("summary"))
        GraphTables::writeDrawingSummary(tempPath(), rows ? rows : 30);
    else
        GraphTables::writeFrequency(tempPath(), rows ? rows : 49);
}

void TestGraphForm::captionAndHints_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("middle");
    QTest::newRow("frequency") << "frequency"
                               << "TGraphForm"
                               << "Frequency Graph (Canada 6/49)"
                               << QStringList{"Move To First Number",     "Move To Prev Number",
                                              "Move To Next Number",      "Move To Last Number",
                                              "Show All Categories",      "Move To Prev Category",
                                              "Move To Next Category",    "Move To Last Category",
                                              "Display Fewer Categories", "Display More Categories"};
    QTest::newRow("skip and hit") << "skip"
                                  << "TGraph2Form"
                                  << "Skip and Hit Graph (Canada 6/49)"
                                  << QStringList{
                                         "Move To First Number",          "Move To Prev Number",
                                         "Move To Next Number",           "Move To Last Number",
                                         "Move To First Skip Category",   "Move To Prev Skip Category",
                                         "Move To Next Skip Category",    "Move To Last Skip Category",
                                         "Display Fewer Skip Categories", "Display More Skip Categories"};
    QTest::newRow("hit sequence") << "hit"
                                  << "TGraph3Form"
                                  << "Hit Sequence Graph (Canada 6/49)"
                                  << QStringList{
                                         "Move To First Number",         "Move To Prev Number",
                                         "Move To Next Number",          "Move To Last Number",
                                         "Move To First Hit Category",   "Move To Prev Hit Category",
                                         "Move To Next Hit Category",    "Move To Last Hit Category",
                                         "Display Fewer Hit Categories", "Display More Hit Categories"};
    QTest::newRow("drawing summary") << "summary"
                                     << "TGraph4Form"
                                     << "Drawing Summary Graph (Canada 6/49)"
                                     << QStringList{"Move To First Date",     "Move To Prev Date",
                                                    "Move To Next Date",      "Move To Last Date",
                                                    "Move To First Category", "Move To Prev Category",
                                                    "Move To Next Category",  "Move To Last Category",
                                                    "Display Fewer Dates",    "Display More Dates"};
}

void TestGraphForm::captionAndHints() {
    QFETCH(QString, kind);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QStringList, middle);
    writeTableFor(kind);
    TGraphWindow window(configFor(kind), m_home->dir());
    window.show();
    QCOMPARE(window.objectName(), className);
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.chart()->title(), caption);
    const QStringList hints = CommonFirst + middle + CommonLast;
    QCOMPARE(hints.size(), 27);
    for (int number = 1; number <= 27; ++number) {
        auto* tool = window.findChild<QToolButton*>(TGraphWindow::buttonName(Button(number)));
        QVERIFY2(tool, qPrintable(QString::number(number)));
        QCOMPARE(tool->toolTip(), hints.at(number - 1));
        QVERIFY(tool->isEnabled());
    }
    // In tool-bar order, left to right.
    int lastX = -1;
    for (int number = 1; number <= 27; ++number) {
        auto* tool = window.findChild<QToolButton*>(TGraphWindow::buttonName(Button(number)));
        QVERIFY(tool->x() > lastX);
        lastX = tool->x();
    }
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowSystemMenuHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(m_prompts->shown.isEmpty());
}

void TestGraphForm::rowsShownAtOnce_data() {
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("highestBonus");
    QTest::addColumn<int>("bonusOption");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("rowsShown");
    QTest::newRow("1 to 49") << 7 << 1 << 49 << 49 << 0 << 49 << 49;
    QTest::newRow("0 to 9 daily game") << 5 << 0 << 9 << 0 << 0 << 10 << 10;
    QTest::newRow("bonus numbers only, highest 42") << 8 << 1 << 59 << 42 << 2 << 42 << 42;
    QTest::newRow("Daily Millions") << 1 << 1 << 21 << 0 << 0 << 63 << 63;
    QTest::newRow("0 to 36") << 7 << 0 << 36 << 0 << 1 << 37 << 37;
}

void TestGraphForm::rowsShownAtOnce() {
    QFETCH(int, gameType);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, highestBonus);
    QFETCH(int, bonusOption);
    QFETCH(int, records);
    QFETCH(int, rowsShown);
    LotteryDefinition definition = m_lottery->definition();
    definition.GameType = qint16(gameType);
    definition.LowestNumber = qint16(lowest);
    definition.HighestNumber = qint16(highest);
    definition.HighestBonus = qint16(highestBonus);
    m_lottery->setDefinition(definition);
    // A table one record longer than the count shows that the count, not the table, decides.
    GraphTables::writeFrequency(tempPath(), records + 1);
    TGraphForm form(*m_lottery, bonusOption);
    form.show();
    QCOMPARE(form.view().layout().rowsShown, rowsShown);
    QCOMPARE(form.plot().axisLabels.size(), qsizetype(rowsShown));
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("1"));
    QCOMPARE(form.plot().axisLabels.last(), QString::number(rowsShown));
}

void TestGraphForm::numberNavigationMovesTheRows() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    QCOMPARE(form.plot().axisLabels.size(), 49);
    click(form, Button::NextRowBtn);
    click(form, Button::NextRowBtn);
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("3"));
    QCOMPARE(form.plot().axisLabels.size(), 47);
    QCOMPARE(form.plot().series.at(GraphTables::classOf(3) == QLatin1String("DUE") ? 3 : 0).values.first(),
             double(GraphTables::frequencyOf(3)));
    click(form, Button::PrevRowBtn);
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("2"));
    click(form, Button::LastRowBtn);
    QCOMPARE(form.plot().axisLabels, QStringList{QStringLiteral("49")});
    click(form, Button::NextRowBtn);
    QCOMPARE(form.plot().axisLabels, QStringList{QStringLiteral("49")});
    click(form, Button::FirstRowBtn);
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("1"));
    click(form, Button::PrevRowBtn);
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("1"));
    // The chart follows the plot: one bar per row in every set.
    auto* bars = qobject_cast<QAbstractBarSeries*>(form.chart()->series().first());
    QVERIFY(bars);
    QCOMPARE(bars->barSets().first()->count(), 49);
}

void TestGraphForm::categoryButtonsOfTheFrequencyGraph() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    const QStringList all{"HOT", "PRIOR", "COLD", "DUE"};
    QCOMPARE(seriesNames(form.plot()), all);
    click(form, Button::FewerBtn);
    QCOMPARE(seriesNames(form.plot()), (QStringList{"HOT", "PRIOR", "COLD"}));
    click(form, Button::NextCategoryBtn);
    QCOMPARE(seriesNames(form.plot()), (QStringList{"PRIOR", "COLD", "DUE"}));
    click(form, Button::LastCategoryBtn);
    QCOMPARE(seriesNames(form.plot()), QStringList{"DUE"});
    click(form, Button::PrevCategoryBtn);
    QCOMPARE(seriesNames(form.plot()), (QStringList{"COLD", "DUE"}));
    click(form, Button::MoreBtn);
    click(form, Button::MoreBtn);
    QCOMPARE(form.view().layout().categoriesShown, 4);
    // Button 7 of the frequency graph shows every category again, from the first.
    click(form, Button::FewerBtn);
    click(form, Button::FirstCategoryBtn);
    QCOMPARE(seriesNames(form.plot()), all);
    QCOMPARE(form.chart()->series().size(), 1);
    QCOMPARE(qobject_cast<QAbstractBarSeries*>(form.chart()->series().first())->count(), 4);
}

void TestGraphForm::categoryButtonsOfTheSkipGraph() {
    writeTableFor(QStringLiteral("skip"));
    TGraphWindow window(configFor(QStringLiteral("skip")), m_home->dir());
    window.show();
    QCOMPARE(window.plot().series.size(), 25);
    for (int i = 0; i < 20; ++i)
        click(window, Button::FewerBtn);
    click(window, Button::NextCategoryBtn);
    click(window, Button::NextCategoryBtn);
    QCOMPARE(seriesNames(window.plot()), (QStringList{"SKIP_2", "SKIP_3", "SKIP_4", "SKIP_5", "SKIP_6"}));
    // Here button 7 moves to the first category and keeps the number shown.
    click(window, Button::FirstCategoryBtn);
    QCOMPARE(seriesNames(window.plot()), (QStringList{"SKIP_0", "SKIP_1", "SKIP_2", "SKIP_3", "SKIP_4"}));
    QCOMPARE(window.view().layout().rowsShown, 49);
}

void TestGraphForm::drawingSummaryOpensOnTheLastTenDates() {
    writeTableFor(QStringLiteral("summary"), 30);
    TGraphWindow window(configFor(QStringLiteral("summary")), m_home->dir());
    window.show();
    QCOMPARE(window.plot().axisLabels.size(), 10);
    QCOMPARE(window.plot().axisLabels.first(), QStringLiteral("01/21/2020"));
    QCOMPARE(window.plot().axisLabels.last(), QStringLiteral("01/30/2020"));
    QCOMPARE(window.plot().series.size(), 17);
    // Buttons 11 and 12 change the dates in view here.
    click(window, Button::FewerBtn);
    QCOMPARE(window.plot().axisLabels.size(), 9);
    QCOMPARE(window.plot().series.size(), 17);
    click(window, Button::MoreBtn);
    click(window, Button::MoreBtn);
    QCOMPARE(window.plot().axisLabels.size(), 10); // only ten dates from the 21st
    click(window, Button::FirstRowBtn);
    QCOMPARE(window.plot().axisLabels.size(), 11);
    QCOMPARE(window.plot().axisLabels.first(), QStringLiteral("01/01/2020"));
    click(window, Button::NextCategoryBtn);
    QCOMPARE(window.plot().series.first().name, QStringLiteral("R11TO20"));

    // Fewer drawings than ten: all of them from the first.
    writeTableFor(QStringLiteral("summary"), 4);
    TGraphWindow shortOne(configFor(QStringLiteral("summary")), m_home->dir());
    shortOne.show();
    QCOMPARE(shortOne.plot().axisLabels.size(), 4);
    QCOMPARE(shortOne.plot().axisLabels.first(), QStringLiteral("01/01/2020"));
}

void TestGraphForm::typeButtonsSwitchTheGraph_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("seriesType");
    QTest::addColumn<int>("seriesCount");
    QTest::newRow("bar") << int(Button::BarBtn) << int(QAbstractSeries::SeriesTypeBar) << 1;
    QTest::newRow("stock bar") << int(Button::StockBarBtn) << int(QAbstractSeries::SeriesTypeCandlestick)
                               << 1;
    QTest::newRow("line") << int(Button::LineBtn) << int(QAbstractSeries::SeriesTypeLine) << 4;
    QTest::newRow("stacked") << int(Button::StackedBtn) << int(QAbstractSeries::SeriesTypeStackedBar) << 1;
    QTest::newRow("percent stacked") << int(Button::PercentStackedBtn)
                                     << int(QAbstractSeries::SeriesTypePercentBar) << 1;
    QTest::newRow("horiz bar") << int(Button::HorizBarBtn) << int(QAbstractSeries::SeriesTypeHorizontalBar)
                               << 1;
    QTest::newRow("gantt") << int(Button::GanttBtn) << int(QAbstractSeries::SeriesTypeHorizontalStackedBar)
                           << 1;
    QTest::newRow("pie") << int(Button::PieBtn) << int(QAbstractSeries::SeriesTypePie) << 1;
}

void TestGraphForm::typeButtonsSwitchTheGraph() {
    QFETCH(int, button);
    QFETCH(int, seriesType);
    QFETCH(int, seriesCount);
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    // Start from another type, so the button is seen to change it.
    click(form, button == Button::LineBtn ? Button::PieBtn : Button::LineBtn);
    click(form, Button(button));
    QCOMPARE(int(form.view().layout().type), button - int(Button::BarBtn));
    QVERIFY(form.action(Button(button))->isChecked());
    const QList<QAbstractSeries*> series = form.chart()->series();
    QCOMPARE(series.size(), qsizetype(seriesCount));
    for (QAbstractSeries* one : series)
        QCOMPARE(int(one->type()), seriesType);
    if (seriesType == QAbstractSeries::SeriesTypePie) {
        // One slice per number, each worth its frequency.
        auto* pie = qobject_cast<QPieSeries*>(series.first());
        QCOMPARE(pie->count(), 49);
        QCOMPARE(pie->slices().at(4)->value(), double(GraphTables::frequencyOf(5)));
        QCOMPARE(pie->slices().at(4)->label(), QStringLiteral("5"));
    } else {
        QVERIFY(!form.chart()->axes().isEmpty());
    }
    QCOMPARE(form.chart()->title(), QStringLiteral("Frequency Graph (Canada 6/49)"));
}

void TestGraphForm::effectsAndInvert() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    click(form, Button::Effect3DBtn);
    QVERIFY(form.view().layout().effect3D);
    QVERIFY(form.action(Button::Effect3DBtn)->isChecked());
    auto* bars = qobject_cast<QAbstractBarSeries*>(form.chart()->series().first());
    QCOMPARE(bars->barSets().first()->brush().style(), Qt::LinearGradientPattern);
    QVERIFY(form.chart()->isDropShadowEnabled());
    click(form, Button::Effect3DBtn);
    bars = qobject_cast<QAbstractBarSeries*>(form.chart()->series().first());
    QCOMPARE(bars->barSets().first()->brush().style(), Qt::SolidPattern);

    click(form, Button::FilledBtn);
    QVERIFY(form.action(Button::FilledBtn)->isChecked());
    bars = qobject_cast<QAbstractBarSeries*>(form.chart()->series().first());
    QCOMPARE(bars->barWidth(), 1.0);
    click(form, Button::LineBtn);
    QCOMPARE(form.chart()->series().first()->type(), QAbstractSeries::SeriesTypeArea);

    click(form, Button::BarBtn);
    click(form, Button::InvertBtn);
    QVERIFY(form.action(Button::InvertBtn)->isChecked());
    QCOMPARE(form.plot().axisLabels, (QStringList{"HOT", "PRIOR", "COLD", "DUE"}));
    bars = qobject_cast<QAbstractBarSeries*>(form.chart()->series().first());
    QCOMPARE(bars->count(), 49);
    QCOMPARE(bars->barSets().at(6)->label(), QStringLiteral("7"));
    QCOMPARE(bars->barSets().at(6)->at(7 % 4), double(GraphTables::frequencyOf(7)));
    // Moving through rows now moves through the series.
    click(form, Button::NextRowBtn);
    QCOMPARE(form.plot().series.first().name, QStringLiteral("2"));
    click(form, Button::InvertBtn);
    QCOMPARE(form.plot().axisLabels.first(), QStringLiteral("2"));
}

void TestGraphForm::layoutIsSavedAndRestored() {
    GraphTables::writeFrequency(tempPath(), 49);
    {
        TGraphForm form(*m_lottery, 0);
        form.show();
        click(form, Button::LineBtn);
        click(form, Button::Effect3DBtn);
        click(form, Button::FewerBtn);
        click(form, Button::FewerBtn);
        click(form, Button::NextCategoryBtn);
        click(form, Button::NextRowBtn);
        click(form, Button::SaveLayoutBtn);
        QVERIFY(QFile::exists(form.layoutPath()));
        QCOMPARE(QFileInfo(form.layoutPath()).absolutePath(), QFileInfo(m_home->dir()).absoluteFilePath());
    }
    TGraphForm again(*m_lottery, 0);
    again.show();
    const GraphLayout& layout = again.view().layout();
    QCOMPARE(layout.type, GraphType::Line);
    QVERIFY(layout.effect3D);
    QVERIFY(!layout.filled);
    QCOMPARE(layout.categoriesShown, 2);
    QCOMPARE(layout.firstCategory, 1);
    QVERIFY(again.action(Button::LineBtn)->isChecked());
    QVERIFY(again.action(Button::Effect3DBtn)->isChecked());
    QCOMPARE(again.chart()->series().first()->type(), QAbstractSeries::SeriesTypeLine);
    QCOMPARE(seriesNames(again.plot()), (QStringList{"PRIOR", "COLD"}));
    // The window's own rule for the rows wins when it opens ...
    QCOMPARE(layout.firstRow, 0);
    QCOMPARE(layout.rowsShown, 49);
    // ... while Load Graph Layout takes everything that was saved.
    click(again, Button::PieBtn);
    click(again, Button::LoadLayoutBtn);
    QCOMPARE(again.view().layout().type, GraphType::Line);
    QCOMPARE(again.view().layout().firstRow, 1);
    QVERIFY(again.action(Button::LineBtn)->isChecked());

    // Another graph window keeps a layout of its own.
    writeTableFor(QStringLiteral("skip"));
    TGraphWindow skip(configFor(QStringLiteral("skip")), m_home->dir());
    skip.show();
    QCOMPARE(skip.view().layout().type, GraphType::Bar);
    QVERIFY(m_prompts->shown.isEmpty());
}

void TestGraphForm::loadLayoutWithoutOneSaysSo() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    click(form, Button::PieBtn);
    click(form, Button::LoadLayoutBtn);
    QCOMPARE(m_prompts->shown, QStringList{QStringLiteral("No layout has been saved for this graph yet.")});
    QCOMPARE(form.view().layout().type, GraphType::Pie);
}

void TestGraphForm::unreadableLayoutIsReportedAndIgnored() {
    GraphTables::writeFrequency(tempPath(), 49);
    m_home->writeFile(QStringLiteral("frequency_graph.json"), "{ not a layout");
    TGraphForm form(*m_lottery, 0);
    form.show();
    QCOMPARE(m_prompts->shown.size(), 1);
    QVERIFY(m_prompts->shown.first().contains(QStringLiteral("frequency_graph.json")));
    QCOMPARE(form.view().layout().type, GraphType::Bar);
    QCOMPARE(form.plot().axisLabels.size(), 49);
}

void TestGraphForm::copyPutsTheGraphOnTheClipboard() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.resize(900, 600);
    form.show();
    QGuiApplication::clipboard()->clear();
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    click(form, Button::CopyBtn);
    const QImage image = QGuiApplication::clipboard()->image();
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), form.chart()->scene()->views().first()->size());
    // Not a blank picture: the bars are there in their colours.
    const QImage small = image.scaled(60, 40);
    QSet<QRgb> colours;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x)
            colours.insert(small.pixel(x, y));
    }
    QVERIFY(colours.size() > 5);
}

void TestGraphForm::printWritesTheGraphAsAPdfPage() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.resize(1000, 650);
    form.show();
    auto report = std::make_unique<ScriptedReportSystem>();
    report->fileName = m_home->path(QStringLiteral("graph"));
    ScriptedReportSystem* scripted = report.get();
    form.setReportSystem(std::move(report));
    click(form, Button::PrintBtn);
    QCOMPARE(scripted->asked, QStringList{QStringLiteral("Frequency Graph Setup")});
    QCOMPARE(pdfPageCount(m_home->path(QStringLiteral("graph.pdf"))), 1);

    // The page itself: the standard header with the caption, then the graph within the margins.
    RecordingCanvas page;
    QVERIFY(form.reportSystem().run(page));
    QCOMPARE(page.pageCount(), 1);
    QVERIFY(page.find(QStringLiteral("Vantoro"), 1));
    QVERIFY(page.find(QStringLiteral("Page 1"), 1));
    const TextRun* title = page.find(QStringLiteral("Frequency Graph (Canada 6/49)"), 1);
    QVERIFY(title);
    QVERIFY(title->font.underline);
    QCOMPARE(page.images().size(), 1);
    const ImageRun& graph = page.images().first();
    QCOMPARE(graph.page, 1);
    QVERIFY(graph.rect.top() > title->top);
    QVERIFY(graph.rect.left() >= 0.5 - 1e-9);
    QVERIFY(graph.rect.right() <= 8.0 + 1e-9);
    QVERIFY(graph.rect.bottom() <= 10.5 + 1e-9);
    QVERIFY(qAbs(graph.rect.width() - 7.5) < 1e-6);
    QVERIFY(qAbs(graph.rect.width() / graph.rect.height() - 1000.0 / (650.0 - form.toolBar()->height())) <
            0.05);
    QVERIFY(graph.image.width() >= 2000);
}

void TestGraphForm::printPreviewShowsTheGraph() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    auto report = std::make_unique<ScriptedReportSystem>();
    ScriptedReportSystem* scripted = report.get();
    form.setReportSystem(std::move(report));
    click(form, Button::PrintBtn);
    QCOMPARE(scripted->asked, (QStringList{QStringLiteral("Frequency Graph Setup"),
                                           QStringLiteral("Frequency Graph Preview")}));
}

void TestGraphForm::aboutAndNoFunction() {
    GraphTables::writeFrequency(tempPath(), 49);
    TGraphForm form(*m_lottery, 0);
    form.show();
    const GraphLayout before = form.view().layout();
    click(form, Button::NoFunctionBtn);
    QVERIFY(m_prompts->shown.isEmpty());
    QCOMPARE(form.view().layout(), before);
    QVERIFY(!QFile::exists(form.layoutPath()));
    click(form, Button::AboutBtn);
    QCOMPARE(m_prompts->shown.size(), 1);
    QVERIFY(m_prompts->shown.first().contains(QStringLiteral("Qt Charts")));
}

void TestGraphForm::tableOpensAndClosesAsConfigured() {
    GraphTables::writeFrequency(tempPath(), 49);
    {
        TGraphForm form(*m_lottery, 0);
        QVERIFY(form.isTableOpen()); // on creation
        form.show();
        form.reject();
        QVERIFY(!form.isTableOpen());
    }
    writeTableFor(QStringLiteral("skip"));
    {
        TGraphWindow skip(configFor(QStringLiteral("skip")), m_home->dir());
        QVERIFY(!skip.isTableOpen()); // on activation
        skip.show();
        QVERIFY(skip.isTableOpen());
        skip.reject();
        QVERIFY(!skip.isTableOpen());
    }
    writeTableFor(QStringLiteral("summary"));
    TGraphWindow summary(configFor(QStringLiteral("summary")), m_home->dir());
    summary.show();
    summary.reject();
    QVERIFY(summary.isTableOpen()); // released with the window
}

void TestGraphForm::missingTableIsReportedWithoutAWindow() {
    showFrequencyGraph(nullptr, *m_lottery, 0);
    QCOMPARE(m_prompts->shown.size(), 1);
    QVERIFY(m_prompts->shown.first().contains(QStringLiteral("TEMP.DBT")));
    // A table of the wrong layout is refused alike.
    writeTableFor(QStringLiteral("summary"));
    showFrequencyGraph(nullptr, *m_lottery, 0);
    QCOMPARE(m_prompts->shown.size(), 2);
    QVERIFY(m_prompts->shown.last().contains(QStringLiteral("NUMBER")));

    // A window that opens the table on activation says so once and closes.
    QFile::remove(tempPath());
    TGraphWindow skip(configFor(QStringLiteral("skip")), m_home->dir());
    skip.show();
    skip.activateWindow();
    QTRY_VERIFY(!skip.isVisible());
    QCOMPARE(m_prompts->shown.size(), 3);
    QVERIFY(!skip.isTableOpen());
}

void TestGraphForm::showFrequencyGraphOpensMaximisedAndModal() {
    GraphTables::writeFrequency(tempPath(), 49);
    QString title;
    bool maximised = false;
    bool shownModal = false;
    ScriptedModal modal;
    modal.expect<TGraphForm>([&](TGraphForm* form) {
        title = form->windowTitle();
        maximised = form->windowState() & Qt::WindowMaximized;
        shownModal = form->isModal();
        form->reject();
    });
    showFrequencyGraph(nullptr, *m_lottery, 0);
    QVERIFY(modal.allAnswered());
    QCOMPARE(title, QStringLiteral("Frequency Graph (Canada 6/49)"));
    QVERIFY(maximised);
    QVERIFY(shownModal);
}

void TestGraphForm::secondChartReplacesTheFirstTable() {
    GraphTables::writeFrequency(tempPath(), 49);
    {
        TGraphForm form(*m_lottery, 0);
        QCOMPARE(form.data().rowCount(), 49);
    }
    GraphTables::writeFrequency(tempPath(), 10, {3});
    TGraphForm form(*m_lottery, 0);
    QCOMPARE(form.data().rowCount(), 10);
    QCOMPARE(form.data().rowLabels.at(2), QString());
}

QTEST_MAIN(TestGraphForm)
#include "test_graph_form.moc"
