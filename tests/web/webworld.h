#pragma once

// The fixture of the web window tests: a main window whose web windows get fake page areas.

#include "support/world.h"
#include "web/fakepage.h"

#include "frmMDI.h"
#include "startup.h"
#include "web/frmBrowser.h"
#include "web/pagefactory.h"

namespace gk::test {

struct WebWorld : World {
    WebWorld() {
        setWebPageFactory([](QWidget* parent) { return std::make_unique<FakePage>(parent); });
        registerGrovekeepForms();
        mdi = formAs<frmMDI>();
        mdi->show();
    }
    ~WebWorld() { setWebPageFactory({}); }
    FakePage* browserPage() const {
        auto* b = existingFormAs<frmBrowser>();
        return b ? static_cast<FakePage*>(b->page()) : nullptr;
    }
    frmMDI* mdi = nullptr;
};

} // namespace gk::test
