// The installer wizard, step by step: single files, packages, compiling, and every failure.

#include "support/world.h"

#include "common/commands.h"
#include "files/fsys.h"
#include "installer/frmInstall.h"
#include "startup.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace gk;
using namespace gk::test;

namespace {

// A game folder and a manager folder as a player has them.
struct Game {
    explicit Game(World& w)
        : world(w) {
        game = w.folder("game");
        manager = w.folder("manager");
        for (const char* f :
             {"Scripts/Playgrounds", "Data/Landscape", "Data/CreatureMesh", "Profiles"})
            w.folder(QStringLiteral("game/") + f);
        shared().GameFolder = game;
        shared().ManagerFolder = manager;
    }
    World& world;
    QString game;
    QString manager;
};

class Wizard {
public:
    Wizard() {
        registerGrovekeepForms();
        w = qobject_cast<frmInstall*>(showForm(Form::Install));
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(w, name); }
    void next() const { QTest::mouseClick(button("cmdNext"), Qt::LeftButton); }
    void back() const { QTest::mouseClick(button("cmdBack"), Qt::LeftButton); }
    void browse() const { QTest::mouseClick(button("cmdInstall"), Qt::LeftButton); }
    QString frame() const { return child<QGroupBox>(w, "Frame1")->title(); }
    QString path() const { return child<QLabel>(w, "lblPath")->text(); }
    QString type() const { return child<QLabel>(w, "lblType")->text(); }
    QString note() const { return child<QLabel>(w, "lblNote")->text(); }
    int progress() const { return child<QProgressBar>(w, "prg1")->value(); }
    // The package's files: "name -> install path" a line.
    QStringList files() const {
        QStringList out;
        auto* list = child<QTreeWidget>(w, "rtbFileNames");
        for (int k = 0; k < list->topLevelItemCount(); ++k)
            out << list->topLevelItem(k)->text(0) + " -> " + list->topLevelItem(k)->text(1);
        return out;
    }
    bool shown(const char* name) const { return w->findChild<QWidget*>(name)->isVisibleTo(w); }
    int step() const { return w->step(); }
    void choose(const char* option) const { child<QRadioButton>(w, option)->setChecked(true); }
    QPointer<frmInstall> w;
};

const QString kFileStepNote =
    "NOTE:You can only install mods if they are inside a vif file!...... All files are backed up "
    "before they are overwritten/saved!";

} // namespace

class TestInstallWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void opensOnFirstStep();
    void installsAMapWithItsBackup();
    void refusesWhatItCannotInstall();
    void compilesAPackageAndInstallsItAgain();
    void packageBeingCompiledKeepsToItsOwnFiles();
    void brokenPackageInstallsNothing();
    void cancelledDialogsChangeNothing();
    void failuresAreReportedNotShownAsSuccess();
    void offeredFileIsChosenNotInstalled();
    void largePackageCanBeCancelledMidway();
    void offeredFilesComeOneAfterAnother();
};

void TestInstallWindow::opensOnFirstStep() {
    World world;
    Wizard wiz;
    QCOMPARE(wiz.w->windowTitle(), QStringLiteral("Grovekeep - Installer"));
    QCOMPARE(wiz.step(), 0);
    QCOMPARE(wiz.frame(), QStringLiteral("Choose an Option"));
    QVERIFY(child<QRadioButton>(wiz.w, "op1")->isChecked());
    QVERIFY(!wiz.button("cmdBack")->isEnabled());
    QVERIFY(wiz.button("cmdNext")->isEnabled());
    QVERIFY(!wiz.shown("cmdInstall") && !wiz.shown("lblPath") && !wiz.shown("prg1"));

    wiz.next();
    QCOMPARE(wiz.step(), 1);
    QCOMPARE(wiz.frame(), QStringLiteral("Choose a file to install"));
    QCOMPARE(wiz.note(), kFileStepNote);
    QCOMPARE(wiz.path(), QStringLiteral("No file selected"));
    QCOMPARE(wiz.type(), QStringLiteral("No file type set"));
    QVERIFY(wiz.shown("cmdInstall") && wiz.shown("prg1") && !wiz.shown("op1"));
    wiz.back();
    QCOMPARE(wiz.step(), 0);
    QVERIFY(wiz.shown("op1"));

    // Cancel closes at any step; the next opening starts again at step 0.
    wiz.next();
    QTest::mouseClick(wiz.button("cmdCancel"), Qt::LeftButton);
    QVERIFY(!existingForm(Form::Install));
    Wizard again;
    QCOMPARE(again.step(), 0);
    QCOMPARE(again.frame(), QStringLiteral("Choose an Option"));

    // The keyboard alone: Enter is Next, Escape closes the window.
    QVERIFY(QTest::qWaitForWindowExposed(again.w));
    QTest::keyClick(again.w, Qt::Key_Return);
    QCOMPARE(again.step(), 1);
    QTest::keyClick(again.w, Qt::Key_Escape);
    QTRY_VERIFY(!existingForm(Form::Install));
}

void TestInstallWindow::installsAMapWithItsBackup() {
    World world;
    Game game(world);
    const QByteArray oldMap("old map\r\n");
    const QByteArray newMap = QByteArrayLiteral("// river\r\nLINE\x96\x80\r\nno end");
    QVERIFY(putFile(world.path("game/Scripts/Playgrounds/river.txt"), oldMap));
    QVERIFY(putFile(world.path("maps/river.txt"), newMap));

    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("maps/river.txt"));
    wiz.browse();
    QCOMPARE(wiz.path(), world.path("maps/river.txt"));
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Map"));
    wiz.next();
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/river.txt")), newMap);
    QCOMPARE(fileBytes(world.path("manager/river.txt.bak")), oldMap);
    QCOMPARE(wiz.note(),
             QStringLiteral("Your file was backed and then installed to the correct directory."));
    QCOMPARE(wiz.progress(), 100);
    QCOMPARE(wiz.step(), 5);
    QCOMPARE(wiz.w->focusWidget(), wiz.button("cmdNext"));

    // Back after an installation never leads to saving a package over the installed file.
    wiz.back();
    QCOMPARE(wiz.step(), 1);
    wiz.next(); // installs the same file again; the .bak now holds the first installation
    QCOMPARE(fileBytes(world.path("manager/river.txt.bak")), newMap);
    QCOMPARE(fileBytes(world.path("maps/river.txt")), newMap);

    // A landscape new to the game: an empty .bak, the file installed.
    QVERIFY(putFile(world.path("lands/hills.lnd"), QByteArray("\0\x01\xff", 3)));
    wiz.back();
    world.platform->answerFile(world.path("lands/hills.lnd"));
    wiz.browse();
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Landscape"));
    wiz.next();
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/hills.lnd")), QByteArray("\0\x01\xff", 3));
    QCOMPARE(fileBytes(world.path("manager/hills.lnd.bak")), QByteArray());

    // Next in step 5 closes the window.
    wiz.next();
    QVERIFY(!existingForm(Form::Install));
}

void TestInstallWindow::refusesWhatItCannotInstall() {
    World world;
    Game game(world);
    QVERIFY(putFile(world.path("in/RIVER.TXT"), "x"));
    QVERIFY(putFile(world.path("in/symbol1.bmp"), "BM"));
    Wizard wiz;
    wiz.next();
    // Nothing chosen yet: nothing matches.
    wiz.next();
    QCOMPARE(world.platform->messages.takeFirst(),
             QStringLiteral("please select a valid filetype or create a '.vif' to inmstall these "
                            "files automatically"));
    world.platform->answerFile(world.path("in/RIVER.TXT"));
    wiz.browse();
    QCOMPARE(wiz.type(), QStringLiteral("Invalid file type set"));
    wiz.next();
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(!QFile::exists(world.path("game/Scripts/Playgrounds/RIVER.TXT")));

    world.platform->messages.clear();
    world.platform->answerFile(world.path("in/symbol1.bmp"));
    wiz.browse();
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Tatoo"));
    wiz.next();
    QCOMPARE(world.platform->messages,
             QStringList{"To install tattoos you must use the tatto manager..Follow the "
                         "instructions at the bottom of the screen to install and manage them"});
    QCOMPARE(wiz.step(), 1);
    QCOMPARE(existingForm(Form::Tattoo) != nullptr, isRegistered(Form::Tattoo));
    QCOMPARE(QDir(world.path("manager")).entryList(QDir::Files), QStringList{});
}

void TestInstallWindow::compilesAPackageAndInstallsItAgain() {
    World world;
    Game game(world);
    const QByteArray map("A\r\nB");
    QByteArray land("\0\r\r\n\n\xff###begin_vif###", 21);
    QVERIFY(putFile(world.path("author/river.txt"), map));
    QVERIFY(putFile(world.path("author/hills.lnd"), land));
    const QString pack = world.path("out/pack.vif");
    QDir().mkpath(world.path("out"));

    {
        Wizard wiz;
        wiz.choose("op2");
        wiz.next();
        QCOMPARE(wiz.frame(), QStringLiteral("Choose files"));
        QVERIFY(!wiz.button("cmdNext")->isEnabled());
        QVERIFY(wiz.shown("rtbFileNames"));
        world.platform->answerFile(world.path("author/river.txt"));
        world.platform->answerFile(game.game + "Scripts/Playgrounds/river.txt");
        wiz.browse();
        QVERIFY(wiz.button("cmdNext")->isEnabled());
        world.platform->answerFile(world.path("author/hills.lnd"));
        world.platform->answerFile(game.game + "Data/Landscape/hills.lnd");
        wiz.browse();
        // Each file with the path it installs to, as written into the package; each install
        // path is proposed for the file's own name, in the folder of its kind, by a dialog
        // that says what it asks.
        const QString gameWindows = PackageCompiler::packageInstallPath(NativePath(game.game));
        QCOMPARE(wiz.files(),
                 (QStringList{"river.txt -> " + gameWindows + "Scripts\\Playgrounds\\river.txt",
                              "hills.lnd -> " + gameWindows + "Data\\Landscape\\hills.lnd"}));
        QCOMPARE(world.platform->fileRequests.at(1).currentName,
                 native(game.game + "Scripts/Playgrounds/river.txt"));
        QCOMPARE(world.platform->fileRequests.at(3).currentName,
                 native(game.game + "Data/Landscape/hills.lnd"));
        QCOMPARE(world.platform->fileRequests.at(3).title,
                 QStringLiteral("Where should hills.lnd be installed in the game?"));

        // An install path outside the game folder is refused when the file is added, with the
        // reason; so is one that no installation could place.
        QVERIFY(putFile(world.path("author/extra.txt"), "x"));
        world.platform->answerFile(world.path("author/extra.txt"));
        world.platform->answerFile(world.path("beside/extra.txt"));
        wiz.browse();
        QCOMPARE(world.platform->messages.size(), 1);
        QVERIFY2(world.platform->messages.at(0).contains("does not lie inside the game folder"),
                 qPrintable(world.platform->messages.at(0)));
        world.platform->answerFile(world.path("author/extra.txt"));
        world.platform->answerFile(game.game + "extra.txt");
        wiz.browse();
        QCOMPARE(world.platform->messages.size(), 2);
        QVERIFY2(world.platform->messages.at(1).contains("names none of the game's folders"),
                 qPrintable(world.platform->messages.at(1)));
        QCOMPARE(wiz.files().size(), 2);

        // A file added by mistake can be taken out again.
        world.platform->answerFile(world.path("author/extra.txt"));
        world.platform->answerFile(game.game + "Scripts/Playgrounds/extra.txt");
        wiz.browse();
        QCOMPARE(wiz.files().size(), 3);
        QVERIFY(wiz.button("cmdRemove")->isEnabled());
        QTest::mouseClick(wiz.button("cmdRemove"), Qt::LeftButton);
        QCOMPARE(wiz.files().size(), 2);

        // Back to step 2 and on again: Next follows the list, never a dead end.
        wiz.next();
        QCOMPARE(wiz.frame(), QStringLiteral("Choose directory name"));
        QCOMPARE(wiz.path(), QStringLiteral("No Directory Chosen!"));
        QVERIFY(!wiz.button("cmdNext")->isEnabled());
        wiz.back();
        QVERIFY(wiz.button("cmdNext")->isEnabled());
        world.platform->cancelFile();
        wiz.browse();
        QVERIFY(wiz.button("cmdNext")->isEnabled());
        wiz.next();

        // The package's name is proposed as a package, never one of its own files; saving
        // over one of its files is refused, and replacing a file prefers No.
        world.platform->answerFile(world.path("author/hills.lnd"));
        wiz.browse();
        QCOMPARE(world.platform->fileRequests.last().currentName, world.path("author/river.vif"));
        QCOMPARE(world.platform->messages.size(), 3);
        QVERIFY(world.platform->messages.at(2).contains("one of the files this package carries"));
        QCOMPARE(fileBytes(world.path("author/hills.lnd")), land);
        QCOMPARE(wiz.step(), 3);
        QVERIFY(putFile(world.path("out/old.vif"), "old"));
        world.platform->answerFile(world.path("out/old.vif"));
        wiz.browse();
        QCOMPARE(world.platform->preferred.last(), Answer::No);
        QCOMPARE(wiz.step(), 3);
        QCOMPARE(fileBytes(world.path("out/old.vif")), QByteArray("old"));
        world.platform->answerFile(pack);
        wiz.browse();
        QCOMPARE(world.platform->fileRequests.last().filter,
                 QStringLiteral("Vessa's Installation Files (*.vif)|*.vif"));
        QVERIFY(world.platform->fileRequests.last().save);
        QCOMPARE(wiz.step(), 4);
        QCOMPARE(wiz.path(), pack);
        QVERIFY(wiz.button("cmdNext")->isEnabled());

        wiz.next();
        QCOMPARE(wiz.step(), 5);
        QCOMPARE(wiz.frame(), QStringLiteral("Saving Files2"));
        QCOMPARE(wiz.path(), QStringLiteral("Files saved!"));
        QCOMPARE(wiz.note(), QStringLiteral("Your file was saved and Backed up!"));
        QCOMPARE(wiz.progress(), 100);
        const QByteArray saved = fileBytes(pack);
        QVERIFY(saved.startsWith("###Begin_VIF###\r\n###Install###"));
        QCOMPARE(fileBytes(world.path("manager/Backup/vif/pack.vif")), saved);

        // Back leads to step 4, whose Next saves the same package again.
        QFile::remove(pack);
        wiz.back();
        QCOMPARE(wiz.step(), 4);
        wiz.next();
        QCOMPARE(fileBytes(pack), saved);
        wiz.next();
        QVERIFY(!existingForm(Form::Install));
    }

    // Installed on another machine's game folder: byte for byte.
    world.platform->messages.clear();
    QFile::remove(world.path("game/Scripts/Playgrounds/river.txt"));
    QVERIFY(putFile(world.path("game/Data/Landscape/hills.lnd"), "previous"));
    Wizard wiz;
    wiz.next();
    world.platform->answerFile(pack);
    wiz.browse();
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Vessa Installation File"));
    wiz.next();
    QVERIFY2(world.platform->messages.isEmpty(), qPrintable(world.platform->messages.join("|")));
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/river.txt")), map);
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/hills.lnd")), land);
    QCOMPARE(fileBytes(world.path("manager/Backup/vif/hills.lnd")), land);
    QVERIFY(!QFile::exists(world.path("manager/Backup/vif/hills.lnd.bak")));
    QCOMPARE(wiz.progress(), 100);
    QCOMPARE(wiz.step(), 5);
    QVERIFY(wiz.note().startsWith("The package was installed: 2 files."));
    // Installed once: Next finishes (it does not install it a second time) and has the
    // keyboard; choosing a file again installs that.
    QVERIFY(wiz.button("cmdNext")->isEnabled());
    QCOMPARE(wiz.w->focusWidget(), wiz.button("cmdNext"));
    QVERIFY(wiz.shown("cmdHistory"));
    world.platform->answerFile(pack);
    wiz.browse();
    QVERIFY(wiz.button("cmdNext")->isEnabled());
    // What was said of the last installation goes with it; Enter installs the new choice.
    QCOMPARE(wiz.note(), kFileStepNote);
    QVERIFY(!wiz.shown("cmdHistory"));
    QCOMPARE(wiz.progress(), 0);
    QCOMPARE(wiz.w->focusWidget(), wiz.button("cmdNext"));
}

void TestInstallWindow::packageBeingCompiledKeepsToItsOwnFiles() {
    World world;
    Game game(world);
    QVERIFY(putFile(world.path("in/a.txt"), "a"));
    QByteArray package;
    package +=
        "###Begin_VIF###\r\n###Install###C:\\BW\\Scripts\\Playgrounds\\p.txt###/Install###\r\n"
        "###Title###p.txt###/Title###\r\np\r\n###End_VIF###\r\n\r\n";
    QVERIFY(putFile(world.path("in/p.vif"), package));

    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("in/p.vif"));
    wiz.browse();
    wiz.next();
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/p.txt")), QByteArray("p"));
    wiz.back(); // another file
    wiz.back(); // the options
    wiz.choose("op2");
    wiz.next();
    world.platform->answerFile(world.path("in/a.txt"));
    world.platform->answerFile(game.game + "Scripts/Playgrounds/a.txt");
    wiz.browse();
    // Cancel (Escape) asks before the list goes; No keeps it.
    world.platform->answers << Answer::No;
    QTest::mouseClick(wiz.button("cmdCancel"), Qt::LeftButton);
    QCOMPARE(world.platform->questions.size(), 1);
    QVERIFY2(world.platform->questions.at(0).endsWith("lists 1 file. Close the installer and drop "
                                                      "the list?"),
             qPrintable(world.platform->questions.at(0)));
    QVERIFY(existingForm(Form::Install));
    QCOMPARE(wiz.files().size(), 1);
    wiz.next();
    world.platform->answerFile(world.path("in/new.vif"));
    wiz.browse();
    wiz.next();
    const QByteArray saved = fileBytes(world.path("in/new.vif"));
    QCOMPARE(saved.count("###Begin_VIF###"), 1);
    QVERIFY(!saved.contains("p.txt"));
}

void TestInstallWindow::brokenPackageInstallsNothing() {
    World world;
    Game game(world);
    const QByteArray broken =
        "###Begin_VIF###\r\n###Install###C:\\BW\\Scripts\\Playgrounds\\good.txt###/Install###\r\n"
        "###Title###good.txt###/Title###\r\ngood\r\n###End_VIF###\r\n"
        "###Begin_VIF###\r\n###Install###C:\\Windows\\System32\\evil.dll###/Install###\r\n"
        "###Title###evil.dll###/Title###\r\nevil\r\n###End_VIF###\r\n\r\n";
    QVERIFY(putFile(world.path("in/bad.vif"), broken));
    QVERIFY(putFile(world.path("in/none.vif"), "\r\n"));
    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("in/bad.vif"));
    wiz.browse();
    wiz.next();
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).contains("evil.dll"),
             qPrintable(world.platform->messages.at(0)));
    QVERIFY(!QFile::exists(world.path("game/Scripts/Playgrounds/good.txt")));
    QCOMPARE(wiz.step(), 1);

    world.platform->answerFile(world.path("in/none.vif"));
    wiz.browse();
    wiz.next();
    QCOMPARE(world.platform->messages.last(), QStringLiteral("This is not a valid Vif file."));
}

void TestInstallWindow::cancelledDialogsChangeNothing() {
    World world;
    Game game(world);
    QVERIFY(putFile(world.path("in/river.txt"), "r"));
    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("in/river.txt"));
    wiz.browse();
    world.platform->cancelFile();
    wiz.browse();
    QCOMPARE(wiz.path(), world.path("in/river.txt"));
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Map"));

    wiz.back();
    wiz.choose("op2");
    wiz.next();
    world.platform->cancelFile();
    wiz.browse();
    QVERIFY(!wiz.button("cmdNext")->isEnabled());
    QVERIFY(wiz.files().isEmpty());
    // The install path dialog cancelled: the file is not added.
    world.platform->answerFile(world.path("in/river.txt"));
    world.platform->cancelFile();
    wiz.browse();
    QVERIFY(wiz.files().isEmpty());

    world.platform->answerFile(world.path("in/river.txt"));
    world.platform->answerFile(game.game + "Scripts/Playgrounds/river.txt");
    wiz.browse();
    wiz.next();
    world.platform->cancelFile();
    wiz.browse();
    QCOMPARE(wiz.step(), 3);
    QCOMPARE(wiz.path(), QStringLiteral("No Directory Chosen!"));
    // Back to step 2 keeps the list, and Next goes on with it.
    wiz.back();
    QCOMPARE(wiz.step(), 2);
    QCOMPARE(wiz.path(), QStringLiteral("No Directory Chosen!"));
    QCOMPARE(wiz.files().size(), 1);
    QVERIFY(wiz.button("cmdNext")->isEnabled());

    // A package file that exists is replaced only when the user agrees.
    QVERIFY(putFile(world.path("in/keep.vif"), "keep"));
    world.platform->answerFile(world.path("in/river.txt"));
    world.platform->answerFile(game.game + "Scripts/Playgrounds/river.txt");
    wiz.browse();
    wiz.next();
    world.platform->answerFile(world.path("in/keep.vif"));
    world.platform->answers << Answer::No;
    wiz.browse();
    QCOMPARE(wiz.step(), 3);
    QCOMPARE(fileBytes(world.path("in/keep.vif")), QByteArray("keep"));
}

void TestInstallWindow::failuresAreReportedNotShownAsSuccess() {
    World world;
    // No folders known yet: the installer asks for them instead of writing anywhere.
    QVERIFY(putFile(world.path("in/river.txt"), "r"));
    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("in/river.txt"));
    wiz.browse();
    wiz.next();
    QVERIFY(world.platform->messages.at(0).contains("(Tools > Options)"));
    QVERIFY(existingForm(Form::Options));
    QCOMPARE(wiz.step(), 1);
    closeWindow(existingForm(Form::Options));

    // A game folder without its playground folder: reported, nothing claimed.
    world.platform->messages.clear();
    shared().GameFolder = world.folder("emptygame");
    shared().ManagerFolder = world.folder("manager");
    wiz.next();
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).contains("river.txt"),
             qPrintable(world.platform->messages.at(0)));
    QCOMPARE(wiz.step(), 1);
    QVERIFY(!wiz.note().startsWith("Your file was"));

    // A package that cannot be saved goes back to step 4 and says why.
    Game game(world);
    world.platform->messages.clear();
    wiz.back();
    wiz.choose("op2");
    wiz.next();
    world.platform->answerFile(world.path("in/river.txt"));
    world.platform->answerFile(game.game + "Scripts/Playgrounds/river.txt");
    wiz.browse();
    wiz.next();
    world.platform->answerFile(world.path("missing/pack.vif"));
    wiz.browse();
    wiz.next();
    QCOMPARE(wiz.step(), 4);
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("pack.vif"));
    QCOMPARE(wiz.path(), world.path("missing/pack.vif"));
    QVERIFY(wiz.note() != QStringLiteral("Your file was saved and Backed up!"));

    // A package installation that fails at any write says once, and truly, that nothing was
    // changed; never that a file it did not touch could not be put back.
    const QByteArray twoEntries =
        "###Begin_VIF###\r\n###Install###C:\\BW\\Scripts\\Playgrounds\\a.txt###/Install###"
        "\r\n###Title###a.txt###/Title###\r\nnew a\r\n###End_VIF###\r\n"
        "###Begin_VIF###\r\n###Install###C:\\BW\\Data\\Landscape\\b.lnd###/Install###\r\n"
        "###Title###b.lnd###/Title###\r\nnew b\r\n###End_VIF###\r\n\r\n";
    QVERIFY(putFile(world.path("in/two.vif"), twoEntries));
    QVERIFY(putFile(game.game + "Scripts/Playgrounds/a.txt", "old a"));
    wiz.back();
    wiz.back();
    wiz.back();
    wiz.choose("op1");
    wiz.next();
    world.platform->answerFile(world.path("in/two.vif"));
    wiz.browse();
    auto freshGame = [&](int n) {
        shared().ManagerFolder = world.folder(QStringLiteral("manager%1").arg(n));
        QVERIFY(putFile(game.game + "Scripts/Playgrounds/a.txt", "old a"));
        QFile::remove(game.game + "Data/Landscape/b.lnd");
        world.platform->messages.clear();
    };
    freshGame(0);
    gk::fs::faults::reset();
    wiz.next();
    const int changes = gk::fs::faults::stepsSoFar();
    QVERIFY(world.platform->messages.isEmpty());
    QVERIFY(changes > 10);
    for (int n = 1; n <= changes; ++n) {
        freshGame(n);
        world.platform->answerFile(world.path("in/two.vif"));
        wiz.browse();
        gk::fs::faults::failAt(n, EIO);
        wiz.next();
        gk::fs::faults::reset();
        const QString said = world.platform->messages.join('|');
        if (said.isEmpty()) { // a failure the installation could go around
            QCOMPARE(fileBytes(game.game + "Data/Landscape/b.lnd"), QByteArray("new b"));
            continue;
        }
        QCOMPARE(world.platform->messages.size(), 1);
        QVERIFY2(said.count("nothing was changed", Qt::CaseInsensitive) == 1, qPrintable(said));
        QVERIFY2(!said.contains("could not be put back"), qPrintable(said));
        QCOMPARE(fileBytes(game.game + "Scripts/Playgrounds/a.txt"), QByteArray("old a"));
        QVERIFY(!QFile::exists(game.game + "Data/Landscape/b.lnd"));
    }
}

void TestInstallWindow::offeredFileIsChosenNotInstalled() {
    // A file offered from outside (dropped on the main window, given on the command line,
    // downloaded) opens the installer at its first install step with the file chosen, also
    // when the installer is open on another step; only Next installs it.
    World world;
    Game game(world);
    QVERIFY(putFile(world.path("maps/river.txt"), "map\r\n"));
    QVERIFY(putFile(world.path("lands/hills.lnd"), "land"));
    registerGrovekeepForms();
    offerToInstall(NativePath(world.path("maps/river.txt")));
    Wizard wiz;
    QCOMPARE(wiz.step(), 1);
    QCOMPARE(wiz.path(), world.path("maps/river.txt"));
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Map"));
    QVERIFY(!QFile::exists(world.path("game/Scripts/Playgrounds/river.txt")));

    wiz.back();
    wiz.choose("op2");
    wiz.next();
    QCOMPARE(wiz.step(), 2);
    offerToInstall(NativePath(world.path("lands/hills.lnd")));
    QCOMPARE(wiz.step(), 1);
    QCOMPARE(wiz.type(), QStringLiteral("File Type: Landscape"));
    QVERIFY(wiz.button("cmdNext")->isEnabled());
    wiz.next();
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/hills.lnd")), QByteArray("land"));

    // A file that cannot be read is said so, and nothing is chosen.
    offerToInstall(NativePath(world.path("maps/none.txt")));
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("none.txt"));
}

void TestInstallWindow::largePackageCanBeCancelledMidway() {
    World world;
    Game game(world);
    // Two large entries: the bar moves within each file, as the bytes are written.
    const QByteArray large(24 << 20, 'L');
    const QByteArray package = rawEntry("C:\\BW\\Data\\Landscape\\a.lnd", "a.lnd", large) +
                               rawEntry("C:\\BW\\Data\\Landscape\\b.lnd", "b.lnd", large) + "\r\n";
    QVERIFY(putFile(world.path("in/big.vif"), package));
    QVERIFY(putFile(world.path("game/Data/Landscape/a.lnd"), "the player's own"));
    const auto before = withoutHistory(snapshot(world.path(".")));

    Wizard wiz;
    wiz.next();
    world.platform->answerFile(world.path("in/big.vif"));
    wiz.browse();
    // At the first sign of progress: what would start other work is disabled, and Cancel is
    // pressed.
    QList<int> shown;
    QStringList enabled;
    auto* bar = child<QProgressBar>(wiz.w, "prg1");
    auto connection = QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        shown << value;
        if (shown.size() > 1)
            return;
        for (const char* name : {"cmdNext", "cmdBack", "cmdInstall", "cmdCancel"})
            if (wiz.button(name)->isEnabled())
                enabled << name;
        QTest::mouseClick(wiz.button("cmdCancel"), Qt::LeftButton);
    });
    wiz.next();
    QObject::disconnect(connection);
    QVERIFY2(!shown.isEmpty() && shown.first() > 0 && shown.first() < 25,
             qPrintable(QString::number(shown.value(0))));
    QCOMPARE(enabled, QStringList{"cmdCancel"});
    QCOMPARE(wiz.note(), QStringLiteral("Cancelled. Nothing was changed."));
    QVERIFY2(world.platform->messages.isEmpty(), qPrintable(world.platform->messages.join('\n')));
    QVERIFY(wiz.w);
    QVERIFY(wiz.button("cmdNext")->isEnabled());
    QVERIFY(wiz.button("cmdCancel")->isEnabled());
    QCOMPARE(wiz.progress(), 0);
    QVERIFY(withoutHistory(snapshot(world.path("."))) == before);

    // Closing the window meanwhile asks; Yes stops the installation, and the window closes
    // once nothing was changed.
    connection = QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        if (value == 0 || value == 100 || world.platform->questions.size() > 0)
            return;
        world.platform->answers << Answer::Yes;
        QVERIFY(!closeWindow(wiz.w));
    });
    wiz.next();
    QObject::disconnect(connection);
    QCOMPARE(world.platform->questions.size(), 1);
    QVERIFY(world.platform->questions.at(0).contains("Cancel the installation?"));
    QVERIFY(!existingForm(Form::Install));
    QVERIFY(withoutHistory(snapshot(world.path("."))) == before);

    // Left alone, it installs whole.
    Wizard again;
    again.next();
    world.platform->answerFile(world.path("in/big.vif"));
    again.browse();
    again.next();
    QCOMPARE(again.progress(), 100);
    QVERIFY(again.note().startsWith("The package was installed: 2 files."));
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/b.lnd")), large);
}

void TestInstallWindow::offeredFilesComeOneAfterAnother() {
    // Several files offered at once, or while an offered one waits for Next, are chosen one
    // after another: Next after an installation takes the next; the title says how many wait;
    // closing the window asks whether to go on with them.
    World world;
    Game game(world);
    QVERIFY(putFile(world.path("in/river.txt"), "map\r\n"));
    QVERIFY(putFile(world.path("in/hills.lnd"), "land"));
    QVERIFY(putFile(world.path("in/skin.l3d"), "skin"));
    QVERIFY(putFile(world.path("in/lake.txt"), "lake\r\n"));
    auto in = [&](const char* name) {
        return NativePath(world.path(QStringLiteral("in/") + name));
    };
    registerGrovekeepForms();
    offerToInstall({in("river.txt"), in("gone.txt"), in("hills.lnd")});
    Wizard wiz;
    QCOMPARE(wiz.path(), in("river.txt").text());
    QCOMPARE(wiz.w->windowTitle(), QStringLiteral("Grovekeep - Installer (2 more files waiting)"));
    offerToInstall(in("skin.l3d"));
    QCOMPARE(wiz.path(), in("river.txt").text());
    QCOMPARE(wiz.w->windowTitle(), QStringLiteral("Grovekeep - Installer (3 more files waiting)"));

    wiz.next();
    QCOMPARE(wiz.step(), 5);
    QCOMPARE(fileBytes(game.game + "Scripts/Playgrounds/river.txt"), QByteArray("map\r\n"));
    // Next goes on: a file that can no longer be read is said so, and the one after it chosen.
    wiz.next();
    QCOMPARE(wiz.step(), 1);
    QCOMPARE(wiz.path(), in("hills.lnd").text());
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("gone.txt"));
    QCOMPARE(wiz.w->windowTitle(), QStringLiteral("Grovekeep - Installer (1 more file waiting)"));

    // Closed with a file waiting: Yes shows it in the installer again.
    world.platform->answers << Answer::Yes;
    QTest::mouseClick(wiz.button("cmdCancel"), Qt::LeftButton);
    QTRY_COMPARE(world.platform->questions.size(), 1);
    QVERIFY(world.platform->questions.at(0).contains("skin.l3d"));
    QWidget* again = existingForm(Form::Install);
    QVERIFY(again);
    QCOMPARE(child<QLabel>(again, "lblPath")->text(), in("skin.l3d").text());
    QCOMPARE(again->windowTitle(), QStringLiteral("Grovekeep - Installer"));
    QVERIFY(!QFile::exists(game.game + "Data/Landscape/hills.lnd"));

    // No: what waited is dropped, and nothing opens again.
    offerToInstall(in("lake.txt"));
    world.platform->answers << Answer::No;
    QVERIFY(closeWindow(again));
    QTRY_COMPARE(world.platform->questions.size(), 2);
    QTest::qWait(20);
    QVERIFY(!existingForm(Form::Install));
    QVERIFY(shared().InstallerFiles.isEmpty());
}

QTEST_MAIN(TestInstallWindow)
#include "test_install_window.moc"
