// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_symmetry.h"
#include "play/wheel_verifier.h"
#include "support/wheel_make.h"

#include <QTest>
#include <algorithm>
#include <bit>
#include <chrono>

namespace {

using Mask = std::uint64_t;

const WheelGroup* findGroup(const std::vector<WheelGroup>& groups, int cycles, int length, int multiplier = 1,
                            int shortLength = 0) {
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const WheelGroup& group) {
        return group.cycles == cycles && group.length == length && group.multiplier == multiplier &&
               group.shortLength == shortLength;
    });
    return found == groups.end() ? nullptr : &*found;
}

Mask turned(const WheelGroup& group, std::size_t element, Mask ticket) {
    Mask result = 0;
    for (Mask rest = ticket; rest; rest &= rest - 1)
        result |= Mask(1) << group.elements[element][std::size_t(std::countr_zero(rest))];
    return result;
}

QList<QList<int>> positionsOf(const std::vector<Mask>& wheel) {
    QList<QList<int>> result;
    for (const Mask ticket : wheel) {
        QList<int> row;
        for (Mask rest = ticket; rest; rest &= rest - 1)
            row << std::countr_zero(rest) + 1;
        result << row;
    }
    return result;
}

// Stops the search after `seconds` on the wall clock.
std::function<bool()> after(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    return [end] { return std::chrono::steady_clock::now() >= end; };
}

} // namespace

class TestWheelSymmetry final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Wheels holding every draw of C exactly once that turn onto themselves: the 77 tickets of 6
    // for the triples of 22 numbers under turns of two cycles of 11, and the 260 tickets of 5 for
    // the triples of 26 under the maps x -> a x + b of two cycles of 13 (a a power of 2), where
    // some orbits are shorter than the group. The search finds each as whole orbits (each ticket
    // carried by each element is a ticket of it), and the wheel keeps its guarantee.
    void findsWheelsHoldingEachDrawOnceAsWholeOrbits_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("tickets");
        QTest::newRow("3 if 3 on 22, turns of 2 cycles of 11") << 22 << 6 << 2 << 11 << 1 << 11 << 77;
        QTest::newRow("3 if 3 on 26, affine maps of 2 cycles of 13") << 26 << 5 << 2 << 13 << 2 << 156 << 260;
    }

    void findsWheelsHoldingEachDrawOnceAsWholeOrbits() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, cycles);
        QFETCH(int, length);
        QFETCH(int, multiplier);
        QFETCH(int, order);
        QFETCH(int, tickets);
        const WheelMakeRequest request = wheelRequest(numbers, perTicket, 3, 3);
        const std::vector<WheelGroup> groups = WheelSymmetry::groups(request);
        const WheelGroup* group = findGroup(groups, cycles, length, multiplier);
        QVERIFY(group);
        QCOMPARE(group->order(), order);
        QCOMPARE(group->fixed, 0);
        const std::vector<Mask> wheel = WheelSymmetry::search(request, *group, 1, after(20));
        QCOMPARE(wheel.size(), std::size_t(tickets));
        for (const Mask ticket : wheel)
            for (std::size_t element = 0; element < group->elements.size(); ++element)
                QVERIFY(std::find(wheel.begin(), wheel.end(), turned(*group, element, ticket)) !=
                        wheel.end());
        QVERIFY(WheelVerifier(numbers, positionsOf(wheel)).check(3, 3).holds());
    }

    // Where orbits alone leave draws unmatched (a short time, a group with fixed numbers or a
    // shorter cycle, a guarantee with M below C), the tickets added for them still make the wheel
    // whole.
    void wheelsOfOrbitsAndAddedTicketsKeepTheGuarantee_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("shortLength");
        QTest::addColumn<int>("multiplier");
        QTest::newRow("3 if 4 on 14, 2 cycles of 6 and 2 fixed") << 14 << 6 << 3 << 4 << 2 << 6 << 0 << 1;
        QTest::newRow("4 if 4 on 15, 3 cycles of 4 and 3 fixed") << 15 << 5 << 4 << 4 << 3 << 4 << 0 << 1;
        QTest::newRow("2 if 3 on 19, 4 cycles of 4 and 3 fixed") << 19 << 5 << 2 << 3 << 4 << 4 << 0 << 1;
        QTest::newRow("4 if 4 on 17, 2 cycles of 6 and one of 3, 2 fixed")
            << 17 << 6 << 4 << 4 << 2 << 6 << 3 << 1;
        QTest::newRow("3 if 3 on 15, x -> 5x + b on 2 cycles of 6, 3 fixed")
            << 15 << 5 << 3 << 3 << 2 << 6 << 0 << 5;
    }

    void wheelsOfOrbitsAndAddedTicketsKeepTheGuarantee() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(int, cycles);
        QFETCH(int, length);
        QFETCH(int, shortLength);
        QFETCH(int, multiplier);
        const WheelMakeRequest request = wheelRequest(numbers, perTicket, match, correct);
        const std::vector<WheelGroup> groups = WheelSymmetry::groups(request);
        const WheelGroup* group = findGroup(groups, cycles, length, multiplier, shortLength);
        QVERIFY(group);
        for (const double seconds : {0.0, 0.5}) {
            const std::vector<Mask> wheel = WheelSymmetry::search(request, *group, 7, after(seconds));
            if (seconds == 0.0 && wheel.empty())
                continue; // stopped before its greedy wheel: nothing claimed
            QVERIFY(!wheel.empty());
            for (const Mask ticket : wheel)
                QCOMPARE(std::popcount(ticket), perTicket);
            QVERIFY(WheelVerifier(numbers, positionsOf(wheel)).check(match, correct).holds());
            QVERIFY(qint64(wheel.size()) >= WheelGenerator::lowerBound(numbers, perTicket, match, correct));
        }
    }
};

QTEST_GUILESS_MAIN(TestWheelSymmetry)
#include "test_wheel_symmetry.moc"
