#include "frmExtra.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "common/commands.h"
#include "common/programs.h"
#include "common/shared.h"
#include "installer/install.h"
#include "managers/content.h"
#include "platform/platform.h"
#include "ui/place.h"
#include "ui/style.h"
#include "web/sites.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gk {

frmExtra::frmExtra() {
    setObjectName(QStringLiteral("frmExtra"));
    setWindowTitle(tr("Grovekeep - Skin / Landscape Mode"));
    resize(twipsToPx(11400), twipsToPx(6945));
    setFixedSize(size());
    createControls();
    connectControls();
}

void frmExtra::createControls() {
    placeButtons(this, {{"cmdLoadSkin", tr("Load Skin"), {120, 120, 1335, 375}},
                        {"cmdInstallSkin", tr("Install Skin"), {1440, 120, 1455, 375}},
                        {"cmdEditSkin", tr("Edit Skins With"), {2880, 120, 1335, 375}},
                        {"cmdCreateReadme", tr("Create Readme"), {4200, 120, 1335, 375}},
                        {"cmdFindSkin", tr("Find Skins"), {5520, 120, 1335, 375}},
                        {"cmdClose", tr("Close"), {10080, 120, 1215, 375}},
                        {"cmdLoadLand", tr("Load Landscape"), {120, 480, 1335, 375}},
                        {"cmdInstallLand", tr("Install Landscape"), {1440, 480, 1455, 375}},
                        {"cmdEditLand", tr("Edit Lands With"), {2880, 480, 1335, 375}},
                        {"cmdTest", tr("Test"), {4200, 480, 1335, 375}},
                        {"cmdGetHelp", tr("Get Help"), {5520, 480, 1335, 375}},
                        {"cmdSubmit", tr("Submit File"), {6840, 480, 1335, 375}}});
    place<QLabel>(this, "Label1",
                  tr("BELOW: This is the current landscape (lnd) file you are "
                     "viewing..."),
                  Twips{120, 960});
    // Where the installation's status texts show.
    lblStatus = place<QLabel>(this, "lblStatus", QString(), Twips{5520, 960, 5775, 255});
    lblStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_land.view = place<QPlainTextEdit>(this, "rtbLand", QString(), Twips{0, 1200, 11295, 2535});
    place<QLabel>(this, "Label2", tr("BELOW: This is the current Skin (l3d) file you are viewing"),
                  Twips{120, 3840});
    m_skin.view = place<QPlainTextEdit>(this, "rtbSkin", QString(), Twips{0, 4200, 11295, 2655});
    m_land.view->setAccessibleName(tr("The landscape loaded"));
    m_skin.view->setAccessibleName(tr("The skin loaded"));
    for (QPlainTextEdit* view : {m_land.view, m_skin.view}) {
        view->setReadOnly(true);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        view->setFont(monospaceFont());
    }

    m_land.kindName = "landscape";
    m_land.extension = QStringLiteral("lnd");
    //: A file dialog's filter: keep "(*.lnd)" as it is
    m_land.filter = tr("Lionhead Land Files (*.lnd)") + QStringLiteral("|*.lnd");
    //: %1 is the chosen file's path, in quotes
    m_land.notThisKind = tr("%1 is not a landscape file (.lnd), so it was not loaded.");
    m_land.loadFirst = tr("Please load a landscape first; it is installed under its own name.");
    m_land.gameFolder = targetFolderFor(InstallKind::Landscape);
    m_land.backupFolder = QStringLiteral("Backup\\Landscape\\");
    m_skin.kindName = "skin";
    m_skin.extension = QStringLiteral("l3d");
    //: A file dialog's filter: keep "(*.l3d)" as it is
    m_skin.filter = tr("Lionhead Skin Files (*.l3d)") + QStringLiteral("|*.l3d");
    //: %1 is the chosen file's path, in quotes
    m_skin.notThisKind = tr("%1 is not a skin file (.l3d), so it was not loaded.");
    m_skin.loadFirst = tr("Please load a skin first; it is installed under its own name.");
    m_skin.gameFolder = targetFolderFor(InstallKind::Skin);
    m_skin.backupFolder = QStringLiteral("Backup\\CreatureMesh\\");
    enableButtons(this, {"cmdFindSkin", "cmdGetHelp", "cmdSubmit"}, isRegistered(Form::Browser));
    enableButtons(this, {"cmdCreateReadme"}, isRegistered(Form::Readme));
}

void frmExtra::connectControls() {
    onClick(this, "cmdLoadLand", &frmExtra::cmdLoadLand_Click);
    onClick(this, "cmdInstallLand", &frmExtra::cmdInstallLand_Click);
    onClick(this, "cmdLoadSkin", &frmExtra::cmdLoadSkin_Click);
    onClick(this, "cmdInstallSkin", &frmExtra::cmdInstallSkin_Click);
    onClick(this, "cmdEditLand",
            [this] { startEditorOrShowOptions(this, shared().LandscapeEditorPath); });
    onClick(this, "cmdEditSkin",
            [this] { startEditorOrShowOptions(this, shared().SkinEditorPath); });
    onClick(this, "cmdCreateReadme", [] { showForm(Form::Readme); });
    onClick(this, "cmdTest", [this] { RunGame(this); });
    onClick(this, "cmdFindSkin", [] { openInBrowser(sites::fanSitePage("/fernlow/skins.html")); });
    onClick(this, "cmdGetHelp", [] { openInBrowser(sites::makerPage("/manager/help.htm")); });
    onClick(this, "cmdSubmit", [] { openInBrowser(sites::makerPage("/manager/submit.htm")); });
    onClick(this, "cmdClose", [this] { closeWindow(this); });
}

void frmExtra::setStatus(const QString& text) { lblStatus->setText(text); }

bool frmExtra::load(Content& content) {
    const auto chosen = openAndRead(this, content.filter, m_dialogFileName);
    if (!chosen)
        return false;
    // A name typed into the dialog escapes its filter: each button takes its own kind only,
    // so that no landscape is installed as a skin or the other way round.
    if (QFileInfo(chosen->path.fileName())
            .suffix()
            .compare(content.extension, Qt::CaseInsensitive) != 0) {
        platform().message(this, content.notThisKind.arg(quotedPath(chosen->path)));
        return false;
    }
    m_dialogFileName = chosen->path;
    content.path = chosen->path;
    content.bytes = chosen->bytes;
    content.view->setPlainText(describeBytes(chosen->path.shown(), chosen->bytes));
    setStatus(QString());
    return true;
}

void frmExtra::install(Content& content, const QString& name) {
    if (content.path.isEmpty() || name.isEmpty()) {
        platform().message(this, content.loadFirst);
        return;
    }
    if (!settingsFoldersKnown(this))
        return;
    auto store = storeOrSay(this);
    if (!store)
        return;
    setStatus(tr("Backing up file"));
    setStatus(tr("Installing Script"));
    OperationInfo info;
    info.kind = QString::fromLatin1(content.kindName);
    info.what = QStringLiteral("%1 %2").arg(
        &content == &m_land ? QStringLiteral("Install Landscape") : QStringLiteral("Install Skin"),
        quotedName(name));
    const auto installed =
        store->apply(info, {contentInstall(content.bytes, gameFolder(), content.gameFolder,
                                           managerFolder(), content.backupFolder, name)});
    if (!installed) {
        setStatus(tr("The file was not installed."));
        platform().message(this, installed.error());
        return;
    }
    setStatus(installedNote(*installed));
}

void frmExtra::cmdLoadLand_Click() {
    if (load(m_land))
        StoreLandscapeFileName(m_land.path);
}

void frmExtra::StoreLandscapeFileName(const NativePath& path) {
    LandscapeFileName = path.fileName();
}

void frmExtra::cmdInstallLand_Click() { install(m_land, LandscapeFileName); }

void frmExtra::cmdLoadSkin_Click() { load(m_skin); }

void frmExtra::cmdInstallSkin_Click() { install(m_skin, m_skin.path.fileName()); }

} // namespace gk
