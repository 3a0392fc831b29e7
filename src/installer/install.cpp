#include "install.h"

#include "core/fileio.h"
#include "core/paths.h"
#include "installpath.h"
#include "quoting.h"
#include "transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace gk {

namespace {

const QString kBackupVif = QStringLiteral("Backup\\vif\\");

QString quotedPath(const QString& path) { return QStringLiteral("\"%1\"").arg(displayPath(path)); }

// Paths compared the way Windows compares them, for names this installation gives out.
QString pathKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(toNativePath(path)).absoluteFilePath()).toCaseFolded();
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
                                const QString& gameFolder, const QString& managerFolder) {
    const QString folder = targetFolderFor(kind);
    const QString name = bareFileName(chosenPath);
    if (folder.isEmpty() || name.isEmpty())
        return {};
    // The game's folders may be spelt in another letter case on a case-sensitive system.
    return {matchLetterCase(gameFolder, folder + name),
            managerFolder + name + QStringLiteral(".bak")};
}

Status installSingleFile(const SingleInstall& plan, const QByteArray& contents) {
    if (plan.target.isEmpty() || plan.backup.isEmpty())
        return Status::failure(QStringLiteral("No file to install was given."));
    FileTransaction transaction;
    const auto previous = transaction.remember(plan.target);
    if (!previous)
        return Status::failure(
            QStringLiteral("Could not keep a backup of %1, so it was not replaced: %2")
                .arg(quotedPath(plan.target), asClause(previous.error()) + QLatin1Char('.')));
    const Status backedUp = transaction.write(plan.backup, previous->bytes);
    if (!backedUp)
        return withRollBack(backedUp, transaction);
    const Status installed = transaction.write(plan.target, contents);
    if (!installed)
        return withRollBack(installed, transaction);
    return Status::success();
}

Result<PackagePlan> planPackageInstall(const QByteArray& package, const QString& gameFolder) {
    const auto read = vif::readPackage(package);
    if (!read)
        return read.status();
    PackagePlan plan;
    QHash<QString, QString> targets; // pathKey -> the first spelling of each target
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

QString packageCopyPath(const QString& managerFolder, const QString& title) {
    return managerFolder + kBackupVif + title;
}

QString replacedBackupPath(const QString& managerFolder, const QString& target) {
    return managerFolder + kBackupVif + bareFileName(target) + QStringLiteral(".bak");
}

Status applyPackagePlan(const PackagePlan& plan, const QString& managerFolder,
                        const Progress& progress) {
    if (plan.entries.isEmpty())
        return Status::failure(QStringLiteral("The package has no entries to install."));
    if (!plan.ok())
        return Status::failure(QStringLiteral("The package has entries that cannot be "
                                              "installed: %1")
                                   .arg(plan.problems.join(QLatin1Char(' '))));
    if (managerFolder.isEmpty() || !folderExists(managerFolder))
        return Status::failure(QStringLiteral("The Grovekeep folder %1 does not exist.")
                                   .arg(quotedPath(managerFolder)));

    // Backup\vif\ is Grovekeep's own: created when missing, removed again on failure.
    const QString backupFolder = managerFolder + QStringLiteral("Backup\\");
    const QString vifFolder = managerFolder + kBackupVif;
    QStringList createdFolders;
    for (const QString& folder : {backupFolder, vifFolder}) {
        if (!folderExists(folder)) {
            const Status made = ensureFolder(folder);
            if (!made) {
                for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
                    QDir().rmdir(toNativePath(*it));
                return made;
            }
            createdFolders << folder;
        }
    }

    // Each replaced file's previous content goes to "<name>.bak"; a second file of the same
    // name in this installation, or an entry's copy of that name, moves it to "<name>.2.bak".
    QSet<QString> taken;
    for (const EntryAction& entry : plan.entries)
        taken.insert(pathKey(packageCopyPath(managerFolder, entry.title)));
    auto backupPathFor = [&](const QString& target) {
        QString path = replacedBackupPath(managerFolder, target);
        for (int n = 2; taken.contains(pathKey(path)); ++n)
            path = managerFolder + kBackupVif + bareFileName(target) +
                   QStringLiteral(".%1.bak").arg(n);
        taken.insert(pathKey(path));
        return path;
    };

    FileTransaction transaction;
    auto fail = [&](const Status& failure) {
        const Status out = withRollBack(failure, transaction);
        for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
            QDir().rmdir(toNativePath(*it));
        return out;
    };
    auto entryFailure = [](const EntryAction& entry, const QString& message) {
        return Status::failure(QStringLiteral("%1: %2.").arg(
            vif::entryLabel(entry.number, entry.title), asClause(message)));
    };
    QSet<QString> written; // targets this installation has written
    const double files = 2.0 * plan.entries.size();
    int done = 0;
    for (const EntryAction& entry : plan.entries) {
        const QString key = pathKey(entry.target);
        if (!written.contains(key)) {
            const auto before = transaction.remember(entry.target);
            if (!before)
                return fail(entryFailure(entry, QStringLiteral("Could not keep the file it "
                                                               "replaces: %1")
                                                    .arg(asClause(before.error()))));
            if (before->existed) {
                const Status kept = transaction.write(backupPathFor(entry.target), before->bytes);
                if (!kept)
                    return fail(entryFailure(entry, kept.error()));
            }
            written.insert(key);
        }
        const Status installed = transaction.write(entry.target, entry.contents);
        if (!installed)
            return fail(entryFailure(entry, installed.error()));
        if (progress)
            progress(100.0 * ++done / files);
        const Status copied =
            transaction.write(packageCopyPath(managerFolder, entry.title), entry.contents);
        if (!copied)
            return fail(entryFailure(entry, copied.error()));
        if (progress)
            progress(100.0 * ++done / files);
    }
    return Status::success();
}

} // namespace gk
