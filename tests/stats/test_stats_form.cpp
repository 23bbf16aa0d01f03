// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "db/dbf_table.h"
#include "gui/help.h"
#include "gui/report_setup_form.h"
#include "lottery/current_lottery.h"
#include "stats/bonus_form.h"
#include "stats/graph_form.h"
#include "stats/number_stats.h"
#include "stats/stats_form.h"
#include "support/lottery_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include "support/scripted_modal.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A 6/49 with one bonus number and 30 drawings of arbitrary numbers.
QString buildLottery(const TempHome& home, const QString& code, int bonus = 1, int drawings = 30) {
    return LotteryBuilder(home.dataDir(), code)
        .numbers(6 + bonus, 49, bonus)
        .description(QStringLiteral("Test Lotto"))
        .drawings(drawings)
        .build();
}

QStringList lines(const TStatsForm& form, const char* list) {
    QStringList texts;
    auto* widget = form.findChild<QListWidget*>(QLatin1String(list));
    for (int i = 0; widget && i < widget->count(); ++i)
        texts << widget->item(i)->text();
    return texts;
}

QString label(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

QPushButton* button(const QWidget& form, const char* name) {
    return form.findChild<QPushButton*>(QLatin1String(name));
}

void writeSettings(const TempHome& home, const QByteArray& general) {
    home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\r\n" + general);
}

} // namespace

class TestStatsForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The lists are the classification's lines; TEMP.DBT gets one record per number.
    void showsTheListsAndWritesTheGraphTable() {
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, QStringLiteral("TS649")));
        BonusForm bonus;
        TStatsForm form(lottery, bonus);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Number Statistics Chart"));
        const NumberStats expected = computeNumberStats(lottery.table(), lottery.definition(), 0, 10, 30, 30);
        QCOMPARE(lines(form, "FrequencyList"), expected.FrequencyList);
        QCOMPARE(lines(form, "HitIndexList"), expected.HitIndexList);
        QCOMPARE(lines(form, "HotList"), expected.HotList);
        QCOMPARE(lines(form, "ColdList"), expected.ColdList);
        QVERIFY(!expected.ColdList.isEmpty() && !expected.HotList.isEmpty());
        QCOMPARE(label(form, "AverageLabel"), expected.AverageLabel);
        QVERIFY(prompts.shown.isEmpty());

        DbfTable graph;
        graph.open(home.dir(), QStringLiteral("TEMP.DBT"));
        QCOMPARE(graph.RecordCount(), 49);
        QVERIFY(form.findChild<QListWidget*>(QStringLiteral("FrequencyList"))->font().fixedPitch());
        QVERIFY(Help::hasTopic(137));
        QVERIFY(Help::hasTopic(145));
    }

    void bonusControls_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no bonus numbers") << "TS649" << 0 << false;
        QTest::newRow("one bonus number") << "CN649" << 1 << true;
        QTest::newRow("Tri-State 5/31") << "TS531" << 1 << false;
    }
    void bonusControls() {
        QFETCH(QString, code);
        QFETCH(int, bonus);
        QFETCH(bool, shown);
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, code, bonus));
        BonusForm bonusForm;
        TStatsForm form(lottery, bonusForm);
        form.show();
        for (const char* name : {"BonusBtn"})
            QCOMPARE(button(form, name)->isVisible(), shown);
        for (const char* name : {"UseBonusLabel", "BonusLabel"})
            QCOMPARE(form.findChild<QLabel*>(QLatin1String(name))->isVisible(), shown);
    }

    // "&Bonus #" shows the options and runs the whole analysis again with the choice.
    void bonusButtonRecomputes() {
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, QStringLiteral("CN649")));
        BonusForm bonus;
        TStatsForm form(lottery, bonus);
        form.show();
        QCOMPARE(label(form, "UseBonusLabel"), QStringLiteral("Use Bonus: No"));
        ScriptedModal modal;
        modal.expect<BonusForm>([](BonusForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Bonus Number Options"));
            dialog->findChild<QRadioButton*>(QStringLiteral("RadioItem2"))->setChecked(true);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn")), Qt::LeftButton);
        });
        QTest::mouseClick(button(form, "BonusBtn"), Qt::LeftButton);
        QVERIFY(modal.allAnswered());
        QCOMPARE(bonus.itemIndex(), 2);
        QCOMPARE(label(form, "UseBonusLabel"), QStringLiteral("Use Bonus: Yes (No regular numbers)"));
        const NumberStats expected = computeNumberStats(lottery.table(), lottery.definition(), 2, 10, 30, 30);
        QCOMPARE(lines(form, "FrequencyList"), expected.FrequencyList);
        QCOMPARE(lines(form, "ColdList"), expected.ColdList);
        DbfTable graph;
        graph.open(home.dir(), QStringLiteral("TEMP.DBT"));
        QCOMPARE(graph.RecordCount(), 49);
    }

    // A graph table that cannot be made is reported, and the lists are still filled.
    void graphTableCannotBeCreated() {
        TempHome home;
        QVERIFY(QDir(home.dir()).mkdir(QStringLiteral("TEMP.DBT")));
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, QStringLiteral("TS649"), 0));
        BonusForm bonus;
        TStatsForm form(lottery, bonus);
        form.show();
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY2(prompts.shown.first().startsWith(
                     QStringLiteral("Could not create the temporary graph file. (")) &&
                     prompts.shown.first().contains(QStringLiteral("TEMP.DBT")),
                 qPrintable(prompts.shown.first()));
        QCOMPARE(lines(form, "FrequencyList").size(), 49);
    }

    // "&Graph" opens the frequency graph over the TEMP.DBT just written, then recomputes.
    void graphButtonOpensTheFrequencyGraph() {
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, QStringLiteral("TS649"), 0));
        BonusForm bonus;
        TStatsForm form(lottery, bonus);
        form.show();
        QString caption;
        ScriptedModal modal;
        modal.expect<TGraphForm>([&caption](TGraphForm* graph) {
            caption = graph->windowTitle();
            graph->reject();
        });
        QTest::mouseClick(button(form, "GraphBtn"), Qt::LeftButton);
        QVERIFY(modal.allAnswered());
        QCOMPARE(caption, QStringLiteral("Frequency Graph (Test Lotto)"));
        QCOMPARE(lines(form, "FrequencyList").size(), 49);
        QVERIFY(prompts.shown.isEmpty());
    }

    // Print runs the report under the printout's own window titles.
    void printUsesTheNumberStatisticsTitles() {
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(buildLottery(home, QStringLiteral("TS649"), 0));
        BonusForm bonus;
        TStatsForm form(lottery, bonus);
        form.show();
        QString title;
        ScriptedModal modal;
        modal.expect<TReportSetupForm>([&title](TReportSetupForm* setup) {
            title = setup->windowTitle();
            setup->reject();
        });
        QTest::mouseClick(button(form, "PrintBtn"), Qt::LeftButton);
        QVERIFY(modal.allAnswered());
        QCOMPARE(title, QStringLiteral("Number Statistics Setup"));
        QCOMPARE(lines(form, "FrequencyList").size(), 49);
    }

    // The menu command refuses a drawing cutoff of 0, and otherwise resets the bonus option first.
    void mainWindowCommand() {
        TempHome home;
        buildLottery(home, QStringLiteral("CN649"));
        writeSettings(home, "LOTTERY=CN649.DBF\r\n");
        ScriptedPrompts prompts;
        TMainForm main(home.dir());
        main.FormActivate();
        QAction* command = main.findChild<QAction*>(QStringLiteral("NumberStatisticsChartFrequencyGraph1"));
        QVERIFY(command);

        main.lottery().setDrawingCutoffCount(0);
        command->trigger();
        QCOMPARE(prompts.shown, QStringList{drawingCutoffRefusal()});

        main.lottery().setDrawingCutoffCount(20);
        main.bonusForm().setItemIndex(2);
        int optionSeen = -1;
        ScriptedModal modal;
        modal.expect<TStatsForm>([&](TStatsForm* form) {
            optionSeen = main.bonusForm().itemIndex();
            form->accept();
        });
        command->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(optionSeen, 0);
        QCOMPARE(prompts.shown.size(), 1);
    }
};

QTEST_MAIN(TestStatsForm)
#include "test_stats_form.moc"
