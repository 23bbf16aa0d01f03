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

const WheelGroup* findGroup(const std::vector<WheelGroup>& groups, int cycles, int length) {
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const WheelGroup& group) {
        return group.cycles == cycles && group.length == length;
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
    // The 77 tickets holding every triple of 22 numbers exactly once turn onto themselves under a
    // turn of two cycles of 11: the search among such wheels finds them, and the wheel it returns
    // is whole orbits (each ticket turned is a ticket of it) and keeps its guarantee.
    void findsTheWheelOfTriplesOn22AsWholeOrbits() {
        const WheelMakeRequest request = wheelRequest(22, 6, 3, 3);
        const std::vector<WheelGroup> groups = WheelSymmetry::groups(request);
        const WheelGroup* group = findGroup(groups, 2, 11);
        QVERIFY(group);
        QCOMPARE(group->order(), 11);
        QCOMPARE(group->fixed, 0);
        const std::vector<Mask> wheel = WheelSymmetry::search(request, *group, 1, after(20));
        QCOMPARE(wheel.size(), std::size_t(77));
        for (const Mask ticket : wheel)
            for (std::size_t element = 0; element < group->elements.size(); ++element)
                QVERIFY(std::find(wheel.begin(), wheel.end(), turned(*group, element, ticket)) !=
                        wheel.end());
        QVERIFY(WheelVerifier(22, positionsOf(wheel)).check(3, 3).holds());
    }

    // Where orbits alone leave draws unmatched (a short time, a group with fixed numbers, a
    // guarantee with M below C), the tickets added for them still make the wheel whole.
    void wheelsOfOrbitsAndAddedTicketsKeepTheGuarantee_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<int>("length");
        QTest::newRow("3 if 4 on 14, 2 cycles of 6 and 2 fixed") << 14 << 6 << 3 << 4 << 2 << 6;
        QTest::newRow("4 if 4 on 15, 3 cycles of 4 and 3 fixed") << 15 << 5 << 4 << 4 << 3 << 4;
        QTest::newRow("2 if 3 on 19, 4 cycles of 4 and 3 fixed") << 19 << 5 << 2 << 3 << 4 << 4;
    }

    void wheelsOfOrbitsAndAddedTicketsKeepTheGuarantee() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(int, cycles);
        QFETCH(int, length);
        const WheelMakeRequest request = wheelRequest(numbers, perTicket, match, correct);
        const std::vector<WheelGroup> groups = WheelSymmetry::groups(request);
        const WheelGroup* group = findGroup(groups, cycles, length);
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
