// SPDX-License-Identifier: GPL-3.0-or-later
// vantoro-cli: the analyses, generators and checkers of the windows, over the same core,
// printing the same lines. Exit status 0 on success, 2 on a bad command line, 1 on a refused file.
#include "cli/cli_commands.h"
#include "db/vantoro_error.h"
#include "vantoro_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <csignal>
#include <memory>

namespace {

constexpr std::array commands{
    CliCommand{"info", "the definition of a lottery, its totals and its status-bar texts", cliInfo},
    CliCommand{"dump", "every drawing of a lottery, in date order", cliDump},
    CliCommand{"new", "defines a lottery and creates its empty drawing table", cliNew},
    CliCommand{"catalogue", "the known lotteries and their file codes", cliCatalogue},
    CliCommand{"games", "the lottery games of today and their file codes", cliGames},
    CliCommand{"import", "adds a published drawing history (CSV or JSON) to a lottery", cliImport},
    CliCommand{"export", "writes the drawings of a lottery as CSV, read back by import", cliExport},
    CliCommand{"print-demo", "a sample printout of many lines, as a PDF document", cliPrintDemo, true},
    CliCommand{"stats", "the number statistics lists, the graph rows and their printout", cliStats},
    CliCommand{"skiphit", "the Skip and Hit grid and its graph rows", cliSkipHit},
    CliCommand{"sequence", "the Hit Sequence grid and its graph rows", cliSequence},
    CliCommand{"pairs", "the repeating pairs: the counts, then each count's pairs", cliPairs},
    CliCommand{"triples", "the repeating triples: the counts, then each count's triples", cliTriples},
    CliCommand{"summary", "the Drawing Summary rows with their average and percent", cliSummary},
    CliCommand{"search", "the drawings that hold at least some of the numbers given", cliSearch},
    CliCommand{"print", "the drawing list or a search list as a PDF document", cliPrint, true},
    CliCommand{"wheel", "makes, lists, shows, expands and verifies wheeling systems", cliWheel},
    CliCommand{"tickets", "shows a ticket file and filters it by sum and odd numbers", cliTickets},
    CliCommand{"smart", "the smart-number recommendation, class lists and tickets", cliSmart},
    CliCommand{"random", "random tickets, or random numbers played through a wheel", cliRandom},
    CliCommand{"favorite", "tickets of your favorite numbers, typed or played through a wheel", cliFavorite},
    CliCommand{"check", "checks a ticket file against a drawing: the matches of every ticket", cliCheck},
    CliCommand{"winnings", "creates a winnings ledger, adds, deletes and shows its entries", cliWinnings},
};

// A command that writes its printout (--pdf) paints, whatever it does otherwise.
bool wantsPdf(int argc, char* argv[]) {
    for (int i = 2; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "--pdf" || word.startsWith("--pdf="))
            return true;
    }
    return false;
}

void printUsage(QTextStream& out) {
    out << "Usage: vantoro-cli COMMAND [options]\n"
           "Works on the files of the program home as the windows do and prints the lines they show.\n\n"
           "Commands:\n";
    for (const CliCommand& command : commands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(12) << command.summary << "\n";
    out << "\n'vantoro-cli COMMAND --help' lists the options of one command. Every command takes\n"
           "--home DIR, the program home. --version prints the version.\n"
           "Exit status: 0 done, 2 bad command line, 1 refused file.\n";
    out.flush();
}

const CliCommand* findCommand(const QString& name) {
    for (const CliCommand& command : commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

// Runs the words after the program's name and returns the exit status.
int run(QStringList words) {
    if (words.isEmpty()) {
        printUsage(cliErr());
        return 2;
    }
    if (words.first() == QStringLiteral("--version")) {
        cliOut() << "vantoro-cli " << VANTORO_VERSION << '\n';
        cliOut().flush();
        return 0;
    }
    if (words.first() == QStringLiteral("--help") || words.first() == QStringLiteral("-h") ||
        words.first() == QStringLiteral("help")) {
        // "help new" is "new --help".
        if (words.size() < 2 || !findCommand(words.at(1))) {
            printUsage(cliOut());
            return 0;
        }
        words = {words.at(1), QStringLiteral("--help")};
    }
    const QString name = words.takeFirst();
    const CliCommand* command = findCommand(name);
    if (!command) {
        cliErr() << "vantoro-cli: unknown command \"" << name << "\"\n";
        printUsage(cliErr());
        return 2;
    }
    try {
        const int status = command->run(words);
        cliOut().flush();
        return status;
    } catch (const UsageError& error) {
        cliOut().flush();
        cliErr() << "vantoro-cli " << name << ": " << error.what() << "\n'vantoro-cli " << name
                 << " --help' lists its options.\n";
        cliErr().flush();
        return 2;
    } catch (const VantoroError& error) {
        cliOut().flush();
        cliErr() << error.message() << "\n";
        cliErr().flush();
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // A file-size limit must fail the write (EFBIG) and be reported, not end the program unseen.
    std::signal(SIGXFSZ, SIG_IGN);
    // Printing needs fonts and a paint device but never a screen.
    const CliCommand* wanted = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (wanted && (wanted->needsGui || wantsPdf(argc, argv))) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same name as the application, so that both find the same per-user home.
    QCoreApplication::setApplicationName(QStringLiteral("Vantoro"));
    return run(QCoreApplication::arguments().mid(1));
}
