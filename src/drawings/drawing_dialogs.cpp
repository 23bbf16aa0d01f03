// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_dialogs.h"

#include "app/help.h"

#include <QDialog>

namespace DrawingDialogs {

int runModal(const ModalRunner& runner, QDialog& dialog) {
    return runner ? runner(dialog) : dialog.exec();
}

void setHelpContext(QWidget* control, int contextId) {
    Help::setContext(control, contextId);
}

int helpContext(const QWidget* control) {
    return Help::context(control);
}

void installContextHelp(QDialog* dialog, std::function<int()> fallbackTopic) {
    Help::installContextHelp(dialog, std::move(fallbackTopic));
}

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

int RunnerReportSystem::runModal(QDialog& dialog) {
    return DrawingDialogs::runModal(m_runner, dialog);
}

} // namespace DrawingDialogs
