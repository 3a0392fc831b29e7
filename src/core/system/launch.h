#pragma once

#include "base/paths.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace gk {

// How Windows programs are started on a system where they run through Wine: the system's
// `wine`, a Wine build's own wine program (a launcher's runner, Proton's files/bin/wine,
// or one the user chose), or a launcher's command line, to which the program is appended.
struct WineStart {
    enum class Kind { System, Build, Command };
    Kind kind = Kind::System;
    QString value; // the wine program (Build) or the command line (Command)

    // For the user: "the system's wine", the program's path, or the command.
    QString shown() const;

    friend bool operator==(const WineStart&, const WineStart&) = default;
};

// How a program named by a path is started on this platform.
struct LaunchPlan {
    QString program;          // what is executed
    QStringList arguments;    // none for native programs; the .exe for Wine
    QString workingDirectory; // the program's own folder, as games and editors expect
    QString winePrefix;       // WINEPREFIX to set, or empty
    bool wine = false;        // runs through Wine
};

// On Windows the program runs as it is. On other systems a name ending in ".exe" (any
// letter case) runs through `wine`, with WINEPREFIX set to the folder above "drive_c" when
// the program lies in a Wine prefix.
// `wine` says which Wine starts it.
LaunchPlan planLaunch(const NativePath& program, const WineStart& wine = {});

// A Wine prefix last updated by another Wine build than the one about to start in it: Wine
// updates a prefix (rewriting its registry) when the time in its .update-timestamp is not
// that of the starting build's wine.inf, which breaks a prefix a launcher keeps for its own
// build. `wineProgram` is the wine program that would start (its links resolved here).
struct ForeignWine {
    QString prefixWine; // what the prefix says of the Wine that last updated it
    QString wine;       // the Wine about to start
};
// nullopt when the same build last updated the prefix, when the prefix has never been updated
// or has its updates switched off ("disable"), or when the build's wine.inf cannot be found.
std::optional<ForeignWine> foreignWine(const QString& prefix, const QString& wineProgram);

// The prefix Wine will use for `plan`: its own, else the environment's WINEPREFIX, else
// ~/.wine of `home`. Empty for a program that does not run through Wine.
QString effectiveWinePrefix(const LaunchPlan& plan, const QString& environmentPrefix,
                            const QString& home);

// WINEDLLOVERRIDES for a started Windows program: what the environment had, plus
// winemenubuilder switched off, so that Grovekeep's starting the game or an editor never adds
// menu entries or file associations of Wine's own to the desktop.
QString wineDllOverrides(const QString& existing);

bool isWindowsExecutable(const QString& path);

} // namespace gk
