// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_format.h"

#include "db/windows1252.h"

#include "db/vantoro_error.h"

#include <QLocale>
#include <array>
#include <cmath>
#include <cstring>

namespace DbfFormat {

namespace {

quint8 byteAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<quint8>(bytes[i]);
}

quint32 le32(QByteArrayView bytes, qsizetype i) {
    return quint32(byteAt(bytes, i)) | quint32(byteAt(bytes, i + 1)) << 8 |
           quint32(byteAt(bytes, i + 2)) << 16 | quint32(byteAt(bytes, i + 3)) << 24;
}

int le16(QByteArrayView bytes, qsizetype i) {
    return int(byteAt(bytes, i)) | int(byteAt(bytes, i + 1)) << 8;
}

void putLe32(char* p, quint32 value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putLe16(char* p, int value) {
    p[0] = static_cast<char>(value & 0xFF);
    p[1] = static_cast<char>((value >> 8) & 0xFF);
}

QString typeText(char type) {
    const auto code = static_cast<quint8>(type);
    if (code >= 0x21 && code < 0x7F)
        return QStringLiteral("'%1'").arg(QLatin1Char(type));
    return QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Header parseHeader(QByteArrayView bytes, qint64 fileSize, const QString& fileName) {
    const auto fault = [&](const QString& why) {
        return VantoroError(QStringLiteral("The file %1 is not a valid table: %2.").arg(fileName, why));
    };
    if (fileSize <= 0)
        throw fault(QStringLiteral("it is empty"));
    if (fileSize < HeaderSize || bytes.size() < HeaderSize)
        throw fault(QStringLiteral("it is only %1 bytes long, too short for a table header").arg(fileSize));

    Header header;
    header.version = byteAt(bytes, 0);
    if (header.version != 0x03 && header.version != 0x83)
        throw fault(QStringLiteral("it does not start like a dBASE III table (its first byte is 0x%1)")
                        .arg(header.version, 2, 16, QLatin1Char('0')));
    header.lastUpdate = QDate(1900 + byteAt(bytes, 1), byteAt(bytes, 2), byteAt(bytes, 3));
    header.recordCount = le32(bytes, 4);
    header.headerLength = le16(bytes, 8);
    header.recordLength = le16(bytes, 10);

    if (header.headerLength > fileSize || header.headerLength > bytes.size())
        throw fault(QStringLiteral("it is shorter than its header says (the header alone takes %L1 bytes, "
                                   "the file holds %L2)")
                        .arg(header.headerLength)
                        .arg(fileSize));

    if (header.headerLength <= HeaderSize)
        throw fault(QStringLiteral("its header length (%1 bytes) leaves no room for fields")
                        .arg(header.headerLength));
    int offset = HeaderSize;
    bool terminated = false;
    int recordOffset = 1;
    while (offset < header.headerLength) {
        if (bytes[offset] == FieldTerminator) {
            terminated = true;
            break;
        }
        if (offset + DescriptorSize > header.headerLength)
            break;
        const QByteArrayView d = bytes.sliced(offset, DescriptorSize);
        DbfField field;
        qsizetype nameLength = 0;
        while (nameLength < 11 && d[nameLength] != '\0')
            ++nameLength;
        field.name = QString::fromLatin1(d.first(nameLength)).trimmed().toUpper();
        const int number = int(header.fields.size()) + 1;
        if (field.name.isEmpty())
            throw fault(QStringLiteral("field %1 has no name").arg(number));
        field.type = d[11];
        field.width = byteAt(d, 16);
        field.decimals = byteAt(d, 17);
        switch (field.type) {
        case 'C':
            // dBASE III keeps no decimals for text; some tools leave a stray value there.
            field.decimals = 0;
            if (field.width == 0)
                throw fault(QStringLiteral("the field %1 has a width of 0").arg(field.name));
            break;
        case 'D':
            field.decimals = 0;
            if (field.width != 8)
                throw fault(QStringLiteral("the date field %1 is %2 characters wide instead of 8")
                                .arg(field.name)
                                .arg(field.width));
            break;
        case 'N':
            if (field.width == 0 || field.width > 20)
                throw fault(QStringLiteral("the numeric field %1 has a width of %2")
                                .arg(field.name)
                                .arg(field.width));
            if (field.decimals > 0 && field.decimals >= field.width)
                throw fault(QStringLiteral("the numeric field %1 has %2 decimals in a width of %3")
                                .arg(field.name)
                                .arg(field.decimals)
                                .arg(field.width));
            break;
        default:
            throw fault(QStringLiteral("the field %1 has the type %2, which Vantoro cannot read")
                            .arg(field.name, typeText(field.type)));
        }
        field.offset = recordOffset;
        recordOffset += field.width;
        header.fields.push_back(field);
        offset += DescriptorSize;
    }
    if (!terminated)
        throw fault(QStringLiteral("its field descriptors run past the end of its header (%1 bytes)")
                        .arg(header.headerLength));
    if (header.fields.empty())
        throw fault(QStringLiteral("it has no fields"));
    if (header.recordLength != recordOffset)
        throw fault(
            QStringLiteral("its record length (%1) is not one more than the sum of its field widths (%2)")
                .arg(header.recordLength)
                .arg(recordOffset - 1));
    if (header.recordCount > 0x7FFFFFFFu)
        throw fault(QStringLiteral("it claims %L1 records").arg(header.recordCount));
    const qint64 needed = qint64(header.headerLength) + qint64(header.recordCount) * header.recordLength;
    if (fileSize < needed)
        throw fault(QStringLiteral("it is shorter than its header says (%L1 records need %L2 bytes, the file "
                                   "holds %L3)")
                        .arg(header.recordCount)
                        .arg(needed)
                        .arg(fileSize));
    if (qint64(header.recordCount) * header.recordLength > MaxRecordBytes)
        throw fault(QStringLiteral("its %L1 records take %L2 MB, more than the %L3 MB a table may hold")
                        .arg(header.recordCount)
                        .arg(qint64(header.recordCount) * header.recordLength / (1024 * 1024))
                        .arg(MaxRecordBytes / (1024 * 1024)));
    return header;
}

void stampHeader(char* header32, const QDate& lastUpdate, quint32 recordCount) {
    if (lastUpdate.isValid()) {
        header32[1] = static_cast<char>(qBound(0, lastUpdate.year() - 1900, 255));
        header32[2] = static_cast<char>(lastUpdate.month());
        header32[3] = static_cast<char>(lastUpdate.day());
    }
    putLe32(header32 + 4, recordCount);
}

QByteArray headerBytes(const Header& header) {
    QByteArray bytes(HeaderSize, '\0');
    bytes[0] = static_cast<char>(header.version);
    stampHeader(bytes.data(), header.lastUpdate, header.recordCount);
    putLe16(bytes.data() + 8, header.headerLength);
    putLe16(bytes.data() + 10, header.recordLength);
    return bytes;
}

void layOut(std::vector<DbfField>& fields, int* headerLength, int* recordLength) {
    int offset = 1;
    for (DbfField& field : fields) {
        field.offset = offset;
        offset += field.width;
    }
    *headerLength = HeaderSize + DescriptorSize * int(fields.size()) + 1;
    *recordLength = offset;
}

QByteArray tableHeader(const std::vector<DbfField>& fields, quint32 recordCount, const QDate& lastUpdate) {
    Header header;
    header.fields = fields;
    layOut(header.fields, &header.headerLength, &header.recordLength);
    header.recordCount = recordCount;
    header.lastUpdate = lastUpdate;
    QByteArray bytes = headerBytes(header);
    for (const DbfField& field : header.fields) {
        QByteArray d(DescriptorSize, '\0');
        const QByteArray name = field.name.toLatin1().left(MaxNameLength);
        std::memcpy(d.data(), name.constData(), size_t(name.size()));
        d[11] = field.type;
        d[16] = static_cast<char>(field.width);
        d[17] = static_cast<char>(field.decimals);
        bytes += d;
    }
    bytes += FieldTerminator;
    return bytes;
}

QString decode(const char* bytes, int size) {
    QString text = Windows1252::decode(bytes, size);
    // Some writers pad with NULs instead of blanks.
    text.replace(QChar(u'\0'), QLatin1Char(' '));
    return text;
}

bool encode(const QString& text, QByteArray* out, QChar* bad) {
    return Windows1252::encode(text, out, bad);
}

namespace {

bool isBlankDate(const char* bytes) {
    for (int i = 0; i < 8; ++i) {
        if (bytes[i] != ' ' && bytes[i] != '\0' && bytes[i] != '0')
            return false;
    }
    return true;
}

bool digitsOf(const char* bytes, int* year, int* month, int* day) {
    for (int i = 0; i < 8; ++i) {
        if (!isDigit(bytes[i]))
            return false;
    }
    const auto digit = [bytes](int i) { return bytes[i] - '0'; };
    *year = digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3);
    *month = digit(4) * 10 + digit(5);
    *day = digit(6) * 10 + digit(7);
    return true;
}

} // namespace

quint32 dateKey(const char* bytes) {
    int year = 0, month = 0, day = 0;
    if (!digitsOf(bytes, &year, &month, &day) || month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return quint32(year * 10000 + month * 100 + day);
}

std::optional<QString> dateText(const char* bytes) {
    if (isBlankDate(bytes))
        return QString();
    int year = 0, month = 0, day = 0;
    if (!digitsOf(bytes, &year, &month, &day) || !QDate::isValid(year, month, day))
        return std::nullopt;
    const char16_t text[10] = {char16_t(bytes[4]), char16_t(bytes[5]), u'/',
                               char16_t(bytes[6]), char16_t(bytes[7]), u'/',
                               char16_t(bytes[0]), char16_t(bytes[1]), char16_t(bytes[2]),
                               char16_t(bytes[3])};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

std::optional<QByteArray> storedDate(QStringView text) {
    // Read in place: every date posted or imported comes through here.
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QByteArray(8, ' ');
    int values[3] = {};
    qsizetype sizes[3] = {};
    qsizetype at = 0;
    for (int part = 0; part < 3; ++part) {
        if (part > 0) {
            if (at == trimmed.size() || trimmed[at] != QLatin1Char('/'))
                return std::nullopt;
            ++at;
        }
        const qsizetype start = at;
        for (; at < trimmed.size() && trimmed[at] != QLatin1Char('/'); ++at) {
            const QChar c = trimmed[at];
            if (c < QLatin1Char('0') || c > QLatin1Char('9') || at - start == 4)
                return std::nullopt;
            values[part] = values[part] * 10 + (c.unicode() - '0');
        }
        sizes[part] = at - start;
        if (sizes[part] == 0)
            return std::nullopt;
    }
    if (at != trimmed.size() || sizes[0] > 2 || sizes[1] > 2 || (sizes[2] != 2 && sizes[2] != 4))
        return std::nullopt;
    const int month = values[0];
    const int day = values[1];
    int year = values[2];
    if (sizes[2] == 2)
        year += year >= 60 ? 1900 : 2000; // the date environment's epoch is 1960
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    const char bytes[8] = {char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
                           char('0' + year % 10),   char('0' + month / 10),      char('0' + month % 10),
                           char('0' + day / 10),    char('0' + day % 10)};
    return QByteArray(bytes, 8);
}

std::optional<double> parseNumber(QByteArrayView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\0'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\0'))
        --end;
    if (begin == end)
        return 0.0;
    const QByteArrayView number = text.sliced(begin, end - begin);
    qsizetype i = 0;
    if (number[0] == '-' || number[0] == '+')
        ++i;
    int digits = 0, points = 0;
    for (; i < number.size(); ++i) {
        if (isDigit(number[i]))
            ++digits;
        else if (number[i] == '.' && points == 0)
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(QLatin1StringView(number.data(), number.size()), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

namespace {

std::optional<QByteArray> rightAligned(QByteArray text, int width) {
    if (text.size() > width)
        return std::nullopt;
    return QByteArray(width - text.size(), ' ') + text;
}

} // namespace

std::optional<QByteArray> formatNumber(double value, int width, int decimals) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e20)
        return std::nullopt;
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.startsWith('-') && text.count('0') + text.count('.') == text.size() - 1)
        text.remove(0, 1); // -0.00 reads as 0.00 in every reader
    return rightAligned(text, width);
}

std::optional<QByteArray> formatNumber(qint64 value, int width, int decimals) {
    QByteArray text = QByteArray::number(value);
    if (decimals > 0)
        text += '.' + QByteArray(decimals, '0');
    return rightAligned(text, width);
}

// The production index file of a table (.NSX) holds only the list of its index tags; the order
// itself is built in memory when the table opens, so the file never holds keys and cannot go stale.
//   offset 0   8 bytes   signature "VNTRNSX" and the layout version 0x01
//   offset 8   1 byte    number of tags n (0..255)
//   offset 9   n x 76    per tag: the name (12 bytes, ASCII, NUL-padded, at most 10 characters),
//                        then the key expression (64 bytes, ASCII, NUL-padded): a field name
// Nothing follows the last tag. Any other file is another program's index (see DbfTable::open).
namespace {
constexpr char IndexSignature[8] = {'V', 'N', 'T', 'R', 'N', 'S', 'X', '\x01'};
constexpr int IndexNameBytes = 12;
constexpr int IndexEntryBytes = IndexNameBytes + MaxExpressionLength;
constexpr int IndexPreamble = 9;

QString asciiField(QByteArrayView bytes) {
    qsizetype n = 0;
    while (n < bytes.size() && bytes[n] != '\0')
        ++n;
    for (qsizetype i = n; i < bytes.size(); ++i) {
        if (bytes[i] != '\0')
            return {};
    }
    const QByteArrayView text = bytes.first(n);
    for (char c : text) {
        if (c <= ' ' || c > '~')
            return {};
    }
    return QString::fromLatin1(text);
}
} // namespace

QString indexFileName(const QString& tableFileName) {
    const int dot = int(tableFileName.lastIndexOf(QLatin1Char('.')));
    const QString base = dot > 0 ? tableFileName.left(dot) : tableFileName;
    const QString extension = dot > 0 ? tableFileName.mid(dot + 1) : QString();
    // A table named in lower case gets its index named alike.
    const bool lower = !extension.isEmpty() && extension == extension.toLower();
    return base + (lower ? QStringLiteral(".nsx") : QStringLiteral(".NSX"));
}

QByteArray indexFileBytes(const std::vector<IndexTag>& tags) {
    QByteArray bytes(IndexSignature, sizeof IndexSignature);
    bytes += static_cast<char>(tags.size());
    for (const IndexTag& tag : tags) {
        QByteArray name = tag.name.toLatin1().left(MaxNameLength);
        QByteArray expression = tag.expression.toLatin1().left(MaxExpressionLength);
        name.resize(IndexNameBytes, '\0');
        expression.resize(MaxExpressionLength, '\0');
        bytes += name + expression;
    }
    return bytes;
}

std::optional<std::vector<IndexTag>> parseIndexFile(QByteArrayView bytes) {
    if (bytes.size() < IndexPreamble || std::memcmp(bytes.data(), IndexSignature, sizeof IndexSignature) != 0)
        return std::nullopt;
    const int count = byteAt(bytes, 8);
    if (bytes.size() != IndexPreamble + qsizetype(count) * IndexEntryBytes)
        return std::nullopt;
    std::vector<IndexTag> tags;
    for (int i = 0; i < count; ++i) {
        const QByteArrayView entry =
            bytes.sliced(IndexPreamble + qsizetype(i) * IndexEntryBytes, IndexEntryBytes);
        IndexTag tag{asciiField(entry.first(IndexNameBytes)), asciiField(entry.sliced(IndexNameBytes))};
        if (tag.name.isEmpty() || tag.expression.isEmpty())
            return std::nullopt;
        tags.push_back(tag);
    }
    return tags;
}

} // namespace DbfFormat
