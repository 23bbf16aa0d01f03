// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The hourglass for the length of a long read or computation, back to normal however it ends.
// restore() ends it early, before a message box or a window that the user must work in.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void restore() {
        if (m_on)
            QApplication::restoreOverrideCursor();
        m_on = false;
    }

private:
    bool m_on = true;
};
