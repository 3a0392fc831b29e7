#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/contents.h"
#include "files/store.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace gk {

// How saving the package `packageName` is recorded in the history.
OperationInfo savedPackageOperation(const QString& packageName);

// A package being compiled in the installer window or by grovekeep-vif. It is kept apart from
// any package installed in the same window, so it never picks up entries it was not given.
//
// Each file is read once when it is added, to check it. A file of at most kSpooledSize bytes
// is then kept, with its entry's lines, in the compiler's spool when it has one: an unnamed
// file in the folder given to the constructor, which lives as long as the compiler and the
// contents taken from it, so that the package is written from it with large reads (inside the
// kernel when it is in the package's folder) and such a file is never opened again. Other files
// are read again, piece by piece, when the package is written.
class PackageCompiler {
public:
    static constexpr qint64 kSpooledSize = 64 << 10;

    // Without `spoolFolder`, every file is read again when the package is written.
    explicit PackageCompiler(const NativePath& spoolFolder = NativePath());

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
    struct Spool;
    // An entry, its names in m_names one after the other: the source's path in UTF-8, then the
    // install path and the title as written into the package.
    struct Entry {
        qsizetype names = 0;
        int sourceSize = 0;
        int installPathSize = 0;
        int titleSize = 0;
        quint64 device = 0; // the source as it was read
        quint64 inode = 0;
        // A spooled entry: where its lines and contents stand in the spool, and their size.
        qint64 spooledAt = -1;
        qint64 size = 0; // the spooled entry's size, or else the source's
    };
    QByteArrayView sourceOf(const Entry& entry) const;
    QByteArrayView installPathOf(const Entry& entry) const;
    QByteArrayView titleOf(const Entry& entry) const;
    // The spool, created on first use; a failure, kept, when it could not be.
    Result<Spool*> spool();

    NativePath m_spoolFolder;
    std::shared_ptr<Spool> m_spool;
    std::vector<Entry> m_entries;
    QByteArray m_names; // the entries' names, kept together rather than one allocation each
};

} // namespace gk
