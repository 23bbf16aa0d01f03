// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"

#include "support/temp_home.h"

#include <QProcess>

CliRun runCli(const TempHome& home, QStringList arguments) {
    arguments << QStringLiteral("--home") << home.dir();
    QProcess process;
    process.start(QStringLiteral(VANTORO_CLI), arguments);
    if (!process.waitForFinished(60000))
        qFatal("vantoro-cli did not finish");
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.out = run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
