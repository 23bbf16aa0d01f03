// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/edit_tic_form.h"

#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "lottery/current_lottery.h"
#include "play/drawing_averages.h"
#include "play/ticket_list_model.h"
#include "play/ticket_printout.h"

#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 520;
constexpr int kEditBoxes = 11; // ten columns and a bonus box after the last of them

QFont listFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QListView* makeList(const char* name, TicketListModel* model, QWidget* parent) {
    auto* list = new QListView(parent);
    list->setModel(model);
    list->setObjectName(QLatin1String(name));
    list->setFont(listFont());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.horizontalAdvance(QString(52, QLatin1Char('0'))) + 30);
    list->setMinimumHeight(metrics.height() * 16);
    return list;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString filterLabel(TicketFilter filter, const char* part) {
    return QLatin1String(filter == TicketFilter::Sum ? "Sum" : "Odd") + QLatin1String(part);
}

} // namespace

bool TEditTicForm::FilterControls::onRange() const {
    return range->isChecked();
}

TEditTicForm::TEditTicForm(CurrentLottery& lottery, const QString& path, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_path(path), m_openedName(QFileInfo(path).fileName()) {
    setObjectName(QStringLiteral("EditTicForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildWindow();
    loadFile();
}

TEditTicForm::~TEditTicForm() = default;

void TEditTicForm::buildWindow() {
    m_all = new TicketListModel(this);
    m_filtered = new TicketListModel(this);
    TicketList = makeList("TicketList", m_all, this);
    TicketList2 = makeList("TicketList2", m_filtered, this);
    TicketList2->hide();
    TicketsLabel = new QLabel(this);
    TicketsLabel->setObjectName(QStringLiteral("TicketsLabel"));
    TypeLabel = new QLabel(this);
    TypeLabel->setObjectName(QStringLiteral("TypeLabel"));
    BonusLabel = new QLabel(this);
    BonusLabel->setObjectName(QStringLiteral("BonusLabel"));
    BonusLabel->setWordWrap(true);
    m_averageSum = new QLabel(QStringLiteral("Drawing Average Sum:"), this);
    m_averageSum->setObjectName(QStringLiteral("AverageSumLabel"));
    m_averageOdd = new QLabel(QStringLiteral("Drawing Average Odd:"), this);
    m_averageOdd->setObjectName(QStringLiteral("AverageOddLabel"));
    m_averageNote = new QLabel(this);
    m_averageNote->setObjectName(QStringLiteral("AverageNoteLabel"));
    m_averageNote->setWordWrap(true);

    m_ticketGroup = new QGroupBox(this);
    m_ticketGroup->setObjectName(QStringLiteral("TicketGroup"));
    auto* boxes = new QHBoxLayout;
    for (int i = 1; i <= kEditBoxes; ++i) {
        auto* edit = new QLineEdit(m_ticketGroup);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        edit->installEventFilter(this);
        edit->hide();
        boxes->addWidget(edit);
        m_edits.append(edit);
    }
    boxes->addStretch();
    m_sumLabel = new QLabel(QStringLiteral("Sum: 0"), m_ticketGroup);
    m_sumLabel->setObjectName(QStringLiteral("SumLabel"));
    m_oddLabel = new QLabel(QStringLiteral("Odd: 0"), m_ticketGroup);
    m_oddLabel->setObjectName(QStringLiteral("OddLabel"));
    m_evenLabel = new QLabel(QStringLiteral("Even: 0"), m_ticketGroup);
    m_evenLabel->setObjectName(QStringLiteral("EvenLabel"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(m_sumLabel);
    countRow->addWidget(m_oddLabel);
    countRow->addWidget(m_evenLabel);
    countRow->addStretch();
    auto* ticketLayout = new QVBoxLayout(m_ticketGroup);
    ticketLayout->addLayout(boxes);
    ticketLayout->addLayout(countRow);

    auto makeFilter = [this](FilterControls& controls, TicketFilter filter, const QString& title) {
        controls.group = new QGroupBox(title, this);
        controls.group->setObjectName(filterLabel(filter, "Filter"));
        controls.all = new QRadioButton(QStringLiteral("All"), controls.group);
        controls.all->setObjectName(filterLabel(filter, "All"));
        controls.all->setChecked(true);
        controls.range = new QRadioButton(QStringLiteral("Range"), controls.group);
        controls.range->setObjectName(filterLabel(filter, "Range"));
        controls.from = new QLineEdit(controls.group);
        controls.from->setObjectName(filter == TicketFilter::Sum ? QStringLiteral("FromSum")
                                                                 : QStringLiteral("FromOdd"));
        controls.to = new QLineEdit(controls.group);
        controls.to->setObjectName(filter == TicketFilter::Sum ? QStringLiteral("ToSum")
                                                               : QStringLiteral("ToOdd"));
        for (QLineEdit* box : {controls.from, controls.to}) {
            box->setEnabled(false);
            box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
            box->installEventFilter(this);
        }
        auto* layout = new QGridLayout(controls.group);
        layout->addWidget(controls.all, 0, 0);
        layout->addWidget(controls.range, 1, 0);
        layout->addWidget(new QLabel(QStringLiteral("From"), controls.group), 0, 1);
        layout->addWidget(controls.from, 0, 2);
        layout->addWidget(new QLabel(QStringLiteral("To"), controls.group), 1, 1);
        layout->addWidget(controls.to, 1, 2);
        // Only a change of choice counts: clicking the choice already made must not refill the list.
        connect(controls.all, &QRadioButton::toggled, this, [this, filter](bool on) {
            if (on)
                FilterAllClick(filter);
        });
        connect(controls.range, &QRadioButton::toggled, this, [this, filter](bool on) {
            if (on)
                FilterRangeClick(filter);
        });
    };
    makeFilter(m_sum, TicketFilter::Sum, QStringLiteral("Sum Filter"));
    makeFilter(m_odd, TicketFilter::Odd, QStringLiteral("Odd Filter"));

    m_addBtn = makeButton("AddBtn", QStringLiteral("&Add"), this);
    m_deleteBtn = makeButton("DeleteBtn", QStringLiteral("&Delete"), this);
    m_saveBtn = makeButton("SaveBtn", QStringLiteral("&Save"), this);
    m_printBtn = makeButton("PrintBtn", QStringLiteral("&Print"), this);
    m_closeBtn = makeButton("CloseBtn", QStringLiteral("&Close"), this);
    m_helpBtn = makeButton("HelpBtn", QStringLiteral("&Help"), this);

    auto* lists = new QVBoxLayout;
    lists->addWidget(TicketsLabel);
    lists->addWidget(TicketList, 1);
    lists->addWidget(TicketList2, 1);
    lists->addWidget(BonusLabel);

    auto* side = new QVBoxLayout;
    side->addWidget(TypeLabel);
    side->addWidget(m_averageSum);
    side->addWidget(m_averageOdd);
    side->addWidget(m_averageNote);
    side->addWidget(m_sum.group);
    side->addWidget(m_odd.group);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(lists, 1);
    top->addLayout(side);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_addBtn, m_deleteBtn, m_saveBtn, m_printBtn, m_closeBtn, m_helpBtn})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_ticketGroup);
    layout->addLayout(buttons);

    for (QListView* list : {TicketList, TicketList2}) {
        connect(list, &QListView::clicked, this, &TEditTicForm::TicketListClick);
        // Moving through the list with the keys selects as a click does; the handlers' own changes
        // of the current row happen while the focus is elsewhere.
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, list] {
            if (list->hasFocus())
                TicketListClick();
        });
    }
    connect(m_addBtn, &QPushButton::clicked, this, &TEditTicForm::AddBtnClick);
    connect(m_deleteBtn, &QPushButton::clicked, this, &TEditTicForm::DeleteBtnClick);
    connect(m_saveBtn, &QPushButton::clicked, this, &TEditTicForm::SaveBtnClick);
    connect(m_printBtn, &QPushButton::clicked, this, &TEditTicForm::PrintBtnClick);
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(HelpTopic, this); });
}

void TEditTicForm::loadFile() {
    BusyCursor busy;
    setWindowTitle(QStringLiteral("Edit Tickets (%1)").arg(m_openedName));
    const TicketFile file = TicketFile::read(m_path);
    m_kind = file.kind;
    m_all->setKind(m_kind);
    m_filtered->setKind(m_kind);
    m_lotteryName = file.lotteryName;
    setTicketsLabel(file.count);

    for (int i = 0; i < kEditBoxes; ++i) {
        QLineEdit* edit = m_edits.at(i);
        const bool regular = i < m_kind.numbersPerTicket;
        const bool bonus = i + 1 == m_kind.bonusBox();
        edit->setVisible(regular || bonus);
        edit->setMaxLength(regular ? m_kind.fieldWidth() : 2);
    }
    m_sum.group->setVisible(!m_kind.isCardGame());
    m_odd.group->setVisible(!m_kind.isCardGame());
    BonusLabel->setText(m_kind.note());
    BonusLabel->setVisible(!m_kind.note().isEmpty());
    TypeLabel->setText(m_kind.typeCaption());
    showAverages();

    m_all->setTickets(file.tickets);
    m_sum.initial = m_sum.current = file.sumRange;
    m_odd.initial = m_odd.current = file.oddRange;
    showRange(m_sum);
    showRange(m_odd);
    selectRow(0);
}

void TEditTicForm::showAverages() {
    const LotteryDefinition& definition = m_lottery.definition();
    const int drawings = m_lottery.summaryDrawings();
    // With no drawings outside the hot window there is nothing to average: the labels stay hidden,
    // as they do for a file of another lottery.
    const bool shown =
        m_lottery.isOpen() && !m_kind.isCardGame() && m_lotteryName == definition.Description && drawings > 0;
    m_averageSum->setVisible(shown);
    m_averageOdd->setVisible(shown);
    m_averageNote->setVisible(false);
    if (!shown)
        return;
    const DrawingAverages averages = computeDrawingAverages(m_lottery.table(), definition, drawings);
    m_averageSum->setText(averages.sumText());
    m_averageOdd->setText(averages.oddText());
    m_averageNote->setText(averages.note());
    m_averageNote->setVisible(!averages.note().isEmpty());
}

void TEditTicForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

bool TEditTicForm::eventFilter(QObject* watched, QEvent* event) {
    // A message box or another window taking the focus is not the user leaving the box.
    if (event->type() == QEvent::FocusOut && !m_handling &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        m_handling = true;
        if (watched == m_sum.from || watched == m_sum.to)
            FromToExit(TicketFilter::Sum);
        else if (watched == m_odd.from || watched == m_odd.to)
            FromToExit(TicketFilter::Odd);
        else if (m_edits.contains(qobject_cast<QLineEdit*>(watched)))
            EditExit();
        m_handling = false;
    }
    return QDialog::eventFilter(watched, event);
}

QListView* TEditTicForm::visibleList() const {
    return TicketList2->isHidden() ? TicketList : TicketList2;
}

TicketListModel* TEditTicForm::visibleModel() const {
    return TicketList2->isHidden() ? m_all : m_filtered;
}

int TEditTicForm::currentRow() const {
    return visibleList()->currentIndex().row();
}

void TEditTicForm::setTicketsLabel(int count) {
    TicketsLabel->setText(QStringLiteral("%1 Tickets").arg(count));
}

void TEditTicForm::setCountLabels(const TicketCounts& counts) {
    m_sumLabel->setText(QStringLiteral("Sum: %1").arg(counts.sum));
    m_oddLabel->setText(QStringLiteral("Odd: %1").arg(counts.odd));
    m_evenLabel->setText(QStringLiteral("Even: %1").arg(counts.even));
}

void TEditTicForm::showRange(FilterControls& controls) {
    controls.from->setText(QString::number(controls.current.lowest));
    controls.to->setText(QString::number(controls.current.highest));
}

void TEditTicForm::selectRow(int row) {
    TicketListModel* model = visibleModel();
    if (row >= 0 && row < model->rowCount())
        visibleList()->setCurrentIndex(model->index(row));
    m_editIndex = model->rowCount() > 0 ? currentRow() : -1;
}

void TEditTicForm::FormActivate() {
    selectRow(0);
    TicketListClick();
}

void TEditTicForm::clearTicket(bool disableBoxes) {
    m_ticketGroup->setTitle(QString());
    setCountLabels({});
    for (QLineEdit* edit : m_edits) {
        edit->clear();
        if (disableBoxes)
            edit->setEnabled(false);
    }
}

void TEditTicForm::TicketListClick() {
    showSelected(FocusFirstBox);
}

void TEditTicForm::showSelected(TicketFocus focus) {
    m_editIndex = currentRow();
    showTicket(focus);
}

void TEditTicForm::showTicket(TicketFocus focus) {
    TicketListModel* model = visibleModel();
    if (m_editIndex < 0 || m_editIndex >= model->rowCount()) {
        clearTicket(true);
        return;
    }
    const Ticket& ticket = model->ticket(m_editIndex);
    m_ticketGroup->setTitle(QStringLiteral("Ticket %1").arg(ticket.number));
    for (int i = 0; i < kEditBoxes; ++i) {
        QLineEdit* edit = m_edits.at(i);
        edit->setEnabled(true);
        if (i < m_kind.numbersPerTicket)
            edit->setText(ticket.field(i).trimmed());
        else if (i + 1 == m_kind.bonusBox())
            edit->setText(ticket.bonus.value_or(QString()).trimmed());
        else
            edit->clear();
    }
    const bool counted = !m_kind.isCardGame();
    m_sumLabel->setVisible(counted);
    m_oddLabel->setVisible(counted);
    m_evenLabel->setVisible(counted);
    if (counted)
        gui::runCommand(this, [&] { setCountLabels(ticket.counts(m_kind)); });
    if (focus == FocusFirstBox)
        m_edits.first()->setFocus();
}

void TEditTicForm::AddBtnClick() {
    TicketListModel* model = visibleModel();
    // Past 99999 the five-digit label would push the fields out of place.
    if (model->rowCount() >= kMaxTickets)
        return;
    for (QLineEdit* edit : m_edits) {
        edit->setEnabled(true);
        edit->clear();
    }
    const int number = model->rowCount() + 1;
    setTicketsLabel(number);
    m_ticketGroup->setTitle(QStringLiteral("Ticket %1").arg(number));
    setCountLabels({});
    Ticket added;
    added.number = number;
    model->append(added);
    m_editIndex = model->rowCount() - 1;
    visibleList()->setCurrentIndex(model->index(m_editIndex));
    m_edits.first()->setFocus();
}

void TEditTicForm::EditExit() {
    TicketListModel* model = visibleModel();
    if (m_editIndex < 0 || m_editIndex >= model->rowCount())
        return;
    QStringList entries;
    for (int i = 0; i < m_kind.numbersPerTicket; ++i) {
        QLineEdit* edit = m_edits.at(i);
        const QString entry = TicketEntries::normalise(m_kind, edit->text().trimmed(), i < 5);
        if (entry != edit->text())
            edit->setText(entry);
        entries.append(entry);
    }
    QString bonus;
    if (m_kind.hasBonus()) {
        QLineEdit* edit = m_edits.at(m_kind.bonusBox() - 1);
        bonus = TicketEntries::normaliseBonus(m_kind, edit->text().trimmed());
        if (bonus != edit->text())
            edit->setText(bonus);
    }
    const Ticket ticket = Ticket::fromEntries(m_kind, model->ticket(m_editIndex).number, entries, bonus);
    TicketCounts counts;
    if (!gui::runCommand(this, [&] { counts = ticket.counts(m_kind); }))
        return;
    if (!m_kind.isCardGame())
        setCountLabels(counts);
    if (counts.complete) {
        const TicketRange sum = m_sum.current;
        const TicketRange odd = m_odd.current;
        m_sum.current.widen(counts.sum);
        m_odd.current.widen(counts.odd);
        if (!(sum == m_sum.current))
            showRange(m_sum);
        if (!(odd == m_odd.current))
            showRange(m_odd);
    }
    model->setTicket(m_editIndex, ticket);
    visibleList()->setCurrentIndex(model->index(m_editIndex));
}

void TEditTicForm::DeleteBtnClick() {
    TicketListModel* model = visibleModel();
    if (m_editIndex < 0 || m_editIndex >= model->rowCount())
        return;
    BusyCursor busy;
    model->remove(m_editIndex);
    setTicketsLabel(model->rowCount());
    if (model->rowCount() == 0) {
        m_editIndex = -1;
        clearTicket(model == m_all);
        setTicketsLabel(0);
        return;
    }
    selectRow(std::min(m_editIndex, model->rowCount() - 1));
    showTicket();
}

void TEditTicForm::showFiltered(bool filtered) {
    // Hide before showing: for a moment both lists would count in the layout's minimum, and the
    // dialog would grow to hold them and stay grown.
    QListView* shown = filtered ? TicketList2 : TicketList;
    QListView* hidden = filtered ? TicketList : TicketList2;
    hidden->setVisible(false);
    shown->setVisible(true);
}

void TEditTicForm::FilterRangeClick(TicketFilter filter) {
    FilterControls& controls = controlsOf(filter);
    controls.from->setEnabled(true);
    controls.to->setEnabled(true);
    if (!otherOf(filter).onRange()) {
        m_filtered->setTickets(m_all->tickets());
        showFiltered(true);
        selectRow(0);
    }
    showSelected(KeepFocus);
}

void TEditTicForm::FromToExit(TicketFilter filter) {
    FilterControls& controls = controlsOf(filter);
    if (!controls.onRange())
        return;
    TicketRange range;
    const bool read = gui::runCommand(this, [&] {
        range.lowest = TicketFilters::boundFromText(controls.from->text());
        range.highest = TicketFilters::boundFromText(controls.to->text());
    });
    if (!read)
        return;
    controls.current = range;
    showRange(controls);
    const bool filtered = gui::runCommand(this, [&] {
        if (otherOf(filter).onRange()) {
            Tickets kept = m_filtered->tickets();
            TicketFilters::narrow(m_kind, kept, filter, range);
            m_filtered->setTickets(kept);
        } else if (m_all->rowCount() > 0) {
            m_filtered->setTickets(TicketFilters::keep(m_kind, m_all->tickets(), filter, range));
        }
    });
    if (!filtered)
        return;
    setTicketsLabel(m_filtered->rowCount());
    selectRow(0);
    if (m_filtered->rowCount() == 0) {
        clearTicket(false);
        return;
    }
    showSelected(KeepFocus);
}

void TEditTicForm::FilterAllClick(TicketFilter filter) {
    FilterControls& controls = controlsOf(filter);
    FilterControls& other = otherOf(filter);
    controls.from->setEnabled(false);
    controls.to->setEnabled(false);
    controls.current = controls.initial;
    showRange(controls);
    if (!other.onRange()) {
        other.current = other.initial;
        showRange(other);
        showFiltered(false);
        selectRow(0);
        setTicketsLabel(m_all->rowCount());
        showSelected(KeepFocus);
    } else {
        // Run once more with the full range, over the filtered list in place: it keeps what the
        // other filter left, and nothing removed comes back.
        Tickets kept = m_filtered->tickets();
        if (!gui::runCommand(this, [&] { TicketFilters::narrow(m_kind, kept, filter, controls.initial); }))
            return;
        m_filtered->setTickets(kept);
        setTicketsLabel(m_filtered->rowCount());
        selectRow(0);
        showSelected(KeepFocus);
    }
    for (QLineEdit* edit : m_edits)
        edit->setEnabled(true);
}

void TEditTicForm::SaveBtnClick() {
    FileDialogSpec dialog;
    dialog.title = QStringLiteral("Save Ticket File");
    dialog.filter = QStringLiteral("Ticket Files (*.TIC *.tic)");
    dialog.fileName = m_openedName;
    dialog.directory = m_lottery.homeDir();
    dialog.defaultSuffix = QStringLiteral("tic");
    dialog.helpContext = HelpTopic;
    const QString path = Prompts::instance().saveFileName(this, dialog);
    if (path.isEmpty())
        return;
    setWindowTitle(QStringLiteral("Edit Tickets (%1)").arg(QFileInfo(path).fileName()));
    gui::runCommand(this, [&] { TicketFile::write(path, m_kind, m_lotteryName, visibleModel()->tickets()); });
}

void TEditTicForm::PrintBtnClick() {
    TicketPrintoutFacts facts;
    facts.kind = m_kind;
    facts.fileName = m_openedName;
    facts.fromSum = m_sum.from->text();
    facts.toSum = m_sum.to->text();
    facts.fromOdd = m_odd.from->text();
    facts.toOdd = m_odd.to->text();
    facts.tickets = visibleModel()->tickets();
    setUpTicketPrintout(ReportSystem1, facts);
    ReportSystem1.execute(this);
}
