// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_symmetry.h"

#include "play/wheel_bits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <random>

namespace {

using wheelbits::bit;
using wheelbits::Mask;

// The tickets walked to find the orbits, and the orbit-to-orbit incidences kept: beyond these a
// group's search would hold more memory than the search over single tickets.
constexpr std::int64_t MaxTickets = 3'000'000;
constexpr std::int64_t MaxIncidences = 12'000'000;

Mask image(const std::vector<std::uint8_t>& element, Mask subset) {
    Mask result = 0;
    for (Mask rest = subset; rest; rest &= rest - 1)
        result |= bit(element[std::size_t(std::countr_zero(rest))]);
    return result;
}

WheelGroup makeGroup(int numbers, int cycles, int length, int shortLength, int multiplier) {
    WheelGroup group;
    group.cycles = cycles;
    group.length = length;
    group.shortLength = shortLength;
    group.fixed = numbers - cycles * length - shortLength;
    group.multiplier = multiplier;
    const int turned = cycles * length;
    int factor = 1;
    do {
        for (int shift = 0; shift < length; ++shift) {
            std::vector<std::uint8_t> element(static_cast<std::size_t>(numbers));
            for (int position = 0; position < numbers; ++position) {
                int to = position;
                if (position < turned)
                    to = position / length * length + (factor * (position % length) + shift) % length;
                else if (position < turned + shortLength)
                    to = turned + (factor * (position - turned) + shift) % shortLength;
                element[std::size_t(position)] = std::uint8_t(to);
            }
            group.elements.push_back(std::move(element));
        }
        factor = factor * multiplier % length;
    } while (factor != 1);
    return group;
}

// Units of Z/n, one of each multiplicative order above 1 (the smallest): for a prime n these
// make every subgroup of the units.
std::vector<int> multipliers(int n) {
    std::vector<int> result;
    std::vector<bool> orderSeen(std::size_t(n) + 1, false);
    for (int a = 2; a < n; ++a) {
        if (std::gcd(a, n) != 1)
            continue;
        int order = 1;
        for (int power = a; power != 1; power = power * a % n)
            ++order;
        if (!orderSeen[std::size_t(order)]) {
            orderSeen[std::size_t(order)] = true;
            result.push_back(a);
        }
    }
    return result;
}

qint64 drawsPerTicket(int numbers, int perTicket, int match, int correct) {
    qint64 result = 0;
    for (int inside = match; inside <= std::min(perTicket, correct); ++inside)
        result += WheelVerifier::binomial(perTicket, inside) *
                  WheelVerifier::binomial(numbers - perTicket, correct - inside);
    return result;
}

// The orbits of the draws and of the tickets, and which ticket orbit matches which draw orbit: a
// draw orbit is matched by a ticket orbit as soon as one of its draws is matched by one ticket of
// the other, since the group carries that pair onto every other.
struct Orbits {
    std::vector<Mask> drawOrbit;                        // a draw of each
    std::vector<std::uint32_t> drawWeight;              // its draws
    std::vector<Mask> ticketOrbit;                      // a ticket of each
    std::vector<std::uint32_t> ticketSize;              // its tickets
    std::vector<std::uint32_t> matchedStart, matched;   // draw orbits each ticket orbit matches
    std::vector<std::uint32_t> matchingStart, matching; // ticket orbits matching each draw orbit
    // The orbit of every ticket by its colex rank.
    static constexpr std::int32_t Unseen = -1;
    std::vector<std::int32_t> ticketOrbitOf;
    std::optional<wheelbits::Colex> ticketColex;

    bool build(const WheelMakeRequest& request, const WheelGroup& group) {
        const int k = request.numbers;
        const wheelbits::Colex draws(k, request.correct);
        std::vector<std::int32_t> orbitOf(std::size_t(draws.count()), -1);
        Mask draw = wheelbits::all(request.correct);
        for (std::int64_t r = 0; r < draws.count(); ++r, draw = wheelbits::nextSubset(draw)) {
            if (orbitOf[std::size_t(r)] >= 0)
                continue;
            const auto id = std::int32_t(drawOrbit.size());
            std::uint32_t weight = 0;
            for (const auto& element : group.elements) {
                std::int32_t& at = orbitOf[std::size_t(draws.rank(image(element, draw)))];
                if (at != id) {
                    at = id;
                    ++weight;
                }
            }
            drawOrbit.push_back(draw);
            drawWeight.push_back(weight);
        }

        const wheelbits::Colex& tickets = ticketColex.emplace(k, request.perTicket);
        ticketOrbitOf.assign(std::size_t(tickets.count()), Unseen);
        std::vector<std::uint32_t> scratch;
        std::vector<std::size_t> members;
        matchedStart.push_back(0);
        Mask ticket = wheelbits::all(request.perTicket);
        for (std::int64_t r = 0; r < tickets.count(); ++r, ticket = wheelbits::nextSubset(ticket)) {
            if (ticketOrbitOf[std::size_t(r)] != Unseen)
                continue;
            const auto id = std::int32_t(ticketOrbit.size());
            members.clear();
            for (const auto& element : group.elements) {
                const std::size_t at = std::size_t(tickets.rank(image(element, ticket)));
                if (ticketOrbitOf[at] != id) {
                    ticketOrbitOf[at] = id;
                    members.push_back(at);
                }
            }
            scratch.clear();
            wheelbits::forEachMatched(ticket, k, request.match, request.correct, [&](Mask matchedDraw) {
                scratch.push_back(std::uint32_t(orbitOf[std::size_t(draws.rank(matchedDraw))]));
            });
            std::sort(scratch.begin(), scratch.end());
            scratch.erase(std::unique(scratch.begin(), scratch.end()), scratch.end());
            matched.insert(matched.end(), scratch.begin(), scratch.end());
            if (std::int64_t(matched.size()) > MaxIncidences)
                return false;
            ticketOrbit.push_back(ticket);
            ticketSize.push_back(std::uint32_t(members.size()));
            matchedStart.push_back(std::uint32_t(matched.size()));
        }

        matchingStart.assign(drawOrbit.size() + 1, 0);
        for (const std::uint32_t d : matched)
            ++matchingStart[d + 1];
        std::partial_sum(matchingStart.begin(), matchingStart.end(), matchingStart.begin());
        matching.resize(matched.size());
        std::vector<std::uint32_t> fill(matchingStart.begin(), matchingStart.end() - 1);
        for (std::uint32_t t = 0; t < ticketOrbit.size(); ++t)
            for (std::uint32_t i = matchedStart[t]; i < matchedStart[t + 1]; ++i)
                matching[fill[matched[i]]++] = t;
        return true;
    }
};

// A wheel of ticket orbits holding at most a budget of tickets, searched by exchanging one orbit
// for another that matches a draw orbit left uncovered: the orbits one number away from a turned
// ticket of an orbit in the wheel, or else a sample of all that match it. An orbit may also come
// in with none going out while the budget allows. The exchange that leaves the least weight of
// draws uncovered is made, where a draw's weight grows each time no exchange gains, so that a
// search stuck on a few draws moves elsewhere. Each time no draw is left, the budget falls below
// the wheel, orbits go until it is kept, and the search goes on.
class OrbitSearch {
public:
    OrbitSearch(const WheelMakeRequest& request, const WheelGroup& group, const Orbits& orbits,
                std::uint64_t seed, std::uint64_t patience, const std::function<bool()>& spent)
        : m_request(request), m_group(group), m_orbits(orbits), m_random(seed), m_spent(spent),
          m_patience(patience), m_count(orbits.drawOrbit.size(), 0), m_xor(orbits.drawOrbit.size(), 0),
          m_weight(orbits.drawWeight.begin(), orbits.drawWeight.end()), m_where(orbits.drawOrbit.size(), -1),
          m_loss(orbits.ticketOrbit.size(), 0), m_refund(orbits.ticketOrbit.size(), 0),
          m_tabu(orbits.ticketOrbit.size(), 0), m_inWheel(orbits.ticketOrbit.size(), false) {
        // Draws no ticket orbit matches are left out of the search (counted as covered); they get
        // tickets of their own in every wheel kept.
        for (std::uint32_t d = 0; d < m_count.size(); ++d)
            if (orbits.matchingStart[d] == orbits.matchingStart[d + 1])
                m_count[d] = 1;
            else
                markUncovered(d);
    }

    std::vector<Mask> run() {
        const qint64 floor = WheelGenerator::lowerBound(m_request.numbers, m_request.perTicket,
                                                        m_request.match, m_request.correct);
        // A greedy wheel first: for an uncovered draw orbit, the orbit matching most others for
        // its tickets.
        while (!m_uncovered.empty()) {
            if (m_spent())
                return m_best;
            const std::uint32_t d = m_uncovered[m_random() % m_uncovered.size()];
            std::uint32_t chosen = 0;
            qint64 most = -1;
            qint64 mostSize = 1;
            // Among a sample where many orbits match the draw: scoring them all made the greedy
            // wheel of a large request outlast the time given to a group.
            const std::uint32_t first = m_orbits.matchingStart[d];
            const std::uint32_t options = m_orbits.matchingStart[d + 1] - first;
            for (std::size_t sample = 0; sample < std::min<std::size_t>(GreedySample, options); ++sample) {
                const std::uint32_t t =
                    m_orbits
                        .matching[first + (options <= GreedySample ? std::uint32_t(sample)
                                                                   : std::uint32_t(m_random() % options))];
                qint64 gain = 0;
                for (std::uint32_t j = m_orbits.matchedStart[t]; j < m_orbits.matchedStart[t + 1]; ++j)
                    if (m_count[m_orbits.matched[j]] == 0)
                        gain += m_weight[m_orbits.matched[j]];
                const qint64 size = m_orbits.ticketSize[t];
                if (gain * mostSize > most * size || (gain * mostSize == most * size && m_random() % 2)) {
                    most = gain;
                    mostSize = size;
                    chosen = t;
                }
            }
            add(chosen);
        }
        keep(m_slots);

        while (!m_spent() && m_slots.size() > 1) {
            // Smaller than both this wheel and the best kept; down to one orbit below the floor,
            // which may still leave few enough draws for tickets of their own.
            m_budget = std::min(m_cost, qint64(m_best.size())) - 1;
            if (m_cost <= floor || m_budget + m_group.order() < floor)
                break;
            while (m_cost > m_budget)
                removeCheapestSlot();
            if (!search()) {
                keep(m_closest);
                break;
            }
            keep(m_slots);
        }
        return m_best;
    }

private:
    // Exchange candidates costed a move, orbits scored for a step of the greedy wheel, and moves an
    // orbit taken out is barred from coming back.
    static constexpr std::size_t Sample = 48;
    static constexpr std::size_t GreedySample = 256;
    static constexpr std::uint64_t Tenure = 7;
    static constexpr std::size_t NoSlot = std::numeric_limits<std::size_t>::max();

    // Moves until no draw is left uncovered (true), or the fewest left has not fallen for long.
    bool search() {
        qint64 closest = m_uncoveredWeight;
        m_closest = m_slots;
        std::uint64_t sinceCloser = 0;
        while (!m_uncovered.empty()) {
            for (int move = 0; move < 256 && !m_uncovered.empty(); ++move) {
                tryMove();
                if (m_uncoveredWeight < closest) {
                    closest = m_uncoveredWeight;
                    m_closest = m_slots;
                    sinceCloser = 0;
                } else {
                    ++sinceCloser;
                }
            }
            if (!m_uncovered.empty() && (sinceCloser > m_patience || m_spent()))
                return false;
        }
        return true;
    }

    void tryMove() {
        ++m_moves;
        const std::uint32_t d = m_uncovered[m_random() % m_uncovered.size()];
        m_move = {};
        // Exchanges of one number in a ticket of an orbit in the wheel that make it match the
        // draw; the new ticket's orbit replaces the old one.
        const Mask draw = m_orbits.drawOrbit[d];
        const int m = m_request.match;
        for (std::size_t s = 0; s < m_slots.size(); ++s) {
            const Mask ticket = m_orbits.ticketOrbit[m_slots[s]];
            for (const auto& element : m_group.elements) {
                const Mask turned = image(element, ticket);
                if (bitCount(turned & draw) != m - 1)
                    continue;
                for (Mask outs = turned & ~draw; outs; outs &= outs - 1)
                    for (Mask ins = draw & ~turned; ins; ins &= ins - 1) {
                        const Mask changed = (turned & ~(outs & (~outs + 1))) | (ins & (~ins + 1));
                        const auto in = std::uint32_t(
                            m_orbits.ticketOrbitOf[std::size_t(m_orbits.ticketColex->rank(changed))]);
                        if (!m_inWheel[in] && m_tabu[in] <= m_moves)
                            weigh(in, s);
                    }
            }
        }
        if (m_move.ties == 0) {
            // No orbit in the wheel is one number away: orbits matching the draw, by a sample.
            const std::uint32_t first = m_orbits.matchingStart[d];
            const std::uint32_t options = m_orbits.matchingStart[d + 1] - first;
            for (std::size_t sample = 0; sample < std::min<std::size_t>(Sample, options); ++sample) {
                const std::uint32_t in =
                    m_orbits.matching[first + (options <= Sample ? std::uint32_t(sample)
                                                                 : std::uint32_t(m_random() % options))];
                if (!m_inWheel[in] && m_tabu[in] <= m_moves)
                    weigh(in, NoSlot);
            }
        }
        if (m_move.ties == 0)
            return;
        if (m_move.delta >= 0)
            for (const std::uint32_t e : m_uncovered)
                m_weight[e] += m_orbits.drawWeight[e];
        if (m_move.out != NoSlot) {
            const std::uint32_t leaving = m_slots[m_move.out];
            m_slots[m_move.out] = m_slots.back();
            m_slots.pop_back();
            remove(leaving);
            m_tabu[leaving] = m_moves + Tenure;
        }
        add(m_move.in);
    }

    // Costs putting orbit `in` in the place of the one in slot `only`, or of any slot for NoSlot,
    // or beside them all while the budget allows, keeping the least.
    void weigh(std::uint32_t in, std::size_t only) {
        qint64 gain = 0;
        m_touched.clear();
        for (std::uint32_t i = m_orbits.matchedStart[in]; i < m_orbits.matchedStart[in + 1]; ++i) {
            const std::uint32_t e = m_orbits.matched[i];
            if (m_count[e] == 0) {
                gain += m_weight[e];
            } else if (m_count[e] == 1) {
                if (m_refund[m_xor[e]] == 0)
                    m_touched.push_back(m_xor[e]);
                m_refund[m_xor[e]] += m_weight[e];
            }
        }
        const qint64 room = m_budget - m_cost - qint64(m_orbits.ticketSize[in]);
        if (room >= 0)
            offer(-gain, in, NoSlot);
        const std::size_t from = only == NoSlot ? 0 : only;
        const std::size_t to = only == NoSlot ? m_slots.size() : only + 1;
        for (std::size_t s = from; s < to; ++s)
            if (room + qint64(m_orbits.ticketSize[m_slots[s]]) >= 0)
                offer(m_loss[m_slots[s]] - m_refund[m_slots[s]] - gain, in, s);
        for (const std::uint32_t t : m_touched)
            m_refund[t] = 0;
    }

    void offer(qint64 delta, std::uint32_t in, std::size_t out) {
        if (delta < m_move.delta) {
            m_move = {delta, in, out, 1};
        } else if (delta == m_move.delta && m_random() % unsigned(++m_move.ties) == 0) {
            m_move.in = in;
            m_move.out = out;
        }
    }

    // The orbit whose draws matched by it alone weigh least for its tickets.
    void removeCheapestSlot() {
        std::size_t cheapest = 0;
        for (std::size_t s = 1; s < m_slots.size(); ++s) {
            const qint64 here = m_loss[m_slots[s]] * m_orbits.ticketSize[m_slots[cheapest]];
            const qint64 there = m_loss[m_slots[cheapest]] * m_orbits.ticketSize[m_slots[s]];
            if (here < there || (here == there && m_random() % 2))
                cheapest = s;
        }
        const std::uint32_t leaving = m_slots[cheapest];
        m_slots.erase(m_slots.begin() + std::ptrdiff_t(cheapest));
        remove(leaving);
    }

    // A draw matched by one orbit alone counts in that orbit's loss; m_xor names that orbit.
    void add(std::uint32_t t) {
        m_slots.push_back(t);
        m_inWheel[t] = true;
        m_cost += m_orbits.ticketSize[t];
        m_loss[t] = 0;
        for (std::uint32_t i = m_orbits.matchedStart[t]; i < m_orbits.matchedStart[t + 1]; ++i) {
            const std::uint32_t e = m_orbits.matched[i];
            if (m_count[e] == 0) {
                m_loss[t] += m_weight[e];
                markCovered(e);
            } else if (m_count[e] == 1) {
                m_loss[m_xor[e]] -= m_weight[e];
            }
            ++m_count[e];
            m_xor[e] ^= t;
        }
    }

    void remove(std::uint32_t t) {
        m_inWheel[t] = false;
        m_cost -= m_orbits.ticketSize[t];
        for (std::uint32_t i = m_orbits.matchedStart[t]; i < m_orbits.matchedStart[t + 1]; ++i) {
            const std::uint32_t e = m_orbits.matched[i];
            --m_count[e];
            m_xor[e] ^= t;
            if (m_count[e] == 0)
                markUncovered(e);
            else if (m_count[e] == 1)
                m_loss[m_xor[e]] += m_weight[e];
        }
    }

    void markUncovered(std::uint32_t d) {
        m_where[d] = std::int32_t(m_uncovered.size());
        m_uncovered.push_back(d);
        m_uncoveredWeight += m_orbits.drawWeight[d];
    }

    void markCovered(std::uint32_t d) {
        const std::int32_t at = m_where[d];
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[std::size_t(at)] = last;
        m_where[last] = at;
        m_uncovered.pop_back();
        m_where[d] = -1;
        m_uncoveredWeight -= m_orbits.drawWeight[d];
    }

    // The wheel of these orbits and tickets for the draws they leave, kept when smaller.
    void keep(const std::vector<std::uint32_t>& chosen) {
        std::vector<Mask> wheel;
        std::vector<std::uint32_t> count(m_orbits.drawOrbit.size(), 0);
        for (const std::uint32_t t : chosen) {
            const std::size_t first = wheel.size();
            for (const auto& element : m_group.elements)
                wheel.push_back(image(element, m_orbits.ticketOrbit[t]));
            // A short orbit meets each of its tickets more than once.
            std::sort(wheel.begin() + std::ptrdiff_t(first), wheel.end());
            wheel.erase(std::unique(wheel.begin() + std::ptrdiff_t(first), wheel.end()), wheel.end());
            for (std::uint32_t i = m_orbits.matchedStart[t]; i < m_orbits.matchedStart[t + 1]; ++i)
                ++count[m_orbits.matched[i]];
        }
        std::vector<Mask> left;
        for (std::uint32_t d = 0; d < count.size(); ++d)
            if (count[d] == 0) {
                for (const auto& element : m_group.elements)
                    left.push_back(image(element, m_orbits.drawOrbit[d]));
            }
        std::sort(left.begin(), left.end());
        left.erase(std::unique(left.begin(), left.end()), left.end());
        patch(left, wheel);
        if (m_best.empty() || wheel.size() < m_best.size())
            m_best = std::move(wheel);
    }

    // Tickets for the draws in `left`, each through M numbers of one and filled a number at a time
    // with the one that matches most of the others.
    void patch(std::vector<Mask> left, std::vector<Mask>& wheel) {
        const int m = m_request.match;
        const int k = m_request.numbers;
        while (!left.empty()) {
            Mask ticket = 0;
            for (Mask rest = left.front(); bitCount(ticket) < m; rest &= rest - 1)
                ticket |= rest & (~rest + 1);
            while (bitCount(ticket) < m_request.perTicket) {
                int chosen = -1;
                qint64 most = -1;
                for (int x = 0; x < k; ++x) {
                    if (ticket & bit(x))
                        continue;
                    const Mask trial = ticket | bit(x);
                    qint64 score = 0;
                    for (const Mask draw : left) {
                        const int shared = bitCount(trial & draw);
                        score += shared >= m ? 1000 : shared;
                    }
                    if (score > most) {
                        most = score;
                        chosen = x;
                    }
                }
                ticket |= bit(chosen);
            }
            wheel.push_back(ticket);
            std::erase_if(left, [&](Mask draw) { return bitCount(ticket & draw) >= m; });
        }
    }

    const WheelMakeRequest& m_request;
    const WheelGroup& m_group;
    const Orbits& m_orbits;
    std::mt19937_64 m_random;
    const std::function<bool()>& m_spent;
    const std::uint64_t m_patience; // moves without the fewest draws left falling before giving up
    std::vector<std::uint32_t> m_count;
    std::vector<std::uint32_t> m_xor;
    std::vector<qint64> m_weight;
    std::vector<std::int32_t> m_where;
    std::vector<std::uint32_t> m_uncovered;
    qint64 m_uncoveredWeight = 0; // in draws, not weights
    std::vector<qint64> m_loss;
    std::vector<qint64> m_refund;
    std::vector<std::uint32_t> m_touched;
    std::vector<std::uint64_t> m_tabu;
    std::vector<bool> m_inWheel;
    qint64 m_cost = 0;   // tickets in the orbits of the wheel
    qint64 m_budget = 0; // the most a wheel being searched may hold
    std::uint64_t m_moves = 0;
    struct Exchange {
        qint64 delta = std::numeric_limits<qint64>::max();
        std::uint32_t in = 0;
        std::size_t out = 0;
        int ties = 0;
    } m_move;
    std::vector<std::uint32_t> m_slots;
    std::vector<std::uint32_t> m_closest;
    std::vector<Mask> m_best;
};

// The i-th term (from 1) of the Luby sequence.
std::uint64_t luby(std::uint64_t i) {
    for (;;) {
        int k = 1;
        while ((std::uint64_t(1) << k) - 1 < i)
            ++k;
        if ((std::uint64_t(1) << k) - 1 == i)
            return std::uint64_t(1) << (k - 1);
        i -= (std::uint64_t(1) << (k - 1)) - 1;
    }
}

} // namespace

std::vector<WheelGroup> WheelSymmetry::groups(const WheelMakeRequest& request) {
    const int k = request.numbers;
    const int p = request.perTicket;
    std::vector<WheelGroup> result;
    if (k < 6 || k > WheelVerifier::MaxNumbers || p < 1 || p >= k || request.match < 1 ||
        request.match > std::min(p, request.correct) || request.correct > k ||
        WheelVerifier::binomial(k, p) > MaxTickets ||
        WheelVerifier::binomial(k, request.correct) > WheelGenerator::MaxDraws)
        return result;
    const qint64 floor = WheelGenerator::lowerBound(k, p, request.match, request.correct);
    const qint64 perTicket = drawsPerTicket(k, p, request.match, request.correct);
    // Besides the cycles, a shorter one whose length divides theirs, turned in step; and up to a
    // ticket of numbers left fixed (all fixed, they are an orbit of one ticket).
    for (int length = 3; length <= k; ++length)
        for (int cycles = 1; cycles * length <= k; ++cycles) {
            const int rest = k - cycles * length;
            std::vector<int> factors = multipliers(length);
            factors.insert(factors.begin(), 1);
            for (int shortLength = 0; shortLength < length && shortLength <= rest; ++shortLength) {
                if (shortLength == 1 || (shortLength > 0 && length % shortLength != 0) ||
                    rest - shortLength > std::min(p, k - 3))
                    continue;
                for (const int multiplier : factors) {
                    // Multiplied places with a shorter cycle or more numbers fixed made no wheel
                    // smaller than the turns alone in any trial, and cost the others their time.
                    if (multiplier > 1 && (shortLength > 0 || rest > 3))
                        continue;
                    WheelGroup group = makeGroup(k, cycles, length, shortLength, multiplier);
                    if (group.order() > floor ||
                        WheelVerifier::binomial(k, p) / group.order() * perTicket > MaxIncidences)
                        continue;
                    result.push_back(std::move(group));
                }
            }
        }
    std::stable_sort(result.begin(), result.end(),
                     [](const WheelGroup& x, const WheelGroup& y) { return x.order() > y.order(); });
    return result;
}

std::vector<std::uint64_t> WheelSymmetry::search(const WheelMakeRequest& request, const WheelGroup& group,
                                                 std::uint64_t seed, const std::function<bool()>& spent) {
    Orbits orbits;
    std::vector<Mask> best;
    if (!orbits.build(request, group))
        return best;
    // A group's wheels fall into few sizes far apart, and which one a search ends in is mostly
    // settled by its greedy start: many short searches find the small ones where a few long ones
    // stay at the size they reached. Some need long searches all the same, so the patience of the
    // searches follows the Luby sequence (1, 1, 2, 1, 1, 2, 4, ...), which comes within a
    // logarithmic factor of the best fixed patience, whatever that is. None gets below the floor.
    const qint64 floor =
        WheelGenerator::lowerBound(request.numbers, request.perTicket, request.match, request.correct);
    const std::uint64_t unit = std::max<std::uint64_t>(5'000, 2 * orbits.ticketOrbit.size());
    for (std::uint64_t run = 0; !spent() && (best.empty() || qint64(best.size()) > floor); ++run) {
        std::vector<Mask> wheel =
            OrbitSearch(request, group, orbits, seed + run * 7919, unit * luby(run + 1), spent).run();
        if (!wheel.empty() && (best.empty() || wheel.size() < best.size()))
            best = std::move(wheel);
    }
    return best;
}
