// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/chart_form.h"
#include "stats/drawing_summary.h"

class ChartGridModel;
class QTableView;

// "Drawing Summary Chart (<Description>)": each recent drawing by its numbers per band of ten, its
// hot, prior, cold and due numbers, odd, even and sum, with the average and percent of every
// column under the rows.
class TSummaryForm final : public TChartForm {
    Q_OBJECT
public:
    TSummaryForm(CurrentLottery& lottery, BonusForm& bonusForm, QWidget* parent = nullptr);

    const DrawingSummary& summary() const { return m_summary; }
    const ChartGridModel& rows() const;
    const ChartGridModel& totals() const;

protected:
    void compute() override;
    void showChart(bool computed) override;
    std::vector<GraphTableField> graphFields() const override { return DrawingSummary::graphFields(); }
    std::vector<GraphTableRecord> graphRecords() const override { return m_summary.graphRecords(); }
    void openGraph() override;
    void setUpPrintout(Report& report) override;

private:
    DrawingSummary m_summary;
    QTableView* DBGrid1 = nullptr;
    QTableView* StringGrid1 = nullptr;
};
