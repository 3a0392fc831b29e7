#include "frmUpdate.h"

#include "common/shared.h"
#include "download.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace gk {

namespace {

// The window's designed inner size, in twips.
const QSize kDesigned(5760, 3645);

} // namespace

frmUpdate::frmUpdate() {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(tr("Grovekeep - Updates"));
    // It opens as designed and may grow; smaller would hide the explanation.
    resize(twipsToPx(kDesigned.width()), twipsToPx(kDesigned.height()));
    setMinimumSize(size());
    createControls();
    createShortcuts();
}

void frmUpdate::createControls() {
    const Twips info{0, 0, 5655, 615};
    auto* lblInfo = place<QLabel>(
        this, "lblInfo",
        tr("You can use This Update feature to check if this program has been updated "
           "if it has then you can download the new version or stick with the current "
           "one."),
        info);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_page = createWebPage(this);
    QWidget* web1 = m_page->widget();
    web1->setObjectName(QStringLiteral("web1"));
    web1->setAccessibleName(tr("Update page"));
    const Twips page{0, 720, 5655, 2415};
    applyGeometry(web1, page);
    const Twips check{0, 3360, 3135, 255};
    auto* lblCheck = place<QLabel>(this, "lblCheck", tr("Checking for Updates"), check);
    const Twips close{4320, 3240, 1335, 375};
    auto* cmdClose = place<QPushButton>(this, "cmdClose", tr("Close"), close);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    // The page is laid out with the rest: it yields the room the explanation's lines need.
    m_controls = {{lblInfo, info, AnchorLeft | AnchorTop | AnchorRight},
                  {web1, page, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom},
                  {lblCheck, check, AnchorLeft | AnchorBottom},
                  {cmdClose, close, AnchorRight | AnchorBottom}};
    m_web1 = web1;

    m_downloads = new DownloadBar(this);
    connect(m_downloads, &DownloadBar::shownChanged, this, &frmUpdate::Form_Resize);
    m_page->downloadRequested = [this](std::unique_ptr<WebDownload> download) {
        m_downloads->take(std::move(download));
    };
    setTabOrder(web1, cmdClose);
}

void frmUpdate::createShortcuts() {
    auto key = [this](const QKeySequence& keys, auto handler) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    // Escape closes the window, as it closes About.
    key(QKeySequence(Qt::Key_Escape), &QWidget::close);
    key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] {
        if (m_page->canGoBack())
            m_page->back();
    });
    key(QKeySequence(Qt::ALT | Qt::Key_Right), [this] {
        if (m_page->canGoForward())
            m_page->forward();
    });
    key(QKeySequence(Qt::Key_F5), [this] { m_page->reload(); });
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::Form_Load() {
    const QString address = sites::updatePageAddress(shared().UpdatePageMode);
    if (!address.isEmpty())
        m_page->navigate(address);
}

void frmUpdate::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmUpdate::closeEvent(QCloseEvent* event) {
    if (!m_downloads->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void frmUpdate::Form_Resize() {
    if (!m_page)
        return;
    // The explanation and the page widen with the window; the page takes the height it gains,
    // and the bottom line stays at the bottom.
    followSize(m_controls, size(), kDesigned);
    m_web1->setGeometry(m_downloads->place(m_web1->geometry()));
}

} // namespace gk
