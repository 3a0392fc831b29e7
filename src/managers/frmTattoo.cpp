#include "frmTattoo.h"

#include "content.h"
#include "core/fileio.h"
#include "core/paths.h"
#include "platform/platform.h"
#include "shell/commands.h"
#include "shell/layout.h"
#include "shell/programs.h"
#include "shell/shared.h"
#include "tattoos.h"
#include "web/sites.h"

#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gk {

namespace {
const QString kTattooFilter = QStringLiteral("Tattoos (*.bmp)|*.bmp");

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
    setWindowTitle(QStringLiteral("Grovekeep - Tattoos"));
    resize(twipsToPx(9375), twipsToPx(5970));
    setFixedSize(size());

    for (int n = 1; n <= tattooSlotCount; ++n) {
        tat[n] = pictureBox(this, qPrintable(QStringLiteral("tat%1").arg(n)), tattooPictureRect(n));
        auto* button = place<QPushButton>(this, qPrintable(QStringLiteral("cmd%1").arg(n)),
                                          QStringLiteral("..."), tattooButtonRect(n));
        connect(button, &QPushButton::clicked, this, [this, n] { ReplaceTattooSlot(n); });
    }

    struct Button {
        const char* name;
        const char* caption;
        int top;
    };
    const Button buttons[] = {
        {"cmdTatoo", "Load Tatoo >>", 120},      {"cmdLoadTat1", "<< Load Tatoos", 600},
        {"cmdEdit", "Edit Tatoo with...", 1320}, {"cmdReadme", "Create Readme", 1800},
        {"cmdTest", "Test Tatoo", 2400},         {"cmdSubmit", "Submit Tatoo", 2880},
        {"cmdHelp", "Get Tatoo Help", 3600},     {"cmdFindTat", "Find Tatoos", 4080}};
    for (const Button& b : buttons)
        place<QPushButton>(this, b.name, QString::fromLatin1(b.caption),
                           Twips{6000, b.top, 1335, 375});
    picTest = pictureBox(this, "picTest", Twips{7440, 120, 1095, 975});
    rtbTat = place<QPlainTextEdit>(this, "rtbTat", QString(), Twips{7800, 1560, 1215, 1095});
    rtbTat->setReadOnly(true);
    rtbTat->setLineWrapMode(QPlainTextEdit::NoWrap);
    place<QLabel>(this, "Label1", QStringLiteral("Current Stored Tatoos:"), Twips{120, 4560});
    lblDirectory = place<QLabel>(this, "lblDirectory", QString(), Twips{1920, 4560, 7335, 255});
    auto* label2 = place<QLabel>(
        this, "Label2",
        QStringLiteral("Click on the '...' button to load in picture. You can have a maximum of "
                       "16 tatoos in your Black and White directory at one time! You can test a "
                       "tatoo before it is installed by clicking Load Tatooand the graphic will "
                       "apper in the test area at the side."),
        Twips{120, 4920, 9255, 495});
    auto* label3 = place<QLabel>(
        this, "Label3",
        QStringLiteral("To load in a player profile click Load Tatoos find the player directory "
                       "and open the helpstats.dat file. NOTE this file will not be edited."),
        Twips{120, 5520, 9135, 375});
    label2->setWordWrap(true);
    label3->setWordWrap(true);
    lblDirectory->setTextFormat(Qt::PlainText);

    auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    auto editor = [this] { startEditorOrShowOptions(this, shared().TattooEditorPath); };
    auto readme = [] { showForm(Form::Readme); };
    auto test = [this] { RunGame(this); };
    auto helpPage = [this] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/help.htm")));
    };
    connect(button("cmdTatoo"), &QPushButton::clicked, this, &frmTattoo::cmdTatoo_Click);
    connect(button("cmdLoadTat1"), &QPushButton::clicked, this, &frmTattoo::cmdLoadTat1_Click);
    connect(button("cmdEdit"), &QPushButton::clicked, this, editor);
    connect(button("cmdReadme"), &QPushButton::clicked, this, readme);
    connect(button("cmdTest"), &QPushButton::clicked, this, test);
    connect(button("cmdSubmit"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/submit.htm")));
    });
    connect(button("cmdHelp"), &QPushButton::clicked, this, helpPage);
    connect(button("cmdFindTat"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::FanSiteHost, QStringLiteral("/fernlow/tats.html")));
    });
    const bool browser = isRegistered(Form::Browser);
    for (const char* name : {"cmdSubmit", "cmdHelp", "cmdFindTat"})
        button(name)->setEnabled(browser);
    button("cmdReadme")->setEnabled(isRegistered(Form::Readme));

    auto menu = [this](const char* name, const QString& caption) {
        return addNamedMenu(this, m_menus, name, caption);
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption, auto handler,
                       bool enabled = true) {
        addNamedItem(m, name, caption, this, handler, enabled);
    };
    QMenu* file = menu("mnuFile", QStringLiteral("File"));
    item(file, "frmOpen", QStringLiteral("Open Tatoo"), [this] { cmdTatoo_Click(); });
    item(file, "mnuInstall", QStringLiteral("Install Tatoo"), [this] { installPreview(); });
    item(file, "mnuExit", QStringLiteral("Exit"), [this] { closeWindow(this); });
    QMenu* edit = menu("mnuEdit", QStringLiteral("Edit"));
    item(edit, "mnuTatoo", QStringLiteral("Edit Tatoo with..."), editor);
    item(edit, "mnuTest", QStringLiteral("Test Tatoo"), test);
    QMenu* manage = menu("mnuManage", QStringLiteral("Manage"));
    item(manage, "mnuMap", QStringLiteral("Map"), [] { showForm(Form::Map); });
    item(
        manage, "mnuLandscape", QStringLiteral("Landscape"), [] { showForm(Form::Extra); },
        isRegistered(Form::Extra));
    item(
        manage, "mnuSkin", QStringLiteral("Skin"), [] { showForm(Form::Extra); },
        isRegistered(Form::Extra));
    // Mods come as packages, which the installer installs.
    item(
        manage, "mnuMod", QStringLiteral("Mod"), [] { showForm(Form::Install); },
        isRegistered(Form::Install));
    QMenu* tools = menu("mnuTools", QStringLiteral("Tools"));
    item(tools, "mnuReadme", QStringLiteral("Readme Creator"), readme, isRegistered(Form::Readme));
    item(tools, "mnuOptions", QStringLiteral("Options"), [] { showForm(Form::Options); });
    QMenu* help = menu("mnuHelp", QStringLiteral("Help"));
    item(help, "mnuUpdate", QStringLiteral("Updates"), &showUpdates, isRegistered(Form::Update));
    item(help, "mnuTatHelp", QStringLiteral("Tatoo Help"), helpPage, browser);
    item(help, "mnuContents", QStringLiteral("Contents"), [this] { startHelpViewer(this); });
    // Modal here: the tattoo window waits until About is closed.
    item(
        help, "mnuAbout", QStringLiteral("About"), [] { showFormModal(Form::About); },
        isRegistered(Form::About));
}

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
    if (shared().ProfileFolder.isEmpty()) {
        platform().message(this, QStringLiteral("Please load a player profile first: click "
                                                "\"<< Load Tatoos\" and open the profile's "
                                                "helpstats.dat file."));
        return;
    }
    if (!settingsFoldersKnown(this, false))
        return;
    const auto chosen = platform().openFileName(this, kTattooFilter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return;
    m_dialogFileName = *chosen;
    const auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(this, bytes.error());
        return;
    }
    QPixmap check;
    if (!check.loadFromData(*bytes)) {
        platform().message(this, QStringLiteral("\"%1\" is not a picture Grovekeep can read, so "
                                                "it was not used as a tattoo.")
                                     .arg(displayPath(*chosen)));
        return;
    }
    const Status replaced =
        replaceTattoo(*bytes, shared().ProfileFolder, shared().ManagerFolder, slot);
    if (!replaced) {
        platform().message(this, replaced.error());
        return;
    }
    showPicture(tat[slot], *bytes);
    rtbTat->setPlainText(describeBytes(bareFileName(*chosen), *bytes));
}

void frmTattoo::cmdLoadTat1_Click() {
    const QString preset = shared().GameFolder.isEmpty()
                               ? m_dialogFileName
                               : toNativePath(shared().GameFolder + QStringLiteral("Profiles\\x"));
    const auto chosen = platform().openFileName(
        this, QStringLiteral("Grovekeep (helpstats.dat)|helpstats.dat"), preset);
    if (!chosen || chosen->isEmpty())
        return;
    const auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(this, bytes.error());
        return;
    }
    m_dialogFileName = *chosen;
    rtbTat->setPlainText(describeBytes(bareFileName(*chosen), *bytes));
    shared().ProfileFolder = profileFolderOf(*chosen);
    lblDirectory->setText(displayPath(shared().ProfileFolder));
    LoadProfileTattoos();
}

void frmTattoo::LoadProfileTattoos() {
    for (int n = 1; n <= tattooSlotCount; ++n) {
        const auto bytes = readFileBytes(shared().ProfileFolder + tattooFileName(n));
        if (bytes)
            showPicture(tat[n], *bytes);
    }
}

void frmTattoo::cmdTatoo_Click() {
    const auto chosen = platform().openFileName(this, kTattooFilter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return;
    const auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(this, bytes.error());
        return;
    }
    m_dialogFileName = *chosen;
    if (!showPicture(picTest, *bytes)) {
        platform().message(this, QStringLiteral("\"%1\" is not a picture Grovekeep can read.")
                                     .arg(displayPath(*chosen)));
        return;
    }
    m_preview = *bytes;
    m_previewName = *chosen;
}

void frmTattoo::installPreview() {
    if (m_preview.isEmpty()) {
        platform().message(this,
                           QStringLiteral("Please open a tattoo first with \"Load Tatoo >>\"; "
                                          "it is shown in the test area."));
        return;
    }
    if (shared().ProfileFolder.isEmpty() || shared().ManagerFolder.isEmpty()) {
        platform().message(this, QStringLiteral("Please load a player profile first: click "
                                                "\"<< Load Tatoos\" and open the profile's "
                                                "helpstats.dat file."));
        return;
    }
    // The previewed tattoo goes into the first slot that holds none.
    const int slot = firstFreeTattooSlot(shared().ProfileFolder);
    if (slot == 0) {
        platform().message(this, QStringLiteral("All sixteen tattoo slots are in use. Use the "
                                                "\"...\" button of the slot you want to replace."));
        return;
    }
    const Status replaced =
        replaceTattoo(m_preview, shared().ProfileFolder, shared().ManagerFolder, slot);
    if (!replaced) {
        platform().message(this, replaced.error());
        return;
    }
    showPicture(tat[slot], m_preview);
}

} // namespace gk
