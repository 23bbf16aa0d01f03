// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/check_form.h"

#include "db/vantoro_error.h"
#include "drawings/drawing_list_model.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "play/check_printout.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
enum Page { SelectDate = 0, DisplayTickets = 1 };
}

TCheckForm::TCheckForm(CurrentLottery& lottery, const QString& ticketPath, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_path(ticketPath), m_fileName(QFileInfo(ticketPath).fileName()) {
    setObjectName(QStringLiteral("TCheckForm"));
    DbfTable& table = m_lottery.table();
    table.SetOrder(1);
    m_model = std::make_unique<DrawingListModel>(table);
    m_model->reload();
    buildWindow();
    ReportSystem1.setPrintoutName(QStringLiteral("Print Tickets"));
    showPage(SelectDate);
    // The latest drawing is the one most often checked.
    if (m_model->rowCount() > 0) {
        DBGrid1->selectRow(m_model->rowCount() - 1);
        DBGrid1->scrollToBottom();
    }
}

TCheckForm::~TCheckForm() = default;

void TCheckForm::buildWindow() {
    m_pages = new QStackedWidget(this);

    auto* selectPage = new QWidget(m_pages);
    selectPage->setObjectName(QStringLiteral("SelectDate"));
    auto* selectLayout = new QVBoxLayout(selectPage);
    selectLayout->addWidget(
        gui::makeLabel("Label1", QStringLiteral("Click on the drawing date to check:"), selectPage));
    DBGrid1 = new QTableView(selectPage);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model.get());
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->resizeColumnsToContents();
    selectLayout->addWidget(DBGrid1);
    m_pages->addWidget(selectPage);

    auto* displayPage = new QWidget(m_pages);
    displayPage->setObjectName(QStringLiteral("DisplayTickets"));
    auto* displayLayout = new QVBoxLayout(displayPage);
    NumbersLabel = gui::makeLabel("NumbersLabel", QString(), displayPage);
    BonusLabel = gui::makeLabel("BonusLabel", QString(), displayPage);
    Label2 = gui::makeLabel("Label2", QString(), displayPage);
    TicketsLabel = gui::makeLabel("TicketsLabel", QString(), displayPage);
    for (QLabel* label : {NumbersLabel, BonusLabel, Label2, TicketsLabel})
        displayLayout->addWidget(label);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    TicketList2 = new QListWidget(displayPage);
    TicketList2->setObjectName(QStringLiteral("TicketList2"));
    TicketList3 = new QListWidget(displayPage);
    TicketList3->setObjectName(QStringLiteral("TicketList3"));
    for (QListWidget* list : {TicketList2, TicketList3}) {
        list->setFont(fixed);
        list->setUniformItemSizes(true);
        displayLayout->addWidget(list, 1);
    }
    auto* controls = new QHBoxLayout;
    controls->addWidget(
        gui::makeLabel("Label3", QStringLiteral("Minimum number of matches to display:"), displayPage));
    MaskEdit1 = new QLineEdit(displayPage);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), MaskEdit1));
    MaskEdit1->setMaxLength(1);
    MaskEdit1->setFixedWidth(MaskEdit1->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 14);
    controls->addWidget(MaskEdit1);
    controls->addSpacing(20);
    controls->addWidget(gui::makeLabel("Label4", QStringLiteral("Summary:"), displayPage));
    ComboBox1 = new QComboBox(displayPage);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumContentsLength(14);
    controls->addWidget(ComboBox1);
    controls->addStretch(1);
    PrintBtn = gui::makeButton("PrintBtn", QStringLiteral("&Print"), displayPage);
    controls->addWidget(PrintBtn);
    displayLayout->addLayout(controls);
    m_pages->addWidget(displayPage);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    PreviousBtn = gui::makeButton("PreviousBtn", QStringLiteral("< &Previous"), this);
    NextBtn = gui::makeButton("NextBtn", QStringLiteral("&Next >"), this);
    QPushButton* closeBtn = gui::makeButton("OKBtn", QStringLiteral("&Close"), this);
    QPushButton* helpBtn = gui::makeButton("HelpBtn", QStringLiteral("&Help"), this);
    for (QPushButton* button : {PreviousBtn, NextBtn, closeBtn, helpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    resize(560, 480);

    Help::setContext(this, HelpTopic);
    connect(NextBtn, &QPushButton::clicked, this, &TCheckForm::NextBtnClick);
    connect(PreviousBtn, &QPushButton::clicked, this, &TCheckForm::PreviousBtnClick);
    connect(MaskEdit1, &QLineEdit::textChanged, this, &TCheckForm::MaskEdit1Change);
    connect(PrintBtn, &QPushButton::clicked, this, &TCheckForm::PrintBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(HelpTopic, this); });
    connect(DBGrid1, &QTableView::doubleClicked, this, &TCheckForm::NextBtnClick);
}

void TCheckForm::showPage(int page) {
    m_pages->setCurrentIndex(page);
    PreviousBtn->setEnabled(page == DisplayTickets);
    NextBtn->setEnabled(page == SelectDate);
    if (page == SelectDate)
        setWindowTitle(QStringLiteral("Check Tickets (%1)").arg(m_fileName));
}

void TCheckForm::NextBtnClick() {
    const QModelIndexList rows = DBGrid1->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        Prompts::instance().information(this,
                                        QStringLiteral("There is no drawing to check the tickets against."));
        return;
    }
    const bool done = gui::runCommand(this, [&] {
        BusyCursor busy;
        DbfTable& table = m_lottery.table();
        table.SetOrder(1);
        table.GoTop();
        table.Skip(rows.first().row());
        // The file is read again: it may have been edited since the command tested it.
        TicketFile header;
        const TicketCheck check = TicketCheck::read(m_path, header);
        const QString refusal = ticketFileRefusal(m_lottery.definition(), header.kind);
        if (!refusal.isEmpty())
            throw VantoroError(refusal);
        const CheckDrawing drawn = CheckDrawing::read(table, m_lottery.definition(), header.kind.gameType);
        m_result = check.run(drawn, m_lottery.definition());
        // Line 1 only says how many tickets the writer meant to save; the list shows those there are.
        TicketsLabel->setText(QStringLiteral("%1 Tickets").arg(check.size()));
    });
    if (!done)
        return;
    setWindowTitle(QStringLiteral("Check Tickets (%1) With Drawing On %2").arg(m_fileName, m_result.date));
    NumbersLabel->setText(m_result.numbersLabel);
    BonusLabel->setText(m_result.bonusLabel);
    BonusLabel->setVisible(!m_result.bonusLabel.isEmpty());
    Label2->setText(m_result.note);
    Label2->setVisible(!m_result.note.isEmpty());
    TicketList2->clear();
    TicketList2->addItems(m_result.lines);
    ComboBox1->clear();
    ComboBox1->addItems(m_result.summary);
    ComboBox1->setCurrentIndex(0);
    {
        const QSignalBlocker quiet(MaskEdit1);
        MaskEdit1->setText(QStringLiteral("0"));
    }
    TicketList3->clear();
    TicketList3->hide();
    TicketList2->show();
    showPage(DisplayTickets);
    MaskEdit1->setFocus();
    MaskEdit1->selectAll();
}

void TCheckForm::PreviousBtnClick() {
    showPage(SelectDate);
    DBGrid1->setFocus();
}

void TCheckForm::MaskEdit1Change() {
    BusyCursor busy;
    TicketList3->clear();
    const QString text = MaskEdit1->text().trimmed();
    if (!text.isEmpty())
        TicketList3->addItems(m_result.linesWithAtLeast(text.toInt()));
    TicketList2->hide();
    TicketList3->show();
}

void TCheckForm::PrintBtnClick() {
    CheckPrintoutFacts facts;
    facts.note = m_result.note;
    facts.numbersLabel = m_result.numbersLabel;
    facts.bonusLabel = m_result.bonusLabel;
    facts.drawDate = m_result.date;
    facts.lotteryName = m_lottery.definition().Description;
    facts.numbersDrawn = m_lottery.definition().NumbersDrawn;
    QListWidget* visible = TicketList3->isHidden() ? TicketList2 : TicketList3;
    for (int i = 0; i < visible->count(); ++i)
        facts.lines << visible->item(i)->text();
    facts.summary = m_result.summary;
    setUpCheckPrintout(ReportSystem1, facts);
    ReportSystem1.execute(this);
}

void TCheckForm::run(CurrentLottery& lottery, QWidget* parent) {
    FileDialogSpec dialog;
    dialog.title = QStringLiteral("Check Ticket File");
    dialog.filter = QStringLiteral("Ticket Files (*.TIC *.tic)");
    dialog.fileName = QStringLiteral("*.tic");
    dialog.directory = lottery.homeDir();
    dialog.helpContext = HelpTopic;
    const QString path = Prompts::instance().openFileName(parent, dialog);
    if (path.isEmpty())
        return;
    TicketFile header;
    if (!gui::runCommand(parent, [&] { TicketCheck::read(path, header); }))
        return;
    const QString refusal = ticketFileRefusal(lottery.definition(), header.kind);
    if (!refusal.isEmpty()) {
        Prompts::instance().information(parent, refusal);
        return;
    }
    TCheckForm form(lottery, path, parent);
    Modal::run(form);
}
