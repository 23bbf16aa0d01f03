// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DbfTable;
struct LotteryDefinition;

// The average sum and odd count of the regular numbers of the latest drawings, shown beside the
// ticket editor's filters so that the player can set a range around them.
struct DrawingAverages {
    int used = 0;    // drawings whose regular numbers could all be read
    int skipped = 0; // drawings left out because one of their regular numbers could not be read
    double sum = 0.0;
    double odd = 0.0;

    // "Drawing Average Sum: 114.0"; the bare caption when no drawing could be read.
    QString sumText() const;
    QString oddText() const;
    // Why fewer drawings were averaged than asked for; empty when none was skipped.
    QString note() const;
};

// Averages the regular numbers (P1 .. P<NumbersDrawn - BonusNumbers>) of the latest `drawings`
// drawings of `table`. The bonus fields are never read: a blank bonus must not cost the averages.
// A drawing with a regular number that is blank or not a number from 0 to 99 is skipped.
DrawingAverages computeDrawingAverages(DbfTable& table, const LotteryDefinition& definition, int drawings);
