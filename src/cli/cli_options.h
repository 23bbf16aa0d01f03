// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

// A bad command line: exit status 2 with the message on standard error.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The options of one subcommand: "--name value" pairs, bare "--flag"s and positional words.
class CliOptions {
public:
    // `flags` are the options that take no value.
    CliOptions(const QStringList& words, const QStringList& flags = {});

    bool has(const QString& name) const;
    QString value(const QString& name, const QString& fallback = QString()) const;
    QString required(const QString& name) const;
    int integer(const QString& name, int fallback) const;
    int requiredInteger(const QString& name) const;
    const QStringList& positional() const { return m_positional; }
    // Refuses options the subcommand does not know.
    void allowOnly(const QStringList& names) const;

    // The program home named by --home (or the environment), created when missing.
    QString home() const;

private:
    QHash<QString, QString> m_values;
    QStringList m_positional;
};

QTextStream& cliOut();
QTextStream& cliErr();
