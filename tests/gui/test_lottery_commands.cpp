// SPDX-License-Identifier: GPL-3.0-or-later
// The lottery commands of the main window: File > New > Drawing File, File > Open Drawing File
// (and tool-bar button 1) and Edit > Lottery Info.
#include "app/main_form.h"
#include "drawings/import_form.h"
#include "lottery/game_type.h"
#include "lottery/lottery_info_form.h"
#include "lottery/open_form.h"
#include "stats/bonus_form.h"
#include "stats/stats_form.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
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

QStringList lines(const QWidget* window, const char* name) {
    QStringList texts;
    const auto* list = window->findChild<QListWidget*>(QLatin1String(name));
    for (int i = 0; list && i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString text(const QWidget* window, const char* name) {
    const auto* label = window->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

void click(const QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
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

    // A new user's whole way to a game of today: one choice in the definition editor, the
    // operator's results file read with the game's preset, and both drums in the statistics.
    void euroMillionsFromNewFileToBothDrumsStatistics() {
        TempHome home;
        ScriptedPrompts prompts;
        prompts.fileNames.push_back(TestData::path(QStringLiteral("csv/presets/euromillions_uk.csv")));
        TMainForm form(home.dir());
        form.FormActivate();
        ScriptedModal modal;
        modal.expect<TLotteryInfoForm>([](TLotteryInfoForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("New Drawing File"));
            choose(dialog->TodaysGame, dialog->TodaysGame->findText(QStringLiteral("EuroMillions")));
            QCOMPARE(dialog->Description->text(), QStringLiteral("EuroMillions"));
            QCOMPARE(dialog->Country->currentText(), QStringLiteral("United Kingdom"));
            QCOMPARE(dialog->NumbersDrawn->value(), 7);
            QCOMPARE(dialog->BonusNumbers->value(), 2);
            QCOMPARE(dialog->HighestNumber->value(), 50);
            QCOMPARE(dialog->LowestNumber->value(), 1);
            QCOMPARE(dialog->HighestBonus->value(), 12);
            QVERIFY(dialog->AllowDuplicates->isChecked());
            QVERIFY(dialog->Tuesday->isChecked() && dialog->Friday->isChecked());
            QVERIFY(!dialog->Monday->isChecked() && !dialog->Saturday->isChecked());
            QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        });
        modal.expect<TImportForm>([](TImportForm* dialog) {
            click(dialog, "BrowseBtn");
            QCOMPARE(text(dialog, "PresetLabel"), QStringLiteral("Read with the preset euromillions-uk."));
            QCOMPARE(lines(dialog, "AcceptedList").value(0),
                     QStringLiteral("Line 2: 03/24/2023  05 12 25 36 46 06 10"));
            QCOMPARE(lines(dialog, "AcceptedList").size(), 6);
            QVERIFY(lines(dialog, "RefusedList").isEmpty());
            click(dialog, "ImportBtn");
        });
        // Regular numbers first, as the window opens; then the Lucky Stars alone.
        QStringList regular;
        QStringList stars;
        QString bonusCaption;
        modal.expect<TStatsForm>([&](TStatsForm* dialog) {
            regular = lines(dialog, "FrequencyList");
            click(dialog, "BonusBtn");
            stars = lines(dialog, "FrequencyList");
            bonusCaption = text(dialog, "UseBonusLabel");
        });
        modal.expect<BonusForm>([](BonusForm* dialog) {
            dialog->findChild<QRadioButton*>(QStringLiteral("RadioItem2"))->setChecked(true);
            click(dialog, "CloseBtn");
        });

        item(form, "DrawingFile1")->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("Vantoro - EuroMillions"));
        item(form, "ImportDrawings1")->trigger();
        QCOMPARE(panel(form, "TotDrawings"), QStringLiteral("Total Drawings: 6"));
        QCOMPARE(panel(form, "LastDrawing"), QStringLiteral("Last Draw: 03/24/2023"));
        item(form, "NumberStatisticsChartFrequencyGraph1")->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(prompts.shown.mid(1),
                 (QStringList{QStringLiteral("A new Lotto file has been created. Use the Drawings command in "
                                             "the Edit menu to enter the previous drawings."),
                              QStringLiteral("6 drawings were added to UK550.DBF.")}));

        QCOMPARE(regular.size(), 50);
        QCOMPARE(regular.mid(0, 2), (QStringList{"*05 (02) 03/24/2023", " 09 (02) 03/21/2023"}));
        QVERIFY(regular.contains(QStringLiteral(" 50 (01) 03/07/2023")));
        QCOMPARE(bonusCaption, QStringLiteral("Use Bonus: Yes (No regular numbers)"));
        QCOMPARE(stars.size(), 12);
        QCOMPARE(stars.mid(0, 3),
                 (QStringList{" 11 (03) 03/17/2023", " 02 (02) 03/21/2023", "*06 (02) 03/24/2023"}));
        QCOMPARE(stars.last(), QStringLiteral(" 09 (00)"));
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
