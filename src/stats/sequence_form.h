// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_form.h"
#include "stats/hit_sequence.h"

class ChartGridModel;
class QTableView;

// "Hit Sequence Chart (<Description>)": every number's last 25 drawings, "##" for a regular hit,
// "BB" for a bonus hit, and between hits the drawings since it last came up.
class TSequenceForm final : public TChartForm {
    Q_OBJECT
public:
    TSequenceForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent = nullptr);

    const HitSequenceChart& chart() const { return m_chart; }
    const ChartGridModel& grid() const;

protected:
    void compute() override;
    void showChart(bool computed) override;
    std::vector<GraphTableField> graphFields() const override { return m_chart.graphFields(); }
    std::vector<GraphTableRecord> graphRecords() const override { return m_chart.graphRecords; }
    void openGraph() override;
    void setUpPrintout(Report& report) override;

private:
    HitSequenceChart m_chart;
    QTableView* SkipHit = nullptr;
};
