#pragma once

#include "ui/arrange.h"
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

// Where `design` lies in a window `size` pixels large whose controls were placed for a window
// `designed` twips large; both sizes are measured alike, inside the window or frame included.
// A control that stretches shrinks to nothing and no further. One that moves follows the
// window's edges down to a window `least` twips large, and keeps the place it has there in a
// smaller one.
inline QRect anchoredRect(const Twips& design, int anchors, QSize size, QSize designed,
                          QSize least = QSize(0, 0)) {
    const Px px = toPx(design);
    QRect r(px.left, px.top, px.width, px.height);
    const QSize designedPx(twipsToPx(designed.width()), twipsToPx(designed.height()));
    const int dx = size.width() - designedPx.width();
    const int dy = size.height() - designedPx.height();
    if (anchors & AnchorRight) {
        if (anchors & AnchorLeft)
            r.setWidth(std::max(0, r.width() + dx));
        else
            r.moveLeft(r.left() + std::max(dx, twipsToPx(least.width()) - designedPx.width()));
    }
    if (anchors & AnchorBottom) {
        if (anchors & AnchorTop)
            r.setHeight(std::max(0, r.height() + dy));
        else
            r.moveTop(r.top() + std::max(dy, twipsToPx(least.height()) - designedPx.height()));
    }
    return r;
}

// Places each control for the window's present size.
inline void followSize(const QList<Anchored>& controls, QSize size, QSize designed,
                       QSize least = QSize(0, 0)) {
    if (controls.isEmpty())
        return;
    for (const Anchored& a : controls) {
        const QRect r = anchoredRect(a.design, a.anchors, size, designed, least);
        a.control->setGeometry(r);
        setDesignedPlace(a.control, r);
    }
    // Then each caption gets the room it needs, and its neighbours make it (arrange.h).
    arrangeInPlace(controls.first().control->parentWidget());
}

// A control anchored where it stands now, which is its place in the designed window.
Anchored anchoredAsPlaced(QWidget* control, int anchors);

// A window's outer size, frame and title bar included: inside the main window, the size of
// the frame that holds it there.
QSize outerSize(const QWidget* window);

} // namespace gk
