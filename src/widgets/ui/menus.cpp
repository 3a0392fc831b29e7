#include "menus.h"

#include "forms.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace gk {

MenuItem showsForm(const char* name, const QString& caption, Form form) {
    return {name, caption, [form] { showForm(form); }, isRegistered(form)};
}

QString withMnemonic(const QString& caption, QString& taken) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype at = 0; at < escaped.size(); ++at) {
        const QChar c = escaped.at(at);
        if (c == QLatin1Char('&')) {
            ++at; // an escaped ampersand
            continue;
        }
        if (c.isLetterOrNumber() && !taken.contains(c.toLower())) {
            taken += c.toLower();
            return escaped.left(at) + QLatin1Char('&') + escaped.mid(at);
        }
    }
    return escaped;
}

QAction* addMenuItem(QMenu* menu, QObject* context, const MenuItem& item) {
    QString taken;
    for (const QAction* a : menu->actions()) {
        const qsizetype at = a->text().indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < a->text().size())
            taken += a->text().at(at + 1).toLower();
    }
    QAction* action = menu->addAction(withMnemonic(item.caption, taken));
    action->setObjectName(QString::fromLatin1(item.name));
    action->setEnabled(item.enabled);
    if (!item.shortcut.isEmpty())
        action->setShortcut(item.shortcut);
    QObject::connect(action, &QAction::triggered, context, item.handler);
    return action;
}

QMenu* addMenu(QWidget* owner, QList<QMenu*>& menus, const char* name, const QString& caption,
               std::initializer_list<MenuItem> items) {
    QString none;
    auto* menu = new QMenu(withMnemonic(caption, none), owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    for (const MenuItem& item : items)
        addMenuItem(menu, owner, item);
    menus << menu;
    return menu;
}

} // namespace gk
