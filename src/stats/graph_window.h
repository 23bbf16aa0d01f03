// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/dbf_table.h"
#include "stats/graph_config.h"
#include "stats/graph_table.h"
#include "stats/graph_view.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <memory>

class QAction;
class QActionGroup;
class QChart;
class QChartView;
class QToolBar;
class Report;
class ReportSystem;

// The graph window over the temporary graph table: a tool bar of 27 buttons above one chart that
// fills the window. What differs between the frequency, skip-and-hit, hit-sequence and
// drawing-summary graphs is only their GraphConfig.
//
// The table is opened on creation or on the first activation, as the configuration says, read
// into the chart, and kept open until the window closes (or is freed). The layout (graph type,
// effects, inversion and the part in view) is stored per window as JSON in the home.
class TGraphWindow : public QDialog {
    Q_OBJECT
public:
    // The tool-bar buttons in order, numbered 1 to 27 as their hints are.
    enum Button {
        CopyBtn = 1,
        PrintBtn,
        FirstRowBtn,
        PrevRowBtn,
        NextRowBtn,
        LastRowBtn,
        FirstCategoryBtn,
        PrevCategoryBtn,
        NextCategoryBtn,
        LastCategoryBtn,
        FewerBtn,
        MoreBtn,
        BarBtn,
        StockBarBtn,
        LineBtn,
        StackedBtn,
        PercentStackedBtn,
        HorizBarBtn,
        GanttBtn,
        PieBtn,
        Effect3DBtn,
        FilledBtn,
        InvertBtn,
        AboutBtn,
        LoadLayoutBtn,
        SaveLayoutBtn,
        NoFunctionBtn
    };
    static QString buttonName(Button button); // the tool button's objectName, e.g. "CopyBtn"

    TGraphWindow(GraphConfig config, const QString& homeDir, QWidget* parent = nullptr);
    ~TGraphWindow() override;

    const GraphConfig& config() const { return m_config; }
    const GraphData& data() const { return m_data; }
    const GraphView& view() const { return m_view; }
    const GraphPlot& plot() const { return m_plot; }
    bool isTableOpen() const { return m_table.isOpen(); }
    QChart* chart() const { return m_chart; }
    QToolBar* toolBar() const { return m_toolBar; }
    QAction* action(Button button) const { return m_actions.at(button - 1); }
    QString tablePath() const;
    QString layoutPath() const;

    // Opens TEMP.DBT and draws it; an error of the table is shown and leaves the window empty.
    // Returns whether the table is open.
    bool openTable();

    // The graph as it is on screen, `scale` times its size.
    QImage graphImage(qreal scale = 1.0) const;

    // The report the Print Graph button goes through; tests hand in one whose windows they drive.
    void setReportSystem(std::unique_ptr<ReportSystem> report);
    ReportSystem& reportSystem() { return *m_report; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildToolBar();
    void run(Button button);
    void rebuildChart();
    void syncChecks();
    void applyOpeningRule();
    void openOnActivation();
    bool readStoredLayout(GraphLayout& layout, bool tellWhenMissing);

    void CopyBtnClick();
    void PrintBtnClick();
    void AboutBtnClick();
    void LoadLayoutBtnClick();
    void SaveLayoutBtnClick();
    void ReportSystem1Print(Report& report, const QImage& picture);

    GraphConfig m_config;
    QString m_homeDir;
    DbfTable m_table;
    GraphData m_data;
    GraphView m_view{0, 0};
    GraphPlot m_plot;
    std::unique_ptr<ReportSystem> m_report;

    QToolBar* m_toolBar = nullptr;
    bool m_activated = false;
    QList<QAction*> m_actions;
    QActionGroup* m_typeGroup = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
};
