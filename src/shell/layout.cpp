#include "layout.h"

namespace gk {

void applyGeometry(QWidget* w, const Px& r) {
    QSize size(r.width, r.height);
    if (r.width < 0 || r.height < 0) {
        const QSize hint = w->sizeHint();
        if (r.width < 0)
            size.setWidth(hint.width());
        if (r.height < 0)
            size.setHeight(hint.height());
    }
    w->setGeometry(QRect(QPoint(r.left, r.top), size));
}

} // namespace gk
