// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_modal.h"

#include <QTest>

namespace {

// Fails the running test: a dialog came that nothing answers.
int refuseUnscripted(QDialog& dialog, const char* expected) {
    const QString what = QStringLiteral("%1 \"%2\"")
                             .arg(QLatin1String(dialog.metaObject()->className()), dialog.windowTitle());
    const QString message = expected
                                ? QStringLiteral("modal dialog %1 came where a %2 was scripted")
                                      .arg(what, QLatin1String(expected))
                                : QStringLiteral("modal dialog %1 came with no scripted answer").arg(what);
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    return QDialog::Rejected;
}

// The runner outside any script: installed before main() of every GUI test.
const bool refusingInstalled = [] {
    Modal::install([](QDialog& dialog) { return refuseUnscripted(dialog, nullptr); });
    return true;
}();

// Closes the dialog when the answer is left, by its end or by a failed check's early return.
class CloseOnExit {
public:
    // Shows the dialog modal, as exec() does: buttons take clicks only when laid out on screen.
    explicit CloseOnExit(QDialog& dialog)
        : m_dialog(dialog), m_wasModal(dialog.testAttribute(Qt::WA_ShowModal)) {
        m_dialog.setResult(QDialog::Rejected);
        m_dialog.setAttribute(Qt::WA_ShowModal, true);
        m_dialog.show();
    }
    ~CloseOnExit() {
        if (m_dialog.isVisible())
            m_dialog.reject();
        m_dialog.setAttribute(Qt::WA_ShowModal, m_wasModal);
    }
    CloseOnExit(const CloseOnExit&) = delete;
    CloseOnExit& operator=(const CloseOnExit&) = delete;

private:
    QDialog& m_dialog;
    bool m_wasModal;
};

} // namespace

ScriptedModal::ScriptedModal() {
    Modal::install([this](QDialog& dialog) { return run(dialog); });
}

ScriptedModal::ScriptedModal(std::function<int(QDialog&)> everyDialog) : ScriptedModal() {
    m_everyDialog = std::move(everyDialog);
}

ScriptedModal::~ScriptedModal() {
    Modal::install([](QDialog& dialog) { return refuseUnscripted(dialog, nullptr); });
    if (!m_answers.empty())
        QTest::qFail(qPrintable(QStringLiteral("no modal dialog came for the scripted %1")
                                    .arg(QLatin1String(m_answers.front().type))),
                     __FILE__, __LINE__);
}

int ScriptedModal::run(QDialog& dialog) {
    asked << dialog.windowTitle();
    if (m_everyDialog) {
        int result = QDialog::Rejected;
        {
            CloseOnExit closer(dialog);
            result = m_everyDialog(dialog);
        }
        return result;
    }
    if (m_answers.empty()) {
        CloseOnExit closer(dialog);
        return refuseUnscripted(dialog, nullptr);
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    {
        CloseOnExit closer(dialog);
        if (!answer.run(dialog)) {
            refuseUnscripted(dialog, answer.type);
        }
    }
    return dialog.result();
}
