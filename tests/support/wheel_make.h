// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_file.h"
#include "play/wheel_generator.h"
#include "play/wheel_verifier.h"

#include <QString>

// A request for "match if correct" on `numbers` numbers, with a few seconds to search.
inline WheelMakeRequest wheelRequest(int numbers, int perTicket, int match, int correct) {
    WheelMakeRequest result;
    result.numbers = numbers;
    result.perTicket = perTicket;
    result.match = match;
    result.correct = correct;
    result.seconds = 3;
    return result;
}

// The wheel's own rows checked again from the file's text, apart from the generator's check.
inline WheelCheck recheckWheel(const WheelFile& wheel) {
    return WheelVerifier::fromFile(wheel, QStringLiteral("made"))
        .check(wheel.Match.toInt(), wheel.Correct.toInt());
}
