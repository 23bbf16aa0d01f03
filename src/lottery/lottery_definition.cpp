// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_definition.h"

#include "db/vantoro_error.h"
#include "db/windows1252.h"

#include "db/atomic_file.h"
#include <QFile>
#include <QFileInfo>

namespace {

// Field offsets of the packed record. They are the file format: never reorder.
enum Offset : int {
    OffGameType = 0,
    OffCountry = 2,
    OffState = 4,
    OffDescription = 6,
    OffNumbersDrawn = 37,
    OffLowestNumber = 39,
    OffHighestNumber = 41,
    OffBonusNumbers = 43,
    OffHighestBonus = 45,
    OffSunday = 47, // Sunday..Saturday follow at 47..53
    OffBonusMatches = 54,
    OffAllowDuplicates = 61,
    OffTicketsPerSlip = 62,
    OffRowsPerTicket = 64,
    OffColumnsPerTicket = 66,
    OffHorizontalTickets = 68,
    OffCommissionName = 69,
    OffCommissionAddress = 110,
    OffCommissionCity = 141,
    OffCommissionState = 167,
    OffCommissionZipCode = 170,
    OffCommissionPhone = 181,
    OffCommissionFax = 194,
    OffCommissionEmail = 207,
    OffCommissionWWW = 248,
};

struct StringField {
    int offset;
    int maxLength;
    QString LotteryDefinition::*member;
};

constexpr StringField stringFields[] = {
    {OffDescription, 30, &LotteryDefinition::Description},
    {OffCommissionName, 40, &LotteryDefinition::CommissionName},
    {OffCommissionAddress, 30, &LotteryDefinition::CommissionAddress},
    {OffCommissionCity, 25, &LotteryDefinition::CommissionCity},
    {OffCommissionState, 2, &LotteryDefinition::CommissionState},
    {OffCommissionZipCode, 10, &LotteryDefinition::CommissionZipCode},
    {OffCommissionPhone, 12, &LotteryDefinition::CommissionPhone},
    {OffCommissionFax, 12, &LotteryDefinition::CommissionFax},
    {OffCommissionEmail, 40, &LotteryDefinition::CommissionEmail},
    {OffCommissionWWW, 40, &LotteryDefinition::CommissionWWW},
};

struct IntField {
    int offset;
    qint16 LotteryDefinition::*member;
};

constexpr IntField intFields[] = {
    {OffGameType, &LotteryDefinition::GameType},
    {OffCountry, &LotteryDefinition::Country},
    {OffState, &LotteryDefinition::State},
    {OffNumbersDrawn, &LotteryDefinition::NumbersDrawn},
    {OffLowestNumber, &LotteryDefinition::LowestNumber},
    {OffHighestNumber, &LotteryDefinition::HighestNumber},
    {OffBonusNumbers, &LotteryDefinition::BonusNumbers},
    {OffHighestBonus, &LotteryDefinition::HighestBonus},
    {OffTicketsPerSlip, &LotteryDefinition::TicketsPerSlip},
    {OffRowsPerTicket, &LotteryDefinition::RowsPerTicket},
    {OffColumnsPerTicket, &LotteryDefinition::ColumnsPerTicket},
};

struct BoolField {
    int offset;
    bool LotteryDefinition::*member;
};

constexpr BoolField boolFields[] = {
    {OffSunday, &LotteryDefinition::Sunday},
    {OffSunday + 1, &LotteryDefinition::Monday},
    {OffSunday + 2, &LotteryDefinition::Tuesday},
    {OffSunday + 3, &LotteryDefinition::Wednesday},
    {OffSunday + 4, &LotteryDefinition::Thursday},
    {OffSunday + 5, &LotteryDefinition::Friday},
    {OffSunday + 6, &LotteryDefinition::Saturday},
    {OffAllowDuplicates, &LotteryDefinition::AllowDuplicates},
    {OffHorizontalTickets, &LotteryDefinition::HorizontalTickets},
};

void putInt16(QByteArray& record, int offset, qint16 value) {
    const auto bits = static_cast<quint16>(value);
    record[offset] = static_cast<char>(bits & 0xFF);
    record[offset + 1] = static_cast<char>(bits >> 8);
}

qint16 getInt16(const QByteArray& record, int offset) {
    const auto low = static_cast<quint16>(static_cast<unsigned char>(record.at(offset)));
    const auto high = static_cast<quint16>(static_cast<unsigned char>(record.at(offset + 1)));
    return static_cast<qint16>(static_cast<quint16>(low | (high << 8)));
}

// The bounds of the definition editor's controls. NumbersDrawn starts at 1: games of one or two
// numbers are read as they stand, though the editor makes none.
struct IntRange {
    const char* name;
    qint16 LotteryDefinition::*member;
    int low;
    int high;
};

constexpr IntRange intRanges[] = {
    {"GameType", &LotteryDefinition::GameType, 0, 12},
    {"Country", &LotteryDefinition::Country, 0, 7},
    {"State", &LotteryDefinition::State, 0, 52},
    {"NumbersDrawn", &LotteryDefinition::NumbersDrawn, 1, 22},
    {"LowestNumber", &LotteryDefinition::LowestNumber, 0, 1},
    {"HighestNumber", &LotteryDefinition::HighestNumber, 0, 99},
    {"BonusNumbers", &LotteryDefinition::BonusNumbers, 0, 2},
    {"HighestBonus", &LotteryDefinition::HighestBonus, 0, 99},
    {"TicketsPerSlip", &LotteryDefinition::TicketsPerSlip, 0, 10},
    {"RowsPerTicket", &LotteryDefinition::RowsPerTicket, 0, 20},
    {"ColumnsPerTicket", &LotteryDefinition::ColumnsPerTicket, 0, 25},
};

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

bool LotteryDefinition::drawnOn(int dayOfWeek) const {
    // Qt counts Monday as 1 and Sunday as 7; the record stores Sunday first.
    return this->*boolFields[dayOfWeek % 7].member;
}

void LotteryDefinition::setDrawnOn(int dayOfWeek, bool drawn) {
    this->*boolFields[dayOfWeek % 7].member = drawn;
}

QByteArray LotteryDefinition::toRecord() const {
    QByteArray record(RecordSize, '\0');
    for (const IntField& field : intFields)
        putInt16(record, field.offset, this->*field.member);
    for (const BoolField& field : boolFields)
        record[field.offset] = (this->*field.member) ? '\1' : '\0';
    for (int k = 0; k < 7; ++k)
        record[OffBonusMatches + k] = BonusMatches[static_cast<size_t>(k)] ? '\1' : '\0';
    for (const StringField& field : stringFields) {
        const QByteArray text = Windows1252::encodeLossy((this->*field.member).left(field.maxLength));
        record[field.offset] = static_cast<char>(text.size());
        record.replace(field.offset + 1, static_cast<int>(text.size()), text);
    }
    return record;
}

LotteryDefinition LotteryDefinition::fromRecord(const QByteArray& record) {
    Q_ASSERT(record.size() >= RecordSize);
    LotteryDefinition definition;
    for (const IntField& field : intFields)
        definition.*field.member = getInt16(record, field.offset);
    // Any non-zero byte is true, as the program that wrote it would have read it.
    for (const BoolField& field : boolFields)
        definition.*field.member = record.at(field.offset) != '\0';
    for (int k = 0; k < 7; ++k)
        definition.BonusMatches[static_cast<size_t>(k)] = record.at(OffBonusMatches + k) != '\0';
    for (const StringField& field : stringFields) {
        // A length byte above the field's maximum is a damaged record: read only what the field holds.
        const int length =
            qMin(static_cast<int>(static_cast<unsigned char>(record.at(field.offset))), field.maxLength);
        definition.*field.member = Windows1252::decode(record.constData() + field.offset + 1, length);
    }
    return definition;
}

QString LotteryDefinition::rangeProblem() const {
    for (const IntRange& range : intRanges) {
        const int value = this->*range.member;
        if (value < range.low || value > range.high)
            return QStringLiteral("%1 is %2; it must be from %3 to %4")
                .arg(QLatin1String(range.name))
                .arg(value)
                .arg(range.low)
                .arg(range.high);
    }
    if (BonusNumbers >= NumbersDrawn)
        return QStringLiteral("BonusNumbers is %1; it must be less than NumbersDrawn (%2)")
            .arg(BonusNumbers)
            .arg(NumbersDrawn);
    return {};
}

void ReadDefinition(const QString& path, LotteryDefinition& definition) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VantoroError(
            QStringLiteral("Could not read the file %1: %2.").arg(fileName(path), file.errorString()));
    const QByteArray record = file.read(LotteryDefinition::RecordSize);
    if (record.isEmpty() && file.error() == QFileDevice::NoError)
        return; // an empty definition file keeps the definition we have
    if (record.size() < LotteryDefinition::RecordSize) {
        throw VantoroError(QStringLiteral("The file %1 is not a valid lottery definition: it holds %2 bytes, "
                                          "a definition needs %3.")
                               .arg(fileName(path))
                               .arg(record.size())
                               .arg(LotteryDefinition::RecordSize));
    }
    const LotteryDefinition read = LotteryDefinition::fromRecord(record);
    const QString problem = read.rangeProblem();
    if (!problem.isEmpty())
        throw VantoroError(QStringLiteral("The file %1 is not a valid lottery definition: %2.")
                               .arg(fileName(path), problem));
    definition = read;
}

void WriteDefinition(const QString& path, const LotteryDefinition& definition) {
    const QString cause = AtomicFile::writeFile(path, definition.toRecord());
    if (!cause.isEmpty()) {
        throw VantoroError(QStringLiteral("Could not write the file %1: %2.").arg(fileName(path), cause));
    }
}
