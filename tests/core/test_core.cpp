#include "core/fileio.h"
#include "core/paths.h"
#include "core/text.h"
#include "platform/launch.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace gk;

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
    void bytesSurviveWriteAndRead();
    void failedWriteKeepsOldFile();
    void failuresNameFileAndReason();
};

void TestCore::nativePaths_data() {
    QTest::addColumn<QString>("composed");
    QTest::addColumn<QString>("native");
    QTest::newRow("folder + relative") << "/g/bw/" + QStringLiteral("Scripts\\Playgrounds\\a.txt")
                                       << "/g/bw/Scripts/Playgrounds/a.txt";
    QTest::newRow("doubled separator kept harmless") << "/g/bw/\\runblack.exe"
                                                     << "/g/bw//runblack.exe";
    QTest::newRow("relative") << "Help\\Help"
                              << "Help/Help";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCore::nativePaths() {
    QFETCH(QString, composed);
    QFETCH(QString, native);
    QCOMPARE(toNativePath(composed), native);
}

void TestCore::driveLettersMapIntoWinePrefix() {
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("drive_c/Games")));
    QVERIFY(QDir().mkpath(prefix.filePath("dosdevices")));
    QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
    qputenv("WINEPREFIX", prefix.path().toUtf8());
    const QString canonical = QDir(prefix.filePath("drive_c")).canonicalPath();
    QCOMPARE(toNativePath("C:\\Games\\Black & White\\runblack.exe"),
             canonical + "/Games/Black & White/runblack.exe");
    QCOMPARE(toNativePath("c:/Games"), canonical + "/Games");
    // A drive the prefix lacks stays as written.
    QCOMPARE(toNativePath("Q:\\x"), QStringLiteral("Q:/x"));
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
    if (!folder.isEmpty())
        QCOMPARE(folderWithSeparator(path), folder);
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
    QCOMPARE(winePrefixOf(path).value_or(QString()), prefix);
    QCOMPARE(windowsPathInPrefix(path).value_or(QString()), windows);
}

void TestCore::launchPlans_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("workingDir");
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
}

void TestCore::launchPlans() {
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, prefix);
    QFETCH(QString, workingDir);
    const LaunchPlan plan = planLaunch(path);
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

void TestCore::bytesSurviveWriteAndRead() {
    QTemporaryDir dir;
    QByteArray bytes("\0\r\n\r\xff\x1a###", 10);
    bytes += QByteArray(100000, '\x80');
    const QString path = dir.filePath("data.bin");
    QVERIFY(writeFileAtomic(path, bytes).ok());
    QCOMPARE(readFileBytes(path).value(), bytes);
    QCOMPARE(readFileBytes(path, 3).value(), bytes.left(3));
    QVERIFY(copyFileBytes(path, dir.filePath("copy.bin")).ok());
    QCOMPARE(readFileBytes(dir.filePath("copy.bin")).value(), bytes);
    QVERIFY(writeFileAtomic(path, QByteArray()).ok());
    QCOMPARE(readFileBytes(path).value(), QByteArray());
    QVERIFY(ensureFolder(dir.filePath("a/b/c")).ok());
    QVERIFY(folderExists(dir.filePath("a/b/c")));
}

void TestCore::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("options.txt");
    QVERIFY(writeFileAtomic(path, "old content\r\n").ok());

    // A file size limit makes the write fail half way, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = writeFileAtomic(path, QByteArray(64 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);

    QVERIFY(!status.ok());
    QVERIFY2(status.error().contains("options.txt"), qPrintable(status.error()));
    QCOMPARE(readFileBytes(path).value(), QByteArray("old content\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"options.txt"});
}

void TestCore::failuresNameFileAndReason() {
    QTemporaryDir dir;
    const Status noFolder = writeFileAtomic(dir.filePath("missing/x.txt"), "x");
    QVERIFY(!noFolder.ok());
    QVERIFY2(noFolder.error().contains("x.txt") && noFolder.error().contains("does not exist"),
             qPrintable(noFolder.error()));
    const Status isFolder = writeFileAtomic(dir.path(), "x");
    QVERIFY2(isFolder.error().contains("folder"), qPrintable(isFolder.error()));
    const auto unreadable = readFileBytes(dir.filePath("nothing.txt"));
    QVERIFY(!unreadable.ok());
    QVERIFY2(unreadable.error().contains("nothing.txt"), qPrintable(unreadable.error()));
    QVERIFY(!readFileBytes(QString()).ok());
    QVERIFY(!copyFileBytes(dir.filePath("nothing.txt"), dir.filePath("y")).ok());
    QVERIFY(!QFile::exists(dir.filePath("y")));
}

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
