#pragma once

#include "base/paths.h"
#include "files/store.h"

#include <QList>
#include <QObject>

namespace gk {

// Tells Grovekeep's windows what the change store changed: every completed install, save, undo
// and recovery, whichever window (or thread) did it, reaches them on the interface thread, so
// that a window showing one of those files shows what the disk now holds. When options.txt is
// among the files, the shared settings are read again first.
class StoreChanges : public QObject {
    Q_OBJECT
public:
    // The one instance; the store's listener is set when it is first asked for, on the
    // interface thread.
    static StoreChanges& instance();

    // Whether `path` is one of `files` (letter case ignored where the file system ignores it).
    static bool names(const QList<NativePath>& files, const NativePath& path);
    // Whether one of `files` lies directly in `folder`.
    static bool holdsOneIn(const QList<NativePath>& files, const NativePath& folder);

signals:
    void changed(const gk::Announcement& announcement);

private:
    StoreChanges();
    void tell(const Announcement& announcement);
};

} // namespace gk
