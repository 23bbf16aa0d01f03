// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Builds a lottery in a home's data/ folder: the .INF, the drawing table with its index,
// and the drawings given, e.g.
//   LotteryBuilder(home.dataDir(), "TS649").numbers(6, 49).drawing("01/02/2020", {"01","02",...}).build();
class LotteryBuilder {
public:
    LotteryBuilder(QString dataDir, QString code);
    LotteryBuilder& definition(const LotteryDefinition& definition);
    LotteryBuilder& numbers(int drawn, int highest, int bonus = 0, int gameType = 7);
    LotteryBuilder& description(const QString& text);
    LotteryBuilder& drawing(const QString& date, const QStringList& numbers);
    // `count` drawings on consecutive days from 01/01/2000 with arbitrary valid numbers.
    LotteryBuilder& drawings(int count);
    // Writes the files; returns the drawing file's name ("CODE.DBF").
    QString build() const;
    const LotteryDefinition& def() const { return m_definition; }

private:
    QString m_dataDir;
    QString m_code;
    LotteryDefinition m_definition;
    std::vector<std::pair<QString, QStringList>> m_drawings;
};
