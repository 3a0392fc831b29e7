#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "contents.h"
#include "fsys.h"
#include "record.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace gk {

// The change store: every file Grovekeep writes into the game folder, a profile, its own folder
// or a file the user chose goes through it. It lives in Grovekeep's folder ("History"):
//
// - objects/xx/<sha-256>: the contents a change replaced, each a copy made and synced before
//   any file changed, named by its SHA-256, and checked against its name before it is put
//   back;
// - operations/NNNNNN.jsonl: one record per operation (record.h), written ahead of every
//   change and read back as untrusted input;
// - index/: which operations wrote which files (pathindex.h), so that an operation costs the
//   same however long the history is;
// - pending/NNNNNN: the operations that are under way (or whose end is not yet marked
//   everywhere), looked at by the recovery of the next command;
// - tmp/: contents being kept.
//
// The store takes the lock of Grovekeep's folder for each operation, so that two Grovekeeps, or
// a Grovekeep and a grovekeep-vif, never interleave. It is only created when something is
// written: reading, planning and refusing leave the disk as it was.

// One file an operation writes (or removes).
struct FileChange {
    FileChange(fs::Location target, Contents contents, FileRole role = FileRole::Target)
        : target(std::move(target))
        , contents(std::move(contents))
        , role(role) {}

    fs::Location target;
    Contents contents;
    FileRole role = FileRole::Target;
    bool remove = false; // the operation removes the file instead
    // Where the target's present content is kept as a visible backup before the target
    // changes. Without a file at the target nothing is kept, unless `keepWhenAbsent` asks for an
    // empty backup.
    std::optional<fs::Location> backup;
    bool keepWhenAbsent = false;
    // The target's folders are Grovekeep's own: created when missing.
    bool createFolders = false;
    // Put before a failure's message ("Entry 2 ("hills.lnd")"); empty for none.
    QString label;
    // The contents are those of change number `sameAs` of the same operation (a copy).
    int sameAs = -1;
    // The contents must have this SHA-256 (a kept content put back): a mismatch fails the
    // operation before any file changes.
    std::optional<Digest> expected;
    // The new file's permission bits; by default those of the file it replaces.
    std::optional<quint32> mode;
};

// The changes of an operation, handed over one at a time, so that an operation of many files
// never holds them all.
class ChangeSource {
public:
    virtual ~ChangeSource() = default;
    virtual qsizetype size() const = 0;
    // Change `k`; asked again as the operation needs it, and always the same.
    virtual FileChange at(qsizetype k) const = 0;
};

class ChangeList : public ChangeSource {
public:
    ChangeList(QList<FileChange> changes)
        : m_changes(std::move(changes)) {}
    qsizetype size() const override { return m_changes.size(); }
    FileChange at(qsizetype k) const override { return m_changes.at(k); }

private:
    QList<FileChange> m_changes;
};

// What an operation is, for its record and the history.
struct OperationInfo {
    QString kind; // "package", "map", "landscape", "skin", "tattoo", "file", "save", "options",
                  // "undo", "extract"
    QString what; // for people: "Package \"river.vif\"", "Tattoo slot 3 of profile Player1"
    QString packageName;
    QString packageSha256;
    int undoes = 0; // the operation an undo undoes
};

struct FileRecord {
    fs::Location location; // where the file is, as shown
    RecordedPath recorded;
    FileRole role = FileRole::Target;
    bool remove = false;
    std::optional<FileVersion> before; // none: the file did not exist
    std::optional<FileVersion> after;  // none: the operation removed it (or has not written it)
    std::optional<FileVersion> kept;   // a later version a roll-back kept before putting it back
};

struct OperationRecord {
    int id = 0;
    QDateTime time;
    OperationInfo info;
    OperationState state = OperationState::UnderWay;
    int undoes = 0;   // the operation this one undid
    int undoneBy = 0; // the operation that undid this one
    QString note;     // why it was rolled back
    QString game;     // the game folder its game files lie in
    int fileCount = 0;
    // Why the record cannot be read; then only the id is known. `damaged`: for what it holds
    // (it was changed, cut or planted), not for a read that failed and may not fail again.
    QString unreadable;
    bool damaged = false;
    // Filled by ChangeStore::operation() only.
    QList<fs::Location> createdFolders;
    QList<FileRecord> files;

    bool readable() const { return unreadable.isEmpty(); }
    int targetCount() const;
};

// A file an operation replaces that an earlier operation, not undone, wrote.
struct Conflict {
    NativePath path;
    int operation = 0;
    QString what;
    QDateTime time;
};

// "installed by "Package \"river.vif\"" on 2026-12-07 14:03": an earlier operation, as
// grovekeep-vif's output lines name it, always in English (describe.h has it for people).
QString installedBy(const Conflict& conflict);

struct Applied {
    int operation = 0;
    int filesWritten = 0;
    int backupsMade = 0; // backups of files that were there (a file that was not has none)
    QList<Conflict> conflicts;
    QList<NativePath> files; // every file the operation wrote or removed, backups included
};

enum class FileState { Intact, Changed, Missing, Unreadable };
// "intact", "changed", "missing", "unreadable": the word grovekeep-vif writes, always in English
// (describe.h has it for people).
QString fileStateName(FileState state);

struct FileCheck {
    int operation = 0;
    NativePath path;
    FileRole role = FileRole::Target;
    FileState state = FileState::Intact;
    QString problem; // why it is unreadable
};

struct Recovered {
    int operation = 0;
    QString what;
    int filesPutBack = 0;
    QStringList kept;        // later versions kept in the history before the file was put back
    QStringList problems;    // files that could not be put back, each with why
    QList<NativePath> files; // the files put back
};

// What a completed change did to the disk: told to the process's listener (see
// ChangeStore::setListener) so that what shows those files can show them again.
struct Announcement {
    int operation = 0;
    QList<NativePath> files;
};

struct Pruned {
    int operations = 0;
    qint64 bytesFreed = 0;
    QList<int> keptInstalled; // older operations kept because their files are still installed
};

// What a check of the kept contents found.
struct StoreCheck {
    int objects = 0;
    QStringList damaged; // objects whose bytes do not match their name, or that cannot be read
};

class ChangeStore {
public:
    // The store in `managerFolder`'s "History" folder; `gameFolder` is the game folder as it is
    // set now (empty when unknown): the history changes files only there, in Grovekeep's own
    // folder, and in files it wrote in the same run. Grovekeep's folder must exist; nothing is
    // created yet.
    static Result<ChangeStore> open(const NativePath& managerFolder,
                                    const NativePath& gameFolder = NativePath());

    // The one listener of this process, told of every completed apply, undo and recovery that
    // changed a file, once the store's lock is released, on the thread that did the work.
    using Listener = std::function<void(const Announcement&)>;
    static void setListener(Listener listener);

    const NativePath& managerFolder() const { return m_places.manager; }
    const Places& places() const { return m_places; }
    NativePath folder() const;

    // Asked every tenth of a second while another Grovekeep or grovekeep-vif holds the lock
    // (`ended` false): false gives up (the work fails as Cancelled, having changed nothing).
    // Told once when such a wait is over (`ended` true).
    using Waiting = std::function<bool(bool ended)>;
    void setWaiting(Waiting waiting) { m_waiting = std::move(waiting); }

    // Bytes written so far and in all.
    using Progress = std::function<void(qint64 done, qint64 total)>;
    struct Options {
        // No change may write below this folder (Grovekeep's own, for a package's entries).
        std::optional<NativePath> forbidden;
        Progress progress;
        // Asked as the new contents are written, every few megabytes: true stops the work,
        // which is rolled back and fails as Cancelled ("Cancelled. Nothing was changed.").
        std::function<bool()> stop;
        // What change `k` is called in messages, where its own label is empty.
        std::function<QString(qsizetype k)> label;
        // Runs every check of the operation and stops before the first write.
        bool dryRun = false;
    };

    // Applies the changes as one operation, all or nothing. On failure nothing is changed and
    // the message says so; if a file could not be put back, the message names it and the
    // store still holds its previous content.
    Result<Applied> apply(const OperationInfo& info, const ChangeSource& changes,
                          const Options& options);
    Result<Applied> apply(const OperationInfo& info, QList<FileChange> changes,
                          const Options& options) {
        return apply(info, ChangeList(std::move(changes)), options);
    }
    Result<Applied> apply(const OperationInfo& info, QList<FileChange> changes);

    // Every operation, newest first, without its files; a record that cannot be read is listed
    // with why. Each record is read whole when `wholeRecords` (every line checked, in constant
    // memory; a record file unchanged since this process last found it whole is not read
    // again); otherwise only its head and its state, which is fast however large it is.
    Result<QList<OperationRecord>> history(bool wholeRecords = false) const;
    // One operation with its files.
    Result<OperationRecord> operation(int id) const;

    // The earlier operations, not undone, that wrote these targets.
    QList<Conflict> conflicts(const QList<NativePath>& targets) const;

    // Why `id` cannot be undone now (a later operation to undo first, files changed since, a
    // file outside the folders the history may change), or empty. `changedOnly` is set when the
    // only reason is files changed since.
    QStringList undoProblems(int id, bool* changedOnly = nullptr) const;
    // Undoes an operation as a whole, itself recorded as an operation (so it can be undone in
    // turn). Refused while undoProblems() names a problem, unless `force` and the only problem
    // is files changed since. Every content put back is checked against its recorded SHA-256
    // first; a damaged one changes nothing.
    Result<Applied> undo(int id, bool force);

    // Each file of one operation, as it stands now; with 0, each file Grovekeep wrote, against
    // the complete operation that wrote it last. A record that cannot be read is one check,
    // unreadable, naming the record.
    QList<FileCheck> verify(int id = 0) const;
    // Every kept content against its name.
    Result<StoreCheck> verifyStore() const;

    // Rolls back every operation found under way, removes the temporary files of interrupted
    // writes, and finishes what an interrupted undo left to mark.
    Result<QList<Recovered>> recover();

    // Removes the records older than `before` and the contents no remaining record needs. An
    // operation whose files are still installed is kept unless `evenInstalled`. Refused while
    // any record cannot be read: what it needs cannot be known.
    Result<Pruned> prune(const QDateTime& before, bool evenInstalled, bool dryRun = false);

    // The current content of a file as a version (hash, size), or none when it is absent.
    static Result<std::optional<FileVersion>> versionOf(const fs::Location& location);

private:
    explicit ChangeStore(Places places);
    struct Locked;
    friend class Operation;
    Result<Locked> lock();
    Status prepare(Locked& locked);
    Result<QList<Recovered>> recoverLocked(Locked& locked);
    // Recovers, and refuses when an interrupted operation is still under way.
    Status recoverFirst(Locked& locked);
    // The lock of a change: the history prepared and recovered first.
    Result<Locked> lockForChange();

    Places m_places;
    Waiting m_waiting;
};

// Writes files that do not exist yet, where no store is at hand (grovekeep-vif without a
// Grovekeep folder): each is written beside its place, synced, then given its name, which
// fails when a file took that name meanwhile. All or nothing. The changes' backups and roles
// are ignored; their folders are created when `createFolders`.
Status writeNewFiles(const QList<FileChange>& changes);

// A file the user chose: written as one operation of `store`, or without a store only as new
// files (writeNewFiles), since nothing could keep what an existing one held.
Status saveFiles(ChangeStore* store, const OperationInfo& info, const QList<FileChange>& changes);
// How saving a file the user chose is recorded: "<what> saved as <path>".
OperationInfo savedAs(const QString& what, const NativePath& path);

// The store of Grovekeep's folder, with a message for the user when it cannot be used.
Result<ChangeStore> openStore(const ComposedPath& managerFolder,
                              const ComposedPath& gameFolder = ComposedPath());

} // namespace gk
