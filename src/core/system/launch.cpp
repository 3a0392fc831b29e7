#include "launch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace gk {

bool isWindowsExecutable(const QString& path) {
    return path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive);
}

QString WineStart::shown() const {
    switch (kind) {
    case Kind::Build:
        return QDir::toNativeSeparators(value);
    case Kind::Command:
        return value;
    case Kind::System:
        break;
    }
    //: How the Wine that starts Windows programs is named when none was chosen: the "wine"
    //: program the system has.
    return QCoreApplication::translate("Launch", "the system's wine");
}

LaunchPlan planLaunch(const NativePath& program, const WineStart& wine) {
    LaunchPlan plan;
    const QString native = QDir::cleanPath(program.text());
    plan.workingDirectory = QFileInfo(native).absolutePath();
#ifdef Q_OS_WIN
    Q_UNUSED(wine); // Windows programs run as they are
    plan.program = QDir::toNativeSeparators(native);
#else
    if (isWindowsExecutable(native)) {
        plan.wine = true;
        plan.program = QStringLiteral("wine");
        if (wine.kind == WineStart::Kind::Build && !wine.value.isEmpty()) {
            plan.program = wine.value;
        } else if (wine.kind == WineStart::Kind::Command) {
            QStringList command = QProcess::splitCommand(wine.value);
            if (!command.isEmpty()) {
                plan.program = command.takeFirst();
                plan.arguments = command;
            }
        }
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

namespace {
// The wine.inf a Wine build's program reads: in share/wine of the build, found from the
// program's folder (bin/) or, for a program that is a link or a wrapper script into the
// build's lib/wine/, from there.
QString wineInfOf(const QString& wineProgram) {
    QStringList folders{QFileInfo(wineProgram).absolutePath()};
    const QString real = QFileInfo(wineProgram).canonicalFilePath();
    if (!real.isEmpty())
        folders << QFileInfo(real).absolutePath();
    for (const QString& folder : folders) {
        for (const QString& up : {QStringLiteral("/../share/wine/wine.inf"),
                                  QStringLiteral("/../../share/wine/wine.inf")}) {
            const QString inf = QDir::cleanPath(folder + up);
            if (QFileInfo(inf).isFile())
                return inf;
        }
    }
    return QString();
}
} // namespace

std::optional<ForeignWine> foreignWine(const QString& prefix, const QString& wineProgram) {
    QFile stamp(prefix + QStringLiteral("/.update-timestamp"));
    if (wineProgram.isEmpty() || !stamp.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray recorded = stamp.read(64).trimmed();
    bool number = false;
    const qint64 seconds = recorded.split(' ').first().toLongLong(&number);
    if (!number)
        return std::nullopt; // "disable", or nothing Wine wrote
    const QString inf = wineInfOf(wineProgram);
    if (inf.isEmpty())
        return std::nullopt;
    if (QFileInfo(inf).lastModified().toSecsSinceEpoch() == seconds)
        return std::nullopt;
    ForeignWine out;
    out.wine = QDir::toNativeSeparators(wineProgram);
    // Steam writes the Proton that last ran a prefix beside it.
    QFile proton(prefix + QStringLiteral("/../version"));
    if (QFileInfo(prefix).fileName() == QStringLiteral("pfx") && proton.open(QIODevice::ReadOnly)) {
        const QString version = QString::fromUtf8(proton.read(64).split('\n').first()).trimmed();
        if (!version.isEmpty())
            out.prefixWine = QStringLiteral("Proton ") + version;
    }
    if (out.prefixWine.isEmpty())
        //: The Wine that last updated a prefix, known only by its date (%1, as 2024-05-31).
        out.prefixWine = QCoreApplication::translate("Launch", "a Wine build dated %1")
                             .arg(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
                                      .toString(QStringLiteral("yyyy-MM-dd")));
    return out;
}

QString wineDllOverrides(const QString& existing) {
    if (existing.contains(QStringLiteral("winemenubuilder"), Qt::CaseInsensitive))
        return existing;
    const QString off = QStringLiteral("winemenubuilder.exe=d");
    return existing.isEmpty() ? off : existing + QLatin1Char(';') + off;
}

} // namespace gk
