// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/todays_games.h"
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {

QString csv(const char* name) {
    return TestData::path(QStringLiteral("csv/") + QLatin1String(name));
}

// The drawing lines of `vantoro-cli dump`, without their record numbers.
QStringList drawings(const TempHome& home, const QString& code) {
    QStringList lines;
    for (const QString& line : runCli(home, {"dump", "--lottery", code + ".DBF"}).out)
        lines << line.section(QLatin1Char(')'), 1).trimmed();
    return lines;
}

QString makeGame(const TempHome& home, const QString& game) {
    const CliRun made = runCli(home, {"new", "--game", game});
    if (made.status != 0)
        qWarning().noquote() << made.err;
    return made.out.value(0);
}

// A Lotto 6aus49 lottery of five drawings, two of them kept without their Superzahl, two with a
// Superzahl of 0.
QString superzahlLottery(const TempHome& home) {
    const QString code = makeGame(home, QStringLiteral("Lotto 6aus49"));
    home.writeFile(QStringLiteral("rows.csv"), "date,numbers\n2024-01-03,1,2,3,4,5,6,0\n"
                                               "2024-01-06,1,2,8,9,10,11\n2024-01-10,1,2,3,14,15,16,0\n"
                                               "2024-01-13,1,2,3,22,29,36\n2024-01-17,7,8,9,10,11,12,5\n");
    const CliRun imported = runCli(home, {"import", "--lottery", code + ".DBF", home.path("rows.csv"),
                                          "--date-column", "1", "--number-columns", "2-8"});
    if (imported.status != 0)
        qWarning().noquote() << imported.err;
    return code;
}

} // namespace

class TestCliGames final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every game is listed once, with the code `new --game` gives it, and no two games share a
    // code: a clash would put two games in one drawing table.
    void gamesAreListedWithTheCodeNewGives() {
        TempHome home;
        const CliRun listed = runCli(home, {"games"});
        QCOMPARE(listed.status, 0);
        QCOMPARE(listed.out.size(), TodaysGames::all().size());
        QSet<QString> codes;
        for (const QString& line : listed.out) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 3);
            QVERIFY2(!codes.contains(fields[2]), qPrintable(line));
            codes.insert(fields[2]);
            QCOMPARE(makeGame(home, fields[0]), fields[2]);
            QVERIFY(QFile::exists(home.dataDir() + fields[2] + ".GAM"));
        }
        QCOMPARE(listed.out.first(),
                 QStringLiteral("US Powerball\t5 of 1 to 69, plus 1 of 1 to 26 from a separate drum; Monday, "
                                "Wednesday and Saturday\t569"));
        QCOMPARE(runCli(home, {"new", "--game", "Oz Lotto"}).status, 2);
        QCOMPARE(runCli(home, {"new", "--game", "EuroMillions", "--bonus", "1"}).status, 2);
    }

    // Each preset reads a real excerpt of the file it is named for, chosen without any option
    // because the lottery was made from its game.
    void presetReadsItsPublishedFile_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first"); // the first drawing in date order
        QTest::newRow("EuroMillions") << "EuroMillions" << csv("presets/euromillions_uk.csv")
                                      << "euromillions-uk" << 6 << "03/07/2023  11 13 24 35 50 06 11";
        QTest::newRow("UK Lotto") << "UK Lotto" << csv("presets/uk_lotto.csv") << "uk-lotto" << 4
                                  << "09/02/2017  30 41 35 33 40 59 08";
        QTest::newRow("US Powerball") << "US Powerball" << csv("powerball.csv") << "powerball-us" << 3
                                      << "10/07/2015  18 30 40 48 52 09";
        QTest::newRow("Mega Millions") << "Mega Millions" << csv("presets/megamillions.csv")
                                       << "megamillions-us" << 5 << "10/31/2017  06 28 31 52 53 12";
        QTest::newRow("Canada Lotto 6/49") << "Canada Lotto 6/49" << csv("ca_lotto649.csv")
                                           << "lotto649-canada" << 5 << "06/12/1982  03 11 12 14 41 43 13";
        QTest::newRow("Thunderball") << "Thunderball" << csv("presets/thunderball.csv") << "thunderball-uk"
                                     << 6 << "02/15/2019  39 29 20 18 35 02";
        QTest::newRow("New York Lotto") << "New York Lotto" << csv("presets/ny_lotto.csv") << "nylotto-us"
                                        << 6 << "09/26/2020  14 19 20 23 55 57 22";
        QTest::newRow("Lotto Texas") << "Lotto Texas" << csv("presets/lottotexas.csv") << "lottotexas-us" << 6
                                     << "11/14/1992  13 16 22 29 32 36";
        QTest::newRow("France Loto") << "France Loto" << csv("presets/loto_fr.csv") << "loto-fr" << 5
                                     << "09/12/2026  48 09 26 38 45 01";
        QTest::newRow("La Primitiva") << "La Primitiva" << csv("presets/primitiva.csv") << "primitiva-es"
                                      << 11 << "01/08/2026  04 09 14 25 27 34 45 00";
        QTest::newRow("Eurojackpot") << "Eurojackpot" << csv("presets/eurojackpot.csv") << "eurojackpot" << 6
                                     << "03/23/2012  05 08 21 37 46 06 08";
        QTest::newRow("SuperEnalotto") << "SuperEnalotto" << csv("presets/superenalotto.csv")
                                       << "superenalotto-it" << 6 << "01/02/2009  16 19 29 34 48 64 53 34";
        QTest::newRow("Lotto America") << "Lotto America" << csv("presets/lottoamerica.csv")
                                       << "lottoamerica-us" << 6 << "01/01/2025  01 02 08 14 30 06";
    }
    void presetReadsItsPublishedFile() {
        QFETCH(QString, game);
        QFETCH(QString, file);
        QFETCH(QString, preset);
        QFETCH(int, count);
        QFETCH(QString, first);
        TempHome home;
        const QString code = makeGame(home, game);
        const CliRun imported = runCli(home, {"import", "--lottery", code + ".DBF", file});
        QCOMPARE(imported.status, 0);
        QVERIFY2(imported.out.contains(QStringLiteral("Read with the preset %1.").arg(preset)),
                 qPrintable(imported.output));
        QVERIFY2(imported.output.startsWith(QStringLiteral("Imported %1 drawings").arg(count)),
                 qPrintable(imported.output + imported.err));
        QCOMPARE(drawings(home, code).value(0), first);
        // Named on a lottery made by hand, the preset reads the same file.
        TempHome other;
        LotteryDefinition d = TodaysGames::find(game)->definition();
        LotteryBuilder(other.dataDir(), QStringLiteral("HAND")).definition(d).build();
        QCOMPARE(runCli(other, {"import", "--lottery", "HAND.DBF", file, "--preset", preset}).status, 0);
        QCOMPARE(drawings(other, QStringLiteral("HAND")), drawings(home, code));
    }

    // A bonus drawn from 0 is stored as such, a drawing without its bonus is kept with the bonus
    // blank, and each bonus keeps to its own drum: a reintegro may equal a regular number, a
    // complementario may not.
    void bonusesAreKeptAsTheirDrumsDrawThem_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("Superzahl 0") << "Lotto 6aus49"
                                     << "2024-01-03,1,2,3,4,5,6,0"
                                     << "01 02 03 04 05 06 00";
        QTest::newRow("no Superzahl") << "Lotto 6aus49"
                                      << "2024-01-03,1,2,3,4,5,6"
                                      << "01 02 03 04 05 06";
        QTest::newRow("regular 0") << "Lotto 6aus49"
                                   << "2024-01-03,0,2,3,4,5,6,7"
                                   << "";
        QTest::newRow("Superzahl 10") << "Lotto 6aus49"
                                      << "2024-01-03,1,2,3,4,5,6,10"
                                      << "";
        QTest::newRow("reintegro repeats") << "La Primitiva"
                                           << "2024-01-04,1,2,3,4,5,6,7,3"
                                           << "01 02 03 04 05 06 07 03";
        QTest::newRow("complementario repeats") << "La Primitiva"
                                                << "2024-01-04,1,2,3,4,5,6,3,7"
                                                << "";
        QTest::newRow("two Lucky Stars alike") << "EuroMillions"
                                               << "2024-01-05,1,2,3,4,5,7,7"
                                               << "";
        QTest::newRow("EuroMillions short") << "EuroMillions"
                                            << "2024-01-05,1,2,3,4,5,7"
                                            << "";
    }
    void bonusesAreKeptAsTheirDrumsDrawThem() {
        QFETCH(QString, game);
        QFETCH(QString, row);
        QFETCH(QString, stored);
        TempHome home;
        const QString code = makeGame(home, game);
        home.writeFile(QStringLiteral("rows.csv"), QByteArray("date,numbers\n") + row.toLatin1() + "\n");
        const CliRun imported = runCli(home, {"import", "--lottery", code + ".DBF", home.path("rows.csv"),
                                              "--date-column", "1", "--number-columns", "2-9"});
        QCOMPARE(imported.status, stored.isEmpty() ? 1 : 0);
        if (!stored.isEmpty())
            QCOMPARE(drawings(home, code).value(0).section(QLatin1String("  "), 1).trimmed(), stored);
    }

    // The Superzahl statistics list 0 to 9, count a 0, and pass over a drawing kept without it.
    void superzahlStatisticsCountZeroAndSkipAMissingOne() {
        TempHome home;
        const QString code = makeGame(home, QStringLiteral("Lotto 6aus49"));
        home.writeFile(QStringLiteral("rows.csv"),
                       "date,numbers\n2024-01-03,1,2,3,4,5,6,0\n"
                       "2024-01-06,7,8,9,10,11,12\n2024-01-10,13,14,15,16,17,18,9\n");
        QCOMPARE(runCli(home, {"import", "--lottery", code + ".DBF", home.path("rows.csv"), "--date-column",
                               "1", "--number-columns", "2-8"})
                     .status,
                 0);
        const CliRun stats = runCli(home, {"stats", "--lottery", code + ".DBF", "--bonus", "2"});
        QCOMPARE(stats.status, 0);
        QCOMPARE(stats.out.mid(0, 4),
                 (QStringList{"[Frequency]", " 00 (01) 01/03/2024", "*09 (01) 01/10/2024", " 01 (00)"}));
        QCOMPARE(stats.out.indexOf(QStringLiteral("[Hit Index]")), 11); // 0 to 9: ten numbers
    }

    // Every chart that reads the bonus passes over one that was not drawn, and counts a 0 drawn.
    void aMissingBonusIsNotDrawnInEveryChart_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("line"); // a line the chart must show
        QTest::newRow("skip and hit") << QStringList{"skiphit", "--bonus", "1"}
                                      << "00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                                         "00 00 00 00";
        QTest::newRow("hit sequence") << QStringList{"sequence", "--bonus", "1"}
                                      << QString(QLatin1String("00")).leftJustified(63) + "BB 01 BB 01 02";
        QTest::newRow("summary, bonus only") << QStringList{"summary", "--bonus", "2", "--hot", "1"}
                                             << "Percent: 100.0  0.0  0.0  0.0 100.0 50.0 50.0 100.0";
        QTest::newRow("summary with bonus") << QStringList{"summary", "--bonus", "1", "--hot", "1"}
                                            << "01/13/2024,3,0,2,1,0,0,0,0,0,0,0,3,3,0,3,3,93";
        QTest::newRow("pairs with bonus") << QStringList{"pairs", "--bonus"} << "          00 - 01";
        QTest::newRow("triples with bonus") << QStringList{"triples", "--bonus"} << "        00 - 01 - 02";
    }
    void aMissingBonusIsNotDrawnInEveryChart() {
        QFETCH(QStringList, words);
        QFETCH(QString, line);
        TempHome home;
        const QString code = superzahlLottery(home);
        const CliRun chart = runCli(home, words << "--lottery" << code + ".DBF");
        QCOMPARE(chart.err, QString());
        QCOMPARE(chart.status, 0);
        QVERIFY2(chart.out.contains(line), qPrintable(chart.output));
    }

    // Only the Superzahl starts at 0: the regular numbers' lists, the smart numbers and the
    // favourites know no regular 0.
    void superzahlGameHasNoRegularZero() {
        TempHome home;
        const QString code = superzahlLottery(home);
        const QString lottery = code + ".DBF";
        QVERIFY(
            runCli(home, {"skiphit", "--lottery", lottery}).out.value(1).startsWith(QLatin1String("01 ")));
        QCOMPARE(runCli(home, {"stats", "--lottery", lottery}).out.indexOf(QStringLiteral("[Hit Index]")),
                 50); // 1 to 49
        QCOMPARE(runCli(home, {"stats", "--lottery", lottery, "--bonus", "1"})
                     .out.indexOf(QStringLiteral("[Hit Index]")),
                 51); // 0 to 49
        const CliRun smart = runCli(home, {"smart", "--lottery", lottery, "--hot", "1"});
        QCOMPARE(smart.status, 0);
        QVERIFY(smart.out.contains(QStringLiteral("[Cold]")));
        QVERIFY2(!smart.out.contains(QStringLiteral("00")), qPrintable(smart.output));
        const CliRun zero = runCli(home, {"favorite", "--lottery", lottery, "--ticket", "0,1,2,3,4,5"});
        QCOMPARE(zero.status, 1);
        QCOMPARE(zero.err.trimmed(),
                 QStringLiteral("0 is not a regular number of Lotto 6aus49, whose regular "
                                "numbers run from 1 to 49; only its bonus starts at 0."));
        home.writeFile(QStringLiteral("wheels/W.A05"),
                       "5\r\n7\r\n3\r\n3\r\n4\r\n0102030405\r\n0304050607\r\n0102050607\r\n");
        const CliRun wheel = runCli(
            home, {"favorite", "--lottery", lottery, "--wheel", "W.A05", "--numbers", "1,2,0,4,5,6,7"});
        QCOMPARE(wheel.status, 1);
        QVERIFY2(wheel.err.startsWith(QLatin1String("0 is not a regular number")), qPrintable(wheel.err));
        QCOMPARE(runCli(home, {"favorite", "--lottery", lottery, "--ticket", "1,2,3,4,5,6"}).status, 0);
    }

    // Without the game's extras (a lottery defined by hand with the same numbers) a drawing
    // without its bonus is still refused.
    void handMadeLotteryRefusesAMissingBonus() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("GE649"))
            .definition(TodaysGames::find(QStringLiteral("Lotto 6aus49"))->definition())
            .build();
        home.writeFile(QStringLiteral("rows.csv"), "date,numbers\n2024-01-03,1,2,3,4,5,6\n");
        QCOMPARE(runCli(home, {"import", "--lottery", "GE649.DBF", home.path("rows.csv"), "--date-column",
                               "1", "--number-columns", "2-8"})
                     .status,
                 1);
    }
};

QTEST_GUILESS_MAIN(TestCliGames)
#include "test_cli_games.moc"
