// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help_window.h"

#include "gui/help_catalogue.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PageRole = Qt::UserRole;
constexpr int WordRole = Qt::UserRole + 1;
constexpr int KeywordRole = Qt::UserRole + 2;

QUrl pageUrl(const QString& page, const QString& anchor = QString()) {
    QUrl url(QStringLiteral("qrc") + page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

// Pages are read through the catalogue so that their placeholders are filled in.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc")) {
            const QString html = HelpCatalogue::pageHtml(QLatin1Char(':') + name.path());
            if (!html.isEmpty())
                return html;
        }
        return QTextBrowser::loadResource(type, name);
    }
};

QStringList searchWords(const QString& text) {
    return text.toLower().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);

    auto* tools = addToolBar(QStringLiteral("Navigation"));
    tools->setObjectName(QStringLiteral("HelpToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
    m_back->setObjectName(QStringLiteral("BackAction"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
    m_forward->setObjectName(QStringLiteral("ForwardAction"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"));
    m_home->setObjectName(QStringLiteral("HomeAction"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));

    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("ContentsTree"));
    m_contents->setHeaderHidden(true);
    m_tabs->addTab(m_contents, QStringLiteral("Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexLabel = new QLabel(QStringLiteral("&Type the first letters of the word you are looking for:"));
    indexLabel->setWordWrap(true);
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("IndexFilter"));
    m_indexFilter->setClearButtonEnabled(true);
    indexLabel->setBuddy(m_indexFilter);
    m_index = new QListWidget;
    m_index->setObjectName(QStringLiteral("IndexList"));
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(m_index);
    m_tabs->addTab(indexPage, QStringLiteral("Index"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchLabel = new QLabel(QStringLiteral("&Words to find:"));
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("SearchText"));
    searchLabel->setBuddy(m_searchText);
    auto* searchButton = new QPushButton(QStringLiteral("&Search"));
    searchButton->setObjectName(QStringLiteral("SearchBtn"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchText);
    searchRow->addWidget(searchButton);
    m_searchResults = new QListWidget;
    m_searchResults->setObjectName(QStringLiteral("SearchResults"));
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(m_searchResults);
    m_tabs->addTab(searchPage, QStringLiteral("Search"));

    m_browser = new HelpBrowser;
    m_browser->setObjectName(QStringLiteral("TopicBrowser"));
    m_browser->setOpenLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);
    resize(920, 640);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, [this] { showPage(HelpCatalogue::book(m_book).homePage()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::TopicBrowserSourceChanged);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::TopicBrowserAnchorClicked);
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::ContentsTreeItemActivated);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::ContentsTreeItemActivated);
    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpWindow::IndexFilterChange);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, &HelpWindow::IndexFilterReturnPressed);
    connect(m_index, &QListWidget::itemActivated, this, &HelpWindow::IndexListItemActivated);
    connect(m_searchText, &QLineEdit::returnPressed, this, &HelpWindow::SearchBtnClick);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::SearchBtnClick);
    connect(m_searchResults, &QListWidget::itemActivated, this, &HelpWindow::SearchResultsItemActivated);

    setBook(Help::Book::Main);
}

void HelpWindow::showBook(Help::Book book) {
    setBook(book);
    m_tabs->setCurrentIndex(0);
    showPage(HelpCatalogue::book(book).homePage());
}

void HelpWindow::showPage(const QString& page, const QString& anchor) {
    if (page.isEmpty())
        return;
    m_browser->setSource(pageUrl(page, anchor));
}

QString HelpWindow::currentPage() const {
    const QUrl source = m_browser->source();
    return source.isEmpty() ? QString() : QLatin1Char(':') + source.path();
}

void HelpWindow::setBook(Help::Book book) {
    if (m_bookShown && book == m_book)
        return;
    m_book = book;
    m_bookShown = true;
    setWindowTitle(HelpCatalogue::book(book).title());
    fillContents();
    fillIndex();
}

void HelpWindow::fillContents() {
    m_contents->clear();
    QHash<QString, QTreeWidgetItem*> sections;
    for (const HelpTopic& topic : HelpCatalogue::book(m_book).topics()) {
        QTreeWidgetItem* parent = nullptr;
        if (!topic.section.isEmpty()) {
            parent = sections.value(topic.section);
            if (!parent) {
                parent = new QTreeWidgetItem(m_contents, {topic.section});
                parent->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
                parent->setExpanded(true);
                sections.insert(topic.section, parent);
            }
        }
        auto* item = parent ? new QTreeWidgetItem(parent, {topic.title})
                            : new QTreeWidgetItem(m_contents, {topic.title});
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        item->setData(0, PageRole, topic.page);
    }
    m_contents->expandAll();
}

void HelpWindow::fillIndex() {
    struct Entry {
        QString keyword;
        QString title;
        QString page;
    };
    std::vector<Entry> entries;
    for (const HelpTopic& topic : HelpCatalogue::book(m_book).topics()) {
        for (const QString& keyword : topic.keywords)
            entries.push_back({keyword, topic.title, topic.page});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive) < 0;
    });
    m_index->clear();
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        const bool shared =
            (i > 0 && entries[i - 1].keyword.compare(entry.keyword, Qt::CaseInsensitive) == 0) ||
            (i + 1 < entries.size() &&
             entries[i + 1].keyword.compare(entry.keyword, Qt::CaseInsensitive) == 0);
        // A word found on several pages says which page each line leads to.
        auto* item =
            new QListWidgetItem(shared ? entry.keyword + QStringLiteral(" - ") + entry.title : entry.keyword);
        item->setData(PageRole, entry.page);
        item->setData(KeywordRole, entry.keyword);
        m_index->addItem(item);
    }
    IndexFilterChange(m_indexFilter->text());
}

void HelpWindow::selectInContents(const QString& page) {
    const QSignalBlocker blocker(m_contents);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, PageRole).toString() == page) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

void HelpWindow::TopicBrowserSourceChanged(const QUrl& source) {
    const QString page = QLatin1Char(':') + source.path();
    // Links and history may lead into the other book: its contents come along.
    setBook(HelpCatalogue::bookOf(page));
    selectInContents(page);
    const HelpTopic* topic = HelpCatalogue::book(m_book).topicForPage(page);
    const QString bookTitle = HelpCatalogue::book(m_book).title();
    setWindowTitle(topic ? bookTitle + QStringLiteral(" - ") + topic->title : bookTitle);
}

void HelpWindow::TopicBrowserAnchorClicked(const QUrl& link) {
    const QUrl target = m_browser->source().resolved(link);
    if (target.scheme() == QLatin1String("qrc"))
        m_browser->setSource(target);
    else
        Help::openInBrowser(this, target.toString());
}

void HelpWindow::ContentsTreeItemActivated(QTreeWidgetItem* item) {
    const QString page = item ? item->data(0, PageRole).toString() : QString();
    if (!page.isEmpty())
        showPage(page);
}

void HelpWindow::IndexFilterChange(const QString& text) {
    const QString filter = text.trimmed();
    QListWidgetItem* best = nullptr;
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        const QString keyword = item->data(KeywordRole).toString();
        const bool shown = keyword.contains(filter, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !best && keyword.startsWith(filter, Qt::CaseInsensitive))
            best = item;
    }
    if (!best) {
        for (int i = 0; i < m_index->count() && !best; ++i) {
            if (!m_index->item(i)->isHidden())
                best = m_index->item(i);
        }
    }
    m_index->setCurrentItem(best);
    if (best)
        m_index->scrollToItem(best);
}

void HelpWindow::IndexFilterReturnPressed() {
    IndexListItemActivated(m_index->currentItem());
}

void HelpWindow::IndexListItemActivated(QListWidgetItem* item) {
    if (item && !item->isHidden())
        showPage(item->data(PageRole).toString());
}

int HelpWindow::search(const QString& words) {
    m_searchText->setText(words);
    m_searchResults->clear();
    const QStringList wanted = searchWords(words);
    if (wanted.isEmpty())
        return 0;
    struct Hit {
        int mentions;
        int order;
        QString text;
        QString page;
    };
    std::vector<Hit> hits;
    // The book being read comes first; the other books follow, marked with their titles.
    std::vector<Help::Book> books{m_book};
    for (Help::Book other : {Help::Book::Main, Help::Book::Tutorial, Help::Book::Documents}) {
        if (other != m_book)
            books.push_back(other);
    }
    int order = 0;
    for (Help::Book book : books) {
        const HelpCatalogue& catalogue = HelpCatalogue::book(book);
        for (const HelpTopic& topic : catalogue.topics()) {
            const QString text = catalogue.searchText(topic.page);
            int mentions = 0;
            bool all = true;
            for (const QString& word : wanted) {
                const int count = static_cast<int>(text.count(word));
                all = all && count > 0;
                mentions += count;
            }
            if (all) {
                const QString label = book == m_book ? topic.title
                                                     : topic.title + QStringLiteral(" (") +
                                                           catalogue.title() + QLatin1Char(')');
                hits.push_back({book == m_book ? mentions : 0, order, label, topic.page});
            }
            ++order;
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.mentions != b.mentions ? a.mentions > b.mentions : a.order < b.order;
    });
    for (const Hit& hit : hits) {
        auto* item = new QListWidgetItem(hit.text, m_searchResults);
        item->setData(PageRole, hit.page);
        item->setData(WordRole, wanted.first());
    }
    if (hits.empty())
        new QListWidgetItem(QStringLiteral("No topics found."), m_searchResults);
    else
        m_searchResults->setCurrentRow(0);
    return static_cast<int>(hits.size());
}

void HelpWindow::SearchBtnClick() {
    m_tabs->setCurrentIndex(2);
    search(m_searchText->text());
}

void HelpWindow::SearchResultsItemActivated(QListWidgetItem* item) {
    const QString page = item ? item->data(PageRole).toString() : QString();
    if (page.isEmpty())
        return;
    showPage(page);
    // Show where the word is, as the reader asked for it.
    m_browser->find(item->data(WordRole).toString());
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // While a modal dialog runs, the help it asked for is its child window (a top-level window
    // would be blocked by it); when the dialog goes away the help window stays, on its own.
    if (event->type() == QEvent::Hide && watched == parentWidget()) {
        watched->removeEventFilter(this);
        const QRect frame = geometry();
        const bool wasVisible = isVisible();
        setParent(nullptr, Qt::Window);
        setGeometry(frame);
        if (wasVisible)
            show();
    }
    return QMainWindow::eventFilter(watched, event);
}
