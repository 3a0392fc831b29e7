#pragma once

#include "base/result.h"
#include "fsys.h"
#include "record.h"

#include <QList>
#include <QString>

#include <map>
#include <optional>

// The history folder of the change store, as the store's parts use it. Nothing outside
// core/files includes this.
namespace gk {

struct OperationRecord;
struct Conflict;

namespace history {
inline const QString kHistory = QStringLiteral("History");
inline const QString kObjects = QStringLiteral("objects");
inline const QString kOperations = QStringLiteral("operations");
inline const QString kPending = QStringLiteral("pending");
inline const QString kTemporary = QStringLiteral("tmp");
inline const QString kLastId = QStringLiteral("last-id");
} // namespace history

// Grovekeep's "History" folder, every part opened from Grovekeep's folder without following a
// link, and made only when something is written.
class HistoryFolder {
public:
    explicit HistoryFolder(NativePath manager);

    NativePath path() const;
    bool exists() const;
    // History itself, or one of its parts; NotFound when it is not there (and not `create`).
    Result<const fs::Folder*> open(bool create = false);
    Result<const fs::Folder*> part(const QString& name, bool create = false);

    // The ids of the records, and the names in operations/ that are records of an older
    // Grovekeep ("000012.json"), as listed once; forgetRecords() after records were added or
    // removed.
    Result<QList<int>> recordIds();
    Result<QStringList> olderRecords();
    void forgetRecords() { m_listing.reset(); }
    // The id the next operation gets: ids never go back, even after every record was pruned.
    Result<int> nextId();
    Status keepLastId(int id);

    // pending/NNNNNN: the operations whose end is not marked everywhere yet.
    Result<QList<int>> pending();
    Status setPending(int id);
    Status clearPending(int id);

    // The kept content with this SHA-256, opened without following a link.
    Result<fs::File> openObject(const Digest& sha256);
    fs::Location objectLocation(const Digest& sha256) const;
    // Keeps what `source` holds: copied into tmp/ (synced), then given its name in objects/.
    // `info` is what was known of the file; a file that changes meanwhile is a failure.
    Result<FileVersion> keep(fs::File& source, const fs::Info& info, const QString& shown);

    // Removes the files left in tmp/.
    void removeTemporaries();

    // The record of operation `id` read as a summary (head and state), or whole.
    Result<OperationRecord> summary(int id, const Places& places);
    // Whether the record of operation `id` has its first line whole (a process killed while it
    // wrote that line left none).
    bool recordBegun(int id);
    // Every line of the record of operation `id`, checked, in constant memory.
    Status check(int id);
    // `ready`: the record was written whole before any file changed.
    // `token`: the names of its temporary files (temporaryName()).
    Result<OperationRecord> whole(int id, const Places& places, bool* ready = nullptr,
                                  QString* token = nullptr);

private:
    struct Listing {
        QList<int> ids;
        QStringList older;
    };
    Result<const Listing*> listing();

    NativePath m_manager;
    std::map<QString, fs::Folder> m_open;
    std::optional<Listing> m_listing;
};

// The earlier operations, complete and not undos, that wrote these files last.
QList<Conflict> findConflicts(HistoryFolder& history, const Places& places,
                              const QList<NativePath>& targets);

// Puts back at `location` what it held before an operation: the kept content, checked against
// its SHA-256 while it is copied (a damaged copy changes nothing), or no file at all. The file
// keeps the owner, group and attributes of the file it replaces, else those kept with the copy.
// `durable` is false when the file is back but the system could not confirm that its folder is
// on the disk. The content is written beside the file as `temporary` (a name of the operation's,
// which its recovery clears should this be cut short).
Status putBack(HistoryFolder& history, const fs::Location& location,
               const std::optional<FileVersion>& before, const QString& temporary, bool* durable);

} // namespace gk
