#include "frmBrowser.h"

#include "common/shared.h"
#include "ui/place.h"
#include "web/layout.h"
#include "web/sites.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace gk {

frmBrowser::frmBrowser() {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("Grovekeep - Web Browser"));
    resize(twipsToPx(9990), twipsToPx(6135));
    createControls();
    connectControls();
}

void frmBrowser::createControls() {
    auto pictureButton = [this](const char* name, QStyle::StandardPixmap icon, const QString& tip,
                                const Twips& rect) {
        auto* b = place<QPushButton>(this, name, QString(), rect);
        b->setIcon(style()->standardIcon(icon));
        b->setIconSize(QSize(24, 24));
        b->setToolTip(tip);
        return b;
    };
    cmdBack = pictureButton("cmdBack", QStyle::SP_ArrowBack, QStringLiteral("Back"),
                            Twips{0, 0, 975, 615});
    cmdForward = pictureButton("cmdForward", QStyle::SP_ArrowForward, QStringLiteral("Forward"),
                               Twips{960, 0, 975, 615});
    cmdStop = pictureButton("cmdStop", QStyle::SP_BrowserStop, QStringLiteral("Stop"),
                            Twips{1920, 0, 975, 615});
    cmdRefresh = pictureButton("cmdRefresh", QStyle::SP_BrowserReload, QStringLiteral("Refresh"),
                               Twips{2880, 0, 1095, 615});
    lblAddress =
        place<QLabel>(this, "lblAddress", QStringLiteral("Address Bar"), Twips{4080, 0, 975, 255});
    txtNav = place<QLineEdit>(this, "txtNav", QString(), Twips{4080, 360, 5775, 285});
    cmdGo = place<QPushButton>(this, "cmdGo", QStringLiteral("Go"), Twips{8760, 0, 1095, 375});
    cmdGo->setAutoDefault(false);
    cmdGo->setDefault(false);

    m_page = createWebPage(this);
    QWidget* web1 = m_page->widget();
    web1->setObjectName(QStringLiteral("web1"));
    applyGeometry(web1, Twips{0, 720, 9975, 5415});
}

void frmBrowser::connectControls() {
    onClick(this, "cmdBack", &frmBrowser::cmdBack_Click);
    onClick(this, "cmdForward", &frmBrowser::cmdForward_Click);
    onClick(this, "cmdStop", &frmBrowser::cmdStop_Click);
    onClick(this, "cmdRefresh", &frmBrowser::cmdRefresh_Click);
    onClick(this, "cmdGo", &frmBrowser::cmdGo_Click);
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

void frmBrowser::cmdGo_Click() { m_page->navigate(txtNav->text()); }

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmBrowser::Form_Resize() {
    if (!m_page)
        return;
    // The rule works on the window's outer size, frame and title bar included.
    QSize outer = frameGeometry().size();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        outer = sub->size();
    const QSize page = browserPageSize(pxToTwips(outer.width()), pxToTwips(outer.height()));
    applyGeometry(m_page->widget(), Twips{0, 720, page.width(), page.height()});
}

} // namespace gk
