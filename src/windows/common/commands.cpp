#include "commands.h"

#include "common/beside.h"
#include "common/changes.h"

#include "base/fileio.h"
#include "base/quoting.h"
#include "files/describe.h"
#include "platform/platform.h"
#include "shared.h"
#include "ui/forms.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace gk {

void openInBrowser(const QString& address) {
    shared().BrowserUrl = address;
    showForm(Form::Browser);
}

void showUpdates() {
    shared().UpdatePageMode = 1;
    showForm(Form::Update);
}

namespace {
// The installer closed while files offered to it still wait: the user says whether it goes on.
void offerWaitingFiles() {
    const QList<NativePath>& waiting = shared().InstallerFiles;
    if (waiting.isEmpty() || existingForm(Form::Install))
        return;
    QStringList names;
    for (const NativePath& file : waiting)
        names << quotedName(file.fileName());
    const QString text =
        waiting.size() == 1
            //: %1 is the file's name, in quotes
            ? QCoreApplication::translate(
                  "Commands", "%1 is still waiting to be installed.\nShow it in the installer?")
                  .arg(names.constFirst())
            //: %1 is how many files wait (two or more), %2 their names
            : QCoreApplication::translate("Commands",
                                          "%1 files are still waiting to be installed: %2.\nShow "
                                          "the next one in the installer?")
                  .arg(waiting.size())
                  .arg(names.join(QStringLiteral(", ")));
    if (platform().ask(existingForm(Form::MDI), text, false, Answer::Yes) == Answer::Yes)
        offerToInstall(QList<NativePath>{});
    else
        shared().InstallerFiles.clear();
}
} // namespace

void offerToInstall(const QList<NativePath>& files) {
    for (const NativePath& file : files) {
        if (!shared().InstallerFiles.contains(file))
            shared().InstallerFiles << file;
    }
    QWidget* installer = showForm(Form::Install);
    // Each installer window is watched once: when it goes, the files still waiting are not
    // forgotten. (Asked after it has gone, from the event loop.)
    static const char* const kWatched = "gkOfferedFilesWatched";
    if (installer && !installer->property(kWatched).toBool()) {
        installer->setProperty(kWatched, true);
        QObject::connect(installer, &QObject::destroyed, qApp,
                         [] { QTimer::singleShot(0, qApp, offerWaitingFiles); });
    }
}

bool confirmReplace(QWidget* parent, const NativePath& path) {
    return !fileExists(path) ||
           platform().ask(parent,
                          //: %1 is the file's path
                          QCoreApplication::translate(
                              "Commands", "%1 already exists.\nDo you want to replace it?")
                              .arg(path.shown()),
                          false, Answer::No) == Answer::Yes;
}

std::optional<ChosenFile> openAndRead(QWidget* parent, const QString& filter,
                                      const NativePath& currentName) {
    const auto chosen = platform().openFileName(parent, filter, currentName);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    auto bytes = readFileBytes(*chosen);
    if (!bytes) {
        platform().message(parent, bytes.error());
        return std::nullopt;
    }
    return ChosenFile{*chosen, std::move(*bytes)};
}

std::optional<NativePath> chooseSaveTarget(QWidget* parent, const QString& filter,
                                           const NativePath& currentName) {
    const auto chosen = platform().saveFileName(parent, filter, currentName);
    if (!chosen || chosen->isEmpty() || !confirmReplace(parent, *chosen))
        return std::nullopt;
    return chosen;
}

ChangeStore::Waiting waitVisibly(QWidget* parent) {
    auto wait = std::make_shared<std::unique_ptr<Platform::Wait>>();
    QPointer<QWidget> owner(parent);
    return [wait, owner](bool ended) {
        if (ended) {
            wait->reset();
            return true;
        }
        if (!*wait)
            *wait = platform().wait(
                owner, QCoreApplication::translate("Commands", "Waiting for another Grovekeep or "
                                                               "grovekeep-vif to finish..."));
        return (*wait)->keepWaiting();
    };
}

std::optional<ChangeStore> storeOrSay(QWidget* parent) {
    StoreChanges::instance(); // what the store changes, the windows show
    if (shared().ManagerFolder.isEmpty()) {
        settingsFoldersKnown(parent, false);
        return std::nullopt;
    }
    auto store = openStore(managerFolder(), gameFolder());
    if (!store) {
        platform().message(parent, store.error());
        return std::nullopt;
    }
    store->setWaiting(waitVisibly(parent));
    return std::move(*store);
}

bool saveUserFile(QWidget* parent, const NativePath& path, const QByteArray& bytes,
                  const QString& what) {
    const FileChange change(fs::Location::below(path.folder(), path.fileName()), bytes);
    // A new file replaces nothing: before Grovekeep's folder is known it is simply written.
    // A file the user already has is replaced only where the history can keep it.
    std::optional<ChangeStore> store;
    if (!shared().ManagerFolder.isEmpty() || fileExists(path)) {
        store = storeOrSay(parent);
        if (!store)
            return false;
    }
    // A large file takes a while to write: beside the window, which waits meanwhile.
    if (store)
        store->setWaiting(waitBeside(parent));
    const Status saved = runBesideBusy(parent, [&] {
        return saveFiles(store ? &*store : nullptr, savedAs(what, path), {change});
    });
    if (!saved)
        platform().message(parent, saved.error());
    return saved.ok();
}

QString installedNote(const Applied& installed) {
    return installed.backupsMade > 0
               ? QCoreApplication::translate(
                     "Commands",
                     "Your file was backed and then installed to the correct directory.")
               : QCoreApplication::translate(
                     "Commands", "Your file was installed to the correct directory. The game had "
                                 "no file of that name, so there was nothing to back up.");
}

void recoverInterruptedOperations(QWidget* parent) {
    StoreChanges::instance();
    if (shared().ManagerFolder.isEmpty())
        return;
    auto store = openStore(managerFolder(), gameFolder());
    if (!store)
        return;
    // Given up while another program held the history: the next change rolls it back.
    store->setWaiting(waitBeside(parent));
    const auto recovered = runBesideBusy(parent, [&] { return store->recover(); });
    if (!recovered && recovered.kind() != ErrorKind::Cancelled)
        //: %1 says why the interrupted change could not be rolled back
        platform().message(parent, QCoreApplication::translate(
                                       "Commands", "%1 Grovekeep changes no file until it can.")
                                       .arg(recovered.error()));
    if (!recovered || recovered->isEmpty())
        return;
    QStringList lines;
    bool whole = true;
    for (const Recovered& r : *recovered) {
        if (r.operation)
            lines << recoveredText(r);
        // (Indented below the operation they belong to.)
        for (const QString& kept : r.kept)
            //: %1 is what the change store did with a later version of a file ("kept your later
            //: version of ... in the history (...)")
            lines << QStringLiteral("    ") +
                         QCoreApplication::translate("Commands", "It %1.").arg(kept);
        for (const QString& problem : r.problems)
            //: %1 names a file and says why it could not be put back
            lines
                << QStringLiteral("    ") +
                       QCoreApplication::translate("Commands", "Not rolled back: %1.").arg(problem);
        whole = whole && r.problems.isEmpty();
    }
    platform().message(parent,
                       //: %1 lists the operations rolled back, one a line
                       whole ? QCoreApplication::translate(
                                   "Commands", "Grovekeep was stopped in the middle of a change "
                                               "the last time it ran. The change was undone:\n\n%1")
                                   .arg(lines.join(QLatin1Char('\n')))
                             : QCoreApplication::translate(
                                   "Commands", "Grovekeep was stopped in the middle of a change "
                                               "the last time it ran, and the change could not be "
                                               "undone whole. What each file held is kept in the "
                                               "history:\n\n%1")
                                   .arg(lines.join(QLatin1Char('\n'))));
}

bool confirmLossyText(QWidget* parent, const QString& question) {
    return platform().ask(parent, question, false, Answer::No) == Answer::Yes;
}

bool settingsFoldersKnown(QWidget* parent, bool needGameFolder) {
    if (!shared().ManagerFolder.isEmpty() && (!needGameFolder || !shared().GameFolder.isEmpty()))
        return true;
    platform().message(
        parent,
        needGameFolder
            ? QCoreApplication::translate("Commands", "Please tell Grovekeep where Black and White "
                                                      "and Grovekeep are located (Tools > Options) "
                                                      "first.")
            : QCoreApplication::translate("Commands", "Please tell Grovekeep where it is located "
                                                      "(Tools > Options) first."));
    showForm(Form::Options);
    return false;
}

} // namespace gk
