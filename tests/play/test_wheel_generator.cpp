// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "play/wheel_file.h"
#include "play/wheel_generator.h"
#include "play/wheel_verifier.h"
#include "support/wheel_make.h"

#include <QElapsedTimer>
#include <QTest>

class TestWheelGenerator final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The smallest coverings known: nothing smaller exists, and a few seconds find them.
    void findsTheSmallestCoverings_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("smallest");
        QTest::newRow("9 numbers, 5 a ticket, 3 if 3") << 9 << 5 << 12;
        QTest::newRow("10 numbers, 6 a ticket, 3 if 3") << 10 << 6 << 10;
    }

    void findsTheSmallestCoverings() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, smallest);
        const WheelFile wheel = WheelGenerator::make(wheelRequest(numbers, perTicket, 3, 3));
        QCOMPARE(wheel.rows.size(), smallest);
        QCOMPARE(wheel.Tickets, QString::number(smallest));
        QCOMPARE(wheel.NumbersPerTicket, QString::number(perTicket));
        QVERIFY(recheckWheel(wheel).holds());
        for (const QStringList& row : wheel.rows)
            QCOMPARE(row.size(), perTicket);
    }

    // Hand-worked: Schönheim for M = C, the draws over what one ticket can match otherwise; never
    // above a size that exists.
    void lowerBound_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<qint64>("bound");
        QTest::newRow("Fano plane") << 7 << 3 << 2 << 2 << qint64(7);
        QTest::newRow("9, 5, 2 below its best 5") << 9 << 5 << 2 << 2 << qint64(4);
        QTest::newRow("10, 6, 3 below its best 10") << 10 << 6 << 3 << 3 << qint64(7);
        QTest::newRow("12, 6, 4") << 12 << 6 << 4 << 4 << qint64(36);
        QTest::newRow("11, 6, 5") << 11 << 6 << 5 << 5 << qint64(92);
        QTest::newRow("full wheel") << 8 << 6 << 6 << 6 << qint64(28);
        QTest::newRow("one ticket is the wheel") << 6 << 6 << 3 << 3 << qint64(1);
        QTest::newRow("3 if 5 on 8: one ticket leaves 3 in any draw") << 8 << 6 << 3 << 5 << qint64(1);
        QTest::newRow("3 if 5 on 12: two disjoint tickets") << 12 << 6 << 3 << 5 << qint64(2);
        QTest::newRow("4 if 5 on 10, best known 7") << 10 << 6 << 4 << 5 << qint64(4);
        QTest::newRow("match above correct") << 10 << 6 << 4 << 3 << qint64(0);
    }

    void lowerBound() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(qint64, bound);
        QCOMPARE(WheelGenerator::lowerBound(numbers, perTicket, match, correct), bound);
    }

    // Where the floor is met, the search ends there instead of running out a minute.
    void stopsAtTheLeastSizeThereCanBe_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("smallest");
        QTest::newRow("Fano plane") << 7 << 3 << 2 << 2 << 7;
        QTest::newRow("12, 6, 2") << 12 << 6 << 2 << 2 << 6;
        QTest::newRow("8, 6, 4") << 8 << 6 << 4 << 4 << 7;
        QTest::newRow("3 if 5 on 12") << 12 << 6 << 3 << 5 << 2;
        // Wheels where every triple of 22 numbers, or every five of 12, is in exactly one ticket:
        // only the search among wheels that turn onto themselves round a cycle finds them in time.
        QTest::newRow("22, 6, 3") << 22 << 6 << 3 << 3 << 77;
        QTest::newRow("12, 6, 5") << 12 << 6 << 5 << 5 << 132;
    }

    void stopsAtTheLeastSizeThereCanBe() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(int, smallest);
        WheelMakeRequest asked = wheelRequest(numbers, perTicket, match, correct);
        asked.seconds = 60;
        QElapsedTimer clock;
        clock.start();
        const WheelFile wheel = WheelGenerator::make(asked);
        QVERIFY2(clock.elapsed() < 30'000, "searched on after reaching the least size there can be");
        QCOMPARE(wheel.rows.size(), smallest);
        QVERIFY(recheckWheel(wheel).holds());
    }

    // A caller settling for a size gets the first wheel that small instead of the whole minute; the
    // budget counted on the search's own CPU clock ends the same way.
    void stopsAtTheSizeAskedFor() {
        WheelMakeRequest asked = wheelRequest(12, 6, 4, 4);
        asked.seconds = 60;
        asked.searches = 1;
        asked.cpuTime = true;
        asked.enough = 60;
        QElapsedTimer clock;
        clock.start();
        const WheelFile wheel = WheelGenerator::make(asked);
        QVERIFY2(clock.elapsed() < 30'000, "searched on after reaching the size asked for");
        QVERIFY(wheel.rows.size() <= 60);
        QVERIFY(recheckWheel(wheel).holds());
    }

    void exactTicketCount() {
        WheelMakeRequest asked = wheelRequest(9, 5, 3, 3);
        asked.tickets = 12;
        const WheelFile wheel = WheelGenerator::make(asked);
        QCOMPARE(wheel.rows.size(), 12);
        QVERIFY(recheckWheel(wheel).holds());
    }

    // Stopped at once, it still hands back the greedy wheel it started from, verified.
    void stopKeepsTheBestSoFar() {
        const std::atomic<bool> stop{true};
        const WheelFile wheel = WheelGenerator::make(wheelRequest(20, 6, 3, 6), {}, &stop);
        QVERIFY(!wheel.rows.isEmpty());
        QCOMPARE(wheel.Match, QStringLiteral("3"));
        QCOMPARE(wheel.Correct, QStringLiteral("6"));
        QVERIFY(recheckWheel(wheel).holds());
    }

    void refusesWhatCannotBeSearched_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("message");
        QTest::newRow("match above the ticket")
            << 10 << 3 << 4 << 5 << "The numbers matched must be from 1 to 3, not 4.";
        QTest::newRow("too many numbers")
            << 70 << 6 << 3 << 6 << "A wheel can be made of 1 to 64 numbers, not 70.";
        QTest::newRow("too many draws, and parts would need 4 if 3")
            << 49 << 6 << 4 << 6
            << "A wheel of 49 numbers for 6 correct has more draws than can be searched, and no split of "
               "its numbers into two smaller wheels keeps 4 if 6.";
    }

    void refusesWhatCannotBeSearched() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(QString, message);
        try {
            WheelGenerator::make(wheelRequest(numbers, perTicket, match, correct));
            QFAIL("searched anyway");
        } catch (const VantoroError& error) {
            QCOMPARE(error.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestWheelGenerator)
#include "test_wheel_generator.moc"
