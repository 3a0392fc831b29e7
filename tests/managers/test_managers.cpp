#include "core/fileio.h"
#include "managers/content.h"
#include "managers/maplayout.h"
#include "managers/tattoos.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace gk;

class TestManagers : public QObject {
    Q_OBJECT
private slots:
    void mapResizeRule_data();
    void mapResizeRule();
    void mapTextRoundTrips_data();
    void mapTextRoundTrips();
    void mapTextWrittenWithCrLf();
    void tattooSlotsLieInTheirGrid_data();
    void tattooSlotsLieInTheirGrid();
    void tattooReplacementKeepsWhatItReplaces();
    void contentInstallKeepsTheOldFile();
    void bytesAreDescribedReadably();
};

void TestManagers::mapResizeRule_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<QList<int>>("expected"); // text w, h, buttons, dir top, msg top, line y, right
    QTest::newRow("10000 x 8000") << 10000 << 8000
                                  << QList<int>{8300, 6800, 8360, 6900, 7150, 7520, 10000};
    QTest::newRow("design size") << 11385 + 120 << 6810 + 390
                                 << QList<int>{9805, 6000, 9865, 6100, 6350, 6720, 11505};
    QTest::newRow("too small") << 1000 << 500 << QList<int>{0, 0, 60, 100, 350, 720, 1000};
    QTest::newRow("minimised") << 0 << 0 << QList<int>{0, 0, 60, 100, 350, 720, 0};
}

void TestManagers::mapResizeRule() {
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QList<int>, expected);
    const MapLayout l = mapLayout(w, h);
    QCOMPARE((QList<int>{l.textWidth, l.textHeight, l.buttonLeft, l.directoryTop, l.messageTop,
                         l.lineY, l.lineRight}),
             expected);
}

void TestManagers::mapTextRoundTrips_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("crlf") << QByteArray("// river\r\nbegin\r\nend\r\n");
    QTest::newRow("no trailing line break") << QByteArray("A\r\nB");
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 \x96 \xa0 \x81\x8d\r\n\xff");
    QTest::newRow("blank lines") << QByteArray("\r\n\r\nA\r\n\r\n");
    QTest::newRow("empty") << QByteArray();
}

void TestManagers::mapTextRoundTrips() {
    QFETCH(QByteArray, bytes);
    const MapText map = decodeMapText(bytes);
    QVERIFY(!map.text.contains(QLatin1Char('\r')));
    const EncodedMap once = encodeMapText(map.text, map.finalBreak);
    QVERIFY(once.lossless);
    QCOMPARE(once.bytes, bytes);
    // A second cycle changes nothing either.
    const MapText again = decodeMapText(once.bytes);
    QCOMPARE(encodeMapText(again.text, again.finalBreak).bytes, bytes);
}

void TestManagers::mapTextWrittenWithCrLf() {
    // New text ends with one closing line break, as the game's files do.
    QCOMPARE(encodeMapText("a\nb", true).bytes, QByteArray("a\r\nb\r\n"));
    QCOMPARE(encodeMapText("a\nb\n", true).bytes, QByteArray("a\r\nb\r\n"));
    // Lone CR and LF files come back with CR LF.
    QCOMPARE(encodeMapText(decodeMapText("a\nb\rc\n").text, true).bytes,
             QByteArray("a\r\nb\r\nc\r\n"));
    const EncodedMap lossy = encodeMapText(QString::fromUtf8("\u65e5"), true);
    QVERIFY(!lossy.lossless);
    QCOMPARE(lossy.bytes, QByteArray("?\r\n"));
}

void TestManagers::tattooSlotsLieInTheirGrid_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("1 top left") << 1 << 0 << 0;
    QTest::newRow("4 top right") << 4 << 0 << 3;
    QTest::newRow("10 row 3, column 2") << 10 << 2 << 1;
    QTest::newRow("13 bottom left") << 13 << 3 << 0;
    QTest::newRow("15 row 4, column 3") << 15 << 3 << 2;
    QTest::newRow("16 bottom right") << 16 << 3 << 3;
}

void TestManagers::tattooSlotsLieInTheirGrid() {
    QFETCH(int, slot);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(tattooRow(slot), row);
    QCOMPARE(tattooColumn(slot), column);
    const Twips pic = tattooPictureRect(slot);
    QCOMPARE(pic.left, 120 + 1440 * column);
    QCOMPARE(pic.top, 120 + 1080 * row);
    const Twips button = tattooButtonRect(slot);
    // Just right of its picture, towards its lower edge.
    QCOMPARE(button.left, pic.left + 1080);
    QCOMPARE(button.top, pic.top + 720);
    QCOMPARE(tattooFileName(slot), QStringLiteral("symbol%1.bmp").arg(slot));
}

void TestManagers::tattooReplacementKeepsWhatItReplaces() {
    QTemporaryDir dir;
    const QString profile = dir.filePath("game/Profiles/Player1") + "/";
    const QString manager = dir.filePath("gk") + "/";
    QVERIFY(QDir().mkpath(profile));
    QVERIFY(QDir().mkpath(manager));
    QCOMPARE(profileFolderOf(profile + "helpstats.dat"), profile);

    const QByteArray old("BMold\0", 6);
    const QByteArray picture("BMnew\0\xff", 7);
    QVERIFY(writeFileAtomic(profile + "symbol10.bmp", old).ok());
    // Backup\tattoos\ is created when missing.
    QVERIFY(replaceTattoo(picture, profile, manager, 10).ok());
    QCOMPARE(readFileBytes(profile + "symbol10.bmp").value(), picture);
    QCOMPARE(readFileBytes(manager + "Backup/tattoos/symbol10.bmp").value(), picture);
    QCOMPARE(readFileBytes(manager + "Backup/tattoos/Player1/symbol10.bmp").value(), old);

    // A slot without a picture yet: nothing to keep.
    QVERIFY(replaceTattoo(picture, profile, manager, 3).ok());
    QVERIFY(!QFile::exists(manager + "Backup/tattoos/Player1/symbol3.bmp"));

    // When Grovekeep's copy cannot be written, the profile is left alone.
    QVERIFY(QDir().mkpath(manager + "Backup/tattoos/symbol4.bmp")); // a folder in the way
    QVERIFY(writeFileAtomic(profile + "symbol4.bmp", old).ok());
    const Status blocked = replaceTattoo(picture, profile, manager, 4);
    QVERIFY(!blocked.ok());
    QVERIFY2(blocked.error().contains("symbol4.bmp"), qPrintable(blocked.error()));
    QCOMPARE(readFileBytes(profile + "symbol4.bmp").value(), old);
}

void TestManagers::contentInstallKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString game = dir.filePath("game") + "/";
    QVERIFY(QDir().mkpath(game + "Data/Landscape"));
    const QString target = gameContentPath(game, "Data\\Landscape\\", "island.lnd");
    const QString backup = dir.filePath("gk") + "/Backup\\Landscape\\island.lnd";
    const QByteArray land("LND\0\r\n\xff", 7);

    // New to the game: installed, no backup written.
    QVERIFY(installWithBackup(land, target, backup).ok());
    QCOMPARE(readFileBytes(target).value(), land);
    QVERIFY(!QFile::exists(dir.filePath("gk/Backup/Landscape/island.lnd")));

    // Over an existing one: the old one is kept first (its folder created).
    QVERIFY(installWithBackup("newer", target, backup).ok());
    QCOMPARE(readFileBytes(dir.filePath("gk/Backup/Landscape/island.lnd")).value(), land);
    QCOMPARE(readFileBytes(target).value(), QByteArray("newer"));

    // A Wine game folder spelt in other letters: its own folders are used.
    QVERIFY(QDir().mkpath(dir.filePath("wine/data/landscape")));
    const QString wine = gameContentPath(dir.filePath("wine") + "/", "Data\\Landscape\\", "x.lnd");
    QVERIFY(installWithBackup(land, wine, backup).ok());
    QCOMPARE(readFileBytes(dir.filePath("wine/data/landscape/x.lnd")).value(), land);

    // A game without the folder: reported with the file, nothing written.
    const Status missing =
        installWithBackup(land, gameContentPath(game, "Data\\CreatureMesh\\", "a.l3d"), backup);
    QVERIFY(!missing.ok());
    QVERIFY2(missing.error().contains("a.l3d"), qPrintable(missing.error()));
}

void TestManagers::bytesAreDescribedReadably() {
    const QString text = describeBytes("x.lnd", QByteArray("LND\0\x01"
                                                           "abcdefghijklmnopq",
                                                           22));
    QCOMPARE(text.section('\n', 0, 0), QStringLiteral("x.lnd: 22 bytes"));
    QCOMPARE(text.section('\n', 1, 1),
             QStringLiteral("00000000  4C 4E 44 00 01 61 62 63 64 65 66 67 68 69 6A 6B  "
                            "LND..abcdefghijk"));
    QVERIFY(text.section('\n', 2, 2).startsWith("00000010  6C 6D 6E 6F 70 71"));
    const QString big = describeBytes("big", QByteArray(1 << 20, 'x'), 64);
    QCOMPARE(big.count('\n'), 1 + 4 + 1);
    QVERIFY(big.contains("the first 64 bytes are shown"));
}

QTEST_GUILESS_MAIN(TestManagers)
#include "test_managers.moc"
