#include "fileio.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace gk {

namespace {

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(displayPath(path)); }

// Reason for a failed write, phrased for the user.
QString writeReason(const QString& native, const QString& deviceError) {
    const QFileInfo info(native);
    if (native.isEmpty())
        return QStringLiteral("no file name was given");
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.absoluteDir().exists())
        return QStringLiteral("the folder %1 does not exist").arg(quoted(info.absolutePath()));
    return deviceError.isEmpty() ? QStringLiteral("unknown error") : deviceError;
}

} // namespace

Result<QByteArray> readFileBytes(const QString& path, qint64 maxBytes) {
    const QString native = toNativePath(path);
    if (native.isEmpty())
        return Result<QByteArray>::failure(QStringLiteral("No file name was given."));
    if (QFileInfo(native).isDir())
        return Result<QByteArray>::failure(
            QStringLiteral("Could not read %1: it is a folder.").arg(quoted(native)));
    QFile file(native);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QStringLiteral("Could not read %1: %2.").arg(quoted(native), file.errorString()));
    QByteArray bytes = maxBytes >= 0 ? file.read(maxBytes) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(
            QStringLiteral("Could not read %1: %2.").arg(quoted(native), file.errorString()));
    return bytes;
}

Status writeFileAtomic(const QString& path, const QByteArray& bytes) {
    const QString native = toNativePath(path);
    auto fail = [&](const QString& deviceError) {
        return Status::failure(QStringLiteral("Could not write %1: %2.")
                                   .arg(quoted(native), writeReason(native, deviceError)));
    };
    if (native.isEmpty() || QFileInfo(native).isDir())
        return fail(QString());
    QSaveFile file(native);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return Status::success();
}

Status copyFileBytes(const QString& from, const QString& to) {
    const auto bytes = readFileBytes(from);
    if (!bytes)
        return bytes.status();
    return writeFileAtomic(to, *bytes);
}

bool fileExists(const QString& path) {
    const QFileInfo info(toNativePath(path));
    return info.exists() && !info.isDir();
}

bool folderExists(const QString& path) { return QFileInfo(toNativePath(path)).isDir(); }

Status ensureFolder(const QString& path) {
    const QString native = toNativePath(path);
    if (QFileInfo(native).isDir())
        return Status::success();
    if (QDir().mkpath(native) && QFileInfo(native).isDir())
        return Status::success();
    return Status::failure(QStringLiteral("Could not create the folder %1.").arg(quoted(native)));
}

} // namespace gk
