// Installing: the extension dispatch, single files, install paths of untrusted packages,
// and packages installed as a whole or not at all.

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "installer/compile.h"
#include "installer/install.h"
#include "installer/installpath.h"
#include "installer/vif.h"
#include "installer/wizard.h"
#include "support/files.h"
#include "support/marking.h"
#include "support/posix.h"

#include <QTemporaryDir>
#include <QTest>

using namespace gk;
using namespace gk::test;

namespace {

// A game folder "BW" with its usual folders, links from inside it to the outside, canary
// files outside it, and an empty Grovekeep folder.
struct Site {
    QTemporaryDir dir;
    QString root = dir.path();
    QString game = root + "/BW/";
    QString manager = root + "/manager/";
    ComposedPath gameFolder() const { return ComposedPath(game); }
    ComposedPath managerFolder() const { return ComposedPath(manager); }
    ChangeStore store() const { return openStore(managerFolder(), gameFolder()).value(); }
    bool links = false; // whether the planted links could be made

    Site() {
        for (const char* folder : {"BW/Data/Landscape", "BW/Data/CreatureMesh",
                                   "BW/Scripts/Playgrounds", "BW/Profiles", "outside", "manager"})
            QDir().mkpath(root + '/' + folder);
        putFile(root + "/outside/canary.txt", "canary");
        putFile(root + "/canary.txt", "canary");
        links = plantLink(root + "/outside", game + "Data/Out") &&
                plantLink(root + "/outside/canary.txt", game + "Data/evil.lnd");
    }
};

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void extensionDispatch_data();
    void extensionDispatch();
    void singleFile_data();
    void singleFile();
    void singleFileFailureChangesNothing();
    void hostileEntries_data();
    void hostileEntries();
    void letterCaseOfExistingNames();
    void sharedTargetsKeepTheirFirstContent();
    void failureMidwayPutsEverythingBack_data();
    void failureMidwayPutsEverythingBack();
    void messagesAreTranslatedWhole();
};

void TestInstall::extensionDispatch_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("folder");
    QTest::newRow("map") << "C:\\Maps\\river.txt" << int(InstallKind::Map) << "File Type: Map"
                         << "Scripts\\Playgrounds\\";
    QTest::newRow("capital extension")
        << "RIVER.TXT" << int(InstallKind::Unknown) << "Invalid file type set"
        << "";
    QTest::newRow("mixed case") << "hills.Lnd" << int(InstallKind::Unknown)
                                << "Invalid file type set"
                                << "";
    QTest::newRow("two dots") << "river.map.txt" << int(InstallKind::Map) << "File Type: Map"
                              << "Scripts\\Playgrounds\\";
    QTest::newRow("dot in a folder only")
        << "C:\\my.folder\\river" << int(InstallKind::Unknown) << "Invalid file type set"
        << "";
    QTest::newRow("empty") << "" << int(InstallKind::Unknown) << "Invalid file type set"
                           << "";
    QTest::newRow("package") << "/home/u/pack.vif" << int(InstallKind::Package)
                             << "File Type: Vessa Installation File"
                             << "";
    QTest::newRow("tattoo") << "symbol1.bmp" << int(InstallKind::Tattoo) << "File Type: Tatoo"
                            << "";
    QTest::newRow("landscape") << "hills.lnd" << int(InstallKind::Landscape)
                               << "File Type: Landscape"
                               << "Data\\Landscape\\";
    QTest::newRow("skin") << "x.l3d" << int(InstallKind::Skin) << "File Type: Skin/Mesh"
                          << "Data\\CreatureMesh\\";
}

void TestInstall::extensionDispatch() {
    QFETCH(QString, path);
    QFETCH(int, kind);
    QFETCH(QString, label);
    QFETCH(QString, folder);
    QCOMPARE(int(installKindFor(path)), kind);
    QCOMPARE(PackageCompiler::proposedInstallPath(NativePath("/work/x.dat"), ComposedPath("/g/"),
                                                  NativePath())
                 .text(),
             QDir::toNativeSeparators("/g/x.dat"));
    QCOMPARE(fileTypeLabel(path), label);
    QCOMPARE(targetFolderFor(installKindFor(path)), folder);
    // What comes from outside goes to the installer: packages and what has a game folder.
    QCOMPARE(offeredToInstaller(installKindFor(path)),
             !folder.isEmpty() || kind == int(InstallKind::Package));
    // A new entry of a package is proposed in its kind's folder, else beside the last one.
    const NativePath file(QStringLiteral("/work/") + bareFileName(path));
    const NativePath proposed = PackageCompiler::proposedInstallPath(
        file, ComposedPath("/games/bw/"), NativePath("/games/bw/Extra/a.dat"));
    if (!path.isEmpty())
        QCOMPARE(proposed.text(),
                 folder.isEmpty()
                     ? "/games/bw/Extra/" + file.fileName()
                     : ComposedPath("/games/bw/" + folder + file.fileName()).native().text());
    if (path.contains("my.folder"))
        QCOMPARE(fileExtension(path), QStringLiteral("folder\\river"));
}

void TestInstall::singleFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target"); // below the game folder
    QTest::addColumn<bool>("existed");
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("new map") << "river.txt"
                             << "Scripts/Playgrounds/river.txt" << false << QByteArray()
                             << QByteArray("A\r\nB");
    QTest::newRow("replaced landscape, binary")
        << "hills.lnd"
        << "Data/Landscape/hills.lnd" << true << QByteArray("\0\xff\r", 3)
        << QByteArray("\n\0\r\xff", 4);
    QTest::newRow("replaced skin, empty before")
        << "m.l3d"
        << "Data/CreatureMesh/m.l3d" << true << QByteArray() << QByteArray("mesh");
}

void TestInstall::singleFile() {
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(bool, existed);
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, contents);
    Site site;
    if (existed)
        QVERIFY(putFile(site.game + target, previous));
    const QString chosen = "/home/u/content/" + name;
    const SingleInstall plan =
        planSingleInstall(installKindFor(chosen), chosen, site.gameFolder(), site.managerFolder());
    QCOMPARE(plan.target.path().text(), QDir::toNativeSeparators(site.game + target));
    QCOMPARE(plan.backup.path().text(), QDir::toNativeSeparators(site.manager + name + ".bak"));

    auto store = site.store();
    QVERIFY(installSingleFile(store, plan, contents, {}).ok());
    QCOMPARE(fileBytes(site.game + target), contents);
    QCOMPARE(fileBytes(site.manager + name + ".bak"), previous);
    // Installing again keeps what the first installation wrote; the history keeps the rest.
    QVERIFY(installSingleFile(store, plan, QByteArray("again"), {}).ok());
    QCOMPARE(fileBytes(site.manager + name + ".bak"), contents);
    {
        auto u2 = store.undo(2, false);
        QVERIFY2(u2.ok(), qPrintable(u2.error()));
        auto u1 = store.undo(1, false);
        QVERIFY2(u1.ok(), qPrintable(u1.error()));
    }
    QCOMPARE(fileBytes(site.game + target), existed ? previous : QByteArray("<missing>"));
}

void TestInstall::singleFileFailureChangesNothing() {
    Site site;
    QVERIFY(QDir(site.game + "Scripts/Playgrounds").removeRecursively());
    QVERIFY(putFile(site.manager + "river.txt.bak", "earlier backup"));
    auto store = site.store();
    const auto before = withoutHistory(snapshot(site.root));
    const SingleInstall plan = planSingleInstall(InstallKind::Map, "/x/river.txt",
                                                 site.gameFolder(), site.managerFolder());
    const auto status = installSingleFile(store, plan, QByteArray("map"), {});
    QCOMPARE(status.kind(), ErrorKind::NotFound);
    QVERIFY2(status.error().contains("Playgrounds"), qPrintable(status.error()));
    QCOMPARE(withoutHistory(snapshot(site.root)), before);

    // A target that is a folder is not backed up as an empty file and not replaced.
    QVERIFY(QDir().mkpath(site.game + "Data/Landscape/hills.lnd"));
    const auto withFolder = withoutHistory(snapshot(site.root));
    const auto folder =
        installSingleFile(store,
                          planSingleInstall(InstallKind::Landscape, "hills.lnd", site.gameFolder(),
                                            site.managerFolder()),
                          QByteArray("x"), {});
    QCOMPARE(folder.kind(), ErrorKind::IsFolder);
    QCOMPARE(withoutHistory(snapshot(site.root)), withFolder);
}

void TestInstall::hostileEntries_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QString>("reason");
    const QByteArray ok = "C:\\Games\\BW\\Data\\Landscape\\x.lnd";
    auto row = [](const char* name, const QByteArray& path, const QByteArray& title,
                  const QString& reason) { QTest::newRow(name) << path << title << reason; };
    row("parent folder", "C:\\Games\\BW\\Data\\..\\..\\canary.txt", "x", "\"..\" leads out");
    row("parent below a game folder", "Data\\Landscape\\..\\..\\..\\canary.txt", "x", "\"..\"");
    row("current folder", "C:\\BW\\.\\Data\\x.lnd", "x", "\".\" names the folder itself");
    row("drive-relative", "C:Data\\Landscape\\x.lnd", "x", "current folder of drive C:");
    row("UNC", "\\\\server\\share\\Data\\x.lnd", "x", "network share");
    row("UNC with slashes", "//server/share/Data/x.lnd", "x", "network share");
    row("device path \\\\?\\", "\\\\?\\C:\\BW\\Data\\x.lnd", "x", "device path");
    row("device path \\\\.\\", "\\\\.\\C:\\BW\\Data\\x.lnd", "x", "device path");
    row("CON", "C:\\BW\\Data\\Landscape\\CON", "x", "device name CON");
    row("con with extension", "C:\\BW\\Data\\Landscape\\con.lnd", "x", "device name CON");
    row("NUL.txt", "C:\\BW\\Scripts\\Playgrounds\\NUL.txt", "x", "device name NUL");
    row("COM1", "C:\\BW\\Data\\com1.lnd", "x", "device name COM1");
    row("LPT1 with blanks", "C:\\BW\\Data\\LPT1 .lnd", "x", "device name LPT1");
    row("device name as a folder", "C:\\BW\\Data\\aux\\x.lnd", "x", "device name AUX");
    row("trailing dot", "C:\\BW\\Data\\Landscape\\x.lnd.", "x", "ends with a dot or a space");
    row("trailing space", "C:\\BW\\Data\\Landscape\\x.lnd ", "x", "ends with a dot or a space");
    row("folder with trailing dot", "C:\\BW\\Data.\\Landscape\\x.lnd", "x", "ends with a dot");
    row("stream", "C:\\BW\\Data\\Landscape\\x.lnd:evil", "x", "holds ':'");
    row("stream type", "C:\\BW\\Data\\Landscape\\x.lnd::$DATA", "x", "holds ':'");
    row("drive in the middle", "C:\\BW\\D:\\Data\\x.lnd", "x", "holds ':'");
    row("control character", "C:\\BW\\Data\\x\x01.lnd", "x", "control character");
    row("wildcard", "C:\\BW\\Data\\*.lnd", "x", "holds the character *");
    row("empty path", "", "x", "install path is empty");
    row("a folder, not a file", "C:\\BW\\Data\\Landscape\\", "x", "names a folder");
    row("folder standing at the target", "C:\\BW\\Data\\Landscape", "x", "a folder stands at");
    row("link to a folder outside", "C:\\BW\\Data\\Out\\canary.txt", "x",
        "leads outside the game folder");
    row("link to a file outside", "C:\\BW\\Data\\evil.lnd", "x", "is a symbolic link");
    row("no game folder", "C:\\Windows\\win.ini", "x", "names none of the game's folders");
    row("bare name", "canary.txt", "x", "names none of the game's folders");
    row("folder missing in the game", "C:\\BW\\Data\\Nowhere\\x.lnd", "x",
        "\"Data\\Nowhere\" does not exist in the game folder");
    row("title climbing out", ok, "..\\..\\canary.txt", "holds a folder separator");
    row("title with a slash", ok, "../canary.txt", "holds a folder separator");
    row("title ..", ok, "..", "leads out");
    row("title CON", ok, "CON", "device name CON");
    row("title with trailing dot", ok, "x.lnd.", "ends with a dot");
    row("title with a stream", ok, "x.lnd:s", "holds ':'");
    row("title with control character", ok, "x\x1b.lnd", "control character");
    row("empty title", ok, "", "a name is empty");
}

void TestInstall::hostileEntries() {
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, title);
    QFETCH(QString, reason);
    Site site;
    if (QByteArray(QTest::currentDataTag()).startsWith("link") && !site.links)
        QSKIP("This system does not let this process make symbolic links.");
    const QByteArray package =
        rawEntry("C:\\Games\\BW\\Data\\Landscape\\good.lnd", "good.lnd", "G") +
        rawEntry(path, title, "EVIL") + "\r\n";
    const auto before = snapshot(site.root);

    const auto plan = planPackageInstall(package, site.gameFolder());
    QVERIFY(plan.ok());
    QVERIFY(!plan->entries[0].refused() && plan->refusal(plan->entries[0]).isEmpty());
    QVERIFY(plan->entries[1].refused() && !plan->refusal(plan->entries[1]).isEmpty());
    QCOMPARE(plan->problems.size(), 1);
    QVERIFY2(plan->problems[0].startsWith("Entry 2") && plan->problems[0].contains(reason),
             qPrintable(plan->problems[0]));
    QVERIFY(!plan->problems[0].contains('\n') && !plan->problems[0].contains('\r'));

    auto store = site.store();
    QCOMPARE(applyPackagePlan(store, *plan, site.managerFolder(), {}).kind(),
             ErrorKind::BrokenPackage);
    QCOMPARE(withoutHistory(snapshot(site.root)), before);
}

void TestInstall::letterCaseOfExistingNames() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString manager = dir.filePath("manager/");
    QVERIFY(putFile(game + "scripts/playgrounds/River.txt", "old map"));
    QVERIFY(QDir().mkpath(game + "DATA/landscape") && QDir().mkpath(manager));

    const QByteArray package =
        rawEntry("C:\\Games\\BW\\Scripts\\Playgrounds\\river.txt", "river.txt", "new map") +
        rawEntry("C:\\Games\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "H") + "\r\n";
    const auto plan = planPackageInstall(package, ComposedPath(game));
    QVERIFY(plan.ok() && plan->ok());
    QCOMPARE(plan->target(plan->entries[0]).path().text(),
             QDir::toNativeSeparators(game + "scripts/playgrounds/River.txt"));
    QVERIFY(plan->entries[0].replaces);
    QCOMPARE(plan->target(plan->entries[1]).path().text(),
             QDir::toNativeSeparators(game + "DATA/landscape/hills.lnd"));
    QVERIFY(!plan->entries[1].replaces);

    auto store = openStore(ComposedPath(manager), ComposedPath(game)).value();
    QVERIFY(applyPackagePlan(store, *plan, ComposedPath(manager), {}).ok());
    QCOMPARE(QDir(game).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"DATA", "scripts"}));
    QCOMPARE(QDir(game + "scripts/playgrounds").entryList(QDir::Files), QStringList{"River.txt"});
    QCOMPARE(fileBytes(game + "scripts/playgrounds/River.txt"), QByteArray("new map"));

    // A single map finds the same file.
    const SingleInstall single = planSingleInstall(InstallKind::Map, "/x/RIVER.txt",
                                                   ComposedPath(game), ComposedPath(manager));
    QCOMPARE(single.target.path().text(),
             QDir::toNativeSeparators(game + "scripts/playgrounds/River.txt"));
}

void TestInstall::sharedTargetsKeepTheirFirstContent() {
    Site site;
    QVERIFY(putFile(site.game + "Data/Landscape/x.lnd", "first original"));
    QVERIFY(putFile(site.game + "Data/CreatureMesh/x.lnd", "second original"));
    const QByteArray package = rawEntry("C:\\BW\\Data\\Landscape\\x.lnd", "x.lnd", "one") +
                               rawEntry("C:\\BW\\Data\\landscape\\X.LND", "x.lnd", "two") +
                               rawEntry("C:\\BW\\Data\\CreatureMesh\\x.lnd", "x.lnd", "three") +
                               "\r\n";
    const auto plan = planPackageInstall(package, site.gameFolder());
    QVERIFY(plan.ok() && plan->ok());
    auto store = site.store();
    QVERIFY(applyPackagePlan(store, *plan, site.managerFolder(), {}).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/x.lnd"), QByteArray("two"));
    QCOMPARE(fileBytes(site.game + "Data/CreatureMesh/x.lnd"), QByteArray("three"));
    QCOMPARE(fileBytes(site.manager + "Backup/vif/x.lnd"), QByteArray("three"));
    // Undone, each replaced file holds what it held before this installation.
    QVERIFY(store.undo(1, false).ok());
    QCOMPARE(fileBytes(site.game + "Data/Landscape/x.lnd"), QByteArray("first original"));
    QCOMPARE(fileBytes(site.game + "Data/CreatureMesh/x.lnd"), QByteArray("second original"));
    QVERIFY(!QFile::exists(site.manager + "Backup/vif/x.lnd"));
}

void TestInstall::failureMidwayPutsEverythingBack_data() {
    QTest::addColumn<int>("failing");       // entry whose target write fails
    QTest::addColumn<bool>("sizeLimit");    // by a file size limit, else a folder in the way
    QTest::addColumn<bool>("backupFolder"); // Backup\vif\ exists beforehand
    QTest::newRow("first target cannot be written") << 1 << false << true;
    QTest::newRow("second of three") << 2 << false << true;
    QTest::newRow("last of three, Backup folder created") << 3 << false << false;
    QTest::newRow("last of three, file size limit") << 3 << true << true;
}

void TestInstall::failureMidwayPutsEverythingBack() {
    QFETCH(int, failing);
    QFETCH(bool, sizeLimit);
    QFETCH(bool, backupFolder);
    Site site;
    QVERIFY(putFile(site.game + "Data/Landscape/a.lnd", QByteArray("old\0A", 5)));
    if (backupFolder) {
        QVERIFY(putFile(site.manager + "Backup/vif/b.lnd", "copy from an earlier package"));
        QVERIFY(putFile(site.manager + "Backup/vif/a.lnd.bak", "older backup"));
    }
    const QByteArray big(64 * 1024, '\xff');
    const QByteArray package = rawEntry("C:\\BW\\Data\\Landscape\\a.lnd", "a.lnd", "new A") +
                               rawEntry("C:\\BW\\Data\\Landscape\\b.lnd", "b.lnd", "B") +
                               rawEntry("C:\\BW\\Scripts\\Playgrounds\\c.txt", "c.txt",
                                        sizeLimit ? big : QByteArray("C")) +
                               "\r\n";
    const auto plan = planPackageInstall(package, site.gameFolder());
    QVERIFY(plan.ok() && plan->ok());
    const QString failingTarget = plan->target(plan->entries[failing - 1]).path().text();
    if (!sizeLimit) {
        // The target became a folder after the package was checked.
        QFile::remove(failingTarget);
        QVERIFY(QDir().mkpath(failingTarget));
    }
    auto store = site.store();
    const auto before = withoutHistory(snapshot(site.root));

    Status status;
    if (sizeLimit) {
        FileSizeLimit limit(16 * 1024);
        if (!limit.isSet())
            QSKIP("This system has no file size limit.");
        status = applyPackagePlan(store, *plan, site.managerFolder(), {}).status();
    } else {
        status = applyPackagePlan(store, *plan, site.managerFolder(), {}).status();
    }
    QVERIFY(!status.ok());
    QVERIFY2(status.error().contains(QFileInfo(failingTarget).fileName()),
             qPrintable(status.error()));
    QVERIFY2(status.error().endsWith("Nothing was changed."), qPrintable(status.error()));
    QCOMPARE(withoutHistory(snapshot(site.root)), before);
}

QTEST_GUILESS_MAIN(TestInstall)
// Each message is one text of the translator, its arguments put in afterwards (a name holding
// "%2" stays as it is), and the clauses inside it are translated texts too.
void TestInstall::messagesAreTranslatedWhole() {
    Site site;
    const MarkingTranslator marking;
    const auto refusal = [&site](const QString& path) {
        return resolveInstallPath(path, site.gameFolder()).error();
    };
    QCOMPARE(refusal("\\\\server\\share\\Data\\x%2.lnd"),
             "[InstallPath|The install path \"\\\\server\\share\\Data\\x%2.lnd\" cannot be used: "
             "it names a network share.]");
    QCOMPARE(refusal("C:Data\\x.lnd"), "[InstallPath|The install path \"C:Data\\x.lnd\" cannot "
                                       "be used: it is relative to the current folder of drive "
                                       "C:.]");
    QCOMPARE(refusal("C:\\Games\\x%1.lnd"),
             "[InstallPath|The install path \"C:\\Games\\x%1.lnd\" cannot be used: it names none "
             "of the game's folders (Data, Profiles, Scripts).]");
    QCOMPARE(refusal("C:\\BW\\Data\\Nowhere\\x.lnd"),
             "[InstallPath|The install path \"C:\\BW\\Data\\Nowhere\\x.lnd\" cannot be used: the "
             "folder \"Data\\Nowhere\" does not exist in the game folder.]");
    QCOMPARE(refusal(QString()), "[InstallPath|The install path is empty.]");

    // A package's problems: the line, the entry's name and the reason are each translated.
    const auto plan =
        planPackageInstall(rawEntry("C:\\BW\\Data\\Landscape\\x.lnd", "a/b", "X") + "\r\n" +
                               "###Begin_VIF###\r\n###Install###Data\\y.lnd###/Install###\r\n",
                           site.gameFolder());
    QVERIFY(plan);
    QCOMPARE(plan->problems,
             QStringList({"[Package|[Package|Entry 1 (\"a/b\")]: [InstallPath|the title cannot "
                          "be used as a file name: [InstallPath|\"a/b\" holds a folder "
                          "separator]].]",
                          "[Package|[Package|Entry 2 (\"Data\\y.lnd\")]: [Package|the marker "
                          "###Title### is missing].]"}));
    QCOMPARE(vif::encodeFields("x%2\nx", "t").error(),
             QStringLiteral("[Package|the install path %1 holds a line break]").arg("\"x%2\\nx\""));
    QCOMPARE(vif::readPackage(vif::PackageText(QByteArray("text"))).error(),
             "[Package|This is not a valid Vif file.]");

    PackageCompiler compiler;
    const NativePath source(site.root + "/x%2.lnd");
    QCOMPARE(
        compiler.AddPackFile(source, NativePath()).error(),
        QStringLiteral("[Compile|Could not add %1 to the package: no install path was chosen.]")
            .arg(quotedPath(source)));

    QCOMPARE(fileTypeLabel("x.lnd"), "[Install|File Type: Landscape]");
    QCOMPARE(fileTypeLabel("x.doc"), "[Install|Invalid file type set]");
    const auto saving = stepLayout(StepSaving);
    QVERIFY(saving);
    QCOMPARE(saving->frameCaption, "[Wizard|Saving Files2]");
    QCOMPARE(saving->pathText.value_or(QString()), "[Wizard|Files saved!]");
}

#include "test_install.moc"
