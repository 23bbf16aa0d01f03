// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Files of a lottery, tables, indexes and wheels may arrive with their names in any case (files
// made on other systems come as .dbf, .DBF or .Dbf); every lookup by name goes through here.
namespace FileLookup {
// The path of dir/fileName as it exists on disk, matching the name whatever its case;
// empty when there is no such file.
QString find(const QString& dir, const QString& fileName);
bool exists(const QString& dir, const QString& fileName);
} // namespace FileLookup
