// The core's base: paths of both kinds, reading bytes, the game's code page, line ends and
// program starts.

#include "base/fileio.h"
#include "base/paths.h"
#include "base/places.h"
#include "base/text.h"
#include "files/fsys.h"
#include "settings/options.h"
#include "support/files.h"
#include "support/posix.h"
#include "system/filter.h"
#include "system/gamesearch.h"
#include "system/launch.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace gk;
using namespace gk::test;

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void nativePaths_data();
    void nativePaths();
    void driveLettersMapIntoWinePrefix();
    void nameParts_data();
    void nameParts();
    void winePrefixes_data();
    void winePrefixes();
    void launchPlans_data();
    void launchPlans();
    void filters_data();
    void filters();
    void codePageRoundTripsEveryByte();
    void codePageEncodingReportsLoss();
    void lineSplitting_data();
    void lineSplitting();
    void bytesSurviveReading();
    void readsAtAPlaceLeaveWritesWhereTheyWere();
    void fileTimesAreTheClocks();
    void readFailuresHaveKinds();
    void portableAndInstalledLayouts();
    void wineEnvironment();
    void gameIsFoundInTheWinePrefix();
    void gameIsFoundOnWindows();
};

void TestCore::nativePaths_data() {
    QTest::addColumn<QString>("composed");
    QTest::addColumn<QString>("native");
#ifdef Q_OS_WIN
    // Windows takes a composed path as it is, with its own separators.
    QTest::newRow("folder + relative") << "C:/g/bw/" + QStringLiteral("Scripts\\Playgrounds\\a.txt")
                                       << "C:\\g\\bw\\Scripts\\Playgrounds\\a.txt";
    QTest::newRow("doubled separator kept harmless") << "C:\\g\\bw\\\\runblack.exe"
                                                     << "C:\\g\\bw\\\\runblack.exe";
    QTest::newRow("relative") << "Help/Help"
                              << "Help\\Help";
#else
    QTest::newRow("folder + relative") << "/g/bw/" + QStringLiteral("Scripts\\Playgrounds\\a.txt")
                                       << "/g/bw/Scripts/Playgrounds/a.txt";
    QTest::newRow("doubled separator kept harmless") << "/g/bw/\\runblack.exe"
                                                     << "/g/bw//runblack.exe";
    QTest::newRow("relative") << "Help\\Help"
                              << "Help/Help";
#endif
    QTest::newRow("empty") << ""
                           << "";
}

void TestCore::nativePaths() {
    QFETCH(QString, composed);
    QFETCH(QString, native);
    QCOMPARE(ComposedPath(composed).native().text(), native);
    // What people are shown has one separator where the value had two; a network share's
    // leading pair stays.
    const QString doubled = QDir::separator() + QString(QDir::separator());
    QVERIFY2(!ComposedPath(composed).shown().mid(1).contains(doubled),
             qPrintable(ComposedPath(composed).shown()));
    QCOMPARE(NativePath(QDir::toNativeSeparators("//server/share//x")).shown(),
             QDir::toNativeSeparators("//server/share/x"));
}

void TestCore::driveLettersMapIntoWinePrefix() {
#ifndef Q_OS_UNIX
    QSKIP("Wine prefixes are where Linux keeps the game; Windows runs it where it is.");
#endif
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("drive_c/Games")));
    QVERIFY(QDir().mkpath(prefix.filePath("dosdevices")));
    QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
    qputenv("WINEPREFIX", prefix.path().toUtf8());
    const QString canonical = QDir(prefix.filePath("drive_c")).canonicalPath();
    auto native = [](const char* composed) { return ComposedPath(composed).native().text(); };
    QCOMPARE(native("C:\\Games\\Black & White\\runblack.exe"),
             canonical + "/Games/Black & White/runblack.exe");
    QCOMPARE(native("c:/Games"), canonical + "/Games");
    // A drive the prefix lacks stays as written.
    QCOMPARE(native("Q:\\x"), QStringLiteral("Q:/x"));
    qunsetenv("WINEPREFIX");
}

void TestCore::nameParts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("bare");
    QTest::addColumn<QString>("folder");
    QTest::newRow("windows") << "C:\\Maps\\river.txt"
                             << "river.txt"
                             << "C:\\Maps\\";
    QTest::newRow("posix") << "/home/u/river.txt"
                           << "river.txt"
                           << "/home/u/";
    QTest::newRow("mixed") << "/home/u\\x/y\\river.txt"
                           << "river.txt"
                           << "/home/u\\x/y\\";
    QTest::newRow("no separator") << "river.txt"
                                  << "river.txt"
                                  << "";
    QTest::newRow("trailing separator") << "C:\\Maps\\"
                                        << ""
                                        << "C:\\Maps\\";
}

void TestCore::nameParts() {
    QFETCH(QString, path);
    QFETCH(QString, bare);
    QFETCH(QString, folder);
    QCOMPARE(bareFileName(path), bare);
    QCOMPARE(folderPart(path), folder);
    QCOMPARE(NativePath(path).fileName(), bare);
    if (!folder.isEmpty())
        QCOMPARE(NativePath(path).folder().text(), folder);
}

void TestCore::winePrefixes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("windows");
    QTest::newRow("default prefix") << "/home/u/.wine/drive_c/Games/BW/runblack.exe"
                                    << "/home/u/.wine"
                                    << "C:\\Games\\BW\\runblack.exe";
    QTest::newRow("named prefix") << "/srv/bw-prefix/drive_c/x.lnd"
                                  << "/srv/bw-prefix"
                                  << "C:\\x.lnd";
    QTest::newRow("drive_c itself") << "/p/drive_c"
                                    << "/p"
                                    << "C:\\";
    QTest::newRow("not a prefix") << "/home/u/games/drive_cx/a"
                                  << ""
                                  << "";
    QTest::newRow("plain") << "/usr/bin/editor"
                           << ""
                           << "";
}

void TestCore::winePrefixes() {
    QFETCH(QString, path);
    QFETCH(QString, prefix);
    QFETCH(QString, windows);
    QCOMPARE(winePrefixOf(NativePath(path)).value_or(NativePath()).text(), prefix);
    QCOMPARE(windowsPathInPrefix(NativePath(path)).value_or(QString()), windows);
}

void TestCore::launchPlans_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("workingDir");
#ifdef Q_OS_WIN
    // Windows starts the game and the editors itself, in their own folders.
    QTest::newRow("game, doubled separator") << "C:/Games/BW/\\runblack.exe"
                                             << "C:\\Games\\BW\\runblack.exe" << QStringList{} << ""
                                             << "C:/Games/BW";
    QTest::newRow("editor, capital suffix") << "D:\\tools\\Edit.EXE"
                                            << "D:\\tools\\Edit.EXE" << QStringList{} << ""
                                            << "D:/tools";
#else
    QTest::newRow("game in prefix, doubled separator")
        << "/home/u/.wine/drive_c/BW/\\runblack.exe"
        << "wine" << QStringList{"/home/u/.wine/drive_c/BW/runblack.exe"} << "/home/u/.wine"
        << "/home/u/.wine/drive_c/BW";
    QTest::newRow("exe outside a prefix, capital suffix")
        << "/opt/tools/Edit.EXE"
        << "wine" << QStringList{"/opt/tools/Edit.EXE"} << ""
        << "/opt/tools";
    QTest::newRow("native program") << "/usr/bin/gimp"
                                    << "/usr/bin/gimp" << QStringList{} << ""
                                    << "/usr/bin";
#endif
}

void TestCore::launchPlans() {
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, prefix);
    QFETCH(QString, workingDir);
    // Programs are named as the settings compose them (GameFolder + "\\runblack.exe").
    const LaunchPlan plan = planLaunch(ComposedPath(path).native());
    QCOMPARE(plan.program, program);
    QCOMPARE(plan.arguments, arguments);
    QCOMPARE(plan.winePrefix, prefix);
    QCOMPARE(plan.workingDirectory, workingDir);
}

void TestCore::filters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("pattern already in description") << "Black and White (runblack.exe)|runblack.exe"
                                                    << "Black and White (runblack.exe)";
    QTest::newRow("two entries") << "exeFiles (*.exe)|*.exe|All files (*)|*"
                                 << "exeFiles (*.exe);;All files (*)";
    QTest::newRow("description without pattern") << "Maps|*.txt"
                                                 << "Maps (*.txt)";
    QTest::newRow("several patterns") << "Pictures|*.bmp;*.gif"
                                      << "Pictures (*.bmp *.gif)";
    QTest::newRow("none") << ""
                          << "";
}

void TestCore::filters() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(toQtFilter(filter), qt);
}

void TestCore::codePageRoundTripsEveryByte() {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
    QCOMPARE(text.at(0xE9), QChar(0xE9));
    const EncodedText back = encodeWindows1252(text);
    QVERIFY(back.lossless);
    QCOMPARE(back.bytes, all);
    // The same as the system's converter, where there is one (ICU; Qt for Windows has none).
    QStringDecoder system("windows-1252");
    if (system.isValid())
        QCOMPARE(text, QString(system.decode(all)));
}

void TestCore::codePageEncodingReportsLoss() {
    const EncodedText out = encodeWindows1252(QString::fromUtf8("a\u20AC\u65E5\U0001F333b"));
    QVERIFY(!out.lossless);
    QCOMPARE(out.bytes, QByteArray("a\x80??b"));
}

void TestCore::lineSplitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lf") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("cr") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("lf cr is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty lines") << "\r\n\r\n" << QStringList{"", ""};
}

void TestCore::lineSplitting() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TestCore::bytesSurviveReading() {
    QTemporaryDir dir;
    QByteArray bytes("\0\r\n\r\xff\x1a###", 10);
    bytes += QByteArray(100000, '\x80');
    const NativePath path(dir.filePath("data.bin"));
    QVERIFY(putFile(path.text(), bytes));
    QCOMPARE(readFileBytes(path).value(), bytes);
    QCOMPARE(readFileBytes(path, 3).value(), bytes.left(3));
    QVERIFY(putFile(path.text(), QByteArray()));
    QCOMPARE(readFileBytes(path).value(), QByteArray());
}

void TestCore::readsAtAPlaceLeaveWritesWhereTheyWere() {
    // A read at an offset does not move where the next write goes (Windows' positioned reads
    // move it unless put back).
    QTemporaryDir dir;
    auto folder = fs::Folder::openRoot(NativePath(dir.path()));
    QVERIFY(folder);
    auto file = folder->createExclusive(QStringLiteral("f"), 0644);
    QVERIFY(file);
    QVERIFY(file->write("abcd", 4));
    char first[2] = {};
    QVERIFY(file->readExactly(first, 2, 0));
    QCOMPARE(QByteArray(first, 2), QByteArray("ab"));
    QVERIFY(file->write("ef", 2));
    QVERIFY(file->close());
    QCOMPARE(fileBytes(dir.filePath("f")), QByteArray("abcdef"));
}

void TestCore::fileTimesAreTheClocks() {
    // A file's times are on the clock's scale (nanoseconds since 1970) on every system: the
    // history compares them with the clock.
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("f"), "x"));
    auto folder = fs::Folder::openRoot(NativePath(dir.path()));
    QVERIFY(folder);
    const auto info = folder->stat(QStringLiteral("f"));
    QVERIFY(info);
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    constexpr qint64 kDay = 86'400'000'000'000;
    QVERIFY2(qAbs(info->modified - now) < kDay, qPrintable(QString::number(info->modified)));
    QVERIFY2(qAbs(info->changed - now) < kDay, qPrintable(QString::number(info->changed)));
}

void TestCore::readFailuresHaveKinds() {
    QTemporaryDir dir;
    const auto missing = readFileBytes(NativePath(dir.filePath("nothing.txt")));
    QCOMPARE(missing.kind(), ErrorKind::NotFound);
    QVERIFY2(missing.error().contains("nothing.txt"), qPrintable(missing.error()));
    QCOMPARE(readFileBytes(NativePath(dir.path())).kind(), ErrorKind::IsFolder);
    QCOMPARE(readFileBytes(NativePath()).kind(), ErrorKind::Invalid);
    // A FIFO is refused at once instead of waiting for a writer.
    if (makeFifo(dir.filePath("fifo")))
        QCOMPARE(readFileBytes(NativePath(dir.filePath("fifo"))).kind(), ErrorKind::UnsafePath);
}

void TestCore::portableAndInstalledLayouts() {
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + "/portable");
    QDir().mkpath(root + "/prefix/bin");
    const NativePath portable(root + "/portable/");
    const NativePath bin(root + "/prefix/bin/");
#ifdef Q_OS_WIN
    qputenv("APPDATA", QDir::toNativeSeparators(root + "/data").toUtf8());
#else
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
#endif

    // Portable: the mark, or a writable folder with its options; the options are read there
    // alone: never from the working folder, never from the user's data folder.
    QVERIFY(!isPortableFolder(portable));
    QVERIFY(putFile(portable.text() + "portable", ""));
    QVERIFY(isPortableFolder(portable));
    QCOMPARE(proposedManagerFolder(portable), portable);
    QCOMPARE(settingsReadCandidates(portable), QList<NativePath>{portable.child("options.txt")});
    QFile::remove(portable.text() + "portable");
    QVERIFY(putFile(portable.text() + "options.txt", "x\r\n"));
    QVERIFY(isPortableFolder(portable));

    // Installed: the user's data folder holds them, and is proposed.
    const NativePath data(QDir::toNativeSeparators(root + "/data/Grovekeep/"));
    QCOMPARE(userDataFolder(), data);
    QCOMPARE(proposedManagerFolder(bin), data);
    QCOMPARE(settingsReadCandidates(bin), QList<NativePath>{data.child("options.txt")});

    // The help viewer and the web module: beside the program, then in their installed places;
    // the help pages beside the viewer, else in theirs.
    const QString help = executableName("Help");
    const QList<NativePath> viewers = helpViewerCandidates(ComposedPath(), bin);
    QCOMPARE(viewers.size(), 2);
    // (Compared with '/' as separator: Windows programs get paths with either.)
    auto plain = [](const NativePath& path) { return QDir::fromNativeSeparators(path.text()); };
    QCOMPARE(plain(viewers.at(0)), plain(NativePath(bin.text() + "Help/" + help)));
    QVERIFY(plain(viewers.at(1)).startsWith(root + "/prefix/"));
    const QList<NativePath> modules = webModuleCandidates(bin, "grovekeep-web");
    QCOMPARE(plain(modules.at(0)), plain(bin.child("grovekeep-web")));
    QVERIFY(plain(modules.at(1)).startsWith(root + "/prefix/"));
    QCOMPARE(plain(helpPagesFolder(portable)), plain(portable.child("HelpFiles")));
    const NativePath viewerFolder = viewers.at(1).folder();
    QDir().mkpath(helpPagesFolder(viewerFolder).text());
    QDir().mkpath(viewerFolder.text());
    QVERIFY(plain(helpPagesFolder(viewerFolder)).startsWith(root + "/prefix/"));
    qunsetenv("XDG_DATA_HOME");
}

void TestCore::wineEnvironment() {
#ifndef Q_OS_WIN
    // The prefix Wine will use: the program's own, else WINEPREFIX, else ~/.wine.
    const LaunchPlan inPrefix = planLaunch(NativePath("/home/ann/.wine/drive_c/BW/runblack.exe"));
    QCOMPARE(effectiveWinePrefix(inPrefix, "/other", "/home/ann"),
             QStringLiteral("/home/ann/.wine"));
    const LaunchPlan loose = planLaunch(NativePath("/opt/tools/editor.exe"));
    QCOMPARE(effectiveWinePrefix(loose, "/games/prefix", "/home/ann"),
             QStringLiteral("/games/prefix"));
    QCOMPARE(effectiveWinePrefix(loose, QString(), "/home/ann"), QStringLiteral("/home/ann/.wine"));
    QVERIFY(effectiveWinePrefix(planLaunch(NativePath("/usr/bin/gimp")), "/p", "/h").isEmpty());
#endif
    // Wine's own menu entries and file associations stay off; other overrides are kept.
    QCOMPARE(wineDllOverrides(QString()), QStringLiteral("winemenubuilder.exe=d"));
    QCOMPARE(wineDllOverrides("d3d9=n"), QStringLiteral("d3d9=n;winemenubuilder.exe=d"));
    QCOMPARE(wineDllOverrides("winemenubuilder.exe=n"), QStringLiteral("winemenubuilder.exe=n"));
}

void TestCore::gameIsFoundInTheWinePrefix() {
#ifndef Q_OS_UNIX
    QSKIP("Wine prefixes are where Linux keeps the game; Windows runs it where it is.");
#endif
    // The game in any letter case in the usual places, not too deep; a folder value written
    // as Windows programs see it is a game folder too.
    QTemporaryDir prefix;
    const QString game = prefix.filePath("drive_c/Program Files/Black & White");
    QVERIFY(QDir().mkpath(game));
    QVERIFY(putFile(game + "/RunBlack.EXE", "MZ"));
    const QString deep = prefix.filePath("drive_c/Games/a/b/c/d");
    QVERIFY(QDir().mkpath(deep));
    QVERIFY(putFile(deep + "/runblack.exe", "MZ"));
    QVERIFY(QDir().mkpath(prefix.filePath("dosdevices")));
    QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
    const QList<NativePath> found = findGameFolders({NativePath(prefix.path())});
    QCOMPARE(found.size(), 1);
    QVERIFY(holdsGame(found.first()));
    QVERIFY(found.first().text().endsWith(QStringLiteral("Black & White/")));
    QVERIFY(!holdsGame(NativePath(prefix.filePath("drive_c/Games"))));
    qputenv("WINEPREFIX", prefix.path().toUtf8());
    QVERIFY(holdsGame(ComposedPath("C:\\Program Files\\Black & White\\").native()));
    qunsetenv("WINEPREFIX");
}

void TestCore::gameIsFoundOnWindows() {
#ifndef Q_OS_WIN
    QSKIP("The registry and drive letters are Windows' own.");
#else
    // Uninstall entries of both hives and both views, written as installers write them; only
    // those whose folder holds the game count. The usual places of a drive are searched too.
    QTemporaryDir dir;
    const QString quoted = native(dir.filePath("Lionhead/Black & White"));
    const QString bare = native(dir.filePath("GOG/BW"));
    QVERIFY(putFile(quoted + "/RUNBLACK.EXE", "MZ"));
    QVERIFY(putFile(bare + "/runblack.exe", "MZ"));
    QVERIFY(QDir().mkpath(dir.filePath("Empty")));
    const QString uninstall = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    struct Entry {
        const char* hive;
        QSettings::Format view;
        QString location;
    };
    const QList<Entry> entries{
        {"HKEY_CURRENT_USER", QSettings::Registry64Format, '"' + quoted + '"'},
        {"HKEY_LOCAL_MACHINE", QSettings::Registry32Format, bare},
        {"HKEY_LOCAL_MACHINE", QSettings::Registry64Format, native(dir.filePath("Empty"))},
        {"HKEY_CURRENT_USER", QSettings::Registry32Format, "Lionhead\\Black & White"},
    };
    for (int k = 0; k < entries.size(); ++k) {
        QSettings key(entries[k].hive + uninstall + "GrovekeepTest" + QString::number(k),
                      entries[k].view);
        key.setValue("InstallLocation", entries[k].location);
    }
    const QList<NativePath> registered = registeredGameFolders();
    for (int k = 0; k < entries.size(); ++k)
        QSettings(entries[k].hive + uninstall, entries[k].view)
            .remove("GrovekeepTest" + QString::number(k));
    QCOMPARE(registered, (QList<NativePath>{NativePath(bare + '\\'), NativePath(quoted + '\\')}));
    QVERIFY(!registeredGameFolders().contains(registered.value(0)));

    QVERIFY(fixedDrives().contains(NativePath("C:\\")));
    const QString drive = dir.filePath("drive");
    QVERIFY(putFile(drive + "/GOG Games/Black & White/RunBlack.exe", "MZ"));
    QVERIFY(putFile(drive + "/Users/Black & White/runblack.exe", "MZ"));
    QCOMPARE(findGameFoldersOnDrives({NativePath(native(drive + '/'))}),
             QList<NativePath>{NativePath(native(drive + "/GOG Games/Black & White/"))});
#endif
}

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
