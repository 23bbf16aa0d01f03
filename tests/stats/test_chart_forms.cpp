// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "gui/help.h"
#include "gui/report_setup_form.h"
#include "lottery/current_lottery.h"
#include "lottery/program_home.h"
#include "stats/bonus_form.h"
#include "stats/chart_grid.h"
#include "stats/drawing_summary.h"
#include "stats/graph_form.h"
#include "stats/graph_table.h"
#include "stats/pair_form.h"
#include "stats/sequence_form.h"
#include "stats/skip_form.h"
#include "stats/summary_form.h"
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

constexpr int Cutoff = 40;
constexpr int Hot = 10;

// A 6/49 with one bonus number and 60 drawings of arbitrary numbers.
QString buildLottery(const TempHome& home) {
    return LotteryBuilder(home.dataDir(), QStringLiteral("CN649"))
        .numbers(7, 49, 1)
        .description(QStringLiteral("Test Lotto"))
        .drawings(60)
        .build();
}

QPushButton* button(const QWidget& form, const char* name) {
    return form.findChild<QPushButton*>(QLatin1String(name));
}

// The lines of a CLI section: those after `heading` up to the next "[...]" line.
QStringList section(const QStringList& lines, const QString& heading) {
    QStringList result;
    bool in = heading.isEmpty();
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            in = line == heading;
        else if (in)
            result << line;
    }
    return result;
}

// The drop-down and every count's list, in the CLI's layout.
QStringList pairLines(TPairForm& form) {
    auto* counts = form.findChild<QComboBox*>(QStringLiteral("OccurencesList"));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("PairList"));
    QStringList lines{QStringLiteral("[Occurrences]")};
    for (int i = 0; i < counts->count(); ++i)
        lines << counts->itemText(i);
    for (int i = 0; i < counts->count(); ++i) {
        counts->setCurrentIndex(i);
        lines << QStringLiteral("[Count %1]").arg(counts->itemText(i).mid(3, 2));
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
    }
    return lines;
}

} // namespace

class TestChartForms final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The CLI prints what each window shows, and the window writes the graph rows the CLI lists;
    // each Graph button opens its graph over those rows; Print goes under the chart's titles.
    void windowsMatchTheCommandLine_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("graphCaption");
        QTest::addColumn<int>("graphRows");
        QTest::addColumn<QString>("setupTitle");
        const QString skip = QStringLiteral("Skip and Hit Graph (Test Lotto)");
        const QString sequence = QStringLiteral("Hit Sequence Graph (Test Lotto)");
        const QString summary = QStringLiteral("Drawing Summary Graph (Test Lotto)");
        QTest::newRow("skip and hit, regular") << "skiphit" << 0 << skip << 49 << "Skip and Hit Chart Setup";
        QTest::newRow("skip and hit, with bonus")
            << "skiphit" << 1 << skip << 49 << "Skip and Hit Chart Setup";
        QTest::newRow("skip and hit, bonus only")
            << "skiphit" << 2 << skip << 49 << "Skip and Hit Chart Setup";
        QTest::newRow("hit sequence, regular")
            << "sequence" << 0 << sequence << 49 << "Hit Sequence Chart Setup";
        QTest::newRow("hit sequence, with bonus")
            << "sequence" << 1 << sequence << 49 << "Hit Sequence Chart Setup";
        QTest::newRow("summary, regular")
            << "summary" << 0 << summary << Cutoff << "Drawing Summary Chart Setup";
        QTest::newRow("summary, bonus only")
            << "summary" << 2 << summary << Cutoff << "Drawing Summary Chart Setup";
        QTest::newRow("pairs") << "pairs" << 0 << QString() << 0 << "Repeating Pairs Setup";
        QTest::newRow("pairs with the bonus") << "pairs" << 1 << QString() << 0 << "Repeating Pairs Setup";
        QTest::newRow("triples") << "triples" << 0 << QString() << 0 << "Repeating Triples Setup";
    }
    void windowsMatchTheCommandLine() {
        QFETCH(QString, chart);
        QFETCH(int, bonus);
        QFETCH(QString, graphCaption);
        QFETCH(int, graphRows);
        QFETCH(QString, setupTitle);
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        const QString file = buildLottery(home);
        lottery.LoadLottery(file);
        lottery.setDrawingCutoffCount(Cutoff);
        lottery.setHotNumberCutoff(Hot);
        BonusForm bonusForm;
        bonusForm.setItemIndex(bonus);
        const QString tempGraph = ProgramHome(home.dir()).tempGraphPath();

        std::unique_ptr<QDialog> form;
        QStringList windowLines;
        QStringList arguments{chart, QStringLiteral("--lottery"), file, QStringLiteral("--cutoff"),
                              QString::number(Cutoff)};
        if (chart == QLatin1String("pairs") || chart == QLatin1String("triples")) {
            auto* pairs = new TPairForm(lottery, chart == QLatin1String("pairs") ? TPairForm::Mode::Pairs
                                                                                 : TPairForm::Mode::Triples);
            form.reset(pairs);
            form->show();
            if (bonus) {
                auto* include = pairs->findChild<QCheckBox*>(QStringLiteral("IncludeBonus"));
                QVERIFY(include->isVisible());
                QTest::mouseClick(include, Qt::LeftButton);
                arguments << QStringLiteral("--bonus");
            }
            windowLines = pairLines(*pairs);
            QVERIFY(windowLines.size() > 3);
            const CliRun run = runCli(home, arguments);
            QCOMPARE(run.status, 0);
            QCOMPARE(windowLines, run.out);
        } else {
            arguments << QStringLiteral("--bonus") << QString::number(bonus);
            if (chart == QLatin1String("skiphit"))
                form = std::make_unique<TSkipForm>(lottery, bonusForm);
            else if (chart == QLatin1String("sequence"))
                form = std::make_unique<TSequenceForm>(lottery, bonusForm);
            else {
                form = std::make_unique<TSummaryForm>(lottery, bonusForm);
                arguments << QStringLiteral("--hot") << QString::number(Hot);
            }
            form->show();
            const QStringList graphLines = graphTableLines(tempGraph);
            QCOMPARE(graphLines.size(), graphRows);
            const CliRun run = runCli(home, arguments);
            QCOMPARE(run.status, 0);
            if (auto* summary = qobject_cast<TSummaryForm*>(form.get())) {
                QCOMPARE(section(run.out, QStringLiteral("[Rows]")).mid(0, graphRows), graphLines);
                QCOMPARE(run.out.mid(graphRows + 1), summary->totals().lines().mid(1));
                QCOMPARE(summary->rows().rowCount(), graphRows);
            } else {
                const ChartGridModel& grid = chart == QLatin1String("skiphit")
                                                 ? static_cast<TSkipForm*>(form.get())->grid()
                                                 : static_cast<TSequenceForm*>(form.get())->grid();
                QCOMPARE(grid.lines(chart == QLatin1String("sequence") ? 2 : 0), section(run.out, QString()));
                QCOMPARE(section(run.out, QStringLiteral("[Graph]")), graphLines);
            }

            // The graph reads the rows this window wrote.
            QString caption;
            int rows = -1;
            ScriptedModal modal([&](QDialog& dialog) {
                auto* graph = qobject_cast<TGraphWindow*>(&dialog);
                if (graph) {
                    caption = graph->windowTitle();
                    rows = graph->data().rowCount();
                }
                return int(QDialog::Rejected);
            });
            QTest::mouseClick(button(*form, "GraphBtn"), Qt::LeftButton);
            QCOMPARE(caption, graphCaption);
            QCOMPARE(rows, graphRows);
        }
        QVERIFY(prompts.shown.isEmpty());

        QString title;
        ScriptedModal modal;
        modal.expect<TReportSetupForm>([&title](TReportSetupForm* setup) {
            title = setup->windowTitle();
            setup->reject();
        });
        QPushButton* print = button(*form, "PrintBtn");
        QTest::mouseClick(print ? print : button(*form, "PrintButton"), Qt::LeftButton);
        QVERIFY(modal.allAnswered());
        QCOMPARE(title, setupTitle);
    }

    // A drawing whose number is not a number is named, never a crash, and leaves the grid empty.
    void aBadDrawingIsNamed() {
        TempHome home;
        ScriptedPrompts prompts;
        const QString file = LotteryBuilder(home.dataDir(), QStringLiteral("TS649"))
                                 .numbers(6, 49)
                                 .description(QStringLiteral("Test Lotto"))
                                 .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05", "06"})
                                 .drawing(QStringLiteral("01/02/2020"), {"01", "x2", "03", "04", "05", "06"})
                                 .build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(file);
        lottery.setDrawingCutoffCount(2);
        BonusForm bonusForm;
        TSkipForm form(lottery, bonusForm);
        form.show();
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY2(prompts.errors.first().contains(QStringLiteral("01/02/2020")) &&
                     prompts.errors.first().contains(QStringLiteral("P2")),
                 qPrintable(prompts.errors.first()));
        QCOMPARE(form.grid().rowCount(), 0);
        QVERIFY(!button(form, "GraphBtn")->isEnabled());
    }

    // The menu commands: the summary refuses too few drawings; the others reset the bonus option
    // and open their windows; every window has its help topic.
    void mainWindowCommands() {
        TempHome home;
        buildLottery(home);
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\r\nLOTTERY=CN649.DBF\r\n");
        ScriptedPrompts prompts;
        TMainForm main(home.dir());
        main.FormActivate();
        const auto trigger = [&main](const char* name) {
            QAction* command = main.findChild<QAction*>(QLatin1String(name));
            QVERIFY2(command && command->isEnabled(), name);
            command->trigger();
        };

        main.lottery().setDrawingCutoffCount(20);
        main.lottery().setHotNumberCutoff(60);
        trigger("DrawingSummaryChartGraph1");
        QCOMPARE(prompts.shown, QStringList{summaryRefusal()});
        main.lottery().setHotNumberCutoff(10);

        QStringList opened;
        ScriptedModal modal([&](QDialog& dialog) {
            opened << dialog.windowTitle() + QStringLiteral(" / bonus %1").arg(main.bonusForm().itemIndex());
            return int(QDialog::Accepted);
        });
        for (const char* name : {"DrawingSummaryChartGraph1", "HitSequenceChartGraph1",
                                 "RepeatingPairsChart1", "RepeatingTriplesChart1", "SkipandHitChartGraph1"}) {
            main.bonusForm().setItemIndex(2);
            trigger(name);
        }
        QCOMPARE(opened, (QStringList{"Drawing Summary Chart (Test Lotto) / bonus 0",
                                      "Hit Sequence Chart (Test Lotto) / bonus 0",
                                      "Repeating Pairs Chart / bonus 2", "Repeating Triples Chart / bonus 2",
                                      "Skip and Hit Chart (Test Lotto) / bonus 0"}));
        QCOMPARE(prompts.shown.size(), 1);
        for (int topic : {16, 134, 136, 138, 139, 260, 265, 278, 283})
            QVERIFY2(Help::hasTopic(topic), qPrintable(QString::number(topic)));
    }
};

QTEST_MAIN(TestChartForms)
#include "test_chart_forms.moc"
