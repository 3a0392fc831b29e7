// The application: start-up, the main window's commands and menus, the splash, and the
// programs it starts.

#include "support/world.h"

#include "base/paths.h"
#include "commandline.h"
#include "common/programs.h"
#include "frmMDI.h"
#include "frmSplash.h"
#include "instance.h"
#include "startup.h"
#include "ui/menus.h"
#include "web/sites.h"

#include <QAccessible>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

using namespace gk;
using namespace gk::test;

namespace {

// Stand-ins for child windows that later parts of the program provide.
class ChildWithMenus : public QWidget, public ChildMenus {
public:
    ChildWithMenus() {
        auto* file = new QMenu(QStringLiteral("File"), this);
        file->addAction(QStringLiteral("Open Map"));
        auto* edit = new QMenu(QStringLiteral("Edit"), this);
        m_menus = {file, edit};
    }
    QList<QMenu*> childMenus() const override { return m_menus; }

private:
    QList<QMenu*> m_menus;
};

int g_loads = 0;

void registerStandIns() {
    registerForm(Form::Map, Placement::Child, [] { return new ChildWithMenus; });
    registerForm(Form::Extra, Placement::Child, [] {
        ++g_loads;
        return new QWidget;
    });
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void firstRunShowsMessageThenOptionsThenSplash();
    void startWithSettingsLoadsAllSixValues();
    void commandsShowTheirWindowsOnce();
    void childMenuBarReplacesMainOne();
    void splashClosesOnlyOnPictureOrTimer();
    void keyboardReachesEveryCommand_data();
    void keyboardReachesEveryCommand();
    void droppedFileIsOfferedToTheInstaller();
    void commandLine_data();
    void commandLine();
    void secondStartHandsItsFilesOver();
    void twoStartsAtOnceOneListens();
    void channelIsScopedToGrovekeepFolder();
    void runGameStartsLauncherOrNamesIt();
    void helpViewerIsFoundOrReported();
    void addressNobodyOpensIsSaid();
};

void TestShell::firstRunShowsMessageThenOptionsThenSplash() {
    World world;
    registerGrovekeepForms();
    bool mainVisibleDuringSplash = true;
    QString optionsFocus;
    world.platform->onExec = [&](QDialog* dialog) {
        // The request for details opens with the keyboard in its first field.
        if (dialog->objectName() == "frmOptions" && dialog->focusWidget())
            optionsFocus = dialog->focusWidget()->objectName();
        if (dialog->objectName() == "frmSplash") {
            mainVisibleDuringSplash = existingForm(Form::MDI)->isVisible();
            auto* timer = child<QTimer>(dialog, "tmrEnd");
            QVERIFY(timer->isActive());
            QCOMPARE(timer->interval(), 3000);
            QTest::mouseClick(child<QLabel>(dialog, "Image1"), Qt::LeftButton);
        }
    };
    frmMDI* mdi = startGrovekeep();
    QCOMPARE(world.platform->log,
             (QStringList{"message:Please enter some details so Grovekeep can operate functionally",
                          "exec:frmOptions", "exec:frmSplash"}));
    QVERIFY(!mainVisibleDuringSplash);
    QCOMPARE(optionsFocus, QStringLiteral("txtRunBlack"));
    QVERIFY(mdi->isVisible());
    QCOMPARE(mdi->windowTitle(), QStringLiteral("Grovekeep Beta 1 - Welcome"));
    QCOMPARE(mdi->statusText(), QStringLiteral(" Welcome to Grovekeep "));
    QCOMPARE(shared().BrowserUrl, sites::MakerHost);
    QVERIFY(!existingForm(Form::Splash));
    QVERIFY(!existingForm(Form::Options));
    QTRY_VERIFY(mdi->findChildren<QDialog*>().isEmpty());
}

void TestShell::startWithSettingsLoadsAllSixValues() {
    World world;
    QVERIFY(putFile(world.optionsFile(), "/bw/\r\n/gk/\r\n/m\r\n/l\r\n/s\r\n/t\r\n\r\n"));
    registerGrovekeepForms();
    startGrovekeep();
    QCOMPARE(world.platform->log, QStringList{"exec:frmSplash"});
    QCOMPARE(settingsValues(), (QStringList{"/bw/", "/gk/", "/m", "/l", "/s", "/t"}));
}

void TestShell::commandsShowTheirWindowsOnce() {
    World world;
    registerGrovekeepForms();
    registerStandIns();
    g_loads = 0;
    auto* mdi = formAs<frmMDI>();
    mdi->show();

    child<QAction>(mdi, "mnuOptions")->trigger();
    QWidget* options = existingForm(Form::Options);
    QVERIFY(options && options->isVisible());
    QVERIFY(!options->isModal());
    child<QAction>(mdi, "mnuOptions")->trigger();
    QCOMPARE(existingForm(Form::Options), options);

    // Landscape and Skin open the same window; its load runs once while it is open.
    child<QAction>(mdi, "mnuLandscape")->trigger();
    QWidget* extra = existingForm(Form::Extra);
    QVERIFY(extra);
    QCOMPARE(extra->parentWidget()->parentWidget()->parentWidget(), mdi->area());
    child<QAction>(mdi, "mnuSkin")->trigger();
    QCOMPARE(existingForm(Form::Extra), extra);
    QCOMPARE(g_loads, 1);

    // Closed windows are created afresh, and load again.
    QVERIFY(closeWindow(extra));
    QVERIFY(!existingForm(Form::Extra));
    child<QAction>(mdi, "mnuSkin")->trigger();
    QVERIFY(existingForm(Form::Extra));
    QCOMPARE(g_loads, 2);

    // Exit closes the main window.
    child<QAction>(mdi, "mnuExit")->trigger();
    QVERIFY(!mdi->isVisible());
}

void TestShell::childMenuBarReplacesMainOne() {
    World world;
    registerGrovekeepForms();
    registerStandIns();
    auto* mdi = formAs<frmMDI>();
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi));

    showForm(Form::Map);
    QCOMPARE(menuBarTitles(mdi->menuBar()), (QStringList{"File", "Edit"}));
    showForm(Form::Extra);
    QCOMPARE(menuBarTitles(mdi->menuBar()), (QStringList{"File", "Manage", "Tools", "Help"}));
    showForm(Form::Map);
    QCOMPARE(menuBarTitles(mdi->menuBar()), (QStringList{"File", "Edit"}));
    QVERIFY(closeWindow(existingForm(Form::Map)));
    QVERIFY(closeWindow(existingForm(Form::Extra)));
    QTRY_COMPARE(menuBarTitles(mdi->menuBar()), (QStringList{"File", "Manage", "Tools", "Help"}));

    // Closing a child brings back the one the user came from, not the oldest or the next.
    auto* area = mdi->findChild<QMdiArea*>("mdiArea");
    showForm(Form::Map);
    showForm(Form::Extra);
    showForm(Form::Readme);
    showForm(Form::Map);
    showForm(Form::Extra);
    QVERIFY(closeWindow(existingForm(Form::Extra)));
    QTRY_VERIFY(area->activeSubWindow() &&
                area->activeSubWindow()->widget() == existingForm(Form::Map));
    QVERIFY(closeWindow(existingForm(Form::Map)));
    QTRY_VERIFY(area->activeSubWindow() &&
                area->activeSubWindow()->widget() == existingForm(Form::Readme));
}

void TestShell::splashClosesOnlyOnPictureOrTimer() {
    World world;
    QVERIFY(putFile(world.optionsFile(), "/bw/\r\n"));
    {
        frmSplash splash;
        splash.Form_Load();
        QCOMPARE(shared().GameFolder, QStringLiteral("/bw/"));
        auto* tmrEnd = child<QTimer>(&splash, "tmrEnd");
        // The lines start moving when the splash is seen, not while the first-run Options
        // dialog keeps it waiting.
        QVERIFY(!child<QTimer>(&splash, "tmrMove")->isActive());
        QTest::qWait(3 * frmSplash::tickMs);
        QCOMPARE(splash.lines().ln1.right, SplashLines().ln1.right);
        QVERIFY(!tmrEnd->isActive()); // counts only once visible
        splash.show();
        QVERIFY(tmrEnd->isActive());
        QCOMPARE(splash.size(), QSize(534, 225));

        const float before = splash.lines().ln1.right;
        QTRY_VERIFY(splash.lines().ln1.right > before);

        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(5, 5));     // the background
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 208)); // a line
        QVERIFY(splash.isVisible());
        QTest::mouseClick(child<QLabel>(&splash, "Image1"), Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        QVERIFY(!tmrEnd->isActive());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
    }
    {
        frmSplash splash;
        splash.show();
        splash.tmrEnd_Timer();
        QVERIFY(!splash.isVisible());
        QVERIFY(!child<QTimer>(&splash, "tmrMove")->isActive());
    }
}

void TestShell::runGameStartsLauncherOrNamesIt() {
    World world;
    // No game folder yet: GameFolder + "\runblack.exe", as this system names it.
    RunGame();
    QCOMPARE(world.platform->started, QStringList{native("/runblack.exe")});
    QVERIFY(world.platform->messages.isEmpty());

    shared().GameFolder = "/games/bw/";
    world.platform->failingPrograms << native("/games/bw/runblack.exe");
    RunGame();
    RunGame();
    QCOMPARE(world.platform->started.size(), 3);
    QCOMPARE(world.platform->messages.size(), 2);
    QVERIFY(world.platform->messages.at(0).contains("runblack.exe"));

    // The game in another letter case, as the Options accept it, is the one started.
    QVERIFY(putFile(world.path("bw/RunBlack.EXE"), "MZ"));
    shared().GameFolder = world.path("bw") + "/";
    RunGame();
    QCOMPARE(world.platform->started.last(), native(world.path("bw/RunBlack.EXE")));
}

void TestShell::helpViewerIsFoundOrReported() {
    World world;
    const QString exe = executableName("Help");
    const NativePath program("/prog/");
    QCOMPARE(helpViewerCandidates(ComposedPath(), program).constFirst(),
             NativePath(native("/prog/Help/" + exe)));
    QCOMPARE(helpViewerCandidates(ComposedPath("/gk/"), program).mid(0, 2),
             (QList<NativePath>{NativePath(native("/gk//Help/" + exe)),
                                NativePath(native("/prog/Help/" + exe))}));

    shared().ManagerFolder = world.folder("gk");
    startHelpViewer(nullptr);
    if (!QFile::exists(programFolder().text() + "Help/" + exe)) {
        QCOMPARE(world.platform->messages.size(), 1);
        QVERIFY(world.platform->messages.at(0).contains("help viewer is missing"));
    }
    QVERIFY(putFile(world.path("gk/Help/" + exe), "#!"));
    world.platform->started.clear();
    startHelpViewer(nullptr);
    QCOMPARE(world.platform->started, QStringList{native(shared().ManagerFolder + "/Help/" + exe)});
}

void TestShell::keyboardReachesEveryCommand_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("marked");
    QTest::newRow("first letter") << "Open Map"
                                  << ""
                                  << "&Open Map";
    QTest::newRow("next free letter") << "Options"
                                      << "o"
                                      << "O&ptions";
    QTest::newRow("skips spaces") << "Tattoo"
                                  << "tao"
                                  << "Tattoo";
    QTest::newRow("ampersand kept") << "Black & White"
                                    << "b"
                                    << "B&lack && White";
    QTest::newRow("digit") << "3 Maps"
                           << ""
                           << "&3 Maps";
}

void TestShell::keyboardReachesEveryCommand() {
    QFETCH(QString, caption);
    QFETCH(QString, taken);
    QFETCH(QString, marked);
    QString used = taken;
    QCOMPARE(withMnemonic(caption, used), marked);

    // Every menu of the main window, and every command in each, has a letter of its own.
    World world;
    registerGrovekeepForms();
    auto* mdi = formAs<frmMDI>();
    for (QAction* title : mdi->menuBar()->actions()) {
        QVERIFY2(title->text().contains('&'), qPrintable(title->text()));
        QString letters;
        for (QAction* item : title->menu()->actions()) {
            const qsizetype at = item->text().indexOf('&');
            QVERIFY2(at >= 0, qPrintable(item->text()));
            QVERIFY2(!letters.contains(item->text().at(at + 1).toLower()),
                     qPrintable(item->text()));
            letters += item->text().at(at + 1).toLower();
        }
    }
    QCOMPARE(child<QAction>(mdi, "mnuExit")->shortcut(), QKeySequence(QKeySequence::Quit));

    // F1 anywhere in the main window starts the help viewer; a clickable picture takes the
    // focus and Space clicks it.
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi));
    QTest::keyClick(mdi, Qt::Key_F1);
    QVERIFY(world.platform->started.size() + world.platform->messages.size() == 1);
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    auto* picture = child<QLabel>(&splash, "Image1");
    QCOMPARE(picture->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(picture, Qt::Key_Space);
    QVERIFY(!splash.isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Button);
}

void TestShell::droppedFileIsOfferedToTheInstaller() {
    World world;
    registerGrovekeepForms();
    auto* mdi = formAs<frmMDI>();
    mdi->show();
    QVERIFY(putFile(world.path("in/river.txt"), "map"));
    QVERIFY(putFile(world.path("in/notes.doc"), "doc"));
    QVERIFY(putFile(world.path("in/hills.lnd"), "land"));
    auto drop = [&](const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(world.path(file));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(mdi, &enter);
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(mdi, &dropped);
        return enter.isAccepted();
    };
    // A file the installer does not take is not accepted; nothing opens.
    QVERIFY(!drop({"in/notes.doc"}));
    QVERIFY(!existingForm(Form::Install));
    // A map and a landscape among them: the installer opens with the first chosen, and nothing
    // is installed yet; the second waits its turn; the one it does not take is named.
    QVERIFY(drop({"in/notes.doc", "in/river.txt", "in/hills.lnd"}));
    auto* installer = existingForm(Form::Install);
    QVERIFY(installer);
    QCOMPARE(child<QLabel>(installer, "lblPath")->text(), native(world.path("in/river.txt")));
    QCOMPARE(child<QLabel>(installer, "lblType")->text(), QStringLiteral("File Type: Map"));
    QCOMPARE(installer->windowTitle(),
             QStringLiteral("Grovekeep - Installer (1 more file waiting)"));
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("notes.doc"));
}

void TestShell::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QString>("problem");
    QTest::newRow("nothing") << QStringList{} << QStringList{} << false << false << QString();
    QTest::newRow("files") << QStringList{"a.vif", "b c.txt"} << QStringList{"a.vif", "b c.txt"}
                           << false << false << QString();
    QTest::newRow("help, version")
        << QStringList{"-h", "--version"} << QStringList{} << true << true << QString();
    QTest::newRow("Qt's own options are Qt's")
        << QStringList{"-style", "fusion", "-reverse", "x.vif"} << QStringList{"x.vif"} << false
        << false << QString();
    QTest::newRow("Qt's options with two dashes or '='")
        << QStringList{"--platform", "offscreen", "-style=fusion", "--reverse", "x.vif"}
        << QStringList{"x.vif"} << false << false << QString();
    QTest::newRow("a dash-named file after --")
        << QStringList{"--", "-odd.vif"} << QStringList{"-odd.vif"} << false << false << QString();
    QTest::newRow("unknown option") << QStringList{"--install", "x.vif"} << QStringList{"x.vif"}
                                    << false << false << "unknown option --install";
}

void TestShell::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(bool, help);
    QFETCH(bool, version);
    QFETCH(QString, problem);
    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(line.files, files);
    QCOMPARE(line.help, help);
    QCOMPARE(line.version, version);
    QCOMPARE(line.problem, problem);
}

namespace {
// The channels of these tests live in a runtime folder of their own: no other Grovekeep on the
// machine takes part.
class PrivateRuntime {
public:
    PrivateRuntime()
        : m_old(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    }
    ~PrivateRuntime() {
        if (m_old.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", m_old);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

QString channelName(const QString& what) {
    return QStringLiteral("grovekeep-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(what);
}
} // namespace

void TestShell::secondStartHandsItsFilesOver() {
    // The first start listens; a second one hands its files over and is told they arrived;
    // with nobody listening, a start goes on by itself.
    PrivateRuntime runtime;
    const QString name = channelName("handover");
    SingleInstance second(name);
    QVERIFY(!second.handOver({"/a.vif"}));
    // What a killed instance leaves behind does not stand in the way.
    QVERIFY(putFile(runtime.path(name), "left behind"));
    QVERIFY(!second.handOver({"/a.vif"}));
    SingleInstance first(name);
    QCOMPARE(first.claim({}), SingleInstance::Role::Listening);
    QVERIFY(first.listen());
    QList<QStringList> arrived;
    connect(&first, &SingleInstance::filesArrived, this,
            [&](const QStringList& files) { arrived << files; });
    auto handOverNow = [&](const QStringList& files) {
        bool handed = false;
        std::thread start([&] { handed = second.handOver(files); });
        QTRY_VERIFY(handed);
        start.join();
    };

    // While the receiver is not ready (the splash, the first-run Options), the other start is
    // answered and what it handed over waits; it comes out in order once the receiver is ready.
    handOverNow({"/games/x.vif", "/maps/é.txt"});
    handOverNow({});
    QTest::qWait(50);
    QVERIFY(arrived.isEmpty());
    first.deliver();
    QCOMPARE(arrived, (QList<QStringList>{{"/games/x.vif", "/maps/é.txt"}, {}}));
    handOverNow({"/games/y.vif"});
    QCOMPARE(arrived.size(), 3);
    QCOMPARE(arrived.last(), QStringList{"/games/y.vif"});

    // Another start of the same channel does not take it while this one holds it.
    SingleInstance late(name);
    QVERIFY(!late.listen());
    handOverNow({"/games/z.vif"});
    QCOMPARE(arrived.last(), QStringList{"/games/z.vif"});
}

void TestShell::twoStartsAtOnceOneListens() {
#ifdef Q_OS_WIN
    // Under Wine, pipes made and joined by threads of one busy process are at times set up too
    // slowly for this race to be told from a failure; the race runs here on Linux, and between
    // real programs in the desktop test there.
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        QSKIP("Threads racing for a pipe are not reliable under Wine.");
#endif
    // Starts at the same moment, round after round: one listens, every other hands its files to
    // it, and none runs on by itself.
    PrivateRuntime runtime;
    constexpr int kStarts = 4;
    for (int round = 0; round < 5; ++round) {
        const QString name = channelName(QStringLiteral("race%1").arg(round));
        std::vector<std::unique_ptr<SingleInstance>> starts;
        for (int k = 0; k < kStarts; ++k)
            starts.push_back(std::make_unique<SingleInstance>(name));
        std::atomic<int> ready{0};
        std::atomic<bool> go{false};
        std::vector<std::atomic<int>> roles(kStarts);
        for (auto& role : roles)
            role = -1;
        std::vector<std::thread> threads;
        for (int k = 0; k < kStarts; ++k) {
            threads.emplace_back([&, k] {
                ++ready;
                while (!go)
                    std::this_thread::yield();
                roles[size_t(k)] =
                    int(starts[size_t(k)]->claim({QStringLiteral("/start%1.vif").arg(k)}));
            });
        }
        while (ready < kStarts)
            std::this_thread::yield();
        go = true;
        // The one that took the lock opens its channel, as a start does once its application
        // object exists.
        int listening = -1;
        QTRY_VERIFY([&] {
            for (int k = 0; k < kStarts; ++k) {
                if (roles[size_t(k)] == int(SingleInstance::Role::Listening))
                    listening = k;
            }
            return listening >= 0;
        }());
        SingleInstance& first = *starts[size_t(listening)];
        QStringList arrived;
        connect(&first, &SingleInstance::filesArrived, this,
                [&](const QStringList& files) { arrived << files; });
        QVERIFY(first.listen());
        first.deliver();
        // (Generous: on a busy machine under Wine each hand-over may take a second or two.)
        QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), kStarts - 1, 30000);
        for (std::thread& thread : threads)
            thread.join();
        QStringList expected;
        for (int k = 0; k < kStarts; ++k) {
            if (k == listening)
                continue;
            QCOMPARE(roles[size_t(k)].load(), int(SingleInstance::Role::HandedOver));
            expected << QStringLiteral("/start%1.vif").arg(k);
        }
        arrived.sort();
        QCOMPARE(arrived, expected);
    }
}

void TestShell::channelIsScopedToGrovekeepFolder() {
    // An installed Grovekeep keeps its options and history in the user's data folder: a copy
    // that keeps them elsewhere is another Grovekeep, on another channel; the same folder
    // reached through a link is the same one.
    World world;
    QVERIFY(QDir().mkpath(world.path("data/one")));
    QVERIFY(QDir().mkpath(world.path("data/two")));
    auto nameWithData = [&](const QString& folder) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(world.path(folder)));
        qputenv("APPDATA", QFile::encodeName(QDir::toNativeSeparators(world.path(folder))));
        return SingleInstance::defaultName();
    };
    const QString one = nameWithData("data/one");
    const QString two = nameWithData("data/two");
    QVERIFY2(one != two, qPrintable(one));
    QCOMPARE(nameWithData("data/one"), one);
#ifndef Q_OS_WIN
    QVERIFY(QFile::link(world.path("data/one"), world.path("linked")));
    QCOMPARE(nameWithData("linked"), one);
#endif
    // A socket's path has room for the runtime folder and the name.
    QVERIFY(one.size() < 64);
}

void TestShell::addressNobodyOpensIsSaid() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("Elsewhere the system itself says whether an address has a program that opens it.");
#else
    World world;
    const QByteArray path = qgetenv("PATH");
    const QString bin = world.folder("bin");
    qputenv("PATH", QFile::encodeName(bin));
    // A desktop without a mail program: the opener starts, finds nothing, and ends with 3.
    QVERIFY(putFile(bin + "xdg-open", "#!/bin/sh\nexit 3\n"));
    QFile(bin + "xdg-open").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY(desktopPlatform().openAddress("mailto:someone@example.org").ok());
    QTRY_COMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).startsWith(
                 "Could not open \"mailto:someone@example.org\": no program on this system opens "
                 "it"),
             qPrintable(world.platform->messages.at(0)));
    // No opener at all: said at once.
    QVERIFY(QFile::remove(bin + "xdg-open"));
    const Status none = desktopPlatform().openAddress("https://example.org/");
    QVERIFY(!none.ok());
    QVERIFY2(none.error().contains("xdg-utils"), qPrintable(none.error()));
    qputenv("PATH", path);
#endif
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
