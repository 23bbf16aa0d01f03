// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel editor, the wheel chooser and the main window's three wheel commands.
#include "app/main_form.h"
#include "db/vantoro_error.h"
#include "lottery/current_lottery.h"
#include "lottery/lottery_definition.h"
#include "play/open_wheel_form.h"
#include "play/wheel_form.h"
#include "play/wheel_generate_form.h"
#include "play/wheel_page.h"
#include "play/wheel_verifier.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

QLineEdit* box(QWidget& form, const char* name) {
    return form.findChild<QLineEdit*>(QLatin1String(name));
}

// Types into a header box and leaves it, as the user's Tab would.
void type(QWidget& form, const char* name, const QString& text) {
    QLineEdit* edit = box(form, name);
    edit->setText(text);
    Q_EMIT edit->editingFinished();
}

void click(QWidget& form, const char* name) {
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

QTableWidget* grid(QWidget& form) {
    return form.findChild<QTableWidget*>(QStringLiteral("GamesGrid"));
}

void setCell(QWidget& form, int row, int column, const QString& text) {
    grid(form)->setItem(row, column, new QTableWidgetItem(text));
}

QString cell(QWidget& form, int row, int column) {
    const QTableWidgetItem* item = grid(form)->item(row, column);
    return item ? item->text() : QString();
}

void fillHeader(QWidget& form, const QString& p, const QString& k, const QString& t, const QString& m,
                const QString& c) {
    type(form, "NumbersPerTicket", p);
    type(form, "Numbers", k);
    type(form, "Tickets", t);
    type(form, "Match", m);
    type(form, "Correct", c);
}

} // namespace

class TestWheelForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newModeGridFollowsTheBoxes() {
        TempHome home;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        QCOMPARE(form.windowTitle(), QStringLiteral("New Wheeling System File"));
        QVERIFY(!grid(form)->isEnabled());
        type(form, "NumbersPerTicket", QStringLiteral("3"));
        QCOMPARE(grid(form)->columnCount(), 4);
        QVERIFY(!grid(form)->isEnabled());
        type(form, "Tickets", QStringLiteral("2"));
        QVERIFY(grid(form)->isEnabled());
        QCOMPARE(grid(form)->rowCount(), 2);
        QCOMPARE(cell(form, 1, 0), QStringLiteral("0002."));
        QVERIFY(grid(form)->columnWidth(0) >= 40);
        QVERIFY(grid(form)->columnWidth(1) >= 20);
        QCOMPARE(grid(form)->columnWidth(3), grid(form)->columnWidth(1));
        // Cells already typed stay where they are when the grid grows.
        setCell(form, 1, 2, QStringLiteral("5"));
        type(form, "NumbersPerTicket", QStringLiteral("4"));
        type(form, "Tickets", QStringLiteral("3"));
        QCOMPARE(cell(form, 1, 2), QStringLiteral("5"));
        QCOMPARE(cell(form, 2, 0), QStringLiteral("0003."));
        // A zero ticket count leaves the grid as it was.
        type(form, "Tickets", QStringLiteral("0"));
        QCOMPARE(grid(form)->rowCount(), 3);
    }

    // A wheel is typed as digits and Tabs, line after line; the label column must never take a key.
    void tabTypesLineAfterLine() {
        TempHome home;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        fillHeader(form, QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("3"),
                   QStringLiteral("3"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTableWidget* games = grid(form);
        games->setFocus();
        games->setCurrentCell(0, 1);
        for (const QChar key : QStringLiteral("1 2 3 2 3 4 ")) {
            QWidget* target = QApplication::focusWidget();
            QVERIFY(target);
            if (key == QLatin1Char(' '))
                QTest::keyClick(target, Qt::Key_Tab);
            else
                QTest::keyClicks(target, QString(key));
        }
        QCOMPARE((QStringList{cell(form, 0, 1), cell(form, 0, 2), cell(form, 0, 3)}),
                 (QStringList{"1", "2", "3"}));
        QCOMPARE((QStringList{cell(form, 1, 1), cell(form, 1, 2), cell(form, 1, 3)}),
                 (QStringList{"2", "3", "4"}));
        QCOMPARE(cell(form, 1, 0), QStringLiteral("0002."));
        // Back from a line's first number goes to the end of the line before; Left stops at it.
        games->setCurrentCell(1, 1);
        QTest::keyClick(games, Qt::Key_Backtab);
        QCOMPARE(games->currentColumn(), 3);
        QCOMPARE(games->currentRow(), 0);
        games->setCurrentCell(1, 1);
        QTest::keyClick(games, Qt::Key_Left);
        QCOMPARE(games->currentColumn(), 1);
    }

    void validationNamesTheFirstEmptyBox_data() {
        QTest::addColumn<int>("filled");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << 0 << "Please enter the number of numbers per ticket.";
        QTest::newRow("P") << 1 << "Please enter the number of numbers.";
        QTest::newRow("P K") << 2 << "Please enter the number of tickets.";
        QTest::newRow("P K T") << 3 << "Please enter the number of numbers to match.";
        QTest::newRow("P K T M") << 4 << "Please enter the number of correct numbers.";
    }
    void validationNamesTheFirstEmptyBox() {
        QFETCH(int, filled);
        QFETCH(QString, message);
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        const char* names[] = {"NumbersPerTicket", "Numbers", "Tickets", "Match", "Correct"};
        for (int i = 0; i < filled; ++i)
            type(form, names[i], QStringLiteral("3"));
        click(form, "SaveBtn");
        click(form, "PrintBtn");
        QCOMPARE(prompts.shown, (QStringList{message, message}));
        QVERIFY(prompts.fileDialogs.isEmpty());
    }

    void saveProposesThePatternOfTheWheel_data() {
        QTest::addColumn<QString>("match");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("filter");
        QTest::newRow("full") << "6"
                              << "6"
                              << "F06"
                              << "Full wheels (*.F06)";
        QTest::newRow("abbreviated") << "3"
                                     << "4"
                                     << "A06"
                                     << "Abbreviated wheels (*.A06)";
        QTest::newRow("M = P only") << "6"
                                    << "5"
                                    << "A06"
                                    << "Abbreviated wheels (*.A06)";
    }
    void saveProposesThePatternOfTheWheel() {
        QFETCH(QString, match);
        QFETCH(QString, correct);
        QFETCH(QString, extension);
        QFETCH(QString, filter);
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        fillHeader(form, QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("1"), match, correct);
        const QStringList cells{"1", "2", "3", "4", "5", "7"};
        for (int column = 1; column <= 6; ++column)
            setCell(form, 0, column, cells.at(column - 1));
        const QString target = home.path(QStringLiteral("wheels/MINE.") + extension);
        prompts.fileNames.push_back(target);
        click(form, "SaveBtn");
        QCOMPARE(prompts.fileDialogs.size(), 1);
        const FileDialogSpec& dialog = prompts.fileDialogs.first();
        QCOMPARE(dialog.title, QStringLiteral("Save Wheeling System File"));
        QCOMPARE(dialog.defaultSuffix, extension);
        QCOMPARE(dialog.fileName, QStringLiteral("*.") + extension);
        QCOMPARE(dialog.filter, filter);
        QCOMPARE(dialog.directory, home.path(QStringLiteral("wheels")));
        QVERIFY(dialog.confirmOverwrite);
        QCOMPARE(home.readFile(QStringLiteral("wheels/MINE.") + extension),
                 QByteArray("6\r\n7\r\n1\r\n") + match.toLatin1() + "\r\n" + correct.toLatin1() +
                     "\r\n010203040507\r\n");
    }

    void cancelledSaveWritesNothing() {
        TempHome home;
        ScriptedPrompts prompts;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        fillHeader(form, QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("3"),
                   QStringLiteral("3"));
        for (int column = 1; column <= 3; ++column)
            setCell(form, 0, column, QString::number(column));
        prompts.fileNames.push_back(QString());
        click(form, "SaveBtn");
        QCOMPARE(prompts.fileDialogs.size(), 1);
        QVERIFY(QDir(home.path(QStringLiteral("wheels"))).isEmpty());
    }

    // A cell that is empty, too long, not a number or not a position of the wheel would be
    // written as "00" or shift the fixed layout: Save refuses it by line and number and writes
    // nothing, in edit mode the old file stays as it was, in new mode no file name is asked for.
    void saveRefusesACellItCannotWrite_data() {
        QTest::addColumn<bool>("newMode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << false << ""
                               << "Line 2, number 3 is empty.";
        QTest::newRow("blank, new wheel") << true << " "
                                          << "Line 2, number 3 is empty.";
        QTest::newRow("three characters") << false << "123"
                                          << "Line 2, number 3: \"123\" is not a position from 1 to 5.";
        QTest::newRow("zero") << false << "0"
                              << "Line 2, number 3: \"0\" is not a position from 1 to 5.";
        QTest::newRow("above K") << true << "6"
                                 << "Line 2, number 3: \"6\" is not a position from 1 to 5.";
        QTest::newRow("not a number") << false << "4x"
                                      << "Line 2, number 3: \"4x\" is not a position from 1 to 5.";
    }
    void saveRefusesACellItCannotWrite() {
        QFETCH(bool, newMode);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TempHome home;
        ScriptedPrompts prompts;
        const QByteArray old = "3\r\n05\r\n2\r\n2\r\n3\r\n010203\r\n030405\r\n";
        home.writeFile(QStringLiteral("wheels/W.A03"), old);
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")),
                        newMode ? TWheelForm::Mode::New : TWheelForm::Mode::Edit);
        form.LoadWheel(home.path(QStringLiteral("wheels/W.A03")));
        setCell(form, 1, 3, text);
        prompts.fileNames.push_back(home.path(QStringLiteral("wheels/NEW.A03")));
        click(form, "SaveBtn");
        QCOMPARE(prompts.shown, QStringList{message});
        QVERIFY(prompts.fileDialogs.isEmpty());
        QCOMPARE(home.readFile(QStringLiteral("wheels/W.A03")), old);
        QCOMPARE(QDir(home.path(QStringLiteral("wheels"))).entryList(QDir::Files), QStringList{"W.A03"});
        QCOMPARE(grid(form)->currentRow(), 1);
        QCOMPARE(grid(form)->currentColumn(), 3);
    }

    // The Fano plane less its line 1 2 3 as typed, then with it: the holes named, then the guarantee
    // kept; and the coverage table of the whole plane.
    void verifyAndCoverageOfTheGrid() {
        TempHome home;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        fillHeader(form, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("2"),
                   QStringLiteral("2"));
        const QStringList lines{"1 4 5", "1 6 7", "2 4 6", "2 5 7", "3 4 7", "3 5 6", "1 2 3"};
        for (int row = 0; row < 6; ++row)
            for (int column = 1; column <= 3; ++column)
                setCell(form, row, column, lines.at(row).split(QLatin1Char(' ')).at(column - 1));
        ScriptedPrompts prompts;
        // The seventh row is still empty: refused as Save refuses it.
        click(form, "VerifyBtn");
        QCOMPARE(prompts.shown, QStringList{"Line 7, number 1 is empty."});
        // The same row with a repeated position: a ticket of two numbers.
        for (int column = 1; column <= 3; ++column)
            setCell(form, 6, column, QStringLiteral("4"));
        click(form, "VerifyBtn");
        QCOMPARE(prompts.shown.size(), 2);
        QCOMPARE(
            prompts.shown.last(),
            QStringLiteral("The wheel does not keep the guarantee if 2 numbers played are correct, at "
                           "least 1 ticket will match 2 numbers: 3 of the 21 draws of 2 numbers are holes, "
                           "matched by no ticket in 2 numbers.\nThe first holes:\n01 02\n01 03\n02 03"));
        for (int column = 1; column <= 3; ++column)
            setCell(form, 6, column, QString::number(column));
        click(form, "VerifyBtn");
        QCOMPARE(prompts.shown.last(),
                 QStringLiteral("The wheel keeps its guarantee: if 2 numbers played are correct, at least 1 "
                                "ticket will match 2 numbers. All 21 draws of 2 numbers were checked."));

        ScriptedModal modal;
        modal.expect<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("TWheelCoverageForm"));
            const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("CoverageGrid"));
            QVERIFY(table);
            // Drawn counts 1 to 3 (P = 3), then Draws and 1 to 3 matches.
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(table->columnCount(), 4);
            QCOMPARE(table->item(2, 0)->text(), QStringLiteral("35"));
            QCOMPARE(table->item(2, 2)->text(), QStringLiteral("100%"));
            QCOMPARE(table->item(2, 3)->text(), QStringLiteral("20.00%"));
            QVERIFY(!table->item(0, 2));
        });
        click(form, "CoverageBtn");
        QVERIFY(modal.allAnswered());
        QCOMPARE(prompts.shown.size(), 3);
    }

    // Generate runs off the window's thread and hands its wheel to the grid, header and all; the
    // grid then verifies as the editor's own check sees it.
    void generateFillsTheGrid() {
        TempHome home;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        ScriptedModal modal;
        modal.expect<TWheelGenerateForm>([](TWheelGenerateForm* dialog) {
            const QList<std::pair<const char*, int>> values{
                {"Numbers", 12}, {"PerTicket", 6}, {"Match", 2}, {"Correct", 2}, {"Seconds", 60}};
            for (const auto& [name, value] : values)
                dialog->findChild<QSpinBox*>(QLatin1String(name))->setValue(value);
            click(*dialog, "GenerateBtn");
            QVERIFY(dialog->running());
            QVERIFY(!dialog->findChild<QSpinBox*>(QStringLiteral("Numbers"))->isEnabled());
            // Six tickets is the least there can be, so the search ends there well within its minute.
            QTRY_COMPARE_WITH_TIMEOUT(dialog->result(), int(QDialog::Accepted), 30'000);
            QCOMPARE(dialog->findChild<QProgressBar*>(QStringLiteral("ProgressBar"))->value(), 100);
        });
        click(form, "GenerateBtn");
        QVERIFY(modal.allAnswered());
        QCOMPARE(box(form, "NumbersPerTicket")->text(), QStringLiteral("6"));
        QCOMPARE(box(form, "Numbers")->text(), QStringLiteral("12"));
        QCOMPARE(box(form, "Tickets")->text(), QStringLiteral("6"));
        QCOMPARE(box(form, "Match")->text(), QStringLiteral("2"));
        QCOMPARE(box(form, "Correct")->text(), QStringLiteral("2"));
        QCOMPARE(grid(form)->rowCount(), 6);
        QCOMPARE(grid(form)->columnCount(), 7);
        ScriptedPrompts prompts;
        click(form, "VerifyBtn");
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY2(prompts.shown.first().startsWith(QStringLiteral("The wheel keeps its guarantee")),
                 qPrintable(prompts.shown.first()));
    }

    // The guarantee typed in the editor is the one offered; Cancel during the search stops it and
    // keeps the best wheel so far instead of throwing it away.
    void generateCancelKeepsTheBestSoFar() {
        TempHome home;
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::New);
        fillHeader(form, QStringLiteral("6"), QStringLiteral("20"), QString(), QStringLiteral("3"),
                   QStringLiteral("6"));
        int found = 0;
        ScriptedModal modal;
        modal.expect<TWheelGenerateForm>([&found](TWheelGenerateForm* dialog) {
            const WheelMakeRequest asked = dialog->request();
            QCOMPARE(asked.numbers, 20);
            QCOMPARE(asked.perTicket, 6);
            QCOMPARE(asked.match, 3);
            QCOMPARE(asked.correct, 6);
            dialog->findChild<QSpinBox*>(QStringLiteral("Seconds"))->setValue(600);
            click(*dialog, "GenerateBtn");
            auto* best = dialog->findChild<QLabel*>(QStringLiteral("BestLabel"));
            QTRY_VERIFY_WITH_TIMEOUT(best->text().startsWith(QStringLiteral("Best so far: ")), 30'000);
            click(*dialog, "CancelBtn");
            QTRY_COMPARE_WITH_TIMEOUT(dialog->result(), int(QDialog::Accepted), 30'000);
            found = int(dialog->wheel().rows.size());
        });
        click(form, "GenerateBtn");
        QVERIFY(modal.allAnswered());
        QVERIFY(found > 0);
        QCOMPARE(grid(form)->rowCount(), found);
        QCOMPARE(box(form, "Tickets")->text(), QString::number(found));
        const WheelFile shown = form.wheel();
        QVERIFY(WheelVerifier::fromFile(shown, QStringLiteral("grid")).check(3, 6).holds());
    }

    void editModeLoadsAndRewritesInPlace() {
        TempHome home;
        ScriptedPrompts prompts;
        home.writeFile(QStringLiteral("wheels/W.A03"), "3\r\n05\r\n2\r\n2\r\n3\r\n010203\r\n030405\r\n");
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::Edit);
        form.LoadWheel(home.path(QStringLiteral("wheels/W.A03")));
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Wheeling System File"));
        QVERIFY(grid(form)->isEnabled());
        QCOMPARE(grid(form)->columnCount(), 4);
        QCOMPARE(grid(form)->rowCount(), 2);
        QCOMPARE(box(form, "Numbers")->text(), QStringLiteral("05"));
        QCOMPARE(cell(form, 1, 3), QStringLiteral("05"));
        QCOMPARE(cell(form, 0, 0), QStringLiteral("0001."));
        setCell(form, 1, 1, QStringLiteral("2"));
        click(form, "SaveBtn");
        QVERIFY(prompts.fileDialogs.isEmpty());
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(home.readFile(QStringLiteral("wheels/W.A03")),
                 QByteArray("3\r\n05\r\n2\r\n2\r\n3\r\n010203\r\n020405\r\n"));
    }

    void irregularLinesAreLoadedAndReported() {
        TempHome home;
        ScriptedPrompts prompts;
        home.writeFile(QStringLiteral("wheels/ODD.A03"), "3\r\n5\r\n3\r\n2\r\n3\r\n0102\r\n01020304\r\n");
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::Edit);
        form.LoadWheel(home.path(QStringLiteral("wheels/ODD.A03")));
        QCOMPARE(cell(form, 0, 2), QStringLiteral("02"));
        QCOMPARE(cell(form, 0, 3), QString());
        QCOMPARE(cell(form, 1, 3), QStringLiteral("03"));
        QCOMPARE(grid(form)->rowCount(), 3);
        form.show();
        QTRY_COMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown.first(), QStringLiteral("ODD.A03 is not a regular wheel:\n"
                                                       "Line 6 holds 2 positions instead of 3.\n"
                                                       "Line 7 holds 4 positions instead of 3.\n"
                                                       "The file holds 2 tickets; line 3 says 3."));
    }

    void hostileHeadersAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("millions of tickets") << QByteArray("3\r\n5\r\n5000000\r\n2\r\n3\r\n010203\r\n");
        QTest::newRow("huge P") << QByteArray("100000\r\n5\r\n1\r\n2\r\n3\r\n010203\r\n");
        QTest::newRow("junk") << QByteArray("\x01\x02\xff\r\n\r\n\r\n\r\n\r\n", 13);
    }
    void hostileHeadersAreRefused() {
        QFETCH(QByteArray, bytes);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/X.A03"), bytes);
        CurrentLottery lottery;
        TWheelForm form(lottery, home.path(QStringLiteral("wheels")), TWheelForm::Mode::Edit);
        QVERIFY_THROWS_EXCEPTION(VantoroError, form.LoadWheel(home.path(QStringLiteral("wheels/X.A03"))));
    }

    void chooserListsEntriesInNameOrder() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/b.F06"), "6\r\n7\r\n7\r\n6\r\n6\r\n");
        home.writeFile(QStringLiteral("wheels/A.A06"), "6\r\n10\r\n30\r\n3\r\n4\r\n");
        home.writeFile(QStringLiteral("wheels/c.A05"), "5\r\n8\r\n9\r\n3\r\n3\r\n");
        TOpenWheelForm chooser(home.path(QStringLiteral("wheels")), QStringLiteral("*.?06"));
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Open Wheeling System"));
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Select a Wheeling System:"));
        auto* list = chooser.findChild<QListWidget*>(QStringLiteral("WheelList"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("10 numbers, 030 tickets 3/4  (A.A06)"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("07 numbers, 007 tickets 6/6  (b.F06)"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(chooser.selectedFile(), home.path(QStringLiteral("wheels/A.A06")));
        list->setCurrentRow(1);
        QCOMPARE(chooser.selectedFile(), home.path(QStringLiteral("wheels/b.F06")));

        TOpenWheelForm empty(home.path(QStringLiteral("wheels")), QStringLiteral("*.?10"));
        QVERIFY(empty.selectedFile().isEmpty());
    }

    // The list has the focus when the chooser opens: Return there and a double-click must both
    // choose the entry, not only the OK button.
    void chooserAcceptsFromTheList_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Return") << false;
        QTest::newRow("double-click") << true;
    }
    void chooserAcceptsFromTheList() {
        QFETCH(bool, doubleClick);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/A.A06"), "6\r\n10\r\n30\r\n3\r\n4\r\n");
        home.writeFile(QStringLiteral("wheels/b.F06"), "6\r\n7\r\n7\r\n6\r\n6\r\n");
        TOpenWheelForm chooser(home.path(QStringLiteral("wheels")), QStringLiteral("*.?06"));
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto* list = chooser.findChild<QListWidget*>(QStringLiteral("WheelList"));
        QCOMPARE(QApplication::focusWidget(), list);
        list->setCurrentRow(1);
        if (doubleClick) {
            const QPoint centre = list->visualItemRect(list->item(1)).center();
            // A real double-click is a press and release, then the double-click event.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        } else {
            QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.selectedFile(), home.path(QStringLiteral("wheels/b.F06")));
    }

    void deleteCommandAsksThenDeletes() {
        TempHome home;
        ScriptedPrompts prompts;
        home.writeFile(QStringLiteral("wheels/W.F03"), "3\r\n4\r\n4\r\n3\r\n3\r\n");
        home.writeFile(QStringLiteral("wheels/X.F03"), "3\r\n4\r\n4\r\n3\r\n3\r\n");
        TMainForm form(home.dir());
        prompts.confirmations = {false, true};
        for (int round = 0; round < 2; ++round) {
            ScriptedModal modal;
            modal.expect<TOpenWheelForm>([](TOpenWheelForm* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Delete Wheeling System File"));
                QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                         QStringLiteral("Select a Wheeling System to Delete:"));
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
            });
            form.findChild<QAction*>(QStringLiteral("DeleteWheelingSystemFile1"))->trigger();
            QVERIFY(modal.allAnswered());
            QCOMPARE(QFile::exists(home.path(QStringLiteral("wheels/W.F03"))), round == 0);
        }
        QCOMPARE(prompts.shown,
                 (QStringList{"Are you sure you want to delete the file W.F03?",
                              "Are you sure you want to delete the file W.F03?", "W.F03 has been deleted."}));
        QVERIFY(QFile::exists(home.path(QStringLiteral("wheels/X.F03"))));
    }

    void editCommandOpensTheChosenWheel() {
        TempHome home;
        ScriptedPrompts prompts;
        const QString name =
            LotteryBuilder(home.dataDir(), QStringLiteral("TS649")).numbers(7, 49, 1).build();
        home.writeFile(QStringLiteral("wheels/W.F05"), "5\r\n6\r\n6\r\n5\r\n5\r\n");
        home.writeFile(QStringLiteral("wheels/W.F06"), "6\r\n7\r\n1\r\n6\r\n6\r\n010203040506\r\n");
        TMainForm form(home.dir(), {name});
        form.FormActivate();
        ScriptedModal modal;
        modal.expect<TOpenWheelForm>([](TOpenWheelForm* dialog) {
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                     QStringLiteral("Select a Wheeling System to Edit:"));
            QCOMPARE(dialog->fileNames(), QStringList{"W.F06"});
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        });
        bool edited = false;
        modal.expect<TWheelForm>([&edited](TWheelForm* editor) {
            edited = !editor->newMode() && editor->path().endsWith(QLatin1String("W.F06"));
            editor->reject();
        });
        form.findChild<QAction*>(QStringLiteral("WheelingSystem1"))->trigger();
        QVERIFY(modal.allAnswered());
        QVERIFY(edited);
    }

    void wheelPageTypesByTicketSize_data() {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("typeEnabled");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("6 plus 1") << 7 << 7 << 1 << false << true << QStringList{"b.A06"};
        QTest::newRow("keno 20") << 3 << 20 << 0 << false << false << QStringList{"k.a10"};
        QTest::newRow("pick 3") << 5 << 3 << 0 << true << false << QStringList{"p.F03"};
        QTest::newRow("daily millions") << 1 << 6 << 0 << false << true << QStringList{"m.Adm"};
    }
    void wheelPageTypesByTicketSize() {
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(bool, full);
        QFETCH(bool, typeEnabled);
        QFETCH(QStringList, files);
        TempHome home;
        for (const char* name : {"a.F06", "b.A06", "k.a10", "k.F10", "p.F03", "p.A03", "m.Adm"})
            home.writeFile(QStringLiteral("wheels/") + QLatin1String(name), "3\r\n4\r\n4\r\n3\r\n3\r\n");
        LotteryDefinition lottery;
        lottery.GameType = static_cast<qint16>(gameType);
        lottery.NumbersDrawn = static_cast<qint16>(drawn);
        lottery.BonusNumbers = static_cast<qint16>(bonus);
        TWheelPage page(home.path(QStringLiteral("wheels")), lottery);
        QCOMPARE(page.fullChosen(), full);
        QCOMPARE(page.findChild<QGroupBox*>(QStringLiteral("WheelType"))->isEnabled(), typeEnabled);
        QCOMPARE(page.fileNames(), files);
        QCOMPARE(page.findChild<QListWidget*>(QStringLiteral("WheelList"))->currentRow(), 0);
        QVERIFY(page.selectedFile().endsWith(files.first()));
        QVERIFY(TWheelPage::wheelsAvailable(home.path(QStringLiteral("wheels")), lottery));
    }

    void wheelPageRefillsOnTypeChange() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/a.F06"), "6\r\n7\r\n7\r\n6\r\n6\r\n");
        LotteryDefinition lottery; // 6 of 42, no bonus
        TWheelPage page(home.path(QStringLiteral("wheels")), lottery);
        auto* list = page.findChild<QListWidget*>(QStringLiteral("WheelList"));
        // No abbreviated wheel for these tickets: the page opens on the full ones, not on an empty list.
        QVERIFY(page.fullChosen());
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("07 numbers, 007 tickets 6/6  (a.F06)"));
        page.findChild<QRadioButton*>(QStringLiteral("AbbreviatedBtn"))->click();
        QCOMPARE(list->count(), 0);
        QVERIFY(page.selectedFile().isEmpty());
        page.findChild<QRadioButton*>(QStringLiteral("FullBtn"))->click();
        QCOMPARE(list->count(), 1);

        // Only full wheels for a pick-3 game: an abbreviated one does not make the wheel choice possible.
        LotteryDefinition pick3;
        pick3.GameType = 5;
        pick3.NumbersDrawn = 3;
        QVERIFY(!TWheelPage::wheelsAvailable(home.path(QStringLiteral("wheels")), pick3));
        home.writeFile(QStringLiteral("wheels/p.A03"), "3\r\n4\r\n4\r\n2\r\n3\r\n");
        QVERIFY(!TWheelPage::wheelsAvailable(home.path(QStringLiteral("wheels")), pick3));
        home.writeFile(QStringLiteral("wheels/p.F03"), "3\r\n4\r\n4\r\n3\r\n3\r\n");
        QVERIFY(TWheelPage::wheelsAvailable(home.path(QStringLiteral("wheels")), pick3));
    }

    void newCommandInformsThenOpensANewEditor() {
        TempHome home;
        ScriptedPrompts prompts;
        TMainForm form(home.dir());
        ScriptedModal modal;
        modal.expect<TWheelForm>([](TWheelForm* editor) {
            QVERIFY(editor->newMode());
            QCOMPARE(editor->windowTitle(), QStringLiteral("New Wheeling System File"));
            editor->reject();
        });
        form.findChild<QAction*>(QStringLiteral("WheelingSystemFile1"))->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY(prompts.shown.first().contains(QLatin1String("Custom Wheeling Systems")));
    }
};

QTEST_MAIN(TestWheelForm)
#include "test_wheel_form.moc"
