#include "instance.h"

#include <QByteArray>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#ifdef Q_OS_WIN
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <iterator>

#include <windows.h>
#endif

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// On POSIX systems a Unix domain socket in the user's runtime folder: plain system calls and a
// socket notifier, so that the start pays for no network library. On Windows a named pipe.

namespace gk {

#ifdef Q_OS_UNIX

namespace {
constexpr int kWaitMs = 2000;

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

struct SingleInstance::Listener {
    int fd = -1;
    QByteArray path;
    QSocketNotifier* notifier = nullptr;
};

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (m_listener) {
        delete m_listener->notifier;
        ::close(m_listener->fd);
        ::unlink(m_listener->path.constData());
    }
}

QString SingleInstance::defaultName() {
    return QStringLiteral("org.grovekeep.Grovekeep-%1").arg(::getuid());
}

bool SingleInstance::handOver(const QStringList& files) const {
    const QByteArray path = socketPath(m_name);
    sockaddr_un address{};
    if (!fillAddress(address, path))
        return false;
    // Only a socket of this user's own is a running Grovekeep: in a shared folder such as /tmp,
    // someone else's socket under the name would otherwise receive the files and end this start.
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISSOCK(status.st_mode) ||
        status.st_uid != ::getuid())
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool handed = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << files;
        // The running instance answers once it has the files; without an answer they may be
        // lost, and this start goes on by itself.
        char answer[2] = {};
        const QDeadlineTimer deadline(kWaitMs);
        handed = writeAll(fd, message, deadline) && ::shutdown(fd, SHUT_WR) == 0 &&
                 waitFor(fd, POLLIN, deadline) &&
                 ::recv(fd, answer, sizeof answer, MSG_WAITALL) == 2 &&
                 std::memcmp(answer, "ok", 2) == 0;
    }
    ::close(fd);
    return handed;
}

bool SingleInstance::listen() {
    const QByteArray path = socketPath(m_name);
    sockaddr_un address{};
    if (!fillAddress(address, path))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // A socket left behind by an instance that was killed refuses connections, and goes. One
    // that takes them belongs to a Grovekeep too busy to answer in time: it keeps its channel,
    // and this one runs without.
    if (const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        probe >= 0) {
        const bool live =
            ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ||
            errno == EAGAIN || errno == EINPROGRESS;
        ::close(probe);
        if (live) {
            ::close(fd);
            return false;
        }
    }
    ::unlink(path.constData());
    const mode_t old = ::umask(0077); // the user's own
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(old);
    if (!bound || ::listen(fd, 8) != 0) {
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
        QByteArray message;
        char buffer[4096];
        while (waitFor(client, POLLIN, deadline)) {
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            message.append(buffer, qsizetype(n));
        }
        QDataStream in(message);
        QStringList files;
        in >> files;
        if (in.status() == QDataStream::Ok) {
            writeAll(client, QByteArrayLiteral("ok"), deadline);
            ::close(client);
            emit filesArrived(files);
        } else {
            ::close(client);
        }
    }
}

#else

// Windows: a named pipe, through Qt's local socket. Pipe names are one namespace for the whole
// machine, so the name holds the user's, and the pipe admits only that user. A pipe goes with
// the process that made it: nothing is left behind by a Grovekeep that was killed.

namespace {
constexpr int kWaitMs = 2000;
}

struct SingleInstance::Listener {
    QLocalServer server;
};

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {}
SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    // One Grovekeep per user and per program folder (a portable copy elsewhere is another
    // Grovekeep, with its own folder and history); folder names are not case-sensitive.
    // (Asked of Windows: the second start asks before it makes its application object.)
    wchar_t program[32768];
    const DWORD length = GetModuleFileNameW(nullptr, program, DWORD(std::size(program)));
    const QString path = QString::fromWCharArray(program, int(length));
    const QByteArray folder =
        QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toCaseFolded().toUtf8();
    return QStringLiteral("org.grovekeep.Grovekeep-%1-%2")
        .arg(qEnvironmentVariable("USERNAME"),
             QString::fromLatin1(
                 QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16)));
}

bool SingleInstance::handOver(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    const QDeadlineTimer deadline(kWaitMs);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << files;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    // The running instance answers once it has the files; without an answer they may be lost,
    // and this start goes on by itself.
    while (socket.bytesAvailable() < 2) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.read(2) == "ok";
}

bool SingleInstance::listen() {
    // A name that takes connections belongs to a running Grovekeep (a second pipe of the same
    // name would be made, and the files handed to either).
    {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(200))
            return false;
    }
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
            emit filesArrived(files);
    }
}

#endif

} // namespace gk
