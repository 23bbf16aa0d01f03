// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CurrentLottery;
class QWidget;

// Opens the frequency graph "Frequency Graph (<Description>)" modally over the TEMP.DBT that the
// number statistics wrote last in the lottery's home. `bonusOption` is the item of the bonus
// number options in force (0 regular only, 1 regular and bonus, 2 bonus only): it decides how
// many numbers the graph shows at once.
void showFrequencyGraph(QWidget* parent, const CurrentLottery& lottery, int bonusOption);
