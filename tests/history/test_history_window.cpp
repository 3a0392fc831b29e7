// The History window and the recovery at start-up, driven through their controls.

#include "support/world.h"

#include "base/sha256.h"
#include "files/store.h"
#include "frmMDI.h"
#include "history/frmHistory.h"
#include "startup.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

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
        auto store = openStore(ComposedPath(manager)).value();
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

void TestHistoryWindow::interruptedOperationIsRolledBackAtStart() {
    World world;
    Game game(world);
    // What a killed installation leaves: its record under way, the file already new, the old
    // content in the store.
    const QByteArray original("original");
    const QString sha = Sha256::of(original);
    openStore(ComposedPath(game.manager)).value();
    QVERIFY(putFile(game.manager + "History/objects/" + sha.left(2) + '/' + sha, original));
    QVERIFY(putFile(game.game + "Data/Landscape/hills.lnd", "half installed"));
    QVERIFY(putFile(game.game + "Data/Landscape/.~gk-new.lnd.x1", "temporary"));
    const QByteArray record =
        "{\"id\": 1, \"time\": \"2026-12-07T10:00:00Z\", \"kind\": \"package\", \"what\": "
        "\"Package \\\"p.vif\\\"\", \"state\": \"under-way\", \"files\": [{\"root\": \"" +
        game.game.toUtf8() +
        "\", \"path\": \"Data/Landscape/hills.lnd\", \"role\": \"target\", \"before\": "
        "{\"sha256\": \"" +
        sha.toLatin1() + "\", \"size\": 8, \"mode\": 420}, \"after\": null}, {\"root\": \"" +
        game.game.toUtf8() +
        "\", \"path\": \"Data/Landscape/new.lnd\", \"role\": \"target\", \"before\": null, "
        "\"after\": null}]}";
    QVERIFY(putFile(game.manager + "History/operations/000001.json", record));
    QVERIFY(putFile(game.manager + "History/operations/.~gk-000001.json.x2", "{\"id\": 1"));
    QVERIFY(
        putFile(world.path("options.txt"), (game.game + "\r\n" + game.manager + "\r\n").toUtf8()));

    registerGrovekeepForms();
    startGrovekeep();
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY2(world.platform->messages.at(0).contains("Operation 1 (Package \"p.vif\"): 1 file put "
                                                     "back."),
             qPrintable(world.platform->messages.at(0)));
    QCOMPARE(game.hills(), original);
    QVERIFY(!QFile::exists(game.game + "Data/Landscape/.~gk-new.lnd.x1"));
    QVERIFY(!QFile::exists(game.manager + "History/operations/.~gk-000001.json.x2"));
    QCOMPARE(openStore(ComposedPath(game.manager))->operation(1)->state,
             OperationState::RolledBack);
}

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
