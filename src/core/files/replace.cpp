#include "replace.h"

#include "base/fileio.h"
#include "base/quoting.h"
#include "transaction.h"

#include <QDir>

namespace gk {

namespace {

// The folders created for this change, removed again when it fails.
class CreatedFolders {
public:
    Status ensure(const NativePath& folder) {
        // Each missing folder from the top down, so that each one can be removed again.
        QStringList missing;
        for (QString at = QDir::cleanPath(folder.text()); !at.isEmpty() && !QDir(at).exists();) {
            missing.prepend(at);
            const QString up = QFileInfo(at).path();
            if (up == at)
                break;
            at = up;
        }
        for (const QString& path : missing) {
            const Status made = ensureFolder(NativePath(path));
            if (!made)
                return made;
            m_created << path;
        }
        return Status::success();
    }
    void removeAll() {
        for (auto it = m_created.crbegin(); it != m_created.crend(); ++it)
            QDir().rmdir(*it);
        m_created.clear();
    }

private:
    QStringList m_created;
};

Status labelled(const FileWrite& write, const Status& failure) {
    if (write.label.isEmpty())
        return failure;
    return failure.withMessage(
        QStringLiteral("%1: %2.").arg(write.label, asClause(failure.error())));
}

} // namespace

Status replaceWithBackups(const QList<FileWrite>& writes, const WriteProgress& progress) {
    FileTransaction transaction;
    CreatedFolders folders;
    auto fail = [&](const FileWrite& write, const Status& failure) {
        const Status out = withRollBack(labelled(write, failure), transaction);
        folders.removeAll();
        return out;
    };
    qsizetype done = 0;
    for (const FileWrite& write : writes) {
        if (write.createFolder) {
            if (const Status made = folders.ensure(write.target.folder()); !made)
                return fail(write, made);
        }
        const auto before = transaction.remember(write.target);
        if (!before)
            return fail(write, before.status().withMessage(
                                   QStringLiteral("Could not keep a backup of %1, so it was not "
                                                  "replaced: %2.")
                                       .arg(quotedPath(write.target), asClause(before.error()))));
        if (write.backup && (before->existed || write.keepWhenAbsent)) {
            if (const Status made = folders.ensure(write.backup->folder()); !made)
                return fail(write, made);
            if (const Status kept = transaction.write(*write.backup, before->bytes); !kept)
                return fail(write, kept);
        }
        if (const Status written = transaction.write(write.target, write.contents); !written)
            return fail(write, written);
        if (progress)
            progress(++done, writes.size());
    }
    return Status::success();
}

} // namespace gk
