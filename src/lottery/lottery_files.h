// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Lottery files are named by the lottery's code; their extensions may be in any case
// (files made on other systems arrive as .dbf, .DBF or .Dbf).
namespace LotteryFiles {
// The path of dir/name as it exists on disk, matching the name whatever its case;
// empty when there is no such file.
QString find(const QString& dir, const QString& fileName);
bool exists(const QString& dir, const QString& fileName);
// The base name: the file name without its last four characters (the extension with its dot).
QString baseName(const QString& fileName);
} // namespace LotteryFiles
