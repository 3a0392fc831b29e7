#include "frmHelp.h"

#include "base/places.h"
#include "base/version.h"
#include "platform/platform.h"
#include "settings/language.h"
#include "ui/anchors.h"
#include "ui/arrange.h"
#include "ui/menus.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace gk::help {

namespace {

const QString kWelcomePage = QStringLiteral("welcome.htm");

// The inner window area as designed, and the list's and page's places in it.
constexpr Twips kInnerArea{0, 0, 10710, 7395};
constexpr Twips kList{0, 720, 1455, 6525};
constexpr Twips kPage{1560, 720, 9135, 6615};

// The pictures of the four buttons: Qt's own, taken from its resources. Asking the style
// for them searches the desktop's icon theme file by file for each name and its shorter
// forms, which took longer than all the rest of Help's start where the theme lacks them (as
// the plain hicolor theme does); the style is asked only if a Qt has moved them.
QIcon buttonPicture(const QWidget* button, const char* resource, QStyle::StandardPixmap picture) {
    const QIcon own(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-32.png")
                        .arg(QLatin1String(resource)));
    if (!own.availableSizes().isEmpty())
        return own;
    return button->style()->standardIcon(picture, nullptr, button);
}

QToolButton* pictureButton(QWidget* parent, const char* name, const Twips& design,
                           const char* resource, QStyle::StandardPixmap picture,
                           const QString& caption, const QString& tip) {
    auto* button = place<QToolButton>(parent, name, design);
    button->setIcon(buttonPicture(button, resource, picture));
    button->setIconSize(QSize(20, 20));
    button->setText(caption);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return button;
}

QString withSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QUrl withoutFragment(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment); }

// `count` as the count that picks a text's plural form: one beyond an int's range takes the
// form of the largest int, which is the plural form in every language.
int pluralCount(qint64 count) {
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

} // namespace

frmHelp::frmHelp(const QString& helpFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_helpFolder(helpFolder) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Grovekeep - Help"));
    createControls();
    createMenus();
    connectControls();
    // The buttons' captions get the room they need, the window grows for it.
    arrangeControls(centralWidget());
    // The window opens at its designed size and may grow: the list and the page take the room.
    adjustSize();
    setMinimumSize(size());
}

void frmHelp::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window is on the screen before the list and the welcome page are read and laid out:
    // the load runs once the window is shown, not while it is made.
    if (!m_loaded) {
        m_loaded = true;
        QMetaObject::invokeMethod(this, &frmHelp::Form_Load, Qt::QueuedConnection);
    }
}

void frmHelp::createControls() {
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("centre"));
    const Px inner = toPx(kInnerArea);
    centre->setMinimumSize(inner.width, inner.height);
    centre->resize(inner.width, inner.height);
    centre->installEventFilter(this);
    setCentralWidget(centre);
    cmdBack = pictureButton(centre, "cmdBack", Twips{0, 0, 1215, 615}, "left", QStyle::SP_ArrowBack,
                            tr("Back"), tr("Back to the page opened before"));
    cmdStop = pictureButton(centre, "cmdStop", Twips{1200, 0, 1215, 615}, "stop",
                            QStyle::SP_BrowserStop, tr("Stop"), tr("Stop loading the page"));
    cmdForward = pictureButton(centre, "cmdForward", Twips{2400, 0, 1335, 615}, "right",
                               QStyle::SP_ArrowForward, tr("Forward"),
                               tr("Forward to the page opened next"));
    cmdRefresh = pictureButton(centre, "cmdRefresh", Twips{3720, 0, 1335, 615}, "refresh",
                               QStyle::SP_BrowserReload, tr("Refresh"),
                               tr("Load the page and the list of pages again"));
    fl1 = place<QListWidget>(centre, "fl1", kList);
    web1 = place<QTextBrowser>(centre, "web1", kPage);

    fl1->setSelectionMode(QAbstractItemView::SingleSelection);
    fl1->setToolTip(tr("Double-click a page to open it"));
    fl1->installEventFilter(this);
    // Links are followed here: local pages in the page area, web addresses through the
    // desktop's web browser.
    web1->setOpenLinks(false);
    web1->setOpenExternalLinks(false);
    QFont pageFont = web1->font();
    pageFont.setPointSizeF(9.75);
    web1->document()->setDefaultFont(pageFont);
    web1->document()->setDocumentMargin(8);
    // A long preformatted line wraps at the page's edge instead of making the page wider than
    // the page area: how wide a line is depends on the monospace font the desktop has.
    web1->document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));
}

void frmHelp::createMenus() {
    addMenu(this, m_menus, "mnuFile", tr("File"),
            //: Opens Grovekeep's web page of updates
            {{"mnuUpdate", tr("Updates"), [this] { mnuUpdate_Click(); }},
             {"mnuAbout", tr("About"), [this] { mnuAbout_Click(); }},
             {"mnuExit", tr("Exit"), [this] { mnuExit_Click(); }}});
    for (QMenu* menu : m_menus)
        menuBar()->addMenu(menu);
}

void frmHelp::connectControls() {
    onClick(this, "cmdBack", &frmHelp::cmdBack_Click);
    onClick(this, "cmdStop", &frmHelp::cmdStop_Click);
    onClick(this, "cmdForward", &frmHelp::cmdForward_Click);
    onClick(this, "cmdRefresh", &frmHelp::cmdRefresh_Click);
    // Double-click opens; a single click only selects (itemActivated would open on a single
    // click where the desktop is set so).
    connect(fl1, &QListWidget::itemDoubleClicked, this, &frmHelp::fl1_Open);
    connect(web1, &QTextBrowser::anchorClicked, this, &frmHelp::web1_AnchorClicked);
    // The keys of a browser: Alt+Left and Alt+Right walk the history, F5 refreshes.
    const std::pair<QKeySequence, void (frmHelp::*)()> keys[] = {
        {QKeySequence::Back, &frmHelp::cmdBack_Click},
        {QKeySequence::Forward, &frmHelp::cmdForward_Click},
        {QKeySequence::Refresh, &frmHelp::cmdRefresh_Click}};
    for (const auto& [key, handler] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
}

void frmHelp::Form_Load() {
    if (m_helpFolder.isEmpty())
        m_helpFolder = helpPagesFolder(programFolder()).text();
    m_helpFolder = withSeparator(m_helpFolder);
    m_history.setHelpFolder(m_helpFolder);
    fillFileList();
    navigate(m_helpFolder + kWelcomePage);
}

void frmHelp::fillFileList() {
    const QString selected = fl1->currentItem() ? fl1->currentItem()->text() : QString();
    fl1->clear();
    const QStringList names =
        QDir(m_helpFolder)
            .entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    fl1->addItems(names);
    const auto again = fl1->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !again.isEmpty())
        fl1->setCurrentItem(again.constFirst());
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        // The list grows down, the page down and right; the margins they leave to the edges
        // stay as designed.
        followSize({{fl1, kList, AnchorLeft | AnchorTop | AnchorBottom},
                    {web1, kPage, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom}},
                   centralWidget()->size(), QSize(kInnerArea.width, kInnerArea.height));
    }
    if (watched == fl1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            fl1_Open();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmHelp::fl1_Open() {
    const QListWidgetItem* item = fl1->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    navigate(m_helpFolder + name);
    m_history.RecordHistory(name);
}

void frmHelp::cmdBack_Click() { navigate(m_history.Back()); }

void frmHelp::cmdForward_Click() { navigate(m_history.Forward()); }

void frmHelp::cmdRefresh_Click() {
    fillFileList();
    if (m_shown.isEmpty())
        showEmptyAddress();
    else
        showLocal(m_shown, true);
}

void frmHelp::cmdStop_Click() {
    // Local pages are read at once; there is never a page load to stop.
}

void frmHelp::mnuUpdate_Click() { openExternal(QUrl(sites::updatePage())); }

void frmHelp::mnuAbout_Click() {
    //: %1 is Grovekeep's version number
    platform().message(this, tr("This Help program is part of Grovekeep %1. "
                                "Copyright (c) 2026 The Grovekeep developers.")
                                 .arg(version()));
}

void frmHelp::mnuExit_Click() { QCoreApplication::quit(); }

void frmHelp::navigate(const QString& address) {
    if (address.isEmpty()) {
        m_shown = QUrl();
        showEmptyAddress();
        return;
    }
    // Read afresh, as a browser does when it is sent to an address.
    showLocal(QUrl::fromLocalFile(QDir::fromNativeSeparators(address)), true);
}

// A page of the list in the user's language where the help has it translated (a folder a
// language beside the pages, "de/maps.htm"); the English page otherwise, also where a
// translated page links to one not translated.
QUrl frmHelp::inLanguage(const QUrl& page) const {
    const QString language = currentLanguage();
    if (language == QLatin1String("en") || !page.isLocalFile())
        return page;
    const QFileInfo info(page.toLocalFile());
    const QString pages = QDir::cleanPath(QDir::fromNativeSeparators(m_helpFolder));
    const QString folder = QDir::cleanPath(info.absolutePath());
    QString shown;
    if (folder == pages)
        shown = pages + QLatin1Char('/') + language + QLatin1Char('/') + info.fileName();
    else if (folder == pages + QLatin1Char('/') + language && !info.exists())
        shown = pages + QLatin1Char('/') + info.fileName(); // a page not translated yet
    if (shown.isEmpty() || !QFileInfo(shown).isFile())
        return page;
    QUrl out = QUrl::fromLocalFile(shown);
    out.setFragment(page.fragment());
    return out;
}

void frmHelp::showLocal(const QUrl& page, bool reload) {
    const QUrl url = inLanguage(page);
    m_shown = url;
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    if (!QFileInfo(m_helpFolder).isDir() && !info.exists()) {
        showMissingFolder();
        return;
    }
    if (info.isDir()) {
        showFolder(path);
        return;
    }
    if (!info.isFile()) {
        showMissingPage(path);
        return;
    }
    // Only pages and text are shown as they are; a picture is shown as a picture, and any
    // other file (data, a program) is named rather than spilled on the page as characters.
    const QString suffix = info.suffix().toLower();
    if (suffix != QLatin1String("htm") && suffix != QLatin1String("html")) {
        if (QImageReader::supportedImageFormats().contains(suffix.toLatin1())) {
            showGenerated(info.fileName(),
                          QStringLiteral("<p><img src=\"%1\"></p>")
                              .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped()));
            return;
        }
        if (!looksLikeText(path)) {
            //: The title of a page the viewer shows in place of a file that is no page
            showGenerated(tr("Not a help page"),
                          //: %1 is the file's name, %2 its size in bytes (which may be beyond
                          //: the count's range: the plural form follows %2)
                          tr("<p><b>%1</b> is not a page of this help: it holds data that cannot "
                             "be shown here (%2 bytes).</p>"
                             "<p>Double-click a page in the list on the left.</p>",
                             nullptr, pluralCount(info.size()))
                              .arg(escaped(info.fileName()))
                              .arg(info.size()));
            return;
        }
    }
    // The browser loads a page only when its address changes; a page the viewer made
    // itself, or Refresh, needs the file read again.
    if ((reload || m_generated) && withoutFragment(web1->source()) == withoutFragment(url))
        web1->reload();
    web1->setSource(url);
    m_generated = false;
}

bool frmHelp::looksLikeText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the page area says what went wrong
    const QByteArray head = file.read(4096);
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            return false;
    }
    return true;
}

void frmHelp::web1_AnchorClicked(const QUrl& link) {
    QUrl base = web1->source();
    if (m_generated || base.isEmpty())
        base = QUrl::fromLocalFile(QDir::fromNativeSeparators(m_helpFolder));
    const QUrl target = base.resolved(link);
    if (target.isLocalFile())
        showLocal(target);
    else
        openExternal(target);
}

void frmHelp::openExternal(const QUrl& address) {
    if (!platform().openAddress(address.toString()))
        //: %1 is a web address
        platform().message(this, tr("Help could not open %1. Please open it in your web browser.")
                                     .arg(address.toString()));
}

void frmHelp::showGenerated(const QString& title, const QString& body) {
    web1->setHtml(QStringLiteral("<html><head><title>%1</title><style type=\"text/css\">"
                                 "h2 { color: #1f5a2e; }</style></head><body><h2>%1</h2>%2"
                                 "</body></html>")
                      .arg(escaped(title), body));
    m_generated = true;
}

void frmHelp::showEmptyAddress() {
    showGenerated(tr("No page here"),
                  //: Forward is the caption of the button of that name
                  tr("<p>There is no page at this place in the history.</p>"
                     "<p>Press <b>Forward</b> to return to the pages you opened, or "
                     "double-click a page in the list on the left.</p>"));
}

void frmHelp::showFolder(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    //: %1 is the folder; the list of its pages follows
    QString body = tr("<p>The help folder <tt>%1</tt> holds these pages:</p>")
                       .arg(escaped(QDir::toNativeSeparators(folder)));
    if (names.isEmpty()) {
        //: %1 is the folder
        body = tr("<p>The help folder <tt>%1</tt> holds no pages.</p>")
                   .arg(escaped(QDir::toNativeSeparators(folder)));
    } else {
        body += QStringLiteral("<ul>");
        for (const QString& name : names)
            body += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                        .arg(QUrl::fromLocalFile(QDir(folder).filePath(name))
                                 .toString(QUrl::FullyEncoded),
                             escaped(name));
        body += QStringLiteral("</ul>");
    }
    showGenerated(tr("Help pages"), body);
}

void frmHelp::showMissingFolder() {
    showGenerated(tr("The help pages are missing"),
                  //: HelpFiles is a folder's name and stays as it is; %1 is the folder Help looked
                  //: for; Refresh is the caption of the button of that name
                  tr("<p>Help keeps its pages in the folder <b>HelpFiles</b> beside the Help "
                     "program, but that folder was not found. Help looked for it here:</p>"
                     "<p><tt>%1</tt></p>"
                     "<p>Install Grovekeep again, or copy its <b>HelpFiles</b> folder to that "
                     "place, then press <b>Refresh</b>.</p>")
                      .arg(escaped(m_helpFolder)));
}

void frmHelp::showMissingPage(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const QString body =
        native.startsWith(m_helpFolder)
            //: %1 is the page's name, %2 the help folder
            ? tr("<p>The page <b>%1</b> is not in the help folder <tt>%2</tt>.</p>"
                 "<p>Double-click a page in the list on the left to open it.</p>")
                  .arg(escaped(native.mid(m_helpFolder.size())), escaped(m_helpFolder))
            //: %1 is the page's whole path
            : tr("<p>There is no page <tt>%1</tt>.</p>"
                 "<p>Double-click a page in the list on the left to open it.</p>")
                  .arg(escaped(native));
    showGenerated(tr("Page not found"), body);
}

} // namespace gk::help
