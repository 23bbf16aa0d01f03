// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/pdf_pages.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

// A Powerball-like lottery: five of 59 and a Powerball of 35.
QString powerball(const TempHome& home) {
    LotteryDefinition d;
    d.GameType = 8;
    d.NumbersDrawn = 6;
    d.BonusNumbers = 1;
    d.HighestNumber = 59;
    d.HighestBonus = 35;
    d.Description = QStringLiteral("Test Powerball");
    return LotteryBuilder(home.dataDir(), QStringLiteral("TSPB")).definition(d).build();
}

const QByteArray kWheel = "5\r\n7\r\n3\r\n3\r\n4\r\n0102030405\r\n0304050607\r\n0102050607\r\n";

} // namespace

class TestCliGenerators final : public QObject {
    Q_OBJECT
private slots:
    void randomTicketsRepeatBySeed() {
        TempHome home;
        const QString name = powerball(home);
        const QStringList args{"random",    "--lottery", name,
                               "--tickets", "5",         "--seed",
                               "43200123",  "-o",        home.path(QStringLiteral("R.tic"))};
        const CliRun first = runCli(home, args);
        QCOMPARE(first.status, 0);
        QCOMPARE(first.out.size(), 5);
        QCOMPARE(runCli(home, args).output, first.output);
        // The file holds what was listed, and the header of the lottery's tickets.
        const TicketFile file = TicketFile::read(home.path(QStringLiteral("R.tic")));
        QCOMPARE(file.kind.numbersPerTicket, 5);
        QCOMPARE(file.kind.gameType, 8);
        QCOMPARE(file.lotteryName, QStringLiteral("Test Powerball"));
        QCOMPARE(TicketLine::format(file.kind, file.tickets), first.out);
    }

    void randomWheelWithPrintout() {
        TempHome home;
        const QString name = powerball(home);
        home.writeFile(QStringLiteral("wheels/W.A05"), kWheel);
        const QString pdf = home.path(QStringLiteral("w.pdf"));
        const CliRun run =
            runCli(home, {"random", "--lottery", name, "--wheel", "W.A05", "--seed", "7", "--pdf", pdf});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.size(), 5);
        QCOMPARE(
            run.out.at(0),
            QStringLiteral("Prize Guarantee: If 4 numbers played are correct, at least 1 ticket will match 3 "
                           "numbers"));
        QVERIFY(run.out.at(1).startsWith(QStringLiteral("Numbers Played: ")));
        QCOMPARE(run.out.at(1).split(u' ', Qt::SkipEmptyParts).size(), 2 + 7);
        QVERIFY(run.out.at(2).startsWith(QStringLiteral("00001. ")));
        QCOMPARE(pdfPageCount(pdf), 1);
    }

    void favoriteWheelRefusesEmptyBoxes() {
        TempHome home;
        const QString name = powerball(home);
        home.writeFile(QStringLiteral("wheels/W.A05"), kWheel);
        const QString message = QStringLiteral("All favorite numbers must be entered before proceeding.");
        const CliRun empty = runCli(home, {"favorite", "--lottery", name, "--wheel", "W.A05", "--numbers",
                                           "40,,17,3,5", "--bonus", "7"});
        QCOMPARE(empty.status, 1);
        QVERIFY(empty.output.isEmpty());
        QCOMPARE(empty.err.count(message), 3);
        const CliRun noBonus =
            runCli(home, {"favorite", "--lottery", name, "--wheel", "W.A05", "--numbers", "40,3,17,1,2,5,6"});
        QCOMPARE(noBonus.status, 1);
        QCOMPARE(noBonus.err.trimmed(), QStringLiteral("A bonus number must be entered before proceeding."));
        const CliRun made = runCli(home, {"favorite", "--lottery", name, "--wheel", "W.A05", "--numbers",
                                          "40,3,17,1,2,5,6", "--bonus", "7"});
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out.mid(1),
                 (QStringList{"Numbers Played: 40 3 17 1 2 5 6 ", "00001. 40 03 17 01 02  07",
                              "00002. 17 01 02 05 06  07", "00003. 40 03 02 05 06  07"}));
    }

    void favoriteOwnTickets() {
        TempHome home;
        const QString name = powerball(home);
        const CliRun run =
            runCli(home, {"favorite", "--lottery", name, "--ticket", "3,14,25,31,42", "--ticket",
                          "1,2,3,4,5,9", "--bonus", "7", "-o", home.path(QStringLiteral("F.tic"))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, (QStringList{"00001. 03 14 25 31 42  07", "00002. 01 02 03 04 05  09"}));
        QCOMPARE(home.readFile(QStringLiteral("F.tic")),
                 QByteArray("2\r\n5\r\n8\r\nTest Powerball\r\n031425314207\r\n010203040509\r\n"));
        QCOMPARE(runCli(home, {"favorite", "--lottery", name, "--ticket", "1,2,3,4,5,6,7"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliGenerators)
#include "test_cli_generators.moc"
