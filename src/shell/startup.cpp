#include "startup.h"

#include "forms.h"
#include "frmMDI.h"
#include "frmSplash.h"
#include "installer/frmInstall.h"
#include "settings/frmOptions.h"

#include <QApplication>
#include <QFont>

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
    registerWindow<frmSplash>(Placement::TopLevel);
    registerWindow<frmOptions>(Placement::TopLevel);
    registerWindow<frmInstall>(Placement::TopLevel);
}

void applyGrovekeepStyle() {
    // The windows are laid out for the narrow sans-serif face of the game's own system at
    // 8 points; Liberation Sans has the same widths.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

frmMDI* startGrovekeep() {
    auto* mdi = formAs<frmMDI>();
    mdi->MDIForm_Load();
    mdi->show();
    showForm(Form::Map);
    return mdi;
}

} // namespace gk
