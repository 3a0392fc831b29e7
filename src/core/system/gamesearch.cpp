#include "gamesearch.h"

#include <QDir>
#include <QFileInfo>
#include <QQueue>
#include <QSettings>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace gk {

namespace {
constexpr int kDepth = 3;         // folders below an install place that are looked into
constexpr int kMaxFolders = 4000; // so that a large drive_c cannot slow the first start
} // namespace

QList<NativePath> defaultWinePrefixes() {
    QList<NativePath> out;
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    for (const QString& prefix :
         {fromEnvironment, QDir(QDir::homePath()).filePath(QStringLiteral(".wine"))}) {
        if (!prefix.isEmpty() && QFileInfo(prefix + QStringLiteral("/drive_c")).isDir() &&
            !out.contains(NativePath(QDir::cleanPath(prefix))))
            out << NativePath(QDir::cleanPath(prefix));
    }
    return out;
}

bool holdsGame(const NativePath& folder) {
    const QDir dir(QDir::fromNativeSeparators(folder.text()));
    const QStringList files = dir.entryList(QDir::Files);
    return std::any_of(files.begin(), files.end(), [](const QString& name) {
        return name.compare(QStringLiteral("runblack.exe"), Qt::CaseInsensitive) == 0;
    });
}

QList<NativePath> findGameFolders(const QList<NativePath>& prefixes) {
    QList<NativePath> drives;
    for (const NativePath& prefix : prefixes)
        drives << NativePath(QDir::fromNativeSeparators(prefix.text()) +
                             QStringLiteral("/drive_c"));
    return findGameFoldersOnDrives(drives);
}

QList<NativePath> findGameFoldersOnDrives(const QList<NativePath>& drives) {
    QList<NativePath> found;
    int visited = 0;
    for (const NativePath& root : drives) {
        const QDir drive(QDir::fromNativeSeparators(root.text()));
        QQueue<QPair<QString, int>> queue;
        for (const QString& place :
             {QStringLiteral("Program Files"), QStringLiteral("Program Files (x86)"),
              QStringLiteral("Games"), QStringLiteral("GOG Games")}) {
            // Wine spells these as Windows does, but a copied prefix may not.
            for (const QString& name : drive.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (name.compare(place, Qt::CaseInsensitive) == 0)
                    queue.enqueue({drive.filePath(name), 0});
            }
        }
        while (!queue.isEmpty() && visited < kMaxFolders) {
            const auto [folder, depth] = queue.dequeue();
            ++visited;
            const QDir dir(folder);
            const NativePath game(QDir::toNativeSeparators(folder + QLatin1Char('/')));
            if (holdsGame(game) && !found.contains(game))
                found << game;
            if (depth < kDepth) {
                for (const QString& name :
                     dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
                    queue.enqueue({dir.filePath(name), depth + 1});
            }
        }
    }
    return found;
}

QList<NativePath> registeredGameFolders() {
    QList<NativePath> found;
#ifdef Q_OS_WIN
    const QString uninstall =
        QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    for (const char* hive : {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"}) {
        for (const QSettings::Format view :
             {QSettings::Registry64Format, QSettings::Registry32Format}) {
            QSettings entries(QLatin1String(hive) + uninstall, view);
            for (const QString& entry : entries.childGroups()) {
                // As installers write it: sometimes quoted, sometimes without its separator.
                QString folder =
                    entries.value(entry + QStringLiteral("/InstallLocation")).toString().trimmed();
                if (folder.size() > 1 && folder.startsWith(QLatin1Char('"')) &&
                    folder.endsWith(QLatin1Char('"')))
                    folder = folder.mid(1, folder.size() - 2);
                if (folder.isEmpty() || QDir::isRelativePath(folder))
                    continue;
                folder = QDir::toNativeSeparators(QDir::cleanPath(folder));
                if (!folder.endsWith(QLatin1Char('\\')))
                    folder += QLatin1Char('\\');
                const NativePath game(folder);
                if (!found.contains(game) && holdsGame(game))
                    found << game;
            }
        }
    }
#endif
    return found;
}

QList<NativePath> fixedDrives() {
    QList<NativePath> out;
#ifdef Q_OS_WIN
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(drives & (DWORD(1) << letter)))
            continue;
        const QString root = QString(QChar(u'A' + letter)) + QStringLiteral(":\\");
        if (GetDriveTypeW(reinterpret_cast<const wchar_t*>(root.utf16())) == DRIVE_FIXED)
            out << NativePath(root);
    }
#endif
    return out;
}

QList<FoundGame> findGameInPrefixes(const QList<WinePrefix>& prefixes) {
    QList<FoundGame> found;
    const auto add = [&found](const NativePath& folder, const WinePrefix& prefix) {
        for (const FoundGame& known : found) {
            if (known.folder == folder)
                return;
        }
        found << FoundGame{folder, prefix};
    };
    for (const WinePrefix& prefix : prefixes) {
        if (!prefix.gameHint.isEmpty()) {
            const NativePath hint(QDir::toNativeSeparators(QDir::cleanPath(prefix.gameHint.text()) +
                                                           QLatin1Char('/')));
            if (holdsGame(hint))
                add(hint, prefix);
        }
        for (const NativePath& folder : findGameFolders({prefix.path}))
            add(folder, prefix);
    }
    return found;
}

QList<FoundGame> findGameInLaunchers(const QString& home, const QString& environmentPrefix,
                                     QStringList* notes) {
    const PrefixSearch search = findWinePrefixes(home, environmentPrefix);
    if (notes)
        *notes << search.notes;
    return findGameInPrefixes(search.prefixes);
}

QList<NativePath> findGame() {
#ifdef Q_OS_WIN
    QList<NativePath> found = registeredGameFolders();
    for (const NativePath& game : findGameFoldersOnDrives(fixedDrives())) {
        if (!found.contains(game))
            found << game;
    }
    return found;
#else
    QList<NativePath> found;
    for (const FoundGame& game :
         findGameInLaunchers(QDir::homePath(), qEnvironmentVariable("WINEPREFIX")))
        found << game.folder;
    return found;
#endif
}

} // namespace gk
