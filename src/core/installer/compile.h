#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/contents.h"
#include "files/store.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace gk {

// How saving the package `packageName` is recorded in the history.
OperationInfo savedPackageOperation(const QString& packageName);

// A package being compiled in the installer window or by grovekeep-vif. It is kept apart from
// any package installed in the same window, so it never picks up entries it was not given.
// Each file is read when it is added, to check it, and again, piece by piece, when the package
// is written.
class PackageCompiler {
public:
    // Adds the file at `source` with the install path `installPath` as chosen on the author's
    // machine and the title source.fileName(). A native install path inside a Wine prefix's
    // drive_c is written as Windows sees it ("C:\..."); any other path is written with
    // backslashes. Refused, with nothing added: an empty install path, a file name that the
    // receiving installer would refuse as a title (titleProblem), what vif::encodeFields
    // refuses, an unreadable file, and a file that holds one of the package markers. With the
    // author's `gameFolder`, the install path must also lie inside it and be one that an
    // installation places in a game folder (resolveInstallPath), so that no package is written
    // that every installer refuses.
    Status AddPackFile(const NativePath& source, const NativePath& installPath,
                       const ComposedPath& gameFolder = ComposedPath());
    // Takes the entry at `index` out of the package.
    void removeEntry(int index);

    // The install path as it is written into the package.
    static QString packageInstallPath(const NativePath& chosenPath);
    // The install path first proposed for `file`: its own name, in the game folder its kind
    // belongs in (a file of another kind: in the folder of `lastInstallPath`, else in the game
    // folder; empty when neither is known).
    static NativePath proposedInstallPath(const NativePath& file, const ComposedPath& gameFolder,
                                          const NativePath& lastInstallPath);

    int entryCount() const { return int(m_entries.size()); }
    // The files added, in order, and their install paths as written into the package.
    QList<NativePath> sources() const;
    QStringList installPaths() const;
    // Why the package cannot be saved at `packagePath` (it is one of the files the package
    // carries, as they were read), or empty.
    QString savingProblem(const NativePath& packagePath) const;

    // The package: every entry, then one more CR LF.
    Contents packageContents() const;

    // Writes the package to `packagePath`, then the same bytes to ManagerFolder &
    // "Backup\vif\" & the package's bare name (Backup\vif\ is created when missing), as one
    // operation of `store`. Refused: a package without entries.
    Result<Applied> SavePackage(ChangeStore& store, const NativePath& packagePath,
                                const ComposedPath& managerFolder) const;

private:
    struct Entry {
        NativePath source;
        QString installPath;
        quint64 device = 0; // the source as it was read
        quint64 inode = 0;
        qint64 size = 0;
        QByteArray head; // the entry's lines before its contents
    };
    QList<Entry> m_entries;
};

} // namespace gk
