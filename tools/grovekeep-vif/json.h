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

// list: [{"index", "installPath", "title", "size", "problem"}], in file order; this is one
// entry of the array.
QJsonObject entryJson(int index, const vif::PackEntry& entry, const QString& problem);

// `element` as QJsonDocument::Indented writes an element of a top-level array, without the
// comma and line end that follow it: list writes its array an element at a time.
QByteArray indentedElement(const QJsonObject& element);

// install --dry-run: {"package": {"name", "sha256"}, "installable", "entries": [{"index",
// "action", "installPath", "title", "target", "reason", "installedBy": {"operation", "what",
// "time"}}]}. `earlier` holds the earlier operations by target path (NativePath::text()).
Result<QJsonObject> planJson(const OperationInfo& package, const PackagePlan& plan,
                             const QHash<QString, Conflict>& earlier);

// history: [{"id", "time", "state", "kind", "what", "files", "package": {"name", "sha256"},
// "undoes", "undoneBy", "note"}], newest first as given.
QJsonArray historyJson(const QList<OperationRecord>& history);

// verify: [{"operation", "state", "role", "path"}].
QJsonArray checksJson(const QList<FileCheck>& checks);

} // namespace gk::cli
