// The grovekeep-vif command-line tool, run as a process.

#include "support/files.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace gk::test;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool in `workingFolder` (a scratch folder when none is given). Without an
// options.txt there, one naming that folder as Grovekeep's is written first, so that the
// tool never falls back to the options beside the program.
Run vifTool(const QStringList& args, const QString& workingFolder = QString()) {
    static QTemporaryDir scratch;
    const QString folder = workingFolder.isEmpty() ? scratch.path() : workingFolder;
    if (!QFile::exists(folder + "/options.txt") &&
        !putFile(folder + "/options.txt", "\r\n" + QFile::encodeName(folder) + "/\r\n"))
        return {};
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(GK_VIF_TOOL), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestVifCli : public QObject {
    Q_OBJECT
private slots:
    void usage_data();
    void usage();
    void packListExtract();
    void notAPackage();
    void extractRefusesUnsafeTitles();
    void install();
    void installRefusesAsAWhole();
    void killedInstallationIsRolledBack();
    void historyUndoVerify();
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
    QTest::newRow("unknown command")
        << QStringList{"unpack", "x.vif"} << 2 << QByteArray("unknown command unpack");
    QTest::newRow("list without package") << QStringList{"list"} << 2 << QByteArray("list takes");
    QTest::newRow("pack with a file but no path")
        << QStringList{"pack", "p.vif", "a.lnd"} << 2 << QByteArray("pairs of FILE INSTALL_PATH");
    QTest::newRow("unknown option")
        << QStringList{"install", "p.vif", "--force"} << 2 << QByteArray("unknown option --force");
    QTest::newRow("option without folder") << QStringList{"install", "p.vif", "--game-folder"} << 2
                                           << QByteArray("--game-folder needs a folder");
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
    const QByteArray lines = ("replace " + game + "Data/Landscape/hills.lnd\n" + "add " + game +
                              "Scripts/Playgrounds/river.txt\n")
                                 .toUtf8();
    // The folders come from options.txt in the working folder, lines 1 and 2.
    QVERIFY(putFile(dir.filePath("options.txt"),
                    (game + "\r\n" + dir.filePath("mgr/") + "\r\n\r\n\r\n\r\n\r\n").toUtf8()));
    const auto before = snapshot(dir.path());

    Run run = vifTool({"install", "p.vif", "--dry-run"}, dir.path());
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(run.out, lines);
    QCOMPARE(withoutHistory(snapshot(dir.path())), before);

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
    QVERIFY(run.out.startsWith("add " + game.toUtf8() + "/Data/Landscape/good.lnd\n"));
    QVERIFY2(run.out.contains("refused: Entry 2 (\"canary.txt\"): the install path"),
             run.out.constData());
    QVERIFY(run.err.contains("Nothing was installed"));
    QCOMPARE(withoutHistory(snapshot(dir.path())), before);
}

void TestVifCli::killedInstallationIsRolledBack() {
    QTemporaryDir dir;
    const QString game = dir.filePath("BW/");
    QVERIFY(QDir().mkpath(game + "Data/Landscape") && QDir().mkpath(dir.filePath("mgr")));
    // 120 entries of 256 KiB; every other one replaces a file the game has.
    QByteArray package;
    for (int n = 0; n < 120; ++n) {
        const QByteArray name = "land" + QByteArray::number(n) + ".lnd";
        package += rawEntry("C:\\BW\\Data\\Landscape\\" + name, name,
                            QByteArray(256 * 1024, char('a' + n % 26)));
        if (n % 2)
            QVERIFY(putFile(game + "Data/Landscape/" + name, "original " + name));
    }
    QVERIFY(putFile(dir.filePath("big.vif"), package + "\r\n"));
    const auto before = snapshot(game);
    const QStringList install{"install", dir.filePath("big.vif"), "--game-folder",
                              game,      "--manager-folder",      dir.filePath("mgr")};

    for (const int delay : {5, 30, 60, 120, 250}) {
        QProcess process;
        process.start(QStringLiteral(GK_VIF_TOOL), install);
        QVERIFY(process.waitForStarted());
        QTest::qSleep(delay);
        process.kill();
        process.waitForFinished();
        // The next command that touches the history rolls the installation back.
        const Run history = vifTool({"history", "--manager-folder", dir.filePath("mgr")});
        QCOMPARE(history.code, 0);
        const QByteArray last = history.out.left(history.out.indexOf('\n'));
        if (last.contains("\tcomplete\t")) { // it finished before it was killed
            QCOMPARE(vifTool({"undo", last.left(last.indexOf('\t')), "--manager-folder",
                              dir.filePath("mgr")})
                         .code,
                     0);
        } else if (!history.out.isEmpty()) {
            QVERIFY2(last.contains("\trolled-back\t"), history.out.constData());
        }
        QCOMPARE(snapshot(game), before);
        for (const QString& key : snapshot(dir.path()).keys())
            QVERIFY2(!key.contains(".~gk-") && !key.contains(QRegularExpression("History/tmp/.")),
                     qPrintable(key));
    }
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
    QVERIFY2(run.out.contains("changed\t" + game.toUtf8() + "Data/Landscape/hills.lnd"),
             run.out.constData());
    QCOMPARE(vifTool({"undo", "4", "--manager-folder", mgr}).code, 1);
    QCOMPARE(vifTool({"undo", "4", "--force", "--manager-folder", mgr}).code, 0);
    QCOMPARE(vifTool({"--version"}).out, "grovekeep-vif " + QByteArray(GK_VERSION) + "\n");
}

QTEST_GUILESS_MAIN(TestVifCli)
#include "test_vif_cli.moc"
