#include "frmMap.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "common/changes.h"
#include "common/commands.h"
#include "common/programs.h"
#include "common/shared.h"
#include "installer/install.h"
#include "managers/content.h"
#include "platform/platform.h"
#include "ui/menus.h"
#include "ui/place.h"
#include "ui/style.h"
#include "web/sites.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>

#include <memory>
#include <optional>

namespace gk {

namespace {

// The file dialogs' filter of maps.
QString mapFilter() {
    //: A file dialog's filter: keep "(*.txt)" as it is
    return frmMap::tr("Black and White Maps (*.txt)") + QStringLiteral("|*.txt");
}
// The controls are placed for a window of this outer size, frame and title bar included, in
// twips. The text area takes what the window gains or loses beyond it.
const QSize kDesigned(11385, 6810);
// The button column beside the text area and the label strip below it: in a window smaller
// than this the text area is gone, and they stay where they stand at this size.
const QSize kLeast(1700, 1200);
// Maps this large are read beside the window, which stays usable meanwhile.
constexpr qint64 kReadBesideTheWindow = 1 << 20;

} // namespace

frmMap::frmMap() {
    setObjectName(QStringLiteral("frmMap"));
    //: "[*]" stands where a "*" shows while the map has unsaved changes: keep it
    setWindowTitle(tr("Grovekeep Beta 1 - Maps[*]"));
    resize(twipsToPx(11385), twipsToPx(6810));
    createControls();
    createMenus();
    connectControls();
    // The caption carries a '*' while the text has changes that are not saved.
    connect(rtbMap, &LargeTextEdit::modificationChanged, this, &QWidget::setWindowModified);
    connect(&StoreChanges::instance(), &StoreChanges::changed, this, &frmMap::showDiskChanges);
}

void frmMap::createControls() {
    rtbMap = place<LargeTextEdit>(this, "rtbMap", Twips{0, 0, 9685, 5610});
    const QList<QPushButton*> buttons =
        placeButtons(this, {{"cmdLoad", tr("Load Map"), {9745, 120, 1335, 375}},
                            {"cmdInstall", tr("Install this Map"), {9745, 600, 1335, 375}},
                            {"cmdSave", tr("Save Map"), {9745, 1080, 1335, 375}},
                            {"cmdTown", "Plotwright", {9745, 1800, 1335, 375}},
                            {"cmdEdit", tr("Edit Map with... "), {9745, 2280, 1335, 375}},
                            {"cmdReadme", tr("Create Readme"), {9745, 2760, 1335, 375}},
                            {"cmdTest", tr("Test Map"), {9745, 3480, 1335, 375}},
                            {"cmdSubmit", tr("Submit Map"), {9745, 3960, 1335, 375}},
                            {"cmdHelp", tr("Get Map Help"), {9745, 4680, 1335, 375}},
                            {"cmdIdea", tr("Submit Map idea"), {9745, 5160, 1335, 375}},
                            {"cmdFind", tr("Find Maps"), {9745, 5640, 1335, 375}}});
    lblDirectory = place<QLabel>(this, "lblDirectory", tr("Current Map Directory:"),
                                 Twips{120, 5710, 1695, 255});
    lblCurrentDirectory =
        place<QLabel>(this, "lblCurrentDirectory", tr("None..."), Twips{1920, 5710, 7215, 255});
    lblMessage =
        place<QLabel>(this, "lblMessage", tr("Welcome Message:"), Twips{300, 5960, 1575, 255});
    lblWelcomeMessage = place<QLabel>(this, "lblWelcomeMessage", Twips{1920, 5960, 7455, 255});
    ln1 = place<QFrame>(this, "ln1", Twips{0, 6330, 11385, 15});

    // The buttons keep to the text area's right edge, the labels to its bottom edge, and the
    // line runs across the window below them.
    m_anchored << anchoredAsPlaced(rtbMap, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
    for (QPushButton* b : buttons)
        m_anchored << anchoredAsPlaced(b, AnchorTop | AnchorRight);
    for (QLabel* label : {lblDirectory, lblCurrentDirectory, lblMessage, lblWelcomeMessage})
        m_anchored << anchoredAsPlaced(label, AnchorLeft | AnchorBottom);
    m_anchored << anchoredAsPlaced(ln1, AnchorLeft | AnchorRight | AnchorBottom);

    rtbMap->setFont(monospaceFont());
    rtbMap->setAccessibleName(tr("Map text"));
    ln1->setFrameShape(QFrame::HLine);
    ln1->setFrameShadow(QFrame::Plain);
    lblCurrentDirectory->setTextFormat(Qt::PlainText);
    enableButtons(this, {"cmdSubmit", "cmdHelp", "cmdIdea", "cmdFind"},
                  isRegistered(Form::Browser));
    enableButtons(this, {"cmdReadme"}, isRegistered(Form::Readme));
}

void frmMap::createMenus() {
    addMenu(this, m_menus, "mnuFile", tr("File"),
            {{"mnuOpen", tr("Open Map"), [this] { LoadMapText(); }, true, QKeySequence::Open},
             {"mnuInstall", tr("Install Map"), [this] { InstallMapText(); }},
             {"mnuSave", tr("Save Map"), [this] { SaveMapText(); }, true, QKeySequence::Save},
             {"mnuExit", tr("Exit"), [this] { closeWindow(this); }}});
    addMenu(this, m_menus, "mnuEdit", tr("Edit"),
            {{"mnuEditMap", tr("Edit Map with..."), [this] { cmdEdit_Click(); }},
             {"mnuTest", tr("Test Map"), [this] { cmdTest_Click(); }}});
    addMenu(this, m_menus, "mnuManage", tr("Manage"),
            {showsForm("mnuLandscape", tr("Landscapes"), Form::Extra),
             showsForm("mnuSkin", tr("Skin"), Form::Extra),
             showsForm("mnuTattoo", tr("Tattoo"), Form::Tattoo)});
    addMenu(this, m_menus, "mnuTools", tr("Tools"),
            {showsForm("mnuReadme", tr("Readme Creator"), Form::Readme),
             {"mnuOptions", tr("Options"), [] { showForm(Form::Options); }},
             showsForm("mnuHistory", tr("History"), Form::History)});
    addMenu(this, m_menus, "mnuHelp", tr("Help"),
            {{"mnuUpdate", tr("Updates"), &showUpdates, isRegistered(Form::Update)},
             {"mnuContents", tr("Contents"), [this] { startHelpViewer(this); }},
             showsForm("mnuAbout", tr("About"), Form::About)});
}

void frmMap::connectControls() {
    onClick(this, "cmdLoad", &frmMap::LoadMapText);
    onClick(this, "cmdInstall", &frmMap::InstallMapText);
    onClick(this, "cmdSave", [this] { SaveMapText(); });
    onClick(this, "cmdTown", &frmMap::cmdTown_Click);
    onClick(this, "cmdEdit", &frmMap::cmdEdit_Click);
    onClick(this, "cmdReadme", &frmMap::cmdReadme_Click);
    onClick(this, "cmdTest", &frmMap::cmdTest_Click);
    onClick(this, "cmdSubmit", [] { openInBrowser(sites::makerPage("/manager/submit.htm")); });
    onClick(this, "cmdHelp", [] { openInBrowser(sites::makerPage("/manager/help.htm")); });
    onClick(this, "cmdIdea", [] { openInBrowser(sites::fanSitePage("/fernlow/ideas.html")); });
    onClick(this, "cmdFind", [] { openInBrowser(sites::fanSitePage("/fernlow/maps.html")); });
}

QString frmMap::mapText() const { return rtbMap->toPlainText(); }

void frmMap::LoadMapText() {
    if (m_loading)
        return;
    const auto path = platform().openFileName(this, mapFilter(), m_dialogFileName);
    if (!path || path->isEmpty() || !keepOrSaveEdits())
        return;
    m_dialogFileName = *path;
    readMap(*path, false);
}

void frmMap::readMap(const NativePath& path, bool again) {
    // The user has let the edits go; should the map not be read, they are still there, and
    // still unsaved.
    const bool edited = rtbMap->isModified();
    rtbMap->setModified(false);
    if (QFileInfo(path.text()).size() < kReadBesideTheWindow) {
        const auto bytes = readFileBytes(path);
        if (!bytes) {
            rtbMap->setModified(edited);
            platform().message(this, bytes.error());
            return;
        }
        showMap(path, decodeMapText(*bytes), nullptr, again);
        return;
    }
    // A large map is read, decoded and split into lines on another thread; the window
    // (and the rest of the program) stays usable meanwhile.
    setLoading(true, path);
    QPointer<frmMap> self(this);
    QThreadPool::globalInstance()->start([self, path, edited, again] {
        const auto bytes = readFileBytes(path);
        std::optional<MapText> map;
        std::shared_ptr<TextLines> lines;
        if (bytes) {
            map = decodeMapText(*bytes);
            lines = std::make_shared<TextLines>(map->text);
        }
        const QString error = bytes ? QString() : bytes.error();
        QMetaObject::invokeMethod(
            qApp,
            [self, path, map = std::move(map), lines, error, edited, again] {
                if (!self)
                    return;
                self->setLoading(false, path);
                if (!map) {
                    self->rtbMap->setModified(edited);
                    platform().message(self, error);
                    return;
                }
                self->showMap(path, *map, lines.get(), again);
            },
            Qt::QueuedConnection);
    });
}

void frmMap::showMap(const NativePath& path, const MapText& map, TextLines* lines, bool again) {
    if (lines)
        rtbMap->setLines(std::move(*lines));
    else
        rtbMap->setPlainText(map.text);
    rtbMap->setModified(false);
    m_loaded = map;
    m_diskPath = path;
    // Read again because the file changed: the map loaded (and the name it installs under)
    // stays the same.
    if (again)
        return;
    m_loadedPath = path;
    lblCurrentDirectory->setText(path.text());
    StoreMapFileName(path.text());
}

void frmMap::showDiskChanges(const Announcement& announcement) {
    // What this window writes itself, it already shows.
    if (m_writing || m_loading || !StoreChanges::names(announcement.files, m_diskPath))
        return;
    const bool there = fileExists(m_diskPath);
    if (there && !rtbMap->isModified()) {
        readMap(m_diskPath, true);
        return;
    }
    // The text shown is no longer what the file holds: it counts as unsaved, so that closing
    // the window or loading another map asks first.
    rtbMap->setModified(true);
    //: %1 is the map's path, in quotes
    platform().message(this, there
                                 ? tr("%1 was changed on disk. Your edits in this window are kept "
                                      "but not saved: use Save Map to keep them, or Load Map to "
                                      "see what the file holds now.")
                                       .arg(quotedPath(m_diskPath))
                                 //: %1 is the map's path, in quotes
                                 : tr("%1 is no longer on disk. The text in this window is kept "
                                      "but not saved: use Save Map to keep it.")
                                       .arg(quotedPath(m_diskPath)));
}

void frmMap::setLoading(bool loading, const NativePath& path) {
    m_loading = loading;
    rtbMap->setReadOnly(loading);
    enableButtons(this, {"cmdLoad", "cmdInstall", "cmdSave"}, !loading);
    for (QMenu* menu : m_menus) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("mnuOpen") ||
                action->objectName() == QLatin1String("mnuInstall") ||
                action->objectName() == QLatin1String("mnuSave"))
                action->setEnabled(!loading);
        }
    }
    if (loading) {
        setCursor(Qt::BusyCursor);
        //: %1 is the map's path
        lblCurrentDirectory->setText(tr("Loading %1...").arg(path.shown()));
    } else {
        unsetCursor();
        lblCurrentDirectory->setText(m_loadedPath.isEmpty() ? tr("None...") : m_loadedPath.text());
    }
}

bool frmMap::keepOrSaveEdits() {
    if (!rtbMap->isModified())
        return true;
    const Answer answer =
        platform().ask(this, tr("The map has changes that are not saved.\nSave them first?"), true);
    return answer == Answer::No || (answer == Answer::Yes && SaveMapText());
}

void frmMap::StoreMapFileName(const QString& path) { MapFileName = bareFileName(path); }

bool frmMap::encodeForWriting(QByteArray& bytes) {
    const EncodedMap encoded = encodeMapText(mapText(), m_loaded);
    if (!encoded.lossless &&
        !confirmLossyText(this, tr("Some characters of this map cannot be written in the game's "
                                   "character set and would be written as \"?\".\nWrite the map "
                                   "anyway?")))
        return false;
    bytes = encoded.bytes;
    return true;
}

bool frmMap::SaveMapText() {
    const auto chosen = chooseSaveTarget(this, mapFilter(), m_dialogFileName);
    if (!chosen)
        return false;
    QByteArray bytes;
    if (!encodeForWriting(bytes))
        return false;
    m_writing = true;
    const bool saved = saveUserFile(this, *chosen, bytes, QStringLiteral("Map"));
    m_writing = false;
    if (!saved)
        return false;
    m_dialogFileName = *chosen;
    m_diskPath = *chosen;
    rtbMap->setModified(false);
    return true;
}

void frmMap::InstallMapText() {
    // The text installed is this window's: without a map loaded here, the name remembered
    // from an earlier window would receive a text that was never that map.
    const QString name = MapFileName;
    if (name.isEmpty() || m_loadedPath.isEmpty()) {
        platform().message(this, tr("No map is loaded in this window, so nothing "
                                    "was installed. Load a map first: Install this "
                                    "Map installs it under the name of the map "
                                    "opened with Load Map."));
        return;
    }
    if (!settingsFoldersKnown(this))
        return;
    QByteArray bytes;
    if (!encodeForWriting(bytes))
        return;
    auto store = storeOrSay(this);
    if (!store)
        return;
    const SingleInstall plan =
        planSingleInstall(InstallKind::Map, name, gameFolder(), managerFolder());
    OperationInfo info;
    info.kind = QStringLiteral("map");
    info.what = QStringLiteral("Install this Map: %1").arg(quotedName(name));
    m_writing = true;
    const auto installed = installSingleFile(*store, plan, bytes, info);
    m_writing = false;
    if (!installed)
        platform().message(this, installed.error());
}

void frmMap::cmdTown_Click() {
    startProgramOrSay(this,
                      (managerFolder() + QStringLiteral("\\Plotwright\\Plotwright.exe")).native());
}

void frmMap::cmdEdit_Click() { startEditorOrShowOptions(this, shared().MapEditorPath); }

void frmMap::cmdReadme_Click() { showForm(Form::Readme); }

void frmMap::cmdTest_Click() { RunGame(this); }

void frmMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMap::Form_Resize() {
    // The window's outer size, frame and title bar included, is what the controls follow.
    followSize(m_anchored, outerSize(this), kDesigned, kLeast);
}

void frmMap::closeEvent(QCloseEvent* event) {
    if (keepOrSaveEdits())
        event->accept();
    else
        event->ignore();
}

} // namespace gk
