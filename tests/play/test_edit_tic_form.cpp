// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "gui/help.h"
#include "gui/report_setup_form.h"
#include "lottery/current_lottery.h"
#include "play/edit_tic_form.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QByteArray kLotto = "5\r\n6\r\n7\r\nTest Lotto\r\n"
                          "010203040506\r\n"  // sum 21, odd 3
                          "102030404143\r\n"  // sum 184, odd 2
                          "020406081113\r\n"  // sum 44, odd 2
                          "050709111315\r\n"  // sum 60, odd 6
                          "222426283032\r\n"; // sum 162, odd 0

template <typename T> T* child(const QWidget& form, const QString& name) {
    T* widget = form.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QString text(const QWidget& form, const char* name) {
    if (auto* edit = form.findChild<QLineEdit*>(QLatin1String(name)))
        return edit->text();
    return child<QLabel>(form, QLatin1String(name))->text();
}

QStringList lines(const TEditTicForm& form) {
    QStringList out;
    const QAbstractItemModel* model = form.visibleList()->model();
    for (int i = 0; i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}

QStringList labels(const TEditTicForm& form) {
    QStringList out;
    for (const QString& line : lines(form))
        out << line.left(5);
    return out;
}

void setBox(TEditTicForm& form, const char* name, const QString& value, TicketFilter filter) {
    child<QLineEdit>(form, QLatin1String(name))->setText(value);
    form.FromToExit(filter);
}

struct Fixture {
    TempHome home;
    ScriptedPrompts prompts;
    CurrentLottery lottery;
    Fixture() { lottery.setHomeDir(home.dir()); }
    QString ticketFile(const QByteArray& bytes, const QString& name = QStringLiteral("T.tic")) {
        home.writeFile(name, bytes);
        return home.path(name);
    }
};

} // namespace

class TestEditTicForm final : public QObject {
    Q_OBJECT
private slots:
    void headerOnlyFile();
    void loadsAndShowsATicket();
    void drawingAverages();
    void otherLotteryHasNoAverages();
    void averagesReadOnlyTheRegularNumbers();
    void addsAndStoresATicket();
    void refusesAnEntryThatIsNotANumber();
    void deletesAndRenumbersOnLoad();
    void sumRangeIsInclusive();
    void filtersNarrowEachOther();
    void roundsTheBounds();
    void filterBoxesKeepTheKeys();
    void savesTheFilteredList();
    void cardGame();
    void printAndFailedSave();
    void deleteTicketFileCommand();
    void ticketsCommandOpensTheEditor();
};

void TestEditTicForm::headerOnlyFile() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile("0\r\n6\r\n7\r\nTest Lotto\r\n", QStringLiteral("E.tic")));
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Tickets (E.tic)"));
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("0 Tickets"));
    QCOMPARE(text(form, "FromSum"), QStringLiteral("10000"));
    QCOMPARE(text(form, "ToSum"), QStringLiteral("0"));
    QCOMPARE(text(form, "FromOdd"), QStringLiteral("100"));
    QCOMPARE(text(form, "ToOdd"), QStringLiteral("0"));
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(child<QLineEdit>(form, QStringLiteral("Edit%1").arg(i))->isVisible());
        QVERIFY(!child<QLineEdit>(form, QStringLiteral("Edit%1").arg(i))->isEnabled());
    }
    QVERIFY(!child<QLineEdit>(form, QStringLiteral("Edit7"))->isVisible());
    QCOMPARE(text(form, "TypeLabel"), QStringLiteral("Game Type: Pick 6"));
}

void TestEditTicForm::loadsAndShowsATicket() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile("1\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n"));
    form.show();
    QCOMPARE(lines(form), QStringList{QStringLiteral("00001. 05 12 23 34 41  07")});
    QCOMPARE(child<QGroupBox>(form, QStringLiteral("TicketGroup"))->title(), QStringLiteral("Ticket 1"));
    QCOMPARE(text(form, "Edit5"), QStringLiteral("41"));
    QCOMPARE(text(form, "Edit6"), QStringLiteral("07"));
    // The bonus never counts.
    QCOMPARE(text(form, "SumLabel"), QStringLiteral("Sum: 115"));
    QCOMPARE(text(form, "OddLabel"), QStringLiteral("Odd: 3"));
    QCOMPARE(text(form, "EvenLabel"), QStringLiteral("Even: 2"));
    QCOMPARE(text(form, "BonusLabel"), TicketKind({5, 8}).note());
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("1 Tickets"));
}

void TestEditTicForm::drawingAverages() {
    Fixture f;
    f.lottery.LoadLottery(LotteryBuilder(f.home.dataDir(), QStringLiteral("TS649"))
                              .numbers(6, 49)
                              .description(QStringLiteral("Test Lotto"))
                              .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05", "06"})
                              .drawing(QStringLiteral("01/02/2020"), {"10", "20", "30", "40", "41", "43"})
                              .drawing(QStringLiteral("01/03/2020"), {"02", "04", "06", "08", "11", "13"})
                              .build());
    f.lottery.setHotNumberCutoff(1);
    // min(DrawingCutoffCount 3, TotalDrawings 3 - HotNumberCutoff 1): the latest two drawings.
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    QVERIFY(child<QLabel>(form, QStringLiteral("AverageSumLabel"))->isVisible());
    QCOMPARE(text(form, "AverageSumLabel"), QStringLiteral("Drawing Average Sum: 114.0"));
    QCOMPARE(text(form, "AverageOddLabel"), QStringLiteral("Drawing Average Odd:  2.0"));
    // No drawing left outside the hot window: nothing to average, the labels stay hidden.
    f.lottery.setHotNumberCutoff(3);
    TEditTicForm none(f.lottery, f.ticketFile(kLotto));
    none.show();
    QVERIFY(!child<QLabel>(none, QStringLiteral("AverageSumLabel"))->isVisible());
}

void TestEditTicForm::otherLotteryHasNoAverages() {
    Fixture f;
    f.lottery.LoadLottery(LotteryBuilder(f.home.dataDir(), QStringLiteral("TS649"))
                              .numbers(6, 49)
                              .description(QStringLiteral("Test Lotto 2"))
                              .drawings(20)
                              .build());
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    QVERIFY(!child<QLabel>(form, QStringLiteral("AverageSumLabel"))->isVisible());
    QVERIFY(!child<QLabel>(form, QStringLiteral("AverageOddLabel"))->isVisible());
    QCOMPARE(lines(form).size(), 5);
}

// The bonus is never read, so a blank or odd bonus costs nothing; a drawing with an unreadable
// regular number is left out and the note says so, and the editor opens all the same.
void TestEditTicForm::averagesReadOnlyTheRegularNumbers() {
    Fixture f;
    f.lottery.LoadLottery(
        LotteryBuilder(f.home.dataDir(), QStringLiteral("TS649"))
            .numbers(7, 49, 1)
            .description(QStringLiteral("Test Lotto"))
            .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05", "06", ""})
            .drawing(QStringLiteral("01/02/2020"), {"10", "20", "30", "40", "41", "43", "X"})
            .drawing(QStringLiteral("01/03/2020"), {"02", "", "06", "08", "11", "13", "05"})
            .drawing(QStringLiteral("01/04/2020"), {"02", "04", "06", "08", "11", "13", "07"})
            .build());
    f.lottery.setHotNumberCutoff(0);
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    QCOMPARE(text(form, "AverageSumLabel"), QStringLiteral("Drawing Average Sum: 83.0")); // 249 / 3
    QCOMPARE(text(form, "AverageOddLabel"), QStringLiteral("Drawing Average Odd:  2.3")); // 7 / 3
    QVERIFY(child<QLabel>(form, QStringLiteral("AverageNoteLabel"))->isVisible());
    QCOMPARE(text(form, "AverageNoteLabel"),
             QStringLiteral("(1 drawing skipped: not all numbers could be read)"));
    QCOMPARE(lines(form).size(), 5);
}

void TestEditTicForm::addsAndStoresATicket() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    form.AddBtnClick();
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("6 Tickets"));
    QCOMPARE(lines(form).last(), QStringLiteral("00006. "));
    QCOMPARE(child<QGroupBox>(form, QStringLiteral("TicketGroup"))->title(), QStringLiteral("Ticket 6"));
    const QStringList typed{"7", "8", "45", "46", "47", "49"};
    for (int i = 0; i < typed.size(); ++i)
        child<QLineEdit>(form, QStringLiteral("Edit%1").arg(i + 1))->setText(typed.at(i));
    form.EditExit();
    QCOMPARE(lines(form).last(), QStringLiteral("00006. 07 08 45 46 47 49 "));
    QCOMPARE(text(form, "Edit1"), QStringLiteral("07"));
    QCOMPARE(text(form, "SumLabel"), QStringLiteral("Sum: 202"));
    QCOMPARE(text(form, "OddLabel"), QStringLiteral("Odd: 4"));
    // A complete ticket widens the current ranges: 21..184 becomes 21..202.
    QCOMPARE(text(form, "ToSum"), QStringLiteral("202"));
    QCOMPARE(text(form, "FromSum"), QStringLiteral("21"));
    // Left partly empty, it keeps the layout and does not widen the ranges.
    child<QLineEdit>(form, QStringLiteral("Edit6"))->clear();
    child<QLineEdit>(form, QStringLiteral("Edit2"))->setText(QStringLiteral("99"));
    form.EditExit();
    QCOMPARE(lines(form).last(), QStringLiteral("00006. 07 99 45 46 47    "));
    QCOMPARE(text(form, "ToSum"), QStringLiteral("202"));
}

void TestEditTicForm::refusesAnEntryThatIsNotANumber() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    child<QLineEdit>(form, QStringLiteral("Edit2"))->setText(QStringLiteral("x1"));
    form.EditExit();
    QCOMPARE(f.prompts.shown, QStringList{QStringLiteral("'x1' is not a valid integer value.")});
    QCOMPARE(lines(form).first(), QStringLiteral("00001. 01 02 03 04 05 06 "));
}

void TestEditTicForm::deletesAndRenumbersOnLoad() {
    Fixture f;
    const QString path = f.ticketFile(kLotto);
    {
        TEditTicForm form(f.lottery, path);
        form.show();
        form.visibleList()->setCurrentIndex(form.visibleList()->model()->index(1, 0));
        form.TicketListClick();
        form.DeleteBtnClick();
        QCOMPARE(labels(form), (QStringList{"00001", "00003", "00004", "00005"}));
        QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("4 Tickets"));
        // The line now at the deleted position is selected.
        QCOMPARE(child<QGroupBox>(form, QStringLiteral("TicketGroup"))->title(), QStringLiteral("Ticket 3"));
        form.visibleList()->setCurrentIndex(form.visibleList()->model()->index(3, 0));
        form.TicketListClick();
        form.DeleteBtnClick();
        QCOMPARE(child<QGroupBox>(form, QStringLiteral("TicketGroup"))->title(), QStringLiteral("Ticket 4"));
        f.prompts.fileNames.push_back(path);
        form.SaveBtnClick();
    }
    TEditTicForm again(f.lottery, path);
    again.show();
    QCOMPARE(labels(again), (QStringList{"00001", "00002", "00003"}));
    QCOMPARE(lines(again).at(1), QStringLiteral("00002. 02 04 06 08 11 13 "));
    again.DeleteBtnClick();
    again.DeleteBtnClick();
    again.DeleteBtnClick();
    QCOMPARE(text(again, "TicketsLabel"), QStringLiteral("0 Tickets"));
    QCOMPARE(text(again, "SumLabel"), QStringLiteral("Sum: 0"));
    QVERIFY(!child<QLineEdit>(again, QStringLiteral("Edit1"))->isEnabled());
}

void TestEditTicForm::sumRangeIsInclusive() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    child<QRadioButton>(form, QStringLiteral("SumRange"))->click();
    QVERIFY(child<QListView>(form, QStringLiteral("TicketList2"))->isVisible());
    QVERIFY(!child<QListView>(form, QStringLiteral("TicketList"))->isVisible());
    QCOMPARE(lines(form).size(), 5); // nothing removed until a box is left
    setBox(form, "FromSum", QStringLiteral("44"), TicketFilter::Sum);
    setBox(form, "ToSum", QStringLiteral("162"), TicketFilter::Sum);
    QCOMPARE(labels(form), (QStringList{"00003", "00004", "00005"}));
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("3 Tickets"));
    child<QRadioButton>(form, QStringLiteral("SumAll"))->click();
    QCOMPARE(lines(form).size(), 5);
    QCOMPARE(text(form, "FromSum"), QStringLiteral("21"));
    QCOMPARE(text(form, "ToSum"), QStringLiteral("184"));
    QVERIFY(child<QListView>(form, QStringLiteral("TicketList"))->isVisible());
}

void TestEditTicForm::filtersNarrowEachOther() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    child<QRadioButton>(form, QStringLiteral("SumRange"))->click();
    setBox(form, "FromSum", QStringLiteral("40"), TicketFilter::Sum);
    QCOMPARE(labels(form), (QStringList{"00002", "00003", "00004", "00005"}));
    // Clicking "Range" again changes nothing.
    child<QRadioButton>(form, QStringLiteral("SumRange"))->click();
    QCOMPARE(labels(form), (QStringList{"00002", "00003", "00004", "00005"}));
    child<QRadioButton>(form, QStringLiteral("OddRange"))->click();
    setBox(form, "FromOdd", QStringLiteral("1"), TicketFilter::Odd);
    QCOMPARE(labels(form), (QStringList{"00002", "00003", "00004"}));
    // Widening the sum range again brings nothing back.
    setBox(form, "FromSum", QStringLiteral("0"), TicketFilter::Sum);
    QCOMPARE(labels(form), (QStringList{"00002", "00003", "00004"}));
    // "All" on one filter keeps the filtered list as it is ...
    child<QRadioButton>(form, QStringLiteral("SumAll"))->click();
    QCOMPARE(labels(form), (QStringList{"00002", "00003", "00004"}));
    QCOMPARE(text(form, "FromSum"), QStringLiteral("21"));
    // ... until a box of the filter still on "Range" is left: then it is rebuilt from all tickets.
    setBox(form, "ToOdd", QStringLiteral("6"), TicketFilter::Odd);
    QCOMPARE(labels(form), (QStringList{"00001", "00002", "00003", "00004"}));
    child<QRadioButton>(form, QStringLiteral("OddAll"))->click();
    QCOMPARE(lines(form).size(), 5);
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("5 Tickets"));
}

void TestEditTicForm::roundsTheBounds() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    child<QRadioButton>(form, QStringLiteral("SumRange"))->click();
    setBox(form, "FromSum", QStringLiteral("12.6"), TicketFilter::Sum);
    QCOMPARE(text(form, "FromSum"), QStringLiteral("13"));
    setBox(form, "ToSum", QStringLiteral("abc"), TicketFilter::Sum);
    QCOMPARE(f.prompts.shown, QStringList{QStringLiteral("'abc' is not a valid integer value.")});
    QCOMPARE(lines(form).size(), 5);
    setBox(form, "ToSum", QStringLiteral("20.4"), TicketFilter::Sum);
    QCOMPARE(text(form, "TicketsLabel"), QStringLiteral("0 Tickets"));
    QCOMPARE(text(form, "SumLabel"), QStringLiteral("Sum: 0"));
    QCOMPARE(child<QGroupBox>(form, QStringLiteral("TicketGroup"))->title(), QString());
}

// Typed From, Tab, To, Tab, as a user would: the keys must stay in the filter boxes and the dialog
// must keep its size when the filtered list takes the place of the full one.
void TestEditTicForm::filterBoxesKeepTheKeys() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize size = form.size();
    child<QRadioButton>(form, QStringLiteral("SumRange"))->click();
    QApplication::processEvents();
    QCOMPARE(form.size(), size);
    auto* from = child<QLineEdit>(form, QStringLiteral("FromSum"));
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, QStringLiteral("40"));
    QTest::keyClick(from, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(form, QStringLiteral("ToSum")));
    QWidget* to = QApplication::focusWidget();
    QTest::keyClick(to, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(to, QStringLiteral("100"));
    QTest::keyClick(to, Qt::Key_Tab);
    QCOMPARE(text(form, "ToSum"), QStringLiteral("100"));
    QCOMPARE(lines(form), (QStringList{"00003. 02 04 06 08 11 13 ", "00004. 05 07 09 11 13 15 "}));
    QCOMPARE(text(form, "Edit1"), QStringLiteral("02"));
}

void TestEditTicForm::savesTheFilteredList() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    child<QRadioButton>(form, QStringLiteral("OddRange"))->click();
    setBox(form, "ToOdd", QStringLiteral("2"), TicketFilter::Odd);
    setBox(form, "FromOdd", QStringLiteral("2"), TicketFilter::Odd);
    f.prompts.fileNames.push_back(f.home.path(QStringLiteral("Two.tic")));
    form.SaveBtnClick();
    QCOMPARE(f.prompts.fileDialogs.last().fileName, QStringLiteral("T.tic"));
    QCOMPARE(f.prompts.fileDialogs.last().directory, f.home.dir());
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Tickets (Two.tic)"));
    QCOMPARE(f.home.readFile(QStringLiteral("Two.tic")),
             QByteArray("2\r\n6\r\n7\r\nTest Lotto\r\n102030404143\r\n020406081113\r\n"));
}

void TestEditTicForm::cardGame() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile("1\r\n5\r\n9\r\nQuinto\r\n0AC10H0QS02D05H\r\n"));
    form.show();
    QVERIFY(!child<QGroupBox>(form, QStringLiteral("SumFilter"))->isVisible());
    QVERIFY(!child<QGroupBox>(form, QStringLiteral("OddFilter"))->isVisible());
    QVERIFY(!child<QLabel>(form, QStringLiteral("AverageSumLabel"))->isVisible());
    QVERIFY(!child<QLabel>(form, QStringLiteral("SumLabel"))->isVisible());
    QCOMPARE(text(form, "TypeLabel"), QStringLiteral("Game Type: Quinto"));
    QCOMPARE(lines(form).first(), QStringLiteral("00001. 0AC 10H 0QS 02D 05H "));
    child<QLineEdit>(form, QStringLiteral("Edit1"))->setText(QStringLiteral("ah"));
    child<QLineEdit>(form, QStringLiteral("Edit2"))->setText(QStringLiteral("10d"));
    form.EditExit();
    QCOMPARE(text(form, "Edit1"), QStringLiteral("0AH"));
    QCOMPARE(lines(form).first(), QStringLiteral("00001. 0AH 10D 0QS 02D 05H "));
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestEditTicForm::printAndFailedSave() {
    Fixture f;
    TEditTicForm form(f.lottery, f.ticketFile(kLotto));
    form.show();
    QString title;
    ScriptedModal modal;
    modal.expect<TReportSetupForm>([&title](TReportSetupForm* setup) {
        title = setup->windowTitle();
        setup->reject();
    });
    QTest::mouseClick(child<QPushButton>(form, QStringLiteral("PrintBtn")), Qt::LeftButton);
    QVERIFY(modal.allAnswered());
    QCOMPARE(title, QStringLiteral("Print Tickets Setup"));
    // A folder of that name cannot be written: the message is shown and the file opened stays.
    QVERIFY(QDir(f.home.dir()).mkdir(QStringLiteral("Folder.tic")));
    f.prompts.fileNames.push_back(f.home.path(QStringLiteral("Folder.tic")));
    form.SaveBtnClick();
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY2(f.prompts.shown.first().contains(QStringLiteral("Folder.tic")),
             qPrintable(f.prompts.shown.first()));
    QCOMPARE(f.home.readFile(QStringLiteral("T.tic")), kLotto);
}

void TestEditTicForm::deleteTicketFileCommand() {
    Fixture f;
    const QString path = f.ticketFile(kLotto, QStringLiteral("Old.tic"));
    TMainForm main(f.home.dir());
    QAction* command = main.findChild<QAction*>(QStringLiteral("DeleteTicketFile1"));
    QVERIFY(command);
    f.prompts.fileNames = {path, path};
    f.prompts.confirmations = {false, true};
    command->trigger();
    QVERIFY(QFile::exists(path));
    command->trigger();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(f.prompts.fileDialogs.first().title, QStringLiteral("Delete Ticket File"));
    QCOMPARE(f.prompts.shown,
             (QStringList{QStringLiteral("Are you sure you want to delete the file Old.tic?"),
                          QStringLiteral("Are you sure you want to delete the file Old.tic?"),
                          QStringLiteral("Old.tic has been deleted.")}));
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("Tickets1"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+T")));
}

void TestEditTicForm::ticketsCommandOpensTheEditor() {
    Fixture f;
    const QString path = f.ticketFile(kLotto, QStringLiteral("Mine.tic"));
    TMainForm main(f.home.dir());
    // The Edit menu works on an open lottery.
    main.lottery().LoadLottery(LotteryBuilder(f.home.dataDir(), QStringLiteral("TS649"))
                                   .numbers(6, 49)
                                   .description(QStringLiteral("Test Lotto"))
                                   .drawings(20)
                                   .build());
    f.prompts.fileNames = {path};
    QString caption;
    int tickets = 0;
    bool averages = false;
    ScriptedModal modal;
    modal.expect<TEditTicForm>([&](TEditTicForm* form) {
        caption = form->windowTitle();
        tickets = form->visibleList()->model()->rowCount();
        averages = form->findChild<QLabel*>(QStringLiteral("AverageSumLabel"))->isVisible();
        form->reject();
    });
    main.findChild<QAction*>(QStringLiteral("Tickets1"))->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(caption, QStringLiteral("Edit Tickets (Mine.tic)"));
    QCOMPARE(tickets, 5);
    QVERIFY(averages);
    const FileDialogSpec& dialog = f.prompts.fileDialogs.first();
    QCOMPARE(dialog.title, QStringLiteral("Edit Ticket File"));
    QCOMPARE(dialog.fileName, QStringLiteral("*.tic"));
    QCOMPARE(dialog.directory, f.home.dir());
    QVERIFY(Help::hasTopic(dialog.helpContext));
    // A file that is not a ticket file is refused with its message; no editor opens.
    f.home.writeFile(QStringLiteral("Bad.tic"), "x\r\n");
    f.prompts.fileNames = {f.home.path(QStringLiteral("Bad.tic"))};
    main.findChild<QAction*>(QStringLiteral("Tickets1"))->trigger();
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY(f.prompts.shown.first().contains(QStringLiteral("Bad.tic is not a valid ticket file")));
}

QTEST_MAIN(TestEditTicForm)
#include "test_edit_tic_form.moc"
