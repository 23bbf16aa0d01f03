// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_options.h"
#include "drawings/drawing_search.h"

class CurrentLottery;

// Declares the options read by cliSearchOptions and cliRange.
void addCliSearchOptions(CliOptions& args);
void addCliRangeOptions(CliOptions& args);

// The options that stand for the search dialogs: --numbers 05,12,33 (up to 35, zero-filled as the
// entry fields do), --min M (1..22, default 3), --bonus, --from N and --to N (default all drawings).
// Shared by search and print search.
DrawingSearchOptions cliSearchOptions(const CliOptions& args, CurrentLottery& lottery);

// --from and --to: positions, default 1 and the drawing count.
void cliRange(const CliOptions& args, int recordCount, int& from, int& to);
