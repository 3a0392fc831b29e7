#include "frmSplash.h"

#include "base/paths.h"
#include "base/version.h"
#include "common/shared.h"
#include "settings/options.h"
#include "ui/fonts.h"
#include "ui/place.h"

#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

namespace gk {

frmSplash::frmSplash() {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Grovekeep"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFixedSize(twipsToPx(8010), twipsToPx(3375));
    createControls();
    connectControls();
    centreOnScreen(this);
}

void frmSplash::createControls() {
    Image1 = place<ClickableLabel>(this, "Image1", Twips{1080, 960, 6000, 1875});
    Image1->setPixmap(splashPicture());
    Image1->setCursor(Qt::PointingHandCursor);
    tmrMove = new QTimer(this);
    tmrMove->setObjectName(QStringLiteral("tmrMove"));
    tmrMove->setInterval(tickMs);
    // Both run from the moment the splash becomes visible (see showEvent), so a first-run
    // Options dialog neither eats into the display time nor runs the lines out unseen.
    tmrEnd = new QTimer(this);
    tmrEnd->setObjectName(QStringLiteral("tmrEnd"));
    tmrEnd->setInterval(displayMs);
    tmrEnd->setSingleShot(true);
}

void frmSplash::connectControls() {
    connect(Image1, &ClickableLabel::clicked, this, &frmSplash::Image1_Click);
    connect(tmrMove, &QTimer::timeout, this, &frmSplash::tmrMove_Timer);
    connect(tmrEnd, &QTimer::timeout, this, &frmSplash::tmrEnd_Timer);
}

void frmSplash::Form_Load() { LoadSettings(); }

void frmSplash::LoadSettings() {
    const auto file = readSettingsFile(startupSettingsCandidates());
    if (!file) {
        showFormModal(Form::Options);
        return;
    }
    setSettings(file->values);
}

void frmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!tmrEnd->isActive()) {
        tmrEnd->start();
        tmrMove->start();
    }
}

void frmSplash::tmrMove_Timer() {
    m_lines.step();
    update();
}

void frmSplash::tmrEnd_Timer() {
    tmrMove->stop();
    accept();
}

void frmSplash::Image1_Click() {
    tmrMove->stop();
    tmrEnd->stop();
    accept();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int y = twipsToPx(static_cast<int>(SplashLines::y));
    for (const SplashLine* line : {&m_lines.ln1, &m_lines.ln2, &m_lines.ln3}) {
        p.setPen(QPen(line->colour, 1));
        const double right = std::min<double>(line->right, 1e6) / twipsPerPixel;
        p.drawLine(QPointF(line->left / twipsPerPixel, y), QPointF(right, y));
    }
}

QPixmap splashPicture() {
    QPixmap pix(400, 125);
    pix.fill(Qt::black);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 125);
    sky.setColorAt(0, QColor(12, 40, 24));
    sky.setColorAt(1, QColor(4, 14, 8));
    p.fillRect(pix.rect(), sky);

    // A small grove: three trees on a hill.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 64, 34));
    QPainterPath hill;
    hill.moveTo(0, 125);
    hill.cubicTo(40, 92, 110, 88, 150, 125);
    p.drawPath(hill);
    struct Tree {
        double x, base, size;
    };
    for (const Tree& t : {Tree{48, 104, 26}, Tree{80, 98, 34}, Tree{112, 106, 22}}) {
        p.setBrush(QColor(74, 50, 28));
        p.drawRect(QRectF(t.x - 2.5, t.base - t.size * 0.6, 5, t.size * 0.6));
        QRadialGradient crown(t.x - t.size * 0.2, t.base - t.size * 1.1, t.size);
        crown.setColorAt(0, QColor(120, 196, 96));
        crown.setColorAt(1, QColor(30, 96, 44));
        p.setBrush(crown);
        p.drawEllipse(QPointF(t.x, t.base - t.size * 0.95), t.size * 0.55, t.size * 0.6);
    }

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    // As large as fits beside the grove.
    for (int size = 44; size > 12; size -= 2) {
        title.setPixelSize(size);
        if (QFontMetrics(title).horizontalAdvance(QStringLiteral("Grovekeep")) <= 236)
            break;
    }
    p.setFont(title);
    p.setPen(QColor(232, 222, 180));
    p.drawText(QRect(150, 18, 240, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Grovekeep"));

    const QFont sub = splashLineFont();
    const QFontMetrics metrics(sub);
    const QStringList lines = splashLines();
    p.setFont(sub);
    const QColor colours[] = {QColor(170, 200, 160), QColor(120, 140, 112)};
    for (int k = 0; k < 2; ++k) {
        p.setPen(colours[k]);
        // (What does not fit at the least size ends in "...", never in half a letter.)
        p.drawText(QRect(152, 74 + 20 * k, kSplashLineWidth, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(lines.at(k), Qt::ElideRight, kSplashLineWidth));
    }
    return pix;
}

QStringList splashLines() {
    //: Under the program's name on the splash picture; Black & White is the game
    return {frmSplash::tr("Black & White content manager"),
            //: %1 is the version number
            frmSplash::tr("Beta 1 - version %1").arg(version())};
}

QFont splashLineFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return fontToFit(font, splashLines(), kSplashLineWidth, 10);
}

} // namespace gk
