#include "startup.h"

#include "common/commands.h"
#include "frmMDI.h"
#include "frmSplash.h"
#include "history/frmHistory.h"
#include "installer/frmInstall.h"
#include "managers/frmExtra.h"
#include "managers/frmMap.h"
#include "managers/frmTattoo.h"
#include "readme/frmReadme.h"
#include "settings/frmOptions.h"
#include "ui/forms.h"
#include "ui/style.h"
#include "web/frmAbout.h"
#include "web/frmBrowser.h"
#include "web/frmUpdate.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace gk {

namespace {
template <class W> void registerWindow(Placement placement) {
    registerForm(W::formId, placement, [] {
        auto* w = new W;
        if constexpr (requires { w->Form_Load(); })
            w->Form_Load();
        return w;
    });
}
} // namespace

void registerGrovekeepForms() {
    registerForm(Form::MDI, Placement::TopLevel, [] { return new frmMDI; });
    // Child windows open in the main window's work area.
    setChildHost([](QWidget* child) {
        frmMDI* mdi = formAs<frmMDI>();
        if (!mdi)
            return false;
        mdi->addChild(child);
        return true;
    });
    registerWindow<frmSplash>(Placement::TopLevel);
    registerWindow<frmOptions>(Placement::TopLevel);
    registerWindow<frmInstall>(Placement::TopLevel);
    registerWindow<frmMap>(Placement::Child);
    registerWindow<frmTattoo>(Placement::Child);
    registerWindow<frmExtra>(Placement::Child);
    registerWindow<frmReadme>(Placement::Child);
    registerWindow<frmBrowser>(Placement::Child);
    registerWindow<frmAbout>(Placement::TopLevel);
    registerWindow<frmUpdate>(Placement::TopLevel);
    registerWindow<frmHistory>(Placement::Child);
}

void applyGrovekeepStyle() {
    // The windows are laid out for the narrow sans-serif face of the game's own system at
    // 8 points; Liberation Sans has the same widths.
    QApplication::setFont(interfaceFont());
    QApplication::setWindowIcon(grovekeepIcon());
}

frmMDI* startGrovekeep() {
    // What the user sees first comes first: the splash (or, the first time, the request for
    // details) is on the screen before the main window and its menus are built.
    if (QWidget* splash = form(Form::Splash)) {
        splash->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    // The installed icon in every size where there is one; the program's own drawing else.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.grovekeep.Grovekeep"), grovekeepIcon()));
    auto* mdi = formAs<frmMDI>();
    mdi->MDIForm_Load();
    mdi->show();
    recoverInterruptedOperations(mdi);
    showForm(Form::Map);
    return mdi;
}

} // namespace gk
