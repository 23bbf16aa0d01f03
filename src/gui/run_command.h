// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;
class VantoroError;

namespace gui {

// Runs a window command; a VantoroError it throws is shown as an error over `parent`, with the
// core's reason (the same text vantoro-cli prints), after `windowMessage` when there is one:
// "Could not create the Lotto file. Unable to write to ...". Returns whether the command ran
// to its end. Other exceptions pass through.
bool runCommand(QWidget* parent, const std::function<void()>& command, const QString& windowMessage = {});

// Shows a caught VantoroError as runCommand does, for the windows that must put their state right
// around the message.
void showError(QWidget* parent, const VantoroError& error, const QString& windowMessage = {});

} // namespace gui
