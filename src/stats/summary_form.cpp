// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/summary_form.h"

#include "gui/help.h"
#include "lottery/current_lottery.h"
#include "stats/chart_grid.h"
#include "stats/graph_config.h"
#include "stats/graph_form.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 134;
constexpr int GridsContext = 260;
} // namespace

TSummaryForm::TSummaryForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent)
    : TChartForm(lottery, bonusForm, BonusChart::DrawingSummary, HelpTopic, parent) {
    setObjectName(QStringLiteral("SummaryForm"));
    setWindowTitle(
        graphCaption(QStringLiteral("Drawing Summary Chart ("), lottery.definition().Description, 53));
    DBGrid1 = makeChartGrid("DBGrid1", this, 10);
    StringGrid1 = makeChartGrid("StringGrid1", this, 10);
    StringGrid1->horizontalHeader()->setVisible(false);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFixedHeight(StringGrid1->verticalHeader()->defaultSectionSize() * 2 + 4);
    // The totals stay under their columns however the rows' grid is resized or scrolled.
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionResized, StringGrid1,
            [this](int column, int, int width) { StringGrid1->setColumnWidth(column, width); });
    connect(DBGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, StringGrid1->horizontalScrollBar(),
            &QScrollBar::setValue);
    auto* body = new QVBoxLayout;
    body->addWidget(DBGrid1, 1);
    body->addWidget(StringGrid1);
    buildWindow(body, {GridsContext, 261, 262, 263, 264});
    Help::setContext(DBGrid1, GridsContext);
    Help::setContext(StringGrid1, GridsContext);
    resize(0, 560);
}

const ChartGridModel& TSummaryForm::rows() const {
    return chartGridModel(*DBGrid1);
}

const ChartGridModel& TSummaryForm::totals() const {
    return chartGridModel(*StringGrid1);
}

void TSummaryForm::compute() {
    m_summary = computeDrawingSummary(m_lottery.table(), m_lottery.definition(), bonusOption(),
                                      m_lottery.DrawingCutoffCount(), m_lottery.HotNumberCutoff(),
                                      m_lottery.TotalDrawings());
}

void TSummaryForm::showChart(bool computed) {
    if (!computed)
        m_summary = DrawingSummary();
    QList<QStringList> rows;
    for (const DrawingSummaryRow& row : m_summary.rows)
        rows << m_summary.cells(row);
    chartGridModel(*DBGrid1).setCells(m_summary.headings, rows);
    chartGridModel(*StringGrid1)
        .setCells(m_summary.headings, {QStringList{QStringLiteral("Average:")} + m_summary.averages,
                                       QStringList{QStringLiteral("Percent:")} + m_summary.percents});
    // Each column as wide as its widest cell in either grid, so the totals line up under the rows.
    DBGrid1->resizeColumnsToContents();
    StringGrid1->resizeColumnsToContents();
    for (int column = 0; column < int(m_summary.headings.size()); ++column) {
        const int width = qMax(DBGrid1->columnWidth(column), StringGrid1->columnWidth(column));
        DBGrid1->setColumnWidth(column, width);
        StringGrid1->setColumnWidth(column, width);
    }
    fitChartGridWidth(*DBGrid1);
    // The newest drawing is the last row: the one a player looks at first.
    DBGrid1->scrollToBottom();
    setUseBonusLabel(m_summary.UseBonusLabel);
}

void TSummaryForm::openGraph() {
    TGraph4Form graph(m_lottery, this);
    showGraphWindow(graph);
}

void TSummaryForm::setUpPrintout(Report& report) {
    setUpDrawingSummaryPrintout(report, m_summary, printoutFacts());
}
