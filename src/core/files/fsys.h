#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QList>
#include <QStringList>

#include <vector>

// The file system as Grovekeep writes to it: every file lies below a root folder (the game
// folder, Grovekeep's folder, a profile, a folder the user chose). The root is reached as the
// user named it, links in its path included (~/.wine/dosdevices/c: is one); below the root every
// component is opened on its own without following a link, so a folder swapped for a link
// between a check and a write is caught. Only regular files are read or replaced.
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
    bool sameNode(const Info& other) const {
        return device == other.device && inode == other.inode;
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

// An open file descriptor and the path it was opened as; closed with its owner.
class Descriptor {
public:
    Descriptor() = default;
    Descriptor(int fd, NativePath path);
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    const NativePath& path() const { return m_path; }

protected:
    int m_fd = -1;
    NativePath m_path;
};

// An open file.
class File : public Descriptor {
public:
    File() = default;
    File(int fd, NativePath path)
        : Descriptor(fd, std::move(path)) {}

    // Opens a regular file for reading by its path, links in it followed (a file the user
    // chose); a folder, FIFO, socket or device is refused without waiting on it.
    static Result<File> openForReading(const NativePath& path);

    // Reads up to `size` bytes at `offset` (or from the current position when negative).
    Result<qint64> read(char* buffer, qint64 size, qint64 offset = -1);
    Status write(const char* data, qint64 size);
    // Appends `size` bytes of `source` from `offset`, inside the kernel where it can.
    Status copyFrom(File& source, qint64 offset, qint64 size);
    // Data and size on disk (fdatasync); a failure here is a failed write.
    Status sync();
    // Waits until no other process holds the file's lock, then holds it until the file is
    // closed (the history's lock: one operation at a time, across programs).
    Status lockExclusive();
    Status setMode(quint32 mode, quint32 owner, quint32 group, bool keepOwner);
    // Gives this file the extended attributes of `source`, as far as the file system keeps
    // them and the system lets this process set them.
    void copyAttributesFrom(const File& source);
    Result<Info> info() const;
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
    QStringList names() const;

    // Opens a regular file for reading; a link, folder, FIFO, socket or device is refused.
    Result<File> openForReading(const QString& name) const;
    // A new temporary file beside `name`, named ".~gk-<name>.<unique>", with `mode`.
    Result<File> createTemp(const QString& name, quint32 mode) const;
    Result<File> createExclusive(const QString& name, quint32 mode) const;
    // Opens (creating when missing) a file to read and write in place: the store's lock.
    Result<File> openForUpdate(const QString& name) const;
    Status rename(const QString& from, const QString& to) const;
    // Gives `name` in `target` the file `name` of this folder also has (a hard link).
    Status linkTo(const QString& name, const Folder& target, const QString& targetName) const;
    Status remove(const QString& name) const;
    Status removeFolder(const QString& name) const;
    // Makes renames and new names in this folder durable.
    Status sync() const;

    // The prefix of the temporary files made for `name`.
    static QString tempPrefix(const QString& name);
    // Whether `name` is one of the temporary files made for any name.
    static bool isTemporary(const QString& name) { return name.startsWith(tempPrefix({})); }

private:
    Folder(int fd, NativePath path)
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
    // Makes every file added durable.
    Status sync();

private:
    std::vector<File> m_open; // one per file system
    QList<quint64> m_devices;
};

// A failure of the system call `what` on `path`, with errno `error`.
Status failure(const QString& what, const NativePath& path, int error);
// The kind of failure errno `error` reports.
ErrorKind kindOf(int error);

// A seam for tests: the Nth change to the disk from now on (a file created, written, synced,
// renamed, linked or removed, a folder created) fails with `error`. 0 switches it off.
namespace faults {
void failAt(int n, int error);
int changesSoFar();
void reset();
} // namespace faults

} // namespace gk::fs
