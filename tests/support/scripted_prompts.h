// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/prompts.h"

#include <QStringList>
#include <deque>

// Answers the windows' questions from a script and records every text shown, so a window test
// never blocks on a real modal dialog. Installed for its lifetime.
class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialogSpec& request) override;
    QString saveFileName(QWidget* parent, const FileDialogSpec& request) override;

    // Answers in the order they will be asked; an unscripted question fails the test.
    std::deque<bool> confirmations;
    std::deque<QString> fileNames; // empty string = the dialog was cancelled

    QStringList shown;  // every information, error and confirmation text, in order
    QStringList errors; // the texts shown as errors (the critical icon) alone
    QList<FileDialogSpec> fileDialogs;
};
