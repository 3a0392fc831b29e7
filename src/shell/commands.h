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

// Asks before an existing file is replaced; true when there is none or the user agrees.
bool confirmReplace(QWidget* parent, const QString& path);

// Asks before text with characters the game's code page lacks is written with "?" in their
// place; `what` names the text ("map", "readme").
bool confirmLossyText(QWidget* parent, const QString& what);

// True when ManagerFolder (and GameFolder, when needed) is set; otherwise says so and shows
// the Options window.
bool settingsFoldersKnown(QWidget* parent, bool needGameFolder = true);

} // namespace gk
