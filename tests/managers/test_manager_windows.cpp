// The map, tattoo, and landscape and skin windows, driven through their controls.

#include "support/world.h"

#include "base/paths.h"
#include "common/changes.h"
#include "frmMDI.h"
#include "history/frmHistory.h"
#include "managers/frmExtra.h"
#include "managers/frmMap.h"
#include "managers/frmTattoo.h"
#include "startup.h"
#include "ui/largetextedit.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include <QThreadPool>

using namespace gk;
using namespace gk::test;

namespace {

struct Game {
    explicit Game(World& w) {
        game = w.folder("game");
        manager = w.folder("manager");
        for (const char* f :
             {"Scripts/Playgrounds", "Data/Landscape", "Data/CreatureMesh", "Profiles/Player1"})
            w.folder(QStringLiteral("game/") + f);
        shared().GameFolder = game;
        shared().ManagerFolder = manager;
    }
    QString game;
    QString manager;
};

QByteArray bitmap(QColor colour, int w = 32, int h = 32) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QRgb centre(QLabel* box) {
    const QImage image = box->pixmap().toImage();
    return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
}

template <class W> W* open() {
    registerGrovekeepForms();
    formAs<frmMDI>()->show();
    return qobject_cast<W*>(showForm(W::formId));
}

// A caption as the title bar shows it: "[*]" is a '*' while the window has unsaved changes.
QString shownTitle(const QWidget* w) {
    QString title = w->windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         w->isWindowModified() ? QStringLiteral("*") : QString());
}

} // namespace

class TestManagerWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void mapWindowStartsTheProgram();
    void mapLoadEditSaveInstall();
    void mapNeverLosesEdits();
    void mapKeepsItsBytesAndItsName();
    void largeMapIsReadBesideTheWindow();
    void mapGeometryAtEachSize_data();
    void mapGeometryAtEachSize();
    void mapProgramsAndMenus();
    void tattoosOfAProfile();
    void tattooSlotReplacement();
    void tattooNamesInAnyLetterCase();
    void undoShowsTheDiskInEveryWindow();
    void landscapesAndSkins();
};

void TestManagerWindows::mapWindowStartsTheProgram() {
    World world;
    QVERIFY(putFile(world.optionsFile(), "/bw/\r\n"));
    registerGrovekeepForms();
    frmMDI* mdi = startGrovekeep();
    auto* map = existingFormAs<frmMap>();
    QVERIFY(map && map->isVisible());
    // The map window's own menu bar is the one the user sees first.
    QCOMPARE(menuBarTitles(mdi->menuBar()),
             (QStringList{"File", "Edit", "Manage", "Tools", "Help"}));
    QCOMPARE(child<QLabel>(map, "lblCurrentDirectory")->text(), QStringLiteral("None..."));
}

void TestManagerWindows::mapLoadEditSaveInstall() {
    World world;
    Game game(world);
    const QByteArray castle = QByteArrayLiteral("// castle\r\nLAND \xe9\xa0\x80\r\nend");
    QVERIFY(putFile(world.path("maps/castle.txt"), castle));
    QVERIFY(putFile(world.path("game/Scripts/Playgrounds/castle.txt"), "installed before"));
    auto* map = open<frmMap>();
    auto& fake = world.platform.fake;

    // Install with nothing opened writes nothing.
    click(map, "cmdInstall");
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/castle.txt")),
             QByteArray("installed before"));

    fake.answerFile(world.path("maps/castle.txt"));
    click(map, "cmdLoad");
    QCOMPARE(fake.fileRequests.last().filter, QStringLiteral("Black and White Maps (*.txt)|*.txt"));
    QCOMPARE(child<QLabel>(map, "lblCurrentDirectory")->text(), world.path("maps/castle.txt"));
    QCOMPARE(frmMap::mapFileName(), QStringLiteral("castle.txt"));

    // Saved untouched: the same bytes.
    fake.answerFile(world.path("maps/copy.txt"));
    click(map, "cmdSave");
    QCOMPARE(fileBytes(world.path("maps/copy.txt")), castle);

    // Edited, then installed under the name of the map last opened, the old file kept.
    auto* text = child<LargeTextEdit>(map, "rtbMap");
    text->setCursorPosition(text->lineCount() - 1,
                            text->lines().line(text->lineCount() - 1).size());
    QTest::keyClicks(text, "!");
    fake.answerFile(world.path("maps/renamed.txt"));
    click(map, "cmdSave");
    click(map, "cmdInstall");
    const QByteArray edited = castle + "!";
    QCOMPARE(fileBytes(world.path("maps/renamed.txt")), edited);
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/castle.txt")), edited);
    QCOMPARE(fileBytes(world.path("manager/castle.txt.bak")), QByteArray("installed before"));
    QVERIFY(!QFile::exists(world.path("game/Scripts/Playgrounds/renamed.txt")));

    // Saving over an existing file asks first; No writes nothing.
    fake.answerFile(world.path("maps/copy.txt"));
    fake.answers << Answer::No;
    click(map, "cmdSave");
    QCOMPARE(fake.questions.size(), 1);
    QCOMPARE(fileBytes(world.path("maps/copy.txt")), castle);

    // A cancelled dialog changes nothing.
    fake.cancelFile();
    click(map, "cmdLoad");
    QCOMPARE(child<QLabel>(map, "lblCurrentDirectory")->text(), world.path("maps/castle.txt"));
    QVERIFY2(map->mapText().endsWith("end!"), qPrintable(map->mapText()));
    fake.cancelFile();
    click(map, "cmdSave");
    QCOMPARE(frmMap::mapFileName(), QStringLiteral("castle.txt"));
}

void TestManagerWindows::mapNeverLosesEdits() {
    World world;
    Game game(world);
    auto* map = open<frmMap>();
    auto& fake = world.platform.fake;
    QTest::keyClicks(child<LargeTextEdit>(map, "rtbMap"), "new map");

    fake.answers << Answer::Cancel;
    QVERIFY(!closeWindow(map));
    QVERIFY(existingForm(Form::Map));

    // Yes saves first; a cancelled save keeps the window open.
    fake.answers << Answer::Yes;
    fake.cancelFile();
    QVERIFY(!closeWindow(map));
    fake.answers << Answer::Yes;
    fake.answerFile(world.path("new.txt"));
    QVERIFY(closeWindow(map));
    QCOMPARE(fileBytes(world.path("new.txt")), QByteArray("new map\r\n"));

    // Load Map asks the same before the text is replaced; Cancel keeps the edits, No lets
    // them go. The caption carries a '*' while there are unsaved changes.
    QVERIFY(putFile(world.path("maps/castle.txt"), "castle\r\n"));
    map = qobject_cast<frmMap*>(showForm(Form::Map));
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps"));
    QTest::keyClicks(child<LargeTextEdit>(map, "rtbMap"), "draft");
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps*"));
    fake.questions.clear();
    fake.answerFile(world.path("maps/castle.txt"));
    fake.answers << Answer::Cancel;
    click(map, "cmdLoad");
    QCOMPARE(fake.questions.size(), 1);
    QCOMPARE(map->mapText(), QStringLiteral("draft"));
    fake.answerFile(world.path("maps/castle.txt"));
    fake.answers << Answer::No;
    click(map, "cmdLoad");
    QCOMPARE(map->mapText(), QStringLiteral("castle\n"));
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps"));

    // Ctrl+S saves and Ctrl+O opens, from the keyboard alone.
    QVERIFY(QTest::qWaitForWindowExposed(existingForm(Form::MDI)));
    child<LargeTextEdit>(map, "rtbMap")->setFocus();
    fake.fileRequests.clear();
    fake.cancelFile();
    QTest::keyClick(child<LargeTextEdit>(map, "rtbMap"), Qt::Key_S, Qt::ControlModifier);
    fake.cancelFile();
    QTest::keyClick(child<LargeTextEdit>(map, "rtbMap"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(fake.fileRequests.size(), 2);
    QVERIFY(fake.fileRequests.at(0).save);
    QVERIFY(!fake.fileRequests.at(1).save);

    // Closing the program asks too.
    QTest::keyClicks(child<LargeTextEdit>(map, "rtbMap"), "more");
    fake.questions.clear();
    fake.answers << Answer::Cancel;
    QVERIFY(!existingFormAs<frmMDI>()->close());
    QCOMPARE(fake.questions.size(), 1);
    fake.answers << Answer::No;
    QVERIFY(existingFormAs<frmMDI>()->close());
}

void TestManagerWindows::mapKeepsItsBytesAndItsName() {
    World world;
    Game game(world);
    auto& fake = world.platform.fake;
    // A map loaded and saved untouched keeps its bytes, whatever its line ends; edited, it
    // keeps its line ends.
    const QByteArray lf("first\nsecond\n");
    QVERIFY(putFile(world.path("maps/lf.txt"), lf));
    auto* map = open<frmMap>();
    fake.answerFile(world.path("maps/lf.txt"));
    click(map, "cmdLoad");
    fake.answerFile(world.path("maps/lf-copy.txt"));
    click(map, "cmdSave");
    QCOMPARE(fileBytes(world.path("maps/lf-copy.txt")), lf);
    QTest::keyClicks(child<LargeTextEdit>(map, "rtbMap"), "0");
    fake.answerFile(world.path("maps/lf-edited.txt"));
    click(map, "cmdSave");
    QCOMPARE(fileBytes(world.path("maps/lf-edited.txt")), QByteArray("0first\nsecond\n"));

    // Closed and opened again, the window has no map: Install this Map says so and leaves the
    // game's map of the remembered name alone.
    fake.answers << Answer::No;
    QVERIFY(closeWindow(map));
    map = qobject_cast<frmMap*>(showForm(Form::Map));
    QCOMPARE(frmMap::mapFileName(), QStringLiteral("lf.txt"));
    QVERIFY(putFile(world.path("game/Scripts/Playgrounds/lf.txt"), "the game's"));
    fake.messages.clear();
    click(map, "cmdInstall");
    QCOMPARE(fake.messages.size(), 1);
    QVERIFY(fake.messages.at(0).contains("No map is loaded in this window"));
    QCOMPARE(fileBytes(world.path("game/Scripts/Playgrounds/lf.txt")), QByteArray("the game's"));
    QVERIFY(!QFile::exists(world.path("manager/lf.txt.bak")));

    // Ctrl+W closes the map window (one key, no clash between its menu and its frame).
    QVERIFY(QTest::qWaitForWindowExposed(existingForm(Form::MDI)));
    child<LargeTextEdit>(map, "rtbMap")->setFocus();
    QTest::keyClick(child<LargeTextEdit>(map, "rtbMap"), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!existingForm(Form::Map));
}

void TestManagerWindows::largeMapIsReadBesideTheWindow() {
    // Two megabytes: read and decoded on another thread while the window stays usable (and
    // refuses a second load or a write meanwhile), then shown whole.
    World world;
    Game game(world);
    QByteArray big;
    for (int k = 0; big.size() < (2 << 20); ++k)
        big += "line " + QByteArray::number(k) + " of a large map\r\n";
    QVERIFY(putFile(world.path("maps/big.txt"), big));
    auto* map = open<frmMap>();
    auto& fake = world.platform.fake;
    fake.answerFile(world.path("maps/big.txt"));
    click(map, "cmdLoad");
    QVERIFY(map->isLoading());
    QVERIFY(!child<QPushButton>(map, "cmdInstall")->isEnabled());
    QVERIFY(child<QLabel>(map, "lblCurrentDirectory")->text().startsWith("Loading "));
    QTRY_VERIFY_WITH_TIMEOUT(!map->isLoading(), 20000);
    QCOMPARE(child<QLabel>(map, "lblCurrentDirectory")->text(), world.path("maps/big.txt"));
    QVERIFY(child<QPushButton>(map, "cmdInstall")->isEnabled());
    QVERIFY(!child<LargeTextEdit>(map, "rtbMap")->isModified());
    fake.answerFile(world.path("maps/big-copy.txt"));
    click(map, "cmdSave");
    QCOMPARE(fileBytes(world.path("maps/big-copy.txt")), big);
    // Edits in the document that was built beside the window are noticed.
    QTest::keyClicks(child<LargeTextEdit>(map, "rtbMap"), "x");
    QVERIFY(shownTitle(map->parentWidget()).endsWith('*'));

    // Closed while it reads: nothing is shown anywhere, nothing leaks.
    fake.answers << Answer::No;
    fake.answerFile(world.path("maps/big.txt"));
    click(map, "cmdLoad");
    QVERIFY(map->isLoading());
    QVERIFY(closeWindow(map));
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(!existingForm(Form::Map));
}

void TestManagerWindows::mapGeometryAtEachSize_data() {
    // The map window's frame in the main window is sized; its controls are laid out for that
    // outer size, frame and title bar included.
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QString>("places");
    QTest::newRow("smaller than the text area's margins")
        << QSize(100, 60)
        << QStringLiteral("rtbMap 0,0 0x0; cmdLoad 4,8 89x25; cmdFind 4,376 89x25; "
                          "lblDirectory 8,7 113x17; lblCurrentDirectory 128,7 481x17; "
                          "lblMessage 20,23 105x17; lblWelcomeMessage 128,23 497x17; "
                          "ln1 0,48 100x1");
    QTest::newRow("at the margins")
        << QSize(113, 80)
        << QStringLiteral("rtbMap 0,0 0x0; cmdLoad 4,8 89x25; cmdFind 4,376 89x25; "
                          "lblDirectory 8,7 113x17; lblCurrentDirectory 128,7 481x17; "
                          "lblMessage 20,23 105x17; lblWelcomeMessage 128,23 497x17; "
                          "ln1 0,48 113x1");
    QTest::newRow("narrow and tall")
        << QSize(100, 600)
        << QStringLiteral("rtbMap 0,0 0x520; cmdLoad 4,8 89x25; cmdFind 4,376 89x25; "
                          "lblDirectory 8,527 113x17; lblCurrentDirectory 128,527 481x17; "
                          "lblMessage 20,543 105x17; lblWelcomeMessage 128,543 497x17; "
                          "ln1 0,568 100x1");
    QTest::newRow("just above them")
        << QSize(118, 85)
        << QStringLiteral("rtbMap 0,0 5x5; cmdLoad 9,8 89x25; cmdFind 9,376 89x25; "
                          "lblDirectory 8,12 113x17; lblCurrentDirectory 128,12 481x17; "
                          "lblMessage 20,28 105x17; lblWelcomeMessage 128,28 497x17; "
                          "ln1 0,53 118x1");
    QTest::newRow("designed")
        << QSize(759, 454)
        << QStringLiteral("rtbMap 0,0 646x374; cmdLoad 650,8 89x25; cmdFind 650,376 89x25; "
                          "lblDirectory 8,381 113x17; lblCurrentDirectory 128,381 481x17; "
                          "lblMessage 20,397 105x17; lblWelcomeMessage 128,397 497x17; "
                          "ln1 0,422 759x1");
    QTest::newRow("large")
        << QSize(1400, 1000)
        << QStringLiteral("rtbMap 0,0 1287x920; cmdLoad 1291,8 89x25; cmdFind 1291,376 89x25; "
                          "lblDirectory 8,927 113x17; lblCurrentDirectory 128,927 481x17; "
                          "lblMessage 20,943 105x17; lblWelcomeMessage 128,943 497x17; "
                          "ln1 0,968 1400x1");
}

void TestManagerWindows::mapGeometryAtEachSize() {
    QFETCH(QSize, frame);
    QFETCH(QString, places);
    World world;
    auto* map = open<frmMap>();
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    sub->resize(frame);
    QCOMPARE(sub->size(), frame);
    // The first and last buttons stand for the column, which moves as one.
    QCOMPARE(placesOf(map, {"rtbMap", "cmdLoad", "cmdFind", "lblDirectory", "lblCurrentDirectory",
                            "lblMessage", "lblWelcomeMessage", "ln1"}),
             places);
}

void TestManagerWindows::mapProgramsAndMenus() {
    World world;
    Game game(world);
    auto* map = open<frmMap>();
    auto& fake = world.platform.fake;
    click(map, "cmdTest");
    click(map, "cmdTown");
    // The game folder's runblack.exe and ManagerFolder + "\Plotwright\Plotwright.exe".
    QCOMPARE(fake.started, (QStringList{native(game.game + "runblack.exe"),
                                        native(game.manager + "/Plotwright/Plotwright.exe")}));

    // No editor set: the Options window opens instead.
    click(map, "cmdEdit");
    QVERIFY(existingForm(Form::Options));
    closeWindow(existingForm(Form::Options));
    shared().MapEditorPath = "/usr/bin/mapper";
    fake.failingPrograms << native("/usr/bin/mapper");
    click(map, "cmdEdit");
    QCOMPARE(fake.started.last(), native("/usr/bin/mapper"));
    QVERIFY(fake.messages.last().contains("mapper"));

    // Menu items without their own action do what the like command does.
    child<QAction>(map, "mnuTest")->trigger();
    QCOMPARE(fake.started.last(), native(game.game + "runblack.exe"));
    child<QAction>(map, "mnuSkin")->trigger();
    QVERIFY(existingForm(Form::Extra));
    child<QAction>(map, "mnuTattoo")->trigger();
    QVERIFY(existingForm(Form::Tattoo));
    child<QAction>(map, "mnuExit")->trigger();
    QTRY_VERIFY(!existingForm(Form::Map));
}

void TestManagerWindows::tattoosOfAProfile() {
    World world;
    Game game(world);
    const QString profile = world.path("game/Profiles/Player1/");
    QVERIFY(putFile(profile + "helpstats.dat", QByteArray("stats\0\x01", 7)));
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (int n = 1; n <= 5; ++n)
        QVERIFY(putFile(profile + QStringLiteral("symbol%1.bmp").arg(n), bitmap(colours[n - 1])));
    auto* tattoo = open<frmTattoo>();
    auto& fake = world.platform.fake;
    QCOMPARE(tattoo->windowTitle(), QStringLiteral("Grovekeep - Tattoos"));

    // A slot's "..." before any profile is loaded says so and writes nothing.
    click(tattoo, "cmd1");
    QCOMPARE(fake.messages.size(), 1);
    QVERIFY(fake.fileRequests.isEmpty());

    // Slots 6 to 16 keep what they showed before.
    const QByteArray magenta = bitmap(Qt::magenta, 64, 16);
    fake.answerFile(world.path("pics/m.bmp"));
    QVERIFY(putFile(world.path("pics/m.bmp"), magenta));
    click(tattoo, "cmdTatoo");
    QCOMPARE(centre(child<QLabel>(tattoo, "picTest")), QColor(Qt::magenta).rgb());

    fake.answerFile(profile + "helpstats.dat");
    click(tattoo, "cmdLoadTat1");
    QCOMPARE(fake.fileRequests.last().filter,
             QStringLiteral("Grovekeep (helpstats.dat)|helpstats.dat"));
    QCOMPARE(fake.fileRequests.last().currentName, native(game.game + "Profiles/x"));
    QCOMPARE(frmTattoo::profileFolder().text(), profile);
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(centre(child<QLabel>(tattoo, qPrintable(QStringLiteral("tat%1").arg(n)))),
                 colours[n - 1].rgb());
    QVERIFY(child<QLabel>(tattoo, "tat6")->pixmap().isNull());
    QCOMPARE(fileBytes(profile + "helpstats.dat"), QByteArray("stats\0\x01", 7));
    QVERIFY(child<QPlainTextEdit>(tattoo, "rtbTat")
                ->toPlainText()
                .startsWith("helpstats.dat: 7 bytes"));
    // The preview wrote nothing anywhere.
    QCOMPARE(QDir(world.path("manager")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{});

    // File > Install Tatoo puts the previewed tattoo in the first free slot.
    child<QAction>(tattoo, "mnuInstall")->trigger();
    QCOMPARE(fileBytes(profile + "symbol6.bmp"), magenta);
    QCOMPARE(centre(child<QLabel>(tattoo, "tat6")), QColor(Qt::magenta).rgb());
    // The wide picture is shown whole in its box.
    QVERIFY(child<QLabel>(tattoo, "tat6")->pixmap().width() <=
            child<QLabel>(tattoo, "tat6")->width());
}

void TestManagerWindows::tattooSlotReplacement() {
    World world;
    Game game(world);
    const QString profile = world.path("game/Profiles/Player1/");
    QVERIFY(putFile(profile + "helpstats.dat", "stats"));
    QVERIFY(putFile(profile + "symbol10.bmp", bitmap(Qt::red)));
    const QByteArray chosen = bitmap(Qt::blue);
    QVERIFY(putFile(world.path("pics/blue.bmp"), chosen));
    auto* tattoo = open<frmTattoo>();
    auto& fake = world.platform.fake;
    fake.answerFile(profile + "helpstats.dat");
    click(tattoo, "cmdLoadTat1");

    fake.answerFile(world.path("pics/blue.bmp"));
    click(tattoo, "cmd10");
    QCOMPARE(fake.fileRequests.last().filter, QStringLiteral("Tattoos (*.bmp)|*.bmp"));
    QCOMPARE(centre(child<QLabel>(tattoo, "tat10")), QColor(Qt::blue).rgb());
    QCOMPARE(fileBytes(profile + "symbol10.bmp"), chosen);
    QCOMPARE(fileBytes(world.path("manager/Backup/tattoos/symbol10.bmp")), chosen);
    QCOMPARE(fileBytes(world.path("manager/Backup/tattoos/Player1/symbol10.bmp")), bitmap(Qt::red));

    // Cancelled, not a bitmap, a PNG named .bmp, or a bitmap cut short: nothing replaced, and
    // the message says why.
    fake.cancelFile();
    click(tattoo, "cmd11");
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG");
    }
    const QByteArray whole = bitmap(Qt::green);
    const QList<QPair<QByteArray, QString>> refused = {
        {"not a bitmap", "does not begin as a Windows bitmap does"},
        {png, "does not begin as a Windows bitmap does"},
        {whole.left(whole.size() - 5), "cut short"}};
    fake.messages.clear();
    for (const auto& [bytes, reason] : refused) {
        QVERIFY(putFile(world.path("pics/not.bmp"), bytes));
        fake.answerFile(world.path("pics/not.bmp"));
        click(tattoo, "cmd11");
        QVERIFY2(fake.messages.last().contains(reason), qPrintable(fake.messages.last()));
        fake.answerFile(world.path("pics/not.bmp"));
        click(tattoo, "cmdTatoo"); // the preview refuses it too
        QVERIFY(fake.messages.last().contains(reason));
    }
    QCOMPARE(fake.messages.size(), 6);
    QVERIFY(!QFile::exists(profile + "symbol11.bmp"));
    QVERIFY(!QFile::exists(world.path("manager/Backup/tattoos/symbol11.bmp")));
    QVERIFY(child<QLabel>(tattoo, "tat11")->pixmap().isNull());
    QCOMPARE(frmTattoo::profileFolder().text(), profile);
}

void TestManagerWindows::tattooNamesInAnyLetterCase() {
    World world;
    Game game(world);
    const QString player1 = world.path("game/Profiles/Player1/");
    const QString player2 = world.path("game/Profiles/Player2/");
    QVERIFY(putFile(player1 + "helpstats.dat", "stats"));
    QVERIFY(putFile(player1 + "SYMBOL1.BMP", bitmap(Qt::red)));
    QVERIFY(putFile(player2 + "helpstats.dat", "stats"));
    QVERIFY(putFile(player2 + "symbol2.bmp", bitmap(Qt::green)));
    QVERIFY(putFile(world.path("pics/blue.bmp"), bitmap(Qt::blue)));
    auto* tattoo = open<frmTattoo>();
    auto& fake = world.platform.fake;
    fake.answerFile(player2 + "helpstats.dat");
    click(tattoo, "cmdLoadTat1");
    QCOMPARE(centre(child<QLabel>(tattoo, "tat2")), QColor(Qt::green).rgb());

    // Another profile shows its own pictures, whatever their names' letter case, and none of
    // the profile shown before.
    fake.answerFile(player1 + "helpstats.dat");
    click(tattoo, "cmdLoadTat1");
    QCOMPARE(centre(child<QLabel>(tattoo, "tat1")), QColor(Qt::red).rgb());
    QVERIFY(child<QLabel>(tattoo, "tat2")->pixmap().isNull());

    // Replacing the slot replaces that file, keeping what it held; no second file is made.
    fake.answerFile(world.path("pics/blue.bmp"));
    click(tattoo, "cmd1");
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.messages.join('\n')));
    QCOMPARE(QDir(player1).entryList(QDir::Files, QDir::Name),
             (QStringList{"SYMBOL1.BMP", "helpstats.dat"}));
    QCOMPARE(fileBytes(player1 + "SYMBOL1.BMP"), bitmap(Qt::blue));
    QCOMPARE(fileBytes(world.path("manager/Backup/tattoos/Player1/symbol1.bmp")), bitmap(Qt::red));
    // The first free slot is 2: slot 1 is taken, by its upper-case name.
    QVERIFY(putFile(world.path("pics/m.bmp"), bitmap(Qt::magenta)));
    fake.answerFile(world.path("pics/m.bmp"));
    click(tattoo, "cmdTatoo");
    child<QAction>(tattoo, "mnuInstall")->trigger();
    QCOMPARE(fileBytes(player1 + "symbol2.bmp"), bitmap(Qt::magenta));
    QCOMPARE(fileBytes(player1 + "SYMBOL1.BMP"), bitmap(Qt::blue));
}

void TestManagerWindows::undoShowsTheDiskInEveryWindow() {
    World world;
    Game game(world);
    auto& fake = world.platform.fake;
    const QString profile = world.path("game/Profiles/Player1/");
    QVERIFY(putFile(profile + "helpstats.dat", "stats"));
    QVERIFY(putFile(profile + "symbol1.bmp", bitmap(Qt::red)));
    QVERIFY(putFile(world.path("pics/blue.bmp"), bitmap(Qt::blue)));
    QVERIFY(putFile(world.path("manager/maps/castle.txt"), "castle\r\n"));

    auto* tattoo = open<frmTattoo>();
    fake.answerFile(profile + "helpstats.dat");
    click(tattoo, "cmdLoadTat1");
    fake.answerFile(world.path("pics/blue.bmp"));
    click(tattoo, "cmd1");
    QCOMPARE(centre(child<QLabel>(tattoo, "tat1")), QColor(Qt::blue).rgb());

    auto* map = open<frmMap>();
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    auto* text = child<LargeTextEdit>(map, "rtbMap");
    fake.answerFile(world.path("manager/maps/castle.txt"));
    click(map, "cmdLoad");
    QTest::keyClicks(text, "my ");
    fake.answerFile(world.path("manager/maps/castle.txt"));
    fake.answers << Answer::Yes; // replace it
    click(map, "cmdSave");
    QCOMPARE(fileBytes(world.path("manager/maps/castle.txt")), QByteArray("my castle\r\n"));

    // Undone in the History window (which writes only in the game folder and Grovekeep's): the slot
    // shows the picture back in the file, the map window the text back in its file, with nothing to
    // save.
    auto* history = open<frmHistory>();
    auto undo = [&](int id) {
        history->selectOperation(id);
        fake.answers << Answer::Yes;
        click(history, "cmdUndo");
    };
    fake.messages.clear();
    // The undo runs beside the window, which waits meanwhile and does not close.
    bool busy = false;
    auto connection = QObject::connect(&StoreChanges::instance(), &StoreChanges::changed, [&] {
        busy = !history->isEnabled() && !closeWindow(history);
    });
    undo(1);
    QObject::disconnect(connection);
    QVERIFY(busy);
    QVERIFY(history->isEnabled());
    QCOMPARE(fileBytes(profile + "symbol1.bmp"), bitmap(Qt::red));
    QCOMPARE(centre(child<QLabel>(tattoo, "tat1")), QColor(Qt::red).rgb());
    undo(2);
    QVERIFY2(fake.questions.last().endsWith("\nIts file gets back what it held before it; what "
                                            "it holds now is kept in the history."),
             qPrintable(fake.questions.last()));
    QCOMPARE(fileBytes(world.path("manager/maps/castle.txt")), QByteArray("castle\r\n"));
    QCOMPARE(map->mapText(), QStringLiteral("castle\n"));
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps"));
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.messages.join('\n')));
    // Redone (the undo undone): shown again.
    undo(4);
    QCOMPARE(map->mapText(), QStringLiteral("my castle\n"));

    // Over edits not saved, the edits stay, still unsaved, and the window says the file
    // changed; closing it then asks.
    QTest::keyClicks(text, "big ");
    undo(5);
    QCOMPARE(fileBytes(world.path("manager/maps/castle.txt")), QByteArray("castle\r\n"));
    QCOMPARE(map->mapText(), QStringLiteral("big my castle\n"));
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps*"));
    QCOMPARE(fake.messages.size(), 1);
    QVERIFY2(fake.messages.at(0).contains("was changed on disk"), qPrintable(fake.messages.at(0)));

    // A map saved as a new file, then undone: the file is gone, the text stays, unsaved.
    fake.answerFile(world.path("manager/maps/new.txt"));
    click(map, "cmdSave");
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps"));
    undo(7);
    QVERIFY(!QFile::exists(world.path("manager/maps/new.txt")));
    QCOMPARE(map->mapText(), QStringLiteral("big my castle\n"));
    QCOMPARE(shownTitle(sub), QStringLiteral("Grovekeep Beta 1 - Maps*"));
    QVERIFY2(fake.messages.last().contains("is no longer on disk"),
             qPrintable(fake.messages.last()));
    fake.questions.clear();
    fake.answers << Answer::Cancel;
    QVERIFY(!closeWindow(map));
    QCOMPARE(fake.questions.size(), 1);
}

void TestManagerWindows::landscapesAndSkins() {
    World world;
    Game game(world);
    const QByteArray island("LND\0\x01\r\n\xff", 8);
    const QByteArray skin("L3D\0\0\x7f", 6);
    QVERIFY(putFile(world.path("lands/island.lnd"), island));
    QVERIFY(putFile(world.path("game/Data/Landscape/island.lnd"), "old island"));
    QVERIFY(putFile(world.path("skins/wolf.l3d"), skin));
    auto* extra = open<frmExtra>();
    auto& fake = world.platform.fake;
    QCOMPARE(extra->windowTitle(), QStringLiteral("Grovekeep - Skin / Landscape Mode"));

    click(extra, "cmdInstallLand"); // nothing loaded yet
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/island.lnd")), QByteArray("old island"));

    fake.answerFile(world.path("lands/island.lnd"));
    click(extra, "cmdLoadLand");
    QCOMPARE(fake.fileRequests.last().filter, QStringLiteral("Lionhead Land Files (*.lnd)|*.lnd"));
    QCOMPARE(frmExtra::landscapeFileName(), QStringLiteral("island.lnd"));
    QVERIFY(child<QPlainTextEdit>(extra, "rtbLand")->toPlainText().contains("8 bytes"));
    click(extra, "cmdInstallLand");
    QCOMPARE(fileBytes(world.path("game/Data/Landscape/island.lnd")), island);
    QCOMPARE(fileBytes(world.path("manager/Backup/Landscape/island.lnd")),
             QByteArray("old island"));
    QCOMPARE(child<QLabel>(extra, "lblStatus")->text(),
             QStringLiteral("Your file was backed and then installed to the correct directory."));

    fake.answerFile(world.path("skins/wolf.l3d"));
    click(extra, "cmdLoadSkin");
    QVERIFY(child<QPlainTextEdit>(extra, "rtbSkin")->toPlainText().contains("6 bytes"));
    click(extra, "cmdInstallSkin");
    QCOMPARE(fileBytes(world.path("game/Data/CreatureMesh/wolf.l3d")), skin);
    QVERIFY(!QFile::exists(world.path("manager/Backup/CreatureMesh/wolf.l3d")));
    // The game had no wolf.l3d: nothing was backed up, and the note says so.
    QCOMPARE(child<QLabel>(extra, "lblStatus")->text(),
             QStringLiteral("Your file was installed to the correct directory. The game had no "
                            "file of that name, so there was nothing to back up."));

    // Each button takes its own kind of file only, whatever name is typed into the dialog.
    fake.messages.clear();
    fake.answerFile(world.path("lands/island.lnd"));
    click(extra, "cmdLoadSkin");
    QCOMPARE(fake.messages.size(), 1);
    QVERIFY(fake.messages.at(0).contains("is not a skin file (.l3d)"));
    click(extra, "cmdInstallSkin");
    QVERIFY(!QFile::exists(world.path("game/Data/CreatureMesh/island.lnd")));
    QCOMPARE(fileBytes(world.path("game/Data/CreatureMesh/wolf.l3d")), skin);
    fake.answerFile(world.path("skins/wolf.l3d"));
    click(extra, "cmdLoadLand");
    QVERIFY(fake.messages.last().contains("is not a landscape file (.lnd)"));
    QCOMPARE(frmExtra::landscapeFileName(), QStringLiteral("island.lnd"));

    // A cancelled dialog keeps what was loaded.
    fake.cancelFile();
    click(extra, "cmdLoadLand");
    QCOMPARE(frmExtra::landscapeFileName(), QStringLiteral("island.lnd"));
    QVERIFY(child<QPlainTextEdit>(extra, "rtbLand")->toPlainText().contains("8 bytes"));

    // Editors: Options when none is set.
    click(extra, "cmdEditSkin");
    QVERIFY(existingForm(Form::Options));
    click(extra, "cmdClose");
    QTRY_VERIFY(!existingForm(Form::Extra));
    QCOMPARE(frmExtra::landscapeFileName(), QStringLiteral("island.lnd"));
}

QTEST_MAIN(TestManagerWindows)
#include "test_manager_windows.moc"
