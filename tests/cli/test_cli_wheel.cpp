// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

using Run = CliRun;

Run cli(const TempHome& home, const QStringList& arguments) {
    return runCli(home, arguments);
}

} // namespace

class TestCliWheel final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullThenShowThenExpand() {
        TempHome home;
        const QString file = home.path(QStringLiteral("wheels/FULL05.F03"));
        const Run made = cli(home, {"wheel", "full", "--numbers", "5", "--per-ticket", "3", "-o", file});
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out, QStringList{"05 numbers, 010 tickets 3/3  (FULL05.F03)"});
        QVERIFY(home.readFile(QStringLiteral("wheels/FULL05.F03"))
                    .startsWith("3\r\n5\r\n10\r\n3\r\n3\r\n010203\r\n010204\r\n"));

        const Run shown = cli(home, {"wheel", "show", "FULL05.F03"});
        QCOMPARE(shown.status, 0);
        QCOMPARE(shown.out.size(), 5 + 10);
        QCOMPARE(shown.out.at(4), QStringLiteral("3 numbers match if 3 numbers are correct"));
        QCOMPARE(shown.out.last(), QStringLiteral("0010. 03 04 05"));

        const Run expanded = cli(home, {"wheel", "expand", "FULL05.F03", "--numbers", "4,9,17,23,40"});
        QCOMPARE(expanded.status, 0);
        QCOMPARE(
            expanded.out.at(0),
            QStringLiteral(
                "Prize Guarantee: If 3 numbers played are correct, at least 1 ticket will match 3 numbers"));
        QCOMPARE(expanded.out.at(1), QStringLiteral("Numbers Played: 04 09 17 23 40 "));
        QCOMPARE(expanded.out.at(2), QStringLiteral("00001. 04 09 17 "));
        QCOMPARE(expanded.out.last(), QStringLiteral("00010. 17 23 40 "));
    }

    void expandWithTheBonusOfALottery() {
        TempHome home;
        const QString name =
            LotteryBuilder(home.dataDir(), QStringLiteral("PB")).numbers(6, 45, 1, 8).build();
        home.writeFile(QStringLiteral("wheels/W.F05"), "5\r\n5\r\n1\r\n5\r\n5\r\n0102030405\r\n");
        const Run run = cli(
            home, {"wheel", "expand", "W.F05", "--numbers", "1,2,3,4,5", "--bonus", "7", "--lottery", name});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.last(), QStringLiteral("00001. 01 02 03 04 05  07"));
    }

    void listShowsTheLotteryWheels() {
        TempHome home;
        const QString name =
            LotteryBuilder(home.dataDir(), QStringLiteral("TS649")).numbers(7, 49, 1).build();
        home.writeFile(QStringLiteral("wheels/B.A06"), "6\r\n10\r\n30\r\n3\r\n4\r\n");
        home.writeFile(QStringLiteral("wheels/A.F06"), "6\r\n7\r\n7\r\n6\r\n6\r\n");
        home.writeFile(QStringLiteral("wheels/C.F05"), "5\r\n6\r\n6\r\n5\r\n5\r\n");
        const Run run = cli(home, {"wheel", "list", "--lottery", name});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, (QStringList{"07 numbers, 007 tickets 6/6  (A.F06)",
                                       "10 numbers, 030 tickets 3/4  (B.A06)"}));
    }

    // The exit status tells a kept guarantee (0) from a broken one (3) and from a refused file (1).
    void verifyTellsHoldsFromHoles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out");
        // Every 3-subset of 10 numbers in one of ten tickets, the first of them left out.
        const QByteArray tickets = "010203060809\r\n010204050609\r\n010304050708\r\n010305060709\r\n"
                                   "010506080910\r\n020305070810\r\n020406070810\r\n020407080910\r\n"
                                   "030405060910\r\n";
        QTest::newRow("header claims 3 if 3")
            << "6\r\n10\r\n9\r\n3\r\n3\r\n" + tickets << QStringList{} << 3
            << QStringList{"Draws: 120", "Holes: 6", "First hole: 01 02 07"};
        QTest::newRow("3 if 4 asked")
            << "6\r\n10\r\n9\r\n3\r\n3\r\n" + tickets << QStringList{"--correct", "4"} << 0
            << QStringList{"Draws: 210", "Holes: 0"};
        QTest::newRow("4 if 4 asked")
            << "6\r\n10\r\n9\r\n3\r\n3\r\n" + tickets << QStringList{"--match", "4", "--correct", "4"} << 3
            << QStringList{"Draws: 210", "Holes: 91", "First hole: 01 02 03 04"};
        QTest::newRow("position above K")
            << QByteArray("3\r\n5\r\n1\r\n3\r\n3\r\n010209\r\n") << QStringList{} << 1 << QStringList{};
    }

    void verifyTellsHoldsFromHoles() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/W.A06"), file);
        const Run run = cli(home, QStringList{"wheel", "verify", "W.A06"} + options);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        if (status == 1)
            QVERIFY(run.err.contains(QStringLiteral("holds \"09\", which is not a position from 1 to 5")));
    }

    void coverageOfTheFanoPlane() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/FANO.A03"),
                       "3\r\n7\r\n7\r\n2\r\n2\r\n010203\r\n010405\r\n010607\r\n020406\r\n020507\r\n"
                       "030407\r\n030506\r\n");
        const Run run = cli(home, {"wheel", "coverage", "FANO.A03"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out,
                 (QStringList{"Drawn         Draws   1 match   2 match   3 match",
                              "    1             7      100%", "    2            21      100%      100%",
                              "    3            35      100%      100%    20.00%"}));
    }

    void makeWritesAVerifiedWheel() {
        TempHome home;
        const QString file = home.path(QStringLiteral("wheels/C9.A05"));
        const Run made =
            cli(home, {"wheel", "make", "--numbers", "9", "--per-ticket", "5", "--match", "3", "--correct",
                       "3", "--seconds", "2", "--searches", "1", "--most-tickets", "11", "-o", file});
        // 11 is the proved floor here: a limit equal to it must not refuse.
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out, QStringList{"Tickets: 12"});
        QVERIFY(made.err.contains(QStringLiteral("holes left")));
        const Run verified = cli(home, {"wheel", "verify", "C9.A05"});
        QCOMPARE(verified.status, 0);
        QCOMPARE(verified.out, (QStringList{"Draws: 84", "Holes: 0"}));
    }

    // Ctrl+C ends a long search at once with the best wheel so far written.
    void makeStopsOnInterrupt() {
        TempHome home;
        const QString file = home.path(QStringLiteral("wheels/W20.A06"));
        QProcess process;
        process.start(QStringLiteral(VANTORO_CLI),
                      {"wheel", "make", "--numbers", "20", "--per-ticket", "6", "--match", "3", "--correct",
                       "6", "--seconds", "600", "-o", file, "--home", home.dir()});
        QVERIFY(process.waitForStarted());
        QByteArray progress;
        QTRY_VERIFY_WITH_TIMEOUT((progress += process.readAllStandardError()).contains("holes left"), 20000);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().startsWith("Tickets: "));
        const Run verified = cli(home, {"wheel", "verify", "W20.A06"});
        QCOMPARE(verified.status, 0);
    }

    void seededHomeHoldsTheFullWheels() {
        QTemporaryDir parent;
        const QString fresh = parent.filePath(QStringLiteral("home"));
        QProcess process;
        process.start(QStringLiteral(VANTORO_CLI),
                      {"wheel", "expand", "FULL07.F06", "--numbers", "3,8,15,16,23,42,44", "--home", fresh});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(
            lines,
            (QStringList{
                "Prize Guarantee: If 6 numbers played are correct, at least 1 ticket will match 6 numbers",
                "Numbers Played: 03 08 15 16 23 42 44 ", "00001. 03 08 15 16 23 42 ",
                "00002. 03 08 15 16 23 44 ", "00003. 03 08 15 16 42 44 ", "00004. 03 08 15 23 42 44 ",
                "00005. 03 08 16 23 42 44 ", "00006. 03 15 16 23 42 44 ", "00007. 08 15 16 23 42 44 "}));
        // Every full wheel of the seed is there: P = 3 .. 7 over K = P + 1 .. P + 5, the pick wheels
        // up to all ten digits, and the 5-number wheels of 11 and 12 numbers that the library's 5 if 5
        // adds.
        const QStringList wheels =
            QDir(fresh + QStringLiteral("/wheels")).entryList({QStringLiteral("FULL*")}, QDir::Files);
        QCOMPARE(wheels.size(), 30);
        QVERIFY(
            wheels.contains(QStringLiteral("FULL04.F03")) && wheels.contains(QStringLiteral("FULL10.F03")) &&
            wheels.contains(QStringLiteral("FULL10.F04")) && wheels.contains(QStringLiteral("FULL12.F07")));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad position") << QStringList{"wheel", "expand", "BAD.A03", "--numbers", "1,2,3,4"}
                                      << 1 << "Line 6 of the wheeling system file";
        QTest::newRow("no action") << QStringList{"wheel"} << 2
                                   << "full, list, show, expand, verify, coverage or make";
        QTest::newRow("too big") << QStringList{"wheel",        "full", "--numbers", "49",
                                                "--per-ticket", "6",    "-o",        "x"}
                                 << 1 << "more than 9999 tickets";
        QTest::newRow("no small wheel")
            << QStringList{"wheel",     "make", "--numbers",      "30",  "--per-ticket", "5", "--match", "5",
                           "--correct", "5",    "--most-tickets", "999", "-o",           "x"}
            << 1
            << "Every wheel of 30 numbers for 5 if 5 needs at least 142506 tickets, "
               "more than 999.";
        QTest::newRow("no searches") << QStringList{"wheel",   "make", "--numbers", "9", "--per-ticket", "5",
                                                    "--match", "3",    "--correct", "3", "--searches",   "-1",
                                                    "-o",      "x"}
                                     << 2 << "--searches takes a number from 1 to 64";
        QTest::newRow("missing file") << QStringList{"wheel", "show", "NONE.F03"} << 1 << "Cannot read";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/BAD.A03"), "3\r\n4\r\n1\r\n3\r\n3\r\n010500\r\n");
        const Run run = cli(home, arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliWheel)
#include "test_cli_wheel.moc"
