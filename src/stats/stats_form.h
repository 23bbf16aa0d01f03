// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "stats/number_stats.h"

#include <QDialog>

class BonusForm;
class CurrentLottery;
class QLabel;
class QListWidget;
class QPushButton;

// "Number Statistics Chart": how often each number came up within the drawing cutoff, its hit
// index, and the hot, prior, cold and due numbers. Everything is computed afresh whenever the
// window opens and again on return from the bonus options, the graph and printing; every run
// also rewrites TEMP.DBT for the frequency graph.
class TStatsForm : public QDialog {
    Q_OBJECT
public:
    TStatsForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent = nullptr);
    ~TStatsForm() override;

    // The whole analysis, with the hourglass: lists, labels and TEMP.DBT.
    void FormActivate();
    const NumberStats& stats() const { return m_stats; }
    // The printout of the lists as they stand (the Print button runs it).
    ReportSystem& reportSystem() { return ReportSystem1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BonusBtnClick();
    void GraphBtnClick();
    void PrintBtnClick();
    void HelpBtnClick();
    void showStats();

    CurrentLottery& m_lottery;
    BonusForm& m_bonusForm;
    NumberStats m_stats;
    bool m_shown = false;
    ReportSystem ReportSystem1;

    QListWidget* m_frequencyList = nullptr;
    QListWidget* m_hitIndexList = nullptr;
    QListWidget* m_hotList = nullptr;
    QListWidget* m_coldList = nullptr;
    QLabel* m_averageLabel = nullptr;
    QLabel* m_useBonusLabel = nullptr;
    QLabel* m_bonusLabel = nullptr;
    QLabel* m_uncountedLabel = nullptr;
    QPushButton* m_bonusBtn = nullptr;
    QPushButton* m_graphBtn = nullptr;
    QPushButton* m_printBtn = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QPushButton* m_helpBtn = nullptr;
};
