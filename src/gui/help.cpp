// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help.h"

#include "gui/help_catalogue.h"
#include "gui/help_window.h"
#include "gui/prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <QVariant>

namespace {

// The property that carries a control's help context number.
const char* const ContextProperty = "helpContext";

QPointer<HelpWindow> theWindow;

// Brings the window up where the reader is: beside the window that asked, and usable even when
// that is a modal dialog (see HelpWindow::eventFilter).
HelpWindow* present(QWidget* parent) {
    HelpWindow* window = Help::window();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window && window->parentWidget() != modal) {
        const QRect frame = window->geometry();
        const bool placed = window->testAttribute(Qt::WA_Moved);
        window->setParent(modal, Qt::Window);
        if (placed)
            window->setGeometry(frame);
        modal->installEventFilter(window);
    }
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Moved)) {
        QWidget* anchor = parent ? parent->window() : QApplication::activeWindow();
        const QRect area = anchor ? anchor->frameGeometry()
                                  : (window->screen() ? window->screen()->availableGeometry() : QRect());
        if (area.isValid())
            window->move(area.center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

namespace Help {

HelpWindow* window() {
    if (!theWindow) {
        theWindow = new HelpWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, theWindow.data(), &QObject::deleteLater);
    }
    return theWindow;
}

void showTopic(int contextId, QWidget* parent) {
    const HelpTopic* topic = HelpCatalogue::book(Book::Main).topicForContext(contextId);
    if (!topic) {
        showContents(parent);
        return;
    }
    present(parent)->showPage(topic->page);
}

void showContents(QWidget* parent) {
    present(parent)->showBook(Book::Main);
}

void showTutorial(QWidget* parent) {
    present(parent)->showBook(Book::Tutorial);
}

void showDocument(const QString& document, QWidget* parent) {
    const HelpCatalogue& documents = HelpCatalogue::book(Book::Documents);
    const HelpTopic* topic =
        documents.topicForPage(documents.folder() + QLatin1Char('/') + document + QStringLiteral(".html"));
    HelpWindow* window = present(parent);
    if (topic)
        window->showPage(topic->page);
    else
        window->showBook(Book::Documents);
}

bool hasTopic(int contextId) {
    const HelpTopic* topic = HelpCatalogue::book(Book::Main).topicForContext(contextId);
    return topic && !HelpCatalogue::pageHtml(topic->page).isEmpty();
}

QString homePageUrl() {
    return QStringLiteral("https://vantoro.example.org/");
}

bool openInBrowser(QWidget* parent, const QString& url) {
    if (QDesktopServices::openUrl(QUrl(url.isEmpty() ? homePageUrl() : url)))
        return true;
    Prompts::instance().error(parent, QStringLiteral("Could not find Web Browser."));
    return false;
}

void setContext(QWidget* control, int contextId) {
    control->setProperty(ContextProperty, contextId);
}

int context(const QWidget* control) {
    return control ? control->property(ContextProperty).toInt() : 0;
}

void installContextHelp(QDialog* dialog, std::function<int()> fallbackTopic) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(shortcut, &QShortcut::activated, dialog,
                     [dialog, fallbackTopic = std::move(fallbackTopic)] {
                         for (QWidget* w = dialog->focusWidget(); w && w != dialog; w = w->parentWidget()) {
                             if (const int id = context(w)) {
                                 showTopic(id, dialog);
                                 return;
                             }
                         }
                         showTopic(fallbackTopic(), dialog);
                     });
}

} // namespace Help
