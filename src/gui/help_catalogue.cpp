// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help_catalogue.h"

#include "vantoro_version.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

HelpCatalogue::HelpCatalogue(const QString& folder) : m_folder(folder) {
    QFile file(folder + QStringLiteral("/topics.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems << QStringLiteral("cannot read ") + file.fileName();
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        m_problems << file.fileName() + QStringLiteral(": ") + parseError.errorString();
        return;
    }
    const QJsonObject root = document.object();
    m_title = root.value(QStringLiteral("title")).toString();
    for (const QJsonValue& value : root.value(QStringLiteral("topics")).toArray()) {
        const QJsonObject entry = value.toObject();
        HelpTopic topic;
        topic.page = folder + QLatin1Char('/') + entry.value(QStringLiteral("page")).toString();
        topic.title = entry.value(QStringLiteral("title")).toString();
        topic.section = entry.value(QStringLiteral("section")).toString();
        for (const QJsonValue& context : entry.value(QStringLiteral("contexts")).toArray())
            topic.contexts << context.toInt();
        for (const QJsonValue& keyword : entry.value(QStringLiteral("keywords")).toArray())
            topic.keywords << keyword.toString();
        if (topic.title.isEmpty())
            m_problems << topic.page + QStringLiteral(" has no title");
        const int index = static_cast<int>(m_topics.size());
        for (int context : topic.contexts) {
            if (m_byContext.contains(context))
                m_problems << QStringLiteral("context %1 is mapped twice").arg(context);
            else
                m_byContext.insert(context, index);
        }
        m_topics.push_back(std::move(topic));
    }
    if (m_topics.empty())
        m_problems << file.fileName() + QStringLiteral(" lists no topics");
}

const HelpCatalogue& HelpCatalogue::book(Help::Book book) {
    static const HelpCatalogue mainBook(QStringLiteral(":/help/vantoro"));
    static const HelpCatalogue tutorial(QStringLiteral(":/help/tutorial"));
    static const HelpCatalogue documents(QStringLiteral(":/help/documents"));
    switch (book) {
    case Help::Book::Tutorial:
        return tutorial;
    case Help::Book::Documents:
        return documents;
    case Help::Book::Main:
        break;
    }
    return mainBook;
}

Help::Book HelpCatalogue::bookOf(const QString& page) {
    for (Help::Book candidate : {Help::Book::Tutorial, Help::Book::Documents}) {
        if (page.startsWith(book(candidate).folder() + QLatin1Char('/')))
            return candidate;
    }
    return Help::Book::Main;
}

QString HelpCatalogue::homePage() const {
    return m_topics.empty() ? QString() : m_topics.front().page;
}

const HelpTopic* HelpCatalogue::topicForContext(int contextId) const {
    const auto found = m_byContext.constFind(contextId);
    return found == m_byContext.cend() ? nullptr : &m_topics[static_cast<size_t>(*found)];
}

const HelpTopic* HelpCatalogue::topicForPage(const QString& page) const {
    for (const HelpTopic& topic : m_topics) {
        if (topic.page == page)
            return &topic;
    }
    return nullptr;
}

QString HelpCatalogue::pageHtml(const QString& page) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString html = QString::fromUtf8(file.readAll());
    // The web address and the version live in one place each, not in every page.
    html.replace(QStringLiteral("@HOMEPAGE@"), Help::homePageUrl());
    html.replace(QStringLiteral("@VERSION@"), QStringLiteral(VANTORO_VERSION));
    return html;
}

QString HelpCatalogue::searchText(const QString& page) const {
    auto found = m_searchText.find(page);
    if (found == m_searchText.end()) {
        QTextDocument document;
        document.setHtml(pageHtml(page));
        found = m_searchText.insert(page, document.toPlainText().toLower());
    }
    return *found;
}
