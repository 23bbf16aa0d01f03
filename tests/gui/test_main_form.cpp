// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_form.h"
#include "app/cutoff_form.h"
#include "app/main_form.h"
#include "gui/help.h"
#include "support/lottery_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include "support/scripted_modal.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <memory>

namespace {

const QString SelectMessage =
    QStringLiteral("Select the Open Drawing File command in the File menu to open a lottery.");
const QString RecommendMessage = QStringLiteral("If you have more than 50 drawings in your database, we "
                                                "recommend that you set the Drawing Cutoff to 50. The  "
                                                "program will then only include the last 50 drawings when it "
                                                "does a statistical analysis and will be able to "
                                                "easily pick up short term trends.");

// The tool-bar buttons that need an open lottery, and those of the game-dependent group.
const QList<int> LotteryButtons = {2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
const QList<int> GameButtons = {6, 7, 10, 14};
const QStringList GameItems = {QStringLiteral("RepeatingPairsChart1"),
                               QStringLiteral("RepeatingTriplesChart1"),
                               QStringLiteral("DrawingSummaryChartGraph1"), QStringLiteral("SmartNumbers1")};

QAction* item(TMainForm& form, const QString& name) {
    auto* action = form.findChild<QAction*>(name);
    if (!action)
        qWarning("no menu item %s", qPrintable(name));
    return action;
}

QToolButton* button(TMainForm& form, int number) {
    return form.findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(number));
}

QString panel(TMainForm& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

bool menuEnabled(TMainForm& form, const char* name) {
    return form.findChild<QMenu*>(QLatin1String(name))->menuAction()->isEnabled();
}

void writeSettings(const TempHome& home, const QByteArray& general) {
    home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\r\n" + general);
}

QString buildLottery(const TempHome& home, const QString& code, int drawings, int gameType = 7,
                     const QString& description = QStringLiteral("Test Lotto")) {
    return LotteryBuilder(home.dataDir(), code)
        .numbers(6, 49, 0, gameType)
        .description(description)
        .drawings(drawings)
        .build();
}

// Collects the URLs the desktop services were asked to open.
class UrlRecorder final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class TestMainForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuItems_data();
    void menuItems();
    void topMenusAndHiddenItem();
    void toolButtons_data();
    void toolButtons();
    void noLottery();
    void barsStayVisibleWhateverTheSettings();
    void missingFiles_data();
    void missingFiles();
    void aMissingIndexIsRebuiltWithANotice();
    void settingsLotteryWinsOverArgument();
    void argumentUsedWithoutSettingsLottery();
    void drawingCutoffPanel_data();
    void drawingCutoffPanel();
    void gameTypeGroup();
    void drawingCutoffDialog();
    void cutoffCancelChangesNothing();
    void hotCutoffDialogBounds_data();
    void hotCutoffDialogBounds();
    void saveSettingsOnExit_data();
    void saveSettingsOnExit();
    void writeFailureKeepsWindowOpen();
    void deleteDrawingFile_data();
    void deleteDrawingFile();
    void deleteOpenLottery();
    void deleteWithMissingCompanion();
    void firstActivationRunsOnce();
    void bringToFrontRestoresMinimised();
    void homePageOpensTheBrowser();
    void aboutShowsTheProgramPicture();
};

void TestMainForm::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const char* rows[][3] = {
        {"DrawingFile1", "Drawing File...", ""},
        {"WheelingSystemFile1", "Wheeling System File...", ""},
        {"WinningsFile1", "Winnings File...", ""},
        {"OpenDrawingFile1", "&Open Drawing File...", "Ctrl+O"},
        {"DeleteDrawingFile1", "D&elete  Drawing File...", ""},
        {"DeleteTicketFile1", "&Delete Ticket File...", ""},
        {"DeleteWheelingSystemFile1", "De&lete Wheeling System File...", ""},
        {"DeleteWinningsfile1", "Delete &Winnings file...", ""},
        {"PrintSetup1", "P&rint Setup...", ""},
        {"Exit1", "E&xit", "Ctrl+X"},
        {"Drawings1", "&Drawings...", "Ctrl+D"},
        {"LotteryInfo1", "&Lottery Info...", ""},
        {"Tickets1", "&Tickets...", "Ctrl+T"},
        {"WheelingSystem1", "&Wheeling System...", ""},
        {"Winnings1", "&Winnings...", "Ctrl+W"},
        {"SearchDrawings1", "&Search Drawings...", ""},
        {"DrawingSummaryChartGraph1", "Draw&ing Summary Chart/Graph", ""},
        {"HitSequenceChartGraph1", "&Hit Sequence Chart/Graph", ""},
        {"NumberStatisticsChartFrequencyGraph1", "&Number Statistics Chart/Frequency Graph", ""},
        {"RepeatingPairsChart1", "Repeating &Pairs Chart", ""},
        {"RepeatingTriplesChart1", "Repeating &Triples Chart", ""},
        {"SkipandHitChartGraph1", "&Skip and Hit Chart/Graph", ""},
        {"SmartNumbers1", "&Smart Numbers...", "Ctrl+S"},
        {"FavoriteNumbers1", "&Favorite Numbers...", "Ctrl+F"},
        {"RandomNumbers1", "&Random Numbers...", "Ctrl+R"},
        {"CheckTickets1", "&Check Tickets...", "Ctrl+C"},
        {"DrawingCutoff1", "&Drawing Cutoff...", ""},
        {"HotNumberCutoff1", "&Hot Number Cutoff...", ""},
        {"SetInternetAccess1", "Set &Internet Access", ""},
        {"StatusBar1", "&Status Bar", ""},
        {"Toolbar1", "&Toolbar", ""},
        {"SaveSettingsonExit1", "Save Settings on &Exit", ""},
        {"VantoroHelpTopics1", "&Vantoro Help Topics...", "F1"},
        {"Tutorial1", "&Tutorial", ""},
        {"CustomWheelingSystems1", "&Custom Wheeling Systems", ""},
        {"LottoBooks1", "Lotto &Books", ""},
        {"OrderForm1", "&Order Form", ""},
        {"AboutVantoro1", "&About Vantoro...", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1])
                              << QString::fromLatin1(row[2]);
}

void TestMainForm::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    TempHome home;
    TMainForm form(home.dir());
    QAction* action = item(form, name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
}

void TestMainForm::topMenusAndHiddenItem() {
    TempHome home;
    TMainForm form(home.dir());
    QStringList captions;
    for (QAction* action : form.menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, QStringList({"&File", "&Edit", "&Statistics", "&Play", "&Options", "&Help"}));
    // File > New holds the three new-file commands, in order.
    auto* fileNew = form.findChild<QMenu*>(QStringLiteral("New1"));
    QVERIFY(fileNew);
    QCOMPARE(fileNew->actions().size(), 3);
    QCOMPARE(fileNew->actions().at(2)->objectName(), QStringLiteral("WinningsFile1"));
    QVERIFY(!item(form, QStringLiteral("SetInternetAccess1"))->isVisible());
    for (const char* toggle : {"StatusBar1", "Toolbar1", "SaveSettingsonExit1"}) {
        QVERIFY2(item(form, QLatin1String(toggle))->isCheckable(), toggle);
        QVERIFY2(item(form, QLatin1String(toggle))->isChecked(), toggle);
    }
}

void TestMainForm::toolButtons_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("hint");
    const char* hints[] = {"Open Drawing File",
                           "Edit Drawings",
                           "Search Drawings",
                           "Exit Vantoro",
                           "Number Statistics Chart/Frequency Graph",
                           "Repeating Pairs Chart",
                           "Repeating Triples Chart",
                           "Skip and Hit Chart/Graph",
                           "Hit Sequence Chart/Graph",
                           "Drawing Summary Chart/Graph",
                           "Edit Winnings",
                           "Play Favorite Numbers",
                           "Play Random Numbers",
                           "Play Smart Numbers",
                           "Check Tickets",
                           "Tutorial",
                           "Vantoro Help Topics"};
    int number = 1;
    for (const char* hint : hints) {
        QTest::addRow("%d", number) << number << QString::fromLatin1(hint);
        ++number;
    }
}

void TestMainForm::toolButtons() {
    QFETCH(int, number);
    QFETCH(QString, hint);
    TempHome home;
    TMainForm form(home.dir());
    QToolButton* speedButton = button(form, number);
    QVERIFY(speedButton);
    QCOMPARE(speedButton->toolTip(), hint);
    QCOMPARE(form.findChild<QToolBar*>()->actions().contains(speedButton->defaultAction()), true);
}

void TestMainForm::noLottery() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    QCOMPARE(prompts.shown, QStringList{SelectMessage});
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro"));
    for (const char* menu : {"Edit1", "Statistics1", "Play1"})
        QVERIFY2(!menuEnabled(form, menu), menu);
    for (const char* menu : {"File1", "Options1", "Help1"})
        QVERIFY2(menuEnabled(form, menu), menu);
    // The items themselves too, so their shortcuts do nothing.
    QVERIFY(!item(form, QStringLiteral("Drawings1"))->isEnabled());
    QVERIFY(!item(form, QStringLiteral("CheckTickets1"))->isEnabled());
    for (int number = 1; number <= 17; ++number)
        QCOMPARE(button(form, number)->isEnabled(), !LotteryButtons.contains(number));
    QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings:"));
    QCOMPARE(panel(form, "LastDrawing"), QStringLiteral("Last Drawing:"));
    QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 10"));
    QCOMPARE(panel(form, "DrawingCutoff"), QStringLiteral("Drawing Cutoff:"));
}

void TestMainForm::barsStayVisibleWhateverTheSettings() {
    TempHome home;
    writeSettings(home, "HOTCUTOFF=0x0C\r\nSTATUSBAR=0\r\nTOOLBAR=0\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.show();
    form.FormActivate();
    QVERIFY(form.statusBar()->isVisible());
    QVERIFY(form.findChild<QToolBar*>()->isVisible());
    QVERIFY(item(form, QStringLiteral("StatusBar1"))->isChecked());
    QVERIFY(item(form, QStringLiteral("Toolbar1"))->isChecked());
    QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 12"));
}

void TestMainForm::missingFiles_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("message");
    QTest::newRow("table") << QStringList() << "Could not find the file NOPE.DBF.";
    QTest::newRow("definition") << QStringList{"NOPE.DBF", "NOPE.NSX"} << "Could not find the file NOPE.INF.";
}

void TestMainForm::missingFiles() {
    QFETCH(QStringList, present);
    QFETCH(QString, message);
    TempHome home;
    for (const QString& file : present)
        home.writeFile(QStringLiteral("data/") + file, QByteArray());
    writeSettings(home, "LOTTERY=NOPE.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    // The failure message alone, as an error: the no-lottery state follows without the start-up hint.
    QCOMPARE(prompts.shown, QStringList{message});
    QCOMPARE(prompts.errors, QStringList{message});
    QVERIFY(!form.lottery().isOpen());
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro"));
    QVERIFY(!menuEnabled(form, "Edit1"));
    QVERIFY(!button(form, 2)->isEnabled());
    QVERIFY(button(form, 1)->isEnabled());
}

void TestMainForm::settingsLotteryWinsOverArgument() {
    TempHome home;
    buildLottery(home, QStringLiteral("ALPHA"), 3, 7, QStringLiteral("Alpha Lotto"));
    buildLottery(home, QStringLiteral("BETA"), 3, 7, QStringLiteral("Beta Lotto"));
    writeSettings(home, "LOTTERY=ALPHA.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir(), {QStringLiteral("BETA.DBF")});
    form.FormActivate();
    QCOMPARE(prompts.shown, QStringList());
    QCOMPARE(form.lottery().LotteryFile(), QStringLiteral("ALPHA.DBF"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Alpha Lotto"));
}

void TestMainForm::aMissingIndexIsRebuiltWithANotice() {
    TempHome home;
    buildLottery(home, QStringLiteral("BETA"), 3, 7, QStringLiteral("Beta Lotto"));
    QVERIFY(QFile::remove(home.dataDir() + QStringLiteral("BETA.NSX")));
    ScriptedPrompts prompts;
    TMainForm form(home.dir(), {QStringLiteral("BETA.DBF")});
    form.FormActivate();
    QCOMPARE(prompts.shown,
             QStringList{QStringLiteral("The index BETA.NSX was missing and has been rebuilt.")});
    QCOMPARE(prompts.errors, QStringList());
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Beta Lotto"));
    QVERIFY(QFileInfo::exists(home.dataDir() + QStringLiteral("BETA.NSX")));
}

void TestMainForm::argumentUsedWithoutSettingsLottery() {
    TempHome home;
    buildLottery(home, QStringLiteral("BETA"), 3, 7, QStringLiteral("Beta Lotto"));
    ScriptedPrompts prompts;
    TMainForm form(home.dir(), {QStringLiteral("BETA.DBF")});
    form.FormActivate();
    QCOMPARE(prompts.shown, QStringList());
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Beta Lotto"));
    for (const char* menu : {"Edit1", "Statistics1", "Play1"})
        QVERIFY2(menuEnabled(form, menu), menu);
    for (int number = 1; number <= 17; ++number)
        QVERIFY(button(form, number)->isEnabled());
}

void TestMainForm::drawingCutoffPanel_data() {
    QTest::addColumn<int>("drawings");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("cutoff");
    QTest::newRow("30") << 30 << "Total Drawings: 30"
                        << "Last Draw: 01/30/2000"
                        << "Drawing Cutoff: 30";
    QTest::newRow("50") << 50 << "Total Drawings: 50"
                        << "Last Draw: 02/19/2000"
                        << "Drawing Cutoff: 50";
    QTest::newRow("120") << 120 << "Total Drawings: 120"
                         << "Last Draw: 04/29/2000"
                         << "Drawing Cutoff: 50";
}

void TestMainForm::drawingCutoffPanel() {
    QFETCH(int, drawings);
    QFETCH(QString, total);
    QFETCH(QString, last);
    QFETCH(QString, cutoff);
    TempHome home;
    buildLottery(home, QStringLiteral("TS649"), drawings);
    writeSettings(home, "LOTTERY=TS649.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    QCOMPARE(panel(form, "TotDrawings"), total);
    QCOMPARE(panel(form, "LastDrawing"), last);
    QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 10"));
    QCOMPARE(panel(form, "DrawingCutoff"), cutoff);
}

void TestMainForm::gameTypeGroup() {
    TempHome home;
    buildLottery(home, QStringLiteral("QUINTO"), 10, 9);
    buildLottery(home, QStringLiteral("LOTTO"), 10, 7);
    writeSettings(home, "LOTTERY=QUINTO.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    QVERIFY(form.lottery().isOpen());
    for (const QString& name : GameItems)
        QVERIFY2(!item(form, name)->isEnabled(), qPrintable(name));
    for (int number = 1; number <= 17; ++number)
        QCOMPARE(button(form, number)->isEnabled(), !GameButtons.contains(number));
    QVERIFY(item(form, QStringLiteral("NumberStatisticsChartFrequencyGraph1"))->isEnabled());

    form.lottery().LoadLottery(QStringLiteral("LOTTO.DBF"));
    for (const QString& name : GameItems)
        QVERIFY2(item(form, name)->isEnabled(), qPrintable(name));
    for (int number = 1; number <= 17; ++number)
        QVERIFY(button(form, number)->isEnabled());
}

void TestMainForm::drawingCutoffDialog() {
    TempHome home;
    buildLottery(home, QStringLiteral("BIG"), 120);
    writeSettings(home, "LOTTERY=BIG.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    QCOMPARE(panel(form, "DrawingCutoff"), QStringLiteral("Drawing Cutoff: 50"));

    int lower = -1;
    int upper = -1;
    ScriptedModal modal;
    modal.expect<TCutoffForm>([&](TCutoffForm* dialog) {
        lower = dialog->lowerBound();
        upper = dialog->upperBound();
        auto* spin = dialog->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
        spin->setValue(80);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    item(form, QStringLiteral("DrawingCutoff1"))->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(prompts.shown, QStringList()); // 50 is not above 50
    QCOMPARE(lower, 0);
    QCOMPARE(upper, 120);
    QCOMPARE(form.lottery().DrawingCutoffCount(), 80);
    QCOMPARE(panel(form, "DrawingCutoff"), QStringLiteral("Drawing Cutoff: 80"));

    // Above 50 now: the recommendation comes before the dialog, which shows the value.
    int shownValue = -1;
    modal.expect<TCutoffForm>([&](TCutoffForm* dialog) {
        shownValue = dialog->value();
        dialog->accept();
    });
    item(form, QStringLiteral("DrawingCutoff1"))->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(prompts.shown, QStringList{RecommendMessage});
    QCOMPARE(shownValue, 80);
}

void TestMainForm::cutoffCancelChangesNothing() {
    TempHome home;
    buildLottery(home, QStringLiteral("TS649"), 30);
    writeSettings(home, "LOTTERY=TS649.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    for (const char* command : {"DrawingCutoff1", "HotNumberCutoff1"}) {
        ScriptedModal modal;
        modal.expect<TCutoffForm>([](TCutoffForm* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(3);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn")), Qt::LeftButton);
        });
        item(form, QLatin1String(command))->trigger();
        QVERIFY2(modal.allAnswered(), command);
    }
    QCOMPARE(form.lottery().DrawingCutoffCount(), 30);
    QCOMPARE(form.lottery().HotNumberCutoff(), 10);
    QCOMPARE(panel(form, "DrawingCutoff"), QStringLiteral("Drawing Cutoff: 30"));
    QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 10"));
}

void TestMainForm::hotCutoffDialogBounds_data() {
    QTest::addColumn<int>("drawings");
    QTest::addColumn<int>("upper");
    QTest::newRow("5 drawings: no upper bound") << 5 << std::numeric_limits<int>::max();
    QTest::newRow("30 drawings") << 30 << 30;
}

void TestMainForm::hotCutoffDialogBounds() {
    QFETCH(int, drawings);
    QFETCH(int, upper);
    TempHome home;
    buildLottery(home, QStringLiteral("TS649"), drawings);
    writeSettings(home, "LOTTERY=TS649.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    int lower = -1;
    int shownUpper = -1;
    ScriptedModal modal;
    modal.expect<TCutoffForm>([&](TCutoffForm* dialog) {
        lower = dialog->lowerBound();
        shownUpper = dialog->upperBound();
        dialog->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(4);
        dialog->accept();
    });
    item(form, QStringLiteral("HotNumberCutoff1"))->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(lower, 0);
    QCOMPARE(shownUpper, upper);
    QCOMPARE(form.lottery().HotNumberCutoff(), 4);
    QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 4"));
}

void TestMainForm::saveSettingsOnExit_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("mark on") << true;
    QTest::newRow("mark off") << false;
}

void TestMainForm::saveSettingsOnExit() {
    QFETCH(bool, save);
    TempHome home;
    writeSettings(home, "HOTCUTOFF=7\r\nBROWSER=/usr/bin/firefox\r\n");
    const QByteArray before = home.readFile(QStringLiteral("vantoro.ini"));
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.show();
    form.FormActivate();
    if (!save)
        item(form, QStringLiteral("SaveSettingsonExit1"))->trigger();
    item(form, QStringLiteral("StatusBar1"))->trigger();
    QVERIFY(!form.statusBar()->isVisible());
    QVERIFY(!item(form, QStringLiteral("StatusBar1"))->isChecked());
    item(form, QStringLiteral("Exit1"))->trigger();
    QVERIFY(!form.isVisible());
    if (!save) {
        QCOMPARE(home.readFile(QStringLiteral("vantoro.ini")), before);
        return;
    }
    QStringList lines =
        QString::fromLatin1(home.readFile(QStringLiteral("vantoro.ini"))).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    for (const char* expected :
         {"[GENERAL]", "STATUSBAR=0", "TOOLBAR=1", "HOTCUTOFF=7", "BROWSER=/usr/bin/firefox"})
        QVERIFY2(lines.contains(QLatin1String(expected)), expected);
}

void TestMainForm::writeFailureKeepsWindowOpen() {
    TempHome home;
    // A folder where the settings file should be: no one can write it, not even root.
    QVERIFY(QDir(home.dir()).mkpath(QStringLiteral("vantoro.ini")));
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.show();
    form.FormActivate();
    prompts.shown.clear();
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(prompts.shown,
             QStringList{QStringLiteral("Unable to write to ") + home.path(QStringLiteral("vantoro.ini"))});
    // Without the mark the program ends.
    item(form, QStringLiteral("SaveSettingsonExit1"))->trigger();
    QVERIFY(form.close());
}

void TestMainForm::deleteDrawingFile_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestMainForm::deleteDrawingFile() {
    QFETCH(bool, yes);
    TempHome home;
    buildLottery(home, QStringLiteral("KEEP"), 3);
    buildLottery(home, QStringLiteral("GONE"), 3);
    // The extra properties of a lottery made from one of today's games go with it.
    home.writeFile(QStringLiteral("data/GONE.GAM"), "{}");
    writeSettings(home, "LOTTERY=KEEP.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    prompts.fileNames.push_back(home.dataDir() + QStringLiteral("GONE.DBF"));
    prompts.confirmations.push_back(yes);
    item(form, QStringLiteral("DeleteDrawingFile1"))->trigger();

    QCOMPARE(prompts.fileDialogs.size(), 1);
    const FileDialogSpec& dialog = prompts.fileDialogs.first();
    QCOMPARE(dialog.title, QStringLiteral("Delete Drawing File"));
    QCOMPARE(dialog.fileName, QStringLiteral("*.dbf"));
    QCOMPARE(QDir(dialog.directory).canonicalPath(), QDir(home.dataDir()).canonicalPath());
    QCOMPARE(dialog.helpContext, 122);
    QVERIFY(dialog.filter.startsWith(QStringLiteral("Lotto Database Files (")));

    QStringList expected{QStringLiteral("Are you sure you want to delete the file GONE.DBF?")};
    if (yes)
        expected << QStringLiteral("GONE.DBF has been deleted.");
    QCOMPARE(prompts.shown, expected);
    const QStringList left = QDir(home.dataDir()).entryList({QStringLiteral("GONE.*")}, QDir::Files);
    QCOMPARE(left.size(), yes ? 0 : 4);
    QVERIFY(form.lottery().isOpen()); // another lottery's files: the open one stays
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Test Lotto"));
}

void TestMainForm::deleteOpenLottery() {
    TempHome home;
    buildLottery(home, QStringLiteral("OPEN"), 3);
    writeSettings(home, "LOTTERY=OPEN.DBF\r\n");
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    QVERIFY(form.lottery().isOpen());
    prompts.fileNames.push_back(home.dataDir() + QStringLiteral("OPEN.DBF"));
    prompts.confirmations.push_back(true);
    item(form, QStringLiteral("DeleteDrawingFile1"))->trigger();
    QCOMPARE(prompts.shown.last(), QStringLiteral("OPEN.DBF has been deleted."));
    QVERIFY(QDir(home.dataDir()).entryList(QDir::Files).isEmpty());
    QVERIFY(!form.lottery().isOpen());
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro"));
    QVERIFY(!menuEnabled(form, "Edit1"));
    QVERIFY(!item(form, QStringLiteral("Drawings1"))->isEnabled());
    QVERIFY(!button(form, 5)->isEnabled());
    QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings:"));
}

void TestMainForm::deleteWithMissingCompanion() {
    TempHome home;
    buildLottery(home, QStringLiteral("HALF"), 3);
    QVERIFY(QFile::remove(home.dataDir() + QStringLiteral("HALF.INF")));
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    prompts.shown.clear();
    prompts.fileNames.push_back(home.dataDir() + QStringLiteral("HALF.DBF"));
    prompts.confirmations.push_back(true);
    item(form, QStringLiteral("DeleteDrawingFile1"))->trigger();
    QCOMPARE(prompts.shown.last(), QStringLiteral("The file could not be deleted."));
    // The index is kept: each deletion waits for the one before it.
    QCOMPARE(QDir(home.dataDir()).entryList(QDir::Files), QStringList{QStringLiteral("HALF.NSX")});
}

void TestMainForm::firstActivationRunsOnce() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(prompts.shown, QStringList{SelectMessage});
    form.FormActivate();
    QApplication::processEvents();
    QCOMPARE(prompts.shown.size(), 1);
}

void TestMainForm::bringToFrontRestoresMinimised() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    form.showMinimized();
    QVERIFY(form.isMinimized());
    form.bringToFront();
    QVERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());
}

void TestMainForm::homePageOpensTheBrowser() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm form(home.dir());
    form.FormActivate();
    prompts.shown.clear();
    UrlRecorder recorder;
    const QUrl url(Help::homePageUrl());
    QDesktopServices::setUrlHandler(url.scheme(), &recorder, "open");
    item(form, QStringLiteral("VantoroHomePage1"))->trigger();
    QDesktopServices::unsetUrlHandler(url.scheme());
    QCOMPARE(recorder.urls, QList<QUrl>{url});
    QCOMPARE(prompts.shown, QStringList());
}

void TestMainForm::aboutShowsTheProgramPicture() {
    TempHome home;
    TMainForm form(home.dir());
    QSize picture;
    ScriptedModal modal;
    modal.expect<TAboutForm>([&](TAboutForm* about) {
        picture = about->pictureSize();
        about->accept();
    });
    item(form, QStringLiteral("AboutVantoro1"))->trigger();
    QVERIFY(modal.allAnswered());
    QVERIFY(!picture.isEmpty());
}

QTEST_MAIN(TestMainForm)
#include "test_main_form.moc"
