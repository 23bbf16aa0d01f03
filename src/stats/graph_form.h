// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/graph_window.h"

class CurrentLottery;

// The four graphs of the statistics charts, each the graph window over the TEMP.DBT its chart
// wrote last in the lottery's home, told its own configuration. `bonusOption` is the item of the
// bonus number options in force (0 regular only, 1 regular and bonus, 2 bonus only): it decides
// how many numbers the number graphs show at once.

// "Frequency Graph (<Description>)", of the number statistics.
class TGraphForm final : public TGraphWindow {
    Q_OBJECT
public:
    TGraphForm(const CurrentLottery& lottery, int bonusOption, QWidget* parent = nullptr);
};

// "Skip and Hit Graph (<Description>)".
class TGraph2Form final : public TGraphWindow {
    Q_OBJECT
public:
    TGraph2Form(const CurrentLottery& lottery, int bonusOption, QWidget* parent = nullptr);
};

// "Hit Sequence Graph (<Description>)".
class TGraph3Form final : public TGraphWindow {
    Q_OBJECT
public:
    TGraph3Form(const CurrentLottery& lottery, int bonusOption, QWidget* parent = nullptr);
};

// "Drawing Summary Graph (<Description>)", the last ten drawings in view.
class TGraph4Form final : public TGraphWindow {
    Q_OBJECT
public:
    explicit TGraph4Form(const CurrentLottery& lottery, QWidget* parent = nullptr);
};

// Shows a graph window maximised and modally, unless the table it opens on creation could not be
// read (that has been reported; an empty graph would tell nothing more).
void showGraphWindow(TGraphWindow& form);
// The frequency graph of the number statistics, shown so.
void showFrequencyGraph(QWidget* parent, const CurrentLottery& lottery, int bonusOption);
