// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "gui/help.h"
#include "lottery/current_lottery.h"
#include "lottery/game_type.h"
#include "lottery/lottery_info_form.h"
#include "lottery/open_form.h"
#include "lottery/todays_games.h"
#include "support/lottery_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

const QString createdMessage = QStringLiteral("A new Lotto file has been created. Use the Drawings command "
                                              "in the Edit menu to enter the previous drawings.");
const QString overwriteQuestion =
    QStringLiteral("A file already exists for this lottery. If you continue, all data "
                   "in the file will be erased. Do you wish to continue?");

// What a user does: pick from a list, which runs the handlers of a real choice.
void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void chooseState(TLotteryInfoForm& form, const char* state) {
    choose(form.State, States::indexOf(QString::fromLatin1(state)));
}

QString bits(const std::array<QCheckBox*, 7>& boxes, bool enabledState) {
    QString text;
    for (const QCheckBox* box : boxes)
        text += (enabledState ? !box->isEnabled() : box->isChecked()) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

std::array<QCheckBox*, 7> daysOf(const TLotteryInfoForm& form) {
    return {form.Sunday,   form.Monday, form.Tuesday, form.Wednesday,
            form.Thursday, form.Friday, form.Saturday};
}

QString layoutOf(const QString& path) {
    DbfTable table;
    table.open(path);
    QStringList fields;
    for (const DbfField& field : table.fields())
        fields << QStringLiteral("%1 %2").arg(field.name).arg(field.width);
    return fields.join(QStringLiteral(", "));
}

QStringList filesIn(const TempHome& home) {
    return QDir(home.dataDir()).entryList(QDir::Files, QDir::Name);
}

struct Fixture {
    Fixture() { lottery.setHomeDir(home.dir()); }
    TempHome home;
    CurrentLottery lottery;
    ScriptedPrompts prompts;
};

} // namespace

class TestLotteryInfoForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newFileModeOpensWithTheInitialValues() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        QCOMPARE(form.windowTitle(), QStringLiteral("New Drawing File"));
        QCOMPARE(form.PageControl1->count(), 4);
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Game Info"));
        QCOMPARE(form.PageControl1->tabText(1), QStringLiteral("More Game Info"));
        QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Bonus Info"));
        QCOMPARE(form.PageControl1->tabText(3), QStringLiteral("Lottery Commission"));
        QCOMPARE(form.GameType->currentText(), QStringLiteral("Pick 5, 6, or 7 Lotto"));
        QCOMPARE(form.GameType->count(), 13);
        QCOMPARE(form.Country->currentText(), QStringLiteral("United States"));
        QCOMPARE(form.State->currentText(), QString());
        QCOMPARE(form.State->count(), 53);
        QCOMPARE(form.Description->text(), QStringLiteral("Lotto"));
        QCOMPARE(form.NumbersDrawn->value(), 6);
        QCOMPARE(form.BonusNumbers->value(), 0);
        QCOMPARE(form.HighestNumber->value(), 42);
        QCOMPARE(form.LowestNumber->value(), 1);
        QCOMPARE(form.HighestBonus->value(), 1);
        QCOMPARE(bits(daysOf(form), false), QStringLiteral("0000000"));
        QCOMPARE(bits(form.BonusMatches, false), QStringLiteral("0000000"));
        QCOMPARE(form.BonusMatches[6]->text(), QStringLiteral("6 Matches"));
        QCOMPARE(form.GameDrawnOn->title(), QStringLiteral("Game Drawn On:"));
        QVERIFY(form.BetSlipInfo->isHidden());
        QCOMPARE(form.TicketsPerSlip->value(), 5);
        QVERIFY(form.HorizontalTickets->isChecked());
        // Ranges are the record's bounds.
        QCOMPARE(form.NumbersDrawn->minimum(), 3);
        QCOMPARE(form.NumbersDrawn->maximum(), 22);
        QCOMPARE(form.HighestBonus->maximum(), 99);
        for (QWidget* control : std::initializer_list<QWidget*>{form.GameType, form.Country, form.State,
                                                                form.NumbersDrawn, form.LowestNumber})
            QVERIFY(control->isEnabled());
    }

    void gameTypePresets_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("counts"); // drawn/bonus/highest/lowest
        QTest::addColumn<QString>("fixed");  // country, state, drawn, bonus, highest, lowest: F fixed, - free
        QTest::addColumn<QString>("days");   // Sunday first
        QTest::addColumn<bool>("daysFixed");
        QTest::addColumn<QString>("matches"); // 0 .. 6
        QTest::addColumn<QString>("matchesFixed");
        QTest::addColumn<bool>("duplicates");
        QTest::addColumn<bool>("duplicatesFixed");
        QTest::addColumn<int>("highestBonus");
        QTest::addColumn<bool>("highestBonusFixed");
        QTest::addColumn<QString>("commission");
        QTest::newRow("big game") << 0 << "Big Game"
                                  << ""
                                  << "6/1/50/1"
                                  << "FFFFFF"
                                  << "0000010" << true << "1111110"
                                  << "1111111" << true << true << 25 << true << "";
        QTest::newRow("daily millions") << 1 << "Daily Millions"
                                        << ""
                                        << "6/0/21/1"
                                        << "FFFFFF"
                                        << "1111111" << true << "0000000"
                                        << "1111111" << false << true << 0 << true << "";
        QTest::newRow("keno") << 3 << "Keno"
                              << ""
                              << "20/0/60/1"
                              << "F--F-F"
                              << "0111111" << false << "0000000"
                              << "1111111" << false << true << 0 << true << "";
        QTest::newRow("keystone") << 4 << "Pensylvania Keystone"
                                  << "PA"
                                  << "7/1/33/1"
                                  << "FFFFFF"
                                  << "0000001" << true << "1111111"
                                  << "1111111" << true << true << 33 << true << "Department of Revenue";
        QTest::newRow("daily pick") << 5 << "Daily Lotto"
                                    << ""
                                    << "3/0/9/0"
                                    << "---FFF"
                                    << "1111111" << false << "0000000"
                                    << "1111111" << false << true << 0 << true << "";
        QTest::newRow("midday pick") << 6 << "Midday Daily Lotto"
                                     << ""
                                     << "3/0/9/0"
                                     << "---FFF"
                                     << "0111111" << false << "0000000"
                                     << "1111111" << false << true << 0 << true << "";
        QTest::newRow("lotto") << 7 << "Lotto"
                               << ""
                               << "6/0/49/1"
                               << "-----F"
                               << "0000000" << false << "0000000"
                               << "0000000" << false << false << 0 << false << "";
        QTest::newRow("powerball") << 8 << "Powerball"
                                   << ""
                                   << "6/1/45/1"
                                   << "-FFFFF"
                                   << "0001001" << true << "1111110"
                                   << "1111111" << true << true << 45 << true
                                   << "Multi-state Lottery Association";
        QTest::newRow("quinto") << 9 << "Quinto"
                                << ""
                                << "5/0/52/1"
                                << "--FFFF"
                                << "0000000" << false << "0000000"
                                << "1111111" << false << true << 0 << true << "";
        QTest::newRow("tri-state") << 10 << "Tri-State"
                                   << ""
                                   << "7/1/42/1"
                                   << "-F----"
                                   << "0001001" << false << "0000010"
                                   << "1000000" << false << false << 42 << false
                                   << "Tri-State Lottery Commission";
        QTest::newRow("tri-west") << 11 << "Tri-West Lotto"
                                  << ""
                                  << "6/0/33/1"
                                  << "-F-FFF"
                                  << "0001001" << true << "0000000"
                                  << "1111111" << false << true << 0 << true << "";
        QTest::newRow("lucky day") << 12 << "New York Lucky Day"
                                   << "NY"
                                   << "4/1/99/1"
                                   << "-FFFFF"
                                   << "0100000" << true << "0000000"
                                   << "1111111" << true << true << 99 << true << "New York Lottery";
    }

    void gameTypePresets() {
        QFETCH(int, type);
        QFETCH(QString, description);
        QFETCH(QString, state);
        QFETCH(QString, counts);
        QFETCH(QString, fixed);
        QFETCH(QString, days);
        QFETCH(bool, daysFixed);
        QFETCH(QString, matches);
        QFETCH(QString, matchesFixed);
        QFETCH(bool, duplicates);
        QFETCH(bool, duplicatesFixed);
        QFETCH(int, highestBonus);
        QFETCH(bool, highestBonusFixed);
        QFETCH(QString, commission);
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        // Start from a state with a commission and stray fields, so clearing shows.
        choose(form.Country, 1);
        chooseState(form, "AZ");
        form.CommissionFax->setText(QStringLiteral("555-0100"));
        form.CommissionWWW->setText(QStringLiteral("www.example.org"));

        choose(form.GameType, type);
        QCOMPARE(form.Description->text(), description);
        QCOMPARE(form.Country->currentText(), QStringLiteral("United States"));
        QCOMPARE(form.State->currentText(), state);
        QCOMPARE(QStringLiteral("%1/%2/%3/%4")
                     .arg(form.NumbersDrawn->value())
                     .arg(form.BonusNumbers->value())
                     .arg(form.HighestNumber->value())
                     .arg(form.LowestNumber->value()),
                 counts);
        QString fixedNow;
        for (const QWidget* control :
             std::initializer_list<const QWidget*>{form.Country, form.State, form.NumbersDrawn,
                                                   form.BonusNumbers, form.HighestNumber, form.LowestNumber})
            fixedNow += control->isEnabled() ? QLatin1Char('-') : QLatin1Char('F');
        QCOMPARE(fixedNow, fixed);
        QCOMPARE(bits(daysOf(form), false), days);
        QCOMPARE(bits(daysOf(form), true), daysFixed ? QStringLiteral("1111111") : QStringLiteral("0000000"));
        QCOMPARE(bits(form.BonusMatches, false), matches);
        QCOMPARE(bits(form.BonusMatches, true), matchesFixed);
        QCOMPARE(form.AllowDuplicates->isChecked(), duplicates);
        QCOMPARE(!form.AllowDuplicates->isEnabled(), duplicatesFixed);
        QCOMPARE(form.HighestBonus->value(), highestBonus);
        QCOMPARE(!form.HighestBonus->isEnabled(), highestBonusFixed);
        // A preset's state does not run the state's commission preset.
        QCOMPARE(form.CommissionName->text(), commission);
        QVERIFY(form.CommissionFax->text().isEmpty());
        QVERIFY(form.CommissionWWW->text().isEmpty());
        if (commission.isEmpty())
            QVERIFY(form.CommissionAddress->text().isEmpty() && form.CommissionCity->text().isEmpty() &&
                    form.CommissionState->text().isEmpty() && form.CommissionPhone->text().isEmpty());
        QVERIFY(form.Description->isEnabled());
        QVERIFY(form.CommissionName->isEnabled());
    }

    void reservedGameTypeChangesNothing() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        choose(form.GameType, 0);
        const LotteryDefinition before = form.definitionFromControls();
        choose(form.GameType, 2);
        const LotteryDefinition after = form.definitionFromControls();
        QCOMPARE(after.GameType, qint16(2));
        QCOMPARE(after.Description, before.Description);
        QCOMPARE(after.NumbersDrawn, before.NumbersDrawn);
        QCOMPARE(after.HighestBonus, before.HighestBonus);
        QVERIFY(!form.NumbersDrawn->isEnabled());
    }

    void stateChoiceFillsItsCommission() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        form.CommissionEmail->setText(QStringLiteral("someone@example.org"));
        chooseState(form, "AZ");
        QCOMPARE(form.CommissionName->text(), QStringLiteral("Arizona State Lottery"));
        QCOMPARE(form.CommissionState->text(), QStringLiteral("AZ"));
        QCOMPARE(form.CommissionCity->text(), QStringLiteral("Phoenix"));
        QVERIFY(form.CommissionEmail->text().isEmpty());
        chooseState(form, "AL"); // a state without a lottery commission
        QVERIFY(form.CommissionName->text().isEmpty());
        QVERIFY(form.CommissionState->text().isEmpty());
        chooseState(form, "IN");
        QCOMPARE(form.CommissionName->text(), QStringLiteral("The Hoosier Lottery"));
        choose(form.State, 0);
        QVERIFY(form.CommissionName->text().isEmpty());
    }

    void longTextIsCutToItsField() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        form.Description->clear();
        QTest::keyClicks(form.Description, QStringLiteral("A description that is far too long to keep"));
        QCOMPARE(form.Description->text().size(), 30);
        QTest::keyClicks(form.CommissionState, QStringLiteral("NJX"));
        QCOMPARE(form.CommissionState->text(), QStringLiteral("NJ"));
        chooseState(form, "NJ");
        form.OKBtn->click();
        LotteryDefinition stored;
        ReadDefinition(f.home.dataDir() + QStringLiteral("NJ642.INF"), stored);
        QCOMPARE(stored.Description, QStringLiteral("A description that is far too "));
    }

    void powerballInArizonaBecomesTheCurrentLottery() {
        Fixture f;
        LotteryBuilder(f.home.dataDir(), QStringLiteral("CN649")).numbers(6, 49).drawings(12).build();
        f.lottery.LoadLottery(QStringLiteral("CN649.DBF"));
        QSignalSpy changed(&f.lottery, &CurrentLottery::changed);
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        chooseState(form, "AZ");
        choose(form.GameType, static_cast<int>(GameTypeCode::Powerball));
        form.OKBtn->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.lotteryCode(), QStringLiteral("PB545"));
        QCOMPARE(f.prompts.shown, QStringList{createdMessage});
        QCOMPARE(filesIn(f.home),
                 (QStringList{"CN649.DBF", "CN649.INF", "CN649.NSX", "PB545.DBF", "PB545.INF", "PB545.NSX"}));
        QCOMPARE(layoutOf(f.home.dataDir() + QStringLiteral("PB545.DBF")),
                 QStringLiteral("DRAWDATE 8, P1 2, P2 2, P3 2, P4 2, P5 2, P6 2"));
        QVERIFY(QFileInfo(f.home.dataDir() + QStringLiteral("PB545.NSX")).size() > 0);
        QCOMPARE(f.lottery.LotteryFile(), QStringLiteral("PB545.DBF"));
        QCOMPARE(f.lottery.caption(), QStringLiteral("Vantoro - Powerball"));
        QCOMPARE(
            f.lottery.statusTexts(),
            (QStringList{"Total Drawings: 0", "Last Drawing: ", "Hot Number Cutoff:", "Drawing Cutoff: 0"}));
        QVERIFY(changed.count() > 0);
        LotteryDefinition stored;
        ReadDefinition(f.home.dataDir() + QStringLiteral("PB545.INF"), stored);
        QCOMPARE(stored.GameType, qint16(8));
        QCOMPARE(stored.State, qint16(0));
        QCOMPARE(stored.CommissionName, QStringLiteral("Multi-state Lottery Association"));
        QVERIFY(stored.Wednesday && stored.Saturday && !stored.Friday);
        // The settings name no new lottery.
        QVERIFY(!QFileInfo::exists(f.home.path(QStringLiteral("vantoro.ini"))));
    }

    // Choosing a game of today fills every field, leaves them free, and the lottery keeps the
    // game's drums beside its definition; changing its numbers afterwards drops them.
    void todaysGameFillsEveryField_data() {
        QTest::addColumn<bool>("changeHighest");
        QTest::newRow("as the game is") << false;
        QTest::newRow("highest changed") << true;
    }
    void todaysGameFillsEveryField() {
        QFETCH(bool, changeHighest);
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        choose(form.TodaysGame, form.TodaysGame->findText(QStringLiteral("EuroMillions")));
        QCOMPARE(form.Description->text(), QStringLiteral("EuroMillions"));
        QCOMPARE(form.Country->currentText(), QStringLiteral("United Kingdom"));
        QCOMPARE(form.NumbersDrawn->value(), 7);
        QCOMPARE(form.BonusNumbers->value(), 2);
        QCOMPARE(form.HighestNumber->value(), 50);
        QCOMPARE(form.HighestBonus->value(), 12);
        QVERIFY(form.AllowDuplicates->isChecked());
        QCOMPARE(bits(daysOf(form), false), QStringLiteral("0010010"));
        QVERIFY(form.NumbersDrawn->isEnabled() && form.HighestBonus->isEnabled());
        if (changeHighest)
            form.HighestNumber->setValue(49);
        form.OKBtn->click();
        const QString code = changeHighest ? QStringLiteral("UK549") : QStringLiteral("UK550");
        QCOMPARE(form.lotteryCode(), code);
        QCOMPARE(GameExtrasFile::read(f.home.dataDir(), code).has_value(), !changeHighest);
        if (!changeHighest)
            QCOMPARE(GameExtrasFile::read(f.home.dataDir(), code)->game, QStringLiteral("EuroMillions"));
    }

    void companionTableComesWithNewJerseyLotto() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        chooseState(form, "NJ");
        form.HighestNumber->setValue(46);
        form.OKBtn->click();
        QCOMPARE(form.lotteryCode(), QStringLiteral("NJ646"));
        QCOMPARE(layoutOf(f.home.dataDir() + QStringLiteral("NJK.DBF")),
                 QStringLiteral("DRAWDATE 8, P1 1, P2 1, P3 1, P4 1, P5 1"));
        QCOMPARE(f.lottery.definition().CommissionName, QStringLiteral("New Jersey Lottery"));
    }

    void pickGameWithoutAStateGetsAOneDigitTable() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        choose(form.GameType, static_cast<int>(GameTypeCode::PickDaily));
        form.OKBtn->click();
        QCOMPARE(form.lotteryCode(), QStringLiteral("3"));
        QCOMPARE(layoutOf(f.home.dataDir() + QStringLiteral("3.DBF")),
                 QStringLiteral("DRAWDATE 8, P1 1, P2 1, P3 1"));
    }

    void settingsWithoutACodeAreRefusedAndTheDialogStays_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QString>("named");
        QTest::newRow("quinto in new york") << 9 << "NY" << 5 << "State is NY";
        QTest::newRow("pick game of five") << 5 << "" << 5 << "Numbers Drawn is 5";
        QTest::newRow("keno without a state") << 3 << "" << 20 << "needs a State";
        QTest::newRow("lotto of eight") << 7 << "" << 8 << "Numbers Drawn is 8";
    }

    void settingsWithoutACodeAreRefusedAndTheDialogStays() {
        QFETCH(int, type);
        QFETCH(QString, state);
        QFETCH(int, drawn);
        QFETCH(QString, named);
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        form.show();
        choose(form.GameType, type);
        if (!state.isEmpty())
            chooseState(form, state.toLatin1().constData());
        form.NumbersDrawn->setValue(drawn);
        form.OKBtn->click();
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY2(f.prompts.shown.first().contains(QStringLiteral("no file code")),
                 qPrintable(f.prompts.shown.first()));
        QVERIFY2(f.prompts.shown.first().contains(named), qPrintable(f.prompts.shown.first()));
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), 0);
        QVERIFY(filesIn(f.home).isEmpty());
        QVERIFY(!f.lottery.isOpen());
    }

    void existingLotteryAnsweredNoLeavesItsFiles() {
        Fixture f;
        LotteryBuilder(f.home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(5).build();
        const QStringList names{"NJ646.DBF", "NJ646.NSX", "NJ646.INF"};
        QList<QByteArray> before;
        for (const QString& name : names)
            before << f.home.readFile(QStringLiteral("data/") + name);
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        chooseState(form, "NJ");
        form.HighestNumber->setValue(46);
        form.Description->setText(QStringLiteral("Changed"));
        f.prompts.confirmations = {false};
        form.OKBtn->click();
        QCOMPARE(f.prompts.shown, QStringList{overwriteQuestion});
        QCOMPARE(form.result(), int(QDialog::Rejected));
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(f.home.readFile(QStringLiteral("data/") + names.at(i)), before.at(i));
        QVERIFY(!f.lottery.isOpen());
        QCOMPARE(f.lottery.definition().Description, QStringLiteral("Lotto")); // nothing taken over
    }

    void existingLotteryAnsweredYesStartsAfresh() {
        Fixture f;
        LotteryBuilder(f.home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(5).build();
        f.lottery.LoadLottery(QStringLiteral("NJ646.DBF")); // the very lottery being replaced is open
        QCOMPARE(f.lottery.TotalDrawings(), 5);
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        chooseState(form, "NJ");
        form.HighestNumber->setValue(46);
        form.Description->setText(QStringLiteral("New Jersey Pick-6"));
        f.prompts.confirmations = {true};
        form.OKBtn->click();
        QCOMPARE(f.prompts.shown, (QStringList{overwriteQuestion, createdMessage}));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.lottery.LotteryFile(), QStringLiteral("NJ646.DBF"));
        QCOMPARE(f.lottery.TotalDrawings(), 0);
        QCOMPARE(f.lottery.caption(), QStringLiteral("Vantoro - New Jersey Pick-6"));
        DbfTable table;
        table.open(f.home.dataDir(), QStringLiteral("NJ646.DBF"));
        QCOMPARE(table.RecordCount(), 0);
    }

    void unwritableDataFolderGivesTheFileLayersMessage() {
        Fixture f;
        QDir(f.home.dir()).rmdir(QStringLiteral("data"));
        f.home.writeFile(QStringLiteral("data"), "not a folder");
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        choose(form.GameType, static_cast<int>(GameTypeCode::Powerball));
        form.OKBtn->click();
        QCOMPARE(f.prompts.shown.size(), 1);
        // The table's lock is the first file the new lottery needs, so its making gives the reason.
        QVERIFY2(f.prompts.shown.first().contains(QStringLiteral("PB545.DBF.lock: Not a directory")),
                 qPrintable(f.prompts.shown.first()));
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!f.lottery.isOpen());
    }

    void aTableThatCannotBeMadeLeavesADefinitionTheOpenDialogRefuses() {
        Fixture f;
        QDir(f.home.dataDir()).mkdir(QStringLiteral("PB545.DBF")); // in the way of the new table
        {
            TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
            choose(form.GameType, static_cast<int>(GameTypeCode::Powerball));
            form.OKBtn->click();
            // The reason is the file layer's, as vantoro-cli new gives it.
            QCOMPARE(f.prompts.shown.size(), 1);
            QVERIFY2(
                f.prompts.shown.first().startsWith(QStringLiteral("Could not create the Lotto file. (")) &&
                    f.prompts.shown.first().contains(QStringLiteral("PB545.DBF")),
                qPrintable(f.prompts.shown.first()));
            QVERIFY(f.prompts.errors.isEmpty());
            QVERIFY(QFileInfo::exists(f.home.dataDir() + QStringLiteral("PB545.INF")));
            QCOMPARE(f.lottery.definition().Description, QStringLiteral("Powerball"));
            QVERIFY(!f.lottery.isOpen());
        }
        f.prompts.shown.clear();
        TOpenForm open(f.lottery);
        open.LotteryList->setCurrentRow(0); // Arizona: Powerball
        open.OK->click();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.errors, QStringList{QStringLiteral("The table PB545.DBF is not a regular file.")});
        QVERIFY(!f.lottery.isOpen());
    }

    void editModeKeepsTheStructureAndRenamesAtOnce() {
        Fixture f;
        LotteryDefinition d;
        d.GameType = 7;
        d.State = static_cast<qint16>(States::indexOf(QStringLiteral("AZ")));
        d.Description = QStringLiteral("Arizona Lotto");
        d.HighestNumber = 42;
        d.TicketsPerSlip = 8; // not shown, must survive
        LotteryBuilder(f.home.dataDir(), QStringLiteral("AZ642")).definition(d).drawings(3).build();
        f.lottery.LoadLottery(QStringLiteral("AZ642.DBF"));
        const QByteArray table = f.home.readFile(QStringLiteral("data/AZ642.DBF"));
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::Edit);
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Lottery Info"));
        QCOMPARE(form.Description->text(), QStringLiteral("Arizona Lotto"));
        QCOMPARE(form.State->currentText(), QStringLiteral("AZ"));
        for (QWidget* structural :
             std::initializer_list<QWidget*>{form.GameType, form.Country, form.State, form.NumbersDrawn,
                                             form.BonusNumbers, form.HighestNumber, form.LowestNumber})
            QVERIFY2(!structural->isEnabled(), qPrintable(structural->objectName()));
        QVERIFY(form.Description->isEnabled() && form.Monday->isEnabled() && form.HighestBonus->isEnabled() &&
                form.CommissionName->isEnabled());
        QSignalSpy changed(&f.lottery, &CurrentLottery::changed);
        form.Description->setText(QStringLiteral("My Lotto"));
        form.Tuesday->setChecked(true);
        form.OKBtn->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(f.prompts.shown.isEmpty());
        QCOMPARE(f.lottery.caption(), QStringLiteral("Vantoro - My Lotto"));
        QVERIFY(changed.count() > 0);
        QCOMPARE(f.lottery.TotalDrawings(), 3);
        QCOMPARE(f.home.readFile(QStringLiteral("data/AZ642.DBF")), table);
        LotteryDefinition stored;
        ReadDefinition(f.home.dataDir() + QStringLiteral("AZ642.INF"), stored);
        QCOMPARE(stored.Description, QStringLiteral("My Lotto"));
        QVERIFY(stored.Tuesday);
        QCOMPARE(stored.NumbersDrawn, qint16(6));
        QCOMPARE(stored.HighestNumber, qint16(42));
        QCOMPARE(stored.TicketsPerSlip, qint16(8));
    }

    void editModeWritesTheOpenLotterysOwnFile() {
        Fixture f;
        LotteryBuilder(f.home.dataDir(), QStringLiteral("TS649")).numbers(6, 49).build(); // derives "649"
        f.lottery.LoadLottery(QStringLiteral("TS649.DBF"));
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::Edit);
        form.Description->setText(QStringLiteral("Renamed"));
        form.OKBtn->click();
        QCOMPARE(form.lotteryCode(), QStringLiteral("TS649"));
        QVERIFY(!QFileInfo::exists(f.home.dataDir() + QStringLiteral("649.INF")));
        LotteryDefinition stored;
        ReadDefinition(f.home.dataDir() + QStringLiteral("TS649.INF"), stored);
        QCOMPARE(stored.Description, QStringLiteral("Renamed"));
    }

    void cancelChangesNothing() {
        Fixture f;
        TLotteryInfoForm form(f.lottery, TLotteryInfoForm::Mode::NewFile);
        choose(form.GameType, static_cast<int>(GameTypeCode::Powerball));
        form.CancelBtn->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(filesIn(f.home).isEmpty());
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void helpTopicsExist() {
        for (int context : {118, 128, 121})
            QVERIFY2(Help::hasTopic(context), qPrintable(QString::number(context)));
        for (int context = 152; context <= 174; ++context)
            QVERIFY2(Help::hasTopic(context), qPrintable(QString::number(context)));
        for (int context = 184; context <= 190; ++context)
            QVERIFY2(Help::hasTopic(context), qPrintable(QString::number(context)));
    }
};

QTEST_MAIN(TestLotteryInfoForm)
#include "test_lottery_info_form.moc"
