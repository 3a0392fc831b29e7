#include "forms.h"

#include "arrange.h"
#include "place.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <array>

namespace gk {

namespace {

struct Registration {
    Placement placement = Placement::TopLevel;
    FormFactory factory;
    QPointer<QWidget> instance;
};

std::array<Registration, formCount>& registry() {
    static std::array<Registration, formCount> r;
    return r;
}

ChildHost& childHost() {
    static ChildHost host;
    return host;
}

Registration& entry(Form f) { return registry()[static_cast<size_t>(f)]; }

// A window that was shown and is hidden again has been closed; it is deleted with the next
// turn of the event loop and no longer counts as open.
bool isClosed(QWidget* w) {
    QWidget* frame = w;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        frame = sub;
    return frame->testAttribute(Qt::WA_WState_ExplicitShowHide) && frame->isHidden();
}

QWidget* liveInstance(Registration& r) {
    if (r.instance && isClosed(r.instance))
        r.instance.clear();
    return r.instance.data();
}

} // namespace

void registerForm(Form f, Placement placement, FormFactory factory) {
    entry(f).placement = placement;
    entry(f).factory = std::move(factory);
}

bool isRegistered(Form f) { return static_cast<bool>(entry(f).factory); }

QString formName(Form f) {
    static const char* names[formCount] = {"frmMDI",     "frmSplash", "frmMap",     "frmTattoo",
                                           "frmExtra",   "frmReadme", "frmBrowser", "frmOptions",
                                           "frmInstall", "frmAbout",  "frmUpdate",  "frmHistory"};
    return QString::fromLatin1(names[static_cast<int>(f)]);
}

QWidget* existingForm(Form f) { return liveInstance(entry(f)); }

QWidget* form(Form f) {
    Registration& r = entry(f);
    if (QWidget* w = liveInstance(r))
        return w;
    if (!r.factory)
        return nullptr;
    const bool child = r.placement == Placement::Child;
    if (child && !childHost())
        return nullptr;
    QWidget* w = r.factory();
    if (w->objectName().isEmpty())
        w->setObjectName(formName(f));
    // Laid out for the font the desktop gives and the language: a caption that needs more room
    // gets it.
    arrangeControls(w);
    r.instance = w;
    if (child) {
        if (!childHost()(w)) {
            r.instance.clear();
            delete w;
            return nullptr;
        }
    } else if (f != Form::MDI) {
        w->setAttribute(Qt::WA_DeleteOnClose);
        // Separate windows open in the middle of the screen.
        centreOnScreen(w);
    }
    return w;
}

QWidget* showForm(Form f) {
    QWidget* w = form(f);
    if (!w)
        return nullptr;
    if (entry(f).placement == Placement::Child) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
            if (sub->isMinimized())
                sub->showNormal();
            sub->show();
            w->show();
            if (auto* area = sub->mdiArea())
                area->setActiveSubWindow(sub);
        }
    } else {
        if (w->isMinimized())
            w->showNormal();
        w->show();
        w->raise();
        w->activateWindow();
    }
    QEvent shown(formShownEvent());
    QCoreApplication::sendEvent(w, &shown);
    return w;
}

QEvent::Type formShownEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

int showFormModal(Form f) {
    auto* dialog = qobject_cast<QDialog*>(form(f));
    if (!dialog)
        return QDialog::Rejected;
    return platform().exec(dialog);
}

bool closeWindow(QWidget* window) {
    if (!window)
        return true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub->close();
    return window->close();
}

void setChildHost(ChildHost host) { childHost() = std::move(host); }

void resetForms() {
    for (auto& r : registry()) {
        if (r.instance) {
            QWidget* top = r.instance;
            if (auto* sub = qobject_cast<QMdiSubWindow*>(top->parentWidget()))
                top = sub;
            delete top;
        }
        r = Registration{};
    }
    childHost() = nullptr;
}

} // namespace gk
