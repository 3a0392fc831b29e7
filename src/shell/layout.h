#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <cmath>

namespace gk {

// Window layouts are designed in twips (1/1440 inch); 15 twips are one pixel at 96 dpi.
// A width or height of -1 lets the control take its natural size.
struct Twips {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
};

// A rectangle designed in pixels.
struct Px {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
};

constexpr int twipsPerPixel = 15;

inline int twipsToPx(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}
inline int pxToTwips(int px) {
    return px * twipsPerPixel;
}

inline Px toPx(const Twips& t) {
    return Px{twipsToPx(t.left), twipsToPx(t.top), t.width < 0 ? -1 : twipsToPx(t.width),
              t.height < 0 ? -1 : twipsToPx(t.height)};
}

void applyGeometry(QWidget* w, const Px& r);
inline void applyGeometry(QWidget* w, const Twips& t) {
    applyGeometry(w, toPx(t));
}

// Sets a control's caption, whatever kind of control it is.
template <class W> void setCaption(W* w, const QString& text) {
    if constexpr (requires { w->setTitle(text); })
        w->setTitle(text);
    else if constexpr (requires { w->setPlainText(text); })
        w->setPlainText(text);
    else if constexpr (requires { w->setText(text); })
        w->setText(text);
}

// Creates a control, names it and places it:
//   cmdOK = place<QPushButton>(this, "cmdOK", "OK", Twips{6000, 4800, 1335, 375});
template <class W, class Rect>
W* place(QWidget* parent, const char* name, const QString& text, const Rect& rect) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (!text.isEmpty())
        setCaption(w, text);
    applyGeometry(w, rect);
    return w;
}

} // namespace gk
