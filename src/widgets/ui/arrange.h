#pragma once

#include <QRect>

class QWidget;

namespace gk {

// How the controls a window placed (with `place`) make room for their captions in the font and
// the language they have: the windows are designed for Liberation Sans and English, and a
// desktop without it, or a longer language, needs more room.
//
// Each control starts from its designed place. One whose caption does not fit grows: a push
// button on both sides, keeping its centre, with a button's margins around its text (the
// buttons of a column, one above the other with the same designed edges, all as wide as the
// widest needs); a label away from the side its text is aligned to, a label that wraps
// downwards; a check box or option button to its right. Then the controls beside it make
// room, keeping a few pixels between them (or the designed gap, when it is smaller):
// - a push button, a tool button or a picture keeps its size and moves;
// - a label, check box or option button may give up what its text does not need;
// - a text box, list, field, box or tab control yields an edge, down to half its designed size;
// - a control moves only away from what pushes it, never back over free room;
// - controls whose designed edges line up still line up (a column of fields and their labels);
// - a control keeps its designed margin to the edges of what holds it, up to a window's margin.
// When the room is not there, the window grows (the designed size stays the least), and the
// controls designed against its right or bottom edge follow it: those that span the window
// stretch, the others move (a label stretches, its text staying where it was; the buttons of a
// row move with the one against the edge). A box or tab control grows the same way for what it
// holds (a tab control for its row of tabs too). When no caption needs more room than
// designed, every control keeps its designed place, to the pixel.
//
// What a label shows after the window was laid out (a path, a state) is shown in the room the
// label has; a label that wraps takes the lines its new text needs, and the window is laid out
// again for it.

// Lays out the controls below `window` (a window, or a widget that holds a window's controls)
// for their captions, growing it where they need more room than it has. Run again after
// captions or shown controls change: it starts each time from the designed places, and the
// window does not shrink while it is shown.
void arrangeControls(QWidget* window);

// The place `control` has as designed for its window's present size (under the anchoring
// rule), which the next arrangement starts from.
void setDesignedPlace(QWidget* control, const QRect& rect);

// Lays out the controls below `container` for the size it has, without growing it: what does
// not fit runs past its edge. For windows that place their controls for each size they take.
void arrangeInPlace(QWidget* container);

// Marks `control` as one the arrangement lays out (`place` does it for every control it makes).
void markPlaced(QWidget* control);

} // namespace gk
