// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/run_command.h"

#include "db/vantoro_error.h"
#include "gui/prompts.h"

namespace gui {

bool runCommand(QWidget* parent, const std::function<void()>& command, const QString& windowMessage) {
    try {
        command();
        return true;
    } catch (const VantoroError& error) {
        showError(parent, error, windowMessage);
        return false;
    }
}

void showError(QWidget* parent, const VantoroError& error, const QString& windowMessage) {
    const QString text =
        windowMessage.isEmpty() ? error.message() : windowMessage + QLatin1Char(' ') + error.message();
    Prompts::instance().error(parent, text);
}

} // namespace gui
