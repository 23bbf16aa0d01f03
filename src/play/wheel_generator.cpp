// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_generator.h"

#include "db/vantoro_error.h"
#include "play/wheel_bits.h"
#include "play/wheel_construction.h"
#include "play/wheel_file.h"
#include "play/wheel_symmetry.h"
#include "play/wheel_ticket_search.h"
#include "play/wheel_verifier.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <chrono>
#include <limits>
#include <thread>
#include <vector>

namespace {

using wheelbits::Mask;
using Clock = std::chrono::steady_clock;

// Shares of a search's time: the search over single tickets before the wheels of orbits, and
// the wheels of orbits.
constexpr double FirstTicketShare = 0.15;
constexpr double OrbitShare = 0.6;
// The share of the wheels of orbits' time in which every group has its first try.
constexpr double FirstRoundShare = 2.0 / 3.0;
// The groups whose first tries made the smallest wheels, which share the rest of that time.
constexpr std::size_t Finalists = 2;
// The least time a group's search is worth: its greedy wheel and the first exchanges.
constexpr double MinGroupSeconds = 0.25;
// The last search goes on from its own wheel unless the best wheel of orbits is smaller by this.
constexpr double OwnWheelMargin = 0.97;
// The share of a covering's time for wheels built from wheels on other numbers.
constexpr double ExtensionShare = 0.2;
// ... but no less than this, up to half the time: the search that finds a Steiner system on 26 or 22
// numbers takes about 2 s whatever the time of the whole.
constexpr double ExtensionSeconds = 4.0;
// The most time for the search that decides whether to build at all.
constexpr double QuickSeconds = 1.0;

// Wheels made of whole orbits of the groups, each search taking its share of the groups, raced:
// every group has a first try, in two thirds of the time, and the best few share the rest, one
// search each. How near a group's orbits come to the best wheel shows soon, and a search that has
// a wheel near it finds the last few orbits only with time. Each smaller wheel made is offered.
void symmetricWheel(const WheelMakeRequest& request, const std::vector<WheelGroup>& groups, int index,
                    int searches, std::uint64_t seed, std::size_t ticketWheel, WheelSearchShared& shared,
                    const std::atomic<bool>* stop) {
    std::vector<Mask> best;
    const WheelBudget phase(request.seconds * OrbitShare, request.cpuTime);
    auto over = [&] { return phase.spent() || (stop && stop->load()) || shared.unbeatable(); };
    std::uint64_t runSeed = seed;
    // The smallest wheel each group made, and the group.
    std::vector<std::pair<std::size_t, std::size_t>> alive;
    // In a short search only the largest groups, as many as get a fair try: their few orbits
    // settle soonest.
    const auto most = std::max<std::size_t>(
        2, std::size_t(request.seconds * OrbitShare * FirstRoundShare / MinGroupSeconds));
    for (std::size_t g = std::size_t(index); g < groups.size() && alive.size() < most;
         g += std::size_t(searches))
        alive.emplace_back(std::numeric_limits<std::size_t>::max(), g);
    auto race = [&](double seconds) {
        const WheelBudget roundBudget(seconds, request.cpuTime);
        // Equal slices: in trials the searches of large and small groups took about as long to
        // settle.
        for (std::size_t i = 0; i < alive.size() && !over(); ++i) {
            const WheelBudget slice(roundBudget.left() / double(alive.size() - i), request.cpuTime);
            const std::function<bool()> spent = [&] { return slice.spent() || over(); };
            std::vector<Mask> wheel =
                WheelSymmetry::search(request, groups[alive[i].second], ++runSeed, spent);
            if (wheel.empty())
                continue;
            alive[i].first = std::min(alive[i].first, wheel.size());
            if (best.empty() || wheel.size() < best.size()) {
                best = std::move(wheel);
                shared.offer(best);
                shared.sizes[std::size_t(index)] = int(best.size());
                shared.holes[std::size_t(index)] = 0;
            }
        }
    };
    // Most of the time for the first round, where every group has its try: a group's wheels fall
    // into a few sizes, and a slice too short to reach its small ones ranks it by chance.
    race(alive.size() > Finalists ? phase.left() * FirstRoundShare : phase.left());
    if (alive.size() <= Finalists || over())
        return;
    // Groups that do not help this request give their time back to the search over single tickets:
    // after every group's try, no wheel of orbits smaller than that search's own.
    if (ticketWheel > 0 && (best.empty() || best.size() >= ticketWheel))
        return;
    // One unbroken search each for the best few: in trials the group that made the best wheel
    // (C(19,6,4) = 325 by turns of 15) needed 3 s of one search where rounds of halving gave it
    // short restarts that ended near where its first try had.
    std::stable_sort(alive.begin(), alive.end());
    alive.resize(Finalists);
    race(phase.left());
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
    const bool split = request.allowConstruction && !WheelConstruction::splits(request).isEmpty();
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
    WheelSearchShared shared(searches);
    shared.bound = lowerBound(k, p, request.match, request.correct);
    shared.enough = std::max<qint64>(shared.bound, request.enough);
    const Clock::time_point start = Clock::now();
    // Wheels built from wheels on other numbers first: where a Steiner system lies near, they are
    // smaller than anything the searches reach, and a good start for them.
    WheelMakeRequest searched = request;
    if (request.allowConstruction && request.match == request.correct && request.tickets == 0) {
        // A moment's search first: where it reaches the size asked for, or one no construction can
        // beat, nothing is built.
        const double share =
            std::min(request.seconds / 2, std::max(request.seconds * ExtensionShare, ExtensionSeconds));
        const double quick = std::min(QuickSeconds, share / 4);
        const std::size_t found = searchTickets(request, std::uint64_t(request.seed) * 1000003u + 999u,
                                                shared, 0, WheelBudget(quick, request.cpuTime), stop, {})
                                      .size();
        // The building's progress counts from the start of the whole search.
        const double before = std::chrono::duration<double>(Clock::now() - start).count();
        const Progress shifted = [&](const WheelMakeProgress& now) {
            WheelMakeProgress whole = now;
            whole.seconds += before;
            progress(whole);
        };
        const QList<QList<int>> built =
            shared.unbeatable() ? QList<QList<int>>()
                                : WheelConstruction::extended(request, share - quick, qint64(found),
                                                              progress ? shifted : Progress(), stop);
        const double spent = std::chrono::duration<double>(Clock::now() - start).count();
        searched.seconds =
            std::max(0.0, request.seconds - (request.cpuTime ? std::min(spent, share) : spent));
        if (!built.isEmpty()) {
            std::vector<Mask> wheel;
            for (const QList<int>& ticket : built) {
                Mask mask = 0;
                for (const int position : ticket)
                    mask |= wheelbits::bit(position - 1);
                wheel.push_back(mask);
            }
            shared.offer(wheel);
        }
    }
    const std::vector<WheelGroup> groups =
        request.tickets > 0 ? std::vector<WheelGroup>() : WheelSymmetry::groups(request);
    std::vector<std::thread> threads;
    std::atomic<int> running{searches};
    for (int i = 0; i < searches; ++i)
        threads.emplace_back([&, i] {
            const std::uint64_t seed = std::uint64_t(request.seed) * 1000003u + std::uint64_t(i);
            const WheelBudget budget(searched.seconds, searched.cpuTime);
            std::vector<Mask> start;
            if (!groups.empty()) {
                // A short search over single tickets first, which makes the small wheels at once;
                // then the wheels of orbits; then the search over single tickets again.
                start = searchTickets(searched, seed, shared, i,
                                      WheelBudget(searched.seconds * FirstTicketShare, searched.cpuTime),
                                      stop, {});
                symmetricWheel(searched, groups, i, searches, seed, start.size(), shared, stop);
                // A wheel of orbits is a rigid start: exchanges of single tickets leave it hardly
                // smaller, where the search's own wheel near its size goes on shrinking.
                const std::vector<Mask> orbits = shared.wheel();
                if (start.empty() || double(orbits.size()) < OwnWheelMargin * double(start.size()))
                    start = orbits;
            }
            searchTickets(searched, seed + 1, shared, i, budget, stop, start);
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
