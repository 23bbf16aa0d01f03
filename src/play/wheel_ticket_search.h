// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_generator.h"

#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <vector>

// The search over single tickets that WheelGenerator::make runs on each core, and what those
// searches share. Internal to the generator.

// What the searches share: the best wheel so far and where each stands.
struct WheelSearchShared {
    std::mutex mutex;
    // No wheel can be smaller: a search that sees the best reach it stops.
    qint64 bound = 0;
    // The size the caller settles for, at least `bound`.
    qint64 enough = 0;
    std::vector<std::uint64_t> best;
    std::atomic<int> bestSize{0};
    std::vector<std::atomic<int>> sizes;
    std::vector<std::atomic<qint64>> holes;
    explicit WheelSearchShared(int searches) : sizes(std::size_t(searches)), holes(std::size_t(searches)) {}

    void offer(const std::vector<std::uint64_t>& tickets) {
        const std::lock_guard lock(mutex);
        if (best.empty() || tickets.size() < best.size()) {
            best = tickets;
            bestSize = int(tickets.size());
        }
    }

    std::vector<std::uint64_t> wheel() {
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
class WheelBudget {
public:
    WheelBudget(double seconds, bool cpu) : m_seconds(std::max(0.0, seconds)), m_cpu(cpu), m_start(now()) {}

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
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }

    double m_seconds;
    bool m_cpu;
    double m_start;
};

// One search on the calling thread from `start` (a wheel keeping the guarantee) when it is not
// empty, else from a greedy wheel (or random tickets, for an exact count): each draw (a C-subset, by
// its colex rank) keeps how many tickets match it in M numbers; the draws no ticket matches are
// listed for picking one to fix at random. Every wheel keeping the guarantee is offered to `shared`;
// the smallest this search found is returned (empty when none).
std::vector<std::uint64_t> searchTickets(const WheelMakeRequest& request, std::uint64_t seed,
                                         WheelSearchShared& shared, int index, const WheelBudget& budget,
                                         const std::atomic<bool>* stop,
                                         const std::vector<std::uint64_t>& start);
