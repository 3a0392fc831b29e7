#pragma once

#include "core/twips.h"

#include <QString>
#include <QWidget>

namespace gk {

void applyGeometry(QWidget* w, const Px& r);
inline void applyGeometry(QWidget* w, const Twips& t) { applyGeometry(w, toPx(t)); }

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
