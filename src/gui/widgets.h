// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Small makers for the controls every window builds. Tests find the controls by object name, so
// each one is made with its name.
namespace gui {

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent);

// A push button that does not take Enter when it has the focus: Enter stays with the default button.
QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);

// The standard button row of a dialog: OK (the default button), Cancel and Help, right-aligned.
// The caller connects them; the row is laid out by the caller's layout.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QHBoxLayout* row = nullptr;
};
DialogButtons makeOkCancelHelp(QWidget* parent);

// Makes a window tall enough for its layout at its present width. A word-wrapped label asks for its
// extra lines only once its text is set, and a window that is already shown does not grow by itself:
// the controls below the label would be drawn over each other.
void growToContents(QWidget* window);

// The entry fields take what is typed in upper case (card codes are letters).
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace gui
