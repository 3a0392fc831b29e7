#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace gk {

// A package being compiled in the installer window. It is kept apart from any package
// installed in the same window, so it never picks up entries it was not given.
class PackageCompiler {
public:
    // Adds the file at `source` (read whole, byte for byte) with the install path
    // `installPath` as chosen on the author's machine and the title source.fileName().
    // A native install path inside a Wine prefix's drive_c is written as Windows sees it
    // ("C:\..."); any other path is written with backslashes. Refused, with nothing added:
    // an unreadable file, an empty install path, a file name that the receiving installer
    // would refuse as a title (titleProblem), and what vif::AppendPackEntry refuses.
    Status AddPackFile(const NativePath& source, const NativePath& installPath);

    // The install path as it is written into the package.
    static QString packageInstallPath(const NativePath& chosenPath);

    int entryCount() const { return m_count; }
    const QByteArray& buffer() const { return m_buffer; }
    // Bare names of the added files, one a line, each ended by CR LF.
    const QString& fileNames() const { return m_names; }

    // Writes the package (buffer followed by CR LF) to `packagePath`, then the same bytes
    // to ManagerFolder & "Backup\vif\" & the package's bare name (Backup\vif\ is created
    // when missing). Both are written or neither. Refused: a package without entries, a
    // ManagerFolder that does not exist.
    Status SavePackage(const NativePath& packagePath, const ComposedPath& managerFolder) const;

    // The bytes SavePackage writes.
    QByteArray packageBytes() const;

private:
    QByteArray m_buffer;
    QString m_names;
    int m_count = 0;
};

} // namespace gk
