// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_ticket_search.h"

#include "play/wheel_bits.h"
#include "play/wheel_verifier.h"

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <utility>

namespace {

using wheelbits::bit;
using wheelbits::forEachSubset;
using wheelbits::Mask;

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

// One search: each draw (a C-subset, by its colex rank) keeps how many tickets match it
// in M numbers; the draws no ticket matches are listed for picking one to fix at random.
class Search {
public:
    Search(const WheelMakeRequest& request, std::uint64_t seed, WheelSearchShared& shared, int index)
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
    std::vector<Mask> run(const WheelMakeRequest& request, const WheelBudget& budget,
                          const std::atomic<bool>* stop, const std::vector<Mask>& start) {
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
            found();
        double temperature = Hot;
        while (!budget.spent() && !(stop && stop->load()) && !m_shared.unbeatable()) {
            publish();
            if (m_uncovered.empty()) {
                found();
                if (request.tickets > 0 || m_shared.unbeatable())
                    return m_smallest;
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
        return m_smallest;
    }

private:
    static constexpr double Hot = 0.6;
    static constexpr double Cold = 0.08;
    static constexpr double Cooling = 0.95;
    static constexpr std::size_t MinSteps = 500;
    // Moves a ticket's number is barred from coming back after leaving it.
    static constexpr std::uint64_t Tenure = 3;

    void found() {
        m_shared.offer(m_tickets);
        if (m_smallest.empty() || m_tickets.size() < m_smallest.size())
            m_smallest = m_tickets;
    }

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
    WheelSearchShared& m_shared;
    int m_index;
    wheelbits::Colex m_colex;
    std::vector<std::uint16_t> m_cover;
    std::vector<std::int32_t> m_where;
    std::vector<std::int32_t> m_uncovered;
    std::vector<Mask> m_tickets;
    std::vector<Mask> m_smallest; // the smallest wheel keeping the guarantee this search found
    std::vector<std::uint32_t> m_near;
    std::vector<std::uint32_t> m_weight;
    std::vector<std::uint64_t> m_tabu;
    std::uint64_t m_moves = 0;

    std::vector<std::pair<std::int64_t, std::int64_t>> m_changed;
};

} // namespace

std::vector<Mask> searchTickets(const WheelMakeRequest& request, std::uint64_t seed,
                                WheelSearchShared& shared, int index, const WheelBudget& budget,
                                const std::atomic<bool>* stop, const std::vector<Mask>& start) {
    return Search(request, seed, shared, index).run(request, budget, stop, start);
}
