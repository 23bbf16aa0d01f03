// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QDialog;

// Every modal dialog of the windows runs through Modal::run, next to Prompts for the questions and
// file dialogs: tests install a runner that answers the dialog from a script, so no window test
// ever waits on a real event loop.
class Modal {
public:
    // Returns what the dialog ended with (QDialog::Accepted or Rejected, or the code given to done()).
    using Runner = std::function<int(QDialog&)>;

    // The installed runner, else the dialog's own exec().
    static int run(QDialog& dialog);

    // Installs `runner`; an empty one restores exec().
    static void install(Runner runner);
};
