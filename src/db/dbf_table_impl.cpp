// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"

#include "db/atomic_file.h"
#include "db/dbf_format.h"
#include "db/file_lookup.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

uint codeUnit(QChar c) {
    return c.unicode();
}
uint codeUnit(char c) {
    return uchar(c);
}

// Order-preserving unsigned image of a double, so numeric keys sort as integers.
quint64 orderedBits(double value) {
    if (value == 0.0)
        value = 0.0; // one zero
    const auto bits = std::bit_cast<quint64>(value);
    return (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
}

// Records written with one write when appending many; how often such an append reports progress.
constexpr int AppendBatchRecords = 4096;
constexpr int AppendProgressStep = 250;

} // namespace

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
    bool changedOnDisk() {
#ifdef Q_OS_UNIX
        struct stat byPath {};
        struct stat byHandle {};
        if (::stat(QFile::encodeName(path).constData(), &byPath) != 0 ||
            ::fstat(file.handle(), &byHandle) != 0 || byPath.st_dev != byHandle.st_dev ||
            byPath.st_ino != byHandle.st_ino)
            return true;
#else
        if (!QFileInfo::exists(path))
            return true;
#endif
        char count[4];
        if (!file.seek(4) || file.read(count, 4) != 4)
            return true;
        return qFromLittleEndian<quint32>(count) != quint32(recordCount);
    }

    void requireUnchanged() {
        if (changedOnDisk())
            throw VantoroError(
                QStringLiteral("The table %1 was changed by another program after it was read; "
                               "nothing was written.")
                    .arg(fileName));
    }

    // --- the index order ---

    // Three-way comparison of two records by the key of the current tag.
    int compareKeys(const char* a, const char* b) const {
        const DbfField& f = fields[size_t(tags[size_t(order - 1)].field)];
        switch (f.type) {
        case 'D': {
            const quint32 ka = DbfFormat::dateKey(a + f.offset), kb = DbfFormat::dateKey(b + f.offset);
            return ka < kb ? -1 : ka > kb ? 1 : 0;
        }
        case 'N': {
            const quint64 ka = numericKey(a, f), kb = numericKey(b, f);
            return ka < kb ? -1 : ka > kb ? 1 : 0;
        }
        default:
            return std::memcmp(a + f.offset, b + f.offset, size_t(f.width));
        }
    }

    static quint64 numericKey(const char* rec, const DbfField& f) {
        const auto value = DbfFormat::parseNumber(QByteArrayView(rec + f.offset, f.width));
        return orderedBits(value.value_or(0.0));
    }

    // Records of equal key keep their physical order, so (key, record number) orders strictly.
    bool before(const char* a, int ra, int rb) const {
        if (order == 0)
            return ra < rb;
        const int c = compareKeys(a, record(rb));
        return c < 0 || (c == 0 && ra < rb);
    }

    // Where record r stands, or would stand, in `ordered`.
    int positionOf(int r) const {
        const auto it = std::lower_bound(ordered.begin(), ordered.end(), r, [&](int element, int target) {
            return before(record(element), element, target);
        });
        return int(it - ordered.begin());
    }

    void buildOrder() {
        ordered.clear();
        ordered.reserve(size_t(liveCount));
        for (int r = 0; r < recordCount; ++r) {
            if (record(r)[0] != DbfFormat::DeletedFlag)
                ordered.push_back(r);
        }
        if (order == 0)
            return;
        const DbfField& f = fields[size_t(tags[size_t(order - 1)].field)];
        if (f.type == 'D') {
            // Drawings are mostly entered in date order: then the physical order is the date order
            // already, and no key array (8 bytes a record) is needed.
            quint32 previous = 0;
            const bool inOrder = std::all_of(ordered.begin(), ordered.end(), [&](int r) {
                const quint32 key = DbfFormat::dateKey(record(r) + f.offset);
                const bool ascending = key >= previous;
                previous = key;
                return ascending;
            });
            if (inOrder)
                return;
            // Date keys take 27 bits; packed above the record number they sort as plain integers.
            std::vector<quint64> packed(ordered.size());
            for (size_t i = 0; i < ordered.size(); ++i)
                packed[i] =
                    quint64(DbfFormat::dateKey(record(ordered[i]) + f.offset)) << 32 | quint32(ordered[i]);
            std::sort(packed.begin(), packed.end());
            for (size_t i = 0; i < ordered.size(); ++i)
                ordered[i] = int(packed[i] & 0xFFFFFFFFu);
        } else if (f.type == 'N') {
            std::vector<std::pair<quint64, int>> keyed(ordered.size());
            for (size_t i = 0; i < ordered.size(); ++i)
                keyed[i] = {numericKey(record(ordered[i]), f), ordered[i]};
            std::sort(keyed.begin(), keyed.end());
            for (size_t i = 0; i < ordered.size(); ++i)
                ordered[i] = keyed[i].second;
        } else {
            std::sort(ordered.begin(), ordered.end(), [&](int a, int b) { return before(record(a), a, b); });
        }
    }

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

    void writeAt(qint64 offset, const char* bytes, qint64 size) {
        if (!file.seek(offset) || file.write(bytes, size) != size || !file.flush())
            throw VantoroError(
                QStringLiteral("The table %1 could not be written: %2.").arg(fileName, file.errorString()));
    }

    void writeHeader(quint32 count) {
        QByteArray bytes = header32;
        DbfFormat::stampHeader(bytes.data(), QDate::currentDate(), count);
        writeAt(0, bytes.constData(), bytes.size());
        header32 = bytes;
    }

    void post() {
        if (!editing())
            return;
        requireWritable();
        requireUnchanged();
        if (state == State::Append) {
            const int r = recordCount;
            QByteArray bytes = buffer;
            bytes += DbfFormat::EndOfData;
            // The record goes first: a crash before the header is written leaves bytes after the
            // last counted record, which the next open ignores.
            writeAt(fileOffset(r), bytes.constData(), bytes.size());
            writeHeader(quint32(r + 1));
            records.append(buffer);
            ++recordCount;
            ++liveCount;
            const int p = positionOf(r);
            ordered.insert(ordered.begin() + p, r);
            setPosition(p);
        } else {
            const int r = ordered[size_t(pos)];
            writeAt(fileOffset(r), buffer.constData(), buffer.size());
            writeHeader(quint32(recordCount));
            ordered.erase(ordered.begin() + pos);
            std::memcpy(records.data() + qsizetype(r) * recordLength, buffer.constData(),
                        size_t(recordLength));
            const int p = positionOf(r);
            ordered.insert(ordered.begin() + p, r);
            setPosition(p);
        }
        state = State::Browse;
        buffer.clear();
        modified = false;
    }

    void cancel() {
        if (state == State::Append)
            setPosition(posBeforeAppend);
        if (editing())
            state = State::Browse;
        buffer.clear();
        modified = false;
    }

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
    void encode(const DbfField& field, QAnyStringView text, char* dest) const {
        if (field.type == 'C' && text.size() <= field.width) {
            const bool ascii = text.visit([&](auto view) {
                const auto* units = view.data();
                for (qsizetype i = 0; i < view.size(); ++i) {
                    const uint unit = codeUnit(units[i]);
                    if (unit >= 0x80)
                        return false;
                    dest[field.offset + i] = char(unit);
                }
                return true;
            });
            if (ascii) {
                std::memset(dest + field.offset + text.size(), ' ', size_t(field.width - text.size()));
                return;
            }
        }
        // Text in UTF-16, as a QString gives it, is read where it stands.
        const QByteArray bytes = text.visit([&](auto view) {
            if constexpr (std::is_same_v<decltype(view), QStringView>)
                return fieldValue(field, view);
            else
                return fieldValue(field, view.toString());
        });
        std::memcpy(dest + field.offset, bytes.constData(), size_t(field.width));
    }

    // The stored bytes of `text` in the field, or VantoroError naming the field.
    QByteArray fieldValue(const DbfField& f, QStringView text) const {
        switch (f.type) {
        case 'D': {
            const auto bytes = DbfFormat::storedDate(text);
            if (!bytes)
                throw VantoroError(QStringLiteral("\"%1\" is not a date for the field %2 of %3.")
                                       .arg(text, f.name, fileName));
            return *bytes;
        }
        case 'N': {
            const QStringView trimmed = text.trimmed();
            if (trimmed.isEmpty())
                return QByteArray(f.width, ' ');
            const auto value = DbfFormat::parseNumber(trimmed.toLatin1());
            if (!value)
                throw VantoroError(QStringLiteral("\"%1\" is not a number for the field %2 of %3.")
                                       .arg(text, f.name, fileName));
            const auto bytes = DbfFormat::formatNumber(*value, f.width, f.decimals);
            if (!bytes)
                tooWide(f, trimmed.toString());
            return *bytes;
        }
        default:
            return textBytes(f, text.toString());
        }
    }

    QByteArray textBytes(const DbfField& field, const QString& text) const {
        QByteArray bytes;
        QChar bad;
        if (!DbfFormat::encode(text, &bytes, &bad))
            throw VantoroError(QStringLiteral("The field %1 of %2 cannot hold the character \"%3\".")
                                   .arg(field.name, fileName, QString(bad)));
        if (bytes.size() > field.width) {
            while (bytes.size() > field.width && bytes.endsWith(' '))
                bytes.chop(1);
            if (bytes.size() > field.width)
                tooWide(field, QStringLiteral("\"%1\"").arg(text));
        }
        bytes.resize(field.width, ' ');
        return bytes;
    }

    // --- files ---

    void loadIndex() {
        tags.clear();
        const QString found = FileLookup::find(QFileInfo(path).path(), DbfFormat::indexFileName(fileName));
        indexPath =
            found.isEmpty() ? QFileInfo(path).dir().filePath(DbfFormat::indexFileName(fileName)) : found;
        if (found.isEmpty())
            return;
        QFile index(found);
        if (!index.open(QIODevice::ReadOnly))
            throw VantoroError(QStringLiteral("The index file %1 cannot be opened: %2.")
                                   .arg(QFileInfo(found).fileName(), index.errorString()));
        // Our index files are a few hundred bytes; anything far larger is another program's.
        const QByteArray bytes = index.read(64 * 1024);
        const auto ours = DbfFormat::parseIndexFile(bytes);
        if (!ours) {
            const auto date =
                std::find_if(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'D'; });
            if (date != fields.end())
                tags.push_back({QStringLiteral("DATETAG"), date->name, int(date - fields.begin())});
            return;
        }
        for (const DbfFormat::IndexTag& tag : *ours) {
            const auto it = fieldByName.constFind(tag.expression.trimmed().toUpper());
            if (it == fieldByName.constEnd())
                throw VantoroError(
                    QStringLiteral("The index file %1 orders by %2, which is not a field of %3.")
                        .arg(QFileInfo(found).fileName(), tag.expression, fileName));
            tags.push_back({tag.name, tag.expression, it.value()});
        }
    }

    void openFile(const QString& filePath) {
        const QFileInfo info(filePath);
        path = info.filePath();
        fileName = info.fileName();
        // Opening a named pipe would wait for a writer forever.
        if (info.exists() && !info.isFile())
            throw VantoroError(QStringLiteral("The table %1 is not a regular file.").arg(fileName));
        file.setFileName(path);
        readOnly = false;
        if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            readOnly = true;
            if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
                throw VantoroError(
                    QStringLiteral("The table %1 cannot be opened: %2.").arg(fileName, file.errorString()));
        }
    }

    void load(const QString& filePath) {
        openFile(filePath);
        const qint64 size = file.size();
        QByteArray head = file.read(DbfFormat::HeaderSize);
        if (head.size() >= DbfFormat::HeaderSize) {
            const int length = int(quint8(head[8])) | int(quint8(head[9])) << 8;
            if (length > DbfFormat::HeaderSize && length <= size)
                head += file.read(length - DbfFormat::HeaderSize);
        }
        const DbfFormat::Header header = DbfFormat::parseHeader(head, size, fileName);
        header32 = head.left(DbfFormat::HeaderSize);
        headerLength = header.headerLength;
        recordLength = header.recordLength;
        fields = header.fields;
        fieldByName.clear();
        for (int i = int(fields.size()) - 1; i >= 0; --i)
            fieldByName.insert(fields[size_t(i)].name, i); // the first of equal names wins
        recordCount = int(header.recordCount);
        const qint64 dataSize = qint64(recordCount) * recordLength;
        records.resize(dataSize);
        if (!file.seek(headerLength) || file.read(records.data(), dataSize) != dataSize)
            throw VantoroError(
                QStringLiteral("The table %1 could not be read: %2.").arg(fileName, file.errorString()));
        liveCount = 0;
        for (int r = 0; r < recordCount; ++r) {
            if (record(r)[0] != DbfFormat::DeletedFlag)
                ++liveCount;
        }
        loadIndex();
        state = State::Browse;
        order = 0;
        buildOrder();
        setPosition(0);
    }

    void reset() {
        if (file.isOpen())
            file.close();
        state = State::Closed;
        path.clear();
        fileName.clear();
        indexPath.clear();
        header32.clear();
        fields.clear();
        fieldByName.clear();
        records.clear();
        recordCount = liveCount = 0;
        tags.clear();
        order = 0;
        ordered.clear();
        pos = -1;
        atEof = atBof = true;
        buffer.clear();
        modified = false;
    }

    void writeIndexFile() {
        std::vector<DbfFormat::IndexTag> list;
        for (const Tag& tag : tags)
            list.push_back({tag.name, tag.expression});
        const QString cause = AtomicFile::writeFile(indexPath, DbfFormat::indexFileBytes(list));
        if (!cause.isEmpty())
            throw VantoroError(QStringLiteral("The index file %1 could not be written: %2.")
                                   .arg(QFileInfo(indexPath).fileName(), cause));
    }

    void pack() {
        leaveRecord();
        requireWritable();
        requireUnchanged();
        std::vector<int> renumbered(size_t(recordCount), -1);
        QByteArray kept;
        kept.reserve(qsizetype(liveCount) * recordLength);
        int next = 0;
        for (int r = 0; r < recordCount; ++r) {
            if (record(r)[0] == DbfFormat::DeletedFlag)
                continue;
            kept.append(record(r), recordLength);
            renumbered[size_t(r)] = next++;
        }
        QByteArray head = header32;
        DbfFormat::stampHeader(head.data(), QDate::currentDate(), quint32(next));
        head += DbfFormat::tableHeader(fields, 0, QDate()).mid(DbfFormat::HeaderSize);
        // The descriptors are written afresh, so the header length becomes our own.
        const int newHeaderLength = int(head.size());
        head[8] = static_cast<char>(newHeaderLength & 0xFF);
        head[9] = static_cast<char>(newHeaderLength >> 8);

        AtomicFile out(path);
        if (!out.open() || !out.write(head) || !out.write(kept) ||
            !out.write(QByteArrayView(&DbfFormat::EndOfData, 1)) || !out.commit())
            throw VantoroError(
                QStringLiteral("The table %1 could not be packed: %2.").arg(fileName, out.errorText()));

        const int currentRecord = pos >= 0 ? ordered[size_t(pos)] : -1;
        file.close();
        openFile(path);
        header32 = head.left(DbfFormat::HeaderSize);
        headerLength = newHeaderLength;
        records = kept;
        recordCount = liveCount = next;
        for (int& r : ordered)
            r = renumbered[size_t(r)];
        setPosition(currentRecord >= 0 ? positionOf(renumbered[size_t(currentRecord)]) : 0);
    }
};

DbfTable::DbfTable() : d(std::make_unique<Impl>()) {}

DbfTable::~DbfTable() = default;

void DbfTable::open(const QString& dir, const QString& fileName, bool exclusive) {
    close();
    const QString found = FileLookup::find(dir, fileName);
    if (found.isEmpty())
        throw VantoroError(QStringLiteral("The table %1 does not exist in %2.")
                               .arg(fileName, QDir::toNativeSeparators(dir)));
    open(found, exclusive);
}

void DbfTable::open(const QString& dir, const char* fileName, bool exclusive) {
    open(dir, QString::fromUtf8(fileName), exclusive);
}

void DbfTable::open(const QString& path, bool exclusive) {
    (void)exclusive;
    close();
    const QFileInfo info(path);
    const QString found = FileLookup::find(info.path(), info.fileName());
    if (found.isEmpty())
        throw VantoroError(
            QStringLiteral("The table %1 does not exist.").arg(QDir::toNativeSeparators(path)));
    try {
        d->load(found);
    } catch (...) {
        d->reset();
        throw;
    }
}

void DbfTable::close() {
    d->reset();
}

bool DbfTable::changedOnDisk() const {
    return d->state != State::Closed && d->changedOnDisk();
}

void DbfTable::reopen() {
    d->requireOpen();
    const QString path = d->path;
    const int order = d->order;
    const int record = recordNumber();
    open(path);
    if (order <= tagCount())
        SetOrder(order);
    if (record >= 1 && record <= d->recordCount && d->record(record - 1)[0] != DbfFormat::DeletedFlag)
        GoToRecord(record);
}

bool DbfTable::isOpen() const {
    return d->state != State::Closed;
}

QString DbfTable::path() const {
    return d->path;
}

QString DbfTable::fileName() const {
    return d->fileName;
}

QString DbfTable::indexPath() const {
    return d->indexPath;
}

DbfTable::State DbfTable::state() const {
    return d->state;
}

const std::vector<DbfField>& DbfTable::fields() const {
    return d->fields;
}

int DbfTable::fieldIndex(const QString& name) const {
    const auto it = d->fieldByName.constFind(name.trimmed().toUpper());
    return it == d->fieldByName.constEnd() ? -1 : it.value();
}

int DbfTable::FieldWidth(const QString& name) const {
    return d->fields[size_t(d->requireField(name))].width;
}

void DbfTable::SetOrder(int tag) {
    d->requireOpen();
    if (tag < 0 || tag > int(d->tags.size()))
        throw VantoroError(QStringLiteral("The table %1 has no index tag %2.").arg(d->fileName).arg(tag));
    d->leaveRecord();
    const int currentRecord = d->pos >= 0 ? d->ordered[size_t(d->pos)] : -1;
    d->order = tag;
    d->buildOrder();
    d->setPosition(currentRecord >= 0 ? d->positionOf(currentRecord) : 0);
}

int DbfTable::order() const {
    return d->order;
}

int DbfTable::tagCount() const {
    return int(d->tags.size());
}

QString DbfTable::tagName(int tag) const {
    return tag >= 1 && tag <= tagCount() ? d->tags[size_t(tag - 1)].name : QString();
}

QString DbfTable::tagExpression(int tag) const {
    return tag >= 1 && tag <= tagCount() ? d->tags[size_t(tag - 1)].expression : QString();
}

int DbfTable::RecordCount() const {
    return d->liveCount;
}

void DbfTable::GoTop() {
    d->requireOpen();
    d->leaveRecord();
    d->setPosition(0);
}

void DbfTable::GoBottom() {
    d->requireOpen();
    d->leaveRecord();
    d->setPosition(int(d->ordered.size()) - 1);
}

int DbfTable::Skip(int count) {
    d->requireOpen();
    d->leaveRecord();
    if (d->ordered.empty()) {
        d->atEof = d->atBof = true;
        return 0;
    }
    const qint64 last = qint64(d->ordered.size()) - 1;
    const qint64 target = qint64(d->pos) + count;
    const int from = d->pos;
    d->atEof = target > last;
    d->atBof = target < 0;
    d->pos = int(std::clamp<qint64>(target, 0, last));
    return d->pos - from;
}

bool DbfTable::eof() const {
    return d->atEof;
}

bool DbfTable::bof() const {
    return d->atBof;
}

void DbfTable::GoToRecord(int recordNumber) {
    d->requireOpen();
    if (recordNumber < 1 || recordNumber > d->recordCount)
        throw VantoroError(
            QStringLiteral("The table %1 has no record %2.").arg(d->fileName).arg(recordNumber));
    if (d->record(recordNumber - 1)[0] == DbfFormat::DeletedFlag)
        throw VantoroError(
            QStringLiteral("Record %1 of %2 has been deleted.").arg(recordNumber).arg(d->fileName));
    d->leaveRecord();
    d->setPosition(d->positionOf(recordNumber - 1));
}

int DbfTable::recordNumber() const {
    return d->pos >= 0 ? d->ordered[size_t(d->pos)] + 1 : 0;
}

int DbfTable::OrderPosition() const {
    return d->state == State::Append ? 0 : d->pos + 1;
}

bool DbfTable::isDeleted() const {
    return d->pos >= 0 && d->record(d->ordered[size_t(d->pos)])[0] == DbfFormat::DeletedFlag;
}

QString DbfTable::FieldText(const QString& name) const {
    return FieldText(d->requireField(name));
}

QString DbfTable::FieldText(int field) const {
    d->requireFieldIndex(field);
    const DbfField& f = d->fields[size_t(field)];
    if (f.type == 'D')
        return DateText(field);
    return DbfFormat::decode(d->current() + f.offset, f.width);
}

QByteArrayView DbfTable::fieldBytes(int field) const {
    d->requireFieldIndex(field);
    const DbfField& f = d->fields[size_t(field)];
    return QByteArrayView(d->current() + f.offset, f.width);
}

QString DbfTable::DateText(const QString& name) const {
    return DateText(d->requireField(name));
}

QString DbfTable::DateText(int field) const {
    d->requireFieldIndex(field);
    const DbfField& f = d->fields[size_t(field)];
    if (f.type != 'D')
        throw VantoroError(
            QStringLiteral("The field %1 of %2 is not a date field.").arg(f.name, d->fileName));
    const char* bytes = d->current() + f.offset;
    const auto text = DbfFormat::dateText(bytes);
    if (!text)
        throw VantoroError(
            QStringLiteral("Record %1 of %2 holds \"%3\" in the date field %4, which is not a date.")
                .arg(recordNumber())
                .arg(d->fileName, DbfFormat::decode(bytes, f.width), f.name));
    return *text;
}

double DbfTable::fieldNumber(const QString& name) const {
    const DbfField& f = d->fields[size_t(d->requireField(name))];
    if (f.type == 'D')
        throw VantoroError(
            QStringLiteral("The field %1 of %2 is not a numeric field.").arg(f.name, d->fileName));
    const char* bytes = d->current() + f.offset;
    const auto value = DbfFormat::parseNumber(QByteArrayView(bytes, f.width));
    if (!value)
        throw VantoroError(
            QStringLiteral("Record %1 of %2 holds \"%3\" in the field %4, which is not a number.")
                .arg(recordNumber())
                .arg(d->fileName, DbfFormat::decode(bytes, f.width).trimmed(), f.name));
    return *value;
}

void DbfTable::append() {
    d->requireOpen();
    d->leaveRecord();
    d->requireWritable();
    d->requireRoomFor(1);
    d->posBeforeAppend = d->pos;
    d->buffer = QByteArray(d->recordLength, ' ');
    d->state = State::Append;
    d->modified = false;
}

void DbfTable::edit() {
    d->requireOpen();
    if (d->editing())
        return;
    d->requireWritable();
    if (d->ordered.empty()) {
        append();
        return;
    }
    d->buffer = QByteArray(d->record(d->ordered[size_t(d->pos)]), d->recordLength);
    d->state = State::Edit;
    d->modified = false;
}

void DbfTable::post() {
    d->requireOpen();
    d->post();
}

void DbfTable::cancel() {
    d->requireOpen();
    d->cancel();
}

void DbfTable::SetField(const QString& name, const QString& text) {
    const DbfField& f = d->fields[size_t(d->requireField(name))];
    d->requireEditing(f);
    d->putField(f, d->fieldValue(f, text));
}

// A number goes into a character field as its text and into a numeric one in the field's format.
template <typename Number> void DbfTable::setNumberField(const QString& name, Number value) {
    const DbfField& f = d->fields[size_t(d->requireField(name))];
    d->requireEditing(f);
    if (f.type == 'D')
        throw VantoroError(QStringLiteral("The date field %1 of %2 cannot hold the number %3.")
                               .arg(f.name, d->fileName, QString::number(value)));
    if (f.type == 'C') {
        d->putField(f, d->textBytes(f, QString::number(value)));
        return;
    }
    const auto bytes = DbfFormat::formatNumber(value, f.width, f.decimals);
    if (!bytes) {
        if constexpr (std::is_floating_point_v<Number>)
            d->tooWide(f, QString::number(value, 'f', f.decimals));
        else
            d->tooWide(f, QString::number(value));
    }
    d->putField(f, *bytes);
}

void DbfTable::setFieldInteger(const QString& name, qint64 value) {
    setNumberField(name, value);
}

void DbfTable::setFieldDouble(const QString& name, double value) {
    setNumberField(name, value);
}

void DbfTable::setFieldDate(const QString& name, const QString& dateText) {
    const DbfField& f = d->fields[size_t(d->requireField(name))];
    d->requireEditing(f);
    if (f.type != 'D')
        throw VantoroError(
            QStringLiteral("The field %1 of %2 is not a date field.").arg(f.name, d->fileName));
    SetField(name, dateText);
}

void DbfTable::DeleteRecord() {
    d->requireOpen();
    if (d->state == State::Append) {
        d->cancel();
        return;
    }
    d->cancel();
    if (d->pos < 0)
        throw VantoroError(
            QStringLiteral("The table %1 has no record to delete: it is empty.").arg(d->fileName));
    d->requireWritable();
    d->requireUnchanged();
    const int r = d->ordered[size_t(d->pos)];
    const char flag = DbfFormat::DeletedFlag;
    d->writeAt(d->fileOffset(r), &flag, 1);
    d->writeHeader(quint32(d->recordCount));
    d->records[qsizetype(r) * d->recordLength] = flag;
    --d->liveCount;
    d->ordered.erase(d->ordered.begin() + d->pos);
    // The cursor moves on to the record that followed, or to the new last one.
    d->setPosition(d->pos);
}

void DbfTable::Pack() {
    d->requireOpen();
    d->pack();
}

void DbfTable::encodeField(int field, QAnyStringView text, char* record) const {
    d->requireFieldIndex(field);
    d->encode(d->fields[size_t(field)], text, record);
}

void DbfTable::encodeField(int field, const QDate& date, char* record) const {
    d->requireFieldIndex(field);
    const DbfField& f = d->fields[size_t(field)];
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (f.type != 'D' || !date.isValid() || year < 1000 || year > 9999) {
        // What a date gives as text: blank for no date, and a refusal naming the field.
        encodeField(field, date.toString(QStringLiteral("MM/dd/yyyy")), record);
        return;
    }
    char* out = record + f.offset;
    for (int i = 3; i >= 0; --i, year /= 10)
        out[i] = char('0' + year % 10);
    out[4] = char('0' + month / 10);
    out[5] = char('0' + month % 10);
    out[6] = char('0' + day / 10);
    out[7] = char('0' + day % 10);
}

void DbfTable::appendRecords(QByteArrayView records) {
    d->requireOpen();
    d->leaveRecord();
    d->requireWritable();
    if (records.isEmpty())
        return;
    if (records.size() % d->recordLength != 0)
        throw VantoroError(QStringLiteral("The records for %1 are not whole records.").arg(d->fileName));
    d->requireUnchanged();
    const qint64 added = records.size() / d->recordLength;
    d->requireRoomFor(added);
    const int first = d->recordCount;
    // The records go first and the header after, as a post writes them.
    QByteArray bytes;
    bytes.reserve(records.size() + 1);
    bytes.append(records.data(), records.size());
    bytes.append(DbfFormat::EndOfData);
    d->writeAt(d->fileOffset(first), bytes.constData(), bytes.size());
    d->writeHeader(quint32(first + added));
    d->records.append(records.data(), records.size());
    d->recordCount = int(first + added);
    for (int r = first; r < d->recordCount; ++r) {
        if (d->record(r)[0] != DbfFormat::DeletedFlag)
            ++d->liveCount;
    }
    if (d->order == 0) {
        for (int r = first; r < d->recordCount; ++r) {
            if (d->record(r)[0] != DbfFormat::DeletedFlag)
                d->ordered.push_back(r);
        }
    } else {
        d->buildOrder();
    }
    d->setPosition(d->positionOf(d->recordCount - 1));
}

bool DbfTable::appendAll(int count, const RecordBuilder& build, const AppendProgress& progress,
                         const QString& what) {
    if (count <= 0)
        return true;
    d->requireOpen();
    d->leaveRecord();
    d->requireWritable();
    d->requireUnchanged();
    d->requireRoomFor(count);
    const QString path = d->path;
    const QString name = d->fileName;
    const int order = d->order;
    const int before = d->liveCount;
    const qsizetype recordLength = d->recordLength;
    const auto cannot = [&](const QString& cause) {
        return VantoroError(QStringLiteral("The %1 cannot be added to %2: %3.").arg(what, name, cause));
    };
    // The table is opened afresh on every way out, as a new open would find it.
    const auto reopen = [&] {
        open(path);
        SetOrder(order);
    };

    AtomicFile copy(path);
    try {
        {
            QFile original(path);
            if (!original.open(QIODevice::ReadOnly) || !copy.open())
                throw cannot(QStringLiteral("no working copy can be made in %1")
                                 .arg(QDir::toNativeSeparators(QFileInfo(path).path())));
            if (!copy.write(original.readAll()))
                throw cannot(copy.errorText());
        }
        DbfTable work;
        work.open(copy.temporaryPath(), true);
        const QByteArray blank(recordLength, ' ');
        QByteArray batch;
        batch.reserve(qsizetype(AppendBatchRecords) * recordLength);
        for (int i = 0; i < count; ++i) {
            if (progress && i % AppendProgressStep == 0 && !progress(i, count)) {
                work.close();
                reopen();
                return false;
            }
            const qsizetype at = batch.size();
            batch.append(blank);
            build(i, batch.data() + at);
            if (batch.size() >= qsizetype(AppendBatchRecords) * recordLength || i == count - 1) {
                work.appendRecords(batch);
                if (i < count - 1)
                    batch.resize(0);
            }
        }
        // The batch ends with the last record written; the copy must read back with it.
        const QByteArrayView last = QByteArrayView(batch).last(recordLength);
        work.close();
        work.open(copy.temporaryPath());
        const bool same = work.RecordCount() == before + count &&
                          QByteArrayView(work.d->record(work.d->recordCount - 1), recordLength) == last;
        work.close();
        if (!same)
            throw cannot(QStringLiteral("the working copy did not read back as written"));
        if (progress)
            progress(count, count);
        close();
        if (!copy.commit())
            throw cannot(copy.errorText());
    } catch (const VantoroError& failure) {
        // The file is as it was; give the table back open, or say why it cannot be.
        try {
            reopen();
        } catch (const VantoroError& reopenFailure) {
            throw VantoroError(failure.message() + QLatin1Char(' ') + reopenFailure.message());
        }
        throw;
    }
    reopen();
    return true;
}

DbfTable::Bookmark DbfTable::bookmark() const {
    return recordNumber();
}

void DbfTable::goToBookmark(Bookmark mark) {
    GoToRecord(mark);
}

void DbfTable::CreateIndexTag(const QString& tagName, const QString& keyExpression) {
    d->requireOpen();
    const QString name = tagName.trimmed().toUpper();
    if (name.isEmpty() || name.size() > DbfFormat::MaxNameLength)
        throw VantoroError(
            QStringLiteral("\"%1\" is not a valid index tag name for %2.").arg(tagName, d->fileName));
    const QString expression = keyExpression.trimmed().toUpper();
    const auto it = d->fieldByName.constFind(expression);
    if (it == d->fieldByName.constEnd())
        throw VantoroError(
            QStringLiteral("The index key %1 is not a field of %2.").arg(keyExpression, d->fileName));
    d->requireWritable();
    std::vector<Impl::Tag> before = d->tags;
    const auto existing =
        std::find_if(d->tags.begin(), d->tags.end(), [&](const Impl::Tag& t) { return t.name == name; });
    if (existing != d->tags.end())
        *existing = {name, expression, it.value()};
    else
        d->tags.push_back({name, expression, it.value()});
    try {
        d->writeIndexFile();
    } catch (...) {
        d->tags = before;
        throw;
    }
    if (d->order > 0) {
        d->leaveRecord();
        const int currentRecord = d->pos >= 0 ? d->ordered[size_t(d->pos)] : -1;
        d->buildOrder();
        d->setPosition(currentRecord >= 0 ? d->positionOf(currentRecord) : 0);
    }
}
