// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_construction.h"

#include "db/vantoro_error.h"
#include "play/wheel_file.h"
#include "play/wheel_verifier.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool fitsDirect(int numbers, int correct) {
    return WheelVerifier::binomial(numbers, correct) <= WheelGenerator::MaxDraws;
}

// Parts share P and M with the whole: (numbers, correct) names one, and whether it can be made is
// remembered, since the same part turns up under many splits.
using Makeable = std::map<std::pair<int, int>, bool>;

QList<WheelSplit> splitsOf(int numbers, int perTicket, int match, int correct, Makeable& makeable);

bool canMake(int numbers, int perTicket, int match, int correct, Makeable& makeable) {
    if (fitsDirect(numbers, correct))
        return true;
    const std::pair<int, int> key{numbers, correct};
    if (const auto known = makeable.find(key); known != makeable.end())
        return known->second;
    // Guards the recursion: a part met again while its own splits are being weighed adds nothing.
    makeable[key] = false;
    const bool result = !splitsOf(numbers, perTicket, match, correct, makeable).isEmpty();
    makeable[key] = result;
    return result;
}

QList<WheelSplit> splitsOf(int numbers, int perTicket, int match, int correct, Makeable& makeable) {
    QList<WheelSplit> result;
    if (match >= correct)
        return result;
    for (int a = perTicket; a <= numbers - perTicket; ++a) {
        const int b = numbers - a;
        for (int correctA = match; correctA <= std::min(a, correct + 1 - match); ++correctA) {
            const int correctB = correct + 1 - correctA;
            if (correctB > b || a > b || (a == b && correctA > correctB))
                continue;
            if (canMake(a, perTicket, match, correctA, makeable) &&
                canMake(b, perTicket, match, correctB, makeable))
                result << WheelSplit{a, correctA, correctB};
        }
    }
    return result;
}

// A part of the numbers, or the whole for the direct search, with the smallest wheel made of it yet.
struct Item {
    WheelMakeRequest request;
    QList<QList<int>> best;
    int runs = 0;

    bool atFloor() const {
        return !best.isEmpty() &&
               best.size() <= WheelGenerator::lowerBound(request.numbers, request.perTicket, request.match,
                                                         request.correct);
    }
};

class Builder {
public:
    Builder(const WheelMakeRequest& request, const WheelGenerator::Progress& progress,
            const std::atomic<bool>* stop)
        : m_request(request), m_progress(progress), m_stop(stop), m_start(Clock::now()),
          m_deadline(m_start + std::chrono::milliseconds(qint64(std::max(0.0, request.seconds) * 1000))),
          m_bound(WheelGenerator::lowerBound(request.numbers, request.perTicket, request.match,
                                             request.correct)) {
        Makeable makeable;
        m_splits = splitsOf(request.numbers, request.perTicket, request.match, request.correct, makeable);
        if (fitsDirect(request.numbers, request.correct)) {
            m_direct.request = request;
            m_direct.request.allowConstruction = false;
        }
        for (const WheelSplit& split : m_splits) {
            part(split.a, split.correctA);
            part(request.numbers - split.a, split.correctB);
        }
        // The floors of the parts order the splits until their wheels are made.
        std::stable_sort(m_splits.begin(), m_splits.end(), [this](const WheelSplit& x, const WheelSplit& y) {
            return floorOf(x) < floorOf(y);
        });
    }

    QList<QList<int>> run() {
        // Greedy wheels first, the direct one and then split by split, so that a stop finds a whole
        // wheel. They take at most a quarter of the time once one whole wheel is there: parts of
        // parts multiply, and a part made for a greedy wheel only builds no more than one of its own.
        const Clock::time_point greedyEnd = m_start + (m_deadline - m_start) / 4;
        if (hasDirect())
            improve(m_direct, 0, nullptr);
        for (const WheelSplit& split : m_splits) {
            if (bestSize() > 0 && (stopped() || Clock::now() >= greedyEnd))
                break;
            for (Item* item :
                 {&part(split.a, split.correctA), &part(m_request.numbers - split.a, split.correctB)})
                if (item->best.isEmpty())
                    improve(*item, 0, nullptr);
        }

        // The rest of the time goes to the parts of the splits that came out smallest, and as much
        // again to the direct search, which finds the wheels no union of two parts is; an item
        // ending early (at its floor) leaves its time to those after it.
        std::vector<Item*> queue;
        std::vector<const Item*> partners;
        auto enqueue = [&](Item& item, const Item* partner) {
            if (std::find(queue.begin(), queue.end(), &item) == queue.end() && !item.atFloor()) {
                queue.push_back(&item);
                partners.push_back(partner);
            }
        };
        const std::vector<WheelSplit> ranked = rankedSplits();
        const qint64 secondsLeft =
            std::chrono::duration_cast<std::chrono::seconds>(m_deadline - Clock::now()).count();
        const std::size_t candidates = std::size_t(std::clamp<qint64>(secondsLeft / 60, 2, 6));
        for (std::size_t i = 0; i < ranked.size() && i < candidates; ++i) {
            Item& a = part(ranked[i].a, ranked[i].correctA);
            Item& b = part(m_request.numbers - ranked[i].a, ranked[i].correctB);
            enqueue(a, &b);
            enqueue(b, &a);
        }
        std::vector<double> weights(queue.size(), 1.0);
        if (hasDirect() && !m_direct.atFloor()) {
            queue.insert(queue.begin(), &m_direct);
            partners.insert(partners.begin(), nullptr);
            weights.insert(weights.begin(), std::max(1.0, double(weights.size())));
        }
        double weightLeft = std::accumulate(weights.begin(), weights.end(), 0.0);
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const double share =
                std::chrono::duration<double>(m_deadline - Clock::now()).count() * weights[i] / weightLeft;
            weightLeft -= weights[i];
            if (share <= 0 || stopped() || bestSize() <= m_bound)
                break;
            improve(*queue[i], share, partners[i]);
        }
        return best();
    }

private:
    bool hasDirect() const { return m_direct.request.numbers > 0; }
    bool stopped() const { return m_stop && m_stop->load(); }

    Item& part(int numbers, int correct) {
        Item& item = m_parts[{numbers, correct}];
        if (item.request.numbers == 0) {
            item.request = m_request;
            item.request.numbers = numbers;
            item.request.correct = correct;
            item.request.allowConstruction = true;
            // A size the whole wheel may stop at says nothing of one part.
            item.request.enough = 0;
        }
        return item;
    }

    qint64 floorOf(const WheelSplit& split) const {
        const int b = m_request.numbers - split.a;
        return WheelGenerator::lowerBound(split.a, m_request.perTicket, m_request.match, split.correctA) +
               WheelGenerator::lowerBound(b, m_request.perTicket, m_request.match, split.correctB);
    }

    bool whole(const WheelSplit& split) const {
        return !m_parts.at({split.a, split.correctA}).best.isEmpty() &&
               !m_parts.at({m_request.numbers - split.a, split.correctB}).best.isEmpty();
    }

    qint64 splitSize(const WheelSplit& split) const {
        return m_parts.at({split.a, split.correctA}).best.size() +
               m_parts.at({m_request.numbers - split.a, split.correctB}).best.size();
    }

    // The whole splits, smallest first.
    std::vector<WheelSplit> rankedSplits() const {
        std::vector<WheelSplit> ranked;
        std::copy_if(m_splits.begin(), m_splits.end(), std::back_inserter(ranked),
                     [this](const WheelSplit& split) { return whole(split); });
        std::stable_sort(ranked.begin(), ranked.end(), [this](const WheelSplit& x, const WheelSplit& y) {
            return splitSize(x) < splitSize(y);
        });
        return ranked;
    }

    // The smallest whole wheel so far; 0 while some part still has none.
    qint64 bestSize() const {
        qint64 size = hasDirect() && !m_direct.best.isEmpty() ? m_direct.best.size() : 0;
        for (const WheelSplit& split : m_splits)
            if (whole(split) && (size == 0 || splitSize(split) < size))
                size = splitSize(split);
        return size;
    }

    QList<QList<int>> best() const {
        QList<QList<int>> result;
        if (hasDirect())
            result = m_direct.best;
        for (const WheelSplit& split : m_splits) {
            if (!whole(split) || (!result.isEmpty() && splitSize(split) >= result.size()))
                continue;
            result = m_parts.at({split.a, split.correctA}).best;
            // Part B's positions follow part A's.
            for (QList<int> ticket : m_parts.at({m_request.numbers - split.a, split.correctB}).best) {
                for (int& position : ticket)
                    position += split.a;
                result << ticket;
            }
        }
        return result;
    }

    // One more search of the item for `seconds` (0: its greedy wheel only), with a seed of its own;
    // `partner` is the other part of the split, whose wheel counts in the progress of the whole.
    void improve(Item& item, double seconds, const Item* partner) {
        WheelMakeRequest asked = item.request;
        asked.seconds = seconds;
        asked.seed = item.request.seed * 7919u +
                     std::uint32_t(item.request.numbers * 101 + item.request.correct * 11 + item.runs);
        ++item.runs;
        const WheelGenerator::Progress forward = [this, partner](const WheelMakeProgress& now) {
            WheelMakeProgress whole = now;
            whole.bestTickets = int(bestSize());
            // The search under way may already hold a smaller whole wheel than the ones kept.
            if (now.bestTickets > 0 && (!partner || !partner->best.isEmpty())) {
                const int through = now.bestTickets + (partner ? int(partner->best.size()) : 0);
                if (whole.bestTickets == 0 || through < whole.bestTickets)
                    whole.bestTickets = through;
            }
            whole.bound = int(std::min<qint64>(m_bound, WheelFile::MaxTickets + 1));
            whole.tickets = now.tickets + (partner ? int(partner->best.size()) : 0);
            whole.seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
            report(whole);
        };
        const WheelFile made =
            WheelGenerator::make(asked, m_progress ? forward : WheelGenerator::Progress(), m_stop);
        const QList<QList<int>> tickets = made.positions(QString(), item.request.numbers);
        if (item.best.isEmpty() || tickets.size() < item.best.size())
            item.best = tickets;
        if (m_progress && Clock::now() - m_lastReport >= std::chrono::milliseconds(500)) {
            WheelMakeProgress now;
            now.bestTickets = int(bestSize());
            now.bound = int(std::min<qint64>(m_bound, WheelFile::MaxTickets + 1));
            now.tickets = int(tickets.size()) + (partner ? int(partner->best.size()) : 0);
            now.seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
            report(now);
        }
    }

    void report(const WheelMakeProgress& now) {
        m_lastReport = Clock::now();
        m_progress(now);
    }

    WheelMakeRequest m_request;
    WheelGenerator::Progress m_progress;
    const std::atomic<bool>* m_stop;
    Clock::time_point m_start;
    Clock::time_point m_deadline;
    Clock::time_point m_lastReport;
    qint64 m_bound;
    QList<WheelSplit> m_splits;
    Item m_direct;
    std::map<std::pair<int, int>, Item> m_parts;
};

} // namespace

namespace {

// A wheel built from one on other numbers: `joined` numbers added to every ticket of a smaller
// "M-1 if M-1" wheel beside a "M if M" wheel on the rest, or (joined = 0) a wheel on one number
// more. `floor` adds up the floors of the wheels it is made of.
struct Extension {
    int joined = 0;
    qint64 floor = 0;
};

// How many ways are made, the first by the floors of their parts; and how far above the floor of
// the whole those may add up to, since the searches mostly come within a tenth of it.
constexpr std::size_t MostExtensions = 3;
constexpr double FloorMargin = 1.1;

// Whether a wheel of P-number tickets on K numbers matching every M-set in exactly one ticket
// (a Steiner system) is not ruled out by counting: the M-sets through any i numbers must share out
// evenly among the tickets through them. The larger wheel of a way is worth making only then: the
// searches find such a wheel where it exists, at once, smaller than they come to on nearby numbers;
// in trials the ways through other wheels came out larger than the direct search and cost it time.
bool steinerAdmissible(int numbers, int perTicket, int match) {
    for (int i = 0; i < match; ++i)
        if (WheelVerifier::binomial(numbers - i, match - i) %
                WheelVerifier::binomial(perTicket - i, match - i) !=
            0)
            return false;
    return true;
}

std::vector<Extension> extensionsOf(const WheelMakeRequest& request) {
    const int k = request.numbers;
    const int p = request.perTicket;
    const int m = request.match;
    std::vector<Extension> result;
    if (request.tickets != 0 || m != request.correct || m < 2 || p < m || k <= p ||
        k > WheelVerifier::MaxNumbers)
        return result;
    // On equal floors the wheel on one number more goes first: it is one wheel to make, not two.
    if (k + 1 <= WheelVerifier::MaxNumbers && fitsDirect(k + 1, m) && steinerAdmissible(k + 1, p, m))
        result.push_back({0, WheelGenerator::lowerBound(k + 1, p, m, m)});
    for (int joined = 1; joined <= p - m + 1 && k - joined >= p + 1; ++joined)
        if (steinerAdmissible(k - joined, p, m))
            result.push_back({joined, WheelGenerator::lowerBound(k - joined, p, m, m) +
                                          WheelGenerator::lowerBound(k - joined, p - joined, m - 1, m - 1)});
    const qint64 floor = WheelGenerator::lowerBound(k, p, m, m);
    std::erase_if(result,
                  [&](const Extension& way) { return double(way.floor) > FloorMargin * double(floor); });
    std::stable_sort(result.begin(), result.end(),
                     [](const Extension& x, const Extension& y) { return x.floor < y.floor; });
    if (result.size() > MostExtensions)
        result.resize(MostExtensions);
    return result;
}

// The time a part took: on the wall, or for a search counting CPU time no more than it was given,
// since its threads' time is not the caller's.
double secondsSince(Clock::time_point start, double given, bool cpuTime) {
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return cpuTime ? std::min(wall, given) : wall;
}

} // namespace

QList<QList<int>> WheelConstruction::extended(const WheelMakeRequest& request, double seconds, qint64 beat,
                                              const WheelGenerator::Progress& progress,
                                              const std::atomic<bool>* stop) {
    const std::vector<Extension> candidates = extensionsOf(request);
    const int k = request.numbers;
    const int m = request.match;
    const Clock::time_point start = Clock::now();
    const int bound = int(
        std::min<qint64>(WheelGenerator::lowerBound(k, request.perTicket, m, m), WheelFile::MaxTickets + 1));
    QList<QList<int>> best;
    double used = 0;
    // One part: made in `partSeconds`, its progress told as that of the whole with `beside` tickets
    // of a part already made; empty when it could not be made.
    auto makePart = [&](int numbers, int perTicket, int match, double partSeconds, int beside) {
        WheelMakeRequest asked = request;
        asked.numbers = numbers;
        asked.perTicket = perTicket;
        asked.match = match;
        asked.correct = match;
        asked.seconds = partSeconds;
        asked.seed = request.seed * 7919u + std::uint32_t(numbers * 101 + perTicket * 11 + match);
        asked.allowConstruction = false;
        asked.enough = 0;
        const WheelGenerator::Progress forward = [&](const WheelMakeProgress& now) {
            WheelMakeProgress whole = now;
            // The size to beat is that of a whole wheel already found.
            qint64 known = std::max<qint64>(beat, 0);
            if (!best.isEmpty() && (known == 0 || best.size() < known))
                known = best.size();
            whole.bestTickets = int(known);
            whole.bound = bound;
            whole.tickets = now.tickets + beside;
            whole.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            progress(whole);
        };
        const Clock::time_point partStart = Clock::now();
        QList<QList<int>> tickets;
        try {
            tickets = WheelGenerator::make(asked, progress ? forward : WheelGenerator::Progress(), stop)
                          .positions(QString(), numbers);
        } catch (const VantoroError&) {
            // A part too large for a wheel file or not found in its time: this way is left.
        }
        used += secondsSince(partStart, partSeconds, request.cpuTime);
        return tickets;
    };

    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Extension& way = candidates[i];
        if ((stop && stop->load()) || (beat > 0 && way.floor >= beat) ||
            (!best.isEmpty() && way.floor >= best.size()))
            continue;
        const double share = std::max(0.0, seconds - used) / double(candidates.size() - i);
        QList<QList<int>> wheel;
        if (way.joined == 0) {
            // The last number gives way to the smallest one its ticket does not hold.
            for (QList<int> ticket : makePart(k + 1, request.perTicket, m, share, 0)) {
                if (ticket.removeAll(k + 1) > 0) {
                    int other = 1;
                    while (ticket.contains(other))
                        ++other;
                    ticket << other;
                    std::sort(ticket.begin(), ticket.end());
                }
                if (!wheel.contains(ticket))
                    wheel << ticket;
            }
        } else {
            // The "M-1 if M-1" wheel first, with a quarter of the time: it has far fewer draws, and
            // what it leaves goes to the other.
            const int rest = k - way.joined;
            const double before = used;
            const QList<QList<int>> joinedTo =
                makePart(rest, request.perTicket - way.joined, m - 1, share / 4, 0);
            if (joinedTo.isEmpty())
                continue;
            const QList<QList<int>> others = makePart(
                rest, request.perTicket, m, std::max(0.0, share - (used - before)), int(joinedTo.size()));
            if (others.isEmpty())
                continue;
            wheel = others;
            for (QList<int> ticket : joinedTo) {
                for (int number = rest + 1; number <= k; ++number)
                    ticket << number;
                wheel << ticket;
            }
        }
        if (!wheel.isEmpty() && (best.isEmpty() || wheel.size() < best.size()))
            best = wheel;
    }
    return best;
}

QList<WheelSplit> WheelConstruction::splits(const WheelMakeRequest& request) {
    const int k = request.numbers;
    const int p = request.perTicket;
    if (request.tickets != 0 || k < 1 || k > WheelVerifier::MaxNumbers || p < 1 || p > k ||
        request.correct > k || request.match < 1 || request.match > std::min(p, request.correct))
        return {};
    Makeable makeable;
    return splitsOf(k, p, request.match, request.correct, makeable);
}

QList<QList<int>> WheelConstruction::make(const WheelMakeRequest& request,
                                          const WheelGenerator::Progress& progress,
                                          const std::atomic<bool>* stop) {
    return Builder(request, progress, stop).run();
}
