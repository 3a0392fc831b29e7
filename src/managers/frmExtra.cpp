#include "frmExtra.h"

#include "content.h"
#include "core/fileio.h"
#include "core/paths.h"
#include "platform/platform.h"
#include "shell/commands.h"
#include "shell/style.h"
#include "shell/layout.h"
#include "shell/programs.h"
#include "shell/shared.h"
#include "web/sites.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gk {

frmExtra::frmExtra() {
    setObjectName(QStringLiteral("frmExtra"));
    setWindowTitle(QStringLiteral("Grovekeep - Skin / Landscape Mode"));
    resize(twipsToPx(11400), twipsToPx(6945));
    setFixedSize(size());

    struct Button {
        const char* name;
        const char* caption;
        int left;
        int top;
        int width;
    };
    const Button buttons[] = {{"cmdLoadSkin", "Load Skin", 120, 120, 1335},
                              {"cmdInstallSkin", "Install Skin", 1440, 120, 1455},
                              {"cmdEditSkin", "Edit Skins With", 2880, 120, 1335},
                              {"cmdCreateReadme", "Create Readme", 4200, 120, 1335},
                              {"cmdFindSkin", "Find Skins", 5520, 120, 1335},
                              {"cmdClose", "Close", 10080, 120, 1215},
                              {"cmdLoadLand", "Load Landscape", 120, 480, 1335},
                              {"cmdInstallLand", "Install Landscape", 1440, 480, 1455},
                              {"cmdEditLand", "Edit Lands With", 2880, 480, 1335},
                              {"cmdTest", "Test", 4200, 480, 1335},
                              {"cmdGetHelp", "Get Help", 5520, 480, 1335},
                              {"cmdSubmit", "Submit File", 6840, 480, 1335}};
    for (const Button& b : buttons)
        place<QPushButton>(this, b.name, QString::fromLatin1(b.caption),
                           Twips{b.left, b.top, b.width, 375});
    place<QLabel>(this, "Label1",
                  QStringLiteral("BELOW: This is the current landscape (lnd) file you are "
                                 "viewing..."),
                  Twips{120, 960});
    // Where the installation's status texts show.
    lblStatus = place<QLabel>(this, "lblStatus", QString(), Twips{5520, 960, 5775, 255});
    lblStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_land.view = place<QPlainTextEdit>(this, "rtbLand", QString(), Twips{0, 1200, 11295, 2535});
    place<QLabel>(this, "Label2",
                  QStringLiteral("BELOW: This is the current Skin (l3d) file you are viewing"),
                  Twips{120, 3840});
    m_skin.view = place<QPlainTextEdit>(this, "rtbSkin", QString(), Twips{0, 4200, 11295, 2655});
    for (QPlainTextEdit* view : {m_land.view, m_skin.view}) {
        view->setReadOnly(true);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        view->setFont(monospaceFont());
    }

    m_land.kindName = "landscape";
    m_land.filter = QStringLiteral("Lionhead Land Files (*.lnd)|*.lnd");
    m_land.gameFolder = QStringLiteral("Data\\Landscape\\");
    m_land.backupFolder = QStringLiteral("Backup\\Landscape\\");
    m_skin.kindName = "skin";
    m_skin.filter = QStringLiteral("Lionhead Skin Files (*.l3d)|*.l3d");
    m_skin.gameFolder = QStringLiteral("Data\\CreatureMesh\\");
    m_skin.backupFolder = QStringLiteral("Backup\\CreatureMesh\\");

    auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("cmdLoadLand"), &QPushButton::clicked, this, &frmExtra::cmdLoadLand_Click);
    connect(button("cmdInstallLand"), &QPushButton::clicked, this, &frmExtra::cmdInstallLand_Click);
    connect(button("cmdLoadSkin"), &QPushButton::clicked, this, &frmExtra::cmdLoadSkin_Click);
    connect(button("cmdInstallSkin"), &QPushButton::clicked, this, &frmExtra::cmdInstallSkin_Click);
    connect(button("cmdEditLand"), &QPushButton::clicked, this,
            [this] { startEditorOrShowOptions(this, shared().LandscapeEditorPath); });
    connect(button("cmdEditSkin"), &QPushButton::clicked, this,
            [this] { startEditorOrShowOptions(this, shared().SkinEditorPath); });
    connect(button("cmdCreateReadme"), &QPushButton::clicked, this, [] { showForm(Form::Readme); });
    connect(button("cmdTest"), &QPushButton::clicked, this, [this] { RunGame(this); });
    connect(button("cmdFindSkin"), &QPushButton::clicked, this, [] {
        openInBrowser(sites::http(sites::FanSiteHost, QStringLiteral("/fernlow/skins.html")));
    });
    connect(button("cmdGetHelp"), &QPushButton::clicked, this, [] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/help.htm")));
    });
    connect(button("cmdSubmit"), &QPushButton::clicked, this, [] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/submit.htm")));
    });
    connect(button("cmdClose"), &QPushButton::clicked, this, [this] { closeWindow(this); });
    const bool browser = isRegistered(Form::Browser);
    for (const char* name : {"cmdFindSkin", "cmdGetHelp", "cmdSubmit"})
        button(name)->setEnabled(browser);
    button("cmdCreateReadme")->setEnabled(isRegistered(Form::Readme));
}

void frmExtra::setStatus(const QString& text) { lblStatus->setText(text); }

bool frmExtra::load(Content& content) {
    const auto chosen = platform().openFileName(this, content.filter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return false;
    const auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(this, bytes.error());
        return false;
    }
    m_dialogFileName = *chosen;
    content.path = *chosen;
    content.bytes = *bytes;
    content.view->setPlainText(describeBytes(displayPath(*chosen), *bytes));
    setStatus(QString());
    return true;
}

void frmExtra::install(Content& content, const QString& name) {
    if (content.path.isEmpty() || name.isEmpty()) {
        platform().message(this, QStringLiteral("Please load a %1 first; it is installed under "
                                                "its own name.")
                                     .arg(QString::fromLatin1(content.kindName)));
        return;
    }
    if (!settingsFoldersKnown(this))
        return;
    const QString target = gameContentPath(shared().GameFolder, content.gameFolder, name);
    const QString backup = shared().ManagerFolder + content.backupFolder + name;
    setStatus(QStringLiteral("Backing up file"));
    setStatus(QStringLiteral("Installing Script"));
    const Status installed = installWithBackup(content.bytes, target, backup);
    if (!installed) {
        setStatus(QStringLiteral("The file was not installed."));
        platform().message(this, installed.error());
        return;
    }
    setStatus(QStringLiteral("Your file was backed and then installed to the correct directory."));
}

void frmExtra::cmdLoadLand_Click() {
    if (load(m_land))
        StoreLandscapeFileName(m_land.path);
}

void frmExtra::StoreLandscapeFileName(const QString& path) {
    shared().LandscapeFileName = bareFileName(path);
}

void frmExtra::cmdInstallLand_Click() { install(m_land, shared().LandscapeFileName); }

void frmExtra::cmdLoadSkin_Click() { load(m_skin); }

void frmExtra::cmdInstallSkin_Click() { install(m_skin, bareFileName(m_skin.path)); }

} // namespace gk
