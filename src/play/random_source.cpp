// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/random_source.h"

#include <QDateTime>

std::uint32_t RandomSource::timeOfDaySeed(const QTime& utcTime) {
    return std::uint32_t(((utcTime.hour() * 60 + utcTime.minute()) * 60 + utcTime.second()) * 1000 +
                         utcTime.msec());
}

std::uint32_t RandomSource::timeOfDaySeed() {
    return timeOfDaySeed(QDateTime::currentDateTimeUtc().time());
}
