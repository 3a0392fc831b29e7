#include "fileio.h"

#include "files/fsys.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace gk {

Result<QByteArray> readFileBytes(const NativePath& path, qint64 maxBytes) {
    auto file = fs::File::openForReading(path);
    if (!file)
        return file.status();
    const auto info = file->info();
    if (!info)
        return info.status();
    const qint64 wanted = maxBytes >= 0 ? std::min(maxBytes, info->size) : info->size;
    QByteArray bytes(qsizetype(wanted), Qt::Uninitialized);
    qint64 done = 0;
    while (done < wanted) {
        const auto got = file->read(bytes.data() + done, wanted - done, done);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        done += *got;
    }
    bytes.resize(qsizetype(done));
    return bytes;
}

bool fileExists(const NativePath& path) {
    const QFileInfo info(path.text());
    return info.exists() && !info.isDir();
}

bool folderExists(const NativePath& path) { return QFileInfo(path.text()).isDir(); }

bool sameFile(const NativePath& a, const NativePath& b) {
#ifdef Q_OS_WIN
    const QString first = QFileInfo(a.text()).canonicalFilePath();
    return !first.isEmpty() &&
           first.compare(QFileInfo(b.text()).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#else
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a.text()).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b.text()).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#endif
}

} // namespace gk
