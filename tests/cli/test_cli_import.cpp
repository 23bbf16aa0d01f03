// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QProcess>
#include <QTest>

namespace {

// Output as one text: the import reports read as a whole.
struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run cli(const TempHome& home, const QStringList& arguments) {
    const CliRun run = runCli(home, arguments);
    return {run.status, run.output, run.err};
}

QString csv(const char* name) {
    return TestData::path(QStringLiteral("csv/") + QLatin1String(name));
}

void make649(const TempHome& home, const QString& code) {
    LotteryDefinition d;
    d.NumbersDrawn = 7;
    d.BonusNumbers = 1;
    d.HighestNumber = 49;
    d.HighestBonus = 49;
    LotteryBuilder(home.dataDir(), code).definition(d).build();
}

} // namespace

class TestCliImport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badFileImportsNothing() {
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        const QByteArray before = home.readFile(QStringLiteral("data/CN649.DBF"));
        const Run run = cli(home, {"import", "--lottery", "CN649.DBF", csv("bad_rows.csv"), "--date-column",
                                   "4", "--number-columns", "5-11"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.isEmpty());
        const QStringList err = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(err.first(),
                 QStringLiteral("The file bad_rows.csv has 7 bad rows; nothing was imported (give "
                                "--skip-bad to import the other rows)."));
        QCOMPARE(err.at(1), QStringLiteral("Line 3: 50 is out of range (1 to 49)."));
        QCOMPARE(err.size(), 8);
        QCOMPARE(home.readFile(QStringLiteral("data/CN649.DBF")), before);
    }

    void skipBadReportsWhatItSkipped() {
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        const Run run = cli(home, {"import", "--lottery", "CN649.DBF", csv("bad_rows.csv"), "--date-column",
                                   "4", "--number-columns", "5-11", "--skip-bad"});
        QCOMPARE(run.status, 0);
        const QStringList out = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(out.first(),
                 QStringLiteral("Imported 2 drawings from bad_rows.csv into CN649.DBF; 0 already in the "
                                "table; 7 bad rows skipped; 1 header row skipped."));
        QCOMPARE(out.at(1), QStringLiteral("Skipped Line 3: 50 is out of range (1 to 49)."));
        QCOMPARE(out.last(), QStringLiteral("Total Drawings: 2"));
        QCOMPARE(out.size(), 9);
    }

    void publishedLayoutsByOptions_data() {
        QTest::addColumn<QStringList>("create");
        QTest::addColumn<QStringList>("import");
        QTest::addColumn<QString>("summary");
        QTest::newRow("keno: ';', no header, undated rows skipped")
            << QStringList{"--code",  "HUKENO", "--type",   "3", "--drawn",   "20",
                           "--bonus", "0",      "--lowest", "1", "--highest", "80"}
            << QStringList{"--lottery",
                           "HUKENO.DBF",
                           csv("keno_hu.csv"),
                           "--separator",
                           ";",
                           "--header-rows",
                           "0",
                           "--date-column",
                           "4",
                           "--date-format",
                           "YYYY.MM.DD.",
                           "--number-columns",
                           "5-24",
                           "--skip-bad"}
            << "Imported 3 drawings from keno_hu.csv into HUKENO.DBF; 0 already in the table; 2 bad rows "
               "skipped; 0 header rows skipped.";
        QTest::newRow("UK: split date")
            << QStringList{"--code",  "UK649", "--type",   "7", "--drawn",   "7",
                           "--bonus", "1",     "--lowest", "1", "--highest", "49"}
            << QStringList{"--lottery",     "UK649.DBF",      csv("uk_lotto.csv"), "--date-column", "3-5",
                           "--date-format", "DAY,MONTH,YEAR", "--number-columns",  "6-12"}
            << "Imported 4 drawings from uk_lotto.csv into UK649.DBF; 0 already in the table; 0 bad rows "
               "skipped; 1 header row skipped.";
        QTest::newRow("Powerball: separate drum")
            << QStringList{"--code",
                           "PB569",
                           "--type",
                           "7",
                           "--drawn",
                           "6",
                           "--bonus",
                           "1",
                           "--lowest",
                           "1",
                           "--highest",
                           "69",
                           "--highest-bonus",
                           "26",
                           "--allow-duplicates"}
            << QStringList{"--lottery", "PB569.DBF", csv("powerball.csv"), "--number-columns", "2,3"}
            << "Imported 3 drawings from powerball.csv into PB569.DBF; 0 already in the table; 0 bad rows "
               "skipped; 1 header row skipped.";
    }
    void publishedLayoutsByOptions() {
        QFETCH(QStringList, create);
        QFETCH(QStringList, import);
        QFETCH(QString, summary);
        TempHome home;
        QCOMPARE(cli(home, QStringList{"new"} + create).status, 0);
        const Run run = cli(home, QStringList{"import"} + import);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n')).first(), summary);
    }

    void exportThenImportWithoutOptions() {
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        make649(home, QStringLiteral("CN649B"));
        QCOMPARE(cli(home, {"import", "--lottery", "CN649.DBF", csv("ca_lotto649.csv"), "--date-column", "4",
                            "--number-columns", "5-11"})
                     .status,
                 0);
        const Run toStdout = cli(home, {"export", "--lottery", "CN649.DBF"});
        QCOMPARE(toStdout.status, 0);
        QVERIFY(toStdout.out.startsWith(
            QStringLiteral("DRAWDATE,P1,P2,P3,P4,P5,P6,P7\r\n1982-06-12,03,11,12,14,41,43,13\r\n")));
        const QString file = home.path(QStringLiteral("cn649.csv"));
        const Run toFile = cli(home, {"export", "--lottery", "CN649.DBF", file});
        QCOMPARE(toFile.out, QStringLiteral("Exported 5 drawings to cn649.csv.\n"));
        QCOMPARE(QString::fromUtf8(home.readFile(QStringLiteral("cn649.csv"))), toStdout.out);

        const Run back = cli(home, {"import", "--lottery", "CN649B.DBF", file});
        QCOMPARE(back.status, 0);
        QCOMPARE(cli(home, {"dump", "--lottery", "CN649B.DBF"}).out,
                 cli(home, {"dump", "--lottery", "CN649.DBF"}).out);
        const Run again = cli(home, {"import", "--lottery", "CN649B.DBF", file});
        QVERIFY(again.out.startsWith(
            QStringLiteral("Imported 0 drawings from cn649.csv into CN649B.DBF; 5 already")));
    }

    // Without options the file's own layout is read as the import window proposes it, and every
    // row is accounted for: a header, blank rows, a file in which nothing reads as a drawing.
    void everyRowIsAccountedFor_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // the first line of the output, or of the error
        const QByteArray rows = "1982-06-12,3,11,12,14,41,43,13\n"
                                "1982-06-19,8,33,36,37,39,41,9\n"
                                "1982-06-26,1,6,23,24,27,39,34\n";
        QTest::newRow("no header row: the first drawing is kept")
            << rows << QStringList() << 0
            << "Imported 3 drawings from in.csv into CN649.DBF; 0 already in the table; 0 bad rows skipped; "
               "0 header rows skipped.";
        QTest::newRow("rows of separators or blanks are blank rows")
            << QByteArray("DATE,A,B,C,D,E,F,G\n" + rows + ",,,,,,,\n   \n" + rows.left(31)) << QStringList()
            << 0
            << "Imported 3 drawings from in.csv into CN649.DBF; 1 already in the table; 0 bad rows skipped; "
               "1 header row skipped; 2 blank rows skipped.";
        QTest::newRow("one of each: singular")
            << QByteArray(
                   "DATE,A,B,C,D,E,F,G\n1982-06-12,3,11,12,14,41,43,13\n1982-06-19,8,33,36,37,39,41,99\n")
            << QStringList{"--skip-bad"} << 0
            << "Imported 1 drawing from in.csv into CN649.DBF; 0 already in the table; 1 bad row skipped; "
               "1 header row skipped.";
        const QByteArray sameDay = "DATE,A,B,C,D,E,F,G\n1982-06-12,3,11,12,14,41,43,13\n"
                                   "1982-06-12,8,33,36,37,39,41,9\n";
        QTest::newRow("a second drawing on a day is refused")
            << sameDay << QStringList() << 1
            << "The file in.csv has 1 bad row; nothing was imported (give --skip-bad to import the other "
               "rows).\nLine 3: The date 06/12/1982 already has the drawing 3 11 12 14 41 43 13; this row "
               "has 8 33 36 37 39 41 9.";
        QTest::newRow("unless the lottery draws twice a day")
            << sameDay << QStringList{"--two-draws-a-day"} << 0
            << "Imported 2 drawings from in.csv into CN649.DBF; 0 already in the table; 0 bad rows skipped; "
               "1 header row skipped.";
        QTest::newRow("a JSON record alone is not an array of records")
            << QByteArray("{\"date\": \"1982-06-12\", \"numbers\": [3, 11, 12, 14, 41, 43, 13]}\n")
            << QStringList{"--skip-bad"} << 1
            << "No line of the file in.csv could be read as a drawing; nothing was imported.";
        QTest::newRow("an unclosed quote swallows the file")
            << QByteArray("\"1982-06-05,1,2,3,4,5,6,7\n" + rows.repeated(50)) << QStringList{"--skip-bad"}
            << 1 << "No line of the file in.csv could be read as a drawing; nothing was imported.";
    }
    void everyRowIsAccountedFor() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        home.writeFile(QStringLiteral("in.csv"), content);
        const QByteArray before = home.readFile(QStringLiteral("data/CN649.DBF"));
        const Run run =
            cli(home, QStringList{"import", "--lottery", "CN649.DBF", home.path(QStringLiteral("in.csv"))} +
                          options);
        QCOMPARE(run.status, status);
        const QString output = status == 0 ? run.out : run.err;
        QVERIFY2(output.startsWith(message + QLatin1Char('\n')), qPrintable(output));
        if (status != 0)
            QCOMPARE(home.readFile(QStringLiteral("data/CN649.DBF")), before);
    }

    // A portal's JSON export, its keys proposed or named; drawings off the draw days are named.
    void jsonFiles_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // the first lines of the output, or of the error
        const QString imported = QStringLiteral(
            "Imported 7 drawings from mega_millions.json into MM570.DBF; 0 already in the table; 0 bad rows "
            "skipped; 0 header rows skipped.\n");
        QTest::newRow("keys proposed") << "0010010" << QStringList() << 0 << imported + "Total Drawings: 7";
        QTest::newRow("drawings off the draw days")
            << "0010000" << QStringList() << 0
            << imported + "3 drawings fall on a day the lottery does not draw: lines 2, 4 and 6.";
        QTest::newRow("another bonus key, missing from one record")
            << "0010010" << QStringList{"--json-bonus", "multiplier"} << 1
            << "The file mega_millions.json has 1 bad row; nothing was imported (give --skip-bad to import "
               "the "
               "other rows).\nLine 5: 5 numbers, but the lottery draws 6.";
        QTest::newRow("a numbers key no record has")
            << "0010010" << QStringList{"--json-numbers", "numbers"} << 1
            << "No line of the file mega_millions.json could be read as a drawing; nothing was imported.";
        QTest::newRow("a column option for a JSON file")
            << "0010010" << QStringList{"--number-columns", "2-7"} << 2
            << "vantoro-cli import: --number-columns is for CSV files; name the fields of a JSON file with "
               "--json-date, --json-numbers and --json-bonus";
    }
    void jsonFiles() {
        QFETCH(QString, days);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempHome home;
        QCOMPARE(
            cli(home, {"new", "--code", "MM570", "--type", "7", "--drawn", "6", "--bonus", "1", "--lowest",
                       "1", "--highest", "70", "--highest-bonus", "25", "--allow-duplicates", "--days", days})
                .status,
            0);
        const QByteArray before = home.readFile(QStringLiteral("data/MM570.DBF"));
        const Run run = cli(home, QStringList{"import", "--lottery", "MM570.DBF",
                                              TestData::path(QStringLiteral("json/mega_millions.json"))} +
                                      options);
        QCOMPARE(run.status, status);
        const QString output = status == 0 ? run.out : run.err;
        QVERIFY2(output.startsWith(message + QLatin1Char('\n')), qPrintable(output));
        if (status != 0)
            QCOMPARE(home.readFile(QStringLiteral("data/MM570.DBF")), before);
    }

    // A guessed date form that the draw days chose says so; a form given by hand does not.
    void guessedDateFormByDrawDays_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("lines");
        QTest::newRow("guessed")
            << QStringList()
            << "Imported 3 drawings from in.csv into CN649.DBF; 0 already in the table; 0 bad "
               "rows skipped; 1 header row skipped.\nThe dates were read as DD/MM/YYYY: read as "
               "MM/DD/YYYY, 3 of them would not fall on a draw day.\nTotal Drawings: 3\n";
        QTest::newRow("given")
            << QStringList{"--date-format", "MM/DD/YYYY"}
            << "Imported 3 drawings from in.csv into CN649.DBF; 0 already in the table; 0 bad "
               "rows skipped; 1 header row skipped.\n3 drawings fall on a day the lottery does "
               "not draw: lines 2, 3 and 4.\nTotal Drawings: 3\n";
    }
    void guessedDateFormByDrawDays() {
        QFETCH(QStringList, options);
        QFETCH(QString, lines);
        TempHome home;
        QCOMPARE(cli(home, {"new", "--code", "CN649", "--type", "7", "--drawn", "7", "--bonus", "1",
                            "--lowest", "1", "--highest", "49", "--days", "0001001"})
                     .status,
                 0);
        // Wednesdays and a Saturday, day first.
        home.writeFile(QStringLiteral("in.csv"), "DATE,A,B,C,D,E,F,G\n03/01/2024,1,2,3,4,5,6,7\n"
                                                 "10/01/2024,1,2,3,4,5,6,7\n09/03/2024,1,2,3,4,5,6,7\n");
        const Run run =
            cli(home, QStringList{"import", "--lottery", "CN649.DBF", home.path(QStringLiteral("in.csv"))} +
                          options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, lines);
    }

    void badCommandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList{"import", "--lottery", "CN649.DBF"}
                                 << "name one CSV or JSON file to import";
        QTest::newRow("bad columns") << QStringList{"import", "--lottery",        "CN649.DBF",
                                                    "x.csv",  "--number-columns", "0-3"}
                                     << "--number-columns takes columns";
        QTest::newRow("unknown date form")
            << QStringList{"import", "--lottery", "CN649.DBF", "x.csv", "--date-format", "DD-MM-YY"}
            << "--date-format must be one of";
        QTest::newRow("unknown option") << QStringList{"export", "--lottery", "CN649.DBF", "--skip-bad", "1"}
                                        << "unknown option --skip-bad";
        QTest::newRow("a JSON option for a CSV file")
            << QStringList{"import", "--lottery", "CN649.DBF", csv("ca_lotto649.csv"), "--json-date", "date"}
            << "--json-date is for JSON files";
    }
    void badCommandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        const Run run = cli(home, arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void missingCsvIsRefused() {
        TempHome home;
        make649(home, QStringLiteral("CN649"));
        const Run run =
            cli(home, {"import", "--lottery", "CN649.DBF", home.path(QStringLiteral("none.csv"))});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("The file ")) &&
                     run.err.contains(QStringLiteral("none.csv")),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliImport)
#include "test_cli_import.moc"
