#include "style.h"

#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace gk {

QIcon grovekeepIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(92, 60, 30));
        p.drawRect(QRectF(7, 9, 2, 6));
        p.setBrush(QColor(52, 140, 64));
        p.drawEllipse(QRectF(2.5, 1, 11, 10));
        p.setBrush(QColor(110, 190, 90));
        p.drawEllipse(QRectF(4.5, 2.5, 5, 4.5));
        icon.addPixmap(pix);
    }
    return icon;
}

QString editorText(const QPlainTextEdit* editor) {
    QString text = editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace gk
