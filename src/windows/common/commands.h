#pragma once

#include "base/paths.h"
#include "files/store.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace gk {

// Opens a page in the built-in browser: stores the address, then shows the browser window
// (which takes the address only when it is created).
void openInBrowser(const QString& address);

// Shows the Updates window on the update page.
void showUpdates();

// Shows the installer at its first install step with the first of `files` chosen, as if picked
// with "..."; nothing is installed until the user presses Next. The others wait in turn (and
// behind any that waited already): Next after an installation chooses the next one, and when
// the installer closes with files still waiting, the user is asked whether to go on with them.
// For files dropped on the main window, given on the command line, or downloaded.
void offerToInstall(const QList<NativePath>& files);
inline void offerToInstall(const NativePath& file) { offerToInstall(QList<NativePath>{file}); }

// Asks before an existing file is replaced; true when there is none or the user agrees.
bool confirmReplace(QWidget* parent, const NativePath& path);

// A file chosen in an open dialog, with its bytes.
struct ChosenFile {
    NativePath path;
    QByteArray bytes;
};
// Shows the open dialog (starting from `currentName`) and reads the chosen file; nullopt when
// the dialog was cancelled, or when the file could not be read (a message says why).
std::optional<ChosenFile> openAndRead(QWidget* parent, const QString& filter,
                                      const NativePath& currentName);

// Shows the save dialog and, when the chosen file exists, asks before it is replaced; nullopt
// when the dialog was cancelled or the user keeps the file.
std::optional<NativePath> chooseSaveTarget(QWidget* parent, const QString& filter,
                                           const NativePath& currentName);

// How the store waits for another Grovekeep or grovekeep-vif: visibly, with Cancel.
ChangeStore::Waiting waitVisibly(QWidget* parent);

// The change store in Grovekeep's folder, through which every file is written. When it cannot
// be used, a message says why (and the Options window opens when the folder is not set).
std::optional<ChangeStore> storeOrSay(QWidget* parent);

// Writes a file the user chose (a map, a readme) as one operation of the change store; a
// message says why when it cannot. `what` names it in the history ("Map", "Readme").
bool saveUserFile(QWidget* parent, const NativePath& path, const QByteArray& bytes,
                  const QString& what);

// What the note of a finished single-file install says: whether the file it replaced was backed
// up first, or there was none.
QString installedNote(const Applied& installed);

// Rolls back an operation that an earlier run left under way (the program was killed midway),
// and says so once.
void recoverInterruptedOperations(QWidget* parent);

// Asks `question` before text with characters the game's code page lacks is written with "?"
// in their place (the window words it for its text: a map, a readme); true to write it.
bool confirmLossyText(QWidget* parent, const QString& question);

// True when ManagerFolder (and GameFolder, when needed) is set; otherwise says so and shows
// the Options window.
bool settingsFoldersKnown(QWidget* parent, bool needGameFolder = true);

} // namespace gk
