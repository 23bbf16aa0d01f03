// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_form.h"

#include "db/vantoro_error.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "lottery/program_home.h"
#include "stats/bonus_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

TChartForm::TChartForm(CurrentLottery& lottery, BonusForm& bonusForm, BonusChart chart, int helpTopic,
                       QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_bonusForm(bonusForm), m_chart(chart), m_helpTopic(helpTopic) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
}

int TChartForm::bonusOption() const {
    return m_bonusForm.itemIndex();
}

void TChartForm::buildWindow(QLayout* body, const HelpContexts& contexts) {
    using gui::makeButton;
    using gui::makeLabel;
    BonusBtn = makeButton("BonusBtn", QStringLiteral("&Bonus #"), this);
    GraphBtn = makeButton("GraphBtn", QStringLiteral("&Graph"), this);
    PrintBtn = makeButton("PrintBtn", QStringLiteral("&Print"), this);
    CloseBtn = makeButton("CloseBtn", QStringLiteral("&Close"), this);
    CloseBtn->setDefault(true);
    HelpBtn = makeButton("HelpBtn", QStringLiteral("&Help"), this);
    BonusLabel =
        makeLabel("BonusLabel",
                  QStringLiteral("Click on the Bonus # Button to include or exclude Bonus numbers"), this);
    UseBonusLabel = makeLabel("UseBonusLabel", QStringLiteral("Use Bonus: No"), this);
    // Numbers the chart could not place are named here, never dropped without a word.
    UncountedLabel = makeLabel("UncountedLabel", QString(), this);
    UncountedLabel->setWordWrap(true);
    UncountedLabel->setVisible(false);

    auto* bonusRow = new QHBoxLayout;
    bonusRow->addWidget(UseBonusLabel);
    bonusRow->addSpacing(24);
    bonusRow->addWidget(BonusLabel, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BonusBtn);
    buttons->addStretch(1);
    for (QPushButton* button : {GraphBtn, PrintBtn, CloseBtn, HelpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(UncountedLabel);
    layout->addLayout(bonusRow);
    layout->addLayout(buttons);

    const bool bonus = BonusOptions::offered(m_chart, m_lottery);
    for (QWidget* widget : {static_cast<QWidget*>(BonusBtn), static_cast<QWidget*>(BonusLabel),
                            static_cast<QWidget*>(UseBonusLabel)})
        widget->setVisible(bonus);

    Help::installContextHelp(this, [this] { return m_helpTopic; });
    Help::setContext(BonusBtn, contexts.bonus);
    Help::setContext(GraphBtn, contexts.graph);
    Help::setContext(PrintBtn, contexts.print);
    Help::setContext(CloseBtn, contexts.close);

    connect(BonusBtn, &QPushButton::clicked, this, &TChartForm::BonusBtnClick);
    connect(GraphBtn, &QPushButton::clicked, this, &TChartForm::GraphBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TChartForm::PrintBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(m_helpTopic, this); });
}

void TChartForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        calculate();
        // As wide as the chart's columns, which are known only now.
        layout()->activate();
        resize(qMax(width(), minimumSizeHint().width()), height());
        if (parentWidget())
            move(parentWidget()->window()->geometry().center() - rect().center());
    }
}

void TChartForm::calculate() {
    BusyCursor busy;
    std::optional<VantoroError> failure;
    QString graphProblem;
    try {
        compute();
        showChart(true);
        try {
            writeGraphTable(ProgramHome(m_lottery.homeDir()).tempGraphPath(), graphFields(), graphRecords());
        } catch (const VantoroError& error) {
            graphProblem = QStringLiteral("Could not create the temporary graph file. (") + error.message() +
                           QLatin1Char(')');
        }
    } catch (const VantoroError& error) {
        failure = error;
        showChart(false);
    }
    // Without this run's table the graph would draw another chart's figures, or none.
    GraphBtn->setEnabled(!failure && graphProblem.isEmpty());
    PrintBtn->setEnabled(!failure);
    busy.restore();
    if (failure)
        gui::showError(this, *failure);
    else if (!graphProblem.isEmpty())
        Prompts::instance().information(this, graphProblem);
}

ChartPrintoutFacts TChartForm::printoutFacts() const {
    ChartPrintoutFacts facts;
    facts.Description = m_lottery.definition().Description;
    facts.DrawingCutoffCount = m_lottery.DrawingCutoffCount();
    return facts;
}

void TChartForm::setUseBonusLabel(const QString& text) {
    if (!text.isEmpty())
        UseBonusLabel->setText(text);
}

void TChartForm::setUncountedNote(const QString& note) {
    UncountedLabel->setText(note);
    UncountedLabel->setVisible(!note.isEmpty());
}

void TChartForm::BonusBtnClick() {
    Modal::run(m_bonusForm);
    calculate();
}

void TChartForm::GraphBtnClick() {
    openGraph();
}

void TChartForm::PrintBtnClick() {
    setUpPrintout(ReportSystem1);
    ReportSystem1.execute(this);
}
