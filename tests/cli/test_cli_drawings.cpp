// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/pdf_pages.h"
#include "support/temp_home.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

using Run = CliRun;

Run cli(const TempHome& home, const QStringList& arguments) {
    return runCli(home, arguments);
}

void buildLottery(const TempHome& home) {
    LotteryBuilder(home.dataDir(), QStringLiteral("TS649"))
        .numbers(7, 49, 1)
        .description(QStringLiteral("Test Lotto"))
        .drawing(QStringLiteral("01/01/2020"), {"05", "09", "11", "20", "41", "44", "33"})
        .drawing(QStringLiteral("01/02/2020"), {"05", "09", "12", "20", "41", "44", "01"})
        .drawing(QStringLiteral("01/03/2020"), {"06", "12", "33", "20", "41", "44", "05"})
        .build();
}

} // namespace

class TestCliDrawings final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void searchPrintsTheResultLines_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("regular numbers only") << QStringList{"--numbers", "5,12,33", "--min", "2"}
                                              << QStringList{"Search Numbers: 05 12 33 ", "Drawings: 1 to 3",
                                                             "01/02/2020  05 12 ", "01/03/2020  12 33 "};
        QTest::newRow("with the bonus")
            << QStringList{"--numbers", "05,12,33", "--min", "2", "--bonus"}
            << QStringList{"Search Numbers: 05 12 33 ", "Drawings: 1 to 3", "01/01/2020  05 33 ",
                           "01/02/2020  05 12 ", "01/03/2020  12 33 05 "};
        QTest::newRow("a range") << QStringList{"--numbers", "05,12,33", "--min", "2",
                                                "--from",    "3",        "--to",  "3"}
                                 << QStringList{"Search Numbers: 05 12 33 ", "Drawings: 3 to 3",
                                                "01/03/2020  12 33 "};
        QTest::newRow("default minimum of three")
            << QStringList{"--numbers", "05,12,33"}
            << QStringList{"Search Numbers: 05 12 33 ", "Drawings: 1 to 3"};
    }

    void searchPrintsTheResultLines() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        TempHome home;
        buildLottery(home);
        Run run = cli(home, QStringList{"search", "--lottery", "TS649.DBF"} + options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, expected);
    }

    void badSearchArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("no numbers") << QStringList{"search", "--lottery", "TS649.DBF"} << 2;
        QTest::newRow("minimum 0") << QStringList{"search", "--lottery", "TS649.DBF", "--numbers",
                                                  "1",      "--min",     "0"}
                                   << 2;
        QTest::newRow("minimum 23") << QStringList{"search", "--lottery", "TS649.DBF", "--numbers",
                                                   "1",      "--min",     "23"}
                                    << 2;
        QTest::newRow("unknown lottery")
            << QStringList{"search", "--lottery", "XX.DBF", "--numbers", "1"} << 1;
        QTest::newRow("print what") << QStringList{"print", "tickets", "--lottery", "TS649.DBF", "--pdf", "x"}
                                    << 2;
        QTest::newRow("numbers for the drawing list")
            << QStringList{"print", "drawings", "--lottery", "TS649.DBF", "--numbers", "1", "--pdf", "x"}
            << 2;
    }

    void badSearchArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        TempHome home;
        buildLottery(home);
        Run run = cli(home, arguments);
        QCOMPARE(run.status, status);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(run.out.isEmpty());
    }

    void printWritesBothPrintouts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("drawing list")
            << QStringList{"print", "drawings", "--lottery", "TS649.DBF", "--from", "2"};
        QTest::newRow("search list") << QStringList{"print", "search", "--lottery", "TS649.DBF", "--numbers",
                                                    "05,12", "--min",  "1",         "--bonus"};
    }

    void printWritesBothPrintouts() {
        QFETCH(QStringList, arguments);
        TempHome home;
        buildLottery(home);
        const QString pdf = home.path(QStringLiteral("list"));
        Run run = cli(home, arguments + QStringList{"--pdf", pdf});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringList{pdf + QStringLiteral(".pdf: 1 page")});
        QCOMPARE(pdfPageCount(pdf + QStringLiteral(".pdf")), 1);
    }
};

QTEST_GUILESS_MAIN(TestCliDrawings)
#include "test_cli_drawings.moc"
