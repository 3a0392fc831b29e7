// Takes the screenshots of docs/: each main window of Grovekeep, as a player sees it, on a
// sample game folder. Run by scripts/screenshots under Xvfb with a window manager, so that the
// pictures show real window frames; the dialogs are answered by the scripted platform layer.
// GROVEKEEP_LANGUAGE=de (or fr) takes them in that language.

#include "common/commands.h"
#include "common/shared.h"
#include "frmHelp.h"
#include "frmMDI.h"
#include "settings/language.h"
#include "startup.h"
#include "support/fakeplatform.h"
#include "support/files.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace gk;
using namespace gk::test;

namespace {

QString g_output;

void settle(int ms = 400) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QTest::qWait(20);
    }
}

// The window as the screen shows it, its frame included.
void shoot(QWidget* window, const QString& name) {
    window->raise();
    window->activateWindow();
    settle();
    const QRect frame = window->frameGeometry();
    const QPixmap picture =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = g_output + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!picture.save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else
        std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    if (b)
        b->click();
    settle(150);
}

QByteArray bitmap(QColor colour, QColor mark) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.setPen(QPen(mark, 3));
    p.drawEllipse(QRect(8, 8, 16, 16));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installTranslations(shownLanguage(qEnvironmentVariable(kLanguageVariable)));
    g_output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString helpPages = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QTemporaryDir dir;
    const QString root = dir.path();
    qputenv("HOME", QFile::encodeName(root));

    // A player's game in a Wine prefix, and the files an author works on.
    const QString game = root + "/.wine/drive_c/Games/Black & White/";
    const QString manager = root + "/Grovekeep/";
    for (const char* folder :
         {"Scripts/Playgrounds", "Data/Landscape", "Data/CreatureMesh", "Profiles/Player1"})
        QDir().mkpath(game + folder);
    QDir().mkpath(manager);
    putFile(game + "runblack.exe", "MZ");
    putFile(game + "Profiles/Player1/helpstats.dat", "stats");
    const QColor colours[] = {Qt::darkGreen,  Qt::darkRed,  Qt::darkBlue,
                              Qt::darkYellow, Qt::darkCyan, Qt::darkMagenta};
    for (int n = 1; n <= 6; ++n)
        putFile(game + QStringLiteral("Profiles/Player1/symbol%1.bmp").arg(n),
                bitmap(colours[n - 1], Qt::white));
    putFile(root + "/work/castle.txt", "// Castle on the hill: a map for two players\r\n"
                                       "LAND_NUMBER 3\r\n"
                                       "START_CAMERA_POS 1790.0 24.0 1420.0\r\n"
                                       "CREATE_TOWN 0 1810.5 1432.5 PLAYER_ONE GREEK\r\n"
                                       "CREATE_TOWN 1 2400.0 1900.0 PLAYER_TWO NORSE\r\n"
                                       "CREATE_FEATURE 1825.0 1440.0 FEATURE_CASTLE\r\n"
                                       "VERSION 2.1\r\n");
    QByteArray land("LND", 3);
    for (int k = 0; k < 2000; ++k)
        land += char(k * 37 % 256);
    putFile(root + "/work/hills.lnd", land);
    putFile(root + "/work/wolf.l3d", QByteArray("L3D\0\x01\x02\x03 wolf skin", 18));

    ScopedFakePlatform desktop;
    auto& fake = desktop.fake;
    shared().GameFolder = game;
    shared().ManagerFolder = manager;
    registerGrovekeepForms();
    applyGrovekeepStyle();
    frmMDI* mdi = startGrovekeep();
    mdi->resize(900, 640);
    settle(800);

    // The main window, with a map loaded.
    QWidget* map = existingForm(Form::Map);
    fake.answerFile(root + "/work/castle.txt");
    click(map, "cmdLoad");
    shoot(mdi, "main-window");

    // The landscape and skin manager.
    QWidget* extra = showForm(Form::Extra);
    fake.answerFile(root + "/work/hills.lnd");
    click(extra, "cmdLoadLand");
    fake.answerFile(root + "/work/wolf.l3d");
    click(extra, "cmdLoadSkin");
    shoot(mdi, "landscapes");
    closeWindow(extra);

    // The tattoo manager, on a profile.
    QWidget* tattoo = showForm(Form::Tattoo);
    fake.answerFile(game + "Profiles/Player1/helpstats.dat");
    click(tattoo, "cmdLoadTat1");
    shoot(mdi, "tattoos");
    closeWindow(tattoo);

    // The readme creator, composed.
    QWidget* readme = showForm(Form::Readme);
    readme->findChild<QComboBox*>("cmbType")->setEditText("Map");
    readme->findChild<QLineEdit*>("txtTitle")->setText("Castle on the Hill");
    readme->findChild<QLineEdit*>("txtName")->setText("Ann Author");
    readme->findChild<QPlainTextEdit*>("txtDesc")->setPlainText(
        "Two tribes, one hill, and a castle that both want.");
    readme->findChild<QLineEdit*>("txtContact")->setText("ann@example.org");
    shoot(mdi, "readme");
    click(readme, "cmdShow");
    fake.answers << Answer::No;
    closeWindow(readme);

    // The installer, building a package; then installing it, and the history.
    QWidget* installer = showForm(Form::Install);
    installer->findChild<QAbstractButton*>("op2")->click();
    click(installer, "cmdNext");
    fake.answerFile(root + "/work/castle.txt");
    fake.answerFile(game + "Scripts/Playgrounds/castle.txt");
    click(installer, "cmdInstall");
    fake.answerFile(root + "/work/hills.lnd");
    fake.answerFile(game + "Data/Landscape/hills.lnd");
    click(installer, "cmdInstall");
    shoot(installer, "installer");
    click(installer, "cmdNext");
    fake.answerFile(root + "/work/castle.vif");
    click(installer, "cmdInstall");
    click(installer, "cmdNext");
    closeWindow(installer);
    offerToInstall(NativePath(root + "/work/castle.vif"));
    installer = existingForm(Form::Install);
    click(installer, "cmdNext");
    closeWindow(installer);
    QWidget* history = showForm(Form::History);
    click(history, "cmdVerify");
    shoot(mdi, "history");
    closeWindow(history);

    // Options.
    QWidget* options = showForm(Form::Options);
    shoot(options, "options");
    closeWindow(options);

    // The help viewer.
    if (!helpPages.isEmpty()) {
        help::frmHelp help(helpPages);
        help.show();
        settle(600);
        shoot(&help, "help");
    }
    return 0;
}
