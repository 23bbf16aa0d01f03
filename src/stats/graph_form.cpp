// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_form.h"

#include "gui/modal.h"
#include "lottery/current_lottery.h"
#include "stats/frequency_graph.h"

TGraphForm::TGraphForm(const CurrentLottery& lottery, int bonusOption, QWidget* parent)
    : TGraphWindow(frequencyGraphConfig(lottery.definition(), bonusOption), lottery.homeDir(), parent) {}

void showFrequencyGraph(QWidget* parent, const CurrentLottery& lottery, int bonusOption) {
    TGraphForm form(lottery, bonusOption, parent);
    // A table that could not be read has been reported; an empty graph would tell nothing more.
    if (!form.isTableOpen())
        return;
    form.setWindowState(form.windowState() | Qt::WindowMaximized);
    Modal::run(form);
}
