// The browser, About and Updates windows, and every command that opens a web page.

#include "support/world.h"

#include "frmMDI.h"
#include "installer/frmInstall.h"
#include "managers/frmExtra.h"
#include "managers/frmMap.h"
#include "managers/frmTattoo.h"
#include "startup.h"
#include "ui/place.h"
#include "web/frmAbout.h"
#include "web/frmBrowser.h"
#include "web/frmUpdate.h"
#include "web/sites.h"
#include "web/webpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace gk;
using namespace gk::test;

namespace {

// A page area that records what it is asked to do.
class FakePage : public WebPage {
public:
    explicit FakePage(QWidget* parent)
        : m_widget(new QWidget(parent)) {
        pages().append(this);
    }
    ~FakePage() override { pages().removeAll(this); }
    QWidget* widget() override { return m_widget; }
    void navigate(const QString& address) override { log << "navigate:" + address; }
    void back() override { log << "back"; }
    void forward() override { log << "forward"; }
    void stop() override { log << "stop"; }
    void reload() override { log << "reload"; }
    bool canGoBack() const override { return canBack; }
    bool canGoForward() const override { return canForward; }

    static QList<FakePage*>& pages() {
        static QList<FakePage*> list;
        return list;
    }

    QStringList log;
    bool canBack = false;
    bool canForward = false;

private:
    QWidget* m_widget;
};

struct WebWorld : World {
    WebWorld() {
        setWebPageFactory([](QWidget* parent) { return std::make_unique<FakePage>(parent); });
        registerGrovekeepForms();
        mdi = formAs<frmMDI>();
        mdi->show();
    }
    ~WebWorld() { setWebPageFactory({}); }
    FakePage* browserPage() const {
        auto* b = existingFormAs<frmBrowser>();
        return b ? static_cast<FakePage*>(b->page()) : nullptr;
    }
    frmMDI* mdi = nullptr;
};

} // namespace

class TestWebWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void browserTakesTheStoredAddressOnlyWhenCreated();
    void browserButtonsAndGo();
    void browserResizeRule();
    void everyWebCommandOpensItsAddress_data();
    void everyWebCommandOpensItsAddress();
    void aboutWindow();
    void updatesLoadOncePerCreation();
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

void TestWebWindows::browserButtonsAndGo() {
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    FakePage* page = world.browserPage();
    page->log.clear();
    for (const char* name : {"cmdBack", "cmdForward", "cmdStop", "cmdRefresh"})
        QVERIFY(!child<QPushButton>(browser, name)->icon().isNull());

    // With no page behind or ahead, Back and Forward do nothing.
    click(browser, "cmdBack");
    click(browser, "cmdForward");
    QVERIFY(page->log.isEmpty());
    page->canBack = page->canForward = true;
    click(browser, "cmdBack");
    click(browser, "cmdForward");
    click(browser, "cmdStop");
    click(browser, "cmdRefresh");
    QCOMPARE(page->log, (QStringList{"back", "forward", "stop", "reload"}));

    // Go passes the box's text exactly as typed; Enter in the box does nothing.
    page->log.clear();
    auto* box = child<QLineEdit>(browser, "txtNav");
    box->setText(" localhost:8000/a b ");
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(page->log.isEmpty());
    click(browser, "cmdGo");
    box->clear();
    click(browser, "cmdGo");
    QCOMPARE(page->log, (QStringList{"navigate: localhost:8000/a b ", "navigate:"}));
    // The box keeps what it showed.
    QCOMPARE(box->text(), QString());
}

void TestWebWindows::browserResizeRule() {
    WebWorld world;
    auto* browser = qobject_cast<frmBrowser*>(showForm(Form::Browser));
    auto* sub = qobject_cast<QMdiSubWindow*>(browser->parentWidget());
    QWidget* web1 = child<QWidget>(browser, "web1");
    const QSize before = web1->size();
    // The page area follows the window, below the buttons, and never gets a negative size.
    sub->resize(sub->size() + QSize(90, 60));
    QCOMPARE(web1->size(), before + QSize(90, 60));
    QVERIFY(web1->y() > child<QWidget>(browser, "txtNav")->geometry().bottom());
    sub->resize(20, 20); // as small as the frame allows
    QCOMPARE(web1->height(), 0);
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

QTEST_MAIN(TestWebWindows)
#include "test_web_windows.moc"
