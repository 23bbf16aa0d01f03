// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/modal.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// Answers the windows' modal dialogs from a script, in the order they come, without an event
// loop: each dialog is shown, handed to its answer and closed (rejected unless the answer closed
// it) however the answer ends, a failed check inside it included. A dialog that comes with no
// answer, or of another type than the one scripted, fails the test at once and is rejected; an
// answer left unused fails it when the script goes out of scope. Installed for its lifetime.
//
// Outside a script, every GUI test runs under a runner that fails any modal dialog at once, so
// no test can wait on one until the test timeout.
class ScriptedModal {
public:
    ScriptedModal();
    // Every dialog goes to `everyDialog`, whatever its type, which returns what the dialog ends with.
    explicit ScriptedModal(std::function<int(QDialog&)> everyDialog);
    ~ScriptedModal();
    ScriptedModal(const ScriptedModal&) = delete;
    ScriptedModal& operator=(const ScriptedModal&) = delete;

    // The next dialog is a T (or derives from it) and `answer` handles it.
    template <typename T> void expect(std::function<void(T*)> answer) {
        m_answers.push_back({T::staticMetaObject.className(), [answer](QDialog& dialog) {
                                 auto* typed = qobject_cast<T*>(&dialog);
                                 if (typed)
                                     answer(typed);
                                 return typed != nullptr;
                             }});
    }

    // True when every scripted answer has been used.
    bool allAnswered() const { return m_answers.empty(); }

    QStringList asked; // the window titles of the dialogs run, in order

private:
    struct Answer {
        const char* type;
        std::function<bool(QDialog&)> run; // false: the dialog was not of the type
    };
    int run(QDialog& dialog);

    std::deque<Answer> m_answers;
    std::function<int(QDialog&)> m_everyDialog;
};
