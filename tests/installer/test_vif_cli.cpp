// The grovekeep-vif command-line tool, run as a process.

#include "files/fsys.h"
#include "settings/language.h"
#include "support/files.h"
#include "support/posix.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace gk::test;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// The home folder of every run: Grovekeep's own folder for the tool (whose folder in the build
// tree is not a portable one) is its user data folder, and its options.txt is read there alone.
QTemporaryDir& scratchHome() {
    static QTemporaryDir home;
    return home;
}
QString ownOptions() { return scratchHome().filePath("data/Grovekeep/options.txt"); }
// Sets the options the tool reads: by default none but Grovekeep's folder, the scratch home.
bool setOwnOptions(const QByteArray& text = QByteArray()) {
    return putFile(ownOptions(), text.isEmpty()
                                     ? "\r\n" + QFile::encodeName(scratchHome().path()) + "/\r\n"
                                     : text);
}

// A path as the tool prints it: with this system's separators.
QByteArray shown(const QString& path) { return QDir::toNativeSeparators(path).toUtf8(); }

// Runs the tool (the test build, whose fault seam `environment` may set) in `workingFolder` (a
// scratch folder when none is given), with `input` on its standard input.
Run vifTool(const QStringList& args, const QString& workingFolder = QString(),
            const QByteArray& input = QByteArray(), const QStringList& environment = {},
            const char* tool = GK_VIF_TOOL) {
    static QTemporaryDir scratch;
    if (!QFile::exists(ownOptions()) && !setOwnOptions())
        return {};
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", scratchHome().path());
    env.insert("XDG_DATA_HOME", scratchHome().filePath("data"));
    env.insert("APPDATA", QDir::toNativeSeparators(scratchHome().filePath("data")));
    for (const QString& pair : environment)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingFolder.isEmpty() ? scratch.path() : workingFolder);
    process.start(QString::fromUtf8(tool), args);
    process.write(input);
    process.closeWriteChannel();
    // A tool that ends without reading its input breaks the pipe, and on Windows the write
    // error ends a wait early: waited for again until the process has ended or the time is up.
    const QDeadlineTimer deadline(60000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        process.waitForFinished(int(qMax<qint64>(1, deadline.remainingTime())));
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit) {
        // Said, so that a failure far away (a crash under Wine, a start that failed) can be told
        // from a wrong answer.
        qWarning("grovekeep-vif %s did not end normally: %s (exit code %#x); it said: %s",
                 qPrintable(args.join(u' ')), qPrintable(process.errorString()),
                 unsigned(process.exitCode()), process.readAllStandardError().constData());
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The one JSON document of a run's stdout; a null document, with a warning, otherwise.
QJsonDocument jsonOf(const Run& run) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not one JSON document (%s): %s", qPrintable(error.errorString()),
                 run.out.constData());
    return document;
}

// A JSON value as compact text, keys in order: what the checks below compare.
QByteArray compact(const QJsonValue& value) {
    if (value.isObject())
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

// The manual page and the completion script beside the tool's source.
QString toolFile(const char* name) {
    return QFINDTESTDATA(QStringLiteral("../../tools/grovekeep-vif/") + QLatin1String(name));
}

} // namespace

class TestVifCli : public QObject {
    Q_OBJECT
private slots:
    void usage_data();
    void usage();
    void packListExtract();
    void packFromList_data();
    void packFromList();
    void failedReadsUnderStrace_data();
    void failedReadsUnderStrace();
    void listLines_data();
    void listLines();
    void listToAFullDisk();
    void notAPackage();
    void extractRefusesUnsafeTitles();
    void install();
    void installRefusesAsAWhole();
    void optionsOfTheWorkingFolderAreNeverRead();
    void killedAtEveryChangeIsRolledBack();
    void damagedHistoryIsSaidAndKept();
    void anotherProgramIsWaitedFor();
    void historyUndoVerify();
    void optionValuesAndEndOfOptions();
    void jsonListAndRefusals();
    void jsonInstallHistoryVerify();
    void manPageCoversTheTool();
    void outputIsTheSameInEveryLanguage();
    void manPageRenders_data();
    void manPageRenders();
    void bashCompletion_data();
    void bashCompletion();
    void bashCompletionOfOperationIds();
};

void TestVifCli::usage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("text"); // on stdout for 0, on stderr otherwise
    QTest::newRow("no command") << QStringList{} << 2 << QByteArray("Usage: grovekeep-vif");
    QTest::newRow("tool help") << QStringList{"--help"} << 0 << QByteArray("install PACKAGE");
    for (const char* command : {"list", "extract", "pack", "install"})
        QTest::addRow("%s help", command)
            << QStringList{command, "--help"} << 0 << QByteArray("Usage: grovekeep-vif ") + command;
    for (const char* command : {"list", "install", "history", "verify"})
        QTest::addRow("%s help names --json", command)
            << QStringList{command, "--help"} << 0 << QByteArray("  --json ");
    QTest::newRow("install --json without --dry-run")
        << QStringList{"install", "p.vif", "--json"} << 2
        << QByteArray("--json describes what would be installed: give it with --dry-run");
    QTest::newRow("--json where there is none")
        << QStringList{"undo", "1", "--json"} << 2 << QByteArray("unknown option --json");
    QTest::newRow("unknown command")
        << QStringList{"unpack", "x.vif"} << 2 << QByteArray("unknown command unpack");
    QTest::newRow("list without package") << QStringList{"list"} << 2 << QByteArray("list takes");
    QTest::newRow("pack with a file but no path")
        << QStringList{"pack", "p.vif", "a.lnd"} << 2 << QByteArray("pairs of FILE INSTALL_PATH");
    QTest::newRow("pack with a list but a file without path")
        << QStringList{"pack", "p.vif", "--files-from", "l", "a.lnd"} << 2
        << QByteArray("pairs of FILE INSTALL_PATH");
    QTest::newRow("--files-from without a list")
        << QStringList{"pack", "p.vif", "--files-from"} << 2
        << QByteArray("--files-from needs a file (- for standard input)");
    QTest::newRow("--files-from twice")
        << QStringList{"pack", "p.vif", "--files-from", "l", "--files-from", "m"} << 2
        << QByteArray("--files-from is given twice");
    QTest::newRow("unknown option")
        << QStringList{"install", "p.vif", "--force"} << 2 << QByteArray("unknown option --force");
    QTest::newRow("option without folder") << QStringList{"install", "p.vif", "--game-folder"} << 2
                                           << QByteArray("--game-folder needs a folder");
    QTest::newRow("option with an empty value") << QStringList{"install", "p.vif", "--game-folder="}
                                                << 2 << QByteArray("--game-folder needs a folder");
    QTest::newRow("a flag with a value")
        << QStringList{"list", "p.vif", "--json=yes"} << 2 << QByteArray("--json takes no value");
    QTest::newRow("a list with an empty value")
        << QStringList{"pack", "p.vif", "--files-from="} << 2
        << QByteArray("--files-from needs a file (- for standard input)");
    QTest::newRow("an option's value cut off by --")
        << QStringList{"install", "--game-folder", "--", "p.vif"} << 2
        << QByteArray("--game-folder needs a folder");
    QTest::newRow("help after -- is a name")
        << QStringList{"list", "--", "--help"} << 1 << QByteArray("--help");
}

void TestVifCli::usage() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, text);
    const Run run = vifTool(args);
    QCOMPARE(run.code, code);
    QVERIFY2((code == 0 ? run.out : run.err).contains(text), (run.out + run.err).constData());
}

void TestVifCli::packListExtract() {
    QTemporaryDir dir;
    const QByteArray land("\0\r\n\r\xff\n", 6);
    QVERIFY(putFile(dir.filePath("src/hills.lnd"), land));
    QVERIFY(putFile(dir.filePath("src/river.txt"), "A\r\nB"));
    const QString wineTarget = dir.filePath("prefix/drive_c/Games/BW/Data/Landscape/hills.lnd");

    const QString package = dir.filePath("pack.vif");
    Run run = vifTool({"pack", package, dir.filePath("src/hills.lnd"), wineTarget,
                       dir.filePath("src/river.txt"), "C:\\BW\\Scripts\\Playgrounds\\river.txt"});
    QVERIFY2(run.code == 0, run.err.constData());
    QVERIFY(!QFile::exists(dir.filePath("Backup")));

    run = vifTool({"list", package});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray("C:\\Games\\BW\\Data\\Landscape\\hills.lnd\thills.lnd\t6\n"
                                 "C:\\BW\\Scripts\\Playgrounds\\river.txt\triver.txt\t4\n"));

    run = vifTool({"extract", package, "out"}, dir.path());
    QCOMPARE(run.code, 0);
    QCOMPARE(fileBytes(dir.filePath("out/hills.lnd")), land);
    QCOMPARE(fileBytes(dir.filePath("out/river.txt")), QByteArray("A\r\nB"));
}

// A folder whose name holds a tab, where the system allows one (Windows does not).
#ifdef Q_OS_WIN
constexpr const char* kOddFolder = "in it";
#else
constexpr const char* kOddFolder = "in\tit";
#endif

void TestVifCli::packFromList_data() {
    QTest::addColumn<QStringList>("args"); // after "pack p.vif"
    QTest::addColumn<QByteArray>("list");  // in list.txt, and on standard input for "-"
    QTest::addColumn<QByteArray>("said");  // what list prints of the package, or the refusal
    const QByteArray a = "a.lnd\tC:\\BW\\Data\\a.lnd";
    const QByteArray tab = QByteArray(kOddFolder) + "/t.lnd\tC:\\BW\\Data\\t.lnd";
    const QByteArray listed = "C:\\BW\\Data\\a.lnd\ta.lnd\t1\nC:\\BW\\Data\\t.lnd\tt.lnd\t2\n";
    const QStringList fromFile{"--files-from", "list.txt"};
    QTest::newRow("CR LF, empty lines, a tab in a folder's name")
        << fromFile << "\r\n" + a + "\r\n\n" + tab + "\n"
        << listed;
    QTest::newRow("from standard input, no line end at the end")
        << QStringList{"--files-from", "-"} << a + "\n" + tab << listed;
    QTest::newRow("after the pairs of the command line")
        << QStringList{"--files-from", "list.txt", "b.lnd", "C:\\BW\\Data\\b.lnd"} << a
        << QByteArray("C:\\BW\\Data\\b.lnd\tb.lnd\t3\nC:\\BW\\Data\\a.lnd\ta.lnd\t1\n");
    QTest::newRow("a line without a tab")
        << fromFile << a + "\nb.lnd C:\\BW\\b.lnd\n"
        << QByteArray("The list \"list.txt\", line 2: no tab separates the file from its install "
                      "path.\n");
    QTest::newRow("no file")
        << fromFile << QByteArray("\tC:\\BW\\b.lnd\n")
        << QByteArray("The list \"list.txt\", line 1: the file is missing before the tab.\n");
    QTest::newRow("no install path")
        << QStringList{"--files-from", "-"} << "\n\n" + a + "\t\r\n"
        << QByteArray("The list on standard input, line 3: the install path is missing after the "
                      "tab.\n");
    QTest::newRow("not UTF-8") << fromFile << QByteArray("a\xff.lnd\tC:\\a.lnd\n")
                               << QByteArray(
                                      "The list \"list.txt\", line 1: it is not UTF-8 text.\n");
    QTest::newRow("a file that cannot be carried")
        << fromFile << a + "\nx.lnd\tC:\\BW\\x.lnd\n"
        << QByteArray("The list \"list.txt\", line 2: Could not add \"x.lnd\" to the package: its "
                      "contents hold the marker ###Title###, which a package cannot carry.\n");
    QTest::newRow("no list") << QStringList{"--files-from", "none.txt"} << QByteArray()
                             << QByteArray("Could not read the list \"none.txt\": ");
    QTest::newRow("an empty list")
        << fromFile << QByteArray("\r\n") << QByteArray("The list names no files.\n");
    QTest::newRow("the package is one of its files")
        << QStringList{"--files-from", "list.txt", "p.vif", "C:\\BW\\p.vif"} << a
        << QByteArray("is one of the files this package carries");
}

void TestVifCli::packFromList() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, said);
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("a.lnd"), "A"));
    QVERIFY(putFile(dir.filePath(QString(kOddFolder) + "/t.lnd"), "TT"));
    QVERIFY(putFile(dir.filePath("b.lnd"), "BBB"));
    QVERIFY(putFile(dir.filePath("x.lnd"), "###Title###"));
    QVERIFY(putFile(dir.filePath("p.vif"), "old"));
    if (!args.contains("none.txt"))
        QVERIFY(putFile(dir.filePath("list.txt"), list));
    QVERIFY(putFile(dir.filePath("options.txt"), "\r\n" + QFile::encodeName(dir.path()) + "/\r\n"));
    const auto before = snapshot(dir.path());
    // Through the history of a Grovekeep folder, which lets an existing package be replaced.
    const Run run = vifTool(QStringList{"pack", "p.vif"} + args, dir.path(), list);
    if (run.code == 0) {
        QVERIFY(run.err.isEmpty());
        QCOMPARE(vifTool({"list", "p.vif"}, dir.path()).out, said);
        return;
    }
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(said) && run.err.endsWith("The package was not written.\n"),
             run.err.constData());
    QCOMPARE(withoutHistory(snapshot(dir.path())), withoutHistory(before));
}

void TestVifCli::failedReadsUnderStrace_data() {
    QTest::addColumn<QStringList>("args"); // run in a folder holding p.vif, a.lnd, b.lnd, list
    QTest::addColumn<QString>("call");     // the system call that fails
    QTest::newRow("list") << QStringList{"list", "p.vif"} << "pread64";
    QTest::newRow("extract") << QStringList{"extract", "p.vif", "out"} << "pread64";
    QTest::newRow("pack, reading the files")
        << QStringList{"pack", "out.vif", "--files-from", "list"} << "pread64";
    QTest::newRow("pack, reading the list")
        << QStringList{"pack", "out.vif", "--files-from", "list"} << "read";
}

// A read that fails, the Nth read in turn, fails the command, naming the file; it is never
// taken for the end of the file or for fewer bytes.
void TestVifCli::failedReadsUnderStrace() {
    QFETCH(QStringList, args);
    QFETCH(QString, call);
    const QString strace = QStandardPaths::findExecutable("strace");
    if (strace.isEmpty() || QProcess::execute(strace, {"-o", "/dev/null", "true"}) != 0)
        QSKIP("strace is not installed or may not trace here: failed reads were not injected");
    QTemporaryDir dir;
    QByteArray large(9000, '\0');
    for (qsizetype k = 0; k < large.size(); ++k)
        large[k] = char(k * 7 % 251);
    const QByteArray package = rawEntry("C:\\BW\\Data\\a.lnd", "a.lnd", large) +
                               rawEntry("C:\\BW\\Data\\b.lnd", "b.lnd", "BB") + "\r\n";
    QVERIFY(putFile(dir.filePath("p.vif"), package));
    QVERIFY(putFile(dir.filePath("a.lnd"), large));
    QVERIFY(putFile(dir.filePath("b.lnd"), "BB"));
    QVERIFY(
        putFile(dir.filePath("list"), "a.lnd\tC:\\BW\\Data\\a.lnd\nb.lnd\tC:\\BW\\Data\\b.lnd\n"));
    int failed = 0;
    for (int n = 1; n <= 50; ++n) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(strace,
                      QStringList{"-f", "-o", "/dev/null", "-e",
                                  QStringLiteral("inject=%1:error=EIO:when=%2").arg(call).arg(n),
                                  GK_VIF_TOOL} +
                          args);
        QVERIFY(process.waitForFinished(60000));
        const QByteArray said = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        if (process.exitCode() != 0) {
            ++failed;
            // The program may not even start when a library cannot be read.
            QVERIFY2(err.contains("error while loading shared libraries") ||
                         err.contains("Could not read "),
                     err.constData());
            QVERIFY(!QFile::exists(dir.filePath("out/b.lnd")) &&
                    !QFile::exists(dir.filePath("out.vif")));
        } else if (args[0] == "list") {
            QCOMPARE(
                said,
                QByteArray("C:\\BW\\Data\\a.lnd\ta.lnd\t9000\nC:\\BW\\Data\\b.lnd\tb.lnd\t2\n"));
        } else if (args[0] == "extract") {
            QCOMPARE(fileBytes(dir.filePath("out/a.lnd")), large);
            QCOMPARE(fileBytes(dir.filePath("out/b.lnd")), QByteArray("BB"));
        } else {
            QCOMPARE(fileBytes(dir.filePath("out.vif")), package);
        }
        QDir(dir.filePath("out")).removeRecursively();
        QFile::remove(dir.filePath("out.vif"));
    }
    QVERIFY(failed > 3); // reads of the program's files were among those that failed
}

void TestVifCli::listLines_data() {
    QTest::addColumn<QByteArray>("installPath"); // in the package, Windows-1252
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("line"); // as list prints it, UTF-8
    QTest::newRow("printable ASCII")
        << QByteArray("C:\\BW\\Data\\a b~.lnd") << QByteArray("a b~.lnd")
        << QByteArray("C:\\BW\\Data\\a b~.lnd\ta b~.lnd\t2\n");
    QTest::newRow("beyond ASCII") << QByteArray("C:\\BW\\\xc4gypten\x80.lnd")
                                  << QByteArray("\xc4.lnd")
                                  << QByteArray("C:\\BW\\Ägypten€.lnd\tÄ.lnd\t2\n");
    QTest::newRow("control characters")
        << QByteArray("C:\\BW\\a\tb.lnd") << QByteArray("\x01\x7f.lnd")
        << QByteArray("C:\\BW\\a\\tb.lnd\t\\x01\\x7f.lnd\t2\n");
}

void TestVifCli::listLines() {
    QFETCH(QByteArray, installPath);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("p.vif"), rawEntry(installPath, title, "AB") + "\r\n"));
    const Run run = vifTool({"list", dir.filePath("p.vif")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, line);
}

void TestVifCli::listToAFullDisk() {
    if (!QFile::exists("/dev/full"))
        QSKIP("this system has no /dev/full");
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("p.vif"), rawEntry("C:\\BW\\Data\\a.lnd", "a.lnd", "A") + "\r\n"));
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(GK_VIF_TOOL), {"list", dir.filePath("p.vif")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().startsWith("Could not write the list of entries: "));
}

void TestVifCli::notAPackage() {
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("map.vif"), "\r\n"));
    const QString package = dir.filePath("map.vif");
    for (const QStringList& args :
         {QStringList{"list", package}, QStringList{"install", package, "--game-folder", dir.path(),
                                                    "--manager-folder", dir.path()}}) {
        const Run run = vifTool(args);
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, QByteArray("This is not a valid Vif file.\n"));
    }
    const Run missing = vifTool({"list", dir.filePath("none.vif")});
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.err.contains("none.vif"));
    // A named pipe is refused at once, not waited on.
    if (makeFifo(dir.filePath("pipe.vif"))) {
        const Run pipe = vifTool({"list", dir.filePath("pipe.vif")});
        QCOMPARE(pipe.code, 1);
        QVERIFY(pipe.err.contains("pipe.vif"));
    }
}

void TestVifCli::extractRefusesUnsafeTitles() {
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("p.vif"), rawEntry("C:\\BW\\Data\\a.lnd", "a.lnd", "A") +
                                               rawEntry("C:\\BW\\Data\\b.lnd", "..\\b.lnd", "B") +
                                               "\r\n"));
    const Run run = vifTool({"extract", dir.filePath("p.vif"), dir.filePath("out")});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("Entry 2 (\"..\\b.lnd\")"), run.err.constData());
    QVERIFY(!QFile::exists(dir.filePath("out")));
    QVERIFY(!QFile::exists(dir.filePath("b.lnd")));
}

void TestVifCli::install() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "old"));
    QVERIFY(QDir().mkpath(game + "Scripts/Playgrounds") && QDir().mkpath(dir.filePath("mgr")));
    const QByteArray binary("\0\r\xff\n", 4);
    QVERIFY(putFile(dir.filePath("p.vif"),
                    rawEntry("C:\\X\\Data\\Landscape\\hills.lnd", "hills.lnd", binary) +
                        rawEntry("C:\\X\\Scripts\\Playgrounds\\river.txt", "river.txt", "R") +
                        "\r\n"));
    const QByteArray lines = "replace " + shown(game + "Data/Landscape/hills.lnd") + "\nadd " +
                             shown(game + "Scripts/Playgrounds/river.txt") + "\n";
    // The folders come from options.txt in Grovekeep's own folder, lines 1 and 2; one in the
    // working folder is never read.
    QVERIFY(
        setOwnOptions((game + "\r\n" + dir.filePath("mgr/") + "\r\n\r\n\r\n\r\n\r\n").toUtf8()));
    QVERIFY(putFile(dir.filePath("options.txt"), "/nowhere/\r\n/nowhere/\r\n"));
    const auto before = snapshot(dir.path());

    Run run = vifTool({"install", "p.vif", "--dry-run"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(run.out, lines);
    QCOMPARE(snapshot(dir.path()), before); // no history made either

    run = vifTool({"install", "p.vif"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(run.out, lines);
    QCOMPARE(fileBytes(game + "Data/Landscape/hills.lnd"), binary);
    QCOMPARE(fileBytes(game + "Scripts/Playgrounds/river.txt"), QByteArray("R"));
    QCOMPARE(fileBytes(dir.filePath("mgr/Backup/vif/hills.lnd")), binary);
    // Installed again, every replaced file is named with the operation that installed it.
    run = vifTool({"install", "p.vif", "--dry-run"}, dir.path());
    QVERIFY2(run.out.contains("hills.lnd (installed by Package \"p.vif\" on "), run.out.data());

    // Options on the command line win over options.txt.
    QVERIFY(QDir().mkpath(dir.filePath("other/Data/Landscape")));
    run = vifTool({"install", "p.vif", "--game-folder", "other"}, dir.path());
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("refused: Entry 2 (\"river.txt\")"), run.out.constData());
    QVERIFY(!QFile::exists(dir.filePath("other/Data/Landscape/hills.lnd")));
    QVERIFY(setOwnOptions());
}

void TestVifCli::optionsOfTheWorkingFolderAreNeverRead() {
    // A download folder holding an options.txt that names the user's home as the game folder
    // and itself as Grovekeep's, and a package aimed at the home's hidden folders: nothing is
    // written anywhere, whichever tool runs there. Given the home as the game folder outright,
    // its hidden folders are still no install targets.
    QTemporaryDir dir;
    const QString home = dir.filePath("home/");
    const QString downloads = dir.filePath("home/Downloads/");
    QVERIFY(QDir().mkpath(home + ".ssh") && QDir().mkpath(home + ".config/autostart") &&
            QDir().mkpath(downloads));
    QVERIFY(putFile(downloads + "options.txt", (home + "\r\n" + downloads + "\r\n").toUtf8()));
    QVERIFY(putFile(downloads + "evil.vif",
                    rawEntry("C:\\Users\\x\\.ssh\\authorized_keys", "authorized_keys", "KEY") +
                        rawEntry("C:\\Users\\x\\.config\\autostart\\evil.desktop", "evil.desktop",
                                 "[Desktop Entry]") +
                        "\r\n"));
    const auto before = snapshot(dir.path());
    for (const char* tool : {GK_VIF_TOOL, GK_RELEASED_TOOL}) {
        Run run = vifTool({"install", "evil.vif"}, downloads, {}, {}, tool);
        QVERIFY2(run.code != 0, run.out.constData());
        QCOMPARE(snapshot(dir.path()), before);
    }
    Run run = vifTool(
        {"install", "evil.vif", "--game-folder", home, "--manager-folder", scratchHome().path()},
        downloads);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("refused: Entry 1") && run.out.contains("refused: Entry 2"),
             run.out.constData());
    QCOMPARE(snapshot(dir.path()), before);
}

void TestVifCli::installRefusesAsAWhole() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW");
    QVERIFY(QDir().mkpath(game + "/Data/Landscape") && QDir().mkpath(dir.filePath("mgr")));
    QVERIFY(putFile(dir.filePath("canary.txt"), "canary"));
    QVERIFY(putFile(dir.filePath("p.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\good.lnd", "good.lnd", "G") +
                        rawEntry("C:\\BW\\Data\\..\\..\\canary.txt", "canary.txt", "EVIL") +
                        "\r\n"));
    const auto before = snapshot(dir.path());
    const Run run = vifTool({"install", dir.filePath("p.vif"), "--game-folder", game,
                             "--manager-folder", dir.filePath("mgr")});
    QCOMPARE(run.code, 1);
    QVERIFY(run.out.startsWith("add " + shown(game + "/Data/Landscape/good.lnd") + "\n"));
    QVERIFY2(run.out.contains("refused: Entry 2 (\"canary.txt\"): the install path"),
             run.out.constData());
    QVERIFY(run.err.contains("Nothing was installed"));
    QCOMPARE(withoutHistory(snapshot(dir.path())), before);
}

void TestVifCli::killedAtEveryChangeIsRolledBack() {
    // A package that replaces a file, adds two (copies made in a folder of Grovekeep's that does
    // not exist yet): the process ends at its first change to the disk, then its second, and so
    // on to the end. Each time the next command, whatever it is, finds every file exactly as it
    // was, no temporary file left, and the operation rolled back; or it finished whole.
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr/");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "original"));
    QVERIFY(QDir().mkpath(game + "Scripts/Playgrounds") && QDir().mkpath(mgr));
    QVERIFY(putFile(dir.filePath("p.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "NEW") +
                        rawEntry("C:\\BW\\Scripts\\Playgrounds\\river.txt", "river.txt", "R") +
                        rawEntry("C:\\BW\\Data\\Landscape\\isle.lnd", "isle.lnd", "I") + "\r\n"));
    const QStringList folders{"--game-folder", game, "--manager-folder", mgr};
    const auto before = withoutHistory(snapshot(dir.path()));
    int finished = 0;
    for (int n = 1; n < 400 && !finished; ++n) {
        const Run install =
            vifTool(QStringList{"install", dir.filePath("p.vif")} + folders, QString(), {},
                    {QStringLiteral("GROVEKEEP_TEST_EXIT_AT=%1").arg(n)});
        const QString where = QStringLiteral("change %1").arg(n);
        QVERIFY2(install.code == 99 || install.code == 0, qPrintable(where + install.err));
        if (install.code == 0) {
            finished = n;
            QCOMPARE(fileBytes(game + "Data/Landscape/hills.lnd"), QByteArray("NEW"));
            break;
        }
        const Run next = vifTool(QStringList{"history"} + folders);
        QVERIFY2(next.code == 0, qPrintable(where + next.err));
        const QByteArray last = next.out.left(next.out.indexOf('\n'));
        if (last.contains("\tcomplete\t")) {
            // Ended after its last file was placed: the whole operation stands, and undoes.
            QCOMPARE(fileBytes(game + "Data/Landscape/hills.lnd"), QByteArray("NEW"));
            QCOMPARE(fileBytes(mgr + "Backup/vif/isle.lnd"), QByteArray("I"));
            const Run undo = vifTool(QStringList{"undo", "1"} + folders);
            QVERIFY2(undo.code == 0, qPrintable(where + undo.err));
        } else {
            QVERIFY2(next.out.isEmpty() || last.contains("\trolled-back\t"),
                     qPrintable(where + ": " + next.out));
        }
        const auto now = withoutHistory(snapshot(dir.path()));
        QStringList differences;
        for (const QString& key : now.keys() + before.keys()) {
            if (now.value(key, "<none>") != before.value(key, "<none>"))
                differences << key + ": " + QString::fromUtf8(now.value(key, "<none>"));
        }
        QVERIFY2(differences.isEmpty(),
                 qPrintable(where + ": " + differences.join(", ") + " / " + next.err));
        for (const QString& key : snapshot(dir.path()).keys())
            QVERIFY2(!key.contains(".~gk-") && !key.contains(QRegularExpression("History/tmp/.")),
                     qPrintable(where + ": " + key));
        QVERIFY(QDir(mgr + "History").removeRecursively()); // the next run starts afresh
        const Run intact = vifTool(QStringList{"verify", "--store"} + folders);
        QVERIFY2(intact.code == 0, qPrintable(where + intact.out));
    }
    QVERIFY2(finished > 20, qPrintable(QString::number(finished)));
}

void TestVifCli::damagedHistoryIsSaidAndKept() {
    // A damaged record is listed as unreadable, with why, by history and verify, which exit 1;
    // prune then frees nothing, since what it kept may be the only copy of a file. A kept
    // content altered on the disk is found by verify --store, and its undo changes nothing.
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr/");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "original"));
    QVERIFY(putFile(game + "Data/Landscape/isle.lnd", "island"));
    QVERIFY(QDir().mkpath(mgr));
    QVERIFY(putFile(dir.filePath("a.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "A") + "\r\n"));
    QVERIFY(putFile(dir.filePath("b.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\isle.lnd", "isle.lnd", "B") + "\r\n"));
    const QStringList folders{"--game-folder", game, "--manager-folder", mgr};
    QCOMPARE(vifTool(QStringList{"install", dir.filePath("a.vif")} + folders).code, 0);
    QCOMPARE(vifTool(QStringList{"install", dir.filePath("b.vif")} + folders).code, 0);

    QByteArray record = fileBytes(mgr + "History/operations/000001.jsonl");
    QVERIFY(putFile(mgr + "History/operations/000001.jsonl", record.replace("hills", "hi!ls")));
    Run run = vifTool(QStringList{"history"} + folders);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("1\t-\tunreadable\t-\t") && run.out.contains("2\t"),
             run.out.constData());
    run = vifTool(QStringList{"verify"} + folders);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("unreadable\t" + shown(mgr + "History/operations/000001.jsonl")),
             run.out.constData());
    const auto kept = snapshot(mgr + "History/objects");
    run = vifTool(QStringList{"prune", "--older-than", "0", "--even-installed"} + folders);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("Nothing was freed"), run.err.constData());
    QCOMPARE(snapshot(mgr + "History/objects"), kept);

    // The original of isle.lnd altered where it is kept.
    const QString sha = QCryptographicHash::hash("island", QCryptographicHash::Sha256).toHex();
    const QString object = mgr + "History/objects/" + sha.left(2) + "/" + sha;
    QVERIFY(QFile::setPermissions(object, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(putFile(object, "isXand"));
    run = vifTool(QStringList{"verify", "--store"} + folders);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("damaged\t") && run.out.contains(sha.toUtf8()), run.out.constData());
    run = vifTool(QStringList{"undo", "2"} + folders);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("damaged"), run.err.constData());
    QCOMPARE(fileBytes(game + "Data/Landscape/isle.lnd"), QByteArray("B"));
    // A kept content that became a link is not followed.
    QVERIFY(QFile::remove(object));
    GK_PLANT_LINK(dir.filePath("b.vif"), object);
    run = vifTool(QStringList{"undo", "2"} + folders);
    QCOMPARE(run.code, 1);
    QCOMPARE(fileBytes(game + "Data/Landscape/isle.lnd"), QByteArray("B"));
}

void TestVifCli::anotherProgramIsWaitedFor() {
    // Another program (this test) holds the history's lock: the tool says after a second that
    // it waits, and goes on when the other lets go.
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr/");
    QVERIFY(QDir().mkpath(game + "Data/Landscape") && QDir().mkpath(mgr));
    QVERIFY(putFile(dir.filePath("a.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\a.lnd", "a.lnd", "A") + "\r\n"));
    QVERIFY(putFile(mgr + "History/keep", "")); // a history exists, so history recovers
    auto opened = gk::fs::Folder::openRoot(gk::NativePath(mgr));
    QVERIFY(opened && opened->lockExclusive());
    std::optional<gk::fs::Folder> other(std::move(*opened));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", scratchHome().path());
    env.insert("XDG_DATA_HOME", scratchHome().filePath("data"));
    env.insert("APPDATA", QDir::toNativeSeparators(scratchHome().filePath("data")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GK_VIF_TOOL), {"install", dir.filePath("a.vif"), "--game-folder",
                                                game, "--manager-folder", mgr});
    QVERIFY(process.waitForStarted());
    QByteArray err;
    QElapsedTimer waited;
    waited.start();
    while (!err.contains("Waiting for another Grovekeep or grovekeep-vif to finish...") &&
           waited.elapsed() < 10000) {
        process.waitForReadyRead(200);
        err += process.readAllStandardError();
    }
    QVERIFY2(err.contains("Waiting for another"), err.constData());
    QVERIFY(!QFile::exists(game + "Data/Landscape/a.lnd"));
    other.reset();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(fileBytes(game + "Data/Landscape/a.lnd"), QByteArray("A"));
}

void TestVifCli::historyUndoVerify() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "original"));
    QVERIFY(QDir().mkpath(mgr));
    QVERIFY(putFile(dir.filePath("a.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "A") + "\r\n"));
    QVERIFY(putFile(dir.filePath("b.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "B") + "\r\n"));
    const QStringList folders{"--game-folder", game, "--manager-folder", mgr};
    QCOMPARE(vifTool(QStringList{"install", dir.filePath("a.vif")} + folders).code, 0);
    QCOMPARE(vifTool(QStringList{"install", dir.filePath("b.vif")} + folders).code, 0);

    Run run = vifTool({"history", "--manager-folder", mgr});
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QVERIFY(setOwnOptions((game + "\r\n" + mgr + "\r\n").toUtf8()));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("2\t") && lines[0].endsWith("\tcomplete\t2\tPackage \"b.vif\""),
             lines[0].constData());

    // Undo is refused for the earlier one, naming the later one; then newest first.
    run = vifTool({"undo", "1", "--manager-folder", mgr});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("Operation 2"), run.err.constData());
    QCOMPARE(vifTool({"undo", "2", "--manager-folder", mgr}).code, 0);
    QCOMPARE(vifTool({"undo", "1", "--manager-folder", mgr}).code, 0);
    QCOMPARE(fileBytes(game + "Data/Landscape/hills.lnd"), QByteArray("original"));

    // Verify: each file intact, changed or missing; exit 1 unless all are intact. Without an
    // id, each file against the operation that wrote it last: all as Grovekeep left them.
    run = vifTool({"verify", "--manager-folder", mgr});
    QVERIFY2(run.code == 0, run.out.constData());
    QVERIFY(!run.out.contains("changed") && !run.out.contains("missing"));
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "edited"));
    run = vifTool({"verify", "4", "--manager-folder", mgr});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains("changed\t" + shown(game + "Data/Landscape/hills.lnd")),
             run.out.constData());
    QCOMPARE(vifTool({"undo", "4", "--manager-folder", mgr}).code, 1);
    QCOMPARE(vifTool({"undo", "4", "--force", "--manager-folder", mgr}).code, 0);
    // Another game folder set: the history does not change files of the one it recorded.
    run = vifTool({"undo", "5", "--game-folder", dir.path(), "--manager-folder", mgr});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("but the game folder is now"), run.err.constData());
    QVERIFY(setOwnOptions());
    QCOMPARE(vifTool({"--version"}).out, "grovekeep-vif " + QByteArray(GK_VERSION) + "\n");
}

void TestVifCli::optionValuesAndEndOfOptions() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(QDir().mkpath(game + "Scripts/Playgrounds") && QDir().mkpath(mgr));
    // Names beginning with hyphens, which only "--" makes names; the list given after "=".
    QVERIFY(putFile(dir.filePath("--river.txt"), "A\r\nB"));
    QVERIFY(
        putFile(dir.filePath("files"), "--river.txt\tC:\\BW\\Scripts\\Playgrounds\\river.txt\n"));
    Run run = vifTool({"pack", "--files-from=files", "--manager-folder=" + mgr, "--", "--new.vif"},
                      dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    run = vifTool({"list", "--new.vif"}, dir.path());
    QCOMPARE(run.code, 2);
    QVERIFY2(run.err.contains("unknown option --new.vif"), run.err.constData());
    run = vifTool({"list", "--", "--new.vif"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(run.out, QByteArray("C:\\BW\\Scripts\\Playgrounds\\river.txt\t--river.txt\t4\n"));
    run = vifTool({"extract", "--", "--new.vif", "--out"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(fileBytes(dir.filePath("--out/--river.txt")), QByteArray("A\r\nB"));

    // Values after "=" mean what they mean as the next argument.
    const Run spaced = vifTool(
        {"install", "--new.vif", "--game-folder", game, "--manager-folder", mgr, "--dry-run"},
        dir.path());
    QVERIFY2(spaced.code == 2, spaced.err.constData()); // the package is an unknown option
    const QStringList attached{"--game-folder=" + game, "--manager-folder=" + mgr, "--dry-run",
                               "--json"};
    run = vifTool(QStringList{"install"} + attached + QStringList{"--", "--new.vif"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    const QByteArray plan = run.out;
    run = vifTool(QStringList{"install", dir.filePath("--new.vif"), "--game-folder", game,
                              "--manager-folder", mgr, "--dry-run", "--json"},
                  dir.path());
    QCOMPARE(run.code, 0);
    QCOMPARE(jsonOf(run)["entries"], jsonOf({0, plan, {}})["entries"]);
    run = vifTool({"prune", "--older-than=0", "--dry-run", "--manager-folder=" + mgr});
    QVERIFY2(run.code == 0 && run.out.startsWith("Would free"), run.err.constData());
}

void TestVifCli::jsonListAndRefusals() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(QDir().mkpath(game + "Data/Landscape") && QDir().mkpath(mgr));
    // A sound entry named beyond ASCII (Windows-1252 in the package, UTF-8 in the JSON), one
    // whose path leaves the game folder, and one cut off before its end marker.
    const QString package = dir.filePath("p.vif");
    QVERIFY(putFile(package,
                    rawEntry("C:\\BW\\Data\\Landscape\\\xc4gypten.lnd", "\xc4gypten.lnd", "AB") +
                        rawEntry("C:\\BW\\Data\\..\\..\\evil.txt", "evil.txt", "E") +
                        "###Begin_VIF###\r\n###Install###C:\\BW\\Data\\cut.lnd###/Install###\r\n"
                        "###Title###cut.lnd###/Title###\r\nC"));

    Run run = vifTool({"list", package, "--json"});
    QCOMPARE(run.code, 1);
    // Written as QJsonDocument writes an indented document, which list writes in pieces.
    QCOMPARE(run.out, jsonOf(run).toJson(QJsonDocument::Indented));
    const QJsonArray entries = jsonOf(run).array();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(compact(entries[0]),
             QString(R"({"index":1,"installPath":"C:\\BW\\Data\\Landscape\\Ägypten.lnd",)"
                     R"("size":2,"title":"Ägypten.lnd"})")
                 .toUtf8());
    QVERIFY(!entries[1].toObject().contains("problem"));
    // A broken entry is in the array with its problem, and still reported on stderr.
    const QJsonObject broken = entries[2].toObject();
    QCOMPARE(broken.value("index"), QJsonValue(3));
    const QString problem = broken.value("problem").toString();
    QVERIFY2(!problem.isEmpty() &&
                 run.err.contains(("Entry 3 (\"cut.lnd\"): " + problem + ".\n").toUtf8()),
             run.err.constData());

    // The plan names every entry; refused ones with the reason the text form gives, no target.
    const QStringList install{"install",          package, "--dry-run", "--game-folder", game,
                              "--manager-folder", mgr};
    run = vifTool(install + QStringList{"--json"});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("Nothing was installed"), run.err.constData());
    const QJsonObject plan = jsonOf(run).object();
    QCOMPARE(plan.value("installable"), QJsonValue(false));
    const QJsonArray actions = plan.value("entries").toArray();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0].toObject().value("action"), QJsonValue("add"));
    QCOMPARE(actions[0].toObject().value("target"),
             QJsonValue(QDir::toNativeSeparators(game + "Data/Landscape/Ägypten.lnd")));
    const QList<QByteArray> lines = vifTool(install).out.split('\n');
    for (int k : {1, 2}) {
        const QJsonObject entry = actions[k].toObject();
        QCOMPARE(entry.value("action"), QJsonValue("refused"));
        QVERIFY(!entry.contains("target") && !entry.contains("installedBy"));
        QCOMPARE(lines.value(k),
                 QStringLiteral("refused: Entry %1 (\"%2\"): %3.")
                     .arg(entry.value("index").toInt())
                     .arg(entry.value("title").toString(), entry.value("reason").toString())
                     .toUtf8());
    }
}

void TestVifCli::jsonInstallHistoryVerify() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "original"));
    QVERIFY(QDir().mkpath(game + "Scripts/Playgrounds") && QDir().mkpath(mgr));
    const QByteArray bytes = rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "A") +
                             rawEntry("C:\\BW\\Scripts\\Playgrounds\\river.txt", "river.txt", "R") +
                             "\r\n";
    const QString package = dir.filePath("p.vif");
    QVERIFY(putFile(package, bytes));
    const QString sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    const QStringList folders{"--game-folder", game, "--manager-folder", mgr};
    const QStringList install = QStringList{"install", package} + folders;
    const QStringList dryRun = install + QStringList{"--dry-run", "--json"};

    // Before the first installation: one file replaced, one added, none written by Grovekeep.
    Run run = vifTool(dryRun);
    QCOMPARE(run.code, 0);
    QJsonObject plan = jsonOf(run).object();
    QCOMPARE(
        compact(plan),
        compact(QJsonObject{
            {"package", QJsonObject{{"name", "p.vif"}, {"sha256", sha256}}},
            {"installable", true},
            {"entries",
             QJsonArray{QJsonObject{{"index", 1},
                                    {"action", "replace"},
                                    {"installPath", "C:\\BW\\Data\\Landscape\\hills.lnd"},
                                    {"title", "hills.lnd"},
                                    {"target",
                                     QDir::toNativeSeparators(game + "Data/Landscape/hills.lnd")}},
                        QJsonObject{{"index", 2},
                                    {"action", "add"},
                                    {"installPath", "C:\\BW\\Scripts\\Playgrounds\\river.txt"},
                                    {"title", "river.txt"},
                                    {"target", QDir::toNativeSeparators(
                                                   game + "Scripts/Playgrounds/river.txt")}}}}}));

    // Installed twice, then the second installation undone.
    QCOMPARE(vifTool(install).code, 0);
    run = vifTool(dryRun);
    QCOMPARE(vifTool(install).code, 0);
    QCOMPARE(vifTool(QStringList{"undo", "2"} + folders).code, 0);

    // History: newest first, each operation as its text line says, with what is known of it.
    const QJsonArray history =
        jsonOf(vifTool({"history", "--json", "--manager-folder", mgr})).array();
    const QList<QByteArray> lines =
        vifTool({"history", "--manager-folder", mgr}).out.trimmed().split('\n');
    QCOMPARE(history.size(), 3);
    QCOMPARE(lines.size(), 3);
    for (qsizetype k = 0; k < history.size(); ++k) {
        const QJsonObject o = history[k].toObject();
        const QList<QByteArray> fields = lines[k].split('\t');
        QCOMPARE(o.value("id").toInt(), 3 - k);
        QCOMPARE(fields.value(0).toInt(), 3 - k);
        QCOMPARE(o.value("time").toString().toUtf8(), fields.value(1));
        QCOMPARE(o.value("state").toString().toUtf8(), fields.value(2));
        QCOMPARE(o.value("files").toInt(), fields.value(3).toInt());
        QCOMPARE(o.value("what").toString().toUtf8(), fields.value(4));
        QVERIFY2(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(Z|[+-]\d\d:\d\d)$)")
                     .match(o.value("time").toString())
                     .hasMatch(),
                 qPrintable(o.value("time").toString()));
    }
    const QJsonObject undo = history[0].toObject(), second = history[1].toObject(),
                      first = history[2].toObject();
    const QJsonObject recorded{{"name", "p.vif"}, {"sha256", sha256}};
    QCOMPARE(undo.value("kind"), QJsonValue("undo"));
    QCOMPARE(undo.value("undoes"), QJsonValue(2));
    QVERIFY(!undo.contains("undoneBy") && !undo.contains("package"));
    QCOMPARE(second.value("state"), QJsonValue("undone"));
    QCOMPARE(second.value("undoneBy"), QJsonValue(3));
    QCOMPARE(compact(second.value("package")), compact(recorded));
    QCOMPARE(first.value("state"), QJsonValue("complete"));
    QCOMPARE(first.value("kind"), QJsonValue("package"));
    QCOMPARE(compact(first.value("package")), compact(recorded));
    QVERIFY(!first.contains("undoes") && !first.contains("undoneBy") && !first.contains("note"));

    // Before the second installation each file was named with the first, as history shows it.
    plan = jsonOf(run).object();
    for (const QJsonValue& entry : plan.value("entries").toArray()) {
        QCOMPARE(entry.toObject().value("action"), QJsonValue("replace"));
        QCOMPARE(compact(entry.toObject().value("installedBy")),
                 compact(QJsonObject{{"operation", 1},
                                     {"what", "Package \"p.vif\""},
                                     {"time", first.value("time")}}));
    }

    // Verify: every file intact, then one edited and one removed behind Grovekeep's back.
    run = vifTool({"verify", "--json", "--manager-folder", mgr});
    QCOMPARE(run.code, 0);
    for (const QJsonValue& file : jsonOf(run).array())
        QCOMPARE(file.toObject().value("state"), QJsonValue("intact"));
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "edited"));
    QVERIFY(QFile::remove(game + "Scripts/Playgrounds/river.txt"));
    run = vifTool({"verify", "1", "--json", "--manager-folder", mgr});
    QCOMPARE(run.code, 1);
    QStringList files;
    for (const QJsonValue& file : jsonOf(run).array())
        files << compact(file);
    files.sort();
    const auto check = [](const QString& path, const char* role, const char* state) {
        return QString(
            compact(QJsonObject{{"operation", 1},
                                {"path", QDir::toNativeSeparators(QDir::cleanPath(path))},
                                {"role", role},
                                {"state", state}}));
    };
    QCOMPARE(files, (QStringList{check(game + "Data/Landscape/hills.lnd", "target", "changed"),
                                 check(game + "Scripts/Playgrounds/river.txt", "target", "missing"),
                                 check(mgr + "/Backup/vif/hills.lnd", "copy", "intact"),
                                 check(mgr + "/Backup/vif/river.txt", "copy", "intact")}));
    // An unknown operation is an error on stderr, with nothing on stdout.
    run = vifTool({"verify", "9", "--json", "--manager-folder", mgr});
    QCOMPARE(run.code, 1);
    QVERIFY(run.out.isEmpty() && !run.err.isEmpty());
}

void TestVifCli::manPageCoversTheTool() {
    const QString path = toolFile("grovekeep-vif.1");
    QVERIFY2(!path.isEmpty(), "grovekeep-vif.1 is not beside the tool's source");
    // The page's text with its font changes and escaped hyphens undone.
    QString page = QString::fromUtf8(fileBytes(path));
    page.replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP])")))
        .remove(QStringLiteral("\\%"));

    // Each command the overview lists has a subsection of its own.
    const QString overview = QString::fromUtf8(vifTool({"--help"}).out);
    const QString listed = overview.section(QStringLiteral("Commands:\n"), 1).section("\n\n", 0, 0);
    QStringList commands;
    auto lines =
        QRegularExpression(QStringLiteral(R"(^  ([a-z]+)\b)"), QRegularExpression::MultilineOption)
            .globalMatch(listed);
    while (lines.hasNext())
        commands << lines.next().captured(1);
    QVERIFY2(commands.contains("list") && commands.contains("prune"), qPrintable(listed));
    QString help = overview;
    for (const QString& command : std::as_const(commands)) {
        QVERIFY2(page.contains(QRegularExpression(QStringLiteral("^\\.SS \"?%1\\b").arg(command),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(command));
        help += QString::fromUtf8(vifTool({command, "--help"}).out);
    }
    // Every option any help names is described in a tagged paragraph.
    auto options = QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(help);
    while (options.hasNext()) {
        const QString option = options.next().captured();
        const QRegularExpression tag(
            QStringLiteral("^\\.TP\n\\.B[IR]? %1\\b").arg(QRegularExpression::escape(option)),
            QRegularExpression::MultilineOption);
        QVERIFY2(page.contains(tag), qPrintable(option + " is not described in the manual page"));
    }
}

void TestVifCli::manPageRenders_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("groff") << "groff" << QStringList{"-man", "-Tutf8", "-ww", "-z"};
    QTest::newRow("mandoc") << "mandoc" << QStringList{"-Tlint"};
}

void TestVifCli::manPageRenders() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    if (QStandardPaths::findExecutable(program).isEmpty())
        QSKIP(qPrintable(program + " is not installed: the manual page was not checked with it"));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args << toolFile("grovekeep-vif.1"));
    QVERIFY(process.waitForFinished(60000));
    const QByteArray said = process.readAll();
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
                 said.isEmpty(),
             said.constData());
}

void TestVifCli::bashCompletion_data() {
    QTest::addColumn<bool>("withLibrary"); // sourced after bash-completion, or alone
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("expected");
    const QStringList packages{"B.VIF", "a.vif", "maps", "my map.vif"};
    const QStringList noWords;
    const struct {
        const char* name;
        QStringList words;
        QStringList expected;
    } cases[] = {
        {"command", {"ver"}, {"verify"}},
        {"every command",
         {""},
         {"--help", "--version", "extract", "history", "install", "list", "pack", "prune", "undo",
          "verify"}},
        {"install's options",
         {"install", "a.vif", "--"},
         {"--dry-run", "--game-folder", "--help", "--json", "--manager-folder"}},
        {"prune's options", {"prune", "--e"}, {"--even-installed"}},
        {"package", {"list", ""}, packages},
        {"package in a folder", {"install", "maps/"}, {"maps/x.vif"}},
        {"one package only", {"list", "a.vif", ""}, noWords},
        {"game folder", {"install", "a.vif", "--game-folder", ""}, {"maps"}},
        {"package after an option's folder", {"install", "--manager-folder", "maps", ""}, packages},
        {"extract's folder", {"extract", "a.vif", ""}, {"maps"}},
        {"a file to pack", {"pack", "new.vif", ""}, packages + QStringList{"notes.txt"}},
        {"an install path", {"pack", "new.vif", "notes.txt", ""}, noWords},
        {"pack's options",
         {"pack", "new.vif", "--"},
         {"--files-from", "--help", "--manager-folder"}},
        {"a list of files",
         {"pack", "new.vif", "--files-from", ""},
         packages + QStringList{"notes.txt"}},
        {"a file to pack after a list",
         {"pack", "new.vif", "--files-from", "notes.txt", ""},
         packages + QStringList{"notes.txt"}},
        {"days", {"prune", "--older-than", ""}, noWords},
        // Bash breaks words at "=", as in --game-folder=DIR.
        {"folder after =", {"install", "a.vif", "--game-folder", "=", "ma"}, {"maps"}},
        {"package after an option with =",
         {"install", "--manager-folder", "=", "maps", ""},
         packages},
    };
    for (const bool withLibrary : {true, false}) {
        for (const auto& c : cases) {
            QStringList expected = c.expected;
            expected.sort();
            QTest::addRow("%s, %s", withLibrary ? "bash-completion" : "alone", c.name)
                << withLibrary << QStringList{"grovekeep-vif"} + c.words << expected;
        }
    }
}

void TestVifCli::bashCompletion() {
    QFETCH(bool, withLibrary);
    QFETCH(QStringList, words);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable("bash").isEmpty())
        QSKIP("bash is not installed: the completion was not checked");
    QString library;
    for (const char* candidate : {"/usr/share/bash-completion/bash_completion",
                                  "/usr/local/share/bash-completion/bash_completion",
                                  "/opt/homebrew/share/bash-completion/bash_completion"}) {
        if (library.isEmpty() && QFile::exists(QString::fromUtf8(candidate)))
            library = QString::fromUtf8(candidate);
    }
    if (withLibrary && library.isEmpty())
        QSKIP("bash-completion is not installed: the completion was checked alone only");

    QTemporaryDir dir;
    for (const char* file : {"a.vif", "B.VIF", "my map.vif", "notes.txt", "maps/x.vif"})
        QVERIFY(putFile(dir.filePath(file), "x"));
    QProcess bash;
    bash.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("GK_LIBRARY", withLibrary ? library : QString());
    environment.insert("GK_COMPLETION", toolFile("grovekeep-vif.bash"));
    bash.setProcessEnvironment(environment);
    // Completes the last word as bash does on Tab: the words, the cursor at the line's end.
    const QString script = QStringLiteral(R"(
        if [ -n "$GK_LIBRARY" ]; then source "$GK_LIBRARY" || exit 3; fi
        source "$GK_COMPLETION" || exit 3
        complete -p grovekeep-vif >/dev/null || exit 4
        line= last=
        for w in "$@"; do
            if [ -z "$line" ]; then line=$w
            elif [ "$w" = = ] || [ "$last" = = ]; then line+=$w # no space around "="
            else line+=" $w"; fi
            last=$w
        done
        COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE=$line COMP_POINT=${#line}
        _grovekeep_vif
        for word in "${COMPREPLY[@]}"; do printf '%s\n' "$word"; done)");
    bash.start("bash", QStringList{"--norc", "--noprofile", "-c", script, "bash"} + words);
    QVERIFY(bash.waitForFinished(60000));
    QVERIFY2(bash.exitCode() == 0, bash.readAllStandardError().constData());
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
    offered.removeAll(QString());
    offered.sort();
    QCOMPARE(offered, expected);
}

// undo and verify complete the ids that 'grovekeep-vif history' lists for the folder of the
// line: undo those in force only.
void TestVifCli::bashCompletionOfOperationIds() {
    if (QStandardPaths::findExecutable("bash").isEmpty())
        QSKIP("bash is not installed: the completion was not checked");
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(QDir().mkpath(mgr) && QDir().mkpath(game + "Data/Landscape"));
    for (const char* content : {"A", "B", "C"}) {
        QVERIFY(
            putFile(dir.filePath("p.vif"),
                    rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", content) + "\r\n"));
        QCOMPARE(vifTool({"install", dir.filePath("p.vif"), "--game-folder", game,
                          "--manager-folder", mgr})
                     .code,
                 0);
    }
    QCOMPARE(vifTool({"undo", "3", "--game-folder", game, "--manager-folder", mgr}).code,
             0); // 3 undone by 4
    // The tool found as bash would find it, on the PATH.
    QVERIFY(QDir().mkpath(dir.filePath("bin")));
    QVERIFY(QFile::link(QString::fromUtf8(GK_RELEASED_TOOL), dir.filePath("bin/grovekeep-vif")));

    const struct {
        QStringList words;
        QStringList expected;
    } cases[] = {
        {{"undo", "--manager-folder", mgr, ""}, {"1", "2", "4"}},
        {{"undo", "--manager-folder", "=", mgr, ""}, {"1", "2", "4"}},
        {{"verify", "--manager-folder", mgr, ""}, {"1", "2", "3", "4"}},
        {{"verify", "--manager-folder", mgr, "3"}, {"3"}},
        {{"verify", "--store", "--manager-folder", mgr, ""}, {}},
        {{"undo", "1", "--manager-folder", mgr, ""}, {}},
        {{"undo", "--manager-folder", dir.filePath("none"), ""}, {}},
    };
    const QString library("/usr/share/bash-completion/bash_completion");
    for (const auto& c : cases) {
        for (const bool withLibrary : {false, true}) {
            if (withLibrary && !QFile::exists(library))
                continue;
            QProcess bash;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("GK_LIBRARY", withLibrary ? library : QString());
            environment.insert("PATH", dir.filePath("bin") + ":" + environment.value("PATH"));
            environment.insert("HOME", scratchHome().path());
            environment.insert("XDG_DATA_HOME", scratchHome().filePath("data"));
            environment.insert("GK_COMPLETION", toolFile("grovekeep-vif.bash"));
            bash.setProcessEnvironment(environment);
            const QString script = QStringLiteral(R"(
            if [ -n "$GK_LIBRARY" ]; then source "$GK_LIBRARY" || exit 3; fi
            source "$GK_COMPLETION" || exit 3
            line= last=
        for w in "$@"; do
            if [ -z "$line" ]; then line=$w
            elif [ "$w" = = ] || [ "$last" = = ]; then line+=$w # no space around "="
            else line+=" $w"; fi
            last=$w
        done
        COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE=$line COMP_POINT=${#line}
            _grovekeep_vif
            for word in "${COMPREPLY[@]}"; do printf '%s\n' "$word"; done)");
            bash.start("bash",
                       QStringList{"--norc", "--noprofile", "-c", script, "bash", "grovekeep-vif"} +
                           c.words);
            QVERIFY(bash.waitForFinished(60000));
            QVERIFY2(bash.exitCode() == 0, bash.readAllStandardError().constData());
            QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
            offered.removeAll(QString());
            offered.sort();
            QVERIFY2(offered == c.expected,
                     qPrintable(c.words.join(' ') + " -> " + offered.join(' ')));
        }
    }
}

// In German the tool's messages are German, but what it prints for scripts (JSON documents,
// the history's lines, the prune line) is byte for byte what it prints in English.
void TestVifCli::outputIsTheSameInEveryLanguage() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    const QString mgr = dir.filePath("mgr");
    QVERIFY(putFile(game + "Data/Landscape/hills.lnd", "original"));
    QVERIFY(QDir().mkpath(game + "Scripts/Playgrounds") && QDir().mkpath(mgr));
    const QString package = dir.filePath("p.vif");
    QVERIFY(putFile(package, rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "A") +
                                 rawEntry("C:\\Windows\\evil.dll", "evil.dll", "X") + "\r\n"));
    const QStringList folders{"--game-folder", game, "--manager-folder", mgr};
    const QString good = dir.filePath("good.vif");
    QVERIFY(
        putFile(good, rawEntry("C:\\BW\\Data\\Landscape\\hills.lnd", "hills.lnd", "B") + "\r\n"));
    QCOMPARE(vifTool(QStringList{"install", good} + folders).code, 0);
    const QStringList in[] = {{"install", package, "--dry-run", "--json"},
                              {"list", package, "--json"},
                              {"history", "--json"},
                              {"history"},
                              {"prune", "--older-than", "0", "--dry-run"}};
    for (const QStringList& args : in) {
        const QStringList with = args + (args.first() == "list" ? QStringList() : folders);
        const Run english = vifTool(with, {}, {}, {"GROVEKEEP_LANGUAGE=en"});
        const Run german = vifTool(with, {}, {}, {"GROVEKEEP_LANGUAGE=de"});
        QVERIFY2(!english.out.isEmpty(), qPrintable(args.join(' ')));
        QCOMPARE(german.out, english.out);
        QCOMPARE(german.code, english.code);
    }

    const Run german = vifTool({"frobnicate"}, {}, {}, {"GROVEKEEP_LANGUAGE=de"});
    QCOMPARE(german.code, 2);
    QVERIFY(gk::installTranslations(QStringLiteral("de")));
    const QString expected =
        QCoreApplication::translate("PackageTool", "unknown command %1.").arg("frobnicate");
    gk::installTranslations(QStringLiteral("en"));
    QVERIFY(expected != QStringLiteral("unknown command frobnicate."));
    QVERIFY2(QString::fromUtf8(german.err).contains(expected), german.err.constData());
}

QTEST_GUILESS_MAIN(TestVifCli)
#include "test_vif_cli.moc"
