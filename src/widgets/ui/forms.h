#pragma once

#include <QEvent>
#include <QList>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace gk {

// Every window class of Grovekeep has exactly one instance. It is created on first use
// (which runs its Form_Load), destroyed when the user closes it, and created afresh the
// next time it is used.
enum class Form {
    MDI,
    Splash,
    Map,
    Tattoo,
    Extra,
    Readme,
    Browser,
    Options,
    Install,
    About,
    Update,
    History
};
constexpr int formCount = 12;

enum class Placement {
    Child,   // opens inside the main window
    TopLevel // a separate window
};

// Builds the window and runs its Form_Load.
using FormFactory = std::function<QWidget*()>;

void registerForm(Form form, Placement placement, FormFactory factory);

// Opens a child window inside the main window; false when there is no main window to hold
// it (the child is then not created). Set by the application.
using ChildHost = std::function<bool(QWidget* child)>;
void setChildHost(ChildHost host);
bool isRegistered(Form form);
QString formName(Form form);

// The open instance, or nullptr.
QWidget* existingForm(Form form);
// The instance, created on first use; nullptr when the window is not part of this build.
QWidget* form(Form form);
// Shows the window without blocking (inside the main window for child windows) and brings
// it to the front. An open window is not loaded again, but it is sent a FormShown event (a
// window that takes a shared value when shown, such as a file to install, looks for it then).
QWidget* showForm(Form form);
QEvent::Type formShownEvent();
// Shows the window modally through the platform layer; returns the dialog's result.
int showFormModal(Form form);

template <class W> W* formAs() { return qobject_cast<W*>(form(W::formId)); }
template <class W> W* existingFormAs() { return qobject_cast<W*>(existingForm(W::formId)); }

// Closes a window the way its close box does (the child window's frame for child windows).
// Returns false when the window refused to close.
bool closeWindow(QWidget* window);

// Destroys every open window at once and forgets the registrations and the child host
// (tests).
void resetForms();

// A child window that brings its own menu bar; it replaces the main window's menu bar
// while the child is the active one.
class ChildMenus {
public:
    virtual ~ChildMenus() = default;
    virtual QList<QMenu*> childMenus() const = 0;
};

} // namespace gk
