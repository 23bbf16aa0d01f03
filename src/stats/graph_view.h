// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/graph_table.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The kinds of graph of the tool bar (buttons 13 to 20), in their order.
enum class GraphType { Bar, StockBar, Line, Stacked, PercentStacked, HorizBar, Gantt, Pie };

// What a graph window shows of its table: the kind of graph, its effects and the visible part.
// Rows are the table's records, categories its numeric fields; a window over the rows starts at
// `firstRow` and holds up to `rowsShown` of them, likewise for the categories.
struct GraphLayout {
    GraphType type = GraphType::Bar;
    bool effect3D = false;
    bool filled = false;
    bool inverted = false; // rows become the series and categories the axis
    int firstRow = 0;
    int rowsShown = 1;
    int firstCategory = 0;
    int categoriesShown = 1;

    bool operator==(const GraphLayout&) const = default;

    QByteArray toJson() const;
    // Nothing when the text is not a layout; unknown keys are ignored, missing ones keep their default.
    static std::optional<GraphLayout> fromJson(const QByteArray& json);
};

// The layout over a table of a given size, kept within it by every move of the tool bar.
//
// Moving through rows or categories moves the first one shown, as a cursor moves through the
// table: "last" makes the last one the first shown, so the window then holds just that one.
class GraphView {
public:
    GraphView(int rowCount, int categoryCount);

    const GraphLayout& layout() const { return m_layout; }
    // Takes a stored layout, brought within this table.
    void setLayout(const GraphLayout& layout);
    int rowCount() const { return m_rows; }
    int categoryCount() const { return m_categories; }
    int visibleRows() const;
    int visibleCategories() const;

    void setType(GraphType type) { m_layout.type = type; }
    void toggleEffect3D() { m_layout.effect3D = !m_layout.effect3D; }
    void toggleFilled() { m_layout.filled = !m_layout.filled; }
    void toggleInverted() { m_layout.inverted = !m_layout.inverted; }

    void setRowsShown(int count);
    void setFirstRow(int row);
    void firstRow() { setFirstRow(0); }
    void prevRow() { setFirstRow(m_layout.firstRow - 1); }
    void nextRow() { setFirstRow(m_layout.firstRow + 1); }
    void lastRow() { setFirstRow(m_rows - 1); }
    void fewerRows() { setRowsShown(m_layout.rowsShown - 1); }
    void moreRows() { setRowsShown(m_layout.rowsShown + 1); }

    void setCategoriesShown(int count);
    void setFirstCategory(int category);
    void firstCategory() { setFirstCategory(0); }
    void prevCategory() { setFirstCategory(m_layout.firstCategory - 1); }
    void nextCategory() { setFirstCategory(m_layout.firstCategory + 1); }
    void lastCategory() { setFirstCategory(m_categories - 1); }
    void showAllCategories();
    void fewerCategories() { setCategoriesShown(m_layout.categoriesShown - 1); }
    void moreCategories() { setCategoriesShown(m_layout.categoriesShown + 1); }

private:
    int m_rows;
    int m_categories;
    GraphLayout m_layout;
};

// One series of a plot: a value for every axis label.
struct GraphSeries {
    QString name;
    QList<double> values;
};

// What the chart draws for a layout: the labels along the axis and the series over them. Normally
// the axis holds the visible rows and each visible category is a series; inverted, the other way
// round. Labels are made distinct (a repeated or blank label gets trailing blanks), as a category
// axis keeps only one of equal labels.
struct GraphPlot {
    QStringList axisLabels;
    QList<GraphSeries> series;
};

GraphPlot buildGraphPlot(const GraphData& data, const GraphLayout& layout);

// The pie: one slice per axis label, worth the sum of the series there.
struct GraphSlice {
    QString label;
    double value = 0.0;
};
QList<GraphSlice> pieSlices(const GraphPlot& plot);

// The stock bar: per axis label a bar from the lowest to the highest series value, opening at the
// first series' value and closing at the last's.
struct GraphStockBar {
    QString label;
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double close = 0.0;
};
QList<GraphStockBar> stockBars(const GraphPlot& plot);
