// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>

// The file code of a lottery (PB545, NJ646, NYL, ...): its table, index and definition are the
// code followed by ".DBF", ".NSX" and ".INF". The definition editor and vantoro-cli derive it the
// same way, from the country, state, game type and number counts of the definition.
namespace LotteryCodes {

struct Derivation {
    QString code;    // empty when these settings have no file code
    QString problem; // when empty: which settings have no code, in the user's words
};

Derivation derive(const LotteryDefinition& definition);

// The refusal shown when there is no code, naming the settings that lack one.
QString noCodeMessage(const QString& problem);

} // namespace LotteryCodes
