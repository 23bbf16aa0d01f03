// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_lottery.h"

#include "db/file_lookup.h"
#include "lottery/lottery_files.h"
#include "lottery/program_home.h"
#include "lottery/settings_file.h"

#include <QDir>
#include <QFileInfo>

QString cliTablePath(const CliOptions& args) {
    const QString name = QFileInfo(args.required(QStringLiteral("lottery"))).fileName();
    const QString dataDir = ProgramHome(args.home()).dataDir();
    const QString found = FileLookup::find(dataDir, name);
    return found.isEmpty() ? QDir(dataDir).filePath(name) : found;
}

void openCliLottery(const CliOptions& args, CurrentLottery& lottery) {
    const QString name = args.required(QStringLiteral("lottery"));
    const ProgramHome home(args.home());
    lottery.setHomeDir(home.dir());
    lottery.setHotNumberCutoff(SettingsFile(home.settingsPath()).read().HotNumberCutoff);
    lottery.LoadLottery(name);
    if (!lottery.loadNotice().isEmpty()) {
        cliErr() << lottery.loadNotice() << "\n";
        cliErr().flush();
    }
}
