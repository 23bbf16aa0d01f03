// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/dbf_field.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One open dBASE III table with its production index (.NSX beside it), and a cursor over it.
//
// The records are held in memory while the table is open; every change is written through to
// the file at once (record first, then header), and Pack rewrites the file through a temporary
// file that is renamed over the old one, so a crash leaves a valid table behind.
// The index order is built in memory when the table opens and kept up to date on every change,
// so it can never be stale. Deleted records are hidden from the cursor and from RecordCount.
//
// Engine operations keep the names the rest of the program knows them by (GoTop, FieldText, ...).
// Every failure that ends a command throws VantoroError with a message naming the file.
class DbfTable {
public:
    enum class State { Closed, Browse, Edit, Append };
    using Bookmark = int; // physical record number, 1-based

    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Opens dir/fileName (found whatever the case of its name); the production index dir/base.NSX
    // (any case) opens with it when present. A .NSX that is not ours is taken to hold one tag,
    // DATETAG, on the table's first date field. Refuses a file that is not a valid table, is
    // truncated or whose header disagrees with its size; bytes after the last record are ignored.
    // `exclusive` takes no lock: writers take the table's TableLock; a read-only file opens for
    // reading and refuses changes. After open: order 0, first record, browse state.
    void open(const QString& dir, const QString& fileName, bool exclusive = false);
    // Without it, open(dir, "CODE.DBF") would pick open(path, bool) through the pointer's truth value.
    void open(const QString& dir, const char* fileName, bool exclusive = false);
    void open(const QString& path, bool exclusive = false);
    void close();
    bool isOpen() const;
    // True when another process has changed the file since it was read (replaced it or appended
    // to it). Every write checks this first and refuses, naming the table, rather than write over
    // the other process's work from a stale copy.
    bool changedOnDisk() const;
    // Reads the file again, keeping the order and, while it still exists, the current record.
    void reopen();
    QString path() const;
    QString fileName() const;
    QString indexPath() const; // the production index file, whether or not it exists yet
    State state() const;

    // Structure.
    const std::vector<DbfField>& fields() const;
    int fieldIndex(const QString& name) const; // -1 when the table has no such field (case-insensitive)
    int FieldWidth(const QString& name) const;

    // Order: 0 = physical record order, 1.. = the index tags in the order they were created.
    void SetOrder(int tag);
    int order() const;
    int tagCount() const;
    QString tagName(int tag) const;
    QString tagExpression(int tag) const;

    // Cursor. An empty table is at both ends at once.
    int RecordCount() const;
    void GoTop();
    void GoBottom();
    int Skip(int count = 1); // returns the records actually moved (negative when backwards)
    bool eof() const;        // Skip ran past the last record
    bool bof() const;        // Skip ran before the first record
    void GoToRecord(int recordNumber);
    int recordNumber() const;  // physical, 1-based; 0 when the table is empty
    int OrderPosition() const; // 1-based position in the current order; 0 when the table is empty
    bool isDeleted() const;

    // Values of the current record (or of the edit buffer while editing). Unknown field names and
    // a read on an empty table throw VantoroError.
    QString FieldText(const QString& name) const;  // character fields blank-padded to their width,
                                                   // numeric ones as stored, dates as DateText
    QString DateText(const QString& name) const;   // "MM/DD/YYYY", empty for a blank date
    double fieldNumber(const QString& name) const; // numeric (or character) field as a number, 0 for blank
    // The same by field index (0-based, as in fields()), for loops over many records.
    QString FieldText(int field) const;
    QString DateText(int field) const;
    // The stored bytes of a field of the current record, for loops over many records that only
    // need digits (no text is decoded); valid until the cursor moves or the table changes.
    QByteArrayView fieldBytes(int field) const;

    // Editing. append adds a blank record buffer, edit takes a copy of the current record (on an
    // empty table it appends, as data-aware editing expects); SetField changes the buffer; post
    // stores it (and keeps the index order), cancel drops it; both return to browse state. As with
    // data-aware grids, moving the cursor, append, SetOrder and Pack first post a changed buffer
    // (an unchanged one is dropped); close drops it. A value that does not fit its field throws
    // VantoroError naming the field and leaves the buffer as it was.
    void append();
    void edit();
    void post();
    void cancel();
    void SetField(const QString& name, const QString& text); // text kinds: C, N as text, D as DateText
    void setFieldInteger(const QString& name, qint64 value);
    void setFieldDouble(const QString& name, double value);
    void setFieldDate(const QString& name,
                      const QString& dateText); // "MM/DD/YYYY", 2-digit years by epoch 1960
    void DeleteRecord();
    void Pack();

    // Appending many records at once, for imports, all or nothing: the table is copied beside
    // itself, `build` fills record `index` of `count` (given blank, written by encodeField), the
    // records go to the copy a batch at a time, the copy is read back as a new open would read it
    // and renamed over the table, which is opened again (order kept). The checks of a post come
    // first (read-only, changed by another program, full). A failure throws VantoroError ("The
    // <what> cannot be added to ...") and leaves the file as it was, the table open on it; a stop
    // by `progress` returns false, also with the file untouched.
    using RecordBuilder = std::function<void(int index, char* record)>;
    using AppendProgress = std::function<bool(int done, int total)>;
    bool appendAll(int count, const RecordBuilder& build, const AppendProgress& progress = {},
                   const QString& what = QStringLiteral("records"));
    // Stores a value in a record being built as SetField stores it in the edit buffer, and
    // refuses what SetField refuses.
    void encodeField(int field, QAnyStringView text, char* record) const;
    void encodeField(int field, const QDate& date, char* record) const; // as setFieldDate would

    Bookmark bookmark() const;        // 0 on an empty table
    void goToBookmark(Bookmark mark); // throws when that record was deleted or packed away

    // The production index. A tag's key expression is a field name; keys of character and date
    // fields order by their text, numeric ones by value. The tag list is written to the .NSX.
    void CreateIndexTag(const QString& tagName, const QString& keyExpression);

    // Table creation, in the engine's three steps:
    //   DbfTable::CreateTable(path, n); AddField(...) n times; CommitCreate().
    // The file is written through a temporary file and renamed into place. Each step throws
    // VantoroError naming the file when it cannot be taken; the table is then not written.
    class Creator;

private:
    // Writes whole records back to back with one write and then one header update.
    void appendRecords(QByteArrayView records);
    template <typename Number> void setNumberField(const QString& name, Number value);
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A new table definition; see DbfTable. Field names are cut to 10 characters and stored upper case.
class DbfTable::Creator {
public:
    void CreateTable(const QString& path, int fieldCount);
    void AddField(const QString& name, char type, int width, int decimals);
    void CommitCreate(); // writes the empty table (and removes a stale .NSX of the same base name)

private:
    QString m_path;
    int m_expectedFields = 0;
    std::vector<DbfField> m_fields;
};
