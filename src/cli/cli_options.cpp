// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include "app/program_home.h"

#include <cstdio>

CliOptions::CliOptions(const QStringList& words, const QStringList& flags) {
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (!word.startsWith(QStringLiteral("--")) || word.size() == 2) {
            m_positional << word;
            continue;
        }
        QString name = word.mid(2);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            m_values.insert(name.left(equals), name.mid(equals + 1));
        } else if (flags.contains(name)) {
            m_values.insert(name, QStringLiteral("1"));
        } else {
            if (i + 1 >= words.size())
                throw UsageError(QStringLiteral("option --%1 needs a value").arg(name));
            m_values.insert(name, words.at(++i));
        }
    }
}

bool CliOptions::has(const QString& name) const {
    return m_values.contains(name);
}

QString CliOptions::value(const QString& name, const QString& fallback) const {
    return m_values.value(name, fallback);
}

QString CliOptions::required(const QString& name) const {
    if (!has(name))
        throw UsageError(QStringLiteral("missing option --%1").arg(name));
    return value(name);
}

int CliOptions::integer(const QString& name, int fallback) const {
    if (!has(name))
        return fallback;
    bool ok = false;
    const int number = value(name).toInt(&ok);
    if (!ok)
        throw UsageError(
            QStringLiteral("option --%1 takes a whole number, not \"%2\"").arg(name, value(name)));
    return number;
}

int CliOptions::requiredInteger(const QString& name) const {
    required(name);
    return integer(name, 0);
}

void CliOptions::allowOnly(const QStringList& names) const {
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (it.key() != QStringLiteral("home") && !names.contains(it.key()))
            throw UsageError(QStringLiteral("unknown option --%1").arg(it.key()));
    }
}

QString CliOptions::home() const {
    ProgramHome home(ProgramHome::resolve(value(QStringLiteral("home"))));
    home.prepare();
    return home.dir();
}

QTextStream& cliOut() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& cliErr() {
    static QTextStream stream(stderr);
    return stream;
}
