// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The advisory lock under which a lottery's files are changed: a lock file beside the table that
// every writer (drawing editor, import, ledger, command line) takes before it reads what it is
// about to change, and gives up when it has written. Readers never take it. A second writer
// waits WaitMs, then is refused by name; the lock of a process that died is taken over.
// A writer whose table stayed open while it did not hold the lock (a window) checks
// DbfTable::changedOnDisk() once it has the lock and reads the table again when it changed.
// The winnings ledger is still to come: its windows must do the same for the winnings table.
class TableLock {
public:
    static constexpr int WaitMs = 2500;

    // Throws VantoroError "<file> is being changed by another Vantoro (process N); try again when
    // it has finished." when another process holds the lock past the wait, and "Cannot create the
    // lock file <path>: <the system's reason>." when the lock file cannot be made at all.
    explicit TableLock(const QString& tablePath);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    static QString lockPath(const QString& tablePath);

private:
    std::unique_ptr<QLockFile> m_lock;
};
