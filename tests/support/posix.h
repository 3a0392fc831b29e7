#pragma once

// What the tests ask of the system beyond Qt: symbolic links, named pipes, extended attributes
// and file size limits. On systems without them each helper says so (false, or an empty value)
// and the test skips that part.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <filesystem>
#include <system_error>
#endif

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#endif

namespace gk::test {

// A symbolic link at `link` to `target`. On Windows a real one (QFile::link makes a shortcut,
// which is an ordinary file): false where the system lets this process make none.
inline bool plantLink(const QString& target, const QString& link) {
#ifdef Q_OS_WIN
    std::error_code error;
    const std::filesystem::path to(target.toStdWString());
    const std::filesystem::path at(link.toStdWString());
    if (QFileInfo(target).isDir())
        std::filesystem::create_directory_symlink(to, at, error);
    else
        std::filesystem::create_symlink(to, at, error);
    return !error;
#else
    return QFile::link(target, link);
#endif
}

// Plants a symbolic link, or skips the test where the system makes none.
#define GK_PLANT_LINK(target, link)                                                                \
    do {                                                                                           \
        if (!gk::test::plantLink((target), (link)))                                                \
            QSKIP("This system does not let this process make symbolic links.");                   \
    } while (false)

// A FIFO at `path`.
inline bool makeFifo(const QString& path) {
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// The extended attribute `name` of the file at `path`; false or empty where the file system
// or the system keeps none.
inline bool setAttribute(const QString& path, const char* name, const QByteArray& value) {
#ifdef __linux__
    return ::setxattr(QFile::encodeName(path).constData(), name, value.constData(),
                      size_t(value.size()), 0) == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(name);
    Q_UNUSED(value);
    return false;
#endif
}
inline QByteArray attribute(const QString& path, const char* name) {
#ifdef __linux__
    char value[256] = {};
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), name, value, sizeof value);
    return n < 0 ? QByteArray() : QByteArray(value, int(n));
#else
    Q_UNUSED(path);
    Q_UNUSED(name);
    return QByteArray();
#endif
}

// Limits the size of files this process writes to `bytes` while it lives (a write beyond it
// fails instead of killing the process); the old limit comes back with it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes) {
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN);
        m_set = ::getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit small = m_old;
        small.rlim_cur = rlim_t(bytes);
        m_set = m_set && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit() {
#ifdef Q_OS_UNIX
        if (m_set)
            ::setrlimit(RLIMIT_FSIZE, &m_old);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool isSet() const { return m_set; }

private:
    bool m_set = false;
#ifdef Q_OS_UNIX
    rlimit m_old{};
#endif
};

} // namespace gk::test
