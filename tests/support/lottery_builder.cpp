// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/lottery_builder.h"

#include "db/dbf_table.h"
#include "lottery/drawing_table.h"

#include <QDate>

LotteryBuilder::LotteryBuilder(QString dataDir, QString code)
    : m_dataDir(std::move(dataDir)), m_code(std::move(code)) {}

LotteryBuilder& LotteryBuilder::definition(const LotteryDefinition& definition) {
    m_definition = definition;
    return *this;
}

LotteryBuilder& LotteryBuilder::numbers(int drawn, int highest, int bonus, int gameType) {
    m_definition.NumbersDrawn = static_cast<qint16>(drawn);
    m_definition.HighestNumber = static_cast<qint16>(highest);
    m_definition.BonusNumbers = static_cast<qint16>(bonus);
    m_definition.HighestBonus = static_cast<qint16>(bonus > 0 ? highest : 0);
    m_definition.GameType = static_cast<qint16>(gameType);
    return *this;
}

LotteryBuilder& LotteryBuilder::description(const QString& text) {
    m_definition.Description = text;
    return *this;
}

LotteryBuilder& LotteryBuilder::drawing(const QString& date, const QStringList& numbers) {
    m_drawings.emplace_back(date, numbers);
    return *this;
}

LotteryBuilder& LotteryBuilder::drawings(int count) {
    const QDate start(2000, 1, 1);
    const int span = m_definition.HighestNumber - m_definition.LowestNumber + 1;
    for (int i = 0; i < count; ++i) {
        QStringList numbers;
        for (int k = 0; k < m_definition.NumbersDrawn; ++k) {
            const int value = m_definition.LowestNumber + (i * 7 + k * 5) % qMax(1, span);
            numbers << QStringLiteral("%1").arg(value, m_definition.HighestNumber > 9 ? 2 : 1, 10,
                                                QLatin1Char('0'));
        }
        m_drawings.emplace_back(start.addDays(i).toString(QStringLiteral("MM/dd/yyyy")), numbers);
    }
    return *this;
}

QString LotteryBuilder::build() const {
    WriteDefinition(m_dataDir + m_code + QStringLiteral(".INF"), m_definition);
    DrawingTable::CreateDrawingTable(m_dataDir, m_code, m_definition);
    const QString fileName = m_code + QStringLiteral(".DBF");
    DbfTable table;
    table.open(m_dataDir, fileName, true);
    for (const auto& [date, numbers] : m_drawings) {
        table.append();
        table.setFieldDate(DrawingTable::DateField, date);
        for (int i = 0; i < numbers.size(); ++i)
            table.SetField(DrawingTable::numberField(i + 1), numbers.at(i));
        table.post();
    }
    table.close();
    return fileName;
}
