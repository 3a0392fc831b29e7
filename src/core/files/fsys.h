#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

// The file system as Grovekeep writes to it: every file lies below a root folder (the game
// folder, Grovekeep's folder, a profile, a folder the user chose). The root is reached as the
// user named it, links in its path included (~/.wine/dosdevices/c: is one); below the root every
// component is opened on its own without following a link, so a folder swapped for a link
// between a check and a write is caught. Only regular files are read or replaced. Nothing here
// needs hard links or file modes, so any file system will do (FAT and exFAT included).
namespace gk::fs {

enum class Kind { Absent, File, Folder, Link, Other };

struct Info {
    Kind kind = Kind::Absent;
    qint64 size = 0;
    quint32 mode = 0; // permission bits
    quint64 device = 0;
    quint64 inode = 0;
    quint64 links = 0;
    quint32 owner = 0;
    quint32 group = 0;
    qint64 changed = 0;  // when the file's content or metadata last changed (ns)
    qint64 modified = 0; // when its content last changed (ns)
    bool sameNode(const Info& other) const {
        return device == other.device && inode == other.inode;
    }
    // The same file, not written to or otherwise changed since `other` was taken.
    bool unchangedSince(const Info& other) const {
        return sameNode(other) && size == other.size && changed == other.changed &&
               modified == other.modified;
    }
};

// A file below a root folder.
struct Location {
    NativePath root;
    QStringList folders; // the folders between the root and the file
    QString name;

    // `relative` is split at '/' and '\'.
    static Location below(const NativePath& root, const QString& relative);
    NativePath path() const;
    NativePath folderPath() const;
    bool operator==(const Location& other) const = default;
};

// An open file descriptor (a handle on Windows) and the path it was opened as; closed with its
// owner.
class Descriptor {
public:
    Descriptor() = default;
    Descriptor(qintptr fd, NativePath path);
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool isOpen() const { return m_fd != -1; }
    qintptr descriptor() const { return m_fd; }
    const NativePath& path() const { return m_path; }

protected:
    qintptr m_fd = -1; // INVALID_HANDLE_VALUE is -1 too
    NativePath m_path;
};

// An open file.
class File : public Descriptor {
public:
    File() = default;
    File(qintptr fd, NativePath path)
        : Descriptor(fd, std::move(path)) {}

    // Opens a regular file for reading by its path, links in it followed (a file the user
    // chose); a folder, FIFO, socket or device is refused without waiting on it.
    static Result<File> openForReading(const NativePath& path);

    // Reads up to `size` bytes at `offset` (or from the current position when negative). A
    // failure is always an error, never a short read: 0 bytes means the end of the file.
    Result<qint64> read(char* buffer, qint64 size, qint64 offset = -1);
    // Reads exactly `size` bytes at `offset`; a file that ends before is a failure.
    Status readExactly(char* buffer, qint64 size, qint64 offset);
    Status write(const char* data, qint64 size);
    // Appends `size` bytes of `source` from `offset`, inside the kernel where it can.
    Status copyFrom(File& source, qint64 offset, qint64 size);
    // Data and size on disk (fdatasync); a failure here is a failed write.
    Status sync();
    // Cuts the file to `size` bytes.
    Status truncate(qint64 size);
    // Gives the file these permission bits and, where the system lets this process, this owner.
    // A file system that keeps no permissions (FAT) is no failure.
    Status setMode(quint32 mode, quint32 owner, quint32 group, bool keepOwner);
    // Gives this file the extended attributes of `source`, as far as the file system keeps
    // them and the system lets this process set them.
    void copyAttributesFrom(const File& source);
    Result<Info> info() const;
    // Another descriptor of the same open file (for a second thread to read it).
    Result<File> duplicate() const;
    Status close();
};

// An open folder.
class Folder : public Descriptor {
public:
    Folder() = default;

    // The root of a tree, reached as named.
    static Result<Folder> openRoot(const NativePath& path);
    // A folder inside this one, never through a link; created when missing and `create`.
    Result<Folder> child(const QString& name, bool create, bool* created = nullptr) const;
    // The folder holding `location`, opened step by step from its root. Folders created on the
    // way are added, outermost first, to `created` (as paths below the root).
    static Result<Folder> holding(const Location& location, bool create,
                                  QList<Location>* created = nullptr);

    NativePath pathOf(const QString& name) const { return m_path.child(name); }
    Result<Info> info() const;
    Result<Info> stat(const QString& name) const;
    // The names in the folder ("." and ".." left out); a failure to read them is an error.
    Result<QStringList> names() const;

    // Opens a regular file for reading; a link, folder, FIFO, socket or device is refused.
    Result<File> openForReading(const QString& name) const;
    // Opens an existing regular file to read and add to its end (never through a link).
    Result<File> openForAppending(const QString& name) const;
    // A new temporary file beside `name`, named ".~gk-<random>" (short, whatever the length of
    // `name`), with `mode`.
    Result<File> createTemp(quint32 mode) const;
    Result<File> createExclusive(const QString& name, quint32 mode) const;
    // Gives `from` the name `to`, replacing a file that has it.
    Status rename(const QString& from, const QString& to) const;
    // The same, into `target` (on the same file system).
    Status moveTo(const QString& from, const Folder& target, const QString& to) const;
    // Moves `from` to `to` in `target` (on the same file system), failing with EEXIST when `to`
    // exists: with the system's rename that refuses to replace where the file system has it,
    // else by creating `to` exclusively and renaming over that.
    Status moveNoReplace(const QString& from, const Folder& target, const QString& to) const;
    Status remove(const QString& name) const;
    Status removeFolder(const QString& name) const;
    // Makes renames and new names in this folder durable.
    Status sync() const;

    // Waits until no other process holds this folder's lock, then holds it until the folder is
    // closed (one change store operation at a time, across programs). While another holds it,
    // `stillWaiting` is asked every tenth of a second; false gives up (a Cancelled failure).
    Status lockExclusive(const std::function<bool()>& stillWaiting = {});

    // The prefix of every temporary file this layer makes.
    static QString tempPrefix() { return QStringLiteral(".~gk-"); }
    // Whether `name` is one of the temporary files made for any name.
    static bool isTemporary(const QString& name) { return name.startsWith(tempPrefix()); }

private:
    Folder(qintptr fd, NativePath path)
        : Descriptor(fd, std::move(path)) {}
};

// Files written as one batch, made durable together: where the system has syncfs(), one file
// of each file system is kept open and the others are closed as they come, so that any number
// of files can be written; elsewhere each file is synced as it comes. A failure is a failed
// write of the files.
class SyncBatch {
public:
    // Takes a file that has been written.
    Status add(File file);
    // The same, for a file known to lie on `device`, `size` bytes long.
    Status add(File file, quint64 device, qint64 size);
    // Makes every file added durable.
    Status sync();

private:
    std::vector<File> m_open; // one per file system
    QList<quint64> m_devices;
};

// What the file layer was doing when a step failed: each has its own sentence ("Could not
// read ...", "Could not remove the folder ...").
enum class Doing {
    Read,
    Write,
    OpenFolder,
    CreateFolder,
    ReadFolder,
    Remove,
    RemoveFolder,
    SetPermissions,
    SetOwner,
    SetAttributes,
    Lock,
};
// A failure of the system call doing `doing` on `path`, with errno `error`.
Status failure(Doing doing, const NativePath& path, int error);
// The kind of failure errno `error` reports.
ErrorKind kindOf(int error);

// A seam for tests: the Nth step from now on fails with `error`. The steps counted are changes
// to the disk (a file created, written, synced, renamed or removed, a folder created or
// removed) and, when asked, reads (a read of a file, the source side of a copy). 0 switches it
// off.
namespace faults {
enum Steps : unsigned { Changes = 1, Reads = 2 };
void failAt(int n, int error, unsigned steps = Changes);
// The same, and every step after it too (a disk that has died), until reset().
void failFrom(int n, int error, unsigned steps = Changes);
// The steps counted since the last failAt() or reset().
int stepsSoFar();
// The process ends at once (as if killed) just before the Nth change to the disk from now on.
void exitAt(int n, int status);
// Without it, the fallback of moveNoReplace() is used, as on a file system without a rename
// that refuses to replace.
void setRenameNoReplace(bool available);
void reset();
} // namespace faults

} // namespace gk::fs
