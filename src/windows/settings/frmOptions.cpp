#include "frmOptions.h"

#include "base/paths.h"
#include "base/places.h"
#include "base/quoting.h"
#include "common/programs.h"
#include "common/shared.h"
#include "platform/platform.h"
#include "settings/options.h"
#include "settings/ownsettings.h"
#include "system/gamesearch.h"
#include "ui/place.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace gk {

namespace {
// The filter of every file, after another.
QString allFiles() {
#ifdef Q_OS_WIN
    //: A file dialog's filter: keep "(*.*)" as it is
    return QStringLiteral("|") + frmOptions::tr("All files (*.*)") + QStringLiteral("|*.*");
#else
    // Editors on this system are often native programs without ".exe".
    //: A file dialog's filter: keep "(*)" as it is
    return QStringLiteral("|") + frmOptions::tr("All files (*)") + QStringLiteral("|*");
#endif
}

// A folder typed without its closing separator gets one: the program appends relative paths
// to the folder values directly.
QString withSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QDir::separator();
}
} // namespace

QString gameBrowseFilter() {
    //: A file dialog's filter: the game's name, with its program "(runblack.exe)" as it is
    return frmOptions::tr("Black and White (runblack.exe)") + QStringLiteral("|runblack.exe");
}

QString managerBrowseFilter() {
    const QString exe = executableName(QStringLiteral("Grovekeep"));
    return QStringLiteral("Grovekeep (%1)|%1").arg(exe);
}

QString mapEditorBrowseFilter() {
    //: A file dialog's filter: keep "(*.exe)" as it is
    return frmOptions::tr("exeFiles (*.exe)") + QStringLiteral("|*.exe") + allFiles();
}

QString editorBrowseFilter() {
    //: A file dialog's filter: keep "(*.exe)" as it is
    return frmOptions::tr("exe Files (*.exe)") + QStringLiteral("|*.exe") + allFiles();
}

frmOptions::frmOptions() {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Grovekeep - Options"));
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
    QWidget* general = addTab("tabGeneral", tr("General Options"));
    QWidget* map = addTab("tabMap", tr("Map Options"));
    QWidget* landscape = addTab("tabLandscape", tr("Landscape Options"));
    QWidget* tattoo = addTab("tabTattoo", tr("Tatoo Options"));
    QWidget* skin = addTab("tabSkin", tr("Skin Options"));
    // Controls are designed relative to the tab control; pages start below the tab row.
    m_tabOffsetTwips = pxToTwips(SSTab1->tabBar()->sizeHint().height() + 2);

    txtRunBlack = addRow(general, {"Label1", tr("Where is Black and White located?"), 660,
                                   "txtRunBlack", 5295, "Command1", QStringLiteral("..."), 5520});
    txtManagerLocation =
        addRow(general, {"Label3", tr("Where is Grovekeep located?"), 1500, "txtManagerLocation",
                         5295, "Command3", QStringLiteral("..."), 5520});
    txtMapCreator =
        addRow(map, {"Label4", tr("Where is your default Map editor Located? (Optional)"), 540,
                     "txtMapCreator", 5655, "Command2", QStringLiteral("..."), 5880});
    txtLandscapeCreator = addRow(
        landscape, {"Label2", tr("Where is your Default Landscape Editor Located? (Optional)"), 540,
                    "txtLandscapeCreator", 5655, "Command4", QStringLiteral(".."), 5880});
    txtTattooCreator =
        addRow(tattoo, {"Label5", tr("Where is your Default Tattoo Editor Located? (Optional)"),
                        540, "txtTattooCreator", 5655, "Command5", QStringLiteral(".."), 5880});
    txtSkinCreator =
        addRow(skin, {"Label6", tr("Where is your Default Skin Editor Located? (Optional)"), 540,
                      "txtSkinCreator", 5655, "Command6", QStringLiteral(".."), 5880});

#ifndef Q_OS_WIN
    // Grovekeep's own setting: which Wine starts the game and the editors.
    txtWine = addRow(general, {"lblWine", tr("Which Wine starts Windows programs?"), 2340,
                               "txtWine", 5295, "cmdWine", QStringLiteral("..."), 5520});
    txtWine->setPlaceholderText(tr("the system's wine"));
    txtWine->setToolTip(tr("Empty for the system's wine, a wine program of a Wine "
                           "build, or a launcher's command (the program is added "
                           "at its end)"));
#endif
    cmdFindGame = place<QPushButton>(general, "cmdFindGame", tr("Find the game..."),
                                     Twips{120, 3300 - m_tabOffsetTwips, 1935, 375});
    // Grovekeep's own setting: the language of its texts, each named in its own language.
    auto* lblLanguage =
        place<QLabel>(general, "lblLanguage", tr("Language:"), Twips{120, 3900 - m_tabOffsetTwips});
    cmbLanguage =
        place<QComboBox>(general, "cmbLanguage", Twips{1440, 3840 - m_tabOffsetTwips, 2655, 315});
    lblLanguage->setBuddy(cmbLanguage);
    cmbLanguage->addItem(tr("The system's language"), QString());
    cmbLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    cmbLanguage->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    cmbLanguage->addItem(QStringLiteral("Fran\u00e7ais"), QStringLiteral("fr"));
    // Under the list, as wide as the page allows: it wraps where a language needs more.
    auto* note = place<QLabel>(general, "lblLanguageNote",
                               tr("Grovekeep changes its language at its next start."),
                               Twips{1440, 4260 - m_tabOffsetTwips, 5895, 255});
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdCancel = place<QPushButton>(this, "cmdCancel", tr("Cancel"), Twips{3120, 4800, 1335, 375});
    cmdApply = place<QPushButton>(this, "cmdApply", tr("Apply"), Twips{4560, 4800, 1335, 375});
    cmdOK = place<QPushButton>(this, "cmdOK", tr("OK"), Twips{6000, 4800, 1335, 375});
    cmdOK->setDefault(true);
}

void frmOptions::connectControls() {
    onClick(this, "Command1", [this] { browse(txtRunBlack, gameBrowseFilter(), true); });
    onClick(this, "Command3", [this] { browse(txtManagerLocation, managerBrowseFilter(), true); });
    onClick(this, "Command2", [this] { browse(txtMapCreator, mapEditorBrowseFilter(), false); });
    onClick(this, "Command4", [this] { browse(txtLandscapeCreator, editorBrowseFilter(), false); });
    onClick(this, "Command5", [this] { browse(txtTattooCreator, editorBrowseFilter(), false); });
    onClick(this, "Command6", [this] { browse(txtSkinCreator, editorBrowseFilter(), false); });
    if (txtWine)
        onClick(this, "cmdWine", [this] {
            const auto chosen =
                //: A file dialog's filter: keep "(*)" as it is
                platform().openFileName(this,
                                        QStringLiteral("Wine (wine)|wine|") + tr("All files (*)") +
                                            QStringLiteral("|*"),
                                        NativePath(txtWine->text()));
            if (chosen && !chosen->isEmpty())
                txtWine->setText(chosen->text());
        });
    onClick(this, "cmdFindGame", [this] { FindGame(false); });
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
    //: What a screen reader says of a "..." button; %1 is the caption of the field it fills
    browse->setAccessibleName(tr("Choose: %1").arg(row.caption));
    browse->setToolTip(tr("Choose the file"));
    return field;
}

void frmOptions::Form_Load() { LoadOptions(); }

void frmOptions::LoadOptions() {
    const auto file = readSettingsFile(startupSettingsCandidates());
    if (!file) {
        platform().message(this, tr("Please enter some details so Grovekeep can operate "
                                    "functionally"));
        proposeFirstSettings();
        return;
    }
    ReadOptionsFile(file->values);
    const OwnSettings own = readOwnSettings(ComposedPath(txtManagerLocation->text()));
    showWine(own.wine);
    // A language this version does not speak (an edited file) shows as the system's.
    cmbLanguage->setCurrentIndex(std::max(0, cmbLanguage->findData(own.language)));
}

WineStart frmOptions::wineFromField() const {
    const QString text = txtWine ? txtWine->text().trimmed() : QString();
    if (text.isEmpty())
        return {};
    if (QDir::isAbsolutePath(text) && QFileInfo(text).isFile())
        return {WineStart::Kind::Build, text};
    return {WineStart::Kind::Command, text};
}

void frmOptions::showWine(const WineStart& wine) {
    if (txtWine)
        txtWine->setText(wine.kind == WineStart::Kind::System ? QString() : wine.value);
}

void frmOptions::FindGame(bool quiet) {
    QList<FoundGame> games;
    QStringList notes;
#ifdef Q_OS_WIN
    for (const NativePath& folder : findGame())
        games << FoundGame{folder, {}};
#else
    games = findGameInLaunchers(QDir::homePath(), qEnvironmentVariable("WINEPREFIX"), &notes);
#endif
    const QString passed = notes.isEmpty()
                               ? QString()
                               : QStringLiteral("\n\n") + notes.mid(0, 5).join(QLatin1Char('\n'));
    if (games.isEmpty()) {
        if (!quiet)
            platform().message(this,
#ifdef Q_OS_WIN
                               tr("Black and White was not found. Grovekeep looked in the usual "
                                  "install places of the fixed drives. Please choose its "
                                  "runblack.exe with \"...\".")
#else
                               tr("Black and White was not found. Grovekeep looked in the usual "
                                  "install places of the Wine prefixes of Wine, Lutris, Bottles, "
                                  "Heroic, Steam and PlayOnLinux. Please choose its runblack.exe "
                                  "with \"...\".")
#endif
                                   + passed);
        return;
    }
    int chosen = 0;
    if (games.size() > 1) {
        QStringList items;
        for (const FoundGame& game : games) {
            if (game.prefix.launcher.isEmpty()) {
                items << game.folder.shown();
                continue;
            }
            const QString wine = !game.prefix.wineName.isEmpty() ? game.prefix.wineName
                                 : !game.prefix.wine.isEmpty()   ? game.prefix.wine.shown()
                                                                 : tr("the system's wine");
            items << QStringLiteral("%1  (%2, %3)")
                         .arg(game.folder.shown(), game.prefix.launcher, wine);
        }
        const auto choice = platform().choose(
            this,
            //: %1 is a number above one
            tr("Black and White was found in %1 places. Which one do you play?").arg(games.size()) +
                passed,
            items);
        if (!choice || *choice < 0 || *choice >= games.size())
            return;
        chosen = *choice;
    }
    const FoundGame& game = games.at(chosen);
    txtRunBlack->setText(game.folder.text());
    // The Wine the prefix's launcher starts it with; the launcher's own prefix would be
    // updated for another build otherwise.
    if (txtWine)
        showWine(game.prefix.wine.isEmpty()
                     ? WineStart{}
                     : WineStart{WineStart::Kind::Build, game.prefix.wine.text()});
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
    FindGame(true);
}

QStringList frmOptions::fieldValues() const {
    return {txtRunBlack->text(),         txtManagerLocation->text(), txtMapCreator->text(),
            txtLandscapeCreator->text(), txtSkinCreator->text(),     txtTattooCreator->text()};
}

bool frmOptions::SaveOptions() {
    if (txtManagerLocation->text().isEmpty()) {
        SSTab1->setCurrentIndex(0);
        txtManagerLocation->setFocus();
        platform().message(this, tr("Please enter where Grovekeep is located. The "
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
    // Grovekeep's own settings are written once they say more than the defaults.
    std::optional<OwnSettings> own;
    {
        OwnSettings current = readOwnSettings(manager);
        const bool present = QFileInfo::exists(ownSettingsPath(manager).native().text());
        OwnSettings chosen = current;
        if (txtWine)
            chosen.wine = wineFromField();
        chosen.language = cmbLanguage->currentData().toString();
        if (present || chosen != current)
            own = chosen;
    }
    const Status written = writeSettings(manager, values, readPath, own);
    if (!written) {
        platform().message(this,
                           //: %1 says why
                           tr("The options were not saved. %1").arg(written.error()));
        return false;
    }
    ReadOptionsFile(values);
    // Saved where the next start does not look (the file could not be read back): say so,
    // rather than let them vanish.
    if (!settingsReadBack({readPath}, values))
        platform().message(this,
                           //: %1 is the file written, %2 the file read at start-up
                           tr("The options were saved in %1, but Grovekeep "
                              "could not read them back from %2, where it "
                              "reads them at start-up.")
                               .arg(quotedPath(settingsWritePath(manager)), quotedPath(readPath)));
    if (!txtRunBlack->text().isEmpty() && !holdsGame(ComposedPath(txtRunBlack->text()).native()))
        platform().message(this,
                           //: %1 is the game's folder
                           tr("The options were saved, but %1 holds no runblack.exe, "
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
