// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "db/dbf_table.h"
#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "drawings/calendar_form.h"
#include "drawings/drawing_import.h"
#include "drawings/drawing_list.h"
#include "drawings/drawing_list_printout.h"
#include "drawings/drawing_search_printout.h"
#include "drawings/drawings_form.h"
#include "drawings/drawings_form_rules.h"
#include "drawings/list_box_horz.h"
#include "drawings/print_options.h"
#include "drawings/search_form.h"
#include "drawings/srch_list_form.h"
#include "gui/help.h"
#include "gui/report_setup_form.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "report/recording_canvas.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <optional>

namespace {

using Drawings = QList<QStringList>; // date first, then the numbers

QString day(int year, int month, int d) {
    return QDate(year, month, d).toString(QStringLiteral("MM/dd/yyyy"));
}

// `count` drawings on consecutive days from 01/01/2020 (a Wednesday); digits for small tables (N <= 4).
Drawings dailyDrawings(int count, int numbers = 6) {
    Drawings drawings;
    for (int i = 0; i < count; ++i) {
        QStringList drawing{QDate(2020, 1, 1).addDays(i).toString(QStringLiteral("MM/dd/yyyy"))};
        for (int k = 0; k < numbers; ++k)
            drawing << (numbers <= 4
                            ? QString::number((i + k * 3) % 10)
                            : QStringLiteral("%1").arg((i + k * 7) % 49 + 1, 2, 10, QLatin1Char('0')));
        drawings << drawing;
    }
    return drawings;
}

// A home with one lottery open as the main window holds it, and the shared range dialog.
struct Fixture {
    TempHome home;
    CurrentLottery lottery;
    TPrintOptions printOptions;
    ScriptedPrompts prompts;

    explicit Fixture(const Drawings& drawings, int drawn = 6, int bonus = 0, int gameType = 7,
                     int highest = 49, const std::function<void(LotteryDefinition&)>& adjust = {}) {
        LotteryBuilder builder(home.dataDir(), QStringLiteral("TS649"));
        LotteryDefinition definition = builder.def();
        definition.NumbersDrawn = qint16(drawn);
        definition.BonusNumbers = qint16(bonus);
        definition.GameType = qint16(gameType);
        definition.HighestNumber = qint16(highest);
        definition.Description = QStringLiteral("Test Lotto");
        if (adjust)
            adjust(definition);
        builder.definition(definition);
        for (const QStringList& d : drawings)
            builder.drawing(d.first(), d.mid(1));
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(builder.build());
    }
    DbfTable& table() { return lottery.table(); }
    // The field texts of the drawing at `position`, blanks stripped, date first.
    QStringList drawingAt(int position) {
        DbfTable reader;
        reader.open(home.dataDir(), QStringLiteral("TS649.DBF"));
        reader.SetOrder(1);
        reader.GoTop();
        reader.Skip(position - 1);
        QStringList texts{reader.DateText(DrawingTable::DateField)};
        for (int i = 1; i <= lottery.definition().NumbersDrawn; ++i)
            texts << reader.FieldText(DrawingTable::numberField(i)).trimmed();
        return texts;
    }
};

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

// Leaves a field as the user does, by moving the focus on.
void leave(QLineEdit* edit) {
    QMetaObject::invokeMethod(edit, "editingFinished");
}

int showAndAccept(QDialog& dialog, const std::function<void()>& fill = {}) {
    dialog.show();
    if (fill)
        fill();
    dialog.hide();
    return QDialog::Accepted;
}

QStringList runTexts(const QList<TextRun>& runs) {
    QStringList texts;
    for (const TextRun& run : runs)
        texts << run.text;
    return texts;
}

} // namespace

class TestDrawingsForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- The editor --------------------------------------------------------------------------

    void addProposesTheNextDrawDay_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QList<int>>("drawDays"); // Qt numbering, 1 = Monday
        QTest::addColumn<QString>("proposed");
        // 01/01/2020 is a Wednesday, 01/04/2020 a Saturday.
        QTest::newRow("Wed, drawn Wed and Sat") << day(2020, 1, 1) << QList<int>{3, 6} << day(2020, 1, 4);
        QTest::newRow("Wed, drawn Wed only") << day(2020, 1, 1) << QList<int>{3} << day(2020, 1, 8);
        QTest::newRow("Sat, drawn Sun and Wed wraps")
            << day(2020, 1, 4) << QList<int>{7, 3} << day(2020, 1, 5);
        QTest::newRow("across the year end") << day(2020, 12, 31) << QList<int>{5} << day(2021, 1, 1);
    }

    void addProposesTheNextDrawDay() {
        QFETCH(QString, last);
        QFETCH(QList<int>, drawDays);
        QFETCH(QString, proposed);
        Fixture f({{day(2019, 6, 1), "01", "02", "03", "04", "05", "06"},
                   {last, "01", "02", "03", "04", "05", "06"}},
                  6, 0, 7, 49, [&](LotteryDefinition& d) {
                      for (int weekday : drawDays)
                          d.setDrawnOn(weekday, true);
                  });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick();
        QCOMPARE(form.DateEdit->text(), proposed);
        QVERIFY(form.addingMode());
        QCOMPARE(form.DrawLabel->text(), QStringLiteral("Draw #: 3"));
        QCOMPARE(form.focusWidget(), form.PText[0]);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void addWithoutDrawDaysAsksForThemAndLeavesTheDateEmpty() {
        Fixture f(dailyDrawings(2));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick();
        QCOMPARE(f.prompts.shown, QStringList{DrawingEntry::NoDrawDayMessage});
        QCOMPARE(form.DateEdit->text(), QString());
        QCOMPARE(form.focusWidget(), form.DateEdit);
        QCOMPARE(f.table().state(), DbfTable::State::Append);
    }

    void addTakesTheDateFromTheUserOnAnEmptyTableOrUnchecked_data() {
        QTest::addColumn<int>("drawings");
        QTest::addColumn<bool>("calculate");
        QTest::newRow("empty table, checked") << 0 << true;
        QTest::newRow("drawings, unchecked") << 3 << false;
    }

    void addTakesTheDateFromTheUserOnAnEmptyTableOrUnchecked() {
        QFETCH(int, drawings);
        QFETCH(bool, calculate);
        Fixture f(dailyDrawings(drawings), 6, 0, 7, 49, [](LotteryDefinition& d) { d.Saturday = true; });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.CalculateDate->setChecked(calculate);
        form.AddButtonClick();
        QCOMPARE(form.DateEdit->text(), QString());
        QCOMPARE(form.focusWidget(), form.DateEdit);
        QCOMPARE(form.DrawLabel->text(), DrawingEntry::drawLabel(drawings + 1));
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void leavingAFieldZeroFillsTwoCharacterFields_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two characters") << 6 << 49 << QStringLiteral("07");
        QTest::newRow("one character") << 3 << 9 << QStringLiteral("7");
    }

    void leavingAFieldZeroFillsTwoCharacterFields() {
        QFETCH(int, drawn);
        QFETCH(int, highest);
        QFETCH(QString, stored);
        Fixture f(dailyDrawings(1, drawn), drawn, 0, drawn == 3 ? 5 : 7, highest);
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.PText[1]->selectAll();
        typeInto(form.PText[1], QStringLiteral("7"));
        leave(form.PText[1]);
        QCOMPARE(form.PText[1]->text(), stored);
        form.SaveButtonClick();
        QCOMPARE(f.drawingAt(1).at(2), stored);
    }

    void typingMovesTheFocusOnWhileAdding_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QStringList>("path"); // objectNames the focus visits after each full field
        QTest::newRow("6 numbers") << 6 << 0 << QStringList{"P2Text", "P3Text", "P4Text",
                                                            "P5Text", "P6Text", "SaveButton"};
        QTest::newRow("6 + 1 bonus") << 7 << 1 << QStringList{"P2Text", "P3Text", "P4Text",    "P5Text",
                                                              "P6Text", "B1Text", "SaveButton"};
        QTest::newRow("5 + 2 bonus") << 7 << 2 << QStringList{"P2Text", "P3Text", "P4Text",    "P5Text",
                                                              "B1Text", "B2Text", "SaveButton"};
        // Only after P3, P5, P6 or P7 does the focus go on to the bonus field.
        QTest::newRow("4 + 1 bonus") << 5 << 1 << QStringList{"P2Text", "P3Text", "P4Text", "SaveButton"};
        QTest::newRow("3 + 1 bonus, one digit each")
            << 4 << 1 << QStringList{"P2Text", "P3Text", "B1Text", "SaveButton"};
    }

    void typingMovesTheFocusOnWhileAdding() {
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QStringList, path);
        Fixture f(dailyDrawings(1, drawn), drawn, bonus, 7, 49,
                  [](LotteryDefinition& d) { d.Thursday = true; });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.AddButtonClick();
        QCOMPARE(form.focusWidget(), form.PText[0]);
        // Small tables (up to four numbers) hold one digit a field.
        auto typed = [drawn](int i) { return drawn <= 4 ? QString::number(i) : QString::number(10 + i); };
        int value = 0;
        for (const QString& next : path) {
            auto* edit = qobject_cast<QLineEdit*>(form.focusWidget());
            QVERIFY2(edit, qPrintable(next));
            QTest::keyClicks(edit, typed(value++));
            QCOMPARE(form.focusWidget()->objectName(), next);
        }
        form.SaveButtonClick();
        QCOMPARE(f.lottery.TotalDrawings(), 2);
        QStringList expected{day(2020, 1, 2)};
        for (int i = 0; i < drawn; ++i)
            expected << typed(i);
        if (drawn == 5 && bonus == 1)
            expected.last() = QString(); // P4 passed to Save: the bonus was never typed
        QCOMPARE(f.drawingAt(2), expected);
    }

    void outsideAddingModeTheFocusStays() {
        Fixture f(dailyDrawings(1));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.PText[0]->selectAll();
        typeInto(form.PText[0], QStringLiteral("33"));
        QCOMPARE(form.focusWidget(), form.PText[0]);
        QCOMPARE(f.table().state(), DbfTable::State::Edit); // typing into a shown drawing edits it
    }

    void saveRefreshesTotalsAndCutoff_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("cutoff");
        QTest::newRow("49 after the save") << 48 << 49;
        QTest::newRow("50 after the save") << 49 << 50;
        QTest::newRow("61 after the save") << 60 << 50;
    }

    void saveRefreshesTotalsAndCutoff() {
        QFETCH(int, before);
        QFETCH(int, cutoff);
        Fixture f(dailyDrawings(before), 6, 0, 7, 49, [](LotteryDefinition& d) {
            for (int weekday = 1; weekday <= 7; ++weekday)
                d.setDrawnOn(weekday, true);
        });
        QSignalSpy changed(&f.lottery, &CurrentLottery::changed);
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick();
        const QString date = form.DateEdit->text();
        for (int i = 0; i < 6; ++i)
            form.PText[size_t(i)]->setText(QStringLiteral("%1").arg(i + 40));
        form.PText[0]->setModified(true);
        form.SaveButtonClick();
        QCOMPARE(f.lottery.TotalDrawings(), before + 1);
        QCOMPARE(f.lottery.DrawingCutoffCount(), cutoff);
        QCOMPARE(f.lottery.lastDrawingDate(), date);
        QCOMPARE(f.lottery.statusTexts().at(1), QStringLiteral("Last Draw: ") + date);
        QVERIFY(!changed.isEmpty());
        QVERIFY(!form.addingMode());
        QCOMPARE(form.DBGrid1->model()->rowCount(), before + 1);
        QCOMPARE(form.DBGrid1->selectionModel()->selectedRows().value(0).row(), before);
        QCOMPARE(form.DrawLabel->text(), DrawingEntry::drawLabel(before + 1));
    }

    void aDrawingWithoutADateIsNotSaved() {
        Fixture f({});
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick();
        typeInto(form.PText[0], QStringLiteral("12"));
        form.SaveButtonClick();
        QCOMPARE(f.prompts.shown, QStringList{DrawingEntry::BlankDateMessage});
        QCOMPARE(f.table().RecordCount(), 0);
        QCOMPARE(f.table().state(), DbfTable::State::Append); // the typed number is still there
        QCOMPARE(form.PText[0]->text(), QStringLiteral("12"));

        // Nor by stepping away from it.
        form.PreviousButtonClick();
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.table().RecordCount(), 0);

        typeInto(form.DateEdit, QStringLiteral("03/04/2021"));
        form.SaveButtonClick();
        QCOMPARE(f.table().RecordCount(), 1);
        QCOMPARE(f.drawingAt(1).mid(0, 2), (QStringList{"03/04/2021", "12"}));
    }

    void abortDropsTheNewDrawingOrRestoresTheShownOne() {
        Fixture f(dailyDrawings(3), 6, 0, 7, 49, [](LotteryDefinition& d) { d.Friday = true; });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        const QString shownThird = form.PText[0]->text();
        form.AddButtonClick();
        typeInto(form.PText[0], QStringLiteral("44"));
        form.AbortButtonClick();
        QCOMPARE(f.table().RecordCount(), 3);
        QCOMPARE(form.DrawLabel->text(), QStringLiteral("Draw #: 3"));
        QCOMPARE(form.PText[0]->text(), shownThird);

        form.PText[0]->selectAll();
        typeInto(form.PText[0], QStringLiteral("45"));
        leave(form.PText[0]);
        form.AbortButtonClick();
        QCOMPARE(form.PText[0]->text(), shownThird);
        QCOMPARE(f.drawingAt(3).at(1), shownThird);
    }

    void deleteLeavesTheFollowingOrNewNewestDrawing_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<QString>("dateAfter");
        QTest::newRow("newest") << 5 << 4 << day(2020, 1, 4);
        QTest::newRow("middle") << 3 << 3 << day(2020, 1, 4);
        QTest::newRow("oldest") << 1 << 1 << day(2020, 1, 2);
    }

    void deleteLeavesTheFollowingOrNewNewestDrawing() {
        QFETCH(int, position);
        QFETCH(int, currentAfter);
        QFETCH(QString, dateAfter);
        Fixture f(dailyDrawings(5));
        const qint64 sizeBefore = QFileInfo(f.home.dataDir() + QStringLiteral("TS649.DBF")).size();
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        for (int p = 5; p > position; --p)
            form.PreviousButtonClick();
        QCOMPARE(f.table().OrderPosition(), position);
        f.prompts.confirmations = {false, true};
        form.DeleteButtonClick(); // No: nothing happens
        QCOMPARE(f.table().RecordCount(), 5);
        form.DeleteButtonClick();
        QCOMPARE(f.prompts.shown.first(), QStringLiteral("Are you sure you want to delete the drawing on ") +
                                              day(2020, 1, position) + QLatin1Char('?'));
        QCOMPARE(f.table().RecordCount(), 4);
        QCOMPARE(f.table().OrderPosition(), currentAfter);
        QCOMPARE(form.DateEdit->text(), dateAfter);
        QCOMPARE(form.DrawLabel->text(), DrawingEntry::drawLabel(currentAfter));
        QCOMPARE(f.lottery.TotalDrawings(), 4);
        QCOMPARE(f.lottery.lastDrawingDate(), position == 5 ? day(2020, 1, 4) : day(2020, 1, 5));
        QCOMPARE(form.DBGrid1->model()->rowCount(), 4);
        // Packed: the deleted record is gone from the file, not only flagged.
        QVERIFY(QFileInfo(f.home.dataDir() + QStringLiteral("TS649.DBF")).size() < sizeBefore);
    }

    // Opened through the open dialog the panel reads "Last Drawing: "; a save or a delete in the
    // editor refreshes it to "Last Draw: ", and a save ends on the newest drawing.
    void saveAndDeleteRefreshTheLastDrawPanel_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("positionAfter");
        QTest::newRow("save of the second drawing") << true << 5;
        QTest::newRow("delete of the second drawing") << false << 2;
    }

    void saveAndDeleteRefreshTheLastDrawPanel() {
        QFETCH(bool, save);
        QFETCH(int, positionAfter);
        Fixture f(dailyDrawings(5));
        f.lottery.setLastDrawingLabelLong(true);
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        for (int p = 5; p > 2; --p)
            form.PreviousButtonClick();
        QCOMPARE(f.table().OrderPosition(), 2);
        if (save) {
            form.PText[0]->setText(QStringLiteral("48"));
            form.PText[0]->setModified(true);
            form.SaveButtonClick();
            QCOMPARE(f.drawingAt(2).at(1), QStringLiteral("48"));
        } else {
            f.prompts.confirmations = {true};
            form.DeleteButtonClick();
        }
        QCOMPARE(f.table().OrderPosition(), positionAfter);
        QCOMPARE(form.DrawLabel->text(), DrawingEntry::drawLabel(positionAfter));
        QCOMPARE(f.lottery.statusTexts().at(1), QStringLiteral("Last Draw: ") + day(2020, 1, 5));
    }

    void deleteOnAnEmptyTableIsRefusedByTheTable() {
        Fixture f({});
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        f.prompts.confirmations = {true};
        form.DeleteButtonClick();
        QCOMPARE(f.prompts.shown.size(), 2);
        QVERIFY(f.prompts.shown.at(1).contains(QStringLiteral("empty")));
    }

    void closingWithAnUnsavedEntryAsksToSave_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes saves") << true;
        QTest::newRow("No drops") << false;
    }

    void closingWithAnUnsavedEntryAsksToSave() {
        QFETCH(bool, answer);
        Fixture f(dailyDrawings(2), 6, 0, 7, 49, [](LotteryDefinition& d) { d.Monday = true; });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick();
        typeInto(form.PText[0], QStringLiteral("21"));
        f.prompts.confirmations = {answer};
        form.OKBtn->click();
        QCOMPARE(f.prompts.shown, QStringList{DrawingEntry::UnsavedMessage});
        QVERIFY(!form.isVisible());
        QCOMPARE(f.table().RecordCount(), answer ? 3 : 2);
        QCOMPARE(f.lottery.TotalDrawings(), answer ? 3 : 2);
        QCOMPARE(f.table().state(), DbfTable::State::Browse);
    }

    void closingAsksNothingWhenNothingWasTyped() {
        Fixture f(dailyDrawings(2), 6, 0, 7, 49, [](LotteryDefinition& d) { d.Monday = true; });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        form.AddButtonClick(); // only the proposed date
        form.OKBtn->click();
        QVERIFY(f.prompts.shown.isEmpty());
        QCOMPARE(f.table().RecordCount(), 2);
    }

    // --- Other writers: another Vantoro holding the lock, or having written the table ----------

    void theFirstChangeWaitsForAnotherWritersLock_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("add") << "add";
        QTest::newRow("typing into a drawing") << "type";
        QTest::newRow("delete") << "delete";
    }

    void theFirstChangeWaitsForAnotherWritersLock() {
        QFETCH(QString, change);
        Fixture f(dailyDrawings(3), 6, 0, 7, 49, [](LotteryDefinition& d) { d.Saturday = true; });
        const QByteArray before = f.home.readFile(QStringLiteral("data/TS649.DBF"));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        const QString shown = form.PText[0]->text();
        {
            const TableLock other(f.table().path());
            if (change == QLatin1String("add")) {
                form.AddButtonClick();
            } else if (change == QLatin1String("type")) {
                form.PText[0]->selectAll();
                typeInto(form.PText[0], QStringLiteral("4"));
            } else {
                f.prompts.confirmations.push_back(true);
                form.DeleteButtonClick();
            }
        }
        QCOMPARE(f.prompts.errors,
                 QStringList{QStringLiteral("TS649.DBF is being changed by another Vantoro (process %1); try "
                                            "again when it has finished.")
                                 .arg(QCoreApplication::applicationPid())});
        QCOMPARE(f.table().state(), DbfTable::State::Browse);
        QVERIFY(!form.addingMode());
        QCOMPARE(form.PText[0]->text(), shown);
        QCOMPARE(f.home.readFile(QStringLiteral("data/TS649.DBF")), before);
    }

    void aTableAnotherVantoroWroteIsReadAgainBeforeTheFirstChange() {
        Fixture f(dailyDrawings(3));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        {
            // An import by another Vantoro while this window only shows the drawings.
            DbfTable other;
            other.open(f.home.dataDir(), QStringLiteral("TS649.DBF"));
            other.SetOrder(1);
            const std::vector<ImportedDrawing> drawings{
                {1, QDate(2020, 1, 10), QStringList{"11", "12", "13", "14", "15", "16"}},
                {2, QDate(2020, 1, 11), QStringList{"21", "22", "23", "24", "25", "26"}}};
            QVERIFY(DrawingImport::append(other, drawings));
        }
        // What a killed import leaves; only a writer holding the lock clears it away.
        f.home.writeFile(QStringLiteral("data/.TS649-import-4711.tmp"), "half a table");
        f.home.writeFile(QStringLiteral("data/.TS649.DBF-a1B2c3"), "half a table");
        const auto hiddenFiles = [&f] {
            return QDir(f.home.dataDir()).entryList({QStringLiteral(".TS649*")}, QDir::Files | QDir::Hidden);
        };
        form.PreviousButtonClick();
        QCOMPARE(hiddenFiles().size(), 2);
        form.CalculateDate->setChecked(false);
        form.AddButtonClick();
        QCOMPARE(hiddenFiles(), QStringList{QStringLiteral(".TS649.DBF.lock")});
        QCOMPARE(f.prompts.shown,
                 QStringList{DrawingEntry::changedElsewhereMessage(QStringLiteral("TS649.DBF"))});
        QVERIFY(!form.addingMode());
        QCOMPARE(f.lottery.TotalDrawings(), 5);
        QCOMPARE(form.DBGrid1->model()->rowCount(), 5);
        QCOMPARE(form.DateEdit->text(), QStringLiteral("01/11/2020"));

        // Made again, the change goes on top of the other's drawings.
        form.AddButtonClick();
        typeInto(form.DateEdit, QStringLiteral("01/12/2020"));
        for (int i = 0; i < 6; ++i)
            typeInto(form.PText[size_t(i)], QStringLiteral("%1").arg(i + 31));
        form.SaveButtonClick();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.drawingAt(4), (QStringList{"01/10/2020", "11", "12", "13", "14", "15", "16"}));
        QCOMPARE(f.drawingAt(6), (QStringList{"01/12/2020", "31", "32", "33", "34", "35", "36"}));
        // The window keeps the lock until it closes.
        QVERIFY_THROWS_EXCEPTION(VantoroError, TableLock(f.table().path()));
        form.close();
    }

    void previousNextAndTheGridFollowTheCurrentDrawing() {
        Fixture f(dailyDrawings(4));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QCOMPARE(form.DrawLabel->text(), QStringLiteral("Draw #: 4")); // opens on the newest
        form.NextButtonClick();
        QCOMPARE(form.DrawLabel->text(), QStringLiteral("Draw #: 4"));
        form.PreviousButtonClick();
        form.PreviousButtonClick();
        QCOMPARE(form.DateEdit->text(), day(2020, 1, 2));
        QCOMPARE(form.DBGrid1->selectionModel()->selectedRows().value(0).row(), 1);
        form.DBGrid1->selectRow(0);
        QCOMPARE(form.DateEdit->text(), day(2020, 1, 1));
        QCOMPARE(form.DrawLabel->text(), QStringLiteral("Draw #: 1"));
        form.PreviousButtonClick();
        QCOMPARE(f.table().OrderPosition(), 1);
        QCOMPARE(form.DBGrid1->model()->data(form.DBGrid1->model()->index(3, 0)).toString(), day(2020, 1, 4));
        QCOMPARE(form.DBGrid1->model()->columnCount(), 7);
    }

    void fieldsFollowTheDefinition_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("regularShown");
        QTest::addColumn<QString>("bonusLabel"); // empty: hidden
        QTest::addColumn<bool>("markers");
        QTest::newRow("6/49") << 6 << 0 << 7 << 6 << QString() << false;
        QTest::newRow("Powerball 5+1") << 6 << 1 << 8 << 5 << QStringLiteral("Powerball:") << false;
        QTest::newRow("5+2") << 7 << 2 << 7 << 5 << QStringLiteral("Bonus:") << false;
        QTest::newRow("Daily Millions") << 6 << 0 << 1 << 6 << QString() << true;
        QTest::newRow("Keno 20") << 20 << 0 << 3 << 20 << QString() << false;
    }

    void fieldsFollowTheDefinition() {
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(int, gameType);
        QFETCH(int, regularShown);
        QFETCH(QString, bonusLabel);
        QFETCH(bool, markers);
        Fixture f(dailyDrawings(1, drawn), drawn, bonus, gameType, drawn == 20 ? 80 : 49);
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        for (int i = 0; i < 22; ++i)
            QCOMPARE(form.PText[size_t(i)]->isVisible(), i < regularShown);
        QCOMPARE(form.BonusLabel->isVisible(), !bonusLabel.isEmpty());
        if (!bonusLabel.isEmpty())
            QCOMPARE(form.BonusLabel->text(), bonusLabel);
        QCOMPARE(form.B1Text->isVisible(), bonus >= 1);
        QCOMPARE(form.B2Text->isVisible(), bonus >= 2);
        for (QLabel* marker : form.Markers)
            QCOMPARE(marker->isVisible(), markers);
        if (bonus == 2) {
            QCOMPARE(form.B1Text->text(), f.drawingAt(1).at(drawn - 1));
            QCOMPARE(form.B2Text->text(), f.drawingAt(1).at(drawn));
        }
        // The grid takes the room of the rows that are not shown.
        QVERIFY(form.DBGrid1->geometry().top() > form.PText[0]->geometry().bottom());
    }

    void captionCutsTheNameTo45Characters() {
        Fixture f({}, 6, 0, 7, 49,
                  [](LotteryDefinition& d) { d.Description = QString(30, QLatin1Char('x')); });
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Drawings (") + QString(30, QLatin1Char('x')) + ")");
        QCOMPARE(DrawingEntry::editorCaption(QString(50, QLatin1Char('y'))),
                 QStringLiteral("Edit Drawings (") + QString(45, QLatin1Char('y')) + ")");
        QCOMPARE(form.focusWidget(), form.AddButton);
    }

    void calendarButtonWritesTheChosenDate() {
        Fixture f(dailyDrawings(2));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QDate offered;
        ScriptedModal modal([&](QDialog& dialog) {
            auto* calendar = qobject_cast<TCalendarForm*>(&dialog);
            if (!calendar)
                return int(QDialog::Rejected);
            offered = calendar->date();
            return showAndAccept(dialog, [calendar] { calendar->SpinButton1UpClick(); });
        });
        form.SpeedButton1Click();
        QCOMPARE(offered, QDate(2020, 1, 2));
        QCOMPARE(form.DateEdit->text(), day(2020, 2, 2));
        form.SaveButtonClick();
        QCOMPARE(f.drawingAt(2).first(), day(2020, 2, 2));
    }

    void printRangeFrom3To5() {
        Fixture f(dailyDrawings(8));
        TDrawingsForm form(f.lottery, f.printOptions);
        form.show();
        QStringList asked;
        ScriptedModal modal([&](QDialog& dialog) {
            asked << dialog.windowTitle();
            if (&dialog != &f.printOptions)
                return int(QDialog::Rejected); // the report's set-up window
            return showAndAccept(dialog, [&] {
                QCOMPARE(f.printOptions.FromText->text(), QStringLiteral("1"));
                QCOMPARE(f.printOptions.ToText->text(), QStringLiteral("8"));
                QVERIFY(!f.printOptions.FromText->isEnabled());
                f.printOptions.RangeButton->click();
                QVERIFY(f.printOptions.FromText->isEnabled());
                f.printOptions.FromText->setText(QStringLiteral("3"));
                f.printOptions.ToText->setText(QStringLiteral("5"));
            });
        });
        form.PrintButtonClick();
        QCOMPARE(asked, (QStringList{"Print Options", "Drawing List Setup"}));
        QCOMPARE(f.printOptions.helpTopic(), 146);

        RecordingCanvas canvas;
        QVERIFY(form.ReportSystem1.run(canvas));
        QStringList positions;
        for (const TextRun& run : canvas.runs())
            if (run.font.bold && run.text.endsWith(QStringLiteral(")  ")))
                positions << run.text;
        QCOMPARE(positions, (QStringList{"00003)  ", "00004)  ", "00005)  "}));
        QVERIFY(canvas.find(day(2020, 1, 3) + QStringLiteral("  03 10 17 24 31 38 ")));
        QCOMPARE(f.table().OrderPosition(), 8); // the editor's place is kept

        // The shared dialog opens with All again next time.
        f.printOptions.show();
        QVERIFY(f.printOptions.AllButton->isChecked());
        QCOMPARE(f.printOptions.FromText->text(), QStringLiteral("1"));
        QCOMPARE(f.printOptions.ToText->text(), QStringLiteral("8"));
        f.printOptions.hide();
    }

    void mainWindowCommandsOpenTheEditorAndTheSearch() {
        TempHome home;
        ScriptedPrompts prompts;
        LotteryBuilder(home.dataDir(), QStringLiteral("TS649")).numbers(6, 49).drawings(12).build();
        TMainForm main(home.dir());
        main.lottery().LoadLottery(QStringLiteral("TS649.DBF"));
        auto* printOptions = main.findChild<TPrintOptions*>();
        auto* results = main.findChild<TSrchListForm*>();
        QVERIFY(printOptions && results); // both made with the main window, before any command

        QString caption;
        ScriptedModal modal;
        modal.expect<TDrawingsForm>([&](TDrawingsForm* editor) {
            caption = editor->windowTitle();
            editor->OKBtn->click();
        });
        main.findChild<QAction*>(QStringLiteral("Drawings1"))->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(caption, QStringLiteral("Edit Drawings (Lotto)"));

        modal.expect<TPrintOptions>([](TPrintOptions* dialog) { dialog->CancelBtn->click(); });
        main.findChild<QAction*>(QStringLiteral("SearchDrawings1"))->trigger();
        QVERIFY(modal.allAnswered());
        QCOMPARE(printOptions->windowTitle(), QStringLiteral("Search Drawings Options"));
        QCOMPARE(printOptions->ToText->text(), QStringLiteral("12"));
    }

    void everyHelpContextHasATopic() {
        QList<int> contexts{127, 126, 146, 133, 132, 149, 252, 254, 255, 256, 257, 258};
        for (int context = 197; context <= 225; ++context)
            contexts << context;
        for (int context : contexts)
            QVERIFY2(Help::hasTopic(context), qPrintable(QString::number(context)));
    }

    // --- The calendar ------------------------------------------------------------------------

    void calendarSteps_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("month up from December") << QDate(2026, 12, 15) << "month up" << QDate(2027, 1, 15);
        QTest::newRow("month down from January") << QDate(2027, 1, 15) << "month down" << QDate(2026, 12, 15);
        QTest::newRow("31 January to February") << QDate(2027, 1, 31) << "month up" << QDate(2027, 2, 28);
        QTest::newRow("31 March down to leap February")
            << QDate(2024, 3, 31) << "month down" << QDate(2024, 2, 29);
        QTest::newRow("29 February to a common year")
            << QDate(2024, 2, 29) << "year up" << QDate(2025, 2, 28);
        QTest::newRow("year down keeps the day") << QDate(2024, 7, 4) << "year down" << QDate(2023, 7, 4);
    }

    void calendarSteps() {
        QFETCH(QDate, start);
        QFETCH(QString, step);
        QFETCH(QDate, shown);
        TCalendarForm calendar;
        calendar.setDate(start);
        calendar.show();
        const QString arrow =
            step.endsWith(QStringLiteral("up")) ? QStringLiteral("Up") : QStringLiteral("Down");
        QWidget* spin =
            step.startsWith(QStringLiteral("month")) ? calendar.SpinButton1 : calendar.SpinButton2;
        auto* button = spin->findChild<QToolButton*>(arrow);
        QVERIFY(button);
        button->click();
        QCOMPARE(calendar.date(), shown);
        QCOMPARE(calendar.MonthLabel->text(), TCalendarForm::monthName(shown.month()));
        QCOMPARE(calendar.YearLabel->text(), QString::number(shown.year()));
        QCOMPARE(calendar.Calendar1->monthShown(), shown.month());
        QCOMPARE(calendar.Calendar1->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(calendar.windowTitle(), QStringLiteral("Calendar"));
    }

    // --- The search --------------------------------------------------------------------------

    void searchWithAndWithoutTheBonus_data() {
        QTest::addColumn<bool>("includeBonus");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("bonus not examined") << false << QStringList{"01/02/2020  05 12 "};
        QTest::newRow("bonus examined") << true << QStringList{"01/01/2020  05 33 ", "01/02/2020  05 12 "};
    }

    void searchWithAndWithoutTheBonus() {
        QFETCH(bool, includeBonus);
        QFETCH(QStringList, lines);
        Fixture f({{day(2020, 1, 1), "05", "09", "11", "20", "41", "44", "33"},
                   {day(2020, 1, 2), "05", "09", "12", "20", "41", "44", "01"},
                   {day(2020, 1, 3), "06", "07", "08", "20", "41", "44", "05"}},
                  7, 1);
        TSrchListForm results;
        QStringList asked;
        bool bonusShown = false;
        ScriptedModal modal([&](QDialog& dialog) {
            asked << dialog.windowTitle();
            if (auto* form = qobject_cast<TSearchForm*>(&dialog)) {
                return showAndAccept(dialog, [&] {
                    QVERIFY(!form->IncludeBonus->isChecked());
                    bonusShown = form->IncludeBonus->isVisible();
                    QCOMPARE(form->focusWidget(), form->s[0]);
                    form->s[0]->setText(QStringLiteral("5"));
                    QMetaObject::invokeMethod(form->s[0], "editingFinished");
                    form->s[1]->setText(QStringLiteral("12"));
                    form->s[4]->setText(QStringLiteral("33"));
                    form->SpinEdit1->setValue(2);
                    form->IncludeBonus->setChecked(includeBonus);
                });
            }
            if (&dialog == &f.printOptions)
                return showAndAccept(dialog);
            return int(QDialog::Accepted); // the result window
        });
        QVERIFY(runDrawingSearch(f.lottery, f.printOptions, results, nullptr));
        QCOMPARE(asked, (QStringList{"Search Drawings Options", "Search Drawings", "Search Results"}));
        QVERIFY(bonusShown);
        QCOMPARE(f.printOptions.helpTopic(), 133);
        QCOMPARE(results.ListBox1->lines(), lines);
        QCOMPARE(results.NumbersLabel->text(), QStringLiteral("Search Numbers: 05 12 33 "));
        QCOMPARE(results.DrawingsLabel->text(), QStringLiteral("Drawings: 1 to 3"));
    }

    void searchRangeAndCancel() {
        Fixture f(dailyDrawings(30));
        TSrchListForm results;
        bool bonusHidden = false;
        auto runner = [&](bool cancelNumbers) {
            return [&f, &bonusHidden, cancelNumbers](QDialog& dialog) {
                if (auto* form = qobject_cast<TSearchForm*>(&dialog)) {
                    if (cancelNumbers)
                        return int(QDialog::Rejected);
                    bonusHidden = form->IncludeBonus->isHidden();
                    return showAndAccept(dialog, [form] {
                        form->s[0]->setText(QStringLiteral("01"));
                        form->SpinEdit1->setValue(1);
                    });
                }
                if (&dialog == &f.printOptions)
                    return showAndAccept(dialog, [&f] {
                        f.printOptions.RangeButton->click();
                        f.printOptions.FromText->setText(QStringLiteral("10"));
                        f.printOptions.ToText->setText(QStringLiteral("20"));
                    });
                return int(QDialog::Accepted);
            };
        };
        std::optional<ScriptedModal> modal(std::in_place, runner(false));
        QVERIFY(runDrawingSearch(f.lottery, f.printOptions, results, nullptr));
        QVERIFY2(bonusHidden, "no bonus numbers, no bonus choice");
        // Number 01 is in the drawings of positions 1, 8, 15, 22 and 29 (and 43.. beyond): 15 in range.
        QCOMPARE(results.ListBox1->lines(), QStringList{day(2020, 1, 15) + QStringLiteral("  01 ")});
        QCOMPARE(results.DrawingsLabel->text(), QStringLiteral("Drawings: 10 to 20"));
        modal.reset();
        modal.emplace(runner(true));
        QVERIFY(!runDrawingSearch(f.lottery, f.printOptions, results, nullptr));
        QCOMPARE(results.ListBox1->count(), 1); // the list stays filled until the next search
    }

    void searchEntryMovesOnAtTheFieldWidth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("two characters, one typed") << 2 << "7"
                                                   << "s1";
        QTest::newRow("two characters, two typed") << 2 << "17"
                                                   << "s2";
        QTest::newRow("one character") << 1 << "7"
                                       << "s2";
    }

    void searchEntryMovesOnAtTheFieldWidth() {
        QFETCH(int, width);
        QFETCH(QString, typed);
        QFETCH(QString, focusAfter);
        TSearchForm form(width, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.focusWidget(), form.s[0]);
        QTest::keyClicks(form.s[0], typed);
        QCOMPARE(form.focusWidget()->objectName(), focusAfter);
        form.s[34]->setFocus();
        QTest::keyClicks(form.s[34], QString(width, QLatin1Char('9')));
        QCOMPARE(form.focusWidget(), form.SpinEdit1);
        QCOMPARE(form.s[0]->text(), width == 2 && typed.size() == 1 ? QStringLiteral("07") : typed);
        QCOMPARE(form.SpinEdit1->value(), 3);
        QCOMPARE(form.SpinEdit1->minimum(), 1);
        QCOMPARE(form.SpinEdit1->maximum(), 22);
    }

    void resultListScrollsSidewaysToItsWidestLine() {
        TListBoxHorz list;
        list.resize(120, 100);
        list.show();
        const QFontMetrics metrics = list.fontMetrics();
        const QString longLine(60, QLatin1Char('W'));
        list.addLine(QStringLiteral("short"));
        QCOMPARE(list.horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("shortX")));
        list.insertLine(0, longLine);
        QCOMPARE(list.horizontalExtent(), metrics.horizontalAdvance(longLine + QLatin1Char('X')));
        QCOMPARE(list.horizontalScrollBar()->maximum(),
                 metrics.horizontalAdvance(longLine + QLatin1Char('X')) - list.viewport()->width());
        list.removeLine(0);
        QCOMPARE(list.horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("shortX")));
        QCOMPARE(list.horizontalScrollBar()->maximum(), 0);
        QFont bigger = list.font();
        bigger.setPointSizeF(bigger.pointSizeF() * 2);
        list.setFont(bigger);
        QCOMPARE(list.horizontalExtent(), QFontMetrics(bigger).horizontalAdvance(QStringLiteral("shortX")));
        list.clearLines();
        QCOMPARE(list.horizontalExtent(), 0);
    }

    // --- The printouts -----------------------------------------------------------------------

    void drawingListPage_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("columns");
        QTest::newRow("pick 3: three columns") << 3 << 3;
        QTest::newRow("6/49: two columns") << 6 << 2;
        QTest::newRow("keno: one column") << 20 << 1;
    }

    void drawingListPage() {
        QFETCH(int, drawn);
        QFETCH(int, columns);
        Fixture f(dailyDrawings(200, drawn), drawn, 0, drawn == 3 ? 5 : 7, drawn == 20 ? 80 : 49);
        Report report;
        setUpDrawingListPrintout(report, QStringLiteral("Test Lotto"), drawn,
                                 DrawingList::lines(f.table(), drawn, 1, 200), QDate(2026, 3, 9));
        RecordingCanvas canvas;
        QVERIFY(report.run(canvas));
        QCOMPARE(report.settings.TitlePreview, QStringLiteral("Drawing List Preview"));

        const TextRun* title = canvas.find(QStringLiteral("Test Lotto Drawing List"), 1);
        QVERIFY(title);
        QVERIFY(title->font.bold && title->font.underline);
        QCOMPARE(title->font.size, 12.0);
        const TextRun* page = canvas.find(QStringLiteral("Page 1"), 1);
        QVERIFY(page && page->top < 0.51 && page->top > 0.49);
        QVERIFY(canvas.find(QStringLiteral("Vantoro"), 1));

        // Every position is bold at the left of its column, its line in regular type after it;
        // the body starts 1.5 inches down and the columns stand half an inch apart.
        const double width = (7.5 - 0.5 * (columns - 1)) / columns;
        QList<double> lefts;
        int lines = 0;
        for (const TextRun& run : canvas.runsOnPage(1)) {
            if (!run.text.endsWith(QStringLiteral(")  ")))
                continue;
            ++lines;
            QVERIFY(run.font.bold);
            if (!lefts.contains(run.x))
                lefts << run.x;
        }
        QCOMPARE(lefts.size(), columns);
        for (int c = 0; c < columns; ++c)
            QVERIFY2(qAbs(lefts.at(c) - (0.5 + c * (width + 0.5))) < 0.01,
                     qPrintable(QString::number(lefts.at(c))));
        const TextRun* first = canvas.find(QStringLiteral("00001)  "), 1);
        QVERIFY(first);
        QVERIFY(qAbs(first->top - 1.5) < 0.01);
        const QList<TextRun> onPage = canvas.runsOnPage(1);
        qsizetype at = 0;
        while (at < onPage.size() && onPage.at(at).text != first->text)
            ++at;
        QVERIFY(at + 1 < onPage.size());
        const TextRun& rest = onPage.at(at + 1);
        QVERIFY(!rest.font.bold);
        QCOMPARE(rest.top, first->top);
        QVERIFY(rest.x > first->x);
        QVERIFY(rest.text.startsWith(QStringLiteral("01/01/2020  ")));

        // The list goes on over the next pages, each with its own header, none lost.
        QVERIFY(canvas.pageCount() > 1);
        int total = 0;
        for (int p = 1; p <= canvas.pageCount(); ++p) {
            QVERIFY(canvas.find(QStringLiteral("Page %1").arg(p), p));
            const QList<TextRun> runs = canvas.runsOnPage(p);
            bool firstOfPage = true;
            for (const TextRun& run : runs) {
                if (!run.text.endsWith(QStringLiteral(")  ")))
                    continue;
                ++total;
                if (firstOfPage)
                    QVERIFY(qAbs(run.top - 1.5) < 0.01);
                firstOfPage = false;
            }
        }
        QCOMPARE(total, 200);
        QVERIFY(lines < 200);
    }

    void searchListPage() {
        DrawingSearchResult result;
        result.numbersLabel = QStringLiteral("Search Numbers: 05 12 ");
        result.drawingsLabel = QStringLiteral("Drawings: 1 to 5");
        result.lines = {QStringLiteral("01/02/2020  05 12 "), QStringLiteral("01/05/2020  05 12 ")};
        Report report;
        setUpSearchListPrintout(report, QStringLiteral("Test Lotto"), 6, result, QDate(2026, 3, 9));
        RecordingCanvas canvas;
        QVERIFY(report.run(canvas));
        QCOMPARE(report.settings.TitleSetup, QStringLiteral("Search List Setup"));
        const TextRun* numbers = canvas.find(result.numbersLabel, 1);
        QVERIFY(numbers);
        QCOMPARE(numbers->font.size, 10.0);
        QVERIFY(numbers->font.bold);
        QVERIFY(qAbs(numbers->x - 0.5) < 0.01);
        const TextRun* title = canvas.find(QStringLiteral("Test Lotto Search List (Drawings: 1 to 5)"), 1);
        QVERIFY(title);
        QVERIFY(title->font.underline && title->font.bold);
        QCOMPARE(title->font.size, 12.0);
        QVERIFY(title->top > numbers->top);
        const TextRun* line = canvas.find(result.lines.first(), 1);
        QVERIFY(line);
        // Under the title with one blank line between, never above 1.5 inches.
        const TextRun* publisher = canvas.find(QStringLiteral("Vantoro lottery analysis"), 1);
        QVERIFY(publisher);
        const double lineHeight = publisher->top - 0.5;
        QVERIFY2(qAbs(line->top - qMax(1.5, title->top + 2 * lineHeight)) < 0.01,
                 qPrintable(QString::number(line->top)));
        QVERIFY(qAbs(line->x - 0.5) < 0.01);
        QVERIFY(!line->font.bold);
        const TextRun* second = canvas.find(result.lines.last(), 1);
        QVERIFY(second && second->top > line->top);
        const QStringList texts = runTexts(canvas.runsOnPage(1));
        QCOMPARE(texts.count(QStringLiteral("Vantoro")), 1);
    }

    void resultWindowPrintsWhatItShows() {
        TSrchListForm results;
        DrawingSearchResult result;
        result.numbersLabel = QStringLiteral("Search Numbers: 07 ");
        result.drawingsLabel = QStringLiteral("Drawings: 1 to 9");
        result.lines = {QStringLiteral("05/05/2021  07 ")};
        results.showResult(QStringLiteral("Pick"), 3, result);
        QStringList asked;
        ScriptedModal modal([&](QDialog& dialog) {
            asked << dialog.windowTitle();
            return int(QDialog::Rejected);
        });
        results.PrintButtonClick();
        QCOMPARE(asked, QStringList{"Search List Setup"});
        RecordingCanvas canvas;
        QVERIFY(results.ReportSystem1.run(canvas));
        QVERIFY(canvas.find(QStringLiteral("Pick Search List (Drawings: 1 to 9)")));
        QVERIFY(canvas.find(QStringLiteral("05/05/2021  07 ")));
    }
};

QTEST_MAIN(TestDrawingsForm)
#include "test_drawings_form.moc"
