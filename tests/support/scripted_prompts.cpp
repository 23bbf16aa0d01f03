// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_prompts.h"

#include <QTest>

ScriptedPrompts::ScriptedPrompts() {
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(nullptr);
}

void ScriptedPrompts::information(QWidget*, const QString& text) {
    shown << text;
}

void ScriptedPrompts::error(QWidget*, const QString& text) {
    shown << text;
    errors << text;
}

bool ScriptedPrompts::confirm(QWidget*, const QString& text) {
    shown << text;
    if (confirmations.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + text), __FILE__, __LINE__);
        return false;
    }
    const bool answer = confirmations.front();
    confirmations.pop_front();
    return answer;
}

QString ScriptedPrompts::openFileName(QWidget*, const FileDialogSpec& request) {
    fileDialogs << request;
    if (fileNames.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted file dialog: ") + request.title), __FILE__,
                     __LINE__);
        return {};
    }
    const QString answer = fileNames.front();
    fileNames.pop_front();
    return answer;
}

QString ScriptedPrompts::saveFileName(QWidget* parent, const FileDialogSpec& request) {
    return openFileName(parent, request);
}
