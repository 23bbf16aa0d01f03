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
            m_direct.request.allowSplit = false;
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
            item.request.allowSplit = true;
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
