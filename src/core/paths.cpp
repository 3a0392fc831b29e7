#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace gk {

namespace {

int lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

bool startsWithDrive(const QString& path) {
    return path.size() >= 2 && path.at(0).isLetter() && path.at(0).unicode() < 128 &&
           path.at(1) == QLatin1Char(':');
}

#ifndef Q_OS_WIN
QString winePrefix() {
    const QString fromEnv = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::homePath() + QStringLiteral("/.wine");
}

// "C:/Games/BW" -> "<prefix>/dosdevices/c:/Games/BW" when the prefix has that drive.
QString mapDriveIntoPrefix(const QString& slashed) {
    const QString drive = slashed.left(2).toLower();
    const QString device = winePrefix() + QStringLiteral("/dosdevices/") + drive;
    QFileInfo deviceInfo(device);
    QString root;
    if (deviceInfo.exists())
        root = deviceInfo.canonicalFilePath();
    else if (drive == QStringLiteral("c:") && QFileInfo::exists(winePrefix() + "/drive_c"))
        root = winePrefix() + QStringLiteral("/drive_c");
    if (root.isEmpty())
        return slashed;
    QString rest = slashed.mid(2);
    if (!rest.startsWith(QLatin1Char('/')))
        rest.prepend(QLatin1Char('/'));
    return root + rest;
}
#endif

} // namespace

QString toNativePath(const QString& composed) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(composed);
#else
    QString slashed = composed;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (startsWithDrive(slashed))
        return mapDriveIntoPrefix(slashed);
    return slashed;
#endif
}

QString displayPath(const QString& path) { return QDir::toNativeSeparators(toNativePath(path)); }

QString bareFileName(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QString folderPart(const QString& path) { return path.left(lastSeparator(path) + 1); }

QString folderWithSeparator(const QString& filePath) {
    const QString folder = folderPart(filePath);
    if (!folder.isEmpty())
        return folder;
    QString absolute = QFileInfo(filePath).absolutePath();
    if (!absolute.endsWith(QLatin1Char('/')))
        absolute += QLatin1Char('/');
    return QDir::toNativeSeparators(absolute);
}

std::optional<QString> winePrefixOf(const QString& nativePath) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(nativePath));
    const QString marker = QStringLiteral("/drive_c");
    int at = clean.indexOf(marker + QLatin1Char('/'));
    if (at < 0 && clean.endsWith(marker))
        at = clean.size() - marker.size();
    if (at <= 0)
        return std::nullopt;
    return clean.left(at);
}

std::optional<QString> windowsPathInPrefix(const QString& nativePath) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(nativePath));
    const auto prefix = winePrefixOf(clean);
    if (!prefix)
        return std::nullopt;
    QString rest = clean.mid(prefix->size() + int(qstrlen("/drive_c")));
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!rest.startsWith(QLatin1Char('\\')))
        rest.prepend(QLatin1Char('\\'));
    return QStringLiteral("C:") + rest;
}

QString programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return dir + QLatin1Char('/');
}

QString executableName(const QString& baseName) {
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

} // namespace gk
