// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

// Answers the next modal dialog of type T from the event loop, so a test that opens one through
// a menu command never blocks: `answer` runs on the dialog once it is up and must close it.
// Returns a flag that tells whether the dialog was seen.
template <typename T> std::shared_ptr<bool> whenModal(std::function<void(T*)> answer) {
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(qApp);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, seen, attempts] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            *seen = true;
            timer->deleteLater();
            timer->stop();
            answer(dialog);
        } else if (++*attempts > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return seen;
}
