#pragma once

#include "ui/place.h"

#include <QList>
#include <QSize>
#include <QWidget>

#include <algorithm>

namespace gk {

// The edges of a control that keep their distance to the window's matching edges when the
// window grows or shrinks. Left and Right together stretch the control; Right alone moves it.
enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

struct Anchored {
    QWidget* control;
    Twips design; // its place in the designed window
    int anchors;  // AnchorLeft | AnchorTop | ...
};

// Where `design` lies in a window of `inner` pixels that was designed `designed` twips large.
inline QRect anchoredRect(const Twips& design, int anchors, QSize inner, QSize designed) {
    const Px px = toPx(design);
    QRect r(px.left, px.top, px.width, px.height);
    const int dx = inner.width() - twipsToPx(designed.width());
    const int dy = inner.height() - twipsToPx(designed.height());
    if (anchors & AnchorRight) {
        if (anchors & AnchorLeft)
            r.setWidth(std::max(0, r.width() + dx));
        else
            r.moveLeft(r.left() + dx);
    }
    if (anchors & AnchorBottom) {
        if (anchors & AnchorTop)
            r.setHeight(std::max(0, r.height() + dy));
        else
            r.moveTop(r.top() + dy);
    }
    return r;
}

// Places each control for the window's present inner size.
inline void followSize(const QList<Anchored>& controls, QSize inner, QSize designed) {
    for (const Anchored& a : controls)
        a.control->setGeometry(anchoredRect(a.design, a.anchors, inner, designed));
}

} // namespace gk
