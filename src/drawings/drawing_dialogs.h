// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_system.h"

#include <QValidator>
#include <functional>

class QDialog;
class QWidget;

// What the drawing windows share: how they run the modal dialogs they open (tests replace it, so
// no test blocks), a report object that runs its windows the same way, and the help-context
// numbers of their controls (F1 opens the topic of the control that has the focus).
namespace DrawingDialogs {

using ModalRunner = std::function<int(QDialog&)>;

// `runner` when set, else the dialog's own exec().
int runModal(const ModalRunner& runner, QDialog& dialog);

void setHelpContext(QWidget* control, int contextId);
int helpContext(const QWidget* control); // 0 when it has none

// F1 in `dialog` opens the help context of the focused control (or of its nearest parent that has
// one), else `fallbackTopic` as read when F1 is pressed.
void installContextHelp(QDialog* dialog, std::function<int()> fallbackTopic);

// The entry fields take what is typed in upper case (card codes are letters).
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// A report object whose set-up, preview and printer windows run through a ModalRunner.
class RunnerReportSystem final : public ReportSystem {
public:
    void setModalRunner(ModalRunner runner) { m_runner = std::move(runner); }

protected:
    int runModal(QDialog& dialog) override;

private:
    ModalRunner m_runner;
};

} // namespace DrawingDialogs
