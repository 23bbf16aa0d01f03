// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;
class HelpWindow;

// The program's help: HTML topics addressed by their context numbers, shown in our help
// window (contents, index, search, back and forward).
namespace Help {
// Documents holds the publisher's pages of the Help menu (wheels, books, order form).
enum class Book { Main, Tutorial, Documents };
// Opens the topic of this context number (the contents when the number has no topic).
void showTopic(int contextId, QWidget* parent = nullptr);
void showContents(QWidget* parent = nullptr);
void showTutorial(QWidget* parent = nullptr);
// The publisher's documents of the Help menu: "wheels" (custom wheeling systems),
// "books" (reading the charts), "order" (getting and supporting Vantoro).
void showDocument(const QString& document, QWidget* parent = nullptr);
// True when a topic page exists for the number (tests check every Help button has one).
bool hasTopic(int contextId);
// The project's web page, in one place.
QString homePageUrl();
// Opens `url` (the home page when empty) in the default web browser; when none can be
// started, says "Could not find Web Browser." through Prompts. Returns whether it started.
bool openInBrowser(QWidget* parent = nullptr, const QString& url = QString());
// The help window of the run, created on first use; it lives until the application quits.
HelpWindow* window();

// Per-control help: F1 opens the topic of the control that has the focus.
void setContext(QWidget* control, int contextId);
int context(const QWidget* control); // 0 when it has none
// F1 in `dialog` opens the help context of the focused control (or of its nearest parent that has
// one), else `fallbackTopic` as read when F1 is pressed.
void installContextHelp(QDialog* dialog, std::function<int()> fallbackTopic);
} // namespace Help
