// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a writing process at random moments and checks that what it leaves is always a valid
// table holding every record whose post had returned.
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "support/temp_home.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>

class TestTableDurability final : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesValidTable();
};

void TestTableDurability::killedWriterLeavesValidTable() {
    TempHome home;
    const QString path = home.path("CRASH.DBF");
    DbfTable::Creator creator;
    creator.CreateTable(path, 3);
    creator.AddField("SERIAL", 'N', 10, 0);
    creator.AddField("KIND", 'C', 1, 0);
    creator.AddField("DRAWDATE", 'D', 8, 0);
    creator.CommitCreate();
    {
        DbfTable table;
        table.open(path);
        table.CreateIndexTag("DATETAG", "DRAWDATE");
    }

    QRandomGenerator random(545);
    QSet<qint64> posted;
    int trialsThatPosted = 0;
    const int trials = 120;
    for (int trial = 0; trial < trials; ++trial) {
        QProcess child;
        child.start(QStringLiteral(VANTORO_CRASH_CHILD), {path});
        QVERIFY2(child.waitForStarted(5000), qPrintable(child.errorString()));
        // Kill only once the child is at work: on a loaded machine it may take a while to start.
        QVERIFY2(child.waitForReadyRead(30000), "the writer reported nothing");
        QThread::usleep(1000 * random.bounded(2, 60) + random.bounded(1000));
        child.kill();
        QVERIFY(child.waitForFinished(5000));
        const QByteArray errors = child.readAllStandardError();
        QVERIFY2(errors.isEmpty(), errors.constData());
        // Only complete lines count: a line cut by the kill was never fully reported.
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        int count = 0;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY2(lines[i].startsWith("posted "), lines[i].constData());
            posted.insert(lines[i].mid(7).toLongLong());
            ++count;
        }
        trialsThatPosted += count > 0;

        DbfTable table;
        try {
            table.open(path);
        } catch (const VantoroError& e) {
            QFAIL(qPrintable(QStringLiteral("trial %1: %2").arg(trial).arg(e.message())));
        }
        QSet<qint64> found;
        for (table.GoTop(); table.RecordCount() > 0 && !table.eof(); table.Skip()) {
            table.DateText("DRAWDATE");
            if (table.FieldText("KIND") == QLatin1String("K"))
                found.insert(qint64(table.fieldNumber("SERIAL")));
        }
        for (qint64 serial : std::as_const(posted))
            QVERIFY2(found.contains(serial),
                     qPrintable(QStringLiteral("trial %1 lost record %2").arg(trial).arg(serial)));
    }
    // The kills must land while the child works, or the test proves nothing.
    QVERIFY2(trialsThatPosted > trials / 2, qPrintable(QString::number(trialsThatPosted)));
    qInfo("%d trials, %d of them killed after posts, %lld posts confirmed", trials, trialsThatPosted,
          static_cast<long long>(posted.size()));
}

QTEST_GUILESS_MAIN(TestTableDurability)
#include "test_table_durability.moc"
