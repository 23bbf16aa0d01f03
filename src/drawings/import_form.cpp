// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/import_form.h"

#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "drawings/drawing_export.h"
#include "drawings/import_presets.h"
#include "drawings/json_rows.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "lottery/current_lottery.h"
#include "lottery/lottery_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Enough of the file to map its columns by eye.
constexpr int ShownRows = 8;
// The preview lists show this many lines; the summary counts them all.
constexpr int ListedRows = 5000;

struct SeparatorChoice {
    const char* text;
    char separator;
};
constexpr SeparatorChoice separators[] = {{"Comma ( , )", ','}, {"Semicolon ( ; )", ';'}, {"Tab", '\t'}};

QString drawingLine(const ImportedDrawing& drawing) {
    return QStringLiteral("Line %1: %2  %3")
        .arg(drawing.line)
        .arg(drawing.date.toString(QStringLiteral("MM/dd/yyyy")), drawing.fields.join(QLatin1Char(' ')));
}

} // namespace

TImportForm::TImportForm(CurrentLottery& lottery, QWidget* parent) : QDialog(parent), m_lottery(lottery) {
    setObjectName(QStringLiteral("TImportForm"));
    setWindowTitle(QStringLiteral("Import Drawings"));
    m_target.code = LotteryFiles::baseName(lottery.LotteryFile()).toUpper();
    m_target.definition = lottery.definition();
    m_target.extras = GameExtrasFile::read(lottery.DataDir(), m_target.code);
    m_preset = m_target.extras ? ImportPresets::forGame(m_target.extras->game) : nullptr;

    auto* fileLabel = new QLabel(QStringLiteral("&File:"), this);
    m_fileText = new QLineEdit(this);
    m_fileText->setObjectName(QStringLiteral("FileText"));
    m_fileText->setReadOnly(true);
    fileLabel->setBuddy(m_fileText);
    m_browseBtn = new QPushButton(QStringLiteral("&Browse..."), this);
    m_browseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    m_browseBtn->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_fileText, 1);
    fileRow->addWidget(m_browseBtn);

    auto* mapping = new QGroupBox(QStringLiteral("Columns (counted from 1)"), this);
    mapping->setObjectName(QStringLiteral("MappingBox"));
    m_mapping = mapping;
    m_separator = new QComboBox(mapping);
    m_separator->setObjectName(QStringLiteral("SeparatorCombo"));
    for (const SeparatorChoice& choice : separators)
        m_separator->addItem(QLatin1String(choice.text), QChar(QLatin1Char(choice.separator)));
    m_headerRows = new QSpinBox(mapping);
    m_headerRows->setObjectName(QStringLiteral("HeaderRowsSpin"));
    m_headerRows->setRange(0, 99);
    m_dateFormat = new QComboBox(mapping);
    m_dateFormat->setObjectName(QStringLiteral("DateFormatCombo"));
    for (const QString& format : ImportLayout::dateFormats()) {
        m_dateFormat->addItem(format == ImportLayout::splitDateFormat()
                                  ? QStringLiteral("Day, month, year in three columns")
                                  : format,
                              format);
    }
    m_dateColumns = new QLineEdit(mapping);
    m_dateColumns->setObjectName(QStringLiteral("DateColumnText"));
    m_dateColumns->setToolTip(QStringLiteral("One column, or three (day, month, year) such as 3-5"));
    m_numberColumns = new QLineEdit(mapping);
    m_numberColumns->setObjectName(QStringLiteral("NumberColumnsText"));
    m_numberColumns->setToolTip(
        QStringLiteral("In table order, regular numbers first, such as 5-11 or 2,3. A cell may hold "
                       "numbers joined by |, a bonus in parentheses, or a pick game's digits."));
    m_dateKey = new QComboBox(mapping);
    m_dateKey->setObjectName(QStringLiteral("DateKeyCombo"));
    m_numbersKey = new QComboBox(mapping);
    m_numbersKey->setObjectName(QStringLiteral("NumbersKeyCombo"));
    m_numbersKey->setToolTip(QStringLiteral("The field that holds the numbers: a list, or a text such as "
                                            "\"05 11 22 23 69\""));
    m_bonusKey = new QComboBox(mapping);
    m_bonusKey->setObjectName(QStringLiteral("BonusKeyCombo"));
    m_bonusKey->setToolTip(
        QStringLiteral("The field of the bonus numbers, when the numbers do not hold them"));
    m_twoDraws = new QCheckBox(QStringLiteral("&Two draws a day"), mapping);
    m_twoDraws->setObjectName(QStringLiteral("TwoDrawsCheck"));
    m_twoDraws->setToolTip(QStringLiteral("Tick it only when the lottery draws twice on one day; otherwise a "
                                          "second drawing on a date already held is refused."));
    auto* form = new QFormLayout(mapping);
    m_mappingForm = form;
    form->addRow(QStringLiteral("&Separator:"), m_separator);
    form->addRow(QStringLiteral("&Header rows:"), m_headerRows);
    form->addRow(QStringLiteral("Date &key:"), m_dateKey);
    form->addRow(QStringLiteral("Date &form:"), m_dateFormat);
    form->addRow(QStringLiteral("&Date column:"), m_dateColumns);
    form->addRow(QStringLiteral("&Number columns:"), m_numberColumns);
    form->addRow(QStringLiteral("N&umbers key:"), m_numbersKey);
    form->addRow(QStringLiteral("B&onus key:"), m_bonusKey);
    form->addRow(QString(), m_twoDraws);
    m_presetLabel = new QLabel(mapping);
    m_presetLabel->setObjectName(QStringLiteral("PresetLabel"));
    m_presetLabel->setWordWrap(true);
    form->addRow(m_presetLabel);

    m_fileGrid = new QTableWidget(this);
    m_fileGrid->setObjectName(QStringLiteral("FileGrid"));
    m_fileGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fileGrid->verticalHeader()->setDefaultSectionSize(m_fileGrid->fontMetrics().height() + 4);
    m_fileGrid->setMinimumHeight(m_fileGrid->fontMetrics().height() * (ShownRows + 3));

    auto* top = new QHBoxLayout;
    top->addWidget(mapping);
    top->addWidget(m_fileGrid, 1);

    m_summary = new QLabel(QStringLiteral("Choose the file to import."), this);
    m_summary->setObjectName(QStringLiteral("SummaryLabel"));
    m_summary->setWordWrap(true);
    m_accepted = new QListWidget(this);
    m_accepted->setObjectName(QStringLiteral("AcceptedList"));
    m_refused = new QListWidget(this);
    m_refused->setObjectName(QStringLiteral("RefusedList"));
    auto* acceptedBox = new QGroupBox(QStringLiteral("To be added"), this);
    (new QVBoxLayout(acceptedBox))->addWidget(m_accepted);
    auto* refusedBox = new QGroupBox(QStringLiteral("Refused"), this);
    (new QVBoxLayout(refusedBox))->addWidget(m_refused);
    auto* lists = new QHBoxLayout;
    lists->addWidget(acceptedBox, 1);
    lists->addWidget(refusedBox, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    m_importBtn = new QPushButton(QStringLiteral("&Import"), this);
    m_importBtn->setObjectName(QStringLiteral("ImportBtn"));
    m_importBtn->setDefault(true);
    m_importBtn->setEnabled(false);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setAutoDefault(false);
    m_helpBtn = new QPushButton(QStringLiteral("&Help"), this);
    m_helpBtn->setObjectName(QStringLiteral("HelpBtn"));
    m_helpBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_importBtn);
    buttons->addWidget(m_cancelBtn);
    buttons->addWidget(m_helpBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(m_browseBtn, &QPushButton::clicked, this, &TImportForm::BrowseBtnClick);
    connect(m_importBtn, &QPushButton::clicked, this, &TImportForm::ImportBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpBtn, &QPushButton::clicked, this, &TImportForm::HelpBtnClick);
    connect(m_separator, &QComboBox::currentIndexChanged, this, &TImportForm::LayoutChange);
    connect(m_headerRows, &QSpinBox::valueChanged, this, &TImportForm::LayoutChange);
    connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &TImportForm::LayoutChange);
    connect(m_dateColumns, &QLineEdit::editingFinished, this, &TImportForm::LayoutChange);
    connect(m_numberColumns, &QLineEdit::editingFinished, this, &TImportForm::LayoutChange);
    for (QComboBox* key : {m_dateKey, m_numbersKey, m_bonusKey})
        connect(key, &QComboBox::currentIndexChanged, this, &TImportForm::LayoutChange);
    connect(m_twoDraws, &QCheckBox::toggled, this, [this](bool twice) {
        m_target.twoDrawsADay = twice;
        refreshPreview();
    });
    showMappingFor(false, {});
    setImportLayout(ImportLayout::plain(m_target.definition));
    // The file name is only shown: the first thing to do is to browse for the file.
    m_browseBtn->setFocus();
}

TImportForm::~TImportForm() = default;

ImportLayout TImportForm::importLayout() const {
    ImportLayout layout;
    layout.separator = m_separator->currentData().toChar();
    layout.headerRows = m_headerRows->value();
    layout.dateFormat = m_dateFormat->currentData().toString();
    layout.dateColumns = ImportLayout::parseColumns(m_dateColumns->text()).value_or(QList<int>());
    layout.numberColumns = ImportLayout::parseColumns(m_numberColumns->text()).value_or(QList<int>());
    layout.jsonDate = m_dateKey->currentData().toString();
    layout.jsonNumbers = m_numbersKey->currentData().toString();
    layout.jsonBonus = m_bonusKey->currentData().toString();
    return layout;
}

ImportLayout TImportForm::rowLayout() const {
    return m_json ? JsonRows::rowLayout(importLayout()) : importLayout();
}

void TImportForm::showMappingFor(bool json, const QStringList& keys) {
    m_filling = true;
    m_json = json;
    m_mapping->setTitle(json ? QStringLiteral("Fields of the records")
                             : QStringLiteral("Columns (counted from 1)"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_separator, m_headerRows, m_dateColumns, m_numberColumns})
        m_mappingForm->setRowVisible(control, !json);
    for (QComboBox* key : {m_dateKey, m_numbersKey, m_bonusKey}) {
        m_mappingForm->setRowVisible(key, json);
        key->clear();
    }
    m_bonusKey->addItem(QStringLiteral("(none)"), QString());
    for (const QString& key : keys) {
        m_dateKey->addItem(key, key);
        m_numbersKey->addItem(key, key);
        m_bonusKey->addItem(key, key);
    }
    m_filling = false;
}

void TImportForm::setImportLayout(const ImportLayout& layout) {
    m_filling = true;
    m_separator->setCurrentIndex(qMax(0, m_separator->findData(layout.separator)));
    m_headerRows->setValue(layout.headerRows);
    m_dateFormat->setCurrentIndex(qMax(0, m_dateFormat->findData(layout.dateFormat)));
    m_dateColumns->setText(ImportLayout::columnsText(layout.dateColumns));
    m_numberColumns->setText(ImportLayout::columnsText(layout.numberColumns));
    m_dateKey->setCurrentIndex(m_dateKey->findData(layout.jsonDate));
    m_numbersKey->setCurrentIndex(m_numbersKey->findData(layout.jsonNumbers));
    m_bonusKey->setCurrentIndex(qMax(0, m_bonusKey->findData(layout.jsonBonus)));
    m_filling = false;
    LayoutChange();
}

bool TImportForm::openFile(const QString& path) {
    try {
        m_text = DrawingImport::readFile(path);
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
        return false;
    }
    m_path = path;
    m_fileText->setText(QDir::toNativeSeparators(path));
    const bool json = JsonRows::isJson(m_text);
    showMappingFor(json, json ? JsonRows::read(m_text).keys() : QStringList());
    // The mapping this lottery's imports used last time, when it still reads this file's rows;
    // otherwise what the file itself suggests.
    const ImportLayout proposed = ImportLayout::propose(m_text, m_target.definition, m_target.digitGame());
    const std::optional<ImportLayout> remembered =
        DrawingImport::rememberedLayout(m_lottery.homeDir(), m_target.code);
    // A lottery made from a game of today reads its operator's file with the game's preset.
    ImportLayout chosen = m_preset && !json ? m_preset->layout : proposed;
    if (remembered) {
        DrawingImport::FileRows sample;
        if (json) {
            sample = DrawingImport::fileRows(m_text, *remembered, m_target.digitGame());
        } else {
            sample.rows = Csv::parse(QStringView(m_text).left(16 * 1024), remembered->separator);
            sample.layout = *remembered;
            if (!sample.rows.empty())
                sample.rows.pop_back(); // the cut may end inside a row
        }
        if (sample.rows.size() > 40)
            sample.rows.resize(40);
        const ImportPreview trial = DrawingImport::preview(sample.rows, sample.layout, m_target);
        if (!trial.accepted.empty() && trial.refused.size() <= trial.accepted.size())
            chosen = *remembered;
    }
    setImportLayout(chosen);
    return true;
}

void TImportForm::BrowseBtnClick() {
    FileDialogSpec request;
    request.title = QStringLiteral("Import Drawings");
    request.filter =
        QStringLiteral("Drawing Histories (*.csv *.CSV *.txt *.json *.JSON);;CSV Files (*.csv *.CSV "
                       "*.txt);;JSON Files (*.json *.JSON);;All Files (*)");
    request.directory = m_path.isEmpty() ? m_lottery.homeDir() : QFileInfo(m_path).path();
    request.helpContext = HelpContext;
    const QString path = Prompts::instance().openFileName(this, request);
    if (!path.isEmpty())
        openFile(path);
}

void TImportForm::LayoutChange() {
    if (m_filling || m_working)
        return;
    m_rows.clear();
    // The preset is named while the mapping is still its own.
    const bool preset = m_preset && !m_json && !m_path.isEmpty() && importLayout() == m_preset->layout;
    m_presetLabel->setText(preset ? QStringLiteral("Read with the preset %1.").arg(m_preset->name)
                                  : QString());
    m_presetLabel->setVisible(preset);
    if (m_json) {
        m_rows = DrawingImport::fileRows(m_text, importLayout(), m_target.digitGame()).rows;
    } else if (!m_path.isEmpty()) {
        // Only the rows the grid shows: the preview reads the whole file as it goes.
        Csv::Reader reader(m_text, importLayout().separator);
        CsvRow row;
        while (m_rows.size() < size_t(ShownRows) && reader.next(row)) {
            m_rows.push_back(std::move(row));
            row = CsvRow();
        }
    }
    showFileRows();
    refreshPreview();
}

void TImportForm::showFileRows() {
    m_fileGrid->clear();
    const int shown = int(qMin<size_t>(m_rows.size(), ShownRows));
    int columns = 0;
    for (int r = 0; r < shown; ++r)
        columns = qMax(columns, int(m_rows[size_t(r)].cells.size()));
    m_fileGrid->setRowCount(shown);
    m_fileGrid->setColumnCount(columns);
    QStringList lines;
    for (int r = 0; r < shown; ++r) {
        lines << QString::number(m_rows[size_t(r)].line);
        for (int c = 0; c < m_rows[size_t(r)].cells.size(); ++c)
            m_fileGrid->setItem(r, c, new QTableWidgetItem(m_rows[size_t(r)].cells.at(c)));
    }
    m_fileGrid->setVerticalHeaderLabels(lines);
    if (m_json) {
        // The rows made of the records: name their cells by the keys they come from.
        const ImportLayout layout = importLayout();
        m_fileGrid->setHorizontalHeaderLabels({layout.jsonDate, layout.jsonNumbers, layout.jsonBonus});
    }
    m_fileGrid->resizeColumnsToContents();
}

bool TImportForm::step(int done, int total) {
    m_progress->setValue(total > 0 ? int(qint64(done) * 100 / total) : 100);
    // The window answers while it works; only Cancel is enabled, so nothing else can change.
    QCoreApplication::processEvents();
    return !m_stopped;
}

void TImportForm::setWorking(bool working) {
    m_working = working;
    m_stopped = false;
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_browseBtn, m_separator, m_headerRows, m_dateFormat, m_dateColumns,
                                         m_numberColumns, m_twoDraws, m_helpBtn})
        control->setEnabled(!working);
    m_importBtn->setEnabled(false); // the caller enables it when there is something to import
    if (working)
        m_progress->reset();
}

void TImportForm::reject() {
    if (m_working) {
        m_stopped = true;
        return;
    }
    QDialog::reject();
}

void TImportForm::refreshPreview() {
    if (m_working)
        return;
    m_preview = ImportPreview();
    m_accepted->clear();
    m_refused->clear();
    m_importBtn->setEnabled(false);
    if (m_path.isEmpty())
        return;
    const ImportLayout current = rowLayout();
    QString problem = current.problem();
    bool stopped = false;
    if (problem.isEmpty()) {
        m_progress->setFormat(QStringLiteral("Reading %p%"));
        setWorking(true);
        try {
            const auto progress = [this](int done, int total) { return step(done, total); };
            // A JSON file's records are all held already; a CSV file is read as the preview goes.
            m_preview = m_json
                            ? DrawingImport::preview(m_rows, current, m_target, &m_lottery.table(), progress)
                            : DrawingImport::preview(m_text, current, m_target, &m_lottery.table(), progress);
        } catch (const VantoroError& error) {
            problem = error.message();
        }
        stopped = m_stopped;
        setWorking(false);
    }
    if (stopped)
        problem = QStringLiteral("Reading the file was stopped; nothing will be imported.");
    if (!problem.isEmpty()) {
        m_summary->setText(problem);
        return;
    }
    QStringList accepted;
    for (size_t i = 0; i < qMin<size_t>(m_preview.accepted.size(), ListedRows); ++i)
        accepted << drawingLine(m_preview.accepted[i]);
    m_accepted->addItems(accepted);
    QStringList refused;
    for (size_t i = 0; i < qMin<size_t>(m_preview.refused.size(), ListedRows); ++i)
        refused << m_preview.refused[i].text();
    m_refused->addItems(refused);
    if (m_preview.noDrawing()) {
        m_summary->setText(DrawingImport::noDrawingMessage(QFileInfo(m_path).fileName()));
    } else {
        QStringList texts{m_preview.summary(), m_preview.dateNote, m_preview.offDayWarning()};
        texts.removeAll(QString());
        m_summary->setText(texts.join(QLatin1Char('\n')));
    }
    m_importBtn->setEnabled(!m_preview.accepted.empty());
}

void TImportForm::ImportBtnClick() {
    if (m_preview.accepted.empty())
        return;
    if (!m_preview.refused.empty()) {
        const QString question =
            QStringLiteral("%1 of this file %2 refused (see the list). Do you want to import the %3 "
                           "without them?")
                .arg(DrawingImport::counted(qsizetype(m_preview.refused.size()), "row", "rows"),
                     m_preview.refused.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                     DrawingImport::counted(qsizetype(m_preview.accepted.size()), "accepted drawing",
                                            "accepted drawings"));
        if (!Prompts::instance().confirm(this, question))
            return;
    }
    // Held until the drawings are written: what they are checked against is what they join.
    std::unique_ptr<TableLock> lock;
    try {
        BusyCursor busy;
        lock = std::make_unique<TableLock>(m_lottery.table().path());
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
        return;
    }
    if (m_lottery.table().changedOnDisk()) {
        // Another Vantoro wrote the table after the preview was made; drawings it added would
        // be added twice. The preview is made again on what the table now holds.
        try {
            m_lottery.table().reopen();
        } catch (const VantoroError& error) {
            Prompts::instance().error(this, error.message());
            return;
        }
        m_lottery.refreshTotals();
        refreshPreview();
        Prompts::instance().information(
            this,
            QStringLiteral("%1 was changed by another Vantoro after this file was read. The drawings "
                           "have been checked against it again; look at the lists and import once more.")
                .arg(m_lottery.LotteryFile()));
        return;
    }
    const int added = int(m_preview.accepted.size());
    bool done = false;
    setWorking(true);
    BusyCursor busy;
    m_progress->setFormat(QStringLiteral("Writing %p%"));
    try {
        done = DrawingImport::append(m_lottery.table(), m_preview.accepted,
                                     [this](int d, int total) { return step(d, total); });
    } catch (const VantoroError& error) {
        busy.restore();
        setWorking(false);
        m_importBtn->setEnabled(true);
        m_lottery.refreshTotals();
        Prompts::instance().error(this, error.message());
        return;
    }
    busy.restore();
    setWorking(false);
    m_importBtn->setEnabled(true);
    m_lottery.refreshTotals();
    if (!done)
        return;
    try {
        DrawingImport::rememberLayout(m_lottery.homeDir(), m_target.code, importLayout());
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
    }
    Prompts::instance().information(
        this,
        QStringLiteral("%1 added to %2.")
            .arg(DrawingImport::counted(added, "drawing was", "drawings were"), m_lottery.LotteryFile()));
    accept();
}

void TImportForm::HelpBtnClick() {
    Help::showTopic(HelpContext, this);
}

void exportDrawings(CurrentLottery& lottery, QWidget* parent) {
    FileDialogSpec request;
    request.title = QStringLiteral("Export Drawings");
    request.filter = QStringLiteral("CSV Files (*.csv)");
    request.fileName = LotteryFiles::baseName(lottery.LotteryFile()) + QStringLiteral(".csv");
    request.directory = lottery.homeDir();
    request.defaultSuffix = QStringLiteral("csv");
    request.helpContext = TImportForm::HelpContext;
    const QString path = Prompts::instance().saveFileName(parent, request);
    if (path.isEmpty())
        return;
    gui::runCommand(parent, [&] {
        const int count = DrawingExport::write(lottery.table(), lottery.definition().NumbersDrawn, path);
        Prompts::instance().information(
            parent, QStringLiteral("%1 exported to %2.")
                        .arg(DrawingImport::counted(count, "drawing was", "drawings were"),
                             QFileInfo(path).fileName()));
    });
}
