// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/help.h"

#include <QMainWindow>

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help viewer: contents, index and search of the book being read beside the page, with
// back and forward through every page seen. One window serves the whole run.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the book's contents and index and opens its home page.
    void showBook(Help::Book book);
    // Opens a page by resource path (":/help/vantoro/main_window.html"), optionally at an anchor.
    void showPage(const QString& page, const QString& anchor = QString());
    Help::Book currentBook() const { return m_book; }
    QString currentPage() const;
    // Lists the pages holding every word of `words`, most mentions first; returns their number.
    int search(const QString& words);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBook(Help::Book book);
    void fillContents();
    void fillIndex();
    void selectInContents(const QString& page);
    void TopicBrowserSourceChanged(const QUrl& source);
    void TopicBrowserAnchorClicked(const QUrl& link);
    void ContentsTreeItemActivated(QTreeWidgetItem* item);
    void IndexFilterChange(const QString& text);
    void IndexFilterReturnPressed();
    void IndexListItemActivated(QListWidgetItem* item);
    void SearchBtnClick();
    void SearchResultsItemActivated(QListWidgetItem* item);

    Help::Book m_book = Help::Book::Main;
    bool m_bookShown = false;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_searchText = nullptr;
    QListWidget* m_searchResults = nullptr;
    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_home = nullptr;
};
