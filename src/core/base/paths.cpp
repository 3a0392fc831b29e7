#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace gk {

namespace {

int lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
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

bool startsWithDrive(const QString& path) {
    return path.size() >= 2 && path.at(0).unicode() < 128 && path.at(0).isLetter() &&
           path.at(1) == QLatin1Char(':');
}

QString NativePath::shown() const {
    QString out = QDir::toNativeSeparators(m_path);
    // A folder value that ends in a separator, followed by a part that begins with one, is
    // shown with one; the leading pair of a network share ("\\server\...") stays.
    const QChar separator = QDir::separator();
    for (qsizetype at = out.size() - 1; at > 1; --at) {
        if (out.at(at) == separator && out.at(at - 1) == separator)
            out.remove(at, 1);
    }
    return out;
}

QString NativePath::fileName() const { return bareFileName(m_path); }

NativePath NativePath::folder() const {
    const QString folder = folderPart(m_path);
    if (!folder.isEmpty())
        return NativePath(folder);
    QString absolute = QFileInfo(m_path).absolutePath();
    if (!absolute.endsWith(QLatin1Char('/')))
        absolute += QLatin1Char('/');
    return NativePath(QDir::toNativeSeparators(absolute));
}

NativePath NativePath::child(const QString& name) const {
    // With this system's separator, so that a path put together is written one way (Windows
    // takes either, but its programs and its users read backslashes).
    const QString part = QDir::toNativeSeparators(name);
    if (m_path.isEmpty() || m_path.endsWith(QLatin1Char('/')) || m_path.endsWith(QDir::separator()))
        return NativePath(m_path + part);
    return NativePath(m_path + QDir::separator() + part);
}

NativePath ComposedPath::native() const {
#ifdef Q_OS_WIN
    return NativePath(QDir::toNativeSeparators(m_text));
#else
    QString slashed = m_text;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (startsWithDrive(slashed))
        return NativePath(mapDriveIntoPrefix(slashed));
    return NativePath(slashed);
#endif
}

QString bareFileName(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QStringList pathComponents(const QString& path) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= path.size(); ++at) {
        if (at == path.size() || path.at(at) == QLatin1Char('\\') ||
            path.at(at) == QLatin1Char('/')) {
            if (at > start)
                parts << path.mid(start, at - start);
            start = at + 1;
        }
    }
    return parts;
}

QString folderPart(const QString& path) { return path.left(lastSeparator(path) + 1); }

std::optional<NativePath> winePrefixOf(const NativePath& path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path.text()));
    const QString marker = QStringLiteral("/drive_c");
    int at = clean.indexOf(marker + QLatin1Char('/'));
    if (at < 0 && clean.endsWith(marker))
        at = clean.size() - marker.size();
    if (at <= 0)
        return std::nullopt;
    return NativePath(clean.left(at));
}

std::optional<QString> windowsPathInPrefix(const NativePath& path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path.text()));
    const auto prefix = winePrefixOf(NativePath(clean));
    if (!prefix)
        return std::nullopt;
    QString rest = clean.mid(prefix->text().size() + int(qstrlen("/drive_c")));
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!rest.startsWith(QLatin1Char('\\')))
        rest.prepend(QLatin1Char('\\'));
    return QStringLiteral("C:") + rest;
}

NativePath programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return NativePath(QDir::toNativeSeparators(dir + QLatin1Char('/')));
}

QString executableName(const QString& baseName) {
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

} // namespace gk
