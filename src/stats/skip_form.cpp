// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/skip_form.h"

#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "stats/chart_grid.h"
#include "stats/graph_form.h"

#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 139;
}

TSkipForm::TSkipForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent)
    : TChartForm(lottery, bonusForm, BonusChart::SkipAndHit, HelpTopic, parent) {
    setObjectName(QStringLiteral("SkipForm"));
    setWindowTitle(QStringLiteral("Skip and Hit Chart (") + lottery.definition().Description +
                   QLatin1Char(')'));
    SkipHit = makeChartGrid("SkipHit", this);
    QLabel* heading = gui::makeLabel("Label1", QStringLiteral("Number of Skips"), this);
    heading->setAlignment(Qt::AlignCenter);
    auto* body = new QVBoxLayout;
    body->addWidget(heading);
    body->addWidget(SkipHit, 1);
    buildWindow(body, {});
    resize(0, 560);
}

const ChartGridModel& TSkipForm::grid() const {
    return chartGridModel(*SkipHit);
}

void TSkipForm::compute() {
    m_chart = computeSkipHit(m_lottery.table(), m_lottery.definition(), bonusOption(),
                             m_lottery.DrawingCutoffCount(), m_lottery.TotalDrawings());
}

void TSkipForm::showChart(bool computed) {
    if (!computed)
        m_chart = SkipHitChart();
    showChartRows(*SkipHit, m_chart.rows);
    setUseBonusLabel(m_chart.UseBonusLabel);
    setUncountedNote(m_chart.UncountedNote);
}

void TSkipForm::openGraph() {
    TGraph2Form graph(m_lottery, bonusOption(), this);
    showGraphWindow(graph);
}

void TSkipForm::setUpPrintout(Report& report) {
    setUpSkipHitPrintout(report, m_chart, printoutFacts());
}
