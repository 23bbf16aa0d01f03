// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class DbfTable;

// The drawing editor's grid: every drawing of the open table in date order, all its fields.
// Row r is the drawing at position r + 1. The rows are read when the table has changed (reload),
// never while a drawing is being edited, so the grid cannot disturb the edit buffer.
class DrawingListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DrawingListModel(DbfTable& table, QObject* parent = nullptr);

    // Reads every drawing again; the table is left on the record it was on.
    void reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    DbfTable& m_table;
    QStringList m_headers;
    std::vector<QStringList> m_rows;
};
