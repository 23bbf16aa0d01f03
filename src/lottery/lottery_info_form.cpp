// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_info_form.h"

#include "db/file_lookup.h"
#include "db/vantoro_error.h"
#include "gui/help.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "lottery/commission_presets.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "lottery/game_presets.h"
#include "lottery/game_type.h"
#include "lottery/lottery_code.h"
#include "lottery/lottery_files.h"
#include "lottery/new_lottery.h"
#include "lottery/todays_games.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int NewFileHelp = 118;
constexpr int EditHelp = 128;

QSpinBox* spinBox(const char* name, int low, int high, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QCheckBox* checkBox(const char* name, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The field widths of the record: longer text is cut as it is typed, never stored whole.
QLineEdit* lineEdit(const char* name, int maxLength) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* fixedList(const char* name, const QStringList& items) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

QString newFileMessage() {
    return QStringLiteral(
        "A new Lotto file has been created. Use the Drawings command in the Edit menu to enter the "
        "previous drawings.");
}

} // namespace

TLotteryInfoForm::TLotteryInfoForm(CurrentLottery& lottery, Mode mode, QWidget* parent)
    : QDialog(parent), m_lottery(lottery), m_newFileMode(mode == Mode::NewFile) {
    setObjectName(QStringLiteral("TLotteryInfoForm"));
    setWindowTitle(m_newFileMode ? QStringLiteral("New Drawing File") : QStringLiteral("Edit Lottery Info"));

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // All four page tabs in view: the dialog grows to fit them rather than scrolling them.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->addTab(buildGameInfoPage(), QStringLiteral("Game Info"));
    PageControl1->addTab(buildMoreGameInfoPage(), QStringLiteral("More Game Info"));
    PageControl1->addTab(buildBonusInfoPage(), QStringLiteral("Bonus Info"));
    PageControl1->addTab(buildCommissionPage(), QStringLiteral("Lottery Commission"));

    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = new QPushButton(QStringLiteral("Help"));
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    setHelpContexts();

    connect(OKBtn, &QPushButton::clicked, this, &TLotteryInfoForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TLotteryInfoForm::HelpBtnClick);
    // Only a choice the user makes runs the presets: `activated` is not emitted when the
    // program sets the lists itself.
    connect(GameType, &QComboBox::activated, this, &TLotteryInfoForm::GameTypeChange);
    connect(State, &QComboBox::activated, this, &TLotteryInfoForm::StateChange);
    connect(TodaysGame, &QComboBox::activated, this, &TLotteryInfoForm::TodaysGameChange);

    if (m_newFileMode) {
        // The controls keep their initial values; the game type is set without its presets.
        Country->setCurrentIndex(Countries::UnitedStates);
        State->setCurrentIndex(0);
        GameType->setCurrentIndex(static_cast<int>(GameTypeCode::Lotto));
        m_base = definitionFromControls();
    } else {
        m_base = lottery.definition();
        showDefinition(m_base);
        TodaysGame->setEnabled(false);
        for (QWidget* structural : std::initializer_list<QWidget*>{GameType, Country, State, NumbersDrawn,
                                                                   BonusNumbers, HighestNumber, LowestNumber})
            structural->setEnabled(false);
    }
    GameType->setFocus();
}

QWidget* TLotteryInfoForm::buildGameInfoPage() {
    TodaysGame = fixedList("TodaysGame", QStringList{QStringLiteral("(none)")} + TodaysGames::names());
    GameType = fixedList("GameType", GameTypes::names());
    Description = lineEdit("Description", 30);
    Description->setText(QStringLiteral("Lotto"));
    Country = fixedList("Country", Countries::names());
    State = fixedList("State", States::abbreviations());
    NumbersDrawn = spinBox("NumbersDrawn", 3, 22, 6);
    BonusNumbers = spinBox("BonusNumbers", 0, 2, 0);
    HighestNumber = spinBox("HighestNumber", 0, 99, 42);
    LowestNumber = spinBox("LowestNumber", 0, 1, 1);

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Today's game:"), TodaysGame);
    form->addRow(QStringLiteral("Game Type:"), GameType);
    form->addRow(QStringLiteral("Description:"), Description);
    form->addRow(QStringLiteral("Country:"), Country);
    form->addRow(QStringLiteral("State:"), State);
    form->addRow(QStringLiteral("Numbers Drawn:"), NumbersDrawn);
    form->addRow(QStringLiteral("Bonus Numbers:"), BonusNumbers);
    form->addRow(QStringLiteral("Highest Number:"), HighestNumber);
    form->addRow(QStringLiteral("Lowest Number:"), LowestNumber);
    return page;
}

QWidget* TLotteryInfoForm::buildMoreGameInfoPage() {
    Sunday = checkBox("Sunday", QStringLiteral("Sunday"));
    Monday = checkBox("Monday", QStringLiteral("Monday"));
    Tuesday = checkBox("Tuesday", QStringLiteral("Tuesday"));
    Wednesday = checkBox("Wednesday", QStringLiteral("Wednesday"));
    Thursday = checkBox("Thursday", QStringLiteral("Thursday"));
    Friday = checkBox("Friday", QStringLiteral("Friday"));
    Saturday = checkBox("Saturday", QStringLiteral("Saturday"));
    GameDrawnOn = new QGroupBox(QStringLiteral("Game Drawn On:"));
    GameDrawnOn->setObjectName(QStringLiteral("GameDrawnOn"));
    auto* dayGrid = new QGridLayout(GameDrawnOn);
    const auto all = days();
    for (int i = 0; i < 7; ++i)
        dayGrid->addWidget(all[static_cast<size_t>(i)], i % 4, i / 4);

    TicketsPerSlip = spinBox("TicketsPerSlip", 0, 10, 5);
    RowsPerTicket = spinBox("RowsPerTicket", 0, 20, 10);
    ColumnsPerTicket = spinBox("ColumnsPerTicket", 0, 25, 5);
    HorizontalTickets = checkBox("HorizontalTickets", QStringLiteral("Horizontal Tickets"));
    HorizontalTickets->setChecked(true);
    BetSlipInfo = new QGroupBox(QStringLiteral("Bet Slip Info"));
    BetSlipInfo->setObjectName(QStringLiteral("BetSlipInfo"));
    auto* slip = new QFormLayout(BetSlipInfo);
    slip->addRow(QStringLiteral("Tickets Per Slip:"), TicketsPerSlip);
    slip->addRow(QStringLiteral("Rows Per Ticket:"), RowsPerTicket);
    slip->addRow(QStringLiteral("Columns Per Ticket:"), ColumnsPerTicket);
    slip->addRow(HorizontalTickets);
    BetSlipInfo->hide();

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(GameDrawnOn);
    layout->addWidget(BetSlipInfo);
    layout->addStretch();
    return page;
}

QWidget* TLotteryInfoForm::buildBonusInfoPage() {
    auto* text = new QLabel(QStringLiteral(
        "Place a check next to the number of regular number matches needed for the bonus number to count:"));
    text->setWordWrap(true);
    auto* matches = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        auto* box = new QCheckBox(QStringLiteral("%1 Matches").arg(i));
        box->setObjectName(QStringLiteral("BonusMatches%1").arg(i));
        BonusMatches[static_cast<size_t>(i)] = box;
        matches->addWidget(box, i % 4, i / 4);
    }
    AllowDuplicates = checkBox("AllowDuplicates", QStringLiteral("Allow Duplicates"));
    HighestBonus = spinBox("HighestBonus", 0, 99, 1);
    auto* highest = new QFormLayout;
    highest->addRow(QStringLiteral("Highest Number Allowed:"), HighestBonus);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addLayout(matches);
    layout->addWidget(AllowDuplicates);
    layout->addLayout(highest);
    layout->addStretch();
    return page;
}

QWidget* TLotteryInfoForm::buildCommissionPage() {
    CommissionName = lineEdit("CommissionName", 40);
    CommissionAddress = lineEdit("CommissionAddress", 30);
    CommissionCity = lineEdit("CommissionCity", 25);
    CommissionState = lineEdit("CommissionState", 2);
    CommissionZipCode = lineEdit("CommissionZipCode", 10);
    CommissionPhone = lineEdit("CommissionPhone", 12);
    CommissionFax = lineEdit("CommissionFax", 12);
    CommissionEmail = lineEdit("CommissionEmail", 40);
    CommissionWWW = lineEdit("CommissionWWW", 40);

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Name:"), CommissionName);
    form->addRow(QStringLiteral("Address:"), CommissionAddress);
    form->addRow(QStringLiteral("City:"), CommissionCity);
    form->addRow(QStringLiteral("State:"), CommissionState);
    form->addRow(QStringLiteral("Zip Code:"), CommissionZipCode);
    form->addRow(QStringLiteral("Phone:"), CommissionPhone);
    form->addRow(QStringLiteral("Fax:"), CommissionFax);
    form->addRow(QStringLiteral("E-Mail:"), CommissionEmail);
    form->addRow(QStringLiteral("WWW:"), CommissionWWW);
    return page;
}

std::array<QCheckBox*, 7> TLotteryInfoForm::days() const {
    return {Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday};
}

LotteryDefinition TLotteryInfoForm::definitionFromControls() const {
    LotteryDefinition d = m_base;
    d.GameType = static_cast<qint16>(GameType->currentIndex());
    d.Country = static_cast<qint16>(Country->currentIndex());
    d.State = static_cast<qint16>(State->currentIndex());
    d.Description = Description->text().left(30);
    d.NumbersDrawn = static_cast<qint16>(NumbersDrawn->value());
    d.LowestNumber = static_cast<qint16>(LowestNumber->value());
    d.HighestNumber = static_cast<qint16>(HighestNumber->value());
    d.BonusNumbers = static_cast<qint16>(BonusNumbers->value());
    d.HighestBonus = static_cast<qint16>(HighestBonus->value());
    d.Sunday = Sunday->isChecked();
    d.Monday = Monday->isChecked();
    d.Tuesday = Tuesday->isChecked();
    d.Wednesday = Wednesday->isChecked();
    d.Thursday = Thursday->isChecked();
    d.Friday = Friday->isChecked();
    d.Saturday = Saturday->isChecked();
    for (size_t i = 0; i < 7; ++i)
        d.BonusMatches[i] = BonusMatches[i]->isChecked();
    d.AllowDuplicates = AllowDuplicates->isChecked();
    d.TicketsPerSlip = static_cast<qint16>(TicketsPerSlip->value());
    d.RowsPerTicket = static_cast<qint16>(RowsPerTicket->value());
    d.ColumnsPerTicket = static_cast<qint16>(ColumnsPerTicket->value());
    d.HorizontalTickets = HorizontalTickets->isChecked();
    d.CommissionName = CommissionName->text().left(40);
    d.CommissionAddress = CommissionAddress->text().left(30);
    d.CommissionCity = CommissionCity->text().left(25);
    d.CommissionState = CommissionState->text().left(2);
    d.CommissionZipCode = CommissionZipCode->text().left(10);
    d.CommissionPhone = CommissionPhone->text().left(12);
    d.CommissionFax = CommissionFax->text().left(12);
    d.CommissionEmail = CommissionEmail->text().left(40);
    d.CommissionWWW = CommissionWWW->text().left(40);
    return d;
}

void TLotteryInfoForm::showDefinition(const LotteryDefinition& d) {
    GameType->setCurrentIndex(d.GameType);
    Country->setCurrentIndex(d.Country);
    State->setCurrentIndex(d.State);
    Description->setText(d.Description);
    NumbersDrawn->setValue(d.NumbersDrawn);
    BonusNumbers->setValue(d.BonusNumbers);
    HighestNumber->setValue(d.HighestNumber);
    LowestNumber->setValue(d.LowestNumber);
    const bool drawnOn[] = {d.Sunday, d.Monday, d.Tuesday, d.Wednesday, d.Thursday, d.Friday, d.Saturday};
    const auto all = days();
    for (size_t i = 0; i < 7; ++i)
        all[i]->setChecked(drawnOn[i]);
    for (size_t i = 0; i < 7; ++i)
        BonusMatches[i]->setChecked(d.BonusMatches[i]);
    AllowDuplicates->setChecked(d.AllowDuplicates);
    HighestBonus->setValue(d.HighestBonus);
    TicketsPerSlip->setValue(d.TicketsPerSlip);
    RowsPerTicket->setValue(d.RowsPerTicket);
    ColumnsPerTicket->setValue(d.ColumnsPerTicket);
    HorizontalTickets->setChecked(d.HorizontalTickets);
    showCommission(d);
}

void TLotteryInfoForm::showCommission(const LotteryDefinition& d) {
    CommissionName->setText(d.CommissionName);
    CommissionAddress->setText(d.CommissionAddress);
    CommissionCity->setText(d.CommissionCity);
    CommissionState->setText(d.CommissionState);
    CommissionZipCode->setText(d.CommissionZipCode);
    CommissionPhone->setText(d.CommissionPhone);
    CommissionFax->setText(d.CommissionFax);
    CommissionEmail->setText(d.CommissionEmail);
    CommissionWWW->setText(d.CommissionWWW);
}

void TLotteryInfoForm::lockToPreset(const GamePreset& p) {
    Country->setEnabled(!p.countryFixed);
    State->setEnabled(!p.stateFixed);
    NumbersDrawn->setEnabled(!p.drawnFixed);
    BonusNumbers->setEnabled(!p.bonusFixed);
    HighestNumber->setEnabled(!p.highestFixed);
    LowestNumber->setEnabled(!p.lowestFixed);
    for (QCheckBox* day : days())
        day->setEnabled(!p.daysFixed);
    for (size_t i = 0; i < 7; ++i)
        BonusMatches[i]->setEnabled(!p.matchesFixed[i]);
    AllowDuplicates->setEnabled(!p.duplicatesFixed);
    HighestBonus->setEnabled(!p.highestBonusFixed);
}

void TLotteryInfoForm::GameTypeChange(int index) {
    const GamePreset* preset = GamePresets::forGameType(index);
    if (!preset)
        return; // "Reserved for Future Use" leaves every control as it is
    LotteryDefinition d = definitionFromControls();
    GamePresets::apply(index, *preset, d);
    showDefinition(d);
    lockToPreset(*preset);
}

void TLotteryInfoForm::TodaysGameChange(int index) {
    const ::TodaysGame* game = index > 0 ? &TodaysGames::all().at(index - 1) : nullptr;
    if (!game)
        return;
    // Every control stays free: the user may still change what the game filled in.
    for (QWidget* control : findChildren<QWidget*>())
        control->setEnabled(true);
    LotteryDefinition d = game->definition();
    d.TicketsPerSlip = static_cast<qint16>(TicketsPerSlip->value());
    d.RowsPerTicket = static_cast<qint16>(RowsPerTicket->value());
    d.ColumnsPerTicket = static_cast<qint16>(ColumnsPerTicket->value());
    d.HorizontalTickets = HorizontalTickets->isChecked();
    showDefinition(d);
}

// The extras of the game chosen, while the numbers on the page are still the game's own.
std::optional<GameExtras> TLotteryInfoForm::chosenExtras(const LotteryDefinition& d) const {
    const int index = TodaysGame->currentIndex();
    if (index <= 0)
        return std::nullopt;
    const ::TodaysGame& game = TodaysGames::all().at(index - 1);
    const LotteryDefinition own = game.definition();
    if (d.NumbersDrawn != own.NumbersDrawn || d.BonusNumbers != own.BonusNumbers ||
        d.HighestNumber != own.HighestNumber || d.LowestNumber != own.LowestNumber ||
        d.HighestBonus != own.HighestBonus)
        return std::nullopt;
    return game.extras();
}

void TLotteryInfoForm::StateChange(int index) {
    LotteryDefinition d = definitionFromControls();
    CommissionPresets::apply(CommissionPresets::forState(States::abbreviation(index)), d);
    showCommission(d);
}

void TLotteryInfoForm::setHelpContexts() {
    const std::pair<QWidget*, int> contexts[] = {
        {GameType, 152},        {Description, 153},     {Country, 154},           {State, 155},
        {NumbersDrawn, 156},    {BonusNumbers, 157},    {HighestNumber, 158},     {LowestNumber, 159},
        {AllowDuplicates, 162}, {HighestBonus, 163},    {CommissionName, 164},    {CommissionAddress, 165},
        {CommissionCity, 166},  {CommissionState, 167}, {CommissionZipCode, 168}, {CommissionPhone, 169},
        {CommissionFax, 170},   {CommissionEmail, 171}, {CommissionWWW, 172},     {OKBtn, 173},
        {CancelBtn, 174},       {TodaysGame, 152}};
    for (const auto& [control, context] : contexts)
        Help::setContext(control, context);
    for (QCheckBox* day : days())
        Help::setContext(day, 160);
    for (QCheckBox* match : BonusMatches)
        Help::setContext(match, 161);
    Help::installContextHelp(this, [this] { return m_newFileMode ? NewFileHelp : EditHelp; });
}

void TLotteryInfoForm::HelpBtnClick() {
    Help::showTopic(m_newFileMode ? NewFileHelp : EditHelp, this);
}

void TLotteryInfoForm::OKBtnClick() {
    const LotteryDefinition definition = definitionFromControls();
    if (m_newFileMode) {
        const LotteryCodes::Derivation derivation = LotteryCodes::derive(definition);
        if (derivation.code.isEmpty()) {
            // Without a code the files would have no name; the user can change the settings and try again.
            Prompts::instance().information(this,
                                            LotteryCodes::noCodeMessage(derivation.problem) +
                                                QStringLiteral(" Change these settings and press OK again."));
            return;
        }
        m_code = derivation.code;
        if (writeNewLottery(definition))
            accept();
        else
            reject();
        return;
    }
    writeEditedLottery(definition);
}

bool TLotteryInfoForm::writeNewLottery(const LotteryDefinition& definition) {
    const QString dataDir = m_lottery.DataDir();
    const bool replacing = NewLottery::exists(dataDir, m_code);
    if (replacing) {
        if (!Prompts::instance().confirm(
                this, QStringLiteral("A file already exists for this lottery. If you "
                                     "continue, all data in the file will be erased. Do you "
                                     "wish to continue?")))
            return false;
        // The old table may be the one that is open.
        if (m_lottery.isOpen() &&
            LotteryFiles::baseName(m_lottery.LotteryFile()).compare(m_code, Qt::CaseInsensitive) == 0)
            m_lottery.closeLottery();
    }
    try {
        NewLottery::create(dataDir, m_code, definition, chosenExtras(definition));
    } catch (const NewLottery::TableNotCreated& failure) {
        // The definition was written, so it is the lottery now, though without a table.
        m_lottery.setDefinition(definition);
        Prompts::instance().information(this, failure.message());
        return false;
    } catch (const VantoroError& failure) {
        Prompts::instance().error(this, failure.message());
        return false;
    }
    m_lottery.setDefinition(definition);
    Prompts::instance().information(this, newFileMessage());
    return gui::runCommand(this,
                           [&] { m_lottery.openNewLottery(m_code + QStringLiteral(".DBF"), definition); });
}

void TLotteryInfoForm::writeEditedLottery(const LotteryDefinition& definition) {
    // The definition belongs to the open table, whatever its file is called; a lottery opened
    // under a name of its own keeps that name.
    QString path;
    if (m_lottery.isOpen()) {
        m_code = LotteryFiles::baseName(m_lottery.LotteryFile());
        path = FileLookup::find(m_lottery.DataDir(), m_code + QStringLiteral(".INF"));
    } else {
        m_code = LotteryCodes::derive(definition).code;
    }
    if (m_code.isEmpty()) {
        Prompts::instance().information(
            this, LotteryCodes::noCodeMessage(LotteryCodes::derive(definition).problem) +
                      QStringLiteral(" Change these settings and press OK again."));
        return;
    }
    if (path.isEmpty())
        path = m_lottery.DataDir() + m_code + QStringLiteral(".INF");
    if (!gui::runCommand(this, [&] { WriteDefinition(path, definition); })) {
        reject();
        return;
    }
    m_lottery.setDefinition(definition);
    accept();
}
