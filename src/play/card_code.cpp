// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/card_code.h"

namespace {
const char* const kRanks[13] = {"02", "03", "04", "05", "06", "07", "08", "09", "10", "0J", "0Q", "0K", "0A"};
const char kSuits[4] = {'C', 'D', 'H', 'S'};
} // namespace

namespace CardCode {

QString fromNumber(int number) {
    if (number < 1 || number > 52)
        return {};
    const int suit = (number - 1) / 13;
    const int rank = (number - 1) % 13;
    return QString::fromLatin1(kRanks[rank]) + QLatin1Char(kSuits[suit]);
}

int toNumber(const QString& code) {
    if (code.size() != 3)
        return 0;
    const QString upper = code.toUpper();
    for (int suit = 0; suit < 4; ++suit) {
        if (upper.at(2) != QLatin1Char(kSuits[suit]))
            continue;
        for (int rank = 0; rank < 13; ++rank) {
            if (QStringView(upper).left(2) == QLatin1String(kRanks[rank]))
                return suit * 13 + rank + 1;
        }
    }
    return 0;
}

QString normaliseEntry(const QString& entry) {
    const QString upper = entry.toUpper();
    return upper.size() == 2 ? QStringLiteral("0") + upper : upper;
}

} // namespace CardCode
