// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "gui/help.h"
#include "gui/report_setup_form.h"
#include "lottery/current_lottery.h"
#include "play/edit_tic_form.h"
#include "play/random_source.h"
#include "play/smart_form.h"
#include "play/ticket_line.h"
#include "play/wheel_file.h"
#include "support/lottery_builder.h"
#include "support/pdf_pages.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

template <typename T> T* child(const QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString text(const QWidget& form, const char* name) {
    if (auto* edit = form.findChild<QLineEdit*>(QLatin1String(name)))
        return edit->text();
    return child<QLabel>(form, name)->text();
}

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

struct Fixture {
    TempHome home;
    ScriptedPrompts prompts;
    CurrentLottery lottery;
    explicit Fixture(int hotCutoff = 10, int drawingCutoff = 50) {
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(LotteryBuilder(home.dataDir(), QStringLiteral("TS649"))
                                .numbers(6, 49)
                                .description(QStringLiteral("Test Lotto"))
                                .drawings(80)
                                .build());
        lottery.setHotNumberCutoff(hotCutoff);
        lottery.setDrawingCutoffCount(drawingCutoff);
        WheelFile::full(8, 6).write(home.path(QStringLiteral("wheels/FULL08.F06")));
    }
};

} // namespace

class TestSmartForm final : public QObject {
    Q_OBJECT
private slots:
    void ownTicketsSavedPrintedAndEdited();
    void wheelCountsAreChecked();
    void menuCommandOpensTheWizard();
};

void TestSmartForm::ownTicketsSavedPrintedAndEdited() {
    Fixture f;
    TSmartForm form(f.lottery);
    form.setFixedSeed(777);
    form.show();
    QVERIFY(!child<QPushButton>(form, "PreviousBtn")->isEnabled());
    child<QSpinBox>(form, "NumberOfTickets")->setValue(10);
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), 2);
    QCOMPARE(text(form, "Label15"),
             QStringLiteral("Based on an analysis of previous drawings, it is recommended "
                            "that each ticket have the following breakdown:"));
    const SmartNumbers& smart = form.smartNumbers();
    const SmartCounts counts = smart.recommendedCounts(6, SmartFlow::OwnTickets);
    QCOMPARE(text(form, "HotPercent"), QStringLiteral("Hot Numbers:"));
    QCOMPARE(text(form, "DueLabel"), QStringLiteral("(%1%):").arg(smart.percentText(SmartDue)));
    QCOMPARE(text(form, "ColdText"), QString::number(counts[SmartCold]));
    QVERIFY(!child<QLineEdit>(form, "BonusText")->isVisible()); // a lotto game has no bonus column

    form.NextBtnClick();
    QCOMPARE(form.currentPage(), 3);
    QVERIFY(!child<QPushButton>(form, "NextBtn")->isEnabled());
    QVERIFY(f.prompts.shown.isEmpty());
    RandomSource random(777);
    const SmartTickets expected = makeOwnTickets(smart, counts, 10, QString(), random);
    auto* sortedList = child<QListWidget>(form, "TicketList2");
    QCOMPARE(form.visibleList(), sortedList);
    QCOMPARE(lines(sortedList), TicketLine::format(expected.kind, expected.sorted));
    child<QCheckBox>(form, "Sorted")->setChecked(false);
    QCOMPARE(form.visibleList(), child<QListWidget>(form, "TicketList"));
    QCOMPARE(lines(form.visibleList()), TicketLine::format(expected.kind, expected.pickOrder));
    QVERIFY(!child<QLabel>(form, "Label5")->isVisible());
    child<QCheckBox>(form, "Sorted")->setChecked(true);

    // Saved as the ticket editor reads it: the same lines.
    const QString saved = f.home.path(QStringLiteral("Smart.tic"));
    f.prompts.fileNames.push_back(saved);
    form.SaveButtonClick();
    QCOMPARE(f.prompts.fileDialogs.last().title, QStringLiteral("Save Ticket File"));
    TEditTicForm editor(f.lottery, saved);
    editor.show();
    QStringList edited;
    for (int i = 0; i < editor.visibleList()->model()->rowCount(); ++i)
        edited << editor.visibleList()->model()->index(i, 0).data().toString();
    QCOMPARE(edited, lines(sortedList));

    // Printed to a PDF file through the report's set-up window.
    const QString pdf = f.home.path(QStringLiteral("smart.pdf"));
    QString title;
    ScriptedModal modal;
    modal.expect<TReportSetupForm>([&](TReportSetupForm* setup) {
        title = setup->windowTitle();
        setup->FileRadio->setChecked(true);
        setup->FileNameEdit->setText(pdf);
        setup->accept();
    });
    form.PrintButtonClick();
    QVERIFY(modal.allAnswered());
    QCOMPARE(title, QStringLiteral("Print Tickets Setup"));
    QCOMPARE(pdfPageCount(pdf), 1);

    // Back to the counts: Next is offered again and a new run replaces the list.
    form.PreviousBtnClick();
    QCOMPARE(form.currentPage(), 2);
    QVERIFY(child<QPushButton>(form, "NextBtn")->isEnabled());
}

void TestSmartForm::wheelCountsAreChecked() {
    // A hot-number cutoff as large as the drawing cutoff leaves no cold or due numbers.
    Fixture f(5, 5);
    TSmartForm form(f.lottery);
    form.show();
    const SmartNumbers& smart = form.smartNumbers();
    QCOMPARE(smart.available(SmartCold) + smart.available(SmartDue), 0);
    const SmartCounts counts = smart.recommendedCounts(8, SmartFlow::Wheel);
    QVERIFY2(counts[SmartCold] + counts[SmartDue] > 0, "the study must find cold or due numbers in the past");

    child<QRadioButton>(form, "WheelTicketsBtn")->setChecked(true);
    QVERIFY(!child<QSpinBox>(form, "NumberOfTickets")->isEnabled());
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), 1);
    child<QRadioButton>(form, "FullBtn")->setChecked(true);
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), 2);
    // The recommendation asks for cold or due numbers there are none of: refused as the page opens.
    QVERIFY(f.prompts.shown.contains(QStringLiteral(
                "You have entered a value greater than the number of Cold numbers that are available.")) ||
            f.prompts.shown.contains(QStringLiteral(
                "You have entered a value greater than the number of Due numbers that are available.")));
    QCOMPARE(text(form, "ColdText"), QStringLiteral("0"));
    QCOMPARE(text(form, "DueText"), QStringLiteral("0"));
    QVERIFY(text(form, "Label15").endsWith(QStringLiteral("play the following 8 numbers:")));

    f.prompts.shown.clear();
    form.NextBtnClick();
    QCOMPARE(f.prompts.shown, QStringList{QStringLiteral("You must select a minimum of 8 numbers.")});
    const int hot = smart.available(SmartHot);
    QVERIFY(hot >= 8);
    child<QLineEdit>(form, "PriorText")->setText(QStringLiteral("1"));
    child<QLineEdit>(form, "HotText")->setText(QStringLiteral("8"));
    form.NextBtnClick();
    QCOMPARE(f.prompts.shown.last(),
             QStringLiteral(
                 "You have selected more numbers than are in the wheel. You must select only 8 numbers."));
    QCOMPARE(form.currentPage(), 2);
    // The label lists the numbers the wheel will play.
    child<QLineEdit>(form, "HotText")->setText(QStringLiteral("7"));
    QCOMPARE(text(form, "HotLabel"),
             smart.lists[SmartHot].mid(0, 7).join(QLatin1Char(' ')) + QLatin1Char(' '));
    child<QLineEdit>(form, "PriorText")->clear();
    QCOMPARE(text(form, "PriorLabel"), QString());
    form.NextBtnClick();
    QCOMPARE(f.prompts.shown.last(), QStringLiteral("'' is not a valid integer value."));
    child<QLineEdit>(form, "PriorText")->setText(QStringLiteral("1"));
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), 3);
    QCOMPARE(text(form, "Label5"),
             QStringLiteral("If 6 numbers played are correct, at least 1 ticket will match 6 numbers"));
    QCOMPARE(text(form, "Label7"),
             smart.chosenNumbers({7, 1, 0, 0}).join(QLatin1Char(' ')) + QLatin1Char(' '));
    QVERIFY(child<QLabel>(form, "Label7")->isVisible());
    QCOMPARE(form.visibleList()->count(), 28);
}

void TestSmartForm::menuCommandOpensTheWizard() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm main(home.dir());
    main.lottery().LoadLottery(
        LotteryBuilder(home.dataDir(), QStringLiteral("TS649")).numbers(6, 49).drawings(30).build());
    QAction* command = main.findChild<QAction*>(QStringLiteral("SmartNumbers1"));
    QVERIFY(command);
    QCOMPARE(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QString page;
    ScriptedModal modal;
    modal.expect<TSmartForm>([&](TSmartForm* form) {
        page = form->findChild<QLabel*>(QStringLiteral("PageTitle"))->text();
        form->reject();
    });
    command->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(page, QStringLiteral("Select Ticket Method"));
    QVERIFY(Help::hasTopic(135));
}

QTEST_MAIN(TestSmartForm)
#include "test_smart_form.moc"
