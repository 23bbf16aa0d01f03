// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stats_form.h"

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
#include "stats/bonus_options.h"
#include "stats/graph_form.h"
#include "stats/number_stats_run.h"
#include "stats/stats_printout.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int HelpTopic = 137;

QFont listFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(false);
    return font;
}

QListWidget* makeList(const char* name, QWidget* parent, int characters) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(listFont());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + 30);
    list->setMinimumHeight(metrics.height() * 20);
    return list;
}

using gui::makeButton;
using gui::makeLabel;

} // namespace

TStatsForm::TStatsForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_bonusForm(bonusForm) {
    setObjectName(QStringLiteral("StatsForm"));
    setWindowTitle(QStringLiteral("Number Statistics Chart"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_frequencyList = makeList("FrequencyList", this, 20);
    m_hitIndexList = makeList("HitIndexList", this, 10);
    m_hotList = makeList("HotList", this, 10);
    m_coldList = makeList("ColdList", this, 10);

    auto* lists = new QGridLayout;
    const char* headingNames[] = {"Label1", "Label2", "Label3", "Label4"};
    const QString headings[] = {QStringLiteral("Frequency"), QStringLiteral("Hit Index"),
                                QStringLiteral("Hot"), QStringLiteral("Cold")};
    QListWidget* columns[] = {m_frequencyList, m_hitIndexList, m_hotList, m_coldList};
    for (int i = 0; i < 4; ++i) {
        QLabel* heading = makeLabel(headingNames[i], headings[i], this);
        heading->setBuddy(columns[i]);
        lists->addWidget(heading, 0, i);
        lists->addWidget(columns[i], 1, i);
        lists->setColumnStretch(i, i == 0 ? 2 : 1);
    }

    m_averageLabel = makeLabel("AverageLabel", QStringLiteral("Average # Draws:"), this);
    QLabel* priorMark = makeLabel("Label5", QStringLiteral("* = Prior"), this);
    QLabel* priorMark2 = makeLabel("Label6", QStringLiteral("Drawing"), this);
    QLabel* dueMark = makeLabel("Label7", QStringLiteral("# = Due"), this);
    m_useBonusLabel = makeLabel("UseBonusLabel", QStringLiteral("Use Bonus: No"), this);
    m_bonusLabel =
        makeLabel("BonusLabel",
                  QStringLiteral("Click on the Bonus # Button to include or exclude Bonus numbers"), this);
    m_bonusLabel->setWordWrap(true);
    // Numbers the lists could not place are named here, never dropped without a word.
    m_uncountedLabel = makeLabel("UncountedLabel", QString(), this);
    m_uncountedLabel->setWordWrap(true);
    m_uncountedLabel->setVisible(false);

    auto* marks = new QVBoxLayout;
    marks->setSpacing(0);
    marks->addWidget(priorMark);
    marks->addWidget(priorMark2);
    auto* notes = new QHBoxLayout;
    notes->addWidget(m_averageLabel);
    notes->addSpacing(24);
    notes->addLayout(marks);
    notes->addSpacing(24);
    notes->addWidget(dueMark);
    notes->addStretch(1);

    auto* bonusNotes = new QHBoxLayout;
    bonusNotes->addWidget(m_useBonusLabel);
    bonusNotes->addSpacing(24);
    bonusNotes->addWidget(m_bonusLabel, 1);

    m_bonusBtn = makeButton("BonusBtn", QStringLiteral("&Bonus #"), this);
    m_graphBtn = makeButton("GraphBtn", QStringLiteral("&Graph"), this);
    m_printBtn = makeButton("PrintBtn", QStringLiteral("&Print"), this);
    m_closeBtn = makeButton("CloseBtn", QStringLiteral("&Close"), this);
    m_closeBtn->setDefault(true);
    m_helpBtn = makeButton("HelpBtn", QStringLiteral("&Help"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bonusBtn);
    buttons->addStretch(1);
    for (QPushButton* button : {m_graphBtn, m_printBtn, m_closeBtn, m_helpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(notes);
    layout->addLayout(bonusNotes);
    layout->addWidget(m_uncountedLabel);
    layout->addLayout(buttons);

    const bool bonus = BonusOptions::offered(BonusChart::NumberStatistics, m_lottery);
    m_bonusBtn->setVisible(bonus);
    m_useBonusLabel->setVisible(bonus);
    m_bonusLabel->setVisible(bonus);

    connect(m_bonusBtn, &QPushButton::clicked, this, &TStatsForm::BonusBtnClick);
    connect(m_graphBtn, &QPushButton::clicked, this, &TStatsForm::GraphBtnClick);
    connect(m_printBtn, &QPushButton::clicked, this, &TStatsForm::PrintBtnClick);
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_helpBtn, &QPushButton::clicked, this, &TStatsForm::HelpBtnClick);
}

TStatsForm::~TStatsForm() = default;

void TStatsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormActivate();
    }
}

void TStatsForm::FormActivate() {
    BusyCursor busy;
    m_stats = NumberStats();
    showStats();

    QString notice;
    std::optional<VantoroError> failure;
    try {
        NumberStatsRun run =
            runNumberStats(m_lottery.table(), m_lottery.definition(), m_bonusForm.itemIndex(),
                           m_lottery.HotNumberCutoff(), m_lottery.DrawingCutoffCount(),
                           m_lottery.TotalDrawings(), ProgramHome(m_lottery.homeDir()).tempGraphPath());
        m_stats = std::move(run.stats);
        notice = run.graphProblem;
        showStats();
    } catch (const VantoroError& error) {
        failure = error;
    }
    busy.restore();
    if (!notice.isEmpty())
        Prompts::instance().information(this, notice);
    if (failure)
        gui::showError(this, *failure);
}

void TStatsForm::showStats() {
    const std::pair<QListWidget*, const QStringList*> lists[] = {{m_frequencyList, &m_stats.FrequencyList},
                                                                 {m_hitIndexList, &m_stats.HitIndexList},
                                                                 {m_hotList, &m_stats.HotList},
                                                                 {m_coldList, &m_stats.ColdList}};
    for (const auto& [widget, lines] : lists) {
        widget->clear();
        widget->addItems(*lines);
    }
    m_averageLabel->setText(m_stats.AverageLabel.isEmpty() ? QStringLiteral("Average # Draws:")
                                                           : m_stats.AverageLabel);
    if (!m_stats.UseBonusLabel.isEmpty())
        m_useBonusLabel->setText(m_stats.UseBonusLabel);
    m_uncountedLabel->setText(m_stats.UncountedNote);
    m_uncountedLabel->setVisible(!m_stats.UncountedNote.isEmpty());
}

void TStatsForm::BonusBtnClick() {
    Modal::run(m_bonusForm);
    FormActivate();
}

void TStatsForm::GraphBtnClick() {
    showFrequencyGraph(this, m_lottery, m_bonusForm.itemIndex());
    FormActivate();
}

void TStatsForm::PrintBtnClick() {
    StatsPrintoutFacts facts;
    facts.Description = m_lottery.definition().Description;
    facts.DrawingCutoffCount = m_lottery.DrawingCutoffCount();
    facts.HotNumberCutoff = m_lottery.HotNumberCutoff();
    setUpStatsPrintout(ReportSystem1, m_stats, facts);
    ReportSystem1.execute(this);
    FormActivate();
}

void TStatsForm::HelpBtnClick() {
    Help::showTopic(HelpTopic, this);
}
