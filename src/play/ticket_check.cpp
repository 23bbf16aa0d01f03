// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_check.h"

#include "db/dbf_table.h"
#include "lottery/drawing_table.h"
#include "play/card_code.h"
#include "play/ticket_line.h"

#include <QFile>
#include <QFileInfo>
#include <bit>

namespace {

bool isGame(int gameType, GameTypeCode code) {
    return gameType == static_cast<int>(code);
}

QString zeroPadded(const QString& fieldText) {
    const QString text = fieldText.trimmed();
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

// A card field is three characters wide: "AH " is the ace of hearts, stored by the tickets as "0AH".
QString cardCode(const QString& fieldText) {
    QString text = fieldText;
    if (text.size() >= 3 && text.at(2) == QLatin1Char(' '))
        text.remove(2, 1);
    text = text.trimmed();
    return text.size() == 2 ? QLatin1Char('0') + text : text;
}

// The Tri-State bonus is a card rank in a two-character field: "J " is stored by the tickets as "0J".
QString cardRank(const QString& fieldText) {
    QString text = fieldText;
    if (text.size() >= 2 && text.at(1) == QLatin1Char(' '))
        text.remove(1, 1);
    text = text.trimmed();
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

QString drawnBonus(const QString& fieldText, int ticketGameType, int regularNumbers) {
    if (GameTypes::bonusIsCardRank(ticketGameType, regularNumbers))
        return cardRank(fieldText);
    return zeroPadded(fieldText);
}

QString bonusPrefix(int gameType) {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::Keystone:
        return QStringLiteral("Key Ball: ");
    case GameTypeCode::Powerball:
        return QStringLiteral("Powerball: ");
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral("Lucky Number: ");
    default:
        return QStringLiteral("Bonus Number: ");
    }
}

QString bonusNote(int gameType) {
    switch (static_cast<GameTypeCode>(gameType)) {
    case GameTypeCode::Keystone:
        return QStringLiteral("The last column is the Key Ball");
    case GameTypeCode::Powerball:
        return QStringLiteral("The last column is the Powerball");
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral("The last column is the Lucky number");
    default:
        return QStringLiteral("The last column is the bonus number");
    }
}

QString joinedWithBlanks(const QString& prefix, const QStringList& numbers) {
    QString text = prefix;
    for (const QString& number : numbers)
        text += number + QLatin1Char(' ');
    return text;
}

bool bonusCounts(const LotteryDefinition& lottery, int count) {
    // The flags cover 0 to 6 regular matches; a bonus after more than six adds nothing.
    return count >= 0 && count < int(lottery.BonusMatches.size()) && lottery.BonusMatches[size_t(count)];
}

} // namespace

CheckDrawing CheckDrawing::read(const DbfTable& table, const LotteryDefinition& definition,
                                int ticketGameType) {
    const int regular = definition.regularNumbers();
    const bool card = GameTypes::isCardGame(ticketGameType);
    CheckDrawing drawing;
    drawing.date = table.DateText(DrawingTable::DateField);
    for (int i = 1; i <= regular; ++i) {
        const QString text = table.FieldText(DrawingTable::numberField(i));
        drawing.regular << (card ? cardCode(text) : zeroPadded(text));
    }
    const int lastBonus = std::min<int>(definition.NumbersDrawn, 8);
    for (int i = regular + 1; i <= lastBonus; ++i)
        drawing.bonus << drawnBonus(table.FieldText(DrawingTable::numberField(i)), ticketGameType, regular);
    if (definition.NumbersDrawn > 0) {
        const QString text = table.FieldText(DrawingTable::numberField(definition.NumbersDrawn));
        if (definition.NumbersDrawn > regular)
            drawing.last = drawnBonus(text, ticketGameType, regular);
        else
            drawing.last = card ? cardCode(text) : zeroPadded(text);
    }
    return drawing;
}

QString ticketFileRefusal(const LotteryDefinition& lottery, const TicketKind& kind) {
    const int game = lottery.GameType;
    const int tickets = kind.gameType;
    const int regular = lottery.regularNumbers();
    const bool triStateCards = isGame(game, GameTypeCode::TriState) && regular == 5;
    auto notFor = [](const char* name) {
        return QStringLiteral("This ticket file is not for %1.").arg(name);
    };
    if (isGame(game, GameTypeCode::NYLuckyDay) && tickets != game)
        return notFor("the New York Lucky Day game");
    if (triStateCards && tickets != game)
        return notFor("the Tri-State Card Cash game");
    if (isGame(game, GameTypeCode::Quinto) && tickets != game)
        return notFor("the Quinto game");
    if (isGame(game, GameTypeCode::BigGame) && tickets != game)
        return notFor("the Big game");
    if (isGame(game, GameTypeCode::Powerball) && tickets != game)
        return notFor("the Powerball game");
    if (isGame(game, GameTypeCode::Keystone) && tickets != game)
        return notFor("the Keystone game");
    if (isGame(game, GameTypeCode::DailyMillions) && tickets != game)
        return notFor("Daily Millions games");
    const bool kenoTickets = isGame(tickets, GameTypeCode::Keno);
    if (kind.numbersPerTicket != regular && !kenoTickets)
        return QStringLiteral("This ticket file is for Pick %1 games only.").arg(kind.numbersPerTicket);
    if (kenoTickets && !isGame(game, GameTypeCode::Keno))
        return QStringLiteral("This ticket file is for Keno games only.");
    if (tickets != game) {
        switch (static_cast<GameTypeCode>(tickets)) {
        case GameTypeCode::BigGame:
            return QStringLiteral("This ticket file is for Big Game only.");
        case GameTypeCode::DailyMillions:
            return QStringLiteral("This ticket file is for Daily Millions only.");
        case GameTypeCode::CardReserved:
            return QStringLiteral("This ticket file is for California Decco only.");
        case GameTypeCode::Powerball:
            return QStringLiteral("This ticket file is for Powerball only.");
        case GameTypeCode::Quinto:
            return QStringLiteral("This ticket file is for Quinto only.");
        case GameTypeCode::NYLuckyDay:
            return QStringLiteral("This ticket file is for New York Lucky Day only.");
        case GameTypeCode::TriState:
            if (regular == 5)
                return QStringLiteral("This ticket file is for Tri-State Card Cash only.");
            break;
        default:
            break;
        }
    }
    return {};
}

QStringList CheckResult::linesWithAtLeast(int minimum) const {
    QStringList kept;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (counts[size_t(i)] >= minimum)
            kept << lines.at(i);
    }
    return kept;
}

// The drawing in the form the tickets are kept in.
struct TicketCheck::Drawn {
    Mask mask;
    bool distinct = true; // no number drawn twice: a population count is the whole answer
    std::array<std::uint8_t, 128> drawnTimes{};
    std::vector<std::uint8_t> regular; // keys in field order, kNever for one that matches nothing
    std::vector<std::uint8_t> bonus;   // keys of the drawn bonus numbers a ticket field can equal
    std::uint16_t last = 0xFFFE;       // never equal to a ticket's code
    bool bonusColumn = false;
    std::array<bool, 7> bonusMatches{};
};

std::uint8_t TicketCheck::fieldKey(const QString& text, bool card) {
    if (text.trimmed().isEmpty())
        return kBlank;
    if (card) {
        const int number = CardCode::toNumber(text);
        // Compared as text: a lower-case code is not the card the drawing holds.
        return number > 0 && CardCode::fromNumber(number) == text ? std::uint8_t(number) : kNever;
    }
    if (text.size() != 2 || !text.at(0).isDigit() || !text.at(1).isDigit() || text.at(0).unicode() > '9' ||
        text.at(1).unicode() > '9')
        return kNever;
    return std::uint8_t((text.at(0).unicode() - '0') * 10 + (text.at(1).unicode() - '0'));
}

std::uint16_t TicketCheck::pairCode(const QString& text) {
    const QString field = text.leftJustified(2, QLatin1Char(' '));
    if (field.size() != 2 || field.at(0).unicode() > 0xFF || field.at(1).unicode() > 0xFF)
        return 0xFFFF;
    return std::uint16_t(field.at(0).unicode() << 8 | field.at(1).unicode());
}

void TicketCheck::addKeys(qsizetype ticket, const std::uint8_t* keys) {
    Mask& mask = m_masks[size_t(ticket)];
    for (int f = 0; f < m_kind.numbersPerTicket; ++f) {
        const std::uint8_t key = keys[f];
        m_keys[size_t(ticket) * size_t(m_kind.numbersPerTicket) + size_t(f)] = key;
        if (key < 64)
            mask.low |= std::uint64_t(1) << key;
        else if (key < 128)
            mask.high |= std::uint64_t(1) << (key - 64);
    }
}

TicketCheck::TicketCheck(const TicketKind& kind, const Tickets& tickets) : m_kind(kind) {
    const int perTicket = kind.numbersPerTicket;
    const bool card = kind.isCardGame();
    const int width = kind.fieldWidth();
    m_masks.resize(size_t(tickets.size()));
    m_keys.resize(size_t(tickets.size()) * size_t(perTicket), kBlank);
    if (kind.hasBonus())
        m_bonus.resize(size_t(tickets.size()), 0xFFFF);
    m_prefixes.reserve(tickets.size());
    std::array<std::uint8_t, 10> keys{};
    for (qsizetype t = 0; t < tickets.size(); ++t) {
        const Ticket& ticket = tickets.at(t);
        QString line = TicketLine::label(int(t) + 1);
        for (int f = 0; f < perTicket; ++f) {
            const QString field = ticket.field(f);
            keys[size_t(f)] = fieldKey(field, card);
            // A blank number field leaves no gap; a card field always keeps its place.
            if (card || keys[size_t(f)] != kBlank)
                line += field.leftJustified(width, QLatin1Char(' ')) + QLatin1Char(' ');
        }
        addKeys(t, keys.data());
        if (kind.hasBonus()) {
            const QString bonus = ticket.bonus.value_or(QString());
            m_bonus[size_t(t)] = pairCode(bonus);
            line += QLatin1Char(' ') + bonus.leftJustified(2, QLatin1Char(' ')) + QLatin1Char(' ');
        }
        m_prefixes << line;
    }
}

bool TicketCheck::addFileLine(QByteArrayView line) {
    const int perTicket = m_kind.numbersPerTicket;
    const bool card = m_kind.isCardGame();
    const int width = m_kind.fieldWidth();
    const qsizetype ticket = qsizetype(m_masks.size());
    for (const char c : line) {
        if (uchar(c) >= 0x80)
            return false;
    }
    // "00012. " and each field with its blank: the most a line can hold.
    std::array<char, 64> text{};
    int at = 0;
    for (int n = int(ticket) + 1, i = 4; i >= 0; --i, n /= 10)
        text[size_t(i)] = char('0' + n % 10);
    text[5] = '.';
    text[6] = ' ';
    at = 7;
    std::array<std::uint8_t, 10> keys{};
    for (int f = 0; f < perTicket; ++f) {
        const QByteArrayView field =
            line.sliced(std::min<qsizetype>(line.size(), qsizetype(f) * width))
                .first(std::clamp<qsizetype>(line.size() - qsizetype(f) * width, 0, width));
        bool blank = true;
        for (const char c : field) {
            if (c == ' ')
                continue;
            blank = false;
            // A number field of digits and blanks is always a number; anything else is left to the
            // ticket file's reader, which refuses it.
            if (!card && (c < '0' || c > '9'))
                return false;
        }
        if (blank && !card) {
            keys[size_t(f)] = kBlank;
            continue;
        }
        if (card) {
            QByteArray chopped = field.toByteArray();
            while (chopped.endsWith(' '))
                chopped.chop(1);
            keys[size_t(f)] = blank ? kBlank : fieldKey(QString::fromLatin1(chopped), true);
        } else {
            keys[size_t(f)] = field.size() == 2 && field[0] != ' ' && field[1] != ' '
                                  ? std::uint8_t((field[0] - '0') * 10 + (field[1] - '0'))
                                  : kNever;
        }
        for (int i = 0; i < width; ++i)
            text[size_t(at++)] = i < field.size() ? field[i] : ' ';
        text[size_t(at++)] = ' ';
    }
    m_masks.emplace_back();
    m_keys.resize(m_keys.size() + size_t(perTicket));
    addKeys(ticket, keys.data());
    if (m_kind.hasBonus()) {
        const qsizetype start = qsizetype(perTicket) * width;
        const QByteArrayView bonus =
            line.sliced(std::min(line.size(), start)).first(std::clamp<qsizetype>(line.size() - start, 0, 2));
        QByteArray chopped = bonus.toByteArray();
        while (chopped.endsWith(' '))
            chopped.chop(1);
        m_bonus.push_back(pairCode(QString::fromLatin1(chopped)));
        text[size_t(at++)] = ' ';
        for (int i = 0; i < 2; ++i)
            text[size_t(at++)] = i < bonus.size() ? bonus[i] : ' ';
        text[size_t(at++)] = ' ';
    }
    m_prefixes << QString::fromLatin1(text.data(), at);
    return true;
}

TicketCheck TicketCheck::read(const QString& path, TicketFile& header) {
    QFile in(path);
    if (QFileInfo(path).isFile() && in.open(QIODevice::ReadOnly) && in.size() <= kMaxTicketFileBytes) {
        const QByteArray bytes = in.readAll();
        // The header goes through the ticket file's own reader, refusals and all.
        qsizetype start = 0;
        for (int i = 0; i < 4 && start >= 0; ++i) {
            start = bytes.indexOf('\n', start);
            if (start >= 0)
                ++start;
        }
        if (start > 0) {
            header = TicketFile::parse(bytes.first(start), QFileInfo(path).fileName());
            TicketCheck check;
            check.m_kind = header.kind;
            const qsizetype estimate = (bytes.size() - start) / (header.kind.fileLineWidth() + 1) + 1;
            check.m_masks.reserve(size_t(std::min<qsizetype>(estimate, kMaxTickets)));
            check.m_prefixes.reserve(std::min<qsizetype>(estimate, kMaxTickets));
            const int width = header.kind.fileLineWidth();
            bool fast = true;
            while (start < bytes.size() && fast) {
                qsizetype end = bytes.indexOf('\n', start);
                if (end < 0)
                    end = bytes.size();
                QByteArrayView line(bytes.constData() + start, end - start);
                if (line.endsWith('\r'))
                    line.chop(1);
                start = end + 1;
                fast = check.size() < kMaxTickets &&
                       check.addFileLine(line.first(std::min(line.size(), qsizetype(width))));
            }
            if (fast)
                return check;
        }
    }
    // Anything out of the ordinary is read, and refused, as the ticket editor reads it.
    header = TicketFile::read(path);
    TicketCheck check(header.kind, header.tickets);
    header.tickets.clear();
    return check;
}

int TicketCheck::countOne(qsizetype ticket, const Drawn& drawn) const {
    const int perTicket = m_kind.numbersPerTicket;
    const std::uint8_t* keys = m_keys.data() + size_t(ticket) * size_t(perTicket);
    const Mask& mask = m_masks[size_t(ticket)];
    int count = 0;
    if (m_kind.isThreeSet()) {
        // Red, white and blue: each pair of ticket fields meets only the pair drawn from its drum.
        // A drawn number is used up by the field that matches it.
        for (int pair = 0; pair < 3; ++pair) {
            std::array<std::uint8_t, 2> left{kNever, kNever};
            for (int j = 0; j < 2; ++j) {
                const size_t at = size_t(pair * 2 + j);
                if (at < drawn.regular.size())
                    left[size_t(j)] = drawn.regular[at];
            }
            for (int f = pair * 2; f < pair * 2 + 2 && f < perTicket; ++f) {
                if (keys[f] >= kBlank)
                    continue;
                for (std::uint8_t& entry : left) {
                    if (entry == keys[f]) {
                        ++count;
                        entry = kNever;
                    }
                }
            }
        }
    } else if (m_kind.isCardGame()) {
        // Cards are not used up: the same card twice on a ticket matches twice.
        for (int f = 0; f < perTicket; ++f) {
            if (keys[f] < kBlank)
                count += drawn.drawnTimes[keys[f]];
        }
    } else {
        // A field matches every equal drawn number and uses it up, so the same number twice on a
        // ticket counts once, and a number drawn twice (pick games) counts twice.
        Mask both{mask.low & drawn.mask.low, mask.high & drawn.mask.high};
        if (drawn.distinct) {
            count = std::popcount(both.low) + std::popcount(both.high);
        } else {
            for (; both.low; both.low &= both.low - 1)
                count += drawn.drawnTimes[size_t(std::countr_zero(both.low))];
            for (; both.high; both.high &= both.high - 1)
                count += drawn.drawnTimes[size_t(std::countr_zero(both.high)) + 64];
        }
    }

    // A drawn bonus number adds one only when the lottery's flag for the count so far is set.
    if (drawn.bonusColumn) {
        if (m_bonus[size_t(ticket)] == drawn.last && count <= 6 && drawn.bonusMatches[size_t(count)])
            ++count;
    } else {
        for (const std::uint8_t key : drawn.bonus) {
            const bool onTicket = key < 64 ? (mask.low >> key & 1) : (mask.high >> (key - 64) & 1);
            if (onTicket && count <= 6 && drawn.bonusMatches[size_t(count)])
                ++count;
        }
    }
    return count;
}

TicketCheck::Counts TicketCheck::count(const CheckDrawing& drawing, const LotteryDefinition& lottery) const {
    const bool card = m_kind.isCardGame();
    Drawn drawn;
    for (const QString& number : drawing.regular) {
        std::uint8_t key = fieldKey(number, card);
        if (key >= kBlank) {
            drawn.regular.push_back(kNever);
            continue;
        }
        drawn.regular.push_back(key);
        if (drawn.drawnTimes[key]++ > 0)
            drawn.distinct = false;
        if (key < 64)
            drawn.mask.low |= std::uint64_t(1) << key;
        else
            drawn.mask.high |= std::uint64_t(1) << (key - 64);
    }
    drawn.bonusColumn = m_kind.hasBonus();
    for (size_t i = 0; i < drawn.bonusMatches.size(); ++i)
        drawn.bonusMatches[i] = bonusCounts(lottery, int(i));
    if (lottery.BonusNumbers > 0) {
        for (const QString& number : drawing.bonus) {
            const std::uint8_t key = fieldKey(number, card);
            if (key < kBlank)
                drawn.bonus.push_back(key);
        }
    }
    if (!drawing.last.trimmed().isEmpty() && pairCode(drawing.last) != 0xFFFF)
        drawn.last = pairCode(drawing.last);

    Counts counts;
    counts.perTicket.resize(m_masks.size());
    for (qsizetype t = 0; t < qsizetype(m_masks.size()); ++t) {
        const int matches = countOne(t, drawn);
        counts.perTicket[size_t(t)] = std::uint8_t(std::min(matches, 255));
        if (matches <= 10)
            ++counts.tallies[size_t(matches)];
    }
    return counts;
}

CheckResult TicketCheck::run(const CheckDrawing& drawing, const LotteryDefinition& lottery) const {
    CheckResult result;
    const int ticketGame = m_kind.gameType;
    result.date = drawing.date;
    result.numbersLabel = joinedWithBlanks(QStringLiteral("Numbers Drawn: "), drawing.regular);
    if (m_kind.isThreeSet())
        result.note = QStringLiteral("The columns represent R R W W B B");
    if (lottery.BonusNumbers > 0) {
        if (GameTypes::ticketsHaveBonus(ticketGame, lottery.regularNumbers()))
            result.note = bonusNote(ticketGame);
        result.bonusLabel = joinedWithBlanks(bonusPrefix(ticketGame), drawing.bonus);
    }

    Counts counts = count(drawing, lottery);
    result.lines.reserve(m_prefixes.size());
    for (qsizetype t = 0; t < m_prefixes.size(); ++t)
        result.lines << m_prefixes.at(t) + QLatin1Char('(') + QString::number(counts.perTicket[size_t(t)]) +
                            QLatin1Char(')');
    result.counts = std::move(counts.perTicket);
    result.tallies = counts.tallies;

    int highest = lottery.NumbersDrawn;
    if (isGame(ticketGame, GameTypeCode::Keno))
        highest = 10;
    else if (lottery.BonusNumbers > 0 && !m_kind.hasBonus())
        highest = lottery.regularNumbers();
    // Only 0 to 10 matches are tallied.
    highest = std::clamp(highest, 0, 10);
    for (int n = highest; n >= 0; --n)
        result.summary << QStringLiteral("Match %1: %2").arg(n).arg(result.tallies[size_t(n)]);
    return result;
}
