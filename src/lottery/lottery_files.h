// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Lottery files are named by the lottery's code; FileLookup finds them whatever the case of
// their extensions.
namespace LotteryFiles {
// The base name: the file name without its last four characters (the extension with its dot).
QString baseName(const QString& fileName);
} // namespace LotteryFiles
