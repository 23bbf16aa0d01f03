// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_form.h"

#include "db/vantoro_error.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "lottery/current_lottery.h"
#include "play/wheel_generate_form.h"
#include "play/wheel_printout.h"
#include "play/wheel_verifier.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit* headerBox(const char* name, int top, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    // Digits only, and no more than the grid and the file's 2-digit positions can hold.
    box->setValidator(new QIntValidator(0, top, box));
    box->setMaxLength(QString::number(top).size());
    box->setMaximumWidth(60);
    return box;
}

int headerNumber(const QString& path, const QString& text, int line, int top) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > top)
        throw VantoroError(
            QStringLiteral("Line %1 of the wheeling system file %2 holds \"%3\"; the wheel editor "
                           "takes a number from 0 to %4 there.")
                .arg(line)
                .arg(QDir::toNativeSeparators(path), text.left(20))
                .arg(top));
    return value;
}

// Column 0 holds the row labels. Tab, Shift+Tab and the arrows walk the number cells only, so a
// wheel typed line by line with Tab never loses its first digit of a line to a label.
class WheelGrid final : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex current = currentIndex();
        const int rows = rowCount();
        const int columns = columnCount();
        if (current.isValid() && columns > 1 && (action == MoveNext || action == MovePrevious)) {
            int row = current.row();
            int column = current.column() + (action == MoveNext ? 1 : -1);
            if (column >= columns) {
                column = 1;
                row = (row + 1) % rows;
            } else if (column < 1) {
                column = columns - 1;
                row = (row + rows - 1) % rows;
            }
            return model()->index(row, column);
        }
        const QModelIndex moved = QTableWidget::moveCursor(action, modifiers);
        if (moved.isValid() && moved.column() == 0 && columns > 1)
            return model()->index(moved.row(), 1);
        return moved;
    }
};

} // namespace

TWheelForm::TWheelForm(CurrentLottery& lottery, const QString& wheelsDir, Mode mode, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_wheelsDir(wheelsDir), m_newMode(mode == Mode::New) {
    setObjectName(QStringLiteral("TWheelForm"));
    setWindowTitle(m_newMode ? QStringLiteral("New Wheeling System File")
                             : QStringLiteral("Edit Wheeling System File"));

    NumbersPerTicket = headerBox("NumbersPerTicket", 99, this);
    Numbers = headerBox("Numbers", 99, this);
    Tickets = headerBox("Tickets", WheelFile::MaxTickets, this);
    Match = headerBox("Match", 99, this);
    Correct = headerBox("Correct", 99, this);

    GamesGrid = new WheelGrid(0, 1, this);
    GamesGrid->setObjectName(QStringLiteral("GamesGrid"));
    GamesGrid->horizontalHeader()->hide();
    GamesGrid->verticalHeader()->hide();
    // 40 and 20 pixels at the least, wider where the screen's font needs it, so that "0001." and
    // two digits are never cut.
    const QFontMetrics metrics(GamesGrid->font());
    m_labelWidth = std::max(40, metrics.horizontalAdvance(QStringLiteral("0000.")) + 10);
    m_cellWidth = std::max(20, metrics.horizontalAdvance(QStringLiteral("00")) + 10);
    GamesGrid->horizontalHeader()->setMinimumSectionSize(m_cellWidth);
    GamesGrid->horizontalHeader()->setDefaultSectionSize(m_cellWidth);
    GamesGrid->verticalHeader()->setMinimumSectionSize(20);
    GamesGrid->verticalHeader()->setDefaultSectionSize(std::max(20, metrics.height() + 4));
    GamesGrid->setTextElideMode(Qt::ElideNone);
    GamesGrid->setColumnWidth(0, m_labelWidth);
    GamesGrid->setEnabled(false);
    GamesGrid->setMinimumSize(260, 240);

    auto* header = new QGridLayout;
    auto addRow = [header, this](int row, const QString& caption, QLineEdit* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        header->addWidget(label, row, 0);
        header->addWidget(box, row, 1);
    };
    addRow(0, QStringLiteral("Numbers Per Ticket: "), NumbersPerTicket);
    addRow(1, QStringLiteral("Total Numbers in Wheel:"), Numbers);
    addRow(2, QStringLiteral("Number of Tickets:"), Tickets);
    header->setColumnStretch(2, 1);

    auto* guarantee = new QHBoxLayout;
    guarantee->addWidget(Match);
    guarantee->addWidget(new QLabel(QStringLiteral("numbers match if"), this));
    guarantee->addWidget(Correct);
    guarantee->addWidget(new QLabel(QStringLiteral("numbers are correct"), this));
    guarantee->addStretch(1);

    SaveBtn = new QPushButton(QStringLiteral("&Save"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    PrintBtn = new QPushButton(QStringLiteral("&Print"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    VerifyBtn = new QPushButton(QStringLiteral("&Verify"), this);
    VerifyBtn->setObjectName(QStringLiteral("VerifyBtn"));
    CoverageBtn = new QPushButton(QStringLiteral("C&overage"), this);
    CoverageBtn->setObjectName(QStringLiteral("CoverageBtn"));
    GenerateBtn = new QPushButton(QStringLiteral("&Generate..."), this);
    GenerateBtn->setObjectName(QStringLiteral("GenerateBtn"));
    CloseBtn = new QPushButton(QStringLiteral("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {GenerateBtn, VerifyBtn, CoverageBtn, SaveBtn, PrintBtn, CloseBtn, HelpBtn}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(guarantee);
    layout->addWidget(GamesGrid, 1);
    layout->addLayout(buttons);

    connect(NumbersPerTicket, &QLineEdit::editingFinished, this, &TWheelForm::NumbersPerTicketExit);
    connect(Tickets, &QLineEdit::editingFinished, this, &TWheelForm::TicketsExit);
    connect(SaveBtn, &QPushButton::clicked, this, &TWheelForm::SaveBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TWheelForm::PrintBtnClick);
    connect(VerifyBtn, &QPushButton::clicked, this, &TWheelForm::VerifyBtnClick);
    connect(CoverageBtn, &QPushButton::clicked, this, &TWheelForm::CoverageBtnClick);
    connect(GenerateBtn, &QPushButton::clicked, this, &TWheelForm::GenerateBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TWheelForm::HelpBtnClick);

    ReportSystem1.setPrintoutName(QStringLiteral("Wheeling System"));
}

TWheelForm::~TWheelForm() = default;

void TWheelForm::setTicketRows(int rows) {
    GamesGrid->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        QTableWidgetItem* label = GamesGrid->item(row, 0);
        if (!label) {
            label = new QTableWidgetItem;
            label->setFlags(Qt::ItemIsEnabled);
            GamesGrid->setItem(row, 0, label);
        }
        label->setText(wheelRowLabel(row + 1));
    }
    GamesGrid->setColumnWidth(0, m_labelWidth);
    GamesGrid->setEnabled(true);
}

void TWheelForm::NumbersPerTicketExit() {
    if (NumbersPerTicket->text().isEmpty())
        return;
    const int columns = NumbersPerTicket->text().toInt() + 1;
    GamesGrid->setColumnCount(columns);
    GamesGrid->setColumnWidth(0, m_labelWidth);
    for (int column = 1; column < columns; ++column)
        GamesGrid->setColumnWidth(column, m_cellWidth);
}

void TWheelForm::TicketsExit() {
    const int rows = Tickets->text().toInt();
    if (rows > 0)
        setTicketRows(rows);
}

void TWheelForm::LoadWheel(const QString& path) {
    const WheelFile file = WheelFile::read(path);
    const int perTicket = headerNumber(path, file.NumbersPerTicket, 1, 99);
    const int tickets = headerNumber(path, file.Tickets, 3, WheelFile::MaxTickets);
    m_path = path;
    showWheel(file, perTicket, tickets);
    m_loadNotes = file.fieldCountNotes(5);
    if (file.rows.size() < tickets)
        m_loadNotes << QStringLiteral("The file holds %1 tickets; line 3 says %2.")
                           .arg(file.rows.size())
                           .arg(tickets);
}

void TWheelForm::showWheel(const WheelFile& file, int perTicket, int tickets) {
    NumbersPerTicket->setText(file.NumbersPerTicket);
    NumbersPerTicketExit();
    Numbers->setText(file.Numbers);
    Tickets->setText(file.Tickets);
    Match->setText(file.Match);
    Correct->setText(file.Correct);
    GamesGrid->setRowCount(0);
    setTicketRows(tickets);
    for (int row = 0; row < tickets && row < file.rows.size(); ++row) {
        const QStringList& fields = file.rows.at(row);
        for (int column = 1; column <= perTicket && column <= fields.size(); ++column)
            GamesGrid->setItem(row, column, new QTableWidgetItem(fields.at(column - 1)));
    }
}

void TWheelForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_loadNotes.isEmpty())
        return;
    const QString text = QFileInfo(m_path).fileName() + QStringLiteral(" is not a regular wheel:\n") +
                         m_loadNotes.join(QLatin1Char('\n'));
    m_loadNotes.clear();
    // Over the editor, once it stands on the screen.
    QTimer::singleShot(0, this, [this, text] { Prompts::instance().information(this, text); });
}

WheelFile TWheelForm::wheel() const {
    WheelFile file;
    file.NumbersPerTicket = NumbersPerTicket->text();
    file.Numbers = Numbers->text();
    file.Tickets = Tickets->text();
    file.Match = Match->text();
    file.Correct = Correct->text();
    const int columns = NumbersPerTicket->text().toInt();
    for (int row = 0; row < GamesGrid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 1; column <= columns; ++column) {
            const QTableWidgetItem* item =
                column < GamesGrid->columnCount() ? GamesGrid->item(row, column) : nullptr;
            cells << (item ? item->text() : QString());
        }
        file.rows << cells;
    }
    return file;
}

QString TWheelForm::saveExtension(const QString& perTicket, const QString& match, const QString& correct) {
    const int p = perTicket.toInt();
    const bool full = match.toInt() == p && correct.toInt() == p;
    return (full ? QStringLiteral("F") : QStringLiteral("A")) +
           QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
}

bool TWheelForm::validate() {
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {NumbersPerTicket, "Please enter the number of numbers per ticket."},
        {Numbers, "Please enter the number of numbers."},
        {Tickets, "Please enter the number of tickets."},
        {Match, "Please enter the number of numbers to match."},
        {Correct, "Please enter the number of correct numbers."},
    };
    for (const auto& [box, message] : boxes) {
        if (box->text().isEmpty()) {
            box->setFocus();
            Prompts::instance().information(this, QLatin1String(message));
            return false;
        }
    }
    return true;
}

bool TWheelForm::soundWheel(WheelFile& file) {
    if (!validate())
        return false;
    file = wheel();
    int row = 0;
    int column = 0;
    if (const QString problem = file.cellProblem(&row, &column); !problem.isEmpty()) {
        GamesGrid->setCurrentCell(row - 1, column);
        GamesGrid->setFocus();
        Prompts::instance().information(this, problem);
        return false;
    }
    return true;
}

void TWheelForm::SaveBtnClick() {
    // A cell that cannot be written is refused before a file name is asked for.
    WheelFile file;
    if (!soundWheel(file))
        return;
    QString target = m_path;
    if (m_newMode) {
        const QString extension = saveExtension(NumbersPerTicket->text(), Match->text(), Correct->text());
        const bool full = extension.startsWith(QLatin1Char('F'));
        FileDialogSpec dialog;
        dialog.title = QStringLiteral("Save Wheeling System File");
        dialog.directory = m_wheelsDir;
        dialog.defaultSuffix = extension;
        dialog.fileName = QStringLiteral("*.") + extension;
        dialog.filter =
            (full ? QStringLiteral("Full wheels (*.") : QStringLiteral("Abbreviated wheels (*.")) +
            extension + QLatin1Char(')');
        dialog.helpContext = HelpTopic;
        dialog.confirmOverwrite = true;
        target = Prompts::instance().saveFileName(this, dialog);
        if (target.isEmpty())
            return;
    }
    gui::runCommand(this, [&] { file.write(target); });
}

void TWheelForm::PrintBtnClick() {
    if (!validate())
        return;
    setUpWheelPrintout(ReportSystem1, wheel(), m_lottery.definition().NumbersDrawn);
    ReportSystem1.execute(this);
}

void TWheelForm::HelpBtnClick() {
    Help::showTopic(HelpTopic, this);
}

namespace {

// The grid's tickets as positions: soundWheel has made sure every cell is one.
WheelVerifier verifierOf(const WheelFile& file) {
    QList<QList<int>> tickets;
    for (const QStringList& row : file.rows) {
        QList<int> ticket;
        for (const QString& cell : row)
            ticket << cell.trimmed().toInt();
        tickets << ticket;
    }
    return WheelVerifier(file.Numbers.toInt(), tickets);
}

} // namespace

void TWheelForm::VerifyBtnClick() {
    WheelFile file;
    if (!soundWheel(file))
        return;
    // The holes listed are enough to see the pattern and few enough to fit one message.
    constexpr int listedHoles = 12;
    WheelCheck check;
    const bool checked = gui::runCommand(this, [&] {
        BusyCursor busy;
        check = verifierOf(file).check(Match->text().toInt(), Correct->text().toInt(), listedHoles);
    });
    if (checked)
        Prompts::instance().information(this, wheelCheckText(check));
}

void TWheelForm::GenerateBtnClick() {
    TWheelGenerateForm dialog(this);
    // The guarantee already typed is the one asked for.
    dialog.setRequest(Numbers->text().toInt(), NumbersPerTicket->text().toInt(), Match->text().toInt(),
                      Correct->text().toInt());
    if (Modal::run(dialog) != QDialog::Accepted)
        return;
    const WheelFile& file = dialog.wheel();
    showWheel(file, file.NumbersPerTicket.toInt(), int(file.rows.size()));
}

void TWheelForm::CoverageBtnClick() {
    WheelFile file;
    if (!soundWheel(file))
        return;
    QList<WheelCoverageRow> rows;
    const bool counted = gui::runCommand(this, [&] {
        BusyCursor busy;
        const WheelVerifier verifier = verifierOf(file);
        rows = verifier.coverage(std::max(verifier.largestTicket(), Correct->text().toInt()));
    });
    if (!counted)
        return;
    int top = 0;
    for (const WheelCoverageRow& row : rows)
        top = std::max(top, int(row.covered.size()));

    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TWheelCoverageForm"));
    dialog.setWindowTitle(QStringLiteral("Wheel Coverage"));
    auto* caption =
        new QLabel(QStringLiteral("Share of the draws in which at least one ticket matches:"), &dialog);
    auto* table = new QTableWidget(int(rows.size()), top + 1, &dialog);
    table->setObjectName(QStringLiteral("CoverageGrid"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList columns{QStringLiteral("Draws")};
    for (int m = 1; m <= top; ++m)
        columns << QStringLiteral("%1 match").arg(m);
    table->setHorizontalHeaderLabels(columns);
    QStringList drawn;
    for (int r = 0; r < rows.size(); ++r) {
        const WheelCoverageRow& row = rows.at(r);
        drawn << QStringLiteral("%1 drawn").arg(row.drawn);
        auto* draws = new QTableWidgetItem(QLocale(QLocale::English).toString(row.draws));
        draws->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(r, 0, draws);
        for (int m = 1; m <= row.covered.size(); ++m) {
            auto* share = new QTableWidgetItem(wheelShareText(row.covered.at(m - 1), row.draws));
            share->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, m, share);
        }
    }
    table->setVerticalHeaderLabels(drawn);
    table->resizeColumnsToContents();
    auto* close = new QPushButton(QStringLiteral("&Close"), &dialog);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(caption);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    dialog.resize(std::min(900, 120 + 90 * (top + 1)), std::min(600, 140 + 30 * int(rows.size())));
    Modal::run(dialog);
}
