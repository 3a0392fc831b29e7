// The package format: writer and reader, packages of other writers, broken packages, and
// compiling a package from files.

#include "files/store.h"
#include "installer/compile.h"
#include "installer/install.h"
#include "installer/vif.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace gk;
using namespace gk::test;

namespace {

const QString kRiverPath =
    QStringLiteral("C:\\Games\\Black & White\\Scripts\\Playgrounds\\river.txt");
const QString kHillsPath = QStringLiteral("C:\\Games\\Black & White\\Data\\Landscape\\hills.lnd");

using Entries = QList<QStringList>; // {install path, title, contents as Latin-1}

Entries entriesOf(const vif::Package& package) {
    Entries out;
    for (const vif::PackEntry& e : package.entries)
        out << QStringList{e.installPath, e.title, QString::fromLatin1(package.contentsOf(e))};
    return out;
}

} // namespace

class TestVif : public QObject {
    Q_OBJECT
private slots:
    void workedExampleBothWays();
    void contentsRoundTrip_data();
    void contentsRoundTrip();
    void otherWriters_data();
    void otherWriters();
    void brokenPackages_data();
    void brokenPackages();
    void notAPackage_data();
    void notAPackage();
    void writerRefuses_data();
    void writerRefuses();
    void installPathAsWritten_data();
    void installPathAsWritten();
    void compiledPackageInstallsByteExact();
    void compilerRefusals();
};

void TestVif::workedExampleBothWays() {
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("river.txt"), "A\r\nB"));
    QVERIFY(putFile(dir.filePath("hills.lnd"), "H"));
    PackageCompiler compiler;
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("river.txt")), NativePath(kRiverPath)).ok());
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("hills.lnd")), NativePath(kHillsPath)).ok());
    QCOMPARE(compiler.fileNames(), QStringLiteral("river.txt\r\nhills.lnd\r\n"));

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
    QCOMPARE(compiler.packageBytes().value(), expected);

    QCOMPARE(vif::CountPackEntries(expected), 2);
    const auto package = vif::readPackage(expected);
    QVERIFY(package.ok() && package->ok());
    QCOMPARE(entriesOf(*package),
             (Entries{{kRiverPath, "river.txt", "A\r\nB"}, {kHillsPath, "hills.lnd", "H"}}));
    // The reader's position after the first entry is the line end that closes its end marker.
    const vif::ReadEntry first = vif::readNextEntry(vif::PackageText(expected), 0);
    QCOMPARE(expected.mid(first.nextSearchPos - 13, 15), QByteArray("###End_VIF###\r\n"));
}

void TestVif::contentsRoundTrip_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("NUL bytes") << QByteArray("\0a\0\0", 4);
    QTest::newRow("lone CR and LF") << QByteArray("\ra\nb\r");
    QTest::newRow("leading and trailing LF") << QByteArray("\nx\n");
    QTest::newRow("only a line end") << QByteArray("\r\n");
    QTest::newRow("two line ends") << QByteArray("\r\n\r\n");
    QTest::newRow("0xFF and high bytes") << QByteArray("\xff\xfe\x80\x81\x9d");
    QTest::newRow("marker look-alikes") << QByteArray("## #Begin_VIF### ###end_vif### ###");
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QTest::newRow("every byte value") << all + all;
}

void TestVif::contentsRoundTrip() {
    QFETCH(QByteArray, contents);
    QByteArray buffer;
    QVERIFY(vif::AppendPackEntry(buffer, kHillsPath, "hills.lnd", contents).ok());
    QVERIFY(vif::AppendPackEntry(buffer, kRiverPath, "river.txt", contents).ok());
    const auto package = vif::readPackage(buffer + "\r\n");
    QVERIFY(package.ok());
    QVERIFY2(package->ok(), qPrintable(package->problems.join('\n')));
    QCOMPARE(package->entries.size(), 2);
    QCOMPARE(package->contentsOf(package->entries[0]), contents);
    QCOMPARE(package->contentsOf(package->entries[1]), contents);
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
    const auto read = vif::readPackage(package);
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
    const auto read = vif::readPackage(package);
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
    QVERIFY(!vif::isPackage(text));
    QCOMPARE(vif::CountPackEntries(text), 0);
    QCOMPARE(vif::readPackage(text).kind(), ErrorKind::NotAPackage);
    QCOMPARE(planPackageInstall(text, ComposedPath("/nowhere/")).kind(), ErrorKind::NotAPackage);
}

void TestVif::writerRefuses_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");
    for (const QByteArray& marker : vif::markers())
        QTest::addRow("contents hold %s", marker.constData())
            << kHillsPath << "hills.lnd" << QByteArray("x\r\n" + marker + "\r\ny")
            << "contents hold the marker " + QString::fromLatin1(marker);
    QTest::newRow("empty install path")
        << ""
        << "hills.lnd" << QByteArray("x") << "install path is empty";
    QTest::newRow("empty title") << kHillsPath << "" << QByteArray("x") << "title is empty";
    QTest::newRow("line break in path") << "C:\\BW\\Data\\a\nb.lnd"
                                        << "b.lnd" << QByteArray() << "holds a line break";
    QTest::newRow("line break in title")
        << kHillsPath << "a\rb" << QByteArray() << "holds a line break";
    QTest::newRow("marker in path") << "C:\\###Title###\\a.lnd"
                                    << "a.lnd" << QByteArray() << "holds the marker ###Title###";
    QTest::newRow("path runs into its end marker") << "C:\\BW\\x###/Install"
                                                   << "x" << QByteArray() << "runs into a marker";
    QTest::newRow("title forms a begin marker with its own marker")
        << kHillsPath << "Begin_VIF###" << QByteArray() << "runs into a marker";
    QTest::newRow("character outside the code page")
        << QString::fromUtf8("C:\\BW\\Data\\日本.lnd") << "a.lnd" << QByteArray() << "Windows-1252";
}

void TestVif::writerRefuses() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QByteArray buffer = rawEntry("Data\\a.lnd", "a.lnd", "A");
    const QByteArray before = buffer;
    const Status status = vif::AppendPackEntry(buffer, path, title, contents, "/src/hills.lnd");
    QCOMPARE(status.kind(), ErrorKind::Invalid);
    QVERIFY2(status.error().contains(reason) && status.error().contains("/src/hills.lnd"),
             qPrintable(status.error()));
    QCOMPARE(buffer, before);
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
    QCOMPARE(fileBytes(packagePath), compiler.packageBytes().value());
    QCOMPARE(fileBytes(manager + "Backup/vif/pack.vif"), compiler.packageBytes().value());

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

void TestVif::compilerRefusals() {
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("a.lnd"), "A"));
    QVERIFY(putFile(dir.filePath("bad.lnd"), "x\r\n###End_VIF###\r\n"));
    QVERIFY(putFile(dir.filePath("con.lnd"), "C"));
    const ComposedPath manager(dir.filePath("manager/"));
    QVERIFY(QDir().mkpath(manager.text()));

    auto store = openStore(manager);
    PackageCompiler compiler;
    const auto empty = compiler.SavePackage(*store, NativePath(dir.filePath("empty.vif")), manager);
    QCOMPARE(empty.kind(), ErrorKind::Invalid);
    QVERIFY(!QFile::exists(dir.filePath("empty.vif")));
    QVERIFY(!QFile::exists(manager.text() + "Backup/vif/empty.vif"));

    QVERIFY(!compiler
                 .AddPackFile(NativePath(dir.filePath("missing.lnd")),
                              NativePath("C:\\BW\\Data\\m.lnd"))
                 .ok());
    QVERIFY(!compiler.AddPackFile(NativePath(dir.filePath("a.lnd")), NativePath()).ok());
    QVERIFY(
        !compiler
             .AddPackFile(NativePath(dir.filePath("bad.lnd")), NativePath("C:\\BW\\Data\\bad.lnd"))
             .ok());
    QVERIFY(
        !compiler
             .AddPackFile(NativePath(dir.filePath("con.lnd")), NativePath("C:\\BW\\Data\\con.lnd"))
             .ok());
    QCOMPARE(compiler.entryCount(), 0);
    QVERIFY(compiler.fileNames().isEmpty());

    // When the copy cannot be written the package is not left behind either.
    QVERIFY(
        compiler.AddPackFile(NativePath(dir.filePath("a.lnd")), NativePath("C:\\BW\\Data\\a.lnd"))
            .ok());
    QVERIFY(QDir().mkpath(manager.text() + "Backup/vif/p.vif"));
    QVERIFY(!compiler.SavePackage(*store, NativePath(dir.filePath("p.vif")), manager).ok());
    QVERIFY(!QFile::exists(dir.filePath("p.vif")));
}

QTEST_GUILESS_MAIN(TestVif)
#include "test_vif.moc"
