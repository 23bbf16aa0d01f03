// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "report/recording_canvas.h"
#include "report/report.h"
#include "support/temp_home.h"
#include "winnings/winnings_printout.h"
#include "winnings/winnings_table.h"

#include <QFile>
#include <QTest>

namespace {

QStringList dates(const std::vector<Winnings::Entry>& entries) {
    QStringList out;
    for (const Winnings::Entry& entry : entries)
        out << entry.date;
    return out;
}

// The five entries of the totals case, typed out of date order.
void addFive(DbfTable& table) {
    Winnings::addEntry(table, {QStringLiteral("03/01/2024"), QStringLiteral("Lotto"), 10.00, 5.00});
    Winnings::addEntry(table, {QStringLiteral("01/15/2024"), QStringLiteral("Scratch"), 2.50, 5.00});
    Winnings::addEntry(table, {QStringLiteral("02/10/2024"), QStringLiteral("Keno"), 0, 1.00});
    Winnings::addEntry(table, {QStringLiteral("12/31/2023"), QStringLiteral("Pick 3"), 0, 0});
    Winnings::addEntry(table, {QStringLiteral("02/01/2024"), QString(), 0, 0});
}

} // namespace

class TestWinnings final : public QObject {
    Q_OBJECT
private slots:
    void entriesInDateOrderWithTotals() {
        TempHome home;
        Winnings::createLedger(home.path(QStringLiteral("WINS.DBF")));
        DbfTable table;
        Winnings::openLedger(table, home.dir(), QStringLiteral("WINS.DBF"));
        addFive(table);
        QCOMPARE(dates(Winnings::entries(table)),
                 (QStringList{"12/31/2023", "01/15/2024", "02/01/2024", "02/10/2024", "03/01/2024"}));
        const Winnings::Totals totals = Winnings::totals(table);
        QCOMPARE(Winnings::currency(totals.won, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("$12.50"));
        QCOMPARE(Winnings::currency(totals.lost, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("$11.00"));
        QCOMPARE(Winnings::currency(totals.lost, QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("11,00\u00a0\u20ac"));

        QCOMPARE(Winnings::deleteEntries(table, QStringLiteral("02/10/2024")), 1);
        table.close();
        // What was deleted was packed away: a reader of the file sees four records.
        Winnings::openLedger(table, home.dir(), QStringLiteral("wins.dbf"));
        QCOMPARE(table.RecordCount(), 4);
        QCOMPARE(Winnings::totals(table).lost, 10.0);
    }

    // Bad input is refused with a message naming it; the ledger keeps what it held.
    void refusesBadEntries_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<double>("won");
        QTest::addColumn<QString>("message");
        QTest::newRow("a day that does not exist") << "02/30/2024"
                                                   << "x" << 1.0 << "is not a date";
        QTest::newRow("a comment too long")
            << "02/03/2024" << QString(41, QLatin1Char('c')) << 1.0 << "COMMENT";
        QTest::newRow("an amount too wide") << "02/03/2024"
                                            << "x" << 1e15 << "WON";
    }

    void refusesBadEntries() {
        QFETCH(QString, date);
        QFETCH(QString, comment);
        QFETCH(double, won);
        QFETCH(QString, message);
        TempHome home;
        Winnings::createLedger(home.path(QStringLiteral("WINS.DBF")));
        DbfTable table;
        Winnings::openLedger(table, home.dir(), QStringLiteral("WINS.DBF"));
        Winnings::addEntry(table, {QStringLiteral("01/01/2024"), QStringLiteral("kept"), 1, 2});
        const QByteArray before = home.readFile(QStringLiteral("WINS.DBF"));
        try {
            Winnings::addEntry(table, {date, comment, won, 0});
            QFAIL("the entry was taken");
        } catch (const VantoroError& error) {
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        }
        QCOMPARE(home.readFile(QStringLiteral("WINS.DBF")), before);
        QCOMPARE(table.state(), DbfTable::State::Browse);
    }

    void parsesAmounts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "10.00" << 10.0 << false;
        QTest::newRow("currency") << "$1,234.50" << 1234.5 << false;
        QTest::newRow("blank") << "  " << 0.0 << false;
        QTest::newRow("words") << "ten" << 0.0 << true;
        QTest::newRow("two points") << "1.2.3" << 0.0 << true;
    }

    void parsesAmounts() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, refused);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        try {
            QCOMPARE(Winnings::parseAmount(text, QStringLiteral("Amount Won"), us), value);
            QVERIFY(!refused);
        } catch (const VantoroError& error) {
            QVERIFY2(refused, qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("Amount Won")));
        }
    }

    void createAndRemove() {
        TempHome home;
        Winnings::createLedger(home.path(QStringLiteral("W.DBF")));
        QVERIFY(QFile::exists(home.path(QStringLiteral("W.NSX"))));
        QVERIFY_THROWS_EXCEPTION(VantoroError,
                                 Winnings::createLedger(home.path(QStringLiteral("no/such/W.DBF"))));
        QCOMPARE(Winnings::removeLedger(home.dir(), QStringLiteral("W.DBF")), Winnings::Removal::Removed);
        QVERIFY(!QFile::exists(home.path(QStringLiteral("W.NSX"))));
        QCOMPARE(Winnings::removeLedger(home.dir(), QStringLiteral("W.DBF")), Winnings::Removal::TableKept);
    }

    void printsEntriesWithoutTotals() {
        WinningsPrintoutFacts facts;
        facts.fileName = QStringLiteral("WINS.DBF");
        facts.entries = {{QStringLiteral("01/15/2024"), QStringLiteral("Scratch"), 2.5, 5}};
        facts.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        Report report;
        setUpWinningsPrintout(report, facts);
        RecordingCanvas canvas;
        QVERIFY(report.run(canvas));
        QStringList texts;
        for (const TextRun& run : canvas.runs())
            texts << run.text;
        for (const char* expected : {"Winnings (WINS.DBF)", "Date", "Comment", "Won", "Lost", "01/15/2024",
                                     "Scratch", "$2.50", "$5.00"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        QVERIFY(!texts.join(QLatin1Char(' ')).contains(QStringLiteral("Total")));
        // The first entry stands under the headings, not over them.
        QVERIFY(canvas.find(QStringLiteral("01/15/2024"))->top >
                canvas.find(QStringLiteral("Date"))->top + 0.1);
    }
};

QTEST_MAIN(TestWinnings)
#include "test_winnings.moc"
