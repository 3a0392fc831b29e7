#include "transaction.h"

#include "base/fileio.h"
#include "base/quoting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gk {

QString FileTransaction::key(const NativePath& path) {
    return QDir::cleanPath(QFileInfo(path.text()).absoluteFilePath());
}

Result<FileTransaction::Before> FileTransaction::remember(const NativePath& path) {
    const QString k = key(path);
    if (const auto known = m_index.constFind(k); known != m_index.constEnd())
        return m_saved.at(*known).before;
    Before before;
    const QFileInfo info(path.text());
    if (info.exists() || info.isSymLink() || info.isDir()) {
        const auto bytes = readFileBytes(path);
        if (!bytes)
            return bytes.status();
        before.existed = true;
        before.bytes = *bytes;
    }
    m_index.insert(k, m_saved.size());
    m_saved << Saved{path, before};
    return before;
}

Status FileTransaction::write(const NativePath& path, const QByteArray& bytes) {
    const auto before = remember(path);
    if (!before)
        return before.status();
    return writeFileAtomic(path, bytes);
}

QStringList FileTransaction::rollBack() {
    QStringList failures;
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->before.existed) {
            const Status restored = writeFileAtomic(it->path, it->before.bytes);
            if (!restored)
                failures << restored.error();
        } else if (QFileInfo(it->path.text()).isFile() && !QFile::remove(it->path.text())) {
            failures << QStringLiteral("Could not remove %1.").arg(quotedPath(it->path));
        }
    }
    m_saved.clear();
    m_index.clear();
    return failures;
}

Status withRollBack(const Status& failure, FileTransaction& transaction) {
    const QStringList failures = transaction.rollBack();
    if (failures.isEmpty())
        return failure;
    return failure.withMessage(
        QStringLiteral("%1 These files could not be put back as they were: %2")
            .arg(failure.error(), failures.join(QLatin1Char(' '))));
}

} // namespace gk
