#include "changes.h"

#include "common/shared.h"
#include "settings/options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace gk {

namespace {

// A path as the file system tells files apart: absolute and clean, its folder with links
// resolved where it exists. Windows' file systems ignore letter case (and so do they under
// Wine, which spells Windows' paths here only through the drive mappings).
QString comparable(const QString& path) {
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    QString out = (folder.isEmpty() ? info.path() : folder) + QLatin1Char('/') + info.fileName();
#ifdef Q_OS_WIN
    out = out.toCaseFolded();
#endif
    return out;
}

// Reads options.txt again when the change touched it: the running program uses what the disk
// holds (after an undo of a save, the folders as they were). Without the file, the settings
// are empty, as they are at the first start.
void reloadSettingsWhenTouched(const Announcement& announcement) {
    const QList<NativePath> candidates = startupSettingsCandidates();
    bool touched = false;
    for (const NativePath& candidate : candidates)
        touched = touched || StoreChanges::names(announcement.files, candidate);
    if (!shared().ManagerFolder.isEmpty())
        touched = touched || StoreChanges::names(announcement.files,
                                                 settingsWritePath(managerFolder()).native());
    if (!touched)
        return;
    const auto file = readSettingsFile(candidates);
    setSettings(file ? file->values : QStringList(SettingsLineCount, QString()));
}

} // namespace

StoreChanges& StoreChanges::instance() {
    static StoreChanges* changes = new StoreChanges; // lives as long as the program
    return *changes;
}

StoreChanges::StoreChanges() {
    ChangeStore::setListener([this](const Announcement& announcement) {
        if (QThread::currentThread() == thread())
            tell(announcement);
        else
            QMetaObject::invokeMethod(
                this, [this, announcement] { tell(announcement); }, Qt::QueuedConnection);
    });
}

void StoreChanges::tell(const Announcement& announcement) {
    reloadSettingsWhenTouched(announcement);
    emit changed(announcement);
}

bool StoreChanges::names(const QList<NativePath>& files, const NativePath& path) {
    if (path.isEmpty())
        return false;
    const QString wanted = comparable(path.text());
    for (const NativePath& file : files) {
        if (comparable(file.text()) == wanted)
            return true;
    }
    return false;
}

bool StoreChanges::holdsOneIn(const QList<NativePath>& files, const NativePath& folder) {
    if (folder.isEmpty())
        return false;
    const QString wanted = comparable(QDir(folder.text()).filePath(QStringLiteral("x")));
    const QString prefix = wanted.left(wanted.size() - 1);
    for (const NativePath& file : files) {
        const QString name = comparable(file.text());
        if (name.startsWith(prefix) && !name.mid(prefix.size()).contains(QLatin1Char('/')))
            return true;
    }
    return false;
}

} // namespace gk
