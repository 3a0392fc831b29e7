// The help viewer's window, driven through its controls offscreen.

#include "frmHelp.h"

#include "base/version.h"
#include "settings/language.h"
#include "support/fakeplatform.h"
#include "web/sites.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

using namespace gk;
using gk::help::frmHelp;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray page(const char* title, const QByteArray& body = QByteArray()) {
    return QByteArray("<html><head><title>") + title + "</title></head><body><h1>" + title +
           "</h1>" + body + "</body></html>";
}

template <class T> T* child(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// A window on a help folder, with the scripted desktop recording its messages and addresses.
struct Viewer {
    explicit Viewer(const QString& folder)
        : window(std::make_unique<frmHelp>(folder)) {
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
        list = child<QListWidget>(window.get(), "fl1");
        web = child<QTextBrowser>(window.get(), "web1");
    }

    QString title() const { return web->documentTitle(); }
    QString text() const { return web->toPlainText(); }
    QStringList names() const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QRect itemRect(const QString& name) const {
        const auto items = list->findItems(name, Qt::MatchExactly);
        return items.isEmpty() ? QRect() : list->visualItemRect(items.constFirst());
    }
    void click(const QString& name) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect(name).center());
    }
    // As a mouse does it: press, release, then the double-click and its release.
    void doubleClick(const QString& name) {
        const QPoint at = itemRect(name).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    void press(const char* button) {
        QTest::mouseClick(child<QToolButton>(window.get(), button), Qt::LeftButton);
    }
    void trigger(const char* item) { child<QAction>(window.get(), item)->trigger(); }
    qint16 pos() const { return window->history().HistoryPos(); }

    const QStringList& messages() const { return desktop.fake.messages; }
    const QStringList& opened() const { return desktop.fake.opened; }

    ScopedFakePlatform desktop;
    std::unique_ptr<frmHelp> window;
    QListWidget* list = nullptr;
    QTextBrowser* web = nullptr;
    bool exposed = false;
};

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void windowAndLayout();
    void listAndHistory();
    void linksAndMissingPages();
    void menu();
    void missingHelpFolder();
    void startsWithoutTheIconTheme();
    void pagesInTheUsersLanguage();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder; // the help folder, with its trailing separator
};

void TestHelpWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("HelpFiles")) + QLatin1Char('/');
    QVERIFY(writeFile(m_folder + "welcome.htm", page("Welcome", "<p>Start here.</p>")));
    QVERIFY(writeFile(m_folder + "A.htm",
                      page("Page A", "<p><a href=\"B.htm\">to B</a> <a href=\"missing.htm\">gone"
                                     "</a> <a href=\"http://site.example/x.htm\">web</a></p>")));
    QVERIFY(writeFile(m_folder + "B.htm", page("Page B")));
    QVERIFY(writeFile(m_folder + "notes.txt", "plain notes"));
    QVERIFY(QDir().mkpath(m_folder + "pictures"));
}

void TestHelpWindow::windowAndLayout() {
    Viewer v(m_folder);
    frmHelp* w = v.window.get();
    QCOMPARE(w->objectName(), QStringLiteral("frmHelp"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Grovekeep - Help"));
    QCOMPARE(w->HelpFolder(), QDir::toNativeSeparators(m_folder));
    QVERIFY(v.exposed);

    // The inner area lies below the menu bar.
    QCOMPARE(w->centralWidget()->y(), w->menuBar()->height());
    for (const char* name : {"cmdBack", "cmdStop", "cmdForward", "cmdRefresh"}) {
        auto* button = child<QToolButton>(w, name);
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->toolTip().isEmpty());
    }

    // Every file of the folder, no sub-folders; the welcome page is shown.
    QCOMPARE(v.names(), (QStringList{"A.htm", "B.htm", "notes.txt", "welcome.htm"}));
    QCOMPARE(v.title(), QStringLiteral("Welcome"));
    QCOMPARE(v.web->source(), QUrl::fromLocalFile(m_folder + "welcome.htm"));
    QCOMPARE(v.pos(), qint16(0));

    // Designed size at first; grown, the list and the page take the room, the buttons stay.
    QCOMPARE(v.list->geometry(), QRect(0, 48, 97, 435));
    QCOMPARE(v.web->geometry(), QRect(104, 48, 609, 441));
    QCOMPARE(w->minimumSize(), w->size());
    w->resize(w->width() + 200, w->height() + 100);
    QTRY_COMPARE(v.web->size(), QSize(609 + 200, 441 + 100));
    QCOMPARE(v.list->size(), QSize(97, 435 + 100));
    QCOMPARE(child<QToolButton>(w, "cmdRefresh")->pos(), QPoint(248, 0));

    // Alt+Left and Alt+Right walk the history as Back and Forward do.
    v.doubleClick("A.htm");
    v.doubleClick("B.htm");
    QTest::keyClick(w, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(v.title(), QStringLiteral("Page A"));
    QTest::keyClick(w, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(v.title(), QStringLiteral("Page B"));
}

void TestHelpWindow::listAndHistory() {
    Viewer v(m_folder);
    QVERIFY(v.exposed);

    // A single click only selects.
    v.click("A.htm");
    QCOMPARE(v.list->currentItem()->text(), QStringLiteral("A.htm"));
    QCOMPARE(v.title(), QStringLiteral("Welcome"));
    QCOMPARE(v.pos(), qint16(0));

    v.doubleClick("A.htm");
    QCOMPARE(v.title(), QStringLiteral("Page A"));
    v.doubleClick("B.htm");
    QCOMPARE(v.title(), QStringLiteral("Page B"));
    QCOMPARE(v.pos(), qint16(2));
    v.press("cmdBack");
    QCOMPARE(v.title(), QStringLiteral("Page A"));
    v.press("cmdForward");
    QCOMPARE(v.title(), QStringLiteral("Page B"));

    // Past the last page: the help folder itself, shown as a list of its pages.
    v.press("cmdForward");
    QCOMPARE(v.title(), QStringLiteral("Help pages"));
    for (const char* name : {"A.htm", "B.htm", "notes.txt", "welcome.htm"})
        QVERIFY2(v.text().contains(QLatin1String(name)), name);
    QCOMPARE(v.pos(), qint16(3));

    v.press("cmdStop");
    QCOMPARE(v.title(), QStringLiteral("Help pages"));

    // Enter opens the selected page, like a double-click.
    v.click("notes.txt");
    QTest::keyClick(v.list, Qt::Key_Return);
    QVERIFY(v.text().contains(QStringLiteral("plain notes")));
    QCOMPARE(v.window->history().entry(3), QStringLiteral("notes.txt"));

    // Back and Forward across an empty place, to a page shown before it: read again.
    Viewer fresh(m_folder);
    fresh.doubleClick("A.htm");
    fresh.press("cmdBack");
    QCOMPARE(fresh.title(), QStringLiteral("No page here"));
    QVERIFY(fresh.text().contains(QStringLiteral("no page at this place in the history")));
    QCOMPARE(fresh.pos(), qint16(0));
    fresh.press("cmdForward");
    QCOMPARE(fresh.title(), QStringLiteral("Page A"));

    // A page is read afresh when it is opened again from the list, and by Refresh.
    QVERIFY(writeFile(m_folder + "A.htm", page("Page A, edited")));
    fresh.doubleClick("A.htm");
    QCOMPARE(fresh.title(), QStringLiteral("Page A, edited"));
    QVERIFY(writeFile(m_folder + "A.htm", page("Page A, edited twice")));
    fresh.press("cmdRefresh");
    QCOMPARE(fresh.title(), QStringLiteral("Page A, edited twice"));
}

void TestHelpWindow::linksAndMissingPages() {
    Viewer v(m_folder);
    v.doubleClick("A.htm");
    QCOMPARE(v.pos(), qint16(1));

    // A local link opens its page here and is not part of the viewer's history.
    emit v.web->anchorClicked(QUrl(QStringLiteral("B.htm")));
    QCOMPARE(v.title(), QStringLiteral("Page B"));
    QCOMPARE(v.pos(), qint16(1));
    v.press("cmdBack");
    QCOMPARE(v.title(), QStringLiteral("No page here"));

    // Web addresses go to the desktop's browser; the page stays.
    v.doubleClick("A.htm");
    emit v.web->anchorClicked(QUrl(QStringLiteral("http://site.example/x.htm")));
    QCOMPARE(v.opened(), QStringList{"http://site.example/x.htm"});
    QCOMPARE(v.title(), QStringLiteral("Page A"));
    v.desktop.fake.failingAddresses << "http://site.example/y.htm";
    emit v.web->anchorClicked(QUrl(QStringLiteral("http://site.example/y.htm")));
    QCOMPARE(v.messages().size(), 1);
    QVERIFY(v.messages().constLast().contains(QStringLiteral("http://site.example/y.htm")));

    // The folder's page links to the pages it lists.
    v.press("cmdForward");
    QCOMPARE(v.title(), QStringLiteral("Help pages"));
    emit v.web->anchorClicked(QUrl::fromLocalFile(m_folder + "B.htm"));
    QCOMPARE(v.title(), QStringLiteral("Page B"));

    // Pages that do not exist say so in the page area: a broken link, and a page removed
    // after the list was filled (still entered in the history).
    emit v.web->anchorClicked(QUrl(QStringLiteral("missing.htm")));
    QCOMPARE(v.title(), QStringLiteral("Page not found"));
    QVERIFY(v.text().contains(QStringLiteral("missing.htm")));
    QVERIFY(QFile::remove(m_folder + "B.htm"));
    v.doubleClick("B.htm");
    QCOMPARE(v.title(), QStringLiteral("Page not found"));
    QVERIFY(v.text().contains(QStringLiteral("B.htm")));
    QCOMPARE(v.window->history().entry(2), QStringLiteral("B.htm"));
    // Refresh reads the folder again.
    v.press("cmdRefresh");
    QCOMPARE(v.names(), (QStringList{"A.htm", "notes.txt", "welcome.htm"}));

    // Every file is listed, but only pages and text are shown as they are: a picture is shown
    // as a picture, and data is named, not poured onto the page as characters.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(m_folder + "map.png"));
    QVERIFY(writeFile(m_folder + "stats.dat", QByteArray("\x01\x02\0binary\x7f", 10)));
    v.press("cmdRefresh");
    v.doubleClick("notes.txt");
    QCOMPARE(v.text(), QStringLiteral("plain notes"));
    v.doubleClick("map.png");
    QCOMPARE(v.title(), QStringLiteral("map.png"));
    QVERIFY(v.web->toHtml().contains("<img"));
    QVERIFY(!v.text().contains(QStringLiteral("PNG")));
    v.doubleClick("stats.dat");
    QCOMPARE(v.title(), QStringLiteral("Not a help page"));
    QVERIFY(v.text().contains(QStringLiteral("stats.dat")));
    QVERIFY(!v.text().contains(QStringLiteral("binary")));
}

void TestHelpWindow::menu() {
    Viewer v(m_folder);
    QCOMPARE(v.window->menuBar()->actions().size(), 1);
    v.trigger("mnuAbout");
    QCOMPARE(v.messages().size(), 1);
    QVERIFY(v.messages().at(0).startsWith("This Help program is part of Grovekeep " + version() +
                                          ". "));
    v.trigger("mnuUpdate");
    QCOMPARE(v.opened(), QStringList{sites::updatePage()});
    QCOMPARE(v.title(), QStringLiteral("Welcome"));
}

void TestHelpWindow::missingHelpFolder() {
    const QString folder = m_dir->filePath(QStringLiteral("elsewhere/HelpFiles"));
    Viewer v(folder);
    QVERIFY(v.exposed);
    QCOMPARE(v.list->count(), 0);
    QCOMPARE(v.title(), QStringLiteral("The help pages are missing"));
    QVERIFY(v.text().contains(QStringLiteral("HelpFiles")));
    QVERIFY(v.text().contains(QDir::toNativeSeparators(folder)));

    // Still usable: the buttons and the menu work.
    v.press("cmdBack");
    QCOMPARE(v.title(), QStringLiteral("No page here"));
    v.press("cmdForward");
    v.press("cmdForward"); // entry 0, never filled: the help folder itself
    QCOMPARE(v.title(), QStringLiteral("The help pages are missing"));
    v.trigger("mnuAbout");
    QCOMPARE(v.messages().size(), 1);

    // The pages put in place later: Refresh finds them.
    QVERIFY(writeFile(folder + "/welcome.htm", page("Welcome")));
    v.press("cmdRefresh");
    QCOMPARE(v.title(), QStringLiteral("Help pages"));
    QCOMPARE(v.names(), QStringList{"welcome.htm"});
    v.doubleClick("welcome.htm");
    QCOMPARE(v.title(), QStringLiteral("Welcome"));
}

// The icon theme is searched file by file for a name it lacks, which made Help's start slow:
// the window is made without asking it, and reads its pages only once it is shown.
void TestHelpWindow::startsWithoutTheIconTheme() {
    const QString themes = m_dir->filePath(QStringLiteral("icons"));
    QVERIFY(writeFile(themes + "/probe/index.theme",
                      "[Icon Theme]\nName=probe\nDirectories=32\n[32]\nSize=32\n"));
    QVERIFY(QDir().mkpath(themes + "/probe/32"));
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const char* name : {"go-previous", "go-next", "process-stop", "view-refresh"})
        QVERIFY(red.save(themes + "/probe/32/" + name + ".png"));
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({themes});
    QIcon::setThemeName(QStringLiteral("probe"));
    frmHelp window(m_folder);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(theme);
    for (const char* name : {"cmdBack", "cmdForward", "cmdStop", "cmdRefresh"}) {
        const QImage picture = child<QToolButton>(&window, name)->icon().pixmap(20, 20).toImage();
        QVERIFY2(!picture.isNull() && picture.pixelColor(2, 2) != QColor(Qt::red), name);
    }
    QVERIFY(child<QTextBrowser>(&window, "web1")->source().isEmpty());
    window.show();
    QTRY_COMPARE(child<QTextBrowser>(&window, "web1")->source(),
                 QUrl::fromLocalFile(m_folder + "welcome.htm"));
}

// In German the pages the help has translated (HelpFiles/de) are shown, links among them
// included; an untranslated page falls back to English; the list stays the list of pages.
void TestHelpWindow::pagesInTheUsersLanguage() {
    QVERIFY(writeFile(m_folder + "de/welcome.htm", page("Willkommen", "<a href=\"A.htm\">A</a>")));
    QVERIFY(writeFile(m_folder + "de/A.htm", page("Seite A", "<a href=\"B.htm\">B</a>")));
    QVERIFY(writeFile(m_folder + "fr/welcome.htm", page("Bienvenue")));
    installTranslations(QStringLiteral("de"));
    {
        Viewer v(m_folder);
        QCOMPARE(v.title(), QStringLiteral("Willkommen"));
        QCOMPARE(v.names(), (QStringList{"A.htm", "B.htm", "notes.txt", "welcome.htm"}));
        emit v.web->anchorClicked(QUrl(QStringLiteral("A.htm")));
        QCOMPARE(v.title(), QStringLiteral("Seite A"));
        emit v.web->anchorClicked(QUrl(QStringLiteral("B.htm")));
        QCOMPARE(v.title(), QStringLiteral("Page B"));
        v.doubleClick("B.htm");
        QCOMPARE(v.title(), QStringLiteral("Page B"));
        v.doubleClick("A.htm");
        QCOMPARE(v.title(), QStringLiteral("Seite A"));
        v.press("cmdBack");
        QCOMPARE(v.title(), QStringLiteral("Page B"));
        v.press("cmdForward");
        QCOMPARE(v.title(), QStringLiteral("Seite A"));
    }
    installTranslations(QStringLiteral("en"));
    Viewer english(m_folder);
    QCOMPARE(english.title(), QStringLiteral("Welcome"));
}

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
