// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/modal.h"

#include <QDialog>

namespace {

Modal::Runner& installedRunner() {
    static Modal::Runner runner;
    return runner;
}

} // namespace

int Modal::run(QDialog& dialog) {
    const Runner& runner = installedRunner();
    return runner ? runner(dialog) : dialog.exec();
}

void Modal::install(Runner runner) {
    installedRunner() = std::move(runner);
}
