#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QString>

namespace gk {

// Menus of a window: named, captioned, and collected in `menus` in display order.
QMenu* addNamedMenu(QWidget* owner, QList<QMenu*>& menus, const char* name, const QString& caption);

// A menu command named `name` that runs `handler`; disabled when `enabled` is false.
template <class Context, class Handler>
QAction* addNamedItem(QMenu* menu, const char* name, const QString& caption, Context* context,
                      Handler handler, bool enabled = true) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, context, handler);
    return action;
}

// Opens a page in the built-in browser: stores the address, then shows the browser window
// (which takes the address only when it is created).
void openInBrowser(const QString& address);

// Shows the Updates window on the update page.
void showUpdates();

} // namespace gk
