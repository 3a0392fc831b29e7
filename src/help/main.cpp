// Help: Grovekeep's help viewer, a program of its own.

#include "frmHelp.h"
#include "shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

namespace {

// An open book.
QIcon helpIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        {
            QPainter p(&pix);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 16.0, size / 16.0);
            p.setPen(QPen(QColor(40, 70, 40), 0.8));
            p.setBrush(QColor(250, 246, 230));
            p.drawPolygon(QPolygonF({{8, 4}, {1.5, 2.5}, {1.5, 13}, {8, 14.5}}));
            p.drawPolygon(QPolygonF({{8, 4}, {14.5, 2.5}, {14.5, 13}, {8, 14.5}}));
            p.setPen(QPen(QColor(52, 140, 64), 0.8));
            for (const double y : {5.5, 8.0, 10.5}) {
                p.drawLine(QPointF(3.2, y - 0.6), QPointF(6.6, y + 0.2));
                p.drawLine(QPointF(9.4, y + 0.2), QPointF(12.8, y - 0.6));
            }
        }
        icon.addPixmap(pix);
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Help"));
    QApplication::setApplicationVersion(QStringLiteral("0.90"));
    QApplication::setFont(gk::interfaceFont());
    QApplication::setWindowIcon(helpIcon());
    gk::help::frmHelp window;
    // In the middle of the screen, whole.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window.frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        const QPoint corner = screen->availableGeometry().topLeft();
        window.move(std::max(frame.left(), corner.x()), std::max(frame.top(), corner.y()));
    }
    window.show();
    return app.exec();
}
