#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace gk {

// One command of a menu: its object name, caption and handler; disabled when `enabled` is
// false (a window that is not part of this build).
struct MenuItem {
    const char* name;
    QString caption;
    std::function<void()> handler;
    bool enabled = true;
};

// A menu named `name`, captioned, with its commands in display order. It is added to `menus`;
// the handlers run in the context of `owner`.
QMenu* addMenu(QWidget* owner, QList<QMenu*>& menus, const char* name, const QString& caption,
               std::initializer_list<MenuItem> items);

// A single command added to an existing menu.
QAction* addMenuItem(QMenu* menu, QObject* context, const MenuItem& item);

} // namespace gk
