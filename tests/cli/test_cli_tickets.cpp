// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"
#include "support/temp_home.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kPowerball = "9\r\n5\r\n8\r\nPowerball\r\n"
                              "051223344107\r\n"  // sum 115, odd 3
                              "010203040509\r\n"  // sum 15, odd 3
                              "102030404250\r\n"; // sum 142, odd 0

} // namespace

class TestCliTickets final : public QObject {
    Q_OBJECT
private slots:
    void show() {
        TempHome home;
        home.writeFile(QStringLiteral("PB.tic"), kPowerball);
        const CliRun run = runCli(
            home, {QStringLiteral("tickets"), QStringLiteral("show"), home.path(QStringLiteral("PB.tic"))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QStringLiteral("00001. 05 12 23 34 41  07\n"
                                            "00002. 01 02 03 04 05  09\n"
                                            "00003. 10 20 30 40 42  50\n"
                                            "Sum Range: 15 to 142\n"
                                            "Odd Range: 0 to 3\n"));
    }

    // A new home holds a ticket file for the sample lottery; a bare name finds it there.
    void seededSampleOpensByName() {
        QTemporaryDir parent;
        QProcess process;
        process.setWorkingDirectory(parent.path());
        process.start(QStringLiteral(VANTORO_CLI),
                      {"tickets", "show", "Sample.tic", "--home", parent.filePath(QStringLiteral("home"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.first(), QStringLiteral("00001. 15 23 29 39 40 49 "));
        QCOMPARE(lines.mid(12), (QStringList{"Sum Range: 101 to 198", "Odd Range: 1 to 5"}));
    }

    void filterAndSave() {
        TempHome home;
        home.writeFile(QStringLiteral("PB.tic"), kPowerball);
        const CliRun run = runCli(
            home, {QStringLiteral("tickets"), QStringLiteral("filter"), home.path(QStringLiteral("PB.tic")),
                   QStringLiteral("--sum"), QStringLiteral("100-142"), QStringLiteral("--odd"),
                   QStringLiteral("1-5"), QStringLiteral("-o"), home.path(QStringLiteral("out.tic"))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QStringLiteral("00001. 05 12 23 34 41  07\n"));
        QCOMPARE(home.readFile(QStringLiteral("out.tic")),
                 QByteArray("1\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n"));
    }

    void refusals() {
        TempHome home;
        home.writeFile(QStringLiteral("bad.tic"), "1\r\n5\r\n8\r\n");
        CliRun run = runCli(
            home, {QStringLiteral("tickets"), QStringLiteral("show"), home.path(QStringLiteral("bad.tic"))});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("bad.tic is not a valid ticket file")), qPrintable(run.err));
        home.writeFile(QStringLiteral("PB.tic"), kPowerball);
        run = runCli(home,
                     {QStringLiteral("tickets"), QStringLiteral("filter"),
                      home.path(QStringLiteral("PB.tic")), QStringLiteral("--sum"), QStringLiteral("100")});
        QCOMPARE(run.status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliTickets)
#include "test_cli_tickets.moc"
