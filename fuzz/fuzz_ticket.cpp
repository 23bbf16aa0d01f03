// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a ticket file: reading refuses with VantoroError or gives tickets that all keep the
// fixed layout, and packing them back gives a file that reads to the same tickets and ranges.
#include "db/vantoro_error.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TicketFile file;
    try {
        file = TicketFile::parse(bytes, QStringLiteral("fuzz.tic"));
    } catch (const VantoroError&) {
        return 0;
    }
    const TicketKind& kind = file.kind;
    const qsizetype width =
        TicketLine::kLabelWidth + kind.numbersPerTicket * (kind.fieldWidth() + 1) + (kind.hasBonus() ? 3 : 0);
    QByteArray packed = "0\r\n" + QByteArray::number(kind.numbersPerTicket) + "\r\n" +
                        QByteArray::number(kind.gameType) + "\r\nname\r\n";
    for (const Ticket& ticket : file.tickets) {
        if (TicketLine::format(kind, ticket).size() != width)
            std::abort();
        packed += TicketLine::toFileLine(kind, ticket).toLatin1() + "\r\n";
    }
    TicketFile again;
    try {
        again = TicketFile::parse(packed, QStringLiteral("fuzz.tic"));
    } catch (const VantoroError&) {
        // Only characters outside Latin-1 can change on the way back; the numbers themselves cannot.
        if (!kind.isCardGame())
            std::abort();
        return 0;
    }
    if (again.tickets.size() != file.tickets.size() || !(again.sumRange == file.sumRange) ||
        !(again.oddRange == file.oddRange))
        std::abort();
    return 0;
}
