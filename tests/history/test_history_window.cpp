// The History window and the recovery at start-up, driven through their controls.

#include "support/world.h"

#include "base/sha256.h"
#include "common/changes.h"
#include "files/record.h"
#include "files/store.h"
#include "frmMDI.h"
#include "history/frmHistory.h"
#include "settings/options.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

using namespace gk;
using namespace gk::test;

namespace {

struct Game {
    explicit Game(World& w) {
        game = w.folder("game");
        manager = w.folder("manager");
        w.folder("game/Data/Landscape");
        putFile(game + "Data/Landscape/hills.lnd", "original");
        shared().GameFolder = game;
        shared().ManagerFolder = manager;
    }
    // Installs `contents` over hills.lnd as one operation, as a window would.
    int install(const QByteArray& contents) const {
        auto store = openStore(ComposedPath(manager), ComposedPath(game)).value();
        return store
            .apply({"package", "Package \"p.vif\"", {}, {}, 0},
                   {FileChange(fs::Location::below(NativePath(game), "Data/Landscape/hills.lnd"),
                               contents)})
            .value()
            .operation;
    }
    QByteArray hills() const { return fileBytes(game + "Data/Landscape/hills.lnd"); }
    QString game;
    QString manager;
};

frmHistory* openHistory() {
    registerGrovekeepForms();
    auto* mdi = formAs<frmMDI>();
    mdi->show();
    child<QAction>(mdi, "mnuHistory")->trigger();
    return existingFormAs<frmHistory>();
}

QStringList column(QTreeWidget* tree, int c) {
    QStringList out;
    for (int k = 0; k < tree->topLevelItemCount(); ++k)
        out << tree->topLevelItem(k)->text(c);
    return out;
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void listsVerifiesAndUndoes();
    void undoRefusedNamesTheLaterOperation();
    void freesSpace();
    void interruptedOperationIsRolledBackAtStart();
    void interruptedBeforeItsContentsShowsItsPlan();
    void unreadableRecordsAreNamed();
    void waitsVisiblyForAnotherProgram();
    void undoOfOptionsReloadsTheSettings();
};

void TestHistoryWindow::listsVerifiesAndUndoes() {
    World world;
    Game game(world);
    game.install("first");
    frmHistory* w = openHistory();
    QVERIFY(w);
    auto* operations = child<QTreeWidget>(w, "lstOperations");
    auto* files = child<QTreeWidget>(w, "lstFiles");
    QCOMPARE(column(operations, 1), QStringList{"Package \"p.vif\""});
    QCOMPARE(column(operations, 3), QStringList{"complete"});
    QCOMPARE(column(files, 1), QStringList{"replaced"});
    QVERIFY2(
        child<QLabel>(w, "lblSummary")->text().endsWith(": Package \"p.vif\", 1 file, complete."),
        qPrintable(child<QLabel>(w, "lblSummary")->text()));

    click(w, "cmdVerify");
    QCOMPARE(column(files, 2), QStringList{"intact"});
    // Coming back to the window keeps what Verify showed while nothing changed.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w, &activate);
    QCOMPARE(column(files, 2), QStringList{"intact"});
    QVERIFY(putFile(game.game + "Data/Landscape/hills.lnd", "edited"));
    click(w, "cmdVerify");
    QCOMPARE(column(files, 2), QStringList{"changed"});

    // Undo asks first; a file changed since is named, and undone only when the user agrees.
    world.platform->answers << Answer::Yes << Answer::No;
    click(w, "cmdUndo");
    QCOMPARE(world.platform->questions.size(), 2);
    QVERIFY(world.platform->questions.at(1).contains("hills.lnd"));
    QCOMPARE(game.hills(), QByteArray("edited"));
    world.platform->answers << Answer::Yes << Answer::Yes;
    click(w, "cmdUndo");
    QCOMPARE(game.hills(), QByteArray("original"));
    QCOMPARE(column(operations, 1),
             (QStringList{"Undo of 1: Package \"p.vif\"", "Package \"p.vif\""}));
    QCOMPARE(column(operations, 3), (QStringList{"complete", "undone"}));
    QCOMPARE(w->selectedOperation(), 2);
    QVERIFY(world.platform->messages.isEmpty());
}

void TestHistoryWindow::undoRefusedNamesTheLaterOperation() {
    World world;
    Game game(world);
    game.install("first");
    game.install("second");
    frmHistory* w = openHistory();
    w->selectOperation(1);
    QVERIFY(child<QPushButton>(w, "cmdUndo")->isEnabled());
    world.platform->answers << Answer::Yes;
    click(w, "cmdUndo");
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).contains("Operation 2"),
             qPrintable(world.platform->messages.at(0)));
    QCOMPARE(game.hills(), QByteArray("second"));
}

void TestHistoryWindow::freesSpace() {
    World world;
    Game game(world);
    game.install("first");
    frmHistory* w = openHistory();
    // All of it; the installed operation only when the user says so.
    world.platform->choices << 3;
    world.platform->answers << Answer::No;
    click(w, "cmdFree");
    QCOMPARE(world.platform->messages, QStringList{"There is nothing to free."});
    world.platform->choices << 3;
    world.platform->answers << Answer::Yes << Answer::Yes;
    click(w, "cmdFree");
    QCOMPARE(child<QTreeWidget>(w, "lstOperations")->topLevelItemCount(), 0);
    QVERIFY(child<QLabel>(w, "lblSummary")->text().contains("1 operation removed"));
    QCOMPARE(game.hills(), QByteArray("first"));
}

namespace {

// Installs a package of two entries with the package tool, ended (as a kill would end it) just
// after its first file took its new content: what a crash leaves. The tool's fault seam finds
// that moment.
// The package tool with its fault seam, built beside this test. (Found from this program's
// folder: the build tree's path, a Linux one, names no file on Windows once the working folder
// is on another drive.)
QString seamsTool() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QFileInfo(QStringLiteral(GK_VIF_TOOL)).fileName();
}

bool interruptedInstall(const Game& game, const QString& folder) {
    const QString package = folder + "p.vif";
    if (!putFile(package, rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "new") +
                              rawEntry("C:\\BW\\Data\\Landscape\\isle.lnd", "isle.lnd", "I") +
                              "\r\n"))
        return false;
    for (int n = 1; n < 200; ++n) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GROVEKEEP_TEST_EXIT_AT", QString::number(n));
        tool.setProcessEnvironment(env);
        tool.start(seamsTool(), {"install", package, "--game-folder", game.game, "--manager-folder",
                                 game.manager});
        if (!tool.waitForFinished(20000) || tool.exitCode() != 99) {
            qWarning("the install ended with %d at change %d: %s", tool.exitCode(), n,
                     tool.readAllStandardError().constData());
            return false;
        }
        if (game.hills() == "new")
            return true;
        // Not yet: rolled back by the tool itself, and the next try starts afresh.
        QProcess recovery;
        recovery.start(seamsTool(),
                       {"history", "--game-folder", game.game, "--manager-folder", game.manager});
        if (!recovery.waitForFinished(20000) || recovery.exitCode() != 0)
            return false;
        QDir(game.manager + "History").removeRecursively();
    }
    return false;
}

} // namespace

void TestHistoryWindow::interruptedOperationIsRolledBackAtStart() {
    // An installation killed midway is rolled back when Grovekeep starts, and one message says
    // what was put back. A file the user changed after the crash is kept in the history first.
    for (const bool edited : {false, true}) {
        World world;
        Game game(world);
        QVERIFY(interruptedInstall(game, world.folder("downloads")));
        if (edited)
            QVERIFY(putFile(game.game + "Data/Landscape/hills.lnd", "the user's later edit"));
        QVERIFY(
            putFile(world.optionsFile(), (game.game + "\r\n" + game.manager + "\r\n").toUtf8()));
        registerGrovekeepForms();
        // The windows are told what was put back, as of any other change.
        QStringList told;
        const auto connection = QObject::connect(&StoreChanges::instance(), &StoreChanges::changed,
                                                 [&](const Announcement& a) {
                                                     for (const NativePath& file : a.files)
                                                         told << QFileInfo(file.text()).fileName();
                                                 });
        startGrovekeep();
        QObject::disconnect(connection);
        told.sort();
        QCOMPARE(told, QStringList{"hills.lnd"});
        QCOMPARE(world.platform->messages.size(), 1);
        const QString message = world.platform->messages.at(0);
        QVERIFY2(message.contains("Operation 1 (Package \"p.vif\"): 1 file put back."),
                 qPrintable(message));
        QCOMPARE(game.hills(), QByteArray("original"));
        QVERIFY(!QFile::exists(game.game + "Data/Landscape/isle.lnd"));
        for (const QString& key : snapshot(world.path(".")).keys())
            QVERIFY2(!key.contains(".~gk-"), qPrintable(key));
        auto store = openStore(ComposedPath(game.manager), ComposedPath(game.game)).value();
        QCOMPARE(store.operation(1)->state, OperationState::RolledBack);
        if (edited) {
            QVERIFY2(message.contains("kept your later version of"), qPrintable(message));
            const QString sha = Sha256::of("the user's later edit");
            QCOMPARE(fileBytes(game.manager + "History/objects/" + sha.left(2) + '/' + sha),
                     QByteArray("the user's later edit"));
            QVERIFY(message.contains(sha));
        }
        resetForms();
    }
}

void TestHistoryWindow::interruptedBeforeItsContentsShowsItsPlan() {
    // An operation ended before its new contents were written: it is rolled back at start (no
    // file had changed), and its files are listed as what it was to do to them, not as
    // removed for want of new contents.
    World world;
    Game game(world);
    const QString operations = game.manager + "History/operations";
    QVERIFY(QDir().mkpath(operations) && QDir().mkpath(game.manager + "History/pending"));
    auto folder = fs::Folder::openRoot(NativePath(operations));
    QVERIFY(folder);
    auto writer = RecordWriter::create(*folder, recordName(1));
    QVERIFY(writer);
    RecordHead head;
    head.id = 1;
    head.time = QDateTime::currentDateTime();
    head.kind = "package";
    head.what = "Package \"p.vif\"";
    head.game = cleanFolder(NativePath(game.game));
    head.token = "abc";
    head.files = 2;
    const auto original = FileVersion{*Digest::fromHex(Sha256::of("original")), 8, 0644};
    QVERIFY(writer->head(head).ok());
    QVERIFY(writer
                ->file({RecordedPath{RootKind::Game, QString(), "Data/Landscape/hills.lnd"},
                        FileRole::Target, false, original})
                .ok());
    QVERIFY(writer
                ->file({RecordedPath{RootKind::Game, QString(), "Data/Landscape/isle.lnd"},
                        FileRole::Target, false, std::nullopt})
                .ok());
    QVERIFY(writer->sync().ok());
    QVERIFY(putFile(game.manager + "History/pending/1", ""));
    QVERIFY(putFile(world.optionsFile(), (game.game + "\r\n" + game.manager + "\r\n").toUtf8()));
    registerGrovekeepForms();
    startGrovekeep();
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).contains("no file had been changed yet"),
             qPrintable(world.platform->messages.at(0)));
    QCOMPARE(game.hills(), QByteArray("original"));
    frmHistory* w = openHistory();
    auto* list = child<QTreeWidget>(w, "lstOperations");
    QCOMPARE(column(list, 3), QStringList{"rolled-back"});
    list->setCurrentItem(list->topLevelItem(0));
    QCOMPARE(column(child<QTreeWidget>(w, "lstFiles"), 1), (QStringList{"replaced", "added"}));
}

void TestHistoryWindow::unreadableRecordsAreNamed() {
    // A damaged record is listed, named, with why; a description that would reorder text is
    // shown with its marks written out.
    World world;
    Game game(world);
    game.install("first");
    auto store = openStore(ComposedPath(game.manager), ComposedPath(game.game)).value();
    QVERIFY(store
                .apply({"package", QString::fromUtf8("Package \"evil\u202Efiv.exe\""), {}, {}, 0},
                       {FileChange(
                           fs::Location::below(NativePath(game.game), "Data/Landscape/hills.lnd"),
                           QByteArray("second"))})
                .ok());
    QVERIFY(putFile(game.manager + "History/operations/000001.jsonl", "{\"record\": damaged\n"));
    // A record edited where it still reads as a record: the list finds it, as the tool does.
    game.install("third");
    const QString third = game.manager + "History/operations/000003.jsonl";
    QVERIFY(putFile(third, fileBytes(third).replace("\"kind\":\"", "\"kind\":\"x")));
    frmHistory* w = openHistory();
    auto* operations = child<QTreeWidget>(w, "lstOperations");
    QCOMPARE(column(operations, 3), (QStringList{"unreadable", "complete", "unreadable"}));
    QVERIFY(column(operations, 1).at(0).contains("Operation 3"));
    QCOMPARE(column(operations, 1).at(1), QStringLiteral("Package \"evil\\u202efiv.exe\""));
    QVERIFY(column(operations, 1).at(2).contains("Operation 1"));
    operations->setCurrentItem(operations->topLevelItem(2));
    const QString summary = child<QLabel>(w, "lblSummary")->text();
    QVERIFY2(summary.contains("cannot be read") && summary.contains("000001.jsonl"),
             qPrintable(summary));
    QVERIFY(!child<QPushButton>(w, "cmdUndo")->isEnabled());
    // Freeing space is refused while it cannot be read, and says why.
    world.platform->choices = {3};
    click(w, "cmdFree");
    QVERIFY(world.platform->messages.join('\n').contains("Nothing was freed"));
}

void TestHistoryWindow::waitsVisiblyForAnotherProgram() {
#ifdef Q_OS_UNIX
    // Another Grovekeep holds the history while an undo is asked for: the window says it waits,
    // with Cancel; cancelled, nothing changed. Waited for, the undo goes through when the other
    // lets go.
    World world;
    Game game(world);
    game.install("first");
    frmHistory* w = openHistory();
    int other =
        ::open(QFile::encodeName(game.manager).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
    world.platform->waitAnswers = {2};
    world.platform->answers = {Answer::Yes};
    click(w, "cmdUndo");
    QCOMPARE(world.platform->waits,
             QStringList{"Waiting for another Grovekeep or grovekeep-vif to finish..."});
    QCOMPARE(game.hills(), QByteArray("first"));
    QVERIFY(world.platform->messages.join('\n').contains("Stopped waiting"));
    world.platform->answers = {Answer::Yes};
    world.platform->whileWaiting = [&] {
        if (other >= 0)
            ::close(std::exchange(other, -1));
    };
    click(w, "cmdUndo");
    QCOMPARE(world.platform->waits.size(), 2);
    QCOMPARE(game.hills(), QByteArray("original"));
#else
    QSKIP("Needs POSIX locks.");
#endif
}

void TestHistoryWindow::undoOfOptionsReloadsTheSettings() {
    World world;
    Game game(world);
    // Grovekeep's folder is where it reads options.txt at start (the user's data folder).
    const QString manager = world.folder("home/.local/share/Grovekeep");
    const QString otherGame = world.folder("other game");
    const QStringList before{game.game, manager, "", "", "", ""};
    const QStringList after{otherGame, manager, "map.exe", "", "", ""};
    QVERIFY(putFile(world.optionsFile(), composeSettings(before)));
    setSettings(before);
    frmHistory* w = openHistory();
    // Saved as the Options window saves.
    QVERIFY(writeSettings(ComposedPath(manager), after, NativePath(world.optionsFile())).ok());
    setSettings(after);
    QCOMPARE(column(child<QTreeWidget>(w, "lstOperations"), 1).size(), 1);

    // Undone: the running program uses the folders options.txt holds again, at once.
    world.platform->answers << Answer::Yes;
    click(w, "cmdUndo");
    QVERIFY2(world.platform->messages.isEmpty(), qPrintable(world.platform->messages.join('\n')));
    QCOMPARE(fileBytes(world.optionsFile()), composeSettings(before));
    QCOMPARE(settingsValues(), before);
    // Redone: the saved folders again.
    world.platform->answers << Answer::Yes;
    w->selectOperation(2);
    click(w, "cmdUndo");
    QCOMPARE(settingsValues(), after);
}

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
