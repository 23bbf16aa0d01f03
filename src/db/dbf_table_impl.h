// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "db/vantoro_error.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <algorithm>
#include <cstring>
#include <vector>

// The state of an open table, shared by the engine's sources: the records in memory, the order
// over them, the cursor and the edit buffer. The checks and small steps every operation takes
// are here; the longer ones are in dbf_table_impl.cpp.
struct DbfTable::Impl {
    struct Tag {
        QString name;
        QString expression;
        int field = -1;
    };

    QString path;
    QString fileName;
    QString indexPath; // where the tag list is (or will be) written
    QFile file;
    bool readOnly = false;
    State state = State::Closed;

    QByteArray header32; // the file's own 32 header bytes, kept so reserved bytes survive
    int headerLength = 0;
    int recordLength = 0;
    std::vector<DbfField> fields;
    QHash<QString, int> fieldByName;

    QByteArray records; // every record of the file, deleted ones included, back to back
    int recordCount = 0;
    int liveCount = 0;

    std::vector<Tag> tags;
    int order = 0;
    std::vector<int> ordered; // 0-based record numbers of the live records in the current order
    int pos = -1;             // index into `ordered`; -1 on an empty table
    bool atEof = true;
    bool atBof = true;

    QByteArray buffer;
    bool modified = false;
    int posBeforeAppend = -1;

    const char* record(int r) const { return records.constData() + qsizetype(r) * recordLength; }
    qint64 fileOffset(int r) const { return qint64(headerLength) + qint64(r) * recordLength; }
    bool editing() const { return state == State::Edit || state == State::Append; }

    void requireOpen() const {
        if (state == State::Closed)
            throw VantoroError(QStringLiteral("No table is open."));
    }

    int requireField(const QString& name) const {
        requireOpen();
        auto it = fieldByName.constFind(name);
        if (it == fieldByName.constEnd())
            it = fieldByName.constFind(name.trimmed().toUpper());
        if (it == fieldByName.constEnd())
            throw VantoroError(QStringLiteral("The table %1 has no field named %2.").arg(fileName, name));
        return it.value();
    }

    void requireFieldIndex(int field) const {
        requireOpen();
        if (field < 0 || field >= int(fields.size()))
            throw VantoroError(
                QStringLiteral("The table %1 has no field number %2.").arg(fileName).arg(field + 1));
    }

    // The bytes the field readers see: the edit buffer while editing, else the current record.
    const char* current() const {
        requireOpen();
        if (editing())
            return buffer.constData();
        if (pos < 0)
            throw VantoroError(
                QStringLiteral("The table %1 has no current record: it is empty.").arg(fileName));
        return record(ordered[size_t(pos)]);
    }

    void requireEditing(const DbfField& field) const {
        if (!editing())
            throw VantoroError(QStringLiteral("The field %1 of %2 cannot be changed: the table is not being "
                                              "edited.")
                                   .arg(field.name, fileName));
    }

    // A table past the size the reader takes could never be opened again.
    void requireRoomFor(qint64 added) const {
        if ((qint64(recordCount) + added) * recordLength > DbfFormat::MaxRecordBytes)
            throw VantoroError(QStringLiteral("The table %1 is full: it may hold at most %L2 records.")
                                   .arg(fileName)
                                   .arg(DbfFormat::MaxRecordBytes / recordLength));
    }

    void requireWritable() const {
        if (readOnly)
            throw VantoroError(
                QStringLiteral("The table %1 cannot be changed: the file is read-only.").arg(fileName));
    }

    // Whether another process changed the file since this table read it: renamed a new table over
    // it (an import, a pack) or appended to it. Writing then would go to a file nobody sees any
    // more, or put back a record count that hides the other writer's records.
    bool changedOnDisk();
    void requireUnchanged();

    // --- the index order ---

    // Three-way comparison of two records by the key of the current tag.
    int compareKeys(const char* a, const char* b) const;
    // A numeric field's key: its value (blank as 0) as an unsigned integer in the same order.
    static quint64 numericKey(const char* rec, const DbfField& f);

    // Records of equal key keep their physical order, so (key, record number) orders strictly.
    bool before(const char* a, int ra, int rb) const;

    // Where record r stands, or would stand, in `ordered`.
    int positionOf(int r) const;
    void buildOrder();

    // --- the cursor ---

    void setPosition(int p) {
        pos = ordered.empty() ? -1 : std::clamp(p, 0, int(ordered.size()) - 1);
        atEof = atBof = ordered.empty();
    }

    // Leaving the record ends its editing: a changed buffer is stored, an unchanged one dropped.
    void leaveRecord() {
        if (!editing())
            return;
        if (modified)
            post();
        else
            cancel();
    }

    // --- writing ---

    void writeAt(qint64 offset, const char* bytes, qint64 size);
    void writeHeader(quint32 count);
    void post();
    void cancel();

    void putField(const DbfField& field, const QByteArray& bytes) {
        std::memcpy(buffer.data() + field.offset, bytes.constData(), size_t(field.width));
        modified = true;
    }

    [[noreturn]] void tooWide(const DbfField& field, const QString& value) const {
        throw VantoroError(
            QStringLiteral("The value %1 does not fit the field %2 of %3 (%4 characters wide).")
                .arg(value, field.name, fileName)
                .arg(field.width));
    }

    // The stored form of `text` in the field, written at `dest` (the field's width of bytes), as
    // SetField stores it. Plain ASCII goes into character fields as it is, without conversion.
    void encode(const DbfField& field, QAnyStringView text, char* dest) const;

    // The stored bytes of `text` in the field, or VantoroError naming the field.
    QByteArray fieldValue(const DbfField& f, QStringView text) const;
    QByteArray textBytes(const DbfField& field, const QString& text) const;

    // --- files ---

    void loadIndex();
    void openFile(const QString& filePath);
    void load(const QString& filePath);
    void reset();
    void writeIndexFile();
    void pack();
};
