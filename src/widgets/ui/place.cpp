#include "place.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace gk {

void centreOnScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(0, 0), window->frameGeometry().size());
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

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

QList<QPushButton*> placeButtons(QWidget* parent, std::initializer_list<ButtonSpec> buttons) {
    QList<QPushButton*> out;
    for (const ButtonSpec& b : buttons)
        out << place<QPushButton>(parent, b.name, b.caption, b.rect);
    return out;
}

void enableButtons(QWidget* parent, std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names) {
        auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
        Q_ASSERT_X(button, "enableButtons", name);
        button->setEnabled(enabled);
    }
}

} // namespace gk
