#include "transaction.h"

#include "core/fileio.h"
#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gk {

QString FileTransaction::key(const QString& native) {
    return QDir::cleanPath(QFileInfo(native).absoluteFilePath());
}

Result<FileTransaction::Before> FileTransaction::remember(const QString& path) {
    const QString native = toNativePath(path);
    const QString k = key(native);
    if (const auto known = m_index.constFind(k); known != m_index.constEnd())
        return m_saved.at(*known).before;
    Before before;
    const QFileInfo info(native);
    if (info.exists() || info.isSymLink() || info.isDir()) {
        const auto bytes = readFileBytes(native);
        if (!bytes)
            return bytes.status();
        before.existed = true;
        before.bytes = *bytes;
    }
    m_index.insert(k, m_saved.size());
    m_saved << Saved{native, before};
    return before;
}

Status FileTransaction::write(const QString& path, const QByteArray& bytes) {
    const auto before = remember(path);
    if (!before)
        return before.status();
    return writeFileAtomic(toNativePath(path), bytes);
}

QStringList FileTransaction::rollBack() {
    QStringList failures;
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->before.existed) {
            const Status restored = writeFileAtomic(it->native, it->before.bytes);
            if (!restored)
                failures << restored.error();
        } else if (QFileInfo(it->native).isFile() && !QFile::remove(it->native)) {
            failures << QStringLiteral("Could not remove %1.")
                            .arg(QStringLiteral("\"%1\"").arg(displayPath(it->native)));
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
    return Status::failure(QStringLiteral("%1 These files could not be put back as they were: %2")
                               .arg(failure.error(), failures.join(QLatin1Char(' '))));
}

} // namespace gk
