#pragma once

#include "paths.h"
#include "result.h"

#include <QByteArray>

namespace gk {

// Reading files, as bytes, exactly. Failures carry their kind and name the file and the
// system's reason. Every write goes through the change store (files/store.h).

// The whole file. `maxBytes` >= 0 reads at most that many bytes from its start.
Result<QByteArray> readFileBytes(const NativePath& path, qint64 maxBytes = -1);

bool fileExists(const NativePath& path);
bool folderExists(const NativePath& path);
// Both paths name one existing file, however they are spelt (links, "..", other names of it).
bool sameFile(const NativePath& a, const NativePath& b);

} // namespace gk
