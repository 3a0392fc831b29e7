#pragma once

#include "store.h"

#include <QList>
#include <QString>

namespace gk {

// How the history is described to people: in the History window and by grovekeep-vif, in the
// user's language. (The words the records and grovekeep-vif's output lines use are store.h's
// and record.h's, always in English.)

// "added", "replaced" or "removed": what an operation did to a file.
QString changeName(const FileRecord& file);

// "under-way", "complete", "undone", "rolled-back": the state of an operation.
QString stateText(OperationState state);

// "intact", "changed", "missing", "unreadable": a file as a check of the history found it.
QString fileStateText(FileState state);

// "installed by Package "river.vif" on 2026-12-07 14:03": the earlier operation that wrote a
// file.
QString installedByText(const Conflict& conflict);

// What an operation was, as its record says it in English ("Package "river.vif"", "Undo of 3:
// ..."), in the user's language; anything else as it is.
QString whatText(const QString& what, int depth = 0);

// An operation's note: one Grovekeep wrote into the record in English ("Interrupted; rolled
// back at the next start.") in the user's language, any other as it is.
QString noteText(const QString& note);

// "12.3 MiB", "512 bytes".
QString sizeText(qint64 bytes);

// The ages the history can be freed from, for people to choose.
struct PruneAge {
    QString caption;
    int days;
};
QList<PruneAge> pruneAges();

// "3 files" / "1 file", "2 operations" / "1 operation".
QString filesText(int count);
QString operationsText(int count);

// "Operation 7 (Package "a.vif"): 3 files put back." or "...: no file had been changed yet."
QString recoveredText(const Recovered& recovered);

} // namespace gk
