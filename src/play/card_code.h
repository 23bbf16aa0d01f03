// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The three-character notation of a playing card in the card games: a two-character rank
// ("02" .. "10", "0J", "0Q", "0K", "0A") and the suit letter ("C", "D", "H", "S").
// Card numbers 1..52 run suit by suit (C, D, H, S), each suit from "02" up to "0A".
namespace CardCode {
// "02C" for 1 .. "0AS" for 52; empty outside 1..52.
QString fromNumber(int number);
// The card number of a code (case ignored); 0 when the text is not a card code.
int toNumber(const QString& code);
// A typed card entry as it is stored: upper-cased, and a two-character entry ("ah") given its
// leading "0" ("0AH"). Other lengths are only upper-cased.
QString normaliseEntry(const QString& entry);
} // namespace CardCode
