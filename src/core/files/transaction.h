#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

namespace gk {

// A set of file writes that is kept or undone as a whole. Before a file is written the
// first time, what stood there is remembered (its bytes, or that there was nothing); every
// write is atomic (writeFileAtomic). rollBack() puts every written file back as it was and
// removes the files that did not exist.
class FileTransaction {
public:
    // What stood at a path before the transaction first touched it.
    struct Before {
        bool existed = false;
        QByteArray bytes;
    };

    // Remembers what stands at `path` now, unless it is remembered already. Fails when the
    // path is a folder or the file cannot be read (then it could not be put back).
    Result<Before> remember(const NativePath& path);

    // remember(), then writes `bytes` to `path` atomically.
    Status write(const NativePath& path, const QByteArray& bytes);

    // Puts every remembered file back, the last one first. Returns a message for each file
    // that could not be put back (empty when all were).
    QStringList rollBack();

private:
    struct Saved {
        NativePath path;
        Before before;
    };
    static QString key(const NativePath& path);

    QList<Saved> m_saved;
    QHash<QString, qsizetype> m_index; // key(path) -> position in m_saved
};

// `failure` followed by what rollBack() could not put back, if anything.
Status withRollBack(const Status& failure, FileTransaction& transaction);

} // namespace gk
