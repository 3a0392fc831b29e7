#include "instance.h"

#include <QByteArray>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// A Unix domain socket in the user's runtime folder: plain system calls and a socket notifier,
// so that the start pays for no network library. (Elsewhere each start runs on its own until
// a channel of that system's kind is written.)

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

struct SingleInstance::Listener {};
SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {}
SingleInstance::~SingleInstance() = default;
QString SingleInstance::defaultName() { return QStringLiteral("org.grovekeep.Grovekeep"); }
bool SingleInstance::handOver(const QStringList&) const { return false; }
bool SingleInstance::listen() { return false; }
void SingleInstance::accept() {}

#endif

} // namespace gk
