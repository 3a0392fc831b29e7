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
};

// On Windows the program runs as it is. On other systems a name ending in ".exe" (any
// letter case) runs through `wine`, with WINEPREFIX set to the folder above "drive_c" when
// the program lies in a Wine prefix.
LaunchPlan planLaunch(const NativePath& program);

bool isWindowsExecutable(const QString& path);

} // namespace gk
