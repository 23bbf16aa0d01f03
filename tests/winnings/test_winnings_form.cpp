// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "support/scripted_prompts.h"
#include "support/temp_home.h"
#include "winnings/winnings_form.h"
#include "winnings/winnings_table.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

template <typename T> T* child(const QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString label(const QWidget& form, const char* name) {
    return child<QLabel>(form, name)->text();
}

void type(TWinningsForm& form, const QString& date, const QString& comment, const QString& won,
          const QString& lost) {
    form.AddButtonClick();
    for (const auto& [name, text] : {std::pair{"DateEdit", date}, std::pair{"CommentEdit", comment},
                                     std::pair{"WonEdit", won}, std::pair{"LostEdit", lost}}) {
        auto* edit = child<QLineEdit>(form, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
}

QStringList gridColumn(const TWinningsForm& form, int column) {
    const QAbstractItemModel* model = child<QTableView>(form, "DBGrid1")->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, column).data().toString();
    return out;
}

} // namespace

class TestWinningsForm final : public QObject {
    Q_OBJECT
private slots:
    void addSaveDeleteAndTotals() {
        TempHome home;
        ScriptedPrompts prompts;
        Winnings::createLedger(home.path(QStringLiteral("WINS.DBF")));
        DbfTable table;
        Winnings::openLedger(table, home.dir(), QStringLiteral("WINS.DBF"));
        TWinningsForm form(table);
        form.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        form.FormActivate();
        QCOMPARE(label(form, "WonLabel"), QStringLiteral("$"));
        QCOMPARE(label(form, "LostLabel"), QStringLiteral("$"));

        type(form, QStringLiteral("03012024"), QStringLiteral("Lotto"), QStringLiteral("10.00"),
             QStringLiteral("5"));
        type(form, QStringLiteral("01152024"), QStringLiteral("Scratch"), QStringLiteral("2.50"),
             QStringLiteral("5.00"));
        type(form, QStringLiteral("02102024"), QStringLiteral("Keno"), QString(), QStringLiteral("1"));
        type(form, QStringLiteral("12312023"), QStringLiteral("Pick 3"), QStringLiteral("0"),
             QStringLiteral("0"));
        type(form, QStringLiteral("02012024"), QStringLiteral("Mistake"), QStringLiteral("100"),
             QStringLiteral("0"));
        QVERIFY(form.SaveButtonClick());
        QCOMPARE(gridColumn(form, 0),
                 (QStringList{"12/31/2023", "01/15/2024", "02/01/2024", "02/10/2024", "03/01/2024"}));
        QCOMPARE(label(form, "WonLabel"), QStringLiteral("$112.50"));
        QCOMPARE(label(form, "LostLabel"), QStringLiteral("$11.00"));

        // The saved entry stays current: deleting it leaves the totals as they were until Save.
        QCOMPARE(child<QLineEdit>(form, "CommentEdit")->text(), QStringLiteral("Mistake"));
        prompts.confirmations.push_back(true);
        form.DeleteButtonClick();
        QCOMPARE(prompts.shown.last(),
                 QStringLiteral("Are you sure you want to delete the entry on 02/01/2024?"));
        QCOMPARE(gridColumn(form, 1), (QStringList{"Pick 3", "Scratch", "Keno", "Lotto"}));
        QCOMPARE(label(form, "WonLabel"), QStringLiteral("$112.50"));
        QVERIFY(form.SaveButtonClick());
        QCOMPARE(label(form, "WonLabel"), QStringLiteral("$12.50"));
        QCOMPARE(label(form, "LostLabel"), QStringLiteral("$11.00"));
        QCOMPARE(table.RecordCount(), 4);
    }

    // An amount that is not a number is refused by name; nothing of the entry is stored.
    void refusesAnAmountThatIsNotANumber() {
        TempHome home;
        ScriptedPrompts prompts;
        Winnings::createLedger(home.path(QStringLiteral("WINS.DBF")));
        DbfTable table;
        Winnings::openLedger(table, home.dir(), QStringLiteral("WINS.DBF"));
        const QByteArray empty = home.readFile(QStringLiteral("WINS.DBF"));
        TWinningsForm form(table);
        type(form, QStringLiteral("01152024"), QStringLiteral("Scratch"), QStringLiteral("ten"), QString());
        QVERIFY(!form.SaveButtonClick());
        QVERIFY2(prompts.errors.value(0).contains(QStringLiteral("Amount Won")),
                 qPrintable(prompts.errors.join('|')));
        form.AbortButtonClick();
        QCOMPARE(table.RecordCount(), 0);
        table.close();
        QCOMPARE(home.readFile(QStringLiteral("WINS.DBF")), empty);
    }
};

QTEST_MAIN(TestWinningsForm)
#include "test_winnings_form.moc"
