// SPDX-License-Identifier: GPL-3.0-or-later
// The lottery commands of the main window: File > New > Drawing File, File > Open Drawing File
// (and tool-bar button 1) and Edit > Lottery Info.
#include "app/main_form.h"
#include "lottery/game_type.h"
#include "lottery/lottery_info_form.h"
#include "lottery/open_form.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QAction* item(TMainForm& form, const char* name) {
    return form.findChild<QAction*>(QLatin1String(name));
}

QString panel(TMainForm& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

bool menuEnabled(TMainForm& form, const char* name) {
    return form.findChild<QMenu*>(QLatin1String(name))->menuAction()->isEnabled();
}

void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

} // namespace

class TestLotteryCommands final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void definePowerballInArizonaThenReopenIt() {
        TempHome home;
        ScriptedPrompts prompts;
        {
            TMainForm form(home.dir());
            form.FormActivate(); // no lottery yet: the start-up hint
            QVERIFY(!menuEnabled(form, "Edit1"));
            ScriptedModal modal;
            modal.expect<TLotteryInfoForm>([](TLotteryInfoForm* dialog) {
                QVERIFY(dialog->newFileMode());
                choose(dialog->State, States::indexOf(QStringLiteral("AZ")));
                choose(dialog->GameType, static_cast<int>(GameTypeCode::Powerball));
                QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
            });
            item(form, "DrawingFile1")->trigger();
            QVERIFY(modal.allAnswered());
            QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Powerball"));
            QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings: 0"));
            QCOMPARE(panel(form, "LastDrawing"), QStringLiteral("Last Drawing: "));
            QCOMPARE(panel(form, "DrawingCutoff"), QStringLiteral("Drawing Cutoff: 0"));
            QVERIFY(menuEnabled(form, "Edit1") && menuEnabled(form, "Statistics1") &&
                    menuEnabled(form, "Play1"));
            QVERIFY(item(form, "SmartNumbers1")->isEnabled());
        }
        // The next start: the settings name no lottery, so it is opened from the catalogue.
        prompts.shown.clear();
        TMainForm form(home.dir());
        form.FormActivate();
        QVERIFY(!menuEnabled(form, "Edit1"));
        ScriptedModal modal;
        modal.expect<TOpenForm>([](TOpenForm* dialog) {
            const auto arizona = dialog->StateList->findItems(QStringLiteral("Arizona"), Qt::MatchExactly);
            dialog->StateList->setCurrentItem(arizona.first());
            dialog->LotteryList->setCurrentRow(0);
            QTest::mouseClick(dialog->OK, Qt::LeftButton);
        });
        QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        QVERIFY(modal.allAnswered());
        QCOMPARE(prompts.shown.size(), 1); // only the start-up hint
        QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Powerball"));
        QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings: 0"));
        QCOMPARE(panel(form, "LastDrawing"), QStringLiteral("Last Drawing: "));
        QCOMPARE(panel(form, "HotCutoff"), QStringLiteral("Hot Number Cutoff: 10"));
        QVERIFY(menuEnabled(form, "Edit1"));
        QVERIFY(form.findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->isEnabled());
    }

    void lotteryInfoRenamesTheWindowAtOnce() {
        TempHome home;
        ScriptedPrompts prompts;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\r\nLOTTERY=CA539.DBF\r\n");
        LotteryBuilder(home.dataDir(), QStringLiteral("CA539"))
            .numbers(5, 39)
            .description(QStringLiteral("Fantasy"))
            .drawings(2)
            .build();
        TMainForm form(home.dir());
        form.FormActivate();
        QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - Fantasy"));
        QString title;
        ScriptedModal modal;
        modal.expect<TLotteryInfoForm>([&](TLotteryInfoForm* dialog) {
            title = dialog->windowTitle();
            dialog->Description->setText(QStringLiteral("California Fantasy 5"));
            QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        });
        item(form, "LotteryInfo1")->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(title, QStringLiteral("Edit Lottery Info"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - California Fantasy 5"));
        QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings: 2"));
    }

    void aQuintoLotteryLeavesTheGameCommandsDisabled() {
        TempHome home;
        ScriptedPrompts prompts;
        LotteryBuilder(home.dataDir(), QStringLiteral("DEQ")).numbers(5, 52, 0, 9).build();
        TMainForm form(home.dir());
        form.FormActivate();
        ScriptedModal modal;
        modal.expect<TOpenForm>([](TOpenForm* dialog) {
            const auto delaware = dialog->StateList->findItems(QStringLiteral("Delaware"), Qt::MatchExactly);
            dialog->StateList->setCurrentItem(delaware.first());
            dialog->LotteryList->setCurrentRow(6); // Delaware Quinto
            QTest::mouseClick(dialog->OK, Qt::LeftButton);
        });
        item(form, "OpenDrawingFile1")->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(form.lottery().LotteryFile(), QStringLiteral("DEQ.DBF"));
        QVERIFY(menuEnabled(form, "Edit1"));
        for (const char* name :
             {"RepeatingPairsChart1", "RepeatingTriplesChart1", "DrawingSummaryChartGraph1", "SmartNumbers1"})
            QVERIFY2(!item(form, name)->isEnabled(), name);
    }
};

QTEST_MAIN(TestLotteryCommands)
#include "test_lottery_commands.moc"
