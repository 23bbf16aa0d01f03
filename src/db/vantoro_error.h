// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

// The one error type of the core. Its text is the message the window shows as it stands,
// so it names the file (and record or field) and the cause in the user's words.
class VantoroError : public std::exception {
public:
    explicit VantoroError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
