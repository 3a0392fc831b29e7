#include "frmUpdate.h"

#include "common/shared.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QLabel>
#include <QPushButton>

namespace gk {

frmUpdate::frmUpdate() {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Grovekeep - Updates"));
    setFixedSize(twipsToPx(5760), twipsToPx(3645));

    auto* lblInfo = place<QLabel>(
        this, "lblInfo",
        QStringLiteral("You can use This Update feature to check if this program has been updated "
                       "if it has then you can download the new version or stick with the current "
                       "one."),
        Twips{0, 0, 5655, 615});
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_page = createWebPage(this);
    m_page->widget()->setObjectName(QStringLiteral("web1"));
    applyGeometry(m_page->widget(), Twips{0, 720, 5655, 2415});
    place<QLabel>(this, "lblCheck", QStringLiteral("Checking for Updates"),
                  Twips{0, 3360, 3135, 255});
    auto* cmdClose =
        place<QPushButton>(this, "cmdClose", QStringLiteral("Close"), Twips{4320, 3240, 1335, 375});
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::Form_Load() {
    const QString address = sites::updatePageAddress(shared().UpdatePageMode);
    if (!address.isEmpty())
        m_page->navigate(address);
}

} // namespace gk
