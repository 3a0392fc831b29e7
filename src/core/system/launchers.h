#pragma once

#include "base/paths.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace gk {

// The Wine prefixes that Wine launchers made for a player, found from the launchers' own files
// in a home folder. Everything read there is untrusted: files are read up to a bounded size,
// folders are listed up to a bounded count, a link that leads out of the home folder is not
// followed, and a file that cannot be read as its launcher writes it is passed over with a note.

// One prefix: where it is, which launcher made it, which Wine that launcher starts it with.
struct WinePrefix {
    NativePath path;     // the folder holding drive_c
    QString launcher;    // "Wine", "Lutris", "Bottles", "Heroic", "Steam", "PlayOnLinux", with
                         // " (Flatpak)" for the Flatpak's
    QString wineName;    // the launcher's name of its Wine build; empty for the system's wine
    NativePath wine;     // that build's wine program when it was found; empty: the system's
    NativePath gameHint; // a folder the launcher's file names as the game's, when it does

    friend bool operator==(const WinePrefix&, const WinePrefix&) = default;
};

struct PrefixSearch {
    QList<WinePrefix> prefixes; // each prefix once, in the order of the launchers above
    QStringList notes;          // the files passed over, each with the reason
};

// The prefixes of `environmentPrefix` (WINEPREFIX) and ~/.wine, then those of Lutris,
// Bottles, Heroic, Steam and PlayOnLinux (each also as a Flatpak), below `home`.
PrefixSearch findWinePrefixes(const QString& home, const QString& environmentPrefix);

// The readers of the launchers' formats, for just what is needed here.

// A block-style YAML document's scalar values by their dotted key path ("game.prefix"),
// quotes removed. Lists, flow collections and block scalars are skipped. nullopt for text
// that is not such a document (tabs for indentation, a line that is neither a key nor a list
// item, NUL bytes).
std::optional<QHash<QString, QString>> readYamlScalars(const QByteArray& text);

// Valve's KeyValues text (libraryfolders.vdf, config.vdf): each value by its key path, joined
// with '/' and in lower case ("libraryfolders/1/path"). nullopt for text that is not such a
// document or nests deeper than a bounded depth.
std::optional<QHash<QString, QString>> readVdf(const QByteArray& text);

} // namespace gk
