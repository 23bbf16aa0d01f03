// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>

// Who runs a lottery: the commission fields the definition editor fills in when a state or a
// game type is chosen. Fields the agencies do not publish are left blank.
struct CommissionPreset {
    QString name;
    QString address;
    QString city;
    QString state;
    QString zipCode;
    QString phone;
};

namespace CommissionPresets {
// The commission of this state abbreviation ("AZ"); nullptr for a state without one (and blank).
const CommissionPreset* forState(const QString& abbreviation);
// How many states have a commission preset.
int stateCount();

// The commissions of the games that name one.
const CommissionPreset& pennsylvaniaRevenue(); // Keystone
const CommissionPreset& multiState();          // Powerball
const CommissionPreset& triState();            // Tri-State
const CommissionPreset& newYork();             // NY Lucky Day

// Fills name, address, city, state, zip code and phone from `preset` and clears fax, e-mail and
// web; with no preset all nine commission fields are cleared.
void apply(const CommissionPreset* preset, LotteryDefinition& definition);
} // namespace CommissionPresets
