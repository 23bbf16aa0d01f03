// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The catalogue of known lotteries: the places (the 50 states and the District of Columbia in
// alphabetical order, then the other countries) and, per place, its lotteries in list order with
// the file code of each. A multi-state game is listed under every state that sells it, always
// with the same code.
struct CatalogueEntry {
    QString text; // the lottery list's line, e.g. "Arizona Lotto"
    QString code; // e.g. "AZ642"; the drawing file is the code followed by ".DBF"
    QString fileName() const { return code + QStringLiteral(".DBF"); }
};

struct CataloguePlace {
    QString name; // "Arizona", "District of Columbia", "Canada"
    bool unitedStates = false;
    std::vector<CatalogueEntry> entries; // empty for the states without lotteries of their own here
};

namespace LotteryCatalogue {
// Every place, the US places first, in catalogue order.
const std::vector<CataloguePlace>& places();
// The US places (true) or the other countries (false), in catalogue order.
std::vector<const CataloguePlace*> places(bool unitedStates);
QStringList placeNames(bool unitedStates);
// The place of this name, whatever its letter case; nullptr when there is none.
const CataloguePlace* findPlace(const QString& name);
// The catalogue's entries across all places (a multi-state game counts once per place).
int entryCount();
} // namespace LotteryCatalogue
