// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/pdf_pages.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

const QByteArray kTickets = "3\r\n6\r\n7\r\nTest 6/49\r\n"
                            "051223344107\r\n"
                            "010203040506\r\n"
                            "051223010203\r\n";

void makeLottery(const TempHome& home) {
    LotteryDefinition definition;
    definition.NumbersDrawn = 7;
    definition.BonusNumbers = 1;
    definition.HighestNumber = 49;
    definition.HighestBonus = 49;
    definition.BonusMatches[5] = true;
    LotteryBuilder(home.dataDir(), QStringLiteral("T649"))
        .definition(definition)
        .drawing(QStringLiteral("01/03/2024"), {"01", "02", "03", "04", "05", "06", "07"})
        .drawing(QStringLiteral("01/06/2024"), {"05", "12", "23", "34", "41", "44", "07"})
        .build();
    home.writeFile(QStringLiteral("mine.tic"), kTickets);
}

} // namespace

class TestCliCheck final : public QObject {
    Q_OBJECT
private slots:
    void latestOlderAndMinimum() {
        TempHome home;
        makeLottery(home);
        const QStringList check{"check", "--lottery", "T649.DBF", "--tickets", "mine.tic"};
        CliRun run = runCli(home, check);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output,
                 QStringLiteral("Numbers Drawn: 05 12 23 34 41 44 \nBonus Number: 07 \n"
                                "00001. 05 12 23 34 41 07 (6)\n00002. 01 02 03 04 05 06 (1)\n"
                                "00003. 05 12 23 01 02 03 (3)\n[Summary]\nMatch 6: 1\nMatch 5: 0\n"
                                "Match 4: 0\nMatch 3: 1\nMatch 2: 0\nMatch 1: 1\nMatch 0: 0\n"));
        const QStringList older{"Numbers Drawn: 01 02 03 04 05 06 ", "Bonus Number: 07 ",
                                "00001. 05 12 23 34 41 07 (1)", "00002. 01 02 03 04 05 06 (6)",
                                "00003. 05 12 23 01 02 03 (4)"};
        run = runCli(home, QStringList(check) << "--position"
                                              << "1");
        QCOMPARE(run.out.first(5), older);
        run = runCli(home, QStringList(check) << "--date"
                                              << "01/03/2024"
                                              << "--min"
                                              << "4");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.first(5), (older.first(2) + older.mid(3) << "[Summary]"));
        run = runCli(home, QStringList(check) << "--min"
                                              << "9"
                                              << "--pdf" << home.path(QStringLiteral("c.pdf")));
        QCOMPARE(run.out.mid(2, 1), QStringList{"[Summary]"});
        QCOMPARE(pdfPageCount(home.path(QStringLiteral("c.pdf"))), 1);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QByteArray>("tickets");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("another game") << QStringList() << QByteArray("1\r\n5\r\n8\r\nPB\r\n051223344107\r\n")
                                      << 1 << "This ticket file is for Pick 5 games only.";
        QTest::newRow("not a number")
            << QStringList() << QByteArray("1\r\n6\r\n7\r\nX\r\n05122334xx07\r\n") << 1 << "mine.tic, line 5";
        QTest::newRow("no such drawing")
            << QStringList{"--date", "01/04/2024"} << kTickets << 1 << "no drawing on 01/04/2024";
        QTest::newRow("a day that does not exist")
            << QStringList{"--date", "02/30/2024"} << kTickets << 2 << "02/30/2024";
        QTest::newRow("minimum of two digits")
            << QStringList{"--min", "10"} << kTickets << 2 << "single digit";
    }

    void refusals() {
        QFETCH(QStringList, extra);
        QFETCH(QByteArray, tickets);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempHome home;
        makeLottery(home);
        home.writeFile(QStringLiteral("mine.tic"), tickets);
        const CliRun run =
            runCli(home, QStringList{"check", "--lottery", "T649.DBF", "--tickets", "mine.tic"} + extra);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void ledger() {
        TempHome home;
        auto winnings = [&](const QStringList& words) {
            return runCli(home, QStringList{"winnings"} + words);
        };
        QCOMPARE(winnings({"new", "W.DBF"}).status, 0);
        QCOMPARE(winnings({"add", "W.DBF", "--date", "03/01/2024", "--comment", "Lotto", "--won", "10.00",
                           "--lost", "5"})
                     .status,
                 0);
        QCOMPARE(winnings({"add", "W.DBF", "--date", "01/15/2024", "--comment", "Scratch", "--won", "2.50",
                           "--lost", "5.00"})
                     .status,
                 0);
        QCOMPARE(winnings({"add", "W.DBF", "--date", "02/10/2024", "--lost", "1"}).status, 0);
        QCOMPARE(winnings({"add", "W.DBF", "--date", "02/11/2024", "--won", "12,5x"}).status, 2);
        QCOMPARE(winnings({"add", "W.DBF", "--date", "02/30/2024", "--won", "1"}).status, 2);
        CliRun run = winnings({"show", "W.DBF", "--pdf", home.path(QStringLiteral("w.pdf"))});
        QCOMPARE(run.output,
                 QStringLiteral("01/15/2024\tScratch\t2.50\t5.00\n02/10/2024\t\t0.00\t1.00\n"
                                "03/01/2024\tLotto\t10.00\t5.00\nTotal Won: 12.50\nTotal Lost: 11.00\n"));
        QCOMPARE(pdfPageCount(home.path(QStringLiteral("w.pdf"))), 1);
        QCOMPARE(winnings({"delete", "W.DBF", "--date", "02/10/2024"}).status, 0);
        QCOMPARE(winnings({"delete", "W.DBF", "--date", "02/10/2024"}).status, 1);
        QCOMPARE(winnings({"show", "W.DBF"}).out.mid(2),
                 (QStringList{"Total Won: 12.50", "Total Lost: 10.00"}));
    }
};

QTEST_GUILESS_MAIN(TestCliCheck)
#include "test_cli_check.moc"
