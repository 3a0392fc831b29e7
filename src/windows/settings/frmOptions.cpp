#include "frmOptions.h"

#include "base/paths.h"
#include "base/places.h"
#include "base/quoting.h"
#include "common/programs.h"
#include "common/shared.h"
#include "platform/platform.h"
#include "settings/options.h"
#include "system/gamesearch.h"
#include "ui/place.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace gk {

namespace {
#ifdef Q_OS_WIN
const QString kAllFiles = QStringLiteral("|All files (*.*)|*.*");
#else
// Editors on this system are often native programs without ".exe".
const QString kAllFiles = QStringLiteral("|All files (*)|*");
#endif

// A folder typed without its closing separator gets one: the program appends relative paths
// to the folder values directly.
QString withSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QDir::separator();
}
} // namespace

QString gameBrowseFilter() { return QStringLiteral("Black and White (runblack.exe)|runblack.exe"); }

QString managerBrowseFilter() {
    const QString exe = executableName(QStringLiteral("Grovekeep"));
    return QStringLiteral("Grovekeep (%1)|%1").arg(exe);
}

QString mapEditorBrowseFilter() { return QStringLiteral("exeFiles (*.exe)|*.exe") + kAllFiles; }

QString editorBrowseFilter() { return QStringLiteral("exe Files (*.exe)|*.exe") + kAllFiles; }

frmOptions::frmOptions() {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Grovekeep - Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    resize(twipsToPx(7620), twipsToPx(5235));
    // The controls keep their places when the window grows; smaller, the buttons would be cut.
    setMinimumSize(twipsToPx(7620), twipsToPx(5235));
    createControls();
    connectControls();
    // The keyboard starts in the first field (the tab row would take it otherwise).
    txtRunBlack->setFocus();
    addHelpKey(this);
}

void frmOptions::createControls() {
    SSTab1 = place<QTabWidget>(this, "SSTab1", Twips{0, 0, 7575, 4695});
    QWidget* general = addTab("tabGeneral", QStringLiteral("General Options"));
    QWidget* map = addTab("tabMap", QStringLiteral("Map Options"));
    QWidget* landscape = addTab("tabLandscape", QStringLiteral("Landscape Options"));
    QWidget* tattoo = addTab("tabTattoo", QStringLiteral("Tatoo Options"));
    QWidget* skin = addTab("tabSkin", QStringLiteral("Skin Options"));
    // Controls are designed relative to the tab control; pages start below the tab row.
    m_tabOffsetTwips = pxToTwips(SSTab1->tabBar()->sizeHint().height() + 2);

    txtRunBlack =
        addRow(general, {"Label1", QStringLiteral("Where is Black and White located?"), 660,
                         "txtRunBlack", 5295, "Command1", QStringLiteral("..."), 5520});
    txtManagerLocation =
        addRow(general, {"Label3", QStringLiteral("Where is Grovekeep located?"), 1500,
                         "txtManagerLocation", 5295, "Command3", QStringLiteral("..."), 5520});
    txtMapCreator = addRow(
        map, {"Label4", QStringLiteral("Where is your default Map editor Located? (Optional)"), 540,
              "txtMapCreator", 5655, "Command2", QStringLiteral("..."), 5880});
    txtLandscapeCreator = addRow(
        landscape,
        {"Label2", QStringLiteral("Where is your Default Landscape Editor Located? (Optional)"),
         540, "txtLandscapeCreator", 5655, "Command4", QStringLiteral(".."), 5880});
    txtTattooCreator =
        addRow(tattoo,
               {"Label5", QStringLiteral("Where is your Default Tattoo Editor Located? (Optional)"),
                540, "txtTattooCreator", 5655, "Command5", QStringLiteral(".."), 5880});
    txtSkinCreator = addRow(
        skin, {"Label6", QStringLiteral("Where is your Default Skin Editor Located? (Optional)"),
               540, "txtSkinCreator", 5655, "Command6", QStringLiteral(".."), 5880});

    cmdCancel = place<QPushButton>(this, "cmdCancel", QStringLiteral("Cancel"),
                                   Twips{3120, 4800, 1335, 375});
    cmdApply =
        place<QPushButton>(this, "cmdApply", QStringLiteral("Apply"), Twips{4560, 4800, 1335, 375});
    cmdOK = place<QPushButton>(this, "cmdOK", QStringLiteral("OK"), Twips{6000, 4800, 1335, 375});
    cmdOK->setDefault(true);
}

void frmOptions::connectControls() {
    onClick(this, "Command1", [this] { browse(txtRunBlack, gameBrowseFilter(), true); });
    onClick(this, "Command3", [this] { browse(txtManagerLocation, managerBrowseFilter(), true); });
    onClick(this, "Command2", [this] { browse(txtMapCreator, mapEditorBrowseFilter(), false); });
    onClick(this, "Command4", [this] { browse(txtLandscapeCreator, editorBrowseFilter(), false); });
    onClick(this, "Command5", [this] { browse(txtTattooCreator, editorBrowseFilter(), false); });
    onClick(this, "Command6", [this] { browse(txtSkinCreator, editorBrowseFilter(), false); });
    onClick(this, "cmdOK", &frmOptions::cmdOK_Click);
    onClick(this, "cmdApply", &frmOptions::cmdApply_Click);
    onClick(this, "cmdCancel", &frmOptions::cmdCancel_Click);
}

QWidget* frmOptions::addTab(const char* name, const QString& caption) {
    auto* page = new QWidget(SSTab1);
    page->setObjectName(QString::fromLatin1(name));
    SSTab1->addTab(page, caption);
    return page;
}

QLineEdit* frmOptions::addRow(QWidget* tab, const Row& row) {
    const int fieldTop = row.labelTop + 360;
    const int shift = m_tabOffsetTwips;
    auto* label = place<QLabel>(tab, row.labelName, row.caption, Twips{120, row.labelTop - shift});
    auto* field =
        place<QLineEdit>(tab, row.fieldName, Twips{120, fieldTop - shift, row.fieldWidth, 285});
    label->setBuddy(field);
    auto* browse = place<QPushButton>(tab, row.buttonName, row.buttonCaption,
                                      Twips{row.buttonLeft, fieldTop - shift, 255, 255});
    browse->setAccessibleName(QStringLiteral("Choose: %1").arg(row.caption));
    browse->setToolTip(QStringLiteral("Choose the file"));
    return field;
}

void frmOptions::Form_Load() { LoadOptions(); }

void frmOptions::LoadOptions() {
    const auto file = readSettingsFile(startupSettingsCandidates());
    if (!file) {
        platform().message(this,
                           QStringLiteral("Please enter some details so Grovekeep can operate "
                                          "functionally"));
        proposeFirstSettings();
        return;
    }
    ReadOptionsFile(file->values);
}

void frmOptions::ReadOptionsFile(const QStringList& values) {
    QLineEdit* fields[SettingsLineCount] = {txtRunBlack,    txtManagerLocation,
                                            txtMapCreator,  txtLandscapeCreator,
                                            txtSkinCreator, txtTattooCreator};
    for (int i = 0; i < SettingsLineCount && i < values.size(); ++i)
        fields[i]->setText(values.at(i));
    setSettings(values);
}

void frmOptions::proposeFirstSettings() {
    // Grovekeep's folder: its own when portable, the user's data folder when installed; the
    // game: the first runblack.exe found where this system's installs lie (on Windows the
    // registered installs and the fixed drives, elsewhere the player's Wine prefixes).
    txtManagerLocation->setText(proposedManagerFolder(programFolder()).text());
    const QList<NativePath> games = findGame();
    if (!games.isEmpty())
        txtRunBlack->setText(games.constFirst().text());
}

QStringList frmOptions::fieldValues() const {
    return {txtRunBlack->text(),         txtManagerLocation->text(), txtMapCreator->text(),
            txtLandscapeCreator->text(), txtSkinCreator->text(),     txtTattooCreator->text()};
}

bool frmOptions::SaveOptions() {
    if (txtManagerLocation->text().isEmpty()) {
        SSTab1->setCurrentIndex(0);
        txtManagerLocation->setFocus();
        platform().message(this, QStringLiteral("Please enter where Grovekeep is located. The "
                                                "options are saved in that folder."));
        return false;
    }
    for (QLineEdit* folder : {txtRunBlack, txtManagerLocation})
        folder->setText(withSeparator(folder->text()));
    // Grovekeep's own folder, where the next start reads the options (the user's data folder
    // of an installed Grovekeep), is made when it is missing.
    const NativePath readPath = startupSettingsCandidates().constFirst();
    QDir().mkpath(readPath.folder().text());
    if (NativePath(txtManagerLocation->text()) == userDataFolder())
        QDir().mkpath(userDataFolder().text());
    const QStringList values = fieldValues();
    const ComposedPath manager(txtManagerLocation->text());
    const Status written = writeSettings(manager, values, readPath);
    if (!written) {
        platform().message(this,
                           QStringLiteral("The options were not saved. %1").arg(written.error()));
        return false;
    }
    ReadOptionsFile(values);
    // Saved where the next start does not look (the file could not be read back): say so,
    // rather than let them vanish.
    if (!settingsReadBack({readPath}, values))
        platform().message(this,
                           QStringLiteral("The options were saved in %1, but Grovekeep "
                                          "could not read them back from %2, where it "
                                          "reads them at start-up.")
                               .arg(quotedPath(settingsWritePath(manager)), quotedPath(readPath)));
    if (!txtRunBlack->text().isEmpty() && !holdsGame(ComposedPath(txtRunBlack->text()).native()))
        platform().message(this,
                           QStringLiteral("The options were saved, but %1 holds no runblack.exe, "
                                          "so it may not be the game's folder. Grovekeep "
                                          "installs into it and starts the game from there: "
                                          "please check it.")
                               .arg(quotedPath(NativePath(txtRunBlack->text()))));
    return true;
}

void frmOptions::cmdOK_Click() {
    if (SaveOptions())
        accept();
}

void frmOptions::cmdApply_Click() { SaveOptions(); }

void frmOptions::cmdCancel_Click() { reject(); }

void frmOptions::browse(QLineEdit* field, const QString& filter, bool folderOnly) {
    const auto chosen = platform().openFileName(this, filter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return;
    m_dialogFileName = *chosen;
    field->setText(folderOnly ? chosen->folder().text() : chosen->text());
}

} // namespace gk
