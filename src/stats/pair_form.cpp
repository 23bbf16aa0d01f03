// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/pair_form.h"

#include "db/vantoro_error.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "stats/bonus_options.h"
#include "stats/chart_printouts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

QFont listFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

TPairForm::TPairForm(CurrentLottery& lottery, Mode mode, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_mode(mode), m_counter(mode == Mode::Triples) {
    const bool triples = mode == Mode::Triples;
    setObjectName(QStringLiteral("PairForm"));
    setWindowTitle(triples ? QStringLiteral("Repeating Triples Chart")
                           : QStringLiteral("Repeating Pairs Chart"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    using gui::makeButton;
    using gui::makeLabel;

    QLabel* heading = makeLabel("Label1", QStringLiteral("# of         # of\nTimes      Sets"), this);
    // In the drop-down's type, so the two headings stand over their columns.
    heading->setFont(listFont());
    OccurencesList = new QComboBox(this);
    OccurencesList->setObjectName(QStringLiteral("OccurencesList"));
    OccurencesList->setFont(listFont());
    heading->setBuddy(OccurencesList);
    Label3 = makeLabel("Label3", triples ? QStringLiteral("Triples") : QStringLiteral("Pairs"), this);
    PairList = new QListWidget(this);
    PairList->setObjectName(QStringLiteral("PairList"));
    PairList->setFont(listFont());
    const QFontMetrics metrics(PairList->font());
    PairList->setMinimumWidth(metrics.horizontalAdvance(QString(24, QLatin1Char('0'))) + 30);
    PairList->setMinimumHeight(metrics.height() * 18);
    OccurencesList->setMinimumWidth(metrics.horizontalAdvance(QString(25, QLatin1Char('0'))) + 30);
    Label3->setBuddy(PairList);
    IncludeBonus = new QCheckBox(QStringLiteral("Include Bonus #"), this);
    IncludeBonus->setObjectName(QStringLiteral("IncludeBonus"));
    IncludeBonus->setVisible(false);
    PrintButton = makeButton("PrintButton", QStringLiteral("&Print"), this);
    OKBtn = makeButton("OKBtn", QStringLiteral("&Close"), this);
    OKBtn->setDefault(true);
    HelpBtn = makeButton("HelpBtn", QStringLiteral("&Help"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(OccurencesList);
    left->addSpacing(12);
    left->addWidget(IncludeBonus);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(PairList, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left);
    lists->addSpacing(12);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {PrintButton, OKBtn, HelpBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    const int firstContext = triples ? 283 : 278;
    const int helpTopic = triples ? 138 : 16;
    QWidget* controls[] = {OccurencesList, PairList, IncludeBonus, PrintButton, OKBtn};
    for (int i = 0; i < 5; ++i)
        Help::setContext(controls[i], firstContext + i);
    Help::installContextHelp(this, [helpTopic] { return helpTopic; });

    connect(OccurencesList, &QComboBox::currentIndexChanged, this, &TPairForm::OccurencesListChange);
    connect(IncludeBonus, &QCheckBox::clicked, this, &TPairForm::Calculate);
    connect(PrintButton, &QPushButton::clicked, this, &TPairForm::PrintButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, [this, helpTopic] { Help::showTopic(helpTopic, this); });
}

void TPairForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        Calculate();
    }
}

void TPairForm::Calculate() {
    BusyCursor busy;
    const BonusChart chart =
        m_mode == Mode::Triples ? BonusChart::RepeatingTriples : BonusChart::RepeatingPairs;
    const bool bonusOffered = BonusOptions::offered(chart, m_lottery);
    IncludeBonus->setVisible(bonusOffered);
    std::optional<VantoroError> failure;
    try {
        m_sets = m_counter.count(m_lottery.table(), m_lottery.definition(),
                                 bonusOffered && IncludeBonus->isChecked(), m_lottery.DrawingCutoffCount(),
                                 m_lottery.TotalDrawings());
    } catch (const VantoroError& error) {
        failure = error;
        m_sets = RepeatingSets();
    }
    {
        const QSignalBlocker quiet(OccurencesList);
        OccurencesList->clear();
        OccurencesList->addItems(m_sets.OccurencesList);
    }
    PairList->clear();
    if (OccurencesList->count() > 0) {
        OccurencesList->setCurrentIndex(0);
        OccurencesListChange();
    }
    PrintButton->setEnabled(OccurencesList->count() > 0);
    busy.restore();
    if (failure)
        gui::showError(this, *failure);
}

void TPairForm::OccurencesListChange() {
    PairList->clear();
    const int entry = OccurencesList->currentIndex();
    if (entry >= 0 && entry < m_sets.PairLists.size())
        PairList->addItems(m_sets.PairLists.at(entry));
}

void TPairForm::PrintButtonClick() {
    const int entry = OccurencesList->currentIndex();
    if (entry < 0)
        return;
    ChartPrintoutFacts facts;
    facts.Description = m_lottery.definition().Description;
    facts.DrawingCutoffCount = m_lottery.DrawingCutoffCount();
    setUpRepeatingSetsPrintout(ReportSystem1, m_sets, entry, facts);
    ReportSystem1.execute(this);
}
