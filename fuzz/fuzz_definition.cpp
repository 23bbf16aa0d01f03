// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a lottery definition record: unpacking never reads past the record, what is
// unpacked packs back to a record that unpacks to the same definition, and a definition the
// range check accepts is one the analyses can size their tables from.
#include "lottery/lottery_definition.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < static_cast<size_t>(LotteryDefinition::RecordSize))
        return 0;
    const QByteArray record(reinterpret_cast<const char*>(data), LotteryDefinition::RecordSize);
    const LotteryDefinition first = LotteryDefinition::fromRecord(record);
    const QByteArray packed = first.toRecord();
    if (packed.size() != LotteryDefinition::RecordSize)
        std::abort();
    if (LotteryDefinition::fromRecord(packed).toRecord() != packed)
        std::abort();
    if (first.rangeProblem().isEmpty()) {
        const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
        const bool inRange = within(first.GameType, 0, 12) && within(first.Country, 0, 7) &&
                             within(first.State, 0, 52) && within(first.NumbersDrawn, 1, 22) &&
                             within(first.LowestNumber, 0, 1) && within(first.HighestNumber, 0, 99) &&
                             within(first.BonusNumbers, 0, 2) && within(first.HighestBonus, 0, 99) &&
                             within(first.TicketsPerSlip, 0, 10) && within(first.RowsPerTicket, 0, 20) &&
                             within(first.ColumnsPerTicket, 0, 25) && first.regularNumbers() >= 1;
        if (!inRange)
            std::abort();
    }
    return 0;
}
