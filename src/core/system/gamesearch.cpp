#include "gamesearch.h"

#include <QDir>
#include <QFileInfo>
#include <QQueue>

#include <algorithm>

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
    QList<NativePath> found;
    int visited = 0;
    for (const NativePath& prefix : prefixes) {
        const QDir drive(QDir::fromNativeSeparators(prefix.text()) + QStringLiteral("/drive_c"));
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

} // namespace gk
