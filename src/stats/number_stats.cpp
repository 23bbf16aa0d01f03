// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/number_stats.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxStandardNumber = 99;
constexpr int SetStride = 100; // three-set ids: set x 100 + number
constexpr int Suits = 4;
constexpr int Ranks = 13;
const char SetLetters[] = "RWB";
const char SuitLetters[] = "CDHS";

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The card's rank as the lists show it (two characters) and as TEMP.DBT stores it.
QString rankCode(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("0A");
    case 11:
        return QStringLiteral("0J");
    case 12:
        return QStringLiteral("0Q");
    case 13:
        return QStringLiteral("0K");
    default:
        return twoDigits(rank);
    }
}

QString rankName(int rank) {
    const QString code = rankCode(rank);
    return code.startsWith(QLatin1Char('0')) ? code.mid(1) : code;
}

} // namespace

QString fixedNotation(double value, int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0;
    // The small nudge keeps a true half (0.25 -> 0.3) from falling below it through binary error.
    const double rounded = std::floor(value * scale + 0.5 + 1e-9) / scale;
    return QString::number(rounded, 'f', decimals);
}

int numberIdCount(NumberVariant variant) {
    switch (variant) {
    case NumberVariant::ThreeSet:
        return 3 * SetStride;
    case NumberVariant::Cards:
        return Suits * Ranks;
    case NumberVariant::Standard:
        break;
    }
    return MaxStandardNumber + 1;
}

// A number above the range must not raise hotMax or freqMax either.
int numberId(const NumberStatsInput& input, int position, int value) {
    if (input.variant == NumberVariant::Cards)
        return value;
    if (value < input.low || value > input.high)
        return -1;
    if (input.variant == NumberVariant::ThreeSet)
        return ((position - 1) / 2) * SetStride + value;
    return value;
}

// How many, and where the first few stand, so the user can find them in the drawing editor.
QString uncountedNote(const NumberWindow& drawings, const NumberStatsInput& input) {
    constexpr int Named = 5;
    int count = 0;
    QStringList places;
    for (int d = 0; d < drawings.count(); ++d)
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int value = drawings.at(d, p);
            if (numberId(input, p, value) >= 0 || value == NumberWindow::Missing)
                continue;
            if (++count <= Named) {
                const QString date = drawings.dates.at(d).trimmed();
                places << QStringLiteral("%1 in P%2 on %3")
                              .arg(value)
                              .arg(p)
                              .arg(date.isEmpty() ? QStringLiteral("a drawing without a date") : date);
            }
        }
    if (count == 0)
        return QString();
    QString note = QStringLiteral("%1 %2 outside %3 to %4 %5 not counted: ")
                       .arg(count)
                       .arg(count == 1 ? QStringLiteral("number") : QStringLiteral("numbers"))
                       .arg(input.low)
                       .arg(input.high)
                       .arg(count == 1 ? QStringLiteral("was") : QStringLiteral("were"));
    note += places.join(QStringLiteral(", "));
    if (count > Named)
        note += QStringLiteral(" and %1 more").arg(count - Named);
    return note + QLatin1Char('.');
}

namespace {

NumberStat makeStat(const NumberStatsInput& input, int id) {
    NumberStat stat;
    stat.id = id;
    switch (input.variant) {
    case NumberVariant::Standard:
        stat.number = id;
        stat.text = twoDigits(id);
        stat.graphText = QString::number(id);
        break;
    case NumberVariant::ThreeSet: {
        stat.number = id % SetStride;
        stat.group = id / SetStride;
        const QChar letter = QLatin1Char(SetLetters[stat.group]);
        stat.text = twoDigits(stat.number) + letter;
        stat.graphText = QString::number(stat.number) + letter;
        break;
    }
    case NumberVariant::Cards: {
        stat.number = id % Ranks + 1;
        stat.group = id / Ranks;
        const QChar suit = QLatin1Char(SuitLetters[stat.group]);
        stat.text = rankCode(stat.number) + suit;
        stat.graphText = rankName(stat.number) + suit;
        break;
    }
    }
    return stat;
}

// The ids of the range in the two orders of equal counts: `listOrder` for the frequency and
// hit-index lists and the never-drawn part of the cold list, `classOrder` for the hot list and the
// skip part of the cold list. They differ only for the cards (rank by rank against suit by suit).
void rangeOrders(const NumberStatsInput& input, std::vector<int>& listOrder, std::vector<int>& classOrder) {
    switch (input.variant) {
    case NumberVariant::Standard:
        for (int n = input.low; n <= input.high; ++n)
            listOrder.push_back(n);
        classOrder = listOrder;
        break;
    case NumberVariant::ThreeSet:
        for (int n = input.low; n <= input.high; ++n)
            for (int set = 0; set < 3; ++set)
                listOrder.push_back(set * SetStride + n);
        classOrder = listOrder;
        break;
    case NumberVariant::Cards:
        for (int rank = 0; rank < Ranks; ++rank)
            for (int suit = 0; suit < Suits; ++suit)
                listOrder.push_back(suit * Ranks + rank);
        for (int id = 0; id < Suits * Ranks; ++id)
            classOrder.push_back(id);
        break;
    }
}

// `ids` ordered by `key` descending; equal keys keep the order they came in.
template <typename Key> std::vector<int> byCountDescending(std::vector<int> ids, Key key) {
    std::stable_sort(ids.begin(), ids.end(), [&key](int a, int b) { return key(a) > key(b); });
    return ids;
}

[[noreturn]] void badField(const DbfTable& table, int drawingsBack, int position, const QString& text,
                           bool cards) {
    const int ordinal = table.RecordCount() - drawingsBack;
    QString date;
    try {
        date = table.DateText(DrawingTable::DateField);
    } catch (const VantoroError&) {
        // The number is what is wrong; a broken date as well only changes what we can name.
    }
    const QString what = text.trimmed().isEmpty()
                             ? QStringLiteral("is blank")
                             : (cards ? QStringLiteral("holds \"%1\", which is not a playing card")
                                      : QStringLiteral("holds \"%1\", which is not a number from 0 to 99"))
                                   .arg(text.trimmed());
    throw VantoroError(QStringLiteral("Drawing %1 (%2): field P%3 %4.")
                           .arg(ordinal, 5, 10, QLatin1Char('0'))
                           .arg(date.isEmpty() ? QStringLiteral("no date") : date)
                           .arg(position)
                           .arg(what));
}

} // namespace

std::vector<NumberStat> rangeNumbers(const NumberStatsInput& input) {
    std::vector<int> listOrder, classOrder;
    rangeOrders(input, listOrder, classOrder);
    std::vector<NumberStat> numbers;
    numbers.reserve(listOrder.size());
    for (int id : listOrder)
        numbers.push_back(makeStat(input, id));
    return numbers;
}

QString drawingCutoffRefusal() {
    return QStringLiteral(
        "The Drawing Cutoff value must be greater than zero. To Change the value, select Drawing "
        "Cutoff in the Options menu. If you have more than 50 drawings in your database, we "
        "recommend that you set the Drawing Cutoff to 50.");
}

NumberStatsInput NumberStatsInput::forLottery(const LotteryDefinition& definition, int firstFieldWidth,
                                              int bonusOption, int hotNumberCutoff, int drawingCutoffCount,
                                              int totalDrawings) {
    NumberStatsInput input;
    input.HotNumberCutoff = hotNumberCutoff;
    input.DrawingCutoffCount = drawingCutoffCount;
    input.TotalDrawings = totalDrawings;
    input.UseBonusLabel = QStringLiteral("Use Bonus: No");
    if (firstFieldWidth == 3) {
        input.variant = NumberVariant::Cards;
        input.firstPosition = 1;
        input.lastPosition = qBound(1, int(definition.NumbersDrawn), 6);
        input.low = 1;
        input.high = Ranks;
        input.numberCount = Suits * Ranks;
        input.hitIndexFactor = definition.NumbersDrawn;
        return input;
    }
    if (GameTypes::isThreeSet(definition.GameType)) {
        input.variant = NumberVariant::ThreeSet;
        input.firstPosition = 1;
        input.lastPosition = 6;
        input.low = 1;
        input.high = 21;
        input.numberCount = 63;
        input.hitIndexFactor = 6;
        return input;
    }
    NumberStatsInput standard =
        standardForLottery(definition, firstFieldWidth, bonusOption, drawingCutoffCount, totalDrawings);
    standard.HotNumberCutoff = hotNumberCutoff;
    return standard;
}

NumberStatsInput NumberStatsInput::standardForLottery(const LotteryDefinition& definition,
                                                      int firstFieldWidth, int bonusOption,
                                                      int drawingCutoffCount, int totalDrawings) {
    NumberStatsInput input;
    input.DrawingCutoffCount = drawingCutoffCount;
    input.TotalDrawings = totalDrawings;
    input.UseBonusLabel = QStringLiteral("Use Bonus: No");
    const int regular = definition.regularNumbers();
    switch (bonusOption) {
    case 1:
        input.lastPosition = definition.NumbersDrawn;
        input.high = definition.HighestNumber;
        input.UseBonusLabel = QStringLiteral("Use Bonus: Yes");
        break;
    case 2:
        input.firstPosition = regular + 1;
        input.lastPosition = definition.NumbersDrawn;
        input.high = definition.HighestBonus;
        input.UseBonusLabel = QStringLiteral("Use Bonus: Yes (No regular numbers)");
        break;
    default:
        input.lastPosition = regular;
        input.high = definition.HighestNumber;
        break;
    }
    // A lottery whose numbers start at 0 (a "Superzahl" of 0 to 9) counts 0 as well, but when only
    // its bonus starts there, the regular numbers alone never list a 0.
    const int lowest = bonusOption == 0 ? definition.lowestRegular() : definition.LowestNumber;
    input.low = firstFieldWidth == 1 || lowest <= 0 ? 0 : 1;
    input.high = qMin(int(input.high), MaxStandardNumber);
    input.numberCount = GameTypes::isPickGame(definition.GameType) ? input.high + 1 : input.high;
    input.hitIndexFactor = input.lastPosition;
    input.regularPositions = regular;
    return input;
}

int NumberStatsInput::drawingsNeeded() const {
    // The hot window, the skip search and the analysis window all lie within the cutoff, and the
    // latest drawing is always read.
    return qMax(1, qMin(DrawingCutoffCount, TotalDrawings));
}

void NumberWindow::append(const QString& date, const std::vector<qint8>& numbers) {
    dates << date;
    values.insert(values.end(), numbers.begin(), numbers.end());
}

int parseCard(const QString& text) {
    QString card = text;
    const int blank = card.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        card.remove(blank, 1);
    card = card.trimmed().toUpper();
    if (card.size() < 2)
        return -1;
    const int suit = QString::fromLatin1(SuitLetters).indexOf(card.back());
    QString rank = card.left(card.size() - 1);
    if (rank.size() == 2 && rank.startsWith(QLatin1Char('0')))
        rank.remove(0, 1);
    int value = 0;
    if (rank == QLatin1String("A"))
        value = 1;
    else if (rank == QLatin1String("J"))
        value = 11;
    else if (rank == QLatin1String("Q"))
        value = 12;
    else if (rank == QLatin1String("K"))
        value = 13;
    else {
        bool ok = false;
        value = rank.toInt(&ok);
        if (!ok || value < 2 || value > 10 || rank.startsWith(QLatin1Char('+')))
            value = 0;
    }
    if (suit < 0 || value == 0)
        return -1;
    return suit * Ranks + value - 1;
}

namespace {

// The number written in `bytes` (blanks around it allowed, no sign), or -1. Some dBASE
// writers pad with NULs, which count as blanks.
int smallNumber(QByteArrayView bytes) {
    const auto blank = [](char c) { return c == ' ' || c == '\0'; };
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && blank(bytes[begin]))
        ++begin;
    while (end > begin && blank(bytes[end - 1]))
        --end;
    if (begin == end)
        return -1;
    int value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9')
            return -1;
        value = value * 10 + (bytes[i] - '0');
    }
    return value;
}

} // namespace

NumberWindow readNumberWindow(DbfTable& table, const NumberStatsInput& input) {
    NumberWindow window;
    // A definition read from a file is checked, but an input made by hand may still name no
    // position at all: refuse it rather than size the window from it.
    if (input.firstPosition < 1 || input.lastPosition < input.firstPosition || input.lastPosition > 22)
        throw VantoroError(
            QStringLiteral("The lottery definition gives no numbers to count (positions %1 to %2).")
                .arg(input.firstPosition)
                .arg(input.lastPosition));
    window.positions = input.lastPosition; // P1..P<last>; fields before the range are left unread
    const int wanted = qMin(input.drawingsNeeded(), table.RecordCount());
    if (wanted <= 0)
        return window;
    const bool cards = input.variant == NumberVariant::Cards;
    std::vector<int> fields;
    for (int p = 1; p <= input.lastPosition; ++p)
        fields.push_back(table.fieldIndex(DrawingTable::numberField(p)));
    const int dateField = table.fieldIndex(DrawingTable::DateField);
    window.values.reserve(static_cast<size_t>(wanted) * static_cast<size_t>(window.positions));
    window.dates.reserve(wanted);

    std::vector<qint8> numbers(static_cast<size_t>(window.positions), 0);
    table.GoBottom();
    for (int d = 0; d < wanted; ++d) {
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int field = fields[static_cast<size_t>(p - 1)];
            if (field < 0)
                throw VantoroError(
                    QStringLiteral("The drawing table %1 has no field P%2.").arg(table.fileName()).arg(p));
            int value = -1;
            if (cards) {
                value = parseCard(table.FieldText(field));
            } else {
                // A field is read as its text cut to three characters, as an integer. Digits are
                // parsed from the stored bytes: decoding text for every field of a long history
                // would cost more than the whole classification.
                const QByteArrayView bytes = table.fieldBytes(field);
                value = smallNumber(bytes.first(qMin<qsizetype>(3, bytes.size())));
                if (value > MaxStandardNumber)
                    value = -1;
            }
            if (value < 0 && !cards && input.regularPositions > 0 && p > input.regularPositions &&
                table.FieldText(field).trimmed().isEmpty())
                value = NumberWindow::Missing; // a drawing kept without its bonus
            else if (value < 0)
                badField(table, d, p, table.FieldText(field), cards);
            numbers[static_cast<size_t>(p - 1)] = static_cast<qint8>(value);
        }
        window.append(table.DateText(dateField), numbers);
        if (d + 1 < wanted && table.Skip(-1) == 0)
            break;
    }
    return window;
}

const NumberStat* NumberStats::stat(int id) const {
    for (const NumberStat& number : numbers)
        if (number.id == id)
            return &number;
    return nullptr;
}

NumberStats classifyNumbers(const NumberWindow& drawings, const NumberStatsInput& input) {
    NumberStats stats;
    stats.variant = input.variant;
    stats.UseBonusLabel = input.UseBonusLabel;
    stats.UncountedNote = uncountedNote(drawings, input);
    const int size = numberIdCount(input.variant);
    const int total = input.TotalDrawings;
    const int cutoff = input.DrawingCutoffCount;
    const int available = qMin(drawings.count(), qMax(0, qMin(cutoff, total)));
    std::vector<int> hotCount(static_cast<size_t>(size), 0);
    std::vector<int> skipLength(static_cast<size_t>(size), 0);
    std::vector<int> frequency(static_cast<size_t>(size), 0);
    std::vector<int> lastHit(static_cast<size_t>(size), -1); // drawings back of the latest draw
    std::vector<NumberClass> classes(static_cast<size_t>(size), NumberClass::None);
    std::vector<char> inLastDrawing(static_cast<size_t>(size), 0);
    auto at = [](std::vector<int>& table, int id) -> int& { return table[static_cast<size_t>(id)]; };

    std::vector<int> listOrder, classOrder;
    rangeOrders(input, listOrder, classOrder);

    // Hot count: drawing i back (the latest is 1) is in the hot window when i <= HotNumberCutoff,
    // i <= TotalDrawings and i < DrawingCutoffCount.
    const int hotWindow =
        qMax(0, qMin(qMin(input.HotNumberCutoff, total), qMin(cutoff - 1, drawings.count())));
    for (int d = 0; d < hotWindow; ++d)
        for (int p = input.firstPosition; p <= input.lastPosition; ++p)
            if (const int id = numberId(input, p, drawings.at(d, p)); id >= 0)
                ++at(hotCount, id);
    for (int id = 0; id < size; ++id)
        stats.hotMax = qMax(stats.hotMax, at(hotCount, id));

    if (drawings.count() > 0)
        for (int p = input.firstPosition; p <= input.lastPosition; ++p)
            if (const int id = numberId(input, p, drawings.at(0, p)); id >= 0)
                inLastDrawing[static_cast<size_t>(id)] = 1;

    // Hot list: by hot count, the latest drawing's numbers marked as prior.
    std::vector<int> drawnHot;
    for (int id : classOrder)
        if (at(hotCount, id) > 0)
            drawnHot.push_back(id);
    for (int id : byCountDescending(drawnHot, [&](int i) { return at(hotCount, i); })) {
        const bool isPrior = inLastDrawing[static_cast<size_t>(id)] != 0;
        classes[static_cast<size_t>(id)] = isPrior ? NumberClass::Prior : NumberClass::Hot;
        (isPrior ? stats.prior : stats.hot).push_back(id);
        stats.HotList << QLatin1Char(' ') + QLatin1Char(isPrior ? '*' : ' ') + makeStat(input, id).text +
                             QStringLiteral(" (") + QString::number(at(hotCount, id)) + QLatin1Char(')');
    }

    // Skip search, one pass back from the drawing just before the hot window (HotNumberCutoff
    // back) to the oldest of the analysis window: a number's skip is how many drawings came after
    // its latest draw there. Only numbers missing from the hot window are searched.
    std::vector<char> searched(static_cast<size_t>(size), 0);
    int unresolved = 0;
    for (int id : classOrder)
        if (at(hotCount, id) == 0) {
            searched[static_cast<size_t>(id)] = 1;
            ++unresolved;
        }
    const int skipEnd = qMin(cutoff, drawings.count());
    for (int d = qMax(0, input.HotNumberCutoff); d < skipEnd && unresolved > 0; ++d) {
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int id = numberId(input, p, drawings.at(d, p));
            if (id >= 0 && searched[static_cast<size_t>(id)] == 1) {
                searched[static_cast<size_t>(id)] = 2;
                at(skipLength, id) = d;
                --unresolved;
            }
        }
    }
    for (int id : classOrder)
        stats.skipMax = qMax(stats.skipMax, at(skipLength, id));

    // Frequency over the analysis window; the newest draw of a number gives its date.
    for (int d = 0; d < available; ++d)
        for (int p = input.firstPosition; p <= input.lastPosition; ++p) {
            const int id = numberId(input, p, drawings.at(d, p));
            if (id < 0)
                continue;
            ++at(frequency, id);
            if (at(lastHit, id) < 0)
                at(lastHit, id) = d;
        }
    for (int id = 0; id < size; ++id)
        stats.freqMax = qMax(stats.freqMax, at(frequency, id));

    // Cold list: never drawn in the analysis window first, then by skip, due when drawn at least
    // three quarters as often as the most drawn number.
    if (input.HotNumberCutoff < cutoff) {
        for (int id : listOrder)
            if (at(frequency, id) == 0) {
                classes[static_cast<size_t>(id)] = NumberClass::Cold;
                stats.cold.push_back(id);
                stats.ColdList << QStringLiteral("  ") + makeStat(input, id).text + QStringLiteral(" (") +
                                      twoDigits(cutoff) + QLatin1Char(')');
            }
        const int dueFrom = (3 * stats.freqMax) / 4;
        std::vector<int> skipped;
        for (int id : classOrder)
            if (at(skipLength, id) > 0)
                skipped.push_back(id);
        for (int id : byCountDescending(skipped, [&](int i) { return at(skipLength, i); })) {
            const bool isDue = at(frequency, id) >= dueFrom;
            classes[static_cast<size_t>(id)] = isDue ? NumberClass::Due : NumberClass::Cold;
            (isDue ? stats.due : stats.cold).push_back(id);
            stats.ColdList << QLatin1Char(' ') + QLatin1Char(isDue ? '#' : ' ') + makeStat(input, id).text +
                                  QStringLiteral(" (") + twoDigits(at(skipLength, id)) + QLatin1Char(')');
        }
    }

    // Frequency and hit-index lists, every number of the range.
    const double hitDivisor = double(input.hitIndexFactor) * double(cutoff);
    qint64 sum = 0;
    for (int id : byCountDescending(listOrder, [&](int i) { return at(frequency, i); })) {
        const int f = at(frequency, id);
        const QString text = makeStat(input, id).text;
        const QString hitIndex =
            QString::number(hitDivisor > 0 ? double(f) * input.numberCount / hitDivisor : 0.0, 'f', 7)
                .left(3);
        stats.HitIndexList << QLatin1Char(' ') + text + QStringLiteral(" (") + hitIndex + QLatin1Char(')');
        QString line = QLatin1Char(inLastDrawing[static_cast<size_t>(id)] ? '*' : ' ') + text +
                       QStringLiteral(" (") + twoDigits(f) + QLatin1Char(')');
        if (f > 0)
            line += QLatin1Char(' ') + drawings.dates.at(at(lastHit, id));
        stats.FrequencyList << line;
        sum += f;
    }
    stats.AverageLabel = QStringLiteral("Average # Draws: ") +
                         fixedNotation(input.numberCount > 0 ? double(sum) / input.numberCount : 0.0, 1);

    for (int id : listOrder) {
        NumberStat stat = makeStat(input, id);
        stat.HotCount = at(hotCount, id);
        stat.SkipLength = at(skipLength, id);
        stat.Frequency = at(frequency, id);
        if (at(lastHit, id) >= 0)
            stat.LastHitDate = drawings.dates.at(at(lastHit, id));
        stat.numberClass = classes[static_cast<size_t>(id)];
        const bool keepEmpty = input.variant == NumberVariant::Standard;
        if (stat.numberClass != NumberClass::None)
            stats.graphRows.push_back({stat.graphText, stat.numberClass, stat.Frequency});
        else if (keepEmpty)
            stats.graphRows.push_back({});
        stats.numbers.push_back(std::move(stat));
    }
    return stats;
}

NumberStats computeNumberStats(DbfTable& table, const LotteryDefinition& definition, int bonusOption,
                               int hotNumberCutoff, int drawingCutoffCount, int totalDrawings) {
    const int width = table.FieldWidth(DrawingTable::numberField(1));
    const NumberStatsInput input = NumberStatsInput::forLottery(
        definition, width, bonusOption, hotNumberCutoff, drawingCutoffCount, totalDrawings);
    return classifyNumbers(readNumberWindow(table, input), input);
}
