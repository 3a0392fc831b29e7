#include "base/fileio.h"
#include "files/describe.h"
#include "settings/language.h"
#include "settings/options.h"
#include "settings/ownsettings.h"
#include "support/files.h"
#include "system/launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gk;
using namespace gk::test;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void parsing_data();
    void parsing();
    void composedLayoutIsExact();
    void roundTripThroughFile();
    void readLocations();
    void hugeFileLoadsWhatItCan();
    void ownSettingsBesideOptions();
    void languageOfTheUser_data();
    void languageOfTheUser();
    void translationsAreCarried();
};

void TestSettings::parsing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("as written") << QByteArray("C:\\BW\\\r\nC:\\GK\\\r\nm\r\nl\r\ns\r\nt\r\n\r\n")
                                << QStringList{"C:\\BW\\", "C:\\GK\\", "m", "l", "s", "t"};
    QTest::newRow("lf only") << QByteArray("/bw/\n/gk/\n") << QStringList{"/bw/", "/gk/"};
    QTest::newRow("cr only") << QByteArray("a\rb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("seven lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n")
                                 << QStringList{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty values keep their place")
        << QByteArray("\r\n\r\nm\r\n") << QStringList{"", "", "m"};
    QTest::newRow("windows-1252") << QByteArray("C:\\Spiele\\B\xe4r\\\r\n")
                                  << QStringList{QString::fromUtf8("C:\\Spiele\\B\u00e4r\\")};
    QTest::newRow("utf-8 path") << QByteArray("/home/\xe6\x97\xa5/bw/\n")
                                << QStringList{QString::fromUtf8("/home/\u65e5/bw/")};
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\r\n\x80", 6)
                            << QStringList{QString::fromUtf8("\x00\x01\u00ff", 4),
                                           QString(QChar(0x20AC))};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestSettings::parsing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    QCOMPARE(parseSettings(bytes), values);
}

void TestSettings::composedLayoutIsExact() {
    QCOMPARE(composeSettings({"C:\\BW\\", "C:\\GK\\", "", "l", "", "t"}),
             QByteArray("C:\\BW\\\r\nC:\\GK\\\r\n\r\nl\r\n\r\nt\r\n\r\n"));
    // Every field empty: six empty lines and the closing one.
    QCOMPARE(composeSettings({}), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    // The game's code page where it suffices, UTF-8 where it does not.
    QCOMPARE(composeSettings({QString::fromUtf8("B\u00e4r")}).left(5), QByteArray("B\xe4r\r\n"));
    QCOMPARE(composeSettings({QString::fromUtf8("\u65e5")}).left(5),
             QByteArray("\xe6\x97\xa5\r\n"));
}

void TestSettings::roundTripThroughFile() {
    QTemporaryDir dir;
    const QString manager = dir.path() + "/";
    const QStringList values{
        "/games/bw/", manager,     "/usr/bin/mapper", QString::fromUtf8("/home/\u65e5/land"),
        "",           "tattoo.exe"};
    QVERIFY(writeSettings(ComposedPath(manager), values).ok());
    // Written as the manager folder followed by "\options.txt".
    QCOMPARE(settingsWritePath(ComposedPath(manager)).text(), manager + "\\options.txt");
    const auto file = readSettingsFile({NativePath(dir.filePath("options.txt"))});
    QVERIFY(file.has_value());
    QCOMPARE(file->values, values);

    // Rewriting replaces the whole file.
    QVERIFY(writeSettings(ComposedPath(manager), {"a"}).ok());
    QCOMPARE(readFileBytes(NativePath(dir.filePath("options.txt"))).value(),
             QByteArray("a\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
}

void TestSettings::readLocations() {
    // Only Grovekeep's own folder is read: an options.txt in the working folder (a download
    // folder, say) is never taken, since its folders would decide where Grovekeep writes.
    QTemporaryDir work;
    QTemporaryDir program;
    QVERIFY(putFile(program.filePath("portable"), ""));
    const auto candidates = settingsReadCandidates(NativePath(program.path() + "/"));
    const NativePath inProgram(program.filePath("options.txt"));
    QCOMPARE(candidates, QList<NativePath>{inProgram});
    QVERIFY(QDir::setCurrent(work.path()));
    QVERIFY(putFile(work.filePath("options.txt"), "/home/\r\n" + work.path().toUtf8() + "\r\n"));
    QVERIFY(!readSettingsFile(candidates).has_value());
    QVERIFY(!startupSettingsCandidates().contains(NativePath(work.filePath("options.txt"))));
    QVERIFY(putFile(inProgram.text(), "from program\r\n"));
    QCOMPARE(readSettingsFile(candidates)->values, QStringList{"from program"});
    // An empty file counts as absent.
    QVERIFY(putFile(inProgram.text(), ""));
    QVERIFY(!readSettingsFile(candidates).has_value());
}

void TestSettings::hugeFileLoadsWhatItCan() {
    QTemporaryDir dir;
    QByteArray huge = "first\r\n" + QByteArray(8 * 1024 * 1024, 'x');
    const NativePath path(dir.filePath("options.txt"));
    QVERIFY(putFile(path.text(), huge));
    const auto file = readSettingsFile({path});
    QVERIFY(file.has_value());
    QCOMPARE(file->values.size(), 2);
    QCOMPARE(file->values.at(0), QStringLiteral("first"));
    QVERIFY(file->values.at(1).size() < 2 * 1024 * 1024);
}

// Grovekeep's own settings: the Wine entry in its three forms survives a round trip with keys
// of other versions kept; the file is written in the same operation as options.txt, whose
// lines stay as they are; and the entry decides how a Windows program starts.
void TestSettings::ownSettingsBesideOptions() {
    for (const WineStart& wine :
         {WineStart{}, WineStart{WineStart::Kind::Build, "/opt/wine-ge/bin/wine"},
          WineStart{WineStart::Kind::Command, "flatpak run --command=wine x"}}) {
        for (const QString& language : {QString(), QStringLiteral("de")}) {
            OwnSettings own{wine, {{"future", "a=b"}}, language};
            QCOMPARE(parseOwnSettings(composeOwnSettings(own)), own);
        }
    }
    QCOMPARE(parseOwnSettings("garbage\n;wine=/x\n=y\r\nwine=system\r\n").wine, WineStart{});
    QCOMPARE(parseOwnSettings("command=lutris-wine\nwine=/w\n").wine.kind,
             WineStart::Kind::Command);

    QTemporaryDir dir;
    const QString manager = dir.path() + "/";
    const QStringList values{"/games/bw/", manager, "", "", "", ""};
    const OwnSettings own{{WineStart::Kind::Build, "/opt/wine-ge/bin/wine"}, {}, {}};
    QVERIFY(writeSettings(ComposedPath(manager), values, NativePath(), own).ok());
    QCOMPARE(readFileBytes(NativePath(dir.filePath("options.txt"))).value(),
             composeSettings(values));
    QCOMPARE(readOwnSettings(ComposedPath(manager)), own);
    QVERIFY(readFileBytes(NativePath(dir.filePath("grovekeep.ini")))
                .value()
                .contains("wine=/opt/wine-ge/bin/wine\n"));
    QCOMPARE(readOwnSettings(ComposedPath(dir.filePath("missing/"))), OwnSettings{});
    // Written alone, it is an operation of the store too: its history holds the one before.
    QVERIFY(writeOwnSettings(ComposedPath(manager), OwnSettings{}).ok());
    QCOMPARE(readOwnSettings(ComposedPath(manager)).wine, WineStart{});
    QVERIFY(QDir(dir.filePath("History")).exists());

#ifndef Q_OS_WIN
    const NativePath game("/p/drive_c/BW/runblack.exe");
    QCOMPARE(planLaunch(game).program, QStringLiteral("wine"));
    const LaunchPlan build = planLaunch(game, own.wine);
    QCOMPARE(build.program, QStringLiteral("/opt/wine-ge/bin/wine"));
    QCOMPARE(build.arguments, QStringList{game.text()});
    const LaunchPlan command = planLaunch(
        game, {WineStart::Kind::Command, "flatpak run \"--command=wine\" net.lutris.Lutris"});
    QCOMPARE(command.program, QStringLiteral("flatpak"));
    QCOMPARE(command.arguments,
             (QStringList{"run", "--command=wine", "net.lutris.Lutris", game.text()}));
    QCOMPARE(command.winePrefix, QStringLiteral("/p"));
#endif
}

// The first of the user's languages that Grovekeep speaks; English when none is.
void TestSettings::languageOfTheUser_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German") << QStringList{"de-DE"} << "de";
    QTest::newRow("Swiss French") << QStringList{"fr-CH", "de-CH"} << "fr";
    QTest::newRow("Austrian, then English") << QStringList{"de-AT", "en-US"} << "de";
    QTest::newRow("English first") << QStringList{"en-GB", "fr-FR"} << "en";
    QTest::newRow("Spanish, then French") << QStringList{"es-ES", "fr"} << "fr";
    QTest::newRow("none spoken") << QStringList{"ja-JP", "pt-BR"} << "en";
    QTest::newRow("C locale") << QStringList{"C"} << "en";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void TestSettings::languageOfTheUser() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, shown);
    QCOMPARE(languageFor(uiLanguages), shown);
    // A choice in the settings wins when Grovekeep speaks it; an unknown one is passed over.
    QCOMPARE(shownLanguage(QStringLiteral("fr")), QStringLiteral("fr"));
    QCOMPARE(shownLanguage(QStringLiteral(" DE ")), QStringLiteral("de"));
    QCOMPARE(shownLanguage(QStringLiteral("xx")), shownLanguage(QString()));
}

// Every program carries its translations, Qt's own for its standard buttons included; a
// language's texts come out translated, English plural forms are right, and no text is lost
// when a translation is missing.
void TestSettings::translationsAreCarried() {
    const char* cancel = "Cancel";
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", cancel), QString::fromLatin1(cancel));
    QCOMPARE(QCoreApplication::translate("History", "%n files", nullptr, 1),
             QStringLiteral("1 file"));
    QVERIFY(installTranslations(QStringLiteral("de")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", cancel), QStringLiteral("Abbrechen"));
    QCOMPARE(QCoreApplication::translate("gk::frmMap", "Load Map"), QStringLiteral("Karte laden"));
    QCOMPARE(QCoreApplication::translate("History", "%n files", nullptr, 1),
             QStringLiteral("1 Datei"));
    QVERIFY(installTranslations(QStringLiteral("fr")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", cancel), QStringLiteral("Annuler"));
    QCOMPARE(QCoreApplication::translate("gk::frmMap", "Load Map"),
             QStringLiteral("Charger la carte"));
    QCOMPARE(QCoreApplication::translate("History", "%n files", nullptr, 0),
             QStringLiteral("0 fichier"));
    QVERIFY(installTranslations(QStringLiteral("en")));
    QCOMPARE(QCoreApplication::translate("gk::frmMap", "Load Map"), QStringLiteral("Load Map"));
    QVERIFY(!installTranslationFile(QStringLiteral("no-such-language.qm")));
    QCOMPARE(QCoreApplication::translate("NoContext", "A text nobody translated"),
             QStringLiteral("A text nobody translated"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
