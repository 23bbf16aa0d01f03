// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/ticket.h"

#include <QString>

// Lowest and highest value of the tickets read so far; starts "empty" (lowest above highest) so
// that the first ticket sets both.
struct TicketRange {
    int lowest = 0;
    int highest = 0;
    void widen(int value) {
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    bool contains(int value) const { return value >= lowest && value <= highest; }
    bool operator==(const TicketRange&) const = default;
};

// A ticket file (".tic"): four header lines (ticket count, numbers per ticket, game type, lottery
// name) and one line of fixed-width fields per ticket, lines ended by CR LF.
struct TicketFile {
    int count = 0; // line 1 as read; reading never relies on it
    TicketKind kind;
    QString lotteryName;
    Tickets tickets; // numbered 1, 2, 3 ... in file order
    TicketRange sumRange{10000, 0};
    TicketRange oddRange{100, 0};

    // Reads every ticket line up to the end of the file, whatever line 1 says; CR LF or LF.
    // Refuses (VantoroError naming the file and line) a header that is not a ticket header, a
    // number field that is not a number, and a file too large to be a ticket file.
    static TicketFile read(const QString& path);
    // The same, from the bytes of a file; `name` is the file named in messages.
    static TicketFile parse(const QByteArray& bytes, const QString& name);

    // Writes the header (line 1 = the number of `tickets`) and the fields of every ticket, through a
    // temporary file renamed over `path`, so a failed save leaves the old file.
    static void write(const QString& path, const TicketKind& kind, const QString& lotteryName,
                      const Tickets& tickets);
};

// Ticket files above these bounds are refused rather than read, so a hostile file cannot exhaust
// memory. A TicketLine's label has five digits: 99999 tickets is as many as a list can number.
inline constexpr qint64 kMaxTicketFileBytes = 32 * 1024 * 1024;
inline constexpr qsizetype kMaxTickets = 99999;
