#pragma once

#include "core/twips.h"

#include <QString>
#include <QWidget>

namespace gk::help {

// Creates a control, names it and places it at its design position in twips:
//   cmdBack = place<QToolButton>(centre, "cmdBack", Twips{0, 0, 1215, 615});
template <class W> W* place(QWidget* parent, const char* name, const Twips& design) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    const Px r = toPx(design);
    w->setGeometry(r.left, r.top, r.width, r.height);
    return w;
}

} // namespace gk::help
