// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct LotteryDefinition;

// A wheeling-system file: five header lines (numbers per ticket P, numbers in the wheel K,
// tickets T, numbers matched M, numbers correct C), then one line per ticket made of 2-digit
// positions 1 .. K without separators. Lines end in CR LF; LF alone is read as well.
struct WheelFile {
    // The header as it stands in the file (or as typed in the editor): text, not numbers, because
    // the editor writes its boxes exactly as typed and the lists show whatever the lines hold.
    QString NumbersPerTicket;
    QString Numbers;
    QString Tickets;
    QString Match;
    QString Correct;
    // Every ticket line after the header, to the end of the file, split into its 2-character
    // fields (a last odd character is a field of its own).
    QList<QStringList> rows;

    // Files larger than this are refused before they are read: a full 7-of-12 wheel is 12 KB and
    // 1 MB holds some 47,000 tickets of ten, so anything larger is not a wheel.
    static constexpr qint64 MaxFileSize = 1024 * 1024;
    // 99 positions of two characters: a longer ticket line is refused.
    static constexpr int MaxLineLength = 198;

    // Throws VantoroError naming the file when it cannot be read, is too large, has fewer than
    // five lines or a ticket line longer than MaxLineLength.
    static WheelFile read(const QString& path);
    // The same from the bytes of a file; `path` names it in the messages.
    static WheelFile parse(const QByteArray& bytes, const QString& path);
    // The header as it is, then one line per row with one-character cells zero-padded, CR LF.
    // Written through a temporary file, so a failed save leaves the old file whole. A row that
    // cellProblem() refuses throws VantoroError with its message, and nothing is written.
    void write(const QString& path) const;
    // The first cell that cannot be written as a 2-digit position from 1 to K (K = Numbers, or 99
    // when that is not a number from 1 to 99): "Line 3, number 2 is empty." or "Line 3, number 2:
    // "123" is not a position from 1 to 10."; `row` and `column` (1-based) say where. Empty when
    // every cell is sound.
    QString cellProblem(int* row = nullptr, int* column = nullptr) const;

    // Every row as positions 1 .. `numbers`, the one reading of ticket lines the expansion and the
    // verifier share. Throws VantoroError naming the file and line for an empty line or a field
    // that is not such a position; `path` names the file in the messages.
    QList<QList<int>> positions(const QString& path, int numbers) const;
    // The 2-character fields of one ticket line, from the first character to the end.
    static QStringList fields(const QString& line);
    // Full when M = P and C = P, compared as numbers.
    bool isFull() const;
    // One note per ticket line whose count of positions is not P ("Line 7 holds 5 positions
    // instead of 6."), lines counted in the file from 1; at most `limit` notes.
    QStringList fieldCountNotes(int limit = 10) const;

    // Tickets a wheel may have: the editor numbers its rows with four digits.
    static constexpr int MaxTickets = 9999;
    // The full wheel over `numbers` (K) with `perTicket` (P) positions a ticket: every P-subset
    // of 1 .. K in lexicographic order, M = C = P. Throws VantoroError when K is not 1 .. 99,
    // P not 1 .. K, or the wheel would have more than MaxTickets tickets.
    static WheelFile full(int numbers, int perTicket);
};

// The extension part that names wheels for the lottery's tickets: S = NumbersDrawn - BonusNumbers
// as two digits, 20 and 22 counting as 10 (keno tickets of ten numbers); Daily Millions,
// California Decco and NY Lucky Day use "dm", "cd" and "ld".
QString ticketSizeCode(const LotteryDefinition& definition);
// The S of ticketSizeCode after the keno rule (3, 4, 6, 10, ...).
int ticketSize(const LotteryDefinition& definition);

// "<K> numbers, <T> tickets <M>/<C>  (<file name>)" from the first five lines of the file, K and T
// zero-padded to two and three characters. A file that is not a wheel is listed with whatever its
// lines hold; an unreadable one with empty values.
QString wheelListEntry(const QString& path);

// The wheel files of `dir` matching `pattern` ("*.?06", "*.f06", "*.*"), any case, in
// alphabetical order of their names (the order of every wheel list).
QStringList wheelFileNames(const QString& dir, const QString& pattern);
// One entry per file of wheelFileNames, in the same order.
QStringList wheelListEntries(const QString& dir, const QStringList& fileNames);
