// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/game_type.h"
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>

namespace {

using Run = CliRun;

Run cli(const TempHome& home, const QStringList& arguments) {
    return runCli(home, arguments);
}

} // namespace

class TestCli final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newThenInfo() {
        TempHome home;
        Run made =
            cli(home, {"new", "--code", "PB545", "--type", "8", "--drawn", "6", "--bonus", "1", "--lowest",
                       "1", "--highest", "45", "--description", "Powerball", "--days", "0001001"});
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out, QStringList{"PB545"});
        for (const char* file : {"PB545.INF", "PB545.DBF", "PB545.NSX"})
            QVERIFY2(QFileInfo::exists(home.dataDir() + QLatin1String(file)), file);

        Run info = cli(home, {"info", "--lottery", "PB545.DBF"});
        QCOMPARE(info.status, 0);
        const QStringList expected{"GameType: 8",
                                   "Country: 6",
                                   "State: 0",
                                   "Description: Powerball",
                                   "NumbersDrawn: 6",
                                   "LowestNumber: 1",
                                   "HighestNumber: 45",
                                   "BonusNumbers: 1",
                                   "HighestBonus: 45",
                                   "Sunday: 0",
                                   "Monday: 0",
                                   "Tuesday: 0",
                                   "Wednesday: 1",
                                   "Thursday: 0",
                                   "Friday: 0",
                                   "Saturday: 1",
                                   "BonusMatches: 0000000",
                                   "AllowDuplicates: 0",
                                   "TicketsPerSlip: 5",
                                   "RowsPerTicket: 10",
                                   "ColumnsPerTicket: 5",
                                   "HorizontalTickets: 1",
                                   "CommissionName: ",
                                   "CommissionAddress: ",
                                   "CommissionCity: ",
                                   "CommissionState: ",
                                   "CommissionZipCode: ",
                                   "CommissionPhone: ",
                                   "CommissionFax: ",
                                   "CommissionEmail: ",
                                   "CommissionWWW: ",
                                   "TotalDrawings: 0",
                                   "DrawingCutoffCount: 0",
                                   "LastDrawing: ",
                                   "Total Drawings: 0",
                                   "Last Draw: ",
                                   "Hot Number Cutoff: 10",
                                   "Drawing Cutoff: 0"};
        QCOMPARE(info.out, expected);
    }

    void infoOfALotteryWithDrawings() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nHOTCUTOFF=0x0C\n");
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(60).build();
        Run info = cli(home, {"info", "--lottery", "NJ646.DBF"});
        QCOMPARE(info.status, 0);
        QCOMPARE(info.out.mid(info.out.size() - 7),
                 (QStringList{"TotalDrawings: 60", "DrawingCutoffCount: 50", "LastDrawing: 02/29/2000",
                              "Total Drawings: 60", "Last Draw: 02/29/2000", "Hot Number Cutoff: 12",
                              "Drawing Cutoff: 50"}));
    }

    void dumpListsDrawingsInDateOrder_data() {
        QTest::addColumn<bool>("indexMissing");
        QTest::newRow("with its index") << false;
        QTest::newRow("index missing") << true;
    }
    void dumpListsDrawingsInDateOrder() {
        QFETCH(bool, indexMissing);
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NY3"))
            .numbers(3, 9, 0, 5)
            .drawing(QStringLiteral("09/25/2020"), {"0", "4", "0"})
            .drawing(QStringLiteral("09/24/2020"), {"4", "3", "3"})
            .build();
        if (indexMissing)
            QVERIFY(QFile::remove(home.dataDir() + QStringLiteral("NY3.NSX")));
        Run dump = cli(home, {"dump", "--lottery", "NY3.DBF"});
        QCOMPARE(dump.status, 0);
        QCOMPARE(dump.out, (QStringList{"00001)  09/24/2020  4 3 3 ", "00002)  09/25/2020  0 4 0 "}));
        QCOMPARE(dump.err, indexMissing
                               ? QStringLiteral("The index NY3.NSX was missing and has been rebuilt.\n")
                               : QString());
        QCOMPARE(cli(home, {"dump", "--lottery", "NY3.DBF"}).err, QString());
    }

    void badArgumentsExitTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << "Usage: vantoro-cli COMMAND";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
        QTest::newRow("no code given or derived")
            << QStringList{"new", "--type",   "9", "--drawn",   "5", "--bonus",
                           "0",   "--lowest", "1", "--highest", "52"}
            << "--code";
        QTest::newRow("too many drawn")
            << QStringList{"new",     "--code", "X",        "--type", "7",         "--drawn", "30",
                           "--bonus", "0",      "--lowest", "1",      "--highest", "49"}
            << "--drawn";
        QTest::newRow("drawn not above bonus")
            << QStringList{"new",     "--code", "X",        "--type", "7",         "--drawn", "2",
                           "--bonus", "2",      "--lowest", "1",      "--highest", "49"}
            << "--drawn counts the bonus numbers as well, so it must be above --bonus";
        QTest::newRow("code with a path")
            << QStringList{"new",     "--code", "../X",     "--type", "7",         "--drawn", "6",
                           "--bonus", "0",      "--lowest", "1",      "--highest", "49"}
            << "--code";
        QTest::newRow("bad days") << QStringList{"new",     "--code",    "X",       "--type", "7",
                                                 "--drawn", "6",         "--bonus", "0",      "--lowest",
                                                 "1",       "--highest", "49",      "--days", "1x"}
                                  << "--days";
        QTest::newRow("not a number")
            << QStringList{"new",     "--code", "X",        "--type", "seven",     "--drawn", "6",
                           "--bonus", "0",      "--lowest", "1",      "--highest", "49"}
            << "--type";
        QTest::newRow("unknown option")
            << QStringList{"info", "--lottery", "X.DBF", "--colour", "red"} << "--colour";
        QTest::newRow("missing lottery") << QStringList{"info"} << "--lottery";
    }

    void badArgumentsExitTwo() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempHome home;
        const Run run = cli(home, arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(QDir(home.dataDir()).isEmpty());
    }

    void refusedFilesExitOne() {
        TempHome home;
        Run missing = cli(home, {"info", "--lottery", "NONE.DBF"});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err.trimmed(), QStringLiteral("Could not find the file NONE.DBF."));

        home.writeFile(QStringLiteral("data/BAD.DBF"), "this is not a table");
        home.writeFile(QStringLiteral("data/BAD.NSX"), "");
        home.writeFile(QStringLiteral("data/BAD.INF"), LotteryDefinition().toRecord());
        Run broken = cli(home, {"dump", "--lottery", "BAD.DBF"});
        QCOMPARE(broken.status, 1);
        QVERIFY2(broken.err.contains(QStringLiteral("BAD.DBF")), qPrintable(broken.err));
    }

    void printDemoWritesAPdf() {
        TempHome home;
        const QString pdf = home.path(QStringLiteral("demo.pdf"));
        const Run run = cli(home, {"print-demo", "--pdf", pdf, "--lines", "120", "--columns", "2"});
        QCOMPARE(run.status, 0);
        QVERIFY(home.readFile(QStringLiteral("demo.pdf")).startsWith("%PDF"));
        QCOMPARE(cli(home, {"print-demo", "--pdf", pdf, "--lines", "many"}).status, 2);
        QCOMPARE(cli(home, {"print-demo", "--pdf", home.path(QStringLiteral("no/such/folder/x.pdf")),
                            "--lines", "5", "--columns", "1"})
                     .status,
                 1);
    }

    void newRefusesToEraseWithoutOverwrite() {
        TempHome home;
        const QStringList arguments{"new",     "--code", "NJ646",    "--type", "7",         "--drawn", "6",
                                    "--bonus", "0",      "--lowest", "1",      "--highest", "46"};
        QCOMPARE(cli(home, arguments).status, 0);
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(5).build();
        const QByteArray table = home.readFile(QStringLiteral("data/NJ646.DBF"));
        const Run again = cli(home, arguments);
        QCOMPARE(again.status, 1);
        QCOMPARE(home.readFile(QStringLiteral("data/NJ646.DBF")), table);
        QCOMPARE(cli(home, QStringList(arguments) << QStringLiteral("--overwrite")).status, 0);
        QCOMPARE(cli(home, {"info", "--lottery", "NJ646.DBF"}).out.filter(QStringLiteral("TotalDrawings")),
                 QStringList{"TotalDrawings: 0"});
        QVERIFY(QFileInfo::exists(home.dataDir() + QStringLiteral("NJK.DBF")));
    }
    void newDerivesTheCodeAsTheEditorDoes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("powerball in arizona")
            << QStringList{"--state", "AZ", "--type",   "8", "--drawn",   "6",
                           "--bonus", "1",  "--lowest", "1", "--highest", "45"}
            << "PB545" << QStringList{"PB545.INF", "PB545.DBF", "PB545.NSX"};
        QTest::newRow("new jersey lotto with its companion")
            << QStringList{"--country", "united states",
                           "--state",   "nj",
                           "--type",    "7",
                           "--drawn",   "6",
                           "--bonus",   "0",
                           "--lowest",  "1",
                           "--highest", "46"}
            << "NJ646" << QStringList{"NJ646.INF", "NJ646.DBF", "NJ646.NSX", "NJK.DBF", "NJK.NSX"};
        QTest::newRow("canada pick 3")
            << QStringList{"--country", "Canada", "--type",   "5", "--drawn",   "3",
                           "--bonus",   "0",      "--lowest", "0", "--highest", "9"}
            << "CN3" << QStringList{"CN3.INF", "CN3.DBF", "CN3.NSX"};
        QTest::newRow("pick 3 without a state")
            << QStringList{"--type", "5", "--drawn", "3", "--bonus", "0", "--lowest", "0", "--highest", "9"}
            << "3" << QStringList{"3.INF", "3.DBF", "3.NSX"};
        QTest::newRow("a given code wins")
            << QStringList{"--code", "MY649",   "--state", "AZ",       "--type", "7",         "--drawn",
                           "6",      "--bonus", "0",       "--lowest", "1",      "--highest", "49"}
            << "MY649" << QStringList{"MY649.INF", "MY649.DBF", "MY649.NSX"};
    }

    void newDerivesTheCodeAsTheEditorDoes() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, code);
        QFETCH(QStringList, files);
        TempHome home;
        const Run made = cli(home, QStringList{"new"} + arguments);
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out, QStringList{code});
        QStringList written = QDir(home.dataDir()).entryList(QDir::Files, QDir::Name);
        std::sort(files.begin(), files.end());
        QCOMPARE(written, files);
    }

    void newFillsTheStateCommission() {
        TempHome home;
        QCOMPARE(cli(home, {"new", "--state", "AZ", "--type", "7", "--drawn", "6", "--bonus", "0", "--lowest",
                            "1", "--highest", "42"})
                     .out,
                 QStringList{"AZ642"});
        const Run info = cli(home, {"info", "--lottery", "AZ642.DBF"});
        QVERIFY(info.out.contains(QStringLiteral("Country: 6")));
        QVERIFY(info.out.contains(QStringLiteral("State: 3")));
        QVERIFY(info.out.contains(QStringLiteral("CommissionName: Arizona State Lottery")));
        QVERIFY(info.out.contains(QStringLiteral("CommissionState: AZ")));
    }

    void newWithoutACodeRefuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("quinto in new york")
            << QStringList{"--state", "NY", "--type",   "9", "--drawn",   "5",
                           "--bonus", "0",  "--lowest", "1", "--highest", "52"}
            << "State is NY";
        QTest::newRow("pick game of 5")
            << QStringList{"--type", "5", "--drawn", "5", "--bonus", "0", "--lowest", "0", "--highest", "9"}
            << "Numbers Drawn is 5";
        QTest::newRow("keno without a state")
            << QStringList{"--type", "3", "--drawn", "20", "--bonus", "0", "--lowest", "1", "--highest", "80"}
            << "needs a State";
        QTest::newRow("unknown state") << QStringList{"--state", "ZZ", "--type",   "7", "--drawn",   "6",
                                                      "--bonus", "0",  "--lowest", "1", "--highest", "49"}
                                       << "--state";
        QTest::newRow("unknown country")
            << QStringList{"--country", "Mars", "--type",   "7", "--drawn",   "6",
                           "--bonus",   "0",    "--lowest", "1", "--highest", "49"}
            << "--country";
    }

    void newWithoutACodeRefuses() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempHome home;
        const Run run = cli(home, QStringList{"new"} + arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(QDir(home.dataDir()).isEmpty());
    }

    void catalogueLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("everything") << QStringList{} << 187 << "Arizona\tPowerball\tPB545"
                                    << "United Kingdom\tBritish National Lottery\tUK649";
        QTest::newRow("the united states")
            << QStringList{"--country", "United States"} << 174 << "Arizona\tPowerball\tPB545"
            << "Wisconsin\tWisconsin Pick-3\tWI3";
        QTest::newRow("canada") << QStringList{"--country", "canada"} << 5 << "Canada\tCanadian 6/49\tCN649"
                                << "Canada\tOntario Daily Keno\tCNKENO";
        QTest::newRow("maine") << QStringList{"--state", "Maine"} << 4 << "Maine\tTri-State Megabucks\tTS642"
                               << "Maine\tTri-State Pick-4\tTS4";
        QTest::newRow("a state without lotteries") << QStringList{"--state", "Utah"} << 0 << ""
                                                   << "";
    }

    void catalogueLines() {
        QFETCH(QStringList, arguments);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        TempHome home;
        const Run run = cli(home, QStringList{"catalogue"} + arguments);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.size(), count);
        QCOMPARE(run.out.value(0), first);
        QCOMPARE(run.out.isEmpty() ? QString() : run.out.last(), last);
    }

    void catalogueRefusesBadOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("both") << QStringList{"--country", "Canada", "--state", "Maine"};
        QTest::newRow("a state as country") << QStringList{"--country", "Maine"};
        QTest::newRow("a country as state") << QStringList{"--state", "Canada"};
        QTest::newRow("unknown place") << QStringList{"--state", "Atlantis"};
    }

    void catalogueRefusesBadOptions() {
        QFETCH(QStringList, arguments);
        TempHome home;
        QCOMPARE(cli(home, QStringList{"catalogue"} + arguments).status, 2);
    }

    // The sections as the statistics window lists them, worked out by hand for two drawings.
    void statsListsTheWindowsLines() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("TS59"))
            .numbers(5, 9)
            .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05"})
            .drawing(QStringLiteral("01/02/2020"), {"05", "06", "07", "08", "09"})
            .build();
        const Run run = cli(home, {"stats", "--lottery", "TS59.DBF", "--cutoff", "2", "--hot", "1"});
        QCOMPARE(run.status, 0);
        QStringList expected{"[Frequency]", "*05 (02) 01/02/2020"};
        for (const char* n : {"01", "02", "03", "04"})
            expected << QStringLiteral(" %1 (01) 01/01/2020").arg(QLatin1String(n));
        for (const char* n : {"06", "07", "08", "09"})
            expected << QStringLiteral("*%1 (01) 01/02/2020").arg(QLatin1String(n));
        expected << "[Hit Index]"
                 << " 05 (1.8)"; // 2 x 9 / (5 x 2)
        for (const char* n : {"01", "02", "03", "04", "06", "07", "08", "09"})
            expected << QStringLiteral(" %1 (0.9)").arg(QLatin1String(n));
        expected << "[Hot]";
        for (const char* n : {"05", "06", "07", "08", "09"})
            expected << QStringLiteral(" *%1 (1)").arg(QLatin1String(n));
        expected << "[Cold]";
        for (const char* n : {"01", "02", "03", "04"})
            expected << QStringLiteral(" #%1 (01)").arg(QLatin1String(n));
        expected << "Average # Draws: 1.1"
                 << "[Graph]"
                 << "1,,,,1"
                 << "2,,,,1"
                 << "3,,,,1"
                 << "4,,,,1"
                 << "5,,2,,"
                 << "6,,1,,"
                 << "7,,1,,"
                 << "8,,1,,"
                 << "9,,1,,";
        QCOMPARE(run.out, expected);
        QVERIFY(QFileInfo::exists(home.path(QStringLiteral("TEMP.DBT"))));
    }

    void statsOptions() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nHOTCUTOFF=7\n");
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649")).numbers(7, 49, 1).drawings(60).build();
        // The cutoff defaults to min(total, 50), the hot cutoff to the settings' value.
        QCOMPARE(cli(home, {"stats", "--lottery", "CN649.DBF"}).out,
                 cli(home, {"stats", "--lottery", "CN649.DBF", "--cutoff", "50", "--hot", "7"}).out);
        const Run bonusOnly = cli(home, {"stats", "--lottery", "CN649.DBF", "--bonus", "2"});
        QCOMPARE(bonusOnly.status, 0);
        QCOMPARE(bonusOnly.out.indexOf(QStringLiteral("[Hit Index]")), 50); // heading + 49 numbers

        const Run refused = cli(home, {"stats", "--lottery", "CN649.DBF", "--cutoff", "0"});
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.contains(QStringLiteral("give --cutoff N (N from 1 to 60")),
                 qPrintable(refused.err));
        QVERIFY(!refused.err.contains(QStringLiteral("Options menu")));
        for (const QStringList& bad :
             {QStringList{"--bonus", "3"}, QStringList{"--cutoff", "61"}, QStringList{"--hot", "-1"}})
            QCOMPARE(cli(home, QStringList{"stats", "--lottery", "CN649.DBF"} + bad).status, 2);

        const QString pdf = home.path(QStringLiteral("stats.pdf"));
        QCOMPARE(cli(home, {"stats", "--lottery", "CN649.DBF", "--pdf", pdf}).status, 0);
        QVERIFY(home.readFile(QStringLiteral("stats.pdf")).startsWith("%PDF"));
    }

    // The statistics window hides the bonus choice of these lotteries; the command refuses it alike.
    void statsRefusesABonusOptionTheLotteryLacks_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("bonusNumbers");
        QTest::newRow("no bonus numbers") << "NJ646" << 0;
        QTest::newRow("5 Card Cash bonus rank") << "TS531" << 1;
    }

    void statsRefusesABonusOptionTheLotteryLacks() {
        QFETCH(QString, code);
        QFETCH(int, bonusNumbers);
        TempHome home;
        LotteryBuilder(home.dataDir(), code).numbers(6 + bonusNumbers, 42, bonusNumbers).drawings(5).build();
        const QStringList stats{"stats", "--lottery", code + QStringLiteral(".DBF")};
        for (const char* option : {"1", "2"}) {
            const Run refused = cli(home, stats + QStringList{"--bonus", option});
            QCOMPARE(refused.status, 2);
            QVERIFY2(refused.err.contains(QStringLiteral("--bonus takes only 0 for this lottery")),
                     qPrintable(refused.err));
            QVERIFY(refused.out.isEmpty());
        }
        QCOMPARE(cli(home, stats + QStringList{"--bonus", "0"}).status, 0);
    }

    // Every command the overview lists, and every action of those that have some, answers --help
    // on standard output with its own usage and does nothing else.
    void everyCommandHasHelp() {
        TempHome home;
        const Run overview = cli(home, {"--help"});
        QCOMPARE(overview.status, 0);
        const qsizetype listed = overview.out.indexOf(QStringLiteral("Commands:"));
        QVERIFY2(listed > 0, qPrintable(overview.output));
        QList<QStringList> commands;
        for (qsizetype i = listed + 1; i < overview.out.size() && overview.out.at(i).startsWith(u"  "); ++i)
            commands << QStringList{overview.out.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts).first()};
        QVERIFY2(commands.size() >= 12, qPrintable(overview.output));
        for (const char* action : {"full", "list", "show", "expand"})
            commands << QStringList{QStringLiteral("wheel"), QLatin1String(action)};
        for (const char* action : {"show", "filter"})
            commands << QStringList{QStringLiteral("tickets"), QLatin1String(action)};
        for (const QStringList& command : commands) {
            const Run help = cli(home, command + QStringList{QStringLiteral("--help")});
            const QString name = command.join(QLatin1Char(' '));
            // Usage on standard output; standard error may carry the platform's own notes.
            QVERIFY2(help.status == 0 && !help.err.contains(QStringLiteral("Usage")),
                     qPrintable(name + QLatin1Char('\n') + help.err));
            QVERIFY2(
                help.out.value(0).startsWith(QStringLiteral("Usage: vantoro-cli ") + name + QLatin1Char(' ')),
                qPrintable(help.output));
            QVERIFY2(help.output.contains(QStringLiteral("--home <DIR>")), qPrintable(help.output));
        }
        QVERIFY(QDir(home.dataDir()).isEmpty());
    }

    // The types are those of the definition editor's list, so a new one shows up without a copy here.
    void newHelpListsTheGameTypes() {
        TempHome home;
        const Run help = cli(home, {"new", "--help"});
        QCOMPARE(help.status, 0);
        QStringList lines;
        for (const QString& line : help.out)
            lines << line.trimmed();
        for (int type = 0; type < GameTypes::Count; ++type) {
            const QString entry = QStringLiteral("%1 %2").arg(type).arg(GameTypes::name(type));
            QVERIFY2(lines.contains(entry), qPrintable(help.output));
        }
        QVERIFY2(help.output.simplified().contains(QStringLiteral("counting the bonus numbers")),
                 qPrintable(help.output));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
