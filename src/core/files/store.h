#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "contents.h"
#include "fsys.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace gk {

// The change store: every file Grovekeep writes into the game folder, a profile, its own folder
// or a file the user chose goes through it. It lives in Grovekeep's folder ("History"):
//
// - objects/xx/<sha-256>: the contents a change replaced, each written once, completely and
//   durably, named by its SHA-256 and never overwritten;
// - operations/NNNNNN.json: one record per operation, readable by a person (described in the
//   help page history.htm): what it was, when, and per file its path, the content before
//   (absent, or hash and size) and after, and the operation's state.
//
// An operation is written ahead: the record and every "before" content are on disk before the
// first file changes; the new files are written beside their targets, synced as a batch and
// renamed into place; then the record is marked complete. A failure puts every file back; a
// process killed midway is rolled back by recover() at the next start.

// The part a file plays in an operation.
enum class FileRole {
    Target, // a file of the game, a profile, or the user's own
    Backup, // a backup Grovekeep keeps of a target (NAME.bak, Backup\Landscape\...)
    Copy    // Grovekeep's copy of what it installed (Backup\vif\...)
};
QString roleName(FileRole role); // "target", "backup", "copy"

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
};

// What an operation is, for its record and the history.
struct OperationInfo {
    QString kind; // "package", "map", "landscape", "skin", "tattoo", "file", "save", "options",
                  // "undo"
    QString what; // for people: "Package \"river.vif\"", "Tattoo slot 3 of profile Player1"
    QString packageName;
    QString packageSha256;
    int undoes = 0; // the operation an undo undoes
};

enum class OperationState { UnderWay, Complete, Undone, RolledBack };
QString stateName(OperationState state); // "under-way", "complete", "undone", "rolled-back"

struct FileVersion {
    QString sha256;
    qint64 size = 0;
    quint32 mode = 0;
};

struct FileRecord {
    fs::Location location;
    FileRole role = FileRole::Target;
    std::optional<FileVersion> before; // none: the file did not exist
    std::optional<FileVersion> after;  // none: the operation removed it (or has not written it)
};

struct OperationRecord {
    int id = 0;
    QDateTime time;
    OperationInfo info;
    OperationState state = OperationState::UnderWay;
    int undoes = 0;   // the operation this one undid
    int undoneBy = 0; // the operation that undid this one
    QString note;     // why it was rolled back
    QList<fs::Location> createdFolders;
    QList<FileRecord> files;

    int targetCount() const;
};

// A file an operation replaces that an earlier operation, not undone, wrote.
struct Conflict {
    NativePath path;
    int operation = 0;
    QString what;
    QDateTime time;
};

// "installed by "Package \"river.vif\"" on 2026-12-07 14:03": an earlier operation, as messages
// name it.
QString installedBy(const Conflict& conflict);

struct Applied {
    int operation = 0;
    int filesWritten = 0;
    QList<Conflict> conflicts;
};

enum class FileState { Intact, Changed, Missing };
QString fileStateName(FileState state); // "intact", "changed", "missing"

struct FileCheck {
    int operation = 0;
    NativePath path;
    FileRole role = FileRole::Target;
    FileState state = FileState::Intact;
};

struct Recovered {
    int operation = 0;
    QString what;
    int filesPutBack = 0;
    QStringList problems; // files that could not be put back
};

struct Pruned {
    int operations = 0;
    qint64 bytesFreed = 0;
    QList<int> keptInstalled; // older operations kept because their files are still installed
};

class ChangeStore {
public:
    // The store in `managerFolder`'s "History" folder, created when missing. The folder itself
    // must exist.
    static Result<ChangeStore> open(const NativePath& managerFolder);

    const NativePath& managerFolder() const { return m_manager; }
    NativePath folder() const;

    using Progress = std::function<void(qsizetype done, qsizetype total)>;
    struct Options {
        // No change may write below this folder (Grovekeep's own, for a package's entries).
        std::optional<NativePath> forbidden;
        Progress progress;
    };

    // Applies the changes as one operation, all or nothing. On failure nothing is changed and
    // the message says so; if a file could not be put back, the message names it and the
    // store still holds its previous content.
    Result<Applied> apply(const OperationInfo& info, const QList<FileChange>& changes,
                          const Options& options);
    Result<Applied> apply(const OperationInfo& info, const QList<FileChange>& changes) {
        return apply(info, changes, Options{});
    }

    // Every operation, newest first.
    QList<OperationRecord> history() const;
    Result<OperationRecord> operation(int id) const;

    // The earlier operations, not undone, that wrote these targets.
    QList<Conflict> conflicts(const QList<NativePath>& targets) const;

    // Why `id` cannot be undone now (a later operation to undo first, files changed since), or
    // empty. `changedOnly` is set when the only reason is files changed since.
    QStringList undoProblems(int id, bool* changedOnly = nullptr) const;
    // Undoes an operation as a whole, itself recorded as an operation (so it can be undone in
    // turn). Refused while undoProblems() names a problem, unless `force` and the only problem
    // is files changed since.
    Result<Applied> undo(int id, bool force);

    // Each file of one operation, as it stands now; with 0, each file Grovekeep wrote, against
    // the complete operation that wrote it last.
    QList<FileCheck> verify(int id = 0) const;

    // Rolls back every operation found under way, and removes the temporary files of
    // interrupted writes.
    QList<Recovered> recover();

    // Removes the records older than `before` and the contents no remaining record needs. An
    // operation whose files are still installed is kept unless `evenInstalled`.
    Result<Pruned> prune(const QDateTime& before, bool evenInstalled, bool dryRun = false);

    // The current content of a file as a version (hash, size), or none when it is absent.
    static Result<std::optional<FileVersion>> versionOf(const fs::Location& location);

private:
    explicit ChangeStore(NativePath managerFolder);
    struct Lock;
    Result<OperationRecord> readRecord(const QString& fileName) const;
    Status writeRecord(const OperationRecord& record) const;
    int nextId() const;
    NativePath objectPath(const QString& sha256) const;
    void rollBack(OperationRecord& record, QStringList* problems);
    void unlinkAlias(const FileRecord& file) const;
    Result<Applied> applyLocked(const OperationInfo& info, const QList<FileChange>& changes,
                                const Options& options);
    Result<Applied> carryOut(const OperationInfo& info, const QList<FileChange>& changes,
                             const Options& options, bool* recorded);
    QList<Recovered> recoverLocked();
    void removeTemps(const OperationRecord& record) const;
    void removeEmptyFolders(const OperationRecord& record) const;
    void markUndone(OperationRecord record, int undoneBy) const;

    NativePath m_manager;
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
Result<ChangeStore> openStore(const ComposedPath& managerFolder);

} // namespace gk
