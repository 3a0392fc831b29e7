#include "install.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/quoting.h"
#include "files/replace.h"
#include "installpath.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace gk {

namespace {

const QString kBackupVif = QStringLiteral("Backup\\vif\\");

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
        return QStringLiteral("File Type: Vessa Installation File");
    case InstallKind::Map:
        return QStringLiteral("File Type: Map");
    case InstallKind::Tattoo:
        return QStringLiteral("File Type: Tatoo");
    case InstallKind::Landscape:
        return QStringLiteral("File Type: Landscape");
    case InstallKind::Skin:
        return QStringLiteral("File Type: Skin/Mesh");
    case InstallKind::Unknown:
        break;
    }
    return QStringLiteral("Invalid file type set");
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
            (managerFolder + name + QStringLiteral(".bak")).native()};
}

Status installSingleFile(const SingleInstall& plan, const QByteArray& contents) {
    if (plan.target.isEmpty() || plan.backup.isEmpty())
        return Status::failure(ErrorKind::Invalid, QStringLiteral("No file to install was given."));
    return replaceWithBackups({FileWrite{plan.target, contents, plan.backup, true}});
}

Result<PackagePlan> planPackageInstall(const QByteArray& package, const ComposedPath& gameFolder) {
    const auto read = vif::readPackage(package);
    if (!read)
        return read.status();
    PackagePlan plan;
    QHash<QString, NativePath> targets; // pathKey -> the first spelling of each target
    for (qsizetype k = 0; k < read->entries.size(); ++k) {
        const vif::PackEntry& entry = read->entries.at(k);
        EntryAction action;
        action.number = int(k + 1);
        action.installPath = entry.installPath;
        action.title = entry.title;
        action.contents = entry.contents;
        action.refusal = read->entryProblems.at(k);
        if (action.refusal.isEmpty()) {
            const QString title = titleProblem(entry.title);
            if (!title.isEmpty())
                action.refusal =
                    QStringLiteral("the title cannot be used as a file name: %1").arg(title);
        }
        if (action.refusal.isEmpty()) {
            const auto resolved = resolveInstallPath(entry.installPath, gameFolder);
            if (!resolved) {
                action.refusal = asClause(resolved.error());
            } else {
                // Two entries naming one file in different letter cases write one file.
                const QString key = pathKey(resolved->target);
                const auto earlier = targets.constFind(key);
                action.target = earlier != targets.constEnd() ? *earlier : resolved->target;
                action.replaces = resolved->exists || earlier != targets.constEnd();
                targets.insert(key, action.target);
            }
        }
        if (!action.refusal.isEmpty())
            plan.problems << QStringLiteral("%1: %2.").arg(vif::entryLabel(action.number, entry),
                                                           action.refusal);
        plan.entries << action;
    }
    return plan;
}

ComposedPath packageCopyPath(const ComposedPath& managerFolder, const QString& title) {
    return managerFolder + kBackupVif + title;
}

ComposedPath replacedBackupPath(const ComposedPath& managerFolder, const NativePath& target) {
    return managerFolder + kBackupVif + target.fileName() + QStringLiteral(".bak");
}

Status applyPackagePlan(const PackagePlan& plan, const ComposedPath& managerFolder,
                        const Progress& progress) {
    if (plan.entries.isEmpty())
        return Status::failure(ErrorKind::BrokenPackage,
                               QStringLiteral("The package has no entries to install."));
    if (!plan.ok())
        return Status::failure(ErrorKind::BrokenPackage,
                               QStringLiteral("The package has entries that cannot be "
                                              "installed: %1")
                                   .arg(plan.problems.join(QLatin1Char(' '))));
    if (managerFolder.isEmpty() || !folderExists(managerFolder.native()))
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("The Grovekeep folder %1 does not exist.")
                                   .arg(quotedPath(managerFolder)));

    // Each replaced file's previous content goes to "<name>.bak"; a second file of the same
    // name in this installation, or an entry's copy of that name, moves it to "<name>.2.bak".
    QSet<QString> taken;
    for (const EntryAction& entry : plan.entries)
        taken.insert(pathKey(packageCopyPath(managerFolder, entry.title).native()));
    auto backupPathFor = [&](const NativePath& target) {
        ComposedPath path = replacedBackupPath(managerFolder, target);
        for (int n = 2; taken.contains(pathKey(path.native())); ++n)
            path =
                managerFolder + kBackupVif + target.fileName() + QStringLiteral(".%1.bak").arg(n);
        taken.insert(pathKey(path.native()));
        return path.native();
    };

    QList<FileWrite> writes;
    QSet<QString> written; // targets an earlier entry of this installation writes
    for (const EntryAction& entry : plan.entries) {
        const QString label = vif::entryLabel(entry.number, entry.title);
        FileWrite install{entry.target, entry.contents};
        install.label = label;
        // The first write of a target keeps what stood there before this installation.
        if (!written.contains(pathKey(entry.target)) &&
            (entry.replaces || fileExists(entry.target)))
            install.backup = backupPathFor(entry.target);
        written.insert(pathKey(entry.target));
        FileWrite copy{packageCopyPath(managerFolder, entry.title).native(), entry.contents};
        copy.createFolder = true;
        copy.label = label;
        writes << install << copy;
    }
    return replaceWithBackups(writes, [&](qsizetype done, qsizetype total) {
        if (progress)
            progress(100.0 * double(done) / double(total));
    });
}

} // namespace gk
