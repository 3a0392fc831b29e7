// The change store: containment of every write, a failure at every single write of an
// operation, undo and redo, conflicts, and what the store keeps.

#include "files/store.h"
#include "installer/install.h"
#include "support/files.h"
#include "support/posix.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace gk;
using namespace gk::test;

namespace {

// A game folder and a Grovekeep folder, and canary files outside both that nothing may touch.
struct Site {
    QTemporaryDir dir;
    QString root = dir.path();
    QString game = root + "/game/";
    QString manager = root + "/manager/";

    Site() {
        for (const char* folder :
             {"game/Data/Landscape", "game/Scripts/Playgrounds", "outside", "manager"})
            QDir().mkpath(root + '/' + folder);
        putFile(root + "/outside/canary.txt", "canary");
        putFile(game + "Data/Landscape/old.lnd", "old landscape");
    }
    ChangeStore store() const { return openStore(ComposedPath(manager)).value(); }
    fs::Location inGame(const QString& relative) const {
        return fs::Location::below(NativePath(game), relative);
    }
    fs::Location inManager(const QString& relative) const {
        return fs::Location::below(NativePath(manager), relative);
    }
    QByteArray canary() const { return fileBytes(root + "/outside/canary.txt"); }
    // The files of the site that are not Grovekeep's history.
    QMap<QString, QByteArray> files() const { return withoutHistory(snapshot(root)); }
};

// No temporary file of an interrupted write is left anywhere below `root`.
QStringList temporaries(const QString& root) {
    QStringList out;
    for (const QString& key : snapshot(root).keys()) {
        if (key.contains(QStringLiteral("/.~gk-")) || key.startsWith(QStringLiteral(".~gk-")) ||
            (key.contains(QStringLiteral("History/tmp/")) && !key.endsWith('/')))
            out << key;
    }
    return out;
}

// An operation of every kind of change: a replaced file with its visible backup, a new file,
// and a copy in a folder that does not exist yet.
QList<FileChange> mixedChanges(const Site& site) {
    FileChange replaced(site.inGame("Data/Landscape/old.lnd"), QByteArray("new landscape"));
    replaced.backup = site.inManager("Backup/Landscape/old.lnd");
    FileChange added(site.inGame("Scripts/Playgrounds/river.txt"), QByteArray("map"));
    FileChange copy(site.inManager("Backup/vif/river.txt"), QByteArray("map"), FileRole::Copy);
    copy.createFolders = true;
    return {replaced, added, copy};
}

const OperationInfo kInfo{"test", "Test operation", {}, {}, 0};

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void containment_data();
    void containment();
    void packageNeverWritesIntoGrovekeepsFolder();
    void folderSwappedForALinkAfterPlanning();
    void failureAtEveryWrite_data();
    void failureAtEveryWrite();
    void undoGivesBackTheOriginal();
    void undoIsRefusedWhenItWouldLoseSomething();
    void contentsAreKeptOnceAndPruned();
    void modeAndAttributesSurviveReplaceUndoAndRollBack();
    void mergedChangesKeepTheirCopiesTrue();
    void rollBackKeepsAFileItNeverWrote();
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
        QVERIFY(QFile::link(outside + "/canary.txt", target));
    } else if (setup == "folder") {
        QVERIFY(QDir(site.game + "Data/Landscape").removeRecursively());
        QVERIFY(QFile::link(outside, site.game + "Data/Landscape"));
    } else if (setup == "Backup") {
        QVERIFY(QFile::link(outside, site.manager + "Backup"));
    } else if (setup == "bak") {
        QVERIFY(QDir().mkpath(site.manager + "Backup/Landscape"));
        QVERIFY(QFile::link(outside + "/canary.txt", site.manager + "Backup/Landscape/old.lnd"));
    } else if (setup == "objects") {
        QVERIFY(QDir(site.manager + "History/objects").removeRecursively());
        QVERIFY(QFile::link(outside, site.manager + "History/objects"));
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
    // Grovekeep's folder inside the game folder: an entry that names it is refused, and so is
    // the write itself, even if the plan let it through.
    Site site;
    const QString manager = site.game + "Grovekeep/";
    QVERIFY(QDir().mkpath(manager));
    QVERIFY(putFile(manager + "options.txt", "/game/\r\n"));
    const QByteArray package =
        rawEntry("C:\\BW\\Grovekeep\\options.txt", "options.txt", "/\r\n") + "\r\n";
    auto plan = planPackageInstall(package, ComposedPath(site.game));
    QVERIFY(plan.ok());
    auto store = openStore(ComposedPath(manager)).value();
    const auto before = site.files();
    plan->problems.clear(); // as if the plan had not refused it
    plan->entries[0].refusal.clear();
    plan->entries[0].target = fs::Location::below(NativePath(site.game), "Grovekeep/options.txt");
    const auto applied = applyPackagePlan(store, *plan, ComposedPath(manager), {});
    QCOMPARE(applied.kind(), ErrorKind::UnsafePath);
    QVERIFY2(applied.error().contains("Grovekeep's own folder"), qPrintable(applied.error()));
    QCOMPARE(site.files(), before);
}

void TestStore::folderSwappedForALinkAfterPlanning() {
    Site site;
    const QByteArray package =
        rawEntry("C:\\BW\\Data\\Landscape\\new.lnd", "new.lnd", "NEW") + "\r\n";
    const auto plan = planPackageInstall(package, ComposedPath(site.game));
    QVERIFY(plan.ok() && plan->ok());
    // Between the check and the write, the folder becomes a link leading out.
    QVERIFY(QDir(site.game + "Data/Landscape").removeRecursively());
    QVERIFY(QFile::link(site.root + "/outside", site.game + "Data/Landscape"));
    auto store = site.store();
    const auto applied = applyPackagePlan(store, *plan, ComposedPath(site.manager), {});
    QCOMPARE(applied.kind(), ErrorKind::UnsafePath);
    QVERIFY(!QFile::exists(site.root + "/outside/new.lnd"));
    QCOMPARE(site.canary(), QByteArray("canary"));
}

void TestStore::failureAtEveryWrite_data() {
    QTest::addColumn<int>("error");
    QTest::newRow("no space") << ENOSPC;
    QTest::newRow("input/output error") << EIO;
}

void TestStore::failureAtEveryWrite() {
    QFETCH(int, error);
    // How many changes to the disk one operation makes.
    int changes = 0;
    {
        Site site;
        auto store = site.store();
        fs::faults::reset();
        QVERIFY(store.apply(kInfo, mixedChanges(site)).ok());
        changes = fs::faults::changesSoFar();
        QVERIFY(changes > 10);
    }
    for (int n = 1; n <= changes; ++n) {
        Site site;
        QVERIFY(putFile(site.manager + "Backup/Landscape/old.lnd", "older backup"));
        auto store = site.store();
        const auto before = site.files();
        fs::faults::failAt(n, error);
        const auto applied = store.apply(kInfo, mixedChanges(site));
        fs::faults::reset();
        const QString where = QStringLiteral("change %1 of %2").arg(n).arg(changes);
        if (applied) {
            // A failure after the last file was placed: the whole operation stands.
            QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("new landscape"));
            continue;
        }
        // Every target and every backup as it was, and the message says so.
        QVERIFY2(applied.error().endsWith("Nothing was changed."),
                 qPrintable(where + ": " + applied.error()));
        QVERIFY2(site.files() == before, qPrintable(where));
        QVERIFY2(temporaries(site.root).isEmpty(),
                 qPrintable(where + ": " + temporaries(site.root).join(", ")));
        // The record says it was rolled back (or there is none when nothing was recorded).
        for (const OperationRecord& record : store.history())
            QVERIFY2(record.state == OperationState::RolledBack, qPrintable(where));
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
    QVERIFY(store.undo(2, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("first"));
    // A mark the undo could not write (a full disk) is made by the next recovery.
    const QString secondRecord = site.manager + "History/operations/000002.json";
    QByteArray unmarked = fileBytes(secondRecord);
    QVERIFY(unmarked.contains("\"undone\""));
    QVERIFY(putFile(secondRecord, unmarked.replace("\"undone\"", "\"complete\"")));
    QCOMPARE(store.operation(2)->state, OperationState::Complete);
    QVERIFY(store.recover().isEmpty());
    QCOMPARE(store.operation(2)->state, OperationState::Undone);
    QVERIFY(store.undo(1, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("old landscape"));

    // An undo is an operation too: undone, the file comes back.
    const int undoOfFirst = store.history().first().id;
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
    QVERIFY(store.history().isEmpty());
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
        changes = fs::faults::changesSoFar();
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
    options.progress = [&](qsizetype, qsizetype) {
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

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
