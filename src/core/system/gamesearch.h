#pragma once

#include "base/paths.h"

#include <QList>

namespace gk {

// Finding the game on a first run, so that the Options dialog can propose its folder.

// The Wine prefixes a player is likely to have: WINEPREFIX, then ~/.wine, those that exist.
QList<NativePath> defaultWinePrefixes();

// True when `folder` holds runblack.exe in any letter case (Wine folders are case-sensitive,
// the name is not).
bool holdsGame(const NativePath& folder);

// Folders that hold runblack.exe (in any letter case), with their closing separator, found in
// the usual install places of each prefix's drive_c (Program Files, Program Files (x86),
// Games, GOG Games and a few levels below them). The search visits a bounded number of folders.
QList<NativePath> findGameFolders(const QList<NativePath>& prefixes);

} // namespace gk
