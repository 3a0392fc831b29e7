// The package format: writer and reader, packages of other writers, broken packages, and
// compiling a package from files.

#include "files/fsys.h"
#include "files/store.h"
#include "installer/compile.h"
#include "installer/install.h"
#include "installer/vif.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>

using namespace gk;
using namespace gk::test;

namespace {

const QString kRiverPath =
    QStringLiteral("C:\\Games\\Black & White\\Scripts\\Playgrounds\\river.txt");
const QString kHillsPath = QStringLiteral("C:\\Games\\Black & White\\Data\\Landscape\\hills.lnd");

using Entries = QList<QStringList>; // {install path, title, contents as Latin-1}

// A package read as the program reads one: from a file, here a few bytes at a time.
Result<vif::Package> readFromFile(const QByteArray& bytes) {
    static QTemporaryDir dir;
    static int files = 0;
    const QString path = dir.filePath(QStringLiteral("%1.vif").arg(++files));
    if (!putFile(path, bytes))
        return Status::failure(ErrorKind::Failed, "could not write " + path);
    vif::PackageText::setReadChunk(5);
    const auto text = vif::PackageText::open(NativePath(path));
    const auto package = text ? vif::readPackage(*text) : Result<vif::Package>(text.status());
    vif::PackageText::setReadChunk(1 << 20);
    return package;
}

Entries entriesOf(const vif::Package& package) {
    Entries out;
    for (const vif::PackEntry& e : package.entries)
        out << QStringList{e.installPath, e.title,
                           QString::fromLatin1(package.contents(e).bytes().value())};
    return out;
}

// A compiler that keeps small files in a spool in `folder`, or, without one, reads every file
// again when the package is written.
PackageCompiler compilerSpooledIn(const QString& folder) {
    return PackageCompiler(folder.isEmpty() ? NativePath() : NativePath(folder));
}

} // namespace

class TestVif : public QObject {
    Q_OBJECT
private slots:
    void workedExampleBothWays_data();
    void workedExampleBothWays();
    void compiledContents_data();
    void compiledContents();
    void otherWriters_data();
    void otherWriters();
    void brokenPackages_data();
    void brokenPackages();
    void notAPackage_data();
    void notAPackage();
    void fieldsRefused_data();
    void fieldsRefused();
    void installPathAsWritten_data();
    void installPathAsWritten();
    void compiledPackageInstallsByteExact();
    void compilerRefusals_data();
    void compilerRefusals();
    void savingRefusals();
    void failedReads_data();
    void failedReads();
    void packageShortenedWhileRead_data();
    void packageShortenedWhileRead();
};

void TestVif::workedExampleBothWays_data() {
    QTest::addColumn<bool>("spooled");
    QTest::newRow("files kept in a spool") << true;
    QTest::newRow("files read when written") << false;
}

void TestVif::workedExampleBothWays() {
    QFETCH(bool, spooled);
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("river.txt"), "A\r\nB"));
    QVERIFY(putFile(dir.filePath("hills.lnd"), "H"));
    PackageCompiler compiler = compilerSpooledIn(spooled ? dir.path() : QString());
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("river.txt")), NativePath(kRiverPath)).ok());
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("hills.lnd")), NativePath(kHillsPath)).ok());
    QCOMPARE(compiler.sources(), (QList<NativePath>{NativePath(dir.filePath("river.txt")),
                                                    NativePath(dir.filePath("hills.lnd"))}));
    // The spool leaves no file behind. (On Windows without POSIX removals its name stays until
    // the compiler closes it, and goes then, however the program ends.)
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
#ifdef Q_OS_WIN
    left.removeIf([](const QString& name) { return fs::Folder::isTemporary(name); });
#endif
    QCOMPARE(left, (QStringList{"hills.lnd", "river.txt"}));

    const QStringList lines{
        "###Begin_VIF###",
        "###Install###C:\\Games\\Black & White\\Scripts\\Playgrounds\\river.txt###/Install###",
        "###Title###river.txt###/Title###",
        "A",
        "B",
        "###End_VIF###",
        "###Begin_VIF###",
        "###Install###C:\\Games\\Black & White\\Data\\Landscape\\hills.lnd###/Install###",
        "###Title###hills.lnd###/Title###",
        "H",
        "###End_VIF###",
        ""};
    const QByteArray expected = (lines.join("\r\n") + "\r\n").toLatin1();
    QCOMPARE(compiler.packageContents().bytes().value(), expected);

    const auto package = readFromFile(expected);
    QVERIFY(package.ok() && package->ok());
    QCOMPARE(entriesOf(*package),
             (Entries{{kRiverPath, "river.txt", "A\r\nB"}, {kHillsPath, "hills.lnd", "H"}}));
}

void TestVif::compiledContents_data() {
    QTest::addColumn<QList<QByteArray>>("files"); // the contents of each file, in order
    QTest::addColumn<int>("removed");             // the entry taken out again, or -1
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QList<std::pair<const char*, QByteArray>> contents{
        {"empty", QByteArray()},
        {"NUL bytes", QByteArray("\0a\0\0", 4)},
        {"lone CR and LF", QByteArray("\ra\nb\r")},
        {"leading and trailing LF", QByteArray("\nx\n")},
        {"only a line end", QByteArray("\r\n")},
        {"two line ends", QByteArray("\r\n\r\n")},
        {"0xFF and high bytes", QByteArray("\xff\xfe\x80\x81\x9d")},
        {"marker look-alikes", QByteArray("## #Begin_VIF### ###end_vif### ###")},
        {"every byte value", all + all}};
    for (const auto& [name, bytes] : contents)
        QTest::newRow(name) << QList<QByteArray>{bytes, bytes} << -1;
    // Files beyond the spooled size are read when the package is written, between spooled ones;
    // an entry taken out leaves a gap in the spool.
    const qint64 spooled = PackageCompiler::kSpooledSize;
    QList<QByteArray> around;
    for (const qint64 size : {qint64(10), spooled, spooled + 1, qint64(5), qint64(7), spooled + 9})
        around << QByteArray(qsizetype(size), char('a' + around.size()));
    QTest::newRow("around the spooled size") << around << -1;
    QTest::newRow("one taken out of the spool") << around << 3;
    QTest::newRow("one read when written taken out") << around << 2;
    // More than the spool keeps in memory: part of it is read back from its file.
    QList<QByteArray> many;
    for (int n = 0; n < 40; ++n)
        many << QByteArray(qsizetype(spooled - n), char('A' + n % 26));
    QTest::newRow("more than the spool holds in memory") << many << 17;
}

void TestVif::compiledContents() {
    QFETCH(QList<QByteArray>, files);
    QFETCH(int, removed);
    for (const bool spooled : {true, false}) {
        QTemporaryDir dir;
        PackageCompiler compiler = compilerSpooledIn(spooled ? dir.path() : QString());
        QByteArray expected;
        Entries entries;
        for (qsizetype n = 0; n < files.size(); ++n) {
            const QString name = QStringLiteral("f%1.lnd").arg(n);
            const QString path = "C:\\BW\\Data\\Landscape\\" + name;
            QVERIFY(putFile(dir.filePath(name), files.at(n)));
            QVERIFY(compiler.AddPackFile(NativePath(dir.filePath(name)), NativePath(path)).ok());
            if (n == removed)
                continue;
            expected += rawEntry(path.toLatin1(), name.toLatin1(), files.at(n));
            entries << QStringList{path, name, QString::fromLatin1(files.at(n))};
        }
        if (removed >= 0)
            compiler.removeEntry(removed);
        const auto bytes = compiler.packageContents().bytes();
        QVERIFY2(bytes.ok(), qPrintable(bytes.error()));
        QCOMPARE(bytes.value(), expected + "\r\n");
        const auto package = readFromFile(bytes.value());
        QVERIFY(package.ok());
        QVERIFY2(package->ok(), qPrintable(package->problems.join('\n')));
        QCOMPARE(entriesOf(*package), entries);
    }
}

void TestVif::otherWriters_data() {
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<Entries>("entries");
    QTest::newRow("LF line ends") << rawEntry("C:\\BW\\Data\\a.lnd", "a.lnd", "one\ntwo", "\n") +
                                         rawEntry("C:\\BW\\Data\\b.lnd", "b.lnd", "", "\n") + "\n"
                                  << Entries{{"C:\\BW\\Data\\a.lnd", "a.lnd", "one\ntwo"},
                                             {"C:\\BW\\Data\\b.lnd", "b.lnd", ""}};
    QTest::newRow("text before the first entry")
        << "Packed by hand.\r\nInstall with care.\r\n" + rawEntry("Data\\a.lnd", "a.lnd", "A")
        << Entries{{"Data\\a.lnd", "a.lnd", "A"}};
    QTest::newRow("markers in another letter case inside contents")
        << rawEntry("Data\\a.txt", "a.txt", "###begin_vif###\r\n###END_VIF###\r\n###title###")
        << Entries{{"Data\\a.txt", "a.txt", "###begin_vif###\r\n###END_VIF###\r\n###title###"}};
    QTest::newRow("blank lines between entries, none at the end")
        << rawEntry("Data\\a.lnd", "a.lnd", "A") + "\r\n \t\r\n" +
               rawEntry("Data\\b.lnd", "b.lnd", "B").chopped(2)
        << Entries{{"Data\\a.lnd", "a.lnd", "A"}, {"Data\\b.lnd", "b.lnd", "B"}};
    QTest::newRow("Windows-1252 names")
        << rawEntry("C:\\Spiele\\Sch\xf6pfung\\Data\\\x80.lnd", "\x80.lnd", "x")
        << Entries{{QString::fromUtf8("C:\\Spiele\\Schöpfung\\Data\\€.lnd"),
                    QString::fromUtf8("€.lnd"), "x"}};
}

void TestVif::otherWriters() {
    QFETCH(QByteArray, package);
    QFETCH(Entries, entries);
    const auto read = readFromFile(package);
    QVERIFY(read.ok());
    QVERIFY2(read->ok(), qPrintable(read->problems.join('\n')));
    QCOMPARE(entriesOf(*read), entries);
}

void TestVif::brokenPackages_data() {
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<QStringList>("problems");

    const QByteArray good = rawEntry("C:\\BW\\Data\\good.lnd", "good.lnd", "G");
    const QByteArray entry = rawEntry("C:\\BW\\Data\\bad.lnd", "bad.lnd", "B");
    auto without = [&entry](const char* marker) { return QByteArray(entry).replace(marker, ""); };
    const QString next = " before the next ###Begin_VIF###.";
    QTest::newRow("no install marker")
        << good + without("###Install###") + good
        << QStringList{"Entry 2: the marker ###Install### is missing" + next};
    QTest::newRow("no install end marker")
        << good + without("###/Install###") + good
        << QStringList{"Entry 2: the marker ###/Install### is missing" + next};
    QTest::newRow("no title marker")
        << without("###Title###") + good
        << QStringList{"Entry 1 (\"C:\\BW\\Data\\bad.lnd\"): the marker ###Title### is missing" +
                       next};
    QTest::newRow("no title end marker")
        << good + without("###/Title###")
        << QStringList{"Entry 2 (\"C:\\BW\\Data\\bad.lnd\"): the marker ###/Title### is missing."};
    QTest::newRow("no end marker")
        << good + without("###End_VIF###") + good
        << QStringList{"Entry 2 (\"bad.lnd\"): the marker ###End_VIF### is missing" + next};
    QTest::newRow("no begin marker")
        << good + without("###Begin_VIF###") + good
        << QStringList{"Entry 1 (\"good.lnd\"): other text follows its end marker ###End_VIF###: "
                       "the next entry's ###Begin_VIF### is missing, or its contents hold "
                       "###End_VIF###."};
    QTest::newRow("title before install path")
        << good +
               "###Begin_VIF###\r\n###Title###bad.lnd###/Title###\r\n"
               "###Install###C:\\BW\\Data\\bad.lnd###/Install###\r\nB\r\n###End_VIF###\r\n" +
               good
        << QStringList{"Entry 2 (\"C:\\BW\\Data\\bad.lnd\"): ###Title### comes before "
                       "###Install###."};
    QTest::newRow("end marker before the title")
        << good +
               "###Begin_VIF###\r\n###Install###C:\\BW\\Data\\bad.lnd###/Install###\r\n"
               "###End_VIF###\r\n###Title###bad.lnd###/Title###\r\nB\r\n" +
               good
        << QStringList{"Entry 2 (\"bad.lnd\"): ###End_VIF### comes before ###Title###."};
    QTest::newRow("end marker inside contents")
        << rawEntry("C:\\BW\\Data\\bad.lnd", "bad.lnd", "a\r\n###End_VIF###\r\nb") + good
        << QStringList{"Entry 1 (\"bad.lnd\"): other text follows its end marker ###End_VIF###: "
                       "the next entry's ###Begin_VIF### is missing, or its contents hold "
                       "###End_VIF###."};
    QTest::newRow("title marker inside contents")
        << good + rawEntry("C:\\BW\\Data\\bad.lnd", "bad.lnd", "x###Title###y") + good
        << QStringList{"Entry 2 (\"bad.lnd\"): its contents hold the marker ###Title###."};
    QTest::newRow("begin marker inside contents")
        << good + rawEntry("C:\\BW\\Data\\bad.lnd", "bad.lnd", "x\r\n###Begin_VIF###\r\ny")
        << QStringList{"Entry 2 (\"bad.lnd\"): the marker ###End_VIF### is missing" + next,
                       "Entry 3: the marker ###Install### is missing."};
    QTest::newRow("line break in the install path")
        << good + rawEntry("C:\\BW\\Data\\\r\nbad.lnd", "bad.lnd", "B")
        << QStringList{"Entry 2 (\"bad.lnd\"): the install path holds a line break."};
    QTest::newRow("two broken entries around a sound one")
        << without("###End_VIF###") + good + without("###/Title###")
        << QStringList{"Entry 1 (\"bad.lnd\"): the marker ###End_VIF### is missing" + next,
                       "Entry 3 (\"C:\\BW\\Data\\bad.lnd\"): the marker ###/Title### is missing."};
}

void TestVif::brokenPackages() {
    QFETCH(QByteArray, package);
    QFETCH(QStringList, problems);
    const auto read = readFromFile(package);
    QVERIFY(read.ok());
    QCOMPARE(read->problems, problems);

    // Nothing of a broken package is installed, not even its sound entries.
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    QVERIFY(QDir().mkpath(game + "Data"));
    QVERIFY(QDir().mkpath(dir.filePath("manager")));
    const ComposedPath manager(dir.filePath("manager/"));
    auto store = openStore(manager);
    const auto before = snapshot(dir.path());
    const auto plan = planPackageInstall(package, ComposedPath(game));
    QVERIFY(plan.ok() && !plan->ok());
    QCOMPARE(plan->problems, problems);
    QCOMPARE(applyPackagePlan(*store, *plan, manager, {}).kind(), ErrorKind::BrokenPackage);
    QCOMPARE(snapshot(dir.path()), before);
}

void TestVif::notAPackage_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a package saved without entries") << QByteArray("\r\n");
    QTest::newRow("begin marker in another letter case")
        << rawEntry("Data\\a.lnd", "a.lnd", "A").replace("###Begin_VIF###", "###BEGIN_VIF###");
    QTest::newRow("a map") << QByteArray("// a map\r\nRUN SCRIPT\r\n");
}

void TestVif::notAPackage() {
    QFETCH(QByteArray, text);
    QCOMPARE(readFromFile(text).kind(), ErrorKind::NotAPackage);
    QCOMPARE(planPackageInstall(text, ComposedPath("/nowhere/")).kind(), ErrorKind::NotAPackage);
}

void TestVif::fieldsRefused_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty install path") << ""
                                        << "hills.lnd"
                                        << "install path is empty";
    QTest::newRow("empty title") << kHillsPath << ""
                                 << "title is empty";
    QTest::newRow("line break in path") << "C:\\BW\\Data\\a\nb.lnd"
                                        << "b.lnd"
                                        << "holds a line break";
    QTest::newRow("line break in title") << kHillsPath << "a\rb"
                                         << "holds a line break";
    QTest::newRow("marker in path") << "C:\\###Title###\\a.lnd"
                                    << "a.lnd"
                                    << "holds the marker ###Title###";
    QTest::newRow("path runs into its end marker") << "C:\\BW\\x###/Install"
                                                   << "x"
                                                   << "runs into a marker";
    QTest::newRow("title forms a begin marker with its own marker") << kHillsPath << "Begin_VIF###"
                                                                    << "runs into a marker";
    QTest::newRow("path longer than any file name")
        << "C:\\" + QString(32767, QLatin1Char('x')) << "a.lnd"
        << "install path is longer than any file name can be";
    QTest::newRow("character outside the code page")
        << QString::fromUtf8("C:\\BW\\Data\\日本.lnd") << "a.lnd"
        << "Windows-1252";
}

void TestVif::fieldsRefused() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    const auto fields = vif::encodeFields(path, title);
    QCOMPARE(fields.kind(), ErrorKind::Invalid);
    QVERIFY2(fields.error().contains(reason), qPrintable(fields.error()));
}

void TestVif::installPathAsWritten_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("Wine drive_c") << "/home/u/.wine/drive_c/Games/Black & White/Data/x.lnd"
                                  << "C:\\Games\\Black & White\\Data\\x.lnd";
    QTest::newRow("other prefix") << "/srv/bw/drive_c/BW/Scripts/Playgrounds/r.txt"
                                  << "C:\\BW\\Scripts\\Playgrounds\\r.txt";
    QTest::newRow("outside a prefix") << "/home/u/bw/Data/x.lnd"
                                      << "\\home\\u\\bw\\Data\\x.lnd";
    QTest::newRow("already Windows") << "D:\\BW\\Data\\x.lnd"
                                     << "D:\\BW\\Data\\x.lnd";
}

void TestVif::installPathAsWritten() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(PackageCompiler::packageInstallPath(NativePath(chosen)), written);
}

void TestVif::compiledPackageInstallsByteExact() {
    QTemporaryDir dir;
    const QString game = dir.filePath("game/");
    const QString manager = dir.filePath("manager/");
    QVERIFY(QDir().mkpath(game + "Data/Landscape") && QDir().mkpath(game + "Scripts/Playgrounds"));
    QVERIFY(QDir().mkpath(manager)); // no Backup\vif\ yet: saving creates it
    const QByteArray land("\0\r\r\n\n\xff\0###", 10);
    const QByteArray map("first\r\nlast\r\n");
    QVERIFY(putFile(dir.filePath("src/hills.lnd"), land));
    QVERIFY(putFile(dir.filePath("src/river.txt"), map));

    PackageCompiler compiler;
    QVERIFY(compiler
                .AddPackFile(NativePath(dir.filePath("src/hills.lnd")),
                             NativePath("C:\\Games\\BW\\Data\\Landscape\\hills.lnd"))
                .ok());
    QVERIFY(compiler
                .AddPackFile(NativePath(dir.filePath("src/river.txt")),
                             NativePath("C:\\Games\\BW\\Scripts\\Playgrounds\\river.txt"))
                .ok());
    const QString packagePath = dir.filePath("out/pack.vif");
    QVERIFY(QDir().mkpath(dir.filePath("out")));
    auto store = openStore(ComposedPath(manager));
    // Never over one of the files it carries.
    const auto overSource = compiler.SavePackage(*store, NativePath(dir.filePath("src/river.txt")),
                                                 ComposedPath(manager));
    QVERIFY(!overSource.ok());
    QVERIFY(overSource.error().contains("one of the files this package carries"));
    QCOMPARE(fileBytes(dir.filePath("src/river.txt")), map);
    const auto saved = compiler.SavePackage(*store, NativePath(packagePath), ComposedPath(manager));
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    const QByteArray bytes = compiler.packageContents().bytes().value();
    QCOMPARE(fileBytes(packagePath), bytes);
    QCOMPARE(fileBytes(manager + "Backup/vif/pack.vif"), bytes);

    // Read from the file piece by piece, the package is the same as in memory.
    vif::PackageText::setReadChunk(7);
    const auto text = vif::PackageText::open(NativePath(packagePath));
    vif::PackageText::setReadChunk(4 << 20);
    QVERIFY(text.ok());
    QCOMPARE(text->sha256(), vif::PackageText(fileBytes(packagePath)).sha256());
    const auto plan = planPackageInstall(*text, ComposedPath(game));
    QVERIFY(plan.ok() && plan->ok());
    QList<double> progress;
    QVERIFY(applyPackagePlan(*store, *plan, ComposedPath(manager), {}, [&](double v) {
                progress << v;
            }).ok());
    // By bytes written, once a file is written: rising to 100.
    QCOMPARE(progress.size(), 4);
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
    QCOMPARE(progress.constLast(), 100.0);
    QCOMPARE(fileBytes(game + "Data/Landscape/hills.lnd"), land);
    QCOMPARE(fileBytes(game + "Scripts/Playgrounds/river.txt"), map);
    QCOMPARE(fileBytes(manager + "Backup/vif/hills.lnd"), land);
    QCOMPARE(fileBytes(manager + "Backup/vif/river.txt"), map);
}

void TestVif::compilerRefusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("installPath");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("reason");
    const QString path = "C:\\BW\\Data\\x.lnd";
    for (const QByteArray& marker : {vif::BeginMarker, vif::InstallMarker, vif::InstallEndMarker,
                                     vif::TitleMarker, vif::TitleEndMarker, vif::EndMarker})
        QTest::addRow("contents hold %s", marker.constData())
            << "x.lnd" << QByteArray("x\r\n" + marker + "\r\ny") << path << ErrorKind::Invalid
            << "contents hold the marker " + QString::fromLatin1(marker);
    // Beyond the spooled size a file is read piece by piece: a marker across two pieces.
    QByteArray large(qsizetype(PackageCompiler::kSpooledSize + 100), 'x');
    large.replace(PackageCompiler::kSpooledSize - 4, vif::EndMarker.size(), vif::EndMarker);
    QTest::newRow("a large file holds a marker across two pieces")
        << "x.lnd" << large << path << ErrorKind::Invalid
        << "contents hold the marker ###End_VIF###";
    QTest::newRow("missing file") << "missing.lnd" << QByteArray() << path << ErrorKind::NotFound
                                  << "missing.lnd";
    QTest::newRow("no install path")
        << "x.lnd" << QByteArray("A") << "" << ErrorKind::Invalid << "no install path was chosen";
    QTest::newRow("a device name") << "con.lnd" << QByteArray("C") << path << ErrorKind::UnsafePath
                                   << "cannot be used as a file name on Windows";
    QTest::newRow("an install path the game's code page cannot write")
        << "x.lnd" << QByteArray("A") << QString::fromUtf8("C:\\BW\\日本.lnd") << ErrorKind::Invalid
        << "Windows-1252";
}

void TestVif::compilerRefusals() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, installPath);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, reason);
    vif::PackageText::setReadChunk(PackageCompiler::kSpooledSize);
    for (const bool spooled : {true, false}) {
        QTemporaryDir dir;
#ifdef Q_OS_WIN
        if (name.startsWith("con."))
            QSKIP("Windows keeps that name for a device: no file can have it.");
#endif
        if (name != "missing.lnd")
            QVERIFY(putFile(dir.filePath(name), contents));
        QVERIFY(putFile(dir.filePath("a.lnd"), "A"));
        PackageCompiler compiler = compilerSpooledIn(spooled ? dir.path() : QString());
        QVERIFY(
            compiler.AddPackFile(NativePath(dir.filePath("a.lnd")), NativePath("C:\\BW\\a")).ok());
        const Status added =
            compiler.AddPackFile(NativePath(dir.filePath(name)), NativePath(installPath));
        QCOMPARE(added.kind(), kind);
        QVERIFY2(added.error().contains(reason) &&
                     added.error().contains(QDir::toNativeSeparators(dir.filePath(name))),
                 qPrintable(added.error()));
        // Nothing of it is in the package.
        QCOMPARE(compiler.entryCount(), 1);
        QCOMPARE(compiler.packageContents().bytes().value(),
                 rawEntry("C:\\BW\\a", "a.lnd", "A") + "\r\n");
    }
    vif::PackageText::setReadChunk(1 << 20);
}

void TestVif::savingRefusals() {
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("a.lnd"), "A"));
    const ComposedPath manager(dir.filePath("manager/"));
    QVERIFY(QDir().mkpath(manager.text()));
    auto store = openStore(manager);
    PackageCompiler compiler;
    const auto empty = compiler.SavePackage(*store, NativePath(dir.filePath("empty.vif")), manager);
    QCOMPARE(empty.kind(), ErrorKind::Invalid);
    QVERIFY(!QFile::exists(dir.filePath("empty.vif")));
    QVERIFY(!QFile::exists(manager.text() + "Backup/vif/empty.vif"));

    // When the copy cannot be written the package is not left behind either.
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("a.lnd")), NativePath("C:\\BW\\Data\\a.lnd"))
            .ok());
    QVERIFY(QDir().mkpath(manager.text() + "Backup/vif/p.vif"));
    QVERIFY(!compiler.SavePackage(*store, NativePath(dir.filePath("p.vif")), manager).ok());
    QVERIFY(!QFile::exists(dir.filePath("p.vif")));
}

// What a package file gives, as one line a fact: its entries, its problems, its SHA-256.
QStringList readBack(const vif::Package& package) {
    QStringList out = package.problems;
    for (const QStringList& entry : entriesOf(package))
        out << entry.join('|');
    return out << package.text.sha256();
}

void TestVif::failedReads_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("reading a package") << "read";
    QTest::newRow("planning an installation") << "plan";
    QTest::newRow("adding small files to a spool") << "spool";
    QTest::newRow("adding files read when written") << "add";
}

// Each read in turn fails: the operation fails with that failure, naming the file, or, once
// the failing read is beyond the last one, gives what it gives without a fault. A failed read
// is never taken for the end of the file or for fewer bytes.
void TestVif::failedReads() {
    QFETCH(QString, what);
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    QVERIFY(QDir().mkpath(game + "Data/Landscape"));
    QByteArray bytes;
    for (int n = 0; n < 3; ++n) {
        const QByteArray name = "land" + QByteArray::number(n) + ".lnd";
        QVERIFY(putFile(dir.filePath(name), QByteArray(100 + 50 * n, char('a' + n))));
        bytes += rawEntry("C:\\BW\\Data\\Landscape\\" + name, name,
                          QByteArray(100 + 50 * n, char('a' + n)));
    }
    const QString package = dir.filePath("p.vif");
    QVERIFY(putFile(package, bytes + "\r\n"));

    // What one run gives, or its failure; `file` names the file read. The contents themselves
    // are read when they are written (and checked there): here after the faults are off.
    auto run = [&](QString& file) -> Result<QStringList> {
        if (what == "read" || what == "plan") {
            file = package;
            const auto text = vif::PackageText::open(NativePath(package));
            if (!text)
                return text.status();
            if (what == "plan") {
                const auto plan = planPackageInstall(*text, ComposedPath(game));
                if (!plan)
                    return plan.status();
                fs::faults::reset();
                QStringList out = plan->problems;
                for (const EntryAction& entry : plan->entries) {
                    const auto bytes = plan->contents(entry).bytes();
                    if (!bytes)
                        return bytes.status();
                    out << plan->target(entry).path().text() + '|' + QString::fromLatin1(*bytes);
                }
                return out;
            }
            const auto read = vif::readPackage(*text);
            if (!read)
                return read.status();
            fs::faults::reset();
            return readBack(*read);
        }
        PackageCompiler compiler = compilerSpooledIn(what == "spool" ? dir.path() : QString());
        for (int n = 0; n < 3; ++n) {
            file = dir.filePath(QStringLiteral("land%1.lnd").arg(n));
            const Status added = compiler.AddPackFile(
                NativePath(file),
                NativePath(QStringLiteral("C:\\BW\\Data\\Landscape\\land%1.lnd").arg(n)));
            if (!added)
                return added;
        }
        fs::faults::reset();
        return QStringList{QString::fromLatin1(compiler.packageContents().bytes().value())};
    };

    vif::PackageText::setReadChunk(64); // many reads
    QString file;
    const auto expected = run(file);
    QVERIFY2(expected.ok(), qPrintable(expected.error()));
    int n = 1;
    for (;; ++n) {
        fs::faults::failAt(n, EACCES, fs::faults::Reads);
        const auto got = run(file);
        if (got.ok()) {
            QCOMPARE(got.value().join("\n"), expected.value().join("\n"));
            break;
        }
        QCOMPARE(got.kind(), ErrorKind::AccessDenied);
        QVERIFY2(
            got.error().startsWith("Could not read \"" + QDir::toNativeSeparators(file) + "\""),
            qPrintable(got.error()));
    }
    fs::faults::reset();
    vif::PackageText::setReadChunk(1 << 20);
    QVERIFY2(n > 3, qPrintable(QString::number(n))); // the reads were many
}

void TestVif::packageShortenedWhileRead_data() {
    QTest::addColumn<int>("cut"); // bytes taken off the end after the package was opened
    QTest::newRow("by one byte") << 1;
    QTest::newRow("by half") << 300;
    QTest::newRow("to nothing") << 600;
}

void TestVif::packageShortenedWhileRead() {
    QFETCH(int, cut);
    QTemporaryDir dir;
    QByteArray bytes;
    for (int n = 0; n < 3; ++n)
        bytes += rawEntry("C:\\BW\\Data\\a.lnd", "a.lnd", QByteArray(150, 'a'));
    bytes += "\r\n";
    QVERIFY(bytes.size() >= 600);
    const QString path = dir.filePath("p.vif");
    QVERIFY(putFile(path, bytes));
    const auto text = vif::PackageText::open(NativePath(path));
    QVERIFY(text.ok());
    QVERIFY(QFile::resize(path, bytes.size() - cut));
    const auto package = vif::readPackage(*text);
    QVERIFY(!package.ok());
    QVERIFY2(
        package.error().startsWith("Could not read \"" + QDir::toNativeSeparators(path) + "\""),
        qPrintable(package.error()));
}

QTEST_GUILESS_MAIN(TestVif)
#include "test_vif.moc"
