#include "compile.h"

#include "base/fileio.h"
#include "base/quoting.h"
#include "files/replace.h"
#include "installpath.h"
#include "vif.h"

namespace gk {

QString PackageCompiler::packageInstallPath(const NativePath& chosenPath) {
    if (const auto windows = windowsPathInPrefix(chosenPath))
        return *windows;
    QString path = chosenPath.text();
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

Status PackageCompiler::AddPackFile(const NativePath& source, const NativePath& installPath) {
    if (installPath.isEmpty())
        return Status::failure(
            ErrorKind::Invalid,
            QStringLiteral("Could not add %1 to the package: no install path was chosen.")
                .arg(quotedPath(source)));
    const QString title = source.fileName();
    // The receiving installer names its copy after the title; a name it would refuse is
    // better refused now, while the author can still rename the file.
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return Status::failure(
            ErrorKind::UnsafePath,
            QStringLiteral("Could not add %1 to the package: its name cannot be used as a file "
                           "name on Windows: %2.")
                .arg(quotedPath(source), problem));
    const auto contents = readFileBytes(source);
    if (!contents)
        return contents.status();
    const Status appended = vif::AppendPackEntry(m_buffer, packageInstallPath(installPath), title,
                                                 *contents, source.shown());
    if (!appended)
        return appended;
    m_names += title + QStringLiteral("\r\n");
    ++m_count;
    return Status::success();
}

QByteArray PackageCompiler::packageBytes() const { return m_buffer + QByteArrayLiteral("\r\n"); }

Status PackageCompiler::SavePackage(const NativePath& packagePath,
                                    const ComposedPath& managerFolder) const {
    if (m_count == 0)
        return Status::failure(ErrorKind::Invalid,
                               QStringLiteral("The package %1 was not saved: it has no files. "
                                              "Add at least one file first.")
                                   .arg(quotedPath(packagePath)));
    if (managerFolder.isEmpty() || !folderExists(managerFolder.native()))
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("The Grovekeep folder %1 does not exist.")
                                   .arg(quotedPath(managerFolder)));
    const QByteArray bytes = packageBytes();
    const NativePath copy =
        (managerFolder + QStringLiteral("Backup\\vif\\") + packagePath.fileName()).native();
    FileWrite package{packagePath, bytes};
    FileWrite backup{copy, bytes};
    backup.createFolder = true;
    return replaceWithBackups({package, backup});
}

} // namespace gk
