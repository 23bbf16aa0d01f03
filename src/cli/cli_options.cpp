// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include "lottery/program_home.h"

#include <cstdio>

namespace {

const QString homeOption = QStringLiteral("home");
const QString helpOption = QStringLiteral("help");

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The parser wraps the options' sentences to the terminal's usual 80 columns, but not the description.
QString wrapped(const QString& text) {
    constexpr qsizetype width = 79;
    QString lines;
    qsizetype lineLength = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            lines += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            lines += QLatin1Char(' ');
            ++lineLength;
        }
        lines += word;
        lineLength += word.size();
    }
    return lines;
}

} // namespace

CliOptions::CliOptions(const QString& command, const QString& description) : m_command(command) {
    m_parser.setApplicationDescription(wrapped(description));
}

void CliOptions::addValue(const QStringList& names, const QString& valueName, const QString& description) {
    m_parser.addOption(QCommandLineOption(names, description, valueName));
}

void CliOptions::addFlag(const QStringList& names, const QString& description) {
    m_parser.addOption(QCommandLineOption(names, description));
}

void CliOptions::addPositional(const QString& name, const QString& description, const QString& syntax) {
    m_parser.addPositionalArgument(name, description, syntax);
}

void CliOptions::addLottery() {
    addValue(
        {QStringLiteral("lottery")}, QStringLiteral("FILE.DBF"),
        QStringLiteral("The lottery, named by its drawing table in the data folder of the program home."));
}

void CliOptions::addPdf(const QString& printout) {
    addValue({QStringLiteral("pdf")}, QStringLiteral("FILE"),
             QStringLiteral("Writes %1 to FILE as a PDF document.").arg(printout));
}

void CliOptions::addOutput(const QString& what) {
    addValue({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("FILE"),
             QStringLiteral("Saves %1 to FILE.").arg(what));
}

// Declared last so that they close every list of options.
void CliOptions::addCommonOptions() {
    if (m_commonOptions)
        return;
    m_commonOptions = true;
    addValue({homeOption}, QStringLiteral("DIR"),
             QStringLiteral("The program home (default: $VANTORO_HOME, else the per-user folder)."));
    addFlag({QStringLiteral("h"), helpOption}, QStringLiteral("Shows these options."));
}

bool CliOptions::parse(const QStringList& words) {
    addCommonOptions();
    // The parser skips its first word as the program's name.
    const bool parsed = m_parser.parse(QStringList{QStringLiteral("vantoro-cli")} + words);
    if (m_parser.isSet(helpOption)) {
        showHelp();
        return false;
    }
    if (!parsed) {
        const QStringList unknown = m_parser.unknownOptionNames();
        throw UsageError(unknown.isEmpty()
                             ? m_parser.errorText()
                             : QStringLiteral("unknown option %1").arg(dashed(unknown.first())));
    }
    m_positional = m_parser.positionalArguments();
    return true;
}

int CliOptions::showHelp() {
    addCommonOptions();
    cliOut() << helpText();
    cliOut().flush();
    return 0;
}

QString CliOptions::helpText() const {
    // The parser names the program by the path it was started with; the usage names the subcommand.
    QString text = m_parser.helpText();
    const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
    if (options >= 0 && options < text.indexOf(QLatin1Char('\n')))
        text.replace(0, options, QStringLiteral("Usage: vantoro-cli ") + m_command);
    return text;
}

bool CliOptions::has(const QString& name) const {
    return m_parser.isSet(name);
}

QString CliOptions::value(const QString& name, const QString& fallback) const {
    return has(name) ? m_parser.value(name) : fallback;
}

QStringList CliOptions::values(const QString& name) const {
    return m_parser.values(name);
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

QString CliOptions::home() const {
    ProgramHome home(ProgramHome::resolve(value(homeOption)));
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

void CliOptions::requireNoPositional() const {
    if (!m_positional.isEmpty())
        throw UsageError(QStringLiteral("unexpected \"%1\"").arg(m_positional.first()));
}
