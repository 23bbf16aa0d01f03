// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <vector>

class DbfTable;

// The winnings ledger: a small table of its own in the program home, one entry per win or stake,
// shown in date order through its DATETAG index. It keeps the drawing table's durability: every
// post is written through at once, and a pack goes through a verified copy renamed over the table.
namespace Winnings {
inline const QString DateField = QStringLiteral("ENTRYDATE");
inline const QString CommentField = QStringLiteral("COMMENT");
inline const QString WonField = QStringLiteral("WON");
inline const QString LostField = QStringLiteral("LOST");
inline const QString DateTag = QStringLiteral("DATETAG");
inline constexpr int CommentWidth = 40;
inline const QString DefaultTableName = QStringLiteral("LOTOWINS.DBF");
inline const QString CreateFailedMessage = QStringLiteral("Could not create the Winnings file.");

// Creates the ledger at `path` with its four fields and its index. Any failure throws VantoroError
// with CreateFailedMessage; a table made before the index failed is removed again.
void createLedger(const QString& path);

enum class Removal { TableKept, IndexKept, Removed };
// Deletes dir/fileName, then its index (the name less its last four characters, + ".nsx", found
// whatever its case); says how far it got.
Removal removeLedger(const QString& dir, const QString& fileName);

// Opens dir/fileName shared, in date order, on its latest entry.
void openLedger(DbfTable& table, const QString& dir, const QString& fileName);

struct Entry {
    QString date; // "MM/DD/YYYY"
    QString comment;
    double won = 0;
    double lost = 0;
};
// Every entry in date order; the current entry stays current.
std::vector<Entry> entries(DbfTable& table);

struct Totals {
    double won = 0;
    double lost = 0;
};
// The sums over all entries; the current entry stays current.
Totals totals(DbfTable& table);

// Runs `change` under the ledger's lock, after making sure no other process wrote the table since
// it was read. When one did, the table is read again and VantoroError says so: the user repeats
// the change on what is really there.
void write(DbfTable& table, const std::function<void()>& change);

// Appends an entry and posts it. A date that does not exist, an amount too wide or a comment too
// long throws VantoroError naming the field; the ledger keeps what it held.
void addEntry(DbfTable& table, const Entry& entry);
// Deletes the entries of `date` (only those with `comment` when it is given, blanks ignored) and
// packs the table; returns how many went.
int deleteEntries(DbfTable& table, const QString& date, const QString* comment = nullptr);

// An amount in the system's currency format with two decimals ("$12.50").
QString currency(double amount, const QLocale& locale = QLocale());
// An amount as plain text with two decimals and a point ("12.50").
QString plainAmount(double amount);
// An amount as typed: the locale's number or currency form, or a plain "10.00"; blank is 0.
// Anything else throws VantoroError naming `what` ("Amount Won").
double parseAmount(const QString& text, const QString& what, const QLocale& locale = QLocale());
} // namespace Winnings
