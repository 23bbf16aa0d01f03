// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "db/table_lock.h"
#include "drawings/drawing_export.h"
#include "drawings/import_form.h"
#include "drawings/import_presets.h"
#include "gui/help.h"
#include "lottery/current_lottery.h"
#include "lottery/new_lottery.h"
#include "lottery/todays_games.h"
#include "support/lottery_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <utility>

namespace {

struct Fixture {
    TempHome home;
    CurrentLottery lottery;
    Fixture() {
        LotteryDefinition d;
        d.NumbersDrawn = 7;
        d.BonusNumbers = 1;
        d.HighestNumber = 49;
        d.HighestBonus = 49;
        d.Description = QStringLiteral("Canada Lotto 6/49");
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649")).definition(d).build();
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("CN649.DBF"));
    }
    QString csv(const QString& name) const { return TestData::path(QStringLiteral("csv/") + name); }
    // What a killed import leaves behind: an old-style working file and a half-written copy.
    void leaveWorkingFiles() const {
        home.writeFile(QStringLiteral("data/.CN649-import-4711.tmp"), "half a table");
        home.writeFile(QStringLiteral("data/.CN649.DBF-a1B2c3"), "half a table");
    }
    QStringList hiddenFiles() const {
        return QDir(home.dataDir())
            .entryList({QStringLiteral(".CN649*")}, QDir::Files | QDir::Hidden, QDir::Name);
    }
};

QStringList lines(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

template <typename T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestImportForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void browseProposesTheMappingAndPreviews() {
        Fixture f;
        ScriptedPrompts prompts;
        prompts.fileNames.push_back(f.csv(QStringLiteral("bad_rows.csv")));
        TImportForm form(f.lottery);
        QCOMPARE(form.windowTitle(), QStringLiteral("Import Drawings"));
        QVERIFY(!child<QPushButton>(form, "ImportBtn")->isEnabled());
        QTest::mouseClick(child<QPushButton>(form, "BrowseBtn"), Qt::LeftButton);
        QCOMPARE(prompts.fileDialogs.size(), 1);
        QCOMPARE(prompts.fileDialogs.first().title, QStringLiteral("Import Drawings"));

        QCOMPARE(child<QSpinBox>(form, "HeaderRowsSpin")->value(), 1);
        QCOMPARE(child<QComboBox>(form, "DateFormatCombo")->currentText(), QStringLiteral("YYYY-MM-DD"));
        QCOMPARE(child<QLineEdit>(form, "DateColumnText")->text(), QStringLiteral("4"));
        QCOMPARE(child<QLineEdit>(form, "NumberColumnsText")->text(), QStringLiteral("5-11"));
        QCOMPARE(child<QTableWidget>(form, "FileGrid")->item(1, 3)->text(), QStringLiteral("1982-06-12"));

        QCOMPARE(lines(child<QListWidget>(form, "AcceptedList")),
                 (QStringList{"Line 2: 06/12/1982  03 11 12 14 41 43 13",
                              "Line 7: 07/17/1982  02 08 15 18 22 44 01"}));
        const QStringList refused = lines(child<QListWidget>(form, "RefusedList"));
        QCOMPARE(refused.size(), 7);
        QCOMPARE(refused.first(), QStringLiteral("Line 3: 50 is out of range (1 to 49)."));
        QCOMPARE(child<QLabel>(form, "SummaryLabel")->text(),
                 QStringLiteral(
                     "2 drawings will be added; 0 are already in the table; 7 rows are refused; 1 header "
                     "row is skipped."));
        QVERIFY(child<QPushButton>(form, "ImportBtn")->isEnabled());
    }

    // A lottery made from a game of today reads its operator's file with the game's preset, named
    // until the mapping is changed.
    void todaysGameIsReadWithItsPreset_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("count");
        QTest::newRow("EuroMillions") << "EuroMillions"
                                      << "csv/presets/euromillions_uk.csv"
                                      << "euromillions-uk" << 6;
        QTest::newRow("UK Lotto") << "UK Lotto"
                                  << "csv/presets/uk_lotto.csv"
                                  << "uk-lotto" << 4;
        QTest::newRow("US Powerball") << "US Powerball"
                                      << "csv/powerball.csv"
                                      << "powerball-us" << 3;
        QTest::newRow("Mega Millions") << "Mega Millions"
                                       << "csv/presets/megamillions.csv"
                                       << "megamillions-us" << 5;
        QTest::newRow("Canada Lotto 6/49") << "Canada Lotto 6/49"
                                           << "csv/ca_lotto649.csv"
                                           << "lotto649-canada" << 5;
        QTest::newRow("Thunderball") << "Thunderball"
                                     << "csv/presets/thunderball.csv"
                                     << "thunderball-uk" << 6;
        QTest::newRow("New York Lotto") << "New York Lotto"
                                        << "csv/presets/ny_lotto.csv"
                                        << "nylotto-us" << 6;
        QTest::newRow("Lotto Texas") << "Lotto Texas"
                                     << "csv/presets/lottotexas.csv"
                                     << "lottotexas-us" << 6;
        QTest::newRow("France Loto") << "France Loto"
                                     << "csv/presets/loto_fr.csv"
                                     << "loto-fr" << 5;
        QTest::newRow("La Primitiva") << "La Primitiva"
                                      << "csv/presets/primitiva.csv"
                                      << "primitiva-es" << 11;
        QTest::newRow("Eurojackpot") << "Eurojackpot"
                                     << "csv/presets/eurojackpot.csv"
                                     << "eurojackpot" << 6;
        QTest::newRow("SuperEnalotto") << "SuperEnalotto"
                                       << "csv/presets/superenalotto.csv"
                                       << "superenalotto-it" << 6;
        QTest::newRow("Lotto America") << "Lotto America"
                                       << "csv/presets/lottoamerica.csv"
                                       << "lottoamerica-us" << 6;
    }
    void todaysGameIsReadWithItsPreset() {
        QFETCH(QString, game);
        QFETCH(QString, file);
        QFETCH(QString, preset);
        QFETCH(int, count);
        TempHome home;
        const TodaysGame* made = TodaysGames::find(game);
        QVERIFY(made);
        NewLottery::create(home.dataDir(), made->code(), made->definition(), made->extras());
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(made->code() + QStringLiteral(".DBF"));
        ScriptedPrompts prompts;
        TImportForm form(lottery);
        QVERIFY(form.openFile(TestData::path(file)));
        auto* label = child<QLabel>(form, "PresetLabel");
        QCOMPARE(label->text(), QStringLiteral("Read with the preset %1.").arg(preset));
        QCOMPARE(form.importLayout(), ImportPresets::named(preset)->layout);
        QCOMPARE(form.preview().accepted.size(), size_t(count));
        QVERIFY(form.preview().refused.empty());
        child<QSpinBox>(form, "HeaderRowsSpin")->setValue(2);
        QCOMPARE(label->text(), QString());
    }

    void cancelWritesNothing() {
        Fixture f;
        ScriptedPrompts prompts;
        const QByteArray before = f.home.readFile(QStringLiteral("data/CN649.DBF"));
        TImportForm form(f.lottery);
        QVERIFY(form.openFile(f.csv(QStringLiteral("ca_lotto649.csv"))));
        QCOMPARE(form.preview().accepted.size(), size_t(5));
        QTest::mouseClick(child<QPushButton>(form, "CancelBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(f.home.readFile(QStringLiteral("data/CN649.DBF")), before);
        QCOMPARE(f.lottery.TotalDrawings(), 0);
        QVERIFY(!DrawingImport::rememberedLayout(f.home.dir(), QStringLiteral("CN649")));
        QVERIFY(prompts.shown.isEmpty());
    }

    // Cancel while the file is read, or while the drawings are written, stops that work: the table
    // stays as it was and the window stays open. Cancel is clicked when the progress bar first
    // moves, so nothing depends on timing.
    void cancelStopsReadingAndWriting() {
        Fixture f;
        ScriptedPrompts prompts;
        QByteArray csv = "Date,N1,N2,N3,N4,N5,N6,Bonus\n";
        const int rows = 1200;
        for (int r = 0; r < rows; ++r) {
            csv += QDate(1990, 1, 1).addDays(r).toString(Qt::ISODate).toLatin1();
            for (int i = 0; i < 7; ++i)
                csv += ',' + QByteArray::number(r % 42 + 1 + i);
            csv += '\n';
        }
        f.home.writeFile(QStringLiteral("long.csv"), csv);
        const QByteArray before = f.home.readFile(QStringLiteral("data/CN649.DBF"));
        TImportForm form(f.lottery);
        QSignalSpy closed(&form, &QDialog::rejected);
        auto* cancel = child<QPushButton>(form, "CancelBtn");
        bool cancelOnMove = true;
        connect(child<QProgressBar>(form, "ProgressBar1"), &QProgressBar::valueChanged, this, [&] {
            if (std::exchange(cancelOnMove, false))
                QTest::mouseClick(cancel, Qt::LeftButton);
        });

        QVERIFY(form.openFile(f.home.path(QStringLiteral("long.csv"))));
        QVERIFY(!cancelOnMove);
        QCOMPARE(child<QLabel>(form, "SummaryLabel")->text(),
                 QStringLiteral("Reading the file was stopped; nothing will be imported."));
        QVERIFY(form.preview().accepted.empty());
        QVERIFY(!child<QPushButton>(form, "ImportBtn")->isEnabled());
        QCOMPARE(closed.count(), 0);

        QVERIFY(form.openFile(f.home.path(QStringLiteral("long.csv"))));
        QCOMPARE(form.preview().accepted.size(), size_t(rows));
        cancelOnMove = true;
        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QVERIFY(!cancelOnMove);
        QCOMPARE(f.home.readFile(QStringLiteral("data/CN649.DBF")), before);
        QCOMPARE(f.lottery.TotalDrawings(), 0);
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(closed.count(), 0);
        QVERIFY(child<QPushButton>(form, "ImportBtn")->isEnabled());

        // Nothing was in the way but the Cancel: the same import goes through.
        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(f.lottery.TotalDrawings(), rows);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void refusedRowsNeedConsent() {
        Fixture f;
        ScriptedPrompts prompts;
        const QByteArray before = f.home.readFile(QStringLiteral("data/CN649.DBF"));
        TImportForm form(f.lottery);
        QVERIFY(form.openFile(f.csv(QStringLiteral("bad_rows.csv"))));
        prompts.confirmations.push_back(false);
        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown.last(),
                 QStringLiteral("7 rows of this file are refused (see the list). Do you want "
                                "to import the 2 accepted drawings without them?"));
        QCOMPARE(f.home.readFile(QStringLiteral("data/CN649.DBF")), before);
        QCOMPARE(f.lottery.TotalDrawings(), 0);

        prompts.confirmations.push_back(true);
        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(prompts.shown.last(), QStringLiteral("2 drawings were added to CN649.DBF."));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.lottery.TotalDrawings(), 2);
        QCOMPARE(f.lottery.lastDrawingDate(), QStringLiteral("07/17/1982"));
    }

    // New York's file suggests the midday column; the user's evening column wins next time.
    void changedMappingIsRememberedForTheLottery() {
        TempHome home;
        LotteryDefinition pick3;
        pick3.GameType = 5;
        pick3.NumbersDrawn = 3;
        pick3.LowestNumber = 0;
        pick3.HighestNumber = 9;
        LotteryBuilder(home.dataDir(), QStringLiteral("NY3")).definition(pick3).build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("NY3.DBF"));
        const QString file = TestData::path(QStringLiteral("csv/ny_numbers.csv"));
        ScriptedPrompts prompts;
        {
            TImportForm form(lottery);
            QVERIFY(form.openFile(file));
            QLineEdit* numbers = child<QLineEdit>(form, "NumberColumnsText");
            QCOMPARE(numbers->text(), QStringLiteral("2"));
            numbers->setText(QStringLiteral("4"));
            Q_EMIT numbers->editingFinished();
            QCOMPARE(lines(child<QListWidget>(form, "AcceptedList")).last(),
                     QStringLiteral("Line 6: 09/23/2020  0 0 3"));
            QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
            QCOMPARE(lottery.TotalDrawings(), 5);
        }
        const auto remembered = DrawingImport::rememberedLayout(home.dir(), QStringLiteral("NY3"));
        QVERIFY(remembered);
        QCOMPARE(remembered->numberColumns, QList<int>{4});
        TImportForm again(lottery);
        QVERIFY(again.openFile(file));
        QCOMPARE(again.importLayout(), *remembered);
        QCOMPARE(child<QLabel>(again, "SummaryLabel")->text(),
                 QStringLiteral(
                     "0 drawings will be added; 5 are already in the table; 0 rows are refused; 1 header "
                     "row is skipped."));
        QVERIFY(!child<QPushButton>(again, "ImportBtn")->isEnabled());
    }

    // A JSON file is mapped by the keys of its records: proposed, changed, remembered. Drawings
    // dated off the draw days are named under the summary.
    void jsonFileIsMappedByKeys() {
        TempHome home;
        LotteryDefinition mega;
        mega.NumbersDrawn = 6;
        mega.BonusNumbers = 1;
        mega.HighestNumber = 70;
        mega.HighestBonus = 25;
        mega.AllowDuplicates = true;
        mega.Tuesday = true; // not Friday: every other drawing of the file is off the days
        LotteryBuilder(home.dataDir(), QStringLiteral("MM570")).definition(mega).build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("MM570.DBF"));
        const QString file = TestData::path(QStringLiteral("json/mega_millions.json"));
        ScriptedPrompts prompts;
        {
            TImportForm form(lottery);
            QVERIFY(form.openFile(file));
            QCOMPARE(child<QGroupBox>(form, "MappingBox")->title(), QStringLiteral("Fields of the records"));
            QVERIFY(!child<QLineEdit>(form, "NumberColumnsText")->isVisibleTo(&form));
            QComboBox* bonus = child<QComboBox>(form, "BonusKeyCombo");
            QVERIFY(bonus->isVisibleTo(&form));
            QCOMPARE(child<QComboBox>(form, "DateKeyCombo")->currentText(), QStringLiteral("draw_date"));
            QCOMPARE(child<QComboBox>(form, "NumbersKeyCombo")->currentText(),
                     QStringLiteral("winning_numbers"));
            QCOMPARE(bonus->currentText(), QStringLiteral("mega_ball"));
            QCOMPARE(child<QComboBox>(form, "DateFormatCombo")->currentText(), QStringLiteral("YYYY-MM-DD"));
            const QTableWidget* grid = child<QTableWidget>(form, "FileGrid");
            QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("winning_numbers"));
            QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("08 14 29 45 62"));
            QCOMPARE(lines(child<QListWidget>(form, "AcceptedList")).value(0),
                     QStringLiteral("Line 1: 01/02/2024  08 14 29 45 62 19"));
            QCOMPARE(
                child<QLabel>(form, "SummaryLabel")->text(),
                QStringLiteral("7 drawings will be added; 0 are already in the table; 0 rows are refused; 0 "
                               "header rows are skipped.\n3 drawings fall on a day the lottery does not "
                               "draw: lines 2, 4 and 6."));

            bonus->setCurrentIndex(bonus->findText(QStringLiteral("multiplier")));
            QCOMPARE(lines(child<QListWidget>(form, "RefusedList")),
                     QStringList{"Line 5: 5 numbers, but the lottery draws 6."});
            bonus->setCurrentIndex(bonus->findText(QStringLiteral("mega_ball")));
            QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
            QCOMPARE(lottery.TotalDrawings(), 7);
        }
        const auto remembered = DrawingImport::rememberedLayout(home.dir(), QStringLiteral("MM570"));
        QVERIFY(remembered);
        QCOMPARE(remembered->jsonBonus, QStringLiteral("mega_ball"));
        TImportForm again(lottery);
        QVERIFY(again.openFile(file));
        QCOMPARE(again.importLayout(), *remembered);
        QVERIFY(child<QLabel>(again, "SummaryLabel")
                    ->text()
                    .startsWith(QStringLiteral("0 drawings will be added; 7 are already in the table")));
        // The next file is a CSV one again: its columns are asked for.
        QVERIFY(again.openFile(TestData::path(QStringLiteral("csv/powerball.csv"))));
        QCOMPARE(child<QGroupBox>(again, "MappingBox")->title(), QStringLiteral("Columns (counted from 1)"));
        QVERIFY(child<QLineEdit>(again, "NumberColumnsText")->isVisibleTo(&again));
        QVERIFY(!child<QComboBox>(again, "BonusKeyCombo")->isVisibleTo(&again));
    }

    void aBrokenMappingSaysWhy() {
        Fixture f;
        ScriptedPrompts prompts;
        TImportForm form(f.lottery);
        QVERIFY(form.openFile(f.csv(QStringLiteral("ca_lotto649.csv"))));
        QLineEdit* dates = child<QLineEdit>(form, "DateColumnText");
        dates->setText(QStringLiteral("3-5"));
        Q_EMIT dates->editingFinished();
        QCOMPARE(child<QLabel>(form, "SummaryLabel")->text(), QStringLiteral("The date needs one column."));
        QVERIFY(!child<QPushButton>(form, "ImportBtn")->isEnabled());
    }

    void helpTopicExists() { QVERIFY(Help::hasTopic(TImportForm::HelpContext)); }

    void fileMenuCommandsFollowTheLottery() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\n");
        LotteryBuilder(home.dataDir(), QStringLiteral("NY3")).numbers(3, 9, 0, 5).drawings(4).build();
        ScriptedPrompts prompts;
        TMainForm window(home.dir());
        auto* importItem = window.findChild<QAction*>(QStringLiteral("ImportDrawings1"));
        auto* exportItem = window.findChild<QAction*>(QStringLiteral("ExportDrawings1"));
        QVERIFY(importItem && exportItem);
        QCOMPARE(importItem->text(), QStringLiteral("&Import Drawings..."));
        QCOMPARE(exportItem->text(), QStringLiteral("Ex&port Drawings..."));
        QVERIFY(!importItem->isEnabled());
        QVERIFY(!exportItem->isEnabled());
        window.lottery().LoadLottery(QStringLiteral("NY3.DBF"));
        QVERIFY(importItem->isEnabled());
        QVERIFY(exportItem->isEnabled());

        const QString target = home.path(QStringLiteral("ny3.csv"));
        prompts.fileNames.push_back(target);
        exportItem->trigger();
        QCOMPARE(prompts.fileDialogs.last().title, QStringLiteral("Export Drawings"));
        QCOMPARE(prompts.shown.last(), QStringLiteral("4 drawings were exported to ny3.csv."));
        QCOMPARE(QString::fromUtf8(home.readFile(QStringLiteral("ny3.csv"))),
                 DrawingExport::csvText(window.lottery().table(), 3));
        prompts.fileNames.push_back(QString());
        exportItem->trigger();
        QCOMPARE(prompts.shown.size(), 1);
    }

    // --- Other writers ------------------------------------------------------------------------

    void anotherWritersLockRefusesTheImport() {
        Fixture f;
        ScriptedPrompts prompts;
        const QByteArray before = f.home.readFile(QStringLiteral("data/CN649.DBF"));
        TImportForm form(f.lottery);
        QVERIFY(form.openFile(f.csv(QStringLiteral("ca_lotto649.csv"))));
        QStringList working;
        {
            const TableLock other(f.lottery.table().path());
            f.leaveWorkingFiles();
            QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
            working = f.hiddenFiles();
        }
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("CN649.DBF is being changed by another Vantoro "
                                                            "(process %1); try again when it has finished.")
                                                 .arg(QCoreApplication::applicationPid())});
        QCOMPARE(f.home.readFile(QStringLiteral("data/CN649.DBF")), before);
        QCOMPARE(f.lottery.TotalDrawings(), 0);
        QVERIFY(form.result() != QDialog::Accepted);
        // They are the lock holder's working files.
        QCOMPARE(working, (QStringList{".CN649-import-4711.tmp", ".CN649.DBF-a1B2c3", ".CN649.DBF.lock"}));
    }

    void drawingsAnotherVantoroAddedMeanwhileAreNotAddedTwice() {
        Fixture f;
        ScriptedPrompts prompts;
        f.leaveWorkingFiles();
        TImportForm form(f.lottery);
        QVERIFY(form.openFile(f.csv(QStringLiteral("ca_lotto649.csv"))));
        QCOMPARE(form.preview().accepted.size(), size_t(5));
        {
            DbfTable other;
            other.open(f.home.dataDir(), QStringLiteral("CN649.DBF"));
            other.SetOrder(1);
            QVERIFY(DrawingImport::append(other, {form.preview().accepted.front()}));
        }
        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(prompts.shown, QStringList{QStringLiteral(
                                    "CN649.DBF was changed by another Vantoro after this file was read. The "
                                    "drawings have been checked against it again; look at the lists and "
                                    "import once more.")});
        QCOMPARE(form.preview().accepted.size(), size_t(4));
        QCOMPARE(form.preview().duplicates, 1);
        QCOMPARE(f.lottery.TotalDrawings(), 1);
        QCOMPARE(f.hiddenFiles(), QStringList());

        QTest::mouseClick(child<QPushButton>(form, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(prompts.shown.last(), QStringLiteral("4 drawings were added to CN649.DBF."));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.lottery.TotalDrawings(), 5);
    }
};

QTEST_MAIN(TestImportForm)
#include "test_import_form.moc"
