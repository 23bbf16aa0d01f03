// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/fav_form.h"

#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "play/ticket_line.h"
#include "play/ticket_list_model.h"
#include "play/wheel_file.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 560;
constexpr int kEditBoxes = 50;
constexpr int kFavBoxes = 10;

QLineEdit* makeBox(const QString& name, int characters, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(characters);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return box;
}

} // namespace

TFavForm::TFavForm(CurrentLottery& lottery, QWidget* parent)
    : TGeneratorWizard(lottery, QStringLiteral("Play Favorite Numbers"), QStringLiteral("favorite number"),
                       HelpTopic, parent),
      m_layout(FavoriteNumbers::ownLayout(definition())) {
    setObjectName(QStringLiteral("FavForm"));
    addPage(makeNumbersPage());
    addPage(makeOwnTicketsPage());
    connect(SaveBtn2, &QPushButton::clicked, this, &TFavForm::SaveBtn2Click);
    connect(PrintBtn2, &QPushButton::clicked, this, &TFavForm::PrintBtn2Click);
    connect(TicketList2, &QListView::clicked, this, &TFavForm::TicketList2Click);
    Help::setContext(m_edits.first()->parentWidget(), HelpTopic + 4);
    Help::setContext(TicketList2->parentWidget(), HelpTopic + 5);
}

QWidget* TFavForm::makeNumbersPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("NumbersPage"));
    auto* title = new QLabel(QStringLiteral("<b>Enter Favorite Numbers</b>"), page);
    Label9 = gui::makeLabel("Label9", QString(), page);
    auto* grid = new QGridLayout;
    for (int i = 1; i <= kEditBoxes; ++i) {
        QLineEdit* edit = makeBox(QStringLiteral("Edit%1").arg(i), 3, page);
        edit->hide();
        grid->addWidget(edit, (i - 1) / 10, (i - 1) % 10);
        m_edits << edit;
    }
    grid->setColumnStretch(10, 1);
    Label10 = gui::makeLabel("Label10", QString(), page);
    BonusText = makeBox(QStringLiteral("BonusText"), 2, page);
    Label10->setBuddy(BonusText);
    Label10->hide();
    BonusText->hide();
    auto* bonus = new QHBoxLayout;
    bonus->addWidget(Label10);
    bonus->addWidget(BonusText);
    bonus->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(Label9);
    layout->addLayout(grid);
    layout->addLayout(bonus);
    layout->addStretch(1);
    return page;
}

QWidget* TFavForm::makeOwnTicketsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("OwnTicketsPage"));
    auto* title = new QLabel(QStringLiteral("<b>Enter Favorite Tickets</b>"), page);
    Label8 = gui::makeLabel("Label8", QString(), page);
    m_ownModel = new TicketListModel(this);
    m_ownModel->setKind(m_layout.kind);
    TicketList2 = new QListView(page);
    TicketList2->setObjectName(QStringLiteral("TicketList2"));
    TicketList2->setModel(m_ownModel);
    TicketList2->setFont(ticketListFont());
    TicketList2->setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics metrics(TicketList2->font());
    TicketList2->setMinimumWidth(metrics.horizontalAdvance(QString(52, QLatin1Char('0'))) + 30);
    TicketList2->setMinimumHeight(metrics.height() * 12);
    Label12 = gui::makeLabel("Label12", FavoriteNumbers::ownTicketsNote(definition()), page);
    Label12->setVisible(!Label12->text().isEmpty());
    Label11 = gui::makeLabel("Label11", QString(), page);

    // Digits only, or card codes in capitals, so a typed ticket is always one the file can hold.
    const bool cards = m_layout.kind.isCardGame();
    const bool rankBonus = GameTypes::bonusIsCardRank(m_layout.kind.gameType, m_layout.regular);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    auto* upper = new gui::UpperCaseValidator(this);
    auto* boxes = new QHBoxLayout;
    for (int i = 1; i <= kFavBoxes; ++i) {
        const bool bonus = i > m_layout.regular;
        QLineEdit* fav = makeBox(QStringLiteral("Fav%1").arg(i), cards && !bonus ? 3 : 2, page);
        fav->setValidator((cards && !bonus) || (bonus && rankBonus) ? static_cast<QValidator*>(upper)
                                                                    : digits);
        fav->installEventFilter(this);
        fav->hide();
        boxes->addWidget(fav);
        m_favs << fav;
    }
    boxes->addStretch(1);
    SaveBtn2 = gui::makeButton("SaveBtn2", QStringLiteral("&Save"), page);
    PrintBtn2 = gui::makeButton("PrintBtn2", QStringLiteral("&Print"), page);
    SaveBtn2->installEventFilter(this);
    // Tabbing runs through the boxes to Save, which passes on to the next ticket.
    for (int i = 1; i < kFavBoxes; ++i)
        setTabOrder(m_favs.at(i - 1), m_favs.at(i));
    setTabOrder(m_favs.last(), SaveBtn2);
    setTabOrder(SaveBtn2, PrintBtn2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveBtn2);
    buttons->addWidget(PrintBtn2);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(Label8);
    layout->addWidget(TicketList2, 1);
    layout->addWidget(Label12);
    layout->addWidget(Label11);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    return page;
}

void TFavForm::NextBtnClick() {
    switch (currentPage()) {
    case kMethodPage:
        if (wheelChosen()) {
            showPage(kWheelPage);
            PreviousBtn->setEnabled(true);
        } else {
            startOwnTickets();
        }
        break;
    case kWheelPage:
        chooseWheelNumbers();
        break;
    case kNumbersPage:
        makeWheelTickets();
        break;
    default:
        break;
    }
}

void TFavForm::PreviousBtnClick() {
    switch (currentPage()) {
    case kWheelPage:
        showPage(kMethodPage);
        PreviousBtn->setEnabled(false);
        break;
    case kNumbersPage:
        for (QLineEdit* edit : m_edits) {
            edit->hide();
            edit->clear();
        }
        BonusText->hide();
        BonusText->clear();
        Label10->hide();
        showPage(kWheelPage);
        break;
    case kTicketsPage:
        showPage(kNumbersPage);
        NextBtn->setEnabled(true);
        break;
    case kOwnTicketsPage:
        showPage(kMethodPage);
        NextBtn->setEnabled(true);
        PreviousBtn->setEnabled(false);
        NumberOfTickets->setFocus();
        break;
    default:
        break;
    }
}

void TFavForm::startOwnTickets() {
    for (int i = 0; i < kFavBoxes; ++i) {
        m_favs.at(i)->clear();
        m_favs.at(i)->setVisible(i < m_layout.boxes);
    }
    const int count = NumberOfTickets->value();
    Label8->setText(QStringLiteral("%1 Tickets").arg(count));
    Label11->setText(QStringLiteral("Ticket 1"));
    ::Tickets tickets;
    tickets.reserve(count);
    for (int t = 1; t <= count; ++t)
        tickets << Ticket{t, {}, std::nullopt};
    m_ownModel->setTickets(tickets);
    TicketList2->setCurrentIndex(m_ownModel->index(0, 0));
    showPage(kOwnTicketsPage);
    PreviousBtn->setEnabled(true);
    NextBtn->setEnabled(false);
    m_favs.first()->setFocus();
}

void TFavForm::chooseWheelNumbers() {
    const QString path = selectedWheel();
    if (path.isEmpty())
        return;
    int k = 0;
    if (!gui::runCommand(this, [&] {
            const WheelFile file = WheelFile::read(path);
            k = TicketEntries::toInteger(file.Numbers);
        }))
        return;
    m_wheelNumbers = std::clamp(k, 0, kEditBoxes);
    for (int i = 0; i < kEditBoxes; ++i)
        m_edits.at(i)->setVisible(i < m_wheelNumbers);
    Label9->setText(QStringLiteral("Enter %1 of your favorite numbers to play:").arg(k));
    const bool bonus = FavoriteNumbers::wheelNeedsBonus(definition());
    Label10->setText(FavoriteNumbers::bonusRequest(definition()));
    Label10->setVisible(bonus);
    BonusText->setVisible(bonus);
    if (bonus && GameTypes::bonusIsCardRank(definition().GameType, definition().regularNumbers()))
        BonusText->setValidator(new gui::UpperCaseValidator(BonusText));
    showPage(kNumbersPage);
    if (m_wheelNumbers > 0)
        m_edits.first()->setFocus();
}

void TFavForm::makeWheelTickets() {
    QStringList boxes;
    for (int i = 0; i < m_wheelNumbers; ++i)
        boxes << m_edits.at(i)->text();
    const QStringList refusals = FavoriteNumbers::wheelRefusals(definition(), boxes, BonusText->text());
    if (!refusals.isEmpty()) {
        for (int i = 0; i < m_wheelNumbers; ++i)
            if (boxes.at(i).trimmed().isEmpty()) {
                // The last empty box keeps the focus.
                m_edits.at(i)->setFocus();
                Prompts::instance().information(this, QLatin1String(FavoriteNumbers::kEnterAllNumbers));
            }
        if (refusals.first() == QLatin1String(FavoriteNumbers::kEnterBonus)) {
            BonusText->setFocus();
            Prompts::instance().information(this, refusals.first());
        }
        return;
    }
    GeneratedTickets generated;
    const bool made = gui::runCommand(this, [&] {
        BusyCursor busy;
        generated = FavoriteNumbers::wheel(definition(), selectedWheel(), boxes, BonusText->text());
    });
    if (!made)
        return;
    showTickets(generated);
    NextBtn->setEnabled(false);
    showPage(kTicketsPage);
}

int TFavForm::ownRow() const {
    return TicketList2->currentIndex().isValid() ? TicketList2->currentIndex().row() : -1;
}

void TFavForm::FavExit() {
    const int row = ownRow();
    if (row < 0)
        return;
    QStringList boxes;
    for (int i = 0; i < m_layout.boxes; ++i) {
        if (i < m_layout.regular) {
            // A number the game never draws as a regular one is not kept on the ticket.
            const QString refusal = FavoriteNumbers::regularRefusal(definition(), m_favs.at(i)->text());
            if (!refusal.isEmpty()) {
                m_favs.at(i)->clear();
                m_favs.at(i)->setFocus();
                Prompts::instance().information(this, refusal);
            }
        }
        const QString stored = FavoriteNumbers::normaliseBox(m_layout, i + 1, m_favs.at(i)->text());
        // The box shows what the ticket holds: 7 becomes 07.
        if (stored != m_favs.at(i)->text())
            m_favs.at(i)->setText(stored);
        boxes << stored;
    }
    m_ownModel->setTicket(row, FavoriteNumbers::ownTicket(m_layout, m_ownModel->ticket(row).number, boxes));
    TicketList2->setCurrentIndex(m_ownModel->index(row, 0));
}

void TFavForm::selectOwnTicket(int row) {
    TicketList2->setCurrentIndex(m_ownModel->index(row, 0));
    TicketList2Click();
}

void TFavForm::TicketList2Click() {
    const int row = ownRow();
    if (row < 0)
        return;
    const Ticket& ticket = m_ownModel->ticket(row);
    Label11->setText(QStringLiteral("Ticket %1").arg(ticket.number));
    for (int i = 0; i < m_layout.regular; ++i)
        m_favs.at(i)->setText(ticket.field(i));
    if (m_layout.boxes > m_layout.regular)
        m_favs.at(m_layout.boxes - 1)->setText(ticket.bonus.value_or(QString()));
    m_favs.first()->setFocus();
}

bool TFavForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_favs.contains(watched) && !m_storing) {
        m_storing = true;
        FavExit();
        m_storing = false;
    } else if (event->type() == QEvent::FocusIn && watched == SaveBtn2) {
        // Tabbing on from the last box of a ticket goes to the next ticket, not to Save.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const int row = ownRow();
        if (reason == Qt::TabFocusReason && row >= 0 && row + 1 < m_ownModel->rowCount()) {
            selectOwnTicket(row + 1);
            return true;
        }
    }
    return TGeneratorWizard::eventFilter(watched, event);
}

void TFavForm::SaveBtn2Click() {
    GeneratedTickets own;
    own.kind = m_layout.kind;
    own.tickets = m_ownModel->tickets();
    saveTickets(own);
}

void TFavForm::PrintBtn2Click() {
    GeneratedTickets own;
    own.kind = m_layout.kind;
    own.tickets = m_ownModel->tickets();
    printTickets(ReportSystem2, own, Label12->text());
}
