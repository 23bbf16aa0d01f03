// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_options.h"
#include "lottery/current_lottery.h"

// Opens the lottery named by --lottery in the home's data folder as the window would at start:
// the settings are read first (hot-number cutoff), then the lottery is loaded.
// A refusal throws VantoroError (exit status 1).
void openCliLottery(const CliOptions& args, CurrentLottery& lottery);
// Where the table named by --lottery is (or would be), for the lock its writers take first.
QString cliTablePath(const CliOptions& args);
