#include "frmBrowser.h"

#include "common/shared.h"
#include "download.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace gk {

namespace {

// The window's designed size, in twips: the toolbar is placed for a window this large inside,
// the page area for one this large frame and title bar included.
const QSize kDesigned(9990, 6135);
// The page area, below the buttons and the address box. It keeps its distances to the edges
// of the window's frame.
const Twips kPage{0, 720, 9890, 5035};

} // namespace

frmBrowser::frmBrowser() {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(tr("Grovekeep - Web Browser"));
    resize(twipsToPx(kDesigned.width()), twipsToPx(kDesigned.height()));
    // Small enough for a crowded main window, large enough for every button and the address.
    setMinimumSize(twipsToPx(7200), twipsToPx(2700));
    createControls();
    connectControls();
    connectPage();
    createShortcuts();
}

void frmBrowser::createControls() {
    auto pictureButton = [this](const char* name, QStyle::StandardPixmap icon, const QString& tip,
                                const Twips& rect) {
        auto* b = place<QPushButton>(this, name, QString(), rect);
        b->setIcon(style()->standardIcon(icon));
        b->setIconSize(QSize(24, 24));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        m_toolbar.append({b, rect, AnchorLeft | AnchorTop});
        return b;
    };
    cmdBack = pictureButton("cmdBack", QStyle::SP_ArrowBack, tr("Back (Alt+Left)"),
                            Twips{0, 0, 975, 615});
    cmdForward = pictureButton("cmdForward", QStyle::SP_ArrowForward, tr("Forward (Alt+Right)"),
                               Twips{960, 0, 975, 615});
    cmdStop = pictureButton("cmdStop", QStyle::SP_BrowserStop, tr("Stop (Esc)"),
                            Twips{1920, 0, 975, 615});
    cmdRefresh = pictureButton("cmdRefresh", QStyle::SP_BrowserReload, tr("Refresh (F5)"),
                               Twips{2880, 0, 1095, 615});
    const Twips addressLabel{4080, 0, 975, 255};
    lblAddress = place<QLabel>(this, "lblAddress", tr("Address Bar"), addressLabel);
    const Twips addressBox{4080, 360, 5775, 285};
    txtNav = place<QLineEdit>(this, "txtNav", QString(), addressBox);
    txtNav->setAccessibleName(tr("Address"));
    txtNav->setToolTip(tr("The page's address: type another and press Enter or Go "
                          "(Ctrl+L comes here)"));
    lblAddress->setBuddy(txtNav);
    const Twips go{8760, 0, 1095, 375};
    cmdGo = place<QPushButton>(this, "cmdGo", tr("Go"), go);
    cmdGo->setAutoDefault(false);
    cmdGo->setDefault(false);
    m_toolbar.append({lblAddress, addressLabel, AnchorLeft | AnchorTop});
    m_toolbar.append({txtNav, addressBox, AnchorLeft | AnchorTop | AnchorRight});
    m_toolbar.append({cmdGo, go, AnchorTop | AnchorRight});

    m_page = createWebPage(this);
    QWidget* web1 = m_page->widget();
    web1->setObjectName(QStringLiteral("web1"));
    web1->setAccessibleName(tr("Web page"));
    applyGeometry(web1, kPage);

    // A thin bar along the page's top edge while a page loads.
    prgLoad = new QProgressBar(this);
    prgLoad->setObjectName(QStringLiteral("prgLoad"));
    prgLoad->setAccessibleName(tr("Page loading"));
    prgLoad->setTextVisible(false);
    prgLoad->setRange(0, 100);
    prgLoad->hide();

    m_downloads = new DownloadBar(this);

    // Tab goes along the toolbar, into the page, then to the download bar.
    setTabOrder(cmdBack, cmdForward);
    setTabOrder(cmdForward, cmdStop);
    setTabOrder(cmdStop, cmdRefresh);
    setTabOrder(cmdRefresh, txtNav);
    setTabOrder(txtNav, cmdGo);
    setTabOrder(cmdGo, web1);
}

void frmBrowser::connectControls() {
    onClick(this, "cmdBack", &frmBrowser::cmdBack_Click);
    onClick(this, "cmdForward", &frmBrowser::cmdForward_Click);
    onClick(this, "cmdStop", &frmBrowser::cmdStop_Click);
    onClick(this, "cmdRefresh", &frmBrowser::cmdRefresh_Click);
    onClick(this, "cmdGo", &frmBrowser::cmdGo_Click);
    connect(txtNav, &QLineEdit::returnPressed, this, &frmBrowser::cmdGo_Click);
    connect(m_downloads, &DownloadBar::shownChanged, this, &frmBrowser::Form_Resize);
}

void frmBrowser::connectPage() {
    m_page->addressChanged = [this](const QString& address) { showAddress(address); };
    m_page->titleChanged = [this](const QString& title) { showTitle(title); };
    m_page->loadingChanged = [this](bool loading, int percent) { showLoading(loading, percent); };
    m_page->downloadRequested = [this](std::unique_ptr<WebDownload> download) {
        m_downloads->take(std::move(download));
    };
    updateButtons();
}

void frmBrowser::createShortcuts() {
    auto key = [this](const QKeySequence& keys, void (frmBrowser::*handler)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::ALT | Qt::Key_Left), &frmBrowser::cmdBack_Click);
    key(QKeySequence(Qt::ALT | Qt::Key_Right), &frmBrowser::cmdForward_Click);
    key(QKeySequence(Qt::Key_F5), &frmBrowser::cmdRefresh_Click);
    key(QKeySequence(Qt::Key_Escape), &frmBrowser::cmdStop_Click);
    key(QKeySequence(Qt::CTRL | Qt::Key_L), &frmBrowser::focusAddress);
    key(QKeySequence(Qt::Key_F6), &frmBrowser::focusAddress);
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::Form_Load() {
    if (shared().BrowserUrl.isEmpty()) {
        shared().BrowserUrl = sites::http(sites::MakerHost);
    }
    m_page->navigate(shared().BrowserUrl);
    txtNav->setText(shared().BrowserUrl);
}

void frmBrowser::cmdBack_Click() {
    // With no earlier page there is nothing to do.
    if (m_page->canGoBack())
        m_page->back();
}

void frmBrowser::cmdForward_Click() {
    if (m_page->canGoForward())
        m_page->forward();
}

void frmBrowser::cmdStop_Click() { m_page->stop(); }

void frmBrowser::cmdRefresh_Click() { m_page->reload(); }

void frmBrowser::cmdGo_Click() {
    // What the user typed is sent; the page's address replaces it from now on.
    txtNav->setModified(false);
    m_page->navigate(txtNav->text());
}

void frmBrowser::focusAddress() {
    txtNav->setFocus(Qt::ShortcutFocusReason);
    txtNav->selectAll();
}

void frmBrowser::showAddress(const QString& address) {
    // An address the user is typing is not overwritten.
    if (!(txtNav->hasFocus() && txtNav->isModified()))
        txtNav->setText(address);
    updateButtons();
}

void frmBrowser::showTitle(const QString& title) {
    //: %1 is the title of the page shown
    setWindowTitle(title.trimmed().isEmpty()
                       ? tr("Grovekeep - Web Browser")
                       : tr("Grovekeep - Web Browser - %1").arg(title.trimmed()));
}

void frmBrowser::showLoading(bool loading, int percent) {
    m_loading = loading;
    prgLoad->setValue(std::clamp(percent, 0, 100));
    prgLoad->setVisible(loading);
    if (loading)
        prgLoad->raise();
    updateButtons();
}

void frmBrowser::updateButtons() {
    cmdBack->setEnabled(m_page->canGoBack());
    cmdForward->setEnabled(m_page->canGoForward());
    cmdStop->setEnabled(m_loading);
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Inside the main window the frame keeps the window from getting smaller than its controls.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->setMinimumSize(minimumSize().grownBy(sub->contentsMargins()));
}

void frmBrowser::closeEvent(QCloseEvent* event) {
    if (!m_downloads->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void frmBrowser::Form_Resize() {
    if (!m_page)
        return;
    // The address box and Go follow the window's right edge.
    followSize(m_toolbar, size(), kDesigned);
    // The page area follows the window's outer size.
    QRect area = anchoredRect(kPage, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
                              outerSize(this), kDesigned);
    // A download bar takes the bottom of the part of the page area that can be seen.
    if (!m_downloads->isHidden())
        area = m_downloads->place(area.intersected(rect()));
    m_page->widget()->setGeometry(area);
    prgLoad->setGeometry(area.left(), area.top(), area.width(), 4);
}

} // namespace gk
