// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_form.h"

#include "gui/modal.h"
#include "lottery/current_lottery.h"

TGraphForm::TGraphForm(const CurrentLottery& lottery, int bonusOption, QWidget* parent)
    : TGraphWindow(frequencyGraphConfig(lottery.definition(), bonusOption), lottery.homeDir(), parent) {}

TGraph2Form::TGraph2Form(const CurrentLottery& lottery, int bonusOption, QWidget* parent)
    : TGraphWindow(skipHitGraphConfig(lottery.definition(), bonusOption), lottery.homeDir(), parent) {}

TGraph3Form::TGraph3Form(const CurrentLottery& lottery, int bonusOption, QWidget* parent)
    : TGraphWindow(hitSequenceGraphConfig(lottery.definition(), bonusOption), lottery.homeDir(), parent) {}

TGraph4Form::TGraph4Form(const CurrentLottery& lottery, QWidget* parent)
    : TGraphWindow(drawingSummaryGraphConfig(lottery.definition()), lottery.homeDir(), parent) {}

void showGraphWindow(TGraphWindow& form) {
    if (form.config().opens == GraphConfig::Opens::OnCreation && !form.isTableOpen())
        return;
    form.setWindowState(form.windowState() | Qt::WindowMaximized);
    Modal::run(form);
}

void showFrequencyGraph(QWidget* parent, const CurrentLottery& lottery, int bonusOption) {
    TGraphForm form(lottery, bonusOption, parent);
    showGraphWindow(form);
}
