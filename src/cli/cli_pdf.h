// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Report;

// Writes a printout to `file` (given by --pdf) and returns its page count; a file that cannot be
// written is refused with VantoroError, so every subcommand reports it alike.
int writeCliPdf(Report& report, const QString& file);
