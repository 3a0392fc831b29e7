#include "compile.h"

#include "base/quoting.h"
#include "base/text.h"
#include "files/fsys.h"
#include "install.h"
#include "installpath.h"
#include "vif.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

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
    // Only a path that names drive_c can lie in a prefix's drive_c.
    if (chosenPath.text().contains(QLatin1String("drive_c"))) {
        if (const auto windows = windowsPathInPrefix(chosenPath))
            return *windows;
    }
    QString path = chosenPath.text();
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

// The unnamed file that keeps small files and their entries' lines: written through one
// descriptor, read through another, its name removed as soon as both are open.
struct PackageCompiler::Spool {
    static constexpr qsizetype kPending = 1 << 20; // written when this much is waiting

    fs::File writer;
    std::shared_ptr<fs::File> reader;
    qint64 written = 0;
    QByteArray pending; // spooled, not yet written
    Status failed;      // why the spool cannot take more

    qint64 end() const { return written + pending.size(); }

    Status append(const QByteArray& head, const QByteArray& contents, const QByteArray& tail) {
        if (!failed)
            return failed;
        if (pending.capacity() < kPending)
            pending.reserve(kPending + (kSpooledSize + 1024) * 2);
        for (const QByteArray* piece : {&head, &contents, &tail}) {
            const qsizetype at = pending.size();
            pending.resize(at + piece->size());
            if (!piece->isEmpty())
                std::memcpy(pending.data() + at, piece->constData(), size_t(piece->size()));
        }
        if (pending.size() < kPending)
            return Status::success();
        failed = writer.write(pending.constData(), pending.size());
        written += pending.size();
        pending.resize(0); // keeps its capacity
        return failed;
    }

    // `size` bytes of the spool from `at`, as contents.
    void addTo(Contents& contents, qint64 at, qint64 size) const {
        const qint64 inFile = std::clamp<qint64>(written - at, 0, size);
        contents.add(reader, at, inFile);
        if (size > inFile)
            contents.add(pending.mid(qsizetype(at + inFile - written), qsizetype(size - inFile)));
    }
};

PackageCompiler::PackageCompiler(const NativePath& spoolFolder)
    : m_spoolFolder(spoolFolder) {}

Result<PackageCompiler::Spool*> PackageCompiler::spool() {
    if (!m_spool) {
        m_spool = std::make_shared<Spool>();
        auto made = [this]() -> Status {
            const auto folder = fs::Folder::openRoot(m_spoolFolder);
            if (!folder)
                return folder.status();
            auto writer = folder->createTemp(0600);
            if (!writer)
                return writer.status();
            const QString name = writer->path().fileName();
            auto reader = folder->openForReading(name);
            const Status removed = folder->remove(name);
            if (!reader)
                return reader.status();
            if (!removed)
                return removed;
            m_spool->writer = std::move(*writer);
            m_spool->reader = std::make_shared<fs::File>(std::move(*reader));
            return Status::success();
        };
        m_spool->failed = made();
    }
    if (!m_spool->failed)
        return m_spool->failed;
    return m_spool.get();
}

Status PackageCompiler::AddPackFile(const NativePath& source, const NativePath& installPath,
                                    const ComposedPath& gameFolder) {
    auto refuse = [&source](ErrorKind kind, const QString& reason) {
        //: %1 is a file in quotes, %2 why it cannot be added (a clause).
        return Status::failure(
            kind, QCoreApplication::translate("Compile", "Could not add %1 to the package: %2.")
                      .arg(quotedPath(source), reason));
    };
    if (installPath.isEmpty())
        return Status::failure(ErrorKind::Invalid,
                               //: %1 is a file in quotes.
                               QCoreApplication::translate("Compile",
                                                           "Could not add %1 to the package: no "
                                                           "install path was chosen.")
                                   .arg(quotedPath(source)));
    const QString title = source.fileName();
    // The receiving installer names its copy after the title; a name it would refuse is
    // better refused now, while the author can still rename the file.
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return Status::failure(
            ErrorKind::UnsafePath,
            //: %1 is a file in quotes, %2 what is wrong with its name (a clause).
            QCoreApplication::translate("Compile",
                                        "Could not add %1 to the package: its name cannot be used "
                                        "as a file name on Windows: %2.")
                .arg(quotedPath(source), problem));
    const QString written = packageInstallPath(installPath);
    if (!gameFolder.isEmpty()) {
        const QString game = QFileInfo(gameFolder.native().text()).canonicalFilePath();
        const QString folder = QFileInfo(installPath.folder().text()).canonicalFilePath();
        if (!insideFolder(folder, game))
            return Status::failure(
                ErrorKind::UnsafePath,
                //: %1 is a file, %2 the install path chosen for it, %3 the game folder, each in
                //: quotes.
                QCoreApplication::translate("Compile",
                                            "Could not add %1 to the package: its install path %2 "
                                            "does not lie inside the game folder %3.")
                    .arg(quotedPath(source), quotedPath(installPath), quotedPath(gameFolder)));
        if (const auto placed = resolveInstallPath(written, gameFolder); !placed)
            return refuse(placed.kind(), asClause(placed.error()));
    }
    const auto fields = vif::encodeFields(written, title);
    if (!fields)
        return refuse(ErrorKind::Invalid, fields.error());

    Spool* spool = nullptr;
    if (!m_spoolFolder.isEmpty()) {
        const auto opened = this->spool();
        if (!opened)
            return opened.status();
        spool = *opened;
    }
    const auto scanned = vif::scanFile(source, spool ? kSpooledSize : -1);
    if (!scanned)
        return scanned.status();
    if (!scanned->firstMarker.isEmpty())
        return Status::failure(
            ErrorKind::Invalid,
            //: %1 is a file in quotes, %2 a marker such as ###Begin_VIF###.
            QCoreApplication::translate("Compile",
                                        "Could not add %1 to the package: its contents hold the "
                                        "marker %2, which a package cannot carry.")
                .arg(quotedPath(source), QString::fromLatin1(scanned->firstMarker)));
    Entry entry;
    entry.names = m_names.size();
    const QByteArray sourceName = source.text().toUtf8();
    entry.sourceSize = int(sourceName.size());
    entry.installPathSize = int(fields->first.size());
    entry.titleSize = int(fields->second.size());
    entry.device = scanned->device;
    entry.inode = scanned->inode;
    if (spool && scanned->size <= kSpooledSize) {
        entry.spooledAt = spool->end();
        if (const Status spooled = spool->append(vif::entryHead(fields->first, fields->second),
                                                 scanned->bytes, vif::entryTail());
            !spooled)
            return spooled;
        entry.size = spool->end() - entry.spooledAt;
    } else {
        entry.size = scanned->size;
    }
    m_names.append(sourceName).append(fields->first).append(fields->second);
    m_entries.push_back(entry);
    return Status::success();
}

void PackageCompiler::removeEntry(int index) {
    if (index >= 0 && index < entryCount())
        m_entries.erase(m_entries.begin() + index);
}

QByteArrayView PackageCompiler::sourceOf(const Entry& entry) const {
    return QByteArrayView(m_names).sliced(entry.names, entry.sourceSize);
}

QByteArrayView PackageCompiler::installPathOf(const Entry& entry) const {
    return QByteArrayView(m_names).sliced(entry.names + entry.sourceSize, entry.installPathSize);
}

QByteArrayView PackageCompiler::titleOf(const Entry& entry) const {
    return QByteArrayView(m_names).sliced(entry.names + entry.sourceSize + entry.installPathSize,
                                          entry.titleSize);
}

QStringList PackageCompiler::installPaths() const {
    QStringList out;
    for (const Entry& entry : m_entries)
        out << decodeWindows1252(installPathOf(entry).toByteArray());
    return out;
}

QList<NativePath> PackageCompiler::sources() const {
    QList<NativePath> out;
    for (const Entry& entry : m_entries)
        out << NativePath(QString::fromUtf8(sourceOf(entry)));
    return out;
}

Contents PackageCompiler::packageContents() const {
    // Spooled entries that follow each other in the spool are one range of it, and the lines
    // between two files one piece.
    Contents contents;
    QByteArray lines;
    qint64 runAt = 0;
    qint64 runSize = 0;
    auto flush = [&] {
        contents.add(std::move(lines));
        lines.clear();
        if (runSize > 0)
            m_spool->addTo(contents, runAt, runSize);
        runSize = 0;
    };
    for (const Entry& entry : m_entries) {
        if (entry.spooledAt >= 0) {
            if (runSize > 0 && runAt + runSize == entry.spooledAt) {
                runSize += entry.size;
            } else {
                flush();
                runAt = entry.spooledAt;
                runSize = entry.size;
            }
            continue;
        }
        if (runSize > 0)
            flush();
        lines += vif::entryHead(installPathOf(entry).toByteArray(), titleOf(entry).toByteArray());
        flush();
        contents.add(NativePath(QString::fromUtf8(sourceOf(entry))), 0, entry.size);
        lines = vif::entryTail();
    }
    if (runSize > 0)
        flush();
    lines += QByteArrayLiteral("\r\n");
    flush();
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
    //: %1 is the file the package was to be saved as, in quotes.
    return QCoreApplication::translate("Compile",
                                       "%1 is one of the files this package carries; the package "
                                       "was not saved there. Choose another name for the package.")
        .arg(quotedPath(packagePath));
}

Result<Applied> PackageCompiler::SavePackage(ChangeStore& store, const NativePath& packagePath,
                                             const ComposedPath& managerFolder) const {
    if (m_entries.empty())
        return Status::failure(ErrorKind::Invalid,
                               //: %1 is the package's file in quotes.
                               QCoreApplication::translate("Compile",
                                                           "The package %1 was not saved: it has "
                                                           "no files. Add at least one file first.")
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
