#include "frmAbout.h"

#include "base/version.h"
#include "platform/platform.h"
#include "ui/clickablelabel.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gk {

QString distributionNotice() {
    return frmAbout::tr("Grovekeep is free software under the MIT License. You may use, copy, "
                        "modify and share it, provided that the copyright notice and this "
                        "permission notice are kept with it. It comes without any warranty.") +
           QStringLiteral("\r\n");
}

frmAbout::frmAbout() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Grovekeep"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFixedSize(twipsToPx(6255), twipsToPx(5895));
    createControls();
    connectControls();
}

void frmAbout::createControls() {
    auto label = [this](const char* name, const QString& text, const Twips& rect) {
        auto* l = place<ClickableLabel>(this, name, text, rect);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    auto link = [&](const char* name, const QString& text, const Twips& rect) {
        auto* l = label(name, text, rect);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(p);
        l->setCursor(Qt::PointingHandCursor);
    };
    //: %1 is the version number ("1.4.0")
    auto* title =
        label("Label1", tr("Grovekeep Version %1").arg(version()), Twips{1680, 120, 3255, 255});
    label("Label2", tr("Credits"), Twips{120, 600, 2535, 255});
    //: Credits: keep the names as they are
    label("Label3", tr("Programming - Rowan Alder"), Twips{120, 1080, 2655, 255});
    label("Label5", tr("Town Creator and Testing - Hazel Birch"), Twips{120, 1440, 3135, 255});
    //: Credits: Fernlow and Marrowby are the names of web sites
    label("Label4", tr("Hosting - Fernlow , Marrowby"), Twips{120, 1800, 2775, 255});
    auto* notice = place<QPlainTextEdit>(this, "Text1", Twips{120, 2400, 6015, 1335});
    link("lblMarrowby", sites::MakerHost, Twips{120, 3960, 3375, 255});
    link("lblFernlow", sites::FanSiteHost + QStringLiteral("/fernlow"),
         Twips{120, 4200, 3375, 255});
    link("Label6", tr("Found a bug? Click me"), Twips{120, 4560, 3495, 255});
    place<QPushButton>(this, "cmdClose", tr("Close"), Twips{4440, 5400, 1695, 375});

    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    notice->setPlainText(
        QString(distributionNotice()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    notice->setReadOnly(true);
}

void frmAbout::connectControls() {
    auto onLabelClick = [this](const char* name, auto handler) {
        connect(findChild<ClickableLabel*>(QString::fromLatin1(name)), &ClickableLabel::clicked,
                this, handler);
    };
    onLabelClick("lblMarrowby", [this] { openAddress(sites::MakerHost); });
    onLabelClick("lblFernlow",
                 [this] { openAddress(sites::FanSiteHost + QStringLiteral("/fernlow")); });
    onLabelClick("Label6", [this] {
        openAddress(sites::MakerHost + QStringLiteral("/manager/bugreport.htm"));
    });
    onClick(this, "cmdClose", &QDialog::accept);
}

void frmAbout::openAddress(const QString& address) {
    if (const Status opened = platform().openAddress(address); !opened)
        platform().message(this, opened.error());
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Lines two pixels wide along the four edges.
    QPainter p(this);
    p.setPen(QPen(Qt::black, 2));
    const int right = twipsToPx(6240);
    const int bottom = twipsToPx(5880);
    p.drawLine(0, 0, 0, bottom);
    p.drawLine(0, 0, right, 0);
    p.drawLine(right, 0, right, bottom);
    p.drawLine(0, bottom, right, bottom);
}

} // namespace gk
