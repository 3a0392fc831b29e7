// The history as input: records and kept contents edited, planted, damaged or copied, as
// someone with write access to Grovekeep's folder could. Nothing outside the game folder and
// Grovekeep's folder ever changes, nothing is restored that is not what was kept, and every
// record that cannot be trusted is named.

#include "files/record.h"
#include "storetest.h"

#include <QTest>

using namespace gk;
using namespace gk::test;

namespace {

// A site with one operation that replaced old.lnd (its original kept), and a canary outside.
struct Installed : Site {
    Installed() {
        auto store = this->store();
        QVERIFY(store
                    .apply(kInfo, {FileChange(inGame("Data/Landscape/old.lnd"),
                                              QByteArray("new landscape"))})
                    .ok());
    }
};

bool copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& key : snapshot(from).keys()) {
        const QString source = from + '/' + key;
        if (key.endsWith('/')) {
            QDir().mkpath(to + '/' + key);
        } else if (!QFile::copy(source, to + '/' + key)) {
            return false;
        }
    }
    return true;
}

} // namespace

class TestHistoryInput : public QObject {
    Q_OBJECT
private slots:
    void editedRecords_data();
    void editedRecords();
    void plantedRecordsUnderWay();
    void versionOfAFileNotListed();
    void keptContentsAlteredOrLinked();
    void historyFoldersLinkedOutside_data();
    void historyFoldersLinkedOutside();
    void copiedGrovekeepFolderUndoesInTheCopy();
    void olderRecordsAreConverted();
    void recordLines_data();
    void recordLines();
};

void TestHistoryInput::editedRecords_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to"); // "%OUT%" is the outside folder, "%GAME%" the game's
    QTest::addColumn<bool>("sealed");   // the ready line written again to match
    QTest::addColumn<bool>("readable"); // the record still reads (and the undo says why not)
    auto row = [](const char* name, const char* from, const char* to, bool sealed, bool readable) {
        QTest::newRow(name) << QByteArray(from) << QByteArray(to) << sealed << readable;
    };
    row("edited, not sealed again", "\"size\":13", "\"size\":12", false, false);
    row("the game folder pointed outside", "\"game\":\"%GAME%\"", "\"game\":\"%OUT%\"", true, true);
    row("the game folder emptied", "\"game\":\"%GAME%\"", "\"game\":\"\"", true, false);
    row("a file's root pointed outside", "\"root\":\"game\"", "\"root\":\"%OUT%\"", true, true);
    row("a path leading out", "\"file\":\"Data/Landscape/old.lnd\"",
        "\"file\":\"../../outside/canary.txt\"", true, false);
    row("a hash naming a file", "\"before\":{\"sha256\":\"",
        "\"before\":{\"sha256\":\"../../outside/canary.txt\",\"x\":\"", true, false);
    row("a negative size", "\"size\":13", "\"size\":-5", true, false);
    row("a hidden folder of the game", "\"file\":\"Data/Landscape/old.lnd\"",
        "\"file\":\".ssh/authorized_keys\"", true, false);
    row("a path into the history", "\"file\":\"Data/Landscape/old.lnd\",\"root\":\"game\"",
        "\"file\":\"History/operations/000001.jsonl\",\"root\":\"grovekeep\"", true, false);
    row("a state none of the four", "{\"state\":\"complete\"}", "{\"state\":\"finished\"}", true,
        false);
    row("a line too long", "\"what\":\"Test operation\"",
        QByteArray("\"what\":\"" + QByteArray(70000, 'x') + "\"").constData(), true, false);
}

void TestHistoryInput::editedRecords() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, sealed);
    QFETCH(bool, readable);
    Installed site;
    const QByteArray game = cleanFolder(NativePath(site.game)).toUtf8();
    const QByteArray outside = (site.root + "/outside").toUtf8();
    from.replace("%GAME%", game);
    to.replace("%GAME%", game).replace("%OUT%", outside);
    QByteArray text = fileBytes(site.record(1));
    QVERIFY2(text.contains(from), text.constData());
    QVERIFY(putFile(site.record(1), text.replace(from, to)));
    if (sealed)
        QVERIFY(reseal(site.record(1)));
    const auto outsideBefore = site.outside();
    const auto filesBefore = site.files();

    auto store = site.store();
    const auto history = store.history(true);
    QVERIFY(history && history->size() == 1);
    QCOMPARE(history->at(0).readable(), readable);
    if (!readable)
        QVERIFY(!history->at(0).unreadable.isEmpty());
    const auto undone = store.undo(1, true);
    QVERIFY(!undone);
    QVERIFY2(!undone.error().isEmpty(), qPrintable(undone.error()));
    // Nothing recovers it either, and nothing else was touched.
    QVERIFY(store.recover());
    QCOMPARE(site.outside(), outsideBefore);
    QCOMPARE(site.files(), filesBefore);
    if (!readable) {
        // Verify names it, and pruning frees nothing while it cannot be read.
        bool named = false;
        for (const FileCheck& check : store.verify())
            named = named || (check.state == FileState::Unreadable &&
                              check.path.text().endsWith("000001.jsonl"));
        QVERIFY(named);
        const auto kept = snapshot(site.manager + "History/objects");
        QVERIFY(!store.prune(QDateTime::currentDateTime().addDays(1), true));
        QCOMPARE(snapshot(site.manager + "History/objects"), kept);
    }
}

void TestHistoryInput::plantedRecordsUnderWay() {
    // Records planted as under way, naming a file outside (as a folder of elsewhere, and as the
    // game folder of another game), with contents planted to match: no command of any kind
    // writes or removes a file outside; they stay under way, named.
    Site site;
    auto store = site.store();
    QVERIFY(
        store.apply(kInfo, {FileChange(site.inGame("Scripts/Playgrounds/a.txt"), QByteArray("a"))})
            .ok());
    const QString outside = site.root + "/outside";
    QVERIFY(putFile(site.object("planted"), "planted"));
    const auto plantedVersion = FileVersion{*Digest::fromHex(Sha256::of("planted")), 7, 0644};
    const auto canaryVersion = FileVersion{*Digest::fromHex(Sha256::of("canary")), 6, 0644};
    int id = 2;
    for (const RecordedPath& where : {RecordedPath{RootKind::Elsewhere, outside, "canary.txt"},
                                      RecordedPath{RootKind::Game, QString(), "canary.txt"}}) {
        auto operations = fs::Folder::openRoot(NativePath(site.manager + "History/operations"));
        QVERIFY(operations);
        auto writer = RecordWriter::create(*operations, recordName(id));
        QVERIFY(writer);
        RecordHead head;
        head.id = id;
        head.time = QDateTime::currentDateTime();
        head.kind = "package";
        head.what = "Planted";
        head.game = where.root == RootKind::Game ? outside : cleanFolder(NativePath(site.game));
        head.token = "abc";
        head.files = 1;
        QVERIFY(writer->head(head).ok());
        QVERIFY(writer->file({where, FileRole::Target, false, plantedVersion}).ok());
        QVERIFY(writer->after({0, canaryVersion}).ok());
        QVERIFY(writer->ready().ok() && writer->sync().ok());
        QVERIFY(putFile(outside + "/.~gk-abc.0", "temporary of someone else"));
        QVERIFY(putFile(site.manager + "History/pending/" + QString::number(id), ""));
        ++id;
    }
    const auto before = site.outside();
    const auto recovered = store.recover();
    QVERIFY(recovered);
    QCOMPARE(recovered->size(), 2);
    for (const Recovered& r : *recovered)
        QVERIFY2(!r.problems.isEmpty() && r.filesPutBack == 0, qPrintable(r.problems.join(' ')));
    QCOMPARE(recovered->at(1).operation, 2); // the newest is taken back first
    QVERIFY(recovered->at(1).problems.join(' ').contains("where Grovekeep does not write"));
    QCOMPARE(site.outside(), before);
    // The one elsewhere is rolled back without writing there (a file the user chose holds what
    // was saved, or what it held). The one of another game folder waits until that folder is
    // set, and nothing else changes files meanwhile.
    QCOMPARE(store.operation(2)->state, OperationState::RolledBack);
    QCOMPARE(store.operation(3)->state, OperationState::UnderWay);
    const auto refused =
        store.apply(kInfo, {FileChange(site.inGame("Scripts/Playgrounds/b.txt"), QByteArray("b"))});
    QVERIFY(!refused);
    QVERIFY2(refused.error().contains("Operation 3 was interrupted"), qPrintable(refused.error()));
    QCOMPARE(site.outside(), before);
}

void TestHistoryInput::versionOfAFileNotListed() {
    // A record cut after its first file line, with a roll-back's kept line (which may follow
    // any part of a record) naming a file its head counts but it does not list: unreadable,
    // named by the recovery, and no command reaches past what it lists.
    Site site;
    QVERIFY(QDir().mkpath(site.manager + "History/pending"));
    const QByteArray game = cleanFolder(NativePath(site.game)).toUtf8();
    const QByteArray sha = Sha256::of("old landscape").toLatin1();
    QVERIFY(putFile(site.record(1),
                    "{\"record\":\"grovekeep-history\",\"version\":2,\"id\":1,\"time\":"
                    "\"2026-01-01T00:00:00Z\",\"kind\":\"package\",\"what\":\"P\",\"game\":\"" +
                        game +
                        "\",\"temp\":\"abc\",\"folders\":0,\"files\":3}\n"
                        "{\"file\":\"Data/Landscape/a.lnd\",\"root\":\"game\",\"role\":\"target\","
                        "\"before\":null}\n"
                        "{\"kept\":2,\"sha256\":\"" +
                        sha + "\",\"size\":13,\"mode\":420}\n"));
    QVERIFY(putFile(site.manager + "History/pending/1", ""));
    const auto files = site.files();
    auto store = site.store();
    const auto record = store.operation(1);
    QVERIFY(!record || !record->readable());
    const auto recovered = store.recover();
    QVERIFY(recovered);
    QCOMPARE(recovered->size(), 1);
    QVERIFY2(recovered->at(0).problems.join(' ').contains("does not list"),
             qPrintable(recovered->at(0).problems.join(' ')));
    QCOMPARE(store.verify(1).size(), 1);
    QCOMPARE(store.verify(1).at(0).state, FileState::Unreadable);
    QCOMPARE(site.files(), files);
}

void TestHistoryInput::keptContentsAlteredOrLinked() {
    // The kept original of old.lnd altered on the disk, or made a link: the undo refuses,
    // changing nothing, and the check of the kept contents names it.
    for (const bool link : {false, true}) {
        Installed site;
        const QString object = site.object("old landscape");
        QVERIFY(QFile::setPermissions(object, QFile::ReadOwner | QFile::WriteOwner));
        if (link) {
            QVERIFY(QFile::remove(object));
            GK_PLANT_LINK(site.root + "/outside/canary.txt", object);
        } else {
            QVERIFY(putFile(object, "old landscapf"));
        }
        auto store = site.store();
        const auto files = site.files();
        const auto undone = store.undo(1, false);
        QVERIFY(!undone);
        QVERIFY2(undone.error().contains("Nothing was changed"), qPrintable(undone.error()));
        QCOMPARE(site.files(), files);
        QCOMPARE(site.canary(), QByteArray("canary"));
        const auto checked = store.verifyStore();
        QVERIFY(checked);
        QCOMPARE(checked->damaged.size(), 1);
        QVERIFY(checked->damaged.at(0).contains(Sha256::of("old landscape")));
    }
}

void TestHistoryInput::historyFoldersLinkedOutside_data() {
    QTest::addColumn<QString>("part");
    for (const char* part : {"History", "History/objects", "History/tmp", "History/operations",
                             "History/index", "History/pending"})
        QTest::newRow(part) << QString::fromLatin1(part);
}

void TestHistoryInput::historyFoldersLinkedOutside() {
    // A folder of the history replaced by a link to a folder outside: nothing is written
    // through it, no file changes, and what is refused says why.
    QFETCH(QString, part);
    Installed site;
    const QString target = site.root + "/outside/planted";
    QVERIFY(QDir().mkpath(target));
    QVERIFY(QDir(site.manager + part).removeRecursively());
    GK_PLANT_LINK(target, site.manager + part);
    const auto files = site.files();
    auto store = site.store();
    const auto installed = store.apply(
        kInfo, {FileChange(site.inGame("Data/Landscape/old.lnd"), QByteArray("third"))});
    QVERIFY(!installed);
    QVERIFY2(installed.error().contains("symbolic link"), qPrintable(installed.error()));
    QVERIFY(!store.undo(1, false));
    QCOMPARE(site.files(), files);
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(site.canary(), QByteArray("canary"));
}

void TestHistoryInput::copiedGrovekeepFolderUndoesInTheCopy() {
    // A portable Grovekeep folder copied elsewhere: an undo there changes the copy's own files,
    // never the original's; set to another game folder, it changes none of the game's.
    Installed site;
    auto store = site.store();
    FileChange backup(site.inGame("Data/Landscape/old.lnd"), QByteArray("third"));
    backup.backup = site.inManager("Backup/Landscape/old.lnd");
    QVERIFY(store.apply(kInfo, {backup}).ok());
    const QString copy = site.root + "/copy/";
    QVERIFY(copyTree(site.manager, copy));
    const auto original = snapshot(site.manager);
    auto copied = openStore(ComposedPath(copy), ComposedPath(site.game)).value();
    QVERIFY(copied.undo(2, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), QByteArray("new landscape"));
    QVERIFY(!QFile::exists(copy + "Backup/Landscape/old.lnd"));
    QCOMPARE(snapshot(site.manager), original);
    QDir().mkpath(site.root + "/othergame");
    auto elsewhere = openStore(ComposedPath(copy), ComposedPath(site.root + "/othergame/")).value();
    const auto refused = elsewhere.undo(1, false);
    QVERIFY(!refused);
    QVERIFY2(refused.error().contains("but the game folder is now"), qPrintable(refused.error()));
}

void TestHistoryInput::olderRecordsAreConverted() {
    // A record as the previous Grovekeep wrote it: converted when the history is next used,
    // and undone as any other. One that cannot be read stays, named, and keeps what it kept.
    Site site;
    const QByteArray original("old landscape");
    const QString sha = Sha256::of(original);
    QVERIFY(putFile(site.object(original), original));
    QVERIFY(putFile(site.game + "Data/Landscape/old.lnd", "new landscape"));
    const QString newSha = Sha256::of("new landscape");
    const QByteArray record =
        "{\"id\": 1, \"time\": \"2026-12-07T10:00:00Z\", \"kind\": \"package\", \"what\": "
        "\"Package \\\"p.vif\\\"\", \"state\": \"complete\", \"files\": [{\"root\": \"" +
        site.game.toUtf8() +
        "\", \"path\": \"Data/Landscape/old.lnd\", \"role\": \"target\", \"before\": "
        "{\"sha256\": \"" +
        sha.toLatin1() + "\", \"size\": 13, \"mode\": 420}, \"after\": {\"sha256\": \"" +
        newSha.toLatin1() + "\", \"size\": 13, \"mode\": 420}}]}";
    QVERIFY(putFile(site.manager + "History/operations/000001.json", record));
    QVERIFY(putFile(site.manager + "History/operations/000002.json", "{\"id\": 2, broken"));
    auto store = site.store();
    const auto history = store.history();
    QVERIFY(history);
    QCOMPARE(history->size(), 2);
    QVERIFY(!history->at(0).readable());
    QCOMPARE(history->at(1).info.what, QStringLiteral("Package \"p.vif\""));
    QVERIFY(QFile::exists(site.record(1)));
    QVERIFY(!QFile::exists(site.manager + "History/operations/000001.json"));
    QVERIFY(!store.prune(QDateTime::currentDateTime().addDays(1), true));
    const auto undone = store.undo(1, false);
    QVERIFY(undone.ok());
    QCOMPARE(undone->operation, 3);
    QCOMPARE(fileBytes(site.game + "Data/Landscape/old.lnd"), original);
    // Numbered after all, the unreadable one included.
    QCOMPARE(
        store.apply(kInfo, {FileChange(site.inGame("Data/a.txt"), QByteArray("a"))})->operation, 4);
}

void TestHistoryInput::recordLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("sound");
    const QByteArray sha(64, 'a');
    QTest::newRow("head") << QByteArray("{\"record\":\"grovekeep-history\",\"version\":2,\"id\":3,"
                                        "\"time\":\"2026-12-07T10:00:00Z\",\"kind\":\"package\","
                                        "\"what\":\"P\",\"game\":\"/g\",\"temp\":\"k2\","
                                        "\"folders\":0,\"files\":1}")
                          << true;
    QTest::newRow("head of another version")
        << QByteArray("{\"record\":\"grovekeep-history\",\"version\":3,\"id\":3}") << false;
    QTest::newRow("head with a game folder not clean")
        << QByteArray("{\"record\":\"grovekeep-history\",\"version\":2,\"id\":3,"
                      "\"time\":\"2026-12-07T10:00:00Z\",\"kind\":\"package\",\"what\":\"P\","
                      "\"game\":\"/g/../etc\",\"temp\":\"k2\",\"folders\":0,\"files\":1}")
        << false;
    QTest::newRow("head with a temporary name of another shape")
        << QByteArray("{\"record\":\"grovekeep-history\",\"version\":2,\"id\":3,"
                      "\"time\":\"2026-12-07T10:00:00Z\",\"kind\":\"package\",\"what\":\"P\","
                      "\"game\":\"/g\",\"temp\":\"../x\",\"folders\":0,\"files\":1}")
        << false;
    QTest::newRow("state complete") << QByteArray("{\"state\":\"complete\"}") << true;
    QTest::newRow("state under way, written out")
        << QByteArray("{\"state\":\"under-way\"}") << false;
    QTest::newRow("undone by nobody") << QByteArray("{\"state\":\"undone\"}") << false;
    QTest::newRow("file in the game")
        << QByteArray("{\"file\":\"Data/x.lnd\",\"root\":\"game\"}") << true;
    QTest::newRow("device name") << QByteArray("{\"file\":\"Data/CON.lnd\",\"root\":\"game\"}")
                                 << false;
    QTest::newRow("control character")
        << QByteArray("{\"file\":\"Data/x\\u0085.lnd\",\"root\":\"game\"}") << false;
    QTest::newRow("temporary file")
        << QByteArray("{\"file\":\"Data/.~gk-x\",\"root\":\"game\"}") << false;
    QTest::newRow("relative folder elsewhere")
        << QByteArray("{\"file\":\"x.txt\",\"root\":\"home/u\"}") << false;
    QTest::newRow("not JSON") << QByteArray("{\"file\":") << false;
    Q_UNUSED(sha);
}

void TestHistoryInput::recordLines() {
    QFETCH(QByteArray, line);
    QFETCH(bool, sound);
    QCOMPARE(checkRecordLine(line).ok(), sound);
}

QTEST_GUILESS_MAIN(TestHistoryInput)
#include "test_history_input.moc"
