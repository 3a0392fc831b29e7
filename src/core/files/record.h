#pragma once

#include "base/result.h"
#include "base/sha256.h"
#include "fsys.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// An operation's record in the history: a file of JSON lines in History/operations/, read as
// untrusted input. The help page history.htm describes it for people. In order:
//
//   {"record":"grovekeep-history","version":2,"id":..,"time":..,"kind":..,"what":..,
//    "package":{..},"undoes":..,"game":..,"temp":..,"folders":N,"files":M}    the head
//   {"folder":PATH,"root":ROOT}                         N folders the operation creates
//   {"file":PATH,"root":ROOT,"role":..,"before":{"sha256":..,"size":..,"mode":..}|null}
//                                                       M files (with "remove":true to remove)
//   {"after":K,"sha256":..,"size":..,"mode":..}         what file K holds once written
//   {"ready":{"lines":L,"sha256":..}}                   every line above is on the disk: from
//                                                       here on files may be replaced
//   {"kept":K,"sha256":..,"size":..,"mode":..}          a later version of file K, kept by a
//                                                       roll-back before it put file K back
//   {"state":"complete"|"undone"|"rolled-back", ...}    the last one says where it stands;
//                                                       none: under way
//
// ROOT is "game" (the game folder named in the head), "grovekeep" (Grovekeep's own folder,
// wherever it is now: a copied folder undoes in the copy) or the absolute folder of a file the
// user chose. PATH is the file's path below its root, with '/'.
namespace gk {

// The part a file plays in an operation.
enum class FileRole {
    Target, // a file of the game, a profile, or the user's own
    Backup, // a backup Grovekeep keeps of a target (NAME.bak, Backup\Landscape\...)
    Copy    // Grovekeep's copy of what it installed (Backup\vif\...)
};
QString roleName(FileRole role); // "target", "backup", "copy"

enum class OperationState { UnderWay, Complete, Undone, RolledBack };
// "under-way", "complete", "undone", "rolled-back": the word the record and grovekeep-vif write
// (describe.h has it for people).
QString stateName(OperationState state);

// A content of a file: its SHA-256, its size and its permission bits.
struct FileVersion {
    Digest sha256;
    qint64 size = 0;
    quint32 mode = 0;
    bool operator==(const FileVersion&) const = default;
};

enum class RootKind { Game, Grovekeep, Elsewhere };

// Where a file of an operation lies, as recorded.
struct RecordedPath {
    RootKind root = RootKind::Game;
    QString elsewhere; // the absolute folder, for RootKind::Elsewhere
    QString path;      // below the root, components separated by '/'

    // The key of the file in the history's index: the same file has the same key whichever
    // operation wrote it. `game` is the game folder of the operation.
    QString key(const QString& game) const;
    bool operator==(const RecordedPath&) const = default;
};

// Why a recorded path cannot be used, or empty: every component passes the rules of names
// (no "..", no control character, no Windows device name, ...); a hidden top-level folder of
// the game folder and Grovekeep's own history are never files of an operation; a folder of
// elsewhere is absolute and clean.
QString recordedPathProblem(const RecordedPath& path);

// A folder as recorded: cleaned, absolute, with '/' and no closing separator.
QString cleanFolder(const NativePath& folder);

// Grovekeep's folder and the game folder as they are configured now: where the history's roots
// lie.
struct Places {
    NativePath manager;
    NativePath game; // empty when unknown

    // How a file is recorded: below Grovekeep's folder, below the game folder, or elsewhere
    // below the folder it was given with.
    RecordedPath classify(const fs::Location& location) const;
    // What the history does with a file it names.
    enum class Use {
        Change, // undo, roll back: only in the game folder as it is set now (and it must be
                // the record's), and in Grovekeep's folder
        Read    // verify: wherever the operation wrote it
    };
    // The file a record names, or why it cannot be used so.
    Result<fs::Location> resolve(const RecordedPath& path, const QString& recordGame,
                                 Use use) const;
    // The file as shown to people, wherever it lies.
    fs::Location shown(const RecordedPath& path, const QString& recordGame) const;
};

struct RecordHead {
    int id = 0;
    QDateTime time;
    QString kind;
    QString what;
    QString packageName;
    QString packageSha256;
    int undoes = 0;
    QString game;  // the game folder the operation's "game" files lie in (cleanFolder)
    QString token; // the temporary files beside the operation's files are ".~gk-TOKEN.K"
    int folders = 0;
    int files = 0;
};

struct RecordedFile {
    RecordedPath path;
    FileRole role = FileRole::Target;
    bool remove = false;
    std::optional<FileVersion> before; // none: there was no file
};

// What file `file` of the operation holds after it, or a later version a roll-back kept.
struct RecordedVersion {
    int file = 0;
    FileVersion version;
};

struct RecordedState {
    OperationState state = OperationState::UnderWay;
    int undoneBy = 0;
    QString note;
};

// The name of a temporary file beside file `k` of an operation.
QString temporaryName(const QString& token, int k);
// A new token for an operation's temporary files.
QString newToken();

// Writes a record as the operation goes, a line at a time, never holding it whole. Lines are
// buffered until flush() or sync().
class RecordWriter {
public:
    static Result<RecordWriter> create(const fs::Folder& operations, const QString& name);
    RecordWriter(RecordWriter&&) noexcept;
    RecordWriter& operator=(RecordWriter&&) noexcept;
    ~RecordWriter();

    Status head(const RecordHead& head);
    Status folder(const RecordedPath& path);
    Status file(const RecordedFile& file);
    Status after(const RecordedVersion& after);
    // The ready line, with the checksum of every line written so far.
    Status ready();
    Status flush();
    Status sync();
    const NativePath& path() const;

private:
    RecordWriter();
    Status line(const QByteArray& line);
    struct State;
    std::unique_ptr<State> m_state;
};

// Appends lines after the record's body: kept versions and states. A line cut short by a
// process killed while writing it is cut off first. `written` tells whether the lines are in
// the record, even when they could not be made durable (the failure then is the sync's).
Status appendToRecord(const fs::Folder& operations, const QString& name,
                      const QList<RecordedVersion>& kept, const RecordedState& state,
                      bool* written = nullptr);

// Reads a record as untrusted input: sizes are bounded, every field is checked, and the body's
// checksum is compared with its ready line. Failures say what is wrong with the record.
class RecordReader {
public:
    static Result<RecordReader> open(const fs::Folder& operations, const QString& name);
    RecordReader(RecordReader&&) noexcept;
    RecordReader& operator=(RecordReader&&) noexcept;
    ~RecordReader();

    // The record's file as it was opened.
    const fs::Info& fileInfo() const;
    Result<RecordHead> head();
    // The last state line; under way when there is none.
    Result<RecordedState> state();

    struct Body {
        std::function<Status(const RecordedPath&)> folder;
        std::function<Status(int, const RecordedFile&)> file;
        std::function<Status(const RecordedVersion&)> after;
        std::function<Status(const RecordedVersion&)> kept;
    };
    // Every line in order, handed to `body`; `ready` tells whether the ready line was found
    // (and matched the lines before it).
    Status read(const Body& body, bool* ready, RecordedState* state);

private:
    RecordReader();
    struct State;
    std::unique_ptr<State> m_state;
};

// Parses one line of a record; for the fuzzer and the tests.
Status checkRecordLine(const QByteArray& line);

// The name of the record of operation `id` ("000012.jsonl"), and the id a name gives (0 when
// the name is none of ours).
QString recordName(int id);
int recordId(const QString& name);

} // namespace gk
