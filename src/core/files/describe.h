#pragma once

#include "store.h"

#include <QList>
#include <QString>

namespace gk {

// How the history is described to people: in the History window and by grovekeep-vif.

// "added", "replaced" or "removed": what an operation did to a file.
QString changeName(const FileRecord& file);

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
