#pragma once

#include "base/paths.h"
#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace gk {

// One file a change writes, and where what it replaces is kept first.
struct FileWrite {
    FileWrite(NativePath target, QByteArray contents,
              std::optional<NativePath> backup = std::nullopt, bool keepWhenAbsent = false)
        : target(std::move(target))
        , contents(std::move(contents))
        , backup(std::move(backup))
        , keepWhenAbsent(keepWhenAbsent) {}

    NativePath target;
    QByteArray contents;
    // Where the target's present content is written before the target changes. Without a
    // file at the target nothing is kept, unless `keepWhenAbsent` asks for an empty backup.
    std::optional<NativePath> backup;
    bool keepWhenAbsent = false;
    // The target's folder is one of Grovekeep's own: created when missing.
    bool createFolder = false;
    // Put before a failure's message ("Entry 2 ("hills.lnd")"); empty for none.
    QString label;
};

// Called after each write of `writes` has been made, with how many are done.
using WriteProgress = std::function<void(qsizetype done, qsizetype total)>;

// The one way Grovekeep backs up and replaces files. Writes `writes` in order, each
// atomically, keeping each target's present content in its backup first (the folders of the
// backups are created when missing). A target that stands but cannot be read (a folder, say)
// is not replaced. All or nothing: when a write fails, every file already written, backups
// included, is put back as it was, and the folders this change created are removed again,
// before the failure is returned.
Status replaceWithBackups(const QList<FileWrite>& writes, const WriteProgress& progress = {});

} // namespace gk
