// SPDX-License-Identifier: GPL-3.0-or-later
#include "winnings/winnings_form.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "drawings/calendar_form.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "winnings/winnings_printout.h"
#include "winnings/winnings_table.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

// The grid: every entry in date order. Rows are read again after each change, never while an
// entry is being edited, so the grid cannot disturb the record buffer.
class WinningsModel final : public QAbstractTableModel {
public:
    WinningsModel(DbfTable& table, const QLocale& locale, QObject* parent)
        : QAbstractTableModel(parent), m_table(table), m_locale(locale) {}

    void reload() {
        beginResetModel();
        m_entries.clear();
        m_marks.clear();
        if (m_table.RecordCount() > 0) {
            const DbfTable::Bookmark current = m_table.bookmark();
            m_table.GoTop();
            do {
                m_entries.push_back({m_table.DateText(Winnings::DateField),
                                     m_table.FieldText(Winnings::CommentField).trimmed(),
                                     m_table.fieldNumber(Winnings::WonField),
                                     m_table.fieldNumber(Winnings::LostField)});
                m_marks.push_back(m_table.bookmark());
            } while (m_table.Skip(1) == 1);
            m_table.goToBookmark(current);
        }
        endResetModel();
    }
    DbfTable::Bookmark mark(int row) const { return m_marks.at(size_t(row)); }
    int rowOf(DbfTable::Bookmark mark) const {
        const auto at = std::find(m_marks.begin(), m_marks.end(), mark);
        return at == m_marks.end() ? -1 : int(at - m_marks.begin());
    }
    const std::vector<Winnings::Entry>& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_entries.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || size_t(index.row()) >= m_entries.size())
            return {};
        const Winnings::Entry& entry = m_entries[size_t(index.row())];
        if (role == Qt::TextAlignmentRole && index.column() >= 2)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return entry.date;
        case 1:
            return entry.comment;
        case 2:
            return Winnings::currency(entry.won, m_locale);
        default:
            return Winnings::currency(entry.lost, m_locale);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const char* const titles[] = {"Date", "Comment", "Amount Won", "Amount Lost"};
        return QString::fromLatin1(titles[section]);
    }

private:
    DbfTable& m_table;
    const QLocale& m_locale;
    std::vector<Winnings::Entry> m_entries;
    std::vector<DbfTable::Bookmark> m_marks;
};

namespace {

FileDialogSpec ledgerDialog(const QString& title, const QString& homeDir, int helpContext) {
    FileDialogSpec dialog;
    dialog.title = title;
    dialog.filter = QStringLiteral("Winnings Files (*.DBF *.dbf)");
    dialog.fileName = QStringLiteral("*.dbf");
    dialog.directory = homeDir;
    dialog.defaultSuffix = QStringLiteral("DBF");
    dialog.helpContext = helpContext;
    return dialog;
}

QLineEdit* makeEdit(const char* name, int chars, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14);
    return edit;
}

} // namespace

TWinningsForm::TWinningsForm(DbfTable& table, QWidget* parent) : QDialog(parent), m_table(table) {
    setObjectName(QStringLiteral("TWinningsForm"));
    setWindowTitle(QStringLiteral("Edit Winnings"));
    m_model = new WinningsModel(m_table, m_locale, this);
    buildWindow();
    reloadGrid();
    showCurrent();
}

TWinningsForm::~TWinningsForm() = default;

void TWinningsForm::buildWindow() {
    auto* fields = new QGridLayout;
    DateEdit = makeEdit("DateEdit", 10, this);
    DateEdit->setInputMask(QStringLiteral("99/99/9999;_"));
    CommentEdit = makeEdit("CommentEdit", 38, this);
    CommentEdit->setMaxLength(Winnings::CommentWidth);
    WonEdit = makeEdit("WonEdit", 13, this);
    LostEdit = makeEdit("LostEdit", 12, this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Calendar"));
    fields->addWidget(gui::makeLabel("Label1", QStringLiteral("Date:"), this), 0, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DateEdit);
    dateRow->addWidget(SpeedButton1);
    dateRow->addStretch(1);
    fields->addLayout(dateRow, 0, 1);
    fields->addWidget(gui::makeLabel("Label2", QStringLiteral("Comment:"), this), 1, 0);
    fields->addWidget(CommentEdit, 1, 1);
    fields->addWidget(gui::makeLabel("Label3", QStringLiteral("Amount Won:"), this), 2, 0);
    fields->addWidget(WonEdit, 2, 1, Qt::AlignLeft);
    fields->addWidget(gui::makeLabel("Label4", QStringLiteral("Amount Lost:"), this), 3, 0);
    fields->addWidget(LostEdit, 3, 1, Qt::AlignLeft);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* totals = new QHBoxLayout;
    WonLabel = gui::makeLabel("WonLabel", QString(), this);
    LostLabel = gui::makeLabel("LostLabel", QString(), this);
    totals->addWidget(gui::makeLabel("Label5", QStringLiteral("Total Won:"), this));
    totals->addWidget(WonLabel);
    totals->addSpacing(30);
    totals->addWidget(gui::makeLabel("Label6", QStringLiteral("Total Lost:"), this));
    totals->addWidget(LostLabel);
    totals->addStretch(1);

    auto* buttons = new QVBoxLayout;
    AddButton = gui::makeButton("AddButton", QStringLiteral("&Add"), this);
    SaveButton = gui::makeButton("SaveButton", QStringLiteral("&Save"), this);
    AbortButton = gui::makeButton("AbortButton", QStringLiteral("A&bort"), this);
    DeleteButton = gui::makeButton("DeleteButton", QStringLiteral("&Delete"), this);
    PrintButton = gui::makeButton("PrintButton", QStringLiteral("&Print"), this);
    QPushButton* closeBtn = gui::makeButton("OKBtn", QStringLiteral("&Close"), this);
    QPushButton* helpBtn = gui::makeButton("HelpBtn", QStringLiteral("&Help"), this);
    for (QPushButton* button :
         {AddButton, SaveButton, AbortButton, DeleteButton, PrintButton, closeBtn, helpBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(DBGrid1, 1);
    left->addLayout(totals);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    const std::pair<QWidget*, int> contexts[] = {{DateEdit, 241},    {CommentEdit, 242}, {WonEdit, 243},
                                                 {LostEdit, 244},    {DBGrid1, 245},     {AddButton, 246},
                                                 {SaveButton, 247},  {AbortButton, 248}, {DeleteButton, 249},
                                                 {PrintButton, 250}, {closeBtn, 251}};
    for (const auto& [control, context] : contexts)
        Help::setContext(control, context);
    Help::setContext(this, HelpTopic);

    connect(AddButton, &QPushButton::clicked, this, &TWinningsForm::AddButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TWinningsForm::SaveButtonClick);
    connect(AbortButton, &QPushButton::clicked, this, &TWinningsForm::AbortButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TWinningsForm::DeleteButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TWinningsForm::PrintButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TWinningsForm::SpeedButton1Click);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(HelpTopic, this); });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncing && current.isValid())
                    gridRowChosen(current.row());
            });
}

void TWinningsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TWinningsForm::FormActivate() {
    // A new ledger shows the bare currency symbol until its first Save.
    WonLabel->setText(m_locale.currencySymbol());
    LostLabel->setText(m_locale.currencySymbol());
    if (m_table.RecordCount() > 0) {
        const Winnings::Totals sums = Winnings::totals(m_table);
        WonLabel->setText(Winnings::currency(sums.won, m_locale));
        LostLabel->setText(Winnings::currency(sums.lost, m_locale));
    }
    AddButton->setFocus();
}

bool TWinningsForm::fieldsModified() const {
    for (const QLineEdit* edit : {DateEdit, CommentEdit, WonEdit, LostEdit}) {
        if (edit->isModified())
            return true;
    }
    return false;
}

bool TWinningsForm::flushFields() {
    if (!fieldsModified())
        return true;
    return gui::runCommand(this, [&] {
        const double won = Winnings::parseAmount(WonEdit->text(), QStringLiteral("Amount Won"), m_locale);
        const double lost = Winnings::parseAmount(LostEdit->text(), QStringLiteral("Amount Lost"), m_locale);
        if (m_table.state() == DbfTable::State::Browse)
            m_table.edit();
        const QString date = DateEdit->text() == QStringLiteral("//") ? QString() : DateEdit->text();
        m_table.setFieldDate(Winnings::DateField, date);
        m_table.SetField(Winnings::CommentField, CommentEdit->text());
        m_table.setFieldDouble(Winnings::WonField, won);
        m_table.setFieldDouble(Winnings::LostField, lost);
        for (QLineEdit* edit : {DateEdit, CommentEdit, WonEdit, LostEdit})
            edit->setModified(false);
    });
}

void TWinningsForm::showCurrent() {
    const bool hasEntry = m_table.state() != DbfTable::State::Browse || m_table.RecordCount() > 0;
    DateEdit->setText(hasEntry ? m_table.DateText(Winnings::DateField) : QString());
    CommentEdit->setText(hasEntry ? m_table.FieldText(Winnings::CommentField).trimmed() : QString());
    const bool blankWon = !hasEntry || m_table.FieldText(Winnings::WonField).trimmed().isEmpty();
    const bool blankLost = !hasEntry || m_table.FieldText(Winnings::LostField).trimmed().isEmpty();
    WonEdit->setText(blankWon ? QString() : Winnings::plainAmount(m_table.fieldNumber(Winnings::WonField)));
    LostEdit->setText(blankLost ? QString()
                                : Winnings::plainAmount(m_table.fieldNumber(Winnings::LostField)));
    for (QLineEdit* edit : {DateEdit, CommentEdit, WonEdit, LostEdit})
        edit->setModified(false);
}

void TWinningsForm::reloadGrid() {
    m_syncing = true;
    m_model->reload();
    if (m_table.state() == DbfTable::State::Browse && m_table.RecordCount() > 0) {
        const int row = m_model->rowOf(m_table.bookmark());
        if (row >= 0) {
            DBGrid1->selectRow(row);
            DBGrid1->scrollTo(m_model->index(row, 0));
        }
    }
    m_syncing = false;
}

void TWinningsForm::gridRowChosen(int row) {
    // Moving off an entry stores what was typed into it, as bound fields always have.
    if (fieldsModified() && !SaveButtonClick())
        return;
    if (m_table.state() != DbfTable::State::Browse)
        m_table.cancel();
    if (row < m_model->rowCount()) {
        gui::runCommand(this, [&] { m_table.goToBookmark(m_model->mark(row)); });
    }
    showCurrent();
}

void TWinningsForm::AddButtonClick() {
    if (fieldsModified() && !SaveButtonClick())
        return;
    m_table.cancel();
    m_table.append();
    showCurrent();
    DateEdit->setFocus();
}

bool TWinningsForm::SaveButtonClick() {
    if (!flushFields())
        return false;
    if (m_table.state() != DbfTable::State::Browse &&
        !gui::runCommand(this, [&] { Winnings::write(m_table, [&] { m_table.post(); }); })) {
        // Another Vantoro changed the ledger meanwhile: it was read again, so show what it holds.
        if (m_table.state() == DbfTable::State::Browse) {
            reloadGrid();
            showCurrent();
        }
        return false;
    }
    {
        BusyCursor busy;
        const Winnings::Totals sums = Winnings::totals(m_table);
        WonLabel->setText(Winnings::currency(sums.won, m_locale));
        LostLabel->setText(Winnings::currency(sums.lost, m_locale));
    }
    reloadGrid();
    showCurrent();
    AddButton->setFocus();
    return true;
}

void TWinningsForm::AbortButtonClick() {
    m_table.cancel();
    showCurrent();
    reloadGrid();
    AddButton->setFocus();
}

void TWinningsForm::DeleteButtonClick() {
    if (!Prompts::instance().confirm(
            this, QStringLiteral("Are you sure you want to delete the entry on %1?").arg(DateEdit->text())))
        return;
    if (m_table.state() == DbfTable::State::Append) {
        // An entry never saved is only dropped.
        m_table.cancel();
    } else if (m_table.RecordCount() > 0) {
        m_table.cancel();
        gui::runCommand(this, [&] {
            Winnings::write(m_table, [&] {
                m_table.DeleteRecord();
                m_table.Pack();
            });
        });
    }
    // The totals stay as they were until the next Save.
    reloadGrid();
    showCurrent();
}

void TWinningsForm::SpeedButton1Click() {
    TCalendarForm calendar(this);
    const QDate shown = QDate::fromString(DateEdit->text(), QStringLiteral("MM/dd/yyyy"));
    if (shown.isValid())
        calendar.setDate(shown);
    if (Modal::run(calendar) != QDialog::Accepted)
        return;
    DateEdit->setText(calendar.date().toString(QStringLiteral("MM/dd/yyyy")));
    DateEdit->setModified(true);
    flushFields();
}

void TWinningsForm::PrintButtonClick() {
    WinningsPrintoutFacts facts;
    facts.fileName = m_table.fileName();
    facts.entries = m_model->entries();
    facts.locale = m_locale;
    setUpWinningsPrintout(ReportSystem1, facts);
    ReportSystem1.execute(this);
}

void TWinningsForm::newLedger(const QString& homeDir, QWidget* parent) {
    const QString path = Prompts::instance().saveFileName(
        parent, ledgerDialog(QStringLiteral("New Winnings File"), homeDir, 120));
    if (path.isEmpty())
        return;
    // Ledgers live in the program home whatever folder the dialog ended in.
    const QString fileName = QFileInfo(path).fileName();
    try {
        Winnings::createLedger(homeDir + QLatin1Char('/') + fileName);
    } catch (const VantoroError& error) {
        Prompts::instance().error(parent, error.message());
        return;
    }
    Prompts::instance().information(
        parent, fileName + QStringLiteral(" has been created. Select Winnings in the "
                                          "Edit menu to add your winnings to this file."));
}

void TWinningsForm::deleteLedger(const QString& homeDir, QWidget* parent) {
    const QString path = Prompts::instance().openFileName(
        parent, ledgerDialog(QStringLiteral("Delete Winnings File"), homeDir, 125));
    if (path.isEmpty())
        return;
    const QString fileName = QFileInfo(path).fileName();
    if (!Prompts::instance().confirm(
            parent, QStringLiteral("Are you sure you want to delete the file %1?").arg(fileName)))
        return;
    if (Winnings::removeLedger(homeDir, fileName) == Winnings::Removal::Removed)
        Prompts::instance().information(parent, fileName + QStringLiteral(" has been deleted."));
}

void TWinningsForm::openLedger(DbfTable& table, const QString& homeDir, QWidget* parent) {
    const QString path = Prompts::instance().openFileName(
        parent, ledgerDialog(QStringLiteral("Open Winnings File"), homeDir, 148));
    if (path.isEmpty())
        return;
    if (!gui::runCommand(parent, [&] { Winnings::openLedger(table, homeDir, QFileInfo(path).fileName()); }))
        return;
    {
        TWinningsForm form(table, parent);
        Modal::run(form);
    }
    table.close();
}
