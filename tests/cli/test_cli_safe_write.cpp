// SPDX-License-Identifier: GPL-3.0-or-later
// Writers on a disk that fills, under a file-size limit, and two at once on one table.
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include "db/dbf_table.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray kTickets("3\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n010203040501\r\n102030404501\r\n");

CliRun runLimited(const TempHome& home, QStringList arguments, rlim_t limit) {
    arguments << QStringLiteral("--home") << home.dir();
    QProcess process;
    process.setChildProcessModifier([limit] {
        rlimit r{};
        ::getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &r);
    });
    process.start(QStringLiteral(VANTORO_CLI), arguments);
    if (!process.waitForFinished(60000))
        qFatal("vantoro-cli did not finish");
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The command of each writer, its output file (relative to the home) and what was there before.
void writerRows() {
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("file");
    QTest::newRow("wheel full -o") << QStringList{"wheel",        "full", "--numbers", "9",
                                                  "--per-ticket", "6",    "-o",        "@/out.whl"}
                                   << "out.whl";
    QTest::newRow("tickets filter -o")
        << QStringList{"tickets", "filter", "@/in.tic", "--sum", "1-300", "-o", "@/out.tic"} << "out.tic";
    QTest::newRow("new") << QStringList{"new",     "--code",    "PB545",   "--type",     "8",
                                        "--drawn", "6",         "--bonus", "1",          "--lowest",
                                        "1",       "--highest", "45",      "--overwrite"}
                         << "data/PB545.INF";
}

QStringList inHome(const TempHome& home, QStringList command) {
    for (QString& word : command)
        word.replace(QLatin1Char('@'), home.dir());
    return command;
}

QByteArray oldBytes(const TempHome& home, const QString& file) {
    if (file.endsWith(QLatin1String(".INF"))) {
        runCli(home, {"new", "--code", "PB545", "--type", "8", "--drawn", "5", "--bonus", "0", "--lowest",
                      "1", "--highest", "39"});
    } else {
        home.writeFile(file, QByteArray("the old bytes\r\n"));
    }
    home.writeFile(QStringLiteral("in.tic"), kTickets);
    return home.readFile(file);
}

QByteArray importCsv(int firstYear, int rows) {
    QByteArray text("\"DATE\",\"N1\",\"N2\",\"N3\",\"N4\",\"N5\",\"N6\",\"BONUS\"\n");
    const QDate start(firstYear, 1, 3);
    for (int i = 0; i < rows; ++i)
        text += start.addDays(7 * i).toString(QStringLiteral("yyyy-MM-dd")).toLatin1() +
                ",3,11,12,14,41,43," + QByteArray::number(44 + i % 5) + "\n";
    return text;
}

} // namespace

class TestCliSafeWrite final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileSizeLimitKeepsOldFile_data() { writerRows(); }
    void fileSizeLimitKeepsOldFile() {
        QFETCH(QStringList, command);
        QFETCH(QString, file);
        TempHome home;
        const QByteArray before = oldBytes(home, file);
        const CliRun run = runLimited(home, inHome(home, command), 4);
        QCOMPARE(run.status, 1);
        // new is stopped as early as its lock file, which is named after the lottery's table.
        const bool locked = run.err.startsWith(QLatin1String("Cannot create the lock file "));
        QVERIFY2(run.err.contains(locked ? QFileInfo(file).baseName() : QFileInfo(file).fileName()),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(run.err));
        QCOMPARE(home.readFile(file), before);
        const QStringList left =
            QDir(QFileInfo(home.path(file)).path()).entryList(QDir::Hidden | QDir::Files);
        for (const QString& name : left)
            QVERIFY2(!name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1String(".lock")),
                     qPrintable(name));
    }

    void fullDiskKeepsOldFile_data() { writerRows(); }
    void fullDiskKeepsOldFile() {
        QFETCH(QStringList, command);
        QFETCH(QString, file);
        TempHome home;
        if (::geteuid() != 0)
            QSKIP("a full file system needs a tmpfs mount, which needs root");
        if (::mount("tmpfs", qPrintable(home.dir()), "tmpfs", 0, "size=256k") != 0)
            QSKIP("tmpfs cannot be mounted here");
        QDir(home.dir()).mkpath(QStringLiteral("data"));
        QDir(home.dir()).mkpath(QStringLiteral("wheels"));
        const QByteArray before = oldBytes(home, file);
        {
            QFile filler(home.path(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        const CliRun run = runCli(home, inHome(home, command));
        const QByteArray after = home.readFile(file);
        ::umount(qPrintable(home.dir()));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(run.err));
        QCOMPARE(after, before);
    }

    // The lock file of a lottery in a folder nobody may write to: the refusal says why.
    void lockFileThatCannotBeMadeGivesTheCause_data() {
        QTest::addColumn<bool>("mounted");
        QTest::newRow("folder without write permission") << false;
        QTest::newRow("read-only file system") << true;
    }
    void lockFileThatCannotBeMadeGivesTheCause() {
        QFETCH(bool, mounted);
        TempHome home;
        if (mounted) {
            if (::geteuid() != 0)
                QSKIP("a read-only mount needs root");
            if (::mount("tmpfs", qPrintable(home.dataDir()), "tmpfs", MS_RDONLY, "size=64k") != 0)
                QSKIP("tmpfs cannot be mounted here");
        } else {
            if (::geteuid() == 0)
                QSKIP("root writes into a folder without write permission; the read-only mount row "
                      "covers this as root");
            QVERIFY(QFile::setPermissions(home.dataDir(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const CliRun run = runCli(home, {"new", "--code", "PB545", "--type", "8", "--drawn", "6", "--bonus",
                                         "1", "--lowest", "1", "--highest", "45"});
        const QStringList left =
            QDir(home.dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (mounted)
            ::umount(qPrintable(home.dataDir()));
        else
            QFile::setPermissions(home.dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err,
                 QStringLiteral("Cannot create the lock file %1: %2.\n")
                     .arg(QDir::toNativeSeparators(home.dataDir() + QStringLiteral(".PB545.DBF.lock")),
                          QString::fromLocal8Bit(std::strerror(mounted ? EROFS : EACCES))));
        QCOMPARE(left, QStringList());
    }

    void namedPipeIsRefused_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("pipe");
        QTest::newRow("table") << QStringList{"info", "--lottery", "CN649.DBF"} << "data/CN649.DBF";
        QTest::newRow("ticket file") << QStringList{"tickets", "show", "@/in.tic"} << "in.tic";
        QTest::newRow("wheel file") << QStringList{"wheel", "show", "@/in.whl"} << "in.whl";
    }
    void namedPipeIsRefused() {
        QFETCH(QStringList, command);
        QFETCH(QString, pipe);
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649")).build();
        QFile::remove(home.path(pipe));
        QCOMPARE(::mkfifo(qPrintable(home.path(pipe)), 0600), 0);
        const CliRun run = runCli(home, inHome(home, command));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QFileInfo(pipe).fileName() + QLatin1String(" is not a regular file.")),
                 qPrintable(run.err));
    }

    void twoImportsLoseNothing() {
        TempHome home;
        LotteryDefinition d;
        d.NumbersDrawn = 7;
        d.BonusNumbers = 1;
        d.HighestNumber = 49;
        d.HighestBonus = 49;
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649")).definition(d).build();
        constexpr int rows = 400;
        home.writeFile(QStringLiteral("a.csv"), importCsv(1990, rows));
        home.writeFile(QStringLiteral("b.csv"), importCsv(2005, rows));
        QProcess first;
        QProcess second;
        int imported = 0;
        for (QProcess* p : {&first, &second})
            p->start(QStringLiteral(VANTORO_CLI),
                     {"import", "--lottery", "CN649.DBF", home.path(p == &first ? "a.csv" : "b.csv"),
                      "--date-column", "1", "--number-columns", "2-8", "--home", home.dir()});
        for (QProcess* p : {&first, &second}) {
            QVERIFY(p->waitForFinished(60000));
            const QString err = QString::fromUtf8(p->readAllStandardError());
            if (p->exitCode() == 0)
                imported += rows;
            else
                QVERIFY2(
                    err.startsWith(QLatin1String("CN649.DBF is being changed by another Vantoro (process ")),
                    qPrintable(err));
        }
        QVERIFY(imported > 0);
        DbfTable table;
        table.open(home.dataDir(), "CN649.DBF");
        QCOMPARE(table.RecordCount(), imported);
    }
};

QTEST_GUILESS_MAIN(TestCliSafeWrite)
#include "test_cli_safe_write.moc"
