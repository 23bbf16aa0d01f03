// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_list_model.h"

#include "play/ticket_line.h"

TicketListModel::TicketListModel(QObject* parent) : QAbstractListModel(parent) {}

void TicketListModel::setKind(const TicketKind& kind) {
    beginResetModel();
    m_kind = kind;
    endResetModel();
}

void TicketListModel::setTickets(const Tickets& tickets) {
    beginResetModel();
    m_tickets = tickets;
    endResetModel();
}

void TicketListModel::setTicket(int row, const Ticket& ticket) {
    m_tickets[row] = ticket;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void TicketListModel::append(const Ticket& ticket) {
    const int row = static_cast<int>(m_tickets.size());
    beginInsertRows({}, row, row);
    m_tickets.append(ticket);
    endInsertRows();
}

void TicketListModel::remove(int row) {
    beginRemoveRows({}, row, row);
    m_tickets.removeAt(row);
    endRemoveRows();
}

int TicketListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_tickets.size());
}

QVariant TicketListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_tickets.size())
        return {};
    return TicketLine::format(m_kind, m_tickets.at(index.row()));
}
