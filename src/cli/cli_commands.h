// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_options.h"

#include <QString>
#include <QStringList>

// One subcommand of vantoro-cli. Each lives in its own cli_<name>.cpp and declares its options
// there, with the sentences of its --help.
struct CliCommand {
    const char* name;
    const char* summary;                  // its line in vantoro-cli --help
    int (*run)(const QStringList& words); // returns the exit status; throws UsageError or VantoroError
    bool needsGui = false;                // paints (PDF output): runs under a QGuiApplication
};

int cliInfo(const QStringList& words);
int cliDump(const QStringList& words);
int cliNew(const QStringList& words);
int cliCatalogue(const QStringList& words);
int cliGames(const QStringList& words);
int cliPrintDemo(const QStringList& words);
int cliImport(const QStringList& words);
int cliExport(const QStringList& words);
int cliStats(const QStringList& words);
int cliSkipHit(const QStringList& words);
int cliSequence(const QStringList& words);
int cliPairs(const QStringList& words);
int cliTriples(const QStringList& words);
int cliSummary(const QStringList& words);
int cliSearch(const QStringList& words);
int cliPrint(const QStringList& words);
int cliWheel(const QStringList& words);
int cliTickets(const QStringList& words);
int cliSmart(const QStringList& words);
int cliRandom(const QStringList& words);
int cliFavorite(const QStringList& words);
int cliCheck(const QStringList& words);
int cliWinnings(const QStringList& words);
