#pragma once

#include "base/paths.h"

#include <QString>
#include <QStringList>

namespace gk {

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
LaunchPlan planLaunch(const NativePath& program);

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
