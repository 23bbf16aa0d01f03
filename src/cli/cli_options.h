// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

// A bad command line: exit status 2 with the message on standard error.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The options of one subcommand, each declared with the sentence its --help shows, then read by name.
// Every subcommand also takes --home DIR and --help.
class CliOptions {
public:
    // `command` as typed after vantoro-cli ("wheel show"); `description` opens its --help.
    CliOptions(const QString& command, const QString& description);
    CliOptions(const CliOptions&) = delete;
    CliOptions& operator=(const CliOptions&) = delete;

    void addValue(const QStringList& names, const QString& valueName, const QString& description);
    void addFlag(const QStringList& names, const QString& description);
    // Only for the help: the words themselves are read through positional().
    void addPositional(const QString& name, const QString& description, const QString& syntax = QString());
    // The options that mean the same in every subcommand that takes them.
    void addLottery();
    void addPdf(const QString& printout); // `printout` completes "Writes ... to FILE as a PDF document."
    void addOutput(const QString& what);  // -o FILE; `what` completes "Saves ... to FILE."

    // Reads the words after the subcommand; throws UsageError. False when --help was given: the
    // help is then printed on standard output and the subcommand does nothing else.
    [[nodiscard]] bool parse(const QStringList& words);
    // Prints the help on standard output; returns exit status 0.
    int showHelp();

    bool has(const QString& name) const;
    QString value(const QString& name, const QString& fallback = QString()) const;
    // Every value of an option given more than once, in the order given.
    QStringList values(const QString& name) const;
    QString required(const QString& name) const;
    int integer(const QString& name, int fallback) const;
    int requiredInteger(const QString& name) const;
    const QStringList& positional() const { return m_positional; }
    // For the subcommands that take no words of their own: UsageError naming the first one given.
    void requireNoPositional() const;

    // The program home named by --home (or the environment), created when missing.
    QString home() const;

private:
    void addCommonOptions();
    QString helpText() const;

    QString m_command;
    bool m_commonOptions = false;
    QCommandLineParser m_parser;
    QStringList m_positional;
};

QTextStream& cliOut();
QTextStream& cliErr();
