// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "play/wheel_construction.h"
#include "play/wheel_file.h"
#include "play/wheel_generator.h"
#include "play/wheel_verifier.h"
#include "support/wheel_make.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

namespace {

QList<QList<int>> positionsOf(const WheelFile& wheel) {
    return wheel.positions(QStringLiteral("made"), wheel.Numbers.toInt());
}

} // namespace

class TestWheelConstruction final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Hand-worked: a numbers in A, then the guarantees of A and B; a split and its mirror are one.
    void splits_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("splits");
        QTest::newRow("3 if 6 on 12: two halves") << 12 << 3 << 6 << "6:3+4";
        QTest::newRow("3 if 5 on 14") << 14 << 3 << 5 << "6:3+3 7:3+3";
        QTest::newRow("2 if 4 on 13") << 13 << 2 << 4 << "6:2+3 6:3+2";
        QTest::newRow("3 if 4: a part would need 3 if 2") << 27 << 3 << 4 << "";
        QTest::newRow("3 if 3 has no split") << 22 << 3 << 3 << "";
        QTest::newRow("a part of 5 holds no ticket") << 11 << 3 << 6 << "";
    }

    void splits() {
        QFETCH(int, numbers);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(QString, splits);
        QStringList found;
        for (const WheelSplit& split : WheelConstruction::splits(wheelRequest(numbers, 6, match, correct)))
            found << QStringLiteral("%1:%2+%3").arg(split.a).arg(split.correctA).arg(split.correctB);
        QCOMPARE(found.join(QLatin1Char(' ')), splits);
    }

    // Hand-worked sizes: for "3 if 3" on 9 the 14 tickets of 4 on 8 matching each 3 once, beside
    // the 11 of 3 on 8 that match each pair, each with the ninth number; for "2 if 2" on 12 the 13
    // tickets of 4 on 13 matching each pair once, the 13th giving way. A way is tried only below
    // `beat`.
    void extended_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("beat");
        QTest::addColumn<int>("tickets");
        QTest::addColumn<int>("holdingLast");
        QTest::newRow("a number joined") << 9 << 4 << 3 << 0 << 25 << 11;
        QTest::newRow("one number more") << 12 << 4 << 2 << 0 << 13 << 4;
        QTest::newRow("nothing below the size found") << 9 << 4 << 3 << 25 << 0 << 0;
    }

    void extended() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, beat);
        QFETCH(int, tickets);
        QFETCH(int, holdingLast);
        const QList<QList<int>> wheel =
            WheelConstruction::extended(wheelRequest(numbers, perTicket, match, match), 4, beat, {}, nullptr);
        QCOMPARE(wheel.size(), tickets);
        if (wheel.isEmpty())
            return;
        for (const QList<int>& ticket : wheel) {
            QCOMPARE(ticket.size(), perTicket);
            QVERIFY(std::all_of(ticket.begin(), ticket.end(), [&](int n) { return n >= 1 && n <= numbers; }));
        }
        QCOMPARE(std::count_if(wheel.begin(), wheel.end(),
                               [&](const QList<int>& ticket) { return ticket.contains(numbers); }),
                 qsizetype(holdingLast));
        QVERIFY(WheelVerifier(numbers, wheel).check(match, match, 0).holds());
    }

    // 13,983,816 draws are beyond the direct search: the parts make it, the progress reports it,
    // and a stop ends the long search with the whole wheel it has, verified.
    void sixOfFortyNineByParts() {
        WheelMakeRequest asked = wheelRequest(49, 6, 3, 6);
        asked.seconds = 600;
        std::atomic<bool> stop{false};
        int reports = 0;
        int reportedBest = 0;
        QElapsedTimer clock;
        clock.start();
        const WheelFile wheel = WheelGenerator::make(
            asked,
            [&](const WheelMakeProgress& now) {
                ++reports;
                QCOMPARE(now.bound, 54); // 13,983,816 draws over the 260,624 one ticket matches
                if (now.bestTickets > 0) {
                    reportedBest = now.bestTickets;
                    stop = true;
                }
            },
            &stop);
        QVERIFY2(clock.elapsed() < 300'000, "searched on after the stop");
        QVERIFY(reports > 0);
        QVERIFY(reportedBest > 0);
        QVERIFY(wheel.rows.size() <= reportedBest);
        QCOMPARE(wheel.Numbers, QStringLiteral("49"));
        QCOMPARE(wheel.Match, QStringLiteral("3"));
        QCOMPARE(wheel.Correct, QStringLiteral("6"));
        QVERIFY(recheckWheel(wheel).holds());
        // A union of two parts: some a has every ticket within 1 .. a or within a + 1 .. 49.
        const QList<QList<int>> tickets = positionsOf(wheel);
        bool parted = false;
        for (int a = 6; a <= 43 && !parted; ++a)
            parted = std::all_of(tickets.begin(), tickets.end(), [a](const QList<int>& ticket) {
                return ticket.last() <= a || ticket.first() > a;
            });
        QVERIFY(parted);
    }
};

QTEST_GUILESS_MAIN(TestWheelConstruction)
#include "test_wheel_construction.moc"
