// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/dbf_field.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The byte layout of dBASE III tables and of our index-tag file, without any file handling,
// so that the table, the fuzz target and the tests share one reading of the bytes.
namespace DbfFormat {

constexpr int HeaderSize = 32;
constexpr int DescriptorSize = 32;
constexpr char FieldTerminator = 0x0D;
constexpr char EndOfData = 0x1A;
constexpr char LiveFlag = ' ';
constexpr char DeletedFlag = '*';
constexpr int MaxNameLength = 10;
// The records of a table are read into memory whole. A gigabyte is some forty million drawings, far
// beyond any lottery's history, so a larger table is refused before it is read rather than left to
// exhaust the memory (a sparse file can claim any size).
constexpr qint64 MaxRecordBytes = qint64(1) << 30;

struct Header {
    quint8 version = 0x03;
    QDate lastUpdate;
    quint32 recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::vector<DbfField> fields;
};

// Reads the 32-byte header and the field descriptors. `bytes` is the start of the file (at least
// the header length it states, when the file is that long); `fileSize` is the size of the whole file.
// Throws VantoroError naming `fileName` and the fault when the file is not a table we can read.
Header parseHeader(QByteArrayView bytes, qint64 fileSize, const QString& fileName);

// The 32-byte header as written to the file.
QByteArray headerBytes(const Header& header);
// Sets the last-update date and the record count in a 32-byte header, leaving its other bytes.
void stampHeader(char* header32, const QDate& lastUpdate, quint32 recordCount);
// A full header for these fields: the 32 bytes, the descriptors and the terminator.
QByteArray tableHeader(const std::vector<DbfField>& fields, quint32 recordCount, const QDate& lastUpdate);
// Header length and record length of a table with these fields (offsets are filled in).
void layOut(std::vector<DbfField>& fields, int* headerLength, int* recordLength);

// Text in the file is Windows-1252.
QString decode(const char* bytes, int size);
// Returns false when `text` holds a character Windows-1252 cannot store; `bad` receives it.
bool encode(const QString& text, QByteArray* out, QChar* bad = nullptr);

// A stored date "YYYYMMDD" as the integer YYYYMMDD; 0 for a blank or malformed date.
quint32 dateKey(const char* bytes);
// A stored date as "MM/DD/YYYY"; empty for blanks; nullopt when it is not a valid date.
std::optional<QString> dateText(const char* bytes);
// "MM/DD/YYYY" (or "M/D/YY": years 60..99 are 19xx, 00..59 are 20xx) as the 8 stored bytes;
// blank text gives a blank date; nullopt when it is not a valid date.
std::optional<QByteArray> storedDate(QStringView text);

// A numeric field's text as a number; blanks are 0; nullopt when it is not a number.
std::optional<double> parseNumber(QByteArrayView text);
// The right-aligned text of a numeric field; nullopt when it does not fit `width`.
std::optional<QByteArray> formatNumber(double value, int width, int decimals);
std::optional<QByteArray> formatNumber(qint64 value, int width, int decimals);

// The .NSX production index file. See dbf_format.cpp for its layout.
struct IndexTag {
    QString name;
    QString expression;
};
constexpr int MaxExpressionLength = 64;
// The production index's file name for a table's: the base name with .NSX (.nsx for a table
// named in lower case).
QString indexFileName(const QString& tableFileName);
QByteArray indexFileBytes(const std::vector<IndexTag>& tags);
// nullopt when the bytes are not an index file of ours (another program's index file).
std::optional<std::vector<IndexTag>> parseIndexFile(QByteArrayView bytes);

} // namespace DbfFormat
