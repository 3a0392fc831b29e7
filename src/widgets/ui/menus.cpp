#include "menus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace gk {

QAction* addMenuItem(QMenu* menu, QObject* context, const MenuItem& item) {
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setEnabled(item.enabled);
    QObject::connect(action, &QAction::triggered, context, item.handler);
    return action;
}

QMenu* addMenu(QWidget* owner, QList<QMenu*>& menus, const char* name, const QString& caption,
               std::initializer_list<MenuItem> items) {
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    for (const MenuItem& item : items)
        addMenuItem(menu, owner, item);
    menus << menu;
    return menu;
}

} // namespace gk
