#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/contents.h"
#include "files/store.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace gk {

// A package being compiled in the installer window or by grovekeep-vif. It is kept apart from
// any package installed in the same window, so it never picks up entries it was not given.
// The carried files are read only when the package is written, piece by piece.
class PackageCompiler {
public:
    // Adds the file at `source` with the install path `installPath` as chosen on the author's
    // machine and the title source.fileName(). A native install path inside a Wine prefix's
    // drive_c is written as Windows sees it ("C:\..."); any other path is written with
    // backslashes. Refused, with nothing added: an unreadable file, an empty install path, a
    // file name that the receiving installer would refuse as a title (titleProblem), a file
    // that holds one of the package markers, and what vif::encodeFields refuses.
    Status AddPackFile(const NativePath& source, const NativePath& installPath);

    // The install path as it is written into the package.
    static QString packageInstallPath(const NativePath& chosenPath);

    int entryCount() const { return int(m_entries.size()); }
    // Bare names of the added files, one a line, each ended by CR LF.
    const QString& fileNames() const { return m_names; }
    // The files added, in order.
    QList<NativePath> sources() const;

    // The package: every entry, then one more CR LF.
    Contents packageContents() const;
    Result<QByteArray> packageBytes() const { return packageContents().bytes(); }

    // Writes the package to `packagePath`, then the same bytes to ManagerFolder &
    // "Backup\vif\" & the package's bare name (Backup\vif\ is created when missing), as one
    // operation of `store`. Refused: a package without entries.
    Result<Applied> SavePackage(ChangeStore& store, const NativePath& packagePath,
                                const ComposedPath& managerFolder) const;

private:
    struct Entry {
        NativePath source;
        qint64 size = 0;
        QByteArray head;
    };
    QList<Entry> m_entries;
    QString m_names;
};

} // namespace gk
