// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// The message boxes and file dialogs of the desktop.
class MessageBoxPrompts final : public Prompts {
public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, QStringLiteral("Vantoro"), text);
    }
    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QStringLiteral("Vantoro"), text);
    }
    bool confirm(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, QStringLiteral("Vantoro"), text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    QString openFileName(QWidget* parent, const FileDialogSpec& request) override {
        return run(parent, request, QFileDialog::AcceptOpen);
    }
    QString saveFileName(QWidget* parent, const FileDialogSpec& request) override {
        return run(parent, request, QFileDialog::AcceptSave);
    }

private:
    static QString run(QWidget* parent, const FileDialogSpec& request, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent, request.title, request.directory, request.filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        if (!request.defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.confirmOverwrite)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // A mask such as "*.dbf" is the filter's business, not a name to propose.
        if (!request.fileName.isEmpty() && !request.fileName.contains(QLatin1Char('*')))
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }
};

Prompts* installed = nullptr;

} // namespace

Prompts::~Prompts() = default;

Prompts& Prompts::instance() {
    static MessageBoxPrompts messageBoxes;
    return installed ? *installed : messageBoxes;
}

void Prompts::install(Prompts* prompts) {
    installed = prompts;
}
