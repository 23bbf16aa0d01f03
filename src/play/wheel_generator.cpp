// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_generator.h"

#include "db/vantoro_error.h"
#include "play/wheel_bits.h"
#include "play/wheel_construction.h"
#include "play/wheel_file.h"
#include "play/wheel_symmetry.h"
#include "play/wheel_verifier.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <mutex>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace {

using wheelbits::bit;
using wheelbits::forEachSubset;
using wheelbits::Mask;
using Clock = std::chrono::steady_clock;

// The indices of the tickets that share exactly `near` numbers with `target`. Scanning every ticket
// for every move is most of the search's time: where the processor counts bits itself, the scan is
// compiled a second time to use that instruction.
void collectNear(const std::vector<Mask>& tickets, Mask target, int near, std::vector<std::uint32_t>& out) {
    for (std::size_t t = 0; t < tickets.size(); ++t)
        if (bitCount(tickets[t] & target) == near)
            out.push_back(std::uint32_t(t));
}

#if defined(__GNUC__) && defined(__x86_64__)
__attribute__((target("popcnt"))) void collectNearCounting(const std::vector<Mask>& tickets, Mask target,
                                                           int near, std::vector<std::uint32_t>& out) {
    for (std::size_t t = 0; t < tickets.size(); ++t)
        if (__builtin_popcountll(tickets[t] & target) == near)
            out.push_back(std::uint32_t(t));
}

const bool countsBits = __builtin_cpu_supports("popcnt");
#endif

void nearTickets(const std::vector<Mask>& tickets, Mask target, int near, std::vector<std::uint32_t>& out) {
    out.clear();
#if defined(__GNUC__) && defined(__x86_64__)
    if (countsBits) {
        collectNearCounting(tickets, target, near, out);
        return;
    }
#endif
    collectNear(tickets, target, near, out);
}

// What the searches share: the best wheel so far and where each stands.
struct Shared {
    std::mutex mutex;
    // No wheel can be smaller: a search that sees the best reach it stops.
    qint64 bound = 0;
    // The size the caller settles for, at least `bound`.
    qint64 enough = 0;
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

    std::vector<Mask> wheel() {
        const std::lock_guard lock(mutex);
        return best;
    }

    bool unbeatable() const {
        const int size = bestSize;
        return size > 0 && size <= enough;
    }
};

// A search's time: wall time, or the thread's own CPU time, which other work on the machine cannot
// shorten; where the system has no thread clock, wall time.
class Budget {
public:
    Budget(double seconds, bool cpu) : m_seconds(std::max(0.0, seconds)), m_cpu(cpu), m_start(now()) {}

    bool spent() const { return now() - m_start >= m_seconds; }
    double left() const { return std::max(0.0, m_seconds - (now() - m_start)); }

private:
    double now() const {
#ifdef CLOCK_THREAD_CPUTIME_ID
        if (m_cpu) {
            timespec spent{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
            return double(spent.tv_sec) + double(spent.tv_nsec) * 1e-9;
        }
#endif
        return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
    }

    double m_seconds;
    bool m_cpu;
    double m_start;
};

// One search: each draw (a C-subset, by its colex rank) keeps how many tickets match it
// in M numbers; the draws no ticket matches are listed for picking one to fix at random.
class Search {
public:
    Search(const WheelMakeRequest& request, std::uint64_t seed, Shared& shared, int index)
        : m_k(request.numbers), m_p(request.perTicket), m_m(request.match), m_c(request.correct),
          m_random(seed), m_shared(shared), m_index(index), m_colex(m_k, m_c),
          m_cover(std::size_t(m_colex.count()), 0), m_where(m_cover.size(), -1) {
        for (std::size_t draw = 0; draw < m_cover.size(); ++draw)
            markUncovered(std::int64_t(draw));
        // Only the weighted exchanges, used where M = C, read the weights.
        if (m_m == m_c)
            m_weight.assign(m_cover.size(), 1);
    }

    // From `start`, a wheel keeping the guarantee, when there is one; else from a greedy wheel.
    void run(const WheelMakeRequest& request, const Budget& budget, const std::atomic<bool>* stop,
             const std::vector<Mask>& start) {
        if (!start.empty()) {
            for (const Mask ticket : start)
                addTicket(ticket);
        } else if (request.tickets > 0) {
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
        double temperature = Hot;
        while (!budget.spent() && !(stop && stop->load()) && !m_shared.unbeatable()) {
            publish();
            if (m_uncovered.empty()) {
                m_shared.offer(m_tickets);
                if (request.tickets > 0 || m_shared.unbeatable())
                    return;
                removeCheapestTicket();
                continue;
            }
            // A temperature holds for moves in proportion to the exchanges there are, so a large
            // wheel is not cooled before each ticket has been tried.
            const std::size_t steps = std::max<std::size_t>(MinSteps, m_tickets.size() * std::size_t(m_p));
            if (m_tabu.size() < m_tickets.size() * 64)
                m_tabu.resize(m_tickets.size() * 64, 0);
            // Where a ticket matches a draw only by holding it, the best exchange by weighted draws
            // got further than annealing in the same time; for M below C annealing did.
            for (std::size_t move = 0; move < steps && !m_uncovered.empty(); ++move)
                if (m_m == m_c)
                    tryWeightedMove();
                else
                    tryMove(temperature);
            temperature *= Cooling;
            if (temperature < Cold)
                temperature = Hot;
        }
        publish();
    }

private:
    static constexpr double Hot = 0.6;
    static constexpr double Cold = 0.08;
    static constexpr double Cooling = 0.95;
    static constexpr std::size_t MinSteps = 500;
    // Moves a ticket's number is barred from coming back after leaving it.
    static constexpr std::uint64_t Tenure = 3;

    void publish() {
        m_shared.sizes[std::size_t(m_index)] = int(m_tickets.size());
        m_shared.holes[std::size_t(m_index)] = qint64(m_uncovered.size());
    }

    std::int64_t rank(Mask draw) const { return m_colex.rank(draw); }
    Mask unrank(std::int64_t value) const { return m_colex.unrank(value); }

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

    void raise(std::int64_t r) {
        if (m_cover[std::size_t(r)]++ == 0)
            markCovered(r);
    }

    void lower(std::int64_t r) {
        if (--m_cover[std::size_t(r)] == 0)
            markUncovered(r);
    }

    Mask all() const { return wheelbits::all(m_k); }

    // Every draw the ticket matches in M numbers or more.
    template <typename Visit> void forEachMatched(Mask ticket, const Visit& visit) const {
        wheelbits::forEachMatched(ticket, m_k, m_m, m_c, visit);
    }

    void addTicket(Mask ticket) {
        m_tickets.push_back(ticket);
        forEachMatched(ticket, [this](Mask draw) { raise(rank(draw)); });
    }

    Mask randomDrawSubset(std::int32_t draw, int count) {
        Mask source = unrank(draw);
        Mask chosen = 0;
        while (bitCount(chosen) < count) {
            const Mask pick = bit(pickFrom(source));
            chosen |= pick;
            source &= ~pick;
        }
        return chosen;
    }

    // `start` completed to P numbers at random.
    Mask randomTicket(Mask start) {
        Mask ticket = start;
        while (bitCount(ticket) < m_p)
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
        forEachMatched(ticket, [this](Mask draw) { lower(rank(draw)); });
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

    // The ticket to change for an uncovered draw: one of those a single exchange makes match it,
    // at random; when none is that near, the nearest of a few.
    std::size_t ticketFor(Mask target) {
        nearTickets(m_tickets, target, m_m - 1, m_near);
        if (!m_near.empty())
            return m_near[m_random() % m_near.size()];
        std::size_t chosen = m_random() % m_tickets.size();
        for (int i = 0; i < 3; ++i) {
            const std::size_t other = m_random() % m_tickets.size();
            if (bitCount(m_tickets[other] & target) > bitCount(m_tickets[chosen] & target))
                chosen = other;
        }
        return chosen;
    }

    void tryMove(double temperature) {
        const Mask target = unrank(m_uncovered[m_random() % m_uncovered.size()]);
        const std::size_t chosen = ticketFor(target);
        const Mask ticket = m_tickets[chosen];
        const int out = pickFrom(ticket & ~target);
        const int in = pickFrom(target & ~ticket);
        // The ranks are kept from the costing for the exchange itself.
        int delta = 0;
        m_changed.clear();
        forEachChanged(ticket, out, in, [&](Mask lost, Mask gained) {
            const std::int64_t lostRank = rank(lost);
            const std::int64_t gainedRank = rank(gained);
            delta += m_cover[std::size_t(lostRank)] == 1;
            delta -= m_cover[std::size_t(gainedRank)] == 0;
            m_changed.push_back({lostRank, gainedRank});
        });
        if (delta > 0 &&
            std::uniform_real_distribution<double>(0, 1)(m_random) >= std::exp(-delta / temperature))
            return;
        for (const auto& [lostRank, gainedRank] : m_changed) {
            lower(lostRank);
            raise(gainedRank);
        }
        m_tickets[chosen] = (ticket & ~bit(out)) | bit(in);
    }

    // The best exchange for an uncovered draw by the weights of the draws it changes; where none
    // gains, the draws left uncovered weigh more, so that a search stuck on them moves elsewhere.
    void tryWeightedMove() {
        const Mask target = unrank(m_uncovered[m_random() % m_uncovered.size()]);
        nearTickets(m_tickets, target, m_m - 1, m_near);
        if (m_near.empty()) {
            // No ticket is one exchange away: a nearly cold annealing move brings one nearer.
            tryMove(0.05);
            return;
        }
        ++m_moves;
        std::int64_t bestDelta = std::numeric_limits<std::int64_t>::max();
        std::uint32_t bestTicket = 0;
        int bestOut = 0, bestIn = 0, ties = 0;
        for (const std::uint32_t t : m_near) {
            const Mask ticket = m_tickets[t];
            for (Mask outs = ticket & ~target; outs; outs &= outs - 1) {
                const int out = std::countr_zero(outs);
                for (Mask ins = target & ~ticket; ins; ins &= ins - 1) {
                    const int in = std::countr_zero(ins);
                    if (m_tabu[std::size_t(t) * 64 + std::size_t(in)] > m_moves)
                        continue;
                    std::int64_t delta = 0;
                    forEachChanged(ticket, out, in, [&](Mask lost, Mask gained) {
                        const std::int64_t l = rank(lost);
                        const std::int64_t g = rank(gained);
                        if (m_cover[std::size_t(l)] == 1)
                            delta += m_weight[std::size_t(l)];
                        if (m_cover[std::size_t(g)] == 0)
                            delta -= m_weight[std::size_t(g)];
                    });
                    if (delta < bestDelta) {
                        bestDelta = delta;
                        ties = 1;
                        bestTicket = t;
                        bestOut = out;
                        bestIn = in;
                    } else if (delta == bestDelta && m_random() % unsigned(++ties) == 0) {
                        bestTicket = t;
                        bestOut = out;
                        bestIn = in;
                    }
                }
            }
        }
        if (bestDelta == std::numeric_limits<std::int64_t>::max())
            return;
        if (bestDelta >= 0)
            for (const std::int32_t draw : m_uncovered)
                ++m_weight[std::size_t(draw)];
        const Mask ticket = m_tickets[bestTicket];
        forEachChanged(ticket, bestOut, bestIn, [&](Mask lost, Mask gained) {
            lower(rank(lost));
            raise(rank(gained));
        });
        m_tickets[bestTicket] = (ticket & ~bit(bestOut)) | bit(bestIn);
        m_tabu[std::size_t(bestTicket) * 64 + std::size_t(bestOut)] = m_moves + Tenure;
    }

    int pickFrom(Mask from) {
        Mask rest = from;
        for (int skip = int(m_random() % unsigned(bitCount(from))); skip > 0; --skip)
            rest &= rest - 1;
        return std::countr_zero(rest);
    }

    int m_k, m_p, m_m, m_c;
    std::mt19937_64 m_random;
    Shared& m_shared;
    int m_index;
    wheelbits::Colex m_colex;
    std::vector<std::uint16_t> m_cover;
    std::vector<std::int32_t> m_where;
    std::vector<std::int32_t> m_uncovered;
    std::vector<Mask> m_tickets;
    std::vector<std::uint32_t> m_near;
    std::vector<std::uint32_t> m_weight;
    std::vector<std::uint64_t> m_tabu;
    std::uint64_t m_moves = 0;

    std::vector<std::pair<std::int64_t, std::int64_t>> m_changed;
};

// Shares of a search's time: the search over single tickets before the wheels of orbits, and
// the wheels of orbits.
constexpr double FirstTicketShare = 0.15;
constexpr double OrbitShare = 0.45;

// Wheels made of whole orbits of the groups, each search taking its share of the groups: first
// each group for an equal part of 60% of the time, then the two that made the smallest wheels
// again, with other seeds, for the rest. Each smaller wheel made is offered.
void symmetricWheel(const WheelMakeRequest& request, const std::vector<WheelGroup>& groups, int index,
                    int searches, std::uint64_t seed, Shared& shared, const std::atomic<bool>* stop) {
    std::vector<Mask> best;
    const double seconds = request.seconds * OrbitShare;
    const Budget phase(seconds, request.cpuTime);
    std::vector<std::pair<std::size_t, std::size_t>> made; // wheel size, group
    auto attempt = [&](std::size_t group, double share, std::uint64_t runSeed) {
        const Budget slice(share, request.cpuTime);
        const std::function<bool()> spent = [&] {
            return slice.spent() || phase.spent() || (stop && stop->load()) || shared.unbeatable();
        };
        std::vector<Mask> wheel = WheelSymmetry::search(request, groups[group], runSeed, spent);
        if (wheel.empty())
            return;
        made.emplace_back(wheel.size(), group);
        if (best.empty() || wheel.size() < best.size()) {
            best = std::move(wheel);
            shared.offer(best);
            shared.sizes[std::size_t(index)] = int(best.size());
            shared.holes[std::size_t(index)] = 0;
        }
    };
    auto over = [&] { return phase.spent() || (stop && stop->load()) || shared.unbeatable(); };

    std::vector<std::size_t> mine;
    for (std::size_t g = std::size_t(index); g < groups.size(); g += std::size_t(searches))
        mine.push_back(g);
    const double firstRound = 0.6 * seconds;
    for (std::size_t i = 0; i < mine.size() && !over(); ++i)
        attempt(mine[i], std::max(0.0, firstRound - (seconds - phase.left())) / double(mine.size() - i),
                seed + i);
    std::sort(made.begin(), made.end());
    const std::vector<std::pair<std::size_t, std::size_t>> smallest(
        made.begin(), made.begin() + std::ptrdiff_t(std::min<std::size_t>(2, made.size())));
    for (std::size_t i = 0; i < smallest.size() && !over(); ++i)
        attempt(smallest[i].second, phase.left() / double(smallest.size() - i), seed + mine.size() + i);
}

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
    shared.enough = std::max<qint64>(shared.bound, request.enough);
    const std::vector<WheelGroup> groups =
        request.tickets > 0 ? std::vector<WheelGroup>() : WheelSymmetry::groups(request);
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    std::atomic<int> running{searches};
    for (int i = 0; i < searches; ++i)
        threads.emplace_back([&, i] {
            const std::uint64_t seed = std::uint64_t(request.seed) * 1000003u + std::uint64_t(i);
            const Budget budget(request.seconds, request.cpuTime);
            if (!groups.empty()) {
                // A short search over single tickets first, which makes the small wheels at once;
                // then the wheels of orbits; the rest of the time goes on from the best of both.
                Search(request, seed, shared, i)
                    .run(request, Budget(request.seconds * FirstTicketShare, request.cpuTime), stop, {});
                symmetricWheel(request, groups, i, searches, seed, shared, stop);
            }
            Search(request, seed + 1, shared, i)
                .run(request, budget, stop, groups.empty() ? std::vector<Mask>() : shared.wheel());
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
