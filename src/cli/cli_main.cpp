// SPDX-License-Identifier: GPL-3.0-or-later
// vantoro-cli: the analyses, generators and checkers of the windows, over the same core,
// printing the same lines. Exit status 0 on success, 2 on a bad command line, 1 on a refused file.
#include "cli/cli_commands.h"
#include "db/vantoro_error.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <csignal>
#include <memory>

namespace {

constexpr std::array commands{
    CliCommand{"info", "info --lottery FILE.DBF", cliInfo},
    CliCommand{"dump", "dump --lottery FILE.DBF", cliDump},
    CliCommand{
        "new",
        "new [--code CODE] [--country NAME] [--state XX] --type N --drawn N --bonus K --lowest L --highest H "
        "[--highest-bonus HB] [--description TEXT] [--days SMTWTFS] [--allow-duplicates] [--overwrite]\n"
        "      (--drawn counts the bonus numbers too: 6 numbers plus 1 bonus number is --drawn 7 --bonus 1)",
        cliNew},
    CliCommand{"catalogue", "catalogue [--country NAME | --state NAME]", cliCatalogue},
    CliCommand{
        "import",
        "import --lottery FILE.DBF FILE.csv|FILE.json [--separator ';'] [--header-rows N] "
        "[--date-column C|D,M,Y] "
        "[--date-format MM/DD/YYYY|M/D/YYYY|YYYY-MM-DD|YYYY.MM.DD.|DD.MM.YYYY|DD/MM/YYYY|DAY,MONTH,YEAR] "
        "[--number-columns 5-24] [--json-date KEY] [--json-numbers KEY] [--json-bonus KEY] [--skip-bad] "
        "[--two-draws-a-day]\n"
        "      (a JSON file is an array of records; the keys not given are proposed from their names, and "
        "--json-bonus '' takes none;\n"
        "      a second drawing on a date already held is refused unless --two-draws-a-day says the "
        "lottery draws twice a day;\n"
        "      drawings dated on a day the lottery does not draw are imported and named)",
        cliImport},
    CliCommand{"export", "export --lottery FILE.DBF [CSV]", cliExport},
    CliCommand{"print-demo", "print-demo --pdf FILE --lines N --columns C", cliPrintDemo, true},
    CliCommand{"stats", "stats --lottery FILE.DBF [--cutoff N] [--hot N] [--bonus 0|1|2] [--pdf FILE]",
               cliStats},
    CliCommand{"skiphit", "skiphit --lottery FILE.DBF [--cutoff N] [--bonus 0|1|2] [--pdf FILE]", cliSkipHit},
    CliCommand{"sequence", "sequence --lottery FILE.DBF [--cutoff N] [--bonus 0|1|2] [--pdf FILE]",
               cliSequence},
    CliCommand{"pairs", "pairs --lottery FILE.DBF [--cutoff N] [--bonus] [--pdf FILE [--count N]]", cliPairs},
    CliCommand{"triples", "triples --lottery FILE.DBF [--cutoff N] [--bonus] [--pdf FILE [--count N]]",
               cliTriples},
    CliCommand{"summary", "summary --lottery FILE.DBF [--cutoff N] [--hot N] [--bonus 0|1|2] [--pdf FILE]",
               cliSummary},
    CliCommand{"search", "search --lottery FILE.DBF --numbers 05,12,33 [--min M] [--bonus] [--from N --to N]",
               cliSearch},
    CliCommand{
        "print",
        "print drawings|search --lottery FILE.DBF [--numbers 05,12,33 --min M --bonus] [--from N --to N] "
        "--pdf FILE",
        cliPrint, true},
    CliCommand{"wheel",
               "wheel full --numbers K --per-ticket P -o FILE | wheel list --lottery FILE.DBF | wheel show "
               "FILE [--pdf FILE] [--lottery FILE.DBF] | "
               "wheel expand FILE --numbers 4,9,17,... [--bonus NN] [--lottery FILE.DBF]",
               cliWheel},
    CliCommand{"tickets",
               "tickets show FILE.tic [--pdf FILE] | "
               "tickets filter FILE.tic [--sum A-B] [--odd C-D] [-o OUT] [--pdf FILE]",
               cliTickets},
};

// A command that writes its printout (--pdf) paints, whatever it does otherwise.
bool wantsPdf(int argc, char* argv[]) {
    for (int i = 2; i < argc; ++i)
        if (qstrcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

void printUsage(QTextStream& out) {
    out << "usage: vantoro-cli COMMAND [--home DIR] [options]\n";
    for (const CliCommand& command : commands)
        out << "  " << command.usage << "\n";
    out.flush();
}

const CliCommand* findCommand(const char* name) {
    for (const CliCommand& command : commands) {
        if (qstrcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    // A file-size limit must fail the write (EFBIG) and be reported, not end the program unseen.
    std::signal(SIGXFSZ, SIG_IGN);
    // Printing needs fonts and a paint device but never a screen.
    const CliCommand* wanted = argc > 1 ? findCommand(argv[1]) : nullptr;
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
    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.isEmpty() || words.first() == QStringLiteral("--help") ||
        words.first() == QStringLiteral("help")) {
        printUsage(cliOut());
        return words.isEmpty() ? 2 : 0;
    }
    const QString name = words.takeFirst();
    for (const CliCommand& command : commands) {
        if (name != QLatin1String(command.name))
            continue;
        try {
            const int status = command.run(words);
            cliOut().flush();
            return status;
        } catch (const UsageError& error) {
            cliOut().flush();
            cliErr() << "vantoro-cli " << name << ": " << error.what() << "\nusage: vantoro-cli "
                     << command.usage << "\n";
            cliErr().flush();
            return 2;
        } catch (const VantoroError& error) {
            cliOut().flush();
            cliErr() << error.message() << "\n";
            cliErr().flush();
            return 1;
        }
    }
    cliErr() << "vantoro-cli: unknown command \"" << name << "\"\n";
    printUsage(cliErr());
    return 2;
}
