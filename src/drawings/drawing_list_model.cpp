// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_list_model.h"

#include "db/dbf_table.h"

DrawingListModel::DrawingListModel(DbfTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {
    reload();
}

void DrawingListModel::reload() {
    beginResetModel();
    m_headers.clear();
    m_rows.clear();
    if (m_table.isOpen()) {
        const int fieldCount = int(m_table.fields().size());
        for (const DbfField& field : m_table.fields())
            m_headers << field.name;
        if (m_table.RecordCount() > 0) {
            const DbfTable::Bookmark place = m_table.bookmark();
            m_rows.reserve(size_t(m_table.RecordCount()));
            m_table.GoTop();
            while (!m_table.eof()) {
                QStringList row;
                for (int f = 0; f < fieldCount; ++f)
                    row << m_table.FieldText(f).trimmed();
                m_rows.push_back(row);
                m_table.Skip(1);
            }
            m_table.goToBookmark(place);
        }
    }
    endResetModel();
}

int DrawingListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DrawingListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant DrawingListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[size_t(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return int(Qt::AlignCenter);
    return {};
}

QVariant DrawingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_headers.value(section);
    return section + 1;
}
