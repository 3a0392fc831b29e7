// The browser, About and Updates windows, and every command that opens a web page.

#include "support/world.h"
#include "web/webworld.h"

#include "frmMDI.h"
#include "installer/frmInstall.h"
#include "managers/frmExtra.h"
#include "managers/frmMap.h"
#include "managers/frmTattoo.h"
#include "startup.h"
#include "web/frmAbout.h"
#include "web/frmBrowser.h"
#include "web/frmUpdate.h"
#include "web/pagefactory.h"
#include "web/sites.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

using namespace gk;
using namespace gk::test;

class TestWebWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void browserTakesTheStoredAddressOnlyWhenCreated();
    void browserButtonsAndKeys();
    void browserFollowsThePage();
    void browserToolbarWholeAtAnySize();
    void browserGeometryAtEachSize_data();
    void browserGeometryAtEachSize();
    void updatesGeometryAtEachSize_data();
    void updatesGeometryAtEachSize();
    void updatesWindowKeys();
    void everyWebCommandOpensItsAddress_data();
    void everyWebCommandOpensItsAddress();
    void aboutWindow();
    void updatesLoadOncePerCreation();
    void withoutTheEngineAddressesOpenInTheDesktopBrowser();
};

void TestWebWindows::browserTakesTheStoredAddressOnlyWhenCreated() {
    WebWorld world;
    // Nothing stored yet: the home page, which is then stored.
    showForm(Form::Browser);
    QCOMPARE(world.browserPage()->log, QStringList{"navigate:http://" + sites::MakerHost});
    QCOMPARE(shared().BrowserUrl, sites::http(sites::MakerHost));
    QCOMPARE(child<QLineEdit>(existingForm(Form::Browser), "txtNav")->text(),
             sites::http(sites::MakerHost));
    closeWindow(existingForm(Form::Browser));

    // Stored by the main window's load: the bare host, unchanged.
    shared().BrowserUrl = sites::MakerHost;
    child<QAction>(world.mdi, "mnuBrowser")->trigger();
    QCOMPARE(world.browserPage()->log, QStringList{"navigate:" + sites::MakerHost});
    QCOMPARE(child<QLineEdit>(existingForm(Form::Browser), "txtNav")->text(), sites::MakerHost);

    // An open browser is only brought to the front; the new address waits for next time.
    auto* map = qobject_cast<frmMap*>(showForm(Form::Map));
    click(map, "cmdFind");
    QCOMPARE(world.browserPage()->log.size(), 1);
    const QString maps = sites::http(sites::FanSiteHost, "/fernlow/maps.html");
    QCOMPARE(shared().BrowserUrl, maps);
    QCOMPARE(world.mdi->area()->activeSubWindow()->widget(), existingForm(Form::Browser));
    closeWindow(existingForm(Form::Browser));
    QTRY_VERIFY(!existingForm(Form::Browser));
    child<QAction>(world.mdi, "mnuBrowser")->trigger();
    QCOMPARE(world.browserPage()->log, QStringList{"navigate:" + maps});
}

void TestWebWindows::browserButtonsAndKeys() {
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    QVERIFY(QTest::qWaitForWindowActive(world.mdi));
    FakePage* page = world.browserPage();
    page->log.clear();
    for (const char* name : {"cmdBack", "cmdForward", "cmdStop", "cmdRefresh"}) {
        auto* button = child<QPushButton>(browser, name);
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->accessibleName().isEmpty());
    }
    QVERIFY(!child<QWidget>(browser, "web1")->accessibleName().isEmpty());

    // With no page behind or ahead, and nothing loading, Back, Forward and Stop do nothing.
    auto* box = child<QLineEdit>(browser, "txtNav");
    box->setFocus();
    click(browser, "cmdBack");
    click(browser, "cmdForward");
    click(browser, "cmdStop");
    QTest::keyClick(box, Qt::Key_Left, Qt::AltModifier);
    QVERIFY(page->log.isEmpty());
    QVERIFY(!child<QPushButton>(browser, "cmdStop")->isEnabled());

    // Each button and its key.
    page->showPage("http://b.example/", true, true);
    page->loadingChanged(true, 10);
    click(browser, "cmdBack");
    click(browser, "cmdForward");
    click(browser, "cmdStop");
    click(browser, "cmdRefresh");
    QCOMPARE(page->log, (QStringList{"back", "forward", "stop", "reload"}));
    page->log.clear();
    QTest::keyClick(box, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_F5);
    QCOMPARE(page->log, (QStringList{"back", "forward", "stop", "reload"}));

    // Go and Enter pass the box's text exactly as typed.
    page->log.clear();
    box->setText(" localhost:8000/a b ");
    QTest::keyClick(box, Qt::Key_Return);
    click(browser, "cmdGo");
    box->clear();
    click(browser, "cmdGo");
    QCOMPARE(page->log, (QStringList{"navigate: localhost:8000/a b ",
                                     "navigate: localhost:8000/a b ", "navigate:"}));

    // Ctrl+L brings the keyboard to the address, from the page too.
    child<QPushButton>(browser, "cmdRefresh")->setFocus();
    QTest::keyClick(child<QPushButton>(browser, "cmdRefresh"), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(box->hasFocus());
    // Tab walks the toolbar in order and reaches the page.
    child<QPushButton>(browser, "cmdBack")->setFocus();
    QStringList order;
    for (QWidget* w = child<QWidget>(browser, "cmdBack"); order.size() < 7;
         w = w->nextInFocusChain())
        if (w->isVisibleTo(browser) && w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    QCOMPARE(order.mid(0, 6),
             (QStringList{"cmdBack", "cmdForward", "cmdStop", "cmdRefresh", "txtNav", "cmdGo"}));
}

void TestWebWindows::browserFollowsThePage() {
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    auto* sub = qobject_cast<QMdiSubWindow*>(browser->parentWidget());
    QVERIFY(QTest::qWaitForWindowActive(world.mdi));
    FakePage* page = world.browserPage();
    auto* box = child<QLineEdit>(browser, "txtNav");
    auto* stop = child<QPushButton>(browser, "cmdStop");
    auto* loadBar = child<QProgressBar>(browser, "prgLoad");
    QCOMPARE(box->text(), sites::http(sites::MakerHost));

    // Loading: Stop and the bar while it lasts.
    page->loadingChanged(true, 0);
    QVERIFY(stop->isEnabled());
    QVERIFY(loadBar->isVisible());
    page->loadingChanged(true, 60);
    QCOMPARE(loadBar->value(), 60);
    page->loadingChanged(false, 100);
    QVERIFY(!stop->isEnabled());
    QVERIFY(!loadBar->isVisible());

    // A link, a redirect, Back: the box and the buttons follow; the title joins the caption.
    page->showPage("http://www.marrowby.example/manager/help.htm", true, false);
    QCOMPARE(box->text(), "http://www.marrowby.example/manager/help.htm");
    QVERIFY(child<QPushButton>(browser, "cmdBack")->isEnabled());
    QVERIFY(!child<QPushButton>(browser, "cmdForward")->isEnabled());
    page->titleChanged("Map help");
    QCOMPARE(sub->windowTitle(), "Grovekeep - Web Browser - Map help");
    page->showPage("http://www.marrowby.example/", false, true);
    page->titleChanged("");
    QCOMPARE(box->text(), "http://www.marrowby.example/");
    QCOMPARE(sub->windowTitle(), "Grovekeep - Web Browser");
    QVERIFY(!child<QPushButton>(browser, "cmdBack")->isEnabled());
    QVERIFY(child<QPushButton>(browser, "cmdForward")->isEnabled());

    // An address being typed is not overwritten by a page that arrives meanwhile; Go sends
    // it, and from then on the box follows again.
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "fernlow");
    page->showPage("http://www.marrowby.example/late.htm", true, false);
    QCOMPARE(box->text(), "fernlow");
    click(browser, "cmdGo");
    QCOMPARE(page->log.last(), "navigate:fernlow");
    box->setFocus();
    page->showPage("http://fernlow/", true, false);
    QCOMPARE(box->text(), "http://fernlow/");
}

void TestWebWindows::browserToolbarWholeAtAnySize() {
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    auto* sub = qobject_cast<QMdiSubWindow*>(browser->parentWidget());
    QWidget* web1 = child<QWidget>(browser, "web1");
    auto* box = child<QLineEdit>(browser, "txtNav");
    auto* go = child<QPushButton>(browser, "cmdGo");

    // At any size every control of the toolbar is whole, and none covers another.
    for (const QSize size : {QSize(1200, 900), QSize(20, 20)}) {
        sub->resize(size);
        QCoreApplication::processEvents();
        QVERIFY(sub->width() >= browser->minimumWidth());
        QVERIFY(web1->width() >= 0 && web1->height() >= 0);
        QList<QWidget*> bar;
        for (const char* name :
             {"cmdBack", "cmdForward", "cmdStop", "cmdRefresh", "lblAddress", "txtNav"})
            bar << child<QWidget>(browser, name);
        for (QWidget* w : bar) {
            QVERIFY2(browser->rect().contains(w->geometry()), qPrintable(w->objectName()));
            // (Go and the address box touch as designed; the label keeps clear of Go.)
            if (w != box)
                QVERIFY2(!w->geometry().intersects(go->geometry()), qPrintable(w->objectName()));
        }
        QVERIFY(browser->rect().contains(go->geometry()));
        QVERIFY(child<QLabel>(browser, "lblAddress")->width() >=
                child<QLabel>(browser, "lblAddress")->sizeHint().width());
    }
}

void TestWebWindows::browserGeometryAtEachSize_data() {
    // The browser's frame in the main window is sized: the toolbar follows the window's inside,
    // the page area its outer size, frame and title bar included.
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QString>("places");
    QTest::newRow("narrower than it may be")
        << QSize(300, 300)
        << QStringLiteral("cmdBack 0,0 65x41; cmdForward 64,0 65x41; cmdStop 128,0 65x41; "
                          "cmdRefresh 192,0 73x41; lblAddress 272,0 65x17; txtNav 272,24 199x19; "
                          "cmdGo 398,0 73x25; web1 0,48 481x227; prgLoad 0,48 481x4");
    QTest::newRow("page area as designed")
        << QSize(666, 409)
        << QStringLiteral("cmdBack 0,0 65x41; cmdForward 64,0 65x41; cmdStop 128,0 65x41; "
                          "cmdRefresh 192,0 73x41; lblAddress 272,0 65x17; txtNav 272,24 377x19; "
                          "cmdGo 576,0 73x25; web1 0,48 659x336; prgLoad 0,48 659x4");
    QTest::newRow("toolbar as designed")
        << QSize(674, 437)
        << QStringLiteral("cmdBack 0,0 65x41; cmdForward 64,0 65x41; cmdStop 128,0 65x41; "
                          "cmdRefresh 192,0 73x41; lblAddress 272,0 65x17; txtNav 272,24 385x19; "
                          "cmdGo 584,0 73x25; web1 0,48 667x364; prgLoad 0,48 667x4");
    QTest::newRow("large")
        << QSize(1400, 1000)
        << QStringLiteral("cmdBack 0,0 65x41; cmdForward 64,0 65x41; cmdStop 128,0 65x41; "
                          "cmdRefresh 192,0 73x41; lblAddress 272,0 65x17; txtNav 272,24 1111x19; "
                          "cmdGo 1310,0 73x25; web1 0,48 1393x927; prgLoad 0,48 1393x4");
}

void TestWebWindows::browserGeometryAtEachSize() {
    QFETCH(QSize, frame);
    QFETCH(QString, places);
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    auto* sub = qobject_cast<QMdiSubWindow*>(browser->parentWidget());
    sub->resize(frame);
    QCOMPARE(sub->size(), frame.expandedTo(sub->minimumSize()));
    QCOMPARE(placesOf(browser, {"cmdBack", "cmdForward", "cmdStop", "cmdRefresh", "lblAddress",
                                "txtNav", "cmdGo", "web1", "prgLoad"}),
             places);
}

void TestWebWindows::updatesGeometryAtEachSize_data() {
    // Updates is a window of its own; it is sized by its inside.
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("places");
    QTest::newRow("smaller than designed")
        << QSize(100, 100)
        << QStringLiteral("lblInfo 0,0 377x41; web1 0,48 377x161; lblCheck 0,224 209x17; "
                          "cmdClose 288,216 89x25");
    QTest::newRow("designed")
        << QSize(384, 243)
        << QStringLiteral("lblInfo 0,0 377x41; web1 0,48 377x161; lblCheck 0,224 209x17; "
                          "cmdClose 288,216 89x25");
    QTest::newRow("large") << QSize(1000, 700)
                           << QStringLiteral(
                                  "lblInfo 0,0 993x41; web1 0,48 993x618; lblCheck 0,681 209x17; "
                                  "cmdClose 904,673 89x25");
}

void TestWebWindows::updatesGeometryAtEachSize() {
    QFETCH(QSize, size);
    QFETCH(QString, places);
    WebWorld world;
    child<QAction>(world.mdi, "mnuUpdates")->trigger();
    auto* update = existingFormAs<frmUpdate>();
    update->resize(size);
    QCOMPARE(update->size(), size.expandedTo(update->minimumSize()));
    QCOMPARE(placesOf(update, {"lblInfo", "web1", "lblCheck", "cmdClose"}), places);
}

void TestWebWindows::updatesWindowKeys() {
    WebWorld world;
    child<QAction>(world.mdi, "mnuUpdates")->trigger();
    auto* update = existingFormAs<frmUpdate>();
    QVERIFY(QTest::qWaitForWindowActive(update));
    auto* close = child<QPushButton>(update, "cmdClose");

    // Alt+Left goes back when the page has history; Escape closes the window.
    auto* fake = static_cast<FakePage*>(update->page());
    fake->canBack = true;
    QTest::keyClick(close, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(fake->log.last(), "back");
    QTest::keyClick(close, Qt::Key_Escape);
    QTRY_VERIFY(!existingForm(Form::Update));
}

void TestWebWindows::everyWebCommandOpensItsAddress_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("address");
    const QString maker = sites::MakerHost;
    const QString fan = sites::FanSiteHost;
    auto row = [](const char* w, const char* c, const QString& a) {
        QTest::addRow("%s %s", w, c) << QString::fromLatin1(w) << QString::fromLatin1(c) << a;
    };
    row("frmMDI", "mnuMarrowby", maker);
    row("frmMDI", "mnuFernlow", fan + "/fernlow");
    row("frmMDI", "mnuBugReport", maker + "/manager/bugreport.htm");
    row("frmMDI", "mnuComments", maker + "/manager/comments.htm");
    row("frmMDI", "mnuOfficialForums", "http://" + sites::ForumsHost);
    row("frmMap", "cmdFind", "http://" + fan + "/fernlow/maps.html");
    row("frmMap", "cmdIdea", "http://" + fan + "/fernlow/ideas.html");
    row("frmMap", "cmdHelp", "http://" + maker + "/manager/help.htm");
    row("frmMap", "cmdSubmit", "http://" + maker + "/manager/submit.htm");
    row("frmTattoo", "cmdFindTat", "http://" + fan + "/fernlow/tats.html");
    row("frmTattoo", "cmdHelp", "http://" + maker + "/manager/help.htm");
    row("frmTattoo", "cmdSubmit", "http://" + maker + "/manager/submit.htm");
    row("frmExtra", "cmdFindSkin", "http://" + fan + "/fernlow/skins.html");
    row("frmExtra", "cmdGetHelp", "http://" + maker + "/manager/help.htm");
    row("frmExtra", "cmdSubmit", "http://" + maker + "/manager/submit.htm");
    row("frmInstall", "op3", "http://" + maker + "/manager/update");
    row("frmInstall", "op4", "http://" + fan + "/fernlow");
}

void TestWebWindows::everyWebCommandOpensItsAddress() {
    QFETCH(QString, window);
    QFETCH(QString, command);
    QFETCH(QString, address);
    WebWorld world;
    if (window == "frmMDI") {
        child<QAction>(world.mdi, qPrintable(command))->trigger();
    } else if (window == "frmInstall") {
        QWidget* install = showForm(Form::Install);
        auto* option = child<QRadioButton>(install, qPrintable(command));
        QVERIFY(option->isEnabled());
        option->setChecked(true);
        click(install, "cmdNext");
        QTRY_VERIFY(!existingForm(Form::Install));
    } else {
        const Form f = window == "frmMap"      ? Form::Map
                       : window == "frmTattoo" ? Form::Tattoo
                                               : Form::Extra;
        QWidget* w = showForm(f);
        QVERIFY(child<QPushButton>(w, qPrintable(command))->isEnabled());
        click(w, qPrintable(command));
    }
    QCOMPARE(shared().BrowserUrl, address);
    QVERIFY(world.browserPage());
    QCOMPARE(world.browserPage()->log, QStringList{"navigate:" + address});
}

void TestWebWindows::aboutWindow() {
    WebWorld world;
    child<QAction>(world.mdi, "mnuAbout")->trigger();
    auto* about = existingFormAs<frmAbout>();
    QVERIFY(about && about->isVisible() && !about->isModal());
    QCOMPARE(child<QLabel>(about, "Label1")->text(), "Grovekeep Version " + version());
    QVERIFY(child<QPlainTextEdit>(about, "Text1")->toPlainText().contains("MIT License"));
    for (QLabel* l : about->findChildren<QLabel*>())
        QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));

    // The addresses open exactly as the labels show them, through the desktop.
    QTest::mouseClick(child<QLabel>(about, "lblMarrowby"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(about, "lblFernlow"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(about, "Label6"), Qt::LeftButton);
    QCOMPARE(world.platform->opened, (QStringList{sites::MakerHost, sites::FanSiteHost + "/fernlow",
                                                  sites::MakerHost + "/manager/bugreport.htm"}));
    QCOMPARE(child<QLabel>(about, "lblFernlow")->text(), sites::FanSiteHost + "/fernlow");
    click(about, "cmdClose");
    QTRY_VERIFY(!existingForm(Form::About));

    // From the tattoo manager it is modal.
    auto* tattoo = qobject_cast<frmTattoo*>(showForm(Form::Tattoo));
    child<QAction>(tattoo, "mnuAbout")->trigger();
    QCOMPARE(world.platform->execs, QStringList{"frmAbout"});
}

void TestWebWindows::updatesLoadOncePerCreation() {
    WebWorld world;
    QCOMPARE(sites::updatePageAddress(0), sites::http(sites::MakerHost, "/manager/pop.asp"));
    QVERIFY(sites::updatePageAddress(2).isEmpty());
    QVERIFY(sites::updatePage().endsWith("/manager/update/update" + version() + ".htm"));

    child<QAction>(world.mdi, "mnuUpdates")->trigger();
    child<QAction>(world.mdi, "mnuUpdates")->trigger();
    auto* update = existingFormAs<frmUpdate>();
    QCOMPARE(shared().UpdatePageMode, qint16(1));
    QCOMPARE(static_cast<FakePage*>(update->page())->log,
             QStringList{"navigate:" + sites::updatePage()});
    click(update, "cmdClose");
    QTRY_VERIFY(!existingForm(Form::Update));

    // The map manager's Updates opens it afresh, loading the page again.
    auto* map = qobject_cast<frmMap*>(showForm(Form::Map));
    child<QAction>(map, "mnuUpdate")->trigger();
    QCOMPARE(static_cast<FakePage*>(existingFormAs<frmUpdate>()->page())->log.size(), 1);
}

void TestWebWindows::withoutTheEngineAddressesOpenInTheDesktopBrowser() {
    // Each address goes to the desktop's browser, and the page says so (never a blank page);
    // one that cannot be opened is said too, and its link tries again.
    World world;
    QWidget parent;
    const auto page = createFallbackPage(&parent, QStringLiteral("No engine here."));
    auto* view = qobject_cast<QTextBrowser*>(page->widget());
    QVERIFY(view);
    page->navigate(QStringLiteral("maps.example/new "));
    QCOMPARE(world.platform->opened, QStringList{"http://maps.example/new"});
    QVERIFY(view->toPlainText().contains("No engine here."));
    QVERIFY(view->toPlainText().contains("http://maps.example/new was opened in your web browser"));
    QVERIFY(view->toPlainText().contains("dropping it on Grovekeep's window"));
    page->reload();
    QCOMPARE(world.platform->opened.size(), 2);
    page->navigate(QString());
    QCOMPARE(world.platform->opened.size(), 2);

    world.platform->failingAddresses << QStringLiteral("https://down.example/");
    page->navigate(QStringLiteral("https://down.example/"));
    QVERIFY2(
        view->toPlainText().contains("could not be opened in your web browser: Could not open"),
        qPrintable(view->toPlainText()));
    world.platform->failingAddresses.clear();
    emit view->anchorClicked(QUrl(QStringLiteral("https://down.example/")));
    QCOMPARE(world.platform->opened.size(), 4);
    QVERIFY(view->toPlainText().contains("was opened"));

#ifdef GK_NO_WEB_MODULE
    // In a build without the web engine the real windows take this page: the browser opens
    // its home page in the desktop's browser.
    registerGrovekeepForms();
    world.platform->opened.clear();
    showForm(Form::Browser);
    QCOMPARE(world.platform->opened, QStringList{sites::http(sites::MakerHost)});
    const auto* shown = existingForm(Form::Browser)->findChild<QTextBrowser*>("web1");
    QVERIFY(shown && shown->toPlainText().contains("not part of this build"));
#endif
}

QTEST_MAIN(TestWebWindows)
#include "test_web_windows.moc"
