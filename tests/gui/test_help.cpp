// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_form.h"
#include "app/cutoff_form.h"
#include "app/splash_window.h"
#include "gui/help.h"
#include "gui/help_catalogue.h"
#include "gui/help_window.h"
#include "lottery/current_lottery.h"
#include "lottery/lottery_info_form.h"
#include "lottery/open_form.h"
#include "support/temp_home.h"

#include <QAction>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

const std::initializer_list<Help::Book> allBooks{Help::Book::Main, Help::Book::Tutorial,
                                                 Help::Book::Documents};

QTextBrowser* browserOf(HelpWindow* window) {
    return window->findChild<QTextBrowser*>(QStringLiteral("TopicBrowser"));
}

QStringList visibleItems(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (!list->item(i)->isHidden())
            texts << list->item(i)->text();
    }
    return texts;
}

QStringList topLevelTitles(const QTreeWidget* tree) {
    QStringList titles;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        titles << tree->topLevelItem(i)->text(0);
    return titles;
}

} // namespace

class TestHelp final : public QObject {
    Q_OBJECT

private slots:
    void booksAreSoundAndCoverEveryPage();
    void everyMappedContextOpensItsPage();
    void contextsOfTheShellHaveTopics_data();
    void contextsOfTheShellHaveTopics();
    void controlsOpenTheirOwnTopic_data();
    void controlsOpenTheirOwnTopic();
    void unknownContextOpensTheContents();
    void everyInternalLinkResolves();
    void linkIntoAnotherBookSwitchesTheContents();
    void indexFilterFindsKeyword();
    void searchFindsKnownWords();
    void backAndForwardWalkTheHistory();
    void tutorialAndDocumentsOpen_data();
    void tutorialAndDocumentsOpen();
    void placeholdersAreFilledIn();
    void helpWindowOutlivesTheModalDialogThatOpenedIt();
    void artworkLoads_data();
    void artworkLoads();
    void splashIsExactlyItsPicture();
    void aboutIsExactlyItsPictureAndCloses();
};

void TestHelp::booksAreSoundAndCoverEveryPage() {
    QSet<QString> listed;
    for (Help::Book book : allBooks) {
        const HelpCatalogue& catalogue = HelpCatalogue::book(book);
        QVERIFY2(catalogue.problems().isEmpty(), qPrintable(catalogue.problems().join(QLatin1Char('\n'))));
        QVERIFY(!catalogue.title().isEmpty());
        for (const HelpTopic& topic : catalogue.topics()) {
            QVERIFY2(!catalogue.searchText(topic.page).trimmed().isEmpty(), qPrintable(topic.page));
            QVERIFY2(!topic.keywords.isEmpty(),
                     qPrintable(topic.page + QStringLiteral(" has no index entry")));
            listed.insert(topic.page);
        }
    }
    // A page missing from its book's map can be reached neither from the contents nor the index.
    QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (pages.hasNext()) {
        const QString page = pages.next();
        QVERIFY2(listed.contains(page), qPrintable(page + QStringLiteral(" is in no topics.json")));
        ++count;
    }
    QCOMPARE(count, listed.size());
}

void TestHelp::everyMappedContextOpensItsPage() {
    const HelpCatalogue& catalogue = HelpCatalogue::book(Help::Book::Main);
    int contexts = 0;
    for (const HelpTopic& topic : catalogue.topics()) {
        for (int context : topic.contexts) {
            Help::showTopic(context);
            HelpWindow* window = Help::window();
            QVERIFY(window->isVisible());
            QCOMPARE(window->currentPage(), topic.page);
            QVERIFY2(browserOf(window)->toPlainText().contains(topic.title.section(QLatin1Char(' '), 0, 0)),
                     qPrintable(topic.page));
            ++contexts;
        }
    }
    QVERIFY(contexts > 0);
}

void TestHelp::contextsOfTheShellHaveTopics_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    const QString cutoff = QStringLiteral(":/help/vantoro/drawing_cutoff.html");
    const QString hot = QStringLiteral(":/help/vantoro/hot_cutoff.html");
    QTest::newRow("Delete Drawing File") << 122 << QStringLiteral(":/help/vantoro/delete_drawing_file.html")
                                         << QStringLiteral("Delete Drawing File");
    QTest::newRow("Drawing Cutoff dialog") << 143 << cutoff << QStringLiteral("Drawing Cutoff");
    QTest::newRow("Drawing Cutoff box") << 343 << cutoff << QStringLiteral("Drawing Cutoff");
    QTest::newRow("Drawing Cutoff OK") << 344 << cutoff << QStringLiteral("Drawing Cutoff");
    QTest::newRow("Drawing Cutoff Cancel") << 345 << cutoff << QStringLiteral("Drawing Cutoff");
    QTest::newRow("Hot Number Cutoff dialog") << 144 << hot << QStringLiteral("Hot Number Cutoff");
    QTest::newRow("Hot Number Cutoff box") << 346 << hot << QStringLiteral("Hot Number Cutoff");
    QTest::newRow("Hot Number Cutoff OK") << 347 << hot << QStringLiteral("Hot Number Cutoff");
    QTest::newRow("Hot Number Cutoff Cancel") << 348 << hot << QStringLiteral("Hot Number Cutoff");
}

void TestHelp::contextsOfTheShellHaveTopics() {
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    QVERIFY(Help::hasTopic(context));
    Help::showTopic(context);
    QCOMPARE(Help::window()->currentPage(), page);
    QVERIFY(browserOf(Help::window())->toPlainText().startsWith(heading));
}

void TestHelp::controlsOpenTheirOwnTopic_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    const QString drawing = QStringLiteral(":/help/vantoro/drawing_cutoff.html");
    const QString hot = QStringLiteral(":/help/vantoro/hot_cutoff.html");
    const QString definition = QStringLiteral(":/help/vantoro/new_drawing_file.html");
    const QString open = QStringLiteral(":/help/vantoro/open_drawing_file.html");
    auto row = [](const QString& dialog, const QString& control, int context, const QString& page) {
        QTest::addRow("%s %s", qPrintable(dialog), qPrintable(control))
            << dialog << control << context << page;
    };
    row(QStringLiteral("drawing"), QStringLiteral("SpinEdit1"), 343, drawing);
    row(QStringLiteral("drawing"), QStringLiteral("OKBtn"), 344, drawing);
    row(QStringLiteral("drawing"), QStringLiteral("CancelBtn"), 345, drawing);
    row(QStringLiteral("drawing"), QStringLiteral("HelpBtn"), 143, drawing);
    row(QStringLiteral("hot"), QStringLiteral("SpinEdit1"), 346, hot);
    row(QStringLiteral("hot"), QStringLiteral("OKBtn"), 347, hot);
    row(QStringLiteral("hot"), QStringLiteral("CancelBtn"), 348, hot);
    row(QStringLiteral("hot"), QStringLiteral("HelpBtn"), 144, hot);
    const char* const definitionControls[] = {"GameType",        "Description",       "Country",
                                              "State",           "NumbersDrawn",      "BonusNumbers",
                                              "HighestNumber",   "LowestNumber",      "Sunday",
                                              "BonusMatches0",   "AllowDuplicates",   "HighestBonus",
                                              "CommissionName",  "CommissionAddress", "CommissionCity",
                                              "CommissionState", "CommissionZipCode", "CommissionPhone",
                                              "CommissionFax",   "CommissionEmail",   "CommissionWWW",
                                              "OKBtn",           "CancelBtn"};
    const int definitionContexts[] = {152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163,
                                      164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174};
    for (size_t i = 0; i < std::size(definitionControls); ++i)
        row(QStringLiteral("new file"), QLatin1String(definitionControls[i]), definitionContexts[i],
            definition);
    row(QStringLiteral("new file"), QStringLiteral("Saturday"), 160, definition);
    row(QStringLiteral("new file"), QStringLiteral("BonusMatches6"), 161, definition);
    row(QStringLiteral("new file"), QStringLiteral("HelpBtn"), 118, definition);
    // Edit mode locks the structural fields, so the pages are reached through the unlocked ones.
    row(QStringLiteral("edit"), QStringLiteral("Description"), 153, definition);
    row(QStringLiteral("edit"), QStringLiteral("CommissionWWW"), 172, definition);
    row(QStringLiteral("edit"), QStringLiteral("HelpBtn"), 128,
        QStringLiteral(":/help/vantoro/edit_lottery_info.html"));
    const char* const openControls[] = {"StateList",    "LotteryList", "UnitedStates", "Autoload",
                                        "BrowseButton", "OK",          "Cancel"};
    for (int i = 0; i < int(std::size(openControls)); ++i)
        row(QStringLiteral("open"), QLatin1String(openControls[i]), 184 + i, open);
    row(QStringLiteral("open"), QStringLiteral("Help"), 121, open);
}

// F1 on a control opens the topic of its own help context (the dialog's topic for the Help button),
// and every one of those contexts has its page.
void TestHelp::controlsOpenTheirOwnTopic() {
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(int, context);
    QFETCH(QString, page);
    TempHome home;
    CurrentLottery lottery;
    lottery.setHomeDir(home.dir());
    std::unique_ptr<QDialog> form;
    if (dialog == QLatin1String("drawing"))
        form = std::make_unique<TCutoffForm>(TCutoffForm::Kind::DrawingCutoff, 10, 100);
    else if (dialog == QLatin1String("hot"))
        form = std::make_unique<TCutoffForm>(TCutoffForm::Kind::HotNumberCutoff, 10, 100);
    else if (dialog == QLatin1String("open"))
        form = std::make_unique<TOpenForm>(lottery);
    else
        form = std::make_unique<TLotteryInfoForm>(lottery, dialog == QLatin1String("new file")
                                                               ? TLotteryInfoForm::Mode::NewFile
                                                               : TLotteryInfoForm::Mode::Edit);
    form->show();
    QWidget* target = form->findChild<QWidget*>(control);
    QVERIFY2(target, qPrintable(control));
    if (auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(target))
                tabs->setCurrentIndex(i);
    }
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    Help::showContents();
    QVERIFY(Help::window()->currentPage() != page);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(Help::window()->currentPage(), page);
    const HelpTopic* topic = HelpCatalogue::book(Help::Book::Main).topicForContext(context);
    QVERIFY(topic);
    QCOMPARE(topic->page, page);
    if (!control.startsWith(QLatin1String("Help")))
        QCOMPARE(Help::context(target), context);
}

void TestHelp::unknownContextOpensTheContents() {
    QVERIFY(!Help::hasTopic(99999));
    Help::showTutorial();
    Help::showTopic(99999);
    QCOMPARE(Help::window()->currentBook(), Help::Book::Main);
    QCOMPARE(Help::window()->currentPage(), HelpCatalogue::book(Help::Book::Main).homePage());
}

void TestHelp::everyInternalLinkResolves() {
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    int links = 0;
    for (Help::Book book : allBooks) {
        for (const HelpTopic& topic : HelpCatalogue::book(book).topics()) {
            const QString html = HelpCatalogue::pageHtml(topic.page);
            const QUrl base(QStringLiteral("qrc") + topic.page);
            for (const QRegularExpressionMatch& match : reference.globalMatch(html)) {
                const QUrl target = base.resolved(QUrl(match.captured(1)));
                if (target.scheme() != QLatin1String("qrc"))
                    continue;
                const QString file = QLatin1Char(':') + target.path();
                QVERIFY2(QFile::exists(file),
                         qPrintable(topic.page + QStringLiteral(" -> ") + match.captured(1)));
                if (target.hasFragment()) {
                    const QString anchor = QStringLiteral("name=\"%1\"").arg(target.fragment());
                    QVERIFY2(HelpCatalogue::pageHtml(file).contains(anchor),
                             qPrintable(topic.page + QStringLiteral(" -> ") + match.captured(1)));
                }
                ++links;
            }
        }
    }
    QVERIFY(links > 50);
}

void TestHelp::linkIntoAnotherBookSwitchesTheContents() {
    HelpWindow window;
    window.showBook(Help::Book::Main);
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("ContentsTree"));
    QVERIFY(topLevelTitles(tree).contains(QStringLiteral("Files and Options")));

    emit browserOf(&window)->anchorClicked(QUrl(QStringLiteral("../tutorial/cutoffs.html")));
    QCOMPARE(window.currentPage(), QStringLiteral(":/help/tutorial/cutoffs.html"));
    QCOMPARE(window.currentBook(), Help::Book::Tutorial);
    QCOMPARE(topLevelTitles(tree).first(), QStringLiteral("Getting Started with Vantoro"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("3. Set the Two Cutoffs"));

    // Back into the main help: its contents come back with it.
    window.findChild<QAction*>(QStringLiteral("BackAction"))->trigger();
    QCOMPARE(window.currentBook(), Help::Book::Main);
    QVERIFY(topLevelTitles(tree).contains(QStringLiteral("Files and Options")));
}

void TestHelp::indexFilterFindsKeyword() {
    HelpWindow window;
    window.showBook(Help::Book::Main);
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("IndexFilter"));
    auto* index = window.findChild<QListWidget*>(QStringLiteral("IndexList"));
    QVERIFY(index->count() > 20);

    QTest::keyClicks(filter, QStringLiteral("vantoro.i"));
    QCOMPARE(visibleItems(index).join(QLatin1Char('|')), QStringLiteral("vantoro.ini"));
    QCOMPARE(index->currentItem()->text(), QStringLiteral("vantoro.ini"));
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(window.currentPage(), QStringLiteral(":/help/vantoro/settings_file.html"));

    // A keyword on two pages shows both, each naming its page; the one that starts with the text leads.
    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("cutoff"));
    const QStringList shown = visibleItems(index);
    QVERIFY(shown.contains(QStringLiteral("cutoff - Drawing Cutoff")));
    QVERIFY(shown.contains(QStringLiteral("cutoff - Hot Number Cutoff")));
    QVERIFY(index->currentItem()->text().startsWith(QStringLiteral("cutoff")));

    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("no such keyword"));
    QVERIFY(visibleItems(index).isEmpty());
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(window.currentPage(), QStringLiteral(":/help/vantoro/settings_file.html"));
}

void TestHelp::searchFindsKnownWords() {
    HelpWindow window;
    window.showBook(Help::Book::Main);
    auto* results = window.findChild<QListWidget*>(QStringLiteral("SearchResults"));

    QVERIFY(window.search(QStringLiteral("HOTCUTOFF")) >= 1);
    QCOMPARE(results->item(0)->text(), QStringLiteral("The Settings File vantoro.ini"));

    // Every word must be on the page, in any case; other books follow, marked with their title.
    QVERIFY(window.search(QStringLiteral("abbreviated GUARANTEE")) >= 1);
    QStringList texts;
    for (int i = 0; i < results->count(); ++i)
        texts << results->item(i)->text();
    QVERIFY2(texts.contains(QStringLiteral("Custom Wheeling Systems (Vantoro Documents)")),
             qPrintable(texts.join('|')));
    QVERIFY(!texts.contains(QStringLiteral("The Settings File vantoro.ini")));
    emit results->itemActivated(
        results->item(texts.indexOf(QStringLiteral("Custom Wheeling Systems (Vantoro Documents)"))));
    QCOMPARE(window.currentPage(), QStringLiteral(":/help/documents/wheels.html"));
    QCOMPARE(window.currentBook(), Help::Book::Documents);
    QCOMPARE(browserOf(&window)->textCursor().selectedText().toLower(), QStringLiteral("abbreviated"));

    QCOMPARE(window.search(QStringLiteral("zebra quasar")), 0);
    QCOMPARE(results->count(), 1);
    QCOMPARE(results->item(0)->text(), QStringLiteral("No topics found."));
}

void TestHelp::backAndForwardWalkTheHistory() {
    HelpWindow window;
    QAction* back = window.findChild<QAction*>(QStringLiteral("BackAction"));
    QAction* forward = window.findChild<QAction*>(QStringLiteral("ForwardAction"));
    const QString a = QStringLiteral(":/help/vantoro/menus.html");
    const QString b = QStringLiteral(":/help/vantoro/toolbar.html");
    const QString c = QStringLiteral(":/help/tutorial/start.html");
    window.showPage(a);
    QVERIFY(!back->isEnabled());
    window.showPage(b);
    window.showPage(c);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    back->trigger();
    QCOMPARE(window.currentPage(), b);
    QCOMPARE(window.currentBook(), Help::Book::Main);
    back->trigger();
    QCOMPARE(window.currentPage(), a);
    QVERIFY(!back->isEnabled());
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(window.currentPage(), b);
    forward->trigger();
    QCOMPARE(window.currentPage(), c);
    QCOMPARE(window.currentBook(), Help::Book::Tutorial);
    QVERIFY(!forward->isEnabled());

    // A new page cuts off the pages ahead.
    back->trigger();
    window.showPage(QStringLiteral(":/help/vantoro/status_bar.html"));
    QVERIFY(!forward->isEnabled());
}

void TestHelp::tutorialAndDocumentsOpen_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    QTest::newRow("tutorial") << "tutorial"
                              << ":/help/tutorial/start.html"
                              << "Getting Started with Vantoro";
    QTest::newRow("wheels") << "wheels"
                            << ":/help/documents/wheels.html"
                            << "Custom Wheeling Systems";
    QTest::newRow("books") << "books"
                           << ":/help/documents/books.html"
                           << "Lotto Books: Reading the Charts";
    QTest::newRow("order") << "order"
                           << ":/help/documents/order.html"
                           << "Getting and Supporting Vantoro";
    QTest::newRow("unknown document") << "nonsense"
                                      << ":/help/documents/wheels.html"
                                      << "Custom Wheeling Systems";
}

void TestHelp::tutorialAndDocumentsOpen() {
    QFETCH(QString, command);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    Help::showContents();
    if (command == QLatin1String("tutorial"))
        Help::showTutorial();
    else
        Help::showDocument(command);
    HelpWindow* window = Help::window();
    QCOMPARE(window->currentPage(), page);
    QVERIFY(browserOf(window)->toPlainText().startsWith(heading));
    // The contents beside the page are those of the page's own book.
    const HelpCatalogue& book = HelpCatalogue::book(HelpCatalogue::bookOf(page));
    QCOMPARE(window->currentBook(), HelpCatalogue::bookOf(page));
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("ContentsTree"));
    QCOMPARE(tree->topLevelItem(0)->text(0), book.topics().front().title);
}

void TestHelp::placeholdersAreFilledIn() {
    Help::showDocument(QStringLiteral("order"));
    const QString text = browserOf(Help::window())->toPlainText();
    QVERIFY(text.contains(Help::homePageUrl()));
    QVERIFY(!text.contains(QLatin1Char('@')));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("running version \\d+\\.\\d+\\.\\d+\\."))));
    QVERIFY(QUrl(Help::homePageUrl()).isValid());
    QCOMPARE(QUrl(Help::homePageUrl()).scheme(), QStringLiteral("https"));
}

void TestHelp::helpWindowOutlivesTheModalDialogThatOpenedIt() {
    HelpWindow* before = Help::window();
    QDialog dialog;
    bool shownFromDialog = false;
    QTimer::singleShot(0, &dialog, [&] {
        Help::showTopic(143, &dialog);
        shownFromDialog = Help::window()->isVisible() && Help::window()->parentWidget() == &dialog;
        dialog.accept();
    });
    dialog.exec();
    QVERIFY(shownFromDialog);
    QCOMPARE(Help::window(), before);
    QVERIFY(Help::window()->isVisible());
    QCOMPARE(Help::window()->parentWidget(), nullptr);
    QCOMPARE(Help::window()->currentPage(), QStringLiteral(":/help/vantoro/drawing_cutoff.html"));
}

void TestHelp::artworkLoads_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int i = 1; i <= 17; ++i) {
        const QString path = QStringLiteral(":/icons/button%1.svg").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(path)) << path << QSize(24, 24);
    }
    QTest::newRow("application icon") << ":/icons/vantoro.svg" << QSize(64, 64);
    QTest::newRow("splash") << ":/pictures/splash.svg" << QSize(480, 300);
    QTest::newRow("about") << ":/pictures/about.svg" << QSize(420, 280);
    QTest::newRow("background") << ":/pictures/background.svg" << QSize(360, 240);
}

void TestHelp::artworkLoads() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), size);
    // Drawn, not blank: some pixel differs from the first one.
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; y += 2) {
        for (int x = 0; x < image.width() && !drawn; x += 2)
            drawn = image.pixel(x, y) != image.pixel(0, 0);
    }
    QVERIFY(drawn);
}

void TestHelp::splashIsExactlyItsPicture() {
    const QSize picture = QImageReader(QStringLiteral(":/pictures/splash.svg")).size();
    QVERIFY(!picture.isEmpty());
    SplashWindow splash;
    QCOMPARE(splash.pictureSize(), picture);
    splash.showSplash();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.size(), picture);
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY((splash.geometry().center() - screen.center()).manhattanLength() <= 2);
}

void TestHelp::aboutIsExactlyItsPictureAndCloses() {
    const QSize picture = QImageReader(QStringLiteral(":/pictures/about.svg")).size();
    QVERIFY(!picture.isEmpty());
    {
        TAboutForm about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Vantoro"));
        QCOMPARE(about.pictureSize(), picture);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.size(), picture);
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("OKBtn"));
        QVERIFY(ok && ok->isVisible());
        QVERIFY(about.rect().contains(ok->geometry()));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }
    {
        TAboutForm about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("ProgramIcon")), Qt::LeftButton, {},
                          QPoint(40, 40));
        QVERIFY(!about.isVisible());
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
