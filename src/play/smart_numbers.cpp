// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/smart_numbers.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"
#include "play/generated_tickets.h"
#include "play/random_source.h"
#include "play/wheel_expansion.h"
#include "play/wheel_file.h"
#include "stats/number_stats.h"

#include <QDir>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSets = 3;
const char kSetLetters[] = "RWB";
constexpr int kKenoTicketSize = 10;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Puts the table back on the drawing it was on, however the reading ends.
class TablePlace {
public:
    explicit TablePlace(DbfTable& table) : m_table(table), m_mark(table.bookmark()) {}
    ~TablePlace() {
        if (m_mark == 0)
            return;
        try {
            m_table.goToBookmark(m_mark);
        } catch (const VantoroError&) {
            // The record cannot have gone while we only read; if it has, the table stays where the
            // reading left it, which every caller copes with.
            m_table.GoBottom();
        }
    }
    TablePlace(const TablePlace&) = delete;
    TablePlace& operator=(const TablePlace&) = delete;

private:
    DbfTable& m_table;
    DbfTable::Bookmark m_mark;
};

// The Tri-State bonus is a card rank stored as "10", "J ", "Q ", "K ", "A ": values 1 to 5.
int cardRankValue(const QString& text) {
    static const QStringList ranks{QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"),
                                   QStringLiteral("K"), QStringLiteral("A")};
    return static_cast<int>(ranks.indexOf(text.trimmed().toUpper())) + 1;
}

QString cardRankText(int value) {
    static const QStringList shown{QStringLiteral("10"), QStringLiteral("0J"), QStringLiteral("0Q"),
                                   QStringLiteral("0K"), QStringLiteral("0A")};
    return shown.value(value - 1);
}

// The most frequent bonus of the latest `drawings` drawings, ties to the lowest value.
QString readSuggestedBonus(DbfTable& table, const LotteryDefinition& definition, int drawings) {
    const int regular = definition.regularNumbers();
    const bool cardRank = GameTypes::bonusIsCardRank(definition.GameType, regular);
    const int highest = cardRank ? 5 : std::clamp(int(definition.HighestBonus), 0, 99);
    // A bonus drawn from 0 (a Superzahl) may well be suggested as 0.
    const int lowest = !cardRank && regular < definition.NumbersDrawn && definition.LowestNumber <= 0 ? 0 : 1;
    std::vector<int> counts(static_cast<size_t>(highest) + 1, 0);
    std::vector<int> fields;
    for (int p = regular + 1; p <= definition.NumbersDrawn; ++p)
        if (const int field = table.fieldIndex(DrawingTable::numberField(p)); field >= 0)
            fields.push_back(field);
    const int wanted = std::min(drawings, table.RecordCount());
    if (wanted > 0) {
        table.GoBottom();
        for (int d = 0; d < wanted; ++d) {
            for (int field : fields) {
                const QString text = table.FieldText(field).left(3);
                int value = 0;
                if (cardRank) {
                    value = cardRankValue(text);
                } else {
                    // A blank or foreign bonus field is no bonus of the game: it is not counted.
                    bool ok = false;
                    value = text.trimmed().toInt(&ok);
                    if (!ok)
                        value = -1;
                }
                if (value >= lowest && value <= highest)
                    ++counts[static_cast<size_t>(value)];
            }
            if (d + 1 < wanted && table.Skip(-1) == 0)
                break;
        }
    }
    int best = lowest;
    for (int value = lowest + 1; value <= highest; ++value)
        if (counts[static_cast<size_t>(value)] > counts[static_cast<size_t>(best)])
            best = value;
    return cardRank ? cardRankText(best) : twoDigits(best);
}

QString noRecommendation(int hotNumberCutoff, int drawingCutoffCount, int totalDrawings) {
    if (drawingCutoffCount <= 0)
        return QStringLiteral("There is no recommendation while the Drawing Cutoff is 0: set it in the "
                              "Options menu, or enter how many numbers of each class to play.");
    return QStringLiteral("There is no recommendation yet: it needs more drawings on file (%1) than the Hot "
                          "Number Cutoff (%2). Enter how many numbers of each class to play.")
        .arg(totalDrawings)
        .arg(hotNumberCutoff);
}

} // namespace

QString smartClassName(int smartClass) {
    static const QStringList names{QStringLiteral("Hot"), QStringLiteral("Prior"), QStringLiteral("Cold"),
                                   QStringLiteral("Due")};
    return names.value(smartClass);
}

std::array<double, kSmartClasses> smartRatios(const NumberWindow& drawings, int regularCount,
                                              int hotNumberCutoff, int window) {
    std::array<double, kSmartClasses> ratios{};
    const int R = regularCount;
    const int hot = std::max(0, hotNumberCutoff);
    if (window < 1 || R < 1 || drawings.count() < window + hot || drawings.positions < R)
        return ratios;
    std::array<int, 100> freq{};
    int maxFreq = 0;
    for (int d = 0; d < window; ++d)
        for (int i = 1; i <= R; ++i)
            maxFreq = std::max(maxFreq, ++freq[static_cast<size_t>(drawings.at(d, i))]);

    std::array<qint64, kSmartClasses> totals{};
    std::vector<int> found(static_cast<size_t>(R) + 1);
    std::vector<int> prior(static_cast<size_t>(R) + 1);
    // From the oldest drawing of the window to the latest; `d` counts back from the latest.
    for (int d = window - 1; d >= 0; --d) {
        std::fill(found.begin(), found.end(), 0);
        std::fill(prior.begin(), prior.end(), 0);
        for (int k = 1; k <= hot; ++k)
            for (int i = 1; i <= R; ++i)
                for (int j = 1; j <= R; ++j)
                    if (drawings.at(d, i) == drawings.at(d + k, j)) {
                        ++found[static_cast<size_t>(i)];
                        if (k == 1)
                            ++prior[static_cast<size_t>(i)];
                    }
        // freq ends as the window count plus the window drawings up to and including this one.
        for (int i = 1; i <= R; ++i)
            maxFreq = std::max(maxFreq, ++freq[static_cast<size_t>(drawings.at(d, i))]);
        int F = 0, P = 0, U = 0;
        for (int i = 1; i <= R; ++i) {
            F += found[static_cast<size_t>(i)] > 0;
            P += prior[static_cast<size_t>(i)] > 0;
            if (found[static_cast<size_t>(i)] == 0 &&
                freq[static_cast<size_t>(drawings.at(d, i))] - 1 >= (3 * maxFreq) / 4)
                ++U;
        }
        totals[SmartHot] += F - P;
        totals[SmartPrior] += P;
        totals[SmartCold] += R - F - U;
        totals[SmartDue] += U;
    }
    for (int c = 0; c < kSmartClasses; ++c)
        ratios[static_cast<size_t>(c)] = double(totals[static_cast<size_t>(c)]) / window / R;
    return ratios;
}

int smartRoundedCount(double ratio, int size) {
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return static_cast<int>(std::nearbyint(ratio * size));
}

void balanceSmartCounts(SmartCounts& counts, const SmartCounts& available, int size) {
    const auto sum = [&counts] { return counts[0] + counts[1] + counts[2] + counts[3]; };
    for (int c : {SmartDue, SmartHot, SmartPrior, SmartCold})
        if (sum() < size && counts[static_cast<size_t>(c)] < available[static_cast<size_t>(c)])
            ++counts[static_cast<size_t>(c)];
    for (int c : {SmartHot, SmartPrior, SmartCold, SmartDue})
        if (sum() > size && counts[static_cast<size_t>(c)] > 0)
            --counts[static_cast<size_t>(c)];
}

QString smartBreakdownProblem(const SmartCounts& counts, int size, SmartFlow flow) {
    const int sum = counts[0] + counts[1] + counts[2] + counts[3];
    if (sum < size)
        return QStringLiteral("You must select a minimum of %1 numbers.").arg(size);
    if (sum > size)
        return flow == SmartFlow::OwnTickets
                   ? QStringLiteral("You have selected too many numbers. You must select only %1 numbers.")
                         .arg(size)
                   : QStringLiteral("You have selected more numbers than are in the wheel. You must select "
                                    "only %1 numbers.")
                         .arg(size);
    return {};
}

QString smartAvailableProblem(int smartClass) {
    return QStringLiteral(
               "You have entered a value greater than the number of %1 numbers that are available.")
        .arg(smartClassName(smartClass));
}

QString smartBonusText(const QString& text) {
    const QString upper = text.trimmed().toUpper();
    return upper.size() == 1 ? QLatin1Char('0') + upper : upper;
}

SmartNumbers SmartNumbers::compute(DbfTable& table, const LotteryDefinition& definition, int hotNumberCutoff,
                                   int drawingCutoffCount, int totalDrawings) {
    TablePlace place(table);
    SmartNumbers smart;
    smart.definition = definition;
    smart.regularCount = definition.regularNumbers();
    smart.window = std::min(drawingCutoffCount, totalDrawings - hotNumberCutoff);
    const int width = table.FieldWidth(DrawingTable::numberField(1));

    if (width == 3 || GameTypes::isCardGame(definition.GameType)) {
        smart.classNote = QStringLiteral("The drawings of this game are playing cards, which are not classed "
                                         "as hot, prior, cold or due: there are no smart numbers to choose.");
        smart.ratioNote = smart.classNote;
        return smart;
    }

    if (smart.window >= 1 && smart.regularCount >= 1 && hotNumberCutoff >= 0) {
        NumberStatsInput input = NumberStatsInput::standardForLottery(
            definition, width, 0, smart.window + hotNumberCutoff, totalDrawings);
        smart.ratios =
            smartRatios(readNumberWindow(table, input), smart.regularCount, hotNumberCutoff, smart.window);
        smart.hasRatios = true;
    } else {
        smart.ratioNote = noRecommendation(hotNumberCutoff, drawingCutoffCount, totalDrawings);
    }

    const NumberStats stats =
        computeNumberStats(table, definition, 0, hotNumberCutoff, drawingCutoffCount, totalDrawings);
    smart.threeSet = stats.variant == NumberVariant::ThreeSet;
    const std::array<const std::vector<int>*, kSmartClasses> ids{&stats.hot, &stats.prior, &stats.cold,
                                                                 &stats.due};
    for (int c = 0; c < kSmartClasses; ++c)
        for (int id : *ids[static_cast<size_t>(c)]) {
            const NumberStat* stat = stats.stat(id);
            if (!stat)
                continue;
            if (smart.threeSet) {
                smart.setLists[static_cast<size_t>(c)][static_cast<size_t>(stat->group)]
                    << twoDigits(stat->number);
                smart.lists[static_cast<size_t>(c)] << stat->text;
            } else {
                smart.lists[static_cast<size_t>(c)] << twoDigits(stat->number);
            }
        }

    if (GameTypes::ticketsHaveBonus(definition.GameType, smart.regularCount))
        smart.suggestedBonus = readSuggestedBonus(table, definition, drawingCutoffCount);
    return smart;
}

int SmartNumbers::available(int smartClass) const {
    return static_cast<int>(lists.at(static_cast<size_t>(smartClass)).size());
}

SmartCounts SmartNumbers::availableCounts() const {
    return {available(0), available(1), available(2), available(3)};
}

QString SmartNumbers::percentText(int smartClass) const {
    return QStringLiteral("%1").arg(ratios.at(static_cast<size_t>(smartClass)) * 100.0, 4, 'f', 1);
}

int SmartNumbers::ownTicketSize() const {
    return definition.GameType == int(GameTypeCode::Keno) ? kKenoTicketSize : regularCount;
}

bool SmartNumbers::ticketsHaveBonus() const {
    return GameTypes::ticketsHaveBonus(definition.GameType, regularCount);
}

bool SmartNumbers::wheelTicketsHaveBonus() const {
    return GameTypes::wheelTicketsHaveBonus(definition.GameType, regularCount);
}

bool SmartNumbers::wheelOffered() const {
    return wheelRefusal().isEmpty();
}

QString SmartNumbers::wheelRefusal() const {
    if (!classNote.isEmpty())
        return classNote;
    if (threeSet)
        return QStringLiteral("Daily Millions numbers are drawn from three sets, which a wheel cannot keep "
                              "apart: make your own smart number tickets instead.");
    return {};
}

int smartWheelSize(const WheelFile& file, const QString& path) {
    bool ok = false;
    const int size = file.Numbers.trimmed().toInt(&ok);
    if (!ok || size < 1)
        throw VantoroError(QStringLiteral("The wheeling system file %1 has no number on line 2: \"%2\".")
                               .arg(QDir::toNativeSeparators(path), file.Numbers.left(20)));
    return size;
}

QString SmartNumbers::columnNote() const {
    return generatorColumnNote(definition);
}

bool SmartNumbers::pickOrderOnly() const {
    return definition.GameType == int(GameTypeCode::NYLuckyDay);
}

SmartCounts SmartNumbers::recommendedCounts(int size, SmartFlow flow) const {
    SmartCounts counts{};
    const SmartCounts availableNow = availableCounts();
    for (int c = 0; c < kSmartClasses; ++c) {
        int count = hasRatios ? smartRoundedCount(ratios.at(static_cast<size_t>(c)), size) : 0;
        if (flow == SmartFlow::OwnTickets)
            count = std::min(count, availableNow.at(static_cast<size_t>(c)));
        counts[static_cast<size_t>(c)] = count;
    }
    balanceSmartCounts(counts, availableNow, size);
    return counts;
}

QStringList SmartNumbers::chosenNumbers(const SmartCounts& counts) const {
    QStringList chosen;
    for (int c = 0; c < kSmartClasses; ++c)
        chosen << lists.at(static_cast<size_t>(c)).mid(0, std::max(0, counts.at(static_cast<size_t>(c))));
    return chosen;
}

namespace {

void checkCounts(const SmartNumbers& smart, const SmartCounts& counts, int size, SmartFlow flow) {
    if (!smart.classNote.isEmpty())
        throw VantoroError(smart.classNote);
    for (int c = 0; c < kSmartClasses; ++c) {
        if (counts.at(static_cast<size_t>(c)) < 0)
            throw VantoroError(
                QStringLiteral("The count of %1 numbers cannot be below 0.").arg(smartClassName(c)));
        if (counts.at(static_cast<size_t>(c)) > smart.available(c))
            throw VantoroError(smartAvailableProblem(c));
    }
    if (const QString problem = smartBreakdownProblem(counts, size, flow); !problem.isEmpty())
        throw VantoroError(problem);
}

// One pool of numbers a class offers a ticket, with the ones this ticket has taken.
struct Pool {
    QList<int> numbers;
    std::vector<char> used;
    void refill() { used.assign(static_cast<size_t>(numbers.size()), 0); }
    bool valid(int r) const { return r > 0 && r <= numbers.size() && !used[static_cast<size_t>(r - 1)]; }
    template <typename Fits> bool hasFree(Fits fits) const {
        for (qsizetype i = 0; i < numbers.size(); ++i)
            if (!used[static_cast<size_t>(i)] && fits(numbers.at(i)))
                return true;
        return false;
    }
};

QList<int> toNumbers(const QStringList& texts) {
    QList<int> numbers;
    for (const QString& text : texts)
        numbers << text.left(2).toInt();
    return numbers;
}

// The classes of a ticket's picks in turn: each class as often as its count, hot first.
std::vector<int> pickSequence(const SmartCounts& counts) {
    std::vector<int> sequence;
    for (int c = 0; c < kSmartClasses; ++c)
        sequence.insert(sequence.end(), static_cast<size_t>(counts.at(static_cast<size_t>(c))), c);
    return sequence;
}

// When the class whose turn it is holds no number this pick may take (a Lucky Day month, a
// three-set column's set), a later pick of a class that holds one takes this turn and the two swap:
// every class still gives its count of numbers, and the drawing can never go round for ever.
template <typename HasFree>
void takeTurn(std::vector<int>& sequence, size_t pick, HasFree hasFree, const QString& refusal) {
    if (hasFree(sequence[pick]))
        return;
    for (size_t later = pick + 1; later < sequence.size(); ++later)
        if (hasFree(sequence[later])) {
            std::swap(sequence[pick], sequence[later]);
            return;
        }
    throw VantoroError(refusal);
}

Ticket numbered(int number, const QList<int>& values, const std::optional<QString>& bonus) {
    Ticket ticket;
    ticket.number = number;
    for (int value : values)
        ticket.fields << twoDigits(value);
    ticket.bonus = bonus;
    return ticket;
}

void makeStandardTickets(const SmartNumbers& smart, const SmartCounts& counts, int ticketCount,
                         const std::optional<QString>& bonus, RandomSource& random, SmartTickets& result) {
    std::array<Pool, kSmartClasses> pools;
    for (int c = 0; c < kSmartClasses; ++c)
        pools[static_cast<size_t>(c)].numbers = toNumbers(smart.lists.at(static_cast<size_t>(c)));
    const bool luckyDay = smart.pickOrderOnly();
    const std::vector<int> sequence = pickSequence(counts);
    for (int t = 1; t <= ticketCount; ++t) {
        for (Pool& pool : pools)
            pool.refill();
        std::vector<int> turns = sequence;
        QList<int> picks;
        for (size_t pick = 0; pick < turns.size(); ++pick) {
            // NY Lucky Day plays a month and a day first.
            const int limit = luckyDay && pick == 0 ? 12 : luckyDay && pick == 1 ? 31 : 0;
            const auto fits = [limit](int n) { return limit == 0 || (n >= 1 && n <= limit); };
            takeTurn(
                turns, pick, [&](int c) { return pools[static_cast<size_t>(c)].hasFree(fits); },
                QStringLiteral("None of the classes chosen holds a number from 1 to %1 for the %2 of a "
                               "Lucky Day ticket. Choose other counts.")
                    .arg(limit)
                    .arg(pick == 0 ? QStringLiteral("month") : QStringLiteral("day")));
            Pool& pool = pools[static_cast<size_t>(turns[pick])];
            const auto size = static_cast<std::uint32_t>(pool.numbers.size());
            for (;;) {
                const int r = static_cast<int>(random.draw(size + 1));
                if (!pool.valid(r) || !fits(pool.numbers.at(r - 1)))
                    continue;
                pool.used[static_cast<size_t>(r - 1)] = 1;
                picks << pool.numbers.at(r - 1);
                break;
            }
        }
        result.pickOrder << numbered(t, picks, bonus);
        QList<int> sorted = picks;
        std::sort(sorted.begin(), sorted.end());
        result.sorted << numbered(t, sorted, bonus);
    }
}

void makeThreeSetTickets(const SmartNumbers& smart, const SmartCounts& counts, int ticketCount,
                         RandomSource& random, SmartTickets& result) {
    // pools[class][set]
    std::array<std::array<Pool, kSets>, kSmartClasses> pools;
    for (int c = 0; c < kSmartClasses; ++c)
        for (int s = 0; s < kSets; ++s)
            pools[static_cast<size_t>(c)][static_cast<size_t>(s)].numbers =
                toNumbers(smart.setLists.at(static_cast<size_t>(c)).at(static_cast<size_t>(s)));
    // The picks fill the first number of each set, then the second: R R W W B B by column.
    constexpr std::array<int, 6> columnOrder{0, 2, 4, 1, 3, 5};
    const std::vector<int> sequence = pickSequence(counts);
    for (int t = 1; t <= ticketCount; ++t) {
        for (auto& classPools : pools)
            for (Pool& pool : classPools)
                pool.refill();
        std::vector<int> turns = sequence;
        QList<int> columns(6, 0);
        for (size_t pick = 0; pick < turns.size() && pick < columnOrder.size(); ++pick) {
            const int set = columnOrder[pick] / 2;
            takeTurn(
                turns, pick,
                [&](int c) {
                    return pools[static_cast<size_t>(c)][static_cast<size_t>(set)].hasFree(
                        [](int) { return true; });
                },
                QStringLiteral("The classes chosen hold too few numbers of set %1 to fill its columns. "
                               "Choose other counts.")
                    .arg(QLatin1Char(kSetLetters[set])));
            auto& classPools = pools[static_cast<size_t>(turns[pick])];
            // One attempt tries the R pool, then W, then B; a pool's draw counts only for a column
            // of its own set.
            bool taken = false;
            while (!taken)
                for (int s = 0; s < kSets && !taken; ++s) {
                    Pool& pool = classPools[static_cast<size_t>(s)];
                    const int r =
                        static_cast<int>(random.draw(static_cast<std::uint32_t>(pool.numbers.size()) + 1));
                    if (pool.valid(r) && s == set) {
                        pool.used[static_cast<size_t>(r - 1)] = 1;
                        columns[columnOrder[pick]] = pool.numbers.at(r - 1);
                        taken = true;
                    }
                }
        }
        result.pickOrder << numbered(t, columns, std::nullopt);
        QList<int> sorted = columns;
        for (int s = 0; s < kSets; ++s)
            if (sorted[2 * s] > sorted[2 * s + 1])
                std::swap(sorted[2 * s], sorted[2 * s + 1]);
        result.sorted << numbered(t, sorted, std::nullopt);
    }
}

} // namespace

SmartTickets makeOwnTickets(const SmartNumbers& smart, const SmartCounts& counts, int ticketCount,
                            const QString& bonus, RandomSource& random) {
    const int size = smart.ownTicketSize();
    checkCounts(smart, counts, size, SmartFlow::OwnTickets);
    SmartTickets result;
    result.kind = {size, smart.definition.GameType};
    if (smart.threeSet) {
        if (size != 6)
            throw VantoroError(QStringLiteral("A Daily Millions ticket holds 6 numbers, not %1.").arg(size));
        makeThreeSetTickets(smart, counts, ticketCount, random, result);
        return result;
    }
    std::optional<QString> bonusColumn;
    if (smart.ticketsHaveBonus())
        bonusColumn = smartBonusText(bonus);
    makeStandardTickets(smart, counts, ticketCount, bonusColumn, random, result);
    return result;
}

SmartTickets makeWheelTickets(const SmartNumbers& smart, const SmartCounts& counts, const QString& wheelPath,
                              const QString& bonus) {
    if (!smart.wheelOffered())
        throw VantoroError(smart.wheelRefusal());
    const WheelFile file = WheelFile::read(wheelPath);
    const int size = smartWheelSize(file, wheelPath);
    checkCounts(smart, counts, size, SmartFlow::Wheel);
    const QStringList chosen = smart.chosenNumbers(counts);
    const QString bonusText = smartBonusText(bonus);
    const WheelExpansion expansion = WheelExpansion::expand(
        file, wheelPath, chosen, smart.definition,
        smart.wheelTicketsHaveBonus() ? WheelExpansion::BonusRule([bonusText](int) { return bonusText; })
                                      : WheelExpansion::BonusRule());

    SmartTickets result;
    result.wheel = true;
    result.kind = expansion.kind;
    result.guarantee = expansion.guaranteeText();
    for (const QString& number : chosen)
        result.numbersPlayed += number + QLatin1Char(' ');
    result.wheelNumbers = expansion.K;
    result.wheelTickets = expansion.T;
    result.fullWheel = expansion.isFull();
    result.pickOrder = expansion.tickets;
    for (Ticket ticket : expansion.tickets) {
        std::sort(ticket.fields.begin(), ticket.fields.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        result.sorted << ticket;
    }
    return result;
}
