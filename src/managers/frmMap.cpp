#include "frmMap.h"

#include "content.h"
#include "core/fileio.h"
#include "core/paths.h"
#include "installer/install.h"
#include "maplayout.h"
#include "platform/platform.h"
#include "shell/commands.h"
#include "shell/layout.h"
#include "shell/programs.h"
#include "shell/shared.h"
#include "shell/style.h"
#include "web/sites.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace gk {

namespace {

const QString kMapFilter = QStringLiteral("Black and White Maps (*.txt)|*.txt");

} // namespace

frmMap::frmMap() {
    setObjectName(QStringLiteral("frmMap"));
    setWindowTitle(QStringLiteral("Grovekeep Beta 1 - Maps"));
    resize(twipsToPx(11385), twipsToPx(6810));

    rtbMap = place<QPlainTextEdit>(this, "rtbMap", QString(), Twips{0, 0, 9900, 5900});
    rtbMap->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtbMap->setFont(monospaceFont());
    rtbMap->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rtbMap->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    struct Button {
        const char* name;
        const char* caption;
        int top;
    };
    const Button buttons[] = {
        {"cmdLoad", "Load Map", 120},           {"cmdInstall", "Install this Map", 600},
        {"cmdSave", "Save Map", 1080},          {"cmdTown", "Plotwright", 1800},
        {"cmdEdit", "Edit Map with... ", 2280}, {"cmdReadme", "Create Readme", 2760},
        {"cmdTest", "Test Map", 3480},          {"cmdSubmit", "Submit Map", 3960},
        {"cmdHelp", "Get Map Help", 4680},      {"cmdIdea", "Submit Map idea", 5160},
        {"cmdFind", "Find Maps", 5640}};
    for (const Button& b : buttons)
        m_buttons << place<QPushButton>(this, b.name, QString::fromLatin1(b.caption),
                                        Twips{9960, b.top, 1335, 375});

    lblDirectory = place<QLabel>(this, "lblDirectory", QStringLiteral("Current Map Directory:"),
                                 Twips{120, 6000, 1695, 255});
    lblCurrentDirectory = place<QLabel>(this, "lblCurrentDirectory", QStringLiteral("None..."),
                                        Twips{1920, 6000, 7215, 255});
    lblMessage = place<QLabel>(this, "lblMessage", QStringLiteral("Welcome Message:"),
                               Twips{300, 6350, 1575, 255});
    lblWelcomeMessage =
        place<QLabel>(this, "lblWelcomeMessage", QString(), Twips{1920, 6345, 7455, 255});
    ln1 = place<QFrame>(this, "ln1", QString(), Twips{0, 6720, 11280, 15});
    ln1->setFrameShape(QFrame::HLine);
    ln1->setFrameShadow(QFrame::Plain);
    lblCurrentDirectory->setTextFormat(Qt::PlainText);

    auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("cmdLoad"), &QPushButton::clicked, this, &frmMap::LoadMapText);
    connect(button("cmdInstall"), &QPushButton::clicked, this, &frmMap::InstallMapText);
    connect(button("cmdSave"), &QPushButton::clicked, this, [this] { SaveMapText(); });
    connect(button("cmdTown"), &QPushButton::clicked, this, &frmMap::cmdTown_Click);
    connect(button("cmdEdit"), &QPushButton::clicked, this, &frmMap::cmdEdit_Click);
    connect(button("cmdReadme"), &QPushButton::clicked, this, &frmMap::cmdReadme_Click);
    connect(button("cmdTest"), &QPushButton::clicked, this, &frmMap::cmdTest_Click);
    connect(button("cmdSubmit"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/submit.htm")));
    });
    connect(button("cmdHelp"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::MakerHost, QStringLiteral("/manager/help.htm")));
    });
    connect(button("cmdIdea"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::FanSiteHost, QStringLiteral("/fernlow/ideas.html")));
    });
    connect(button("cmdFind"), &QPushButton::clicked, this, [this] {
        openInBrowser(sites::http(sites::FanSiteHost, QStringLiteral("/fernlow/maps.html")));
    });
    const bool browser = isRegistered(Form::Browser);
    for (const char* name : {"cmdSubmit", "cmdHelp", "cmdIdea", "cmdFind"})
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
    item(file, "mnuOpen", QStringLiteral("Open Map"), [this] { LoadMapText(); });
    item(file, "mnuInstall", QStringLiteral("Install Map"), [this] { InstallMapText(); });
    item(file, "mnuSave", QStringLiteral("Save Map"), [this] { SaveMapText(); });
    item(file, "mnuExit", QStringLiteral("Exit"), [this] { closeWindow(this); });
    QMenu* edit = menu("mnuEdit", QStringLiteral("Edit"));
    item(edit, "mnuEditMap", QStringLiteral("Edit Map with..."), [this] { cmdEdit_Click(); });
    item(edit, "mnuTest", QStringLiteral("Test Map"), [this] { cmdTest_Click(); });
    QMenu* manage = menu("mnuManage", QStringLiteral("Manage"));
    item(
        manage, "mnuLandscape", QStringLiteral("Landscapes"), [] { showForm(Form::Extra); },
        isRegistered(Form::Extra));
    item(
        manage, "mnuSkin", QStringLiteral("Skin"), [] { showForm(Form::Extra); },
        isRegistered(Form::Extra));
    item(
        manage, "mnuTattoo", QStringLiteral("Tattoo"), [] { showForm(Form::Tattoo); },
        isRegistered(Form::Tattoo));
    QMenu* tools = menu("mnuTools", QStringLiteral("Tools"));
    item(
        tools, "mnuReadme", QStringLiteral("Readme Creator"), [] { showForm(Form::Readme); },
        isRegistered(Form::Readme));
    item(tools, "mnuOptions", QStringLiteral("Options"), [] { showForm(Form::Options); });
    QMenu* help = menu("mnuHelp", QStringLiteral("Help"));
    item(help, "mnuUpdate", QStringLiteral("Updates"), &showUpdates, isRegistered(Form::Update));
    item(help, "mnuContents", QStringLiteral("Contents"), [this] { startHelpViewer(this); });
    item(
        help, "mnuAbout", QStringLiteral("About"), [] { showForm(Form::About); },
        isRegistered(Form::About));
}

QString frmMap::mapText() const { return editorText(rtbMap); }

void frmMap::LoadMapText() {
    const auto chosen = platform().openFileName(this, kMapFilter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return;
    const auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(this, bytes.error());
        return;
    }
    m_dialogFileName = *chosen;
    const MapText map = decodeMapText(*bytes);
    rtbMap->setPlainText(map.text);
    rtbMap->document()->setModified(false);
    m_finalBreak = map.finalBreak;
    lblCurrentDirectory->setText(*chosen);
    StoreMapFileName(*chosen);
}

void frmMap::StoreMapFileName(const QString& path) { shared().MapFileName = bareFileName(path); }

bool frmMap::encodeForWriting(QByteArray& bytes) {
    const EncodedMap encoded = encodeMapText(mapText(), m_finalBreak);
    if (!encoded.lossless && !confirmLossyText(this, QStringLiteral("map")))
        return false;
    bytes = encoded.bytes;
    return true;
}

bool frmMap::SaveMapText() {
    const auto chosen = platform().saveFileName(this, kMapFilter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return false;
    if (!confirmReplace(this, *chosen))
        return false;
    QByteArray bytes;
    if (!encodeForWriting(bytes))
        return false;
    const Status written = writeFileAtomic(*chosen, bytes);
    if (!written) {
        platform().message(this, written.error());
        return false;
    }
    m_dialogFileName = *chosen;
    rtbMap->document()->setModified(false);
    return true;
}

void frmMap::InstallMapText() {
    const QString name = shared().MapFileName;
    if (name.isEmpty()) {
        platform().message(this, QStringLiteral("Please load a map first: Install this Map "
                                                "installs it under the name of the map last "
                                                "opened with Load Map."));
        return;
    }
    if (!settingsFoldersKnown(this))
        return;
    QByteArray bytes;
    if (!encodeForWriting(bytes))
        return;
    const SingleInstall plan =
        planSingleInstall(InstallKind::Map, name, shared().GameFolder, shared().ManagerFolder);
    const Status installed = installSingleFile(plan, bytes);
    if (!installed)
        platform().message(this, installed.error());
}

void frmMap::cmdTown_Click() {
    startProgramOrSay(this,
                      shared().ManagerFolder + QStringLiteral("\\Plotwright\\Plotwright.exe"));
}

void frmMap::cmdEdit_Click() { startEditorOrShowOptions(this, shared().MapEditorPath); }

void frmMap::cmdReadme_Click() { showForm(Form::Readme); }

void frmMap::cmdTest_Click() { RunGame(this); }

void frmMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMap::Form_Resize() {
    // The rule works on the window's outer size, frame and title bar included.
    QSize outer = frameGeometry().size();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        outer = sub->size();
    const MapLayout l = mapLayout(pxToTwips(outer.width()), pxToTwips(outer.height()));
    applyGeometry(rtbMap, Twips{0, 0, l.textWidth, l.textHeight});
    for (QPushButton* b : m_buttons)
        b->move(twipsToPx(l.buttonLeft), b->y());
    for (QLabel* label : {lblDirectory, lblCurrentDirectory})
        label->move(label->x(), twipsToPx(l.directoryTop));
    for (QLabel* label : {lblMessage, lblWelcomeMessage})
        label->move(label->x(), twipsToPx(l.messageTop));
    applyGeometry(ln1, Twips{0, l.lineY, l.lineRight, 15});
}

void frmMap::closeEvent(QCloseEvent* event) {
    if (rtbMap->document()->isModified()) {
        const Answer answer = platform().ask(
            this, QStringLiteral("The map has changes that are not saved.\nSave them first?"),
            true);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveMapText())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace gk
