#include "places.h"

#include "base/installdirs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gk {

namespace {
// `folder` followed by a relative path of the install layout, cleaned, with a closing '/'.
NativePath below(const NativePath& folder, const char* relative) {
    const QString joined = QDir::cleanPath(QDir::fromNativeSeparators(folder.text()) +
                                           QLatin1Char('/') + QString::fromUtf8(relative));
    return NativePath(QDir::toNativeSeparators(joined + QLatin1Char('/')));
}
} // namespace

bool isPortableFolder(const NativePath& programFolder) {
    const QString folder = QDir::fromNativeSeparators(programFolder.text());
    if (QFileInfo(QDir(folder).filePath(QString::fromLatin1(kPortableMark))).isFile())
        return true;
    return QFileInfo(folder).isWritable() &&
           QFileInfo(QDir(folder).filePath(QStringLiteral("options.txt"))).isFile();
}

NativePath userDataFolder() {
#ifdef Q_OS_WIN
    // The roaming application data (%APPDATA%), where Windows programs keep what the user made
    // with them; Qt's generic data location is the local one.
    QString data = qEnvironmentVariable("APPDATA");
    if (data.isEmpty())
        data = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#else
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    return NativePath(QDir::toNativeSeparators(data + QStringLiteral("/Grovekeep/")));
}

NativePath proposedManagerFolder(const NativePath& programFolder) {
    return isPortableFolder(programFolder) ? programFolder : userDataFolder();
}

QList<NativePath> helpViewerCandidates(const ComposedPath& managerFolder,
                                       const NativePath& programFolder) {
    const QString program = executableName(QStringLiteral("Help"));
    QList<NativePath> out;
    auto add = [&out](const NativePath& path) {
        for (const NativePath& there : std::as_const(out)) {
            if (there.shown() == path.shown())
                return;
        }
        out << path;
    };
    if (!managerFolder.isEmpty())
        add((managerFolder + QStringLiteral("\\Help\\") + program).native());
    add((ComposedPath(programFolder.text()) + QStringLiteral("Help\\") + program).native());
    add(below(programFolder, installdirs::binToHelp).child(program));
    return out;
}

QList<NativePath> webModuleCandidates(const NativePath& programFolder, const QString& moduleName) {
    QList<NativePath> out{programFolder.child(moduleName)};
    const NativePath installed = below(programFolder, installdirs::binToModule).child(moduleName);
    if (!out.contains(installed))
        out << installed;
    return out;
}

NativePath helpPagesFolder(const NativePath& helpProgramFolder) {
    const NativePath beside = helpProgramFolder.child(QStringLiteral("HelpFiles"));
    if (QFileInfo(beside.text()).isDir())
        return beside;
    const NativePath installed = below(helpProgramFolder, installdirs::helpToPages);
    return QFileInfo(installed.text()).isDir() ? installed : beside;
}

} // namespace gk
