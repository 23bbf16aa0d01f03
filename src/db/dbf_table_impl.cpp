// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table_impl.h"

#include "db/atomic_file.h"
#include "db/file_lookup.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace

bool DbfTable::Impl::changedOnDisk() {
#ifdef Q_OS_UNIX
    struct stat byPath {};
    struct stat byHandle {};
    if (::stat(QFile::encodeName(path).constData(), &byPath) != 0 || ::fstat(file.handle(), &byHandle) != 0 ||
        byPath.st_dev != byHandle.st_dev || byPath.st_ino != byHandle.st_ino)
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

void DbfTable::Impl::requireUnchanged() {
    if (changedOnDisk())
        throw VantoroError(QStringLiteral("The table %1 was changed by another program after it was read; "
                                          "nothing was written.")
                               .arg(fileName));
}

int DbfTable::Impl::compareKeys(const char* a, const char* b) const {
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

quint64 DbfTable::Impl::numericKey(const char* rec, const DbfField& f) {
    const auto value = DbfFormat::parseNumber(QByteArrayView(rec + f.offset, f.width));
    return orderedBits(value.value_or(0.0));
}

bool DbfTable::Impl::before(const char* a, int ra, int rb) const {
    if (order == 0)
        return ra < rb;
    const int c = compareKeys(a, record(rb));
    return c < 0 || (c == 0 && ra < rb);
}

int DbfTable::Impl::positionOf(int r) const {
    const auto it = std::lower_bound(ordered.begin(), ordered.end(), r, [&](int element, int target) {
        return before(record(element), element, target);
    });
    return int(it - ordered.begin());
}

void DbfTable::Impl::buildOrder() {
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

void DbfTable::Impl::writeAt(qint64 offset, const char* bytes, qint64 size) {
    if (!file.seek(offset) || file.write(bytes, size) != size || !file.flush())
        throw VantoroError(
            QStringLiteral("The table %1 could not be written: %2.").arg(fileName, file.errorString()));
}

void DbfTable::Impl::writeHeader(quint32 count) {
    QByteArray bytes = header32;
    DbfFormat::stampHeader(bytes.data(), QDate::currentDate(), count);
    writeAt(0, bytes.constData(), bytes.size());
    header32 = bytes;
}

void DbfTable::Impl::post() {
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
        std::memcpy(records.data() + qsizetype(r) * recordLength, buffer.constData(), size_t(recordLength));
        const int p = positionOf(r);
        ordered.insert(ordered.begin() + p, r);
        setPosition(p);
    }
    state = State::Browse;
    buffer.clear();
    modified = false;
}

void DbfTable::Impl::cancel() {
    if (state == State::Append)
        setPosition(posBeforeAppend);
    if (editing())
        state = State::Browse;
    buffer.clear();
    modified = false;
}

void DbfTable::Impl::encode(const DbfField& field, QAnyStringView text, char* dest) const {
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

QByteArray DbfTable::Impl::fieldValue(const DbfField& f, QStringView text) const {
    switch (f.type) {
    case 'D': {
        const auto bytes = DbfFormat::storedDate(text);
        if (!bytes)
            throw VantoroError(
                QStringLiteral("\"%1\" is not a date for the field %2 of %3.").arg(text, f.name, fileName));
        return *bytes;
    }
    case 'N': {
        const QStringView trimmed = text.trimmed();
        if (trimmed.isEmpty())
            return QByteArray(f.width, ' ');
        const auto value = DbfFormat::parseNumber(trimmed.toLatin1());
        if (!value)
            throw VantoroError(
                QStringLiteral("\"%1\" is not a number for the field %2 of %3.").arg(text, f.name, fileName));
        const auto bytes = DbfFormat::formatNumber(*value, f.width, f.decimals);
        if (!bytes)
            tooWide(f, trimmed.toString());
        return *bytes;
    }
    default:
        return textBytes(f, text.toString());
    }
}

QByteArray DbfTable::Impl::textBytes(const DbfField& field, const QString& text) const {
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

void DbfTable::Impl::loadIndex() {
    tags.clear();
    const QString found = FileLookup::find(QFileInfo(path).path(), DbfFormat::indexFileName(fileName));
    indexPath = found.isEmpty() ? QFileInfo(path).dir().filePath(DbfFormat::indexFileName(fileName)) : found;
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
            throw VantoroError(QStringLiteral("The index file %1 orders by %2, which is not a field of %3.")
                                   .arg(QFileInfo(found).fileName(), tag.expression, fileName));
        tags.push_back({tag.name, tag.expression, it.value()});
    }
}

void DbfTable::Impl::openFile(const QString& filePath) {
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

void DbfTable::Impl::load(const QString& filePath) {
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

void DbfTable::Impl::reset() {
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

void DbfTable::Impl::writeIndexFile() {
    std::vector<DbfFormat::IndexTag> list;
    for (const Tag& tag : tags)
        list.push_back({tag.name, tag.expression});
    const QString cause = AtomicFile::writeFile(indexPath, DbfFormat::indexFileBytes(list));
    if (!cause.isEmpty())
        throw VantoroError(QStringLiteral("The index file %1 could not be written: %2.")
                               .arg(QFileInfo(indexPath).fileName(), cause));
}

void DbfTable::Impl::pack() {
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
