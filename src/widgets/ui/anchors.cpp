#include "anchors.h"

#include <QMdiSubWindow>

namespace gk {

Anchored anchoredAsPlaced(QWidget* control, int anchors) {
    const QRect r = control->geometry();
    return {control,
            Twips{pxToTwips(r.x()), pxToTwips(r.y()), pxToTwips(r.width()), pxToTwips(r.height())},
            anchors};
}

QSize outerSize(const QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub->size();
    return window->frameGeometry().size();
}

} // namespace gk
