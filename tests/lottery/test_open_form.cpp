// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/current_lottery.h"
#include "lottery/open_form.h"
#include "lottery/settings_file.h"
#include "support/lottery_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString choose = QStringLiteral(". Choose NEW DRAWING FILE in the FILE menu to create a file.");

QStringList itemsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

struct Fixture {
    Fixture() {
        lottery.setHomeDir(home.dir());
        // A lottery is open before the dialog; refusals must leave it so.
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649"))
            .numbers(6, 49)
            .description(QStringLiteral("Canada"))
            .drawings(12)
            .build();
        lottery.LoadLottery(QStringLiteral("CN649.DBF"));
    }
    void selectPlace(TOpenForm& form, const QString& place) {
        const auto found = form.StateList->findItems(place, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(place));
        form.StateList->setCurrentItem(found.first());
    }
    void expectPreviousLotteryOpen() {
        QCOMPARE(lottery.LotteryFile(), QStringLiteral("CN649.DBF"));
        QCOMPARE(lottery.TotalDrawings(), 12);
        QCOMPARE(lottery.caption(), QStringLiteral("Vantoro - Canada"));
    }
    TempHome home;
    CurrentLottery lottery;
    ScriptedPrompts prompts;
};

} // namespace

class TestOpenForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnArizona() {
        Fixture f;
        TOpenForm form(f.lottery);
        QCOMPARE(form.windowTitle(), QStringLiteral("Open Drawing File"));
        QVERIFY(form.UnitedStates->isChecked());
        QCOMPARE(form.UnitedStates->text(), QStringLiteral("United States"));
        QCOMPARE(form.StateList->count(), 51);
        QCOMPARE(form.StateList->currentItem()->text(), QStringLiteral("Arizona"));
        QCOMPARE(itemsOf(form.LotteryList), (QStringList{"Powerball", "Arizona Lotto", "Arizona Fantasy 5"}));
        QVERIFY(form.LotteryList->selectedItems().isEmpty());
        QVERIFY(!form.Autoload->isChecked());
        QCOMPARE(form.Autoload->text(), QStringLiteral("Automatically load selected lottery at startup"));
        QCOMPARE(form.BrowseButton->text(), QStringLiteral("Browse..."));
        QVERIFY(form.OK->isDefault());
    }

    void unitedStatesSwitchesToCountriesAndBack() {
        Fixture f;
        TOpenForm form(f.lottery);
        form.UnitedStates->click();
        QVERIFY(!form.UnitedStates->isChecked());
        QCOMPARE(itemsOf(form.StateList), (QStringList{"Australia", "Canada", "Germany", "Ireland",
                                                       "New Zealand", "Spain", "United Kingdom"}));
        QCOMPARE(form.StateList->currentItem()->text(), QStringLiteral("Australia"));
        QCOMPARE(itemsOf(form.LotteryList),
                 (QStringList{"Australian Tatts Lotto", "Australian Lotto 1", "Australian Powerball"}));
        form.UnitedStates->click();
        QCOMPARE(form.StateList->count(), 51);
        QCOMPARE(form.StateList->currentItem()->text(), QStringLiteral("Arizona"));
    }

    void placesListTheirLotteries_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("lotteries");
        const QStringList triState{"Tri-State Megabucks", "Tri-State 5 Card Cash", "Tri-State Pick-3",
                                   "Tri-State Pick-4"};
        QTest::newRow("maine") << "Maine" << triState;
        QTest::newRow("vermont") << "Vermont" << triState;
        QTest::newRow("new hampshire") << "New Hampshire"
                                       << (QStringList(triState) << "New Hampshire Cash Lotto"
                                                                 << "Powerball");
        QTest::newRow("nevada") << "Nevada" << QStringList{};
        QTest::newRow("new mexico") << "New Mexico" << QStringList{"Powerball", "Daily Millions"};
    }

    void placesListTheirLotteries() {
        QFETCH(QString, place);
        QFETCH(QStringList, lotteries);
        Fixture f;
        TOpenForm form(f.lottery);
        form.LotteryList->setCurrentRow(1);
        f.selectPlace(form, place);
        QCOMPARE(itemsOf(form.LotteryList), lotteries);
        QVERIFY(form.LotteryList->selectedItems().isEmpty());
        QCOMPARE(form.selectedFile(), QString());
    }

    void okWithMissingFilesRefusesAndCloses_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("missing");
        QTest::newRow("nothing selected") << "Arizona" << -1 << QStringList{} << "";
        QTest::newRow("a state without lotteries") << "Utah" << -1 << QStringList{} << "";
        QTest::newRow("no table") << "Arizona" << 1 << QStringList{} << "AZ642.DBF";
        QTest::newRow("no definition")
            << "Arizona" << 1 << QStringList{"AZ642.DBF", "AZ642.NSX"} << "AZ642.INF";
        QTest::newRow("a definition alone") << "Arizona" << 1 << QStringList{"AZ642.INF"} << "AZ642.DBF";
    }

    void okWithMissingFilesRefusesAndCloses() {
        QFETCH(QString, place);
        QFETCH(int, row);
        QFETCH(QStringList, present);
        QFETCH(QString, missing);
        Fixture f;
        for (const QString& file : present)
            f.home.writeFile(QStringLiteral("data/") + file, "x");
        TOpenForm form(f.lottery);
        form.show();
        f.selectPlace(form, place);
        form.LotteryList->setCurrentRow(row);
        form.OK->click();
        QCOMPARE(f.prompts.shown.size(), 1);
        const QString message = f.prompts.shown.first();
        QVERIFY2(message.startsWith(QStringLiteral("Could not find the file ") + missing + choose),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("import the results your lottery publishes")),
                 qPrintable(message));
        QVERIFY(!form.isVisible());
        f.expectPreviousLotteryOpen();
        QVERIFY(!QFileInfo::exists(f.home.path(QStringLiteral("vantoro.ini"))));
    }

    void okOpensTheSelectedLottery_data() {
        QTest::addColumn<bool>("autoload");
        QTest::newRow("autoload off") << false;
        QTest::newRow("autoload on") << true;
    }

    void okOpensTheSelectedLottery() {
        QFETCH(bool, autoload);
        Fixture f;
        f.home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nLOTTERY=CN649.DBF\nHOTCUTOFF=12\n");
        const QByteArray settingsBefore = f.home.readFile(QStringLiteral("vantoro.ini"));
        LotteryBuilder(f.home.dataDir(), QStringLiteral("PB545"))
            .numbers(6, 45, 1, 8)
            .description(QStringLiteral("Powerball"))
            .drawings(3)
            .build();
        TOpenForm form(f.lottery);
        form.LotteryList->setCurrentRow(0);
        QCOMPARE(form.selectedFile(), QStringLiteral("PB545.DBF"));
        form.Autoload->setChecked(autoload);
        form.OK->click();
        QVERIFY(f.prompts.shown.isEmpty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.lottery.LotteryFile(), QStringLiteral("PB545.DBF"));
        QCOMPARE(f.lottery.caption(), QStringLiteral("Vantoro - Powerball"));
        QCOMPARE(f.lottery.statusTexts().at(0), QStringLiteral("Total Drawings: 3"));
        QCOMPARE(f.lottery.statusTexts().at(1), QStringLiteral("Last Drawing: 01/03/2000"));
        QCOMPARE(f.lottery.statusTexts().at(3), QStringLiteral("Drawing Cutoff: 3"));
        const SettingsFile settings(f.home.path(QStringLiteral("vantoro.ini")));
        if (autoload) {
            QCOMPARE(settings.read().LotteryFile, QStringLiteral("PB545.DBF"));
            QCOMPARE(settings.read().HotNumberCutoff, 12);
        } else {
            QCOMPARE(f.home.readFile(QStringLiteral("vantoro.ini")), settingsBefore);
        }
    }

    void browseOpensTheFileOfThatNameInData() {
        Fixture f;
        LotteryBuilder(f.home.dataDir(), QStringLiteral("PB545")).numbers(6, 45, 1, 8).drawings(4).build();
        QDir(f.home.dir()).mkdir(QStringLiteral("elsewhere"));
        f.home.writeFile(QStringLiteral("elsewhere/pb545.dbf"), "not the one that is opened");
        TOpenForm form(f.lottery);
        form.Autoload->setChecked(true);
        f.prompts.fileNames = {f.home.path(QStringLiteral("elsewhere/pb545.dbf"))};
        form.BrowseButton->click();
        QCOMPARE(f.prompts.fileDialogs.size(), 1);
        QCOMPARE(f.prompts.fileDialogs.first().directory, f.lottery.DataDir());
        QCOMPARE(f.prompts.fileDialogs.first().fileName, QStringLiteral("*.dbf"));
        QVERIFY(f.prompts.fileDialogs.first().filter.startsWith(QStringLiteral("Lotto Data Files (")));
        QVERIFY(f.prompts.shown.isEmpty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.lottery.LotteryFile(), QStringLiteral("pb545.dbf"));
        QCOMPARE(f.lottery.TotalDrawings(), 4);
        QCOMPARE(f.lottery.statusTexts().at(1).left(14), QStringLiteral("Last Drawing: "));
        QCOMPARE(SettingsFile(f.home.path(QStringLiteral("vantoro.ini"))).read().LotteryFile,
                 QStringLiteral("pb545.dbf"));
    }

    void browseToAFileWithoutItsDefinitionKeepsTheDialogOpen() {
        Fixture f;
        f.home.writeFile(QStringLiteral("data/MINE.DBF"), "x");
        f.home.writeFile(QStringLiteral("data/MINE.NSX"), "x");
        TOpenForm form(f.lottery);
        form.show();
        f.prompts.fileNames = {f.home.dataDir() + QStringLiteral("MINE.DBF")};
        form.BrowseButton->click();
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY2(
            f.prompts.shown.first().startsWith(QStringLiteral("Could not find the file MINE.INF") + choose),
            qPrintable(f.prompts.shown.first()));
        QVERIFY(form.isVisible());
        f.expectPreviousLotteryOpen();
    }

    void browseCancelledDoesNothing() {
        Fixture f;
        TOpenForm form(f.lottery);
        form.show();
        f.prompts.fileNames = {QString()};
        form.BrowseButton->click();
        QVERIFY(f.prompts.shown.isEmpty());
        QVERIFY(form.isVisible());
        f.expectPreviousLotteryOpen();
    }

    void cancelKeepsTheLottery() {
        Fixture f;
        TOpenForm form(f.lottery);
        form.LotteryList->setCurrentRow(0);
        form.Cancel->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        f.expectPreviousLotteryOpen();
    }
};

QTEST_MAIN(TestOpenForm)
#include "test_open_form.moc"
