#include "launch.h"

#include "core/paths.h"

#include <QDir>
#include <QFileInfo>

namespace gk {

bool isWindowsExecutable(const QString& path) {
    return path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive);
}

LaunchPlan planLaunch(const QString& path) {
    LaunchPlan plan;
    const QString native = QDir::cleanPath(toNativePath(path));
    plan.workingDirectory = QFileInfo(native).absolutePath();
#ifdef Q_OS_WIN
    plan.program = QDir::toNativeSeparators(native);
#else
    if (isWindowsExecutable(native)) {
        plan.program = QStringLiteral("wine");
        plan.arguments << native;
        if (const auto prefix = winePrefixOf(native))
            plan.winePrefix = *prefix;
    } else {
        plan.program = native;
    }
#endif
    return plan;
}

} // namespace gk
