// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/generator_wizard.h"

#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "lottery/program_home.h"
#include "play/generated_tickets_printout.h"
#include "play/ticket_list_model.h"
#include "play/wheel_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

QFont ticketListFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

TGeneratorWizard::TGeneratorWizard(CurrentLottery& lottery, const QString& caption, const QString& what,
                                   int helpTopic, QWidget* parent)
    : QDialog(parent), m_lottery(lottery) {
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_generatorName = what.at(0).toUpper() + what.mid(1);
    m_generatorName.replace(QStringLiteral(" number"), QStringLiteral(" Number"));

    Notebook = new QStackedWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Notebook->addWidget(makeMethodPage(what));
    const QString wheelsDir = ProgramHome(m_lottery.homeDir()).wheelsDir();
    WheelPage = new TWheelPage(wheelsDir, definition(), this);
    Notebook->addWidget(WheelPage);
    Notebook->addWidget(makeTicketsPage());
    // Without a wheel for the lottery only the player's own tickets can be made.
    Tickets->setVisible(TWheelPage::wheelsAvailable(wheelsDir, definition()));

    PreviousBtn = gui::makeButton("PreviousBtn", QStringLiteral("Previous"), this);
    NextBtn = gui::makeButton("NextBtn", QStringLiteral("Next"), this);
    CloseBtn = gui::makeButton("CloseBtn", QStringLiteral("&Close"), this);
    HelpBtn = gui::makeButton("HelpBtn", QStringLiteral("Help"), this);
    NextBtn->setDefault(true);
    PreviousBtn->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {PreviousBtn, NextBtn, CloseBtn, HelpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Notebook, 1);
    layout->addLayout(buttons);

    connect(PreviousBtn, &QPushButton::clicked, this, [this] { PreviousBtnClick(); });
    connect(NextBtn, &QPushButton::clicked, this, [this] { NextBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this, helpTopic] { Help::showTopic(helpTopic, this); });
    connect(SaveBtn, &QPushButton::clicked, this, &TGeneratorWizard::SaveBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TGeneratorWizard::PrintBtnClick);
    connect(OwnTicketsBtn, &QRadioButton::toggled, this, &TGeneratorWizard::TicketsClick);
    Help::setContext(this, helpTopic);
    Help::setContext(NumberOfTickets, helpTopic + 1);
    Help::setContext(WheelPage, helpTopic + 2);
    Help::setContext(TicketList, helpTopic + 3);
    Help::installContextHelp(this, [helpTopic] { return helpTopic; });
    resetMethodPage();
}

QWidget* TGeneratorWizard::makeMethodPage(const QString& what) {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("MethodPage"));
    auto* title = new QLabel(QStringLiteral("<b>Select Ticket Method</b>"), page);
    Tickets = new QGroupBox(QStringLiteral("Tickets"), page);
    Tickets->setObjectName(QStringLiteral("Tickets"));
    OwnTicketsBtn = new QRadioButton(QStringLiteral("Create your own %1 tickets").arg(what), Tickets);
    OwnTicketsBtn->setObjectName(QStringLiteral("OwnTicketsBtn"));
    OwnTicketsBtn->setChecked(true);
    WheelTicketsBtn =
        new QRadioButton(QStringLiteral("Generate tickets by selecting a Wheeling System"), Tickets);
    WheelTicketsBtn->setObjectName(QStringLiteral("WheelTicketsBtn"));
    auto* group = new QVBoxLayout(Tickets);
    group->addWidget(OwnTicketsBtn);
    group->addWidget(WheelTicketsBtn);

    NumberOfTicketsLabel =
        gui::makeLabel("NumberOfTicketsLabel", QStringLiteral("How many %1 tickets?").arg(what), page);
    NumberOfTickets = new QSpinBox(page);
    NumberOfTickets->setObjectName(QStringLiteral("NumberOfTickets"));
    NumberOfTickets->setRange(1, 32000);
    NumberOfTicketsLabel->setBuddy(NumberOfTickets);
    auto* count = new QHBoxLayout;
    count->addWidget(NumberOfTicketsLabel);
    count->addWidget(NumberOfTickets);
    count->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(Tickets);
    layout->addLayout(count);
    layout->addStretch(1);
    return page;
}

QWidget* TGeneratorWizard::makeTicketsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TicketsPage"));
    auto* title = new QLabel(QStringLiteral("<b>Tickets</b>"), page);
    m_ticketModel = new TicketListModel(this);
    TicketList = new QListView(page);
    TicketList->setObjectName(QStringLiteral("TicketList"));
    TicketList->setModel(m_ticketModel);
    TicketList->setFont(ticketListFont());
    const QFontMetrics metrics(TicketList->font());
    TicketList->setMinimumWidth(metrics.horizontalAdvance(QString(52, QLatin1Char('0'))) + 30);
    TicketList->setMinimumHeight(metrics.height() * 14);
    auto* listLabel = new QLabel(QStringLiteral("Tickets:"), page);
    listLabel->setBuddy(TicketList);
    GuaranteeCaption = gui::makeLabel("GuaranteeCaption", QStringLiteral("Prize Guarantee:"), page);
    Label5 = gui::makeLabel("Label5", QString(), page);
    PlayedCaption = gui::makeLabel("PlayedCaption", QStringLiteral("Numbers Played:"), page);
    Label7 = gui::makeLabel("Label7", QString(), page);
    Label7->setWordWrap(true);
    BonusLabel = gui::makeLabel("BonusLabel", QString(), page);
    SaveBtn = gui::makeButton("SaveBtn", QStringLiteral("&Save"), page);
    PrintBtn = gui::makeButton("PrintBtn", QStringLiteral("&Print"), page);

    auto* facts = new QGridLayout;
    facts->addWidget(GuaranteeCaption, 0, 0);
    facts->addWidget(Label5, 0, 1);
    facts->addWidget(PlayedCaption, 1, 0);
    facts->addWidget(Label7, 1, 1);
    facts->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveBtn);
    buttons->addWidget(PrintBtn);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(listLabel);
    layout->addWidget(TicketList, 1);
    layout->addWidget(BonusLabel);
    layout->addLayout(facts);
    layout->addLayout(buttons);
    return page;
}

int TGeneratorWizard::addPage(QWidget* page) {
    return Notebook->addWidget(page);
}

int TGeneratorWizard::currentPage() const {
    return Notebook->currentIndex();
}

void TGeneratorWizard::showPage(int page) {
    Notebook->setCurrentIndex(page);
    gui::growToContents(this);
}

const LotteryDefinition& TGeneratorWizard::definition() const {
    return m_lottery.definition();
}

void TGeneratorWizard::resetMethodPage() {
    NumberOfTickets->setValue(1);
    const QString note = generatorColumnNote(definition());
    BonusLabel->setText(note);
    BonusLabel->setVisible(!note.isEmpty());
}

void TGeneratorWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (currentPage() == kMethodPage)
        NumberOfTickets->setFocus();
}

void TGeneratorWizard::TicketsClick() {
    const bool own = OwnTicketsBtn->isChecked();
    NumberOfTicketsLabel->setEnabled(own);
    NumberOfTickets->setEnabled(own);
    if (own)
        NumberOfTickets->setFocus();
}

bool TGeneratorWizard::wheelChosen() const {
    return WheelTicketsBtn->isChecked() && !Tickets->isHidden();
}

QString TGeneratorWizard::selectedWheel() const {
    return WheelPage->selectedFile();
}

void TGeneratorWizard::showTickets(const GeneratedTickets& generated) {
    m_generated = generated;
    m_ticketModel->setKind(generated.kind);
    m_ticketModel->setTickets(generated.tickets);
    Label5->setText(generated.guarantee);
    Label7->setText(generated.numbersPlayed);
    for (QLabel* label : {GuaranteeCaption, Label5, PlayedCaption, Label7})
        label->setVisible(generated.wheel);
    if (m_ticketModel->rowCount() > 0)
        TicketList->setCurrentIndex(m_ticketModel->index(0, 0));
}

void TGeneratorWizard::saveTickets(const GeneratedTickets& generated) {
    FileDialogSpec dialog;
    dialog.title = QStringLiteral("Save Ticket File");
    dialog.filter = QStringLiteral("Ticket Files (*.TIC *.tic)");
    dialog.fileName = QStringLiteral("*.tic");
    dialog.directory = m_lottery.homeDir();
    dialog.defaultSuffix = QStringLiteral("tic");
    dialog.helpContext = Help::context(this);
    const QString path = Prompts::instance().saveFileName(this, dialog);
    if (path.isEmpty())
        return;
    gui::runCommand(this, [&] { generated.save(path, definition()); });
}

void TGeneratorWizard::printTickets(ReportSystem& report, const GeneratedTickets& generated,
                                    const QString& note) {
    GeneratedPrintoutFacts facts;
    facts.generator = m_generatorName;
    facts.lotteryName = definition().Description;
    facts.numbersDrawn = definition().NumbersDrawn;
    facts.note = note;
    facts.generated = generated;
    setUpGeneratedTicketsPrintout(report, facts);
    report.execute(this);
}

void TGeneratorWizard::SaveBtnClick() {
    saveTickets(m_generated);
}

void TGeneratorWizard::PrintBtnClick() {
    printTickets(ReportSystem1, m_generated, BonusLabel->text());
}
