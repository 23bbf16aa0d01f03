// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"

#include "db/atomic_file.h"
#include "db/dbf_format.h"
#include "db/dbf_table_impl.h"
#include "db/file_lookup.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// Records written with one write when appending many; how often such an append reports progress.
constexpr int AppendBatchRecords = 4096;
constexpr int AppendProgressStep = 250;

} // namespace

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
