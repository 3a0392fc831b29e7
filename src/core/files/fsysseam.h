#pragma once

#include "fsys.h"

#include <functional>

// What the two file layers (fsys.cpp on POSIX, fsys_win.cpp on Windows) share with the code
// common to both (fsys_common.cpp). Nothing outside those three files includes this.
namespace gk::fs::detail {

// Counts a step of kind `kind`; true when the fault seam makes it fail (errno is then set).
// Ends the process when the seam asks for that at this change.
bool faultHere(faults::Steps kind = faults::Changes);
// Whether the rename that refuses to replace may be used (the seam can forbid it).
bool renameNoReplaceWanted();
// Closes an open descriptor or handle.
void closeHandle(qintptr handle);
// Appends `size` bytes of `source` from `offset` to `target` through a buffer.
Status copyThroughBuffer(File& target, File& source, qint64 offset, qint64 size);
// "Could not read "path": reason." for what was being done, in the user's language; `reason`
// is a clause ("it is not a regular file").
QString couldNot(Doing doing, const NativePath& path, const QString& reason);
// The failure of a file that ends before `size` bytes were read.
Status endedEarly(const NativePath& path);
// Tries `takeLock` every tenth of a second until it takes the lock (true) or fails; while
// another holds it, `stillWaiting` is asked each time, and false gives up (a Cancelled failure).
Status waitForLock(const std::function<Result<bool>()>& takeLock,
                   const std::function<bool()>& stillWaiting);

} // namespace gk::fs::detail
