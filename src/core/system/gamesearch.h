#pragma once

#include "base/paths.h"
#include "system/launchers.h"

#include <QList>

namespace gk {

// Finding the game on a first run, so that the Options dialog can propose its folder.

// The Wine prefixes a player is likely to have: WINEPREFIX, then ~/.wine, those that exist.
QList<NativePath> defaultWinePrefixes();

// True when `folder` holds runblack.exe in any letter case (Wine folders are case-sensitive,
// the name is not).
bool holdsGame(const NativePath& folder);

// Folders that hold runblack.exe (in any letter case), with their closing separator, found in
// the usual install places (Program Files, Program Files (x86), Games, GOG Games and a few
// levels below them) of each of `drives` (the root of a drive: "C:\", or a prefix's drive_c).
// The search visits a bounded number of folders.
QList<NativePath> findGameFoldersOnDrives(const QList<NativePath>& drives);

// The same in the drive_c of each Wine prefix.
QList<NativePath> findGameFolders(const QList<NativePath>& prefixes);

// The install folders of the uninstall entries Windows keeps (HKLM and HKCU, the subkeys of
// ...\Windows\CurrentVersion\Uninstall, in the 64-bit and the 32-bit view) that hold
// runblack.exe.
// Nothing elsewhere.
QList<NativePath> registeredGameFolders();

// The roots of the fixed drives of this Windows; none elsewhere.
QList<NativePath> fixedDrives();

// A game folder found in a Wine prefix, with the prefix and what its launcher says of it.
struct FoundGame {
    NativePath folder; // with its closing separator
    WinePrefix prefix;
};

// The game folders in each of `prefixes`: the folder its launcher names, when it holds the
// game, then the usual install places of its drive_c. Each folder once.
QList<FoundGame> findGameInPrefixes(const QList<WinePrefix>& prefixes);

// The game in the prefixes of Wine and of the Wine launchers below `home` (see
// findWinePrefixes); `notes` receives what was passed over.
QList<FoundGame> findGameInLaunchers(const QString& home, const QString& environmentPrefix,
                                     QStringList* notes = nullptr);

// Where this system's game is most likely: on Windows the registered installs, then the
// fixed drives' usual places; elsewhere in the player's Wine prefixes, those of the Wine launchers
// included.
QList<NativePath> findGame();

} // namespace gk
