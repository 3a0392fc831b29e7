// The Wine prefixes of Wine launchers, found in a home folder laid out as each launcher leaves
// it, and the launchers' files read as untrusted input.

#include "support/files.h"
#include "support/marking.h"
#include "system/gamesearch.h"
#include "system/launch.h"
#include "system/launchers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gk;
using gk::test::putFile;

namespace {

[[maybe_unused]] void makePrefix(const QString& folder) {
    QDir().mkpath(folder + QStringLiteral("/drive_c/windows"));
    putFile(folder + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n");
}

[[maybe_unused]] void makeWine(const QString& root) {
    putFile(root + QStringLiteral("/bin/wine"), "#!/bin/sh\n");
}

[[maybe_unused]] QString describe(const WinePrefix& p, const QString& home) {
    const auto rel = [&home](const NativePath& path) {
        return path.isEmpty() ? QStringLiteral("-") : QDir(home).relativeFilePath(path.text());
    };
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(rel(p.path), p.launcher, p.wineName, rel(p.wine));
}

} // namespace

class TestLaunchers : public QObject {
    Q_OBJECT
private slots:
    void findsEveryLaunchersPrefix();
    void untrustedFilesArePassedOver();
    void notesAreTranslatedNamesAreNot();
    void readers_data();
    void readers();
};

void TestLaunchers::findsEveryLaunchersPrefix() {
#ifdef Q_OS_WIN
    QSKIP("Wine launchers keep their prefixes on Linux only");
#else
    QTemporaryDir dir;
    const QString home = dir.path();
    const auto at = [&home](const QString& relative) { return home + QLatin1Char('/') + relative; };

    makePrefix(at(".wine"));

    // Lutris, installed and as a Flatpak: a game file a game, its runner among Lutris's.
    makePrefix(at("Games/black-and-white"));
    makeWine(at(".local/share/lutris/runners/wine/wine-ge-8-26-x86_64"));
    putFile(
        at(".config/lutris/games/black-and-white-1700000000.yml"),
        "game:\n  exe: " +
            at("Games/black-and-white/drive_c/GOG Games/Black and White/runblack.exe").toUtf8() +
            "\n  prefix: " + at("Games/black-and-white").toUtf8() +
            "\n  arch: win64\nsystem:\n  env:\n    DXVK_HUD: '0'\nwine:\n  dxvk: false\n"
            "  version: wine-ge-8-26-x86_64 # the runner\n");
    putFile(at(".config/lutris/games/gimp-1700000001.yml"), "game:\n  exe: /usr/bin/gimp\n");
    makePrefix(at("Games/lionhead"));
    putFile(at(".var/app/net.lutris.Lutris/data/lutris/games/lionhead-1.yml"),
            "game:\n  args: ''\n  prefix: \"~/Games/lionhead\"\nwine:\n  version: lutris-7.2\n");

    // Bottles: each bottle a prefix; "sys-" runners are the system's wine.
    makePrefix(at(".local/share/bottles/bottles/Gaming"));
    makeWine(at(".local/share/bottles/runners/soda-7.0-9"));
    putFile(at(".local/share/bottles/bottles/Gaming/bottle.yml"),
            "Arch: win64\nCustom_Path: false\nDLL_Overrides: {}\nEnvironment: Gaming\n"
            "Environment_Variables: {}\nInstalled_Dependencies:\n- vcredist2019\n"
            "Name: Gaming\nPath: Gaming\nRunner: soda-7.0-9\nVersioning: false\n");
    makePrefix(at(".var/app/com.usebottles.bottles/data/bottles/bottles/Old-Games"));
    putFile(at(".var/app/com.usebottles.bottles/data/bottles/bottles/Old-Games/bottle.yml"),
            "Arch: win32\nName: Old Games\nRunner: sys-wine-9.0\n");

    // Heroic: a Proton build (prefix in pfx/), and a Wine build in the Flatpak.
    makePrefix(at("Games/Heroic/Prefixes/default/BW/pfx"));
    makeWine(at(".config/heroic/tools/proton/GE-Proton9-5/files"));
    putFile(
        at(".config/heroic/GamesConfig/1207658920.json"),
        "{\n  \"1207658920\": {\n    \"autoInstallDxvk\": true,\n    \"winePrefix\": \"" +
            at("Games/Heroic/Prefixes/default/BW").toUtf8() +
            "\",\n    \"wineVersion\": {\n      \"bin\": \"" +
            at(".config/heroic/tools/proton/GE-Proton9-5/proton").toUtf8() +
            "\",\n      \"name\": \"Proton - GE-Proton9-5\",\n      \"type\": \"proton\"\n    }\n"
            "  },\n  \"version\": \"v0\",\n  \"explicit\": true\n}\n");
    makePrefix(at("Games/Heroic/Prefixes/default/Creature"));
    makeWine(at(".var/app/com.heroicgameslauncher.hgl/config/heroic/tools/wine/Wine-GE-8-26"));
    putFile(at(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig/abc.json"),
            "{\"abc\": {\"winePrefix\": \"" +
                at("Games/Heroic/Prefixes/default/Creature").toUtf8() +
                "\", \"wineVersion\": {\"bin\": \"" +
                at(".var/app/com.heroicgameslauncher.hgl/config/heroic/tools/wine/Wine-GE-8-26/bin/"
                   "wine")
                    .toUtf8() +
                "\", \"name\": \"Wine - Wine-GE-8-26\", \"type\": \"wine\"}}}");

    // Steam: a second library listed in libraryfolders.vdf, a Proton prefix in it.
    putFile(
        at(".local/share/Steam/steamapps/libraryfolders.vdf"),
        "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" +
            at(".local/share/Steam").toUtf8() +
            "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1234\"\n\t\t}\n"
            "\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" +
            at("SteamLibrary").toUtf8() + "\"\n\t}\n}\n");
    const QString compat = at("SteamLibrary/steamapps/compatdata/3141592653");
    makePrefix(compat + "/pfx");
    makeWine(at(".local/share/Steam/steamapps/common/Proton 9.0 (Beta)/files"));
    putFile(compat + "/version", "9.0-203\n");
    putFile(compat + "/config_info",
            "9.0-203\n" +
                at(".local/share/Steam/steamapps/common/Proton 9.0 (Beta)/files/share/fonts/")
                    .toUtf8() +
                "\n");

    // PlayOnLinux: its own Wine builds by version and architecture.
    makePrefix(at(".PlayOnLinux/wineprefix/BlackWhite"));
    makeWine(at(".PlayOnLinux/wine/linux-x86/4.0.3"));
    putFile(at(".PlayOnLinux/wineprefix/BlackWhite/playonlinux.cfg"), "ARCH=x86\nVERSION=4.0.3\n");

    const PrefixSearch search = findWinePrefixes(home, QString());
    QStringList found;
    for (const WinePrefix& prefix : search.prefixes)
        found << describe(prefix, home);
    const QStringList expected{
        ".wine | Wine |  | -",
        "Games/black-and-white | Lutris | wine-ge-8-26-x86_64 | "
        ".local/share/lutris/runners/wine/wine-ge-8-26-x86_64/bin/wine",
        "Games/lionhead | Lutris (Flatpak) | lutris-7.2 | -",
        ".local/share/bottles/bottles/Gaming | Bottles | soda-7.0-9 | "
        ".local/share/bottles/runners/soda-7.0-9/bin/wine",
        ".var/app/com.usebottles.bottles/data/bottles/bottles/Old-Games | Bottles (Flatpak) |  | -",
        "Games/Heroic/Prefixes/default/BW/pfx | Heroic | Proton - GE-Proton9-5 | "
        ".config/heroic/tools/proton/GE-Proton9-5/files/bin/wine",
        "Games/Heroic/Prefixes/default/Creature | Heroic (Flatpak) | Wine - Wine-GE-8-26 | "
        ".var/app/com.heroicgameslauncher.hgl/config/heroic/tools/wine/Wine-GE-8-26/bin/wine",
        "SteamLibrary/steamapps/compatdata/3141592653/pfx | Steam | Proton 9.0-203 | "
        ".local/share/Steam/steamapps/common/Proton 9.0 (Beta)/files/bin/wine",
        ".PlayOnLinux/wineprefix/BlackWhite | PlayOnLinux | PlayOnLinux Wine 4.0.3 | "
        ".PlayOnLinux/wine/linux-x86/4.0.3/bin/wine",
    };
    QCOMPARE(found, expected);
    QVERIFY2(search.notes.isEmpty(), qPrintable(search.notes.join('\n')));

    // WINEPREFIX naming a launcher's prefix lists it once, as the launcher's.
    const PrefixSearch again = findWinePrefixes(home, at("Games/black-and-white/"));
    QCOMPARE(again.prefixes.size(), expected.size());
    QCOMPARE(again.prefixes.at(0).launcher, QStringLiteral("Lutris"));

    // The game: in the folder Lutris names (outside the usual places) and in a usual place of
    // the Steam prefix, each with its prefix.
    putFile(at("Games/black-and-white/drive_c/GOG Games/Black and White/RunBlack.exe"), "MZ");
    putFile(compat + "/pfx/drive_c/Program Files (x86)/Lionhead Studios/Black & White/runblack.exe",
            "MZ");
    const QList<FoundGame> games = findGameInLaunchers(home, QString());
    QCOMPARE(games.size(), 2);
    QCOMPARE(games.at(0).prefix.launcher, QStringLiteral("Lutris"));
    QVERIFY(games.at(0).folder.text().endsWith("Black and White/"));
    QCOMPARE(games.at(1).prefix.launcher, QStringLiteral("Steam"));
    QVERIFY(games.at(1).folder.text().endsWith("Black & White/"));
#endif
}

void TestLaunchers::untrustedFilesArePassedOver() {
#ifdef Q_OS_WIN
    QSKIP("Wine launchers keep their prefixes on Linux only");
#else
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString home = dir.path();
    const auto at = [&home](const QString& relative) { return home + QLatin1Char('/') + relative; };

    makePrefix(at("Games/good"));
    putFile(at(".config/lutris/games/good.yml"),
            "game:\n  prefix: " + at("Games/good").toUtf8() + "\n");
    putFile(at(".config/lutris/games/tabs.yml"), "game:\n\tprefix: /x\n");
    putFile(at(".config/lutris/games/binary.yml"), QByteArray("\x7f"
                                                              "ELF\0\0\1",
                                                              7));
    putFile(at(".config/lutris/games/huge.yml"),
            "game:\n  prefix: " + at("Games/good").toUtf8() + "\n" + QByteArray(2 << 20, '#'));
    putFile(at(".config/heroic/GamesConfig/cut.json"), "{\"x\": {\"winePrefix\": \"/tm");
    putFile(at(".config/heroic/GamesConfig/list.json"), "[1, 2]");
    putFile(at(".local/share/Steam/steamapps/libraryfolders.vdf"), "\"libraryfolders\" { \"0\" {");
    // Links out of the home folder: a bottle and a game file.
    makePrefix(elsewhere.filePath("bottle"));
    putFile(elsewhere.filePath("bottle/bottle.yml"), "Runner: sys-wine-9.0\n");
    QDir().mkpath(at(".local/share/bottles/bottles"));
    QVERIFY(QFile::link(elsewhere.filePath("bottle"), at(".local/share/bottles/bottles/Linked")));
    putFile(elsewhere.filePath("game.yml"),
            "game:\n  prefix: " + elsewhere.filePath("bottle").toUtf8());
    QVERIFY(QFile::link(elsewhere.filePath("game.yml"), at(".config/lutris/games/linked.yml")));
    // A bottle without its file is still a prefix, of the system's wine.
    makePrefix(at(".local/share/bottles/bottles/Bare"));

    const PrefixSearch search = findWinePrefixes(home, QString());
    QStringList found;
    for (const WinePrefix& prefix : search.prefixes)
        found << describe(prefix, home);
    QCOMPARE(found, (QStringList{"Games/good | Lutris |  | -",
                                 ".local/share/bottles/bottles/Bare | Bottles |  | -"}));
    const QString notes = search.notes.join('\n');
    for (const char* file : {"tabs.yml", "binary.yml", "huge.yml", "cut.json", "list.json",
                             "libraryfolders.vdf", "linked.yml"})
        QVERIFY2(notes.contains(QLatin1String(file)), qPrintable(notes));
    QCOMPARE(search.notes.size(), 7);
#endif
}

// A note is one sentence of the translator with the file put in; a launcher's name is a name.
void TestLaunchers::notesAreTranslatedNamesAreNot() {
#ifdef Q_OS_WIN
    QSKIP("Wine launchers keep their prefixes on Linux only");
#else
    QTemporaryDir dir;
    const QString home = dir.path();
    const auto at = [&home](const QString& relative) { return home + QLatin1Char('/') + relative; };
    makePrefix(at("Games/good%2"));
    putFile(at(".config/lutris/games/good.yml"),
            "game:\n  prefix: " + at("Games/good%2").toUtf8() + "\n");
    putFile(at(".config/lutris/games/tabs%2.yml"), "game:\n\tprefix: /x\n");
    putFile(at(".config/heroic/GamesConfig/list.json"), "[1, 2]");

    const gk::test::MarkingTranslator marking;
    const PrefixSearch search = findWinePrefixes(home, QString());
    QCOMPARE(search.prefixes.size(), 1);
    QCOMPARE(search.prefixes.at(0).launcher, QStringLiteral("Lutris"));
    QCOMPARE(search.notes,
             (QStringList{QStringLiteral("[Launchers|Passed over %1: it is not a YAML file as its "
                                         "launcher writes it.]")
                              .arg(at(".config/lutris/games/tabs%2.yml")),
                          QStringLiteral("[Launchers|Passed over %1: it is not a JSON object.]")
                              .arg(at(".config/heroic/GamesConfig/list.json"))}));
    QCOMPARE(WineStart{}.shown(), QStringLiteral("[Launch|the system's wine]"));
#endif
}

void TestLaunchers::readers_data() {
    QTest::addColumn<bool>("vdf");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected"); // key=value lines sorted, or "invalid"

    QTest::newRow("yaml nesting and quotes")
        << false
        << QByteArray("# lutris\ngame:\n  prefix: '/a b/it''s'\n  exe: \"/c/\\\"d\\\".exe\"\n"
                      "  args: x # comment\nwine:\n  version: v\r\n")
        << "game.args=x\ngame.exe=/c/\"d\".exe\ngame.prefix=/a b/it's\nwine.version=v";
    QTest::newRow("yaml lists, flows and block scalars skipped")
        << false << QByteArray("a:\n- 1\n- b: 2\nc: |\n  text: no\nd: {x: 1}\ne: [1]\nf: ok\n")
        << "f=ok";
    QTest::newRow("yaml dedent closes a mapping")
        << false << QByteArray("a:\n  b:\n    c: 1\n  d: 2\ne: 3\n") << "a.b.c=1\na.d=2\ne=3";
    QTest::newRow("yaml plain text") << false << QByteArray("just words\n") << "invalid";
    QTest::newRow("vdf escapes and comments")
        << true
        << QByteArray(
               "// made by Steam\n\"Root\"\n{\n  \"Path\" \"C:\\\\Games\\\\\"\n  bare value\n"
               "  \"inner\" { \"k\" \"v\" }\n}\n")
        << "root/bare=value\nroot/inner/k=v\nroot/path=C:\\Games\\";
    QTest::newRow("vdf unbalanced") << true << QByteArray("\"a\" { \"b\" \"c\" } }") << "invalid";
    QTest::newRow("vdf key without value") << true << QByteArray("\"a\" { \"b\" }") << "invalid";
    QTest::newRow("vdf too deep") << true << QByteArray("\"k\" {").repeated(40) << "invalid";
}

void TestLaunchers::readers() {
    QFETCH(bool, vdf);
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    const auto values = vdf ? readVdf(text) : readYamlScalars(text);
    QString got = QStringLiteral("invalid");
    if (values) {
        QStringList lines;
        for (auto it = values->begin(); it != values->end(); ++it)
            lines << it.key() + QLatin1Char('=') + it.value();
        lines.sort();
        got = lines.join('\n');
    }
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestLaunchers)
#include "test_launchers.moc"
