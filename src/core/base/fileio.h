#pragma once

#include "paths.h"
#include "result.h"

#include <QByteArray>

namespace gk {

// Files are moved as bytes, exactly. Failures carry their kind and name the file and the
// system's reason.

// The whole file. `maxBytes` >= 0 reads at most that many bytes from its start.
Result<QByteArray> readFileBytes(const NativePath& path, qint64 maxBytes = -1);

// Replaces or creates the file atomically: the bytes go to a temporary file beside the
// target, which takes the target's place only when every byte is on disk. On any failure
// the target keeps its previous content.
Status writeFileAtomic(const NativePath& path, const QByteArray& bytes);

bool fileExists(const NativePath& path);
bool folderExists(const NativePath& path);

// Creates the folder and its parents when missing.
Status ensureFolder(const NativePath& path);

} // namespace gk
