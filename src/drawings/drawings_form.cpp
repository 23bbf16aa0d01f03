// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawings_form.h"

#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "drawings/calendar_form.h"
#include "drawings/drawing_list.h"
#include "drawings/drawing_list_model.h"
#include "drawings/drawing_list_printout.h"
#include "drawings/drawings_form_rules.h"
#include "drawings/print_options.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int EditorTopic = 127;
const QString DateFormat = QStringLiteral("MM/dd/yyyy");

QDate parseDate(const QString& text) {
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, DateFormat);
    if (!date.isValid())
        date = QDate::fromString(trimmed, QStringLiteral("M/d/yyyy"));
    return date;
}

} // namespace

TDrawingsForm::TDrawingsForm(CurrentLottery& lottery, TPrintOptions& printOptions, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_printOptions(printOptions) {
    setObjectName(QStringLiteral("DrawingsForm"));
    setWindowTitle(DrawingEntry::editorCaption(lottery.definition().Description));
    DbfTable& table = m_lottery.table();

    AddButton = gui::makeButton("AddButton", QStringLiteral("&Add"), this);
    DateEdit = new QLineEdit(this);
    DateEdit->setObjectName(QStringLiteral("DateEdit"));
    DateEdit->setMaxLength(10);
    DateEdit->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    DateEdit->setFixedWidth(DateEdit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    auto* dateLabel = new QLabel(QStringLiteral("Date:"), this);
    dateLabel->setBuddy(DateEdit);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Calendar"));
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    CalculateDate = new QCheckBox(QStringLiteral("Calculate Date"), this);
    CalculateDate->setObjectName(QStringLiteral("CalculateDate"));
    CalculateDate->setChecked(true);
    DrawLabel = new QLabel(QStringLiteral("Draw #:"), this);
    DrawLabel->setObjectName(QStringLiteral("DrawLabel"));

    auto* validator = new gui::UpperCaseValidator(this);
    auto makeEntry = [this, validator](const QString& name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setValidator(validator);
        edit->setAlignment(Qt::AlignCenter);
        edit->setVisible(false);
        Help::setContext(edit, 199);
        return edit;
    };
    for (int i = 0; i < 22; ++i)
        PText[size_t(i)] = makeEntry(QStringLiteral("P%1Text").arg(i + 1));
    B1Text = makeEntry(QStringLiteral("B1Text"));
    B2Text = makeEntry(QStringLiteral("B2Text"));
    BonusLabel = new QLabel(QStringLiteral("Bonus:"), this);
    BonusLabel->setObjectName(QStringLiteral("BonusLabel"));
    BonusLabel->setVisible(false);
    const char* const markerNames[] = {"R1", "R2", "W1", "W2", "B1", "B2"};
    const char* const markerTexts[] = {"R", "R", "W", "W", "B", "B"};
    for (size_t i = 0; i < Markers.size(); ++i) {
        Markers[i] = new QLabel(QString::fromLatin1(markerTexts[i]), this);
        Markers[i]->setObjectName(QString::fromLatin1(markerNames[i]));
        Markers[i]->setAlignment(Qt::AlignCenter);
        Markers[i]->setVisible(false);
    }

    SaveButton = gui::makeButton("SaveButton", QStringLiteral("&Save"), this);
    AbortButton = gui::makeButton("AbortButton", QStringLiteral("A&bort"), this);
    DeleteButton = gui::makeButton("DeleteButton", QStringLiteral("&Delete"), this);
    PreviousButton = gui::makeButton("PreviousButton", QStringLiteral("&P&revious"), this);
    NextButton = gui::makeButton("NextButton", QStringLiteral("&Next"), this);
    PrintButton = gui::makeButton("PrintButton", QStringLiteral("&Print"), this);
    OKBtn = gui::makeButton("OKBtn", QStringLiteral("&Close"), this);
    HelpBtn = gui::makeButton("HelpBtn", QStringLiteral("&Help"), this);

    m_model = std::make_unique<DrawingListModel>(table);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model.get());
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1->setMinimumHeight(136);

    // Entry rows of eight, the Daily Millions markers under the first six, the bonus row below;
    // rows whose fields are all hidden take no room, so the grid grows into the space they leave.
    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(4);
    numbers->setVerticalSpacing(2);
    for (int i = 0; i < 22; ++i) {
        const int row = i / 8;
        numbers->addWidget(PText[size_t(i)], row == 0 ? 0 : row + 1, i % 8);
    }
    for (size_t i = 0; i < Markers.size(); ++i)
        numbers->addWidget(Markers[i], 1, int(i));
    numbers->setColumnStretch(8, 1);
    auto* bonusRow = new QHBoxLayout;
    bonusRow->addWidget(BonusLabel);
    bonusRow->addWidget(B1Text);
    bonusRow->addWidget(B2Text);
    bonusRow->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(AddButton);
    top->addSpacing(8);
    top->addWidget(dateLabel);
    top->addWidget(DateEdit);
    top->addWidget(SpeedButton1);
    top->addSpacing(8);
    top->addWidget(CalculateDate);
    top->addStretch(1);
    top->addWidget(DrawLabel);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(numbers);
    left->addLayout(bonusRow);
    left->addWidget(DBGrid1, 1);

    auto* right = new QVBoxLayout;
    for (QPushButton* button :
         {SaveButton, AbortButton, DeleteButton, PreviousButton, NextButton, PrintButton, OKBtn, HelpBtn})
        right->addWidget(button);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    QWidget* previous = AddButton;
    auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    chain(DateEdit);
    for (QLineEdit* edit : PText)
        chain(edit);
    for (QWidget* w : std::initializer_list<QWidget*>{B1Text, B2Text, SaveButton, AbortButton, DeleteButton,
                                                      PreviousButton, NextButton, PrintButton, OKBtn, HelpBtn,
                                                      DBGrid1, CalculateDate})
        chain(w);

    const std::pair<QWidget*, int> contexts[] = {
        {DateEdit, 197},   {CalculateDate, 198}, {DBGrid1, 200},      {AddButton, 201},
        {SaveButton, 202}, {AbortButton, 203},   {DeleteButton, 204}, {PreviousButton, 205},
        {NextButton, 206}, {PrintButton, 207},   {OKBtn, 208},
    };
    for (const auto& [control, context] : contexts)
        Help::setContext(control, context);
    Help::installContextHelp(this, [] { return EditorTopic; });

    connect(AddButton, &QPushButton::clicked, this, &TDrawingsForm::AddButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TDrawingsForm::SaveButtonClick);
    connect(AbortButton, &QPushButton::clicked, this, &TDrawingsForm::AbortButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TDrawingsForm::DeleteButtonClick);
    connect(PreviousButton, &QPushButton::clicked, this, &TDrawingsForm::PreviousButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDrawingsForm::NextButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TDrawingsForm::PrintButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TDrawingsForm::SpeedButton1Click);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(EditorTopic, this); });
    connect(DateEdit, &QLineEdit::textEdited, this, [this] {
        if (startEditing())
            m_dirty = true;
    });
    connect(DateEdit, &QLineEdit::editingFinished, this, &TDrawingsForm::dateEditingFinished);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncing && current.isValid())
                    gridRowChosen(current.row());
            });

    bindFields();
    sizeFields();
    if (table.RecordCount() > 0)
        table.GoBottom();
    showCurrent();
}

TDrawingsForm::~TDrawingsForm() = default;

void TDrawingsForm::bindFields() {
    const LotteryDefinition& definition = m_lottery.definition();
    DbfTable& table = m_lottery.table();
    const int n = definition.NumbersDrawn;
    const int k = definition.BonusNumbers;
    const int firstWidth = table.FieldWidth(DrawingTable::numberField(1));
    auto bind = [&](QLineEdit* edit, int entry, int fieldNumber, bool bonus) {
        const QString field = DrawingTable::numberField(fieldNumber);
        const int width = table.FieldWidth(field);
        edit->setMaxLength(qMax(1, width));
        edit->setVisible(true);
        m_bindings.push_back({edit, entry, field, width, bonus ? firstWidth : width});
    };
    for (int i = 1; i <= n - k && i <= 22; ++i)
        bind(PText[size_t(i - 1)], i, i, false);
    if (k >= 1) {
        BonusLabel->setVisible(true);
        bind(B1Text, DrawingEntry::B1Field, k == 1 ? n : n - 1, true);
    }
    if (k >= 2)
        bind(B2Text, DrawingEntry::B2Field, n, true);
    for (const Binding& binding : m_bindings) {
        connect(binding.edit, &QLineEdit::textEdited, this, [this, entry = binding.entry] {
            for (const Binding& b : m_bindings)
                if (b.entry == entry)
                    numberTextEdited(b);
        });
        connect(binding.edit, &QLineEdit::editingFinished, this, [this, entry = binding.entry] {
            for (const Binding& b : m_bindings)
                if (b.entry == entry)
                    numberEditingFinished(b);
        });
    }
    const bool dailyMillions = GameTypes::isThreeSet(definition.GameType);
    for (QLabel* marker : Markers)
        marker->setVisible(dailyMillions);
}

void TDrawingsForm::sizeFields() {
    // Wide enough for the field's characters and no wider, so a row of eight stays compact.
    const QFontMetrics metrics = PText[0]->fontMetrics();
    for (const Binding& binding : m_bindings) {
        const int chars = qMax(1, binding.width);
        binding.edit->setFixedWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('W'))) + 14);
    }
}

QLineEdit* TDrawingsForm::entryEdit(int entry) const {
    for (const Binding& binding : m_bindings)
        if (binding.entry == entry)
            return binding.edit;
    return nullptr;
}

bool TDrawingsForm::takeLock() {
    if (m_lock)
        return true;
    DbfTable& table = m_lottery.table();
    try {
        BusyCursor busy;
        m_lock = std::make_unique<TableLock>(table.path());
    } catch (const VantoroError& error) {
        // What was typed goes, so that the fields show what the table holds.
        showCurrent();
        gui::showError(this, error);
        return false;
    }
    if (!table.changedOnDisk())
        return true;
    // Another Vantoro (an import) wrote the table after this window read it. Writing now would
    // work on a stale copy, so the drawings are read again first and the user repeats the change
    // on what is really there.
    m_adding = false;
    m_dirty = false;
    try {
        table.reopen();
        table.GoBottom();
    } catch (const VantoroError& error) {
        m_lock.reset();
        gui::showError(this, error);
        return false;
    }
    afterTableChange();
    Prompts::instance().information(this, DrawingEntry::changedElsewhereMessage(m_lottery.LotteryFile()));
    return false;
}

bool TDrawingsForm::startEditing() {
    DbfTable& table = m_lottery.table();
    if (table.state() != DbfTable::State::Browse)
        return true;
    if (!takeLock())
        return false;
    table.edit();
    return true;
}

void TDrawingsForm::numberTextEdited(const Binding& binding) {
    if (!startEditing())
        return;
    m_dirty = true;
    if (!m_adding || binding.edit->text().size() != binding.moveWidth)
        return;
    const LotteryDefinition& definition = m_lottery.definition();
    const int next =
        DrawingEntry::nextEntryField(binding.entry, definition.regularNumbers(), definition.BonusNumbers);
    QWidget* target =
        next == DrawingEntry::SaveButtonField ? static_cast<QWidget*>(SaveButton) : entryEdit(next);
    (target ? target : SaveButton)->setFocus();
}

void TDrawingsForm::numberEditingFinished(const Binding& binding) {
    const QString text = DrawingEntry::padNumber(binding.edit->text().trimmed(), binding.width);
    if (text != binding.edit->text())
        binding.edit->setText(text);
    binding.edit->setModified(false);
    DbfTable& table = m_lottery.table();
    const bool editing = table.state() != DbfTable::State::Browse;
    const QString stored =
        editing || table.RecordCount() > 0 ? table.FieldText(binding.field).trimmed() : QString();
    if (text == stored || !startEditing())
        return;
    writeField(binding.field, text);
}

bool TDrawingsForm::dateEditingFinished() {
    DateEdit->setModified(false);
    DbfTable& table = m_lottery.table();
    const bool editing = table.state() != DbfTable::State::Browse;
    const QString stored =
        editing || table.RecordCount() > 0 ? table.DateText(DrawingTable::DateField) : QString();
    const QDate typed = parseDate(DateEdit->text());
    const QString text = typed.isValid() ? typed.toString(DateFormat) : DateEdit->text().trimmed();
    if (text == stored)
        return true;
    if (!startEditing())
        return false;
    if (!writeField(DrawingTable::DateField, text))
        return false;
    if (typed.isValid())
        DateEdit->setText(text);
    return true;
}

bool TDrawingsForm::writeField(const QString& field, const QString& text) {
    return gui::runCommand(this, [&] { m_lottery.table().SetField(field, text); });
}

bool TDrawingsForm::flushFields() {
    // A field still holding the focus (or typed into by a test) has not been left yet.
    bool ok = !DateEdit->isModified() || dateEditingFinished();
    for (const Binding& binding : m_bindings)
        if (binding.edit->isModified())
            numberEditingFinished(binding);
    DbfTable& table = m_lottery.table();
    if (table.state() == DbfTable::State::Browse)
        return ok;
    // What the date field shows must be what is stored, or a refused date would slip through.
    const QDate typed = parseDate(DateEdit->text());
    const QString shown = typed.isValid() ? typed.toString(DateFormat) : DateEdit->text().trimmed();
    if (ok && shown != table.DateText(DrawingTable::DateField))
        ok = writeField(DrawingTable::DateField, shown);
    if (!ok)
        DateEdit->setFocus();
    return ok;
}

bool TDrawingsForm::dateIsBlank() const {
    return m_lottery.table().DateText(DrawingTable::DateField).isEmpty();
}

bool TDrawingsForm::saveEntry() {
    if (!flushFields())
        return false;
    DbfTable& table = m_lottery.table();
    if (table.state() != DbfTable::State::Browse) {
        // A drawing without a date would sort before all others and could never be found again.
        if (dateIsBlank()) {
            Prompts::instance().information(this, DrawingEntry::BlankDateMessage);
            DateEdit->setFocus();
            return false;
        }
        if (!gui::runCommand(this, [&] { table.post(); }))
            return false;
    }
    m_adding = false;
    m_dirty = false;
    afterTableChange();
    return true;
}

bool TDrawingsForm::settleEntry() {
    if (!flushFields())
        return false;
    DbfTable& table = m_lottery.table();
    if (table.state() == DbfTable::State::Browse)
        return true;
    // Moving off a changed drawing stores it, as the bound fields always have; an untouched
    // buffer (a new drawing with only its proposed date) is dropped.
    if (m_dirty)
        return saveEntry();
    table.cancel();
    return true;
}

void TDrawingsForm::afterTableChange() {
    m_lottery.refreshTotals();
    m_syncing = true;
    m_model->reload();
    m_syncing = false;
    showCurrent();
}

void TDrawingsForm::showCurrent() {
    DbfTable& table = m_lottery.table();
    const bool editing = table.state() != DbfTable::State::Browse;
    const bool hasRecord = editing || table.RecordCount() > 0;
    DateEdit->setText(hasRecord ? table.DateText(DrawingTable::DateField) : QString());
    DateEdit->setModified(false);
    for (const Binding& binding : m_bindings) {
        binding.edit->setText(hasRecord ? table.FieldText(binding.field).trimmed() : QString());
        binding.edit->setModified(false);
    }
    if (!m_adding && hasRecord && table.state() != DbfTable::State::Append)
        DrawLabel->setText(DrawingEntry::drawLabel(table.OrderPosition()));
    selectCurrentRow();
}

void TDrawingsForm::selectCurrentRow() {
    DbfTable& table = m_lottery.table();
    m_syncing = true;
    if (table.state() == DbfTable::State::Append || table.RecordCount() == 0) {
        DBGrid1->clearSelection();
    } else {
        const int row = table.OrderPosition() - 1;
        DBGrid1->selectRow(row);
        DBGrid1->scrollTo(m_model->index(row, 0));
    }
    m_syncing = false;
}

void TDrawingsForm::gridRowChosen(int row) {
    DbfTable& table = m_lottery.table();
    if (table.state() != DbfTable::State::Append && row + 1 == table.OrderPosition())
        return;
    m_adding = false;
    if (!settleEntry()) {
        selectCurrentRow();
        return;
    }
    table.GoTop();
    table.Skip(row);
    showCurrent();
}

void TDrawingsForm::FormActivate() {
    BusyCursor busy;
    m_adding = false;
    const LotteryDefinition& definition = m_lottery.definition();
    if (definition.GameType == int(GameTypeCode::Powerball))
        BonusLabel->setText(QStringLiteral("Powerball:"));
    AddButton->setFocus();
    setWindowTitle(DrawingEntry::editorCaption(definition.Description));
}

void TDrawingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TDrawingsForm::AddButtonClick() {
    if (!settleEntry() || !takeLock())
        return;
    DbfTable& table = m_lottery.table();
    const bool added = gui::runCommand(this, [&] {
        if (table.RecordCount() > 0 && CalculateDate->isChecked()) {
            table.GoBottom();
            const QDate last = parseDate(table.DateText(DrawingTable::DateField));
            table.append();
            const auto next =
                last.isValid() ? DrawingEntry::nextDrawingDate(last, m_lottery.definition()) : std::nullopt;
            if (next)
                table.setFieldDate(DrawingTable::DateField, next->toString(DateFormat));
            showCurrent();
            if (next) {
                PText[0]->setFocus();
            } else {
                DateEdit->setFocus();
                if (last.isValid())
                    Prompts::instance().information(this, DrawingEntry::NoDrawDayMessage);
            }
        } else {
            DateEdit->setFocus();
            table.append();
            showCurrent();
        }
    });
    if (!added)
        return;
    m_adding = true;
    m_dirty = false;
    DrawLabel->setText(DrawingEntry::drawLabel(table.RecordCount() + 1));
}

void TDrawingsForm::SaveButtonClick() {
    if (!saveEntry())
        return;
    // A save ends on the newest drawing, whichever one was saved.
    m_lottery.table().GoBottom();
    showCurrent();
    AddButton->setFocus();
}

void TDrawingsForm::AbortButtonClick() {
    m_adding = false;
    m_dirty = false;
    m_lottery.table().cancel();
    showCurrent();
    AddButton->setFocus();
}

void TDrawingsForm::DeleteButtonClick() {
    m_adding = false;
    if (!Prompts::instance().confirm(this, DrawingEntry::deleteQuestion(DateEdit->text())) || !takeLock())
        return;
    DbfTable& table = m_lottery.table();
    if (!gui::runCommand(this, [&] {
            table.DeleteRecord();
            table.Pack();
        })) {
        showCurrent();
        return;
    }
    // The engine leaves the drawing that followed the deleted one current, or the new newest
    // drawing when the newest went, and keeps it current through the pack.
    m_dirty = false;
    afterTableChange();
}

void TDrawingsForm::PreviousButtonClick() {
    m_adding = false;
    if (!settleEntry())
        return;
    DbfTable& table = m_lottery.table();
    if (table.RecordCount() > 0 && table.OrderPosition() > 1)
        table.Skip(-1);
    showCurrent();
}

void TDrawingsForm::NextButtonClick() {
    m_adding = false;
    if (!settleEntry())
        return;
    DbfTable& table = m_lottery.table();
    if (table.RecordCount() > 0 && table.OrderPosition() < table.RecordCount())
        table.Skip(1);
    showCurrent();
}

void TDrawingsForm::PrintButtonClick() {
    m_adding = false;
    if (!settleEntry())
        return;
    DbfTable& table = m_lottery.table();
    m_printOptions.prepare(QStringLiteral("Print Options"), {214, 215, 216, 217, 218, 219}, 146,
                           table.RecordCount());
    if (Modal::run(m_printOptions) != QDialog::Accepted)
        return;
    const LotteryDefinition& definition = m_lottery.definition();
    std::vector<DrawingListLine> lines;
    {
        BusyCursor busy;
        lines = DrawingList::lines(table, definition.NumbersDrawn, m_printOptions.fromPosition(),
                                   m_printOptions.toPosition());
    }
    setUpDrawingListPrintout(ReportSystem1, definition.Description, definition.NumbersDrawn,
                             std::move(lines));
    ReportSystem1.execute(this);
    showCurrent();
}

void TDrawingsForm::SpeedButton1Click() {
    TCalendarForm calendar(this);
    const QDate shown = parseDate(DateEdit->text());
    if (shown.isValid())
        calendar.setDate(shown);
    if (Modal::run(calendar) != QDialog::Accepted || !startEditing())
        return;
    const QString text = QDate(calendar.year(), calendar.month(), calendar.day()).toString(DateFormat);
    DateEdit->setText(text);
    DateEdit->setModified(false);
    if (writeField(DrawingTable::DateField, text))
        m_dirty = true;
}

void TDrawingsForm::reject() {
    // Closing never loses typed numbers silently: an entry neither saved nor aborted is offered
    // for saving first (Yes saves, No drops it); a refused save keeps the window open.
    flushFields();
    m_adding = false;
    DbfTable& table = m_lottery.table();
    if (table.state() != DbfTable::State::Browse) {
        if (m_dirty && Prompts::instance().confirm(this, DrawingEntry::UnsavedMessage)) {
            if (!saveEntry())
                return;
        } else {
            table.cancel();
            m_dirty = false;
        }
    }
    QDialog::reject();
}

void runDrawingsEditor(CurrentLottery& lottery, TPrintOptions& printOptions, QWidget* parent) {
    gui::runCommand(parent, [&] {
        TDrawingsForm form(lottery, printOptions, parent);
        Modal::run(form);
    });
}
