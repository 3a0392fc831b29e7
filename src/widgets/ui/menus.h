#pragma once

#include <QKeySequence>
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
// false (a window that is not part of this build); `shortcut`, the standard key of the command
// (Ctrl+O for an Open command, say).
struct MenuItem {
    const char* name;
    QString caption;
    std::function<void()> handler;
    bool enabled = true;
    QKeySequence shortcut = {};
};

enum class Form;

// A command that shows window `form`; disabled when that window is not part of this build.
MenuItem showsForm(const char* name, const QString& caption, Form form);

// `caption` with a keyboard mnemonic ('&') on its first letter that is not in `taken` (which
// gains it); a caption whose letters are all taken gets none. Ampersands in it are kept.
QString withMnemonic(const QString& caption, QString& taken);

// A menu named `name`, captioned, with its commands in display order. It is added to `menus`;
// the handlers run in the context of `owner`. The menu's title is reached with Alt and its first
// letter, each command with a letter of its own.
QMenu* addMenu(QWidget* owner, QList<QMenu*>& menus, const char* name, const QString& caption,
               std::initializer_list<MenuItem> items);

// A single command added to an existing menu.
QAction* addMenuItem(QMenu* menu, QObject* context, const MenuItem& item);

} // namespace gk
