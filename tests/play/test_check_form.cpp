// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/current_lottery.h"
#include "play/check_form.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

template <typename T> T* child(const QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList comboItems(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// 6/49 with a bonus number whose "5 Matches" flag is set, and two drawings.
void makeLottery(const TempHome& home, CurrentLottery& lottery) {
    LotteryDefinition definition;
    definition.NumbersDrawn = 7;
    definition.BonusNumbers = 1;
    definition.HighestNumber = 49;
    definition.HighestBonus = 49;
    definition.BonusMatches[5] = true;
    definition.Description = QStringLiteral("Test 6/49");
    LotteryBuilder(home.dataDir(), QStringLiteral("T649"))
        .definition(definition)
        .drawing(QStringLiteral("01/03/2024"), {"01", "02", "03", "04", "05", "06", "07"})
        .drawing(QStringLiteral("01/06/2024"), {"05", "12", "23", "34", "41", "44", "07"})
        .build();
    lottery.setHomeDir(home.dir());
    lottery.LoadLottery(QStringLiteral("T649.DBF"));
    home.writeFile(QStringLiteral("mine.tic"), "2\r\n6\r\n7\r\nTest 6/49\r\n"
                                               "051223344107\r\n"
                                               "010203040506\r\n");
}

} // namespace

class TestCheckForm final : public QObject {
    Q_OBJECT
private slots:
    // "Previous", another row, "Next": the list, tallies and summary are made again from nothing.
    void checksOneFileAgainstTwoDrawings() {
        TempHome home;
        CurrentLottery lottery;
        makeLottery(home, lottery);
        ScriptedPrompts prompts;
        TCheckForm form(lottery, home.path(QStringLiteral("mine.tic")));
        QCOMPARE(form.windowTitle(), QStringLiteral("Check Tickets (mine.tic)"));
        auto* grid = child<QTableView>(form, "DBGrid1");
        QCOMPARE(grid->selectionModel()->selectedRows().value(0).row(), 1);
        QVERIFY(!child<QPushButton>(form, "PreviousBtn")->isEnabled());

        form.NextBtnClick();
        QCOMPARE(form.windowTitle(), QStringLiteral("Check Tickets (mine.tic) With Drawing On 01/06/2024"));
        QCOMPARE(child<QLabel>(form, "NumbersLabel")->text(),
                 QStringLiteral("Numbers Drawn: 05 12 23 34 41 44 "));
        QCOMPARE(child<QLabel>(form, "BonusLabel")->text(), QStringLiteral("Bonus Number: 07 "));
        QCOMPARE(child<QLabel>(form, "TicketsLabel")->text(), QStringLiteral("2 Tickets"));
        QCOMPARE(items(child<QListWidget>(form, "TicketList2")),
                 (QStringList{"00001. 05 12 23 34 41 07 (6)", "00002. 01 02 03 04 05 06 (1)"}));
        QCOMPARE(child<QComboBox>(form, "ComboBox1")->currentText(), QStringLiteral("Match 6: 1"));
        QVERIFY(!child<QPushButton>(form, "NextBtn")->isEnabled());

        auto* minimum = child<QLineEdit>(form, "MaskEdit1");
        QCOMPARE(minimum->text(), QStringLiteral("0"));
        minimum->clear();
        QTest::keyClicks(minimum, QStringLiteral("2"));
        QVERIFY(child<QListWidget>(form, "TicketList2")->isHidden());
        QCOMPARE(items(child<QListWidget>(form, "TicketList3")), QStringList{"00001. 05 12 23 34 41 07 (6)"});
        minimum->clear();
        QCOMPARE(child<QListWidget>(form, "TicketList3")->count(), 0);

        form.PreviousBtnClick();
        QCOMPARE(form.windowTitle(), QStringLiteral("Check Tickets (mine.tic)"));
        grid->selectRow(0);
        form.NextBtnClick();
        QCOMPARE(form.windowTitle(), QStringLiteral("Check Tickets (mine.tic) With Drawing On 01/03/2024"));
        QCOMPARE(items(child<QListWidget>(form, "TicketList2")),
                 (QStringList{"00001. 05 12 23 34 41 07 (1)", "00002. 01 02 03 04 05 06 (6)"}));
        QVERIFY(child<QListWidget>(form, "TicketList3")->isHidden());
        QCOMPARE(minimum->text(), QStringLiteral("0"));
        QCOMPARE(comboItems(child<QComboBox>(form, "ComboBox1")),
                 (QStringList{"Match 6: 1", "Match 5: 0", "Match 4: 0", "Match 3: 0", "Match 2: 0",
                              "Match 1: 1", "Match 0: 0"}));
        QVERIFY(prompts.shown.isEmpty());
    }

    // The command refuses a file made for another game before the dialog opens.
    void commandRefusesAFileOfAnotherGame() {
        TempHome home;
        CurrentLottery lottery;
        makeLottery(home, lottery);
        home.writeFile(QStringLiteral("pb.tic"), "1\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n");
        ScriptedPrompts prompts;
        ScriptedModal modal; // no dialog is scripted: opening one fails the test
        prompts.fileNames.push_back(home.path(QStringLiteral("pb.tic")));
        TCheckForm::run(lottery, nullptr);
        QCOMPARE(prompts.shown, QStringList{"This ticket file is for Pick 5 games only."});
        QCOMPARE(prompts.fileDialogs.value(0).title, QStringLiteral("Check Ticket File"));
    }
};

QTEST_MAIN(TestCheckForm)
#include "test_check_form.moc"
