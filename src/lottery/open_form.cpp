// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/open_form.h"

#include "db/vantoro_error.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "lottery/current_lottery.h"
#include "lottery/lottery_catalogue.h"
#include "lottery/lottery_files.h"
#include "lottery/program_home.h"
#include "lottery/settings_file.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int OpenHelp = 121;
constexpr int ArizonaRow = 2;

// Where drawing files come from in Vantoro: the results the lotteries publish, imported.
const char* const whereToGetDrawings = " To bring a drawing file up to date, import the results your lottery "
                                       "publishes (a CSV file with the date "
                                       "and the numbers of each drawing) into it.";

QString missingMessage(const QString& fileName) {
    return QStringLiteral("Could not find the file ") + fileName +
           QStringLiteral(". Choose NEW DRAWING FILE in the FILE menu to create a ") +
           QStringLiteral("file.") + QString::fromLatin1(whereToGetDrawings);
}

QPushButton* button(const char* name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TOpenForm::TOpenForm(CurrentLottery& lottery, QWidget* parent) : QDialog(parent), m_lottery(lottery) {
    setObjectName(QStringLiteral("TOpenForm"));
    setWindowTitle(QStringLiteral("Open Drawing File"));

    StateList = new QListWidget;
    StateList->setObjectName(QStringLiteral("StateList"));
    LotteryList = new QListWidget;
    LotteryList->setObjectName(QStringLiteral("LotteryList"));
    UnitedStates = new QCheckBox(QStringLiteral("United States"));
    UnitedStates->setObjectName(QStringLiteral("UnitedStates"));
    BrowseButton = button("BrowseButton", QStringLiteral("Browse..."));
    Autoload = new QCheckBox(QStringLiteral("Automatically load selected lottery at startup"));
    Autoload->setObjectName(QStringLiteral("Autoload"));
    OK = button("OK", QStringLiteral("OK"));
    OK->setDefault(true);
    Cancel = button("Cancel", QStringLiteral("Cancel"));
    Help = button("Help", QStringLiteral("Help"));

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("State or Country:")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Lottery:")), 0, 1);
    lists->addWidget(StateList, 1, 0);
    lists->addWidget(LotteryList, 1, 1);
    lists->setColumnStretch(1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(OK);
    side->addWidget(Cancel);
    side->addWidget(Help);
    side->addStretch();
    side->addWidget(BrowseButton);
    auto* top = new QHBoxLayout;
    top->addLayout(lists, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(UnitedStates);
    layout->addLayout(top);
    layout->addWidget(Autoload);

    const std::pair<QWidget*, int> contexts[] = {{StateList, 184}, {LotteryList, 185},  {UnitedStates, 186},
                                                 {Autoload, 187},  {BrowseButton, 188}, {OK, 189},
                                                 {Cancel, 190}};
    for (const auto& [control, context] : contexts)
        Help::setContext(control, context);
    Help::installContextHelp(this, [] { return OpenHelp; });

    connect(UnitedStates, &QCheckBox::clicked, this, &TOpenForm::UnitedStatesClick);
    connect(StateList, &QListWidget::currentRowChanged, this, &TOpenForm::StateListClick);
    connect(OK, &QPushButton::clicked, this, &TOpenForm::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Help, &QPushButton::clicked, this, &TOpenForm::HelpClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TOpenForm::BrowseButtonClick);
    connect(LotteryList, &QListWidget::itemDoubleClicked, this, &TOpenForm::OKClick);

    FormActivate();
    OK->setFocus();
}

void TOpenForm::FormActivate() {
    UnitedStates->setChecked(true);
    fillPlaces();
}

void TOpenForm::fillPlaces() {
    const bool unitedStates = UnitedStates->isChecked();
    const QSignalBlocker quiet(StateList);
    StateList->clear();
    StateList->addItems(LotteryCatalogue::placeNames(unitedStates));
    StateList->setCurrentRow(unitedStates ? ArizonaRow : 0);
    StateListClick();
}

void TOpenForm::UnitedStatesClick() {
    fillPlaces();
}

void TOpenForm::StateListClick() {
    LotteryList->clear();
    const QListWidgetItem* item = StateList->currentItem();
    const CataloguePlace* place = item ? LotteryCatalogue::findPlace(item->text()) : nullptr;
    if (!place)
        return;
    for (const CatalogueEntry& entry : place->entries)
        LotteryList->addItem(entry.text);
    LotteryList->setCurrentRow(-1);
}

QString TOpenForm::selectedFile() const {
    const QListWidgetItem* placeItem = StateList->currentItem();
    const int row = LotteryList->currentRow();
    if (!placeItem || row < 0 || LotteryList->selectedItems().isEmpty())
        return {};
    const CataloguePlace* place = LotteryCatalogue::findPlace(placeItem->text());
    if (!place || row >= static_cast<int>(place->entries.size()))
        return {};
    return place->entries.at(static_cast<size_t>(row)).fileName();
}

bool TOpenForm::refuseMissing(const QString& fileName) {
    const QString missing = CurrentLottery::missingFile(m_lottery.DataDir(), fileName);
    if (missing.isEmpty() && !fileName.isEmpty())
        return false;
    Prompts::instance().information(this, missingMessage(missing));
    return true;
}

bool TOpenForm::openLottery(const QString& fileName, bool settingsFirst) {
    const auto writeSettings = [&] {
        if (Autoload->isChecked())
            SettingsFile(ProgramHome(m_lottery.homeDir()).settingsPath()).writeLottery(fileName);
    };
    const bool loaded = gui::runCommand(this, [&] {
        if (settingsFirst)
            writeSettings();
        m_lottery.LoadLottery(fileName);
        if (!settingsFirst)
            writeSettings();
        m_lottery.setLastDrawingLabelLong(true);
    });
    if (!loaded)
        return false;
    if (!m_lottery.loadNotice().isEmpty())
        Prompts::instance().information(this, m_lottery.loadNotice());
    return true;
}

void TOpenForm::OKClick() {
    const QString fileName = selectedFile();
    // A refusal still closes the dialog; the lottery that was open stays open.
    if (!refuseMissing(fileName))
        openLottery(fileName, true);
    accept();
}

void TOpenForm::BrowseButtonClick() {
    FileDialogSpec request;
    request.title = QStringLiteral("Open");
    request.filter = QStringLiteral("Lotto Data Files (*.DBF *.dbf)");
    request.fileName = QStringLiteral("*.dbf");
    request.directory = m_lottery.DataDir();
    const QString chosen = Prompts::instance().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    // The table is always opened in data/, whichever folder the file was picked from.
    const QString fileName = QFileInfo(chosen).fileName();
    if (refuseMissing(fileName))
        return;
    if (openLottery(fileName, false))
        accept();
}

void TOpenForm::HelpClick() {
    Help::showTopic(OpenHelp, this);
}
