// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_dialogs.h"

#include "app/help.h"

#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QVariant>

namespace DrawingDialogs {

namespace {
const char* const HelpContextProperty = "helpContext";
} // namespace

int runModal(const ModalRunner& runner, QDialog& dialog) {
    return runner ? runner(dialog) : dialog.exec();
}

void setHelpContext(QWidget* control, int contextId) {
    control->setProperty(HelpContextProperty, contextId);
}

int helpContext(const QWidget* control) {
    return control ? control->property(HelpContextProperty).toInt() : 0;
}

void installContextHelp(QDialog* dialog, std::function<int()> fallbackTopic) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(shortcut, &QShortcut::activated, dialog,
                     [dialog, fallbackTopic = std::move(fallbackTopic)] {
                         for (QWidget* w = dialog->focusWidget(); w && w != dialog; w = w->parentWidget()) {
                             if (const int context = helpContext(w)) {
                                 Help::showTopic(context, dialog);
                                 return;
                             }
                         }
                         Help::showTopic(fallbackTopic(), dialog);
                     });
}

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

int RunnerReportSystem::runModal(QDialog& dialog) {
    return DrawingDialogs::runModal(m_runner, dialog);
}

} // namespace DrawingDialogs
