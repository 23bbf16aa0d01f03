// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a lottery definition record: unpacking never reads past the record, and what
// is unpacked packs back to a record that unpacks to the same definition.
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
    return 0;
}
