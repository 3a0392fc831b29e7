// The managers' logic: map text, tattoo slots and content installs.

#include "base/fileio.h"
#include "managers/content.h"
#include "managers/tattoos.h"
#include "support/files.h"
#include "support/marking.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace gk;
using namespace gk::test;

class TestManagers : public QObject {
    Q_OBJECT
private slots:
    void mapTextRoundTrips_data();
    void mapTextRoundTrips();
    void mapTextWrittenWithCrLf();
    void completeBitmaps_data();
    void completeBitmaps();
    void tattooReplacementKeepsWhatItReplaces();
    void contentInstallKeepsTheOldFile();
    void bytesAreDescribedReadably();
    void countsChooseTheirPluralForm();
};

void TestManagers::mapTextRoundTrips_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("crlf") << QByteArray("// river\r\nbegin\r\nend\r\n");
    QTest::newRow("no trailing line break") << QByteArray("A\r\nB");
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 \x96 \xa0 \x81\x8d\r\n\xff");
    QTest::newRow("blank lines") << QByteArray("\r\n\r\nA\r\n\r\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("lf") << QByteArray("a\nb\n");
    QTest::newRow("lone cr") << QByteArray("a\rb\r");
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd");
    QTest::newRow("nul and bytes no text has") << QByteArray("a\0b\x81\r\n", 6);
}

void TestManagers::mapTextRoundTrips() {
    // Loaded and saved untouched: the same bytes, whatever the line ends.
    QFETCH(QByteArray, bytes);
    const MapText map = decodeMapText(bytes);
    QVERIFY(!map.text.contains(QLatin1Char('\r')));
    const EncodedMap once = encodeMapText(map.text, map);
    QVERIFY(once.lossless);
    QCOMPARE(once.bytes, bytes);
    // Edited: the file keeps its line ends, and loading and saving the result again changes
    // nothing, even when the text is re-encoded rather than kept.
    const QByteArray edited = encodeMapText(QStringLiteral("x\n") + map.text, map).bytes;
    MapText again = decodeMapText(edited);
    if (!bytes.isEmpty())
        QCOMPARE(again.lineBreak, map.lineBreak);
    again.bytes.clear();
    QCOMPARE(encodeMapText(again.text, again).bytes, edited);
}

void TestManagers::mapTextWrittenWithCrLf() {
    // New text ends with one closing CR LF, as the game's files do.
    QCOMPARE(encodeMapText("a\nb").bytes, QByteArray("a\r\nb\r\n"));
    QCOMPARE(encodeMapText("a\nb\n").bytes, QByteArray("a\r\nb\r\n"));
    QCOMPARE(encodeMapText("").bytes, QByteArray("\r\n"));
    // An edited file keeps the line end it had: LF, lone CR, or its first one when mixed.
    QCOMPARE(encodeMapText("a\nb\n", decodeMapText("x\ny\n")).bytes, QByteArray("a\nb\n"));
    QCOMPARE(encodeMapText("a\nb", decodeMapText("x\ry\r")).bytes, QByteArray("a\rb\r"));
    QCOMPARE(encodeMapText("a\nb", decodeMapText("x\ny\r\n")).bytes, QByteArray("a\nb\n"));
    QCOMPARE(encodeMapText("a\nb", decodeMapText("x\r\ny")).bytes, QByteArray("a\r\nb"));
    const EncodedMap lossy = encodeMapText(QString::fromUtf8("\u65e5"));
    QVERIFY(!lossy.lossless);
    QCOMPARE(lossy.bytes, QByteArray("?\r\n"));
}

namespace {
// A Windows bitmap: file header, info header of `infoSize` bytes, then `pixels` bytes.
QByteArray bmp(quint32 infoSize, qint32 width, qint32 height, quint16 bits, quint32 compression,
               quint32 imageSize, qsizetype pixels) {
    QByteArray out("BM");
    auto put32 = [&out](quint32 v) {
        for (int k = 0; k < 4; ++k)
            out.append(char((v >> (8 * k)) & 0xff));
    };
    auto put16 = [&out](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    put32(0); // file size: not relied upon
    put32(0);
    put32(14 + infoSize);
    put32(infoSize);
    if (infoSize == 12) {
        put16(quint16(width));
        put16(quint16(height));
        put16(1);
        put16(bits);
    } else {
        put32(quint32(width));
        put32(quint32(height));
        put16(1);
        put16(bits);
        put32(compression);
        put32(imageSize);
        while (out.size() < 14 + qsizetype(infoSize))
            out.append('\0');
    }
    out.append(QByteArray(pixels, '\x7f'));
    return out;
}
} // namespace

void TestManagers::completeBitmaps_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem"); // a part of the reason; empty: a complete bitmap
    // 24 bits, 3 x 2: rows of 9 bytes padded to 12.
    QTest::newRow("24-bit") << bmp(40, 3, 2, 24, 0, 0, 24) << QString();
    QTest::newRow("top-down") << bmp(40, 3, -2, 24, 0, 0, 24) << QString();
    QTest::newRow("core header, 1 bit") << bmp(12, 9, 4, 1, 0, 0, 16) << QString();
    QTest::newRow("v5 header, 32-bit fields") << bmp(124, 2, 2, 32, 3, 0, 16) << QString();
    QTest::newRow("run-length") << bmp(40, 64, 64, 8, 1, 10, 10) << QString();
    QTest::newRow("cut short") << bmp(40, 3, 2, 24, 0, 0, 23) << "cut short";
    QTest::newRow("run-length cut short") << bmp(40, 64, 64, 8, 1, 10, 9) << "cut short";
    QTest::newRow("run-length without size") << bmp(40, 64, 64, 8, 1, 0, 9) << "how large";
    QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000000")
                         << "does not begin";
    QTest::newRow("header only") << QByteArray("BM") << "does not begin";
    QTest::newRow("odd header") << bmp(64 + 70, 3, 2, 24, 0, 0, 24) << "header";
    QTest::newRow("no width") << bmp(40, 0, 2, 24, 0, 0, 24) << "size";
    QTest::newRow("7 bits") << bmp(40, 3, 2, 7, 0, 0, 24) << "colour depth";
    QTest::newRow("jpeg inside") << bmp(40, 3, 2, 24, 4, 0, 24) << "compressed";
}

void TestManagers::completeBitmaps() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const QString found = bitmapProblem(bytes);
    if (problem.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else
        QVERIFY2(found.contains(problem), qPrintable(found));
}

void TestManagers::tattooReplacementKeepsWhatItReplaces() {
    QTemporaryDir dir;
    const QString profileText = dir.filePath("game/Profiles/Player1") + "/";
    const NativePath profile(profileText);
    const ComposedPath manager(dir.filePath("gk") + "/");
    QVERIFY(QDir().mkpath(profileText));
    QVERIFY(QDir().mkpath(manager.text()));
    QCOMPARE(profileFolderOf(NativePath(profileText + "helpstats.dat")), profile);

    const QByteArray old("BMold\0", 6);
    const QByteArray picture("BMnew\0\xff", 7);
    QVERIFY(putFile(profileText + "symbol10.bmp", old));
    // Backup\tattoos\ is created when missing.
    auto store = openStore(manager);
    QVERIFY(store.ok());
    QVERIFY(replaceTattoo(*store, picture, profile, manager, 10).ok());
    QCOMPARE(fileBytes(profileText + "symbol10.bmp"), picture);
    QCOMPARE(fileBytes(manager.text() + "Backup/tattoos/symbol10.bmp"), picture);
    QCOMPARE(fileBytes(manager.text() + "Backup/tattoos/Player1/symbol10.bmp"), old);

    // A slot without a picture yet: nothing to keep.
    QVERIFY(replaceTattoo(*store, picture, profile, manager, 3).ok());
    QVERIFY(!QFile::exists(manager.text() + "Backup/tattoos/Player1/symbol3.bmp"));
    QCOMPARE(firstFreeTattooSlot(profile), 1);

    // When the profile's file cannot be written, neither the profile nor a backup changes.
    QVERIFY(QDir().mkpath(profileText + "symbol4.bmp")); // a folder in the way
    const auto before = withoutHistory(snapshot(dir.path()));
    const auto blocked = replaceTattoo(*store, picture, profile, manager, 4);
    QCOMPARE(blocked.kind(), ErrorKind::IsFolder);
    QVERIFY2(blocked.error().contains("symbol4.bmp"), qPrintable(blocked.error()));
    QCOMPARE(withoutHistory(snapshot(dir.path())), before);
}

void TestManagers::contentInstallKeepsTheOldFile() {
    QTemporaryDir dir;
    const ComposedPath game(dir.filePath("game") + "/");
    const ComposedPath manager(dir.filePath("gk") + "/");
    QVERIFY(QDir().mkpath(game.text() + "Data/Landscape") && QDir().mkpath(manager.text()));
    auto store = openStore(manager);
    QVERIFY(store.ok());
    auto install = [&](const QByteArray& bytes, const ComposedPath& into, const QString& name) {
        return store->apply(OperationInfo{"landscape", "x", {}, {}, 0},
                            {contentInstall(bytes, into, "Data\\Landscape\\", manager,
                                            "Backup\\Landscape\\", name)});
    };
    const QString target = game.text() + "Data/Landscape/island.lnd";
    const QString backup = manager.text() + "Backup/Landscape/island.lnd";
    const QByteArray land("LND\0\r\n\xff", 7);

    // New to the game: installed, no backup written.
    QVERIFY(install(land, game, "island.lnd").ok());
    QCOMPARE(fileBytes(target), land);
    QVERIFY(!QFile::exists(backup));

    // Over an existing one: the old one is kept first (its folder created).
    QVERIFY(install("newer", game, "island.lnd").ok());
    QCOMPARE(fileBytes(backup), land);
    QCOMPARE(fileBytes(target), QByteArray("newer"));

    // A Wine game folder spelt in other letters: its own folders are used.
    QVERIFY(QDir().mkpath(dir.filePath("wine/data/landscape")));
    QVERIFY(install(land, ComposedPath(dir.filePath("wine") + "/"), "x.lnd").ok());
    QCOMPARE(fileBytes(dir.filePath("wine/data/landscape/x.lnd")), land);

    // A failed install changes no backup: a folder stands where the landscape goes.
    QVERIFY(QDir().mkpath(game.text() + "Data/Landscape/island2.lnd"));
    QVERIFY(putFile(manager.text() + "Backup/Landscape/island2.lnd", "kept"));
    const auto before = withoutHistory(snapshot(dir.path()));
    QVERIFY(!install("x", game, "island2.lnd").ok());
    QCOMPARE(withoutHistory(snapshot(dir.path())), before);
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

// A count chooses the plural form of its text, also one beyond an int, which is written whole.
void TestManagers::countsChooseTheirPluralForm() {
    const MarkingTranslator marking;
    QCOMPARE(describeBytes("x%2", QByteArray("L")).section('\n', 0, 0),
             QStringLiteral("[Content|x%2: 1 bytes]"));
    QCOMPARE(marking.counts.value("%1: %2 bytes"), 1);
    QCOMPARE(bitmapProblem(bmp(40, 3, 2, 7, 0, 0, 24)),
             QStringLiteral("[Tattoos|its colour depth of 7 bits is not one of a bitmap]"));
    QCOMPARE(marking.counts.value("its colour depth of %n bits is not one of a bitmap"), 7);
    QCOMPARE(bitmapProblem(bmp(40, 3, 2, 24, 0, 0, 23)),
             QStringLiteral("[Tattoos|it is cut short: its pixel data needs 1 bytes more]"));
    QCOMPARE(marking.counts.value("it is cut short: its pixel data needs %1 bytes more"), 1);
    // 65535 by 65535 pixels of 32 bits: more bytes than an int counts.
    QCOMPARE(bitmapProblem(bmp(40, 65535, 65535, 32, 0, 0, 0)),
             QStringLiteral("[Tattoos|it is cut short: its pixel data needs 17179344900 bytes "
                            "more]"));
    QCOMPARE(marking.counts.value("it is cut short: its pixel data needs %1 bytes more"),
             std::numeric_limits<int>::max());
}

QTEST_GUILESS_MAIN(TestManagers)
#include "test_managers.moc"
