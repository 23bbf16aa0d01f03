// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/current_lottery.h"
#include "lottery/settings_file.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>

class BonusForm;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class TPrintOptions;
class TSrchListForm;

// The main window: menus, tool bar and status bar over the current lottery, which it owns.
// Every command of the program starts here.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // `homeDir` is the program home; `arguments` are the command-line arguments after the
    // options (the first names the drawing file to open when the settings name none).
    explicit TMainForm(const QString& homeDir, const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    CurrentLottery& lottery() { return m_lottery; }
    const GeneralSettings& settings() const { return m_settings; }
    // The bonus-number options, kept for the whole run and read by the statistics charts.
    BonusForm& bonusForm() { return *m_bonusForm; }

    // Runs once, when the window first becomes active: settings, hot cutoff panel, the lottery.
    void FormActivate();
    // A second start asked for this window: restore it when minimised, else raise and activate.
    void bringToFront();
    // Enables the game-dependent commands unless the open lottery is a card game.
    void ApplyGameCommands();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const QString& caption, const QString& shortcut = {});
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void showLotteryState();
    void loadLottery(const QString& fileName);

    // Command handlers, named after their menu items.
    void DrawingFile1Click();
    void OpenDrawingFile1Click();
    void LotteryInfo1Click();
    void ImportDrawings1Click();
    void ExportDrawings1Click();
    void DeleteDrawingFile1Click();
    void Drawings1Click();
    void SearchDrawings1Click();
    void PrintSetup1Click();
    void DrawingCutoff1Click();
    void HotNumberCutoff1Click();
    void NumberStatisticsChartFrequencyGraph1Click();
    void DrawingSummary1Click();
    void HitSequence1Click();
    void RepeatingSets1Click(bool triples);
    void SkipandHitChartGraph1Click();
    void WheelingSystemFile1Click();
    void WheelingSystem1Click();
    void DeleteWheelingSystemFile1Click();
    void Tickets1Click();
    void DeleteTicketFile1Click();
    void SmartNumbers1Click();
    void RandomNumbers1Click();
    void FavoriteNumbers1Click();
    void CheckTickets1Click();
    void WinningsFile1Click();
    void DeleteWinningsfile1Click();
    void Winnings1Click();
    void StatusBar1Click(bool checked);
    void Toolbar1Click(bool checked);
    void VantoroHelpTopics1Click();
    void Tutorial1Click();
    void VantoroHomePage1Click();
    void AboutVantoro1Click();

    CurrentLottery m_lottery;
    DbfTable m_winningsTable; // the ledger open in the winnings editor, closed otherwise
    QString m_settingsPath;
    QStringList m_arguments;
    GeneralSettings m_settings;
    bool m_activated = false;
    BonusForm* m_bonusForm = nullptr;
    // The drawing-range dialog and the search results live for the whole run.
    TPrintOptions* m_printOptions = nullptr;
    TSrchListForm* m_searchResults = nullptr;

    QMenu* m_editMenu = nullptr;
    QMenu* m_statisticsMenu = nullptr;
    QMenu* m_playMenu = nullptr;
    QList<QAction*> m_gameCommands;        // pairs, triples, summary, smart numbers
    QList<QAction*> m_lotteryFileCommands; // File menu commands on the open lottery (import, export)
    QAction* m_saveSettingsOnExit = nullptr;
    QToolBar* m_toolBar = nullptr;
    QList<QAction*> m_buttons;        // the tool bar's 17 commands, by button number - 1
    QList<QLabel*> m_panels;          // TotDrawings, LastDrawing, HotCutoff, DrawingCutoff
    QHash<QString, QAction*> m_items; // menu items by objectName
};
