#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "system/filter.h"
#include "system/launch.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace gk {

enum class Answer { Yes, No, Cancel };

// Everything the windows need from the desktop: file dialogs, message boxes, modal display
// of our own dialogs, starting programs and opening addresses. Windows call platform();
// tests install a scripted implementation with setPlatform().
class Platform {
public:
    virtual ~Platform() = default;

    // nullopt when the user cancels. `currentName` is shown in the dialog's name box; `title`,
    // when given, says what the dialog asks for. The save dialog does not ask about replacing
    // an existing file: the window asks when it matters.
    virtual std::optional<NativePath> openFileName(QWidget* parent, const QString& filter,
                                                   const NativePath& currentName) = 0;
    virtual std::optional<NativePath> saveFileName(QWidget* parent, const QString& filter,
                                                   const NativePath& currentName,
                                                   const QString& title = QString()) = 0;
    // A message box titled "Grovekeep" with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A question titled "Grovekeep": Yes/No, or Yes/No/Cancel when `withCancel`. `preferred`
    // is the answer Enter gives; questions whose Yes replaces or removes something prefer No.
    // Escape answers Cancel, or No without Cancel.
    virtual Answer ask(QWidget* parent, const QString& text, bool withCancel,
                       Answer preferred = Answer::Yes) = 0;
    // A warning titled "Grovekeep" with the buttons `proceedCaption` and "Cancel"; Cancel is
    // preferred (Enter and Escape). True when the user chose to proceed.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& proceedCaption) = 0;
    // Lets the user pick one of `items` (titled "Grovekeep"); nullopt when cancelled.
    virtual std::optional<int> choose(QWidget* parent, const QString& text,
                                      const QStringList& items) = 0;
    // Shows one of our own dialogs modally; returns its result code.
    virtual int exec(QDialog* dialog) = 0;
    // Starts a program detached, without arguments; a Windows program on another system
    // through `wine`. Before Wine starts in a prefix another Wine build last updated, the
    // user is warned (confirm), and Cancel starts nothing (ErrorKind::Cancelled).
    virtual Status startProgram(const NativePath& program, const WineStart& wine = {}) = 0;
    // Opens an address through the desktop (the user's web browser).
    virtual Status openAddress(const QString& address) = 0;

    // While the program waits for something outside it (another program to let go of
    // Grovekeep's history): `text` with a Cancel button, shown after a moment, the interface
    // kept alive. keepWaiting() is asked again and again; false once the user cancelled. The
    // wait ends with the object.
    class Wait {
    public:
        virtual ~Wait() = default;
        virtual bool keepWaiting() = 0;
    };
    virtual std::unique_ptr<Wait> wait(QWidget* parent, const QString& text) = 0;
};

Platform& platform();
// Installs `p` (not owned); nullptr restores the desktop implementation.
void setPlatform(Platform* p);
// The desktop implementation, whichever is installed (tests call the parts that show no
// dialog, such as opening an address).
Platform& desktopPlatform();

} // namespace gk
