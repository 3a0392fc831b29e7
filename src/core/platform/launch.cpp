#include "launch.h"

#include <QDir>
#include <QFileInfo>

namespace gk {

bool isWindowsExecutable(const QString& path) {
    return path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive);
}

LaunchPlan planLaunch(const NativePath& program) {
    LaunchPlan plan;
    const QString native = QDir::cleanPath(program.text());
    plan.workingDirectory = QFileInfo(native).absolutePath();
#ifdef Q_OS_WIN
    plan.program = QDir::toNativeSeparators(native);
#else
    if (isWindowsExecutable(native)) {
        plan.program = QStringLiteral("wine");
        plan.arguments << native;
        if (const auto prefix = winePrefixOf(NativePath(native)))
            plan.winePrefix = prefix->text();
    } else {
        plan.program = native;
    }
#endif
    return plan;
}

} // namespace gk
