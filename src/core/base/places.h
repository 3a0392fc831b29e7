#pragma once

#include "paths.h"

#include <QList>

namespace gk {

// Where a Grovekeep keeps its things. A portable Grovekeep is one folder: the programs, the
// help, and its own writable folder (options, backups, history) are the program's folder. An
// installed one has its programs in the system's places and its writable folder in the user's
// data folder.

// The mark beside the program that keeps a Grovekeep portable.
inline constexpr const char* kPortableMark = "portable";

// A portable Grovekeep's program folder: it holds the mark, or it is writable and holds an
// options.txt.
bool isPortableFolder(const NativePath& programFolder);

// The user's folder for Grovekeep: "Grovekeep" in the data folder (~/.local/share/Grovekeep/
// on Linux), with its closing separator. Not created.
NativePath userDataFolder();

// Grovekeep's own folder as proposed the first time: the program's folder when portable, the
// user's data folder otherwise.
NativePath proposedManagerFolder(const NativePath& programFolder);

// Where the help viewer may be, in order: the Grovekeep folder's Help\ (as the options say), the
// program folder's Help/ (portable), and the installed place beside the programs.
QList<NativePath> helpViewerCandidates(const ComposedPath& managerFolder,
                                       const NativePath& programFolder);

// Where the web engine module may be: beside the program (portable), then its installed place.
QList<NativePath> webModuleCandidates(const NativePath& programFolder, const QString& moduleName);

// The help pages of the help viewer in `helpProgramFolder`: HelpFiles beside it, else their
// installed place. The first that exists; the one beside it when none does.
NativePath helpPagesFolder(const NativePath& helpProgramFolder);

} // namespace gk
