// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a wheeling-system file: parsing, the editor's notes and the expansion either
// refuse with a message or give tickets whose entries all come from the chosen list.
#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "play/ticket_line.h"
#include "play/wheel_expansion.h"
#include "play/wheel_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("fuzz.A06");
    try {
        const WheelFile wheel = WheelFile::parse(bytes, name);
        if (wheel.fieldCountNotes(3).size() > 3)
            std::abort();
        QStringList chosen;
        for (int n = 1; n <= 99; ++n)
            chosen << QString::number(n + 100);
        LotteryDefinition powerball;
        powerball.GameType = 8;
        const WheelExpansion expansion =
            WheelExpansion::expand(wheel, name, chosen, powerball, [](int) { return QStringLiteral("5"); });
        if (expansion.tickets.size() != wheel.rows.size())
            std::abort();
        for (qsizetype t = 0; t < expansion.tickets.size(); ++t) {
            const QString line = TicketLine::format(expansion.kind, expansion.tickets.at(t));
            if (expansion.tickets.at(t).number != t + 1 || !line.endsWith(QLatin1String("  05")))
                std::abort();
            const QStringList numbers =
                line.mid(TicketLine::kLabelWidth).chopped(4).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (numbers.size() != wheel.rows.at(t).size())
                std::abort();
            for (const QString& number : numbers) {
                const int value = number.toInt();
                if (value < 101 || value > 100 + expansion.K)
                    std::abort();
            }
        }
    } catch (const VantoroError&) {
    }
    return 0;
}
