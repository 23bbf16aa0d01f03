// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/atomic_file.h"
#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "db/file_lookup.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <QFileInfo>

void DbfTable::Creator::CreateTable(const QString& path, int fieldCount) {
    m_path = path;
    m_fields.clear();
    m_expectedFields = 0;
    const QFileInfo info(path);
    if (path.isEmpty() || info.fileName().isEmpty())
        throw VantoroError(QStringLiteral("No file name was given for the new table."));
    if (fieldCount < 1 || fieldCount > 255)
        throw VantoroError(
            QStringLiteral("The table %1 cannot have %2 fields.").arg(info.fileName()).arg(fieldCount));
    if (!info.dir().exists())
        throw VantoroError(
            QStringLiteral("The folder of %1 does not exist.").arg(QDir::toNativeSeparators(path)));
    m_expectedFields = fieldCount;
}

void DbfTable::Creator::AddField(const QString& fieldName, char type, int width, int decimals) {
    const QString file = QFileInfo(m_path).fileName();
    const auto fail = [&](const QString& why) {
        throw VantoroError(
            QStringLiteral("The field %1 cannot be added to %2: %3.").arg(fieldName, file, why));
    };
    if (m_path.isEmpty() || m_expectedFields == 0)
        fail(QStringLiteral("no table is being created"));
    if (int(m_fields.size()) >= m_expectedFields)
        fail(QStringLiteral("the table was declared with %1 fields").arg(m_expectedFields));
    const QString name = fieldName.trimmed().toUpper().left(DbfFormat::MaxNameLength);
    if (name.isEmpty() || !(name[0] >= QLatin1Char('A') && name[0] <= QLatin1Char('Z')))
        fail(QStringLiteral("a field name starts with a letter"));
    for (QChar c : name) {
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
              (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')))
            fail(QStringLiteral("a field name holds only letters, digits and _"));
    }
    for (const DbfField& f : m_fields) {
        if (f.name == name)
            fail(QStringLiteral("the table already has a field of that name"));
    }
    switch (type) {
    case 'C':
        if (width < 1 || width > 254 || decimals != 0)
            fail(QStringLiteral("a character field is 1 to 254 characters wide, without decimals"));
        break;
    case 'D':
        if (width != 8 || decimals != 0)
            fail(QStringLiteral("a date field is 8 characters wide"));
        break;
    case 'N':
        if (width < 1 || width > 20 || decimals < 0 || (decimals > 0 && decimals > width - 2))
            fail(QStringLiteral("a numeric field is 1 to 20 characters wide, with room for its decimals"));
        break;
    default:
        fail(QStringLiteral("the type must be C, D or N"));
    }
    int recordLength = 1;
    for (const DbfField& f : m_fields)
        recordLength += f.width;
    if (recordLength + width > 65535)
        fail(QStringLiteral("the record would be too long"));
    DbfField field;
    field.name = name;
    field.type = type;
    field.width = width;
    field.decimals = decimals;
    m_fields.push_back(field);
}

void DbfTable::Creator::CommitCreate() {
    const QString file = QFileInfo(m_path).fileName();
    if (m_path.isEmpty() || int(m_fields.size()) != m_expectedFields)
        throw VantoroError(
            QStringLiteral("The table %1 cannot be written: it was declared with %2 fields and has %3.")
                .arg(file)
                .arg(m_expectedFields)
                .arg(m_fields.size()));
    QByteArray bytes = DbfFormat::tableHeader(m_fields, 0, QDate::currentDate());
    bytes += DbfFormat::EndOfData;
    const QString cause = AtomicFile::writeFile(m_path, bytes);
    if (!cause.isEmpty())
        throw VantoroError(QStringLiteral("The table %1 could not be written: %2.").arg(file, cause));
    // A new table starts without tags; an index left by an older table of that name would lie.
    const QFileInfo info(m_path);
    const QString stale = FileLookup::find(info.path(), DbfFormat::indexFileName(info.fileName()));
    if (!stale.isEmpty() && !QFile::remove(stale))
        throw VantoroError(
            QStringLiteral("The old index file %1 could not be removed.").arg(QFileInfo(stale).fileName()));
    m_expectedFields = 0;
    m_fields.clear();
}
