// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_form.h"
#include "stats/skip_hit.h"

class ChartGridModel;
class QTableView;

// "Skip and Hit Chart (<Description>)": for every number how often it waited 0 to 23 drawings, or
// 24 and more, between two draws within the drawing cutoff.
class TSkipForm final : public TChartForm {
    Q_OBJECT
public:
    TSkipForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent = nullptr);

    const SkipHitChart& chart() const { return m_chart; }
    const ChartGridModel& grid() const;

protected:
    void compute() override;
    void showChart(bool computed) override;
    std::vector<GraphTableField> graphFields() const override { return m_chart.graphFields(); }
    std::vector<GraphTableRecord> graphRecords() const override { return m_chart.graphRecords; }
    void openGraph() override;
    void setUpPrintout(Report& report) override;

private:
    SkipHitChart m_chart;
    QTableView* SkipHit = nullptr;
};
