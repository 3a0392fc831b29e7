// The change store: containment of every write, a failure at every single step of an
// operation (writes and reads), undo and redo, conflicts, what the store keeps, and waiting for
// another program.

#include "base/names.h"
#include "base/sha256.h"
#include "files/describe.h"
#include "files/fsys.h"
#include "installer/install.h"
#include "storetest.h"
#include "support/posix.h"

#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include <cerrno>
#include <limits>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace gk;
using namespace gk::test;

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applySeamFromEnvironment(); }
    void containment_data();
    void containment();
    void packageNeverWritesIntoGrovekeepsFolder();
    void folderSwappedForALinkAfterPlanning();
    void failureAtEveryStep_data();
    void failureAtEveryStep();
    void undoGivesBackTheOriginal();
    void undoIsRefusedWhenItWouldLoseSomething();
    void contentsAreKeptOnceAndPruned();
    void idsNeverGoBack();
    void pruneCutShortKeepsEveryRecordWhole();
    void modeAndAttributesSurviveReplaceUndoAndRollBack();
    void mergedChangesKeepTheirCopiesTrue();
    void rollBackKeepsAFileItNeverWrote();
    void keptContentIsACopyNotTheFile();
    void dryRunAndRefusalsWriteNothing();
    void anotherProgramIsWaitedFor();
    void newFilesWithoutAStore();
    void namesOfAnyLength();
    void completedChangesAreAnnounced();
    void stoppedWhileWritingChangesNothing();
    void messagesAreWholeInTheUsersLanguage();
};

void TestStore::containment_data() {
    QTest::addColumn<QString>("setup"); // what is planted
    QTest::addColumn<int>("kind");
    QTest::newRow("link at the target") << "target" << int(ErrorKind::UnsafePath);
    QTest::newRow("link at a folder of the target") << "folder" << int(ErrorKind::UnsafePath);
    QTest::newRow("link at the backup folder") << "Backup" << int(ErrorKind::UnsafePath);
    QTest::newRow("link at the backup file") << "bak" << int(ErrorKind::UnsafePath);
    QTest::newRow("link at the store's objects") << "objects" << int(ErrorKind::UnsafePath);
    QTest::newRow("FIFO at the target") << "fifo" << int(ErrorKind::UnsafePath);
    QTest::newRow("folder at the target") << "dir" << int(ErrorKind::IsFolder);
}

void TestStore::containment() {
    QFETCH(QString, setup);
    QFETCH(int, kind);
    Site site;
    auto store = site.store();
    const QString outside = site.root + "/outside";
    const QString target = site.game + "Data/Landscape/old.lnd";
    if (setup == "target") {
        QFile::remove(target);
        GK_PLANT_LINK(outside + "/canary.txt", target);
    } else if (setup == "folder") {
        QVERIFY(QDir(site.game + "Data/Landscape").removeRecursively());
        GK_PLANT_LINK(outside, site.game + "Data/Landscape");
    } else if (setup == "Backup") {
        GK_PLANT_LINK(outside, site.manager + "Backup");
    } else if (setup == "bak") {
        QVERIFY(QDir().mkpath(site.manager + "Backup/Landscape"));
        GK_PLANT_LINK(outside + "/canary.txt", site.manager + "Backup/Landscape/old.lnd");
    } else if (setup == "objects") {
        QVERIFY(QDir().mkpath(site.manager + "History"));
        GK_PLANT_LINK(outside, site.manager + "History/objects");
    } else if (setup == "fifo") {
        QFile::remove(target);
        if (!makeFifo(target))
            QSKIP("This system has no named pipes.");
    } else if (setup == "dir") {
        QFile::remove(target);
        QVERIFY(QDir().mkpath(target));
    }
    const auto before = site.files();
    const auto outsideBefore = snapshot(outside);

    const auto applied = store.apply(kInfo, mixedChanges(site));
    QCOMPARE(int(applied.kind()), kind);
    QVERIFY2(applied.error().endsWith("Nothing was changed."), qPrintable(applied.error()));
    QCOMPARE(site.canary(), QByteArray("canary"));
    QCOMPARE(snapshot(outside), outsideBefore);
    QCOMPARE(site.files(), before);
    QCOMPARE(temporaries(site.root), QStringList());
}

void TestStore::packageNeverWritesIntoGrovekeepsFolder() {
    // Grovekeep's folder inside the game folder: an entry that names it is refused by the plan
    // (so a dry run says so too), and by the write itself, even if the plan let it through.
    Site site;
    const QString manager = site.game + "Grovekeep/";
    QVERIFY(QDir().mkpath(manager));
    QVERIFY(putFile(manager + "options.txt", "/game/\r\n"));
    const QByteArray package =
        rawEntry("C:\\BW\\Grovekeep\\options.txt", "options.txt", "/\r\n") + "\r\n";
    auto plan = planPackageInstall(package, ComposedPath(site.game), ComposedPath(manager));
    QVERIFY(plan.ok());
    QVERIFY(!plan->ok());
    QVERIFY2(plan->problems.at(0).contains("Grovekeep's own folder"),
             qPrintable(plan->problems.at(0)));
    auto store = openStore(ComposedPath(manager), ComposedPath(site.game)).value();
    const auto before = site.files();
    plan->problems.clear(); // as if the plan had not refused it
    plan->refusals.clear();
    plan->folders = {fs::Location::below(NativePath(site.game), "Grovekeep/x")};
    plan->folders[0].name.clear();
    plan->entries[0].folder = 0;
    plan->entries[0].name = "options.txt";
    for (const bool dryRun : {true, false}) {
        const auto applied = applyPackagePlan(store, *plan, ComposedPath(manager), {}, {}, dryRun);
        QCOMPARE(applied.kind(), ErrorKind::UnsafePath);
        QVERIFY2(applied.error().contains("Grovekeep's own folder"), qPrintable(applied.error()));
        QCOMPARE(site.files(), before);
    }
}

void TestStore::folderSwappedForALinkAfterPlanning() {
    Site site;
    const QByteArray package =
        rawEntry("C:\\BW\\Data\\Landscape\\new.lnd", "new.lnd", "NEW") + "\r\n";
    const auto plan = planPackageInstall(package, ComposedPath(site.game));
    QVERIFY(plan.ok() && plan->ok());
    // Between the check and the write, the folder becomes a link leading out.
    QVERIFY(QDir(site.game + "Data/Landscape").removeRecursively());
    GK_PLANT_LINK(site.root + "/outside", site.game + "Data/Landscape");
    auto store = site.store();
    const auto applied = applyPackagePlan(store, *plan, ComposedPath(site.manager), {});
    QCOMPARE(applied.kind(), ErrorKind::UnsafePath);
    QVERIFY(!QFile::exists(site.root + "/outside/new.lnd"));
    QCOMPARE(site.canary(), QByteArray("canary"));
}

void TestStore::failureAtEveryStep_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<uint>("steps");
    QTest::addColumn<bool>("onward"); // every step from there on fails: a disk that died
    QTest::newRow("writes, no space") << ENOSPC << uint(fs::faults::Changes) << false;
    QTest::newRow("writes, input/output error") << EIO << uint(fs::faults::Changes) << false;
    QTest::newRow("reads, input/output error") << EIO << uint(fs::faults::Reads) << false;
    QTest::newRow("a disk that died")
        << EIO << uint(fs::faults::Changes | fs::faults::Reads) << true;
}

void TestStore::failureAtEveryStep() {
    // An operation that replaces a file over an earlier version of the history's, adds one and
    // makes a folder: every step of it fails in turn. Each time the files are as they were,
    // no temporary file is left, the record says rolled back (or there is none), and the
    // message says nothing was changed; or the operation is done whole.
    QFETCH(int, error);
    QFETCH(uint, steps);
    QFETCH(bool, onward);
    auto prepare = [](Site& site) {
        QVERIFY(putFile(site.manager + "Backup/Landscape/old.lnd", "older backup"));
        auto store = site.store();
        QVERIFY(store
                    .apply(kInfo, {FileChange(site.inGame("Scripts/Playgrounds/first.txt"),
                                              QByteArray("first"))})
                    .ok());
    };
    int count = 0;
    {
        Site site;
        prepare(site);
        auto store = site.store();
        fs::faults::failAt(0, error, steps);
        QVERIFY(store.apply(kInfo, mixedChanges(site)).ok());
        count = fs::faults::stepsSoFar();
        fs::faults::reset();
        QVERIFY2(count > 5, qPrintable(QString::number(count)));
    }
    for (int n = 1; n <= count; ++n) {
        Site site;
        prepare(site);
        auto store = site.store();
        const auto before = site.files();
        if (onward)
            fs::faults::failFrom(n, error, steps);
        else
            fs::faults::failAt(n, error, steps);
        const auto applied = store.apply(kInfo, mixedChanges(site));
        fs::faults::reset();
        const QString where = QStringLiteral("step %1 of %2").arg(n).arg(count);
        if (onward) {
            // What could not be put back or cleared away on the dead disk is, by the next
            // recovery on a sound one.
            QVERIFY2(applied || applied.error().endsWith("Nothing was changed.") ||
                         applied.error().contains("could not be put back"),
                     qPrintable(where + ": " + applied.error()));
            QVERIFY2(store.recover().ok(), qPrintable(where));
        }
        if (applied) {
            // A failure after the last file was placed: the whole operation stands.
            QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("new landscape"));
            QCOMPARE(fileBytes(site.manager + "Backup/vif/river.txt"), QByteArray("map"));
            continue;
        }
        if (!onward)
            QVERIFY2(applied.error().endsWith("Nothing was changed."),
                     qPrintable(where + ": " + applied.error()));
        // The message names the user's files and the history, never a temporary file or a
        // part of the history's own.
        QVERIFY2(!applied.error().contains(".~gk-") && !applied.error().contains("objects") &&
                     !applied.error().contains(".jsonl"),
                 qPrintable(where + ": " + applied.error()));
        QVERIFY2(site.files() == before, qPrintable(where));
        QVERIFY2(temporaries(site.root).isEmpty(),
                 qPrintable(where + ": " + temporaries(site.root).join(", ")));
        const auto history = store.history();
        QVERIFY2(history, qPrintable(where));
        for (const OperationRecord& record : *history) {
            QVERIFY2(record.readable(), qPrintable(where + ": " + record.unreadable));
            QVERIFY2(record.id == 1 || record.state == OperationState::RolledBack,
                     qPrintable(where));
        }
        // What the history kept is whole, and the next operation is numbered on.
        QVERIFY2(store.verifyStore()->damaged.isEmpty(), qPrintable(where));
        const auto next = store.apply(kInfo, mixedChanges(site));
        QVERIFY2(next.ok(), qPrintable(where + ": " + next.error()));
        QVERIFY2(next->operation >= 2, qPrintable(where));
    }
}

void TestStore::undoGivesBackTheOriginal() {
    Site site;
    auto store = site.store();
    auto install = [&](const QByteArray& contents) {
        return store.apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), contents)});
    };
    // Two packages over one file: the second names the first.
    QVERIFY(install("first").ok());
    const auto second = install("second");
    QVERIFY(second.ok());
    QCOMPARE(second->conflicts.size(), 1);
    QCOMPARE(second->conflicts.at(0).operation, 1);

    // The earlier one cannot be undone while the later one stands.
    const auto early = store.undo(1, false);
    QVERIFY(!early.ok());
    QVERIFY2(early.error().contains("Operation 2"), qPrintable(early.error()));

    // Newest first, then the earlier one: the original bytes.
    const auto undoOfSecond = store.undo(2, false);
    QVERIFY(undoOfSecond.ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("first"));
    // A mark the undo could not write (a full disk, a kill) is made by the next recovery: the
    // undo stays pending until it is.
    QList<QByteArray> second_ = lines(site.record(2));
    QVERIFY(second_.constLast().contains("\"undone\""));
    second_.removeLast();
    QVERIFY(putLines(site.record(2), second_));
    QVERIFY(
        putFile(site.manager + "History/pending/" + QString::number(undoOfSecond->operation), ""));
    QCOMPARE(store.operation(2)->state, OperationState::Complete);
    QVERIFY(store.recover()->isEmpty());
    QCOMPARE(store.operation(2)->state, OperationState::Undone);
    QCOMPARE(store.operation(2)->undoneBy, undoOfSecond->operation);
    QVERIFY(!QFile::exists(site.manager + "History/pending/" +
                           QString::number(undoOfSecond->operation)));
    QVERIFY(store.undo(1, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("old landscape"));

    // An undo is an operation too: undone, the file comes back.
    const int undoOfFirst = store.history()->first().id;
    QVERIFY(store.undo(undoOfFirst, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("first"));
    QCOMPARE(store.operation(1)->state, OperationState::Complete);

    // A file the operation created goes away with it.
    const auto created = store.apply(
        kInfo, {FileChange(site.inGame("Scripts/Playgrounds/new.txt"), QByteArray("x"))});
    QVERIFY(store.undo(created->operation, false).ok());
    QVERIFY(!QFile::exists(site.game + "Scripts/Playgrounds/new.txt"));

    // So do the folders it created, and undoing that undo brings them back.
    const QMap<QString, QByteArray> before = site.files();
    const auto mixed = store.apply(kInfo, mixedChanges(site));
    QVERIFY(mixed.ok());
    const QMap<QString, QByteArray> after = site.files();
    const auto undone = store.undo(mixed->operation, false);
    QVERIFY(undone.ok());
    QCOMPARE(site.files(), before);
    QVERIFY(store.undo(undone->operation, false).ok());
    QCOMPARE(site.files(), after);
    for (const FileCheck& check : store.verify())
        QVERIFY2(check.state == FileState::Intact, qPrintable(check.path.text()));
}

void TestStore::undoIsRefusedWhenItWouldLoseSomething() {
    Site site;
    auto store = site.store();
    QVERIFY(store.apply(kInfo, mixedChanges(site)).ok());
    // The user edits an installed file afterwards.
    QVERIFY(putFile(site.game + "Scripts/Playgrounds/river.txt", "edited by hand"));
    const QList<FileCheck> checks = store.verify(1);
    QCOMPARE(checks.size(), 4);
    int changed = 0;
    for (const FileCheck& check : checks)
        changed += check.state == FileState::Changed;
    QCOMPARE(changed, 1);

    bool changedOnly = false;
    QVERIFY(!store.undoProblems(1, &changedOnly).isEmpty());
    QVERIFY(changedOnly);
    const auto refused = store.undo(1, false);
    QVERIFY(!refused.ok());
    QCOMPARE(fileBytes(site.game + "Scripts/Playgrounds/river.txt"), QByteArray("edited by hand"));

    // A file that cannot be read is said to be so, never "changed since", and no force gets
    // past it: what it holds could not be kept. Every read of the check fails in turn.
    QVERIFY(putFile(site.game + "Scripts/Playgrounds/river.txt", "map"));
    QVERIFY(store.undoProblems(1).isEmpty());
    fs::faults::failAt(0, EIO, fs::faults::Reads);
    store.undoProblems(1);
    const int reads = fs::faults::stepsSoFar();
    bool named = false;
    for (int n = 1; n <= reads; ++n) {
        fs::faults::failAt(n, EIO, fs::faults::Reads);
        const QStringList problems = store.undoProblems(1, &changedOnly);
        fs::faults::reset();
        const QString text = problems.join(' ');
        QVERIFY2(!problems.isEmpty() && !changedOnly, qPrintable(QString::number(n)));
        QVERIFY2(!text.contains("has changed since"), qPrintable(text));
        named = named || (text.contains("could not be read") &&
                          text.contains(QDir::toNativeSeparators(site.game)));
    }
    QVERIFY(named);
    for (int n = 1; n <= reads; ++n) {
        fs::faults::failAt(n, EIO, fs::faults::Reads);
        const QList<FileCheck> checks = store.verify(1);
        fs::faults::reset();
        for (const FileCheck& check : checks)
            QVERIFY2(check.state == FileState::Intact ||
                         (check.state == FileState::Unreadable && !check.problem.isEmpty()),
                     qPrintable(check.path.text()));
    }
    QVERIFY(putFile(site.game + "Scripts/Playgrounds/river.txt", "edited by hand"));

    // Forced, it is undone, and the edited file is kept in the history of the undo.
    const auto forced = store.undo(1, true);
    QVERIFY(forced.ok());
    QVERIFY(!QFile::exists(site.game + "Scripts/Playgrounds/river.txt"));
    QVERIFY(store.undo(forced->operation, false).ok());
    QCOMPARE(fileBytes(site.game + "Scripts/Playgrounds/river.txt"), QByteArray("edited by hand"));
}

void TestStore::contentsAreKeptOnceAndPruned() {
    Site site;
    auto store = site.store();
    const auto objects = [&] {
        int n = 0;
        for (const QString& key : snapshot(site.manager + "History/objects").keys())
            n += !key.endsWith('/');
        return n;
    };
    // The same content replaced in two files is kept once.
    QVERIFY(putFile(site.game + "Data/Landscape/twin.lnd", "old landscape"));
    QVERIFY(store
                .apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("a")),
                               FileChange(site.inGame("Data/Landscape/twin.lnd"), QByteArray("b"))})
                .ok());
    QCOMPARE(objects(), 1);
    QVERIFY(store.undo(1, false).ok());
    QCOMPARE(objects(), 3); // the undo kept "a" and "b" too

    // Pruning keeps what an operation still installed needs, unless told otherwise.
    const auto kept = store.prune(QDateTime::currentDateTime().addDays(1), false);
    QVERIFY(kept.ok());
    QCOMPARE(kept->keptInstalled, QList<int>{2});
    QCOMPARE(kept->operations, 1);
    QCOMPARE(objects(), 2); // only what the undo, still installed, needs
    const auto all = store.prune(QDateTime::currentDateTime().addDays(1), true);
    QVERIFY(all.ok() && all->bytesFreed > 0);
    QCOMPARE(objects(), 0);
    QVERIFY(store.history()->isEmpty());
    QVERIFY(store.verifyStore()->damaged.isEmpty());
}

void TestStore::idsNeverGoBack() {
    // After every record is pruned, the next operation still gets a new number: a record
    // named by an older message, a window or a script never names another operation.
    Site site;
    auto store = site.store();
    for (const QByteArray& contents : {QByteArray("a"), QByteArray("b")})
        QVERIFY(
            store.apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), contents)}).ok());
    QVERIFY(store.prune(QDateTime::currentDateTime().addDays(1), true).ok());
    QVERIFY(store.history()->isEmpty());
    const auto next =
        store.apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("c"))});
    QVERIFY(next.ok());
    QCOMPARE(next->operation, 3);
}

void TestStore::pruneCutShortKeepsEveryRecordWhole() {
    // A pruning that fails at any step, or on a disk that dies there, never leaves a record
    // whose kept contents are gone: every record left can still be undone.
    for (const bool dies : {false, true}) {
        for (int n = 1;; ++n) {
            Site site;
            auto store = site.store();
            for (const QByteArray& contents : {QByteArray("a"), QByteArray("b"), QByteArray("c")})
                QVERIFY(
                    store
                        .apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), contents)})
                        .ok());
            // The first two are pruned; the third, still installed, stays.
            dies ? fs::faults::failFrom(n, EIO) : fs::faults::failAt(n, EIO);
            const auto pruned = store.prune(QDateTime::currentDateTime().addDays(1), false);
            const int steps = fs::faults::stepsSoFar();
            fs::faults::reset();
            const QByteArray before[] = {"", "old landscape", "a", "b"};
            const auto left = store.history();
            QVERIFY(left.ok());
            for (const OperationRecord& op : *left)
                QVERIFY2(QFile::exists(site.object(before[op.id])),
                         qPrintable(QStringLiteral("n=%1, operation %2").arg(n).arg(op.id)));
            QVERIFY(store.verifyStore()->damaged.isEmpty());
            QVERIFY(store.undo(3, false).ok());
            QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("b"));
            if (steps < n) { // the fault was never reached
                QVERIFY(pruned.ok());
                break;
            }
        }
    }
}

void TestStore::modeAndAttributesSurviveReplaceUndoAndRollBack() {
    // A game file with its own permissions and an extended attribute (where the file system
    // keeps them), replaced with a failure at each change to the disk in turn: rolled back or
    // done, the file keeps both; undone, too.
    struct Kept {
        Site site;
        QString target = site.game + "Data/Landscape/old.lnd";
        QFileDevice::Permissions permissions;
        bool attributes = false;
        Kept() {
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup);
            permissions = QFileInfo(target).permissions();
            attributes = setAttribute(target, "user.grovekeep", "kept");
        }
        bool same() const {
            return QFileInfo(target).permissions() == permissions &&
                   (!attributes || attribute(target, "user.grovekeep") == "kept");
        }
        Result<Applied> replace(ChangeStore& store) const {
            return store.apply(
                kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("x"))});
        }
    };
    int changes = 0;
    {
        Kept kept;
        auto store = kept.site.store();
        fs::faults::reset();
        QVERIFY(kept.replace(store).ok());
        changes = fs::faults::stepsSoFar();
        QVERIFY(kept.same());
        QVERIFY(store.undo(1, false).ok());
        QVERIFY(kept.same());
        QCOMPARE(fileBytes(kept.target), QByteArray("old landscape"));
    }
    for (int n = 1; n <= changes; ++n) {
        Kept kept;
        auto store = kept.site.store();
        fs::faults::failAt(n, EIO);
        const auto applied = kept.replace(store);
        fs::faults::reset();
        QVERIFY2(kept.same(), qPrintable(QStringLiteral("change %1 of %2").arg(n).arg(changes)));
        QCOMPARE(fileBytes(kept.target), applied ? QByteArray("x") : QByteArray("old landscape"));
    }
}

void TestStore::mergedChangesKeepTheirCopiesTrue() {
    // Two changes of one target in one operation (a package naming a file twice), each with a
    // copy of what it installs: the first copy holds the first contents, and is recorded so.
    Site site;
    auto store = site.store();
    FileChange one(site.inGame("Data/Landscape/x.lnd"), QByteArray("one"));
    FileChange firstCopy(site.inManager("Backup/vif/first"), QByteArray("one"), FileRole::Copy);
    firstCopy.createFolders = true;
    firstCopy.sameAs = 0;
    FileChange two(site.inGame("Data/Landscape/x.lnd"), QByteArray("two"));
    FileChange secondCopy(site.inManager("Backup/vif/second"), QByteArray("two"), FileRole::Copy);
    secondCopy.createFolders = true;
    secondCopy.sameAs = 2;
    QVERIFY(store.apply(kInfo, {one, firstCopy, two, secondCopy}).ok());
    QCOMPARE(fileBytes(site.manager + "Backup/vif/first"), QByteArray("one"));
    QCOMPARE(fileBytes(site.game + "Data/Landscape/x.lnd"), QByteArray("two"));
    for (const FileCheck& check : store.verify(1))
        QVERIFY2(check.state == FileState::Intact, qPrintable(check.path.text()));
    QVERIFY(store.undoProblems(1).isEmpty());
}

void TestStore::rollBackKeepsAFileItNeverWrote() {
    // A file that appears at a new target while the operation runs is someone else's: the
    // roll-back of the failed operation leaves it.
    Site site;
    auto store = site.store();
    const QString a = site.game + "Scripts/Playgrounds/a.txt";
    ChangeStore::Options options;
    bool once = false;
    options.progress = [&](qint64, qint64) {
        if (std::exchange(once, true))
            return;
        QVERIFY(putFile(a, "the user's own"));
        fs::faults::failAt(1, ENOSPC);
    };
    const auto applied =
        store.apply(kInfo,
                    {FileChange(site.inGame("Scripts/Playgrounds/a.txt"), QByteArray("mine")),
                     FileChange(site.inGame("Scripts/Playgrounds/b.txt"), QByteArray("mine"))},
                    options);
    fs::faults::reset();
    QVERIFY(!applied.ok());
    QCOMPARE(fileBytes(a), QByteArray("the user's own"));
    QVERIFY(!QFile::exists(site.game + "Scripts/Playgrounds/b.txt"));
}

void TestStore::keptContentIsACopyNotTheFile() {
#ifdef Q_OS_UNIX
    // A program holds the game's file open and goes on writing to it after it was replaced:
    // what the history kept is a copy, so its bytes stay what they were, and an undo gives
    // them back.
    Site site;
    auto store = site.store();
    const QString target = site.game + "Data/Landscape/old.lnd";
    const int writer = ::open(QFile::encodeName(target).constData(), O_WRONLY);
    QVERIFY(writer >= 0);
    QVERIFY(store
                .apply(kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"),
                                          QByteArray("new landscape"))})
                .ok());
    QCOMPARE(::pwrite(writer, "SCRIBBLED", 9, 0), ssize_t(9));
    ::close(writer);
    QCOMPARE(fileBytes(site.object("old landscape")), QByteArray("old landscape"));
    QVERIFY(store.verifyStore()->damaged.isEmpty());
    QVERIFY(store.undo(1, false).ok());
    QCOMPARE(fileBytes(target), QByteArray("old landscape"));
#else
    // Windows replaces no file that another program holds open without sharing its removal (as
    // most do): the installation fails, says why, and changes nothing.
    Site site;
    auto store = site.store();
    QFile writer(site.game + "Data/Landscape/old.lnd");
    QVERIFY(writer.open(QIODevice::ReadWrite));
    const auto before = site.files();
    const auto applied = store.apply(
        kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("new landscape"))});
    QVERIFY(!applied.ok());
    QVERIFY2(applied.error().contains("another program has it open") &&
                 applied.error().endsWith("Nothing was changed."),
             qPrintable(applied.error()));
    writer.close();
    QCOMPARE(site.files(), before);
#endif
}

void TestStore::dryRunAndRefusalsWriteNothing() {
    // A Grovekeep folder without a history: a dry run runs the operation's checks and makes
    // nothing, not even the history's folders; so does an operation refused before it writes.
    Site site;
    auto store = site.store();
    ChangeStore::Options dry;
    dry.dryRun = true;
    const auto before = snapshot(site.root);
    QVERIFY(store.apply(kInfo, mixedChanges(site), dry).ok());
    QCOMPARE(snapshot(site.root), before);
    QFile::remove(site.game + "Data/Landscape/old.lnd");
    GK_PLANT_LINK(site.root + "/outside/canary.txt", site.game + "Data/Landscape/old.lnd");
    const auto refusedDry = store.apply(kInfo, mixedChanges(site), dry);
    QCOMPARE(refusedDry.kind(), ErrorKind::UnsafePath);
    const auto linked = snapshot(site.root);
    QCOMPARE(store.apply(kInfo, mixedChanges(site)).kind(), ErrorKind::UnsafePath);
    QCOMPARE(snapshot(site.root), linked);
    QVERIFY(!QFile::exists(site.manager + "History"));
    QVERIFY(store.history()->isEmpty());
    QVERIFY(store.recover()->isEmpty());
    QVERIFY(!QFile::exists(site.manager + "History"));
}

void TestStore::anotherProgramIsWaitedFor() {
    // Another Grovekeep holds the lock of Grovekeep's folder: the store waits, asking whether
    // to go on; given up, nothing was changed. Once the other lets go, the store goes on. (The
    // other holds it through an open folder of its own, as another process would.)
    Site site;
    auto store = site.store();
    auto opened = fs::Folder::openRoot(NativePath(site.manager));
    QVERIFY(opened && opened->lockExclusive());
    std::optional<fs::Folder> other(std::move(*opened));
    int asked = 0;
    bool told = false;
    store.setWaiting([&](bool ended) {
        told = told || ended;
        return ended || ++asked < 3;
    });
    const auto before = site.files();
    const auto cancelled = store.apply(kInfo, mixedChanges(site));
    QCOMPARE(cancelled.kind(), ErrorKind::Cancelled);
    QVERIFY2(cancelled.error().contains("Nothing was changed"), qPrintable(cancelled.error()));
    QCOMPARE(asked, 3);
    QVERIFY(told);
    QCOMPARE(site.files(), before);
    store.setWaiting([&](bool ended) {
        if (!ended)
            other.reset(); // the other program is done
        return true;
    });
    QVERIFY(store.apply(kInfo, mixedChanges(site)).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("new landscape"));
}

void TestStore::newFilesWithoutAStore() {
    // Without a Grovekeep folder only new files are written, each given its name only if
    // nobody took it meanwhile, with or without a rename that refuses to replace.
    for (const bool available : {true, false}) {
        Site site;
        fs::faults::setRenameNoReplace(available);
        FileChange a(site.inGame("Scripts/Playgrounds/a.txt"), QByteArray("a"));
        FileChange b(site.inGame("Scripts/Playgrounds/New/b.txt"), QByteArray("b"));
        b.createFolders = true;
        QVERIFY(writeNewFiles({a, b}).ok());
        QCOMPARE(fileBytes(site.game + "Scripts/Playgrounds/New/b.txt"), QByteArray("b"));
        // An existing file is never replaced, and the new ones before it go again.
        FileChange c(site.inGame("Scripts/Playgrounds/c.txt"), QByteArray("c"));
        FileChange again(site.inGame("Scripts/Playgrounds/a.txt"), QByteArray("again"));
        const Status refused = writeNewFiles({c, again});
        QVERIFY(!refused.ok());
        QCOMPARE(fileBytes(site.game + "Scripts/Playgrounds/a.txt"), QByteArray("a"));
        QVERIFY(!QFile::exists(site.game + "Scripts/Playgrounds/c.txt"));
        QCOMPARE(temporaries(site.root), QStringList());
    }
    fs::faults::setRenameNoReplace(
        !qEnvironmentVariableIsSet("GROVEKEEP_TEST_NO_RENAME_NOREPLACE"));
}

void TestStore::namesOfAnyLength() {
    // A name as long as the file system allows is written and undone: the temporary names
    // beside it are short whatever its length.
    Site site;
    auto store = site.store();
    const QString longName = QString(250, QLatin1Char('n')) + ".lnd";
    QVERIFY(store
                .apply(kInfo,
                       {FileChange(site.inGame("Data/Landscape/" + longName), QByteArray("long"))})
                .ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/" + longName), QByteArray("long"));
    QVERIFY(store.undo(1, false).ok());
    QVERIFY(!QFile::exists(site.game + "Data/Landscape/" + longName));
    // Names with characters that change how text reads, or hidden folders of the game, are
    // never written.
    for (const QString& name : {QStringLiteral("Data/Landscape/a\u202Egnp.lnd"),
                                QStringLiteral("Data/Landscape/a\u0081.lnd"),
                                QStringLiteral(".config/autostart/x.desktop")}) {
        QDir().mkpath(site.game + ".config/autostart");
        const auto refused = store.apply(kInfo, {FileChange(site.inGame(name), QByteArray("x"))});
        QCOMPARE(refused.kind(), ErrorKind::UnsafePath);
        QVERIFY(!QFile::exists(site.game + name));
    }
    // A name on the disk with a line break in it is named on one line: it cannot forge a line
    // of a message or of the command-line tool's output. (exFAT and FAT refuse such names.)
    const QString forged = QStringLiteral("Data/Landscape/x\nNothing was changed.lnd");
    if (QDir().mkpath(site.game + forged)) {
        const auto refused = store.apply(kInfo, {FileChange(site.inGame(forged), QByteArray("x"))});
        QVERIFY(!refused);
        QVERIFY2(!refused.error().contains('\n') && refused.error().contains("x\\nNothing"),
                 qPrintable(refused.error()));
    }
}

void TestStore::completedChangesAreAnnounced() {
    Site site;
    QList<Announcement> told;
    QStringList problems;
    ChangeStore::setListener([&](const Announcement& announcement) {
        told << announcement;
        if (told.size() > 1)
            return;
        // The store's lock is released by then: whoever listens may change files at once.
        auto store = site.store();
        store.setWaiting([](bool) { return false; });
        const auto again =
            store.apply(kInfo, {FileChange(site.inManager("heard.txt"), QByteArray("heard"))});
        if (!again)
            problems << again.error();
    });
    auto store = site.store();
    const QString target = site.game + "Data/Landscape/old.lnd";
    QVERIFY(putFile(target, "original"));
    FileChange change(site.inGame("Data/Landscape/old.lnd"), QByteArray("new"));
    change.backup.emplace(site.inManager("Backup/old.lnd"));
    const auto applied = store.apply(kInfo, {change});
    QVERIFY(applied);
    QCOMPARE(applied->backupsMade, 1);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(told.size(), 2); // the operation, then the listener's own
    QCOMPARE(told.at(0).operation, applied->operation);
    QStringList files;
    for (const NativePath& file : told.at(0).files)
        files << QDir::fromNativeSeparators(file.text());
    files.sort();
    QCOMPARE(files,
             (QStringList{site.game + "Data/Landscape/old.lnd", site.manager + "Backup/old.lnd"}));
    QCOMPARE(told.at(1).files.size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(told.at(1).files.at(0).text()), site.manager + "heard.txt");

    // Nothing changed, nothing told: a dry run, a refused change.
    ChangeStore::setListener([&](const Announcement& announcement) { told << announcement; });
    told.clear();
    ChangeStore::Options dry;
    dry.dryRun = true;
    QVERIFY(store.apply(kInfo, {FileChange(site.inGame("Data/Landscape/x.lnd"), QByteArray("x"))},
                        dry));
    FileChange stale(site.inGame("Data/Landscape/old.lnd"), QByteArray("x"));
    stale.expected = Digest::fromHex(Sha256::of("what it held long ago"));
    QVERIFY(!store.apply(kInfo, {stale}));
    QVERIFY(told.isEmpty());

    // An undo names what it put back.
    QVERIFY(store.undo(applied->operation, false));
    QCOMPARE(told.size(), 1);
    QStringList undone;
    for (const NativePath& file : told.at(0).files)
        undone << QDir::fromNativeSeparators(file.text());
    QVERIFY2(undone.contains(target), qPrintable(undone.join(", ")));
    QCOMPARE(fileBytes(target), QByteArray("original"));
    ChangeStore::setListener({});
}

void TestStore::stoppedWhileWritingChangesNothing() {
    Site site;
    auto store = site.store();
    QVERIFY(putFile(site.game + "Data/Landscape/old.lnd", "original"));
    const auto before = site.files();
    const QByteArray large(20 << 20, 'x');
    QList<qint64> told;
    ChangeStore::Options options;
    options.progress = [&](qint64 done, qint64) { told << done; };
    options.stop = [&] { return !told.isEmpty(); };
    const auto applied = store.apply(kInfo,
                                     {FileChange(site.inGame("Data/Landscape/old.lnd"), large),
                                      FileChange(site.inGame("Data/Landscape/new.lnd"), large)},
                                     options);
    QCOMPARE(applied.kind(), ErrorKind::Cancelled);
    QCOMPARE(applied.error(), QStringLiteral("Cancelled. Nothing was changed."));
    QCOMPARE(told, QList<qint64>{large.size()});
    QVERIFY(site.files() == before);
    QVERIFY2(temporaries(site.root).isEmpty(), qPrintable(temporaries(site.root).join(", ")));
    QCOMPARE(store.history()->constFirst().state, OperationState::RolledBack);
}

namespace {

// Marks every text it is asked for as translated, and gives counted ones in the singular for
// one as an English numerus file does ("%n files" -> "%n file"): a message shows whether it
// reached the translator whole, and a count whether it came with its number. It knows nothing
// of the texts in `unknown`.
class MarkingTranslator : public QTranslator {
public:
    QSet<QString> unknown;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int n) const override {
        QString text = QString::fromUtf8(source);
        if (unknown.contains(text))
            return QString();
        if (n == 1)
            text.replace(QRegularExpression(QStringLiteral("(%n \\w+)s\\b")),
                         QStringLiteral("\\1"));
        return QStringLiteral("«") + text + QStringLiteral("»");
    }
};

} // namespace

void TestStore::messagesAreWholeInTheUsersLanguage() {
    // Without a translator, sizes read as QLocale writes them.
    for (const qint64 size : {qint64(0), qint64(2), qint64(1023), qint64(1024), qint64(1535),
                              qint64(1536), qint64(1 << 20) - 1, qint64(1 << 20),
                              qint64(5'000'000'000), std::numeric_limits<qint64>::max()})
        QCOMPARE(sizeText(size),
                 size < 1024 ? QStringLiteral("%1 bytes").arg(size)
                             : QLocale::c().formattedDataSize(size, 1, QLocale::DataSizeIecFormat));

    Site site;
    auto store = site.store();
    const auto applied = store.apply(kInfo, mixedChanges(site));
    QVERIFY2(applied, qPrintable(applied.error()));
    QVERIFY(store.undo(applied->operation, false));
    const QString note = QStringLiteral("Ein Schreibfehler.");

    MarkingTranslator marking;
    marking.unknown << note;
    QCoreApplication::installTranslator(&marking);
    const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&marking); });

    // Counts, with their number.
    QCOMPARE(sizeText(1), QStringLiteral("«1 byte»"));
    QCOMPARE(sizeText(700), QStringLiteral("«700 bytes»"));
    QCOMPARE(sizeText(1536), QStringLiteral("«1.5 KiB»"));
    QCOMPARE(sizeText(qint64(3) << 30), QStringLiteral("«3.0 GiB»"));
    QCOMPARE(filesText(1), QStringLiteral("«1 file»"));
    QCOMPARE(operationsText(3), QStringLiteral("«3 operations»"));
    Recovered recovered{7, QStringLiteral("Package \"a.vif\""), 1, {}, {}, {}};
    QCOMPARE(recoveredText(recovered), QStringLiteral("«Operation 7 (Package \"a.vif\"): 1 file "
                                                      "put back.»"));
    recovered.filesPutBack = 0;
    QCOMPARE(recoveredText(recovered),
             QStringLiteral("«Operation 7 (Package \"a.vif\"): no file had been changed yet.»"));

    // What the records and grovekeep-vif write stays English; what people read is translated.
    QCOMPARE(stateName(OperationState::RolledBack), QStringLiteral("rolled-back"));
    QCOMPARE(stateText(OperationState::RolledBack), QStringLiteral("«rolled-back»"));
    QCOMPARE(fileStateName(FileState::Missing), QStringLiteral("missing"));
    QCOMPARE(fileStateText(FileState::Missing), QStringLiteral("«missing»"));
    QCOMPARE(noteText(QStringLiteral("Interrupted; rolled back at the next start.")),
             QStringLiteral("«Interrupted; rolled back at the next start.»"));
    QCOMPARE(noteText(note), note);

    // A message made of others is one sentence around them, whatever it says.
    QCOMPARE(store.undo(applied->operation, false).error(),
             QStringLiteral("«Operation 1 was not undone: «Operation 1 is undone; only a complete "
                            "operation can be undone.»»"));
    QCOMPARE(store.undo(9, false).error(),
             QStringLiteral("«Operation 9 was not undone: «There is no operation 9 in the "
                            "history.»»"));
    QCOMPARE(componentProblem(QStringLiteral("con.txt")),
             QStringLiteral("«\"con.txt\" is the device name CON on Windows»"));
    const auto missing = fs::Folder::openRoot(NativePath(site.root + "/missing"));
    QVERIFY2(missing.error().startsWith(QStringLiteral("«Could not open the folder \"")),
             qPrintable(missing.error()));
    fs::faults::failAt(1, EIO);
    const auto failed = store.apply(
        kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("newer"))});
    fs::faults::reset();
    QVERIFY2(failed.error().startsWith(QStringLiteral("««Could not ")) &&
                 failed.error().endsWith(QStringLiteral("» Nothing was changed.»")),
             qPrintable(failed.error()));
}

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
