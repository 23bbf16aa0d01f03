// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// How a file dialog is set up: the windows' file dialogs all go through Prompts.
struct FileDialogSpec {
    QString title;
    QString filter;        // Qt filter text, e.g. "Lotto Database Files (*.DBF *.dbf)"
    QString fileName;      // initial file name or mask
    QString directory;     // where it starts
    QString defaultSuffix; // for save dialogs
    int helpContext = 0;
    bool confirmOverwrite = true;
};

// Every modal question, notice and file dialog of the windows goes through this one service,
// so that tests can replace it with scripted answers and never block on a real dialog.
class Prompts {
public:
    virtual ~Prompts();

    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
    virtual bool confirm(QWidget* parent, const QString& text) = 0;                   // Yes / No
    virtual QString openFileName(QWidget* parent, const FileDialogSpec& request) = 0; // empty: cancelled
    virtual QString saveFileName(QWidget* parent, const FileDialogSpec& request) = 0;

    // The service in use; a message-box implementation unless a test installed its own.
    static Prompts& instance();
    // Installs `prompts` (not owned); nullptr restores the message boxes.
    static void install(Prompts* prompts);
};
