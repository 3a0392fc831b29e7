#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/store.h"
#include "vif.h"

#include <QByteArray>
#include <QHash>
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

// A file from outside (dropped, named on the command line, downloaded) that the installer
// takes: a package, map, landscape or skin.
bool offeredToInstaller(InstallKind kind);

// The game folder below GameFolder that receives a file of this kind ("Scripts\Playgrounds\",
// "Data\Landscape\", "Data\CreatureMesh\"); empty for the other kinds.
QString targetFolderFor(InstallKind kind);

// A single map, landscape or skin file.
struct SingleInstall {
    fs::Location target; // GameFolder & folder & file name (empty for kinds without a folder)
    fs::Location backup; // ManagerFolder & file name & ".bak"
    bool isEmpty() const { return target.name.isEmpty(); }
};
// The folders and an existing file of the target are matched without regard to letter case
// (matchLetterCase), so "Scripts\Playgrounds\" finds a Wine game's "scripts/playgrounds/".
SingleInstall planSingleInstall(InstallKind kind, const QString& chosenPath,
                                const ComposedPath& gameFolder, const ComposedPath& managerFolder);

// Keeps the target's present content (empty when there is none) in the backup, then writes
// `contents` to the target, both or neither, as one operation of `store`.
Result<Applied> installSingleFile(ChangeStore& store, const SingleInstall& plan,
                                  const Contents& contents, const OperationInfo& info);

// One file a package installation writes. Only what the installation needs is kept, so that a
// package of a hundred thousand entries is planned in little memory; what else an entry says
// (its install path) is read from the package again when it is shown.
struct EntryAction {
    int number = 0;        // 1-based entry number in the package
    int folder = -1;       // PackagePlan::folders: the folder of its target (-1 when refused)
    bool replaces = false; // a file stands there already
    QString title;         // the carried file's name, and that of its copy in Backup/vif
    QString name;          // the target's name, spelt as it stands in the game folder
    qint64 offset = 0;     // its contents in the package
    qint64 size = 0;
    bool refused() const { return folder < 0; }
};

struct PackagePlan {
    vif::PackageText text;
    QList<fs::Location> folders; // the folders the entries install into (their names empty)
    QList<EntryAction> entries;
    QHash<int, QString> refusals; // entry number -> why it cannot be installed
    QStringList problems; // broken or refused entries, one line each, naming entry and reason
    bool ok() const { return problems.isEmpty() && !entries.isEmpty(); }

    // Where an entry installs (empty when refused).
    fs::Location target(const EntryAction& entry) const;
    // What it installs, read from the package only while it is written.
    Contents contents(const EntryAction& entry) const;
    QString refusal(const EntryAction& entry) const { return refusals.value(entry.number); }
};

// Reads and checks a whole package before anything is written: every entry is read
// (vif::readEntries) and its install path resolved in `gameFolder` and its title checked; an
// entry that would land in Grovekeep's own folder `managerFolder` (which may lie in the game
// folder) is refused.
// Not a package: a NotAPackage failure "This is not a valid Vif file.".
Result<PackagePlan> planPackageInstall(const vif::PackageText& package,
                                       const ComposedPath& gameFolder,
                                       const ComposedPath& managerFolder = ComposedPath());
inline Result<PackagePlan> planPackageInstall(const QByteArray& package,
                                              const ComposedPath& gameFolder,
                                              const ComposedPath& managerFolder = ComposedPath()) {
    return planPackageInstall(vif::PackageText(package), gameFolder, managerFolder);
}

// Where the copy of an entry's new contents goes: ManagerFolder & "Backup\vif\" & title.
fs::Location packageCopyPath(const ComposedPath& managerFolder, const QString& title);

// How a package installation is recorded in the history.
OperationInfo packageOperation(const QString& packageName, const vif::PackageText& package);

// The earlier operations, not undone, that wrote the files `plan` replaces, by target path
// (NativePath::text()).
QHash<QString, Conflict> plannedConflicts(const ChangeStore& store, const PackagePlan& plan);

// Called as the files are written, with the progress value (0 to 100).
using Progress = std::function<void(double value)>;

// Installs a checked plan as one operation of `store`, in entry order (a later entry with the
// same target replaces an earlier one): each entry, then its copy under Backup\vif\ (created
// when missing). What every replaced file held is kept in the store. No entry may write into
// Grovekeep's own folder. Refused without writing: a plan with problems or without entries.
// `dryRun` runs every check of the installation and writes nothing. `stop`, asked as the files
// are written, stops the installation when it returns true: it is rolled back and fails as
// Cancelled.
Result<Applied> applyPackagePlan(ChangeStore& store, const PackagePlan& plan,
                                 const ComposedPath& managerFolder, const OperationInfo& info,
                                 const Progress& progress = {}, bool dryRun = false,
                                 const std::function<bool()>& stop = {});

} // namespace gk
