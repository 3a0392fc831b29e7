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
        plan.wine = true;
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

QString effectiveWinePrefix(const LaunchPlan& plan, const QString& environmentPrefix,
                            const QString& home) {
    if (!plan.wine)
        return QString();
    if (!plan.winePrefix.isEmpty())
        return plan.winePrefix;
    if (!environmentPrefix.isEmpty())
        return environmentPrefix;
    return QDir(home).filePath(QStringLiteral(".wine"));
}

QString wineDllOverrides(const QString& existing) {
    if (existing.contains(QStringLiteral("winemenubuilder"), Qt::CaseInsensitive))
        return existing;
    const QString off = QStringLiteral("winemenubuilder.exe=d");
    return existing.isEmpty() ? off : existing + QLatin1Char(';') + off;
}

} // namespace gk
