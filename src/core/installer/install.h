#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "vif.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace gk {

// What the installer does with a chosen file, by its extension.
enum class InstallKind { Package, Map, Tattoo, Landscape, Skin, Unknown };

// The text after the last full stop of the whole path; the whole path when it has none.
QString fileExtension(const QString& path);
// Exact, case-sensitive: "vif", "txt", "bmp", "lnd", "l3d"; anything else is Unknown.
InstallKind installKindFor(const QString& path);
// "File Type: Map", ... or "Invalid file type set".
QString fileTypeLabel(const QString& path);

// The game folder below GameFolder that receives a file of this kind ("Scripts\Playgrounds\",
// "Data\Landscape\", "Data\CreatureMesh\"); empty for the other kinds.
QString targetFolderFor(InstallKind kind);

// A single map, landscape or skin file.
struct SingleInstall {
    NativePath target; // GameFolder & folder & file name (empty for kinds without a folder)
    NativePath backup; // ManagerFolder & file name & ".bak"
};
// The folders and an existing file of the target are matched without regard to letter case
// (matchLetterCase), so "Scripts\Playgrounds\" finds a Wine game's "scripts/playgrounds/".
SingleInstall planSingleInstall(InstallKind kind, const QString& chosenPath,
                                const ComposedPath& gameFolder, const ComposedPath& managerFolder);

// Keeps the target's present content (empty when there is none) in the backup, then writes
// `contents` to the target, both or neither (replaceWithBackups).
Status installSingleFile(const SingleInstall& plan, const QByteArray& contents);

// One file a package installation writes.
struct EntryAction {
    int number = 0;      // 1-based entry number in the package
    QString installPath; // as the package gives it
    QString title;
    NativePath target;     // resolved path in the game folder (empty when refused)
    bool replaces = false; // a file stands there already
    QString refusal;       // why the entry cannot be installed, or empty
    QByteArray contents;
};

struct PackagePlan {
    QList<EntryAction> entries;
    QStringList problems; // broken or refused entries, one line each, naming entry and reason
    bool ok() const { return problems.isEmpty() && !entries.isEmpty(); }
};

// Reads and checks a whole package before anything is written: every entry is read
// (vif::readPackage) and its install path resolved in `gameFolder` and its title checked.
// Not a package: a NotAPackage failure "This is not a valid Vif file.".
Result<PackagePlan> planPackageInstall(const QByteArray& package, const ComposedPath& gameFolder);

// Where the copy of an entry's new contents goes: ManagerFolder & "Backup\vif\" & title.
ComposedPath packageCopyPath(const ComposedPath& managerFolder, const QString& title);
// Where the previous content of a file an entry replaces is kept:
// ManagerFolder & "Backup\vif\" & the target's file name & ".bak". (Within one installation,
// a second replaced file of the same name, or a name an entry's copy takes, moves on to
// "<name>.2.bak", "<name>.3.bak", ...)
ComposedPath replacedBackupPath(const ComposedPath& managerFolder, const NativePath& target);

// Called after each file written, with the progress value (0 to 100).
using Progress = std::function<void(double value)>;

// Installs a checked plan as a whole, in entry order (a later entry with the same target
// replaces an earlier one), through replaceWithBackups: creates Backup\vif\ when missing;
// keeps the content that each replaced target had before this installation; writes each entry,
// then its copy under Backup\vif\. Progress rises by progressStep(count) per file written
// (entry and copy). When a write fails, everything is put back before the failure ("Entry 2
// ("x.lnd"): could not write ...") is returned. Refused without writing: a plan with problems
// or without entries, and a ManagerFolder that does not exist.
Status applyPackagePlan(const PackagePlan& plan, const ComposedPath& managerFolder,
                        const Progress& progress = {});

} // namespace gk
