// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/sequence_form.h"

#include "gui/help.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "stats/chart_grid.h"
#include "stats/graph_config.h"
#include "stats/graph_form.h"

#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 136;
}

TSequenceForm::TSequenceForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent)
    : TChartForm(lottery, bonusForm, BonusChart::HitSequence, HelpTopic, parent) {
    setObjectName(QStringLiteral("SequenceForm"));
    setWindowTitle(
        graphCaption(QStringLiteral("Hit Sequence Chart ("), lottery.definition().Description, 50));
    SkipHit = makeChartGrid("SkipHit", this);
    QLabel* legend =
        gui::makeLabel("Label1", QStringLiteral("Hit Performance (## = Regular Hit, BB = Bonus Hit)"), this);
    legend->setAlignment(Qt::AlignCenter);
    auto* body = new QVBoxLayout;
    body->addWidget(legend);
    body->addWidget(SkipHit, 1);
    buildWindow(body, {265, 266, 267, 268, 269});
    Help::setContext(SkipHit, 265);
    resize(0, 560);
}

const ChartGridModel& TSequenceForm::grid() const {
    return chartGridModel(*SkipHit);
}

void TSequenceForm::compute() {
    m_chart = computeHitSequence(m_lottery.table(), m_lottery.definition(), bonusOption(),
                                 m_lottery.DrawingCutoffCount(), m_lottery.TotalDrawings());
}

void TSequenceForm::showChart(bool computed) {
    if (!computed)
        m_chart = HitSequenceChart();
    showChartRows(*SkipHit, m_chart.rows);
    setUseBonusLabel(m_chart.UseBonusLabel);
    setUncountedNote(m_chart.UncountedNote);
}

void TSequenceForm::openGraph() {
    TGraph3Form graph(m_lottery, bonusOption(), this);
    showGraphWindow(graph);
}

void TSequenceForm::setUpPrintout(Report& report) {
    setUpHitSequencePrintout(report, m_chart, printoutFacts());
}
