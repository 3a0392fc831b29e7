#include "support.h"

#include "settings/frmOptions.h"
#include "shell/startup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

void click(QWidget* w, const char* name) {
    QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
}

} // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void layoutAndCaptions();
    void loadsAllSixValues();
    void missingFileAsksForDetails();
    void browseButtons();
    void okAndApplySaveAndUpdateValues();
    void cancelAndCloseBoxDoNotSave();
    void emptyManagerFolderIsAskedFor();
    void failedSaveSaysWhy();
};

void TestOptionsWindow::layoutAndCaptions() {
    World world;
    frmOptions* w = openOptions();
    QCOMPARE(w->windowTitle(), QStringLiteral("Grovekeep - Options"));
    auto* tabs = child<QTabWidget>(w, "SSTab1");
    QCOMPARE(tabs->count(), 5);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, (QStringList{"General Options", "Map Options", "Landscape Options",
                                  "Tatoo Options", "Skin Options"}));
    QCOMPARE(tabs->currentIndex(), 0);
    // All five tabs fit in one row.
    QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());

    const QList<QPair<const char*, const char*>> labels{
        {"Label1", "Where is Black and White located?"},
        {"Label3", "Where is Grovekeep located?"},
        {"Label4", "Where is your default Map editor Located? (Optional)"},
        {"Label2", "Where is your Default Landscape Editor Located? (Optional)"},
        {"Label5", "Where is your Default Tattoo Editor Located? (Optional)"},
        {"Label6", "Where is your Default Skin Editor Located? (Optional)"}};
    for (const auto& [name, text] : labels) {
        auto* label = child<QLabel>(w, name);
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString::fromLatin1(text));
        // Readable: the label is as wide as its text needs.
        QVERIFY(label->width() >= label->sizeHint().width());
    }
    for (const char* name : {"Command1", "Command2", "Command3"})
        QCOMPARE(child<QPushButton>(w, name)->text(), QStringLiteral("..."));
    for (const char* name : {"Command4", "Command5", "Command6"})
        QCOMPARE(child<QPushButton>(w, name)->text(), QStringLiteral(".."));
    QCOMPARE(child<QPushButton>(w, "cmdOK")->geometry(), QRect(400, 320, 89, 25));
    QCOMPARE(child<QPushButton>(w, "cmdApply")->text(), QStringLiteral("Apply"));
    QCOMPARE(child<QPushButton>(w, "cmdCancel")->text(), QStringLiteral("Cancel"));
}

void TestOptionsWindow::loadsAllSixValues() {
    World world;
    QVERIFY(writeAll(world.path("options.txt"), "/bw/\r\n/gk/\r\n/m\r\n/l\r\n/s\r\n/t\r\n\r\n"));
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
    World world;
    frmOptions* w = openOptions();
    QCOMPARE(world.platform->messages,
             QStringList{"Please enter some details so Grovekeep can operate functionally"});
    for (const char* name : {"txtRunBlack", "txtManagerLocation", "txtMapCreator",
                             "txtLandscapeCreator", "txtSkinCreator", "txtTattooCreator"})
        QVERIFY(fieldText(w, name).isEmpty());
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
    QCOMPARE(readAll(world.path("gk/options.txt")), expected);
    // The rest of the program sees the new values at once.
    QCOMPARE(shared().GameFolder, QStringLiteral("/bw/"));
    QCOMPARE(shared().TattooEditorPath, QStringLiteral("/t"));

    child<QLineEdit>(w, "txtMapCreator")->setText("/m");
    QPointer<QWidget> guard(w);
    click(w, "cmdOK");
    QTRY_VERIFY(!guard);
    QVERIFY(!existingForm(Form::Options));
    QCOMPARE(shared().MapEditorPath, QStringLiteral("/m"));
    QVERIFY(readAll(world.path("gk/options.txt")).contains("\r\n/m\r\n"));
}

void TestOptionsWindow::cancelAndCloseBoxDoNotSave() {
    World world;
    const QString manager = world.folder("gk");
    frmOptions* w = openOptions();
    child<QLineEdit>(w, "txtManagerLocation")->setText(manager);
    click(w, "cmdApply");
    const QByteArray applied = readAll(world.path("gk/options.txt"));

    child<QLineEdit>(w, "txtRunBlack")->setText("/changed/");
    QVERIFY(w->close());
    QCOMPARE(readAll(world.path("gk/options.txt")), applied);
    QVERIFY(shared().GameFolder.isEmpty());

    w = qobject_cast<frmOptions*>(showForm(Form::Options));
    child<QLineEdit>(w, "txtRunBlack")->setText("/changed/");
    QPointer<QWidget> guard(w);
    click(w, "cmdCancel");
    QTRY_VERIFY(!guard);
    QCOMPARE(readAll(world.path("gk/options.txt")), applied);
}

void TestOptionsWindow::emptyManagerFolderIsAskedFor() {
    World world;
    frmOptions* w = openOptions();
    world.platform->messages.clear();
    child<QLineEdit>(w, "txtRunBlack")->setText("/bw/");
    child<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
    click(w, "cmdOK");
    QVERIFY(w->isVisible());
    QCOMPARE(world.platform->messages.size(), 1);
    QVERIFY(world.platform->messages.at(0).contains("where Grovekeep is located"));
    QCOMPARE(child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
    QVERIFY(shared().GameFolder.isEmpty());
    QVERIFY(!QFile::exists(world.path("options.txt")));
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
    QVERIFY2(message.contains("options.txt") && message.contains("does not exist"),
             qPrintable(message));
    QVERIFY(shared().ManagerFolder.isEmpty());
}

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"
