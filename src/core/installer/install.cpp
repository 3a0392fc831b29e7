#include "install.h"

#include "base/fileio.h"
#include "base/memory.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "installpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace gk {

namespace {

// Paths compared the way Windows compares them, for names this installation gives out.
QString pathKey(const NativePath& path) {
    return QDir::cleanPath(QFileInfo(path.text()).absoluteFilePath()).toCaseFolded();
}

} // namespace

QString fileExtension(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
}

InstallKind installKindFor(const QString& path) {
    const QString extension = fileExtension(path);
    if (extension == QStringLiteral("vif"))
        return InstallKind::Package;
    if (extension == QStringLiteral("txt"))
        return InstallKind::Map;
    if (extension == QStringLiteral("bmp"))
        return InstallKind::Tattoo;
    if (extension == QStringLiteral("lnd"))
        return InstallKind::Landscape;
    if (extension == QStringLiteral("l3d"))
        return InstallKind::Skin;
    return InstallKind::Unknown;
}

QString fileTypeLabel(const QString& path) {
    switch (installKindFor(path)) {
    case InstallKind::Package:
        return QCoreApplication::translate("Install", "File Type: Vessa Installation File");
    case InstallKind::Map:
        return QCoreApplication::translate("Install", "File Type: Map");
    case InstallKind::Tattoo:
        //: "Tatoo" is the program's own spelling of "tattoo".
        return QCoreApplication::translate("Install", "File Type: Tatoo");
    case InstallKind::Landscape:
        return QCoreApplication::translate("Install", "File Type: Landscape");
    case InstallKind::Skin:
        return QCoreApplication::translate("Install", "File Type: Skin/Mesh");
    case InstallKind::Unknown:
        break;
    }
    return QCoreApplication::translate("Install", "Invalid file type set");
}

bool offeredToInstaller(InstallKind kind) {
    return kind == InstallKind::Package || kind == InstallKind::Map ||
           kind == InstallKind::Landscape || kind == InstallKind::Skin;
}

QString targetFolderFor(InstallKind kind) {
    switch (kind) {
    case InstallKind::Map:
        return QStringLiteral("Scripts\\Playgrounds\\");
    case InstallKind::Landscape:
        return QStringLiteral("Data\\Landscape\\");
    case InstallKind::Skin:
        return QStringLiteral("Data\\CreatureMesh\\");
    default:
        return QString();
    }
}

SingleInstall planSingleInstall(InstallKind kind, const QString& chosenPath,
                                const ComposedPath& gameFolder, const ComposedPath& managerFolder) {
    const QString folder = targetFolderFor(kind);
    const QString name = bareFileName(chosenPath);
    if (folder.isEmpty() || name.isEmpty())
        return {};
    // The game's folders may be spelt in another letter case on a case-sensitive system.
    return {matchLetterCase(gameFolder.native(), folder + name),
            fs::Location::below(managerFolder.native(), name + QStringLiteral(".bak"))};
}

Result<Applied> installSingleFile(ChangeStore& store, const SingleInstall& plan,
                                  const Contents& contents, const OperationInfo& info) {
    if (plan.isEmpty())
        return Status::failure(ErrorKind::Invalid, QCoreApplication::translate(
                                                       "Install", "No file to install was given."));
    FileChange change(plan.target, contents);
    change.backup = plan.backup;
    change.keepWhenAbsent = true;
    return store.apply(info, {change});
}

fs::Location PackagePlan::target(const EntryAction& entry) const {
    if (entry.folder < 0)
        return {};
    fs::Location location = folders.at(entry.folder);
    location.name = entry.name;
    return location;
}

Contents PackagePlan::contents(const EntryAction& entry) const {
    return text.contents(entry.offset, entry.size);
}

namespace {

// Reads every entry of `package` into `plan`; what it needs only while it reads (the names
// already given out, the folders looked at) goes with it.
Status readPlan(PackagePlan& plan, const vif::PackageText& package, const ComposedPath& gameFolder,
                const ComposedPath& managerFolder) {
    plan.entries.reserve(package.entryCount());
    GameFolderView view(gameFolder);
    const QString manager = managerFolder.isEmpty()
                                ? QString()
                                : QFileInfo(managerFolder.native().text()).canonicalFilePath();
    QHash<QString, int> folderIndex; // the folder's path -> PackagePlan::folders
    QHash<int, bool> inManager;      // PackagePlan::folders -> it lies in Grovekeep's folder
    // Two entries naming one file in different letter cases write one file, as on Windows: the
    // targets given out so far, by the folder's path and the name, case-folded (a 64-bit hash,
    // each match checked).
    QHash<int, QString> foldedFolder;  // PackagePlan::folders -> its path, case-folded
    QMultiHash<quint64, int> givenOut; // -> index in plan.entries
    auto keyOf = [&](int folder, const QString& foldedName) {
        return quint64(qHash(foldedName, qHash(foldedFolder.value(folder))));
    };
    return vif::readEntries(package, [&](int number, const vif::PackEntry& entry,
                                         const QString& problem) {
        EntryAction action;
        action.number = number;
        action.title = entry.title;
        action.offset = entry.offset;
        action.size = entry.size;
        QString refusal = problem;
        if (refusal.isEmpty())
            refusal = titleRefusal(entry.title);
        if (refusal.isEmpty()) {
            const auto resolved = resolveInstallPath(entry.installPath, view);
            if (!resolved) {
                refusal = asClause(resolved.error());
            } else {
                fs::Location folder = resolved->target;
                folder.name.clear();
                const QString folderKey = folder.folderPath().text();
                auto found = folderIndex.constFind(folderKey);
                if (found == folderIndex.constEnd()) {
                    found = folderIndex.insert(folderKey, int(plan.folders.size()));
                    plan.folders << folder;
                    const QString canonical = QFileInfo(folderKey).canonicalFilePath();
                    inManager.insert(*found, insideFolder(canonical, manager));
                    foldedFolder.insert(*found, pathKey(NativePath(folderKey)));
                }
                if (inManager.value(*found)) {
                    //: Why a package's entry cannot be installed. %1 is a folder in quotes.
                    refusal = QCoreApplication::translate("Install",
                                                          "it would be installed in Grovekeep's "
                                                          "own folder %1, where a package may "
                                                          "not write")
                                  .arg(quotedPath(managerFolder));
                } else {
                    const QString& name = resolved->target.name;
                    const QString folded = name.toCaseFolded();
                    const quint64 key = keyOf(*found, folded);
                    const EntryAction* earlier = nullptr;
                    for (auto it = givenOut.constFind(key);
                         it != givenOut.cend() && it.key() == key; ++it) {
                        const EntryAction& other = plan.entries.at(*it);
                        if (foldedFolder.value(other.folder) == foldedFolder.value(*found) &&
                            other.name.toCaseFolded() == folded)
                            earlier = &other;
                    }
                    // The first spelling of the file is kept; the same string as the title
                    // where the names agree, kept once.
                    action.folder = earlier ? earlier->folder : *found;
                    action.name = earlier               ? earlier->name
                                  : name == entry.title ? entry.title
                                                        : name;
                    action.replaces = resolved->exists || earlier;
                    if (!earlier)
                        givenOut.insert(key, int(plan.entries.size()));
                }
            }
        }
        if (!refusal.isEmpty()) {
            plan.refusals.insert(number, refusal);
            plan.problems << vif::entryProblem(vif::entryLabel(number, entry), refusal);
        }
        plan.entries << action;
        return true;
    });
}

} // namespace

Result<PackagePlan> planPackageInstall(const vif::PackageText& package,
                                       const ComposedPath& gameFolder,
                                       const ComposedPath& managerFolder) {
    PackagePlan plan;
    plan.text = package;
    if (const Status read = readPlan(plan, package, gameFolder, managerFolder); !read)
        return read;
    returnFreedMemory(); // what reading needed only while it read
    return plan;
}

fs::Location packageCopyPath(const ComposedPath& managerFolder, const QString& title) {
    fs::Location copy;
    copy.root = managerFolder.native();
    copy.folders = {QStringLiteral("Backup"), QStringLiteral("vif")};
    copy.name = title; // a bare name (a title with a separator is refused)
    return copy;
}

OperationInfo packageOperation(const QString& packageName, const vif::PackageText& package) {
    OperationInfo info;
    info.kind = QStringLiteral("package");
    info.what = QStringLiteral("Package %1").arg(quotedName(packageName));
    info.packageName = packageName;
    info.packageSha256 = package.sha256();
    return info;
}

QHash<QString, Conflict> plannedConflicts(const ChangeStore& store, const PackagePlan& plan) {
    QList<NativePath> replaced;
    for (const EntryAction& entry : plan.entries) {
        if (!entry.refused() && entry.replaces)
            replaced << plan.target(entry).path();
    }
    QHash<QString, Conflict> earlier;
    for (const Conflict& conflict : store.conflicts(replaced))
        earlier.insert(conflict.path.text(), conflict);
    return earlier;
}

namespace {

// Each entry of a plan, then its copy under Backup\vif\, handed to the store one at a time.
class PackageChanges : public ChangeSource {
public:
    PackageChanges(const PackagePlan& plan, const ComposedPath& managerFolder)
        : m_plan(plan)
        , m_manager(managerFolder) {}
    qsizetype size() const override { return 2 * m_plan.entries.size(); }
    FileChange at(qsizetype k) const override {
        const EntryAction& entry = m_plan.entries.at(k / 2);
        if (k % 2 == 0)
            return FileChange(m_plan.target(entry), m_plan.contents(entry));
        FileChange copy(packageCopyPath(m_manager, entry.title), m_plan.contents(entry),
                        FileRole::Copy);
        copy.createFolders = true;
        copy.sameAs = int(k - 1);
        return copy;
    }

private:
    const PackagePlan& m_plan;
    ComposedPath m_manager;
};

} // namespace

Result<Applied> applyPackagePlan(ChangeStore& store, const PackagePlan& plan,
                                 const ComposedPath& managerFolder, const OperationInfo& info,
                                 const Progress& progress, bool dryRun,
                                 const std::function<bool()>& stop) {
    if (plan.entries.isEmpty())
        return Status::failure(
            ErrorKind::BrokenPackage,
            QCoreApplication::translate("Install", "The package has no entries to install."));
    if (!plan.ok())
        return Status::failure(
            ErrorKind::BrokenPackage,
            //: %1 is one line for each such entry, each naming the entry and the reason.
            QCoreApplication::translate("Install",
                                        "The package has entries that cannot be installed: %1")
                .arg(plan.problems.join(QLatin1Char(' '))));
    ChangeStore::Options options;
    options.forbidden = managerFolder.native();
    options.dryRun = dryRun;
    options.stop = stop;
    options.label = [&plan](qsizetype k) {
        const EntryAction& entry = plan.entries.at(k / 2);
        return vif::entryLabel(entry.number, entry.title);
    };
    if (progress)
        options.progress = [&progress](qint64 done, qint64 total) {
            progress(total > 0 ? 100.0 * double(done) / double(total) : 100.0);
        };
    return store.apply(info, PackageChanges(plan, managerFolder), options);
}

} // namespace gk
