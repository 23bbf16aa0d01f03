// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "stats/bonus_options.h"
#include "stats/chart_printouts.h"
#include "stats/graph_table.h"

#include <QDialog>

class BonusForm;
class CurrentLottery;
class QLabel;
class QPushButton;
class QLayout;
class VantoroError;

// What the skip-and-hit, hit-sequence and drawing-summary windows share: the bonus button with its
// two labels, the Graph, Print, Close and Help buttons, and a calculation that runs when the
// window first shows and again after every visit to the bonus options. Each calculation rewrites
// TEMP.DBT for the chart's graph.
class TChartForm : public QDialog {
    Q_OBJECT
public:
    struct HelpContexts {
        int grid = 0, bonus = 0, graph = 0, print = 0, close = 0;
    };

    // The bonus-number options the chart reads.
    int bonusOption() const;
    // Runs the whole calculation with the hourglass: grid, labels and TEMP.DBT.
    void calculate();

    ReportSystem& reportSystem() { return ReportSystem1; }

protected:
    TChartForm(CurrentLottery& lottery, BonusForm& bonusForm, BonusChart chart, int helpTopic,
               QWidget* parent);

    // Builds the window around `body` (the chart's own grids and labels).
    void buildWindow(QLayout* body, const HelpContexts& contexts);
    // Computes the chart; throws VantoroError naming the drawing and field that could not be read.
    virtual void compute() = 0;
    // Shows what compute() produced (or its cleared state after a failure).
    virtual void showChart(bool computed) = 0;
    // The graph table the chart writes for its graph.
    virtual std::vector<GraphTableField> graphFields() const = 0;
    virtual std::vector<GraphTableRecord> graphRecords() const = 0;
    virtual void openGraph() = 0;
    virtual void setUpPrintout(Report& report) = 0;

    ChartPrintoutFacts printoutFacts() const;
    void setUseBonusLabel(const QString& text);
    void setUncountedNote(const QString& note);

    void showEvent(QShowEvent* event) override;

    CurrentLottery& m_lottery;
    BonusForm& m_bonusForm;
    ReportSystem ReportSystem1;
    QPushButton* BonusBtn = nullptr;
    QPushButton* GraphBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QLabel* BonusLabel = nullptr;
    QLabel* UseBonusLabel = nullptr;
    QLabel* UncountedLabel = nullptr;

private:
    void BonusBtnClick();
    void GraphBtnClick();
    void PrintBtnClick();

    BonusChart m_chart;
    int m_helpTopic;
    bool m_shown = false;
};
