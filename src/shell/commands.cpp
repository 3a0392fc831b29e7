#include "commands.h"

#include "forms.h"
#include "shared.h"

namespace gk {

QMenu* addNamedMenu(QWidget* owner, QList<QMenu*>& menus, const char* name,
                    const QString& caption) {
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menus << menu;
    return menu;
}

void openInBrowser(const QString& address) {
    shared().BrowserUrl = address;
    showForm(Form::Browser);
}

void showUpdates() {
    shared().UpdatePageMode = 1;
    showForm(Form::Update);
}

} // namespace gk
