// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {

QString loadFailure(CurrentLottery& lottery, const QString& file) {
    try {
        lottery.LoadLottery(file);
    } catch (const VantoroError& error) {
        return error.message();
    }
    return {};
}

} // namespace

class TestCurrentLottery final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void beforeALotteryIsLoaded() {
        CurrentLottery lottery;
        QVERIFY(!lottery.isOpen());
        QCOMPARE(lottery.caption(), QStringLiteral("Vantoro"));
        QCOMPARE(lottery.statusTexts(),
                 (QStringList{"Total Drawings:", "Last Drawing:", "Hot Number Cutoff:", "Drawing Cutoff:"}));
        lottery.setHotNumberCutoff(12);
        QCOMPARE(lottery.statusTexts().at(2), QStringLiteral("Hot Number Cutoff: 12"));
    }

    void loadsAndShowsTheTotals_data() {
        QTest::addColumn<int>("drawings");
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<QString>("last");
        QTest::newRow("empty table") << 0 << 0 << "";
        QTest::newRow("30 drawings") << 30 << 30 << "01/30/2000";
        QTest::newRow("120 drawings") << 120 << 50 << "04/29/2000";
    }

    void loadsAndShowsTheTotals() {
        QFETCH(int, drawings);
        QFETCH(int, cutoff);
        QFETCH(QString, last);
        TempHome home;
        const QString file = LotteryBuilder(home.dataDir(), QStringLiteral("NJ646"))
                                 .numbers(6, 46)
                                 .description(QStringLiteral("New Jersey Pick 6"))
                                 .drawings(drawings)
                                 .build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.setHotNumberCutoff(10);
        QSignalSpy changed(&lottery, &CurrentLottery::changed);
        lottery.LoadLottery(file);
        QVERIFY(lottery.isOpen());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(lottery.caption(), QStringLiteral("Vantoro - New Jersey Pick 6"));
        QCOMPARE(lottery.TotalDrawings(), drawings);
        QCOMPARE(lottery.DrawingCutoffCount(), cutoff);
        QCOMPARE(lottery.statusTexts(),
                 (QStringList{QStringLiteral("Total Drawings: %1").arg(drawings),
                              QStringLiteral("Last Draw: ") + last, QStringLiteral("Hot Number Cutoff: 10"),
                              QStringLiteral("Drawing Cutoff: %1").arg(cutoff)}));
        QCOMPARE(lottery.definition().HighestNumber, qint16(46));
    }

    void missingFilesAreNamed_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("table") << "NJ646.DBF"
                               << "Could not find the file NJ646.DBF.";
        QTest::newRow("definition") << "NJ646.INF"
                                    << "Could not find the file NJ646.INF.";
    }

    void missingFilesAreNamed() {
        QFETCH(QString, missing);
        QFETCH(QString, message);
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(3).build();
        QVERIFY(QFile::remove(home.dataDir() + missing));
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        QCOMPARE(loadFailure(lottery, QStringLiteral("NJ646.DBF")), message);
        QVERIFY(!lottery.isOpen());
        QVERIFY(lottery.LotteryFile().isEmpty());
        QVERIFY(!lottery.table().isOpen());
    }

    void aMissingIndexIsRebuilt() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646"))
            .numbers(6, 46)
            .drawing(QStringLiteral("01/05/2020"), {"01", "02", "03", "04", "05", "06"})
            .drawing(QStringLiteral("01/09/2020"), {"11", "12", "13", "14", "15", "16"})
            .drawing(QStringLiteral("01/02/2020"), {"21", "22", "23", "24", "25", "26"})
            .build();
        QVERIFY(QFile::remove(home.dataDir() + QStringLiteral("NJ646.NSX")));
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("NJ646.DBF"));
        QCOMPARE(lottery.loadNotice(),
                 QStringLiteral("The index NJ646.NSX was missing and has been rebuilt."));
        QCOMPARE(lottery.lastDrawingDate(), QStringLiteral("01/09/2020")); // in date order
        QVERIFY(QFileInfo::exists(home.dataDir() + QStringLiteral("NJ646.NSX")));
        // The lock it was written under is given up.
        QVERIFY(!QFileInfo::exists(home.dataDir() + QStringLiteral(".NJ646.DBF.lock")));
        lottery.LoadLottery(QStringLiteral("NJ646.DBF"));
        QCOMPARE(lottery.loadNotice(), QString());
        QCOMPARE(lottery.table().tagName(1), DrawingTable::DateTag);
    }

    void aFailedLoadClosesThePreviousLottery() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(3).build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("NJ646.DBF"));
        QCOMPARE(loadFailure(lottery, QStringLiteral("NONE.DBF")),
                 QStringLiteral("Could not find the file NONE.DBF."));
        QVERIFY(!lottery.isOpen());
        QCOMPARE(lottery.caption(), QStringLiteral("Vantoro"));
        QCOMPARE(lottery.statusTexts().first(), QStringLiteral("Total Drawings:"));
    }

    void extensionsInAnyCase() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("UK649")).numbers(7, 49, 1).drawings(4).build();
        QDir data(home.dataDir());
        QVERIFY(data.rename(QStringLiteral("UK649.DBF"), QStringLiteral("UK649.dbf")));
        QVERIFY(data.rename(QStringLiteral("UK649.NSX"), QStringLiteral("uk649.Nsx")));
        QVERIFY(data.rename(QStringLiteral("UK649.INF"), QStringLiteral("UK649.inf")));
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(QStringLiteral("UK649.DBF"));
        QCOMPARE(lottery.TotalDrawings(), 4);
    }

    void damagedDefinitionLeavesNoLotteryOpen() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(3).build();
        home.writeFile(QStringLiteral("data/NJ646.INF"), "short");
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        QVERIFY(loadFailure(lottery, QStringLiteral("NJ646.DBF")).contains(QStringLiteral("NJ646.INF")));
        QVERIFY(!lottery.isOpen());
        QVERIFY(!lottery.table().isOpen());
    }

    void cutoffsNeverReachPastTheTable_data() {
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<int>("hot");
        QTest::addColumn<int>("analysis");
        QTest::addColumn<int>("summary");
        QTest::newRow("within") << 20 << 10 << 20 << 20;
        QTest::newRow("cutoff above the total") << 500 << 10 << 30 << 20;
        QTest::newRow("hot cutoff above the total") << 30 << 40 << 30 << -10;
    }

    void cutoffsNeverReachPastTheTable() {
        QFETCH(int, cutoff);
        QFETCH(int, hot);
        QFETCH(int, analysis);
        QFETCH(int, summary);
        TempHome home;
        const QString file =
            LotteryBuilder(home.dataDir(), QStringLiteral("NJ646")).numbers(6, 46).drawings(30).build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(file);
        lottery.setDrawingCutoffCount(cutoff);
        lottery.setHotNumberCutoff(hot);
        QCOMPARE(lottery.analysisCount(), analysis);
        QCOMPARE(lottery.summaryDrawings(), summary);
        lottery.setDrawingCutoffCount(-5);
        QCOMPARE(lottery.DrawingCutoffCount(), 0);
    }

    void aNewLotteryShowsTheLongLabel() {
        TempHome home;
        LotteryBuilder builder(home.dataDir(), QStringLiteral("PB545"));
        const QString file = builder.numbers(6, 45, 1, 8).description(QStringLiteral("Powerball")).build();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.openNewLottery(file, builder.def());
        QCOMPARE(lottery.statusTexts().at(0), QStringLiteral("Total Drawings: 0"));
        QCOMPARE(lottery.statusTexts().at(1), QStringLiteral("Last Drawing: "));
        QCOMPARE(lottery.statusTexts().at(3), QStringLiteral("Drawing Cutoff: 0"));
        QCOMPARE(lottery.caption(), QStringLiteral("Vantoro - Powerball"));
    }
};

QTEST_GUILESS_MAIN(TestCurrentLottery)
#include "test_current_lottery.moc"
