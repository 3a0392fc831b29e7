#include "installpath.h"

#include "base/paths.h"
#include "base/quoting.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace gk {

namespace {

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

QString joined(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

// One folder of the game as read once: whether it is one, where it really is, and its names.
struct GameFolderView::Listing {
    bool isFolder = false;
    QString canonical;
    struct Entry {
        QString name;
        bool isFolder = false;
        bool isLink = false;
    };
    QHash<QString, Entry> exact;    // by name
    QHash<QString, QString> folded; // case-folded name -> the first such name in ordinal order
    QStringList folders;            // the names of its folders
};

GameFolderView::GameFolderView(const ComposedPath& gameFolder)
    : m_gameFolder(gameFolder)
    , m_listings(std::make_unique<QHash<QString, Listing>>()) {}

GameFolderView::~GameFolderView() = default;

const GameFolderView::Listing& GameFolderView::listing(const QString& folder) {
    const auto found = m_listings->constFind(folder);
    if (found != m_listings->constEnd())
        return *found;
    Listing listing;
    const QFileInfo info(folder);
    listing.isFolder = info.isDir();
    if (listing.isFolder) {
        listing.canonical = info.canonicalFilePath();
        QDirIterator it(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            const QFileInfo entry = it.fileInfo();
            const QString name = it.fileName();
            listing.exact.insert(name, {name, entry.isDir(), entry.isSymLink()});
            const QString fold = name.toCaseFolded();
            const auto earlier = listing.folded.constFind(fold);
            if (earlier == listing.folded.constEnd() || name < *earlier)
                listing.folded.insert(fold, name);
            if (entry.isDir())
                listing.folders << name;
        }
    }
    return *m_listings->insert(folder, listing);
}

namespace {

// The entry of `listing` that `name` names without regard to letter case: `name` itself when
// it exists, else the first match in ordinal order; empty when none.
QString existingName(const GameFolderView::Listing& listing, const QString& name) {
    if (listing.exact.contains(name))
        return name;
    return listing.folded.value(name.toCaseFolded());
}

} // namespace

bool insideFolder(const QString& canonicalPath, const QString& canonicalFolder) {
    if (canonicalPath.isEmpty() || canonicalFolder.isEmpty())
        return false;
    if (canonicalPath == canonicalFolder)
        return true;
    const QString withSeparator = canonicalFolder.endsWith(QLatin1Char('/'))
                                      ? canonicalFolder
                                      : canonicalFolder + QLatin1Char('/');
    return canonicalPath.startsWith(withSeparator);
}

QStringList gameTopLevelFolders() {
    return {QStringLiteral("Data"), QStringLiteral("Profiles"), QStringLiteral("Scripts")};
}

QString titleProblem(const QString& title) {
    for (const QChar c : title) {
        if (isSeparator(c))
            //: Why a name cannot be used as a file name. %1 is the name in quotes.
            return QCoreApplication::translate("InstallPath", "%1 holds a folder separator")
                .arg(quotedName(title));
    }
    return componentProblem(title);
}

QString titleRefusal(const QString& title) {
    const QString problem = titleProblem(title);
    return problem.isEmpty() ? QString()
                             //: Why a package's entry cannot be installed. %1 says what is wrong
                             //: with its title (a clause).
                             : QCoreApplication::translate(
                                   "InstallPath", "the title cannot be used as a file name: %1")
                                   .arg(problem);
}

fs::Location matchLetterCase(const NativePath& folder, const QString& relative) {
    fs::Location out = fs::Location::below(folder, relative);
    QString current = folder.text();
    bool exists = QFileInfo(current).isDir();
    GameFolderView view(ComposedPath(folder.text()));
    auto match = [&](QString& name) {
        if (!exists)
            return;
        const QString found = existingName(view.listing(current), name);
        if (found.isEmpty())
            exists = false;
        else
            name = found;
        current = joined(current, name);
    };
    for (QString& name : out.folders)
        match(name);
    match(out.name);
    return out;
}

Result<ResolvedPath> resolveInstallPath(const QString& installPath,
                                        const ComposedPath& gameFolder) {
    GameFolderView view(gameFolder);
    return resolveInstallPath(installPath, view);
}

Result<ResolvedPath> resolveInstallPath(const QString& installPath, GameFolderView& view) {
    const ComposedPath& gameFolder = view.gameFolder();
    // Each refusal is one sentence, "The install path %1 cannot be used: <why>.", %1 the path
    // and %2 the name or folder it is about; the arguments are put in at once, so that a path
    // holding "%2" stays as it is.
    auto refuse = [&installPath](const QString& sentence, const QString& about = QString()) {
        return Result<ResolvedPath>::failure(
            ErrorKind::UnsafePath, about.isNull() ? sentence.arg(quotedName(installPath))
                                                  : sentence.arg(quotedName(installPath), about));
    };
    if (installPath.isEmpty())
        return Result<ResolvedPath>::failure(
            ErrorKind::UnsafePath,
            QCoreApplication::translate("InstallPath", "The install path is empty."));
    if (installPath.size() >= 2 && isSeparator(installPath.at(0)) &&
        isSeparator(installPath.at(1))) {
        if (installPath.size() >= 3 &&
            (installPath.at(2) == QLatin1Char('?') || installPath.at(2) == QLatin1Char('.')))
            //: %1 is the install path in quotes. This sentence may also be shown inside a longer
            //: line with its first letter in lower case.
            return refuse(QCoreApplication::translate(
                "InstallPath", "The install path %1 cannot be used: it is a device path."));
        //: %1 is the install path in quotes. This sentence may also be shown inside a longer
        //: line with its first letter in lower case.
        return refuse(QCoreApplication::translate(
            "InstallPath", "The install path %1 cannot be used: it names a network share."));
    }
    const bool hasDrive = startsWithDrive(installPath);
    if (hasDrive && (installPath.size() == 2 || !isSeparator(installPath.at(2))))
        //: %1 is the install path in quotes, %2 a drive ("C:"). This sentence may also be shown
        //: inside a longer line with its first letter in lower case.
        return refuse(QCoreApplication::translate("InstallPath",
                                                  "The install path %1 cannot be used: it is "
                                                  "relative to the current folder of drive %2."),
                      installPath.left(2));
    if (isSeparator(installPath.back()))
        //: %1 is the install path in quotes. This sentence may also be shown inside a longer
        //: line with its first letter in lower case.
        return refuse(QCoreApplication::translate(
            "InstallPath", "The install path %1 cannot be used: it names a folder, not a file."));

    const QStringList parts = pathComponents(installPath);
    const qsizetype first = hasDrive ? 1 : 0;
    for (qsizetype k = first; k < parts.size(); ++k) {
        const QString problem = componentProblem(parts.at(k));
        if (!problem.isEmpty())
            //: %1 is the install path in quotes, %2 what is wrong with one of its names (a
            //: clause). This sentence may also be shown inside a longer line with its first
            //: letter in lower case.
            return refuse(QCoreApplication::translate("InstallPath",
                                                      "The install path %1 cannot be used: %2."),
                          problem);
    }

    const QString gameNative = gameFolder.native().text();
    const GameFolderView::Listing& game = view.listing(gameNative);
    if (gameFolder.isEmpty() || !game.isFolder)
        return Result<ResolvedPath>::failure(
            ErrorKind::NotFound,
            //: %1 is a folder in quotes. This sentence may also be shown inside a longer line
            //: with its first letter in lower case.
            QCoreApplication::translate("InstallPath", "The game folder %1 does not exist.")
                .arg(quotedPath(gameFolder)));
    const QString gameCanonical = game.canonical;

    // The part of the path from the game's own top-level folder on.
    // Hidden folders of the game folder (".wine", ".ssh" where the game folder is a home
    // folder) are never install targets.
    QStringList topLevel = gameTopLevelFolders();
    for (const QString& folder : game.folders) {
        if (!folder.startsWith(QLatin1Char('.')))
            topLevel << folder;
    }
    qsizetype top = -1;
    for (qsizetype k = parts.size() - 2; k >= first && top < 0; --k) {
        if (topLevel.contains(parts.at(k), Qt::CaseInsensitive))
            top = k;
    }
    if (top < 0)
        //: %1 is the install path in quotes, %2 the game's folders joined with commas
        //: ("Data, Profiles, Scripts"). This sentence may also be shown inside a longer line
        //: with its first letter in lower case.
        return refuse(QCoreApplication::translate("InstallPath",
                                                  "The install path %1 cannot be used: it names "
                                                  "none of the game's folders (%2)."),
                      gameTopLevelFolders().join(QStringLiteral(", ")));

    ResolvedPath out;
    out.relative = parts.mid(top).join(QLatin1Char('\\'));
    QString folder = gameNative;
    while (folder.size() > 1 && isSeparator(folder.back()))
        folder.chop(1);
    QStringList written;
    QStringList matched;
    for (qsizetype k = top; k < parts.size() - 1; ++k) {
        written << parts.at(k);
        const QString name = existingName(view.listing(folder), parts.at(k));
        matched << name;
        const QString shown = quotedName(written.join(QLatin1Char('\\')));
        if (name.isEmpty())
            //: %1 is the install path, %2 a folder of it, both in quotes. This sentence may
            //: also be shown inside a longer line with its first letter in lower case.
            return refuse(QCoreApplication::translate("InstallPath",
                                                      "The install path %1 cannot be used: the "
                                                      "folder %2 does not exist in the game "
                                                      "folder."),
                          shown);
        folder = joined(folder, name);
        if (!view.listing(folder).isFolder)
            //: %1 is the install path, %2 a part of it, both in quotes. This sentence may also
            //: be shown inside a longer line with its first letter in lower case.
            return refuse(
                QCoreApplication::translate(
                    "InstallPath", "The install path %1 cannot be used: %2 is not a folder."),
                shown);
    }
    const QString& fileName = parts.back();
    const GameFolderView::Listing& holder = view.listing(folder);
    const QString existing = existingName(holder, fileName);
    const auto entry = holder.exact.value(existing);
    if (entry.isLink)
        //: %1 is the install path, %2 the part of it below the game folder, both in quotes.
        //: This sentence may also be shown inside a longer line with its first letter in lower
        //: case.
        return refuse(
            QCoreApplication::translate(
                "InstallPath", "The install path %1 cannot be used: %2 is a symbolic link."),
            quotedName(out.relative));
    if (entry.isFolder)
        //: %1 is the install path, %2 the part of it below the game folder, both in quotes.
        //: This sentence may also be shown inside a longer line with its first letter in lower
        //: case.
        return refuse(
            QCoreApplication::translate(
                "InstallPath", "The install path %1 cannot be used: a folder stands at %2."),
            quotedName(out.relative));
    if (!insideFolder(holder.canonical, gameCanonical))
        //: %1 is the install path, %2 the folders of it below the game folder, both in quotes.
        //: This sentence may also be shown inside a longer line with its first letter in lower
        //: case.
        return refuse(QCoreApplication::translate(
                          "InstallPath", "The install path %1 cannot be used: %2 leads outside the "
                                         "game folder."),
                      quotedName(parts.mid(top, parts.size() - 1 - top).join(QLatin1Char('\\'))));
    out.target.root = gameFolder.native();
    out.target.folders = matched;
    out.target.name = existing.isEmpty() ? fileName : existing;
    out.exists = !existing.isEmpty();
    return out;
}

} // namespace gk
