#include "compile.h"

#include "base/quoting.h"
#include "files/fsys.h"
#include "install.h"
#include "installpath.h"
#include "vif.h"

#include <QFileInfo>

#include <algorithm>

namespace gk {

OperationInfo savedPackageOperation(const QString& packageName) {
    OperationInfo info;
    info.kind = QStringLiteral("save");
    info.what = QStringLiteral("Package %1 saved").arg(quotedName(packageName));
    return info;
}

NativePath PackageCompiler::proposedInstallPath(const NativePath& file,
                                                const ComposedPath& gameFolder,
                                                const NativePath& lastInstallPath) {
    const QString folder = targetFolderFor(installKindFor(file.text()));
    if (!folder.isEmpty())
        return (gameFolder + folder + file.fileName()).native();
    if (!lastInstallPath.isEmpty())
        return lastInstallPath.folder().child(file.fileName());
    if (!gameFolder.isEmpty())
        return (gameFolder + file.fileName()).native();
    return NativePath();
}

QString PackageCompiler::packageInstallPath(const NativePath& chosenPath) {
    if (const auto windows = windowsPathInPrefix(chosenPath))
        return *windows;
    QString path = chosenPath.text();
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

Status PackageCompiler::AddPackFile(const NativePath& source, const NativePath& installPath,
                                    const ComposedPath& gameFolder) {
    auto refuse = [&source](ErrorKind kind, const QString& reason) {
        return Status::failure(
            kind,
            QStringLiteral("Could not add %1 to the package: %2.").arg(quotedPath(source), reason));
    };
    if (installPath.isEmpty())
        return refuse(ErrorKind::Invalid, QStringLiteral("no install path was chosen"));
    const QString title = source.fileName();
    // The receiving installer names its copy after the title; a name it would refuse is
    // better refused now, while the author can still rename the file.
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return refuse(
            ErrorKind::UnsafePath,
            QStringLiteral("its name cannot be used as a file name on Windows: %1").arg(problem));
    const QString written = packageInstallPath(installPath);
    if (!gameFolder.isEmpty()) {
        const QString game = QFileInfo(gameFolder.native().text()).canonicalFilePath();
        const QString folder = QFileInfo(installPath.folder().text()).canonicalFilePath();
        if (!insideFolder(folder, game))
            return refuse(ErrorKind::UnsafePath,
                          QStringLiteral("its install path %1 does not lie inside the game "
                                         "folder %2")
                              .arg(quotedPath(installPath), quotedPath(gameFolder)));
        if (const auto placed = resolveInstallPath(written, gameFolder); !placed)
            return refuse(placed.kind(), asClause(placed.error()));
    }
    const auto fields = vif::encodeFields(written, title);
    if (!fields)
        return refuse(ErrorKind::Invalid, fields.error());

    const auto scanned = vif::scanFile(source);
    if (!scanned)
        return scanned.status();
    if (!scanned->firstMarker.isEmpty())
        return refuse(ErrorKind::Invalid,
                      QStringLiteral("its contents hold the marker %1, which a package cannot "
                                     "carry")
                          .arg(QString::fromLatin1(scanned->firstMarker)));
    Entry entry;
    entry.source = source;
    entry.installPath = written;
    entry.device = scanned->device;
    entry.inode = scanned->inode;
    entry.size = scanned->size;
    entry.head = vif::entryHead(fields->first, fields->second);
    m_entries << std::move(entry);
    return Status::success();
}

void PackageCompiler::removeEntry(int index) {
    if (index >= 0 && index < m_entries.size())
        m_entries.removeAt(index);
}

QStringList PackageCompiler::installPaths() const {
    QStringList out;
    for (const Entry& entry : m_entries)
        out << entry.installPath;
    return out;
}

QList<NativePath> PackageCompiler::sources() const {
    QList<NativePath> out;
    for (const Entry& entry : m_entries)
        out << entry.source;
    return out;
}

Contents PackageCompiler::packageContents() const {
    // The lines between two files are one piece.
    Contents contents;
    QByteArray lines;
    for (const Entry& entry : m_entries) {
        lines += entry.head;
        contents.add(std::move(lines));
        contents.add(entry.source, 0, entry.size);
        lines = vif::entryTail();
    }
    lines += QByteArrayLiteral("\r\n");
    contents.add(std::move(lines));
    return contents;
}

QString PackageCompiler::savingProblem(const NativePath& packagePath) const {
    // Saved over one of its own files, the package would destroy what it carries.
    const auto package = fs::File::openForReading(packagePath);
    const auto info = package ? package->info() : Result<fs::Info>(package.status());
    if (!info || std::none_of(m_entries.cbegin(), m_entries.cend(), [&](const Entry& entry) {
            return entry.device == info->device && entry.inode == info->inode;
        }))
        return QString();
    return QStringLiteral("%1 is one of the files this package carries; the package was not "
                          "saved there. Choose another name for the package.")
        .arg(quotedPath(packagePath));
}

Result<Applied> PackageCompiler::SavePackage(ChangeStore& store, const NativePath& packagePath,
                                             const ComposedPath& managerFolder) const {
    if (m_entries.isEmpty())
        return Status::failure(ErrorKind::Invalid,
                               QStringLiteral("The package %1 was not saved: it has no files. "
                                              "Add at least one file first.")
                                   .arg(quotedPath(packagePath)));
    if (const QString problem = savingProblem(packagePath); !problem.isEmpty())
        return Status::failure(ErrorKind::Invalid, problem);
    const Contents contents = packageContents();
    FileChange package(fs::Location::below(packagePath.folder(), packagePath.fileName()), contents);
    FileChange copy(packageCopyPath(managerFolder, packagePath.fileName()), contents,
                    FileRole::Copy);
    copy.createFolders = true;
    copy.sameAs = 0;
    return store.apply(savedPackageOperation(packagePath.fileName()), {package, copy});
}

} // namespace gk
