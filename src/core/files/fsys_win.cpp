#include "fsysseam.h"

// The file layer on Windows. Folders are held by handle, and every step below a root is opened
// relative to the folder above it (NtCreateFile with a root directory), never through a
// reparse point (a symbolic link, a junction, a mount point): it is opened as itself and
// refused. Renames and removals go through the handle of the file itself, named relative to
// the folder's handle, so a folder swapped for a junction between a check and a write is
// caught as on POSIX. Writes are made durable with FlushFileBuffers; the store's lock is a
// handle on the folder that shares no deletion, released by the system when the process ends.
#if !defined(Q_OS_WIN)
#error "fsys_win.cpp is the Windows implementation of the file layer; fsys.cpp is POSIX's."
#endif

#include "base/quoting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <windows.h>
#include <winternl.h>

#ifndef STATUS_OBJECT_NAME_COLLISION
#define STATUS_OBJECT_NAME_COLLISION ((NTSTATUS)0xC0000035L)
#endif
#ifndef FILE_OPENED
#define FILE_OPENED 0x00000001
#endif
#ifndef FILE_CREATED
#define FILE_CREATED 0x00000002
#endif

namespace gk::fs {

using detail::faultHere;

namespace {

HANDLE handleOf(qintptr value) { return reinterpret_cast<HANDLE>(value); }
qintptr valueOf(HANDLE handle) { return reinterpret_cast<qintptr>(handle); }

// The errno that says best what a Windows error means, for the kind of failure.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return EINVAL;
    case ERROR_CANT_ACCESS_FILE:
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    default:
        return EIO;
    }
}

// The system's own words for `error`, without the final period and line end.
QString systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString out = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed() : QString();
    if (text)
        ::LocalFree(text);
    while (out.endsWith(QLatin1Char('.')))
        out.chop(1);
    if (out.isEmpty())
        //: why a file could not be read or written, a clause; %1 is the number of the error
        out = QCoreApplication::translate("Files", "Windows error %1").arg(error);
    return out;
}

// A failure of `what` on `path` with the Windows error `error`. Where the seam made a step
// fail (errno set, no Windows error), the errno's failure.
Status winFailure(Doing what, const NativePath& path, DWORD error) {
    const int mapped = errnoOf(error);
    // The messages the rest of Grovekeep knows for these, in the same words as on POSIX.
    if (mapped == ELOOP || mapped == ENOTDIR || mapped == ENOENT || mapped == ENOSPC)
        return failure(what, path, mapped);
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return Status::failure(
            ErrorKind::AccessDenied,
            detail::couldNot(
                what, path,
                //: why a file could not be read or written, a clause
                QCoreApplication::translate(
                    "Files", "another program has it open (close it, and try again)")));
    return Status::failure(kindOf(mapped), detail::couldNot(what, path, systemMessage(error)));
}

Status ntFailure(Doing what, const NativePath& path, NTSTATUS status) {
    return winFailure(what, path, ::RtlNtStatusToDosError(status));
}

Status seamFailure(Doing what, const NativePath& path) { return failure(what, path, errno); }

// `path` as Windows takes any length of it: absolute, with backslashes and the \\?\ prefix.
std::wstring longPath(const QString& path) {
    QString p = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (p.startsWith(QStringLiteral("\\\\?\\")))
        return p.toStdWString();
    if (p.startsWith(QStringLiteral("\\\\")))
        p = QStringLiteral("\\\\?\\UNC\\") + p.mid(2);
    else
        p = QStringLiteral("\\\\?\\") + p;
    if (p.endsWith(QLatin1Char(':'))) // "C:" alone is the drive's current folder
        p += QLatin1Char('\\');
    return p.toStdWString();
}

// Names Windows gives to devices in every folder, whatever their extension.
bool isDeviceName(const QString& name) {
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList plain = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (plain.contains(stem))
        return true;
    if (stem.size() == 4 &&
        (stem.startsWith(QStringLiteral("COM")) || stem.startsWith(QStringLiteral("LPT")))) {
        const QChar digit = stem.at(3);
        return (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) || digit == QChar(0x00B9) ||
               digit == QChar(0x00B2) || digit == QChar(0x00B3);
    }
    return false;
}

// A name Windows programs can reach as it is: one component, none of the characters Windows
// refuses, no device name, no trailing dot or space (Windows drops those when it opens a path,
// so the file would be out of reach of every other program).
Status checkName(const QString& name, const NativePath& path) {
    bool bad = name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
               name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '));
    for (const QChar c : name)
        bad = bad || c.unicode() < 32 || QStringLiteral("<>:\"/\\|?*").contains(c);
    if (bad)
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a file or folder (in quotes)
                               QCoreApplication::translate(
                                   "Files", "Could not use %1: Windows does not allow that name.")
                                   .arg(quotedPath(path)));
    if (isDeviceName(name))
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a file or folder (in quotes) named like CON or NUL
                               QCoreApplication::translate("Files",
                                                           "Could not use %1: Windows keeps that "
                                                           "name for a device.")
                                   .arg(quotedPath(path)));
    return Status::success();
}

// What winternl.h of some SDKs lacks: the POSIX renames of Windows 10 (1809 and later).
constexpr FILE_INFORMATION_CLASS kFileRenameInformationEx = FILE_INFORMATION_CLASS(65);
constexpr FILE_INFO_BY_HANDLE_CLASS kFileDispositionInfoEx = FILE_INFO_BY_HANDLE_CLASS(21);
constexpr ULONG kRenameReplaceIfExists = 0x1;
constexpr ULONG kRenamePosixSemantics = 0x2;
constexpr ULONG kRenameIgnoreReadOnly = 0x40;
constexpr NTSTATUS kStatusInvalidInfoClass = NTSTATUS(0xC0000003L);
constexpr NTSTATUS kStatusNotSupported = NTSTATUS(0xC00000BBL);
constexpr NTSTATUS kStatusInvalidParameter = NTSTATUS(0xC000000DL);
constexpr NTSTATUS kStatusNotImplemented = NTSTATUS(0xC0000002L);
constexpr NTSTATUS kStatusInvalidDeviceRequest = NTSTATUS(0xC0000010L);

constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kFolderAccess =
    FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

struct Opened {
    NTSTATUS status = 0;
    HANDLE handle = INVALID_HANDLE_VALUE;
    ULONG_PTR information = 0; // FILE_OPENED, FILE_CREATED, ...
};

// Opens `name` inside the folder `parent`, never through a reparse point (it is opened as
// itself). `options` adds FILE_DIRECTORY_FILE or FILE_NON_DIRECTORY_FILE.
Opened openBelow(HANDLE parent, const QString& name, ACCESS_MASK access, ULONG share,
                 ULONG disposition, ULONG options) {
    UNICODE_STRING text;
    text.Buffer = const_cast<PWSTR>(reinterpret_cast<PCWSTR>(name.utf16()));
    text.Length = USHORT(name.size() * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, parent, nullptr);
    IO_STATUS_BLOCK io{};
    Opened out;
    out.status = ::NtCreateFile(
        &out.handle, access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL, share,
        disposition, options | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT, nullptr, 0);
    if (!NT_SUCCESS(out.status))
        out.handle = INVALID_HANDLE_VALUE;
    out.information = io.Information;
    return out;
}

// A Windows time (100 ns ticks since 1601) in nanoseconds since 1970, as on POSIX: the ticks
// since 1601 would overflow as nanoseconds, and other code compares these with the clock.
qint64 nanoseconds(const LARGE_INTEGER& time) {
    constexpr qint64 k1601To1970 = 116'444'736'000'000'000; // ticks
    return (qint64(time.QuadPart) - k1601To1970) * 100;
}

Result<Info> infoOfHandle(HANDLE handle, Doing what, const NativePath& path) {
    BY_HANDLE_FILE_INFORMATION file{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandle(handle, &file) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic))
        return winFailure(what, path, ::GetLastError());
    Info info;
    const DWORD attributes = file.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        info.kind = Kind::Link;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        info.kind = Kind::Folder;
    else if (::GetFileType(handle) == FILE_TYPE_DISK)
        info.kind = Kind::File;
    else
        info.kind = Kind::Other;
    info.size = (qint64(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    // What Windows keeps of permissions is the read-only attribute: read-only files carry no
    // write bits, as they would on POSIX.
    info.mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
    if (info.kind == Kind::Folder)
        info.mode |= 0111;
    info.device = file.dwVolumeSerialNumber;
    info.inode = (quint64(file.nFileIndexHigh) << 32) | file.nFileIndexLow;
    info.links = file.nNumberOfLinks;
    info.changed = nanoseconds(basic.ChangeTime);
    info.modified = nanoseconds(basic.LastWriteTime);
    return info;
}

// Sets or clears the read-only attribute of an open file.
bool setReadOnly(HANDLE handle, bool readOnly) {
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic))
        return false;
    DWORD attributes = basic.FileAttributes & ~FILE_ATTRIBUTE_NORMAL;
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                          : (attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    if (attributes == (basic.FileAttributes & ~FILE_ATTRIBUTE_NORMAL))
        return true;
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    // Zero times are left as they are.
    basic.CreationTime.QuadPart = basic.LastAccessTime.QuadPart = 0;
    basic.LastWriteTime.QuadPart = basic.ChangeTime.QuadPart = 0;
    return ::SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic);
}

// A file just opened: kept when it is a regular file, closed and refused otherwise.
Result<File> regularFile(HANDLE handle, const NativePath& path, Doing what) {
    File file(valueOf(handle), path);
    const auto info = file.info();
    if (!info)
        return info.status();
    if (info->kind == Kind::Link)
        return failure(what, path, ELOOP);
    if (info->kind != Kind::File)
        return Status::failure(
            info->kind == Kind::Folder ? ErrorKind::IsFolder : ErrorKind::UnsafePath,
            detail::couldNot(what, path,
                             //: why a file could not be read or written, a
                             //: clause
                             QCoreApplication::translate("Files", "it is not a regular file")));
    return file;
}

} // namespace

namespace detail {
void closeHandle(qintptr handle) { ::CloseHandle(handleOf(handle)); }
} // namespace detail

// ---- File

Result<File> File::openForReading(const NativePath& path) {
    if (path.isEmpty())
        return Status::failure(ErrorKind::Invalid,
                               QCoreApplication::translate("Files", "No file name was given."));
    const HANDLE handle =
        ::CreateFileW(longPath(path.text()).c_str(), GENERIC_READ, kShareAll, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return winFailure(Doing::Read, path, ::GetLastError());
    return regularFile(handle, path, Doing::Read);
}

Result<qint64> File::read(char* buffer, qint64 size, qint64 offset) {
    if (faultHere(faults::Reads))
        return seamFailure(Doing::Read, m_path);
    OVERLAPPED at{};
    if (offset >= 0) {
        at.Offset = DWORD(offset & 0xffffffff);
        at.OffsetHigh = DWORD(quint64(offset) >> 32);
    }
    // A positioned read moves the handle's position on Windows (pread() does not): it is put
    // back, so that a write after it goes where it would on POSIX.
    LARGE_INTEGER position{};
    if (offset >= 0 &&
        !::SetFilePointerEx(handleOf(m_fd), LARGE_INTEGER{}, &position, FILE_CURRENT))
        return winFailure(Doing::Read, m_path, ::GetLastError());
    DWORD got = 0;
    const DWORD wanted = DWORD(std::min<qint64>(size, 1 << 30));
    const bool read = ::ReadFile(handleOf(m_fd), buffer, wanted, &got, offset >= 0 ? &at : nullptr);
    const DWORD error = read ? 0 : ::GetLastError();
    if (offset >= 0 && !::SetFilePointerEx(handleOf(m_fd), position, nullptr, FILE_BEGIN))
        return winFailure(Doing::Read, m_path, ::GetLastError());
    if (!read) {
        if (error == ERROR_HANDLE_EOF)
            return qint64(0);
        return winFailure(Doing::Read, m_path, error);
    }
    return qint64(got);
}

Status File::write(const char* data, qint64 size) {
    while (size > 0) {
        if (faultHere())
            return seamFailure(Doing::Write, m_path);
        DWORD done = 0;
        if (!::WriteFile(handleOf(m_fd), data, DWORD(std::min<qint64>(size, 1 << 30)), &done,
                         nullptr))
            return winFailure(Doing::Write, m_path, ::GetLastError());
        data += done;
        size -= done;
    }
    return Status::success();
}

Status File::copyFrom(File& source, qint64 offset, qint64 size) {
    return detail::copyThroughBuffer(*this, source, offset, size);
}

Status File::sync() {
    if (faultHere())
        return seamFailure(Doing::Write, m_path);
    if (::FlushFileBuffers(handleOf(m_fd)))
        return Status::success();
    DWORD error = ::GetLastError();
    // A flush needs a handle that may write; a file opened to read (a kept copy read back for
    // its hash) gets one for the flush alone.
    if (error == ERROR_ACCESS_DENIED) {
        const HANDLE writer = ::ReOpenFile(handleOf(m_fd), GENERIC_WRITE, kShareAll, 0);
        if (writer != INVALID_HANDLE_VALUE) {
            const bool flushed = ::FlushFileBuffers(writer);
            error = flushed ? 0 : ::GetLastError();
            ::CloseHandle(writer);
            if (flushed)
                return Status::success();
        } else {
            error = ::GetLastError();
        }
    }
    return winFailure(Doing::Write, m_path, error);
}

Status File::truncate(qint64 size) {
    if (faultHere())
        return seamFailure(Doing::Write, m_path);
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(handleOf(m_fd), FileEndOfFileInfo, &end, sizeof end))
        return winFailure(Doing::Write, m_path, ::GetLastError());
    return Status::success();
}

Status File::setMode(quint32 mode, quint32, quint32, bool) {
    // Windows keeps the read-only attribute of all that; owners are the system's business.
    if (!setReadOnly(handleOf(m_fd), (mode & 0222) == 0))
        return winFailure(Doing::SetAttributes, m_path, ::GetLastError());
    return Status::success();
}

void File::copyAttributesFrom(const File& source) {
    // The hidden, system and archive attributes go with the content; read-only is the mode's.
    FILE_BASIC_INFO from{};
    FILE_BASIC_INFO to{};
    if (!::GetFileInformationByHandleEx(handleOf(source.m_fd), FileBasicInfo, &from, sizeof from) ||
        !::GetFileInformationByHandleEx(handleOf(m_fd), FileBasicInfo, &to, sizeof to))
        return;
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD attributes = (to.FileAttributes & ~kept) | (from.FileAttributes & kept);
    if (attributes == to.FileAttributes)
        return;
    to.FileAttributes = attributes & ~DWORD(FILE_ATTRIBUTE_NORMAL);
    if (to.FileAttributes == 0)
        to.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    to.CreationTime.QuadPart = to.LastAccessTime.QuadPart = 0;
    to.LastWriteTime.QuadPart = to.ChangeTime.QuadPart = 0;
    ::SetFileInformationByHandle(handleOf(m_fd), FileBasicInfo, &to, sizeof to);
}

Result<Info> File::info() const { return infoOfHandle(handleOf(m_fd), Doing::Read, m_path); }

Result<File> File::duplicate() const {
    HANDLE copy = INVALID_HANDLE_VALUE;
    if (!::DuplicateHandle(::GetCurrentProcess(), handleOf(m_fd), ::GetCurrentProcess(), &copy, 0,
                           FALSE, DUPLICATE_SAME_ACCESS))
        return winFailure(Doing::Read, m_path, ::GetLastError());
    return File(valueOf(copy), m_path);
}

Status File::close() {
    if (m_fd == -1)
        return Status::success();
    const qintptr handle = std::exchange(m_fd, -1);
    if (!::CloseHandle(handleOf(handle)))
        return winFailure(Doing::Write, m_path, ::GetLastError());
    return Status::success();
}

// ---- Folder

Result<Folder> Folder::openRoot(const NativePath& path) {
    if (path.isEmpty())
        return Status::failure(ErrorKind::NotFound,
                               QCoreApplication::translate("Files", "No folder was given."));
    const HANDLE handle =
        ::CreateFileW(longPath(path.text()).c_str(), kFolderAccess, kShareAll, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return winFailure(Doing::OpenFolder, path, ::GetLastError());
    Folder folder(valueOf(handle), path);
    const auto info = folder.info();
    if (!info)
        return info.status();
    if (info->kind != Kind::Folder)
        return failure(Doing::OpenFolder, path, ENOTDIR);
    return folder;
}

Result<Folder> Folder::child(const QString& name, bool create, bool* created) const {
    const NativePath path = pathOf(name);
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return Status::failure(
            ErrorKind::UnsafePath,
            //: %1 is a name (in quotes) that is "." or ".."
            QCoreApplication::translate("Files", "Could not open %1: it leads out of its folder.")
                .arg(quotedPath(path)));
    if (const Status valid = checkName(name, path); !valid)
        return valid;
    if (created)
        *created = false;
    if (create && faultHere())
        return seamFailure(Doing::CreateFolder, path);
    const Opened opened = openBelow(handleOf(m_fd), name, kFolderAccess, kShareAll,
                                    create ? FILE_OPEN_IF : FILE_OPEN, FILE_DIRECTORY_FILE);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(create ? Doing::CreateFolder : Doing::OpenFolder, path, opened.status);
    Folder folder(valueOf(opened.handle), path);
    const auto info = folder.info();
    if (!info)
        return info.status();
    if (info->kind == Kind::Link)
        return failure(Doing::OpenFolder, path, ELOOP);
    if (created && opened.information == FILE_CREATED)
        *created = true;
    return folder;
}

Result<Info> Folder::info() const {
    return infoOfHandle(handleOf(m_fd), Doing::OpenFolder, m_path);
}

Result<Info> Folder::stat(const QString& name) const {
    const NativePath path = pathOf(name);
    if (const Status valid = checkName(name, path); !valid)
        return valid;
    const Opened opened =
        openBelow(handleOf(m_fd), name, FILE_READ_ATTRIBUTES, kShareAll, FILE_OPEN, 0);
    if (!NT_SUCCESS(opened.status)) {
        const DWORD error = ::RtlNtStatusToDosError(opened.status);
        if (error == ERROR_FILE_NOT_FOUND)
            return Info{};
        // A file that is being deleted is as good as gone.
        if (opened.status == NTSTATUS(0xC0000056L)) // STATUS_DELETE_PENDING
            return Info{};
        return winFailure(Doing::Read, path, error);
    }
    const auto info = infoOfHandle(opened.handle, Doing::Read, path);
    ::CloseHandle(opened.handle);
    return info;
}

Result<QStringList> Folder::names() const {
    // A handle of its own for each listing, as on POSIX: a handle that listed a folder once may
    // list it again as it was (Wine keeps the first listing).
    const HANDLE listing =
        ::ReOpenFile(handleOf(m_fd), kFolderAccess, kShareAll, FILE_FLAG_BACKUP_SEMANTICS);
    if (listing == INVALID_HANDLE_VALUE)
        return winFailure(Doing::ReadFolder, m_path, ::GetLastError());
    const Folder held(valueOf(listing), m_path);
    QStringList out;
    alignas(8) char buffer[64 * 1024];
    bool first = true;
    for (;;) {
        if (!::GetFileInformationByHandleEx(
                listing, first ? FileIdBothDirectoryRestartInfo : FileIdBothDirectoryInfo, buffer,
                sizeof buffer)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_NO_MORE_FILES)
                return out;
            return winFailure(Doing::ReadFolder, m_path, error);
        }
        first = false;
        for (const char* at = buffer;;) {
            const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
            const QString name = QString::fromWCharArray(
                entry->FileName, int(entry->FileNameLength / sizeof(wchar_t)));
            if (name != QStringLiteral(".") && name != QStringLiteral(".."))
                out << name;
            if (entry->NextEntryOffset == 0)
                break;
            at += entry->NextEntryOffset;
        }
    }
}

Result<File> Folder::openForReading(const QString& name) const {
    const NativePath path = pathOf(name);
    if (const Status valid = checkName(name, path); !valid)
        return valid;
    const Opened opened = openBelow(handleOf(m_fd), name, GENERIC_READ, kShareAll, FILE_OPEN,
                                    FILE_NON_DIRECTORY_FILE);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(Doing::Read, path, opened.status);
    return regularFile(opened.handle, path, Doing::Read);
}

Result<File> Folder::createExclusive(const QString& name, quint32) const {
    const NativePath path = pathOf(name);
    if (const Status valid = checkName(name, path); !valid)
        return valid;
    if (faultHere())
        return seamFailure(Doing::Write, path);
    const Opened opened = openBelow(handleOf(m_fd), name, GENERIC_READ | GENERIC_WRITE | DELETE,
                                    kShareAll, FILE_CREATE, FILE_NON_DIRECTORY_FILE);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(Doing::Write, path, opened.status);
    return File(valueOf(opened.handle), path);
}

Result<File> Folder::openForAppending(const QString& name) const {
    const NativePath path = pathOf(name);
    if (const Status valid = checkName(name, path); !valid)
        return valid;
    // Without FILE_WRITE_DATA every write goes to the end of the file, wherever reads left off.
    const Opened opened =
        openBelow(handleOf(m_fd), name,
                  FILE_READ_DATA | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | FILE_APPEND_DATA,
                  kShareAll, FILE_OPEN, FILE_NON_DIRECTORY_FILE);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(Doing::Write, path, opened.status);
    return regularFile(opened.handle, path, Doing::Write);
}

namespace {

// Gives the file `from` in `source` the name `to` in `target`. A read-only file in the way is
// replaced as on POSIX: its attribute is cleared first, and set again when the rename fails.
Status renameBelow(HANDLE source, const QString& from, HANDLE target, const QString& to,
                   const NativePath& shown, bool replace) {
    const Opened opened =
        openBelow(source, from, DELETE | FILE_READ_ATTRIBUTES, kShareAll, FILE_OPEN, 0);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(Doing::Write, shown, opened.status);
    const qsizetype bytes = to.size() * qsizetype(sizeof(wchar_t));
    std::vector<char> block(sizeof(FILE_RENAME_INFORMATION) + size_t(bytes));
    auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(block.data());
    rename->RootDirectory = target;
    rename->FileNameLength = ULONG(bytes);
    std::memcpy(rename->FileName, to.utf16(), size_t(bytes));
    IO_STATUS_BLOCK io{};
    // First as POSIX renames: a file replaced may be open elsewhere (the game reading it), and a
    // read-only one is replaced too. The flags take the place of ReplaceIfExists.
    ULONG flags = kRenamePosixSemantics | kRenameIgnoreReadOnly;
    if (replace)
        flags |= kRenameReplaceIfExists;
    std::memcpy(block.data(), &flags, sizeof flags);
    NTSTATUS status = ::NtSetInformationFile(opened.handle, &io, rename, ULONG(block.size()),
                                             kFileRenameInformationEx);
    if (status == kStatusInvalidInfoClass || status == kStatusNotSupported ||
        status == kStatusInvalidParameter || status == kStatusNotImplemented ||
        status == kStatusInvalidDeviceRequest) {
        // A system or file system without them: the rename of old.
        std::memset(block.data(), 0, sizeof flags);
        rename->ReplaceIfExists = replace ? TRUE : FALSE;
        status = ::NtSetInformationFile(opened.handle, &io, rename, ULONG(block.size()),
                                        FileRenameInformation);
    }
    if (status == NTSTATUS(0xC0000022L) && replace) { // STATUS_ACCESS_DENIED
        const Opened old = openBelow(target, to, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                     kShareAll, FILE_OPEN, FILE_NON_DIRECTORY_FILE);
        if (NT_SUCCESS(old.status)) {
            FILE_BASIC_INFO basic{};
            const bool readOnly =
                ::GetFileInformationByHandleEx(old.handle, FileBasicInfo, &basic, sizeof basic) &&
                (basic.FileAttributes & FILE_ATTRIBUTE_READONLY);
            if (readOnly && setReadOnly(old.handle, false)) {
                status = ::NtSetInformationFile(opened.handle, &io, rename, ULONG(block.size()),
                                                FileRenameInformation);
                if (!NT_SUCCESS(status))
                    setReadOnly(old.handle, true);
            }
            ::CloseHandle(old.handle);
        }
    }
    ::CloseHandle(opened.handle);
    if (status == STATUS_OBJECT_NAME_COLLISION)
        return failure(Doing::Write, shown, EEXIST);
    if (status == NTSTATUS(0xC0000022L) && replace) { // STATUS_ACCESS_DENIED
        // Windows replaces no file another program holds open without sharing its removal:
        // say so, rather than "access denied".
        const Opened held = openBelow(target, to, DELETE, kShareAll, FILE_OPEN, 0);
        if (NT_SUCCESS(held.status))
            ::CloseHandle(held.handle);
        else if (::RtlNtStatusToDosError(held.status) == ERROR_SHARING_VIOLATION)
            return winFailure(Doing::Write, shown, ERROR_SHARING_VIOLATION);
    }
    if (!NT_SUCCESS(status))
        return ntFailure(Doing::Write, shown, status);
    return Status::success();
}

// Removes `name` from `folder` (a file, or an empty folder when `folder` is set).
Status removeBelow(HANDLE parent, const QString& name, bool isFolder, const NativePath& shown) {
    const Doing what = isFolder ? Doing::RemoveFolder : Doing::Remove;
    const Opened opened =
        openBelow(parent, name, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, kShareAll,
                  FILE_OPEN, isFolder ? FILE_DIRECTORY_FILE : FILE_NON_DIRECTORY_FILE);
    if (!NT_SUCCESS(opened.status))
        return ntFailure(what, shown, opened.status);
    // First as a POSIX removal: the name goes at once, even while the file is open elsewhere
    // (else it stays until the last handle closes, and nothing can take its name).
    FILE_DISPOSITION_INFO_EX posix{};
    posix.Flags = FILE_DISPOSITION_FLAG_DELETE | FILE_DISPOSITION_FLAG_POSIX_SEMANTICS |
                  FILE_DISPOSITION_FLAG_IGNORE_READONLY_ATTRIBUTE;
    bool removed =
        ::SetFileInformationByHandle(opened.handle, kFileDispositionInfoEx, &posix, sizeof posix);
    DWORD error = removed ? 0 : ::GetLastError();
    if (!removed && (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
                     error == ERROR_INVALID_FUNCTION)) {
        FILE_DISPOSITION_INFO dispose{};
        dispose.DeleteFile = TRUE;
        removed = ::SetFileInformationByHandle(opened.handle, FileDispositionInfo, &dispose,
                                               sizeof dispose);
        error = removed ? 0 : ::GetLastError();
        // A read-only file is removed as on POSIX, where only the folder's permissions count.
        if (!removed && error == ERROR_ACCESS_DENIED && !isFolder &&
            setReadOnly(opened.handle, false)) {
            removed = ::SetFileInformationByHandle(opened.handle, FileDispositionInfo, &dispose,
                                                   sizeof dispose);
            error = removed ? 0 : ::GetLastError();
            if (!removed)
                setReadOnly(opened.handle, true);
        }
    }
    ::CloseHandle(opened.handle);
    if (!removed)
        return winFailure(what, shown, error);
    return Status::success();
}

} // namespace

Status Folder::rename(const QString& from, const QString& to) const {
    return moveTo(from, *this, to);
}

Status Folder::moveTo(const QString& from, const Folder& target, const QString& to) const {
    const NativePath shown = target.pathOf(to);
    if (const Status valid = checkName(to, shown); !valid)
        return valid;
    if (faultHere())
        return seamFailure(Doing::Write, shown);
    return renameBelow(handleOf(m_fd), from, handleOf(target.m_fd), to, shown, true);
}

Status Folder::moveNoReplace(const QString& from, const Folder& target, const QString& to) const {
    const NativePath shown = target.pathOf(to);
    if (const Status valid = checkName(to, shown); !valid)
        return valid;
    if (faultHere())
        return seamFailure(Doing::Write, shown);
    if (detail::renameNoReplaceWanted())
        return renameBelow(handleOf(m_fd), from, handleOf(target.m_fd), to, shown, false);
    // As where the system has no such rename: the name is taken first, exclusively.
    auto placeholder = target.createExclusive(to, 0600);
    if (!placeholder)
        return placeholder.status();
    placeholder->close().ok();
    if (faultHere()) {
        const Status failed = seamFailure(Doing::Write, shown);
        removeBelow(handleOf(target.m_fd), to, false, shown).ok();
        return failed;
    }
    const Status moved = renameBelow(handleOf(m_fd), from, handleOf(target.m_fd), to, shown, true);
    if (!moved)
        removeBelow(handleOf(target.m_fd), to, false, shown).ok();
    return moved;
}

Status Folder::remove(const QString& name) const {
    if (faultHere())
        return seamFailure(Doing::Remove, pathOf(name));
    return removeBelow(handleOf(m_fd), name, false, pathOf(name));
}

Status Folder::removeFolder(const QString& name) const {
    if (faultHere())
        return seamFailure(Doing::RemoveFolder, pathOf(name));
    return removeBelow(handleOf(m_fd), name, true, pathOf(name));
}

Status Folder::sync() const {
    // NTFS and the other file systems Windows writes journal their names themselves; a folder
    // cannot be flushed on its own. The step still counts for the seam.
    if (faultHere())
        return seamFailure(Doing::Write, m_path);
    return Status::success();
}

Status Folder::lockExclusive(const std::function<bool()>& stillWaiting) {
    // A second handle on the folder with the right to delete it, sharing no deletion: while one
    // process holds it, nobody else gets one (nor renames or removes the folder). The system
    // closes it when the process ends, however it ends.
    return detail::waitForLock(
        [this]() -> Result<bool> {
            const HANDLE held =
                ::ReOpenFile(handleOf(m_fd), kFolderAccess | DELETE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_FLAG_BACKUP_SEMANTICS);
            if (held != INVALID_HANDLE_VALUE) {
                ::CloseHandle(handleOf(std::exchange(m_fd, valueOf(held))));
                return true;
            }
            const DWORD error = ::GetLastError();
            if (error == ERROR_SHARING_VIOLATION)
                return false;
            return winFailure(Doing::Lock, m_path, error);
        },
        stillWaiting);
}

// ---- SyncBatch

Status SyncBatch::add(File file, quint64, qint64) {
    // No syncfs() here: each file is made durable as it comes.
    if (const Status synced = file.sync(); !synced)
        return synced;
    return file.close();
}

Status SyncBatch::sync() {
    m_open.clear();
    m_devices.clear();
    return Status::success();
}

} // namespace gk::fs
