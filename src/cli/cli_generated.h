// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_options.h"

struct GeneratedTickets;
struct LotteryDefinition;

// A wheel named without a folder that is not in the current one is looked up in the home's wheels.
QString cliWheelPath(const CliOptions& args, const QString& name);

// The options of the generators' output: -o FILE.tic and --pdf FILE.
void addGeneratedOutput(CliOptions& args);
// Prints what the generator's window lists (for a wheel the guarantee and the numbers played
// first), then saves the ticket file (-o) and writes the printout (--pdf) of `generator`
// ("Random Number"), with `note` over its tickets.
void finishGenerated(const CliOptions& args, const GeneratedTickets& generated,
                     const LotteryDefinition& lottery, const QString& generator, const QString& note);
