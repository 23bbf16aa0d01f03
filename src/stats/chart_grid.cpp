// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_grid.h"

#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

void ChartGridModel::setCells(const QStringList& headings, const QList<QStringList>& rows) {
    beginResetModel();
    m_headings = headings;
    m_rows = rows;
    endResetModel();
}

QStringList ChartGridModel::lines(int cellWidth) const {
    const auto line = [cellWidth](const QStringList& cells) {
        QStringList justified;
        for (const QString& cell : cells)
            justified << cell.leftJustified(cellWidth);
        return justified.join(QLatin1Char(' '));
    };
    QStringList result;
    if (m_headings.isEmpty())
        return result;
    result << line(m_headings);
    for (const QStringList& row : m_rows)
        result << line(row);
    return result;
}

int ChartGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ChartGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant ChartGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows.at(index.row()).value(index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole:
        if (index.column() == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ChartGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return m_headings.value(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QTableView* makeChartGrid(const char* name, QWidget* parent, int labelCharacters) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QLatin1String(name));
    auto* model = new ChartGridModel(grid);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    const QFontMetrics metrics(grid->font());
    grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    grid->horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("000")) + 8);
    grid->horizontalHeader()->setMinimumSectionSize(8);
    const int labelWidth = metrics.horizontalAdvance(QString(labelCharacters + 1, QLatin1Char('0'))) + 8;
    QObject::connect(model, &QAbstractItemModel::modelReset, grid,
                     [grid, labelWidth] { grid->setColumnWidth(0, labelWidth); });
    return grid;
}

ChartGridModel& chartGridModel(const QTableView& grid) {
    return *static_cast<ChartGridModel*>(grid.model());
}

void showChartRows(QTableView& grid, const QList<QStringList>& rows) {
    if (rows.isEmpty())
        chartGridModel(grid).clear();
    else
        chartGridModel(grid).setCells(rows.first(), rows.mid(1));
    fitChartGridWidth(grid);
}

void fitChartGridWidth(QTableView& grid) {
    // Every column in view at once: a chart is read across its whole row.
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < grid.model()->columnCount(); ++column)
        width += grid.columnWidth(column);
    grid.setMinimumWidth(width);
}
