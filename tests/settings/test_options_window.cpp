// The Options dialog over options.txt, driven through its controls.

#include "support/world.h"

#include "settings/frmOptions.h"
#include "settings/language.h"
#include "settings/options.h"
#include "settings/ownsettings.h"
#include "startup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>

using namespace gk;
using namespace gk::test;

namespace {

frmOptions* openOptions() {
    registerGrovekeepForms();
    return qobject_cast<frmOptions*>(showForm(Form::Options));
}

QString fieldText(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }

} // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void captionsAreReadable();
    void loadsAllSixValues();
    void missingFileAsksForDetails();
    void browseButtons();
    void okAndApplySaveAndUpdateValues();
    void cancelAndCloseBoxDoNotSave();
    void emptyManagerFolderIsAskedFor();
    void failedSaveSaysWhy();
    void savedOptionsAreWhatTheNextStartReads();
    void findTheGameAmongLaunchers();
    void languageIsKeptForTheNextStart();
};

void TestOptionsWindow::captionsAreReadable() {
    World world;
    frmOptions* w = openOptions();
    auto* tabs = child<QTabWidget>(w, "SSTab1");
    QCOMPARE(tabs->currentIndex(), 0);
    // All five tabs fit in one row, and every label is as wide as its text needs.
    QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
        auto* label = child<QLabel>(w, name);
        QVERIFY2(label && label->width() >= label->sizeHint().width(), name);
        // Each label names its field (for screen readers), each "..." says what it chooses.
        QVERIFY2(qobject_cast<QLineEdit*>(label->buddy()), name);
    }
    QVERIFY(child<QPushButton>(w, "Command1")->accessibleName().contains("Black and White"));
    // Smaller than designed, the buttons would be cut off.
    QCOMPARE(w->minimumSize(), w->size());
}

void TestOptionsWindow::loadsAllSixValues() {
    World world;
    QVERIFY(putFile(world.optionsFile(), "/bw/\r\n/gk/\r\n/m\r\n/l\r\n/s\r\n/t\r\n\r\n"));
    frmOptions* w = openOptions();
    QVERIFY(world.platform->messages.isEmpty());
    QCOMPARE(fieldText(w, "txtRunBlack"), QStringLiteral("/bw/"));
    QCOMPARE(fieldText(w, "txtManagerLocation"), QStringLiteral("/gk/"));
    QCOMPARE(fieldText(w, "txtMapCreator"), QStringLiteral("/m"));
    QCOMPARE(fieldText(w, "txtLandscapeCreator"), QStringLiteral("/l"));
    QCOMPARE(fieldText(w, "txtSkinCreator"), QStringLiteral("/s"));
    QCOMPARE(fieldText(w, "txtTattooCreator"), QStringLiteral("/t"));
    QCOMPARE(settingsValues(), (QStringList{"/bw/", "/gk/", "/m", "/l", "/s", "/t"}));

    // Showing it again keeps unsaved edits.
    child<QLineEdit>(w, "txtMapCreator")->setText("edited");
    showForm(Form::Options);
    QCOMPARE(fieldText(w, "txtMapCreator"), QStringLiteral("edited"));
}

void TestOptionsWindow::missingFileAsksForDetails() {
    // The first time, Grovekeep's folder is proposed (the user's data folder, for a Grovekeep
    // that is not portable) and so is a game found in the player's Wine prefix; the editors are
    // left empty. OK makes the proposed folder and keeps the options there.
    World world;
#ifdef Q_OS_WIN
    // On Windows the game's installer registered it.
    const QString game = native(world.path("Lionhead Studios Ltd/Black & White/"));
    const QString uninstall =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    QSettings(uninstall, QSettings::NativeFormat)
        .setValue("GrovekeepTestGame/InstallLocation", game);
    const auto unregister = qScopeGuard(
        [&] { QSettings(uninstall, QSettings::NativeFormat).remove("GrovekeepTestGame"); });
#else
    const QString game = world.path("home/.wine/drive_c/Program Files/Lionhead Studios Ltd/"
                                    "Black & White/");
#endif
    QVERIFY(putFile(game + "RUNBLACK.EXE", "MZ"));
    frmOptions* w = openOptions();
    QCOMPARE(world.platform->messages,
             QStringList{"Please enter some details so Grovekeep can operate functionally"});
    QCOMPARE(fieldText(w, "txtRunBlack"), game);
    const QString data = native(world.path("home/.local/share/Grovekeep/"));
    QCOMPARE(fieldText(w, "txtManagerLocation"), data);
    for (const char* name :
         {"txtMapCreator", "txtLandscapeCreator", "txtSkinCreator", "txtTattooCreator"})
        QVERIFY(fieldText(w, name).isEmpty());
    click(w, "cmdApply");
    QVERIFY(QFile::exists(data + "options.txt"));
    // Found by the next start, which reads the user's data folder: no message beyond the
    // first-run one.
    QCOMPARE(world.platform->messages.size(), 1);
}

void TestOptionsWindow::browseButtons() {
    World world;
    frmOptions* w = openOptions();
    auto& fake = world.platform.fake;

    fake.answerFile("/home/u/.wine/drive_c/Games/Black & White/runblack.exe");
    click(w, "Command1");
    QCOMPARE(fieldText(w, "txtRunBlack"),
             QStringLiteral("/home/u/.wine/drive_c/Games/Black & White/"));
    QCOMPARE(fake.fileRequests.last().filter,
             QStringLiteral("Black and White (runblack.exe)|runblack.exe"));
    QVERIFY(!fake.fileRequests.last().save);

    // The folder is kept whatever the chosen file is called.
    fake.answerFile("/opt/grovekeep/other-name");
    click(w, "Command3");
    QCOMPARE(fieldText(w, "txtManagerLocation"), QStringLiteral("/opt/grovekeep/"));
    QVERIFY(fake.fileRequests.last().filter.startsWith("Grovekeep ("));
    // The dialog starts from the file last chosen.
    QCOMPARE(fake.fileRequests.last().currentName,
             QStringLiteral("/home/u/.wine/drive_c/Games/Black & White/runblack.exe"));

    fake.answerFile("/usr/bin/mapper");
    click(w, "Command2");
    QCOMPARE(fieldText(w, "txtMapCreator"), QStringLiteral("/usr/bin/mapper"));
    QVERIFY(fake.fileRequests.last().filter.startsWith("exeFiles (*.exe)|*.exe"));

    // A cancelled dialog changes nothing, not even with a file chosen before.
    child<QLineEdit>(w, "txtSkinCreator")->setText("kept");
    fake.cancelFile();
    click(w, "Command6");
    QCOMPARE(fieldText(w, "txtSkinCreator"), QStringLiteral("kept"));
    QVERIFY(fake.fileRequests.last().filter.startsWith("exe Files (*.exe)|*.exe"));
    fake.cancelFile();
    click(w, "Command1");
    QCOMPARE(fieldText(w, "txtRunBlack"),
             QStringLiteral("/home/u/.wine/drive_c/Games/Black & White/"));

    fake.answerFile("/usr/bin/landscaper");
    click(w, "Command4");
    fake.answerFile("/usr/bin/tattooer");
    click(w, "Command5");
    QCOMPARE(fieldText(w, "txtLandscapeCreator"), QStringLiteral("/usr/bin/landscaper"));
    QCOMPARE(fieldText(w, "txtTattooCreator"), QStringLiteral("/usr/bin/tattooer"));
}

void TestOptionsWindow::okAndApplySaveAndUpdateValues() {
    World world;
    const QString manager = world.folder("gk");
    frmOptions* w = openOptions();
    child<QLineEdit>(w, "txtRunBlack")->setText("/bw/");
    child<QLineEdit>(w, "txtManagerLocation")->setText(manager);
    child<QLineEdit>(w, "txtTattooCreator")->setText("/t");

    click(w, "cmdApply");
    QVERIFY(w->isVisible());
    const QByteArray expected = "/bw/\r\n" + manager.toUtf8() + "\r\n\r\n\r\n\r\n/t\r\n\r\n";
    QCOMPARE(fileBytes(world.path("gk/options.txt")), expected);
    // The rest of the program sees the new values at once.
    QCOMPARE(shared().GameFolder, QStringLiteral("/bw/"));
    QCOMPARE(shared().TattooEditorPath, QStringLiteral("/t"));

    child<QLineEdit>(w, "txtMapCreator")->setText("/m");
    QPointer<QWidget> guard(w);
    click(w, "cmdOK");
    QTRY_VERIFY(!guard);
    QVERIFY(!existingForm(Form::Options));
    QCOMPARE(shared().MapEditorPath, QStringLiteral("/m"));
    QVERIFY(fileBytes(world.path("gk/options.txt")).contains("\r\n/m\r\n"));
}

void TestOptionsWindow::cancelAndCloseBoxDoNotSave() {
    World world;
    const QString manager = world.folder("gk");
    frmOptions* w = openOptions();
    child<QLineEdit>(w, "txtManagerLocation")->setText(manager);
    click(w, "cmdApply");
    const QByteArray applied = fileBytes(world.path("gk/options.txt"));

    child<QLineEdit>(w, "txtRunBlack")->setText("/changed/");
    QVERIFY(w->close());
    QCOMPARE(fileBytes(world.path("gk/options.txt")), applied);
    QVERIFY(shared().GameFolder.isEmpty());

    w = qobject_cast<frmOptions*>(showForm(Form::Options));
    child<QLineEdit>(w, "txtRunBlack")->setText("/changed/");
    QPointer<QWidget> guard(w);
    click(w, "cmdCancel");
    QTRY_VERIFY(!guard);
    QCOMPARE(fileBytes(world.path("gk/options.txt")), applied);
}

void TestOptionsWindow::emptyManagerFolderIsAskedFor() {
    World world;
    frmOptions* w = openOptions();
    world.platform->messages.clear();
    child<QLineEdit>(w, "txtRunBlack")->setText("/bw/");
    child<QLineEdit>(w, "txtManagerLocation")->clear(); // the proposal taken away
    child<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
    click(w, "cmdOK");
    QVERIFY(w->isVisible());
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("where Grovekeep is located"));
    QCOMPARE(child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
    QVERIFY(shared().GameFolder.isEmpty());
    QVERIFY(!QFile::exists(world.optionsFile()));
}

void TestOptionsWindow::failedSaveSaysWhy() {
    World world;
    frmOptions* w = openOptions();
    world.platform->messages.clear();
    child<QLineEdit>(w, "txtManagerLocation")->setText(world.path("missing") + "/");
    click(w, "cmdOK");
    QVERIFY(w->isVisible());
    QCOMPARE(world.platform->messages.size(), 1);
    const QString message = world.platform->messages.at(0);
    QVERIFY2(message.contains(native(world.path("missing"))), qPrintable(message));
    QVERIFY(shared().ManagerFolder.isEmpty());
}

void TestOptionsWindow::savedOptionsAreWhatTheNextStartReads() {
    // Grovekeep's folder set elsewhere than its own: OK writes both files, so the next start
    // reads what was saved. An options.txt in the working folder is never read.
    World world;
    const QString manager = world.folder("elsewhere");
    const QString game = world.folder("bw");
    QVERIFY(putFile(game + "RunBlack.exe", "MZ"));
    QVERIFY(putFile(world.optionsFile(), (game + "\r\n" + manager + "\r\n").toUtf8()));
    QVERIFY(putFile(world.path("options.txt"), "/home/\r\n/downloads/\r\n"));
    frmOptions* w = openOptions();
    QCOMPARE(fieldText(w, "txtManagerLocation"), manager);
    child<QLineEdit>(w, "txtMapCreator")->setText("/editor");
    click(w, "cmdOK");
    const auto next = readSettingsFile(startupSettingsCandidates());
    QVERIFY(next);
    QCOMPARE(next->values.value(LineMapEditor), QStringLiteral("/editor"));
    QCOMPARE(fileBytes(world.path("elsewhere/options.txt")), fileBytes(world.optionsFile()));
    QCOMPARE(fileBytes(world.path("options.txt")), QByteArray("/home/\r\n/downloads/\r\n"));
    QVERIFY(world.platform->messages.isEmpty());

    // The first time, too: the options go where Grovekeep reads them as well.
    QFile::remove(world.optionsFile());
    QCoreApplication::processEvents();
    w = openOptions();
    world.platform->messages.clear();
    child<QLineEdit>(w, "txtManagerLocation")->setText(manager);
    click(w, "cmdApply");
    QVERIFY(world.platform->messages.isEmpty());
    QCOMPARE(fileBytes(world.path("elsewhere/options.txt")), fileBytes(world.optionsFile()));

    // A folder typed without its separator gets one; a game folder without runblack.exe is
    // saved with a warning.
    world.platform->messages.clear();
    child<QLineEdit>(w, "txtRunBlack")->setText(world.path("elsewhere"));
    click(w, "cmdApply");
    // (This system's separator: a folder the user types is theirs, only completed.)
    const QString completed = world.path("elsewhere") + QDir::separator();
    QCOMPARE(fieldText(w, "txtRunBlack"), completed);
    QCOMPARE(shared().GameFolder, completed);
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("holds no runblack.exe"));
    QVERIFY(!world.platform->messages.at(0).contains(QLatin1Char('?'))); // says, asks nothing
}

// "Find the game..." with the game in a Lutris prefix and in a Bottles bottle: the user
// chooses from a list naming each place, launcher and Wine; the choice fills the game's folder
// and the Wine its launcher uses, which OK keeps in grovekeep.ini beside an unchanged
// options.txt. Nothing found is said; a cancelled choice changes nothing.
void TestOptionsWindow::findTheGameAmongLaunchers() {
#ifdef Q_OS_WIN
    QSKIP("Wine launchers keep their prefixes on Linux only");
#else
    World world;
    const QString manager = world.folder("gk");
    QVERIFY(putFile(world.optionsFile(), "\r\n" + manager.toUtf8() + "\r\n\r\n\r\n\r\n\r\n\r\n"));
    frmOptions* w = openOptions();
    click(w, "cmdFindGame");
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.constFirst().startsWith("Black and White was not found."));

    const QString lutris = world.path("home/Games/bw/drive_c/GOG Games/Black and White/");
    QVERIFY(putFile(lutris + "runblack.exe", "MZ"));
    QVERIFY(putFile(world.path("home/.config/lutris/games/bw-1.yml"),
                    "game:\n  prefix: ~/Games/bw\nwine:\n  version: wine-ge-8\n"));
    const QString bottle = world.path("home/.local/share/bottles/bottles/BW/");
    const QString runner = world.path("home/.local/share/bottles/runners/soda-7.0/bin/wine");
    QVERIFY(putFile(runner, "#!/bin/sh\n"));
    QVERIFY(putFile(bottle + "bottle.yml", "Name: BW\nRunner: soda-7.0\n"));
    const QString inBottle = bottle + "drive_c/Program Files/Lionhead Studios Ltd/Black & White/";
    QVERIFY(putFile(inBottle + "runblack.exe", "MZ"));

    click(w, "cmdFindGame"); // the choice is cancelled
    QCOMPARE(fieldText(w, "txtRunBlack"), QString());
    const QStringList items = world.platform->choiceItems;
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0), lutris + "  (Lutris, wine-ge-8)");
    QCOMPARE(items.at(1), inBottle + "  (Bottles, soda-7.0)");

    world.platform->choices << 1;
    click(w, "cmdFindGame");
    QCOMPARE(fieldText(w, "txtRunBlack"), inBottle);
    QCOMPARE(fieldText(w, "txtWine"), runner);
    click(w, "cmdApply");
    QCOMPARE(fileBytes(manager + "options.txt"),
             inBottle.toUtf8() + "\r\n" + manager.toUtf8() + "\r\n\r\n\r\n\r\n\r\n\r\n");
    QCOMPARE(readOwnSettings(ComposedPath(manager)).wine,
             (WineStart{WineStart::Kind::Build, runner}));

    // Emptied, the field means the system's wine again.
    child<QLineEdit>(w, "txtWine")->clear();
    click(w, "cmdApply");
    QCOMPARE(readOwnSettings(ComposedPath(manager)).wine, WineStart{});
#endif
}

// The language chosen is kept in grovekeep.ini (options.txt unchanged) and read by the next
// start; the window says it changes then. A language this version does not speak (an edited
// file) shows as the system's, and keys of other versions stay.
void TestOptionsWindow::languageIsKeptForTheNextStart() {
    // (What a program started by Grovekeep is told would win over the settings.)
    const QByteArray told = qgetenv(kLanguageVariable);
    qunsetenv(kLanguageVariable);
    const auto restore = qScopeGuard([told] {
        if (!told.isEmpty())
            qputenv(kLanguageVariable, told);
    });
    World world;
    const QString manager = world.folder("gk");
    const QByteArray options = "\r\n" + manager.toUtf8() + "\r\n\r\n\r\n\r\n\r\n\r\n";
    QVERIFY(putFile(world.optionsFile(), options));
    QVERIFY(putFile(manager + "options.txt", options));
    frmOptions* w = openOptions();
    auto* language = child<QComboBox>(w, "cmbLanguage");
    QVERIFY(language);
    QCOMPARE(language->currentIndex(), 0); // the system's
    QVERIFY(child<QLabel>(w, "lblLanguageNote")->text().contains("next start"));
    QCOMPARE(startupLanguageChoice(), QString());
    language->setCurrentIndex(language->findData(QStringLiteral("fr")));
    click(w, "cmdApply");
    QCOMPARE(readOwnSettings(ComposedPath(manager)).language, QStringLiteral("fr"));
    QCOMPARE(fileBytes(manager + "options.txt"), options);
    QCOMPARE(startupLanguageChoice(), QStringLiteral("fr"));
    QCOMPARE(shownLanguage(startupLanguageChoice()), QStringLiteral("fr"));
    QVERIFY(world.platform->messages.isEmpty());

    closeWindow(w);
    QVERIFY(putFile(manager + "grovekeep.ini", "language=tlh\nfuture=1\n"));
    w = openOptions();
    language = child<QComboBox>(w, "cmbLanguage");
    QCOMPARE(language->currentIndex(), 0);
    QCOMPARE(shownLanguage(startupLanguageChoice()), shownLanguage(QString()));
    language->setCurrentIndex(language->findData(QStringLiteral("de")));
    click(w, "cmdOK");
    const OwnSettings own = readOwnSettings(ComposedPath(manager));
    QCOMPARE(own.language, QStringLiteral("de"));
    QCOMPARE(own.others.size(), 1); // the key of another version is kept
}

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"
