// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/graph_window.h"

class CurrentLottery;

// The frequency graph of the number statistics: "Frequency Graph (<Description>)" over the
// TEMP.DBT that the statistics wrote, the count of numbers in view at once.
class TGraphForm final : public TGraphWindow {
    Q_OBJECT
public:
    TGraphForm(const CurrentLottery& lottery, int bonusOption, QWidget* parent = nullptr);
};
