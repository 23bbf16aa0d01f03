// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>

// The file steps of defining a lottery, shared by the definition editor and vantoro-cli new.
namespace NewLottery {
// Deletes dataDir/code.DBF and code.NSX, whatever the case of their extensions, before they are
// made again. Throws VantoroError("The file <code>.DBF could not be deleted.") when one stays.
void removeTable(const QString& dataDir, const QString& code);
// Writes the definition as dataDir/code.INF, over an existing file of any letter case.
// Throws the file layer's VantoroError.
void writeDefinition(const QString& dataDir, const QString& code, const LotteryDefinition& definition);
} // namespace NewLottery
