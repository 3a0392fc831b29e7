#pragma once

#include "base/result.h"
#include "fsys.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <vector>

namespace gk {

// Which operations wrote which files: History/index/00 to ff, each a list of fixed-size entries
// (the file's key, 8 bytes, then the operation's id, 4 bytes, and 4 bytes kept free), appended
// by each operation before it changes any file. Looking up a file reads one small part of the
// index, so asking who wrote a file costs the same after a thousand operations as after one.
// The index can always be made again from the records; an entry cut short by a killed process
// is ignored.
class PathIndex {
public:
    // The index in the history folder `history`.
    explicit PathIndex(const fs::Folder& history);

    static quint64 keyOf(const QString& keyText);

    // Entries to append for operation `id`.
    void add(quint64 key, int id);
    bool hasPending() const { return !m_pending.empty(); }
    // Appends the entries added, each file of the index then synced with `batch`.
    Status write(fs::SyncBatch& batch);

    // The operations that wrote the file with this key, each once.
    Result<QList<int>> operationsOf(quint64 key);
    // Every entry, for rebuilding and pruning: key and operation.
    Status forEach(const std::function<void(quint64, int)>& each);
    // Rewrites the index from `entries` (key and operation), replacing what it held.
    Status rewrite(const std::vector<std::pair<quint64, int>>& entries);

    // Whether the index is known to cover every record (it was made with them, or rebuilt).
    bool isComplete() const;
    Status markComplete();

private:
    Result<fs::Folder> folder(bool create) const;
    // The parts of the index there are.
    Result<QList<int>> present() const;
    Result<QByteArray> shard(int number);

    const fs::Folder& m_history;
    std::vector<std::pair<quint64, int>> m_pending;
    QHash<int, QByteArray> m_read;
};

} // namespace gk
