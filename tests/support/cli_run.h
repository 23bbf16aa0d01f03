// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class TempHome;

// One run of vantoro-cli on a temporary home.
struct CliRun {
    int status = -1; // the exit status; -1 when it crashed
    QString output;  // standard output as it came
    QStringList out; // its non-empty lines
    QString err;
};

// Runs vantoro-cli with `arguments` and --home set to the temporary home.
CliRun runCli(const TempHome& home, QStringList arguments);
