#pragma once

#include "base/names.h"
#include "base/paths.h"
#include "base/result.h"
#include "files/fsys.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

namespace gk {

// The game's own top-level folders, as a package's install path names them.
QStringList gameTopLevelFolders();

// A package entry's title, used only as a bare file name: refused when it holds a
// separator or has a componentProblem. Empty result when acceptable.
QString titleProblem(const QString& title);
// The same as the reason an entry is refused ("the title cannot be used as a file name: ..."),
// or empty.
QString titleRefusal(const QString& title);

// True when the canonical path lies in (or is) the canonical folder; false when either is empty.
bool insideFolder(const QString& canonicalPath, const QString& canonicalFolder);

struct ResolvedPath {
    fs::Location target; // below the game folder, each name spelt as it stands there
    QString relative;    // the part below the game folder, as written ("Data\Landscape\x.lnd")
    bool exists = false; // a file already stands there (it will be replaced)
};

// `folder` followed by `relative` (backslash-separated), each component of `relative` spelt
// as the existing file or folder that matches it without regard to letter case:
// "Scripts\Playgrounds\river.txt" becomes "scripts/playgrounds/River.txt" where the game has
// those. Components that do not exist are kept as written. Only reads the file system.
fs::Location matchLetterCase(const NativePath& folder, const QString& relative);

// What resolveInstallPath reads of a game folder: each folder's names, read once and kept, so a
// package of many entries reads each folder once.
class GameFolderView {
public:
    explicit GameFolderView(const ComposedPath& gameFolder);
    ~GameFolderView();
    GameFolderView(const GameFolderView&) = delete;
    GameFolderView& operator=(const GameFolderView&) = delete;

    const ComposedPath& gameFolder() const { return m_gameFolder; }
    struct Listing;
    // The listing of a native folder (read on first use).
    const Listing& listing(const QString& folder);

private:
    ComposedPath m_gameFolder;
    std::unique_ptr<QHash<QString, Listing>> m_listings;
};

// Places a package entry's install path inside the receiving game folder.
//
// The path is split at '\' and '/'. Refused outright, never cleaned up: an empty path,
// UNC paths ("\\server\share"), device paths ("\\?\", "\\.\"), a drive-relative path
// ("C:file"), and any component with a componentProblem (the drive letter "C:" of an
// absolute path excepted).
//
// The rightmost component that names one of the game's top-level folders (case
// insensitively: gameTopLevelFolders(), plus every folder that exists directly in
// `gameFolder` whose name does not start with a dot) starts the part that is placed below
// `gameFolder`; a path without one is refused. Each folder of that part must already exist in the
// game folder; it is matched without regard to letter case (Wine folders on Linux are
// case-sensitive, Windows paths are not), and so is an existing file of the same name. The result
// must lie inside the game folder after symbolic links are resolved, and the target itself must not
// be a symbolic link or a folder.
//
// Failures are of the kind UnsafePath (NotFound for a missing game folder) and name the
// install path and the reason.
Result<ResolvedPath> resolveInstallPath(const QString& installPath, const ComposedPath& gameFolder);
Result<ResolvedPath> resolveInstallPath(const QString& installPath, GameFolderView& view);

} // namespace gk
