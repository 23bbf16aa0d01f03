// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"

#include "app/about_form.h"
#include "app/cutoff_form.h"
#include "db/file_lookup.h"
#include "db/vantoro_error.h"
#include "drawings/drawings_form.h"
#include "drawings/import_form.h"
#include "drawings/print_options.h"
#include "drawings/search_form.h"
#include "drawings/srch_list_form.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/report_system.h"
#include "lottery/game_type.h"
#include "lottery/lottery_files.h"
#include "lottery/lottery_info_form.h"
#include "lottery/open_form.h"
#include "lottery/program_home.h"
#include "lottery/todays_games.h"
#include "play/check_form.h"
#include "play/edit_tic_form.h"
#include "play/fav_form.h"
#include "play/open_wheel_form.h"
#include "play/random_form.h"
#include "play/smart_form.h"
#include "play/wheel_file.h"
#include "play/wheel_form.h"
#include "stats/bonus_form.h"
#include "stats/number_stats.h"
#include "stats/pair_form.h"
#include "stats/sequence_form.h"
#include "stats/skip_form.h"
#include "stats/stats_form.h"
#include "stats/summary_form.h"
#include "winnings/winnings_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

// Menu items are named the way the rest of the program knows them: the caption without its
// access-key mark, dots, blanks and slashes, followed by "1" ("&Open Drawing File..." -> "OpenDrawingFile1").
QString itemName(const QString& caption) {
    QString name;
    for (const QChar c : caption)
        if (c.isLetterOrNumber())
            name += c;
    return name + QLatin1Char('1');
}

struct ToolButton {
    const char* item; // objectName of the command's menu item
    const char* hint;
};

// In tool-bar order; the icons are numbered the same way.
constexpr ToolButton ToolButtons[] = {
    {"OpenDrawingFile1", "Open Drawing File"},
    {"Drawings1", "Edit Drawings"},
    {"SearchDrawings1", "Search Drawings"},
    {"Exit1", "Exit Vantoro"},
    {"NumberStatisticsChartFrequencyGraph1", "Number Statistics Chart/Frequency Graph"},
    {"RepeatingPairsChart1", "Repeating Pairs Chart"},
    {"RepeatingTriplesChart1", "Repeating Triples Chart"},
    {"SkipandHitChartGraph1", "Skip and Hit Chart/Graph"},
    {"HitSequenceChartGraph1", "Hit Sequence Chart/Graph"},
    {"DrawingSummaryChartGraph1", "Drawing Summary Chart/Graph"},
    {"Winnings1", "Edit Winnings"},
    {"FavoriteNumbers1", "Play Favorite Numbers"},
    {"RandomNumbers1", "Play Random Numbers"},
    {"SmartNumbers1", "Play Smart Numbers"},
    {"CheckTickets1", "Check Tickets"},
    {"Tutorial1", "Tutorial"},
    {"VantoroHelpTopics1", "Vantoro Help Topics"},
};

bool confirmDeletion(QWidget* parent, const QString& name) {
    return Prompts::instance().confirm(parent, QStringLiteral("Are you sure you want to delete the file ") +
                                                   name + QLatin1Char('?'));
}

// The ticket and wheel files stand alone: asked, deleted, reported. A failed deletion says nothing.
void deleteAfterAsking(QWidget* parent, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!confirmDeletion(parent, name))
        return;
    if (QFile::remove(path))
        Prompts::instance().information(parent, name + QStringLiteral(" has been deleted."));
}

} // namespace

TMainForm::TMainForm(const QString& homeDir, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_settingsPath(QDir(homeDir).filePath(QStringLiteral("vantoro.ini"))),
      m_arguments(arguments) {
    setObjectName(QStringLiteral("MainForm"));
    // The bars are shown and hidden by the Options menu only, so its check marks stay true.
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_lottery.setHomeDir(homeDir);

    // White client area with the program's picture in its middle.
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image1"));
    background->setAlignment(Qt::AlignCenter);
    background->setPixmap(QPixmap(QStringLiteral(":/pictures/background.svg")));
    background->setAutoFillBackground(true);
    QPalette palette = background->palette();
    palette.setColor(QPalette::Window, Qt::white);
    background->setPalette(palette);
    setCentralWidget(background);

    buildMenus();
    buildToolBar();
    buildStatusBar();
    m_printOptions = new TPrintOptions(this);
    m_searchResults = new TSrchListForm(this);

    connect(&m_lottery, &CurrentLottery::changed, this, &TMainForm::showLotteryState);
    showLotteryState();

    // The long-lived dialogs come right after the window that owns them.
    m_bonusForm = new BonusForm(this);
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::addItem(QMenu* menu, const QString& caption, const QString& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(itemName(caption));
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    m_items.insert(action->objectName(), action);
    return action;
}

void TMainForm::buildMenus() {
    auto addMenu = [this](const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(itemName(caption));
        return menu;
    };

    // The commands whose windows belong to other parts of the program are listed here with
    // their enabling rules; each gets its handler (Drawings1Click, ...) when its window exists.
    QMenu* file = addMenu(QStringLiteral("&File"));
    QMenu* fileNew = file->addMenu(QStringLiteral("&New"));
    fileNew->setObjectName(QStringLiteral("New1"));
    QAction* newDrawingFile = addItem(fileNew, QStringLiteral("Drawing File..."));
    QAction* newWheel = addItem(fileNew, QStringLiteral("Wheeling System File..."));
    addItem(fileNew, QStringLiteral("Winnings File..."));
    QAction* openDrawingFile =
        addItem(file, QStringLiteral("&Open Drawing File..."), QStringLiteral("Ctrl+O"));
    file->addSeparator();
    // "E&xit" has the x, so the export takes the p.
    QAction* importDrawings = addItem(file, QStringLiteral("&Import Drawings..."));
    QAction* exportDrawings = addItem(file, QStringLiteral("Ex&port Drawings..."));
    m_lotteryFileCommands << importDrawings << exportDrawings;
    file->addSeparator();
    QAction* deleteDrawingFile = addItem(file, QStringLiteral("D&elete  Drawing File..."));
    addItem(file, QStringLiteral("&Delete Ticket File..."));
    QAction* deleteWheel = addItem(file, QStringLiteral("De&lete Wheeling System File..."));
    addItem(file, QStringLiteral("Delete &Winnings file..."));
    file->addSeparator();
    QAction* printSetup = addItem(file, QStringLiteral("P&rint Setup..."));
    file->addSeparator();
    QAction* exit = addItem(file, QStringLiteral("E&xit"), QStringLiteral("Ctrl+X"));

    m_editMenu = addMenu(QStringLiteral("&Edit"));
    QAction* drawings = addItem(m_editMenu, QStringLiteral("&Drawings..."), QStringLiteral("Ctrl+D"));
    QAction* lotteryInfo = addItem(m_editMenu, QStringLiteral("&Lottery Info..."));
    addItem(m_editMenu, QStringLiteral("&Tickets..."), QStringLiteral("Ctrl+T"));
    QAction* editWheel = addItem(m_editMenu, QStringLiteral("&Wheeling System..."));
    addItem(m_editMenu, QStringLiteral("&Winnings..."), QStringLiteral("Ctrl+W"));
    m_editMenu->addSeparator();
    QAction* searchDrawings = addItem(m_editMenu, QStringLiteral("&Search Drawings..."));

    m_statisticsMenu = addMenu(QStringLiteral("&Statistics"));
    QAction* drawingSummary = addItem(m_statisticsMenu, QStringLiteral("Draw&ing Summary Chart/Graph"));
    QAction* hitSequence = addItem(m_statisticsMenu, QStringLiteral("&Hit Sequence Chart/Graph"));
    QAction* numberStatistics =
        addItem(m_statisticsMenu, QStringLiteral("&Number Statistics Chart/Frequency Graph"));
    QAction* repeatingPairs = addItem(m_statisticsMenu, QStringLiteral("Repeating &Pairs Chart"));
    QAction* repeatingTriples = addItem(m_statisticsMenu, QStringLiteral("Repeating &Triples Chart"));
    QAction* skipAndHit = addItem(m_statisticsMenu, QStringLiteral("&Skip and Hit Chart/Graph"));
    m_gameCommands << drawingSummary << repeatingPairs << repeatingTriples;

    m_playMenu = addMenu(QStringLiteral("&Play"));
    m_gameCommands << addItem(m_playMenu, QStringLiteral("&Smart Numbers..."), QStringLiteral("Ctrl+S"));
    addItem(m_playMenu, QStringLiteral("&Favorite Numbers..."), QStringLiteral("Ctrl+F"));
    addItem(m_playMenu, QStringLiteral("&Random Numbers..."), QStringLiteral("Ctrl+R"));
    m_playMenu->addSeparator();
    addItem(m_playMenu, QStringLiteral("&Check Tickets..."), QStringLiteral("Ctrl+C"));

    QMenu* options = addMenu(QStringLiteral("&Options"));
    QAction* drawingCutoff = addItem(options, QStringLiteral("&Drawing Cutoff..."));
    QAction* hotCutoff = addItem(options, QStringLiteral("&Hot Number Cutoff..."));
    addItem(options, QStringLiteral("Set &Internet Access"))->setVisible(false);
    options->addSeparator();
    QAction* statusBarItem = addItem(options, QStringLiteral("&Status Bar"));
    QAction* toolbarItem = addItem(options, QStringLiteral("&Toolbar"));
    m_saveSettingsOnExit = addItem(options, QStringLiteral("Save Settings on &Exit"));
    for (QAction* toggle : {statusBarItem, toolbarItem, m_saveSettingsOnExit}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    QMenu* help = addMenu(QStringLiteral("&Help"));
    QAction* topics = addItem(help, QStringLiteral("&Vantoro Help Topics..."), QStringLiteral("F1"));
    QAction* tutorial = addItem(help, QStringLiteral("&Tutorial"));
    QAction* homePage = addItem(help, QStringLiteral("Vantoro &Home Page"));
    help->addSeparator();
    QAction* wheels = addItem(help, QStringLiteral("&Custom Wheeling Systems"));
    QAction* books = addItem(help, QStringLiteral("Lotto &Books"));
    QAction* order = addItem(help, QStringLiteral("&Order Form"));
    help->addSeparator();
    QAction* about = addItem(help, QStringLiteral("&About Vantoro..."));

    connect(newDrawingFile, &QAction::triggered, this, &TMainForm::DrawingFile1Click);
    connect(openDrawingFile, &QAction::triggered, this, &TMainForm::OpenDrawingFile1Click);
    connect(lotteryInfo, &QAction::triggered, this, &TMainForm::LotteryInfo1Click);
    connect(importDrawings, &QAction::triggered, this, &TMainForm::ImportDrawings1Click);
    connect(exportDrawings, &QAction::triggered, this, &TMainForm::ExportDrawings1Click);
    connect(deleteDrawingFile, &QAction::triggered, this, &TMainForm::DeleteDrawingFile1Click);
    connect(drawings, &QAction::triggered, this, &TMainForm::Drawings1Click);
    connect(searchDrawings, &QAction::triggered, this, &TMainForm::SearchDrawings1Click);
    connect(newWheel, &QAction::triggered, this, &TMainForm::WheelingSystemFile1Click);
    connect(editWheel, &QAction::triggered, this, &TMainForm::WheelingSystem1Click);
    connect(deleteWheel, &QAction::triggered, this, &TMainForm::DeleteWheelingSystemFile1Click);
    connect(printSetup, &QAction::triggered, this, &TMainForm::PrintSetup1Click);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(drawingCutoff, &QAction::triggered, this, &TMainForm::DrawingCutoff1Click);
    connect(hotCutoff, &QAction::triggered, this, &TMainForm::HotNumberCutoff1Click);
    connect(numberStatistics, &QAction::triggered, this,
            &TMainForm::NumberStatisticsChartFrequencyGraph1Click);
    connect(drawingSummary, &QAction::triggered, this, &TMainForm::DrawingSummary1Click);
    connect(hitSequence, &QAction::triggered, this, &TMainForm::HitSequence1Click);
    connect(repeatingPairs, &QAction::triggered, this, [this] { RepeatingSets1Click(false); });
    connect(repeatingTriples, &QAction::triggered, this, [this] { RepeatingSets1Click(true); });
    connect(skipAndHit, &QAction::triggered, this, &TMainForm::SkipandHitChartGraph1Click);
    connect(statusBarItem, &QAction::triggered, this, &TMainForm::StatusBar1Click);
    connect(toolbarItem, &QAction::triggered, this, &TMainForm::Toolbar1Click);
    connect(topics, &QAction::triggered, this, &TMainForm::VantoroHelpTopics1Click);
    connect(tutorial, &QAction::triggered, this, &TMainForm::Tutorial1Click);
    connect(homePage, &QAction::triggered, this, &TMainForm::VantoroHomePage1Click);
    connect(wheels, &QAction::triggered, this,
            [this] { Help::showDocument(QStringLiteral("wheels"), this); });
    connect(books, &QAction::triggered, this, [this] { Help::showDocument(QStringLiteral("books"), this); });
    connect(order, &QAction::triggered, this, [this] { Help::showDocument(QStringLiteral("order"), this); });
    connect(about, &QAction::triggered, this, &TMainForm::AboutVantoro1Click);
    connect(m_items.value(QStringLiteral("Tickets1")), &QAction::triggered, this, &TMainForm::Tickets1Click);
    connect(m_items.value(QStringLiteral("DeleteTicketFile1")), &QAction::triggered, this,
            &TMainForm::DeleteTicketFile1Click);
    connect(m_items.value(QStringLiteral("SmartNumbers1")), &QAction::triggered, this,
            &TMainForm::SmartNumbers1Click);
    connect(m_items.value(QStringLiteral("RandomNumbers1")), &QAction::triggered, this,
            &TMainForm::RandomNumbers1Click);
    connect(m_items.value(QStringLiteral("FavoriteNumbers1")), &QAction::triggered, this,
            &TMainForm::FavoriteNumbers1Click);
    connect(m_items.value(QStringLiteral("CheckTickets1")), &QAction::triggered, this,
            &TMainForm::CheckTickets1Click);
    connect(m_items.value(QStringLiteral("WinningsFile1")), &QAction::triggered, this,
            &TMainForm::WinningsFile1Click);
    connect(m_items.value(QStringLiteral("DeleteWinningsfile1")), &QAction::triggered, this,
            &TMainForm::DeleteWinningsfile1Click);
    connect(m_items.value(QStringLiteral("Winnings1")), &QAction::triggered, this,
            &TMainForm::Winnings1Click);
}

void TMainForm::buildToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    int number = 1;
    for (const ToolButton& button : ToolButtons) {
        // The button is its menu item's action, so both are enabled and disabled together.
        QAction* action = m_items.value(QLatin1String(button.item));
        Q_ASSERT(action);
        action->setToolTip(QLatin1String(button.hint));
        action->setIcon(QIcon(QStringLiteral(":/icons/button%1.svg").arg(number, 2, 10, QLatin1Char('0'))));
        action->setIconVisibleInMenu(false);
        m_toolBar->addAction(action);
        m_toolBar->widgetForAction(action)->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        m_buttons << action;
        // Groups as on the command table: files, statistics, play, help.
        if (number == 4 || number == 10 || number == 15)
            m_toolBar->addSeparator();
        ++number;
    }
}

void TMainForm::buildStatusBar() {
    const char* names[] = {"TotDrawings", "LastDrawing", "HotCutoff", "DrawingCutoff"};
    for (const char* name : names) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QLatin1String(name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(panel, 1);
        m_panels << panel;
    }
}

void TMainForm::showLotteryState() {
    setWindowTitle(m_lottery.caption());
    const QStringList texts = m_lottery.statusTexts();
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->setText(texts.value(i));

    const bool open = m_lottery.isOpen();
    for (QMenu* menu : {m_editMenu, m_statisticsMenu, m_playMenu}) {
        menu->menuAction()->setEnabled(open);
        // The items too, or their shortcuts and tool-bar buttons would still work.
        for (QAction* action : menu->actions())
            action->setEnabled(open);
    }
    for (QAction* action : m_lotteryFileCommands)
        action->setEnabled(open);
    ApplyGameCommands();
}

void TMainForm::ApplyGameCommands() {
    const bool enabled =
        m_lottery.isOpen() && GameTypes::supportsNumberAnalysis(m_lottery.definition().GameType);
    for (QAction* action : m_gameCommands)
        action->setEnabled(enabled);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !m_activated)
        // After the activation has been handled, so that the start-up messages sit over the window.
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
    return QMainWindow::event(event);
}

void TMainForm::FormActivate() {
    if (m_activated)
        return;
    m_activated = true;
    try {
        m_settings = SettingsFile(m_settingsPath).read();
    } catch (const VantoroError& error) {
        // The program starts with its defaults; the file stays as it is.
        Prompts::instance().error(this, error.message());
    }
    m_lottery.setHotNumberCutoff(m_settings.HotNumberCutoff);

    // The settings' lottery wins over the command line. Lottery files live in data/, so an
    // argument given with a folder names its file there.
    QString fileName = m_settings.LotteryFile;
    if (fileName.isEmpty() && !m_arguments.isEmpty())
        fileName = QFileInfo(m_arguments.first()).fileName();
    if (fileName.isEmpty()) {
        showLotteryState();
        Prompts::instance().information(
            this, QStringLiteral("Select the Open Drawing File command in the File menu to open a lottery."));
        return;
    }
    loadLottery(fileName);
}

void TMainForm::loadLottery(const QString& fileName) {
    try {
        m_lottery.LoadLottery(fileName);
    } catch (const VantoroError& error) {
        // The window is in the no-lottery state behind the message.
        showLotteryState();
        Prompts::instance().error(this, error.message());
        return;
    }
    showLotteryState();
    if (!m_lottery.loadNotice().isEmpty())
        Prompts::instance().information(this, m_lottery.loadNotice());
}

void TMainForm::bringToFront() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    } else {
        raise();
    }
    activateWindow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (m_saveSettingsOnExit->isChecked()) {
        try {
            if (!m_activated)
                m_settings = SettingsFile(m_settingsPath).read();
            GeneralSettings settings = m_settings;
            settings.HotNumberCutoff = m_lottery.HotNumberCutoff();
            SettingsFile(m_settingsPath).writeOnExit(settings);
        } catch (const VantoroError& error) {
            // The program does not end: the user may free the file and exit again.
            Prompts::instance().error(this, error.message());
            event->ignore();
            return;
        }
    }
    m_lottery.closeLottery();
    event->accept();
}

void TMainForm::ImportDrawings1Click() {
    TImportForm form(m_lottery, this);
    Modal::run(form);
}

void TMainForm::ExportDrawings1Click() {
    exportDrawings(m_lottery, this);
}

void TMainForm::DeleteDrawingFile1Click() {
    FileDialogSpec dialog;
    dialog.title = QStringLiteral("Delete Drawing File");
    dialog.filter = QStringLiteral("Lotto Database Files (*.DBF *.dbf)");
    dialog.fileName = QStringLiteral("*.dbf");
    dialog.directory = m_lottery.DataDir();
    dialog.helpContext = 122;
    const QString path = Prompts::instance().openFileName(this, dialog);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    if (!confirmDeletion(this, name))
        return;

    // No later command may work on files that are gone: the open lottery is closed first.
    if (m_lottery.isOpen()) {
        const QString openPath = FileLookup::find(m_lottery.DataDir(), m_lottery.LotteryFile());
        if (QFileInfo(openPath).canonicalFilePath() == QFileInfo(path).canonicalFilePath())
            m_lottery.closeLottery();
    }

    const QString base = LotteryFiles::baseName(name);
    auto removeCompanion = [this](const QString& companion) {
        const QString found = FileLookup::find(m_lottery.DataDir(), companion);
        return !found.isEmpty() && QFile::remove(found);
    };
    bool deleted = QFile::remove(path) && removeCompanion(base + QStringLiteral(".inf")) &&
                   removeCompanion(base + QStringLiteral(".nsx"));
    // The game's extra properties must not outlive it: a lottery made later under the same code
    // would be checked by them.
    if (deleted) {
        try {
            GameExtrasFile::remove(m_lottery.DataDir(), base);
        } catch (const VantoroError&) {
            deleted = false;
        }
    }
    Prompts::instance().information(this, deleted ? name + QStringLiteral(" has been deleted.")
                                                  : QStringLiteral("The file could not be deleted."));
}

void TMainForm::Drawings1Click() {
    runDrawingsEditor(m_lottery, *m_printOptions, this);
}

void TMainForm::SearchDrawings1Click() {
    runDrawingSearch(m_lottery, *m_printOptions, *m_searchResults, this);
}

// The open dialog both ticket commands share: ticket files live in the program home.
static FileDialogSpec ticketFileDialog(const QString& title, const QString& homeDir) {
    FileDialogSpec dialog;
    dialog.title = title;
    dialog.filter = QStringLiteral("Ticket Files (*.TIC *.tic)");
    dialog.fileName = QStringLiteral("*.tic");
    dialog.directory = homeDir;
    dialog.helpContext = 520;
    return dialog;
}

void TMainForm::Tickets1Click() {
    const QString path = Prompts::instance().openFileName(
        this, ticketFileDialog(QStringLiteral("Edit Ticket File"), m_lottery.homeDir()));
    if (path.isEmpty())
        return;
    try {
        TEditTicForm form(m_lottery, path, this);
        Modal::run(form);
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
    }
}

void TMainForm::DeleteTicketFile1Click() {
    const QString path = Prompts::instance().openFileName(
        this, ticketFileDialog(QStringLiteral("Delete Ticket File"), m_lottery.homeDir()));
    if (path.isEmpty())
        return;
    deleteAfterAsking(this, path);
}

void TMainForm::SmartNumbers1Click() {
    try {
        TSmartForm form(m_lottery, this);
        Modal::run(form);
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
    }
}

void TMainForm::RandomNumbers1Click() {
    TRandomForm1 form(m_lottery, this);
    Modal::run(form);
}

void TMainForm::FavoriteNumbers1Click() {
    TFavForm form(m_lottery, this);
    Modal::run(form);
}

void TMainForm::CheckTickets1Click() {
    TCheckForm::run(m_lottery, this);
}

void TMainForm::WinningsFile1Click() {
    TWinningsForm::newLedger(m_lottery.homeDir(), this);
}

void TMainForm::DeleteWinningsfile1Click() {
    TWinningsForm::deleteLedger(m_lottery.homeDir(), this);
}

void TMainForm::Winnings1Click() {
    TWinningsForm::openLedger(m_winningsTable, m_lottery.homeDir(), this);
}

void TMainForm::DrawingFile1Click() {
    TLotteryInfoForm form(m_lottery, TLotteryInfoForm::Mode::NewFile, this);
    Modal::run(form);
}

void TMainForm::OpenDrawingFile1Click() {
    TOpenForm form(m_lottery, this);
    Modal::run(form);
}

void TMainForm::LotteryInfo1Click() {
    TLotteryInfoForm form(m_lottery, TLotteryInfoForm::Mode::Edit, this);
    Modal::run(form);
}

void TMainForm::PrintSetup1Click() {
    QPrintDialog dialog(&ReportSystem::printer(), this);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    Modal::run(dialog);
}

void TMainForm::DrawingCutoff1Click() {
    TCutoffForm::runDrawingCutoff(m_lottery, this);
}

void TMainForm::HotNumberCutoff1Click() {
    TCutoffForm::runHotNumberCutoff(m_lottery, this);
}

void TMainForm::NumberStatisticsChartFrequencyGraph1Click() {
    if (m_lottery.DrawingCutoffCount() == 0) {
        Prompts::instance().information(this, drawingCutoffRefusal());
        return;
    }
    m_bonusForm->setItemIndex(BonusForm::RegularOnly);
    TStatsForm form(m_lottery, *m_bonusForm, this);
    Modal::run(form);
}

void TMainForm::DrawingSummary1Click() {
    if (m_lottery.summaryDrawings() <= 0) {
        Prompts::instance().information(this, summaryRefusal());
        return;
    }
    m_bonusForm->setItemIndex(BonusForm::RegularOnly);
    TSummaryForm form(m_lottery, *m_bonusForm, this);
    Modal::run(form);
}

void TMainForm::HitSequence1Click() {
    m_bonusForm->setItemIndex(BonusForm::RegularOnly);
    TSequenceForm form(m_lottery, *m_bonusForm, this);
    Modal::run(form);
}

void TMainForm::RepeatingSets1Click(bool triples) {
    TPairForm form(m_lottery, triples ? TPairForm::Mode::Triples : TPairForm::Mode::Pairs, this);
    Modal::run(form);
}

void TMainForm::SkipandHitChartGraph1Click() {
    m_bonusForm->setItemIndex(BonusForm::RegularOnly);
    TSkipForm form(m_lottery, *m_bonusForm, this);
    Modal::run(form);
}

void TMainForm::WheelingSystemFile1Click() {
    Prompts::instance().information(
        this, QStringLiteral(
                  "Vantoro makes full wheels and lets you type in any abbreviated wheel. Wheels with better "
                  "prize guarantees for fewer tickets are described under Custom Wheeling Systems in the "
                  "Help menu."));
    TWheelForm form(m_lottery, ProgramHome(m_lottery.homeDir()).wheelsDir(), TWheelForm::Mode::New, this);
    Modal::run(form);
}

void TMainForm::WheelingSystem1Click() {
    const QString wheelsDir = ProgramHome(m_lottery.homeDir()).wheelsDir();
    TOpenWheelForm chooser(wheelsDir, QStringLiteral("*.?") + ticketSizeCode(m_lottery.definition()), this);
    chooser.setLabel(QStringLiteral("Select a Wheeling System to Edit:"));
    if (Modal::run(chooser) != QDialog::Accepted || chooser.selectedFile().isEmpty())
        return;
    TWheelForm form(m_lottery, wheelsDir, TWheelForm::Mode::Edit, this);
    try {
        form.LoadWheel(chooser.selectedFile());
    } catch (const VantoroError& error) {
        Prompts::instance().error(this, error.message());
        return;
    }
    Modal::run(form);
}

void TMainForm::DeleteWheelingSystemFile1Click() {
    TOpenWheelForm chooser(ProgramHome(m_lottery.homeDir()).wheelsDir(), QStringLiteral("*.*"), this);
    chooser.setWindowTitle(QStringLiteral("Delete Wheeling System File"));
    chooser.setLabel(QStringLiteral("Select a Wheeling System to Delete:"));
    if (Modal::run(chooser) != QDialog::Accepted)
        return;
    const QString path = chooser.selectedFile();
    if (path.isEmpty())
        return;
    deleteAfterAsking(this, path);
}

void TMainForm::StatusBar1Click(bool checked) {
    m_settings.ShowStatusBar = checked;
    statusBar()->setVisible(checked);
}

void TMainForm::Toolbar1Click(bool checked) {
    m_settings.ShowToolbar = checked;
    m_toolBar->setVisible(checked);
}

void TMainForm::VantoroHelpTopics1Click() {
    Help::showContents(this);
}

void TMainForm::Tutorial1Click() {
    Help::showTutorial(this);
}

void TMainForm::VantoroHomePage1Click() {
    if (!QDesktopServices::openUrl(QUrl(Help::homePageUrl())))
        Prompts::instance().information(this, QStringLiteral("Could not find Web Browser."));
}

void TMainForm::AboutVantoro1Click() {
    TAboutForm form(this);
    Modal::run(form);
}
