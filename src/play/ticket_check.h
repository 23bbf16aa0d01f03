// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"
#include "play/ticket.h"
#include "play/ticket_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class DbfTable;

// Checking a ticket file against one drawing: how many of each ticket's numbers were drawn.
// No prize is looked up; the result is match counts only.

// The drawn numbers of one drawing as tickets are compared with them: as text, so a ticket number
// written without its leading "0" never matches.
struct CheckDrawing {
    QString date;        // "MM/DD/YYYY"
    QStringList regular; // "07"; the card games' "0AH"
    QStringList bonus;   // after the regular ones, at most up to the field P8
    QString last;        // the last field of the drawing: what a ticket's bonus column is compared with

    // The current record of a drawing table of the lottery `definition`, normalised for tickets of
    // `ticketGameType` (card codes for the card games, "0J" for a Tri-State card-rank bonus).
    static CheckDrawing read(const DbfTable& table, const LotteryDefinition& definition, int ticketGameType);
};

// The message that refuses checking tickets of `kind` against this lottery, empty when they fit.
// Only the numbers per ticket and the game type are compared, never the lottery name.
QString ticketFileRefusal(const LotteryDefinition& lottery, const TicketKind& kind);

// What the check shows.
struct CheckResult {
    QString date;
    QString numbersLabel;             // "Numbers Drawn: 05 12 23 34 41 44 "
    QString bonusLabel;               // empty when the lottery draws no bonus number
    QString note;                     // empty when there is none
    QStringList lines;                // "00001. 05 12 23 34 41 44 (3)"
    std::vector<std::uint8_t> counts; // of each line
    std::array<int, 11> tallies{};    // tickets with 0 .. 10 matches
    QStringList summary;              // "Match n: t" from the highest count down to 0

    // The lines with at least `minimum` matches, in order.
    QStringList linesWithAtLeast(int minimum) const;
};

// A ticket list made ready for checking against many drawings: each ticket's numbers as a bit set,
// so one check of an ordinary ticket is an AND and a population count.
class TicketCheck {
public:
    TicketCheck(const TicketKind& kind, const Tickets& tickets);
    // Reads a ticket file for checking: the same file and the same refusals as TicketFile::read,
    // without a Ticket per line. `header` receives the file's header lines; its ticket list stays empty.
    static TicketCheck read(const QString& path, TicketFile& header);

    struct Counts {
        std::vector<std::uint8_t> perTicket;
        std::array<int, 11> tallies{}; // a count above 10 is not tallied
    };
    // The count of every ticket against `drawing` of the lottery `lottery`.
    Counts count(const CheckDrawing& drawing, const LotteryDefinition& lottery) const;
    // The counts with the lines, labels and summary the window shows.
    CheckResult run(const CheckDrawing& drawing, const LotteryDefinition& lottery) const;

    qsizetype size() const { return qsizetype(m_masks.size()); }

private:
    TicketCheck() = default;
    // Adds a ticket from its fields as the file holds them, each `width` bytes or fewer; false
    // when the line needs the slow reader (a character that is not plain ASCII, a field that is
    // not a number).
    bool addFileLine(QByteArrayView line);
    void addKeys(qsizetype ticket, const std::uint8_t* keys);
    struct Mask {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
    };
    // A field's key: 0..99 for a two-digit number, 1..52 for a card code; these two never match.
    static constexpr std::uint8_t kBlank = 254;
    static constexpr std::uint8_t kNever = 255;
    static std::uint8_t fieldKey(const QString& text, bool card);
    static std::uint16_t pairCode(const QString& text);

    struct Drawn;
    int countOne(qsizetype ticket, const Drawn& drawn) const;

    TicketKind m_kind;
    QStringList m_prefixes; // each ticket's list line up to its count
    std::vector<Mask> m_masks;
    std::vector<std::uint8_t> m_keys; // numbersPerTicket per ticket
    std::vector<std::uint16_t> m_bonus;
};
