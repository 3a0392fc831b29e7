#include "frmTattoo.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "common/changes.h"
#include "common/commands.h"
#include "common/programs.h"
#include "common/shared.h"
#include "managers/content.h"
#include "managers/tattoos.h"
#include "platform/platform.h"
#include "ui/menus.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gk {

namespace {
// The file dialogs' filter of tattoos.
QString tattooFilter() {
    //: A file dialog's filter: keep "(*.bmp)" as it is
    return frmTattoo::tr("Tattoos (*.bmp)") + QStringLiteral("|*.bmp");
}

QString loadProfileFirst() {
    return frmTattoo::tr("Please load a player profile first: click \"<< Load Tatoos\" and open "
                         "the profile's helpstats.dat file.");
}

QLabel* pictureBox(QWidget* parent, const char* name, const Twips& rect) {
    auto* box = place<QLabel>(parent, name, QString(), rect);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    return box;
}
} // namespace

frmTattoo::frmTattoo() {
    setObjectName(QStringLiteral("frmTattoo"));
    setWindowTitle(tr("Grovekeep - Tattoos"));
    resize(twipsToPx(9375), twipsToPx(5970));
    setFixedSize(size());
    createControls();
    createMenus();
    connectControls();
    connect(&StoreChanges::instance(), &StoreChanges::changed, this, &frmTattoo::showDiskChanges);
}

void frmTattoo::createControls() {
    for (int n = 1; n <= tattooSlotCount; ++n) {
        tat[n] = pictureBox(this, qPrintable(QStringLiteral("tat%1").arg(n)), tattooPictureRect(n));
        //: %1 is the slot's number, %2 its file's name
        tat[n]->setAccessibleName(tr("Tattoo %1 (%2)").arg(n).arg(tattooFileName(n)));
        auto* replace = place<QPushButton>(this, qPrintable(QStringLiteral("cmd%1").arg(n)),
                                           QStringLiteral("..."), tattooButtonRect(n));
        replace->setAccessibleName(tr("Replace tattoo %1").arg(n));
        //: %1 is the slot's number, %2 its file's name
        replace->setToolTip(
            tr("Replace tattoo %1 (%2) with a bitmap you choose").arg(n).arg(tattooFileName(n)));
    }

    placeButtons(this, {{"cmdTatoo", tr("Load Tatoo >>"), {6000, 120, 1335, 375}},
                        {"cmdLoadTat1", tr("<< Load Tatoos"), {6000, 600, 1335, 375}},
                        {"cmdEdit", tr("Edit Tatoo with..."), {6000, 1320, 1335, 375}},
                        {"cmdReadme", tr("Create Readme"), {6000, 1800, 1335, 375}},
                        {"cmdTest", tr("Test Tatoo"), {6000, 2400, 1335, 375}},
                        {"cmdSubmit", tr("Submit Tatoo"), {6000, 2880, 1335, 375}},
                        {"cmdHelp", tr("Get Tatoo Help"), {6000, 3600, 1335, 375}},
                        {"cmdFindTat", tr("Find Tatoos"), {6000, 4080, 1335, 375}}});
    picTest = pictureBox(this, "picTest", Twips{7440, 120, 1095, 975});
    rtbTat = place<QPlainTextEdit>(this, "rtbTat", QString(), Twips{7800, 1560, 1215, 1095});
    rtbTat->setReadOnly(true);
    picTest->setAccessibleName(tr("Tattoo being tried"));
    rtbTat->setAccessibleName(tr("The file last loaded"));
    rtbTat->setLineWrapMode(QPlainTextEdit::NoWrap);
    place<QLabel>(this, "Label1", tr("Current Stored Tatoos:"), Twips{120, 4560});
    lblDirectory = place<QLabel>(this, "lblDirectory", QString(), Twips{1920, 4560, 7335, 255});
    auto* label2 =
        place<QLabel>(this, "Label2",
                      tr("Click on the '...' button to load in picture. You can have a maximum of "
                         "16 tatoos in your Black and White directory at one time! You can test a "
                         "tatoo before it is installed by clicking Load Tatooand the graphic will "
                         "apper in the test area at the side."),
                      Twips{120, 4920, 9255, 495});
    auto* label3 =
        place<QLabel>(this, "Label3",
                      tr("To load in a player profile click Load Tatoos find the player directory "
                         "and open the helpstats.dat file. NOTE this file will not be edited."),
                      Twips{120, 5520, 9135, 375});
    label2->setWordWrap(true);
    label3->setWordWrap(true);
    lblDirectory->setTextFormat(Qt::PlainText);
    enableButtons(this, {"cmdSubmit", "cmdHelp", "cmdFindTat"}, isRegistered(Form::Browser));
    enableButtons(this, {"cmdReadme"}, isRegistered(Form::Readme));
}

void frmTattoo::createMenus() {
    addMenu(this, m_menus, "mnuFile", tr("File"),
            {{"frmOpen", tr("Open Tatoo"), [this] { cmdTatoo_Click(); }, true, QKeySequence::Open},
             {"mnuInstall", tr("Install Tatoo"), [this] { installPreview(); }},
             {"mnuExit", tr("Exit"), [this] { closeWindow(this); }}});
    addMenu(this, m_menus, "mnuEdit", tr("Edit"),
            {{"mnuTatoo", tr("Edit Tatoo with..."), [this] { editTattoo(); }},
             {"mnuTest", tr("Test Tatoo"), [this] { RunGame(this); }}});
    // Mods come as packages, which the installer installs.
    addMenu(this, m_menus, "mnuManage", tr("Manage"),
            {{"mnuMap", tr("Map"), [] { showForm(Form::Map); }},
             showsForm("mnuLandscape", tr("Landscape"), Form::Extra),
             showsForm("mnuSkin", tr("Skin"), Form::Extra),
             showsForm("mnuMod", tr("Mod"), Form::Install)});
    addMenu(this, m_menus, "mnuTools", tr("Tools"),
            {showsForm("mnuReadme", tr("Readme Creator"), Form::Readme),
             {"mnuOptions", tr("Options"), [] { showForm(Form::Options); }},
             showsForm("mnuHistory", tr("History"), Form::History)});
    // About is modal here: the tattoo window waits until it is closed.
    addMenu(
        this, m_menus, "mnuHelp", tr("Help"),
        {{"mnuUpdate", tr("Updates"), &showUpdates, isRegistered(Form::Update)},
         {"mnuTatHelp", tr("Tatoo Help"), [this] { showHelpPage(); }, isRegistered(Form::Browser)},
         {"mnuContents", tr("Contents"), [this] { startHelpViewer(this); }},
         {"mnuAbout", tr("About"), [] { showFormModal(Form::About); }, isRegistered(Form::About)}});
}

void frmTattoo::connectControls() {
    for (int n = 1; n <= tattooSlotCount; ++n)
        onClick(this, qPrintable(QStringLiteral("cmd%1").arg(n)),
                [this, n] { ReplaceTattooSlot(n); });
    onClick(this, "cmdTatoo", &frmTattoo::cmdTatoo_Click);
    onClick(this, "cmdLoadTat1", &frmTattoo::cmdLoadTat1_Click);
    onClick(this, "cmdEdit", &frmTattoo::editTattoo);
    onClick(this, "cmdReadme", [] { showForm(Form::Readme); });
    onClick(this, "cmdTest", [this] { RunGame(this); });
    onClick(this, "cmdSubmit", [] { openInBrowser(sites::makerPage("/manager/submit.htm")); });
    onClick(this, "cmdHelp", &frmTattoo::showHelpPage);
    onClick(this, "cmdFindTat", [] { openInBrowser(sites::fanSitePage("/fernlow/tats.html")); });
}

void frmTattoo::editTattoo() { startEditorOrShowOptions(this, shared().TattooEditorPath); }

void frmTattoo::showHelpPage() { openInBrowser(sites::makerPage("/manager/help.htm")); }

bool frmTattoo::showPicture(QLabel* box, const QByteArray& bytes) {
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        return false;
    const QSize room = box->contentsRect().size();
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(picture);
    return true;
}

void frmTattoo::ReplaceTattooSlot(int slot) {
    if (ProfileFolder.value().isEmpty()) {
        platform().message(this, loadProfileFirst());
        return;
    }
    if (!settingsFoldersKnown(this, false))
        return;
    const auto chosen = openAndRead(this, tattooFilter(), m_dialogFileName);
    if (!chosen)
        return;
    m_dialogFileName = chosen->path;
    if (!isTattooOrSay(chosen->path, chosen->bytes))
        return;
    auto store = storeOrSay(this);
    if (!store)
        return;
    const auto replaced =
        replaceTattoo(*store, chosen->bytes, ProfileFolder, managerFolder(), slot);
    if (!replaced) {
        platform().message(this, replaced.error());
        return;
    }
    showPicture(tat[slot], chosen->bytes);
    rtbTat->setPlainText(describeBytes(chosen->path.fileName(), chosen->bytes));
}

void frmTattoo::cmdLoadTat1_Click() {
    const NativePath preset = shared().GameFolder.isEmpty()
                                  ? m_dialogFileName
                                  : (gameFolder() + QStringLiteral("Profiles\\x")).native();
    const auto chosen =
        openAndRead(this, QStringLiteral("Grovekeep (helpstats.dat)|helpstats.dat"), preset);
    if (!chosen)
        return;
    m_dialogFileName = chosen->path;
    rtbTat->setPlainText(describeBytes(chosen->path.fileName(), chosen->bytes));
    ProfileFolder = profileFolderOf(chosen->path);
    lblDirectory->setText(ProfileFolder.value().shown());
    LoadProfileTattoos();
}

void frmTattoo::LoadProfileTattoos() {
    // A slot whose picture the profile lacks (or that cannot be shown) is empty: it never keeps
    // the picture of another profile, or one the file no longer holds.
    for (int n = 1; n <= tattooSlotCount; ++n) {
        const auto bytes = readFileBytes(profileTattooPath(ProfileFolder, n));
        if (!bytes || !showPicture(tat[n], *bytes))
            tat[n]->setPixmap(QPixmap());
    }
}

void frmTattoo::showDiskChanges(const Announcement& announcement) {
    if (StoreChanges::holdsOneIn(announcement.files, ProfileFolder))
        LoadProfileTattoos();
}

void frmTattoo::cmdTatoo_Click() {
    const auto chosen = openAndRead(this, tattooFilter(), m_dialogFileName);
    if (!chosen)
        return;
    m_dialogFileName = chosen->path;
    if (!isTattooOrSay(chosen->path, chosen->bytes) || !showPicture(picTest, chosen->bytes))
        return;
    m_preview = chosen->bytes;
}

bool frmTattoo::isTattooOrSay(const NativePath& path, const QByteArray& bytes) {
    // Only a whole Windows bitmap goes into a profile: the game reads nothing else.
    QString problem = bitmapProblem(bytes);
    if (problem.isEmpty() && QImage::fromData(bytes, "BMP").isNull())
        //: Why a file is not a complete Windows bitmap
        problem = tr("its pixels cannot be read");
    if (problem.isEmpty())
        return true;
    //: %1 is the file's path, %2 what is wrong with it
    platform().message(this, tr("%1 is not a complete Windows bitmap (%2), so it "
                                "was not used as a tattoo. Nothing was written.")
                                 .arg(quotedPath(path), problem));
    return false;
}

void frmTattoo::installPreview() {
    if (m_preview.isEmpty()) {
        platform().message(this, tr("Please open a tattoo first with \"Load Tatoo >>\"; "
                                    "it is shown in the test area."));
        return;
    }
    if (ProfileFolder.value().isEmpty()) {
        platform().message(this, loadProfileFirst());
        return;
    }
    if (!settingsFoldersKnown(this, false))
        return;
    // The previewed tattoo goes into the first slot that holds none.
    const int slot = firstFreeTattooSlot(ProfileFolder);
    if (slot == 0) {
        platform().message(this, tr("All sixteen tattoo slots are in use. Use the "
                                    "\"...\" button of the slot you want to replace."));
        return;
    }
    auto store = storeOrSay(this);
    if (!store)
        return;
    const auto replaced = replaceTattoo(*store, m_preview, ProfileFolder, managerFolder(), slot);
    if (!replaced) {
        platform().message(this, replaced.error());
        return;
    }
    showPicture(tat[slot], m_preview);
}

} // namespace gk
