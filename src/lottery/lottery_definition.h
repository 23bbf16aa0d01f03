// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The record that describes one lottery, stored alone in its code's .INF file in data/.
// The file layout is a packed 289-byte record (little-endian 16-bit integers, one-byte booleans,
// short strings as a length byte and Windows-1252 text); the field names are the ones every
// window and analysis reads.
struct LotteryDefinition {
    static constexpr int RecordSize = 289;

    qint16 GameType = 7;
    qint16 Country = 6;
    qint16 State = 0;
    QString Description = QStringLiteral("Lotto"); // at most 30 characters
    qint16 NumbersDrawn = 6;
    qint16 LowestNumber = 1;
    qint16 HighestNumber = 42;
    qint16 BonusNumbers = 0;
    qint16 HighestBonus = 0;
    bool Sunday = false;
    bool Monday = false;
    bool Tuesday = false;
    bool Wednesday = false;
    bool Thursday = false;
    bool Friday = false;
    bool Saturday = false;
    std::array<bool, 7> BonusMatches{};
    bool AllowDuplicates = false;
    qint16 TicketsPerSlip = 5;
    qint16 RowsPerTicket = 10;
    qint16 ColumnsPerTicket = 5;
    bool HorizontalTickets = true;
    QString CommissionName;    // 40
    QString CommissionAddress; // 30
    QString CommissionCity;    // 25
    QString CommissionState;   // 2
    QString CommissionZipCode; // 10
    QString CommissionPhone;   // 12
    QString CommissionFax;     // 12
    QString CommissionEmail;   // 40
    QString CommissionWWW;     // 40

    // Not part of the record: a game of today whose bonus runs from 0 while its regular numbers
    // start at 1 keeps that 1 beside the definition (CODE.GAM); the open lottery sets it here so
    // that every chart and generator sees it. -1: the regular numbers start at LowestNumber.
    qint16 RegularLowest = -1;

    int regularNumbers() const { return NumbersDrawn - BonusNumbers; }
    int lowestRegular() const { return RegularLowest >= 0 ? RegularLowest : LowestNumber; }
    bool drawnOn(int dayOfWeek) const; // Qt numbering: 1 = Monday .. 7 = Sunday
    void setDrawnOn(int dayOfWeek, bool drawn);

    // Packs the record; strings longer than their field are cut to it.
    QByteArray toRecord() const;
    // Unpacks a record of at least RecordSize bytes; bytes after a string's length are ignored.
    static LotteryDefinition fromRecord(const QByteArray& record);
    // What is out of range, as "NumbersDrawn is 0; it must be from 1 to 22"; empty when every
    // field holds a value the definition editor could have written.
    QString rangeProblem() const;
};

// Reads the first record of the file into `definition`. An empty file leaves it as it was.
// A file shorter than one record, one with a field out of range (rangeProblem), or one that cannot
// be read, throws VantoroError naming it.
void ReadDefinition(const QString& path, LotteryDefinition& definition);
// Creates or truncates the file and writes the definition as its only record (through a
// temporary file, so a failed write leaves the old file). Throws VantoroError on failure.
void WriteDefinition(const QString& path, const LotteryDefinition& definition);
