// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/main_form.h"
#include "app/single_instance.h"
#include "app/splash_window.h"
#include "db/vantoro_error.h"
#include "gui/prompts.h"
#include "lottery/program_home.h"
#include "vantoro_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int SplashMilliseconds = 3000;

// Waits until `ms` have passed on `clock`, handling events meanwhile so the splash stays painted.
void waitUntil(const QElapsedTimer& clock, int ms) {
    const qint64 remaining = ms - clock.elapsed();
    if (remaining <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(remaining), &loop, &QEventLoop::quit);
    loop.exec();
}

// Maximised, and active so that its first activation loads the lottery. Without a window manager
// (a bare X server) neither happens by itself, so the window takes the screen and the focus.
void showMainWindow(TMainForm& form) {
    if (const QScreen* screen = form.screen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    form.raise();
    form.activateWindow();
}

} // namespace

int runVantoro(int argc, char* argv[]) {
    // Answered before the application starts: it needs no screen, as a packaging check has none.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vantoro %s\n", VANTORO_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VANTORO_VERSION));
    // The same name as vantoro-cli, so that both find the same per-user home
    // (~/.local/share/Vantoro). No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Vantoro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vantoro.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vantoro, the lottery player's desktop."));
    const QCommandLineOption homeOption(QStringLiteral("home"),
                                        QStringLiteral("The program home folder (settings, data, wheels)."),
                                        QStringLiteral("DIR"));
    parser.addOption(homeOption);
    // Listed in --help; answered above.
    parser.addOption(QCommandLineOption(QStringLiteral("version"), QStringLiteral("Shows the version.")));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The drawing file to open (e.g. PB545.DBF)."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(QApplication::arguments())) {
        Prompts::instance().error(nullptr, parser.errorText());
        return 2;
    }

    ProgramHome home(ProgramHome::resolve(parser.value(homeOption)));
    try {
        home.prepare();
    } catch (const VantoroError& error) {
        Prompts::instance().error(nullptr, error.message());
        return 1;
    }

    SingleInstance instance(home.dir());
    if (instance.notifyRunning())
        return 0;
    if (!instance.listen())
        qWarning("Vantoro runs without its single-instance guard: %s", qPrintable(instance.errorText()));

    QElapsedTimer clock;
    clock.start();
    auto splash = std::make_unique<SplashWindow>();
    splash->showSplash();

    TMainForm form(home.dir(), parser.positionalArguments());
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, [&form] {
        if (form.isVisible())
            form.bringToFront();
    });
    waitUntil(clock, SplashMilliseconds);
    splash.reset();
    showMainWindow(form);
    return QApplication::exec();
}
