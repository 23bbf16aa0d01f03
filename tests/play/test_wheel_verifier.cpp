// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "play/wheel_file.h"
#include "play/wheel_verifier.h"

#include <QTest>
#include <bit>
#include <cstdint>
#include <random>

using Tickets = QList<QList<int>>;

namespace {

// Every 3-subset of 1 .. 10 lies in one of these ten 6-number tickets.
const Tickets covering10of6 = {
    {1, 2, 3, 4, 7, 10}, {1, 2, 3, 6, 8, 9},  {1, 2, 4, 5, 6, 9},  {1, 3, 4, 5, 7, 8},  {1, 3, 5, 6, 7, 9},
    {1, 5, 6, 8, 9, 10}, {2, 3, 5, 7, 8, 10}, {2, 4, 6, 7, 8, 10}, {2, 4, 7, 8, 9, 10}, {3, 4, 5, 6, 9, 10}};

// The lines of the Fano plane: every pair of 1 .. 7 lies in exactly one.
const Tickets fano = {{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}};

// The reference: every draw against every ticket, by bit counts.
struct BruteForce {
    qint64 holes = 0;
    QList<int> firstHole;
    qint64 covered = 0;
};

BruteForce bruteForce(int numbers, const Tickets& tickets, int match, int correct) {
    std::vector<std::uint64_t> masks;
    for (const QList<int>& ticket : tickets) {
        std::uint64_t mask = 0;
        for (int position : ticket)
            mask |= std::uint64_t(1) << (position - 1);
        masks.push_back(mask);
    }
    // Draws in lexicographic order of their positions: walk them as sorted lists.
    BruteForce result;
    QList<int> draw;
    for (int i = 1; i <= correct; ++i)
        draw << i;
    while (true) {
        std::uint64_t mask = 0;
        for (int position : draw)
            mask |= std::uint64_t(1) << (position - 1);
        bool hit = false;
        for (std::uint64_t ticket : masks)
            hit = hit || std::popcount(ticket & mask) >= match;
        if (hit) {
            ++result.covered;
        } else {
            if (result.holes == 0)
                result.firstHole = draw;
            ++result.holes;
        }
        int i = correct - 1;
        while (i >= 0 && draw[i] == numbers - correct + i + 1)
            --i;
        if (i < 0)
            break;
        ++draw[i];
        for (int j = i + 1; j < correct; ++j)
            draw[j] = draw[j - 1] + 1;
    }
    return result;
}

} // namespace

class TestWheelVerifier final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void knownDesigns_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<Tickets>("tickets");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("correct");
        QTest::addColumn<qint64>("draws");
        QTest::addColumn<qint64>("holes");
        QTest::addColumn<QList<QList<int>>>("firstHoles");

        QTest::newRow("Fano plane, 2 if 2")
            << 7 << fano << 2 << 2 << qint64(21) << qint64(0) << QList<QList<int>>{};
        // Without the line 1 2 3 its three pairs are left alone.
        QTest::newRow("Fano plane less a line") << 7 << fano.mid(1) << 2 << 2 << qint64(21) << qint64(3)
                                                << QList<QList<int>>{{1, 2}, {1, 3}, {2, 3}};
        // Any three points of the plane hold two of some line: a line through two of them.
        QTest::newRow("Fano plane, 2 if 3")
            << 7 << fano << 2 << 3 << qint64(35) << qint64(0) << QList<QList<int>>{};
        QTest::newRow("Fano plane, 3 if 3")
            << 7 << fano << 3 << 3 << qint64(35) << qint64(28) << QList<QList<int>>{{1, 2, 4}, {1, 2, 5}};
        QTest::newRow("10 numbers, 3 if 3")
            << 10 << covering10of6 << 3 << 3 << qint64(120) << qint64(0) << QList<QList<int>>{};
        QTest::newRow("10 numbers less a ticket, 3 if 3")
            << 10 << covering10of6.mid(1) << 3 << 3 << qint64(120) << qint64(6)
            << QList<QList<int>>{{1, 2, 7}, {1, 2, 10}, {1, 3, 10}};
        // Removing that ticket costs nothing for a draw of four.
        QTest::newRow("10 numbers less a ticket, 3 if 4")
            << 10 << covering10of6.mid(1) << 3 << 4 << qint64(210) << qint64(0) << QList<QList<int>>{};
        // M = 1: only draws outside every ticket are holes.
        QTest::newRow("one ticket, 1 if 2")
            << 6 << Tickets{{1, 2}} << 1 << 2 << qint64(15) << qint64(6) << QList<QList<int>>{{3, 4}, {3, 5}};
        // No ticket reaches M anywhere: the whole of the draws, listed from the first.
        QTest::newRow("nothing reaches 3") << 8 << Tickets{{1, 2}, {3, 4}} << 3 << 4 << qint64(70)
                                           << qint64(70) << QList<QList<int>>{{1, 2, 3, 4}, {1, 2, 3, 5}};
    }

    void knownDesigns() {
        QFETCH(int, numbers);
        QFETCH(Tickets, tickets);
        QFETCH(int, match);
        QFETCH(int, correct);
        QFETCH(qint64, draws);
        QFETCH(qint64, holes);
        QFETCH(QList<QList<int>>, firstHoles);
        const WheelCheck check =
            WheelVerifier(numbers, tickets).check(match, correct, int(firstHoles.size()));
        QCOMPARE(check.draws, draws);
        QCOMPARE(check.holes, holes);
        QCOMPARE(check.holds(), holes == 0);
        QCOMPARE(check.firstHoles, firstHoles);
    }

    // Random wheels, from sparse to dense, against the reference for every guarantee and against
    // the coverage table's one pass.
    void agreesWithBruteForce() {
        std::mt19937 random(20240518);
        for (int round = 0; round < 60; ++round) {
            const int numbers = 5 + int(random() % 10);
            const int perTicket = 2 + int(random() % std::min(5, numbers - 2));
            const int count = 1 + int(random() % 14);
            Tickets tickets;
            for (int t = 0; t < count; ++t) {
                QList<int> ticket;
                while (ticket.size() < perTicket) {
                    const int position = 1 + int(random() % unsigned(numbers));
                    if (!ticket.contains(position))
                        ticket << position;
                }
                tickets << ticket;
            }
            const WheelVerifier verifier(numbers, tickets);
            const QList<WheelCoverageRow> table = verifier.coverage(numbers);
            QCOMPARE(table.size(), numbers);
            for (int correct = 1; correct <= numbers; ++correct) {
                const WheelCoverageRow& row = table.at(correct - 1);
                QCOMPARE(row.covered.size(), std::min(correct, perTicket));
                for (int match = 1; match <= correct; ++match) {
                    const BruteForce expected = bruteForce(numbers, tickets, match, correct);
                    const WheelCheck check = verifier.check(match, correct);
                    const QByteArray where = QStringLiteral("K=%1 P=%2 T=%3 %4 if %5")
                                                 .arg(numbers)
                                                 .arg(perTicket)
                                                 .arg(count)
                                                 .arg(match)
                                                 .arg(correct)
                                                 .toLatin1();
                    QVERIFY2(check.holes == expected.holes, where);
                    QVERIFY2(check.firstHoles.value(0) == expected.firstHole, where);
                    if (match <= perTicket)
                        QVERIFY2(row.covered.at(match - 1) == expected.covered, where);
                }
            }
        }
    }

    void refusesWhatItCannotCheck_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("position above K")
            << QByteArray("3\r\n5\r\n1\r\n3\r\n3\r\n010206\r\n")
            << "Line 6 of the wheeling system file W.A03 holds \"06\", which is not "
               "a position from 1 to 5.";
        QTest::newRow("no ticket") << QByteArray("3\r\n5\r\n0\r\n3\r\n3\r\n")
                                   << "The wheeling system file W.A03 holds no ticket.";
        QTest::newRow("too many numbers")
            << QByteArray("3\r\n65\r\n1\r\n3\r\n3\r\n010203\r\n")
            << "The wheeling system file W.A03 wheels 65 numbers; wheels of 1 to 64 "
               "numbers can be checked.";
        QTest::newRow("header not a number")
            << QByteArray("3\r\nten\r\n1\r\n3\r\n3\r\n010203\r\n")
            << "The wheeling system file W.A03 has no number on line 2: \"ten\".";
    }

    void refusesWhatItCannotCheck() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        try {
            WheelVerifier::fromFile(WheelFile::parse(file, QStringLiteral("W.A03")), QStringLiteral("W.A03"));
            QFAIL("refused nothing");
        } catch (const VantoroError& error) {
            QCOMPARE(error.message(), message);
        }
    }

    void sharesNeverRoundUpToTheWhole_data() {
        QTest::addColumn<qint64>("covered");
        QTest::addColumn<qint64>("draws");
        QTest::addColumn<QString>("text");
        QTest::newRow("all") << qint64(13983816) << qint64(13983816) << "100%";
        QTest::newRow("one short") << qint64(13983815) << qint64(13983816) << "99.99%";
        QTest::newRow("none") << qint64(0) << qint64(10) << "0%";
        QTest::newRow("a third") << qint64(1) << qint64(3) << "33.33%";
        // C(64, 32) less one: the digits must not overflow.
        QTest::newRow("largest") << qint64(1832624140942590533LL) << qint64(1832624140942590534LL)
                                 << "99.99%";
    }

    void sharesNeverRoundUpToTheWhole() {
        QFETCH(qint64, covered);
        QFETCH(qint64, draws);
        QFETCH(QString, text);
        QCOMPARE(wheelShareText(covered, draws), text);
    }
};

QTEST_GUILESS_MAIN(TestWheelVerifier)
#include "test_wheel_verifier.moc"
