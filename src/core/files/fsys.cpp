#include "fsysseam.h"

// The file layer on POSIX systems: folders held by descriptor, every step opened with openat()
// without following links, renames relative to those folders, syncs by descriptor. Windows has
// its own in fsys_win.cpp.
#if !defined(Q_OS_UNIX)
#error "fsys.cpp is the POSIX implementation of the file layer; fsys_win.cpp is Windows'."
#endif

#include "base/paths.h"
#include "base/quoting.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#include <unistd.h>
#include <vector>

namespace gk::fs {

using detail::faultHere;

namespace {

QByteArray encoded(const QString& name) { return QFile::encodeName(name); }

Info infoOf(const struct stat& st) {
    Info info;
    if (S_ISREG(st.st_mode))
        info.kind = Kind::File;
    else if (S_ISDIR(st.st_mode))
        info.kind = Kind::Folder;
    else if (S_ISLNK(st.st_mode))
        info.kind = Kind::Link;
    else
        info.kind = Kind::Other;
    info.size = st.st_size;
    info.mode = st.st_mode & 07777;
    info.device = st.st_dev;
    info.inode = st.st_ino;
    info.links = st.st_nlink;
    info.owner = st.st_uid;
    info.group = st.st_gid;
    info.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    info.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return info;
}

} // namespace

// ---- File

namespace detail {
void closeHandle(qintptr handle) { ::close(int(handle)); }
} // namespace detail

namespace {

// `fd` opened with O_NONBLOCK: kept when it is a regular file (and made blocking again).
Result<File> regularFile(int fd, const NativePath& path) {
    File file(fd, path);
    const auto info = file.info();
    if (!info)
        return info.status();
    if (info->kind != Kind::File)
        return Status::failure(
            info->kind == Kind::Folder ? ErrorKind::IsFolder : ErrorKind::UnsafePath,
            detail::couldNot(Doing::Read, path,
                             //: why a file could not be read or written, a clause
                             QCoreApplication::translate("Files", "it is not a regular file")));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

} // namespace

Result<File> File::openForReading(const NativePath& path) {
    if (path.isEmpty())
        return Status::failure(ErrorKind::Invalid,
                               QCoreApplication::translate("Files", "No file name was given."));
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused right after.
    const int fd = ::open(encoded(path.text()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(Doing::Read, path, errno);
    return regularFile(fd, path);
}

Result<qint64> File::read(char* buffer, qint64 size, qint64 offset) {
    for (;;) {
        if (faultHere(faults::Reads))
            return failure(Doing::Read, m_path, errno);
        const ssize_t got = offset >= 0 ? ::pread(m_fd, buffer, size_t(size), off_t(offset))
                                        : ::read(m_fd, buffer, size_t(size));
        if (got >= 0)
            return qint64(got);
        if (errno != EINTR)
            return failure(Doing::Read, m_path, errno);
    }
}

Status File::write(const char* data, qint64 size) {
    while (size > 0) {
        if (faultHere())
            return failure(Doing::Write, m_path, errno);
        const ssize_t done = ::write(m_fd, data, size_t(std::min<qint64>(size, 1 << 30)));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return failure(Doing::Write, m_path, errno);
        }
        data += done;
        size -= done;
    }
    return Status::success();
}

Status File::copyFrom(File& source, qint64 offset, qint64 size) {
#ifdef __linux__
    // Inside the kernel: no copy through this process, and a reflink where the file system
    // offers one.
    loff_t in = offset;
    while (size > 0) {
        if (faultHere(faults::Reads))
            return failure(Doing::Read, source.m_path, errno);
        if (faultHere())
            return failure(Doing::Write, m_path, errno);
        const ssize_t done = ::copy_file_range(source.m_fd, &in, m_fd, nullptr,
                                               size_t(std::min<qint64>(size, 1 << 30)), 0);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
                break; // copied below
            return failure(Doing::Write, m_path, errno);
        }
        if (done == 0)
            return detail::endedEarly(source.m_path);
        size -= done;
    }
    offset = in;
#endif
    return detail::copyThroughBuffer(*this, source, offset, size);
}

Status File::sync() {
    if (faultHere() || ::fdatasync(m_fd) != 0)
        return failure(Doing::Write, m_path, errno);
    return Status::success();
}

Status File::truncate(qint64 size) {
    if (faultHere() || ::ftruncate(m_fd, off_t(size)) != 0)
        return failure(Doing::Write, m_path, errno);
    return Status::success();
}

Status File::setMode(quint32 mode, quint32 owner, quint32 group, bool keepOwner) {
    // A file system without permissions (FAT) refuses or ignores them; this process owns the
    // files it made, so EPERM can mean nothing else.
    if (::fchmod(m_fd, mode_t(mode)) != 0 && errno != EPERM && errno != EOPNOTSUPP &&
        errno != ENOSYS)
        return failure(Doing::SetPermissions, m_path, errno);
    // The owner survives where the system lets it (as root, or when it does not change).
    if (keepOwner && ::fchown(m_fd, uid_t(owner), gid_t(group)) != 0 && errno != EPERM &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return failure(Doing::SetOwner, m_path, errno);
    return Status::success();
}

void File::copyAttributesFrom(const File& source) {
#ifdef __linux__
    std::vector<char> names(1024);
    ssize_t length = 0;
    while ((length = ::flistxattr(source.m_fd, names.data(), names.size())) < 0 &&
           errno == ERANGE) {
        const ssize_t needed = ::flistxattr(source.m_fd, nullptr, 0);
        if (needed < 0)
            return;
        names.resize(size_t(needed) + 1);
    }
    std::vector<char> value;
    for (ssize_t at = 0; at < length;) {
        const char* name = names.data() + at;
        at += ssize_t(std::strlen(name)) + 1;
        const ssize_t size = ::fgetxattr(source.m_fd, name, nullptr, 0);
        if (size < 0)
            continue;
        value.resize(size_t(size));
        const ssize_t got = ::fgetxattr(source.m_fd, name, value.data(), value.size());
        if (got >= 0)
            ::fsetxattr(m_fd, name, value.data(), size_t(got), 0);
    }
#else
    (void)source;
#endif
}

Result<Info> File::info() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return failure(Doing::Read, m_path, errno);
    return infoOf(st);
}

Result<File> File::duplicate() const {
    const int fd = ::fcntl(m_fd, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return failure(Doing::Read, m_path, errno);
    return File(fd, m_path);
}

Status File::close() {
    if (m_fd < 0)
        return Status::success();
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0 && errno != EINTR)
        return failure(Doing::Write, m_path, errno);
    return Status::success();
}

// ---- Folder

Result<Folder> Folder::openRoot(const NativePath& path) {
    if (path.isEmpty())
        return Status::failure(ErrorKind::NotFound,
                               QCoreApplication::translate("Files", "No folder was given."));
    const int fd = ::open(encoded(path.text()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failure(Doing::OpenFolder, path, errno);
    return Folder(fd, path);
}

Result<Folder> Folder::child(const QString& name, bool create, bool* created) const {
    const NativePath path = pathOf(name);
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return Status::failure(
            ErrorKind::UnsafePath,
            //: %1 is a name (in quotes) that is "." or ".."
            QCoreApplication::translate("Files", "Could not open %1: it leads out of its folder.")
                .arg(quotedPath(path)));
    const QByteArray raw = encoded(name);
    if (created)
        *created = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd =
            ::openat(m_fd, raw.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            return Folder(fd, path);
        if (errno != ENOENT || !create || attempt > 0)
            return failure(Doing::OpenFolder, path, errno);
        if (faultHere() || (::mkdirat(m_fd, raw.constData(), 0777) != 0 && errno != EEXIST))
            return failure(Doing::CreateFolder, path, errno);
        if (created)
            *created = true;
    }
    return failure(Doing::OpenFolder, path, ENOENT);
}

Result<Info> Folder::info() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return failure(Doing::OpenFolder, m_path, errno);
    return infoOf(st);
}

Result<Info> Folder::stat(const QString& name) const {
    struct stat st {};
    if (::fstatat(m_fd, encoded(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return Info{};
        return failure(Doing::Read, pathOf(name), errno);
    }
    return infoOf(st);
}

Result<QStringList> Folder::names() const {
    QStringList out;
    const int fd = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failure(Doing::ReadFolder, m_path, errno);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        ::close(fd);
        return failure(Doing::ReadFolder, m_path, error);
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry)
            break;
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
            out << QFile::decodeName(name);
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        return failure(Doing::ReadFolder, m_path, error);
    return out;
}

Result<File> Folder::openForReading(const QString& name) const {
    const NativePath path = pathOf(name);
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused right after.
    const int fd =
        ::openat(m_fd, encoded(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(Doing::Read, path, errno);
    return regularFile(fd, path);
}

Result<File> Folder::createExclusive(const QString& name, quint32 mode) const {
    const NativePath path = pathOf(name);
    if (faultHere())
        return failure(Doing::Write, path, errno);
    const int fd = ::openat(m_fd, encoded(name).constData(),
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_t(mode));
    if (fd < 0)
        return failure(Doing::Write, path, errno);
    return File(fd, path);
}

Result<File> Folder::openForAppending(const QString& name) const {
    const NativePath path = pathOf(name);
    const int fd = ::openat(m_fd, encoded(name).constData(),
                            O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(Doing::Write, path, errno);
    File file(fd, path);
    const auto info = file.info();
    if (!info)
        return info.status();
    if (info->kind != Kind::File)
        return Status::failure(
            ErrorKind::UnsafePath,
            detail::couldNot(Doing::Write, path,
                             //: why a file could not be read or written, a clause
                             QCoreApplication::translate("Files", "it is not a regular file")));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

Status Folder::rename(const QString& from, const QString& to) const {
    if (faultHere() ||
        ::renameat(m_fd, encoded(from).constData(), m_fd, encoded(to).constData()) != 0)
        return failure(Doing::Write, pathOf(to), errno);
    return Status::success();
}

Status Folder::moveTo(const QString& from, const Folder& target, const QString& to) const {
    if (faultHere() ||
        ::renameat(m_fd, encoded(from).constData(), target.m_fd, encoded(to).constData()) != 0)
        return failure(Doing::Write, target.pathOf(to), errno);
    return Status::success();
}

Status Folder::moveNoReplace(const QString& from, const Folder& target, const QString& to) const {
    const QByteArray source = encoded(from);
    const QByteArray destination = encoded(to);
    if (faultHere())
        return failure(Doing::Write, target.pathOf(to), errno);
#ifdef RENAME_NOREPLACE
    if (detail::renameNoReplaceWanted()) {
        if (::renameat2(m_fd, source.constData(), target.m_fd, destination.constData(),
                        RENAME_NOREPLACE) == 0)
            return Status::success();
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return failure(Doing::Write, target.pathOf(to), errno);
    }
#endif
    // Without it: the name is taken first, exclusively, then the file renamed over it. Under
    // the store's lock nobody else gives out names there.
    auto placeholder = target.createExclusive(to, 0600);
    if (!placeholder)
        return placeholder.status();
    placeholder->close().ok();
    if (faultHere() ||
        ::renameat(m_fd, source.constData(), target.m_fd, destination.constData()) != 0) {
        const Status failed = failure(Doing::Write, target.pathOf(to), errno);
        ::unlinkat(target.m_fd, destination.constData(), 0);
        return failed;
    }
    return Status::success();
}

Status Folder::remove(const QString& name) const {
    if (faultHere() || ::unlinkat(m_fd, encoded(name).constData(), 0) != 0)
        return failure(Doing::Remove, pathOf(name), errno);
    return Status::success();
}

Status Folder::removeFolder(const QString& name) const {
    if (faultHere() || ::unlinkat(m_fd, encoded(name).constData(), AT_REMOVEDIR) != 0)
        return failure(Doing::RemoveFolder, pathOf(name), errno);
    return Status::success();
}

Status Folder::sync() const {
    if (faultHere() || ::fsync(m_fd) != 0)
        return failure(Doing::Write, m_path, errno);
    return Status::success();
}

Status Folder::lockExclusive(const std::function<bool()>& stillWaiting) {
    return detail::waitForLock(
        [this]() -> Result<bool> {
            for (;;) {
                if (::flock(int(m_fd), LOCK_EX | LOCK_NB) == 0)
                    return true;
                if (errno == EWOULDBLOCK)
                    return false;
                if (errno != EINTR)
                    return failure(Doing::Lock, m_path, errno);
            }
        },
        stillWaiting);
}

Status SyncBatch::add(File file, quint64 device, qint64 size) {
#ifdef __linux__
    // A large file starts being written out now, while the next ones are written: the sync at
    // the end then has little left to wait for. Only a hint; the sync reports any failure.
    // Small ones are left to the sync, which writes them together.
    if (size >= (qint64(1) << 20))
        ::sync_file_range(file.descriptor(), 0, 0, SYNC_FILE_RANGE_WRITE);
    if (!m_devices.contains(device)) {
        m_devices << device;
        m_open.push_back(std::move(file));
        return Status::success();
    }
    return file.close();
#else
    Q_UNUSED(device);
    Q_UNUSED(size);
    if (const Status synced = file.sync(); !synced)
        return synced;
    return file.close();
#endif
}

Status SyncBatch::sync() {
    Status status = Status::success();
    for (File& file : m_open) {
#ifdef __linux__
        // One sync of each file system the files lie on: a single journal commit instead of
        // one per file.
        if (status && (faultHere() || ::syncfs(file.descriptor()) != 0))
            status = failure(Doing::Write, file.path(), errno);
#else
        if (status)
            status = file.sync();
#endif
        const Status closed = file.close();
        if (status)
            status = closed;
    }
    m_open.clear();
    m_devices.clear();
    return status;
}

} // namespace gk::fs
