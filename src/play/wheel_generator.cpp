// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_generator.h"

#include "db/vantoro_error.h"
#include "play/wheel_construction.h"
#include "play/wheel_file.h"
#include "play/wheel_verifier.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <limits>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

using Mask = std::uint64_t;
using Clock = std::chrono::steady_clock;

Mask bit(int position) {
    return Mask(1) << position;
}

// Calls `visit` with every `count`-subset of the bits of `pool`, or-ed with `base`.
template <typename Visit> void forEachSubset(Mask pool, int count, Mask base, const Visit& visit) {
    if (count == 0) {
        visit(base);
        return;
    }
    if (std::popcount(pool) < count)
        return;
    const Mask lowest = pool & (~pool + 1);
    forEachSubset(pool & ~lowest, count - 1, base | lowest, visit);
    forEachSubset(pool & ~lowest, count, base, visit);
}

// What the searches share: the best wheel so far and where each stands.
struct Shared {
    std::mutex mutex;
    // No wheel can be smaller: a search that sees the best reach it stops.
    qint64 bound = 0;
    std::vector<Mask> best;
    std::atomic<int> bestSize{0};
    std::vector<std::atomic<int>> sizes;
    std::vector<std::atomic<qint64>> holes;
    explicit Shared(int searches) : sizes(std::size_t(searches)), holes(std::size_t(searches)) {}

    void offer(const std::vector<Mask>& tickets) {
        const std::lock_guard lock(mutex);
        if (best.empty() || tickets.size() < best.size()) {
            best = tickets;
            bestSize = int(tickets.size());
        }
    }

    bool unbeatable() const {
        const int size = bestSize;
        return size > 0 && size <= bound;
    }
};

// One annealing search: each draw (a C-subset, by its colex rank) keeps how many tickets match it
// in M numbers; the draws no ticket matches are listed for picking one to fix at random.
class Search {
public:
    Search(const WheelMakeRequest& request, std::uint64_t seed, Shared& shared, int index)
        : m_k(request.numbers), m_p(request.perTicket), m_m(request.match), m_c(request.correct),
          m_random(seed), m_shared(shared), m_index(index),
          m_cover(std::size_t(WheelVerifier::binomial(m_k, m_c)), 0), m_where(m_cover.size(), -1) {
        for (std::size_t draw = 0; draw < m_cover.size(); ++draw)
            markUncovered(std::int64_t(draw));
    }

    void run(const WheelMakeRequest& request, Clock::time_point deadline, const std::atomic<bool>* stop) {
        if (request.tickets > 0) {
            while (int(m_tickets.size()) < request.tickets)
                addTicket(randomTicket(0));
        } else {
            // Greedy start: a ticket through M numbers of an uncovered draw, until none is left.
            while (!m_uncovered.empty())
                addTicket(randomTicket(randomDrawSubset(m_uncovered[m_random() % m_uncovered.size()], m_m)));
        }
        // The greedy wheel already keeps the guarantee: an early stop still has it.
        if (m_uncovered.empty())
            m_shared.offer(m_tickets);
        double temperature = 0.5;
        while (Clock::now() < deadline && !(stop && stop->load()) && !m_shared.unbeatable()) {
            publish();
            if (m_uncovered.empty()) {
                m_shared.offer(m_tickets);
                if (request.tickets > 0 || m_shared.unbeatable())
                    return;
                removeCheapestTicket();
                temperature = 0.5;
                continue;
            }
            for (int move = 0; move < 2000 && !m_uncovered.empty(); ++move) {
                tryMove(temperature);
                if (move % 500 == 499)
                    temperature = temperature < 0.04 ? 0.5 : temperature * 0.98;
            }
        }
        publish();
    }

private:
    void publish() {
        m_shared.sizes[std::size_t(m_index)] = int(m_tickets.size());
        m_shared.holes[std::size_t(m_index)] = qint64(m_uncovered.size());
    }

    std::int64_t rank(Mask draw) const {
        std::int64_t result = 0;
        int i = 1;
        for (Mask rest = draw; rest; rest &= rest - 1, ++i)
            result += WheelVerifier::binomial(std::countr_zero(rest), i);
        return result;
    }

    Mask unrank(std::int64_t value) const {
        Mask draw = 0;
        int top = m_k - 1;
        for (int i = m_c; i >= 1; --i) {
            while (WheelVerifier::binomial(top, i) > value)
                --top;
            draw |= bit(top);
            value -= WheelVerifier::binomial(top, i);
            --top;
        }
        return draw;
    }

    void markUncovered(std::int64_t draw) {
        m_where[std::size_t(draw)] = std::int32_t(m_uncovered.size());
        m_uncovered.push_back(std::int32_t(draw));
    }

    void markCovered(std::int64_t draw) {
        const std::int32_t at = m_where[std::size_t(draw)];
        const std::int32_t last = m_uncovered.back();
        m_uncovered[std::size_t(at)] = last;
        m_where[std::size_t(last)] = at;
        m_uncovered.pop_back();
        m_where[std::size_t(draw)] = -1;
    }

    void raise(Mask draw) {
        const std::int64_t r = rank(draw);
        if (m_cover[std::size_t(r)]++ == 0)
            markCovered(r);
    }

    void lower(Mask draw) {
        const std::int64_t r = rank(draw);
        if (--m_cover[std::size_t(r)] == 0)
            markUncovered(r);
    }

    Mask all() const { return ~Mask(0) >> (64 - m_k); }

    // Every draw the ticket matches in M numbers or more.
    template <typename Visit> void forEachMatched(Mask ticket, const Visit& visit) const {
        for (int inside = m_m; inside <= std::min(m_p, m_c); ++inside)
            forEachSubset(ticket, inside, 0,
                          [&](Mask part) { forEachSubset(all() & ~ticket, m_c - inside, part, visit); });
    }

    void addTicket(Mask ticket) {
        m_tickets.push_back(ticket);
        forEachMatched(ticket, [this](Mask draw) { raise(draw); });
    }

    Mask randomDrawSubset(std::int32_t draw, int count) {
        Mask source = unrank(draw);
        Mask chosen = 0;
        while (std::popcount(chosen) < count) {
            const int skip = int(m_random() % unsigned(std::popcount(source)));
            Mask rest = source;
            for (int i = 0; i < skip; ++i)
                rest &= rest - 1;
            const Mask pick = rest & (~rest + 1);
            chosen |= pick;
            source &= ~pick;
        }
        return chosen;
    }

    // `start` completed to P numbers at random.
    Mask randomTicket(Mask start) {
        Mask ticket = start;
        while (std::popcount(ticket) < m_p)
            ticket |= bit(int(m_random() % unsigned(m_k)));
        return ticket;
    }

    // The ticket whose removal leaves the fewest draws uncovered goes.
    void removeCheapestTicket() {
        std::size_t cheapest = 0;
        qint64 cheapestCost = -1;
        for (std::size_t t = 0; t < m_tickets.size(); ++t) {
            qint64 cost = 0;
            forEachMatched(m_tickets[t], [&](Mask draw) { cost += m_cover[std::size_t(rank(draw))] == 1; });
            if (cheapestCost < 0 || cost < cheapestCost || (cost == cheapestCost && m_random() % 2)) {
                cheapest = t;
                cheapestCost = cost;
            }
        }
        const Mask ticket = m_tickets[cheapest];
        m_tickets.erase(m_tickets.begin() + std::ptrdiff_t(cheapest));
        forEachMatched(ticket, [this](Mask draw) { lower(draw); });
    }

    // Exchanging `out` for `in` in a ticket changes only the draws that hold one of the two and
    // match the rest of the ticket in exactly M - 1 numbers.
    template <typename Visit> void forEachChanged(Mask ticket, int out, int in, const Visit& visit) const {
        const Mask rest = ticket & ~bit(out);
        const Mask outside = all() & ~ticket & ~bit(in);
        forEachSubset(rest, m_m - 1, 0, [&](Mask part) {
            forEachSubset(outside, m_c - m_m, part,
                          [&](Mask draw) { visit(draw | bit(out), draw | bit(in)); });
        });
    }

    void tryMove(double temperature) {
        const Mask target = unrank(m_uncovered[m_random() % m_uncovered.size()]);
        // Of a few tickets, the one nearest to matching the draw.
        std::size_t chosen = m_random() % m_tickets.size();
        for (int i = 0; i < 3; ++i) {
            const std::size_t other = m_random() % m_tickets.size();
            if (std::popcount(m_tickets[other] & target) > std::popcount(m_tickets[chosen] & target))
                chosen = other;
        }
        const Mask ticket = m_tickets[chosen];
        const int out = pick(ticket & ~target);
        const int in = pick(target & ~ticket);
        int delta = 0;
        forEachChanged(ticket, out, in, [&](Mask lost, Mask gained) {
            delta += m_cover[std::size_t(rank(lost))] == 1;
            delta -= m_cover[std::size_t(rank(gained))] == 0;
        });
        if (delta > 0 &&
            std::uniform_real_distribution<double>(0, 1)(m_random) >= std::exp(-delta / temperature))
            return;
        forEachChanged(ticket, out, in, [&](Mask lost, Mask gained) {
            lower(lost);
            raise(gained);
        });
        m_tickets[chosen] = (ticket & ~bit(out)) | bit(in);
    }

    int pick(Mask from) {
        Mask rest = from;
        for (int skip = int(m_random() % unsigned(std::popcount(from))); skip > 0; --skip)
            rest &= rest - 1;
        return std::countr_zero(rest);
    }

    int m_k, m_p, m_m, m_c;
    std::mt19937_64 m_random;
    Shared& m_shared;
    int m_index;
    std::vector<std::uint16_t> m_cover;
    std::vector<std::int32_t> m_where;
    std::vector<std::int32_t> m_uncovered;
    std::vector<Mask> m_tickets;
};

} // namespace

qint64 WheelGenerator::lowerBound(int numbers, int perTicket, int match, int correct) {
    const int k = numbers;
    const int p = perTicket;
    if (match < 1 || p < 1 || k < p || correct > k || match > std::min(p, correct))
        return 0;
    constexpr qint64 huge = std::numeric_limits<qint64>::max();
    // Draws one ticket can match against all there are: some draw is left unless enough tickets.
    qint64 perTicketDraws = 0;
    for (int inside = match; inside <= std::min(p, correct); ++inside)
        perTicketDraws +=
            WheelVerifier::binomial(p, inside) * WheelVerifier::binomial(k - p, correct - inside);
    const qint64 draws = WheelVerifier::binomial(k, correct);
    qint64 bound = std::max<qint64>(1, (draws + perTicketDraws - 1) / perTicketDraws);
    if (match == correct) {
        // Every number lies in at least L(K-1, P-1, M-1) tickets, each ticket holds P numbers.
        qint64 schoenheim = 1;
        for (int i = match - 1; i >= 0; --i) {
            const qint64 v = k - i;
            const qint64 q = p - i;
            qint64 product = 0;
            if (__builtin_mul_overflow(schoenheim, v, &product))
                return huge;
            schoenheim = (product + q - 1) / q;
        }
        bound = std::max(bound, schoenheim);
    }
    return bound;
}

namespace {

// The one way out of make(): proved, not claimed, the wheel goes out only when the verifier finds
// no hole in it.
WheelFile wheelFile(const WheelMakeRequest& request, QList<QList<int>> tickets) {
    const int k = request.numbers;
    const int p = request.perTicket;
    std::sort(tickets.begin(), tickets.end());
    if (!WheelVerifier(k, tickets).check(request.match, request.correct, 0).holds())
        throw VantoroError(
            QStringLiteral("The wheel found does not keep its guarantee; nothing was written."));
    WheelFile file;
    file.NumbersPerTicket = QString::number(p);
    file.Numbers = QString::number(k);
    file.Tickets = QString::number(tickets.size());
    file.Match = QString::number(request.match);
    file.Correct = QString::number(request.correct);
    for (const QList<int>& ticket : tickets) {
        QStringList cells;
        for (int position : ticket)
            cells << QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
        file.rows << cells;
    }
    return file;
}

} // namespace

WheelFile WheelGenerator::make(const WheelMakeRequest& request, const Progress& progress,
                               const std::atomic<bool>* stop) {
    const int k = request.numbers;
    const int p = request.perTicket;
    if (k < 1 || k > WheelVerifier::MaxNumbers)
        throw VantoroError(QStringLiteral("A wheel can be made of 1 to %1 numbers, not %2.")
                               .arg(WheelVerifier::MaxNumbers)
                               .arg(k));
    if (p < 1 || p > k)
        throw VantoroError(QStringLiteral("A ticket holds from 1 to %1 numbers, not %2.").arg(k).arg(p));
    if (request.correct < 1 || request.correct > k)
        throw VantoroError(
            QStringLiteral("The numbers correct must be from 1 to %1, not %2.").arg(k).arg(request.correct));
    if (request.match < 1 || request.match > std::min(p, request.correct))
        throw VantoroError(QStringLiteral("The numbers matched must be from 1 to %1, not %2.")
                               .arg(std::min(p, request.correct))
                               .arg(request.match));
    if (request.tickets < 0 || request.tickets > WheelFile::MaxTickets)
        throw VantoroError(QStringLiteral("A wheel holds from 1 to %1 tickets, not %2.")
                               .arg(WheelFile::MaxTickets)
                               .arg(request.tickets));
    const bool split = request.allowSplit && !WheelConstruction::splits(request).isEmpty();
    if (!split && WheelVerifier::binomial(k, request.correct) > MaxDraws)
        throw VantoroError(
            QStringLiteral("A wheel of %1 numbers for %2 correct has more draws than can be searched, %3.")
                .arg(k)
                .arg(request.correct)
                .arg(
                    request.tickets > 0
                        ? QStringLiteral("and a wheel of exactly %1 tickets is searched whole")
                              .arg(request.tickets)
                        : QStringLiteral("and no split of its numbers into two smaller wheels keeps %1 if %2")
                              .arg(request.match)
                              .arg(request.correct)));
    if (split)
        return wheelFile(request, WheelConstruction::make(request, progress, stop));

    const int searches =
        request.searches > 0 ? request.searches : std::max(1, int(std::thread::hardware_concurrency()));
    Shared shared(searches);
    shared.bound = lowerBound(k, p, request.match, request.correct);
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + std::chrono::milliseconds(qint64(std::max(0.0, request.seconds) * 1000));
    std::vector<std::thread> threads;
    std::atomic<int> running{searches};
    for (int i = 0; i < searches; ++i)
        threads.emplace_back([&, i] {
            Search search(request, std::uint64_t(request.seed) * 1000003u + std::uint64_t(i), shared, i);
            search.run(request, deadline, stop);
            --running;
        });
    Clock::time_point lastReport = start;
    while (running > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (progress && Clock::now() - lastReport >= std::chrono::milliseconds(500)) {
            lastReport = Clock::now();
            WheelMakeProgress now;
            now.bestTickets = shared.bestSize;
            now.bound = int(std::min<qint64>(shared.bound, WheelFile::MaxTickets + 1));
            now.tickets = shared.sizes[0];
            now.holes = shared.holes[0];
            for (int i = 1; i < searches; ++i)
                if (shared.holes[std::size_t(i)] < now.holes ||
                    (shared.holes[std::size_t(i)] == now.holes &&
                     shared.sizes[std::size_t(i)] < now.tickets)) {
                    now.tickets = shared.sizes[std::size_t(i)];
                    now.holes = shared.holes[std::size_t(i)];
                }
            now.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            progress(now);
        }
    }
    for (std::thread& thread : threads)
        thread.join();

    std::vector<Mask> best = shared.best;
    if (best.empty())
        throw VantoroError(
            request.tickets > 0
                ? QStringLiteral("No wheel of %1 tickets keeping the guarantee was found in the time.")
                      .arg(request.tickets)
                : QStringLiteral("No wheel keeping the guarantee was found in the time."));
    QList<QList<int>> tickets;
    for (Mask ticket : best) {
        QList<int> row;
        for (Mask rest = ticket; rest; rest &= rest - 1)
            row << std::countr_zero(rest) + 1;
        tickets << row;
    }
    return wheelFile(request, tickets);
}
