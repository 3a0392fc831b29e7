#include "instance.h"

#include "base/paths.h"
#include "base/places.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#ifdef Q_OS_WIN
#include <QLocalServer>
#include <QLocalSocket>

#include <iterator>

#include <windows.h>
#endif

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// On POSIX systems a Unix domain socket in the user's runtime folder: plain system calls and a
// socket notifier, so that the start pays for no network library. On Windows a named pipe.
// The lock beside the channel is held by the process that listens, for as long as it runs; the
// system lets it go when that process ends, however it ends.

namespace gk {

namespace {
// The running one reading a hand-over: the whole message.
constexpr int kWaitMs = 2000;
// A start handing over, for the answer: longer, for the running one may be serving other
// starts first, one after another, on a busy machine (and Windows' pipes are slow under Wine).
constexpr int kAnswerMs = 10000;
// How long a start tries to reach the one that holds the lock while that one is still starting
// (it takes the lock before its application object exists, and listens once it does).
constexpr int kClaimMs = 5000;
constexpr int kRetryMs = 50;

// The program that runs, asked of the system: the application object does not exist yet.
QString programPath() {
#ifdef Q_OS_WIN
    wchar_t program[32768];
    const DWORD length = GetModuleFileNameW(nullptr, program, DWORD(std::size(program)));
    return QDir::fromNativeSeparators(QString::fromWCharArray(program, int(length)));
#else
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
#endif
}

// `path` with every link in its existing part resolved, so that one folder reached two ways has
// one name; a part that does not exist yet (the data folder before the first run) is kept as
// written.
QString resolved(const QString& path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString existing = clean;
    QString rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const qsizetype cut = existing.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return clean;
        rest.prepend(existing.mid(cut));
        existing.truncate(cut);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return canonical.isEmpty() ? clean : canonical + rest;
}

// The folder that makes this Grovekeep one: where it keeps its options and history (a portable
// copy's own folder, else the user's data folder), as the settings reader finds it.
QString grovekeepFolder() {
    const QString program = programPath();
    if (program.isEmpty())
        return QString();
    const QString programFolder = QFileInfo(program).absolutePath() + QLatin1Char('/');
    const QString folder =
        resolved(proposedManagerFolder(NativePath(QDir::toNativeSeparators(programFolder))).text());
#ifdef Q_OS_WIN
    // Folder names are not case-sensitive.
    return QDir::toNativeSeparators(folder).toCaseFolded();
#else
    return folder;
#endif
}

QString folderHash() {
    return QString::fromLatin1(
        QCryptographicHash::hash(grovekeepFolder().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
}

QByteArray message(const QStringList& files) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << files;
    return bytes;
}
} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {}

SingleInstance::Role SingleInstance::claim(const QStringList& files) {
    const QDeadlineTimer deadline(kClaimMs);
    for (;;) {
        switch (lock()) {
        case Locked::Taken:
            return Role::Listening;
        case Locked::Unavailable:
            return send(files) == Sent::Taken ? Role::HandedOver : Role::Alone;
        case Locked::Held:
            break;
        }
        switch (send(files)) {
        case Sent::Taken:
            return Role::HandedOver;
        case Sent::NoAnswer:
            // It may have the files and be too busy to say so: sending them again could
            // offer them twice.
            return Role::Alone;
        case Sent::NoListener:
            break;
        }
        if (deadline.hasExpired())
            return Role::Alone;
        QThread::msleep(kRetryMs);
    }
}

bool SingleInstance::handOver(const QStringList& files) const { return send(files) == Sent::Taken; }

void SingleInstance::arrived(const QStringList& files) {
    if (m_delivering)
        emit filesArrived(files);
    else
        m_held << files;
}

void SingleInstance::deliver() {
    m_delivering = true;
    for (const QStringList& files : std::exchange(m_held, {}))
        emit filesArrived(files);
}

#ifdef Q_OS_UNIX

namespace {
// The socket's path: the runtime folder (XDG_RUNTIME_DIR, else /tmp), the channel's name.
QByteArray socketPath(const QString& name) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    return QFile::encodeName(folder + QLatin1Char('/') + name);
}

bool fillAddress(sockaddr_un& address, const QByteArray& path) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Waits until `fd` is ready for `events`; false once `deadline` has passed, or on an error.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd p{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&p, 1, int(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (p.revents & events);
}

bool writeAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    for (qsizetype done = 0; done < bytes.size();) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t n =
            ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n > 0)
            done += n;
    }
    return true;
}
} // namespace

struct SingleInstance::Lock {
    int fd = -1;
};

struct SingleInstance::Listener {
    int fd = -1;
    QByteArray path;
    QSocketNotifier* notifier = nullptr;
};

SingleInstance::~SingleInstance() {
    if (m_listener) {
        delete m_listener->notifier;
        ::close(m_listener->fd);
        ::unlink(m_listener->path.constData());
    }
    // The lock goes last: nobody takes the channel's name while this one still has it.
    if (m_lock)
        ::close(m_lock->fd);
}

QString SingleInstance::defaultName() {
    return QStringLiteral("org.grovekeep.Grovekeep-%1-%2").arg(::getuid()).arg(folderHash());
}

SingleInstance::Locked SingleInstance::lock() {
    if (m_lock)
        return Locked::Taken;
    // A lock of the process's open file (flock), not of the process (fcntl): a second lock of
    // the same name in this process (tests) is refused as another process's would be.
    const QByteArray path = socketPath(m_name) + ".lock";
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Locked::Unavailable;
    // Only a lock file of this user's own counts: in a shared folder such as /tmp, someone
    // else's file under the name must not decide who listens.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid()) {
        ::close(fd);
        return Locked::Unavailable;
    }
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Locked::Held : Locked::Unavailable;
    }
    m_lock = std::make_unique<Lock>(Lock{fd});
    return Locked::Taken;
}

SingleInstance::Sent SingleInstance::send(const QStringList& files) const {
    const QByteArray path = socketPath(m_name);
    sockaddr_un address{};
    if (!fillAddress(address, path))
        return Sent::NoListener;
    // Only a socket of this user's own is a running Grovekeep: in a shared folder such as /tmp,
    // someone else's socket under the name would otherwise receive the files and end this start.
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISSOCK(status.st_mode) ||
        status.st_uid != ::getuid())
        return Sent::NoListener;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Sent::NoListener;
    Sent sent = Sent::NoListener;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        // The running instance answers once it has the files; without an answer they may be
        // lost, and this start goes on by itself.
        char answer[2] = {};
        const QDeadlineTimer deadline(kAnswerMs);
        const bool taken = writeAll(fd, message(files), deadline) && ::shutdown(fd, SHUT_WR) == 0 &&
                           waitFor(fd, POLLIN, deadline) &&
                           ::recv(fd, answer, sizeof answer, MSG_WAITALL) == 2 &&
                           std::memcmp(answer, "ok", 2) == 0;
        sent = taken ? Sent::Taken : Sent::NoAnswer;
    }
    ::close(fd);
    return sent;
}

bool SingleInstance::listen() {
    if (m_listener)
        return true;
    if (lock() != Locked::Taken)
        return false;
    const QByteArray path = socketPath(m_name);
    sockaddr_un address{};
    if (!fillAddress(address, path))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Whatever has the name is what an instance that was killed left behind: a running one
    // would hold the lock.
    ::unlink(path.constData());
    const mode_t old = ::umask(0077); // the user's own
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(old);
    if (!bound || ::listen(fd, 16) != 0) {
        ::close(fd);
        return false;
    }
    m_listener.reset(new Listener{fd, path, new QSocketNotifier(fd, QSocketNotifier::Read, this)});
    connect(m_listener->notifier, &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    for (;;) {
        const int client = ::accept4(m_listener->fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        // The other start writes all it has and closes its side; a short wait at most, for the
        // whole message.
        const QDeadlineTimer deadline(kWaitMs);
        QByteArray bytes;
        char buffer[4096];
        while (waitFor(client, POLLIN, deadline)) {
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            bytes.append(buffer, qsizetype(n));
        }
        QDataStream in(bytes);
        QStringList files;
        in >> files;
        const bool whole = in.status() == QDataStream::Ok;
        if (whole)
            writeAll(client, QByteArrayLiteral("ok"), deadline);
        ::close(client);
        if (whole)
            arrived(files);
    }
}

#else

// Windows: a named pipe, through Qt's local socket. Pipe names are one namespace for the whole
// machine, so the name holds the user's, and the pipe admits only that user. A pipe goes with
// the process that made it: nothing is left behind by a Grovekeep that was killed. Windows lets
// a second server make a pipe of a name that exists, so the lock alone decides who listens: a
// file in the user's temporary folder, opened without sharing.

struct SingleInstance::Lock {
    HANDLE file = INVALID_HANDLE_VALUE;
};

struct SingleInstance::Listener {
    QLocalServer server;
};

SingleInstance::~SingleInstance() {
    m_listener.reset();
    if (m_lock)
        CloseHandle(m_lock->file);
}

QString SingleInstance::defaultName() {
    return QStringLiteral("org.grovekeep.Grovekeep-%1-%2")
        .arg(qEnvironmentVariable("USERNAME"), folderHash());
}

SingleInstance::Locked SingleInstance::lock() {
    if (m_lock)
        return Locked::Taken;
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(DWORD(std::size(temp)), temp);
    if (length == 0 || length > MAX_PATH)
        return Locked::Unavailable;
    const QString path =
        QString::fromWCharArray(temp, int(length)) + m_name + QStringLiteral(".lock");
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Locked::Held : Locked::Unavailable;
    m_lock = std::make_unique<Lock>(Lock{file});
    return Locked::Taken;
}

SingleInstance::Sent SingleInstance::send(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    const QDeadlineTimer deadline(kAnswerMs);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return Sent::NoListener;
    socket.write(message(files));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return Sent::NoAnswer;
    }
    // The running instance answers once it has the files; without an answer they may be lost,
    // and this start goes on by itself.
    while (socket.bytesAvailable() < 2) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return Sent::NoAnswer;
    }
    return socket.read(2) == "ok" ? Sent::Taken : Sent::NoAnswer;
}

bool SingleInstance::listen() {
    if (m_listener)
        return true;
    if (lock() != Locked::Taken)
        return false;
    auto listener = std::make_unique<Listener>();
    listener->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!listener->server.listen(m_name))
        return false;
    m_listener = std::move(listener);
    connect(&m_listener->server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    while (QLocalSocket* client = m_listener->server.nextPendingConnection()) {
        // The other start writes its whole message, then waits for the answer: a short wait at
        // most, for all of it.
        const QDeadlineTimer deadline(kWaitMs);
        QDataStream in(client);
        QStringList files;
        bool whole = false;
        for (;;) {
            in.startTransaction();
            in >> files;
            if (in.commitTransaction()) {
                whole = true;
                break;
            }
            if (in.status() == QDataStream::ReadCorruptData ||
                !client->waitForReadyRead(int(deadline.remainingTime())))
                break;
        }
        if (whole) {
            client->write("ok");
            client->waitForBytesWritten(int(deadline.remainingTime()));
        }
        client->disconnectFromServer();
        client->deleteLater();
        if (whole)
            arrived(files);
    }
}

#endif

} // namespace gk
