// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_lottery.h"

#include "app/program_home.h"
#include "app/settings_file.h"

void openCliLottery(const CliArgs& args, CurrentLottery& lottery) {
    const QString name = args.required(QStringLiteral("lottery"));
    const ProgramHome home(args.home());
    lottery.setHomeDir(home.dir());
    lottery.setHotNumberCutoff(SettingsFile(home.settingsPath()).read().HotNumberCutoff);
    lottery.LoadLottery(name);
}
