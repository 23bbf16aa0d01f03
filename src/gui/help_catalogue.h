// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/help.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// One help page as the book's topics.json lists it.
struct HelpTopic {
    QString page; // resource path, e.g. ":/help/vantoro/main_window.html"
    QString title;
    QString section;      // heading it sits under in the contents; empty: top level
    QList<int> contexts;  // help context numbers that open it
    QStringList keywords; // index entries
};

// The topics of one help book, read from <folder>/topics.json. The first topic is the book's
// home page. Adding a window's help is adding its page and one entry to that file.
class HelpCatalogue {
public:
    explicit HelpCatalogue(const QString& folder);

    // The three books of the program, loaded once.
    static const HelpCatalogue& book(Help::Book book);
    // The book whose folder holds `page` (the main help when none does).
    static Help::Book bookOf(const QString& page);

    QString folder() const { return m_folder; }
    QString title() const { return m_title; }
    QString homePage() const;
    const std::vector<HelpTopic>& topics() const { return m_topics; }
    const HelpTopic* topicForContext(int contextId) const;
    const HelpTopic* topicForPage(const QString& page) const;
    // Problems met reading topics.json (empty when it is sound).
    QStringList problems() const { return m_problems; }

    // The page's HTML as shown, with the placeholders filled in (@HOMEPAGE@, @VERSION@).
    static QString pageHtml(const QString& page);
    // The page's text without markup, lower-cased, for the full-text search.
    QString searchText(const QString& page) const;

private:
    QString m_folder;
    QString m_title;
    std::vector<HelpTopic> m_topics;
    QHash<int, int> m_byContext;
    QStringList m_problems;
    mutable QHash<QString, QString> m_searchText;
};
