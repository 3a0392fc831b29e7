#pragma once

// grovekeep-vif's results as JSON (--json), one document a run. The shapes are part of the
// tool's interface, described in its manual page: keys are added, never renamed or removed,
// and a key that is unknown or does not apply is left out rather than given an empty value.

#include "files/store.h"
#include "installer/install.h"
#include "installer/vif.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

namespace gk::cli {

// ISO 8601 in the local time of this machine, with its offset from UTC.
QString localIsoTime(const QDateTime& time);

// "add", "replace" or "refused": what installing does with an entry.
QString actionName(const EntryAction& entry);

// list: [{"index", "installPath", "title", "size", "problem"}], in file order.
QJsonArray packageJson(const vif::Package& package);

// install --dry-run: {"package": {"name", "sha256"}, "installable", "entries": [{"index",
// "action", "installPath", "title", "target", "reason", "installedBy": {"operation", "what",
// "time"}}]}. `earlier` holds the earlier operations by target path (NativePath::text()).
QJsonObject planJson(const OperationInfo& package, const PackagePlan& plan,
                     const QHash<QString, Conflict>& earlier);

// history: [{"id", "time", "state", "kind", "what", "files", "package": {"name", "sha256"},
// "undoes", "undoneBy", "note"}], newest first as given.
QJsonArray historyJson(const QList<OperationRecord>& history);

// verify: [{"operation", "state", "role", "path"}].
QJsonArray checksJson(const QList<FileCheck>& checks);

} // namespace gk::cli
