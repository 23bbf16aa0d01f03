// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QAbstractListModel>

// The ticket editor's list: the tickets as values, each row shown as its TicketLine.
class TicketListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TicketListModel(QObject* parent = nullptr);

    void setKind(const TicketKind& kind);
    const Tickets& tickets() const { return m_tickets; }
    void setTickets(const Tickets& tickets);
    const Ticket& ticket(int row) const { return m_tickets.at(row); }
    void setTicket(int row, const Ticket& ticket);
    void append(const Ticket& ticket);
    void remove(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    TicketKind m_kind;
    Tickets m_tickets;
};
