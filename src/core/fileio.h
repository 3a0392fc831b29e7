#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

namespace gk {

// All functions take composed or native paths (see toNativePath) and move bytes exactly.

// The whole file. `maxBytes` >= 0 reads at most that many bytes from its start.
Result<QByteArray> readFileBytes(const QString& path, qint64 maxBytes = -1);

// Replaces or creates the file atomically: the bytes go to a temporary file beside the
// target, which takes the target's place only when every byte is on disk. On any failure
// the target keeps its previous content.
Status writeFileAtomic(const QString& path, const QByteArray& bytes);

// Byte-exact copy through writeFileAtomic.
Status copyFileBytes(const QString& from, const QString& to);

bool fileExists(const QString& path);
bool folderExists(const QString& path);

// Creates the folder and its parents when missing.
Status ensureFolder(const QString& path);

} // namespace gk
