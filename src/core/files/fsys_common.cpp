#include "fsysseam.h"

// The parts of the file layer that are the same on every system: locations, the fault seam,
// and what is built on the system's calls alone.

#include "base/quoting.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace gk::fs {

namespace {

int g_failAt = 0;
bool g_failOnward = false;
int g_failError = EIO;
unsigned g_kinds = faults::Changes;
int g_steps = 0;
int g_exitAt = 0;
int g_exitStatus = 0;
int g_changes = 0;
bool g_renameNoReplace = true;

} // namespace

namespace detail {

bool faultHere(faults::Steps kind) {
    if (kind == faults::Changes && g_exitAt > 0 && ++g_changes == g_exitAt)
        std::_Exit(g_exitStatus);
    if (!(g_kinds & kind))
        return false;
    ++g_steps;
    if (g_failAt > 0 && (g_steps == g_failAt || (g_failOnward && g_steps > g_failAt))) {
        errno = g_failError;
        return true;
    }
    return false;
}

bool renameNoReplaceWanted() { return g_renameNoReplace; }

QString couldNot(Doing doing, const NativePath& path, const QString& reason) {
    const QString shown = quotedPath(path);
    switch (doing) {
    case Doing::Read:
        //: %1 is a file (in quotes), %2 why it could not be read, a clause
        return QCoreApplication::translate("Files", "Could not read %1: %2.").arg(shown, reason);
    case Doing::Write:
        //: %1 is a file (in quotes), %2 why it could not be written, a clause
        return QCoreApplication::translate("Files", "Could not write %1: %2.").arg(shown, reason);
    case Doing::OpenFolder:
        //: %1 is a folder (in quotes), %2 why it could not be opened, a clause
        return QCoreApplication::translate("Files", "Could not open the folder %1: %2.")
            .arg(shown, reason);
    case Doing::CreateFolder:
        //: %1 is a folder (in quotes), %2 why it could not be made, a clause
        return QCoreApplication::translate("Files", "Could not create the folder %1: %2.")
            .arg(shown, reason);
    case Doing::ReadFolder:
        //: %1 is a folder (in quotes), %2 why the names in it could not be read, a clause
        return QCoreApplication::translate("Files", "Could not read the folder %1: %2.")
            .arg(shown, reason);
    case Doing::Remove:
        //: %1 is a file (in quotes), %2 why it could not be removed, a clause
        return QCoreApplication::translate("Files", "Could not remove %1: %2.").arg(shown, reason);
    case Doing::RemoveFolder:
        //: %1 is a folder (in quotes), %2 why it could not be removed, a clause
        return QCoreApplication::translate("Files", "Could not remove the folder %1: %2.")
            .arg(shown, reason);
    case Doing::SetPermissions:
        //: %1 is a file (in quotes), %2 why its permissions could not be set, a clause
        return QCoreApplication::translate("Files", "Could not set the permissions of %1: %2.")
            .arg(shown, reason);
    case Doing::SetOwner:
        //: %1 is a file (in quotes), %2 why its owner could not be set, a clause
        return QCoreApplication::translate("Files", "Could not set the owner of %1: %2.")
            .arg(shown, reason);
    case Doing::SetAttributes:
        //: %1 is a file (in quotes), %2 why its attributes (read-only) could not be set, a clause
        return QCoreApplication::translate("Files", "Could not set the attributes of %1: %2.")
            .arg(shown, reason);
    case Doing::Lock:
        //: %1 is Grovekeep's folder (in quotes), %2 why it could not be locked, a clause
        return QCoreApplication::translate("Files", "Could not lock %1: %2.").arg(shown, reason);
    }
    return QString();
}

Status endedEarly(const NativePath& path) {
    return Status::failure(
        ErrorKind::Failed,
        //: %1 is a file (in quotes)
        QCoreApplication::translate("Files", "Could not read %1: the file ends sooner than it "
                                             "should (it changed while it was read).")
            .arg(quotedPath(path)));
}

Status copyThroughBuffer(File& target, File& source, qint64 offset, qint64 size) {
    QByteArray buffer(qsizetype(std::min<qint64>(size, 1 << 20)), Qt::Uninitialized);
    while (size > 0) {
        const auto got = source.read(buffer.data(), std::min<qint64>(size, buffer.size()), offset);
        if (!got)
            return got.status();
        if (*got == 0)
            return endedEarly(source.path());
        if (const Status written = target.write(buffer.constData(), *got); !written)
            return written;
        offset += *got;
        size -= *got;
    }
    return Status::success();
}

Status waitForLock(const std::function<Result<bool>()>& takeLock,
                   const std::function<bool()>& stillWaiting) {
    for (;;) {
        const auto taken = takeLock();
        if (!taken)
            return taken.status();
        if (*taken)
            return Status::success();
        if (stillWaiting && !stillWaiting())
            return Status::failure(
                ErrorKind::Cancelled,
                QCoreApplication::translate("Files", "Stopped waiting for another Grovekeep or "
                                                     "grovekeep-vif to finish."));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

} // namespace detail

ErrorKind kindOf(int error) {
    switch (error) {
    case ENOENT:
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
    case ELOOP:
    case ENOTDIR:
    case EXDEV:
        return ErrorKind::UnsafePath;
    default:
        return ErrorKind::Failed;
    }
}

namespace {

// Why a step failed, as a clause: the system's own words (already in the user's language, as
// the C library has them), but for the failures Grovekeep causes itself by opening no link.
QString reasonOf(int error) {
    switch (error) {
    case ELOOP:
        //: why a file could not be read or written, a clause after "Could not read "x": "
        return QCoreApplication::translate(
            "Files", "it is a symbolic link, which Grovekeep does not follow here");
    case ENOTDIR:
        //: why a file could not be read or written, a clause after "Could not read "x": "
        return QCoreApplication::translate(
            "Files", "a part of the path is not a folder (or is a symbolic link)");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

Status failure(Doing doing, const NativePath& path, int error) {
    return Status::failure(kindOf(error), detail::couldNot(doing, path, reasonOf(error)));
}

// ---- Location

Location Location::below(const NativePath& root, const QString& relative) {
    QStringList parts = pathComponents(relative);
    Location out;
    out.root = root;
    out.name = parts.isEmpty() ? QString() : parts.takeLast();
    out.folders = parts;
    return out;
}

NativePath Location::folderPath() const {
    NativePath path = root;
    for (const QString& folder : folders)
        path = path.child(folder);
    return path;
}

NativePath Location::path() const { return folderPath().child(name); }

// ---- Descriptor

Descriptor::Descriptor(qintptr fd, NativePath path)
    : m_fd(fd)
    , m_path(std::move(path)) {}

Descriptor::~Descriptor() {
    if (m_fd != -1)
        detail::closeHandle(m_fd);
}

Descriptor::Descriptor(Descriptor&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_path(std::move(other.m_path)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd != -1)
            detail::closeHandle(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

// ---- File

Status File::readExactly(char* buffer, qint64 size, qint64 offset) {
    while (size > 0) {
        const auto got = read(buffer, size, offset);
        if (!got)
            return got.status();
        if (*got == 0)
            return detail::endedEarly(m_path);
        buffer += *got;
        offset += *got;
        size -= *got;
    }
    return Status::success();
}

// ---- Folder

Result<File> Folder::createTemp(quint32 mode) const {
    for (int attempt = 0;; ++attempt) {
        const QString temp =
            tempPrefix() + QString::number(QRandomGenerator::global()->generate64(), 36);
        auto file = createExclusive(temp, mode);
        if (file || attempt >= 8)
            return file;
        // Another name only when this one was taken; any other failure is the answer.
        const auto taken = stat(temp);
        if (!taken || taken->kind == Kind::Absent)
            return file;
    }
}

Result<Folder> Folder::holding(const Location& location, bool create, QList<Location>* created) {
    auto folder = openRoot(location.root);
    if (!folder)
        return folder;
    Location step;
    step.root = location.root;
    for (const QString& name : location.folders) {
        bool made = false;
        auto next = folder->child(name, create, &made);
        if (!next)
            return next;
        step.name = name;
        if (made && created)
            created->append(step);
        step.folders << name;
        folder = std::move(next);
    }
    return folder;
}

// ---- SyncBatch

Status SyncBatch::add(File file) {
    const auto info = file.info();
    if (!info)
        return info.status();
    return add(std::move(file), info->device, info->size);
}

namespace faults {
void failAt(int n, int error, unsigned steps) {
    g_steps = 0;
    g_failAt = n;
    g_failOnward = false;
    g_failError = error;
    g_kinds = steps;
}
void failFrom(int n, int error, unsigned steps) {
    failAt(n, error, steps);
    g_failOnward = true;
}
int stepsSoFar() { return g_steps; }
void exitAt(int n, int status) {
    g_changes = 0;
    g_exitAt = n;
    g_exitStatus = status;
}
void setRenameNoReplace(bool available) { g_renameNoReplace = available; }
void reset() {
    g_failAt = 0;
    g_failOnward = false;
    g_steps = 0;
    g_kinds = Changes;
    g_exitAt = 0;
    g_changes = 0;
}
} // namespace faults

} // namespace gk::fs
