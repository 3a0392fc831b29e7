#include "commands.h"

#include "core/fileio.h"
#include "core/paths.h"
#include "forms.h"
#include "platform/platform.h"
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

bool confirmReplace(QWidget* parent, const QString& path) {
    return !fileExists(path) ||
           platform().ask(parent,
                          QStringLiteral("%1 already exists.\nDo you want to replace it?")
                              .arg(displayPath(path)),
                          false) == Answer::Yes;
}

bool confirmLossyText(QWidget* parent, const QString& what) {
    return platform().ask(parent,
                          QStringLiteral("Some characters of this %1 cannot be written in the "
                                         "game's character set and would be written as \"?\".\n"
                                         "Write the %1 anyway?")
                              .arg(what),
                          false) == Answer::Yes;
}

bool settingsFoldersKnown(QWidget* parent, bool needGameFolder) {
    if (!shared().ManagerFolder.isEmpty() && (!needGameFolder || !shared().GameFolder.isEmpty()))
        return true;
    platform().message(parent, needGameFolder
                                   ? QStringLiteral("Please tell Grovekeep where Black and White "
                                                    "and Grovekeep are located (Tools > Options) "
                                                    "first.")
                                   : QStringLiteral("Please tell Grovekeep where it is located "
                                                    "(Tools > Options) first."));
    showForm(Form::Options);
    return false;
}

} // namespace gk
