// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class QTableView;

// The cells of a chart grid as the core lays them out: a heading over each column and rows of
// texts whose first cell labels the row. Read-only; the first column is bold.
class ChartGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `rows` may be ragged: a missing cell shows empty.
    void setCells(const QStringList& headings, const QList<QStringList>& rows);
    void clear() { setCells({}, {}); }

    // The grid as vantoro-cli prints it: the heading row first, then each row, every cell
    // left-justified to `cellWidth` characters and joined by one blank.
    QStringList lines(int cellWidth = 0) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headings;
    QList<QStringList> m_rows;
};

// A chart grid over a new ChartGridModel: whole-row selection, no row numbers, columns as narrow
// as two digits allow (the label column as wide as `labelCharacters`).
QTableView* makeChartGrid(const char* name, QWidget* parent, int labelCharacters = 3);
// The model of a grid makeChartGrid made.
ChartGridModel& chartGridModel(const QTableView& grid);
// Shows `rows` in the grid, the first of them as the heading row, and widens it to show them whole.
void showChartRows(QTableView& grid, const QList<QStringList>& rows);
// Makes the grid at least as wide as its columns.
void fitChartGridWidth(QTableView& grid);
