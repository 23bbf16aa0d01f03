// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_view.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 8> TypeNames = {"bar",      "stockbar", "line", "stacked", "percentstacked",
                                                  "horizbar", "gantt",    "pie"};

QString typeName(GraphType type) {
    return QLatin1String(TypeNames[size_t(type)]);
}

std::optional<GraphType> typeFromName(const QString& name) {
    for (size_t i = 0; i < TypeNames.size(); ++i) {
        if (name == QLatin1String(TypeNames[i]))
            return GraphType(i);
    }
    return std::nullopt;
}

QStringList distinctLabels(QStringList labels) {
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QString label = labels.at(i);
        if (label.isEmpty())
            label = QStringLiteral(" ");
        while (labels.mid(0, i).contains(label))
            label += QLatin1Char(' ');
        labels[i] = label;
    }
    return labels;
}

} // namespace

QByteArray GraphLayout::toJson() const {
    QJsonObject object;
    object[QStringLiteral("type")] = typeName(type);
    object[QStringLiteral("effect3D")] = effect3D;
    object[QStringLiteral("filled")] = filled;
    object[QStringLiteral("inverted")] = inverted;
    object[QStringLiteral("firstRow")] = firstRow;
    object[QStringLiteral("rowsShown")] = rowsShown;
    object[QStringLiteral("firstCategory")] = firstCategory;
    object[QStringLiteral("categoriesShown")] = categoriesShown;
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<GraphLayout> GraphLayout::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    GraphLayout layout;
    if (object.contains(QStringLiteral("type"))) {
        const std::optional<GraphType> type = typeFromName(object.value(QStringLiteral("type")).toString());
        if (!type)
            return std::nullopt;
        layout.type = *type;
    }
    layout.effect3D = object.value(QStringLiteral("effect3D")).toBool(layout.effect3D);
    layout.filled = object.value(QStringLiteral("filled")).toBool(layout.filled);
    layout.inverted = object.value(QStringLiteral("inverted")).toBool(layout.inverted);
    layout.firstRow = object.value(QStringLiteral("firstRow")).toInt(layout.firstRow);
    layout.rowsShown = object.value(QStringLiteral("rowsShown")).toInt(layout.rowsShown);
    layout.firstCategory = object.value(QStringLiteral("firstCategory")).toInt(layout.firstCategory);
    layout.categoriesShown = object.value(QStringLiteral("categoriesShown")).toInt(layout.categoriesShown);
    return layout;
}

GraphView::GraphView(int rowCount, int categoryCount)
    : m_rows(std::max(0, rowCount)), m_categories(std::max(0, categoryCount)) {
    m_layout.rowsShown = std::max(1, m_rows);
    m_layout.categoriesShown = std::max(1, m_categories);
}

void GraphView::setLayout(const GraphLayout& layout) {
    m_layout = layout;
    setRowsShown(layout.rowsShown);
    setFirstRow(layout.firstRow);
    setCategoriesShown(layout.categoriesShown);
    setFirstCategory(layout.firstCategory);
}

int GraphView::visibleRows() const {
    return std::clamp(m_rows - m_layout.firstRow, 0, m_layout.rowsShown);
}

int GraphView::visibleCategories() const {
    return std::clamp(m_categories - m_layout.firstCategory, 0, m_layout.categoriesShown);
}

void GraphView::setRowsShown(int count) {
    // More than the table holds may be asked for (the count of numbers of a card game is larger
    // than its table); it is kept, as it only means every row from the first one is in view.
    m_layout.rowsShown = std::max(1, count);
}

void GraphView::setFirstRow(int row) {
    m_layout.firstRow = std::clamp(row, 0, std::max(0, m_rows - 1));
}

void GraphView::setCategoriesShown(int count) {
    m_layout.categoriesShown = std::clamp(count, 1, std::max(1, m_categories));
}

void GraphView::setFirstCategory(int category) {
    m_layout.firstCategory = std::clamp(category, 0, std::max(0, m_categories - 1));
}

void GraphView::showAllCategories() {
    m_layout.firstCategory = 0;
    m_layout.categoriesShown = std::max(1, m_categories);
}

GraphPlot buildGraphPlot(const GraphData& data, const GraphLayout& layout) {
    GraphView view(data.rowCount(), data.categoryCount());
    view.setLayout(layout);
    const int row0 = view.layout().firstRow;
    const int rows = view.visibleRows();
    const int category0 = view.layout().firstCategory;
    const int categories = view.visibleCategories();

    GraphPlot plot;
    QStringList rowLabels = data.rowLabels.mid(row0, rows);
    QStringList categoryLabels = data.categoryNames.mid(category0, categories);
    auto value = [&](int row, int category) { return data.values.at(row0 + row).at(category0 + category); };

    if (!layout.inverted) {
        plot.axisLabels = distinctLabels(rowLabels);
        for (int c = 0; c < categories; ++c) {
            GraphSeries series{categoryLabels.at(c), {}};
            for (int r = 0; r < rows; ++r)
                series.values << value(r, c);
            plot.series << series;
        }
    } else {
        plot.axisLabels = distinctLabels(categoryLabels);
        const QStringList names = distinctLabels(rowLabels);
        for (int r = 0; r < rows; ++r) {
            GraphSeries series{names.at(r), {}};
            for (int c = 0; c < categories; ++c)
                series.values << value(r, c);
            plot.series << series;
        }
    }
    return plot;
}

QList<GraphSlice> pieSlices(const GraphPlot& plot) {
    QList<GraphSlice> slices;
    for (qsizetype i = 0; i < plot.axisLabels.size(); ++i) {
        GraphSlice slice{plot.axisLabels.at(i), 0.0};
        for (const GraphSeries& series : plot.series)
            slice.value += series.values.at(i);
        slices << slice;
    }
    return slices;
}

QList<GraphStockBar> stockBars(const GraphPlot& plot) {
    QList<GraphStockBar> bars;
    if (plot.series.isEmpty())
        return bars;
    for (qsizetype i = 0; i < plot.axisLabels.size(); ++i) {
        GraphStockBar bar;
        bar.label = plot.axisLabels.at(i);
        bar.open = plot.series.first().values.at(i);
        bar.close = plot.series.last().values.at(i);
        bar.low = bar.high = bar.open;
        for (const GraphSeries& series : plot.series) {
            bar.low = std::min(bar.low, series.values.at(i));
            bar.high = std::max(bar.high, series.values.at(i));
        }
        bars << bar;
    }
    return bars;
}
