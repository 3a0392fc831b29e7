#include "frmMDI.h"

#include "base/quoting.h"
#include "common/commands.h"
#include "common/programs.h"
#include "common/shared.h"
#include "installer/install.h"
#include "platform/platform.h"
#include "ui/menus.h"
#include "web/sites.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

#include <algorithm>

namespace gk {

frmMDI::frmMDI() {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(tr("Grovekeep Beta 1 - Welcome"));
    createControls();
    createMenus();
    addHelpKey(this);
    setAcceptDrops(true);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] { updateMenuBar(); });
    updateMenuBar();
    // Client area of 11400 x 7920 twips for the work area.
    resize(760, 528 + menuBar()->sizeHint().height() + stat1->sizeHint().height());
}

void frmMDI::createControls() {
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    // A child that closes hands over to the one the user was in before it.
    m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    stat1 = new QStatusBar(this);
    stat1->setObjectName(QStringLiteral("stat1"));
    m_panel1 = new QLabel(stat1);
    m_panel1->setObjectName(QStringLiteral("panel1"));
    stat1->addWidget(m_panel1, 1);
    setStatusBar(stat1);
}

void frmMDI::createMenus() {
    auto on = [this](void (frmMDI::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    const bool browser = isRegistered(Form::Browser);
    addMenu(this, m_menus, "mnuFile", tr("File"),
            //: Marrowby and Fernlow are the names of web sites about the game
            {{"mnuMarrowby", tr("Visit Marrowby"), on(&frmMDI::mnuMarrowby_Click), browser},
             {"mnuFernlow", tr("Visit Fernlow"), on(&frmMDI::mnuFernlow_Click), browser},
             {"mnuExit", tr("Exit"), on(&frmMDI::mnuExit_Click), true, QKeySequence::Quit}});
    addMenu(this, m_menus, "mnuManage", tr("Manage"),
            //: Map, Landscape, Skin and Tatoo open the managers of those kinds of content
            {{"mnuMap", tr("Map"), on(&frmMDI::mnuMap_Click), isRegistered(Form::Map)},
             {"mnuLandscape", tr("Landscape"), on(&frmMDI::mnuLandscape_Click),
              isRegistered(Form::Extra)},
             {"mnuSkin", tr("Skin"), on(&frmMDI::mnuSkin_Click), isRegistered(Form::Extra)},
             //: The tattoo manager (the word is spelt so in this caption)
             {"mnuTattoo", tr("Tatoo"), on(&frmMDI::mnuTattoo_Click), isRegistered(Form::Tattoo)}});
    addMenu(
        this, m_menus, "mnuTools", tr("Tools"),
        {{"mnuReadme", tr("Readme Creator"), on(&frmMDI::mnuReadme_Click),
          isRegistered(Form::Readme)},
         {"mnuBrowser", tr("Web Browser"), on(&frmMDI::mnuBrowser_Click), browser},
         {"mnuInstall", tr("Installer"), on(&frmMDI::mnuInstall_Click),
          isRegistered(Form::Install)},
         {"mnuOptions", tr("Options"), on(&frmMDI::mnuOptions_Click), isRegistered(Form::Options)},
         //: Opens the history of the changes Grovekeep made to the files
         {"mnuHistory", tr("History"), [] { showForm(Form::History); },
          isRegistered(Form::History)}});
    addMenu(
        this, m_menus, "mnuHelp", tr("Help"),
        {{"mnuContents", tr("Contents"), on(&frmMDI::mnuContents_Click)},
         {"mnuUpdates", tr("Updates"), on(&frmMDI::mnuUpdates_Click), isRegistered(Form::Update)},
         {"mnuBugReport", tr("Bug Report"), on(&frmMDI::mnuBugReport_Click), browser},
         {"mnuComments", tr("Comment and Suggestions"), on(&frmMDI::mnuComments_Click), browser},
         {"mnuOfficialForums", tr("Discuss in Forums"), on(&frmMDI::mnuOfficialForums_Click),
          browser},
         {"mnuAbout", tr("About"), on(&frmMDI::mnuAbout_Click), isRegistered(Form::About)}});
}

frmMDI::~frmMDI() {
    // The child windows go down with the work area; no menu updates while that happens.
    m_area->disconnect(this);
}

void frmMDI::MDIForm_Load() {
    showFormModal(Form::Splash);
    //: The status bar's text; the spaces at either end keep it off the bar's edges
    m_panel1->setText(tr(" Welcome to Grovekeep "));
    shared().BrowserUrl = sites::MakerHost;
}

QString frmMDI::statusText() const { return m_panel1->text(); }

QMdiSubWindow* frmMDI::addChild(QWidget* child) {
    // The child's designed size is its inner area; the frame and title bar come on top.
    const QSize inner = child->size();
    QMdiSubWindow* sub = m_area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(child->windowTitle());
    sub->setWindowIcon(windowIcon());
    sub->ensurePolished();
    const QMargins frame = sub->contentsMargins();
    sub->resize(inner.grownBy(frame));
    // The work area grows to hold a child that does not fit, rather than scroll.
    if (layout())
        layout()->activate();
    const QSize room = m_area->contentsRect().size();
    const QSize missing(std::max(0, sub->width() - room.width()),
                        std::max(0, sub->height() - room.height()));
    if ((missing.width() > 0 || missing.height() > 0) && !isMaximized() && !isFullScreen())
        resize(size() + missing);
    // Cascade the children, but keep each one whole inside the work area.
    const int offset = 24 * static_cast<int>(m_area->subWindowList().size() - 1);
    const QSize area = room + missing;
    sub->move(std::clamp(offset, 0, std::max(0, area.width() - sub->width())),
              std::clamp(offset, 0, std::max(0, area.height() - sub->height())));
    // Queued: the update runs after the child is gone, and never while this window itself
    // is being destroyed.
    connect(sub, &QObject::destroyed, this, &frmMDI::updateMenuBar, Qt::QueuedConnection);
    return sub;
}

void frmMDI::updateMenuBar() {
    QList<QMenu*> wanted = m_menus;
    QMdiSubWindow* active = m_area->currentSubWindow();
    if (active && active->widget()) {
        if (auto* provider = dynamic_cast<ChildMenus*>(active->widget())) {
            const QList<QMenu*> own = provider->childMenus();
            if (!own.isEmpty())
                wanted = own;
        }
    }
    if (wanted == m_shownMenus)
        return;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* m : wanted)
        bar->addMenu(m);
    m_shownMenus = wanted;
}

namespace {
// Those of `files` the installer takes.
QList<NativePath> installable(const QStringList& files) {
    QList<NativePath> out;
    for (const QString& file : files) {
        const NativePath path(QDir::toNativeSeparators(file));
        if (offeredToInstaller(installKindFor(path.text())))
            out << path;
    }
    return out;
}

QStringList droppedFiles(const QMimeData* data) {
    QStringList out;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile())
                out << url.toLocalFile();
        }
    }
    return out;
}
} // namespace

void frmMDI::offerFiles(const QStringList& files) {
    if (files.isEmpty() || !isRegistered(Form::Install))
        return;
    const QList<NativePath> taken = installable(files);
    if (!taken.isEmpty())
        offerToInstall(taken);
    // The others are named, over the installer when it opened.
    QStringList refused;
    for (const QString& file : files) {
        const NativePath path(QDir::toNativeSeparators(file));
        if (!taken.contains(path))
            refused << quotedPath(path);
    }
    if (refused.isEmpty())
        return;
    QWidget* installer = existingForm(Form::Install);
    platform().message(taken.isEmpty() || !installer ? this : installer,
                       //: %1 lists the files, each quoted, separated by ", "; the count is the
                       //: number of files
                       tr("Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) "
                          "and skins (.l3d); %1 are none of these.",
                          nullptr, int(refused.size()))
                           .arg(refused.join(QStringLiteral(", "))));
}

void frmMDI::dragEnterEvent(QDragEnterEvent* event) {
    if (!installable(droppedFiles(event->mimeData())).isEmpty())
        event->acceptProposedAction();
}

void frmMDI::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (installable(files).isEmpty())
        return;
    event->acceptProposedAction();
    offerFiles(files);
}

void frmMDI::closeEvent(QCloseEvent* event) {
    // Windows with unsaved work may ask first; a refusal keeps the program running.
    m_area->closeAllSubWindows();
    for (QMdiSubWindow* sub : m_area->subWindowList()) {
        if (sub->isVisible()) {
            event->ignore();
            return;
        }
    }
    // So may the separate windows (Updates with a download under way).
    for (int k = 0; k < formCount; ++k) {
        if (Form(k) != Form::MDI && !closeWindow(existingForm(Form(k)))) {
            event->ignore();
            return;
        }
    }
    // Grovekeep ends: files that still waited for the installer are not asked about.
    shared().InstallerFiles.clear();
    event->accept();
    QCoreApplication::quit();
}

void frmMDI::openPage(const QString& address) { openInBrowser(address); }

void frmMDI::mnuMarrowby_Click() { openPage(sites::MakerHost); }
void frmMDI::mnuFernlow_Click() { openPage(sites::FanSiteHost + QStringLiteral("/fernlow")); }
void frmMDI::mnuExit_Click() { close(); }
void frmMDI::mnuMap_Click() { showForm(Form::Map); }
void frmMDI::mnuLandscape_Click() { showForm(Form::Extra); }
void frmMDI::mnuSkin_Click() { showForm(Form::Extra); }
void frmMDI::mnuTattoo_Click() { showForm(Form::Tattoo); }
void frmMDI::mnuReadme_Click() { showForm(Form::Readme); }
void frmMDI::mnuBrowser_Click() { showForm(Form::Browser); }
void frmMDI::mnuInstall_Click() { showForm(Form::Install); }
void frmMDI::mnuOptions_Click() { showForm(Form::Options); }
void frmMDI::mnuContents_Click() { startHelpViewer(this); }

void frmMDI::mnuUpdates_Click() { showUpdates(); }

void frmMDI::mnuBugReport_Click() {
    openPage(sites::MakerHost + QStringLiteral("/manager/bugreport.htm"));
}

void frmMDI::mnuComments_Click() {
    openPage(sites::MakerHost + QStringLiteral("/manager/comments.htm"));
}

void frmMDI::mnuOfficialForums_Click() { openPage(sites::http(sites::ForumsHost)); }

void frmMDI::mnuAbout_Click() { showForm(Form::About); }

} // namespace gk
