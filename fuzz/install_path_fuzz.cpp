// Fuzzes the install path resolver against a fixed game folder that holds symbolic links
// leading out of it: every accepted target must lie inside the game folder, and every
// accepted title must stay a bare file name.

#include "base/text.h"
#include "fuzzcheck.h"
#include "installer/installpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>

using namespace gk;

namespace {

struct World {
    QTemporaryDir root;
    QString game;      // native, no trailing separator
    QString canonical; // the game folder with links resolved

    World() {
        const QString base = root.path();
        game = base + QStringLiteral("/Black & White");
        for (const char* folder : {"Data/Landscape", "Data/CreatureMesh", "Scripts/Playgrounds",
                                   "scripts", "Profiles/Player", "outside"}) {
            const QString path = QLatin1String(folder) == QLatin1String("outside")
                                     ? base + QStringLiteral("/outside")
                                     : game + QLatin1Char('/') + QLatin1String(folder);
            QDir().mkpath(path);
        }
        auto touch = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
        };
        touch(game + QStringLiteral("/Data/Landscape/hills.lnd"));
        touch(game + QStringLiteral("/Scripts/Playgrounds/river.txt"));
        touch(base + QStringLiteral("/outside/secret.txt"));
        QFile::link(base + QStringLiteral("/outside"), game + QStringLiteral("/Data/Out"));
        QFile::link(base + QStringLiteral("/outside/secret.txt"),
                    game + QStringLiteral("/Data/evil.lnd"));
        QFile::link(game + QStringLiteral("/Data"), game + QStringLiteral("/Data/Loop"));
        canonical = QFileInfo(game).canonicalFilePath();
    }
};

World& world() {
    static World w;
    return w;
}

bool inside(const QString& path, const QString& folder) {
    return path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const World& w = world();
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // A leading 0xFF byte reads the rest as UTF-8, to reach characters beyond the code page.
    const QString path =
        bytes.startsWith('\xff') ? QString::fromUtf8(bytes.mid(1)) : decodeWindows1252(bytes);

    const auto resolved = resolveInstallPath(path, ComposedPath(w.game + QLatin1Char('/')));
    if (resolved) {
        const QString target = QDir::fromNativeSeparators(resolved->target.path().text());
        FUZZ_CHECK(inside(target, w.game));
        const QFileInfo info(target);
        FUZZ_CHECK(!info.isSymLink() && !info.isDir());
        FUZZ_CHECK(inside(info.absolutePath(), w.game));
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        FUZZ_CHECK(folder == w.canonical || inside(folder, w.canonical));
        FUZZ_CHECK(resolved->exists == info.exists());
        const QStringList relative = resolved->relative.split(QLatin1Char('\\'));
        FUZZ_CHECK(relative.size() >= 2);
        for (const QString& component : relative)
            FUZZ_CHECK(componentProblem(component).isEmpty());
        FUZZ_CHECK(info.fileName().compare(relative.last(), Qt::CaseInsensitive) == 0);
    }

    if (titleProblem(path).isEmpty()) {
        FUZZ_CHECK(!path.isEmpty() && !path.contains(QLatin1Char('/')) &&
                   !path.contains(QLatin1Char('\\')) && path != QStringLiteral("..") &&
                   path != QStringLiteral("."));
        const QFileInfo copy(QDir(w.game).filePath(path));
        FUZZ_CHECK(copy.absolutePath() == w.game);
    }
    return 0;
}
