// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"
#include "gui/help.h"
#include "lottery/current_lottery.h"
#include "play/fav_form.h"
#include "play/random_form.h"
#include "play/random_numbers.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "support/lottery_builder.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

template <typename T> T* child(const QWidget& form, const QString& name) {
    T* widget = form.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QStringList lines(const QWidget& form, const QString& list) {
    QStringList out;
    const QAbstractItemModel* model = child<QListView>(form, list)->model();
    for (int i = 0; i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}

QString labelText(const QWidget& form, const char* name) {
    return child<QLabel>(form, QLatin1String(name))->text();
}

struct Fixture {
    TempHome home;
    ScriptedPrompts prompts;
    CurrentLottery lottery;
    explicit Fixture(const LotteryDefinition& definition) {
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(
            LotteryBuilder(home.dataDir(), QStringLiteral("TS")).definition(definition).build());
    }
};

LotteryDefinition lotto(int gameType = 7, int drawn = 6, int bonus = 0) {
    LotteryDefinition d;
    d.GameType = qint16(gameType);
    d.NumbersDrawn = qint16(drawn);
    d.BonusNumbers = qint16(bonus);
    d.HighestNumber = 49;
    d.HighestBonus = 30;
    d.Description = QStringLiteral("Test Lotto");
    return d;
}

} // namespace

class TestGeneratorForms final : public QObject {
    Q_OBJECT
private slots:
    void randomTicketsEachGenerationANewSet();
    void randomWheel();
    void wheelOfManyNumbersFitsTheWindow();
    void favoriteOwnTickets();
    void favoriteWheelRefusesEmptyBoxes();
    void playMenuOpensBoth();
};

void TestGeneratorForms::randomTicketsEachGenerationANewSet() {
    Fixture f(lotto());
    TRandomForm1 form(f.lottery);
    std::uint32_t seed = 43200123;
    form.setSeedSource([&seed] { return seed; });
    form.show();
    // Without a wheel for the lottery only own tickets are offered.
    QVERIFY(child<QGroupBox>(form, QStringLiteral("Tickets"))->isHidden());
    child<QSpinBox>(form, QStringLiteral("NumberOfTickets"))->setValue(3);
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kTicketsPage);
    const QStringList first = lines(form, QStringLiteral("TicketList"));
    QCOMPARE(first, RandomNumbers::tickets(f.lottery.definition(), 3, seed).lines());
    QVERIFY(child<QLabel>(form, QStringLiteral("Label5"))->isHidden());
    QVERIFY(!child<QPushButton>(form, QStringLiteral("NextBtn"))->isEnabled());

    form.PreviousBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kMethodPage);
    QVERIFY(!child<QPushButton>(form, QStringLiteral("PreviousBtn"))->isEnabled());
    ++seed;
    form.NextBtnClick();
    QVERIFY(lines(form, QStringLiteral("TicketList")) != first);
    QCOMPARE(lines(form, QStringLiteral("TicketList")).size(), 3);

    f.prompts.fileNames = {f.home.path(QStringLiteral("R.tic"))};
    form.SaveBtnClick();
    QCOMPARE(f.prompts.fileDialogs.first().title, QStringLiteral("Save Ticket File"));
    QVERIFY(Help::hasTopic(f.prompts.fileDialogs.first().helpContext));
    const TicketFile file = TicketFile::read(f.home.path(QStringLiteral("R.tic")));
    QCOMPARE(TicketLine::format(file.kind, file.tickets), lines(form, QStringLiteral("TicketList")));
}

void TestGeneratorForms::randomWheel() {
    Fixture f(lotto(8, 6, 1));
    f.home.writeFile(QStringLiteral("wheels/W.A05"), "5\r\n7\r\n2\r\n3\r\n4\r\n0102030405\r\n0304050607\r\n");
    TRandomForm1 form(f.lottery);
    form.setSeedSource([] { return 5u; });
    form.show();
    QCOMPARE(labelText(form, "BonusLabel"), QStringLiteral("The last column is the Powerball"));
    child<QRadioButton>(form, QStringLiteral("WheelTicketsBtn"))->click();
    QVERIFY(!child<QSpinBox>(form, QStringLiteral("NumberOfTickets"))->isEnabled());
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kWheelPage);
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kTicketsPage);
    QCOMPARE(labelText(form, "Label5"),
             QStringLiteral("If 4 numbers played are correct, at least 1 ticket will match 3 numbers"));
    QVERIFY(child<QLabel>(form, QStringLiteral("Label7"))->isVisible());
    QCOMPARE(labelText(form, "Label7").split(u' ', Qt::SkipEmptyParts).size(), 7);
    QCOMPARE(lines(form, QStringLiteral("TicketList")).size(), 2);
    form.PreviousBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kWheelPage);
}

// Forty-nine numbers played wrap to three lines under the list: the window grows for them instead
// of drawing the list, the guarantee and the numbers over each other.
void TestGeneratorForms::wheelOfManyNumbersFitsTheWindow() {
    Fixture f(lotto());
    QByteArray wheel = "6\r\n49\r\n9\r\n1\r\n6\r\n";
    for (int ticket = 0; ticket < 9; ++ticket) {
        for (int i = 0; i < 6; ++i)
            wheel += QByteArray::number(std::min(49, ticket * 6 + i + 1)).rightJustified(2, '0');
        wheel += "\r\n";
    }
    f.home.writeFile(QStringLiteral("wheels/W.A06"), wheel);
    TRandomForm1 form(f.lottery);
    form.show();
    child<QRadioButton>(form, QStringLiteral("WheelTicketsBtn"))->click();
    form.NextBtnClick();
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kTicketsPage);
    QApplication::processEvents();
    const auto box = [&form](const char* name) {
        const QWidget* widget = child<QWidget>(form, QLatin1String(name));
        return QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size());
    };
    QCOMPARE(labelText(form, "Label7").split(u' ', Qt::SkipEmptyParts).size(), 49);
    QVERIFY(box("TicketList").bottom() < box("Label5").top());
    QVERIFY(box("Label5").bottom() < box("Label7").top());
    QVERIFY(box("Label7").bottom() < box("SaveBtn").top());
    QVERIFY(box("SaveBtn").bottom() < box("CloseBtn").top());
    QVERIFY(form.rect().contains(box("CloseBtn")));
}

// On a Big Game lottery six boxes, the sixth the bonus; 7 becomes 07; Tab out of the last box of
// ticket 1 goes on to ticket 2.
void TestGeneratorForms::favoriteOwnTickets() {
    Fixture f(lotto(0, 7, 2));
    TFavForm form(f.lottery);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QSpinBox>(form, QStringLiteral("NumberOfTickets"))->setValue(2);
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TFavForm::kOwnTicketsPage);
    QCOMPARE(labelText(form, "Label8"), QStringLiteral("2 Tickets"));
    QCOMPARE(labelText(form, "Label12"), QStringLiteral("The last column is the bonus number"));
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("Fav%1").arg(i))->isVisible(), i <= 6);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(form, QStringLiteral("Fav1")));
    for (const char* entry : {"7", "12", "23", "34", "45", "9"}) {
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(entry));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(lines(form, QStringLiteral("TicketList2")).first(), QStringLiteral("00001. 07 12 23 34 45  09"));
    QCOMPARE(labelText(form, "Label11"), QStringLiteral("Ticket 2"));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(form, QStringLiteral("Fav1")));
    QVERIFY(child<QLineEdit>(form, QStringLiteral("Fav1"))->text().isEmpty());

    f.prompts.fileNames = {f.home.path(QStringLiteral("F.tic"))};
    form.SaveBtn2Click();
    QCOMPARE(f.home.readFile(QStringLiteral("F.tic")).left(35),
             QByteArray("2\r\n5\r\n0\r\nTest Lotto\r\n071223344509\r\n"));
}

void TestGeneratorForms::favoriteWheelRefusesEmptyBoxes() {
    Fixture f(lotto(0, 7, 2));
    f.home.writeFile(QStringLiteral("wheels/W.A05"), "5\r\n5\r\n1\r\n5\r\n5\r\n0102030405\r\n");
    TFavForm form(f.lottery);
    form.show();
    child<QRadioButton>(form, QStringLiteral("WheelTicketsBtn"))->click();
    form.NextBtnClick();
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TFavForm::kNumbersPage);
    QCOMPARE(labelText(form, "Label9"), QStringLiteral("Enter 5 of your favorite numbers to play:"));
    QVERIFY(child<QLineEdit>(form, QStringLiteral("Edit5"))->isVisible());
    QVERIFY(!child<QLineEdit>(form, QStringLiteral("Edit6"))->isVisible());
    child<QLineEdit>(form, QStringLiteral("Edit1"))->setText(QStringLiteral("40"));
    child<QLineEdit>(form, QStringLiteral("Edit3"))->setText(QStringLiteral("3"));
    form.NextBtnClick();
    const QString all = QStringLiteral("All favorite numbers must be entered before proceeding.");
    QCOMPARE(f.prompts.shown, (QStringList{all, all, all}));
    QCOMPARE(form.currentPage(), TFavForm::kNumbersPage);
    child<QLineEdit>(form, QStringLiteral("Edit2"))->setText(QStringLiteral("17"));
    child<QLineEdit>(form, QStringLiteral("Edit4"))->setText(QStringLiteral("7"));
    child<QLineEdit>(form, QStringLiteral("Edit5"))->setText(QStringLiteral("1"));
    form.NextBtnClick();
    QCOMPARE(f.prompts.shown.last(), QStringLiteral("A bonus number must be entered before proceeding."));
    child<QLineEdit>(form, QStringLiteral("BonusText"))->setText(QStringLiteral("5"));
    form.NextBtnClick();
    QCOMPARE(form.currentPage(), TGeneratorWizard::kTicketsPage);
    QCOMPARE(lines(form, QStringLiteral("TicketList")), QStringList{"00001. 40 17 03 07 01  05"});
    QCOMPARE(labelText(form, "Label7"), QStringLiteral("40 17 3 7 1 "));
}

void TestGeneratorForms::playMenuOpensBoth() {
    TempHome home;
    ScriptedPrompts prompts;
    TMainForm main(home.dir());
    main.lottery().LoadLottery(
        LotteryBuilder(home.dataDir(), QStringLiteral("TS")).definition(lotto()).build());
    ScriptedModal modal;
    QStringList captions;
    modal.expect<TRandomForm1>([&](TRandomForm1* form) { captions << form->windowTitle(); });
    modal.expect<TFavForm>([&](TFavForm* form) { captions << form->windowTitle(); });
    main.findChild<QAction*>(QStringLiteral("RandomNumbers1"))->trigger();
    main.findChild<QAction*>(QStringLiteral("FavoriteNumbers1"))->trigger();
    QVERIFY(modal.allAnswered());
    QCOMPARE(captions, (QStringList{"Play Random Numbers", "Play Favorite Numbers"}));
}

QTEST_MAIN(TestGeneratorForms)
#include "test_generator_forms.moc"
