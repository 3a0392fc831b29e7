#include "fileio.h"

#include "quoting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace gk {

namespace {

// The kind of a failure the system reported with `error` (errno).
ErrorKind kindOfError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ErrorKind::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrorKind::AccessDenied;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return ErrorKind::NoSpace;
    case EISDIR:
        return ErrorKind::IsFolder;
    default:
        return ErrorKind::Failed;
    }
}

// A failed write of `path`: why, phrased for the user, and of which kind.
Status writeFailure(const NativePath& path, const QString& deviceError, int error) {
    const QFileInfo info(path.text());
    QString reason = deviceError.isEmpty() ? QStringLiteral("unknown error") : deviceError;
    ErrorKind kind = kindOfError(error);
    if (path.isEmpty()) {
        reason = QStringLiteral("no file name was given");
        kind = ErrorKind::Invalid;
    } else if (info.isDir()) {
        reason = QStringLiteral("it is a folder");
        kind = ErrorKind::IsFolder;
    } else if (!info.absoluteDir().exists()) {
        reason = QStringLiteral("the folder %1 does not exist")
                     .arg(quotedPath(NativePath(info.absolutePath())));
        kind = ErrorKind::NotFound;
    }
    return Status::failure(kind,
                           QStringLiteral("Could not write %1: %2.").arg(quotedPath(path), reason));
}

} // namespace

Result<QByteArray> readFileBytes(const NativePath& path, qint64 maxBytes) {
    if (path.isEmpty())
        return Result<QByteArray>::failure(ErrorKind::Invalid,
                                           QStringLiteral("No file name was given."));
    if (QFileInfo(path.text()).isDir())
        return Result<QByteArray>::failure(
            ErrorKind::IsFolder,
            QStringLiteral("Could not read %1: it is a folder.").arg(quotedPath(path)));
    QFile file(path.text());
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            kindOfError(errno),
            QStringLiteral("Could not read %1: %2.").arg(quotedPath(path), file.errorString()));
    QByteArray bytes = maxBytes >= 0 ? file.read(maxBytes) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(
            kindOfError(errno),
            QStringLiteral("Could not read %1: %2.").arg(quotedPath(path), file.errorString()));
    return bytes;
}

Status writeFileAtomic(const NativePath& path, const QByteArray& bytes) {
    if (path.isEmpty() || QFileInfo(path.text()).isDir())
        return writeFailure(path, QString(), 0);
    QSaveFile file(path.text());
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(path, file.errorString(), errno);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeFailure(path, reason, error);
    }
    errno = 0;
    if (!file.commit())
        return writeFailure(path, file.errorString(), errno);
    return Status::success();
}

bool fileExists(const NativePath& path) {
    const QFileInfo info(path.text());
    return info.exists() && !info.isDir();
}

bool folderExists(const NativePath& path) { return QFileInfo(path.text()).isDir(); }

Status ensureFolder(const NativePath& path) {
    if (QFileInfo(path.text()).isDir())
        return Status::success();
    errno = 0;
    if (QDir().mkpath(path.text()) && QFileInfo(path.text()).isDir())
        return Status::success();
    const int error = errno;
    return Status::failure(error ? kindOfError(error) : ErrorKind::Failed,
                           QStringLiteral("Could not create the folder %1.").arg(quotedPath(path)));
}

} // namespace gk
