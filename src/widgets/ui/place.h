#pragma once

#include "base/twips.h"
#include "ui/arrange.h"

#include <QAbstractButton>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace gk {

void applyGeometry(QWidget* w, const Px& r);

// Moves a top-level window to the middle of the primary screen, keeping its top-left corner on
// the screen.
void centreOnScreen(QWidget* window);
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

// Creates a control, names it and places it, with its caption; the window's arrangement
// (arrange.h) gives it the room its caption needs:
//   cmdOK = place<QPushButton>(this, "cmdOK", "OK", Twips{6000, 4800, 1335, 375});
template <class W, class Rect>
W* place(QWidget* parent, const char* name, const QString& text, const Rect& rect) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (!text.isEmpty())
        setCaption(w, text);
    applyGeometry(w, rect);
    markPlaced(w);
    return w;
}

// The same without a caption.
template <class W, class Rect> W* place(QWidget* parent, const char* name, const Rect& rect) {
    return place<W>(parent, name, QString(), rect);
}

// One button of a window's button table: its name, caption (translated by the window) and
// place.
struct ButtonSpec {
    const char* name;
    QString caption;
    Twips rect;
};
// Creates the buttons of a table, in its order.
QList<QPushButton*> placeButtons(QWidget* parent, std::initializer_list<ButtonSpec> buttons);
// Enables or disables the buttons named `names` below `parent`.
void enableButtons(QWidget* parent, std::initializer_list<const char*> names, bool enabled);

// Runs `handler` (a member function of `window` or any callable) when the button named
// `name` below `window` is clicked:
//   onClick(this, "cmdLoad", &frmMap::LoadMapText);
template <class Window, class Handler>
QAbstractButton* onClick(Window* window, const char* name, Handler handler) {
    auto* button = window->template findChild<QAbstractButton*>(QString::fromLatin1(name));
    Q_ASSERT_X(button, "onClick", name);
    QObject::connect(button, &QAbstractButton::clicked, window, handler);
    return button;
}

} // namespace gk
