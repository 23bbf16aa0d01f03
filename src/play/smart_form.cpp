// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/smart_form.h"

#include "db/vantoro_error.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "lottery/game_type.h"
#include "lottery/program_home.h"
#include "play/random_source.h"
#include "play/smart_printout.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "play/wheel_file.h"
#include "play/wheel_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 135;
enum Page { MethodPage = 0, WheelPage = 1, CountsPage = 2, TicketsPage = 3 };

const char* const kPercentNames[kSmartClasses] = {"HotPercent", "PriorPercent", "ColdPercent", "DuePercent"};
const char* const kTextNames[kSmartClasses] = {"HotText", "PriorText", "ColdText", "DueText"};
const char* const kLabelNames[kSmartClasses] = {"HotLabel", "PriorLabel", "ColdLabel", "DueLabel"};

QFont listFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QListWidget* makeList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(listFont());
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.horizontalAdvance(QString(40, QLatin1Char('0'))) + 30);
    list->setMinimumHeight(metrics.height() * 12);
    return list;
}

QString bonusCaption(int gameType, SmartFlow flow) {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::NYLuckyDay:
        return flow == SmartFlow::OwnTickets ? QStringLiteral("Lucky Number:")
                                             : QStringLiteral("Bonus Number:");
    case GameTypeCode::Keystone:
        return QStringLiteral("Key Ball:");
    case GameTypeCode::Powerball:
        return QStringLiteral("Powerball:");
    default:
        return QStringLiteral("Bonus Number:");
    }
}

} // namespace

TSmartForm::TSmartForm(CurrentLottery& lottery, QWidget* parent) : QDialog(parent), m_lottery(lottery) {
    setObjectName(QStringLiteral("SmartForm"));
    setWindowTitle(QStringLiteral("Play Smart Numbers"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    {
        BusyCursor busy;
        m_smart = SmartNumbers::compute(lottery.table(), lottery.definition(), lottery.HotNumberCutoff(),
                                        lottery.DrawingCutoffCount(), lottery.TotalDrawings());
    }
    buildWindow();
    BonusText->setText(m_smart.suggestedBonus);
}

TSmartForm::~TSmartForm() = default;

QWidget* TSmartForm::buildMethodPage() {
    auto* page = new QWidget;
    Tickets = new QGroupBox(page);
    Tickets->setObjectName(QStringLiteral("Tickets"));
    m_ownTickets = new QRadioButton(QStringLiteral("Create your own smart number tickets"), Tickets);
    m_ownTickets->setObjectName(QStringLiteral("OwnTicketsBtn"));
    m_ownTickets->setChecked(true);
    m_wheelTickets =
        new QRadioButton(QStringLiteral("Generate tickets by selecting a Wheeling System"), Tickets);
    m_wheelTickets->setObjectName(QStringLiteral("WheelTicketsBtn"));
    auto* group = new QVBoxLayout(Tickets);
    group->addWidget(m_ownTickets);
    group->addWidget(m_wheelTickets);

    m_numberLabel = gui::makeLabel("NumberLabel", QStringLiteral("How many smart number tickets?"), page);
    NumberOfTickets = new QSpinBox(page);
    NumberOfTickets->setObjectName(QStringLiteral("NumberOfTickets"));
    NumberOfTickets->setRange(1, 32000);
    m_numberLabel->setBuddy(NumberOfTickets);
    auto* count = new QHBoxLayout;
    count->addWidget(m_numberLabel);
    count->addWidget(NumberOfTickets);
    count->addStretch(1);

    // Why the wheel is not offered, when wheels exist but the game's numbers cannot fill one.
    auto* note = gui::makeLabel("MethodNote", QString(), page);
    note->setWordWrap(true);
    const QString wheelsDir = ProgramHome(m_lottery.homeDir()).wheelsDir();
    const bool wheels = TWheelPage::wheelsAvailable(wheelsDir, m_lottery.definition());
    if (wheels && !m_smart.wheelOffered())
        note->setText(m_smart.wheelRefusal());
    note->setVisible(!note->text().isEmpty());

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Tickets);
    layout->addLayout(count);
    layout->addWidget(note);
    layout->addStretch(1);
    connect(m_ownTickets, &QRadioButton::toggled, this, [this] { TicketsClick(); });
    Help::setContext(Tickets, HelpTopic);
    Help::setContext(NumberOfTickets, HelpTopic);
    return page;
}

QWidget* TSmartForm::buildCountsPage() {
    auto* page = new QWidget;
    Label15 = gui::makeLabel("Label15", QString(), page);
    Label15->setWordWrap(true);
    auto* grid = new QGridLayout;
    for (int c = 0; c < kSmartClasses; ++c) {
        m_percent[static_cast<size_t>(c)] = gui::makeLabel(kPercentNames[c], QString(), page);
        auto* edit = new QLineEdit(QStringLiteral("0"), page);
        edit->setObjectName(QLatin1String(kTextNames[c]));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        m_text[static_cast<size_t>(c)] = edit;
        auto* label = gui::makeLabel(kLabelNames[c], QString(), page);
        label->setFont(listFont());
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('0'))));
        m_label[static_cast<size_t>(c)] = label;
        grid->addWidget(m_percent[static_cast<size_t>(c)], c, 0);
        grid->addWidget(edit, c, 1);
        grid->addWidget(label, c, 2);
        Help::setContext(edit, HelpTopic);
        connect(edit, &QLineEdit::textChanged, this, [this, c] { CountChange(c); });
    }
    grid->setColumnStretch(2, 1);
    Label16 = gui::makeLabel("Label16", QStringLiteral("Bonus Number:"), page);
    BonusText = new QLineEdit(page);
    BonusText->setObjectName(QStringLiteral("BonusText"));
    BonusText->setMaxLength(2);
    BonusText->setFixedWidth(BonusText->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    Label16->setBuddy(BonusText);
    Help::setContext(BonusText, HelpTopic);
    grid->addWidget(Label16, kSmartClasses, 0);
    grid->addWidget(BonusText, kSmartClasses, 1);
    Label16->hide();
    BonusText->hide();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label15);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

QWidget* TSmartForm::buildTicketsPage() {
    auto* page = new QWidget;
    auto* caption = gui::makeLabel("TicketsCaption", QStringLiteral("Tickets:"), page);
    TicketList = makeList("TicketList", page);
    TicketList->hide();
    TicketList2 = makeList("TicketList2", page);
    Sorted = new QCheckBox(QStringLiteral("Sorted"), page);
    Sorted->setObjectName(QStringLiteral("Sorted"));
    Sorted->setChecked(true);
    SaveButton = gui::makeButton("SaveButton", QStringLiteral("&Save"), page);
    PrintButton = gui::makeButton("PrintButton", QStringLiteral("&Print"), page);
    BonusLabel =
        gui::makeLabel("BonusLabel", QStringLiteral("The number in the last column is the Powerball"), page);
    BonusLabel->setWordWrap(true);
    BonusLabel->hide();
    m_guaranteeCaption = gui::makeLabel("GuaranteeCaption", QStringLiteral("Prize Guarantee:"), page);
    Label5 = gui::makeLabel("Label5", QString(), page);
    Label5->setWordWrap(true);
    m_playedCaption = gui::makeLabel("PlayedCaption", QStringLiteral("Numbers Played:"), page);
    Label7 = gui::makeLabel("Label7", QString(), page);
    Label7->setWordWrap(true);
    for (QLabel* label : {m_guaranteeCaption, Label5, m_playedCaption, Label7})
        label->hide();

    auto* side = new QVBoxLayout;
    side->addWidget(Sorted);
    side->addWidget(SaveButton);
    side->addWidget(PrintButton);
    side->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(TicketList, 1);
    lists->addWidget(TicketList2, 1);
    lists->addLayout(side);
    auto* wheel = new QGridLayout;
    wheel->addWidget(m_guaranteeCaption, 0, 0, Qt::AlignTop);
    wheel->addWidget(Label5, 0, 1);
    wheel->addWidget(m_playedCaption, 1, 0, Qt::AlignTop);
    wheel->addWidget(Label7, 1, 1);
    wheel->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(caption);
    layout->addLayout(lists, 1);
    layout->addWidget(BonusLabel);
    layout->addLayout(wheel);
    connect(Sorted, &QCheckBox::toggled, this, &TSmartForm::SortedClick);
    connect(SaveButton, &QPushButton::clicked, this, &TSmartForm::SaveButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TSmartForm::PrintButtonClick);
    Help::setContext(TicketList, HelpTopic);
    Help::setContext(TicketList2, HelpTopic);
    return page;
}

void TSmartForm::buildWindow() {
    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->addWidget(buildMethodPage());
    m_wheelPage = new TWheelPage(ProgramHome(m_lottery.homeDir()).wheelsDir(), m_lottery.definition(), this);
    Notebook1->addWidget(m_wheelPage);
    Notebook1->addWidget(buildCountsPage());
    Notebook1->addWidget(buildTicketsPage());
    const QStringList captions{QStringLiteral("Select Ticket Method"),
                               QStringLiteral("Select Wheeling System"),
                               QStringLiteral("Display Smart Numbers"), QStringLiteral("Tickets")};
    for (int page = 0; page < captions.size(); ++page)
        Notebook1->widget(page)->setWindowTitle(captions.at(page));
    auto* pageTitle = gui::makeLabel("PageTitle", captions.first(), this);
    QFont bold = pageTitle->font();
    bold.setBold(true);
    pageTitle->setFont(bold);
    connect(Notebook1, &QStackedWidget::currentChanged, this,
            [this, pageTitle](int page) { pageTitle->setText(Notebook1->widget(page)->windowTitle()); });

    PreviousBtn = gui::makeButton("PreviousBtn", QStringLiteral("Previous"), this);
    PreviousBtn->setEnabled(false);
    NextBtn = gui::makeButton("NextBtn", QStringLiteral("Next"), this);
    // Enter moves the wizard on, from the spin box and the count boxes alike.
    NextBtn->setDefault(true);
    CancelBtn = gui::makeButton("CancelBtn", QStringLiteral("&Close"), this);
    HelpBtn = gui::makeButton("HelpBtn", QStringLiteral("&Help"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {PreviousBtn, NextBtn, CancelBtn, HelpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageTitle);
    layout->addWidget(Notebook1, 1);
    layout->addLayout(buttons);

    connect(PreviousBtn, &QPushButton::clicked, this, &TSmartForm::PreviousBtnClick);
    connect(NextBtn, &QPushButton::clicked, this, &TSmartForm::NextBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(HelpTopic, this); });
    Help::installContextHelp(this, [] { return HelpTopic; });
}

void TSmartForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TSmartForm::FormActivate() {
    BusyCursor busy;
    const QString note = m_smart.columnNote();
    BonusLabel->setText(note);
    BonusLabel->setVisible(!note.isEmpty());
    NumberOfTickets->setValue(1);
    // Without a wheel that fits, or numbers a wheel can take, only own tickets can be made.
    const bool wheels =
        TWheelPage::wheelsAvailable(ProgramHome(m_lottery.homeDir()).wheelsDir(), m_lottery.definition()) &&
        m_smart.wheelOffered();
    Tickets->setVisible(wheels);
    if (!wheels)
        m_ownTickets->setChecked(true);
    if (currentPage() == MethodPage)
        NumberOfTickets->setFocus();
}

int TSmartForm::currentPage() const {
    return Notebook1->currentIndex();
}

bool TSmartForm::wheelChosen() const {
    return m_wheelTickets->isChecked() && !Tickets->isHidden();
}

QListWidget* TSmartForm::visibleList() const {
    return TicketList2->isHidden() ? TicketList : TicketList2;
}

void TSmartForm::showPage(int page) {
    Notebook1->setCurrentIndex(page);
    gui::growToContents(this);
}

int TSmartForm::ticketSize() const {
    return m_flow == SmartFlow::Wheel ? m_wheelSize : m_smart.ownTicketSize();
}

void TSmartForm::TicketsClick() {
    const bool own = m_ownTickets->isChecked();
    m_numberLabel->setEnabled(own);
    NumberOfTickets->setEnabled(own);
    if (own)
        NumberOfTickets->setFocus();
}

void TSmartForm::showBreakdown(SmartFlow flow) {
    m_flow = flow;
    const int size = ticketSize();
    const bool own = flow == SmartFlow::OwnTickets;
    QString intro =
        own ? QStringLiteral("Based on an analysis of previous drawings, it is recommended that each "
                             "ticket have the following breakdown:")
            : QStringLiteral("Based on an analysis of previous drawings, it is recommended that you "
                             "play the following %1 numbers:")
                  .arg(size);
    if (!m_smart.classNote.isEmpty())
        intro = m_smart.classNote;
    else if (!m_smart.hasRatios)
        intro = m_smart.ratioNote;
    Label15->setText(intro);

    const bool bonus = own ? m_smart.ticketsHaveBonus() : m_smart.wheelTicketsHaveBonus();
    Label16->setText(bonusCaption(m_smart.definition.GameType, flow));
    Label16->setVisible(bonus);
    BonusText->setVisible(bonus);

    const SmartCounts counts = m_smart.recommendedCounts(size, flow);
    for (int c = 0; c < kSmartClasses; ++c) {
        const QString percent = m_smart.hasRatios ? m_smart.percentText(c) : QString();
        const QString name = smartClassName(c);
        if (own) {
            m_percent[static_cast<size_t>(c)]->setText(name + QStringLiteral(" Numbers:"));
            m_label[static_cast<size_t>(c)]->setText(
                percent.isEmpty() ? QString() : QStringLiteral("(%1%):").arg(percent));
        } else {
            m_text[static_cast<size_t>(c)]->clear();
            m_percent[static_cast<size_t>(c)]->setText(
                percent.isEmpty() ? QString(name + QLatin1Char(':'))
                                  : QString(name + QStringLiteral(" (%1%):").arg(percent)));
        }
    }
    // Filling a box runs its entry check: a wheel's count above what its class holds is refused
    // as soon as the page opens.
    for (int c = 0; c < kSmartClasses; ++c)
        m_text[static_cast<size_t>(c)]->setText(QString::number(counts[static_cast<size_t>(c)]));
    // Card games have nothing to choose from: there is nothing to generate either.
    NextBtn->setEnabled(m_smart.classNote.isEmpty());
}

void TSmartForm::CountChange(int smartClass) {
    QLineEdit* edit = m_text[static_cast<size_t>(smartClass)];
    QLabel* label = m_label[static_cast<size_t>(smartClass)];
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        if (m_flow == SmartFlow::Wheel)
            label->clear();
        return;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    // Text that is not a number is reported when Next reads the boxes.
    if (!ok)
        return;
    if (value > m_smart.available(smartClass)) {
        Prompts::instance().information(this, smartAvailableProblem(smartClass));
        edit->setText(QString::number(m_smart.available(smartClass)));
        return;
    }
    if (m_flow == SmartFlow::Wheel) {
        QString numbers;
        for (const QString& number :
             m_smart.lists.at(static_cast<size_t>(smartClass)).mid(0, std::max(0, value)))
            numbers += number + QLatin1Char(' ');
        label->setText(numbers);
    }
}

void TSmartForm::NextBtnClick() {
    switch (currentPage()) {
    case MethodPage:
        PreviousBtn->setEnabled(true);
        if (wheelChosen()) {
            showPage(WheelPage);
            return;
        }
        showBreakdown(SmartFlow::OwnTickets);
        showPage(CountsPage);
        return;
    case WheelPage: {
        const QString path = m_wheelPage->selectedFile();
        if (path.isEmpty()) {
            Prompts::instance().information(
                this,
                QStringLiteral("There is no wheeling system of this type for the lottery: choose the other "
                               "wheel type."));
            return;
        }
        int size = 0;
        if (!gui::runCommand(this, [&] { size = smartWheelSize(WheelFile::read(path), path); }))
            return;
        m_wheelPath = path;
        m_wheelSize = size;
        showBreakdown(SmartFlow::Wheel);
        showPage(CountsPage);
        m_text[SmartHot]->setFocus();
        return;
    }
    case CountsPage:
        if (generate()) {
            showTickets();
            showPage(TicketsPage);
            NextBtn->setEnabled(false);
        }
        return;
    default:
        return;
    }
}

void TSmartForm::PreviousBtnClick() {
    switch (currentPage()) {
    case WheelPage:
        showPage(MethodPage);
        PreviousBtn->setEnabled(false);
        return;
    case CountsPage:
        NextBtn->setEnabled(true);
        if (m_flow == SmartFlow::Wheel) {
            showPage(WheelPage);
        } else {
            showPage(MethodPage);
            PreviousBtn->setEnabled(false);
        }
        return;
    case TicketsPage:
        showPage(CountsPage);
        NextBtn->setEnabled(true);
        return;
    default:
        return;
    }
}

bool TSmartForm::generate() {
    SmartCounts counts{};
    for (int c = 0; c < kSmartClasses; ++c)
        if (!gui::runCommand(this, [&] {
                counts[static_cast<size_t>(c)] =
                    TicketEntries::toInteger(m_text[static_cast<size_t>(c)]->text());
            }))
            return false;
    if (const QString problem = smartBreakdownProblem(counts, ticketSize(), m_flow); !problem.isEmpty()) {
        Prompts::instance().information(this, problem);
        return false;
    }
    BusyCursor busy;
    TicketList->clear();
    TicketList2->clear();
    return gui::runCommand(this, [&] {
        if (m_flow == SmartFlow::Wheel) {
            m_tickets = makeWheelTickets(m_smart, counts, m_wheelPath, BonusText->text());
        } else {
            RandomSource random(m_fixedSeed.value_or(RandomSource::timeOfDaySeed()));
            m_tickets = makeOwnTickets(m_smart, counts, NumberOfTickets->value(), BonusText->text(), random);
        }
    });
}

void TSmartForm::showTickets() {
    TicketList->addItems(TicketLine::format(m_tickets.kind, m_tickets.pickOrder));
    TicketList2->addItems(TicketLine::format(m_tickets.kind, m_tickets.sorted));
    const bool pickOrderOnly = m_smart.pickOrderOnly();
    Sorted->setVisible(!pickOrderOnly);
    SortedClick();
    for (QLabel* label : {m_guaranteeCaption, Label5, m_playedCaption, Label7})
        label->setVisible(m_tickets.wheel);
    Label5->setText(m_tickets.guarantee);
    Label7->setText(m_tickets.numbersPlayed);
}

void TSmartForm::SortedClick() {
    const bool sorted = Sorted->isChecked() && !m_smart.pickOrderOnly();
    TicketList2->setVisible(sorted);
    TicketList->setVisible(!sorted);
}

void TSmartForm::SaveButtonClick() {
    FileDialogSpec dialog;
    dialog.title = QStringLiteral("Save Ticket File");
    dialog.filter = QStringLiteral("Ticket Files (*.TIC *.tic)");
    dialog.fileName = QStringLiteral("*.tic");
    dialog.directory = m_lottery.homeDir();
    dialog.defaultSuffix = QStringLiteral("tic");
    dialog.helpContext = HelpTopic;
    const QString path = Prompts::instance().saveFileName(this, dialog);
    if (path.isEmpty())
        return;
    const ::Tickets& tickets = visibleList() == TicketList2 ? m_tickets.sorted : m_tickets.pickOrder;
    gui::runCommand(
        this, [&] { TicketFile::write(path, m_tickets.kind, m_smart.definition.Description, tickets); });
}

void TSmartForm::PrintButtonClick() {
    QStringList lines;
    const QListWidget* list = visibleList();
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    SmartPrintoutFacts facts = SmartPrintoutFacts::from(m_tickets, lines);
    facts.Description = m_smart.definition.Description;
    facts.NumbersDrawn = m_smart.definition.NumbersDrawn;
    facts.columnNote = !BonusLabel->isHidden() ? BonusLabel->text() : QString();
    setUpSmartPrintout(ReportSystem1, facts);
    ReportSystem1.execute(this);
}
