#include "compile.h"

#include "core/fileio.h"
#include "core/paths.h"
#include "installpath.h"
#include "quoting.h"
#include "transaction.h"
#include "vif.h"

#include <QDir>

namespace gk {

QString PackageCompiler::packageInstallPath(const QString& chosenPath) {
    if (const auto windows = windowsPathInPrefix(chosenPath))
        return *windows;
    QString path = chosenPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

Status PackageCompiler::AddPackFile(const QString& sourcePath, const QString& installPath) {
    const QString source = QStringLiteral("\"%1\"").arg(displayPath(sourcePath));
    if (installPath.isEmpty())
        return Status::failure(
            QStringLiteral("Could not add %1 to the package: no install path was chosen.")
                .arg(source));
    const QString title = bareFileName(sourcePath);
    // The receiving installer names its copy after the title; a name it would refuse is
    // better refused now, while the author can still rename the file.
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return Status::failure(
            QStringLiteral("Could not add %1 to the package: its name cannot be used as a file "
                           "name on Windows: %2.")
                .arg(source, problem));
    const auto contents = readFileBytes(sourcePath);
    if (!contents)
        return contents.status();
    const Status appended = vif::AppendPackEntry(m_buffer, packageInstallPath(installPath), title,
                                                 *contents, displayPath(sourcePath));
    if (!appended)
        return appended;
    m_names += title + QStringLiteral("\r\n");
    ++m_count;
    return Status::success();
}

QByteArray PackageCompiler::packageBytes() const { return m_buffer + QByteArrayLiteral("\r\n"); }

Status PackageCompiler::SavePackage(const QString& packagePath,
                                    const QString& managerFolder) const {
    if (m_count == 0)
        return Status::failure(QStringLiteral("The package %1 was not saved: it has no files. "
                                              "Add at least one file first.")
                                   .arg(quotedName(displayPath(packagePath))));
    if (managerFolder.isEmpty() || !folderExists(managerFolder))
        return Status::failure(QStringLiteral("The Grovekeep folder %1 does not exist.")
                                   .arg(quotedName(displayPath(managerFolder))));
    const Status folder = ensureFolder(managerFolder + QStringLiteral("Backup\\vif\\"));
    if (!folder)
        return folder;
    // The package and its copy are written both or neither.
    const QByteArray bytes = packageBytes();
    FileTransaction transaction;
    const Status saved = transaction.write(packagePath, bytes);
    if (!saved)
        return withRollBack(saved, transaction);
    const QString copy =
        managerFolder + QStringLiteral("Backup\\vif\\") + bareFileName(packagePath);
    const Status copied = transaction.write(copy, bytes);
    if (!copied)
        return withRollBack(copied, transaction);
    return Status::success();
}

} // namespace gk
