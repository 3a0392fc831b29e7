#include "style.h"

#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPolygonF>
#include <QTextDocument>

#include <functional>

namespace gk {

namespace {

// An icon drawn by `paint` on a 16 x 16 canvas, at 16, 32 and 64 pixels.
QIcon paintedIcon(const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        {
            QPainter p(&pix);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 16.0, size / 16.0);
            paint(p);
        }
        icon.addPixmap(pix);
    }
    return icon;
}

} // namespace

QIcon grovekeepIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(92, 60, 30));
        p.drawRect(QRectF(7, 9, 2, 6));
        p.setBrush(QColor(52, 140, 64));
        p.drawEllipse(QRectF(2.5, 1, 11, 10));
        p.setBrush(QColor(110, 190, 90));
        p.drawEllipse(QRectF(4.5, 2.5, 5, 4.5));
    });
}

QIcon helpIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 70, 40), 0.8));
        p.setBrush(QColor(250, 246, 230));
        p.drawPolygon(QPolygonF({{8, 4}, {1.5, 2.5}, {1.5, 13}, {8, 14.5}}));
        p.drawPolygon(QPolygonF({{8, 4}, {14.5, 2.5}, {14.5, 13}, {8, 14.5}}));
        p.setPen(QPen(QColor(52, 140, 64), 0.8));
        for (const double y : {5.5, 8.0, 10.5}) {
            p.drawLine(QPointF(3.2, y - 0.6), QPointF(6.6, y + 0.2));
            p.drawLine(QPointF(9.4, y + 0.2), QPointF(12.8, y - 0.6));
        }
    });
}

QString editorText(const QPlainTextEdit* editor) {
    QString text = editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace gk
